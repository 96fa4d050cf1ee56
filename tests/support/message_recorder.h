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
  void* owner;  // the window the box belongs to
};

class MessageRecorder {
 public:
  MessageRecorder();   // installs itself as the sink
  ~MessageRecorder();  // restores the previous sink

  void Answer(int answer) { answers_.push_back(answer); }
  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  std::vector<std::string> Texts() const;
  void Clear() { messages_.clear(); }

 private:
  static int Sink(void* owner, unsigned style, const char* text);
  std::vector<RecordedMessage> messages_;
  std::deque<int> answers_;
  void* previousSink_;
};

#endif
