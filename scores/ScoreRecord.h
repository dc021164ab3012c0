#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One result of the score file: 20 bytes, attempts as unsigned 32-bit little-endian, then a
// 16-byte name field ending in a zero byte. The bytes behind the zero are kept as they are.
struct ScoreRecord {
    static constexpr std::size_t size = 20;
    static constexpr std::size_t nameSize = 16;

    std::uint32_t attempts = 0;
    std::array<char, nameSize> name{};

    static ScoreRecord decode(const std::uint8_t* bytes);
    void encode(std::uint8_t* bytes) const;

    // The name up to its zero byte, and never past the field.
    std::string nameText() const;

    // Stores at most 15 characters and the terminator; the bytes after it keep their contents.
    void setName(std::string_view text);

    // 999 attempts by "Anonymous".
    static ScoreRecord defaultRecord();

    bool operator==(const ScoreRecord&) const = default;
};
