#include "cfg/ui/page_table.h"

#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

const PageEntry kPages[kPageCount] = {
    {"General", IDD_GENERAL, GeneralPageProc, "Configure physical addresses."},
    {"Preference", IDD_PREFERENCE, PreferencePageProc,
     "Configure initial active display and color depth."},
    {"Clocks", IDD_CLOCKS, ClocksPageProc, "Configure QLC56420 input clocks."},
    {"Panel", IDD_PANEL, PanelPageProc, "Configure LCD panel timings"},
    {"Panel Power", IDD_PANEL_POWER, PanelPowerPageProc, "Configure LCD panel power control"},
    {"Registers", IDD_REGISTERS, RegistersPageProc,
     "Directly configure QLC56420 registers. Experts only!"},
};

void RefusePageClose(HWND page) {
  SetWindowLongPtrA(page, DWLP_MSGRESULT, kPageRefuse);
}
