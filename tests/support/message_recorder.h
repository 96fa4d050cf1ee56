// Test sink for ShowMessage: records every message and answers questions
// from a script (default answer when the script runs out).
#ifndef QLC_TESTS_SUPPORT_MESSAGE_RECORDER_H
#define QLC_TESTS_SUPPORT_MESSAGE_RECORDER_H

#include <deque>
#include <string>
#include <vector>

struct RecordedMessage {
  unsigned style;
  std::string text;
  void* owner;  // the window the box belongs to (see Present)
  int field;    // the entry the message is about, kNoField when none
};

class MessageRecorder {
 public:
  MessageRecorder();   // installs itself as the sink
  ~MessageRecorder();  // restores the previous sink

  void Answer(int answer) { answers_.push_back(answer); }
  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  std::vector<std::string> Texts() const;
  void Clear() { messages_.clear(); }
  // The fields of the messages about one entry since the last call, Clear
  // notwithstanding: where a page would move the focus, in order.
  std::vector<int> TakeFields();

  // Records what the window front end would show in a box, with its owner:
  // a front end whose message boxes can be replaced hands them here.
  static int Present(void* owner, unsigned style, const char* text);

 private:
  static int Sink(unsigned style, int field, const char* text);
  int NextAnswer(unsigned style);
  std::vector<RecordedMessage> messages_;
  std::deque<int> answers_;
  std::vector<int> fields_;
  void* previousSink_;
};

#endif
