#include "cfg/ui/tooltip_texts.h"

#include "cfg/ui/resource.h"

namespace {

const char kColorDepth[] = "Selects initial color depth for panels.\n   REG[70h]";
const char kResolution[] = "Select Active Resolution for K-VRXs and HR-TFT Panels.\n   REG[10h]";
const char kDataWidth[] = "Panel Data Width Size.\n   REG[10h]";
const char kFplinePolarity[] = "LCD FPLINE Polarity Select.\n   REG[20h]";
const char kFpframePolarity[] = "LCD FPFRAME Polarity Select.\n   REG[24h]";
const char kHorizTotal[] = "Panel horizontal total (in 8 pixel increments).\n   REG[12h]";
const char kVertTotal[] = "Panel vertical total in lines.\n   REG[18h] and REG[19h]";
const char kHorizStart[] =
    "Panel horizontal display start position (in 1 pixel increment).\n   REG[16h] and REG[17h]";
const char kVertStart[] =
    "Panel vertical display start position (in 1 pixel increment).\n   REG[1Eh] and REG[1Fh]";
const char kFplineStart[] =
    "Delay (in 8 pixel increments), from the start of the horizontal non-display period to the "
    "leading edge of the FPLINE pulse.\n   REG[22h] and REG[23h]";
const char kFplineWidth[] =
    "Pulse width (in 8 pixel increments) of the FPLINE output signal.\n   REG[20h]";
const char kFpframeStart[] =
    "Delay in lines from the start of the vertical non-display period to the leading edge of the "
    "FPFRAME pulse.\n   REG[26h] and REG[27h]";
const char kFpframeWidth[] = "Pulse width of the FPFRAME output signal in lines.\n   REG[24h]";

}  // namespace

const TooltipText kTooltipTexts[] = {
    // General page.
    {IDC_GENERAL_EVALUATION_BOARD,
     "Physical addresses of QLC56420 automatically assigned by the system."},
    {IDC_GENERAL_USER_DEFINED, "Allows manual entry of physical addresses."},
    {IDC_GENERAL_IDP68000, "Selects physical addresses for Motorola IDP 68000 platform."},
    {IDC_GENERAL_IDP68032, "Selects physical addresses for Motorola IDP 68030 platform."},
    {IDC_GENERAL_DSP56654,
     "Selects physical addresses for Motorola DSP56654 (\"RedCap\") platform."},
    {IDC_GENERAL_SH3_LCEVB, "Selects physical addresses for Hitachi SH-3 LCEVB platform."},
    {IDC_GENERAL_REGISTER_ADDRESS, "Physical address of QLC56420 memory mapped registers."},
    {IDC_GENERAL_DISPLAY_BUFFER_ADDRESS, "Physical address of QLC56420 video buffer."},

    // Preference page.
    {IDC_PREFERENCE_ROTATE_0, "Do not rotate LCD display.\n(\"Landscape Mode\")\n   REG[71h]"},
    {IDC_PREFERENCE_ROTATE_90, "Rotate LCD display 90 degrees.\n(\"Portrait Mode\")\n   REG[71h]"},
    {IDC_PREFERENCE_ROTATE_180,
     "Rotate LCD display 180 degrees.\n(\"Flipped Landscape Mode\")\n   REG[71h]"},
    {IDC_PREFERENCE_ROTATE_270,
     "Rotate LCD display 270 degrees.\n(\"Flipped Portrait Mode\")\n   REG[71h]"},
    {IDC_PREFERENCE_1BPP, kColorDepth},
    {IDC_PREFERENCE_2BPP, kColorDepth},
    {IDC_PREFERENCE_4BPP, kColorDepth},
    {IDC_PREFERENCE_8BPP, kColorDepth},
    {IDC_PREFERENCE_16BPP, kColorDepth},
    {IDC_PREFERENCE_SOFTWARE_INVERT, "Software Video Invert.\n   REG[70h]"},
    {IDC_PREFERENCE_HARDWARE_INVERT,
     "IMPORTANT NOTE: This option is not available if configured for a Hr-TFT or K-VRX as GPIO0 "
     "is used as an LCD control signal by both panels. This option requires:\n1. CNF3 must be set "
     "to 1 at RESET#\n2. GPIO Pin Input Enable (REG[A9h] bit 7) must be set to 1\n3. CPIO0 Pin IO "
     "Config (REG[A8h] bit 0) must be set to 0\n   REG[70h]"},

    // Clocks page.
    {IDC_CLOCKS_CLKI, "Select \"Auto\" to let this program determine optimal CLKI."},
    {IDC_CLOCKS_CLKI2, "Select \"Auto\" to let this program determine optimal CLKI2."},
    {IDC_CLOCKS_PCLK_SOURCE,
     "Set the source of the pixel clock (LPCLK) for the LCD display.\n   REG[05h]"},
    {IDC_CLOCKS_PCLK_DIVIDE,
     "Set the divide used to generate the LCD pixel clock (LPCLK) from the LCD pixel clock "
     "source.\n   REG[05h]"},
    {IDC_CLOCKS_BCLK_SOURCE,
     "Set the source of the BUS clock (BCLK) for the LCD display.\n   REG[04h]"},
    {IDC_CLOCKS_BCLK_DIVIDE,
     "Set the divide used to generate the BUS clock (BCLK) from the BUS clock source."},
    {IDC_CLOCKS_MCLK_DIVIDE,
     "Set the divide used to generate the internal memory clock (MCLK) from the MCLK "
     "source.\n   REG[04h]"},
    {IDC_CLOCKS_PWM_ENABLE, "Enables PWM Clock.\n   REG[B0h]"},
    {IDC_CLOCKS_PWM_FORCE_HIGH, "Forces PWM Clock High.\n   REG[B0h]"},
    {IDC_CLOCKS_PWM_SOURCE, "Set the source of the PWM clock.\n   REG[B1h]"},
    {IDC_CLOCKS_PWM_DIVIDE, "Set the divide from the source of the PWM clock.\n   REG[B1h]"},
    {IDC_CLOCKS_DUTY_CYCLE, "PWMOUT Duty Cycle.\n   REG[B3h]"},
    {IDC_CLOCKS_CV_ENABLE, "Enables CV Clock.\n   REG[B0h]"},
    {IDC_CLOCKS_CV_FORCE_HIGH, "Forces CV Clock High.\n   REG[B0h]"},
    {IDC_CLOCKS_CV_DIVIDE,
     "Set the divide used to generate the Tessel clock (TesselCLK) from the Tessel clock "
     "source.\n   REG[B1h]"},
    {IDC_CLOCKS_BURST_LENGTH, "CV Pulse Burst Length.\n   REG[B2h]"},

    // Panel Power page.
    {IDC_POWER_OFF_DELAY,
     "Time delay (in milliseconds) between turning off the LCD power and turning off the LCD "
     "control signals."},
    {IDC_POWER_ON_DELAY,
     "Time delay (in milliseconds) between turning on the LCD control signals and turning on the "
     "LCD power."},

    // Panel page.
    {IDC_PANEL_STN, "Passive LCD Panel.\n   REG[10h]"},
    {IDC_PANEL_TFT, "TFT/K-VRT Panel.\n   REG[10h]"},
    {IDC_PANEL_KVRX, "Vantor K-VRX Panel.\n   REG[10h]"},
    {IDC_PANEL_HRTFT, "HR-TFT Panel.\n   REG[10h]"},
    {IDC_PANEL_RESOLUTION_160, kResolution},
    {IDC_PANEL_RESOLUTION_320, kResolution},
    {IDC_PANEL_DATA_WIDTH_0, kDataWidth},
    {IDC_PANEL_DATA_WIDTH_1, kDataWidth},
    {IDC_PANEL_DATA_WIDTH_2, kDataWidth},
    {IDC_PANEL_MONO, "Monochrome Panel.\n   REG[10h]"},
    {IDC_PANEL_COLOR, "Color Panel.\n   REG[10h]"},
    {IDC_PANEL_FORMAT2,
     "Panel Data Format 2. Applicable for 8-bit single color STN panels only.\n   REG[10h]"},
    {IDC_PANEL_FPLINE_LOW, kFplinePolarity},
    {IDC_PANEL_FPLINE_HIGH, kFplinePolarity},
    {IDC_PANEL_FPFRAME_LOW, kFpframePolarity},
    {IDC_PANEL_FPFRAME_HIGH, kFpframePolarity},
    {IDC_PANEL_WIDTH, "Panel Width in pixels.\n   REG[14h]"},
    {IDC_PANEL_HEIGHT, "Panel Height in lines.\n   REG[1Ch] and REG[1Dh]"},
    {IDC_PANEL_HORIZ_TOTAL_SPIN, kHorizTotal},
    {IDC_PANEL_HORIZ_TOTAL, kHorizTotal},
    {IDC_PANEL_VERT_TOTAL_SPIN, kVertTotal},
    {IDC_PANEL_VERT_TOTAL, kVertTotal},
    {IDC_PANEL_HORIZ_START_SPIN, kHorizStart},
    {IDC_PANEL_HORIZ_START, kHorizStart},
    {IDC_PANEL_VERT_START_SPIN, kVertStart},
    {IDC_PANEL_VERT_START, kVertStart},
    {IDC_PANEL_FRAME_RATE, "Available Frame Rates for the panel"},
    {IDC_PANEL_PIXEL_CLOCK, "Available Pixel Clocks for the panel"},
    {IDC_PANEL_FPLINE_START_SPIN, kFplineStart},
    {IDC_PANEL_FPLINE_START, kFplineStart},
    {IDC_PANEL_FPLINE_WIDTH_SPIN, kFplineWidth},
    {IDC_PANEL_FPLINE_WIDTH, kFplineWidth},
    {IDC_PANEL_FPFRAME_START_SPIN, kFpframeStart},
    {IDC_PANEL_FPFRAME_START, kFpframeStart},
    {IDC_PANEL_FPFRAME_WIDTH_SPIN, kFpframeWidth},
    {IDC_PANEL_FPFRAME_WIDTH, kFpframeWidth},
    {IDC_PANEL_PREDEFINED, "Panel settings based on file PANELS.DEF."},
};

const int kTooltipTextCount = sizeof kTooltipTexts / sizeof kTooltipTexts[0];

const char* TooltipTextOf(int controlId) {
  for (const TooltipText& row : kTooltipTexts)
    if (row.controlId == controlId) return row.text;
  return nullptr;
}
