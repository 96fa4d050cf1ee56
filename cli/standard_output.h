// Writing to standard output: text as the console expects it, or exact bytes
// (an export sent to a pipe must be the bytes its file would hold).
#ifndef QLC_CLI_STANDARD_OUTPUT_H
#define QLC_CLI_STANDARD_OUTPUT_H

#include <string>

// Text with "\n" line ends, written in the platform's text mode.
bool WriteStandardOutput(const std::string& text);
// Bytes written unchanged.
bool WriteStandardOutputBytes(const std::string& bytes);

// Writes data through stdout and flushes it; false when not all of it went out.
bool WriteAllToStandardOutput(const std::string& data);

#endif
