#include "common/text_read.h"

#include <ctype.h>
#include <string.h>

bool ReadDialogNumber(const char* text, uint32_t* integer, double* fraction) {
  uint64_t value = 0;
  unsigned decimals = 0;
  bool countingDecimals = false;
  for (int i = 0; i < kMaxEntryText && text[i] != '\0'; ++i) {
    char c = text[i];
    if (c == ' ') continue;
    if (c == '.') {
      countingDecimals = true;
      decimals = 0;
      continue;
    }
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > UINT32_MAX) return false;
    if (countingDecimals) ++decimals;
  }
  double scaled = static_cast<double>(value);
  for (unsigned i = 0; i < decimals; ++i) scaled /= 10.0;
  if (integer) *integer = static_cast<uint32_t>(value);
  if (fraction) *fraction = scaled;
  return true;
}

bool ReadDialogHex(const char* text, uint32_t* value) {
  int i = 0;
  while (i < kMaxEntryText && text[i] == ' ') ++i;
  uint64_t result = 0;
  for (; i < kMaxEntryText && text[i] != '\0'; ++i) {
    int c = static_cast<unsigned char>(text[i]);
    if (!isxdigit(c)) return false;
    int digit = isdigit(c) ? c - '0' : tolower(c) - 'a' + 10;
    result = result * 16 + static_cast<unsigned>(digit);
    if (result > UINT32_MAX) return false;
  }
  if (value) *value = static_cast<uint32_t>(result);
  return true;
}

bool EndsWithNoCase(const char* name, const char* extension) {
  size_t nameLength = strlen(name);
  size_t extensionLength = strlen(extension);
  if (nameLength < extensionLength) return false;
  const char* tail = name + nameLength - extensionLength;
  for (size_t i = 0; i < extensionLength; ++i)
    if (tolower(static_cast<unsigned char>(tail[i])) !=
        tolower(static_cast<unsigned char>(extension[i])))
      return false;
  return true;
}
