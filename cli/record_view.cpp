#include "cli/record_view.h"

#include "cfg/record/appcfg_import.h"
#include "common/register_catalogue.h"
#include "common/text_format.h"

namespace {

std::string Join(const std::vector<std::string>& words, const char* separator) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i) text += separator;
    text += words[i];
  }
  return text;
}

// "Name:" padded so that the values of the text view line up.
std::string TextLabel(const char* name) {
  return FormatText("%-15s", (std::string(name) + ":").c_str());
}

}  // namespace

std::string UnpaddedSymbol(unsigned index) {
  std::string symbol = RegisterSymbol(index);
  size_t end = symbol.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : symbol.substr(0, end + 1);
}

std::vector<std::string> FlagNamesOf(uint32_t flags) {
  std::vector<std::string> names;
  for (unsigned bit = 0; bit < 32; ++bit) {
    uint32_t mask = 1u << bit;
    if (!(flags & mask)) continue;
    const char* name = nullptr;
    for (const FlagName& flag : kFlagNames)
      if (flag.bit == mask) name = flag.name;
    names.push_back(name ? std::string(name) : FormatText("0x%X", static_cast<unsigned>(mask)));
  }
  return names;
}

std::string FlagsText(uint32_t flags) {
  std::vector<std::string> names = FlagNamesOf(flags);
  return names.empty() ? std::string("0") : Join(names, " | ");
}

std::string FieldValueText(const FieldInfo& field, unsigned value) {
  return field.hex ? FormatText("0x%08X", value) : FormatText("%u%s", value, field.unit);
}

std::string JsonQuote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        // Control characters and bytes beyond ASCII (the record's texts are
        // ASCII; anything else is shown as the byte it is).
        if (byte < 0x20 || byte >= 0x7F)
          quoted += FormatText("\\u%04x", byte);
        else
          quoted += c;
    }
  }
  return quoted + "\"";
}

std::vector<REG_CFG> ListedRegisters(const HAL_STRUCT& record) {
  std::vector<REG_CFG> registers;
  for (const REG_CFG& entry : record.Regs) {
    if (entry.Index == FINISHED_REG_CFG) break;
    registers.push_back(entry);
  }
  return registers;
}

std::string FormatRecordText(const HAL_STRUCT& record, const std::string& panelSummary) {
  std::string text = panelSummary + "\n";
  text += TextLabel("Flags") + FlagsText(record.Flags) + "\n";
  for (const FieldInfo& field : kFieldInfos)
    text += TextLabel(field.name) + FieldValueText(field, field.value(record)) + "\n";
  std::vector<REG_CFG> registers = ListedRegisters(record);
  text += TextLabel("Registers") + FormatText("%u\n", static_cast<unsigned>(registers.size()));
  for (const REG_CFG& entry : registers) {
    text += FormatText("  REG[%02Xh] = %02Xh  %s %s\n", static_cast<unsigned>(entry.Index),
                       static_cast<unsigned>(entry.Value & 0xFF), RegisterSymbol(entry.Index),
                       RegisterDescription(entry.Index));
  }
  return text;
}

std::string FormatRecordJson(const HAL_STRUCT& record, const std::string& panelSummary) {
  std::vector<std::string> quotedFlags;
  for (const std::string& name : FlagNamesOf(record.Flags)) quotedFlags.push_back(JsonQuote(name));
  std::string json = "{\n";
  json += "  \"Panel\": " + JsonQuote(panelSummary) + ",\n";
  json += "  \"Flags\": [" + Join(quotedFlags, ", ") + "],\n";
  json += FormatText("  \"FlagBits\": %u,\n", static_cast<unsigned>(record.Flags));
  for (const FieldInfo& field : kFieldInfos) {
    json += FormatText("  \"%s\": %u,\n", field.name, field.value(record));
  }
  json += "  \"registers\": [";
  std::vector<REG_CFG> registers = ListedRegisters(record);
  for (size_t i = 0; i < registers.size(); ++i) {
    const REG_CFG& entry = registers[i];
    json += i ? ",\n    " : "\n    ";
    json += FormatText(
        "{\"index\": %u, \"value\": %u, \"symbol\": ", static_cast<unsigned>(entry.Index),
        static_cast<unsigned>(entry.Value & 0xFF));
    json += JsonQuote(UnpaddedSymbol(entry.Index)) +
            ", \"description\": " + JsonQuote(RegisterDescription(entry.Index)) + "}";
  }
  json += registers.empty() ? "]\n" : "\n  ]\n";
  return json + "}\n";
}
