#include "cfg/ui/message_box.h"

#include <windows.h>

#include "common/message.h"

int ShowMessageBox(void* owner, unsigned style, const char* text) {
  return MessageBoxA(static_cast<HWND>(owner), text, "56420CFG", style);
}

void UseMessageBoxes() {
  SetMessageSink(ShowMessageBox);
}
