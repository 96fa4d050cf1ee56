#include "common/message.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/message_recorder.h"

TEST(ShowMessage, FormatsAndTruncatesToTheLimit) {
  MessageRecorder recorder;
  ShowMessage(kMsgIconError, "Invalid register requested: %xh", 0xAB);
  std::string longText(2000, 'x');
  ShowMessage(kMsgIconInfo, "%s", longText.c_str());
  ASSERT_EQ(recorder.Messages().size(), 2u);
  EXPECT_EQ(recorder.Messages()[0].text, "Invalid register requested: abh");
  EXPECT_EQ(recorder.Messages()[0].style, unsigned(kMsgIconError));
  EXPECT_EQ(recorder.Messages()[1].text.size(), size_t(kMaxMessageLength - 1));
}

TEST(ShowMessage, ReturnsTheScriptedAnswerThenTheDefault) {
  MessageRecorder recorder;
  recorder.Answer(kAnswerNo);
  EXPECT_EQ(ShowMessage(kMsgYesNo | kMsgIconQuestion, "Round?"), kAnswerNo);
  EXPECT_EQ(ShowMessage(kMsgYesNo | kMsgIconQuestion, "Round?"), kAnswerYes);
  EXPECT_EQ(ShowMessage(kMsgOk, "Done"), kAnswerOk);
}
