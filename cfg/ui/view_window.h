// A window beside the main window showing something of the working record
// (the timing diagram, the panel preview): modeless, owned by the main
// window, resizable, closed with Escape or its close box and with the main
// window. The main window calls Refresh after every message it or a page has
// handled; a view recomputes only when what it shows would differ, so an
// idle page costs nothing. A view never changes the record.
#ifndef QLC_CFG_UI_VIEW_WINDOW_H
#define QLC_CFG_UI_VIEW_WINDOW_H

#include <windows.h>

#include "cfg/record/configuration.h"
#include "cfg/ui/dialog_window.h"

class ViewWindow : public DialogWindow {
 public:
  explicit ViewWindow(const Configuration& config) : config_(config) {}

  // Makes the window from its template the first time (again after it was
  // closed) and brings it to the front.
  void Open(HINSTANCE instance, int templateId, HWND owner);
  // What the window shows follows the working record.
  virtual void Refresh() = 0;

 protected:
  BOOL OnInitialize() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
  // Places the controls in a client area of width x height pixels.
  virtual void Arrange(int width, int height) = 0;
  // Paints the control id into dc within area; false for a control the
  // view does not draw.
  virtual bool Draw(int id, HDC dc, const RECT& area) = 0;
  // Sets the client area's size and puts the window beside its owner.
  void PlaceBesideOwner(int clientWidth, int clientHeight);
  // Template units in pixels.
  int DialogUnitsX(int units) const;
  int DialogUnitsY(int units) const;

  const Configuration& config_;

 private:
  SIZE smallest_ = {};  // the frame's smallest size, the template's
};

#endif
