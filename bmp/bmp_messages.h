// The texts the bitmap demonstration program prints.
#ifndef QLC_BMP_BMP_MESSAGES_H
#define QLC_BMP_BMP_MESSAGES_H

#define BMP_PROGRAM_VERSION "1.02"

enum { kUsageLineCount = 15, kRotationCount = 4 };

extern const char* const kUsageLines[kUsageLineCount];
extern const char kSurfaceTable[];
extern const char kBannerFormat[];
extern const char kProgramDescription[];
// Mode names by rotation: for error messages and for the mode report.
extern const char* const kModeNames[kRotationCount];
extern const char* const kModeReportNames[kRotationCount];

extern const char kMsgInvalidDs[];
extern const char kMsgNoChip[];
extern const char kMsgNoDriver[];
extern const char kMsgNoBridge[];
extern const char kMsgCannotMap[];
extern const char kMsgClkINotInTable[];
extern const char kMsgClkI2NotInTable[];
extern const char kMsgNoBufferMemory[];
extern const char kMsgClocksFormat[];
extern const char kMsgNoModeMemoryFormat[];
extern const char kMsgNotLcd1[];
extern const char kMsgNotLcd2[];
extern const char kMsgDepthFormat[];
extern const char kMsgDepthMemory[];
extern const char kMsgRotationNotChanged[];
extern const char kMsgDepthsDiffer[];
extern const char kMsgDepthsDifferFormat[];
extern const char kMsgLutsDifferFormat[];
extern const char kMsgLutUsedFormat[];
extern const char kMsgOpenFailedFormat[];
extern const char kMsgNotBitmapFormat[];
extern const char kMsgImageSizeFormat[];
extern const char kMsgCompression[];
extern const char kMsgSubWindowNoBuffer[];
extern const char kMsgCannotMove[];

#endif
