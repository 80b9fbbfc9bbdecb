// A label's caption. It reads as a std::u16string_view and takes any text, and
// it holds texts of up to kInline UTF-16 units in place: a copy of the window
// (undo keeps one before every step) copies every caption, and the window's
// guide texts, values and unit expressions then cost no allocation.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quantivex {

class CaptionText {
public:
    static constexpr std::size_t kInline = 24;

    CaptionText() = default;
    // A copy takes the long text only where there is one: an empty string
    // copied costs as much as the whole short text.
    CaptionText(const CaptionText& other) : size_(other.size_), inline_(other.inline_) {
        if (size_ > kInline) long_ = other.long_;
    }
    CaptionText& operator=(const CaptionText& other) {
        size_ = other.size_;
        inline_ = other.inline_;
        if (size_ > kInline) {
            long_ = other.long_;
        } else {
            long_.clear();
        }
        return *this;
    }
    CaptionText(CaptionText&&) noexcept = default;
    CaptionText& operator=(CaptionText&&) noexcept = default;
    CaptionText(std::u16string_view text) { assign(text); }  // NOLINT: a caption takes any text as it is
    CaptionText(const char16_t* text) : CaptionText(std::u16string_view(text)) {}
    CaptionText(const std::u16string& text) : CaptionText(std::u16string_view(text)) {}
    CaptionText& operator=(std::u16string_view text) {
        assign(text);
        return *this;
    }
    CaptionText& operator=(const char16_t* text) { return *this = std::u16string_view(text); }
    CaptionText& operator=(const std::u16string& text) { return *this = std::u16string_view(text); }

    std::u16string_view view() const {
        return size_ <= kInline ? std::u16string_view(inline_.data(), size_) : std::u16string_view(long_);
    }
    operator std::u16string_view() const { return view(); }  // NOLINT: reads as a text anywhere
    std::u16string str() const { return std::u16string(view()); }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear() { assign({}); }

    friend bool operator==(const CaptionText& a, const CaptionText& b) { return a.view() == b.view(); }
    friend bool operator==(const CaptionText& a, std::u16string_view b) { return a.view() == b; }
    friend bool operator==(const CaptionText& a, const char16_t* b) { return a.view() == std::u16string_view(b); }
    friend std::u16string operator+(const CaptionText& a, std::u16string_view b) { return a.str().append(b); }

private:
    void assign(std::u16string_view text) {
        size_ = static_cast<uint32_t>(text.size());
        if (text.size() <= kInline) {
            std::copy(text.begin(), text.end(), inline_.begin());
            long_.clear();
        } else {
            long_.assign(text);
        }
    }

    uint32_t size_ = 0;
    std::array<char16_t, kInline> inline_{};
    std::u16string long_;  // a text longer than kInline; empty otherwise
};

}  // namespace quantivex
