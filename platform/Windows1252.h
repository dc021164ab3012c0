#pragma once

#include <string>
#include <string_view>

// The game keeps its texts as Windows-1252 bytes; the window system speaks Unicode.
struct Windows1252 {
    static std::u16string decode(std::string_view bytes);
    // A character outside Windows-1252 becomes '?'.
    static std::string encode(std::u16string_view text);
};
