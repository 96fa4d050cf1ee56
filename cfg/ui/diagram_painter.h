// Paints a timing diagram (cfg/export/timing_diagram.h) with GDI, in the
// model's order: rectangles, lines, polylines, then texts.
#ifndef QLC_CFG_UI_DIAGRAM_PAINTER_H
#define QLC_CFG_UI_DIAGRAM_PAINTER_H

#include <windows.h>

#include "cfg/export/timing_diagram.h"

// The model's point (x, y) lands on (left + x * scale, top + y * scale); the
// model's background fills its whole extent.
void PaintTimingDiagram(HDC dc, const TimingDiagram& diagram, double left, double top,
                        double scale);

// The monospaced font of a diagram text at a scale: size * scale pixels high,
// no character wider than CharWidth(size) * scale, so that the texts keep
// the room the layout gave them. Delete it with DeleteObject.
HFONT CreateDiagramFont(double size, bool bold, double scale);

#endif
