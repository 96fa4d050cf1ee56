// Panel Power page: the two LCD power sequencing delays, taken at close.
#include <string>

#include "cfg/pages/panel_power/panel_power.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/record_page.h"
#include "cfg/ui/resource.h"

namespace {

const FieldControl kFieldControls[] = {
    {kPowerOffDelayField, IDC_POWER_OFF_DELAY, false},
    {kPowerOnDelayField, IDC_POWER_ON_DELAY, false},
};

class PanelPowerPage : public RecordPage {
 public:
  explicit PanelPowerPage(Configuration& config) : RecordPage(config) {
    UseFieldControls(kFieldControls);
  }

 protected:
  bool OnClose() override {
    std::string off = ControlText(Control(IDC_POWER_OFF_DELAY));
    std::string on = ControlText(Control(IDC_POWER_ON_DELAY));
    if (TakePowerDelays(config_, off.c_str(), on.c_str())) {
      ReportRecalculatedRegisters(config_);
      return true;
    }
    CarryOutFieldRequests();
    return false;
  }

 private:
  void ShowRecord() override {
    ShowText(Control(IDC_POWER_OFF_DELAY), std::to_string(config_.WorkingRecord.PowerOffDelay));
    ShowText(Control(IDC_POWER_ON_DELAY), std::to_string(config_.WorkingRecord.PowerOnDelay));
  }
};

}  // namespace

std::unique_ptr<DialogWindow> MakePanelPowerPage(Configuration& config) {
  return std::unique_ptr<DialogWindow>(new PanelPowerPage(config));
}
