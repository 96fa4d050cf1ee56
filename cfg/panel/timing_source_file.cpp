#include "cfg/panel/timing_source_file.h"

#include "cfg/record/whole_file.h"
#include "common/message.h"

namespace {

const uint64_t kLargestTimingSource = 4 << 20;
const unsigned kErrorBox = kMsgOk | kMsgIconError;

bool ReadSourceText(const std::string& path, std::string* text) {
  FileHandle file;
  uint64_t length = 0;
  if (!OpenFileToRead(path.c_str(), &file, &length)) return false;
  if (length > kLargestTimingSource) {
    CloseFileHandle(file);
    ShowMessage(kErrorBox, "ERROR: %s: the file is larger than 4 MB, too large for a timing source",
                path.c_str());
    return false;
  }
  FileBuffer buffer;
  if (!ReadOpenedFile(file, length, &buffer)) return false;
  text->assign(reinterpret_cast<const char*>(buffer.data.get()), buffer.length);
  return true;
}

}  // namespace

bool ReadTimingSourceFile(const std::string& path, TimingSource* source) {
  std::string text, error;
  if (!ReadSourceText(path, &text)) return false;
  if (!ReadTimingSource(text, source, &error)) {
    ShowMessage(kErrorBox, "ERROR: %s: %s", path.c_str(), error.c_str());
    return false;
  }
  return true;
}
