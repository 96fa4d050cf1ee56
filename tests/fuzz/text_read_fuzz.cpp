// The entry readers ReadDialogNumber and ReadDialogHex, on any entry text,
// and the extension test of file names, on the same text as a name.
//
// Properties, over the first 39 characters (what an entry field holds):
// the number reader succeeds exactly when they hold only digits, blanks and
// points and the digits form a value of 32 bits; its integer is the digits
// read as one decimal number and its fraction that number over 10 to the
// count of digits after the last point. The hexadecimal reader succeeds
// exactly when, after leading blanks, only hexadecimal digits follow and
// their value fits 32 bits, and gives that value. A failed read leaves its
// results untouched. A name ends in an extension exactly when its last
// characters are the extension's, in either case; the same folding decides
// whether names are equal or one starts with another, and upper-cases them.
#include <ctype.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "common/text_read.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The digits as one number, or false beyond 32 bits. Leading zeros are
// dropped first, so that the length alone tells an overflow.
bool DigitsValue(const std::string& digits, int base, uint32_t* value) {
  size_t first = digits.find_first_not_of('0');
  std::string significant = first == std::string::npos ? "0" : digits.substr(first);
  if (significant.size() > (base == 10 ? 10u : 8u)) return false;
  unsigned long long parsed = strtoull(significant.c_str(), nullptr, base);
  if (parsed > UINT32_MAX) return false;
  *value = static_cast<uint32_t>(parsed);
  return true;
}

void CheckNumber(const std::string& entry) {
  std::string digits;
  bool onlyAllowed = true;
  unsigned decimals = 0;
  for (char c : entry) {
    if (IsDigit(c)) {
      digits += c;
      ++decimals;
    } else if (c == '.') {
      decimals = 0;
    } else if (c != ' ') {
      onlyAllowed = false;
    }
  }
  if (entry.find('.') == std::string::npos) decimals = 0;
  uint32_t expected = 0;
  bool fits = DigitsValue(digits, 10, &expected);

  uint32_t integer = 0xA5A5A5A5;
  double fraction = -1.0;
  bool ok = ReadDialogNumber(entry.c_str(), &integer, &fraction);
  FUZZ_CHECK(ok == (onlyAllowed && fits));
  if (!ok) {
    FUZZ_CHECK(integer == 0xA5A5A5A5 && fraction == -1.0);
    return;
  }
  FUZZ_CHECK(integer == expected);
  double wanted = expected / pow(10.0, decimals);
  FUZZ_CHECK(fabs(fraction - wanted) <= wanted * 1e-12);
}

void CheckHex(const std::string& entry) {
  size_t start = entry.find_first_not_of(' ');
  std::string digits = start == std::string::npos ? "" : entry.substr(start);
  bool onlyDigits = true;
  for (char c : digits) onlyDigits = onlyDigits && IsHexDigit(c);
  uint32_t expected = 0;
  bool fits = DigitsValue(digits, 16, &expected);

  uint32_t value = 0xA5A5A5A5;
  bool ok = ReadDialogHex(entry.c_str(), &value);
  FUZZ_CHECK(ok == (onlyDigits && fits));
  FUZZ_CHECK(value == (ok ? expected : 0xA5A5A5A5));
}

// ASCII letters folded, every other byte as it is.
std::string Folded(const std::string& text, int (*fold)(int)) {
  std::string out;
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    out += byte < 128 ? static_cast<char>(fold(byte)) : c;
  }
  return out;
}

// The file-name test that picks a file's form, and the comparisons of names
// (settings, fields, definition files), on the text as a name.
void CheckNames(const std::string& name) {
  const std::string lower = Folded(name, tolower);
  for (const char* known : {".S9", ".IDP", ".LVB", ".exe", ".ELF", "Width", "DEBUG.DEF"}) {
    const std::string other = Folded(known, tolower);
    bool ends = lower.size() >= other.size() &&
                lower.compare(lower.size() - other.size(), other.size(), other) == 0;
    FUZZ_CHECK(EndsWithNoCase(name.c_str(), known) == ends);
    FUZZ_CHECK(EqualsNoCase(name, known) == (lower == other));
    FUZZ_CHECK(StartsWithNoCase(name, known) == (lower.compare(0, other.size(), other) == 0));
  }
  FUZZ_CHECK(UpperCaseAscii(name) == Folded(name, toupper));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, text.find('\0'));
  // The readers see the whole text; what lies past 39 characters is not read.
  const std::string entry = text.substr(0, kMaxEntryText);
  CheckNumber(entry);
  CheckHex(entry);
  CheckNames(text);
  if (text.size() > entry.size()) {
    uint32_t integer = 0, fromEntry = 0;
    double fraction = 0, fractionFromEntry = 0;
    FUZZ_CHECK(ReadDialogNumber(text.c_str(), &integer, &fraction) ==
               ReadDialogNumber(entry.c_str(), &fromEntry, &fractionFromEntry));
    FUZZ_CHECK(integer == fromEntry && fraction == fractionFromEntry);
    FUZZ_CHECK(ReadDialogHex(text.c_str(), &integer) == ReadDialogHex(entry.c_str(), &fromEntry));
    FUZZ_CHECK(integer == fromEntry);
  }
  return 0;
}
