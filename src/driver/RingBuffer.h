// RingBuffer.h: a fixed-capacity FIFO that never allocates after it is made,
// for the simulated adapter's queues, receive FIFO and transmit log.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <vector>

namespace vorelin::driver {

template <class T>
class RingBuffer {
public:
    // Reserves all slots at once but fills them only as they are first used,
    // so that a large, mostly idle buffer costs no time to make.
    explicit RingBuffer(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {
        slots_.reserve(capacity_);
    }

    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    bool empty() const { return size_ == 0; }
    bool full() const { return size_ == capacity_; }

    // The i-th oldest element.
    const T& operator[](std::size_t i) const {
        assert(i < size_);
        return slots_[(head_ + i) % capacity_];
    }
    const T& front() const { return (*this)[0]; }

    // False, and nothing stored, when full.
    bool push(const T& value) {
        if (full())
            return false;
        // Slots are first used in order, so the next one is at most one past the used ones.
        const std::size_t slot = (head_ + size_) % capacity_;
        if (slot == slots_.size()) {
            // Never reallocates: slots_ holds capacity_ from the start. Said
            // because GCC 12 at -O3 cannot see it and warns falsely
            // (-Warray-bounds) on the reallocation path; UBSan traps here
            // should it ever stop being true.
            if (slots_.size() == slots_.capacity())
                __builtin_unreachable();
            slots_.push_back(value);
        } else {
            slots_[slot] = value;
        }
        ++size_;
        return true;
    }

    void pushEvictingOldest(const T& value) {
        if (full())
            pop();
        push(value);
    }

    void pop() {
        assert(!empty());
        head_ = (head_ + 1) % capacity_;
        --size_;
    }

    void clear() {
        head_ = 0;
        size_ = 0;
    }

private:
    std::size_t capacity_;
    std::vector<T> slots_;
    std::size_t head_ = 0;
    std::size_t size_ = 0;
};

}  // namespace vorelin::driver
