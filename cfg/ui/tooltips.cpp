// Tooltips: the switch only, until the tooltip texts are built.
#include "tooltips.h"

static bool g_enabled = true;

bool CreateTooltips(HWND) {
  return false;
}
void DestroyTooltips() {}
void RegisterTools(HWND) {}
bool AnswerTooltipRequest(NMHDR*) {
  return false;
}

void SetTooltipsEnabled(bool enabled) {
  g_enabled = enabled;
}
bool TooltipsEnabled() {
  return g_enabled;
}
