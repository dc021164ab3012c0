#include "ScoreTable.h"
#include "FileError.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

const Bytes defaultRecord = {0xE7, 0x03, 0,   0, 'A', 'n', 'o', 'n', 'y', 'm',
                             'o',  'u',  's', 0, 0,   0,   0,   0,   0,   0};

Bytes defaultFile() {
    Bytes out;
    for (int k = 0; k < 21; ++k) {
        out.insert(out.end(), defaultRecord.begin(), defaultRecord.end());
    }
    return out;
}

Bytes recordBytes(const Bytes& file, std::size_t index) {
    return Bytes(file.begin() + static_cast<long>(index * 20),
                 file.begin() + static_cast<long>(index * 20 + 20));
}

std::vector<std::uint32_t> row(const ScoreTable& table, std::uint32_t digits) {
    return {table.record(digits, ScoreRank::Best).attempts,
            table.record(digits, ScoreRank::VeryGood).attempts,
            table.record(digits, ScoreRank::Good).attempts};
}

class ScoreTableTest : public ::testing::Test {
protected:
    TempDir dir;
    ScoreTable table;
};

} // namespace

TEST_F(ScoreTableTest, NewTableIsZeroUntilLoaded) {
    EXPECT_EQ(table.bytes(), ScoreTable::Bytes{});
    EXPECT_FALSE(fs::exists("hiscr.dat"));
}

TEST_F(ScoreTableTest, LoadWithoutFileCreatesDefaults) {
    table.loadOrCreate();
    const ScoreTable::Bytes block = ScoreTable::defaultBlock();
    EXPECT_EQ(Bytes(block.begin(), block.end()), defaultFile());
    EXPECT_EQ(TempDir::read("hiscr.dat"), defaultFile());
    EXPECT_EQ(table.bytes(), ScoreTable::defaultBlock());
    EXPECT_EQ(table.record(10, ScoreRank::Good).nameText(), "Anonymous");
}

TEST_F(ScoreTableTest, ShortFilesBelowFortyTwoBytesAreReplaced) {
    TempDir::write("hiscr.dat", Bytes(41, 0x55));
    table.loadOrCreate();
    EXPECT_EQ(TempDir::read("hiscr.dat"), defaultFile());
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{999, 999, 999}));
}

TEST_F(ScoreTableTest, FortyTwoByteFileIsKeptAndReplacesOnlyLeadingBytes) {
    Bytes file(42, 0);
    file[0] = 7;  // 4 digits, Best
    file[20] = 8; // 4 digits, Very Good
    file[40] = 9; // first two bytes of the Good record's attempts
    file[41] = 1;
    TempDir::write("hiscr.dat", file);

    table.loadOrCreate();
    EXPECT_EQ(TempDir::read("hiscr.dat"), file);
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{7, 8, 0x109}));
    EXPECT_EQ(row(table, 5), (std::vector<std::uint32_t>{0, 0, 0})) << "earlier contents kept";

    // A later short load keeps what the earlier one loaded past its own length.
    TempDir::write("hiscr.dat", defaultFile());
    table.loadOrCreate();
    TempDir::write("hiscr.dat", file);
    table.loadOrCreate();
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{7, 8, 0x109}));
    EXPECT_EQ(table.record(4, ScoreRank::Good).nameText(), "Anonymous");
    EXPECT_EQ(row(table, 5), (std::vector<std::uint32_t>{999, 999, 999}));
}

TEST_F(ScoreTableTest, LongerFileKeepsItsTail) {
    Bytes file = defaultFile();
    const Bytes tail = {1, 2, 3, 0, 0xFF};
    file.insert(file.end(), tail.begin(), tail.end());
    TempDir::write("hiscr.dat", file);

    table.loadOrCreate();
    table.insertResult(4, ScoreRank::Best, 3);
    table.saveTable();
    const Bytes saved = TempDir::read("hiscr.dat");
    ASSERT_EQ(saved.size(), 425u);
    EXPECT_EQ(Bytes(saved.end() - 5, saved.end()), tail);
    EXPECT_EQ(saved[0], 3);
}

TEST_F(ScoreTableTest, RankingFollowsStrictComparisons) {
    table.loadOrCreate();
    struct Step {
        std::uint32_t attempts;
        ScoreRank rank;
        std::vector<std::uint32_t> row;
    };
    for (const Step& s :
         {Step{17, ScoreRank::Best, {17, 999, 999}}, Step{17, ScoreRank::VeryGood, {17, 17, 999}},
          Step{12, ScoreRank::Best, {12, 17, 17}}}) {
        const auto rank = table.qualify(6, s.attempts);
        ASSERT_EQ(rank, s.rank) << s.attempts;
        table.insertResult(6, *rank, s.attempts);
        EXPECT_EQ(row(table, 6), s.row);
    }
    EXPECT_EQ(row(table, 5), (std::vector<std::uint32_t>{999, 999, 999}));
    EXPECT_EQ(row(table, 7), (std::vector<std::uint32_t>{999, 999, 999}));
}

TEST_F(ScoreTableTest, ResultMovesRecordsDownWithTheirNames) {
    table.loadOrCreate();
    for (auto [attempts, name] : {std::pair{9u, "Nine"}, {5u, "Five"}, {8u, "Eight"}}) {
        const auto rank = table.qualify(4, attempts);
        ASSERT_TRUE(rank);
        table.insertResult(4, *rank, attempts);
        table.setName(4, *rank, name);
    }
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{5, 8, 9}));
    EXPECT_EQ(table.qualify(4, 9), std::nullopt);
    EXPECT_EQ(table.qualify(4, 8), ScoreRank::Good);

    ASSERT_EQ(table.qualify(4, 6), ScoreRank::VeryGood);
    table.insertResult(4, ScoreRank::VeryGood, 6);
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{5, 6, 8}));
    EXPECT_EQ(table.record(4, ScoreRank::VeryGood).nameText(), "Eight") << "named later";
    EXPECT_EQ(table.record(4, ScoreRank::Good).nameText(), "Eight");
    ASSERT_EQ(table.qualify(4, 7), ScoreRank::Good);
    table.insertResult(4, ScoreRank::Good, 7);
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{5, 6, 7}));
}

TEST_F(ScoreTableTest, ShortNameLeavesOldBytesBehindItsTerminator) {
    table.loadOrCreate();
    table.insertResult(4, ScoreRank::Best, 1);
    table.setName(4, ScoreRank::Best, "Ann");
    table.saveTable();
    const Bytes expected = {1,   0,   0,   0, 'A', 'n', 'n', 0, 'y', 'm',
                            'o', 'u', 's', 0, 0,   0,   0,   0, 0,   0};
    EXPECT_EQ(recordBytes(TempDir::read("hiscr.dat"), 0), expected);
    EXPECT_EQ(recordBytes(TempDir::read("hiscr.dat"), 1), defaultRecord);
}

TEST_F(ScoreTableTest, LongNamesStayInsideTheirField) {
    table.loadOrCreate();
    table.setName(5, ScoreRank::VeryGood, "ABCDEFGHIJKLMNOPQ"); // 17 characters
    table.saveTable();
    const Bytes file = TempDir::read("hiscr.dat");
    const Bytes expected = {0xE7, 3,   0,   0,   'A', 'B', 'C', 'D', 'E', 'F',
                            'G',  'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 0};
    EXPECT_EQ(recordBytes(file, 4), expected);
    for (std::size_t k : {3u, 5u}) {
        EXPECT_EQ(recordBytes(file, k), defaultRecord) << k;
    }
    EXPECT_EQ(table.record(5, ScoreRank::VeryGood).nameText(), "ABCDEFGHIJKLMNO");
}

TEST_F(ScoreTableTest, ReadForDisplayReadsTheFileAndZeroFillsTheRest) {
    table.loadOrCreate();
    EXPECT_EQ(table.readForDisplay(), ScoreTable::defaultBlock());

    TempDir::write("hiscr.dat", Bytes(25, 'x'));
    const ScoreTable::Bytes shown = table.readForDisplay();
    EXPECT_EQ(ScoreRecord::decode(shown.data()).nameText(), std::string(16, 'x'));
    EXPECT_EQ(shown[24], 'x');
    EXPECT_EQ(shown[25], 0);
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{999, 999, 999})) << "table untouched";

    fs::remove("hiscr.dat");
    EXPECT_EQ(table.readForDisplay(), ScoreTable::Bytes{});
    EXPECT_EQ(fs::file_size("hiscr.dat"), 0u) << "a missing file is created empty";
}

TEST_F(ScoreTableTest, ResetDeletesTheFileWhetherOrNotItExists) {
    table.loadOrCreate();
    table.insertResult(4, ScoreRank::Best, 1);
    table.resetFile();
    EXPECT_FALSE(fs::exists("hiscr.dat"));
    EXPECT_NO_THROW(table.resetFile());
    EXPECT_FALSE(fs::exists("hiscr.dat"));
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{1, 999, 999})) << "memory untouched";

    table.loadOrCreate();
    EXPECT_EQ(TempDir::read("hiscr.dat"), defaultFile());
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{999, 999, 999}));
}

TEST_F(ScoreTableTest, DirectoryInPlaceOfTheFileFailsWithItsName) {
    table.loadOrCreate();
    table.insertResult(4, ScoreRank::Best, 2);
    fs::remove("hiscr.dat");
    fs::create_directory("hiscr.dat");

    for (auto operation : {&ScoreTable::loadOrCreate, &ScoreTable::saveTable}) {
        try {
            (table.*operation)();
            FAIL() << "no error";
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), "hiscr.dat: Is a directory");
            EXPECT_EQ(error.fileName(), "hiscr.dat");
        }
    }
    EXPECT_THROW(table.readForDisplay(), FileError);
    EXPECT_THROW(table.resetFile(), FileError);
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{2, 999, 999}));
    EXPECT_TRUE(fs::is_directory("hiscr.dat"));
}

TEST_F(ScoreTableTest, FullDeviceFailsWritesAndKeepsTheTable) {
    table.loadOrCreate();
    table.insertResult(4, ScoreRank::Best, 2);
    table.setName(4, ScoreRank::Best, "Ann");
    fs::remove("hiscr.dat");
    fs::create_symlink("/dev/full", "hiscr.dat");

    try {
        table.saveTable();
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "hiscr.dat: No space left on device");
    }
    EXPECT_THROW(table.loadOrCreate(), FileError) << "the default block cannot be written";
    EXPECT_EQ(table.record(4, ScoreRank::Best).nameText(), "Ann");
    EXPECT_EQ(row(table, 4), (std::vector<std::uint32_t>{2, 999, 999}));

    fs::remove("hiscr.dat");
    table.saveTable();
    EXPECT_EQ(recordBytes(TempDir::read("hiscr.dat"), 0)[0], 2) << "the next open starts afresh";
}
