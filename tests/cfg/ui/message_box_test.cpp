// The message box sink on a real Win32 desktop (Wine in the test runs): a
// second thread finds the box, reads it and presses a button.
#include "cfg/ui/message_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "common/message.h"

namespace {

struct SeenBox {
  bool found = false;
  std::string text;
};

// Waits up to ten seconds for the box titled "56420CFG", then presses button.
SeenBox PressWhenShown(int button) {
  SeenBox seen;
  for (int attempt = 0; attempt < 200 && !seen.found; ++attempt) {
    HWND box = FindWindowA(nullptr, "56420CFG");
    if (!box) {
      Sleep(50);
      continue;
    }
    seen.found = true;
    char text[256] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message text
    seen.text = text;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  }
  return seen;
}

}  // namespace

TEST(MessageBox, ShowsTheFormattedTextTitledAndReturnsTheButtonPressed) {
  UseMessageBoxes();
  SeenBox seen;
  std::thread presser([&seen] { seen = PressWhenShown(IDNO); });
  int answer = ShowMessage(kMsgYesNo | kMsgIconQuestion, "Round the width to %d?", 320);
  presser.join();
  SetMessageSink(nullptr);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "Round the width to 320?");
  EXPECT_EQ(answer, kAnswerNo);
}

TEST(MessageBox, ErrorsAreAcknowledgedWithOk) {
  UseMessageBoxes();
  SeenBox seen;
  std::thread presser([&seen] { seen = PressWhenShown(IDOK); });
  int answer = ShowMessage(kMsgOk | kMsgIconError, "Invalid register requested: %xh", 0);
  presser.join();
  SetMessageSink(nullptr);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "Invalid register requested: 0h");
  EXPECT_EQ(answer, kAnswerOk);
}
