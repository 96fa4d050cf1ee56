#include "cfg/pages/registers/register_entry.h"

#include <stdint.h>
#include <stdio.h>

#include "cfg/record/record.h"
#include "common/message.h"
#include "common/text_read.h"

std::string ModifyRegisterTitle(unsigned index) {
  char title[32];
  snprintf(title, sizeof title, "Modify register %03Xh", index);
  return title;
}

std::string RegisterValueText(unsigned value, RegisterRadix radix) {
  char text[16];
  // Unsigned in decimal too: a large hexadecimal entry must not turn negative
  // (and then unreadable) on the way to decimal.
  snprintf(text, sizeof text, radix == kHexadecimalRadix ? "%02X" : "%u", value);
  return text;
}

// A text without a single digit (empty or blanks) is no value, though the
// field readers take it as 0: OK on an emptied field must not clear the
// register.
static bool ReadRegisterValue(const std::string& text, RegisterRadix radix, uint32_t* value) {
  const char* digits = radix == kHexadecimalRadix ? "0123456789abcdefABCDEF" : "0123456789";
  if (text.substr(0, kMaxEntryText).find_first_of(digits) == std::string::npos) return false;
  if (radix == kHexadecimalRadix) return ReadDialogHex(text.c_str(), value);
  return ReadDialogNumber(text.c_str(), value, nullptr);
}

std::string ConvertRegisterValueText(const std::string& text, RegisterRadix from,
                                     RegisterRadix to) {
  uint32_t value = 0;
  if (!ReadRegisterValue(text, from, &value)) return text;
  return RegisterValueText(value, to);
}

bool StoreRegisterValue(Configuration& config, unsigned index, uint32_t value) {
  if (value > 0xFF) {
    ShowMessage(kMsgOk | kMsgIconError, "ERROR:Invalid value entered!");
    return false;
  }
  config.SetRegister(index, value);
  return true;
}

bool TakeRegisterValue(Configuration& config, unsigned index, const std::string& text,
                       RegisterRadix radix) {
  uint32_t value = 0;
  // Unreadable text is refused as a value beyond the register.
  if (!ReadRegisterValue(text, radix, &value)) value = 0x100;
  return StoreRegisterValue(config, index, value);
}
