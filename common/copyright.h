// The maker's notice printed into the banner of every generated file.
#ifndef QLC_COMMON_COPYRIGHT_H
#define QLC_COMMON_COPYRIGHT_H

enum { kCopyrightLineCount = 2 };
extern const char* const kCopyrightLines[kCopyrightLineCount];

#endif
