// The kinds of export, in the order the Export dialog lists them, with their
// file names, save-dialog filters and writers: the five headers and listing,
// then the panel timing for other systems (device tree, X modeline, panel
// definition file).
#ifndef QLC_CFG_EXPORT_EXPORT_KINDS_H
#define QLC_CFG_EXPORT_EXPORT_KINDS_H

#include <string>

#include "cfg/record/configuration.h"

enum ExportKind : int {
  kExportAppcfg = 0,    // appcfg.h
  kExportChip = 1,      // chip.h
  kExportMode = 2,      // mode%d.h
  kExportGeneric = 3,   // qlc56420.h
  kExportCsv = 4,       // 56420regs.csv
  kExportDts = 5,       // panel-timing.dtsi
  kExportModeline = 6,  // modeline.txt
  kExportPaneldef = 7,  // panel.def
};
enum { kExportKindCount = 8 };

struct FileFilter {
  const char* description;
  const char* pattern;
};
enum { kFileFilterCount = 2 };

struct ExportKindInfo {
  const char* name;       // the kind's name on the command line
  const char* listEntry;  // the Export dialog's list entry
  // File names; those of the mode header take the mode number (%d).
  const char* defaultFileName;
  const char* previewFileName;
  const FileFilter* filter;                   // kFileFilterCount pairs for the save dialog
  std::string (*text)(const Configuration&);  // the file's text with "\n" line ends
  // Whether the record can be written as this kind (nullptr: always); a
  // refusal has been reported.
  bool (*writable)(const Configuration&);
};

extern const ExportKindInfo kExportKinds[kExportKindCount];

// The five headers and listing are saved with this default extension, the
// CSV listing too.
extern const char kExportDefaultExtension[];
// The extension the save dialog adds to a name typed without one: "h" for
// the five, the extension of the default file name for the others.
std::string ExportDefaultExtension(ExportKind kind);

// The kind of a command-line name ("appcfg", "chip", "mode", "generic",
// "csv", "dts", "modeline", "paneldef"); false for any other name.
bool FindExportKind(const char* name, ExportKind* kind);

// The name the save dialog proposes, "mode7.h" for mode number 7.
std::string DefaultExportFileName(const Configuration& config, ExportKind kind);
// The file name of a preview in the temporary directory, "MODE7.H" for mode 7.
std::string PreviewExportFileName(const Configuration& config, ExportKind kind);

// The file's text for the working record and the export options.
std::string ExportText(const Configuration& config, ExportKind kind);
// Whether the working record can be written as the kind; a refusal has been
// reported, warnings may have been.
bool ExportWritable(const Configuration& config, ExportKind kind);

// Whether the save dialog's Options button is available (mode and generic
// headers), and whether the options show the mode number (mode header only).
bool ExportHasOptions(ExportKind kind);
bool ExportOptionsShowModeNumber(ExportKind kind);

#endif
