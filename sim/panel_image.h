// A picture of what the panel shows.
#ifndef QLC_SIM_PANEL_IMAGE_H
#define QLC_SIM_PANEL_IMAGE_H

#include <stdint.h>

#include <vector>

// width x height pixels, 0xRRGGBB each, row by row.
struct PanelImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

#endif
