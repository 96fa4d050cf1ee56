#include "cfg/ui/page_table.h"

#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

const PageEntry kPages[kPageCount] = {
    {"General", IDD_GENERAL, MakeGeneralPage, "Configure physical addresses."},
    {"Preference", IDD_PREFERENCE, MakePreferencePage,
     "Configure initial active display and color depth."},
    {"Clocks", IDD_CLOCKS, MakeClocksPage, "Configure QLC56420 input clocks."},
    {"Panel", IDD_PANEL, MakePanelPage, "Configure LCD panel timings"},
    {"Panel Power", IDD_PANEL_POWER, MakePanelPowerPage, "Configure LCD panel power control"},
    {"Registers", IDD_REGISTERS, MakeRegistersPage,
     "Directly configure QLC56420 registers. Experts only!"},
};
