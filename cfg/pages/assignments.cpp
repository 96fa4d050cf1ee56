#include "cfg/pages/assignments.h"

#include "cfg/pages/general/platforms.h"
#include "cfg/pages/panel/panel_page.h"
#include "cfg/pages/panel_power/panel_power.h"
#include "cfg/pages/registers/register_entry.h"
#include "cfg/pages/settings.h"
#include "cfg/panel/clocks.h"
#include "cfg/panel/paneldef.h"
#include "cfg/panel/pixel_clock.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "common/message.h"
#include "common/text_read.h"

namespace {

struct NamedField {
  const char* name;
  RecordField field;
};
const NamedField kFields[] = {
    {"ClkI", RecordField::kClkI},
    {"ClkI2", RecordField::kClkI2},
    {"BusClk", RecordField::kBusClk},
    {"RegAddr", RecordField::kRegAddr},
    {"DispMemAddr", RecordField::kDispMemAddr},
    {"PowerOffDelay", RecordField::kPowerOffDelay},
    {"PowerOnDelay", RecordField::kPowerOnDelay},
    {"Flags", RecordField::kFlags},
};

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// As a hand edit on the Registers page: marked, then the snapshot renewed
// when the page is left, so later recalculations of it are reported.
bool ApplyRegister(Configuration& config, const Assignment& assignment) {
  bool listed = FindRegisterPosition(config.WorkingRecord, assignment.registerIndex) >= 0;
  if (listed && assignment.number <= 0xFF) MarkRegisterModified(config, assignment.registerIndex);
  // The value rule first; a register the list lacks is then reported by
  // SetRegister ("Invalid register requested") and nothing changes.
  if (!StoreRegisterValue(config, assignment.registerIndex, assignment.number) || !listed)
    return false;
  TakeRegisterSnapshot(config);
  return true;
}

// A zero input or bus clock would leave the clock arithmetic without a divisor.
bool ApplyClockField(Configuration& config, uint32_t* field, const Assignment& assignment) {
  if (assignment.number == 0) {
    ShowMessage(kMsgOk | kMsgIconError, "ERROR: %s must be above 0 kHz!",
                RecordFieldName(assignment.field));
    return false;
  }
  *field = assignment.number;
  TakeClockWorkingValuesFromRecord(config);
  return true;
}

bool ApplyField(Configuration& config, const Assignment& assignment) {
  HAL_STRUCT& record = config.WorkingRecord;
  switch (assignment.field) {
    case RecordField::kClkI:
      return ApplyClockField(config, &record.ClkI, assignment);
    case RecordField::kClkI2:
      return ApplyClockField(config, &record.ClkI2, assignment);
    case RecordField::kBusClk:
      return ApplyClockField(config, &record.BusClk, assignment);
    case RecordField::kRegAddr:
      record.RegAddr = assignment.number;
      return true;
    case RecordField::kDispMemAddr:
      record.DispMemAddr = assignment.number;
      return true;
    case RecordField::kPowerOffDelay:
      return TakePowerDelay(config, kPowerOffDelayField, assignment.number);
    case RecordField::kPowerOnDelay:
      return TakePowerDelay(config, kPowerOnDelayField, assignment.number);
    case RecordField::kFlags:
      record.Flags = assignment.number;
      TakeClockWorkingValuesFromRecord(config);
      return true;
  }
  return false;
}

// Panel and Preference settings go through the pages' rules; a number
// typed in hexadecimal reaches them as the decimal the pages would read.
bool ApplyPanelEntry(Configuration& config, const Assignment& assignment) {
  std::string value;
  if (std::string(assignment.setting) == "PixelClock")
    value = PixelClockEntryFor(config, assignment.valueText);
  else
    value = assignment.hasNumber ? std::to_string(assignment.number) : assignment.valueText;
  return ApplyPanelSetting(config, assignment.setting, value.c_str()) == kSettingAccepted;
}

bool OnPanelPage(const Assignment& assignment) {
  return assignment.target == AssignTarget::kPanel &&
         PageOfSetting(assignment.setting) == kPanelPageSetting;
}

bool SetsAddress(const Assignment& assignment) {
  return assignment.target == AssignTarget::kField &&
         (assignment.field == RecordField::kRegAddr ||
          assignment.field == RecordField::kDispMemAddr);
}

}  // namespace

const char* RecordFieldName(RecordField field) {
  for (const NamedField& entry : kFields)
    if (entry.field == field) return entry.name;
  return "";
}

bool FindRecordField(const std::string& name, RecordField* field) {
  for (const NamedField& entry : kFields) {
    if (EqualsNoCase(name, entry.name)) {
      *field = entry.field;
      return true;
    }
  }
  return false;
}

std::string PixelClockEntryFor(const Configuration& config, const std::string& typed) {
  std::string wanted = Trimmed(typed);
  for (const std::string& entry : BuildPixelClockList(config).texts)
    if (Trimmed(entry) == wanted) return entry;
  return typed;
}

bool ApplyAssignment(Configuration& config, const Assignment& assignment) {
  switch (assignment.target) {
    case AssignTarget::kRegister:
      return ApplyRegister(config, assignment);
    case AssignTarget::kField:
      return ApplyField(config, assignment);
    case AssignTarget::kPanel:
      if (!ApplyPanelEntry(config, assignment)) return false;
      // Leaving the Preference page reports the hand-set registers its
      // settings recalculated; the Panel page does so when it is left.
      if (PageOfSetting(assignment.setting) == kPreferencePageSetting)
        ReportRecalculatedRegisters(config);
      return true;
  }
  return false;
}

bool ApplyAssignments(Configuration& config, const std::vector<Assignment>& assignments) {
  // Panel settings are made on the Panel page: it is opened before the first
  // of them and left before any other setting and at the end, as a user
  // going from page to page does.
  const PanelList noPredefinedPanels;
  PanelPageView quietPage;
  bool panelPageOpen = false;
  bool addressSet = false;
  for (const Assignment& assignment : assignments) {
    bool onPanelPage = OnPanelPage(assignment);
    if (panelPageOpen && !onPanelPage) {
      if (!LeavePanelPage(config, ShownPanelPageEntries(config))) return false;
      panelPageOpen = false;
    }
    if (onPanelPage && !panelPageOpen) {
      OpenPanelPage(config, noPredefinedPanels, quietPage);
      panelPageOpen = true;
    }
    if (!ApplyAssignment(config, assignment)) return false;
    addressSet = addressSet || SetsAddress(assignment);
  }
  if (panelPageOpen && !LeavePanelPage(config, ShownPanelPageEntries(config))) return false;
  return !addressSet || CheckAddressPair(config);
}
