// The Panel page's controls as the panel logic sees them (its PanelPageView),
// and the page's own steps that show values: up-downs, the controls that
// depend on the panel type, format 2. A control already showing the value is
// left alone: under Wine every change of a check, text or list is a trip to
// the window server.
#ifndef QLC_CFG_UI_PANEL_CONTROLS_H
#define QLC_CFG_UI_PANEL_CONTROLS_H

#include <windows.h>

#include <string>
#include <vector>

#include "cfg/pages/panel/panel_view.h"
#include "cfg/panel/rules.h"
#include "cfg/record/configuration.h"
#include "cfg/ui/dialog_window.h"

// The commits of the width and height boxes, reported by their edit boxes
// as notifications of their lists.
enum : WORD { kCommitByTab = 0x7001, kCommitByEscape, kCommitByEnter };

// The type buttons by type code, the data width buttons by width code.
extern const int kTypeButtons[4];
extern const int kDataWidthButtons[3];

// The eight numbers with their up-downs, in the order their rules run after
// an up-down change.
struct SpinControl {
  int field;
  int spin;
  SpinSetting PanelPageFill::*setting;
  const char* SpinEntryTexts::*entry;
};
extern const SpinControl kSpins[8];

class PanelControls : public PanelPageView {
 public:
  PanelControls(const DialogWindow& page, Configuration& config) : page_(page), config_(config) {}

  // True while the page changes its own controls: their notifications are
  // then not the user's.
  bool Filling() const { return filling_ > 0; }
  // The status line's colour: dark red, else the notes' dark blue.
  bool StatusRed() const { return statusRed_; }

  // The page shown again: from BeginRefresh to EndRefresh the status line
  // and the predefined panel's selection start as on a new page and only
  // their final state is shown.
  void BeginRefresh();
  void EndRefresh();

  void SetStatusLine(bool red, const std::string& text) override;
  void SetPredefinedPanelEntries(const std::vector<std::string>& entries) override;
  void SelectPredefinedPanel(int index) override;
  void ShowPixelClockList(const PixelClockList& list) override;
  void ShowFrameRateList(const FrameRateList& list) override;
  void ShowPanelSettings(const PanelPageFill& fill) override;
  void ShowDataWidth(unsigned code, bool sixteenBitAllowed) override;

  void ShowSpin(int spin, const SpinSetting& setting);
  // The controls that depend on the panel type, with the polarities to show:
  // the registers' when the page is filled, the type's defaults after a
  // click on a type button.
  void ShowTypeControls(unsigned type, bool fplineHigh, bool fpframeHigh, bool format2Enabled);
  void ShowFormat2(bool enabled);
  // A text the page sets itself (a rounded width, a chosen list entry).
  void ShowOwnText(int id, const std::string& text);

 private:
  class FillingScope;
  void ShowButton(int id, bool checked);
  void CheckOneOf(const int* buttons, unsigned count, unsigned checked);
  void ShowList(int id, const std::vector<std::string>& texts, int selected);

  const DialogWindow& page_;
  Configuration& config_;
  int filling_ = 0;
  bool statusRed_ = false;
  bool refreshing_ = false;
  // While refreshing: the status line and predefined selection to show.
  bool wantedRed_ = false;
  std::string wantedStatus_;
  int wantedPredefined_ = -1;
};

#endif
