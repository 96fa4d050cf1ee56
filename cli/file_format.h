// Which storage form a configurable file has. Names the configuration tools
// know decide as they do; for any other name the first bytes decide, so that a
// program file without extension can be configured too.
#ifndef QLC_CLI_FILE_FORMAT_H
#define QLC_CLI_FILE_FORMAT_H

#include <stddef.h>

#include <string>

#include "cli/command_line.h"

// Number of CR and LF characters the bytes begin with.
size_t LeadingLineEnds(const char* bytes, size_t length);

// S-record text: after any CR and LF characters (which the S-record reader
// skips too) come "S" and a digit.
bool LooksLikeSRecord(const char* bytes, size_t length);

// The form by name: ".S9", ".IDP", ".LVB" are S-record, ".exe" and ".ELF"
// binary (compared without regard to case); kAuto for other names.
FileFormat FileFormatByName(const std::string& path);

// The form to use: requested when it is not kAuto, else by name, else by
// the file's first bytes (S-record text, or binary for everything else:
// ELF and PE images and raw record images alike).
FileFormat ChooseFileFormat(const std::string& path, FileFormat requested, const char* firstBytes,
                            size_t length);

#endif
