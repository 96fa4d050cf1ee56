#include "preview/preview_reasons.h"

#include <stdio.h>

namespace {

std::string Megahertz(uint32_t kHz) {
  char text[24];
  snprintf(text, sizeof text, "%u.%03u MHz", static_cast<unsigned>(kHz / 1000),
           static_cast<unsigned>(kHz % 1000));
  return text;
}

std::string Hex(unsigned value, int digits) {
  char text[16];
  snprintf(text, sizeof text, "%0*Xh", digits, value);
  return text;
}

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

}  // namespace

std::string PictureCannotOpenReason(const std::string& path) {
  return "The picture " + Quoted(path) + " cannot be opened.";
}

std::string NotABitmapReason(const std::string& path) {
  return Quoted(path) + " is not a bitmap that can be shown (1, 4, 8, 16 or 24 bits per pixel).";
}

std::string BoardReason(int halCode) {
  return "The HAL could not start the board (code " + std::to_string(halCode) + ").";
}

std::string WidthRegisterReason(unsigned value) {
  return "The panel width register REG[14h] holds " + Hex(value, 2) +
         ": more than the chip's 1024 pixels.";
}

std::string HeightRegistersReason(unsigned value) {
  return "The panel height registers REG[1Ch]/REG[1Dh] hold " + Hex(value, 4) +
         ": a height of 0 or more than the chip's 1024 lines.";
}

std::string NotLcdReason() {
  return "The record is not configured for an LCD (fVALID_LCD is not set).";
}

std::string MemoryReason(uint32_t bytesNeeded, uint32_t bytesThere) {
  if (bytesNeeded == 0)
    return "The main window's line offset REG[78h]/REG[79h] is 0: no display memory is laid out "
           "for it.";
  return "Not enough display memory: the main window needs " + std::to_string(bytesNeeded) +
         " bytes, the chip has " + std::to_string(bytesThere) + ".";
}

std::string ClocksReason(uint32_t memoryClockKhz, uint32_t pixelClockKhz, unsigned depth,
                         unsigned rotation) {
  return "The memory clock (" + Megahertz(memoryClockKhz) + ") is too slow for the pixel clock (" +
         Megahertz(pixelClockKhz) + ") at " + std::to_string(depth) + " bpp, " +
         std::to_string(rotation * 90) + " degrees.";
}

std::string ClockNotInTableNote(const char* input, uint32_t kHz) {
  return std::string(input) + " of " + Megahertz(kHz) +
         " is not in the synthesizer's table: an external oscillator is assumed.";
}
