#include "cli/record_file.h"

#include "cfg/panel/clocks.h"
#include "cfg/record/config_file.h"
#include "cfg/record/file_io.h"
#include "cli/file_format.h"
#include "common/text_read.h"

namespace {

// The first two characters of the file behind any leading line ends (fewer
// at the end of the file). Only a regular file is read: a FIFO would wait
// for a writer.
size_t ReadFirstCharacters(const std::string& path, char (&characters)[2]) {
  FileHandle file;
  if (!OpenFileForReading(path.c_str(), &file)) return 0;
  size_t length = 0;
  char block[4096];
  size_t got;
  while (length < sizeof characters && (got = ReadFromFile(file, block, sizeof block)) > 0) {
    size_t at = length == 0 ? LeadingLineEnds(block, got) : 0;
    while (at < got && length < sizeof characters) characters[length++] = block[at++];
  }
  CloseFileHandle(file);
  return length;
}

StorageForm StorageFormOf(const std::string& path, FileFormat format) {
  char firstBytes[2] = {0, 0};
  size_t length = 0;
  if (format == FileFormat::kAuto && FileFormatByName(path) == FileFormat::kAuto) {
    length = ReadFirstCharacters(path, firstBytes);
  }
  // A file that cannot be read is left to the reader, which reports it.
  switch (ChooseFileFormat(path, format, firstBytes, length)) {
    case FileFormat::kSRecord:
      return kStorageSRecord;
    case FileFormat::kBinary:
      return kStorageBinary;
    default:
      return kStorageByName;
  }
}

}  // namespace

bool OpenRecordFile(Configuration& config, const std::string& path, FileFormat format) {
  if (!OpenConfigFile(config, path.c_str(), StorageFormOf(path, format))) return false;
  TakeClockWorkingValuesFromRecord(config);
  return true;
}

bool IsHeaderFileName(const std::string& path) {
  return EndsWithNoCase(path.c_str(), ".h");
}

bool OpenRecordOrHeader(Configuration& config, const std::string& path, FileFormat format) {
  if (format != FileFormat::kAuto || !IsHeaderFileName(path))
    return OpenRecordFile(config, path, format);
  if (!OpenConfigFile(config, path.c_str(), kStorageByName)) return false;
  TakeClockWorkingValuesFromRecord(config);
  return true;
}

bool SaveRecordFile(Configuration& config, const std::string& path, const std::string& target,
                    FileFormat format, bool preserveAddresses) {
  return SaveConfigFile(config, path.c_str(), target.empty() ? nullptr : target.c_str(),
                        preserveAddresses, StorageFormOf(path, format));
}
