// Feeds arbitrary bytes of arbitrary length to the score store as hiscr.dat, then loads, ranks,
// names, saves and reads the file for display, checking that the table and the file agree.
#include "ScoreTable.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> readAll() {
    std::ifstream in("hiscr.dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void enterTempDir() {
    static const bool entered = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "zfuzz-XXXXXX").string();
        std::filesystem::current_path(::mkdtemp(pattern.data()));
        return true;
    }();
    (void)entered;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    enterTempDir();
    {
        std::ofstream out("hiscr.dat", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ScoreTable table;
    table.loadOrCreate();

    const std::uint32_t digits = 4 + (size > 0 ? data[0] % 7 : 0);
    const std::uint32_t attempts = size > 1 ? data[1] * 7u : 1u;
    const std::string name(reinterpret_cast<const char*>(data), size < 20 ? size : 20);
    if (const auto rank = table.qualify(digits, attempts)) {
        table.insertResult(digits, *rank, attempts);
        table.setName(digits, *rank, name);
    }
    table.saveTable();

    const std::vector<std::uint8_t> file = readAll();
    const ScoreTable::Bytes image = table.bytes();
    if (file.size() < image.size() || !std::equal(image.begin(), image.end(), file.begin())) {
        std::abort();
    }
    if (size > image.size() && !std::equal(data + image.size(), data + size,
                                           file.begin() + static_cast<long>(image.size()))) {
        std::abort();
    }
    const ScoreTable::Bytes shown = table.readForDisplay();
    for (std::size_t k = 0; k < ScoreTable::recordCount; ++k) {
        if (ScoreRecord::decode(shown.data() + k * ScoreRecord::size).nameText().size() > 16) {
            std::abort();
        }
    }
    table.resetFile();
    return 0;
}
