// The texts of the reasons a preview cannot be shown and of its notes.
#ifndef QLC_PREVIEW_PREVIEW_REASONS_H
#define QLC_PREVIEW_PREVIEW_REASONS_H

#include <stdint.h>

#include <string>

std::string PictureCannotOpenReason(const std::string& path);
std::string NotABitmapReason(const std::string& path);
std::string BoardReason(int halCode);
std::string WidthRegisterReason(unsigned value);
std::string HeightRegistersReason(unsigned value);
std::string NotLcdReason();
// A main window of 0 bytes (a line offset of 0) is refused by the HAL too.
std::string MemoryReason(uint32_t bytesNeeded, uint32_t bytesThere);
std::string ClocksReason(uint32_t memoryClockKhz, uint32_t pixelClockKhz, unsigned depth,
                         unsigned rotation);
std::string ClockNotInTableNote(const char* input, uint32_t kHz);

#endif
