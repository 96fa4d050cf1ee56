#include "cli/command_line.h"

#include <stdlib.h>

#include "cfg/export/export_options.h"
#include "cfg/panel/timing_terms.h"

namespace {

struct CommandSyntax {
  const char* name;
  CommandKind kind;
  int minOperands;
  int maxOperands;  // -1: no limit
};

const CommandSyntax kCommands[] = {
    {"show", CommandKind::kShow, 1, 1},       {"set", CommandKind::kSet, 2, -1},
    {"panels", CommandKind::kPanels, 0, 0},   {"apply-panel", CommandKind::kApplyPanel, 2, 2},
    {"check", CommandKind::kCheck, 1, 1},     {"export", CommandKind::kExport, 2, 2},
    {"import", CommandKind::kImport, 2, 2},   {"configure", CommandKind::kConfigure, 2, -1},
    {"preview", CommandKind::kPreview, 1, 2}, {"diff", CommandKind::kDiff, 2, 2},
    {"timing", CommandKind::kTiming, 1, 1},   {"import-timing", CommandKind::kImportTiming, 2, 2},
};

struct Alias {
  const char* alias;
  const char* name;
};
const Alias kAliases[] = {{"apply", "apply-panel"}, {"info", "show"}};

const CommandSyntax* FindCommand(const std::string& word) {
  std::string name = word;
  for (const Alias& alias : kAliases)
    if (word == alias.alias) name = alias.name;
  for (const CommandSyntax& syntax : kCommands)
    if (name == syntax.name) return &syntax;
  return nullptr;
}

// The set of commands an option applies to, one bit a command.
constexpr unsigned For(CommandKind kind) {
  return 1u << static_cast<unsigned>(kind);
}
constexpr unsigned kFileCommands =
    For(CommandKind::kShow) | For(CommandKind::kSet) | For(CommandKind::kApplyPanel) |
    For(CommandKind::kCheck) | For(CommandKind::kExport) | For(CommandKind::kImport) |
    For(CommandKind::kConfigure) | For(CommandKind::kPreview) | For(CommandKind::kDiff) |
    For(CommandKind::kTiming) | For(CommandKind::kImportTiming);
constexpr unsigned kSavingCommands = For(CommandKind::kSet) | For(CommandKind::kApplyPanel) |
                                     For(CommandKind::kExport) | For(CommandKind::kImport) |
                                     For(CommandKind::kImportTiming);

// Stores the value of an option; false with error set when the value is refused.
using ValueReader = bool (*)(const std::string& option, const std::string& value, Command* command,
                             std::string* error);

bool NeedFileName(const std::string& option, const std::string& value, std::string* error) {
  if (!value.empty()) return true;
  *error = "option '" + option + "' needs a file name";
  return false;
}

bool ReadOutput(const std::string& option, const std::string& value, Command* command,
                std::string* error) {
  if (!NeedFileName(option, value, error)) return false;
  command->output = value;
  command->hasOutput = true;
  return true;
}

bool ReadDefinitionFile(const std::string& option, const std::string& value, Command* command,
                        std::string* error) {
  if (!NeedFileName(option, value, error)) return false;
  command->definitionFile = value;
  return true;
}

bool ReadFormat(const std::string&, const std::string& value, Command* command,
                std::string* error) {
  if (value == "binary") {
    command->format = FileFormat::kBinary;
  } else if (value == "srec") {
    command->format = FileFormat::kSRecord;
  } else {
    *error = "unknown format '" + value + "' (binary or srec)";
    return false;
  }
  return true;
}

bool ReadSvgOutput(const std::string& option, const std::string& value, Command* command,
                   std::string* error) {
  if (!NeedFileName(option, value, error)) return false;
  command->svgOutput = value;
  return true;
}

bool ReadPanelType(const std::string&, const std::string& value, Command* command,
                   std::string* error) {
  unsigned type = 0;
  if (!FindPanelTypeName(value, &type)) {
    *error = "unknown panel type '" + value + "' (stn, tft, hr-tft or k-vrx)";
    return false;
  }
  command->panelType = static_cast<int>(type);
  return true;
}

// The export kinds' names for a usage error: "appcfg, chip, ... or paneldef".
std::string ExportKindNames() {
  std::string names;
  for (int i = 0; i < kExportKindCount; ++i)
    names += std::string(i == 0                      ? ""
                         : i + 1 == kExportKindCount ? " or "
                                                     : ", ") +
             kExportKinds[i].name;
  return names;
}

// Plain decimal digits, no more of them than the largest number has.
bool ReadMode(const std::string&, const std::string& value, Command* command, std::string* error) {
  static const std::string largest = std::to_string(kMaxModeNumber);
  bool digitsOnly = !value.empty() && value.size() <= largest.size() &&
                    value.find_first_not_of("0123456789") == std::string::npos;
  unsigned number = digitsOnly ? static_cast<unsigned>(atoi(value.c_str())) : 0;
  if (!digitsOnly || number > static_cast<unsigned>(kMaxModeNumber)) {
    *error = "mode number '" + value + "' is not a number from 0 to " + largest;
    return false;
  }
  command->modeNumber = number;
  return true;
}

// An option either sets a flag of the Command or takes a value.
struct OptionSyntax {
  const char* name;
  const char* shortName;  // nullptr when it has none
  unsigned commands;      // those it applies to
  bool Command::*flag;    // set by an option without a value
  ValueReader readValue;  // for an option with a value
};

const OptionSyntax kOptions[] = {
    {"--json", nullptr,
     For(CommandKind::kShow) | For(CommandKind::kDiff) | For(CommandKind::kTiming), &Command::json,
     nullptr},
    {"--svg", nullptr, For(CommandKind::kTiming), nullptr, ReadSvgOutput},
    {"--type", nullptr, For(CommandKind::kImportTiming), nullptr, ReadPanelType},
    {"--output", "-o", kSavingCommands | For(CommandKind::kPreview), nullptr, ReadOutput},
    {"--format", nullptr, kFileCommands, nullptr, ReadFormat},
    {"--def", nullptr, For(CommandKind::kPanels) | For(CommandKind::kApplyPanel), nullptr,
     ReadDefinitionFile},
    {"--mode", nullptr, For(CommandKind::kExport), nullptr, ReadMode},
    {"--sw-cursor", nullptr, For(CommandKind::kExport), &Command::softwareCursor, nullptr},
    {"--sw-blit", nullptr, For(CommandKind::kExport), &Command::softwareBlit, nullptr},
    {"--preserve-addresses", nullptr, For(CommandKind::kConfigure), &Command::preserveAddresses,
     nullptr},
    {"--keep-pixel-clock", nullptr, For(CommandKind::kApplyPanel), &Command::keepPixelClock,
     nullptr},
};

const OptionSyntax* FindOption(const std::string& name) {
  for (const OptionSyntax& option : kOptions)
    if (name == option.name || (option.shortName && name == option.shortName)) return &option;
  return nullptr;
}

// Splits "--name=value" into its two halves; other words are left whole.
void SplitInlineValue(const std::string& word, std::string* name, std::string* value,
                      bool* hasValue) {
  size_t equals = word.find('=');
  *hasValue = word.compare(0, 2, "--") == 0 && equals != std::string::npos;
  *name = *hasValue ? word.substr(0, equals) : word;
  *value = *hasValue ? word.substr(equals + 1) : std::string();
}

// Applies the option word arguments[*i] to command. An option whose value is
// not inline takes the next word, and *i moves on to it.
bool ApplyOption(const std::vector<std::string>& arguments, size_t* i, const CommandSyntax& syntax,
                 Command* command, std::string* error) {
  std::string name, value;
  bool hasValue = false;
  SplitInlineValue(arguments[*i], &name, &value, &hasValue);
  const OptionSyntax* option = FindOption(name);
  if (!option) {
    *error = "unknown option '" + name + "'";
    return false;
  }
  if (!(option->commands & For(syntax.kind))) {
    *error = "option '" + name + "' does not apply to '" + syntax.name + "'";
    return false;
  }
  if (option->flag) {
    if (hasValue) {
      *error = "option '" + name + "' takes no value";
      return false;
    }
    command->*option->flag = true;
    return true;
  }
  if (!hasValue) {
    if (*i + 1 >= arguments.size()) {
      *error = "option '" + name + "' needs a value";
      return false;
    }
    value = arguments[++*i];
  }
  return option->readValue(name, value, command, error);
}

// Hands the operands to the fields of the command, once their count is right.
bool PlaceOperands(const std::vector<std::string>& operands, const CommandSyntax& syntax,
                   Command* command, std::string* error) {
  int count = static_cast<int>(operands.size());
  if (count < syntax.minOperands) {
    *error = std::string("'") + syntax.name + "' needs more arguments";
    return false;
  }
  if (syntax.maxOperands >= 0 && count > syntax.maxOperands) {
    *error = std::string("'") + syntax.name + "': unexpected argument '" +
             operands[static_cast<size_t>(syntax.maxOperands)] + "'";
    return false;
  }
  switch (command->kind) {
    case CommandKind::kShow:
    case CommandKind::kCheck:
    case CommandKind::kTiming:
      command->file = operands[0];
      break;
    case CommandKind::kImportTiming:
      command->file = operands[0];
      command->timingSource = operands[1];
      break;
    case CommandKind::kSet:
      command->file = operands[0];
      command->assignments.assign(operands.begin() + 1, operands.end());
      break;
    case CommandKind::kApplyPanel:
      command->file = operands[0];
      command->panelName = operands[1];
      break;
    case CommandKind::kExport:
      if (!FindExportKind(operands[0].c_str(), &command->exportKind)) {
        *error = "unknown export kind '" + operands[0] + "' (" + ExportKindNames() + ")";
        return false;
      }
      command->file = operands[1];
      break;
    case CommandKind::kImport:
      command->file = operands[0];
      command->header = operands[1];
      break;
    case CommandKind::kConfigure:
      command->file = operands[0];
      command->targets.assign(operands.begin() + 1, operands.end());
      break;
    case CommandKind::kPreview:
      command->file = operands[0];
      if (count > 1) command->picture = operands[1];
      break;
    case CommandKind::kDiff:
      command->file = operands[0];
      command->secondFile = operands[1];
      break;
    default:
      break;
  }
  return true;
}

// The first word: help, the version, or a command.
bool ParseFirstWord(const std::vector<std::string>& arguments, Command* command,
                    const CommandSyntax** syntax, std::string* error) {
  const std::string& first = arguments[0];
  if (first == "--help" || first == "-h" || first == "help") {
    command->kind = CommandKind::kHelp;
    if (arguments.size() > 1) {
      const CommandSyntax* topic = FindCommand(arguments[1]);
      if (!topic) {
        *error = "unknown command '" + arguments[1] + "'";
        return false;
      }
      command->helpTopic = topic->name;
    }
    return true;
  }
  if (first == "--version" || first == "-V") {
    command->kind = CommandKind::kVersion;
    return true;
  }
  *syntax = FindCommand(first);
  if (!*syntax) {
    *error = first[0] == '-' ? "unknown option '" + first + "'" : "unknown command '" + first + "'";
    return false;
  }
  command->kind = (*syntax)->kind;
  return true;
}

}  // namespace

const char* CommandName(CommandKind kind) {
  for (const CommandSyntax& syntax : kCommands)
    if (syntax.kind == kind) return syntax.name;
  return "";
}

bool ParseCommandLine(const std::vector<std::string>& arguments, Command* command,
                      std::string* error) {
  *command = Command();
  if (arguments.empty()) {
    *error = "no command given";
    return false;
  }
  const CommandSyntax* syntax = nullptr;
  if (!ParseFirstWord(arguments, command, &syntax, error)) return false;
  if (!syntax) return true;  // help or the version

  std::vector<std::string> operands;
  bool optionsEnded = false;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    // A lone "-" is an operand (standard output), not an option.
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      operands.push_back(word);
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == "--help" || word == "-h") {
      command->kind = CommandKind::kHelp;
      command->helpTopic = syntax->name;
      return true;
    } else if (!ApplyOption(arguments, &i, *syntax, command, error)) {
      return false;
    }
  }
  if (!PlaceOperands(operands, *syntax, command, error)) return false;
  if (command->kind == CommandKind::kPreview && (!command->hasOutput || command->output == "-")) {
    *error = "'preview' needs -o OUT.png";
    return false;
  }
  // Only export may write to standard output; the others save a configurable file.
  if (command->hasOutput && command->output == "-" && command->kind != CommandKind::kExport) {
    *error =
        std::string("'") + syntax->name + "' cannot write a configurable file to standard output";
    return false;
  }
  return true;
}
