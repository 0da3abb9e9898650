// Implementation details of replace_text: the search for the next occurrence.
//
// The whole search lives behind `Searcher`, so that how occurrences are found can change
// without touching how the outcome is built.
#pragma once

#include <cstddef>
#include <string_view>

namespace wendral::detail {

class Searcher {
public:
    Searcher(std::string_view find, bool case_sensitive);

    // The position of the first occurrence at or after `from` that begins at a character
    // start, counting characters from `from` (itself a character start), or npos.
    std::size_t next(std::string_view source, std::size_t from) const;

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    std::string_view find_;
    bool case_sensitive_;
};

}  // namespace wendral::detail
