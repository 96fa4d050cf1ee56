// The panel definition file reader, on any file, read as DEBUG.DEF and as
// PANELS.DEF.
//
// Properties: no record has a name over 78 characters or one holding a
// double quote or a line end; every field holds one of its values; a list
// that was not loaded is empty; read as PANELS.DEF the list holds exactly the
// unmarked panels of the same file read as DEBUG.DEF, in the same order;
// marked panels carry a reason and unmarked ones none; there are never more
// panels than "PANEL " keywords in the file; found in its folder, the file
// gives the same list as read as PANELS.DEF.
#include <string.h>

#include <string>

#include "cfg/panel/matching.h"
#include "cfg/panel/paneldef.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool IsFlag(int32_t value) {
  return value == 1 || value == 0 || value == kFieldNotApplicable || value == kFieldUnknown;
}

void CheckName(const std::string& name) {
  FUZZ_CHECK(name.size() <= kMaxPanelNameLength);
  FUZZ_CHECK(name.find('"') == std::string::npos);
}

void CheckRecord(const PanelRecord& record) {
  CheckName(record.Name());
  FUZZ_CHECK(record.Name().find_first_of("\r\n") == std::string::npos);
  FUZZ_CHECK(record.Type() == kPanelRecordStn || record.Type() == kPanelRecordTft ||
             record.Type() == kPanelRecordHrTft || record.Type() == kPanelRecordKVrx ||
             record.Type() == kFieldUnknown);
  FUZZ_CHECK(IsFlag(record.El()) && IsFlag(record.Double()) && IsFlag(record.Color()) &&
             IsFlag(record.Dual()) && IsFlag(record.Mask()));
  FUZZ_CHECK(record.DataFormat() == 0 || record.DataFormat() == 1 ||
             record.DataFormat() == kFieldNotApplicable || record.DataFormat() == kFieldUnknown);
  FUZZ_CHECK(IsFlag(record.FplinePolarity()) && IsFlag(record.FpframePolarity()));
  FUZZ_CHECK(record.Disqualified() == !record.Reason().empty());
}

size_t KeywordCount(const uint8_t* data, size_t size) {
  static const char kKeyword[] = "PANEL ";
  const size_t length = sizeof kKeyword - 1;
  size_t count = 0;
  for (size_t at = 0; at + length <= size; ++at)
    if (memcmp(data + at, kKeyword, length) == 0) ++count;
  return count;
}

void CheckList(const PanelList& list, size_t keywords) {
  if (!list.Loaded()) FUZZ_CHECK(list.Count() == 0);
  FUZZ_CHECK(static_cast<size_t>(list.Count()) <= keywords);
  for (int i = 0; i < list.Count(); ++i) CheckRecord(list.At(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchPath("PANELS.DEF");
  if (!WriteScratchFile(path, data, size)) return 0;
  QuietMessages();
  const size_t keywords = KeywordCount(data, size);

  PanelList debugList(QualifyPanel);
  FUZZ_CHECK(debugList.LoadPanelFile(path, true));
  CheckList(debugList, keywords);
  PanelList panelsList(QualifyPanel);
  FUZZ_CHECK(panelsList.LoadPanelFile(path, false));
  CheckList(panelsList, keywords);

  FUZZ_CHECK(debugList.Loaded() == panelsList.Loaded());
  int kept = 0;
  for (int i = 0; i < debugList.Count(); ++i) {
    const PanelRecord& record = debugList.At(i);
    if (record.Disqualified()) continue;
    FUZZ_CHECK(kept < panelsList.Count());
    FUZZ_CHECK(panelsList.At(kept).Name() == record.Name());
    ++kept;
  }
  FUZZ_CHECK(kept == panelsList.Count());
  for (int i = 0; i < panelsList.Count(); ++i) FUZZ_CHECK(!panelsList.At(i).Disqualified());

  // The programs find the file in their own folder (here without a DEBUG.DEF).
  PanelList folderList(QualifyPanel, FolderOfProgram(path));
  FUZZ_CHECK(folderList.Loaded() == panelsList.Loaded() &&
             folderList.Count() == panelsList.Count());
  for (int i = 0; i < folderList.Count(); ++i)
    FUZZ_CHECK(folderList.At(i).Name() == panelsList.At(i).Name());

  // One line on its own, as the reader hands it over after the keyword.
  std::string line(reinterpret_cast<const char*>(data), size);
  int32_t lastDecimal = 0;
  PanelRecord record;
  if (ParsePanelLine(line.c_str(), &lastDecimal, &record) == kPanelLineOk) CheckName(record.Name());
  return 0;
}
