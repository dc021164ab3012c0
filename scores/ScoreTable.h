#pragma once

#include "File.h"
#include "ScoreRank.h"
#include "ScoreRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The best three results for each digit count from 4 to 10, and their file. The file holds the
// table's 420 bytes from byte 0, with no header; bytes after them belong to nobody and are kept.
// Each operation opens the file afresh and never truncates it. File failures propagate as
// FileError; what was done in memory before the failure stays done.
class ScoreTable {
public:
    static constexpr std::uint32_t minDigits = 4;
    static constexpr std::uint32_t maxDigits = 10;
    static constexpr std::size_t rankCount = 3;
    static constexpr std::size_t recordCount = (maxDigits - minDigits + 1) * rankCount;
    static constexpr std::size_t byteSize = recordCount * ScoreRecord::size;
    // Files shorter than this are taken as missing and get the default block.
    static constexpr std::uint64_t minimumFileLength = 42;

    using Bytes = std::array<std::uint8_t, byteSize>;

    explicit ScoreTable(std::string fileName = "hiscr.dat");

    void loadOrCreate();
    std::optional<ScoreRank> qualify(std::uint32_t digitCount, std::uint32_t attempts) const;
    void insertResult(std::uint32_t digitCount, ScoreRank rank, std::uint32_t attempts);
    void setName(std::uint32_t digitCount, ScoreRank rank, std::string_view name);
    void saveTable();
    // Reads the file itself, not this table; bytes the file does not cover are zero.
    Bytes readForDisplay() const;
    void resetFile() const;

    const ScoreRecord& record(std::uint32_t digitCount, ScoreRank rank) const;
    static std::size_t indexOf(std::uint32_t digitCount, ScoreRank rank);

    Bytes bytes() const;
    static Bytes defaultBlock();

private:
    ScoreRecord& at(std::uint32_t digitCount, ScoreRank rank);
    void assign(const Bytes& bytes);

    std::string fileName_;
    std::array<ScoreRecord, recordCount> records_{};
    // One file object and error record serve loading and saving, as they always have.
    File file_;
    File::ErrorRecord fileError_;
};
