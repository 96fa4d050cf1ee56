// The timing diagram as plain drawing primitives: one line and one frame to
// scale along a time axis (sync pulse with its polarity, back porch, active
// period, front porch), each period labelled with its length in pixels or
// lines and in time, and a caption with the pixel clock, the line frequency
// and the frame rate. A painter only draws what the model holds, in order:
// rectangles, lines, polylines, then texts; the SVG writer and a window paint
// the same model.
//
// Texts are set in a monospaced font whose characters are CharWidth(size)
// wide; the layout places them with that width so that no two texts overlap,
// even at the narrowest porches.
#ifndef QLC_CFG_EXPORT_TIMING_DIAGRAM_H
#define QLC_CFG_EXPORT_TIMING_DIAGRAM_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/panel/timing_terms.h"

struct DiagramColour {
  uint8_t red, green, blue;
};

struct DiagramPoint {
  double x, y;
};

struct DiagramRect {
  double x, y, width, height;
  DiagramColour fill;
};

struct DiagramLine {
  DiagramPoint from, to;
  DiagramColour colour;
  double thickness;
  bool dashed;
};

struct DiagramPolyline {
  std::vector<DiagramPoint> points;
  DiagramColour colour;
  double thickness;
};

enum class TextAnchor { kStart, kMiddle, kEnd };

// y is the baseline; the text rises 0.8 * size above it and falls 0.2 * size
// below it. An opaque text first fills its box (TextBox) with the diagram's
// background, so that a leader line passing behind it does not cross it.
// The text is UTF-8.
struct DiagramText {
  double x, y;
  std::string text;
  TextAnchor anchor;
  double size;
  bool bold;
  DiagramColour colour;
  bool opaque;
};

struct TimingDiagram {
  double width = 0, height = 0;
  DiagramColour background = {255, 255, 255};
  std::vector<DiagramRect> rects;
  std::vector<DiagramLine> lines;
  std::vector<DiagramPolyline> polylines;
  std::vector<DiagramText> texts;
};

// Width of one character of the diagram's monospaced font at a size.
inline double CharWidth(double size) {
  return size * 0.6;
}

// The box a text covers: left, top, right, bottom.
struct DiagramBox {
  double left, top, right, bottom;
};
DiagramBox TextBox(const DiagramText& text);

// The diagram of a timing in a space of the given width (at least 480 is
// sensible). The height is what the layout needs, at least the given height:
// narrow porches move their labels onto further rows.
TimingDiagram BuildTimingDiagram(const TimingTerms& terms, double width, double height);

#endif
