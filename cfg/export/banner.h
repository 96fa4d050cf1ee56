// The dashed banner that opens chip.h, the mode headers and qlc56420.h.
#ifndef QLC_CFG_EXPORT_BANNER_H
#define QLC_CFG_EXPORT_BANNER_H

#include <string>

// The banner names program; note (whole comment lines, "" for none) stands
// before the closing dashed line.
void AppendDashedBanner(std::string& text, const char* program = "56420CFG.EXE",
                        const char* note = "");

#endif
