#include "common/register_catalogue.h"

#include <string.h>

// clang-format off
const RegisterInfo kRegisterCatalogue[kRegisterCount] = {
    {0x00, "Revision Code Register", "REG_REVISION_CODE             ", nullptr, false},
    {0x01, "Display Buffer Size Register", "REG_DISP_BUFFER_SIZE          ", nullptr, false},
    {0x02, "Config Readback Register", "REG_CONFIG_READBACK           ", nullptr, false},
    {0x04, "BUSCLK MEMCLK Config Register", "REG_BUSCLK_MEMCLK_CONFIG      ", "BclkMclkCfg", true},
    {0x05, "PCLK Config  Register", "REG_PCLK_CONFIG               ", "PclkCfg", true},
    {0x08, "LUT BLUE Write Data Register", "REG_LUT_BLUE_WRITE_DATA       ", "LUTBlueWrtData", false},
    {0x09, "LUT GREEN Write Data Register", "REG_LUT_GREEN_WRITE_DATA      ", "LUTGreenWrtData", false},
    {0x0A, "LUT RED Write Data Register", "REG_LUT_RED_WRITE_DATA        ", "LUTRedWrtData", false},
    {0x0B, "LUT Write Address Register", "REG_LUT_WRITE_ADDR            ", "LUTWrtAddr", false},
    {0x0C, "LUT BLUE Read Data Register", "REG_LUT_BLUE_READ_DATA        ", "LUTBlueRdData", false},
    {0x0D, "LUT GREEN Read Data Register", "REG_LUT_GREEN_READ_DATA       ", "LUTGreenRdData", false},
    {0x0E, "LUT RED Read Data Register", "REG_LUT_RED_READ_DATA         ", "LUTRedRdData", false},
    {0x0F, "LUT Read Address Register", "REG_LUT_READ_ADDR             ", "LUTRdAddr", false},
    {0x10, "PANEL Type Register", "REG_PANEL_TYPE                ", "PanelType", true},
    {0x11, "MOD Rate Register", "REG_MOD_RATE                  ", "ModRate", true},
    {0x12, "Horizontal Total Register", "REG_HORIZ_TOTAL               ", "HorizTotal", true},
    {0x14, "Horizontal Display Period Register", "REG_HDP                       ", "HDP", true},
    {0x16, "Horizontal Display Period Start Pos Register 0", "REG_HDP_START_POS0            ", "HDPStartPos0", true},
    {0x17, "Horizontal Display Period Start Pos Register 1", "REG_HDP_START_POS1            ", "HDPStartPos1", true},
    {0x18, "Vertical Total Register 0", "REG_VERT_TOTAL0               ", "VertTotal0", true},
    {0x19, "Vertical Total Register 1", "REG_VERT_TOTAL1               ", "VertTotal1", true},
    {0x1C, "Vertical Display Period Register 0", "REG_VDP0                      ", "VDP0", true},
    {0x1D, "Vertical Display Period Register 1", "REG_VDP1                      ", "VDP1", true},
    {0x1E, "Vertical Display Period Start Pos Register 0", "REG_VDP_START_POS0            ", "VDPStartPos0", true},
    {0x1F, "Vertical Display Period Start Pos Register 1", "REG_VDP_START_POS1            ", "VDPStartPos1", true},
    {0x20, "Horizontal Sync Pulse Width Register", "REG_HSYNC_PULSE_WIDTH         ", "HsyncPulseWidth", true},
    {0x22, "Horizontal Sync Pulse Start Pos Register 0", "REG_HSYNC_PULSE_START_POS0    ", "HsyncPulseStartPos0", true},
    {0x23, "Horizontal Sync Pulse Start Pos Register 1", "REG_HSYNC_PULSE_START_POS1    ", "HsyncPulseStartPos1", true},
    {0x24, "Vertical Sync Pulse Width Register", "REG_VSYNC_PULSE_WIDTH         ", "VsyncPulseWidth", true},
    {0x26, "Vertical Sync Pulse Start Pos Register 0", "REG_VSYNC_PULSE_START_POS0    ", "VsyncPulseStartPos0", true},
    {0x27, "Vertical Sync Pulse Start Pos Register 1", "REG_VSYNC_PULSE_START_POS1    ", "VsyncPulseStartPos1", true},
    {0x28, "KVRX GCP Index Register", "REG_KVRX_GCP_INDEX            ", nullptr, false},
    {0x2C, "KVRX GCP Data Register", "REG_KVRX_GCP_DATA             ", nullptr, false},
    {0x70, "Display Mode Register", "REG_DISPLAY_MODE              ", "DispMode", true},
    {0x71, "Special Effects Register", "REG_SPECIAL_EFFECTS           ", "SpecialEffects", true},
    {0x74, "Main Window Display Start Address Register 0", "REG_MAIN_WIN_DISP_START_ADDR0 ", "MainwinDispStartAddr0", true},
    {0x75, "Main Window Display Start Address Register 1", "REG_MAIN_WIN_DISP_START_ADDR1 ", "MainwinDispStartAddr1", true},
    {0x76, "Main Window Display Start Address Register 2", "REG_MAIN_WIN_DISP_START_ADDR2 ", "MainwinDispStartAddr2", true},
    {0x78, "Main Window Address Offset Register 0", "REG_MAIN_WIN_ADDR_OFFSET0     ", "MainwinAddrOffset0", true},
    {0x79, "Main Window Address Offset Register 1", "REG_MAIN_WIN_ADDR_OFFSET1     ", "MainwinAddrOffset1", true},
    {0x7C, "Sub Window Display Start Address Register 0", "REG_SUB_WIN_DISP_START_ADDR0  ", "SubwinDispStartAddr0", true},
    {0x7D, "Sub Window Display Start Address Register 1", "REG_SUB_WIN_DISP_START_ADDR1  ", "SubwinDispStartAddr1", true},
    {0x7E, "Sub Window Display Start Address Register 2", "REG_SUB_WIN_DISP_START_ADDR2  ", "SubwinDispStartAddr2", true},
    {0x80, "Sub Window Address Offset Register 0", "REG_SUB_WIN_ADDR_OFFSET0      ", "SubwinAddrOffset0", true},
    {0x81, "Sub Window Address Offset Register 1", "REG_SUB_WIN_ADDR_OFFSET1      ", "SubwinAddrOffset1", true},
    {0x84, "Sub Window X Start Pos Register 0", "REG_SUB_WIN_X_START_POS0      ", "SubwinXStartPos0", true},
    {0x85, "Sub Window X Start Pos Register 1", "REG_SUB_WIN_X_START_POS1      ", "SubwinXStartPos1", true},
    {0x88, "Sub Window Y Start Pos Register 0", "REG_SUB_WIN_Y_START_POS0      ", "SubwinYStartPos0", true},
    {0x89, "Sub Window Y Start Pos Register 1", "REG_SUB_WIN_Y_START_POS1      ", "SubwinYStartPos1", true},
    {0x8C, "Sub Window X End Pos Register 0", "REG_SUB_WIN_X_END_POS0        ", "SubwinXEndPos0", true},
    {0x8D, "Sub Window X End Pos Register 1", "REG_SUB_WIN_X_END_POS1        ", "SubwinXEndPos1", true},
    {0x90, "Sub Window Y End Pos Register 0", "REG_SUB_WIN_Y_END_POS0        ", "SubwinYEndPos0", true},
    {0x91, "Sub Window Y End Pos Register 1", "REG_SUB_WIN_Y_END_POS1        ", "SubwinYEndPos1", true},
    {0xA0, "Power Save Config Register", "REG_POWER_SAVE_CONFIG         ", "PowerSaveCfg", true},
    {0xA1, "CPU Access Control Register", "REG_CPU_ACCESS_CONTROL        ", "CPUAccessCtrl", true},
    {0xA2, "Software Reset Register", "REG_SOFTWARE_RESET            ", "SwReset", true},
    {0xA3, "BIG Endian Support Register", "REG_BIG_ENDIAN_SUPPORT        ", "BigEndianSupport", true},
    {0xA4, "Scratch Pad Register 0", "REG_SCRATCH_PAD0              ", "ScratchPad0", true},
    {0xA5, "Scratch Pad Register 1", "REG_SCRATCH_PAD1              ", "SCratchPad1", true},
    {0xA8, "GPIO Config Register 0", "REG_GPIO_CONFIG0              ", "GPIOCfg0", true},
    {0xA9, "GPIO Config Register 1", "REG_GPIO_CONFIG1              ", "GPIOCfg1", true},
    {0xAC, "GPIO Status Control Register 0", "REG_GPIO_STATUS_CONTROL0      ", "GPIOStatusCtrl0", true},
    {0xAD, "GPIO Status Control Register 1", "REG_GPIO_STATUS_CONTROL1      ", "GPIOStatusCtrl1", true},
    {0xB0, "PWM CV Clock Control Register", "REG_PWM_CV_CLOCK_CONTROL      ", "PWMCVClkCtrl", true},
    {0xB1, "PWM CV Clock Config Register", "REG_PWM_CV_CLOCK_CONFIG       ", "PWMCVClkCfg", true},
    {0xB2, "CV Clock Burst Length Register", "REG_CV_CLOCK_BURST_LENGTH     ", "CVClkBurstLength", true},
    {0xB3, "PWM Clock Duty Cycle Register", "REG_PWM_CLOCK_DUTY_CYCLE      ", "PWMClkDutyCycle", true},
};
// clang-format on

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
