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

std::vector<int> MessageRecorder::TakeFields() {
  std::vector<int> fields;
  fields.swap(fields_);
  return fields;
}

int MessageRecorder::NextAnswer(unsigned style) {
  if (answers_.empty()) return DefaultAnswer(style);
  int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

int MessageRecorder::Sink(unsigned style, int field, const char* text) {
  g_activeRecorder->messages_.push_back({style, text, nullptr, field});
  if (field != kNoField) g_activeRecorder->fields_.push_back(field);
  return g_activeRecorder->NextAnswer(style);
}

int MessageRecorder::Present(void* owner, unsigned style, const char* text) {
  g_activeRecorder->messages_.push_back({style, text, owner, kNoField});
  return g_activeRecorder->NextAnswer(style);
}
