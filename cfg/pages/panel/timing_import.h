// Taking a panel's timing in datasheet terms (a device tree, a modeline) into
// the record through the Panel page's own steps: the page is opened, the type
// button is pressed, every value goes through its entry rule, and the page is
// left; the record ends as if a user had typed the numbers on the page.
#ifndef QLC_CFG_PAGES_PANEL_TIMING_IMPORT_H
#define QLC_CFG_PAGES_PANEL_TIMING_IMPORT_H

#include <stdint.h>

#include <string>

#include "cfg/panel/timing_terms.h"
#include "cfg/record/configuration.h"

// The pixel-clock list entry nearest a frequency, as the Panel page offers
// it with the current clock settings. keepCurrent: the nearest is the
// current pixel clock itself (which the list may show without offering it).
struct PixelClockNearest {
  std::string entry;
  uint32_t kHz = 0;
  bool keepCurrent = false;
};
PixelClockNearest NearestPixelClock(const Configuration& config, uint64_t hertz);

// Applies the terms with the panel type (kPanelStn ...). False when a value
// is refused: the message names the term, and the configuration is left as
// it was. A pixel clock the clock settings cannot give exactly is replaced
// by the nearest they give, and the difference is said in percent.
bool ImportTimingTerms(Configuration& config, const TimingTerms& terms, unsigned type);

#endif
