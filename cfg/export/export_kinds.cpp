#include "cfg/export/export_kinds.h"

#include <string.h>

#include "cfg/export/appcfg_writer.h"
#include "cfg/export/chip_writer.h"
#include "cfg/export/csv_writer.h"
#include "cfg/export/dts_writer.h"
#include "cfg/export/export_options.h"
#include "cfg/export/generic_writer.h"
#include "cfg/export/mode_writer.h"
#include "cfg/export/modeline_writer.h"
#include "cfg/export/paneldef_writer.h"
#include "cfg/export/text_format.h"
#include "cfg/export/timing_exportable.h"

namespace {
const FileFilter kHeaderFilter[kFileFilterCount] = {
    {"Header Files (*.h)", "*.h"},
    {"All Files (*.*)", "*.*"},
};
const FileFilter kCsvFilter[kFileFilterCount] = {
    {"Comma-Separated-Value Files (*.csv)", "*.csv"},
    {"All Files (*.*)", "*.*"},
};
const FileFilter kDeviceTreeFilter[kFileFilterCount] = {
    {"Device Tree Source Files (*.dtsi;*.dts)", "*.dtsi;*.dts"},
    {"All Files (*.*)", "*.*"},
};
const FileFilter kTextFilter[kFileFilterCount] = {
    {"Text Files (*.txt)", "*.txt"},
    {"All Files (*.*)", "*.*"},
};
const FileFilter kPanelDefinitionFilter[kFileFilterCount] = {
    {"Panel Definition Files (*.def)", "*.def"},
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
     "appcfg.h", kHeaderFilter, AppcfgHeaderText, nullptr},
    {"chip", "C Header File Defining a Map of QLC56420 Registers\t[chip.h]", "chip.h", "CHIP.H",
     kHeaderFilter, ChipHeaderText, nullptr},
    {"mode", "C Header File for QLC56420 WinCE Drivers \t\t[mode#.h]", "mode%d.h", "MODE%d.H",
     kHeaderFilter, ModeHeaderText, nullptr},
    {"generic", "C Header File for QLC56420 Generic Drivers \t\t[qlc56420.h]", "qlc56420.h",
     "qlc56420.h", kHeaderFilter, GenericHeaderText, nullptr},
    {"csv", "Comma-Delimited File Containing Current Configuration\t[56420regs.csv]",
     "56420regs.csv", "56420REGS.CSV", kCsvFilter, CsvListingText, nullptr},
    {"dts", "Device Tree Panel Timing Node for Linux\t\t[panel-timing.dtsi]", "panel-timing.dtsi",
     "PANEL-TIMING.DTSI", kDeviceTreeFilter, DeviceTreeTimingText, TimingTermsExportable},
    {"modeline", "X Modeline of the Panel Timing\t\t\t[modeline.txt]", "modeline.txt",
     "MODELINE.TXT", kTextFilter, ModelineText, TimingTermsExportable},
    {"paneldef", "Panel Definition to Append to PANELS.DEF\t\t[panel.def]", "panel.def",
     "PANEL.DEF", kPanelDefinitionFilter, PanelDefinitionText, WarnAboutDisqualifiedPanel},
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

std::string ExportDefaultExtension(ExportKind kind) {
  if (kind <= kExportCsv) return kExportDefaultExtension;
  std::string name = kExportKinds[kind].defaultFileName;
  return name.substr(name.rfind('.') + 1);
}

bool ExportWritable(const Configuration& config, ExportKind kind) {
  return !kExportKinds[kind].writable || kExportKinds[kind].writable(config);
}

bool ExportHasOptions(ExportKind kind) {
  return kind == kExportMode || kind == kExportGeneric;
}

bool ExportOptionsShowModeNumber(ExportKind kind) {
  return kind == kExportMode;
}
