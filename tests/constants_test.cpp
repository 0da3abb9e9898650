// The constant texts are stored as bytes; here they are checked against the code page 936
// encoding of their characters, made by the C library's own converter.
#include "engine/constants.h"

#include <gtest/gtest.h>

#include <string>

#ifndef _WIN32
#include <iconv.h>
#endif

namespace wendral {
namespace {

#ifndef _WIN32
std::string to_cp936(const std::string& utf8) {
    iconv_t convert = iconv_open("CP936", "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "the C library has no CP936 converter";
        return {};
    }
    std::string in = utf8, out(in.size() * 2 + 4, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t from_left = in.size(), to_left = out.size();
    const std::size_t result = iconv(convert, &from, &from_left, &to, &to_left);
    iconv_close(convert);
    EXPECT_NE(result, static_cast<std::size_t>(-1)) << utf8;
    out.resize(out.size() - to_left);
    return out;
}

TEST(Constants, AreTheirCharactersInCodePage936) {
    EXPECT_EQ(std::string(constants::line_break_token), to_cp936("换行符"));
    EXPECT_EQ(std::string(constants::completion_notice), to_cp936("替换完毕"));
    EXPECT_EQ(std::string(constants::notice_caption), to_cp936("信息："));
    EXPECT_EQ(std::string(constants::line_break), "\r\n");
    EXPECT_TRUE(constants::empty_text.empty());
}
#endif

}  // namespace
}  // namespace wendral
