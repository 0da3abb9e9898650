#include "engine/search.h"

#include <cstring>

namespace wendral::detail {
namespace {

unsigned char fold(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + 0x20) : byte;
}

bool equal_folded(const char* a, const char* b, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

Searcher::Searcher(std::string_view find, bool case_sensitive)
    : find_(find), case_sensitive_(case_sensitive) {}

std::size_t Searcher::next(std::string_view source, std::size_t from) const {
    const std::size_t m = find_.size();
    if (m == 0 || m > source.size()) return npos;
    const std::size_t last = source.size() - m;
    std::size_t at = from;
    while (at <= last) {
        const char* here = source.data() + at;
        bool match = case_sensitive_ ? std::memcmp(here, find_.data(), m) == 0
                                     : equal_folded(here, find_.data(), m);
        if (match) return at;
        at += static_cast<unsigned char>(*here) >= 0x80 ? 2 : 1;
    }
    return npos;
}

}  // namespace wendral::detail
