// The oracle: the scan written as plainly as the rule reads, one character at a time, with a
// fresh comparison of the whole find text at every character start. It builds a std::string
// and is kept simple enough that it is unlikely to be wrong; the engine is judged against it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wendral::testing {

inline bool reference_equal(std::string_view here, std::string_view find, bool case_sensitive) {
    for (std::size_t i = 0; i < find.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(here[i]);
        unsigned char b = static_cast<unsigned char>(find[i]);
        if (!case_sensitive) {
            if (a >= 'A' && a <= 'Z') a += 0x20;
            if (b >= 'A' && b <= 'Z') b += 0x20;
        }
        if (a != b) return false;
    }
    return true;
}

inline std::string reference_replace(std::string_view source, std::string_view find,
                                     std::string_view replacement, std::int32_t start,
                                     std::int32_t count, bool case_sensitive) {
    const std::size_t n = source.size();
    const std::size_t m = find.size();
    const std::size_t p = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
    std::int64_t limit = count;  // negative: no limit
    if (n == 0 || m == 0 || p >= n || count == 0) return std::string(source);

    std::string out(source.substr(0, p));
    std::size_t at = p;
    while (n - at >= m) {
        if (reference_equal(source.substr(at, m), find, case_sensitive)) {
            out += replacement;
            at += m;
            if (limit > 0 && --limit == 0) break;
        } else if (static_cast<unsigned char>(source[at]) < 0x80) {
            out += source[at];
            at += 1;
        } else if (at + 1 < n) {
            out += source.substr(at, 2);
            at += 2;
        } else {
            break;  // a lone lead byte at the very end: kept below
        }
    }
    out += source.substr(at);
    return out;
}

}  // namespace wendral::testing
