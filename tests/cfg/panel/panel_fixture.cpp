#include "tests/cfg/panel/panel_fixture.h"

uint32_t PanelTest::StartAddress() const {
  return Reg(0x74) | Reg(0x75) << 8 | Reg(0x76) << 16;
}

uint32_t PanelTest::LineOffset() const {
  return Reg(0x78) | Reg(0x79) << 8;
}
