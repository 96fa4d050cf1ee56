#include "common/register_catalogue.h"

#include <string.h>

#include "common/register_indices.h"

namespace {

// Not constexpr: reached when a row's symbol text is not its index's name
// padded with blanks, it makes the catalogue below fail to compile.
void RowSymbolDiffersFromIndexName() {}

constexpr bool IsPaddedName(const char* name, const char* padded, int column = 0) {
  if (column == kRegisterSymbolWidth) return *name == '\0' && *padded == '\0';
  if (*name != '\0') return *padded == *name && IsPaddedName(name + 1, padded + 1, column + 1);
  return *padded == ' ' && IsPaddedName(name, padded + 1, column + 1);
}

constexpr const char* CheckedSymbol(const char* name, const char* padded) {
  return IsPaddedName(name, padded) ? padded : (RowSymbolDiffersFromIndexName(), padded);
}

}  // namespace

// Each row takes its index from register_indices.h, and its symbol text must
// be that index's name.
#define REGISTER_ROW(index, description, symbol, enumerator, inDefaultList) \
  { index, description, CheckedSymbol(#index, symbol), enumerator, inDefaultList }

// clang-format off
constexpr RegisterInfo kRegisterCatalogue[kRegisterCount] = {
    REGISTER_ROW(REG_REVISION_CODE, "Revision Code Register", "REG_REVISION_CODE             ", nullptr, false),
    REGISTER_ROW(REG_DISP_BUFFER_SIZE, "Display Buffer Size Register", "REG_DISP_BUFFER_SIZE          ", nullptr, false),
    REGISTER_ROW(REG_CONFIG_READBACK, "Config Readback Register", "REG_CONFIG_READBACK           ", nullptr, false),
    REGISTER_ROW(REG_BUSCLK_MEMCLK_CONFIG, "BUSCLK MEMCLK Config Register", "REG_BUSCLK_MEMCLK_CONFIG      ", "BclkMclkCfg", true),
    REGISTER_ROW(REG_PCLK_CONFIG, "PCLK Config  Register", "REG_PCLK_CONFIG               ", "PclkCfg", true),
    REGISTER_ROW(REG_LUT_BLUE_WRITE_DATA, "LUT BLUE Write Data Register", "REG_LUT_BLUE_WRITE_DATA       ", "LUTBlueWrtData", false),
    REGISTER_ROW(REG_LUT_GREEN_WRITE_DATA, "LUT GREEN Write Data Register", "REG_LUT_GREEN_WRITE_DATA      ", "LUTGreenWrtData", false),
    REGISTER_ROW(REG_LUT_RED_WRITE_DATA, "LUT RED Write Data Register", "REG_LUT_RED_WRITE_DATA        ", "LUTRedWrtData", false),
    REGISTER_ROW(REG_LUT_WRITE_ADDR, "LUT Write Address Register", "REG_LUT_WRITE_ADDR            ", "LUTWrtAddr", false),
    REGISTER_ROW(REG_LUT_BLUE_READ_DATA, "LUT BLUE Read Data Register", "REG_LUT_BLUE_READ_DATA        ", "LUTBlueRdData", false),
    REGISTER_ROW(REG_LUT_GREEN_READ_DATA, "LUT GREEN Read Data Register", "REG_LUT_GREEN_READ_DATA       ", "LUTGreenRdData", false),
    REGISTER_ROW(REG_LUT_RED_READ_DATA, "LUT RED Read Data Register", "REG_LUT_RED_READ_DATA         ", "LUTRedRdData", false),
    REGISTER_ROW(REG_LUT_READ_ADDR, "LUT Read Address Register", "REG_LUT_READ_ADDR             ", "LUTRdAddr", false),
    REGISTER_ROW(REG_PANEL_TYPE, "PANEL Type Register", "REG_PANEL_TYPE                ", "PanelType", true),
    REGISTER_ROW(REG_MOD_RATE, "MOD Rate Register", "REG_MOD_RATE                  ", "ModRate", true),
    REGISTER_ROW(REG_HORIZ_TOTAL, "Horizontal Total Register", "REG_HORIZ_TOTAL               ", "HorizTotal", true),
    REGISTER_ROW(REG_HDP, "Horizontal Display Period Register", "REG_HDP                       ", "HDP", true),
    REGISTER_ROW(REG_HDP_START_POS0, "Horizontal Display Period Start Pos Register 0", "REG_HDP_START_POS0            ", "HDPStartPos0", true),
    REGISTER_ROW(REG_HDP_START_POS1, "Horizontal Display Period Start Pos Register 1", "REG_HDP_START_POS1            ", "HDPStartPos1", true),
    REGISTER_ROW(REG_VERT_TOTAL0, "Vertical Total Register 0", "REG_VERT_TOTAL0               ", "VertTotal0", true),
    REGISTER_ROW(REG_VERT_TOTAL1, "Vertical Total Register 1", "REG_VERT_TOTAL1               ", "VertTotal1", true),
    REGISTER_ROW(REG_VDP0, "Vertical Display Period Register 0", "REG_VDP0                      ", "VDP0", true),
    REGISTER_ROW(REG_VDP1, "Vertical Display Period Register 1", "REG_VDP1                      ", "VDP1", true),
    REGISTER_ROW(REG_VDP_START_POS0, "Vertical Display Period Start Pos Register 0", "REG_VDP_START_POS0            ", "VDPStartPos0", true),
    REGISTER_ROW(REG_VDP_START_POS1, "Vertical Display Period Start Pos Register 1", "REG_VDP_START_POS1            ", "VDPStartPos1", true),
    REGISTER_ROW(REG_HSYNC_PULSE_WIDTH, "Horizontal Sync Pulse Width Register", "REG_HSYNC_PULSE_WIDTH         ", "HsyncPulseWidth", true),
    REGISTER_ROW(REG_HSYNC_PULSE_START_POS0, "Horizontal Sync Pulse Start Pos Register 0", "REG_HSYNC_PULSE_START_POS0    ", "HsyncPulseStartPos0", true),
    REGISTER_ROW(REG_HSYNC_PULSE_START_POS1, "Horizontal Sync Pulse Start Pos Register 1", "REG_HSYNC_PULSE_START_POS1    ", "HsyncPulseStartPos1", true),
    REGISTER_ROW(REG_VSYNC_PULSE_WIDTH, "Vertical Sync Pulse Width Register", "REG_VSYNC_PULSE_WIDTH         ", "VsyncPulseWidth", true),
    REGISTER_ROW(REG_VSYNC_PULSE_START_POS0, "Vertical Sync Pulse Start Pos Register 0", "REG_VSYNC_PULSE_START_POS0    ", "VsyncPulseStartPos0", true),
    REGISTER_ROW(REG_VSYNC_PULSE_START_POS1, "Vertical Sync Pulse Start Pos Register 1", "REG_VSYNC_PULSE_START_POS1    ", "VsyncPulseStartPos1", true),
    REGISTER_ROW(REG_KVRX_GCP_INDEX, "KVRX GCP Index Register", "REG_KVRX_GCP_INDEX            ", nullptr, false),
    REGISTER_ROW(REG_KVRX_GCP_DATA, "KVRX GCP Data Register", "REG_KVRX_GCP_DATA             ", nullptr, false),
    REGISTER_ROW(REG_DISPLAY_MODE, "Display Mode Register", "REG_DISPLAY_MODE              ", "DispMode", true),
    REGISTER_ROW(REG_SPECIAL_EFFECTS, "Special Effects Register", "REG_SPECIAL_EFFECTS           ", "SpecialEffects", true),
    REGISTER_ROW(REG_MAIN_WIN_DISP_START_ADDR0, "Main Window Display Start Address Register 0", "REG_MAIN_WIN_DISP_START_ADDR0 ", "MainwinDispStartAddr0", true),
    REGISTER_ROW(REG_MAIN_WIN_DISP_START_ADDR1, "Main Window Display Start Address Register 1", "REG_MAIN_WIN_DISP_START_ADDR1 ", "MainwinDispStartAddr1", true),
    REGISTER_ROW(REG_MAIN_WIN_DISP_START_ADDR2, "Main Window Display Start Address Register 2", "REG_MAIN_WIN_DISP_START_ADDR2 ", "MainwinDispStartAddr2", true),
    REGISTER_ROW(REG_MAIN_WIN_ADDR_OFFSET0, "Main Window Address Offset Register 0", "REG_MAIN_WIN_ADDR_OFFSET0     ", "MainwinAddrOffset0", true),
    REGISTER_ROW(REG_MAIN_WIN_ADDR_OFFSET1, "Main Window Address Offset Register 1", "REG_MAIN_WIN_ADDR_OFFSET1     ", "MainwinAddrOffset1", true),
    REGISTER_ROW(REG_SUB_WIN_DISP_START_ADDR0, "Sub Window Display Start Address Register 0", "REG_SUB_WIN_DISP_START_ADDR0  ", "SubwinDispStartAddr0", true),
    REGISTER_ROW(REG_SUB_WIN_DISP_START_ADDR1, "Sub Window Display Start Address Register 1", "REG_SUB_WIN_DISP_START_ADDR1  ", "SubwinDispStartAddr1", true),
    REGISTER_ROW(REG_SUB_WIN_DISP_START_ADDR2, "Sub Window Display Start Address Register 2", "REG_SUB_WIN_DISP_START_ADDR2  ", "SubwinDispStartAddr2", true),
    REGISTER_ROW(REG_SUB_WIN_ADDR_OFFSET0, "Sub Window Address Offset Register 0", "REG_SUB_WIN_ADDR_OFFSET0      ", "SubwinAddrOffset0", true),
    REGISTER_ROW(REG_SUB_WIN_ADDR_OFFSET1, "Sub Window Address Offset Register 1", "REG_SUB_WIN_ADDR_OFFSET1      ", "SubwinAddrOffset1", true),
    REGISTER_ROW(REG_SUB_WIN_X_START_POS0, "Sub Window X Start Pos Register 0", "REG_SUB_WIN_X_START_POS0      ", "SubwinXStartPos0", true),
    REGISTER_ROW(REG_SUB_WIN_X_START_POS1, "Sub Window X Start Pos Register 1", "REG_SUB_WIN_X_START_POS1      ", "SubwinXStartPos1", true),
    REGISTER_ROW(REG_SUB_WIN_Y_START_POS0, "Sub Window Y Start Pos Register 0", "REG_SUB_WIN_Y_START_POS0      ", "SubwinYStartPos0", true),
    REGISTER_ROW(REG_SUB_WIN_Y_START_POS1, "Sub Window Y Start Pos Register 1", "REG_SUB_WIN_Y_START_POS1      ", "SubwinYStartPos1", true),
    REGISTER_ROW(REG_SUB_WIN_X_END_POS0, "Sub Window X End Pos Register 0", "REG_SUB_WIN_X_END_POS0        ", "SubwinXEndPos0", true),
    REGISTER_ROW(REG_SUB_WIN_X_END_POS1, "Sub Window X End Pos Register 1", "REG_SUB_WIN_X_END_POS1        ", "SubwinXEndPos1", true),
    REGISTER_ROW(REG_SUB_WIN_Y_END_POS0, "Sub Window Y End Pos Register 0", "REG_SUB_WIN_Y_END_POS0        ", "SubwinYEndPos0", true),
    REGISTER_ROW(REG_SUB_WIN_Y_END_POS1, "Sub Window Y End Pos Register 1", "REG_SUB_WIN_Y_END_POS1        ", "SubwinYEndPos1", true),
    REGISTER_ROW(REG_POWER_SAVE_CONFIG, "Power Save Config Register", "REG_POWER_SAVE_CONFIG         ", "PowerSaveCfg", true),
    REGISTER_ROW(REG_CPU_ACCESS_CONTROL, "CPU Access Control Register", "REG_CPU_ACCESS_CONTROL        ", "CPUAccessCtrl", true),
    REGISTER_ROW(REG_SOFTWARE_RESET, "Software Reset Register", "REG_SOFTWARE_RESET            ", "SwReset", true),
    REGISTER_ROW(REG_BIG_ENDIAN_SUPPORT, "BIG Endian Support Register", "REG_BIG_ENDIAN_SUPPORT        ", "BigEndianSupport", true),
    REGISTER_ROW(REG_SCRATCH_PAD0, "Scratch Pad Register 0", "REG_SCRATCH_PAD0              ", "ScratchPad0", true),
    REGISTER_ROW(REG_SCRATCH_PAD1, "Scratch Pad Register 1", "REG_SCRATCH_PAD1              ", "SCratchPad1", true),
    REGISTER_ROW(REG_GPIO_CONFIG0, "GPIO Config Register 0", "REG_GPIO_CONFIG0              ", "GPIOCfg0", true),
    REGISTER_ROW(REG_GPIO_CONFIG1, "GPIO Config Register 1", "REG_GPIO_CONFIG1              ", "GPIOCfg1", true),
    REGISTER_ROW(REG_GPIO_STATUS_CONTROL0, "GPIO Status Control Register 0", "REG_GPIO_STATUS_CONTROL0      ", "GPIOStatusCtrl0", true),
    REGISTER_ROW(REG_GPIO_STATUS_CONTROL1, "GPIO Status Control Register 1", "REG_GPIO_STATUS_CONTROL1      ", "GPIOStatusCtrl1", true),
    REGISTER_ROW(REG_PWM_CV_CLOCK_CONTROL, "PWM CV Clock Control Register", "REG_PWM_CV_CLOCK_CONTROL      ", "PWMCVClkCtrl", true),
    REGISTER_ROW(REG_PWM_CV_CLOCK_CONFIG, "PWM CV Clock Config Register", "REG_PWM_CV_CLOCK_CONFIG       ", "PWMCVClkCfg", true),
    REGISTER_ROW(REG_CV_CLOCK_BURST_LENGTH, "CV Clock Burst Length Register", "REG_CV_CLOCK_BURST_LENGTH     ", "CVClkBurstLength", true),
    REGISTER_ROW(REG_PWM_CLOCK_DUTY_CYCLE, "PWM Clock Duty Cycle Register", "REG_PWM_CLOCK_DUTY_CYCLE      ", "PWMClkDutyCycle", true),
};
// clang-format on

#undef REGISTER_ROW

static const char kUnknownRegister[] = "?????";

static const RegisterInfo* FindRegister(unsigned index) {
  for (const RegisterInfo& row : kRegisterCatalogue)
    if (row.index == index) return &row;
  return nullptr;
}

const char* RegisterDescription(unsigned index) {
  const RegisterInfo* row = FindRegister(index);
  return row ? row->description : kUnknownRegister;
}

const char* RegisterSymbol(unsigned index) {
  const RegisterInfo* row = FindRegister(index);
  return row ? row->symbol : kUnknownRegister;
}

const RegisterInfo* FindRegisterBySymbol(const char* name) {
  size_t length = strlen(name);
  for (const RegisterInfo& row : kRegisterCatalogue) {
    const char* symbol = row.symbol;
    if (strncmp(symbol, name, length) != 0) continue;
    if (symbol[length] == '\0' || symbol[length] == ' ') return &row;
  }
  return nullptr;
}
