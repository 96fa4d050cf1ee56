#include "cli/assignment.h"

#include <ctype.h>

#include "cfg/pages/settings.h"
#include "cfg/record/appcfg_import.h"
#include "common/register_catalogue.h"
#include "common/text_read.h"

namespace {

bool ParseDigits(const std::string& digits, unsigned base, uint32_t* value) {
  if (digits.empty()) return false;
  uint64_t result = 0;
  for (char c : digits) {
    int ch = static_cast<unsigned char>(c);
    unsigned digit;
    if (isdigit(ch)) {
      digit = static_cast<unsigned>(ch - '0');
    } else if (base == 16 && isxdigit(ch)) {
      digit = static_cast<unsigned>(tolower(ch) - 'a' + 10);
    } else {
      return false;
    }
    result = result * base + digit;
    if (result > UINT32_MAX) return false;
  }
  *value = static_cast<uint32_t>(result);
  return true;
}

}  // namespace

bool ParseNumberValue(const std::string& text, uint32_t* value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ParseDigits(text.substr(2), 16, value);
  if (text.size() > 1 && (text.back() == 'h' || text.back() == 'H'))
    return ParseDigits(text.substr(0, text.size() - 1), 16, value);
  return ParseDigits(text, 10, value);
}

bool ParseFlagsValue(const std::string& text, uint32_t* value) {
  if (ParseNumberValue(text, value)) return true;
  uint32_t flags = 0;
  size_t start = 0;
  for (;;) {
    size_t bar = text.find('|', start);
    std::string name =
        text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    bool known = false;
    for (const FlagName& flag : kFlagNames) {
      if (name == flag.name) {
        flags |= flag.bit;
        known = true;
      }
    }
    if (!known) return false;
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  *value = flags;
  return true;
}

bool ParseAssignment(const std::string& text, Assignment* assignment, std::string* error) {
  *assignment = Assignment();
  size_t equals = text.find('=');
  if (equals == std::string::npos || equals == 0) {
    *error = "'" + text + "' is not NAME=VALUE";
    return false;
  }
  assignment->name = text.substr(0, equals);
  assignment->valueText = text.substr(equals + 1);
  const std::string& name = assignment->name;
  assignment->hasNumber = ParseNumberValue(assignment->valueText, &assignment->number);

  // Panel settings first: FrameRate is a rate the frame-rate entry takes, not
  // a raw field, so that the horizontal total follows it.
  for (const char* const* setting = kPanelSettingNames; *setting; ++setting) {
    if (!EqualsNoCase(name, *setting)) continue;
    assignment->target = AssignTarget::kPanel;
    assignment->setting = *setting;
    // The pixel clock is a list text; every other setting is a number, not
    // the dialog reader's loose reading ("3.5" would count as 35).
    if (std::string(*setting) == "PixelClock" || assignment->hasNumber) return true;
    *error = "'" + assignment->valueText + "' is not a number for " + name;
    return false;
  }
  if (FindRecordField(name, &assignment->field)) {
    assignment->target = AssignTarget::kField;
    if (assignment->field == RecordField::kFlags) {
      assignment->hasNumber = ParseFlagsValue(assignment->valueText, &assignment->number);
      if (!assignment->hasNumber) {
        *error = "'" + assignment->valueText + "' is neither a number nor flag names for Flags";
        return false;
      }
      return true;
    }
  }
  if (assignment->target != AssignTarget::kField) {
    uint32_t index = 0;
    if (ParseNumberValue(name, &index) &&
        (name.back() == 'h' || name.back() == 'H' || name.compare(0, 2, "0x") == 0 ||
         name.compare(0, 2, "0X") == 0)) {
      if (index > 0xFF) {
        *error = "register index '" + name + "' is beyond FFh";
        return false;
      }
      assignment->registerIndex = index;
    } else {
      const RegisterInfo* info = FindRegisterBySymbol(UpperCaseAscii(name).c_str());
      if (!info || UpperCaseAscii(name).compare(0, 4, "REG_") != 0) {
        *error = "unknown register, field or panel setting '" + name + "'";
        return false;
      }
      assignment->registerIndex = info->index;
    }
    assignment->target = AssignTarget::kRegister;
  }
  if (!assignment->hasNumber) {
    *error = "'" + assignment->valueText + "' is not a number for " + name;
    return false;
  }
  return true;
}
