// File names between the program's narrow strings, in the active code page
// (UTF-8 where the program's manifest is honoured), and the system's wide
// characters. Windows only.
#ifndef QLC_CFG_RECORD_WIDE_NAMES_H
#define QLC_CFG_RECORD_WIDE_NAMES_H

#include <string>

std::wstring WideFileName(const std::string& name);
std::string NarrowFileName(const std::wstring& name);

#endif
