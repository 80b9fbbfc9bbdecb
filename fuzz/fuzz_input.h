// Turning fuzzer bytes into the program's inputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace quantivex::fuzz {

// Bytes as UTF-16 code units, two per unit: any unit, lone surrogates included.
inline std::u16string asUtf16(const uint8_t* data, std::size_t size) {
    std::u16string s(size / 2, u'\0');
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return s;
}

// Splits the input at a zero byte pair into fields; missing fields are empty.
inline std::vector<std::u16string> fields(const uint8_t* data, std::size_t size, std::size_t count) {
    std::vector<std::u16string> out(count);
    const std::u16string all = asUtf16(data, size);
    std::size_t field = 0;
    for (char16_t c : all) {
        if (c == u'\0') {
            if (++field == count) break;
            continue;
        }
        out[field] += c;
    }
    return out;
}

}  // namespace quantivex::fuzz
