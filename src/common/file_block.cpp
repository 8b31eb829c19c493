#include "common/file_block.h"

#include <new>

#include "common/split_line.h"

namespace qv {

ReadResult ReadOpenFile(os::File file, FileBlock* block) {
    uint64_t size = 0;
    if (!os::GetFileSize(file, &size)) return ReadResult::readFailed;
    if (size > SIZE_MAX - 1) return ReadResult::noMemory;
    block->bytes.reset(new (std::nothrow) char[size + 1]);
    if (!block->bytes) return ReadResult::noMemory;
    block->length = 0;
    while (block->length < size) {
        size_t got = 0;
        if (!os::ReadFile(file, block->bytes.get() + block->length, size - block->length, &got))
            return ReadResult::readFailed;
        if (got == 0) break;  // the file shrank since its size was taken
        block->length += got;
    }
    block->length = CutLinesAtNul(block->bytes.get(), block->length);
    block->bytes[block->length] = '\0';
    return ReadResult::ok;
}

ReadResult ReadWholeFile(const char* path, os::OpenMode mode, FileBlock* block) {
    os::File file = os::OpenFileRead(path, mode);
    if (!file) return ReadResult::cannotOpen;
    ReadResult result = ReadOpenFile(file, block);
    os::CloseFile(file);
    return result;
}

}  // namespace qv
