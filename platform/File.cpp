#include "File.h"

#include "FileError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

File::ErrorRecord::Cause causeOf(int osError) {
    using Cause = File::ErrorRecord::Cause;
    switch (osError) {
    case ENOENT:
        return Cause::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return Cause::AccessDenied;
    case ENOSPC:
        return Cause::DiskFull;
    case EISDIR:
        return Cause::IsDirectory;
    default:
        return Cause::Generic;
    }
}

int openFlags(File::OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode.access) {
    case File::Access::Read:
        flags |= O_RDONLY;
        break;
    case File::Access::Write:
        flags |= O_WRONLY;
        break;
    case File::Access::ReadWrite:
        flags |= O_RDWR;
        break;
    }
    if (mode.create) {
        flags |= O_CREAT;
    }
    if (mode.truncate) {
        flags |= O_TRUNC;
    }
    return flags;
}

} // namespace

File::~File() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool File::open(const std::string& fileName, OpenMode mode, ErrorRecord* error) {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fileName_ = fileName;
    do {
        fd_ = ::open(fileName.c_str(), openFlags(mode), 0644);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ >= 0) {
        // A read-only open of a directory succeeds on POSIX; refuse it as a write would.
        struct stat info {};
        if (::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            errno = EISDIR;
        }
    }
    if (fd_ < 0) {
        openError_ = errno;
        if (error != nullptr) {
            error->cause = causeOf(openError_);
            error->osError = openError_;
            error->fileName = fileName;
        }
        return false;
    }
    return true;
}

void File::requireOpen() const {
    if (fd_ < 0) {
        fail(openError_);
    }
}

void File::fail(int osError) const {
    throw FileError(fileName_, osError);
}

std::size_t File::read(void* buffer, std::size_t count) {
    requireOpen();
    auto* bytes = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t got = ::read(fd_, bytes + total, count - total);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            fail(errno);
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return total;
}

void File::write(const void* buffer, std::size_t count) {
    requireOpen();
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t put = ::write(fd_, bytes + total, count - total);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0) {
            fail(errno);
        }
        total += static_cast<std::size_t>(put);
    }
}

std::uint64_t File::length() {
    requireOpen();
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        fail(errno);
    }
    return static_cast<std::uint64_t>(info.st_size);
}

void File::seekToBegin() {
    requireOpen();
    if (::lseek(fd_, 0, SEEK_SET) < 0) {
        fail(errno);
    }
}

void File::close() {
    requireOpen();
    const int fd = fd_;
    fd_ = -1;
    openError_ = EBADF;
    if (::close(fd) != 0 && errno != EINTR) {
        fail(errno);
    }
}

void File::remove(const std::string& fileName) {
    if (::unlink(fileName.c_str()) != 0) {
        throw FileError(fileName, errno);
    }
}
