// Reading a panel's timing from outside text: a device-tree source with a
// panel-timing node (or a display-timings node and its native mode), or a
// text holding one X modeline as cvt and gtf print it. The readers never
// trust their input: every failure is one message, nothing is half read.
#ifndef QLC_CFG_PANEL_TIMING_SOURCE_H
#define QLC_CFG_PANEL_TIMING_SOURCE_H

#include <string>

#include "cfg/panel/timing_terms.h"

// A timing read from a source, and where in it the timing was found
// ("panel-timing node", "modeline \"640x480_60.00\"", ...).
struct TimingSource {
  TimingTerms terms;
  std::string origin;
};

// Chooses the reader by content: a text with a Modeline line is read as
// modelines, anything else as device-tree source. An empty text, one with a
// NUL byte (a binary file) or one that holds no timing is refused. False:
// error holds the reason (without "ERROR: ").
bool ReadTimingSource(const std::string& text, TimingSource* source, std::string* error);

// The two readers on their own.
bool ReadDeviceTreeTiming(const std::string& text, TimingSource* source, std::string* error);
bool ReadModelineTiming(const std::string& text, TimingSource* source, std::string* error);

// Whether some line's first word is "Modeline" (in any case).
bool HasModelineLine(const std::string& text);

#endif
