#include "tests/support/message_recorder.h"

#include "common/message.h"

static MessageRecorder* g_activeRecorder = nullptr;

MessageRecorder::MessageRecorder() {
  previousSink_ = reinterpret_cast<void*>(SetMessageSink(&MessageRecorder::Sink));
  g_activeRecorder = this;
}

MessageRecorder::~MessageRecorder() {
  SetMessageSink(reinterpret_cast<MessageSink>(previousSink_));
  g_activeRecorder = nullptr;
}

std::vector<std::string> MessageRecorder::Texts() const {
  std::vector<std::string> texts;
  for (const RecordedMessage& m : messages_) texts.push_back(m.text);
  return texts;
}

int MessageRecorder::Sink(void* owner, unsigned style, const char* text) {
  MessageRecorder* self = g_activeRecorder;
  self->messages_.push_back({style, text, owner});
  if (self->answers_.empty()) return DefaultAnswer(style);
  int answer = self->answers_.front();
  self->answers_.pop_front();
  return answer;
}
