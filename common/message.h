// Every message the configuration tools show goes through ShowMessage. The
// front end decides where it goes: a message box, standard error, or a test
// recorder that also answers questions. A message about one entry names the
// entry's field (an enumerator of the logic that checks it), so that a front
// end with controls can move the focus there; the logic never knows a window.
#ifndef QLC_COMMON_MESSAGE_H
#define QLC_COMMON_MESSAGE_H

// Styles and answers use the Win32 message-box values so the GUI sink can pass
// them straight through.
enum MessageStyle : unsigned {
  kMsgOk = 0x00,
  kMsgOkCancel = 0x01,
  kMsgYesNoCancel = 0x03,
  kMsgYesNo = 0x04,
  kMsgButtonMask = 0x0F,
  kMsgIconError = 0x10,
  kMsgIconQuestion = 0x20,
  kMsgIconWarning = 0x30,
  kMsgIconInfo = 0x40,
  kMsgIconMask = 0xF0,
  kMsgTaskModal = 0x2000,  // every window of the program waits for the answer
};

enum MessageAnswer : int {
  kAnswerOk = 1,
  kAnswerCancel = 2,
  kAnswerYes = 6,
  kAnswerNo = 7,
};

enum { kMaxMessageLength = 1024 };

// No field: the message is about no single entry.
enum { kNoField = 0 };

// field is kNoField or the entry the message is about; text is already
// formatted.
typedef int (*MessageSink)(unsigned style, int field, const char* text);

// Installs a sink and returns the previous one; nullptr restores the default
// sink, which prints the text on standard error and answers OK or Yes.
MessageSink SetMessageSink(MessageSink sink);

// Formats printf-style into at most kMaxMessageLength - 1 characters and hands
// the text to the sink; returns the answer.
int ShowMessage(unsigned style, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
// The same about one entry.
int ShowFieldMessage(int field, unsigned style, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

// The sink's default answer for a style: OK, or Yes for Yes/No questions.
int DefaultAnswer(unsigned style);

#endif
