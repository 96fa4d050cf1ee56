#include "cfg/ui/timing_diagram_window.h"

#include <algorithm>

#include "cfg/ui/diagram_painter.h"
#include "cfg/ui/resource.h"

namespace {

// The width the diagram is first shown at, as qlccfg's SVG draws it, and the
// narrowest it is laid out for (a narrower window shows it smaller).
const double kFirstWidth = 760;
const double kNarrowest = 480;

}  // namespace

BOOL TimingDiagramWindow::OnInitialize() {
  ViewWindow::OnInitialize();
  terms_ = TimingTermsOf(config_);
  diagram_ = BuildTimingDiagram(terms_, kFirstWidth, 0);
  built_ = true;
  double scale = PixelsPerUnit();
  PlaceBesideOwner(static_cast<int>(diagram_.width * scale + 0.5),
                   static_cast<int>(diagram_.height * scale + 0.5));
  return TRUE;
}

void TimingDiagramWindow::Refresh() {
  TimingTerms now = TimingTermsOf(config_);
  if (built_ && now == terms_) return;
  terms_ = now;
  Build();
}

void TimingDiagramWindow::Arrange(int width, int height) {
  SetWindowPos(Control(IDC_DIAGRAM_AREA), nullptr, 0, 0, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Build();
}

// Laid out for the area's width, at least the narrowest width.
void TimingDiagramWindow::Build() {
  RECT area = {};
  GetClientRect(Control(IDC_DIAGRAM_AREA), &area);
  double scale = PixelsPerUnit();
  diagram_ =
      BuildTimingDiagram(terms_, std::max(kNarrowest, area.right / scale), area.bottom / scale);
  built_ = true;
  InvalidateRect(Control(IDC_DIAGRAM_AREA), nullptr, FALSE);
}

double TimingDiagramWindow::PixelsPerUnit() const {
  HDC screen = GetDC(Handle());
  double scale = GetDeviceCaps(screen, LOGPIXELSX) / 96.0;
  ReleaseDC(Handle(), screen);
  return scale > 0 ? scale : 1;
}

// The whole diagram fits the area: a window lower than the layout needs
// shows it smaller; beside it the diagram's background.
bool TimingDiagramWindow::Draw(int id, HDC dc, const RECT& area) {
  if (id != IDC_DIAGRAM_AREA || diagram_.width <= 0) return false;
  double width = area.right - area.left, height = area.bottom - area.top;
  double scale = std::min(width / diagram_.width, height / diagram_.height);
  scale = std::min(scale, PixelsPerUnit());
  const DiagramColour& paper = diagram_.background;
  HBRUSH background = CreateSolidBrush(RGB(paper.red, paper.green, paper.blue));
  FillRect(dc, &area, background);
  DeleteObject(background);
  double left = area.left + (width - diagram_.width * scale) / 2;
  PaintTimingDiagram(dc, diagram_, left, area.top, scale);
  return true;
}
