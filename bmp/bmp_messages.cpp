#include "bmp/bmp_messages.h"

const char* const kUsageLines[kUsageLineCount] = {
    // One entry of two lines (the parentheses say the joining is meant).
    ("Usage:   56420BMP bmpfile1 [bmpfile2] [ds=n | ds=?] [move=n]\n"
     "         [/noinit] [/r90 | /r180 | r270] [/v] [/?]\n"),
    "   bmpfile1    BMP image used for the main window\n",
    "   bmpfile2    BMP image used for the sub-window\n",
    "                 If bmpfile2 not given, bmpfile1 is used for the sub-window.\n",
    "   ds=n        select predefined display surfaces\n",
    "   ds=?        show available display surfaces\n",
    "   move=n      automatically move sub-window for n seconds\n",
    "               (to move forever, use move=-1)\n",
    "   /noinit     skips register initialization\n",
    "   /r90        Rotara 90 degree rotation  (for LCD)\n",
    "   /r180       Rotara 180 degree rotation (for LCD)\n",
    "   /r270       Rotara 270 degree rotation (for LCD)\n",
    "   /v          verbose mode\n",
    "   /?          display help message\n",
    "Command line arguments in [] are optional.\n",
};

const char kSurfaceTable[] =
    "\n   ds=   |  Surface 0       Surface 1\n"
    "--------------------------------------\n"
    "    0    | MAIN WINDOW         ---\n"
    "    1    | MAIN&SUB-WINDOW     ---\n"
    "    2    | MAIN WINDOW      SUB-WINDOW\n";

const char kBannerFormat[] = "\n56420BMP.EXE Version %s  [HAL %s%s%s]\n";
const char kProgramDescription[] = "Bitmap demonstration for the QLC56420 LCD controller.\n";

const char* const kModeNames[kRotationCount] = {"landscape", "Rotara 90", "Rotara 180",
                                                "Rotara 270"};
const char* const kModeReportNames[kRotationCount] = {"LANDSCAPE", "ROTARA 90 DEGREES",
                                                      "ROTARA 180 DEGREES", "ROTARA 270 DEGREES"};

const char kMsgInvalidDs[] = "\nERROR: Invalid number for ds= option.\n";
const char kMsgNoChip[] = "ERROR: Could not detect QLC56420.\n";
const char kMsgNoDriver[] = "ERROR: PCI driver not found.\n";
const char kMsgNoBridge[] = "ERROR: PCI bridge adapter not found.\n";
const char kMsgCannotMap[] =
    "ERROR: Could not map memory from evaluation board to host platform.\n";
const char kMsgClkINotInTable[] =
    "WARNING: CLKI frequency not in HAL table.\n"
    "         Program assumes that external oscillator is used.\n";
const char kMsgClkI2NotInTable[] =
    "WARNING: CLKI2 frequency not in HAL table.\n"
    "         Program assumes that external oscillator is used.\n";
const char kMsgNoBufferMemory[] = "\nERROR: Not enough display buffer memory.\n";
const char kMsgClocksFormat[] = "\nERROR: Clocks not configured for %s mode.\n";
const char kMsgNoModeMemoryFormat[] = "ERROR: Not enough memory for %s mode.\n";
const char kMsgNotLcd1[] = "\nERROR: Program not configured for LCD.";
const char kMsgNotLcd2[] = "\n       Run 56420CFG and configure for LCD.\n";
const char kMsgDepthFormat[] = "\nERROR: Could not change to %d bits-per-pixel.\n";
const char kMsgDepthMemory[] = "       Check if there is sufficient memory for image(s).\n";
const char kMsgRotationNotChanged[] = "WARNING: Could not change Rotara mode.\n";
const char kMsgDepthsDiffer[] =
    "ERROR: bmpfile1 and bmpfile2 must have the same bits-per-pixel mode.\n";
const char kMsgDepthsDifferFormat[] = "       %s has %d bpp, and %s has %d bpp.\n";
const char kMsgLutsDifferFormat[] = "WARNING: %s and %s use different Look-Up Tables (LUT).\n";
const char kMsgLutUsedFormat[] = "         The LUT from %s will be used for both files.\n";
const char kMsgOpenFailedFormat[] = "\nERROR: Failed to open BMP file:'%s'\n";
const char kMsgNotBitmapFormat[] = "\nERROR: '%s' is not a valid bitmap file.\n";
const char kMsgImageSizeFormat[] = "Image Size:    %d x %d x %d bits-per-pixel\n";
const char kMsgCompression[] = "Compression:   ";
const char kMsgSubWindowNoBuffer[] =
    "WARNING: The sub-window has no buffer (/noinit); '%s' is not drawn.\n";
const char kMsgCannotMove[] = "WARNING: The sub-window fills the display; it cannot be moved.\n";
