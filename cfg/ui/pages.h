// The factories of the six pages (see the contract in page_table.h): each
// makes its page's object, which edits config; the main window creates the
// page's window.
#ifndef QLC_CFG_UI_PAGES_H
#define QLC_CFG_UI_PAGES_H

#include <memory>

#include "cfg/record/configuration.h"
#include "cfg/ui/dialog_window.h"

std::unique_ptr<DialogWindow> MakeGeneralPage(Configuration& config);
std::unique_ptr<DialogWindow> MakePreferencePage(Configuration& config);
std::unique_ptr<DialogWindow> MakeClocksPage(Configuration& config);
std::unique_ptr<DialogWindow> MakePanelPage(Configuration& config);
std::unique_ptr<DialogWindow> MakePanelPowerPage(Configuration& config);
std::unique_ptr<DialogWindow> MakeRegistersPage(Configuration& config);

#endif
