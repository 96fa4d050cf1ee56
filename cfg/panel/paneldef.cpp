#include "cfg/panel/paneldef.h"

#include <assert.h>
#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include "common/message.h"

enum { kLineBufferSize = 512, kPanelFieldCount = 24 };

PanelList::PanelList(PanelQualifier qualifier, const std::string& folder) : qualifier_(qualifier) {
  LoadPanelList(folder);
}

const PanelRecord& PanelList::At(int index) const {
  assert(index >= 0 && index < Count());
  return records_[static_cast<size_t>(index)];
}

std::string FolderOfProgram(const std::string& programPath) {
  size_t separator = programPath.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : programPath.substr(0, separator);
}

static std::string PathInFolder(const std::string& folder, const char* name) {
#ifdef _WIN32
  const char separator = '\\';
#else
  const char separator = '/';
#endif
  return folder + separator + name;
}

const char kDebugDefinitionFile[] = "DEBUG.DEF";
const char kPanelDefinitionFile[] = "PANELS.DEF";

std::string PanelListEntry(const PanelRecord& record) {
  return record.Disqualified() ? "**" + record.Name() : record.Name();
}

void PanelList::LoadPanelList(const std::string& folder) {
  if (loaded_) return;
  FILE* file = fopen(PathInFolder(folder, kDebugDefinitionFile).c_str(), "r");
  fromDebugFile_ = file != nullptr;
  if (!file) file = fopen(PathInFolder(folder, kPanelDefinitionFile).c_str(), "r");
  if (!file) return;
  bool read = ReadFile(file);
  fclose(file);
  if (!read) Discard();
}

bool PanelList::LoadPanelFile(const std::string& path, bool asDebugFile) {
  if (loaded_) return true;
  FILE* file = fopen(path.c_str(), "r");
  if (!file) return false;
  fromDebugFile_ = asDebugFile;
  bool read = ReadFile(file);
  fclose(file);
  if (!read) Discard();
  return true;
}

void PanelList::Discard() {
  loaded_ = false;
  records_.clear();
}

static void ShowDefinitionError(const char* text) {
  ShowMessage(kMsgOk | kMsgIconError, "%s", text);
}

// A line counts only when it starts with the keyword in the first column.
static bool StartsWith(const char* line, const char* keyword) {
  return strncmp(line, keyword, strlen(keyword)) == 0;
}

bool PanelList::ReadFile(FILE* file) {
  char line[kLineBufferSize];
  int32_t lastDecimal = 0;
  bool shortLineReported = false;
  while (fgets(line, sizeof line, file)) {
    line[strcspn(line, "\r\n")] = '\0';
    if (StartsWith(line, "VERSION ")) {
      version_ = atoi(line + strlen("VERSION "));
      continue;
    }
    if (!StartsWith(line, "PANEL ")) continue;
    PanelRecord record;
    PanelLineResult parsed = ParsePanelLine(line + strlen("PANEL "), &lastDecimal, &record);
    if (parsed == kPanelLineBadName) {
      ShowDefinitionError("Invalid PANELS.DEF");
      return false;
    }
    if (parsed == kPanelLineShort) {
      // An incomplete panel is left out; the panels around it stay usable.
      if (!shortLineReported) ShowDefinitionError("Invalid PANELS.DEF");
      shortLineReported = true;
      continue;
    }
    std::string reason;
    bool rejected = qualifier_ && qualifier_(record, &reason);
    if (rejected && !fromDebugFile_) continue;
    record.SetDisqualified(rejected);
    if (rejected) record.SetReason(reason);
    records_.push_back(record);
  }
  if (ferror(file)) {
    ShowDefinitionError("Error reading panel DEF file");
    return false;
  }
  loaded_ = true;
  return true;
}

// Token readers. Every token ends at the next blank or the end of the line.
static size_t TokenLength(const char* token) {
  return strcspn(token, " ");
}

static int32_t ReadFlag(const char* token) {
  switch (token[0]) {
    case 'T':
    case '1':
      return 1;
    case 'F':
    case '0':
      return 0;
    case 'n':
      return kFieldNotApplicable;
    default:
      return kFieldUnknown;
  }
}

static int32_t ReadDataFormat(const char* token) {
  switch (token[0]) {
    case '1':
      return 0;
    case '2':
      return 1;
    case 'n':
      return kFieldNotApplicable;
    default:
      return kFieldUnknown;
  }
}

static int32_t ReadPolarity(const char* token) {
  switch (token[0]) {
    case 'H':
      return 1;
    case 'L':
      return 0;
    case 'n':
      return kFieldNotApplicable;
    default:
      return kFieldUnknown;
  }
}

static int32_t ReadType(const char* token) {
  struct TypeKeyword {
    const char* keyword;
    int32_t type;
  };
  static const TypeKeyword kKeywords[] = {{"STN", kPanelRecordStn},
                                          {"HR-TFT", kPanelRecordHrTft},
                                          {"K-VRX", kPanelRecordKVrx},
                                          {"TFT", kPanelRecordTft}};
  size_t length = TokenLength(token);
  for (const TypeKeyword& k : kKeywords)
    if (length <= strlen(k.keyword) && strncmp(token, k.keyword, length) == 0) return k.type;
  return kFieldUnknown;
}

// A decimal as "%d" reads it; a token without a number repeats the file's
// previous decimal.
static int32_t ReadDecimal(const char* token, int32_t* lastDecimal) {
  char* end = nullptr;
  errno = 0;
  long value = strtol(token, &end, 10);
  if (end == token) return *lastDecimal;
  if (value > INT32_MAX) value = INT32_MAX;
  if (value < INT32_MIN) value = INT32_MIN;
  *lastDecimal = static_cast<int32_t>(value);
  return *lastDecimal;
}

// HSTART and VSTART may say "n" (stored 0).
static int32_t ReadStart(const char* token, int32_t* lastDecimal) {
  return token[0] == 'n' ? 0 : ReadDecimal(token, lastDecimal);
}

PanelLineResult ParsePanelLine(const char* fields, int32_t* lastDecimal, PanelRecord* record) {
  const char* position = fields + strspn(fields, " ");
  const char* opening = strchr(position, '"');
  if (!opening) return kPanelLineBadName;
  const char* closing = nullptr;
  for (int i = 1; i <= kMaxPanelNameLength + 1 && opening[i] != '\0'; ++i) {
    if (opening[i] == '"') {
      closing = opening + i;
      break;
    }
  }
  if (!closing) return kPanelLineBadName;
  record->SetName(std::string(opening + 1, closing));
  position = closing + 1;
  position += TokenLength(position);

  const char* tokens[kPanelFieldCount] = {};
  for (int field = 1; field < kPanelFieldCount; ++field) {
    position += strspn(position, " ");
    if (*position == '\0') return kPanelLineShort;
    tokens[field] = position;
    position += TokenLength(position);
  }
  record->SetType(ReadType(tokens[1]));
  record->SetWidth(ReadDecimal(tokens[2], lastDecimal));
  record->SetHeight(ReadDecimal(tokens[3], lastDecimal));
  record->SetEl(ReadFlag(tokens[4]));
  record->SetDataWidth(ReadDecimal(tokens[5], lastDecimal));
  record->SetDouble(ReadFlag(tokens[6]));
  record->SetDataFormat(ReadDataFormat(tokens[7]));
  record->SetColor(ReadFlag(tokens[8]));
  record->SetDual(ReadFlag(tokens[9]));
  record->SetPixelClock(ReadDecimal(tokens[10], lastDecimal));
  record->SetHorizTotal(ReadDecimal(tokens[11], lastDecimal));
  record->SetHorizStart(ReadStart(tokens[12], lastDecimal));
  record->SetVertTotal(ReadDecimal(tokens[13], lastDecimal));
  record->SetVertStart(ReadStart(tokens[14], lastDecimal));
  record->SetFplineStart(ReadDecimal(tokens[15], lastDecimal));
  record->SetFplineWidth(ReadDecimal(tokens[16], lastDecimal));
  record->SetFplinePolarity(ReadPolarity(tokens[17]));
  record->SetFpframeStart(ReadDecimal(tokens[18], lastDecimal));
  record->SetFpframeWidth(ReadDecimal(tokens[19], lastDecimal));
  record->SetFpframePolarity(ReadPolarity(tokens[20]));
  record->SetMask(ReadFlag(tokens[21]));
  record->SetHorizNonDisplay(ReadDecimal(tokens[22], lastDecimal));
  record->SetVertNonDisplay(ReadDecimal(tokens[23], lastDecimal));
  return kPanelLineOk;
}
