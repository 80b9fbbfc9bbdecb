// The window's drawing surface: straight lines drawn at run time, kept until Cls.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quantivex {

struct DrawnLine {
    float x1, y1, x2, y2;
    uint32_t colour;
    bool operator==(const DrawnLine&) const = default;
};

// The few lines a redraw leaves are held in place, so a copy of the window
// (undo keeps one before every step) allocates nothing for them; more go to
// the heap.
class Surface {
public:
    static constexpr std::size_t kInline = 8;

    void Cls() {
        size_ = 0;
        more_.clear();
    }
    void Line(float x1, float y1, float x2, float y2, uint32_t colour) {
        const DrawnLine line{x1, y1, x2, y2, colour};
        if (size_ < kInline) {
            inline_[size_++] = line;
            return;
        }
        if (more_.empty()) more_.assign(inline_.begin(), inline_.end());
        more_.push_back(line);
        ++size_;
    }
    std::span<const DrawnLine> lines() const {
        return size_ <= kInline ? std::span<const DrawnLine>(inline_.data(), size_) : std::span<const DrawnLine>(more_);
    }
    bool operator==(const Surface& other) const {
        const auto a = lines();
        const auto b = other.lines();
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::size_t size_ = 0;
    std::array<DrawnLine, kInline> inline_{};
    std::vector<DrawnLine> more_;  // every line, once there are more than kInline
};

}  // namespace quantivex
