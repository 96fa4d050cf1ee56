#include "cfg/export/timing_svg.h"

#include "cfg/export/text_format.h"

namespace {

std::string Colour(const DiagramColour& colour) {
  std::string text;
  AppendFormat(text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else
      escaped += c;
  }
  return escaped;
}

const char* AnchorName(TextAnchor anchor) {
  return anchor == TextAnchor::kStart ? "start" : anchor == TextAnchor::kMiddle ? "middle" : "end";
}

}  // namespace

std::string TimingDiagramSvg(const TimingDiagram& d) {
  std::string svg;
  AppendFormat(svg,
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
               "viewBox=\"0 0 %.0f %.0f\" font-family=\"monospace\">\n",
               d.width, d.height, d.width, d.height);
  AppendFormat(svg, "<rect width=\"100%%\" height=\"100%%\" fill=\"%s\"/>\n",
               Colour(d.background).c_str());
  for (const DiagramRect& r : d.rects)
    AppendFormat(svg, "<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" fill=\"%s\"/>\n",
                 r.x, r.y, r.width, r.height, Colour(r.fill).c_str());
  for (const DiagramLine& l : d.lines)
    AppendFormat(svg,
                 "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\" "
                 "stroke-width=\"%.1f\"%s/>\n",
                 l.from.x, l.from.y, l.to.x, l.to.y, Colour(l.colour).c_str(), l.thickness,
                 l.dashed ? " stroke-dasharray=\"4 3\"" : "");
  for (const DiagramPolyline& p : d.polylines) {
    svg += "<polyline fill=\"none\" points=\"";
    for (const DiagramPoint& point : p.points) AppendFormat(svg, "%.2f,%.2f ", point.x, point.y);
    AppendFormat(svg, "\" stroke=\"%s\" stroke-width=\"%.1f\"/>\n", Colour(p.colour).c_str(),
                 p.thickness);
  }
  for (const DiagramText& t : d.texts) {
    if (t.opaque) {
      DiagramBox box = TextBox(t);
      AppendFormat(svg,
                   "<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" fill=\"%s\"/>\n",
                   box.left, box.top, box.right - box.left, box.bottom - box.top,
                   Colour(d.background).c_str());
    }
    AppendFormat(svg,
                 "<text x=\"%.2f\" y=\"%.2f\" font-size=\"%.0f\" text-anchor=\"%s\" fill=\"%s\"%s>"
                 "%s</text>\n",
                 t.x, t.y, t.size, AnchorName(t.anchor), Colour(t.colour).c_str(),
                 t.bold ? " font-weight=\"bold\"" : "", Escaped(t.text).c_str());
  }
  svg += "</svg>\n";
  return svg;
}
