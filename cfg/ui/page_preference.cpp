// Preference page: rotation, colour depth and video invert reach the record
// at once, with the start address and line offset kept in step.
#include "cfg/pages/preference/preference.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/record_page.h"
#include "cfg/ui/resource.h"

namespace {

// Buttons by rotation code 0..3 and by colour depth code 0..4.
const int kRotationButtons[] = {IDC_PREFERENCE_ROTATE_0, IDC_PREFERENCE_ROTATE_90,
                                IDC_PREFERENCE_ROTATE_180, IDC_PREFERENCE_ROTATE_270};
const int kDepthButtons[] = {IDC_PREFERENCE_1BPP, IDC_PREFERENCE_2BPP, IDC_PREFERENCE_4BPP,
                             IDC_PREFERENCE_8BPP, IDC_PREFERENCE_16BPP};
const unsigned kRotationCount = sizeof kRotationButtons / sizeof kRotationButtons[0];
const unsigned kDepthCount = sizeof kDepthButtons / sizeof kDepthButtons[0];

class PreferencePage : public RecordPage {
 public:
  explicit PreferencePage(Configuration& config) : RecordPage(config) {}

 protected:
  bool OnClose() override {
    ReportRecalculatedRegisters(config_);
    return true;
  }

  INT_PTR OnColour(HDC dc, HWND control) override {
    return NoteColours(dc, control, {IDC_PREFERENCE_NOTE});
  }

 private:
  // Only the record's choices are checked (colour depth codes 5 to 7 check
  // none), as on a new page, where every button starts unchecked.
  void ShowRecord() override {
    PreferenceChoices shown = ShownPreferenceChoices(config_);
    for (unsigned code = 0; code < kDepthCount; ++code)
      ShowChecked(Control(kDepthButtons[code]), code == shown.depthCode);
    ShowChecked(Control(IDC_PREFERENCE_SOFTWARE_INVERT), shown.softwareInvert);
    ShowChecked(Control(IDC_PREFERENCE_HARDWARE_INVERT), shown.hardwareInvert);
    for (unsigned code = 0; code < kRotationCount; ++code)
      ShowChecked(Control(kRotationButtons[code]), code == shown.rotation % kRotationCount);
  }

  void ButtonClicked(int id) override {
    for (unsigned code = 0; code < kRotationCount; ++code)
      if (id == kRotationButtons[code] && IsChecked(Control(id))) SetRotation(config_, code);
    for (unsigned code = 0; code < kDepthCount; ++code)
      if (id == kDepthButtons[code] && IsChecked(Control(id))) SetColorDepth(config_, code);
    if (id == IDC_PREFERENCE_SOFTWARE_INVERT) SetSoftwareInvert(config_, IsChecked(Control(id)));
    if (id == IDC_PREFERENCE_HARDWARE_INVERT) SetHardwareInvert(config_, IsChecked(Control(id)));
  }
};

}  // namespace

std::unique_ptr<DialogWindow> MakePreferencePage(Configuration& config) {
  return std::unique_ptr<DialogWindow>(new PreferencePage(config));
}
