#include "preview/preview_reasons.h"

#include <stdarg.h>
#include <stdio.h>

namespace {

std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

std::string Format(const char* format, ...) {
  char text[512];
  va_list arguments;
  va_start(arguments, format);
  vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  return text;
}

std::string Megahertz(uint32_t kHz) {
  return Format("%u.%03u MHz", kHz / 1000, kHz % 1000);
}

}  // namespace

std::string PictureCannotOpenReason(const std::string& path) {
  return Format("The picture \"%s\" cannot be opened.", path.c_str());
}

std::string NotABitmapReason(const std::string& path) {
  return Format("\"%s\" is not a bitmap that can be shown (1, 4, 8, 16 or 24 bits per pixel).",
                path.c_str());
}

std::string BoardReason(int halCode) {
  return Format("The HAL could not start the board (code %d).", halCode);
}

std::string WidthRegisterReason(unsigned value) {
  return Format("The panel width register REG[14h] holds %02Xh: more than the chip's 1024 pixels.",
                value);
}

std::string HeightRegistersReason(unsigned value) {
  return Format(
      "The panel height registers REG[1Ch]/REG[1Dh] hold %04Xh: a height of 0 or more than the "
      "chip's 1024 lines.",
      value);
}

std::string NotLcdReason() {
  return "The record is not configured for an LCD (fVALID_LCD is not set).";
}

std::string MemoryReason(uint32_t bytesNeeded, uint32_t bytesThere) {
  return Format("Not enough display memory: the main window needs %u bytes, the chip has %u.",
                bytesNeeded, bytesThere);
}

std::string ClocksReason(uint32_t memoryClockKhz, uint32_t pixelClockKhz, unsigned depth,
                         unsigned rotation) {
  return Format("The memory clock (%s) is too slow for the pixel clock (%s) at %u bpp, %u degrees.",
                Megahertz(memoryClockKhz).c_str(), Megahertz(pixelClockKhz).c_str(), depth,
                rotation * 90);
}

std::string ClockNotInTableNote(const char* input, uint32_t kHz) {
  return Format("%s of %s is not in the synthesizer's table: an external oscillator is assumed.",
                input, Megahertz(kHz).c_str());
}
