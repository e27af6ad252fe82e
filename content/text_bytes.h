#pragma once

#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace content {

// An allocator that leaves the bytes a container grows by uninitialised: they are always written
// right after (a file read into them, lines appended), and zeroing a large text first would be
// one more pass over all of its memory.
template <class T> struct DefaultInitAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = DefaultInitAllocator<U>; };
    DefaultInitAllocator() = default;
    template <class U> DefaultInitAllocator(const DefaultInitAllocator<U>&) noexcept {}

    template <class U> void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// The bytes of a content file as read, kept whole by the lists and the tree that are made of them.
using TextBytes = std::vector<char, DefaultInitAllocator<char>>;

} // namespace content
