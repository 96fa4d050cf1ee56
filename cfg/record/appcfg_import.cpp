#include "cfg/record/appcfg_import.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <string>

#include "cfg/record/file_io.h"
#include "cfg/record/record.h"
#include "common/hal_struct.h"
#include "common/message.h"
#include "common/register_catalogue.h"

const FlagName kFlagNames[kFlagNameCount] = {
    {"fVALID_LCD", fVALID_LCD},         {"fFIXED_CLKI", fFIXED_CLKI},
    {"fFIXED_CLKI2", fFIXED_CLKI2},     {"fFIXED_DIVMCLK", fFIXED_DIVMCLK},
    {"fFIXED_DIVPCLK", fFIXED_DIVPCLK},
};

namespace {

// Lines are read as the C library reads them into a 1024-byte buffer: a
// longer line arrives in pieces. The line end (LF or CR LF) is removed, so a
// header written on either platform reads the same.
enum { kMaxLineLength = 1023 };

bool ReadLine(FILE* file, char (&line)[kMaxLineLength + 1]) {
  if (!fgets(line, sizeof line, file)) return false;
  size_t length = strlen(line);
  while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r')) line[--length] = 0;
  return true;
}

bool ReadLineContaining(FILE* file, const char* marker, char (&line)[kMaxLineLength + 1]) {
  while (ReadLine(file, line)) {
    if (strstr(line, marker)) return true;
  }
  return false;
}

bool IsIdentifierChar(char c) {
  return isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Whether line names word as a whole word (fFIXED_CLKI2 does not name fFIXED_CLKI).
bool ContainsWord(const char* line, const char* word) {
  size_t length = strlen(word);
  for (const char* at = strstr(line, word); at; at = strstr(at + 1, word)) {
    bool startsWord = at == line || !IsIdentifierChar(at[-1]);
    if (startsWord && !IsIdentifierChar(at[length])) return true;
  }
  return false;
}

uint32_t FlagsNamedOn(const char* line) {
  uint32_t flags = 0;
  for (const FlagName& flag : kFlagNames) {
    if (ContainsWord(line, flag.name)) flags |= flag.bit;
  }
  return flags;
}

bool IsBlank(char c) {
  return c != 0 && isspace(static_cast<unsigned char>(c));
}

const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) ++p;
  return p;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

enum class RegisterLine { kValue, kFinished, kMalformed };

// One line of the register list, "{REG_SYMBOL   ,0xVV},  /* ... */". The
// symbol ends at a blank or a comma; the value is the two hexadecimal digits
// after the first "0x" from the symbol on (more digits are not read). The
// list ends at the end marker's line or at the brace that closes the list: a
// full list of 100 entries is exported without an end marker.
RegisterLine ParseRegisterLine(const char* line, std::string* symbol, unsigned* value) {
  const char* p = SkipBlanks(line);
  if (*p == '}') return RegisterLine::kFinished;
  if (*p) ++p;  // the opening brace
  p = SkipBlanks(p);
  const char* wordEnd = p;
  while (*wordEnd && !IsBlank(*wordEnd) && *wordEnd != ',') ++wordEnd;
  symbol->assign(p, wordEnd);
  if (symbol->find("FINISHED_REG_CFG") != std::string::npos) return RegisterLine::kFinished;

  const char* prefix = p;
  while (*prefix && !(prefix[0] == '0' && (prefix[1] == 'x' || prefix[1] == 'X'))) ++prefix;
  if (!*prefix) return RegisterLine::kMalformed;
  int high = HexDigitValue(prefix[2]);
  int low = high < 0 ? -1 : HexDigitValue(prefix[3]);
  if (low < 0) return RegisterLine::kMalformed;
  *value = static_cast<unsigned>(high * 16 + low);
  return RegisterLine::kValue;
}

std::string FirstWord(const char* line) {
  const char* start = SkipBlanks(line);
  const char* end = start;
  while (*end && !IsBlank(*end)) ++end;
  return std::string(start, end);
}

// A C integer conversion: optional sign, digits, stops at the first other
// character. Wider than 32 bits so that values above 2^31 survive on every
// platform; the field keeps the low 32 bits.
uint32_t ReadDecimal(const std::string& word) {
  return static_cast<uint32_t>(strtoll(word.c_str(), nullptr, 10));
}

// "0x" and then hexadecimal digits up to the first other character.
uint32_t ReadHexAfterPrefix(const std::string& word) {
  uint32_t value = 0;
  for (size_t i = word.size() < 2 ? word.size() : 2; i < word.size(); ++i) {
    int digit = HexDigitValue(word[i]);
    if (digit < 0) break;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value;
}

struct ValueLabel {
  const char* label;
  bool hexadecimal;
  void (*store)(HAL_STRUCT& record, uint32_t value);
};

// Searched in this order; the first label a line contains decides. The bus
// clock is accepted under both the export's label and the older one.
const ValueLabel kValueLabels[] = {
    {"/* ClkI ", false, [](HAL_STRUCT& r, uint32_t v) { r.ClkI = v; }},
    {"/* ClkI2 ", false, [](HAL_STRUCT& r, uint32_t v) { r.ClkI2 = v; }},
    {"/* Bus Clock", false, [](HAL_STRUCT& r, uint32_t v) { r.BusClk = v; }},
    {"/* BCLK (kHz)", false, [](HAL_STRUCT& r, uint32_t v) { r.BusClk = v; }},
    {"/* Registers", true, [](HAL_STRUCT& r, uint32_t v) { r.RegAddr = v; }},
    {"/* Display Memory", true, [](HAL_STRUCT& r, uint32_t v) { r.DispMemAddr = v; }},
    {"/* Time before LCD power Off", false,
     [](HAL_STRUCT& r, uint32_t v) { r.PowerOffDelay = static_cast<uint16_t>(v); }},
    {"/* Time before LCD power On", false,
     [](HAL_STRUCT& r, uint32_t v) { r.PowerOnDelay = static_cast<uint16_t>(v); }},
};

void ApplyValueLine(HAL_STRUCT& loaded, const char* line) {
  for (const ValueLabel& label : kValueLabels) {
    if (!strstr(line, label.label)) continue;
    std::string word = FirstWord(line);
    label.store(loaded, label.hexadecimal ? ReadHexAfterPrefix(word) : ReadDecimal(word));
    return;
  }
}

// Reads the header into the loaded record; false after a reported failure.
bool ImportFromFile(Configuration& config, FILE* file, const std::string& path) {
  char line[kMaxLineLength + 1];
  if (!ReadLineContaining(file, "HAL_STRUCT HalInfo =", line) ||
      !ReadLineContaining(file, HAL_ID_STRING, line)) {
    ShowMessage(kMsgOk | kMsgIconError, "Wrong file format in %s", path.c_str());
    return false;
  }
  config.LoadedRecord.Flags = 0;
  if (!ReadLineContaining(file, "/* Flags */", line)) {
    ShowMessage(kMsgOk | kMsgIconError, "Wrong file format in %s", path.c_str());
    return false;
  }
  config.LoadedRecord.Flags |= FlagsNamedOn(line);
  if (!ReadLineContaining(file, "/* Registers */", line)) {
    ShowMessage(kMsgOk | kMsgIconError, "Wrong file format in %s", path.c_str());
    return false;
  }

  while (ReadLine(file, line)) {
    std::string symbol;
    unsigned value = 0;
    RegisterLine kind = ParseRegisterLine(line, &symbol, &value);
    if (kind == RegisterLine::kFinished) break;
    if (kind == RegisterLine::kMalformed) {
      ShowMessage(kMsgOk | kMsgIconError, "Wrong file format in %s", path.c_str());
      return false;
    }
    // A name outside the catalogue is left alone; one the record's list lacks
    // is reported by SetLoadedRegister and skipped.
    if (const RegisterInfo* info = FindRegisterBySymbol(symbol.c_str())) {
      config.SetLoadedRegister(info->index, value);
    }
  }

  while (ReadLine(file, line)) ApplyValueLine(config.LoadedRecord, line);
  return true;
}

}  // namespace

bool ImportAppcfg(Configuration& config, const char* chosenPath) {
  std::string path;
  if (chosenPath && *chosenPath) {
    path = chosenPath;
  } else {
    std::error_code error;
    path = (std::filesystem::temp_directory_path(error) / "appcfg.h").string();
  }
  // A folder, a FIFO or a device cannot be a header: it is refused before
  // anything can wait on it, where some systems would open it as a file.
  FILE* file = OpenTextFileForReading(path.c_str());
  if (!file) {
    ShowMessage(kMsgOk | kMsgIconError, "Failed to open file %s", path.c_str());
    return false;
  }
  bool imported = ImportFromFile(config, file, path);
  fclose(file);
  if (imported) config.UseLoadedRecord();
  return imported;
}
