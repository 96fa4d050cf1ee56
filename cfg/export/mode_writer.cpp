#include "cfg/export/mode_writer.h"

#include "cfg/export/banner.h"
#include "cfg/export/display_values.h"
#include "cfg/export/export_options.h"
#include "cfg/export/panel_summary.h"
#include "cfg/export/text_format.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "common/register_catalogue.h"

namespace {

struct DepthName {
  unsigned bits;
  const char* name;
};

// Depth codes 5 to 7 count as 16 bits per pixel (ColourDepthBitsOfCode), so
// every code has a name here.
const DepthName kDepthNames[] = {
    {1, "gpe1Bpp"}, {2, "gpe2Bpp"}, {4, "gpe4Bpp"}, {8, "gpe8Bpp"}, {16, "gpe16Bpp"},
};

const char* DepthNameOf(unsigned bits) {
  for (const DepthName& depth : kDepthNames) {
    if (depth.bits == bits) return depth.name;
  }
  return kDepthNames[4].name;
}

const char* const kRotationFlags[4] = {"", " | mfR90", " | mfR180", " | mfR270"};

std::string FlagsText(const Configuration& config, unsigned rotation) {
  std::string flags = "0L";
  if (config.Export.softwareCursor == 1) flags += " | mfSWCURSOR";
  if (config.Export.softwareBlitEmulation == 1) flags += " | mfSWEMUL";
  flags += " | mfLCD";
  flags += kRotationFlags[rotation & 3];
  return flags;
}

}  // namespace

std::string ModeHeaderText(const Configuration& config) {
  const HAL_STRUCT& record = config.WorkingRecord;
  int mode = config.Export.modeNumber;
  uint32_t width = 0;
  uint32_t height = 0;
  GetRotatedDisplaySize(config, &width, &height);
  unsigned depth = GetColourDepthBits(config);
  uint32_t stride = GetLineStrideBytes(config);
  uint32_t virtualWidth = stride * 8 / depth;
  unsigned rotation = config.GetRegister(REG_SPECIAL_EFFECTS) & 3;
  int w = static_cast<int>(width);
  int h = static_cast<int>(height);
  int d = static_cast<int>(depth);
  int rate = record.FrameRate;

  std::string text;
  AppendDashedBanner(text);
  text += "\n";
  AppendFormat(text, "\n#ifndef __MODE%d_H__", mode);
  AppendFormat(text, "\n#define __MODE%d_H__", mode);
  text += "\n";
  text += "    {\n";
  text += "        {\n";
  AppendFormat(text, "        %d, %d, %d, %d, %d, %s,     //mode #%d: %d x %d %dBpp %dHz\n", mode,
               w, h, d, rate, DepthNameOf(depth), mode, w, h, d, rate);
  text += "        0x0100,        //Version 1.00\n";
  AppendFormat(text, "        %-4d,          //VirtualWidth\n", static_cast<int>(virtualWidth));
  AppendFormat(text, "        %-4d,          //VirtualStride\n", static_cast<int>(stride));
  text += "        256,           //PaletteSize\n";
  AppendFormat(text, "        0x%08xL,   //PhysicalVmemAddr\n", record.DispMemAddr);
  text += "        0x14000L,      //PhysicalVmemSize\n";
  AppendFormat(text, "        0x%08xL,   //PhysicalPortAddr\n", record.RegAddr);
  text += "        0x100,         //PhysicalPortSize\n";
  AppendFormat(text, "        %s,           //Flags\n", FlagsText(config, rotation).c_str());
  AppendFormat(text, "        %-5d,         //CLKI\n", static_cast<int>(record.ClkI));
  AppendFormat(text, "        %-5d,         //CLKI2\n", static_cast<int>(record.ClkI2));
  AppendFormat(text, "        %-5d,         //LCDPowerOffTime in mili-second\n",
               record.PowerOffDelay);
  AppendFormat(text, "        %-5d,         //LCDPowerOnTime in mili-second\n",
               record.PowerOnDelay);
  text += "                       //DummyBytes[]\n";
  text += "        },\n";
  AppendGcpBlock(text, "        ");
  text += "        {\n";
  AppendFormat(text, "        // %s\n", PanelSummary(config).c_str());
  text += "\n";
  int count = RegisterListLength(record);
  for (int i = 0; i < count; ++i) {
    const REG_CFG& entry = record.Regs[i];
    AppendFormat(text, "        0x%04x,0x%02x,   // %s \n", static_cast<unsigned>(entry.Index),
                 RegisterEntryValue(entry), RegisterDescription(entry.Index));
  }
  text += "        0xFFFF,0x00\n";
  text += "        }\n";
  text += "    },\n\n";
  AppendFormat(text, "#undef  Vantor%dBpp\n", d);
  AppendFormat(text, "#define Vantor%dBpp\n", d);
  AppendFormat(text, "\n#endif // __MODE%d_H__\n", mode);
  return text;
}
