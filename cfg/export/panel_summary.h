// The one-line description of the panel configuration that the header and
// CSV banners print.
#ifndef QLC_CFG_EXPORT_PANEL_SUMMARY_H
#define QLC_CFG_EXPORT_PANEL_SUMMARY_H

#include <string>

#include "cfg/record/configuration.h"

// "Panel: 320x240x8bpp 70Hz Color Single STN 4-bit (PCLK=6.250MHz) " for the
// working record; registers are read through GetRegister.
std::string PanelSummary(const Configuration& config);
// The same without the trailing blank(s), for a line of its own.
std::string TrimmedPanelSummary(const Configuration& config);

#endif
