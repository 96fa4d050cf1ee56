#include "cfg/export/export_kinds.h"

#include <string.h>

#include "cfg/export/appcfg_writer.h"
#include "cfg/export/chip_writer.h"
#include "cfg/export/csv_writer.h"
#include "cfg/export/export_options.h"
#include "cfg/export/generic_writer.h"
#include "cfg/export/mode_writer.h"
#include "cfg/export/text_format.h"

namespace {
const FileFilter kHeaderFilter[kFileFilterCount] = {
    {"Header Files (*.h)", "*.h"},
    {"All Files (*.*)", "*.*"},
};
const FileFilter kCsvFilter[kFileFilterCount] = {
    {"Comma-Separated-Value Files (*.csv)", "*.csv"},
    {"All Files (*.*)", "*.*"},
};

std::string WithModeNumber(const Configuration& config, const char* fileName) {
  std::string name;
  AppendFormat(name, fileName, config.Export.modeNumber);
  return name;
}
}  // namespace

const char kExportDefaultExtension[] = "h";

const ExportKindInfo kExportKinds[kExportKindCount] = {
    {"appcfg", "C Header File for QLC56420 HAL-Based Applications\t[appcfg.h]", "appcfg.h",
     "appcfg.h", kHeaderFilter, AppcfgHeaderText},
    {"chip", "C Header File Defining a Map of QLC56420 Registers\t[chip.h]", "chip.h", "CHIP.H",
     kHeaderFilter, ChipHeaderText},
    {"mode", "C Header File for QLC56420 WinCE Drivers \t\t[mode#.h]", "mode%d.h", "MODE%d.H",
     kHeaderFilter, ModeHeaderText},
    {"generic", "C Header File for QLC56420 Generic Drivers \t\t[qlc56420.h]", "qlc56420.h",
     "qlc56420.h", kHeaderFilter, GenericHeaderText},
    {"csv", "Comma-Delimited File Containing Current Configuration\t[56420regs.csv]",
     "56420regs.csv", "56420REGS.CSV", kCsvFilter, CsvListingText},
};

bool FindExportKind(const char* name, ExportKind* kind) {
  for (int i = 0; i < kExportKindCount; ++i) {
    if (name && strcmp(name, kExportKinds[i].name) == 0) {
      *kind = static_cast<ExportKind>(i);
      return true;
    }
  }
  return false;
}

std::string DefaultExportFileName(const Configuration& config, ExportKind kind) {
  return WithModeNumber(config, kExportKinds[kind].defaultFileName);
}

std::string PreviewExportFileName(const Configuration& config, ExportKind kind) {
  return WithModeNumber(config, kExportKinds[kind].previewFileName);
}

std::string ExportText(const Configuration& config, ExportKind kind) {
  return kExportKinds[kind].text(config);
}

bool ExportHasOptions(ExportKind kind) {
  return kind == kExportMode || kind == kExportGeneric;
}

bool ExportOptionsShowModeNumber(ExportKind kind) {
  return kind == kExportMode;
}
