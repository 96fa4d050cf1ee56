// The dashed banner that opens chip.h and the mode headers.
#ifndef QLC_CFG_EXPORT_BANNER_H
#define QLC_CFG_EXPORT_BANNER_H

#include <string>

extern const char kDashedCommentLine[];  // "//----...", without line end

void AppendDashedBanner(std::string& text);

#endif
