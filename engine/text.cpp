#include "engine/text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace wendral {
namespace {

#ifdef _WIN32
// Text values live on the process heap, as every other part of the program expects.
void* platform_allocate(std::size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }
void* platform_reallocate(void* block, std::size_t bytes) {
    return HeapReAlloc(GetProcessHeap(), 0, block, bytes);
}
void platform_release(void* block) { HeapFree(GetProcessHeap(), 0, block); }
#else
void* platform_allocate(std::size_t bytes) { return std::malloc(bytes); }
void* platform_reallocate(void* block, std::size_t bytes) { return std::realloc(block, bytes); }
void platform_release(void* block) { std::free(block); }
#endif

const Heap platform_heap{platform_allocate, platform_reallocate, platform_release};
const Heap* heap_in_use = &platform_heap;
FatalRoute fatal_route = nullptr;

}  // namespace

const Heap& current_heap() { return *heap_in_use; }

const Heap* install_heap(const Heap* heap) {
    const Heap* previous = heap_in_use;
    heap_in_use = heap ? heap : &platform_heap;
    return previous == &platform_heap ? nullptr : previous;
}

FatalRoute install_fatal_route(FatalRoute route) {
    FatalRoute previous = fatal_route;
    fatal_route = route;
    return previous;
}

void fail_allocation(std::uint64_t bytes) {
    // "分配 %d 字节内存失败!"
    char message[64];
    std::snprintf(message, sizeof message,
                  "\xB7\xD6\xC5\xE4 %llu \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!",
                  static_cast<unsigned long long>(bytes));
    if (fatal_route) fatal_route(message);
    std::abort();
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        reset();
        bytes_ = other.bytes_;
        length_ = other.length_;
        other.bytes_ = nullptr;
        other.length_ = 0;
    }
    return *this;
}

Text Text::with_length(std::uint64_t length) {
    Text text;
    if (length == 0) return text;
    if (length > max_text_length) fail_allocation(length + 1);
    void* block = current_heap().allocate(static_cast<std::size_t>(length) + 1);
    if (!block) fail_allocation(length + 1);
    text.bytes_ = static_cast<char*>(block);
    text.length_ = static_cast<std::size_t>(length);
    text.bytes_[length] = '\0';
    return text;
}

Text Text::adopt(char* bytes, std::size_t length) {
    Text text;
    text.bytes_ = bytes;
    text.length_ = length;
    return text;
}

Text Text::copy_of(std::string_view bytes) {
    Text text = with_length(bytes.size());
    if (!text.absent()) std::memcpy(text.bytes_, bytes.data(), bytes.size());
    return text;
}

void Text::reset() {
    if (bytes_) current_heap().release(bytes_);
    bytes_ = nullptr;
    length_ = 0;
}

}  // namespace wendral
