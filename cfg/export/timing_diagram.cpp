#include "cfg/export/timing_diagram.h"

#include <stdio.h>

#include <algorithm>

namespace {

const DiagramColour kInk = {32, 32, 32};
const DiagramColour kGrey = {120, 120, 120};
const DiagramColour kSignal = {0, 0, 175};
const DiagramColour kSyncFill = {250, 214, 165};
const DiagramColour kPorchFill = {222, 222, 222};
const DiagramColour kActiveFill = {178, 214, 178};

const double kMargin = 12;
const double kLabelSize = 12;
const double kTitleSize = 14;
const double kCaptionSize = 13;
const double kLineGap = 4;      // between the two lines of a label
const double kLabelGap = 10;    // between labels side by side
const double kWaveHeight = 22;  // from the inactive to the active level
const double kBandHeight = 18;

double TextWidth(const std::string& text, double size) {
  return CharWidth(size) * static_cast<double>(text.size());
}

std::string Format(const char* format, double value) {
  char text[64];
  snprintf(text, sizeof text, format, value);
  return text;
}

// A length in pixels or lines and its time: "8 px" and "1.28 us".
struct Period {
  const char* name;
  int64_t length;
  int64_t start;  // from the start of the sync
  DiagramColour fill;
};

struct Label {
  std::string first, second;
  double centre;  // of its period
  double periodLeft, periodRight;
  double x = 0;  // left edge as placed
  int row = 0;
};

double LabelWidth(const Label& label) {
  return std::max(TextWidth(label.first, kLabelSize), TextWidth(label.second, kLabelSize));
}

// Places each label on the first row where it overlaps no label already
// there: row 0 only when it fits under its own period, later rows anywhere
// within the width, over the period's centre, joined to it by a vertical
// leader line. A row whose leader would pass a label of the rows above is
// taken only when no row below avoids that.
void PlaceLabels(std::vector<Label>& labels, double left, double right) {
  std::vector<std::vector<std::pair<double, double>>> rows(1);
  for (Label& label : labels) {
    double width = LabelWidth(label);
    double x = std::max(left, std::min(label.centre - width / 2, right - width));
    auto freeAt = [&](size_t row) {
      if (row == 0 && (x < label.periodLeft || x + width > label.periodRight)) return false;
      for (const auto& taken : rows[row])
        if (x + width + kLabelGap > taken.first && x < taken.second + kLabelGap) return false;
      return true;
    };
    auto leaderPasses = [&](size_t row) {
      for (const auto& taken : rows[row])
        if (label.centre >= taken.first - kLabelGap / 2 &&
            label.centre <= taken.second + kLabelGap / 2)
          return false;
      return true;
    };
    size_t chosen = rows.size();  // a new row below all others
    bool leaderFree = true;
    for (size_t row = 0; row < rows.size() && chosen == rows.size(); ++row) {
      if (leaderFree && freeAt(row)) chosen = row;
      leaderFree = leaderFree && leaderPasses(row);
    }
    if (chosen == rows.size()) {
      if (!leaderFree)  // the leader crosses some label anyway: the first free row
        for (size_t row = 1; row < rows.size() && chosen == rows.size(); ++row)
          if (freeAt(row)) chosen = row;
      if (chosen == rows.size()) rows.resize(rows.size() + 1);
    }
    rows[chosen].push_back({x, x + width});
    label.x = x;
    label.row = static_cast<int>(chosen);
  }
}

class DiagramBuilder {
 public:
  DiagramBuilder(TimingDiagram* diagram, double width) : d_(diagram), width_(width) {}

  // One line or one frame from y on; returns the y below it.
  double AddAxis(const TimingAxis& axis, double y, const char* title, const char* sync,
                 const char* unit, const char* unitOfOne, const char* prefix,
                 double secondsPerUnit) {
    int64_t total = axis.Total();
    if (total <= 0 || axis.active <= 0) return y;
    double seconds = static_cast<double>(total) * secondsPerUnit;
    AddText(
        kMargin, y + kTitleSize,
        std::string(title) + ": " + std::to_string(total) + " " + unit + ", " + Duration(seconds),
        TextAnchor::kStart, kTitleSize, true, kInk);
    y += kTitleSize + 10;

    std::string signal = std::string(sync) + (axis.syncActive == 1 ? " high" : " low");
    double plotLeft = kMargin + TextWidth(signal, kLabelSize) + 12;
    double plotRight = width_ - kMargin;
    auto X = [&](int64_t position) {
      return plotLeft +
             (plotRight - plotLeft) * static_cast<double>(position) / static_cast<double>(total);
    };
    // The sync signal: inactive, the pulse at the start, inactive to the
    // next pulse.
    double active = axis.syncActive == 1 ? y : y + kWaveHeight;
    double inactive = axis.syncActive == 1 ? y + kWaveHeight : y;
    d_->polylines.push_back({{{X(0), inactive},
                              {X(0), active},
                              {X(axis.syncLength), active},
                              {X(axis.syncLength), inactive},
                              {X(total), inactive},
                              {X(total), active}},
                             kSignal,
                             2});
    AddText(kMargin, y + kWaveHeight / 2 + kLabelSize * 0.3, signal, TextAnchor::kStart, kLabelSize,
            false, kSignal);
    y += kWaveHeight + 8;

    std::vector<Period> periods = {
        {"sync-len", axis.syncLength, 0, kSyncFill},
        {"back-porch", axis.backPorch, axis.syncLength, kPorchFill},
        {"active", axis.active, axis.syncLength + axis.backPorch, kActiveFill},
        {"front-porch", axis.frontPorch, axis.syncLength + axis.backPorch + axis.active,
         kPorchFill},
    };
    std::vector<Label> labels;
    for (const Period& period : periods) {
      if (period.length < 0) continue;  // a sync inside the display period
      double left = X(period.start), right = X(period.start + period.length);
      d_->rects.push_back({left, y, right - left, kBandHeight, period.fill});
      Label label;
      label.first = std::string(prefix) + period.name + " " + std::to_string(period.length) + " " +
                    (period.length == 1 ? unitOfOne : unit);
      label.second = Duration(static_cast<double>(period.length) * secondsPerUnit);
      label.centre = (left + right) / 2;
      label.periodLeft = left;
      label.periodRight = right;
      labels.push_back(label);
    }
    for (int64_t edge : {int64_t{0}, total})
      d_->lines.push_back(
          {{X(edge), y - kWaveHeight - 8}, {X(edge), y + kBandHeight}, kGrey, 1, true});
    y += kBandHeight;
    return AddLabels(labels, y, plotLeft, plotRight);
  }

  void AddCaption(const std::string& caption, double y) {
    AddText(width_ / 2, y + kCaptionSize, caption, TextAnchor::kMiddle, kCaptionSize, false, kInk);
  }

  void AddText(double x, double y, const std::string& text, TextAnchor anchor, double size,
               bool bold, DiagramColour colour, bool opaque = false) {
    d_->texts.push_back({x, y, text, anchor, size, bold, colour, opaque});
  }

 private:
  static std::string Duration(double seconds) {
    if (seconds >= 1e-3) return Format("%.2f ms", seconds * 1e3);
    if (seconds >= 1e-6) return Format("%.2f \u00b5s", seconds * 1e6);
    return Format("%.1f ns", seconds * 1e9);
  }

  double AddLabels(std::vector<Label>& labels, double y, double left, double right) {
    PlaceLabels(labels, left, right);
    const double rowHeight = 2 * kLabelSize + kLineGap + 10;
    int rows = 0;
    for (const Label& label : labels) {
      double top = y + 6 + label.row * rowHeight;
      double middle = label.x + LabelWidth(label) / 2;
      if (label.row > 0)
        d_->lines.push_back({{label.centre, y}, {label.centre, top}, kGrey, 1, false});
      AddText(middle, top + kLabelSize, label.first, TextAnchor::kMiddle, kLabelSize, false, kInk,
              true);
      AddText(middle, top + 2 * kLabelSize + kLineGap, label.second, TextAnchor::kMiddle,
              kLabelSize, false, kGrey, true);
      rows = std::max(rows, label.row + 1);
    }
    return y + 6 + rows * rowHeight;
  }

  TimingDiagram* d_;
  double width_;
};

}  // namespace

DiagramBox TextBox(const DiagramText& text) {
  double width = TextWidth(text.text, text.size);
  double left = text.anchor == TextAnchor::kStart    ? text.x
                : text.anchor == TextAnchor::kMiddle ? text.x - width / 2
                                                     : text.x - width;
  return {left, text.y - 0.8 * text.size, left + width, text.y + 0.2 * text.size};
}

TimingDiagram BuildTimingDiagram(const TimingTerms& terms, double width, double height) {
  TimingDiagram diagram;
  diagram.width = width;
  DiagramBuilder builder(&diagram, width);
  double clock = static_cast<double>(terms.pixelClockHz);
  double pixelSeconds = clock > 0 ? 1 / clock : 0;
  double lineSeconds = pixelSeconds * static_cast<double>(terms.horizontal.Total());
  double y = kMargin;
  y = builder.AddAxis(terms.horizontal, y, "One line", "hsync", "pixels", "pixel", "h",
                      pixelSeconds);
  y = builder.AddAxis(terms.vertical, y + 16, "One frame", "vsync", "lines", "line", "v",
                      lineSeconds);
  double lineFrequency = LineFrequencyHz(terms);
  std::string caption = Format("pixel clock %.3f MHz", clock / 1e6) +
                        Format(", line frequency %.3f kHz", lineFrequency / 1e3) +
                        Format(", frame rate %.2f Hz", FrameRateHz(terms));
  builder.AddCaption(caption, y + 10);
  std::string overlap = SyncOverlapNote(terms);
  double bottom = y + 10 + kCaptionSize + 6;
  if (!overlap.empty()) {
    builder.AddText(width / 2, bottom + kCaptionSize, overlap, TextAnchor::kMiddle, kCaptionSize,
                    false, {175, 0, 0});
    bottom += kCaptionSize + 6;
  }
  diagram.height = std::max(height, bottom + kMargin);
  return diagram;
}
