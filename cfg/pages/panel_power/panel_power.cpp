#include "cfg/pages/panel_power/panel_power.h"

#include <stdint.h>

#include "cfg/panel/panel_messages.h"
#include "cfg/record/record.h"
#include "common/text_read.h"

// The integer result counts every digit ("1.5" gives 15).
static bool ReadDelay(const char* text, uint16_t* delay) {
  uint32_t integer = 0;
  double fraction = 0;
  if (!ReadDialogNumber(text ? text : "", &integer, &fraction) || integer > 0xFFFF) return false;
  *delay = static_cast<uint16_t>(integer);
  return true;
}

bool TakePowerDelays(Configuration& config, const char* powerOffText, const char* powerOnText) {
  uint16_t delay = 0;
  if (!ReadDelay(powerOnText, &delay)) {
    ShowPanelError(kPowerOnDelayField, "ERROR: Panel Power Connect Time!");
    return false;
  }
  config.WorkingRecord.PowerOnDelay = delay;
  if (!ReadDelay(powerOffText, &delay)) {
    ShowPanelError(kPowerOffDelayField, "ERROR: Panel Power Disconnect Time!");
    return false;
  }
  config.WorkingRecord.PowerOffDelay = delay;
  return true;
}
