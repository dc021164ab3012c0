#pragma once

#include <stdexcept>
#include <string>

// A failed file operation; the message names the file and the system's reason,
// for example "hiscr.dat: No space left on device".
class FileError : public std::runtime_error {
public:
    FileError(const std::string& fileName, int osError);

    const std::string& fileName() const { return fileName_; }
    int osError() const { return osError_; }

private:
    std::string fileName_;
    int osError_;
};
