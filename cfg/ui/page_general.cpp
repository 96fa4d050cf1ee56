// General page: the platform whose decode addresses the record holds, or
// addresses of the user's own.
#include "cfg/pages/general/platforms.h"
#include "cfg/record/record.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

// The radio buttons of kPlatforms, in the table's order.
static const int kPlatformButtons[kPlatformCount] = {
    IDC_GENERAL_EVALUATION_BOARD, IDC_GENERAL_IDP68000, IDC_GENERAL_IDP68032,
    IDC_GENERAL_SH3_LCEVB,        IDC_GENERAL_DSP56654,
};
static const int kAddressFields[] = {IDC_GENERAL_REGISTER_ADDRESS,
                                     IDC_GENERAL_DISPLAY_BUFFER_ADDRESS};

static int PlatformOfButton(int id) {
  for (int i = 0; i < kPlatformCount; ++i)
    if (kPlatformButtons[i] == id) return i;
  return kUserDefinedPlatform;
}

static int CheckedPlatform(HWND page) {
  for (int i = 0; i < kPlatformCount; ++i)
    if (IsChecked(page, kPlatformButtons[i])) return i;
  return kUserDefinedPlatform;
}

static void EnableAddressFields(HWND page, bool enable) {
  for (int field : kAddressFields) EnableWindow(GetDlgItem(page, field), enable);
}

// A platform's own addresses, shown in the disabled fields.
static void ShowPlatformAddresses(HWND page, int platform) {
  EnableAddressFields(page, false);
  const Platform& row = kPlatforms[platform];
  SetControlText(page, IDC_GENERAL_REGISTER_ADDRESS, PlatformAddressText(platform, row.regAddr));
  SetControlText(page, IDC_GENERAL_DISPLAY_BUFFER_ADDRESS,
                 PlatformAddressText(platform, row.dispMemAddr));
}

// The page is new: every button starts unchecked.
static void OpenGeneralPage(HWND page) {
  Configuration& config = WindowConfiguration();
  int platform = PlatformOfRecord(config);
  SetChecked(
      page,
      platform == kUserDefinedPlatform ? IDC_GENERAL_USER_DEFINED : kPlatformButtons[platform],
      true);
  if (platform != kUserDefinedPlatform) {
    ShowPlatformAddresses(page, platform);
    return;
  }
  EnableAddressFields(page, true);
  SetControlText(page, IDC_GENERAL_REGISTER_ADDRESS, AddressText(config.WorkingRecord.RegAddr));
  SetControlText(page, IDC_GENERAL_DISPLAY_BUFFER_ADDRESS,
                 AddressText(config.WorkingRecord.DispMemAddr));
}

static void ButtonClicked(HWND page, int id) {
  if (!IsChecked(page, id)) return;
  if (id == IDC_GENERAL_USER_DEFINED) {
    EnableAddressFields(page, true);
    return;
  }
  int platform = PlatformOfButton(id);
  if (platform != kUserDefinedPlatform) ShowPlatformAddresses(page, platform);
}

static void CloseGeneralPage(HWND page) {
  Configuration& config = WindowConfiguration();
  std::string registerText = ControlText(page, IDC_GENERAL_REGISTER_ADDRESS);
  std::string bufferText = ControlText(page, IDC_GENERAL_DISPLAY_BUFFER_ADDRESS);
  AddressField bad = kNoAddressField;
  if (TakeAddressEntries(config, CheckedPlatform(page), registerText.c_str(), bufferText.c_str(),
                         &bad))
    return;
  FocusControl(page, kAddressFields[bad]);
  RefusePageClose(page);
}

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(page);
  switch (message) {
    case WM_INITDIALOG:
      OpenGeneralPage(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) ButtonClicked(page, LOWORD(wParam));
      return TRUE;
    case kMsgPageClose:
      CloseGeneralPage(page);
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return NoteColours(wParam, lParam, {IDC_GENERAL_NOTE});
    default:
      return FALSE;
  }
}
