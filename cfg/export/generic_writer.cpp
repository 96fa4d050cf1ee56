#include "cfg/export/generic_writer.h"

#include "cfg/export/banner.h"
#include "cfg/export/display_values.h"
#include "cfg/export/export_options.h"
#include "cfg/export/panel_summary.h"
#include "cfg/export/text_format.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "common/register_catalogue.h"

namespace {

// Each piece starts with its line end, so the file ends only with the last.
const char kPaletteMacros[] =
    "\n#define QLC_WRITE_PALETTE(p,i,r,g,b)  \\"
    "\n{  \\"
    "\n    ((volatile QLC_VALUE*)(p))[0x0A/sizeof(QLC_VALUE)] = (QLC_VALUE)(r);  \\"
    "\n    ((volatile QLC_VALUE*)(p))[0x09/sizeof(QLC_VALUE)] = (QLC_VALUE)(g);  \\"
    "\n    ((volatile QLC_VALUE*)(p))[0x08/sizeof(QLC_VALUE)] = (QLC_VALUE)(b);  \\"
    "\n    ((volatile QLC_VALUE*)(p))[0x0B/sizeof(QLC_VALUE)] = (QLC_VALUE)(i);  \\"
    "\n}"
    "\n"
    "\n#define QLC_READ_PALETTE(p,i,r,g,b)  \\"
    "\n{  \\"
    "\n    ((volatile QLC_VALUE*)(p))[0x0F/sizeof(QLC_VALUE)] = (QLC_VALUE)(i);  \\"
    "\n    r = ((volatile QLC_VALUE*)(p))[0x0E/sizeof(QLC_VALUE)];  \\"
    "\n    g = ((volatile QLC_VALUE*)(p))[0x0D/sizeof(QLC_VALUE)];  \\"
    "\n    b = ((volatile QLC_VALUE*)(p))[0x0C/sizeof(QLC_VALUE)];  \\"
    "\n}"
    "\n";

const char kTypes[] =
    "\ntypedef unsigned short QLC_INDEX;"
    "\ntypedef unsigned char  QLC_VALUE;"
    "\n"
    "\ntypedef struct"
    "\n{"
    "\n    QLC_INDEX Index;"
    "\n    QLC_VALUE Value;"
    "\n} QLC_REGS;"
    "\n";

// The note for readers who carry the header to another system.
const char kTransferNote[] =
    "//  PLEASE NOTE: If you FTP this file to a non-Windows platform, make\n"
    "//               sure you transfer this file using ASCII, not BINARY mode.\n"
    "//\n";

// 2^depth colours up to 8 bits per pixel; deeper modes use the 256-entry LUT.
int PaletteSize(unsigned depth) {
  return depth <= 8 ? 1 << depth : 256;
}

}  // namespace

std::string GenericHeaderText(const Configuration& config) {
  std::string text;
  AppendDashedBanner(text, "QLC56420CFG.EXE", kTransferNote);
  AppendFormat(text, "\n// %s", PanelSummary(config).c_str());
  text += "\n";

  uint32_t width = 0;
  uint32_t height = 0;
  GetRotatedDisplaySize(config, &width, &height);
  unsigned depth = GetColourDepthBits(config);
  const HAL_STRUCT& record = config.WorkingRecord;
  AppendFormat(text, "\n#define QLC_DISPLAY_WIDTH           %d", static_cast<int>(width));
  AppendFormat(text, "\n#define QLC_DISPLAY_HEIGHT          %d", static_cast<int>(height));
  AppendFormat(text, "\n#define QLC_DISPLAY_BPP             %d", static_cast<int>(depth));
  AppendFormat(text, "\n#define QLC_DISPLAY_SCANLINE_BYTES  %d",
               static_cast<int>(GetLineStrideBytes(config)));
  AppendFormat(text, "\n#define QLC_PHYSICAL_VMEM_ADDR      0x%08xL", record.DispMemAddr);
  text += "\n#define QLC_PHYSICAL_VMEM_SIZE      0x14000L";
  AppendFormat(text, "\n#define QLC_PHYSICAL_REG_ADDR       0x%08xL", record.RegAddr);
  text += "\n#define QLC_PHYSICAL_REG_SIZE       0x100";
  AppendFormat(text, "\n#define QLC_DISPLAY_PCLK            %d",
               static_cast<int>(GetPixelClock(config)));
  AppendFormat(text, "\n#define QLC_PALETTE_SIZE            %d", PaletteSize(depth));
  AppendFormat(text, "\n#define QLC_FRAME_RATE              %d", record.FrameRate);
  AppendFormat(text, "\n#define QLC_POWER_DELAY_ON          %d", record.PowerOnDelay);
  AppendFormat(text, "\n#define QLC_POWER_DELAY_OFF         %d", record.PowerOffDelay);
  if (config.Export.softwareBlitEmulation == 1) text += "\n#define QLC_SWBLT";
  if (config.Export.softwareCursor == 1) text += "\n#define QLC_SW_CURSOR";
  text += "\n#define QLC_REGDELAYOFF             0xFFFE";
  text += "\n#define QLC_REGDELAYON              0xFFFF";
  text += "\n";
  text += kPaletteMacros;
  text += kTypes;
  text += "\nstatic QLC_REGS aQLCRegs[] = ";
  text += "\n{";
  int count = RegisterListLength(record);
  for (int i = 0; i < count; ++i) {
    const REG_CFG& entry = record.Regs[i];
    AppendFormat(text, "\n    {0x%02X,0x%02X},   // %s", static_cast<unsigned>(entry.Index),
                 RegisterEntryValue(entry), RegisterDescription(entry.Index));
  }
  text += "\n};\n\n";
  return text;
}
