// Every panel test starts from the default record, "Auto" input clocks and a
// fresh matching state, with messages recorded.
#ifndef QLC_TESTS_CFG_PANEL_PANEL_FIXTURE_H
#define QLC_TESTS_CFG_PANEL_PANEL_FIXTURE_H

#include <gtest/gtest.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/record.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

class PanelTest : public ConfigurationTest {
 protected:
  // Texts of the recorded messages, and the focus requests made.
  std::vector<std::string> Messages() const { return recorder_.Texts(); }
  std::vector<int> FocusedControls() { return recorder_.TakeFields(); }
  void ClearMessages() { recorder_.Clear(); }

  // The register values of the working record, indexed by register.
  unsigned Reg(unsigned index) const { return config.GetRegister(index); }
  // The main window's start address (REG[74h]-[76h]) and line offset
  // (REG[78h]/[79h]) in words.
  uint32_t StartAddress() const;
  uint32_t LineOffset() const;

  MessageRecorder recorder_;
};

#endif
