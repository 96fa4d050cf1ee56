// View > Timing Diagram: one line and one frame of the working record's
// panel timing to scale, drawn to the window's width and redrawn whenever
// the timing changes.
#ifndef QLC_CFG_UI_TIMING_DIAGRAM_WINDOW_H
#define QLC_CFG_UI_TIMING_DIAGRAM_WINDOW_H

#include "cfg/export/timing_diagram.h"
#include "cfg/panel/timing_terms.h"
#include "cfg/ui/view_window.h"

class TimingDiagramWindow : public ViewWindow {
 public:
  explicit TimingDiagramWindow(const Configuration& config) : ViewWindow(config) {}

  // The diagram is laid out afresh when the record's timing differs from the
  // one shown.
  void Refresh() override;
  // The diagram shown, in the model's units (96-dpi pixels).
  const TimingDiagram& Shown() const { return diagram_; }

 protected:
  BOOL OnInitialize() override;
  void OnDestroy() override { built_ = false; }
  void Arrange(int width, int height) override;
  bool Draw(int id, HDC dc, const RECT& area) override;

 private:
  void Build();
  // Model units per device pixel: the diagram keeps its size in points.
  double PixelsPerUnit() const;

  TimingTerms terms_;
  bool built_ = false;
  TimingDiagram diagram_;
};

#endif
