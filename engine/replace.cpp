#include "engine/replace.h"

#include <cstring>
#include <utility>

#include "engine/search.h"

namespace wendral {
namespace {

// The working buffer that collects the outcome and then becomes it. It grows through the text
// heap; a buffer that cannot grow ends the process like a text that cannot be allocated.
class Buffer {
public:
    explicit Buffer(std::size_t capacity) { reserve(capacity); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() {
        if (bytes_) current_heap().release(bytes_);
    }

    void append(const char* bytes, std::size_t length) {
        if (length == 0) return;
        const std::uint64_t needed = std::uint64_t{size_} + length;
        if (needed > max_text_length) fail_allocation(needed + 1);
        if (needed > capacity_) {
            std::uint64_t grown = std::uint64_t{capacity_} * 2;
            if (grown < needed) grown = needed;
            if (grown > max_text_length) grown = max_text_length;
            reserve(static_cast<std::size_t>(grown));
        }
        std::memcpy(bytes_ + size_, bytes, length);
        size_ += length;
    }

    // Hands the collected bytes over as the outcome: the block itself becomes the text,
    // trimmed to its length, so the outcome is never copied a second time.
    Text take_text() {
        if (size_ == 0) return Text();
        if (size_ == capacity_) reserve(size_ + 1);
        bytes_[size_] = '\0';
        if (capacity_ > size_ + 1) {
            // Trimming may fail; the untrimmed block is then kept, which is just as good.
            if (void* trimmed = current_heap().reallocate(bytes_, size_ + 1))
                bytes_ = static_cast<char*>(trimmed);
        }
        char* bytes = bytes_;
        bytes_ = nullptr;
        capacity_ = 0;
        return Text::adopt(bytes, std::exchange(size_, 0));
    }

private:
    void reserve(std::size_t capacity) {
        if (capacity == 0) capacity = 1;
        void* block = bytes_ ? current_heap().reallocate(bytes_, capacity)
                             : current_heap().allocate(capacity);
        if (!block) fail_allocation(capacity);
        bytes_ = static_cast<char*>(block);
        capacity_ = capacity;
    }

    char* bytes_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace

Text replace_text(std::string_view source, std::string_view find,
                  std::optional<std::string_view> replacement, std::optional<std::int32_t> start,
                  std::optional<std::int32_t> count, bool case_sensitive) {
    const std::string_view with = replacement.value_or(std::string_view{});
    const std::size_t n = source.size();
    const std::size_t p = (start && *start > 1) ? static_cast<std::size_t>(*start) - 1 : 0;
    std::int32_t limit = (count && *count >= 0) ? *count : -1;

    if (n == 0 || find.empty() || p >= n || limit == 0) return Text::copy_of(source);

    Buffer outcome(n + 1);  // room for an outcome as long as the source, and its NUL
    outcome.append(source.data(), p);
    const detail::Searcher searcher(find, case_sensitive);
    std::size_t at = p;
    while (limit != 0) {
        const std::size_t found = searcher.next(source, at);
        if (found == detail::Searcher::npos) break;
        outcome.append(source.data() + at, found - at);
        outcome.append(with.data(), with.size());
        at = found + find.size();
        if (limit > 0) --limit;
    }
    // Whatever the scan did not consume stays as it was, a lone lead byte at the end included.
    outcome.append(source.data() + at, n - at);
    return outcome.take_text();
}

}  // namespace wendral
