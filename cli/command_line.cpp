#include "cli/command_line.h"

#include <stdlib.h>

namespace {

enum OptionBit : unsigned {
  kOptJson = 1u << 0,
  kOptOutput = 1u << 1,
  kOptFormat = 1u << 2,
  kOptDefinition = 1u << 3,
  kOptMode = 1u << 4,
  kOptCursor = 1u << 5,
  kOptBlit = 1u << 6,
  kOptPreserve = 1u << 7,
  kOptKeepPixelClock = 1u << 8,
};

struct CommandSyntax {
  const char* name;
  CommandKind kind;
  int minOperands;
  int maxOperands;  // -1: no limit
  unsigned options;
};

const CommandSyntax kCommands[] = {
    {"show", CommandKind::kShow, 1, 1, kOptJson | kOptFormat},
    {"set", CommandKind::kSet, 2, -1, kOptOutput | kOptFormat},
    {"panels", CommandKind::kPanels, 0, 0, kOptDefinition},
    {"apply-panel", CommandKind::kApplyPanel, 2, 2,
     kOptDefinition | kOptOutput | kOptFormat | kOptKeepPixelClock},
    {"check", CommandKind::kCheck, 1, 1, kOptFormat},
    {"export", CommandKind::kExport, 2, 2,
     kOptOutput | kOptFormat | kOptMode | kOptCursor | kOptBlit},
    {"import", CommandKind::kImport, 2, 2, kOptOutput | kOptFormat},
    {"configure", CommandKind::kConfigure, 2, -1, kOptFormat | kOptPreserve},
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

bool ParseModeNumber(const std::string& text, unsigned* value) {
  if (text.empty() || text.size() > 4) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  unsigned number = static_cast<unsigned>(atoi(text.c_str()));
  if (number > 1000) return false;
  *value = number;
  return true;
}

// Splits "--name=value" into its two halves; other words are left whole.
void SplitInlineValue(const std::string& word, std::string* name, std::string* value,
                      bool* hasValue) {
  size_t equals = word.find('=');
  *hasValue = word.compare(0, 2, "--") == 0 && equals != std::string::npos;
  *name = *hasValue ? word.substr(0, equals) : word;
  *value = *hasValue ? word.substr(equals + 1) : std::string();
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
  const std::string& first = arguments[0];
  if (first == "--help" || first == "-h" || first == "help") {
    command->kind = CommandKind::kHelp;
    if (arguments.size() > 1) {
      const CommandSyntax* syntax = FindCommand(arguments[1]);
      if (!syntax) {
        *error = "unknown command '" + arguments[1] + "'";
        return false;
      }
      command->helpTopic = syntax->name;
    }
    return true;
  }
  if (first == "--version" || first == "-V") {
    command->kind = CommandKind::kVersion;
    return true;
  }
  const CommandSyntax* syntax = FindCommand(first);
  if (!syntax) {
    *error = first[0] == '-' ? "unknown option '" + first + "'" : "unknown command '" + first + "'";
    return false;
  }
  command->kind = syntax->kind;

  std::vector<std::string> operands;
  bool optionsEnded = false;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    // A lone "-" is an operand (standard output), not an option.
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      operands.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    if (word == "--help" || word == "-h") {
      command->kind = CommandKind::kHelp;
      command->helpTopic = syntax->name;
      return true;
    }
    std::string name, value;
    bool hasValue = false;
    SplitInlineValue(word, &name, &value, &hasValue);
    auto takeValue = [&](std::string* out) {
      if (hasValue) {
        *out = value;
        return true;
      }
      if (i + 1 >= arguments.size()) {
        *error = "option '" + name + "' needs a value";
        return false;
      }
      *out = arguments[++i];
      return true;
    };
    auto allowed = [&](unsigned bit) {
      if (syntax->options & bit) return true;
      *error = "option '" + name + "' does not apply to '" + syntax->name + "'";
      return false;
    };
    auto flagWithoutValue = [&]() {
      if (!hasValue) return true;
      *error = "option '" + name + "' takes no value";
      return false;
    };
    if (name == "--json") {
      if (!allowed(kOptJson) || !flagWithoutValue()) return false;
      command->json = true;
    } else if (name == "-o" || name == "--output") {
      if (!allowed(kOptOutput) || !takeValue(&command->output)) return false;
      if (command->output.empty()) {
        *error = "option '" + name + "' needs a file name";
        return false;
      }
      command->hasOutput = true;
    } else if (name == "--format") {
      std::string format;
      if (!allowed(kOptFormat) || !takeValue(&format)) return false;
      if (format == "binary") {
        command->format = FileFormat::kBinary;
      } else if (format == "srec") {
        command->format = FileFormat::kSRecord;
      } else {
        *error = "unknown format '" + format + "' (binary or srec)";
        return false;
      }
    } else if (name == "--def") {
      if (!allowed(kOptDefinition) || !takeValue(&command->definitionFile)) return false;
      if (command->definitionFile.empty()) {
        *error = "option '--def' needs a file name";
        return false;
      }
    } else if (name == "--mode") {
      std::string mode;
      if (!allowed(kOptMode) || !takeValue(&mode)) return false;
      if (!ParseModeNumber(mode, &command->modeNumber)) {
        *error = "mode number '" + mode + "' is not a number from 0 to 1000";
        return false;
      }
    } else if (name == "--sw-cursor") {
      if (!allowed(kOptCursor) || !flagWithoutValue()) return false;
      command->softwareCursor = true;
    } else if (name == "--sw-blit") {
      if (!allowed(kOptBlit) || !flagWithoutValue()) return false;
      command->softwareBlit = true;
    } else if (name == "--preserve-addresses") {
      if (!allowed(kOptPreserve) || !flagWithoutValue()) return false;
      command->preserveAddresses = true;
    } else if (name == "--keep-pixel-clock") {
      if (!allowed(kOptKeepPixelClock) || !flagWithoutValue()) return false;
      command->keepPixelClock = true;
    } else {
      *error = "unknown option '" + name + "'";
      return false;
    }
  }

  int count = static_cast<int>(operands.size());
  if (count < syntax->minOperands) {
    *error = std::string("'") + syntax->name + "' needs more arguments";
    return false;
  }
  if (syntax->maxOperands >= 0 && count > syntax->maxOperands) {
    *error = std::string("'") + syntax->name + "': unexpected argument '" +
             operands[static_cast<size_t>(syntax->maxOperands)] + "'";
    return false;
  }

  switch (command->kind) {
    case CommandKind::kShow:
    case CommandKind::kCheck:
      command->file = operands[0];
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
        *error = "unknown export kind '" + operands[0] + "' (appcfg, chip, mode, generic or csv)";
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
    default:
      break;
  }
  // Only export may write to standard output; the others save a configurable file.
  if (command->hasOutput && command->output == "-" && command->kind != CommandKind::kExport) {
    *error =
        std::string("'") + syntax->name + "' cannot write a configurable file to standard output";
    return false;
  }
  return true;
}
