#include "cli/diff_view.h"

#include <stdio.h>

#include "cli/record_view.h"

namespace {

std::string Hex2(uint32_t value) {
  char text[8];
  snprintf(text, sizeof text, "%02Xh", static_cast<unsigned>(value));
  return text;
}

std::string GcpName(unsigned index) {
  return "GcpData[" + std::to_string(index) + "]";
}

std::string RegisterName(unsigned index) {
  char text[16];
  snprintf(text, sizeof text, "REG[%02Xh]", index);
  return std::string(text) + " " + UnpaddedSymbol(index);
}

std::string RegisterValueText(bool listed, uint32_t value) {
  return listed ? Hex2(value) : std::string("(not listed)");
}

std::string JsonNumber(bool present, uint32_t value) {
  return present ? std::to_string(value) : std::string("null");
}

std::string JsonObject(const std::string& key, const std::string& name, const std::string& a,
                       const std::string& b) {
  return "{" + JsonQuote(key) + ": " + name + ", \"a\": " + a + ", \"b\": " + b + "}";
}

}  // namespace

std::string FormatDifferencesText(const std::vector<RecordDifference>& differences) {
  std::string text;
  for (const RecordDifference& d : differences) {
    switch (d.kind) {
      case DifferenceKind::kFlags:
        text += "Flags: " + FlagsText(d.a) + " -> " + FlagsText(d.b) + "\n";
        break;
      case DifferenceKind::kField:
        text += std::string(d.field->name) + ": " + FieldValueText(*d.field, d.a) + " -> " +
                FieldValueText(*d.field, d.b) + "\n";
        break;
      case DifferenceKind::kGcpData:
        text += GcpName(d.index) + ": " + Hex2(d.a) + " -> " + Hex2(d.b) + "\n";
        break;
      case DifferenceKind::kRegister:
        text += RegisterName(d.index) + ": " + RegisterValueText(d.inA, d.a) + " -> " +
                RegisterValueText(d.inB, d.b) + "\n";
        break;
      case DifferenceKind::kPanel:
        text += "< " + d.panelA + "\n> " + d.panelB + "\n";
        break;
    }
  }
  return text;
}

std::string FormatDifferencesJson(const std::vector<RecordDifference>& differences) {
  std::string json = "[";
  for (size_t i = 0; i < differences.size(); ++i) {
    const RecordDifference& d = differences[i];
    json += i ? ",\n  " : "\n  ";
    switch (d.kind) {
      case DifferenceKind::kFlags:
        json += JsonObject("field", "\"Flags\"", std::to_string(d.a), std::to_string(d.b));
        break;
      case DifferenceKind::kField:
        json +=
            JsonObject("field", JsonQuote(d.field->name), std::to_string(d.a), std::to_string(d.b));
        break;
      case DifferenceKind::kGcpData:
        json += JsonObject("field", JsonQuote(GcpName(d.index)), std::to_string(d.a),
                           std::to_string(d.b));
        break;
      case DifferenceKind::kRegister:
        json += "{\"register\": " + std::to_string(d.index) +
                ", \"symbol\": " + JsonQuote(UnpaddedSymbol(d.index)) +
                ", \"a\": " + JsonNumber(d.inA, d.a) + ", \"b\": " + JsonNumber(d.inB, d.b) + "}";
        break;
      case DifferenceKind::kPanel:
        json += JsonObject("field", "\"Panel\"", JsonQuote(d.panelA), JsonQuote(d.panelB));
        break;
    }
  }
  return json + (differences.empty() ? "]\n" : "\n]\n");
}
