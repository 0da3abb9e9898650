// Text values: NUL-terminated code page 936 byte strings on the process heap.
//
// An absent text (no bytes allocated) stands for the empty text. Every operation that
// produces a text with no bytes gives an absent one, never an allocated empty string.
// `Text` owns its bytes and releases them exactly once; the program's constant texts are
// plain byte arrays and never pass through it, so they are never released.
//
// Every allocation goes through the heap seam below: the process heap on Windows, the C
// heap elsewhere, or whatever a test installs. When an allocation fails, the process ends
// through the fatal-error route with "分配 %d 字节内存失败!" and the number of bytes asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wendral {

// The allocator behind every text value and every working buffer.
struct Heap {
    void* (*allocate)(std::size_t bytes);
    void* (*reallocate)(void* block, std::size_t bytes);
    void (*release)(void* block);
};

// The heap in use: the platform's own heap unless a test has installed another.
const Heap& current_heap();
// Installs `heap` (nullptr restores the platform's heap); returns the one it replaces.
const Heap* install_heap(const Heap* heap);

// Receives the text of a run-time error (code 0, window 0, unit 0) and must not return.
using FatalRoute = void (*)(const char* message);
// Installs the route that allocation failures take; returns the previous one. Without a
// route, a failure aborts the process.
FatalRoute install_fatal_route(FatalRoute route);

// Ends the process through the fatal-error route with the allocation-failure text for
// `bytes`. The count is 64 bits wide so that a size too large for 32 bits is reported as
// it is, never wrapped.
[[noreturn]] void fail_allocation(std::uint64_t bytes);

// The longest text the system handles: lengths are 32-bit signed integers.
inline constexpr std::uint64_t max_text_length = 0x7FFFFFFF;

class Text {
public:
    Text() = default;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    Text(Text&& other) noexcept : bytes_(other.bytes_), length_(other.length_) {
        other.bytes_ = nullptr;
        other.length_ = 0;
    }
    Text& operator=(Text&& other) noexcept;
    ~Text() { reset(); }

    // A new text holding a copy of `bytes`; absent when `bytes` is empty.
    static Text copy_of(std::string_view bytes);
    // A new text of `length` bytes (plus the NUL) whose contents the caller fills in
    // through `data()`; absent when `length` is 0.
    static Text with_length(std::uint64_t length);
    // Takes ownership of a heap block holding `length` bytes and a NUL; `length` is not 0.
    static Text adopt(char* bytes, std::size_t length);

    bool absent() const { return bytes_ == nullptr; }
    // The bytes, or "" for an absent text: what a caller passes where a text is required.
    const char* c_str() const { return bytes_ ? bytes_ : ""; }
    char* data() { return bytes_; }
    std::size_t size() const { return length_; }
    std::string_view view() const { return {c_str(), length_}; }

    // Releases the bytes now; the text becomes absent.
    void reset();

private:
    char* bytes_ = nullptr;
    std::size_t length_ = 0;
};

}  // namespace wendral
