// The timing diagram as an SVG picture.
#ifndef QLC_CFG_EXPORT_TIMING_SVG_H
#define QLC_CFG_EXPORT_TIMING_SVG_H

#include <string>

#include "cfg/export/timing_diagram.h"

std::string TimingDiagramSvg(const TimingDiagram& diagram);

#endif
