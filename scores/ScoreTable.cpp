#include "ScoreTable.h"

#include <stdexcept>

namespace {

constexpr File::OpenMode readWriteCreate{File::Access::ReadWrite, true, false};
constexpr File::OpenMode readCreate{File::Access::Read, true, false};
constexpr File::OpenMode writeCreate{File::Access::Write, true, false};

} // namespace

ScoreTable::ScoreTable(std::string fileName) : fileName_(std::move(fileName)) {
}

std::size_t ScoreTable::indexOf(std::uint32_t digitCount, ScoreRank rank) {
    if (digitCount < minDigits || digitCount > maxDigits) {
        throw std::out_of_range("digit count outside 4 to 10");
    }
    return (digitCount - minDigits) * rankCount + static_cast<std::size_t>(rank);
}

const ScoreRecord& ScoreTable::record(std::uint32_t digitCount, ScoreRank rank) const {
    return records_[indexOf(digitCount, rank)];
}

ScoreRecord& ScoreTable::at(std::uint32_t digitCount, ScoreRank rank) {
    return records_[indexOf(digitCount, rank)];
}

ScoreTable::Bytes ScoreTable::bytes() const {
    Bytes out{};
    for (std::size_t k = 0; k < recordCount; ++k) {
        records_[k].encode(out.data() + k * ScoreRecord::size);
    }
    return out;
}

void ScoreTable::assign(const Bytes& bytes) {
    for (std::size_t k = 0; k < recordCount; ++k) {
        records_[k] = ScoreRecord::decode(bytes.data() + k * ScoreRecord::size);
    }
}

ScoreTable::Bytes ScoreTable::defaultBlock() {
    Bytes out{};
    const ScoreRecord record = ScoreRecord::defaultRecord();
    for (std::size_t k = 0; k < recordCount; ++k) {
        record.encode(out.data() + k * ScoreRecord::size);
    }
    return out;
}

void ScoreTable::loadOrCreate() {
    file_.open(fileName_, readWriteCreate, &fileError_);
    if (file_.length() < minimumFileLength) {
        const Bytes defaults = defaultBlock();
        file_.write(defaults.data(), defaults.size());
        file_.seekToBegin();
    }
    // A short file replaces only the leading bytes; the rest of the table keeps what it held.
    Bytes image = bytes();
    file_.read(image.data(), image.size());
    assign(image);
    file_.close();
}

std::optional<ScoreRank> ScoreTable::qualify(std::uint32_t digitCount,
                                             std::uint32_t attempts) const {
    for (ScoreRank rank : {ScoreRank::Best, ScoreRank::VeryGood, ScoreRank::Good}) {
        if (attempts < record(digitCount, rank).attempts) {
            return rank;
        }
    }
    return std::nullopt;
}

void ScoreTable::insertResult(std::uint32_t digitCount, ScoreRank rank, std::uint32_t attempts) {
    if (rank == ScoreRank::Best || rank == ScoreRank::VeryGood) {
        at(digitCount, ScoreRank::Good) = at(digitCount, ScoreRank::VeryGood);
    }
    if (rank == ScoreRank::Best) {
        at(digitCount, ScoreRank::VeryGood) = at(digitCount, ScoreRank::Best);
    }
    at(digitCount, rank).attempts = attempts;
}

void ScoreTable::setName(std::uint32_t digitCount, ScoreRank rank, std::string_view name) {
    at(digitCount, rank).setName(name);
}

void ScoreTable::saveTable() {
    file_.open(fileName_, readWriteCreate, &fileError_);
    const Bytes image = bytes();
    file_.write(image.data(), image.size());
    file_.close();
}

ScoreTable::Bytes ScoreTable::readForDisplay() const {
    File file;
    File::ErrorRecord error;
    file.open(fileName_, readCreate, &error);
    Bytes image{};
    file.read(image.data(), image.size());
    file.close();
    return image;
}

void ScoreTable::resetFile() const {
    File file;
    File::ErrorRecord error;
    file.open(fileName_, writeCreate, &error);
    file.close();
    File::remove(fileName_);
}
