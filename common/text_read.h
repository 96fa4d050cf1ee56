// Readers for what the user types into entry fields, and the file-name test.
#ifndef QLC_COMMON_TEXT_READ_H
#define QLC_COMMON_TEXT_READ_H

#include <stdint.h>

#include <string>
#include <string_view>

// Entry fields hold at most this many characters; longer text is cut.
enum { kMaxEntryText = 39 };

// Unsigned decimal with optional decimals: blanks ignored, "." starts counting
// decimals (again at each "."), anything else fails; empty text is 0. integer
// gets all digits with the point ignored ("1.5" gives 15), fraction gets
// integer / 10^decimals. A value beyond 32 bits fails rather than wrapping.
bool ReadDialogNumber(const char* text, uint32_t* integer, double* fraction);

// Unsigned 32-bit hexadecimal: leading blanks skipped, then only hex digits;
// empty text is 0. A value beyond 32 bits fails rather than wrapping.
bool ReadDialogHex(const char* text, uint32_t* value);

// Comparisons of names without regard to case. Only the ASCII letters fold,
// whatever the locale, so a name matches the same on every host.

// Whether name ends with extension.
bool EndsWithNoCase(const char* name, const char* extension);
// Whether a and b are the same name.
bool EqualsNoCase(std::string_view a, std::string_view b);
// Whether text starts with prefix.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// text with its ASCII letters in upper case.
std::string UpperCaseAscii(std::string text);

#endif
