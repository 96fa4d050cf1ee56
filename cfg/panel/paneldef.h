// Predefined panels read from the panel definition file beside the program:
// DEBUG.DEF when it exists, else PANELS.DEF.
#ifndef QLC_CFG_PANEL_PANELDEF_H
#define QLC_CFG_PANEL_PANELDEF_H

#include <stdint.h>
#include <stdio.h>

#include <string>
#include <vector>

// Values of the flag fields besides 1 and 0: the file says the field does
// not apply, or holds a letter that means nothing. Neither is compared.
enum { kFieldNotApplicable = -2, kFieldUnknown = -4 };

// TYPE values as the file and the matching use them.
enum { kPanelRecordStn = 1, kPanelRecordTft = 2, kPanelRecordHrTft = 3, kPanelRecordKVrx = 4 };

enum { kMaxPanelNameLength = 78 };

class PanelRecord {
 public:
  PanelRecord() = default;

  bool Disqualified() const { return disqualified_ != 0; }
  void SetDisqualified(bool rejected) { disqualified_ = rejected ? 1 : 0; }
  const std::string& Reason() const { return reason_; }
  void SetReason(const std::string& reason) { reason_ = reason; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name.substr(0, kMaxPanelNameLength); }

  int32_t Type() const { return type_; }
  void SetType(int32_t v) { type_ = v; }
  int32_t Width() const { return width_; }
  void SetWidth(int32_t v) { width_ = v; }
  int32_t Height() const { return height_; }
  void SetHeight(int32_t v) { height_ = v; }
  int32_t El() const { return el_; }
  void SetEl(int32_t v) { el_ = v; }
  int32_t DataWidth() const { return dataWidth_; }
  void SetDataWidth(int32_t v) { dataWidth_ = v; }
  int32_t Double() const { return double_; }  // the 2x flag
  void SetDouble(int32_t v) { double_ = v; }
  int32_t DataFormat() const { return dataFormat_; }
  void SetDataFormat(int32_t v) { dataFormat_ = v; }
  int32_t Color() const { return color_; }
  void SetColor(int32_t v) { color_ = v; }
  int32_t Dual() const { return dual_; }
  void SetDual(int32_t v) { dual_ = v; }
  int32_t PixelClock() const { return pixelClock_; }
  void SetPixelClock(int32_t v) { pixelClock_ = v; }
  int32_t HorizTotal() const { return horizTotal_; }
  void SetHorizTotal(int32_t v) { horizTotal_ = v; }
  int32_t HorizStart() const { return horizStart_; }
  void SetHorizStart(int32_t v) { horizStart_ = v; }
  int32_t VertTotal() const { return vertTotal_; }
  void SetVertTotal(int32_t v) { vertTotal_ = v; }
  int32_t VertStart() const { return vertStart_; }
  void SetVertStart(int32_t v) { vertStart_ = v; }
  int32_t FplineStart() const { return fplineStart_; }
  void SetFplineStart(int32_t v) { fplineStart_ = v; }
  int32_t FplineWidth() const { return fplineWidth_; }
  void SetFplineWidth(int32_t v) { fplineWidth_ = v; }
  int32_t FplinePolarity() const { return fplinePolarity_; }
  void SetFplinePolarity(int32_t v) { fplinePolarity_ = v; }
  int32_t FpframeStart() const { return fpframeStart_; }
  void SetFpframeStart(int32_t v) { fpframeStart_ = v; }
  int32_t FpframeWidth() const { return fpframeWidth_; }
  void SetFpframeWidth(int32_t v) { fpframeWidth_ = v; }
  int32_t FpframePolarity() const { return fpframePolarity_; }
  void SetFpframePolarity(int32_t v) { fpframePolarity_ = v; }
  int32_t Mask() const { return mask_; }
  void SetMask(int32_t v) { mask_ = v; }
  int32_t HorizNonDisplay() const { return horizNonDisplay_; }  // HNDP
  void SetHorizNonDisplay(int32_t v) { horizNonDisplay_ = v; }
  int32_t VertNonDisplay() const { return vertNonDisplay_; }  // VNDP
  void SetVertNonDisplay(int32_t v) { vertNonDisplay_ = v; }

 private:
  uint8_t disqualified_ = 0;
  std::string reason_;
  std::string name_;
  int32_t type_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t el_ = kFieldUnknown;
  int32_t dataWidth_ = 0;
  int32_t double_ = kFieldUnknown;
  int32_t dataFormat_ = kFieldUnknown;
  int32_t color_ = kFieldUnknown;
  int32_t dual_ = kFieldUnknown;
  int32_t pixelClock_ = 0;
  int32_t horizTotal_ = 0;
  int32_t horizStart_ = 0;
  int32_t vertTotal_ = 0;
  int32_t vertStart_ = 0;
  int32_t fplineStart_ = 0;
  int32_t fplineWidth_ = 0;
  int32_t fplinePolarity_ = kFieldUnknown;
  int32_t fpframeStart_ = 0;
  int32_t fpframeWidth_ = 0;
  int32_t fpframePolarity_ = kFieldUnknown;
  int32_t mask_ = kFieldUnknown;
  int32_t horizNonDisplay_ = 0;
  int32_t vertNonDisplay_ = 0;
};

// Returns true when the panel is rejected and then leaves the reason.
typedef bool (*PanelQualifier)(const PanelRecord& record, std::string* reason);

// The two definition files a program's folder may hold.
extern const char kDebugDefinitionFile[];  // "DEBUG.DEF": rejected panels kept
extern const char kPanelDefinitionFile[];  // "PANELS.DEF"

// A panel's name as the lists show it: "**" before a rejected panel's.
std::string PanelListEntry(const PanelRecord& record);

class PanelList {
 public:
  explicit PanelList(PanelQualifier qualifier = nullptr) : qualifier_(qualifier) {}
  // Reads the definition file of folder at once.
  PanelList(PanelQualifier qualifier, const std::string& folder);

  // Fills the list from folder's DEBUG.DEF or PANELS.DEF unless a file was
  // already read. No file: the list stays empty and nothing is said. A broken
  // file is reported ("Invalid PANELS.DEF", "Error reading panel DEF file")
  // and leaves the list empty.
  void LoadPanelList(const std::string& folder);
  // Reads one named definition file, as DEBUG.DEF (rejected panels kept and
  // marked) or as PANELS.DEF. False when the file cannot be opened.
  bool LoadPanelFile(const std::string& path, bool asDebugFile);

  int Count() const { return static_cast<int>(records_.size()); }
  const PanelRecord& At(int index) const;
  bool FromDebugFile() const { return fromDebugFile_; }
  int Version() const { return version_; }
  bool Loaded() const { return loaded_; }

 private:
  bool ReadFile(FILE* file);
  void Discard();

  PanelQualifier qualifier_;
  bool fromDebugFile_ = false;
  std::vector<PanelRecord> records_;
  int version_ = 1;
  bool loaded_ = false;
};

// The folder of a program file: its path without the last separator and what
// follows it.
std::string FolderOfProgram(const std::string& programPath);

// Parses the text after "PANEL " into record. lastDecimal carries the most
// recent decimal of the file. Returns kPanelLineOk, kPanelLineBadName (no
// quoted name within 78 characters) or kPanelLineShort (fewer than 24 fields).
enum PanelLineResult { kPanelLineOk, kPanelLineBadName, kPanelLineShort };
PanelLineResult ParsePanelLine(const char* fields, int32_t* lastDecimal, PanelRecord* record);

#endif
