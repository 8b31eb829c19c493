// A growing text that never throws: memory that cannot be had sets failed and
// later appends do nothing. Capacity doubles, so building it is linear.
#pragma once
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

namespace qv {

class TextBlock {
public:
    bool Append(std::string_view piece) {
        if (failed_) return false;
        if (piece.size() > capacity_ - size_ && !Grow(piece.size())) return false;
        if (!piece.empty()) std::memcpy(bytes_.get() + size_, piece.data(), piece.size());
        size_ += piece.size();
        return true;
    }
    void Shrink(size_t size) {
        if (size < size_) size_ = size;
    }
    // Room for extra more bytes at once, so that a text of known size grows once.
    bool Reserve(size_t extra) { return failed_ || extra <= capacity_ - size_ || Grow(extra); }
    char* data() { return bytes_.get(); }
    bool failed() const { return failed_; }
    size_t size() const { return size_; }
    std::string_view view() const { return std::string_view(bytes_.get(), size_); }

private:
    bool Grow(size_t extra) {
        if (extra > SIZE_MAX / 2 - size_) return Fail();
        size_t capacity = capacity_ ? capacity_ : 256;
        while (capacity - size_ < extra) capacity *= 2;
        std::unique_ptr<char[]> bytes(new (std::nothrow) char[capacity]);
        if (!bytes) return Fail();
        if (size_) std::memcpy(bytes.get(), bytes_.get(), size_);
        bytes_ = std::move(bytes);
        capacity_ = capacity;
        return true;
    }
    bool Fail() {
        failed_ = true;
        return false;
    }

    std::unique_ptr<char[]> bytes_;
    size_t size_ = 0;
    size_t capacity_ = 0;
    bool failed_ = false;
};

}  // namespace qv
