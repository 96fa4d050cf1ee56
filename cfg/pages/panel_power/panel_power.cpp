#include "cfg/pages/panel_power/panel_power.h"

#include <stdint.h>

#include "cfg/panel/panel_messages.h"
#include "cfg/record/record.h"
#include "common/text_read.h"

// The integer result counts every digit ("1.5" gives 15); a text that does
// not read gives a value beyond the field, so that it is refused alike.
static uint32_t ReadDelay(const char* text) {
  uint32_t integer = 0;
  double fraction = 0;
  if (!ReadDialogNumber(text ? text : "", &integer, &fraction)) return 0x10000;
  return integer;
}

bool TakePowerDelay(Configuration& config, PanelPowerField field, uint32_t milliseconds) {
  bool on = field == kPowerOnDelayField;
  if (milliseconds > 0xFFFF) {
    ShowPanelError(field,
                   on ? "ERROR: Panel Power Connect Time!" : "ERROR: Panel Power Disconnect Time!");
    return false;
  }
  (on ? config.WorkingRecord.PowerOnDelay : config.WorkingRecord.PowerOffDelay) =
      static_cast<uint16_t>(milliseconds);
  return true;
}

bool TakePowerDelays(Configuration& config, const char* powerOffText, const char* powerOnText) {
  return TakePowerDelay(config, kPowerOnDelayField, ReadDelay(powerOnText)) &&
         TakePowerDelay(config, kPowerOffDelayField, ReadDelay(powerOffText));
}
