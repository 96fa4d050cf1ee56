// The command line of qlccfg as data: the arguments are turned into one
// Command without touching any file, so that parsing is testable on its own.
#ifndef QLC_CLI_COMMAND_LINE_H
#define QLC_CLI_COMMAND_LINE_H

#include <string>
#include <vector>

#include "cfg/export/export_kinds.h"

enum class CommandKind {
  kHelp,
  kVersion,
  kShow,
  kSet,
  kPanels,
  kApplyPanel,
  kCheck,
  kExport,
  kImport,
  kConfigure,
  kPreview,
  kDiff,
  kTiming,
  kImportTiming,
};

// How a configurable file is read and written: by its name (the GUI's
// rules, with detection by content for names it does not know), or forced.
enum class FileFormat { kAuto, kBinary, kSRecord };

struct Command {
  CommandKind kind = CommandKind::kHelp;
  std::string helpTopic;                 // the command whose help was asked for, or empty
  std::string file;                      // FILE, SOURCE of configure, A of diff
  std::string secondFile;                // B of diff
  std::string picture;                   // preview: the bitmap, empty for the test card
  std::vector<std::string> targets;      // configure
  std::vector<std::string> assignments;  // set
  std::string output;                    // -o OUT; "-" is standard output for export
  bool hasOutput = false;
  std::string panelName;       // apply-panel
  std::string definitionFile;  // --def FILE, empty for the default files
  std::string header;          // import
  std::string timingSource;    // import-timing: the device tree or modeline text
  std::string svgOutput;       // timing --svg OUT
  int panelType = -1;          // import-timing --type: kPanelStn ..., -1 the record's type
  ExportKind exportKind = kExportAppcfg;
  unsigned modeNumber = 0;
  bool softwareCursor = false;
  bool softwareBlit = false;
  bool json = false;
  bool preserveAddresses = false;
  bool keepPixelClock = false;  // apply-panel: a panel whose pixel clock cannot be had
  FileFormat format = FileFormat::kAuto;
};

// Parses the arguments after the program name. On a usage error returns
// false with a one-line explanation in error.
bool ParseCommandLine(const std::vector<std::string>& arguments, Command* command,
                      std::string* error);

// The command name for a kind as typed on the command line ("show", ...).
const char* CommandName(CommandKind kind);

#endif
