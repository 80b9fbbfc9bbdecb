// The window's drawing surface: straight lines drawn at run time, kept until Cls.
#pragma once

#include <cstdint>
#include <vector>

namespace quantivex {

struct DrawnLine {
    float x1, y1, x2, y2;
    uint32_t colour;
    bool operator==(const DrawnLine&) const = default;
};

class Surface {
public:
    void Cls() { lines_.clear(); }
    void Line(float x1, float y1, float x2, float y2, uint32_t colour) { lines_.push_back({x1, y1, x2, y2, colour}); }
    const std::vector<DrawnLine>& lines() const { return lines_; }
    bool operator==(const Surface&) const = default;

private:
    std::vector<DrawnLine> lines_;
};

}  // namespace quantivex
