#include "engine/replace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace wendral {
namespace {

struct Seed {
    const char* name;
    std::string source;
    std::string find;
    std::optional<std::string> replacement;
    std::optional<std::int32_t> start;
    std::optional<std::int32_t> count;
    bool case_sensitive;
    std::optional<std::string> expected;  // nullopt: the outcome is absent
};

const Seed seeds[] = {
    // an empty source gives absent, whatever else is given
    {"empty source", "", "a", "b", not_given, not_given, true, std::nullopt},
    {"empty source, empty find", "", "", "b", 3, 0, false, std::nullopt},
    // nothing to look for, or nothing left to scan: a copy of the source
    {"empty find", "abc", "", "X", not_given, not_given, true, "abc"},
    {"find longer than source", "ab", "abc", "X", not_given, not_given, true, "ab"},
    {"no occurrence", "abc", "d", "X", not_given, not_given, true, "abc"},
    // occurrences never overlap
    {"aaa by aa", "aaa", "aa", "b", not_given, not_given, true, "ba"},
    {"aaaa by aa", "aaaa", "aa", "b", not_given, not_given, true, "bb"},
    // a replacement is never rescanned
    {"a to aa", "aaa", "a", "aa", not_given, not_given, true, "aaaaaa"},
    {"replacement holds find", "xab", "ab", "abab", not_given, not_given, true, "xabab"},
    // an outcome with no bytes is absent
    {"everything removed", "abab", "ab", "", not_given, not_given, true, std::nullopt},
    {"replacement not given", "abab", "ab", not_given, not_given, not_given, true, std::nullopt},
    // count limits the replacements
    {"count 2", "aaaa", "a", "b", not_given, 2, true, "bbaa"},
    {"count -5", "aaaa", "a", "b", not_given, -5, true, "bbbb"},
    {"count 0", "aaaa", "a", "b", not_given, 0, true, "aaaa"},
    {"count beyond occurrences", "aaaa", "a", "b", not_given, 9, true, "bbbb"},
    // start is 1-based; below 1 counts as 1; at or beyond the end nothing is scanned
    {"start 3", "abab", "ab", "X", 3, not_given, true, "abX"},
    {"start 0", "abab", "ab", "X", 0, not_given, true, "XX"},
    {"start -7", "abab", "ab", "X", -7, not_given, true, "XX"},
    {"start 4", "abab", "ab", "X", 4, not_given, true, "abab"},
    {"start 5", "abab", "ab", "X", 5, not_given, true, "abab"},
    {"start with count", "aaaaa", "a", "b", 2, 2, true, "abbaa"},
    // ASCII letters fold only without case sensitivity
    {"folded", "Abc", "aB", "X", not_given, not_given, false, "Xc"},
    {"exact", "Abc", "aB", "X", not_given, not_given, true, "Abc"},
    {"no fold beyond letters", "[@", "{`", "X", not_given, not_given, false, "[@"},
    {"full-width letters never fold", "\xA3\xC1", "\xA3\xE1", "X", not_given, not_given, false,
     "\xA3\xC1"},
    {"fold on a second byte", "\x81" "a", "\x81" "A", "X", not_given, not_given, false, "X"},
    // a second byte is no start
    {"second byte A", "\x81\x41\x41", "A", "x", not_given, not_given, true, "\x81\x41x"},
    {"pair straddles characters", "\xBB\xBB\xD0\xD0", "\xBB\xD0", "X", not_given, not_given,
     true, "\xBB\xBB\xD0\xD0"},
    {"zhong wen holds no xing", "\xD6\xD0\xCE\xC4", "\xD0\xCE", "X", not_given, not_given, true,
     "\xD6\xD0\xCE\xC4"},
    {"at sign inside a character", "\x81\x40@", "@", "#", not_given, not_given, true,
     "\x81\x40#"},
    {"0x80 and 0xFF lead too", "\x80" "a\xFF" "ba", "a", "X", not_given, not_given, true,
     "\x80" "a\xFF" "bX"},
    {"occurrence ending mid-character", "a\xB0\xA1", "a\xB0", "X", not_given, not_given, true,
     "X\xA1"},
    // the scan takes its start as a character start, even on a second byte
    {"start on a second byte", "\x81\x41\x41", "A", "x", 2, not_given, true, "\x81xx"},
    // a lone lead byte at the very end is kept
    {"lone lead byte kept", "ab\xB0", "zz", "X", not_given, not_given, true, "ab\xB0"},
    {"lone lead byte, one-byte find", "ab\xB0", "z", "X", not_given, not_given, true, "ab\xB0"},
    {"lone lead byte found", "ab\xB0", "\xB0", "X", not_given, not_given, true, "abX"},
    {"lone lead byte after match", "a\xB0", "a", "X", not_given, not_given, true, "X\xB0"},
    // line breaks and the token
    {"encode line breaks", "a\r\nb\r\n", "\r\n", "\xBB\xBB\xD0\xD0\xB7\xFB", not_given,
     not_given, true, "a\xBB\xBB\xD0\xD0\xB7\xFB" "b\xBB\xBB\xD0\xD0\xB7\xFB"},
    {"lone CR and LF pass", "a\rb\nc", "\r\n", "T", not_given, not_given, true, "a\rb\nc"},
};

TEST(ReplaceText, SeedTable) {
    for (const Seed& seed : seeds) {
        SCOPED_TRACE(seed.name);
        std::optional<std::string_view> replacement;
        if (seed.replacement) replacement = *seed.replacement;
        Text outcome = replace_text(seed.source, seed.find, replacement, seed.start, seed.count,
                                    seed.case_sensitive);
        if (!seed.expected) {
            EXPECT_TRUE(outcome.absent()) << "got \"" << outcome.view() << "\"";
        } else {
            ASSERT_FALSE(outcome.absent());
            EXPECT_EQ(outcome.view(), *seed.expected);
            EXPECT_EQ(outcome.c_str()[outcome.size()], '\0');
        }
    }
}

// Padding in front moves byte offsets and character starts apart: ASCII padding keeps every
// outcome; a two-byte character in front does too, as long as start is shifted with it.
TEST(ReplaceText, SeedTablePadded) {
    const std::string pads[] = {"xy", "\xB0\xA1", "z\xB0\xA1"};
    for (const std::string& pad : pads) {
        for (const Seed& seed : seeds) {
            if (seed.source.empty()) continue;
            SCOPED_TRACE(std::string(seed.name) + " padded by " + std::to_string(pad.size()));
            std::optional<std::int32_t> start = seed.start;
            if (start && *start >= 1) *start += static_cast<std::int32_t>(pad.size());
            if (start && *start < 1) start = 1;
            std::optional<std::string_view> replacement;
            if (seed.replacement) replacement = *seed.replacement;
            const bool pad_matches = seed.find.empty() || pad.find(seed.find) != std::string::npos ||
                                     !seed.case_sensitive;
            if (pad_matches) continue;  // the pad itself would be an occurrence
            Text outcome = replace_text(pad + seed.source, seed.find, replacement, start,
                                        seed.count, seed.case_sensitive);
            EXPECT_EQ(std::string(outcome.view()), pad + seed.expected.value_or(""));
        }
    }
}

TEST(ReplaceText, ArgumentsAreOnlyRead) {
    const std::string source = "abab", find = "b", with = "c";
    Text outcome = replace_text(source, find, with, not_given, not_given, true);
    EXPECT_EQ(outcome.view(), "acac");
    EXPECT_EQ(source, "abab");
    EXPECT_NE(static_cast<const void*>(outcome.c_str()), source.data());
    Text copy = replace_text(source, "", with, not_given, not_given, true);
    EXPECT_EQ(copy.view(), source);
    EXPECT_NE(static_cast<const void*>(copy.c_str()), source.data());
}

}  // namespace
}  // namespace wendral
