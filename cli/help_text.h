// The texts of `qlccfg --help`, `qlccfg COMMAND --help` and `--version`.
#ifndef QLC_CLI_HELP_TEXT_H
#define QLC_CLI_HELP_TEXT_H

#include <string>

extern const char kVersionText[];

// The overview for an empty topic, else the help of that command ("show", ...).
std::string HelpText(const std::string& topic);

#endif
