// The Modify Register dialog's value entry: its title, the text shown in
// either radix, the conversion when the radix is switched, and the rule by
// which OK takes the value into the working record.
#ifndef QLC_CFG_RECORD_REGISTER_ENTRY_H
#define QLC_CFG_RECORD_REGISTER_ENTRY_H

#include <string>

#include "cfg/record/configuration.h"

enum RegisterRadix { kDecimalRadix, kHexadecimalRadix };

// "Modify register %03Xh".
std::string ModifyRegisterTitle(unsigned index);

// The value as "%02X" in hexadecimal, as plain digits in decimal.
std::string RegisterValueText(unsigned value, RegisterRadix radix);

// The entry's text after the radix changed from one to the other: the value
// read in the old radix (ReadDialogHex / ReadDialogNumber) shown in the new
// one; a text that does not read, or holds no digit, stays as typed.
std::string ConvertRegisterValueText(const std::string& text, RegisterRadix from, RegisterRadix to);

// OK: a text that reads in the radix, with at least one digit, as a value
// below 256 is stored with SetRegister; any other is reported ("ERROR:Invalid
// value entered!", error icon) and nothing changes. True when
// stored.
// The same rule for a number: above FFh it is reported and nothing changes.
bool StoreRegisterValue(Configuration& config, unsigned index, uint32_t value);
bool TakeRegisterValue(Configuration& config, unsigned index, const std::string& text,
                       RegisterRadix radix);

#endif
