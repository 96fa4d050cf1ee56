// Programming the chip from the record's register list.
#include "hal/hal_init.h"

#include "hal/hal_clk.h"
#include "hal/hal_lut.h"
#include "hal/hal_mem.h"
#include "hal/hal_misc.h"
#include "hal/hal_record.h"
#include "hal/hal_regs.h"
#include "hal/hal_status.h"
#include "hal/hal_virt.h"

namespace {

bool IsKvrx(uint32_t panelType) {
  return (panelType & 3) == 3;
}

const unsigned kDepthOfCode[4] = {1, 2, 4, 8};

}  // namespace

uint16_t hxFindRegValue(uint32_t index) {
  const HAL_STRUCT* record = hxRecord();
  if (!record) return 0;
  uint16_t value = 0;
  for (int i = 0; i < kMaxRegCfg && record->Regs[i].Index != FINISHED_REG_CFG; ++i) {
    if (record->Regs[i].Index == index) value = record->Regs[i].Value;
  }
  return value;
}

int hxApplyConfig(unsigned flags) {
  const HAL_STRUCT* record = hxRecord();
  if (!record) return kHalOk;

  // A K-VRX panel uses GPIO5 itself, so the synthesizer is left alone.
  int clockResult = kHalOk;
  if (!IsKvrx(hxFindRegValue(REG_PANEL_TYPE))) clockResult = hxProgramClocks();

  for (int i = 0; i < kMaxRegCfg && record->Regs[i].Index != FINISHED_REG_CFG; ++i) {
    uint32_t index = record->Regs[i].Index;
    uint8_t value = static_cast<uint8_t>(record->Regs[i].Value);
    if ((flags & kApplyBlankDisplay) && index == REG_DISPLAY_MODE) value |= 0x80;
    if (index == REG_GPIO_STATUS_CONTROL0) value &= static_cast<uint8_t>(~0x20);
    hxRegWrite8(index, value);
  }

  if (IsKvrx(hxRegRead8(REG_PANEL_TYPE))) {
    hxRegWrite8(REG_GPIO_STATUS_CONTROL0, hxRegRead8(REG_GPIO_STATUS_CONTROL0) & 0xDF);
    for (unsigned i = 0; i < 32; ++i) {
      hxRegWrite8(REG_KVRX_GCP_INDEX, static_cast<uint8_t>(i));
      hxRegWrite8(REG_KVRX_GCP_DATA, record->GcpData[i]);
    }
    hxRegWrite8(REG_GPIO_CONFIG0, 0x7F);
  }

  uint8_t mode = hxRegRead8(REG_DISPLAY_MODE);
  if (!(mode & 0x04)) hxLoadDefaultLut(kDepthOfCode[mode & 3]);

  hxPowerSave(0);

  // The reset forgets every block, so neither surface may keep one.
  _hxVmemInit(kDisplayMemorySize);
  hxMainSurface()->buffer = nullptr;
  hxSubSurface()->buffer = nullptr;

  if (flags & kApplyBlankDisplay) {
    hxRegWrite8(REG_DISPLAY_MODE, hxRegRead8(REG_DISPLAY_MODE) & 0x7F);
  }

  int surfaceResult = hxAllocSurfaces(kSurfaceMain);

  if (flags & kApplyClearMemory) hxMemWrite32(0, 0, kDisplayMemorySize / 4);

  hxCacheSubWindow();

  return clockResult != kHalOk ? clockResult : surfaceResult;
}
