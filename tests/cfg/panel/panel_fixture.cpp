#include "tests/cfg/panel/panel_fixture.h"

#include "cfg/panel/panel_messages.h"

void PanelTest::SetUp() {
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

uint32_t PanelTest::StartAddress() const {
  return Reg(0x74) | Reg(0x75) << 8 | Reg(0x76) << 16;
}

uint32_t PanelTest::LineOffset() const {
  return Reg(0x78) | Reg(0x79) << 8;
}
