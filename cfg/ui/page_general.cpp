// General page: the platform whose decode addresses the record holds, or
// addresses of the user's own.
#include "cfg/pages/general/platforms.h"
#include "cfg/record/record.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/record_page.h"
#include "cfg/ui/resource.h"

namespace {

// The radio buttons of kPlatforms, in the table's order.
const int kPlatformButtons[kPlatformCount] = {
    IDC_GENERAL_EVALUATION_BOARD, IDC_GENERAL_IDP68000, IDC_GENERAL_IDP68032,
    IDC_GENERAL_SH3_LCEVB,        IDC_GENERAL_DSP56654,
};
const int kAddressFields[] = {IDC_GENERAL_REGISTER_ADDRESS, IDC_GENERAL_DISPLAY_BUFFER_ADDRESS};

int PlatformOfButton(int id) {
  for (int i = 0; i < kPlatformCount; ++i)
    if (kPlatformButtons[i] == id) return i;
  return kUserDefinedPlatform;
}

int ButtonOfPlatform(int platform) {
  return platform == kUserDefinedPlatform ? IDC_GENERAL_USER_DEFINED : kPlatformButtons[platform];
}

class GeneralPage : public RecordPage {
 public:
  explicit GeneralPage(Configuration& config) : RecordPage(config) {}

 protected:
  bool OnClose() override {
    std::string registerText = ControlText(Control(IDC_GENERAL_REGISTER_ADDRESS));
    std::string bufferText = ControlText(Control(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS));
    AddressField bad = kNoAddressField;
    if (TakeAddressEntries(config_, CheckedPlatform(), registerText.c_str(), bufferText.c_str(),
                           &bad))
      return true;
    FocusControl(Handle(), kAddressFields[bad]);
    return false;
  }

  INT_PTR OnColour(HDC dc, HWND control) override {
    return NoteColours(dc, control, {IDC_GENERAL_NOTE});
  }

 private:
  int CheckedPlatform() const {
    for (int i = 0; i < kPlatformCount; ++i)
      if (IsChecked(Control(kPlatformButtons[i]))) return i;
    return kUserDefinedPlatform;
  }

  void EnableAddressFields(bool enable) {
    for (int field : kAddressFields) ShowEnabled(Control(field), enable);
  }

  // A platform's own addresses, shown in the disabled fields.
  void ShowPlatformAddresses(int platform) {
    EnableAddressFields(false);
    const Platform& row = kPlatforms[platform];
    ShowText(Control(IDC_GENERAL_REGISTER_ADDRESS), PlatformAddressText(platform, row.regAddr));
    ShowText(Control(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS),
             PlatformAddressText(platform, row.dispMemAddr));
  }

  // Only the record's platform is checked (on a new page every button
  // starts unchecked).
  void ShowRecord() override {
    int platform = PlatformOfRecord(config_);
    for (int i = kUserDefinedPlatform; i < kPlatformCount; ++i)
      if (i != platform) ShowChecked(Control(ButtonOfPlatform(i)), false);
    ShowChecked(Control(ButtonOfPlatform(platform)), true);
    if (platform != kUserDefinedPlatform) {
      ShowPlatformAddresses(platform);
      return;
    }
    EnableAddressFields(true);
    ShowText(Control(IDC_GENERAL_REGISTER_ADDRESS), AddressText(config_.WorkingRecord.RegAddr));
    ShowText(Control(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS),
             AddressText(config_.WorkingRecord.DispMemAddr));
  }

  void ButtonClicked(int id) override {
    if (!IsChecked(Control(id))) return;
    if (id == IDC_GENERAL_USER_DEFINED) {
      EnableAddressFields(true);
      return;
    }
    int platform = PlatformOfButton(id);
    if (platform != kUserDefinedPlatform) ShowPlatformAddresses(platform);
  }
};

}  // namespace

std::unique_ptr<DialogWindow> MakeGeneralPage(Configuration& config) {
  return std::unique_ptr<DialogWindow>(new GeneralPage(config));
}
