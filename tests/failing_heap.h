// Test heaps for the text heap seam, and a way to watch the fatal-error route.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "engine/text.h"

namespace wendral::testing {

// Counts what passes through the heap; a set budget of allocations makes every later one
// fail. Installed for the lifetime of the object.
class HeapProbe {
public:
    explicit HeapProbe(long successes = -1) {
        active_ = this;
        budget_ = successes;
        previous_ = install_heap(&heap_);
    }
    ~HeapProbe() {
        install_heap(previous_);
        active_ = nullptr;
    }
    HeapProbe(const HeapProbe&) = delete;
    HeapProbe& operator=(const HeapProbe&) = delete;

    int allocations() const { return allocations_; }
    int releases() const { return releases_; }
    int live_blocks() const { return allocations_ - releases_; }

private:
    static bool spend() {
        if (active_->budget_ == 0) return false;
        if (active_->budget_ > 0) --active_->budget_;
        return true;
    }
    static void* allocate(std::size_t bytes) {
        if (!spend()) return nullptr;
        ++active_->allocations_;
        return std::malloc(bytes);
    }
    static void* reallocate(void* block, std::size_t bytes) {
        if (!spend()) return nullptr;
        return std::realloc(block, bytes);
    }
    static void release(void* block) {
        ++active_->releases_;
        std::free(block);
    }

    static inline HeapProbe* active_ = nullptr;
    const Heap heap_{allocate, reallocate, release};
    const Heap* previous_ = nullptr;
    long budget_ = -1;
    int allocations_ = 0;
    int releases_ = 0;
};

using CountingHeap = HeapProbe;

class FailingHeap : public HeapProbe {
public:
    explicit FailingHeap(long successes) : HeapProbe(successes) {}
};

struct FatalErrorReached {
    std::string message;
};

// Runs `body` with a fatal route that throws, and returns the message that reached it.
inline std::string fatal_message_of(const std::function<void()>& body) {
    FatalRoute previous =
        install_fatal_route([](const char* message) { throw FatalErrorReached{message}; });
    std::string reached;
    try {
        body();
        ADD_FAILURE() << "the fatal route was not taken";
    } catch (const FatalErrorReached& error) {
        reached = error.message;
    }
    install_fatal_route(previous);
    return reached;
}

}  // namespace wendral::testing
