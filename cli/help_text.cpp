#include "cli/help_text.h"

const char kVersionText[] = "qlccfg 1.0 - QLC56420 configuration on the command line\n";

namespace {

const char kOverview[] =
    "Usage: qlccfg COMMAND [ARGUMENTS] [OPTIONS]\n"
    "\n"
    "Reads and writes the HAL_STRUCT configuration record of QLC56420 programs\n"
    "(Windows executables, ELF images, Motorola S-record files).\n"
    "\n"
    "Commands:\n"
    "  show FILE [--json]                    print the record\n"
    "  set FILE NAME=VALUE... [-o OUT]       change registers, fields, panel settings\n"
    "  panels [--def FILE]                   list the predefined panels\n"
    "  apply-panel FILE NAME [--def FILE] [-o OUT] [--keep-pixel-clock]\n"
    "                                        apply a predefined panel and save\n"
    "  check FILE                            check the timing rules and video memory\n"
    "  export KIND FILE [-o OUT] [--mode N] [--sw-cursor] [--sw-blit]\n"
    "                                        write appcfg, chip, mode, generic, csv,\n"
    "                                        dts, modeline or paneldef\n"
    "  import FILE HEADER [-o OUT]           take an appcfg.h's values and save\n"
    "  configure SOURCE TARGET... [--preserve-addresses]\n"
    "                                        write SOURCE's record into every TARGET\n"
    "  preview FILE [PICTURE.bmp] -o OUT.png\n"
    "                                        write what the panel shows as a PNG\n"
    "  diff A B [--json]                     the differences between two records\n"
    "  timing FILE [--json] [--svg OUT]      print the panel timing in datasheet terms\n"
    "  import-timing FILE SOURCE [-o OUT] [--type stn|tft|hr-tft|k-vrx]\n"
    "                                        take a device tree's or modeline's timing\n"
    "\n"
    "Options of every command that reads a file:\n"
    "  --format binary|srec   the file's form; by default \".S9\", \".IDP\", \".LVB\" are\n"
    "                         S-record and \".exe\", \".ELF\" binary; other names are\n"
    "                         S-record when the text starts with \"S\" and a digit,\n"
    "                         else binary\n"
    "\n"
    "  qlccfg COMMAND --help  help on one command\n"
    "  qlccfg --version       the program's version\n"
    "\n"
    "Exit codes: 0 success, 1 a failure reported on standard error, 2 a usage error.\n";

struct CommandHelp {
  const char* topic;
  const char* text;
};

const CommandHelp kCommandHelp[] = {
    {"show",
     "Usage: qlccfg show FILE [--json] [--format binary|srec]\n"
     "\n"
     "Prints the record of a configurable file: the panel summary line, the flags,\n"
     "ClkI, ClkI2, BusClk (kHz), RegAddr, DispMemAddr, FrameRate, PowerOffDelay,\n"
     "PowerOnDelay and the register list in list order.\n"
     "  --json   the same as one JSON object\n"},
    {"set",
     "Usage: qlccfg set FILE NAME=VALUE... [-o OUT] [--format binary|srec]\n"
     "\n"
     "Changes the record and saves it into FILE, or into a copy OUT of FILE.\n"
     "Values are decimal, or hexadecimal with 0x or a trailing h; anything else\n"
     "is refused.\n"
     "  REG_SYMBOL=V, 14h=V, 0x14=V   a register of the record's list (0 to 255)\n"
     "  ClkI, ClkI2, BusClk (kHz), RegAddr, DispMemAddr, PowerOffDelay,\n"
     "  PowerOnDelay (ms), Flags (a number or names joined by |)\n"
     "  Width, Height, HorizTotal, VertTotal, HorizStart, VertStart, FplineStart,\n"
     "  FplineWidth, FpframeStart, FpframeWidth, FrameRate (Hz),\n"
     "  PixelClock (a pixel clock entry such as \"6.250   (50.000/8)\"),\n"
     "  Rotation (0, 90, 180, 270), Bpp (1, 2, 4, 8, 16),\n"
     "  PanelType (STN, TFT, HR-TFT, K-VRX; sets the type's default polarities),\n"
     "  FplinePolarity, FpframePolarity (high, low),\n"
     "  ActiveResolution (160x160 or 160x240, 320x240; HR-TFT and K-VRX)\n"
     "                                go through the panel entry rules\n"
     "FrameRate must be a rate the Panel page lists. Panel settings end as leaving\n"
     "the Panel page does (its checks and warnings). RegAddr and DispMemAddr are\n"
     "both 0 or both non-zero.\n"
     "Assignments are applied in order; when one is refused nothing is written.\n"},
    {"panels",
     "Usage: qlccfg panels [--def FILE]\n"
     "\n"
     "Lists the predefined panels of DEBUG.DEF or PANELS.DEF beside the program\n"
     "(installed: in ../share/qlc56420 from the program's folder), or of FILE;\n"
     "rejected panels are marked with their reason.\n"},
    {"apply-panel",
     "Usage: qlccfg apply-panel FILE NAME [--def FILE] [-o OUT] [--keep-pixel-clock]\n"
     "                         [--format binary|srec]\n"
     "\n"
     "Applies the predefined panel NAME (or its number in `qlccfg panels`) as\n"
     "choosing it on the Panel page and leaving the page do, then saves into FILE\n"
     "or a copy OUT. When the clock settings cannot give the panel's pixel clock\n"
     "nothing is written and the exit code is 1.\n"
     "  --keep-pixel-clock   apply such a panel anyway, keeping the current pixel clock\n"},
    {"check",
     "Usage: qlccfg check FILE [--format binary|srec]\n"
     "\n"
     "Checks the memory-clock rule, the display-period rule, the non-display rule\n"
     "and the video memory; prints each failure and exits with 1 when any fails.\n"},
    {"export",
     "Usage: qlccfg export KIND FILE [-o OUT] [--mode N] [--sw-cursor] [--sw-blit]\n"
     "                    [--format binary|srec]\n"
     "\n"
     "Writes FILE's configuration as appcfg.h (appcfg), chip.h (chip), mode%d.h\n"
     "(mode), qlc56420.h (generic) or 56420regs.csv (csv), or its panel timing as\n"
     "a device-tree panel-timing node panel-timing.dtsi (dts), an X modeline\n"
     "modeline.txt (modeline) or a PANEL line for PANELS.DEF panel.def (paneldef).\n"
     "Without -o the file gets that name in the current folder; -o - writes to\n"
     "standard output. A timing whose sync runs into the display period has no\n"
     "porches: dts and modeline refuse it.\n"
     "  --mode N      mode number 0 to 1000 (mode)\n"
     "  --sw-cursor   software cursor (mode, generic)\n"
     "  --sw-blit     software blit emulation (mode, generic)\n"},
    {"import",
     "Usage: qlccfg import FILE HEADER [-o OUT] [--format binary|srec]\n"
     "\n"
     "Takes the flags, register values, clocks, addresses and power delays of the\n"
     "appcfg.h HEADER into FILE's record and saves it into FILE or a copy OUT.\n"},
    {"configure",
     "Usage: qlccfg configure SOURCE TARGET... [--preserve-addresses]\n"
     "                       [--format binary|srec]\n"
     "\n"
     "Writes SOURCE's record into every TARGET. A failing target is reported and\n"
     "the others are still written; the exit code is 1 when any failed.\n"
     "  --preserve-addresses   every TARGET keeps its own RegAddr and DispMemAddr\n"},
    {"preview",
     "Usage: qlccfg preview FILE [PICTURE.bmp] -o OUT.png [--format binary|srec]\n"
     "\n"
     "Writes what the panel shows for FILE's record (a configurable file or an\n"
     "appcfg.h) as a PNG of the panel's size: the chip programmed from the record\n"
     "on the virtual board, PICTURE.bmp shown in the main window as 56420BMP shows\n"
     "it (with the record's rotation, as with /r90, /r180, /r270), or without a\n"
     "picture a test card at the record's colour depth. When the chip cannot show\n"
     "the record (not enough display memory, clocks too slow for the pixel clock,\n"
     "a panel size beyond the chip's) the reason is printed, nothing is written\n"
     "and the exit code is 1.\n"},
    {"diff",
     "Usage: qlccfg diff A B [--json] [--format binary|srec]\n"
     "\n"
     "Prints the differences between the records of A and B (configurable files\n"
     "or appcfg.h headers): each differing field (Flags, ClkI, ..., GcpData bytes)\n"
     "as \"NAME: A -> B\", each differing register as \"REG[14h] REG_HDP: 27h -> 4Fh\"\n"
     "(\"(not listed)\" when one list lacks it), and when the panel differs the two\n"
     "panel summary lines after \"<\" and \">\". An appcfg.h is read over the other\n"
     "file's record, so only what it carries can differ.\n"
     "  --json   the same as a list of objects\n"
     "Exit codes as diff's: 0 the same (nothing printed), 1 different, 2 trouble.\n"},
    {"timing",
     "Usage: qlccfg timing FILE [--json] [--svg OUT] [--format binary|srec]\n"
     "\n"
     "Prints the panel timing of FILE's record as a datasheet gives it: active\n"
     "period, front porch, sync length, back porch, total and sync polarity of a\n"
     "line (pixels) and of a frame (lines), the pixel clock (MHz), the line\n"
     "frequency (kHz), the frame rate (Hz), the panel type, data width, colour,\n"
     "rotation, depth, and the video memory needed against the installed.\n"
     "  --json      the same as one JSON object with the device-tree binding's names\n"
     "              (clock-frequency in Hz, hactive, hfront-porch, ...)\n"
     "  --svg OUT   also draw the timing diagram of one line and one frame into OUT\n"},
    {"import-timing",
     "Usage: qlccfg import-timing FILE SOURCE [-o OUT] [--type stn|tft|hr-tft|k-vrx]\n"
     "                           [--format binary|srec]\n"
     "\n"
     "Takes a panel's timing from SOURCE, a device-tree source with a panel-timing\n"
     "node (or a display-timings node and its native mode) or a text with one X\n"
     "modeline (as cvt and gtf print it), and sets it on the Panel page's entries\n"
     "as a user would, then saves into FILE or a copy OUT. The pixel clock becomes\n"
     "the nearest the clock settings give; the difference is printed in percent.\n"
     "Sync polarities the source does not give are the type's defaults. When a\n"
     "value is refused nothing is written and the exit code is 1.\n"
     "  --type T   the panel type to set (default: the record's type)\n"},
};

}  // namespace

std::string HelpText(const std::string& topic) {
  for (const CommandHelp& help : kCommandHelp)
    if (topic == help.topic) return help.text;
  return kOverview;
}
