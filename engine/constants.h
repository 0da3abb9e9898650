// The program's constant texts, as their code page 936 bytes. They are plain arrays, never
// text values, so nothing ever releases them.
#pragma once

#include <string_view>

namespace wendral::constants {

// A line break as the text boxes deliver it: carriage return, line feed.
inline constexpr std::string_view line_break = "\r\n";
// "换行符": the token that line breaks travel as through the replacement.
inline constexpr std::string_view line_break_token = "\xBB\xBB\xD0\xD0\xB7\xFB";
// "替换完毕"
inline constexpr std::string_view completion_notice = "\xCC\xE6\xBB\xBB\xCD\xEA\xB1\xCF";
// "信息："
inline constexpr std::string_view notice_caption = "\xD0\xC5\xCF\xA2\xA3\xBA";
inline constexpr std::string_view empty_text = "";

}  // namespace wendral::constants
