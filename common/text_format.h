// printf-style text into strings, without a length limit.
#ifndef QLC_COMMON_TEXT_FORMAT_H
#define QLC_COMMON_TEXT_FORMAT_H

#include <stdarg.h>

#include <string>

// Appends the formatted text to out.
void AppendFormat(std::string& out, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// The formatted text.
std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The same from an argument list, for functions that take a format.
std::string FormatTextList(const char* format, va_list arguments);

#endif
