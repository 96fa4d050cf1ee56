// Preference page: rotation, colour depth and video invert reach the record
// at once, with the start address and line offset kept in step.
#include "cfg/pages/preference/preference.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

// Buttons by rotation code 0..3 and by colour depth code 0..4.
static const int kRotationButtons[] = {IDC_PREFERENCE_ROTATE_0, IDC_PREFERENCE_ROTATE_90,
                                       IDC_PREFERENCE_ROTATE_180, IDC_PREFERENCE_ROTATE_270};
static const int kDepthButtons[] = {IDC_PREFERENCE_1BPP, IDC_PREFERENCE_2BPP, IDC_PREFERENCE_4BPP,
                                    IDC_PREFERENCE_8BPP, IDC_PREFERENCE_16BPP};
static const unsigned kRotationCount = sizeof kRotationButtons / sizeof kRotationButtons[0];
static const unsigned kDepthCount = sizeof kDepthButtons / sizeof kDepthButtons[0];

// The page is new, every button unchecked: only the record's choices are
// checked (colour depth codes 5 to 7 check none).
static void OpenPreferencePage(HWND page) {
  Configuration& config = WindowConfiguration();
  PreferenceChoices shown = ShownPreferenceChoices(config);
  if (shown.depthCode < kDepthCount) SetChecked(page, kDepthButtons[shown.depthCode], true);
  if (shown.softwareInvert) SetChecked(page, IDC_PREFERENCE_SOFTWARE_INVERT, true);
  if (shown.hardwareInvert) SetChecked(page, IDC_PREFERENCE_HARDWARE_INVERT, true);
  SetChecked(page, kRotationButtons[shown.rotation % kRotationCount], true);
}

static void ButtonClicked(HWND page, int id) {
  Configuration& config = WindowConfiguration();
  for (unsigned code = 0; code < kRotationCount; ++code)
    if (id == kRotationButtons[code] && IsChecked(page, id)) SetRotation(config, code);
  for (unsigned code = 0; code < kDepthCount; ++code)
    if (id == kDepthButtons[code] && IsChecked(page, id)) SetColorDepth(config, code);
  if (id == IDC_PREFERENCE_SOFTWARE_INVERT) SetSoftwareInvert(config, IsChecked(page, id));
  if (id == IDC_PREFERENCE_HARDWARE_INVERT) SetHardwareInvert(config, IsChecked(page, id));
}

INT_PTR CALLBACK PreferencePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(page);
  Configuration& config = WindowConfiguration();
  switch (message) {
    case WM_INITDIALOG:
      OpenPreferencePage(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) ButtonClicked(page, LOWORD(wParam));
      return TRUE;
    case kMsgPageClose:
      ReportRecalculatedRegisters(config);
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return NoteColours(wParam, lParam, {IDC_PREFERENCE_NOTE});
    default:
      return FALSE;
  }
}
