// View > Panel Preview: what the panel shows for the working record, with
// the test card or a chosen bitmap, scaled to fit the window (pixels kept
// square, whole multiples when enlarged). A record the chip cannot show
// gives the reason in place of the picture; warnings stand small under it.
#ifndef QLC_CFG_UI_PANEL_PREVIEW_WINDOW_H
#define QLC_CFG_UI_PANEL_PREVIEW_WINDOW_H

#include <string>

#include "cfg/ui/view_window.h"
#include "common/hal_struct.h"
#include "preview/panel_preview.h"

class PanelPreviewWindow : public ViewWindow {
 public:
  explicit PanelPreviewWindow(const Configuration& config) : ViewWindow(config) {}

  // The preview is made afresh when the record or the picture differ from
  // those shown.
  void Refresh() override;
  const PanelPreview& Shown() const { return preview_; }
  // The bitmap shown, empty for the test card.
  const std::string& Picture() const { return picture_; }

 protected:
  BOOL OnInitialize() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnColour(HDC dc, HWND control) override;
  void OnDestroy() override;
  void Arrange(int width, int height) override;
  bool Draw(int id, HDC dc, const RECT& area) override;

 private:
  void ShowNotes();
  void DrawPicture(HDC dc, const RECT& area) const;

  std::string picture_;  // chosen with "Picture...", kept until "Test Card"
  bool built_ = false;
  HAL_STRUCT shownRecord_ = {};
  std::string shownPicture_;
  PanelPreview preview_;
  HFONT notesFont_ = nullptr;
};

#endif
