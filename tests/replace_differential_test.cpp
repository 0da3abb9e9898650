// The engine against the plain reference scan, on seeded random inputs drawn from an alphabet
// that makes the character rule matter: lead bytes, bytes that are either a letter or a second
// byte, CR LF, the bytes of the token "换行符", and letters of both cases.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "engine/replace.h"
#include "tests/reference_scan.h"

namespace wendral {
namespace {

const std::string alphabet_pieces[] = {
    "a", "A", "b", "B", "z", "@", "\r", "\n", "\r\n",
    "\x81", "\x80", "\xFF", "\xB0", "\xA1", "\x41", "\x61",
    "\xBB", "\xD0", "\xB7", "\xFB",                   // the token's bytes, one at a time
    "\xBB\xBB", "\xD0\xD0", "\xB7\xFB",               // its characters
    "\xBB\xBB\xD0\xD0\xB7\xFB",                       // the whole token
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    std::string text(std::size_t max_pieces) {
        std::string out;
        const std::size_t pieces = pick(max_pieces + 1);
        for (std::size_t i = 0; i < pieces; ++i)
            out += alphabet_pieces[pick(std::size(alphabet_pieces))];
        return out;
    }

    // A find text that is often a piece of the source, so that occurrences are frequent.
    std::string find_in(const std::string& source) {
        if (source.empty() || pick(4) == 0) return text(3);
        const std::size_t from = pick(source.size());
        const std::size_t length = 1 + pick(std::min<std::size_t>(4, source.size() - from));
        return source.substr(from, length);
    }

    std::int32_t number(std::int32_t low, std::int32_t high) {
        return std::uniform_int_distribution<std::int32_t>(low, high)(random_);
    }

    std::size_t pick(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

private:
    std::mt19937 random_;
};

TEST(ReplaceDifferential, MatchesReferenceScan) {
    Generator generate(20261211);
    for (int round = 0; round < 200000; ++round) {
        const std::string source = generate.text(12);
        const std::string find = generate.find_in(source);
        const std::string with = generate.text(3);
        const bool case_sensitive = generate.pick(2) == 0;
        const bool start_given = generate.pick(2) == 0;
        const bool count_given = generate.pick(2) == 0;
        const std::int32_t start = start_given ? generate.number(-2, 20) : 1;
        const std::int32_t count = count_given ? generate.number(-2, 4) : -1;

        const std::string expected =
            testing::reference_replace(source, find, with, start, count, case_sensitive);
        Text outcome = replace_text(source, find, with,
                                    start_given ? std::optional(start) : not_given,
                                    count_given ? std::optional(count) : not_given,
                                    case_sensitive);
        ASSERT_EQ(outcome.absent(), expected.empty()) << "round " << round;
        ASSERT_EQ(std::string(outcome.view()), expected)
            << "round " << round << " start " << start << " count " << count << " case "
            << case_sensitive;
    }
}

}  // namespace
}  // namespace wendral
