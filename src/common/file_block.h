// A whole text file read into one block of memory, released with the block.
// Its lines end at their first NUL, as every reader of the program reads them.
#pragma once
#include <cstddef>
#include <memory>
#include <string_view>

#include "os/os.h"

namespace qv {

struct FileBlock {
    std::unique_ptr<char[]> bytes;
    size_t length = 0;  // bytes actually read
    std::string_view view() const { return std::string_view(bytes.get(), length); }
};

enum class ReadResult { ok, cannotOpen, readFailed, noMemory };

ReadResult ReadWholeFile(const char* path, os::OpenMode mode, FileBlock* block);
// The same for a file that is already open; the file stays open.
ReadResult ReadOpenFile(os::File file, FileBlock* block);

}  // namespace qv
