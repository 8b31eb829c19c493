// Growing texts that never throw: memory that cannot be had sets failed and
// later appends do nothing.
#pragma once
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

namespace qv {

// One block whose capacity doubles, so that building it is linear.
class TextBlock {
public:
    void Append(std::string_view piece) {
        if (failed_ || (piece.size() > capacity_ - size_ && !Grow(piece.size()))) return;
        if (!piece.empty()) std::memcpy(bytes_.get() + size_, piece.data(), piece.size());
        size_ += piece.size();
    }
    void Shrink(size_t size) {
        if (size < size_) size_ = size;
    }
    // Room for extra more bytes at once, so that a text of known size grows
    // once; false when it cannot be had, or the block has failed already.
    bool Reserve(size_t extra) { return !failed_ && (extra <= capacity_ - size_ || Grow(extra)); }
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

// A growing text in blocks that are filled up and never moved: it costs what
// it holds and is never copied while it grows; the clipboard takes the pieces.
class PieceText {
public:
    void Append(std::string_view text) {
        while (!text.empty() && !failed_) {
            if (pieces_.empty() || used_ == kPiece) {
                blocks_.emplace_back(new (std::nothrow) char[kPiece]);
                if (!blocks_.back()) {
                    failed_ = true;
                    return;
                }
                pieces_.emplace_back(blocks_.back().get(), 0);
                used_ = 0;
            }
            const size_t n = text.size() < kPiece - used_ ? text.size() : kPiece - used_;
            std::memcpy(blocks_.back().get() + used_, text.data(), n);
            used_ += n;
            pieces_.back() = std::string_view(blocks_.back().get(), used_);
            size_ += n;
            text.remove_prefix(n);
        }
    }
    void DropLast(size_t count) {
        while (count > 0 && !pieces_.empty()) {
            const size_t n = count < pieces_.back().size() ? count : pieces_.back().size();
            pieces_.back().remove_suffix(n);
            size_ -= n;
            count -= n;
            if (pieces_.back().empty()) {
                pieces_.pop_back();
                blocks_.pop_back();
            }
        }
        used_ = pieces_.empty() ? kPiece : pieces_.back().size();
    }
    size_t size() const { return size_; }
    bool failed() const { return failed_; }
    const std::vector<std::string_view>& pieces() const { return pieces_; }

private:
    static constexpr size_t kPiece = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<std::string_view> pieces_;
    size_t used_ = 0, size_ = 0;
    bool failed_ = false;
};

}  // namespace qv
