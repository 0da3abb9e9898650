#include "engine/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/replace.h"
#include "tests/failing_heap.h"

namespace wendral {
namespace {

TEST(Text, EmptyBytesGiveAbsent) {
    Text text = Text::copy_of("");
    EXPECT_TRUE(text.absent());
    EXPECT_STREQ(text.c_str(), "");
    EXPECT_EQ(text.size(), 0u);
}

TEST(Text, CopyHoldsBytesAndTerminator) {
    Text text = Text::copy_of("\xB0\xA1x");
    ASSERT_FALSE(text.absent());
    EXPECT_EQ(text.view(), "\xB0\xA1x");
    EXPECT_EQ(text.c_str()[3], '\0');
}

TEST(Text, EachTextIsReleasedExactlyOnce) {
    testing::CountingHeap heap;
    {
        Text a = Text::copy_of("one");
        Text b = std::move(a);
        EXPECT_TRUE(a.absent());
        Text c = Text::copy_of("two");
        c = std::move(b);  // "two" goes back to the heap here
        EXPECT_EQ(heap.releases(), 1);
        c.reset();
        EXPECT_EQ(heap.releases(), 2);
        c.reset();  // absent: nothing to release
        EXPECT_EQ(heap.releases(), 2);
    }
    EXPECT_EQ(heap.allocations(), 2);
    EXPECT_EQ(heap.releases(), 2);
}

// An allocation the heap refuses ends in the fatal route with the bytes requested
// (length plus one), and what was being built is not handed out.
TEST(Text, FailedAllocationTakesTheFatalRoute) {
    testing::FailingHeap heap(0);
    const std::string source(1024, 'a');
    const std::string message = testing::fatal_message_of([&] { (void)Text::copy_of(source); });
    // "分配 1025 字节内存失败!"
    EXPECT_EQ(message,
              "\xB7\xD6\xC5\xE4 1025 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
}

TEST(Text, WorkingBufferThatCannotGrowIsFatal) {
    // The first allocation (the working buffer) succeeds, its growth fails.
    testing::FailingHeap heap(1);
    const std::string source(64, 'a');
    const std::string message = testing::fatal_message_of(
        [&] { (void)replace_text(source, "a", std::string(100, 'b'), not_given, not_given, true); });
    EXPECT_NE(message.find("\xB7\xD6\xC5\xE4 "), std::string::npos) << message;
    EXPECT_EQ(heap.live_blocks(), 0) << "the working buffer leaked";
}

// A length beyond 32 bits is a failure to allocate, reported with the true size, never wrapped.
TEST(Text, OutcomeTooLongForThirtyTwoBitsIsFatal) {
    if (sizeof(void*) < 8) GTEST_SKIP() << "a 32-bit process cannot hold inputs this large";
    const std::string with(std::size_t{1} << 30, 'b');
    testing::CountingHeap heap;
    // Two occurrences of 1 GiB each: the outcome needs 2^31 + 1 bytes.
    const std::string message = testing::fatal_message_of(
        [&] { (void)replace_text("aa", "a", with, not_given, not_given, true); });
    // "分配 2147483649 字节内存失败!"
    EXPECT_EQ(message,
              "\xB7\xD6\xC5\xE4 2147483649 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
    EXPECT_EQ(heap.live_blocks(), 0);
}

}  // namespace
}  // namespace wendral
