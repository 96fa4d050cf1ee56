#include "cfg/ui/diagram_painter.h"

#include <math.h>

#include <string>
#include <vector>

namespace {

COLORREF ColourOf(const DiagramColour& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

// The model's coordinates in device pixels.
struct Mapping {
  double left, top, scale;
  int X(double x) const { return static_cast<int>(lround(left + x * scale)); }
  int Y(double y) const { return static_cast<int>(lround(top + y * scale)); }
  POINT At(const DiagramPoint& point) const { return {X(point.x), Y(point.y)}; }
};

void FillBox(HDC dc, const Mapping& map, double x, double y, double width, double height,
             COLORREF colour) {
  RECT box = {map.X(x), map.Y(y), map.X(x + width), map.Y(y + height)};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &box, brush);
  DeleteObject(brush);
}

HPEN CreateLinePen(const Mapping& map, double thickness, const DiagramColour& colour) {
  int width = static_cast<int>(lround(thickness * map.scale));
  return CreatePen(PS_SOLID, width < 1 ? 1 : width, ColourOf(colour));
}

void Segment(HDC dc, const Mapping& map, const DiagramPoint& from, const DiagramPoint& to) {
  MoveToEx(dc, map.X(from.x), map.Y(from.y), nullptr);
  LineTo(dc, map.X(to.x), map.Y(to.y));
}

// A dashed line as 4 units drawn and 3 left out, as the SVG draws it.
void DrawLine(HDC dc, const Mapping& map, const DiagramLine& line) {
  HPEN pen = CreateLinePen(map, line.thickness, line.colour);
  HGDIOBJ old = SelectObject(dc, pen);
  double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
  double length = sqrt(dx * dx + dy * dy);
  if (!line.dashed || length == 0) {
    Segment(dc, map, line.from, line.to);
  } else {
    for (double at = 0; at < length; at += 7) {
      double end = at + 4 < length ? at + 4 : length;
      Segment(dc, map, {line.from.x + dx * at / length, line.from.y + dy * at / length},
              {line.from.x + dx * end / length, line.from.y + dy * end / length});
    }
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

void DrawPolyline(HDC dc, const Mapping& map, const DiagramPolyline& polyline) {
  std::vector<POINT> points;
  for (const DiagramPoint& point : polyline.points) points.push_back(map.At(point));
  HPEN pen = CreateLinePen(map, polyline.thickness, polyline.colour);
  HGDIOBJ old = SelectObject(dc, pen);
  Polyline(dc, points.data(), static_cast<int>(points.size()));
  SelectObject(dc, old);
  DeleteObject(pen);
}

std::wstring Utf16(const std::string& text) {
  int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(length > 0 ? static_cast<size_t>(length) : 0, L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

UINT AlignmentOf(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::kMiddle:
      return TA_BASELINE | TA_CENTER;
    case TextAnchor::kEnd:
      return TA_BASELINE | TA_RIGHT;
    default:
      return TA_BASELINE | TA_LEFT;
  }
}

void DrawDiagramText(HDC dc, const Mapping& map, const DiagramText& text, COLORREF background) {
  if (text.opaque) {
    DiagramBox box = TextBox(text);
    FillBox(dc, map, box.left, box.top, box.right - box.left, box.bottom - box.top, background);
  }
  HFONT font = CreateDiagramFont(text.size, text.bold, map.scale);
  HGDIOBJ old = SelectObject(dc, font);
  SetTextAlign(dc, AlignmentOf(text.anchor));
  SetTextColor(dc, ColourOf(text.colour));
  std::wstring wide = Utf16(text.text);
  TextOutW(dc, map.X(text.x), map.Y(text.y), wide.c_str(), static_cast<int>(wide.size()));
  SelectObject(dc, old);
  DeleteObject(font);
}

}  // namespace

HFONT CreateDiagramFont(double size, bool bold, double scale) {
  LOGFONTW font = {};
  font.lfHeight = -static_cast<LONG>(lround(size * scale));
  // Rounded down: a wider character would push long labels into their
  // neighbours.
  font.lfWidth = static_cast<LONG>(floor(CharWidth(size) * scale));
  if (font.lfHeight > -1) font.lfHeight = -1;
  if (font.lfWidth < 1) font.lfWidth = 1;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfQuality = ANTIALIASED_QUALITY;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  lstrcpyW(font.lfFaceName, L"Courier New");
  return CreateFontIndirectW(&font);
}

void PaintTimingDiagram(HDC dc, const TimingDiagram& diagram, double left, double top,
                        double scale) {
  Mapping map = {left, top, scale};
  COLORREF background = ColourOf(diagram.background);
  FillBox(dc, map, 0, 0, diagram.width, diagram.height, background);
  for (const DiagramRect& rect : diagram.rects)
    FillBox(dc, map, rect.x, rect.y, rect.width, rect.height, ColourOf(rect.fill));
  for (const DiagramLine& line : diagram.lines) DrawLine(dc, map, line);
  for (const DiagramPolyline& polyline : diagram.polylines) DrawPolyline(dc, map, polyline);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  for (const DiagramText& text : diagram.texts) DrawDiagramText(dc, map, text, background);
  SetBkMode(dc, oldMode);
}
