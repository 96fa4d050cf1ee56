#include "tests/cfg/panel/panel_fixture.h"

#include "cfg/pages/clocks/clocks_page.h"
#include "cfg/panel/clocks.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/panel_messages.h"

void PanelTest::SetUp() {
  ResetRecords();
  FixedClkI = 0;
  FixedClkI2 = 0;
  FixedBusClk = WorkingRecord.BusClk;
  Clki2BusClockOption = false;
  PanelMatching = PanelMatchState();
  SetPanelMessageOwner(nullptr);
  TakePanelFocusRequests();
}

void PanelTest::TearDown() {
  TakePanelFocusRequests();
}

std::vector<int> PanelTest::FocusedControls() {
  std::vector<int> controls;
  for (const PanelFocusRequest& request : TakePanelFocusRequests())
    controls.push_back(request.control);
  return controls;
}

unsigned Reg(unsigned index) {
  return GetRegister(index);
}

uint32_t StartAddress() {
  return Reg(0x74) | Reg(0x75) << 8 | Reg(0x76) << 16;
}

uint32_t LineOffset() {
  return Reg(0x78) | Reg(0x79) << 8;
}
