#include "FileError.h"

#include <cstring>

FileError::FileError(const std::string& fileName, int osError)
    : std::runtime_error(fileName + ": " + std::strerror(osError)), fileName_(fileName),
      osError_(osError) {
}
