// Frame-counted waits on the vertical non-display status, power save and the
// LCD power sequences.
#include "hal/hal_misc.h"

#include "hal/hal_record.h"
#include "hal/hal_regs.h"
#include "hal/priority.h"

namespace {

enum : uint8_t { kPowerSaveEnable = 0x01, kVerticalNonDisplay = 0x80, kLcdPowerOn = 0x80 };
enum : uint8_t { kKvrxControl = 0x20 };

bool InVerticalNonDisplay() {
  return (hxRegRead8(REG_POWER_SAVE_CONFIG) & kVerticalNonDisplay) != 0;
}

bool IsKvrxPanel() {
  return (hxRegRead8(REG_PANEL_TYPE) & 3) == 3;
}

void SetBits(uint32_t index, uint8_t bits) {
  hxRegWrite8(index, hxRegRead8(index) | bits);
}
void ClearBits(uint32_t index, uint8_t bits) {
  hxRegWrite8(index, hxRegRead8(index) & static_cast<uint8_t>(~bits));
}

}  // namespace

void hxWaitVerticalNonDisplay() {
  while (InVerticalNonDisplay()) {
  }
  while (!InVerticalNonDisplay()) {
  }
}

int hxWaitFrames(uint32_t ms) {
  if (ms == 0) return 0;
  if (hxRegRead8(REG_POWER_SAVE_CONFIG) & kPowerSaveEnable) return 1;
  const HAL_STRUCT* record = hxRecord();
  uint32_t frameRate = record ? record->FrameRate : 0;
  uint32_t frames = (ms * frameRate + 999) / 1000;

  hxRaisePriority();
  for (uint32_t i = 0; i < frames; ++i) {
    while (!InVerticalNonDisplay()) {
    }
    while (InVerticalNonDisplay()) {
    }
  }
  hxRestorePriority();
  return 0;
}

void hxLcdPower(int on) {
  if (on) {
    SetBits(REG_GPIO_STATUS_CONTROL1, kLcdPowerOn);
  } else {
    ClearBits(REG_GPIO_STATUS_CONTROL1, kLcdPowerOn);
  }
}

void hxPowerSave(int on) {
  HAL_STRUCT* record = hxRecord();
  if (IsKvrxPanel()) {
    // The K-VRX delays divide by the frame rate.
    if (record && record->FrameRate < 1) record->FrameRate = 1;
    uint32_t frameRate = record ? record->FrameRate : 1;
    if (on) {
      ClearBits(REG_GPIO_STATUS_CONTROL0, kKvrxControl);
      hxWaitFrames(4000 / frameRate);
      SetBits(REG_POWER_SAVE_CONFIG, kPowerSaveEnable);
      hxLcdPower(0);
    } else {
      hxLcdPower(1);
      ClearBits(REG_POWER_SAVE_CONFIG, kPowerSaveEnable);
      hxWaitFrames(2000 / frameRate);
      SetBits(REG_GPIO_STATUS_CONTROL0, kKvrxControl);
    }
    return;
  }
  if (on) {
    if (hxRegRead8(REG_GPIO_STATUS_CONTROL1) & kLcdPowerOn) {
      hxLcdPower(0);
      hxWaitFrames(record ? record->PowerOffDelay : 0);
    }
    SetBits(REG_POWER_SAVE_CONFIG, kPowerSaveEnable);
  } else {
    ClearBits(REG_POWER_SAVE_CONFIG, kPowerSaveEnable);
    if (!(hxRegRead8(REG_GPIO_STATUS_CONTROL1) & kLcdPowerOn)) {
      hxWaitFrames(record ? record->PowerOnDelay : 0);
      hxLcdPower(1);
    }
  }
}
