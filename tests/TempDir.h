#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A fresh folder that is the current directory while it lives, since the score file is always
// "hiscr.dat" in the current directory.
class TempDir {
public:
    TempDir() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "zareduz-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        std::filesystem::current_path(path_);
    }
    ~TempDir() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    static std::vector<unsigned char> read(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::string& name, const std::vector<unsigned char>& bytes) {
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
