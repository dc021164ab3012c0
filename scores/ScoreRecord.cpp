#include "ScoreRecord.h"

#include <algorithm>

ScoreRecord ScoreRecord::decode(const std::uint8_t* bytes) {
    ScoreRecord record;
    record.attempts = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                      std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    std::copy_n(bytes + 4, nameSize, reinterpret_cast<std::uint8_t*>(record.name.data()));
    return record;
}

void ScoreRecord::encode(std::uint8_t* bytes) const {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(attempts >> (8 * i));
    }
    std::copy_n(reinterpret_cast<const std::uint8_t*>(name.data()), nameSize, bytes + 4);
}

std::string ScoreRecord::nameText() const {
    const auto end = std::find(name.begin(), name.end(), '\0');
    return std::string(name.begin(), end);
}

void ScoreRecord::setName(std::string_view text) {
    const std::size_t length = std::min(text.size(), nameSize - 1);
    std::copy_n(text.data(), length, name.begin());
    name[length] = '\0';
}

ScoreRecord ScoreRecord::defaultRecord() {
    ScoreRecord record;
    record.attempts = 999;
    record.setName("Anonymous");
    return record;
}
