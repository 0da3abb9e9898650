// replace_text: the system's one text operation.
//
// The source is scanned once, left to right, character by character: a byte below 0x80 is a
// character by itself, and a byte of 0x80 or above begins a two-byte character together with
// the byte after it, whatever that byte is (0x80 and 0xFF included). An occurrence of the
// find text is only ever accepted where a character begins, so in "中文" (D6 D0 CE C4) the
// middle bytes D0 CE are no occurrence of "形". Occurrences never overlap: after one, the scan
// resumes directly behind it, and the replacement put in its place is never scanned again.
// With case_sensitive false, ASCII letters match without regard to case, byte by byte, also
// where a letter is the second byte of a two-byte character; no other byte folds.
//
// - An empty source gives absent, whatever else is given.
// - An empty find text, a start beyond the end, or a count of 0 gives a copy of the source.
// - start is 1-based and counts bytes; a start below 1 counts as 1. The scan takes the byte
//   at start as the beginning of a character, even when it is the second byte of one.
// - count limits the number of replacements; a negative count sets no limit.
// - A lone byte of 0x80 or above at the very end of the source is kept in the outcome.
// - An outcome with no bytes is absent, never an allocated empty text.
// - An outcome too long for a 32-bit length, or one that cannot be allocated, ends the
//   process through the allocation-failure route.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/text.h"

namespace wendral {

// Stands for an argument that is not given.
inline constexpr std::nullopt_t not_given = std::nullopt;

Text replace_text(std::string_view source, std::string_view find,
                  std::optional<std::string_view> replacement, std::optional<std::int32_t> start,
                  std::optional<std::int32_t> count, bool case_sensitive);

}  // namespace wendral
