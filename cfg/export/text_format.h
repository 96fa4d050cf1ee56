// printf-style building of the export texts and writing them to disk.
#ifndef QLC_CFG_EXPORT_TEXT_FORMAT_H
#define QLC_CFG_EXPORT_TEXT_FORMAT_H

#include <string>

#include "common/text_format.h"

// The text with every "\n" turned into CR LF, as text mode writes it on the
// platform the files are meant for; the files are the same bytes whichever
// build wrote them.
std::string WithCrLf(const std::string& text);

// The K-VRX GCP initialiser block, indented by indent: always the default
// record's table, eight bytes a line.
void AppendGcpBlock(std::string& out, const char* indent);

enum class TextFileResult { kWritten, kOpenFailed, kWriteFailed };

// Creates or truncates path and writes text with CR LF line ends.
TextFileResult WriteTextFile(const std::string& path, const std::string& text);

#endif
