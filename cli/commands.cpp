#include "cli/commands.h"

#include <stdio.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cfg/export/export_frame.h"
#include "cfg/export/export_kinds.h"
#include "cfg/export/export_options.h"
#include "cfg/export/panel_summary.h"
#include "cfg/export/record_diff.h"
#include "cfg/export/text_format.h"
#include "cfg/export/timing_diagram.h"
#include "cfg/export/timing_svg.h"
#include "cfg/pages/panel/panel_page.h"
#include "cfg/pages/panel/timing_import.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/paneldef.h"
#include "cfg/panel/rules.h"
#include "cfg/panel/timing.h"
#include "cfg/panel/timing_source_file.h"
#include "cfg/record/appcfg_import.h"
#include "cfg/record/file_messages.h"
#include "cfg/record/record.h"
#include "cli/assignment.h"
#include "cli/cli_messages.h"
#include "cli/diff_view.h"
#include "cli/help_text.h"
#include "cli/record_file.h"
#include "cli/record_view.h"
#include "cli/standard_output.h"
#include "cli/timing_view.h"
#include "common/message.h"
#include "common/text_read.h"
#include "preview/panel_preview.h"
#include "sim/png_writer.h"

namespace {

namespace fs = std::filesystem;

std::string g_defaultPanelFolder = ".";

int Outcome(bool succeeded) {
  return succeeded ? kExitSuccess : kExitFailure;
}

int RunShow(Configuration& config, const Command& command) {
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  std::string summary = PanelSummary(config);
  std::string text = command.json ? FormatRecordJson(config.WorkingRecord, summary)
                                  : FormatRecordText(config.WorkingRecord, summary);
  return Outcome(WriteStandardOutput(text));
}

int RunSet(Configuration& config, const Command& command) {
  std::vector<Assignment> assignments;
  for (const std::string& word : command.assignments) {
    Assignment assignment;
    std::string error;
    if (!ParseAssignment(word, &assignment, &error)) {
      fprintf(stderr, "qlccfg: %s\n", error.c_str());
      return kExitUsage;
    }
    assignments.push_back(assignment);
  }
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  // A refused assignment leaves the file as it was.
  if (!ApplyAssignments(config, assignments)) return kExitFailure;
  return Outcome(SaveRecordFile(config, command.file, command.output, command.format, false));
}

bool LoadPanels(const Command& command, PanelList* list) {
  if (command.definitionFile.empty()) {
    list->LoadPanelList(g_defaultPanelFolder);
  } else {
    // A file named DEBUG.DEF keeps its rejected panels, as it does beside the program.
    std::string name = fs::path(command.definitionFile).filename().string();
    if (!list->LoadPanelFile(command.definitionFile,
                             UpperCaseAscii(name) == kDebugDefinitionFile)) {
      ShowMessage(kMsgOk | kMsgIconError, MSG_OPEN_FAILED, command.definitionFile.c_str());
      return false;
    }
  }
  return true;
}

std::string DefinitionName(const Command& command) {
  return command.definitionFile.empty() ? std::string(kDebugDefinitionFile) + " or " +
                                              kPanelDefinitionFile + " in " + g_defaultPanelFolder
                                        : command.definitionFile;
}

int RunPanels(const Command& command) {
  PanelList list(QualifyPanel);
  if (!LoadPanels(command, &list)) return kExitFailure;
  if (list.Count() == 0) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_NO_PANELS, DefinitionName(command).c_str());
    return kExitFailure;
  }
  std::string text;
  for (int i = 0; i < list.Count(); ++i) {
    const PanelRecord& panel = list.At(i);
    AppendFormat(text, "%2d  %s", i + 1, PanelListEntry(panel).c_str());
    if (panel.Disqualified()) AppendFormat(text, "  %s", panel.Reason().c_str());
    text += "\n";
  }
  return Outcome(WriteStandardOutput(text));
}

// What the Panel page would show while a panel is applied: the red status
// texts are what the user must know, so they are printed.
class ConsolePanelView : public PanelPageView {
 public:
  void SetStatusLine(bool red, const std::string& text) override {
    if (red && !text.empty()) fprintf(stderr, "%s\n", text.c_str());
  }
};

// The panel named on the command line: its name as listed (with or without
// the "**" of a rejected panel), or its number in `qlccfg panels`.
int FindPanel(const PanelList& list, const std::string& name) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.At(i).Name() == name || PanelListEntry(list.At(i)) == name) return i;
  uint32_t number = 0;
  if (ParseNumberValue(name, &number) && number >= 1 &&
      number <= static_cast<uint32_t>(list.Count()))
    return static_cast<int>(number) - 1;
  return -1;
}

int RunApplyPanel(Configuration& config, const Command& command) {
  PanelList list(QualifyPanel);
  if (!LoadPanels(command, &list)) return kExitFailure;
  if (list.Count() == 0) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_NO_PANELS, DefinitionName(command).c_str());
    return kExitFailure;
  }
  int index = FindPanel(list, command.panelName);
  if (index < 0) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_PANEL_NOT_FOUND, command.panelName.c_str());
    return kExitFailure;
  }
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  // As on the Panel page: open it, choose the panel, leave it.
  ConsolePanelView view;
  OpenPanelPage(config, list, view);
  PanelApplyResult applied = ApplyPredefinedPanel(config, list, index, view);
  if (applied == kPanelNotApplied) return kExitFailure;
  if (applied == kPanelAppliedWithoutPixelClock && !command.keepPixelClock) {
    // A build script must not get a panel running at some other clock.
    ShowMessage(kMsgOk | kMsgIconError, MSG_PIXEL_CLOCK_UNAVAILABLE);
    return kExitFailure;
  }
  if (!LeavePanelPage(config, ShownPanelPageEntries(config))) return kExitFailure;
  return Outcome(SaveRecordFile(config, command.file, command.output, command.format, false));
}

int RunCheck(Configuration& config, const Command& command) {
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  int failed = WarnAboutTimingRules(config);
  if (!CheckVideoMemory(config)) ++failed;
  return Outcome(failed == 0);
}

int RunExport(Configuration& config, const Command& command) {
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  config.Export.softwareCursor = command.softwareCursor ? 1 : 0;
  config.Export.softwareBlitEmulation = command.softwareBlit ? 1 : 0;
  SetExportModeNumber(config, command.modeNumber);
  if (command.hasOutput && command.output == "-") {
    if (!ExportWritable(config, command.exportKind)) return kExitFailure;
    // The same bytes the file would get.
    if (WriteStandardOutputBytes(WithCrLf(ExportText(config, command.exportKind))))
      return kExitSuccess;
    ShowMessage(kMsgOk | kMsgIconError, MSG_STDOUT_FAILED);
    return kExitFailure;
  }
  std::string path =
      command.hasOutput ? command.output : DefaultExportFileName(config, command.exportKind);
  return Outcome(WriteExport(config, command.exportKind, path.c_str()));
}

int RunImport(Configuration& config, const Command& command) {
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  if (!ImportAppcfg(config, command.header.c_str())) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_NOT_CONFIGURABLE, command.header.c_str());
    return kExitFailure;
  }
  return Outcome(SaveRecordFile(config, command.file, command.output, command.format, false));
}

int RunConfigure(Configuration& config, const Command& command) {
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  // As from the menu: the timing rules warn first and never stop the command.
  WarnAboutTimingRules(config);
  bool allWritten = true;
  for (const std::string& target : command.targets) {
    if (!SaveRecordFile(config, target, std::string(), command.format, command.preserveAddresses)) {
      ShowMessage(kMsgOk | kMsgIconError, MSG_NOT_CONFIGURABLE, target.c_str());
      allWritten = false;
    }
  }
  return Outcome(allWritten);
}

// The panel as the record shows it, with the picture or the test card, as a
// PNG of the panel's size.
int RunPreview(Configuration& config, const Command& command) {
  if (!OpenRecordOrHeader(config, command.file, command.format)) return kExitFailure;
  PanelPreview preview = BuildPanelPreview(config.WorkingRecord, command.picture);
  for (const std::string& note : preview.notes)
    ShowMessage(kMsgOk | kMsgIconWarning, "WARNING: %s", note.c_str());
  if (!preview.shown) {
    ShowMessage(kMsgOk | kMsgIconError, "ERROR: %s", preview.reason.c_str());
    return kExitFailure;
  }
  if (!WritePanelPng(command.output, preview.image)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_COPY_FAILED, command.output.c_str());
    return kExitFailure;
  }
  return kExitSuccess;
}

// An appcfg.h carries only part of a record: it is read over the other
// file's record, so that what it does not carry is not taken for a
// difference (over the default record when both are headers).
bool OpenComparedFiles(Configuration& a, Configuration& b, const Command& command) {
  bool headerA = IsHeaderFileName(command.file), headerB = IsHeaderFileName(command.secondFile);
  if (headerA && !headerB) {
    if (!OpenRecordFile(b, command.secondFile, command.format)) return false;
    a.LoadedRecord = b.LoadedRecord;
    return OpenRecordOrHeader(a, command.file, command.format);
  }
  if (!OpenRecordOrHeader(a, command.file, command.format)) return false;
  if (headerB && !headerA) b.LoadedRecord = a.LoadedRecord;
  return OpenRecordOrHeader(b, command.secondFile, command.format);
}

// Exit codes as diff's: 0 the same, 1 different, 2 trouble.
int RunDiff(Configuration& a, Configuration& b, const Command& command) {
  if (!OpenComparedFiles(a, b, command)) return kExitUsage;
  std::vector<RecordDifference> differences = CompareConfigurations(a, b);
  std::string text =
      command.json ? FormatDifferencesJson(differences) : FormatDifferencesText(differences);
  if (!text.empty() && !WriteStandardOutput(text)) return kExitUsage;
  return differences.empty() ? kExitSuccess : kExitFailure;
}

// The width of the diagram `timing --svg` draws, in pixels.
const double kDiagramWidth = 760;
const double kDiagramHeight = 400;

int RunTiming(Configuration& config, const Command& command) {
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  if (!command.svgOutput.empty()) {
    TimingDiagram diagram =
        BuildTimingDiagram(TimingTermsOf(config), kDiagramWidth, kDiagramHeight);
    if (WriteTextFile(command.svgOutput, TimingDiagramSvg(diagram)) != TextFileResult::kWritten) {
      ShowMessage(kMsgOk | kMsgIconError, MSG_COPY_FAILED, command.svgOutput.c_str());
      return kExitFailure;
    }
  }
  return Outcome(
      WriteStandardOutput(command.json ? FormatTimingJson(config) : FormatTimingText(config)));
}

int RunImportTiming(Configuration& config, const Command& command) {
  TimingSource source;
  if (!ReadTimingSourceFile(command.timingSource, &source)) return kExitFailure;
  if (!OpenRecordFile(config, command.file, command.format)) return kExitFailure;
  unsigned type =
      command.panelType >= 0 ? static_cast<unsigned>(command.panelType) : GetPanelType(config);
  // A refused value leaves the file as it was.
  if (!ImportTimingTerms(config, source.terms, type)) return kExitFailure;
  return Outcome(SaveRecordFile(config, command.file, command.output, command.format, false));
}

}  // namespace

void SetDefaultPanelFolder(const std::string& folder) {
  g_defaultPanelFolder = folder;
}

int RunCommandLine(const Command& command) {
  // Each command works on one file, in a configuration of its own.
  Configuration config;
  switch (command.kind) {
    case CommandKind::kHelp:
      return Outcome(WriteStandardOutput(HelpText(command.helpTopic)));
    case CommandKind::kVersion:
      return Outcome(WriteStandardOutput(kVersionText));
    case CommandKind::kShow:
      return RunShow(config, command);
    case CommandKind::kSet:
      return RunSet(config, command);
    case CommandKind::kPanels:
      return RunPanels(command);
    case CommandKind::kApplyPanel:
      return RunApplyPanel(config, command);
    case CommandKind::kCheck:
      return RunCheck(config, command);
    case CommandKind::kExport:
      return RunExport(config, command);
    case CommandKind::kImport:
      return RunImport(config, command);
    case CommandKind::kConfigure:
      return RunConfigure(config, command);
    case CommandKind::kPreview:
      return RunPreview(config, command);
    case CommandKind::kDiff: {
      Configuration other;
      return RunDiff(config, other, command);
    }
    case CommandKind::kTiming:
      return RunTiming(config, command);
    case CommandKind::kImportTiming:
      return RunImportTiming(config, command);
  }
  return kExitUsage;
}
