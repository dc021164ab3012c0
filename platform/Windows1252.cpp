#include "Windows1252.h"

#include <array>

namespace {

// 0x80 to 0x9F; zero marks the five bytes the code page leaves undefined, which are taken as
// the C1 control characters of the same value.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && high[byte - 0x80] != 0) {
        return high[byte - 0x80];
    }
    return byte;
}

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (unsigned i = 0; i < high.size(); ++i) {
        if (high[i] == c || (high[i] == 0 && c == 0x80 + i)) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

std::u16string Windows1252::decode(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        text.push_back(decodeByte(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string Windows1252::encode(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        // A character beyond the basic plane is one '?', not two.
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            ++i;
        }
        bytes.push_back(encodeChar(c));
    }
    return bytes;
}
