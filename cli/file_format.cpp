#include "file_format.h"

#include "common/text_read.h"

bool LooksLikeSRecord(const char* bytes, size_t length) {
  return length >= 2 && bytes[0] == 'S' && bytes[1] >= '0' && bytes[1] <= '9';
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
