#include "cli/file_format.h"

#include "common/text_read.h"

size_t LeadingLineEnds(const char* bytes, size_t length) {
  size_t count = 0;
  while (count < length && (bytes[count] == '\r' || bytes[count] == '\n')) ++count;
  return count;
}

bool LooksLikeSRecord(const char* bytes, size_t length) {
  size_t start = LeadingLineEnds(bytes, length);
  return length - start >= 2 && bytes[start] == 'S' && bytes[start + 1] >= '0' &&
         bytes[start + 1] <= '9';
}

FileFormat FileFormatByName(const std::string& path) {
  static const char* const kSRecordExtensions[] = {".S9", ".IDP", ".LVB"};
  static const char* const kBinaryExtensions[] = {".exe", ".ELF"};
  for (const char* extension : kSRecordExtensions)
    if (EndsWithNoCase(path.c_str(), extension)) return FileFormat::kSRecord;
  for (const char* extension : kBinaryExtensions)
    if (EndsWithNoCase(path.c_str(), extension)) return FileFormat::kBinary;
  return FileFormat::kAuto;
}

FileFormat ChooseFileFormat(const std::string& path, FileFormat requested, const char* firstBytes,
                            size_t length) {
  if (requested != FileFormat::kAuto) return requested;
  FileFormat byName = FileFormatByName(path);
  if (byName != FileFormat::kAuto) return byName;
  return LooksLikeSRecord(firstBytes, length) ? FileFormat::kSRecord : FileFormat::kBinary;
}
