#include "cfg/panel/timing_source.h"

bool ReadTimingSource(const std::string& text, TimingSource* source, std::string* error) {
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
    *error = "the file is empty";
    return false;
  }
  if (text.find('\0') != std::string::npos) {
    *error = "the file is not a text file (it holds a NUL byte)";
    return false;
  }
  bool read = HasModelineLine(text) ? ReadModelineTiming(text, source, error)
                                    : ReadDeviceTreeTiming(text, source, error);
  if (!read && error->compare(0, 3, "no ") == 0)
    *error = "the file holds no panel-timing node, display-timings node or X modeline";
  return read;
}
