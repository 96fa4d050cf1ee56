#include "cfg/export/timing_exportable.h"

#include <string>

#include "cfg/panel/timing_terms.h"
#include "common/message.h"

bool TimingTermsExportable(const Configuration& config) {
  TimingTerms terms = TimingTermsOf(config);
  // Written anyway, the porches would describe some other panel.
  std::string overlap = SyncOverlapNote(terms);
  if (!overlap.empty()) {
    ShowMessage(kMsgOk | kMsgIconError,
                "ERROR: %s; front porch, sync and back porch cannot describe a sync inside the "
                "display period!",
                overlap.c_str());
    return false;
  }
  if (terms.pixelClockHz == 0) {
    ShowMessage(kMsgOk | kMsgIconError, "ERROR: The pixel clock is 0 kHz!");
    return false;
  }
  return true;
}
