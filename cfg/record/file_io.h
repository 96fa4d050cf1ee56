// The one platform layer of the configurable-file code: opening, positioning,
// reading and writing files. One implementation uses the Win32 file
// calls, the other POSIX descriptors; the callers are the same on both.
#ifndef QLC_CFG_RECORD_FILE_IO_H
#define QLC_CFG_RECORD_FILE_IO_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

struct FileHandle {
  intptr_t value;
};

// Opens an existing regular file read-only, in binary mode. Anything else (a
// folder, a FIFO, a device) is refused before it can block: opening a FIFO
// would otherwise wait for a writer.
bool OpenFileForReading(const char* path, FileHandle* file);
// Opens an existing regular file for reading and writing without sharing; the
// file is never created here.
bool OpenExistingFileForWriting(const char* path, FileHandle* file);
// Moves to the end of the file and gives its length.
bool SeekFileToEnd(FileHandle file, uint64_t* length);
// Moves to an offset from the beginning.
bool SeekFileTo(FileHandle file, uint64_t offset);
// Read and write as much as they can; the result is the number of bytes moved
// (less than asked for only on an error or at the end of the file).
size_t ReadFromFile(FileHandle file, void* buffer, size_t length);
size_t WriteToFile(FileHandle file, const void* buffer, size_t length);
void CloseFileHandle(FileHandle file);

// Opens an existing regular file as a text stream for reading, refusing
// everything else as OpenFileForReading does; null on failure. Close it with
// fclose.
FILE* OpenTextFileForReading(const char* path);

#endif
