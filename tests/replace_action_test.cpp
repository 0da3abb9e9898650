#include "engine/replace_action.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/constants.h"
#include "tests/failing_heap.h"

namespace wendral {
namespace {

// The three boxes the action reads, the one it writes, and the notice, with every call and
// every release of a text recorded in one log, in order.
class FakeBoxes : public Boxes {
public:
    FakeBoxes(std::string source, std::string find, std::string replacement) {
        contents_[source_box_id] = std::move(source);
        contents_[find_box_id] = std::move(find);
        contents_[replacement_box_id] = std::move(replacement);
        contents_[result_box_id] = "old result";
        active_ = this;
        previous_ = install_heap(&heap_);
    }
    ~FakeBoxes() override {
        install_heap(previous_);
        active_ = nullptr;
    }

    Text read_text(UnitId window, UnitId unit) override {
        EXPECT_EQ(window, main_window_id);
        log.push_back("read " + name_of(unit));
        return Text::copy_of(contents_.at(unit));
    }
    void write_text(UnitId window, UnitId unit, const Text& text) override {
        EXPECT_EQ(window, main_window_id);
        log.push_back("write " + name_of(unit) + " " + (text.absent() ? "<absent>" : text.c_str()));
        contents_[unit] = text.c_str();
    }
    void show_notice(std::string_view text) override {
        log.push_back("notice " + std::string(text));
    }

    const std::string& result() { return contents_.at(result_box_id); }
    std::vector<std::string> log;

private:
    static std::string name_of(UnitId unit) {
        switch (unit) {
            case source_box_id: return "source";
            case result_box_id: return "result";
            case find_box_id: return "find";
            case replacement_box_id: return "replacement";
            default: return "unknown unit";
        }
    }
    static void* allocate(std::size_t bytes) { return std::calloc(bytes, 1); }
    static void* reallocate(void* block, std::size_t bytes) { return std::realloc(block, bytes); }
    static void release(void* block) {
        active_->log.push_back("release " + std::string(static_cast<const char*>(block)));
        std::free(block);
    }

    static inline FakeBoxes* active_ = nullptr;
    std::map<UnitId, std::string> contents_;
    const Heap heap_{allocate, reallocate, release};
    const Heap* previous_ = nullptr;
};

const std::string token(constants::line_break_token);
const std::string done(constants::completion_notice);

TEST(ReplaceAction, CallsAndReleasesInOrder) {
    FakeBoxes boxes("a\r\nb", "\r\nb", "X");
    replace_action(boxes);
    const std::vector<std::string> expected = {
        "read source",
        "release a\r\nb",                     // the text read, released once encoded
        "read find",
        "release \r\nb",
        "read replacement",
        "release X",
        "write result aX",
        "release aX",                        // the outcome, right after the write
        "notice " + done,
        "release a" + token + "b",           // then the working texts, in order:
        "release " + token + "b",            // encoded source, encoded find text,
        "release X",                         // encoded replacement,
        "release aX",                        // and the replaced text
    };
    EXPECT_EQ(boxes.log, expected);
}

TEST(ReplaceAction, EmptyBoxesEmptyTheResultAndStillNotify) {
    FakeBoxes boxes("", "", "");
    replace_action(boxes);
    const std::vector<std::string> expected = {
        "read source", "read find", "read replacement", "write result <absent>",
        "notice " + done,
    };
    EXPECT_EQ(boxes.log, expected);
    EXPECT_EQ(boxes.result(), "");
}

struct BoxCase {
    const char* name;
    const char* source;
    const char* find;
    const char* replacement;
    const char* result;
};

// "换", "行", "符" and the token as code page 936 bytes.
#define HUAN "\xBB\xBB"
#define HANG "\xD0\xD0"
#define FU "\xB7\xFB"
#define TOKEN HUAN HANG FU

const BoxCase box_cases[] = {
    // find and replacement texts may span lines
    {"find spans lines", "a\r\nb\r\nc", "\r\nb", "X", "aX\r\nc"},
    {"replacement spans lines", "a,b", ",", "\r\n", "a\r\nb"},
    {"multi-line both", "1\r\n2\r\n3", "1\r\n2", "x\r\ny\r\nz", "x\r\ny\r\nz\r\n3"},
    // the token typed as text acts as a line break
    {"typed token finds line breaks", "a\r\nb" TOKEN "c\r\n", "\r\n", ";", "a;b;c;"},
    {"typed token becomes a line break", "x" TOKEN "y", "q", "r", "x\r\ny"},
    {"token as find text", "a\r\nb" TOKEN "c", TOKEN, "-", "a-b-c"},
    {"token in the replacement", "a,b", ",", TOKEN, "a\r\nb"},
    {"part of the token matches inside line breaks", "a\r\nb", HUAN, "X", "aX" HANG FU "b"},
    {"second part of the token", "a\r\nb", HANG FU, "", "a" HUAN "b"},
    // a lone carriage return or line feed is no line break
    {"lone CR and LF", "a\rb\nc", "\r\n", "X", "a\rb\nc"},
    // empty boxes are ordinary input
    {"empty find box", "x" TOKEN "y", "", "z", "x\r\ny"},
    {"empty replacement removes", "abcabc", "b", "", "acac"},
    {"everything removed", "abab", "ab", "", ""},
    {"empty source", "", "a", "b", ""},
    // a line break is encoded only where its CR begins a character
    {"CR as a second byte", "\xB0\r\nz", "\r\n", "X", "\xB0\r\nz"},
};

TEST(ReplaceAction, ResultBoxShowsTheOutcome) {
    for (const BoxCase& c : box_cases) {
        SCOPED_TRACE(c.name);
        FakeBoxes boxes(c.source, c.find, c.replacement);
        replace_action(boxes);
        EXPECT_EQ(boxes.result(), c.result);
        ASSERT_FALSE(boxes.log.empty());
        EXPECT_EQ(boxes.log.back().rfind("notice", 0), std::string::npos)
            << "the notice must come before the last releases";
    }
}

TEST(ReplaceAction, AllocationFailureWritesNothing) {
    // Let the reads succeed, then refuse every later allocation.
    class Counting : public Boxes {
    public:
        Text read_text(UnitId, UnitId) override { return Text::copy_of(std::string(1024, 'a')); }
        void write_text(UnitId, UnitId, const Text&) override { ++writes; }
        void show_notice(std::string_view) override { ++notices; }
        int writes = 0, notices = 0;
    } boxes;
    testing::FailingHeap heap(1);  // the first read succeeds, its encoding does not
    const std::string message = testing::fatal_message_of([&] { replace_action(boxes); });
    // "分配 1025 字节内存失败!": the outcome of a 1024-byte source, with its NUL
    EXPECT_EQ(message,
              "\xB7\xD6\xC5\xE4 1025 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
    EXPECT_EQ(boxes.writes, 0);
    EXPECT_EQ(boxes.notices, 0);
    EXPECT_EQ(heap.live_blocks(), 0);
}

}  // namespace
}  // namespace wendral
