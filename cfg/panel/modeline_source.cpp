// X modelines as cvt, gtf and xorg.conf write them:
//   Modeline "640x480_60.00"  23.75  640 664 720 800  480 483 487 500 -hsync +vsync
// The name, the pixel clock in MHz, the horizontal display, sync start, sync
// end and total, the same four vertically, then flags.
#include <string.h>

#include <initializer_list>
#include <vector>

#include "cfg/panel/timing_source.h"
#include "common/text_read.h"

namespace {

enum { kMaxDigits = 9 };

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// Words split at blanks; a double-quoted word may hold blanks. A '#' outside
// quotes starts a comment.
bool SplitWords(const std::string& line, std::vector<std::string>* words) {
  size_t at = 0;
  while (at < line.size()) {
    if (IsBlank(line[at])) {
      ++at;
    } else if (line[at] == '#') {
      break;
    } else if (line[at] == '"') {
      size_t end = line.find('"', at + 1);
      if (end == std::string::npos) return false;
      words->push_back(line.substr(at, end + 1 - at));
      at = end + 1;
    } else {
      size_t end = at;
      while (end < line.size() && !IsBlank(line[end]) && line[end] != '#') ++end;
      words->push_back(line.substr(at, end - at));
      at = end;
    }
  }
  return true;
}

bool IsModelineLine(const std::string& line) {
  std::vector<std::string> words;
  return SplitWords(line, &words) && !words.empty() && EqualsNoCase(words[0].c_str(), "Modeline");
}

bool ParseCount(const std::string& word, int64_t* value) {
  if (word.empty() || word.size() > kMaxDigits ||
      word.find_first_not_of("0123456789") != std::string::npos)
    return false;
  *value = std::stoll(word);
  return true;
}

// MHz with any number of decimals, rounded to the hertz.
bool ParseMegahertz(const std::string& word, uint64_t* hertz) {
  size_t point = word.find('.');
  std::string whole = word.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : word.substr(point + 1);
  if ((whole.empty() && fraction.empty()) || whole.size() > 6 ||
      whole.find_first_not_of("0123456789") != std::string::npos ||
      fraction.find_first_not_of("0123456789") != std::string::npos)
    return false;
  uint64_t value = whole.empty() ? 0 : std::stoull(whole);
  for (size_t i = 0; i < 6; ++i) value = value * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  if (fraction.size() > 6 && fraction[6] >= '5') ++value;
  *hertz = value;
  return true;
}

// The four numbers of one direction, in rising order.
bool ReadAxis(const std::vector<std::string>& words, size_t first, const char* direction,
              TimingAxis* axis, std::string* error) {
  int64_t n[4];
  for (size_t i = 0; i < 4; ++i) {
    if (!ParseCount(words[first + i], &n[i])) {
      *error = "the modeline's " + std::string(direction) + " number '" + words[first + i] +
               "' is not a number";
      return false;
    }
  }
  if (!(n[0] <= n[1] && n[1] <= n[2] && n[2] <= n[3])) {
    *error = "the modeline's " + std::string(direction) + " numbers " + words[first] + " " +
             words[first + 1] + " " + words[first + 2] + " " + words[first + 3] +
             " are not in rising order";
    return false;
  }
  axis->active = n[0];
  axis->frontPorch = n[1] - n[0];
  axis->syncLength = n[2] - n[1];
  axis->backPorch = n[3] - n[2];
  return true;
}

bool IsOneOf(const char* word, std::initializer_list<const char*> known) {
  for (const char* candidate : known)
    if (EqualsNoCase(word, candidate)) return true;
  return false;
}

// The polarities; a scan the panel cannot follow is refused, flags that do
// not concern it are passed over.
bool ReadFlags(const std::vector<std::string>& words, size_t first, TimingTerms* terms,
               std::string* error) {
  struct {
    const char* flag;
    int* syncActive;
    int value;
  } const polarities[] = {{"+hsync", &terms->horizontal.syncActive, 1},
                          {"-hsync", &terms->horizontal.syncActive, 0},
                          {"+vsync", &terms->vertical.syncActive, 1},
                          {"-vsync", &terms->vertical.syncActive, 0}};
  for (size_t i = first; i < words.size(); ++i) {
    const char* flag = words[i].c_str();
    bool known = false;
    for (const auto& polarity : polarities) {
      if (!EqualsNoCase(flag, polarity.flag)) continue;
      *polarity.syncActive = polarity.value;
      known = true;
    }
    if (known || IsOneOf(flag, {"+csync", "-csync", "csync", "composite", "bcast", "pixmux"}))
      continue;
    if (IsOneOf(flag, {"hskew", "vscan"})) {
      ++i;  // and its number
      continue;
    }
    if (IsOneOf(flag, {"interlace", "doublescan"})) {
      *error = "the modeline is " +
               std::string(EqualsNoCase(flag, "interlace") ? "interlaced" : "double-scanned") +
               "; the panel is scanned progressively, line by line";
    } else {
      *error = "the modeline's flag '" + words[i] + "' is unknown";
    }
    return false;
  }
  return true;
}

}  // namespace

bool HasModelineLine(const std::string& text) {
  for (const std::string& line : Lines(text))
    if (IsModelineLine(line)) return true;
  return false;
}

bool ReadModelineTiming(const std::string& text, TimingSource* source, std::string* error) {
  std::vector<std::string> modeline;
  int count = 0;
  for (const std::string& line : Lines(text)) {
    if (!IsModelineLine(line)) continue;
    if (++count == 1) SplitWords(line, &modeline);
  }
  if (count != 1) {
    *error = count == 0 ? "no modeline"
                        : std::to_string(count) + " modelines; keep the one of the panel to import";
    return false;
  }
  if (modeline.size() < 11) {
    *error = "the modeline has " + std::to_string(modeline.size() - 1) +
             " words; it needs a name, the clock and eight numbers";
    return false;
  }
  TimingSource read;
  if (!ParseMegahertz(modeline[2], &read.terms.pixelClockHz)) {
    *error = "the modeline's clock '" + modeline[2] + "' is not a number of MHz";
    return false;
  }
  if (!ReadAxis(modeline, 3, "horizontal", &read.terms.horizontal, error) ||
      !ReadAxis(modeline, 7, "vertical", &read.terms.vertical, error) ||
      !ReadFlags(modeline, 11, &read.terms, error))
    return false;
  read.origin = "modeline " + modeline[1];
  *source = read;
  return true;
}
