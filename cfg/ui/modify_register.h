// The Modify Register dialog (117): one register's value, typed in decimal or
// hexadecimal.
#ifndef QLC_CFG_UI_MODIFY_REGISTER_H
#define QLC_CFG_UI_MODIFY_REGISTER_H

#include <windows.h>

#include "cfg/record/configuration.h"

// Shows the dialog modally for the register of config's working record with
// this index and marks the register as set by hand. True when it ended with
// OK (the value is then in the working record).
bool RunModifyRegister(HWND owner, Configuration& config, unsigned index);

#endif
