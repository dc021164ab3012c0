#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>

// An unbuffered file over POSIX calls. Opening reports failure through its return value and an
// optional record; every later operation throws FileError on failure.
class File {
public:
    enum class Access { Read, Write, ReadWrite };

    struct OpenMode {
        Access access = Access::Read;
        bool create = false;   // create the file, empty, when it is missing
        bool truncate = false; // empty an existing file
    };

    // Receives the details of a failed open.
    struct ErrorRecord {
        enum class Cause { None, Generic, FileNotFound, AccessDenied, DiskFull, IsDirectory };
        Cause cause = Cause::None;
        int osError = -1;
        std::string fileName;
    };

    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool open(const std::string& fileName, OpenMode mode, ErrorRecord* error = nullptr);
    std::size_t read(void* buffer, std::size_t count);
    void write(const void* buffer, std::size_t count);
    std::uint64_t length();
    void seekToBegin();
    void close();
    bool isOpen() const { return fd_ >= 0; }

    static void remove(const std::string& fileName);

private:
    void requireOpen() const;
    [[noreturn]] void fail(int osError) const;

    int fd_ = -1;
    std::string fileName_;
    int openError_ = EBADF; // why operations on a file that is not open fail
};
