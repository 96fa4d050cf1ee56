#include "cli/set_command.h"

#include <string>

#include "cfg/pages/panel/panel_page.h"
#include "cfg/pages/settings.h"
#include "cfg/panel/clocks.h"
#include "cfg/panel/paneldef.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cli/cli_messages.h"
#include "common/message.h"

namespace {

const unsigned kErrorBox = kMsgOk | kMsgIconError;

bool EqualsPixelClock(const char* setting) {
  return std::string(setting) == "PixelClock";
}

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool ApplyRegister(Configuration& config, const Assignment& assignment) {
  if (assignment.number > 0xFF) {
    ShowMessage(kErrorBox, MSG_INVALID_REGISTER_VALUE);
    return false;
  }
  if (FindRegisterPosition(config.WorkingRecord, assignment.registerIndex) < 0) {
    // Reports "Invalid register requested" and changes nothing.
    config.SetRegister(assignment.registerIndex, assignment.number);
    return false;
  }
  // As a hand edit on the Registers page: marked, then the snapshot renewed
  // when the page is left, so later recalculations of it are reported.
  MarkRegisterModified(config, assignment.registerIndex);
  config.SetRegister(assignment.registerIndex, assignment.number);
  TakeRegisterSnapshot(config);
  return true;
}

bool ApplyClockField(Configuration& config, uint32_t* field, const Assignment& assignment) {
  if (assignment.number == 0) {
    ShowMessage(kErrorBox, MSG_ZERO_CLOCK, RecordFieldName(assignment.field));
    return false;
  }
  *field = assignment.number;
  TakeClockWorkingValuesFromRecord(config);
  return true;
}

bool ApplyDelayField(uint16_t* field, const Assignment& assignment, const char* refusal) {
  if (assignment.number > 0xFFFF) {
    ShowMessage(kErrorBox, "%s", refusal);
    return false;
  }
  *field = static_cast<uint16_t>(assignment.number);
  return true;
}

bool ApplyField(Configuration& config, const Assignment& assignment) {
  switch (assignment.field) {
    case RecordField::kClkI:
      return ApplyClockField(config, &config.WorkingRecord.ClkI, assignment);
    case RecordField::kClkI2:
      return ApplyClockField(config, &config.WorkingRecord.ClkI2, assignment);
    case RecordField::kBusClk:
      return ApplyClockField(config, &config.WorkingRecord.BusClk, assignment);
    case RecordField::kRegAddr:
      config.WorkingRecord.RegAddr = assignment.number;
      return true;
    case RecordField::kDispMemAddr:
      config.WorkingRecord.DispMemAddr = assignment.number;
      return true;
    case RecordField::kPowerOffDelay:
      return ApplyDelayField(&config.WorkingRecord.PowerOffDelay, assignment,
                             MSG_POWER_DISCONNECT_TIME);
    case RecordField::kPowerOnDelay:
      return ApplyDelayField(&config.WorkingRecord.PowerOnDelay, assignment,
                             MSG_POWER_CONNECT_TIME);
    case RecordField::kFlags:
      config.WorkingRecord.Flags = assignment.number;
      TakeClockWorkingValuesFromRecord(config);
      return true;
  }
  return false;
}

// Panel and Preference settings go through the pages' rules; a number
// typed in hexadecimal reaches them as the decimal the pages would read.
bool ApplyPanelEntry(Configuration& config, const Assignment& assignment) {
  std::string value;
  if (EqualsPixelClock(assignment.setting))
    value = PixelClockEntryFor(config, assignment.valueText);
  else
    value = assignment.hasNumber ? std::to_string(assignment.number) : assignment.valueText;
  return ApplyPanelSetting(config, assignment.setting, value.c_str()) == kSettingAccepted;
}

}  // namespace

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

namespace {

bool OnPanelPage(const Assignment& assignment) {
  return assignment.target == AssignTarget::kPanel &&
         PageOfSetting(assignment.setting) == kPanelPageSetting;
}

bool SetsAddress(const Assignment& assignment) {
  return assignment.target == AssignTarget::kField &&
         (assignment.field == RecordField::kRegAddr ||
          assignment.field == RecordField::kDispMemAddr);
}

// The General page takes both addresses as zero (the evaluation board) or
// both as non-zero values.
bool AddressPairIsWhole(const Configuration& config) {
  if ((config.WorkingRecord.RegAddr == 0) == (config.WorkingRecord.DispMemAddr == 0)) return true;
  ShowMessage(kErrorBox, MSG_NONZERO_HEX_REQUIRED);
  return false;
}

}  // namespace

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
  return !addressSet || AddressPairIsWhole(config);
}
