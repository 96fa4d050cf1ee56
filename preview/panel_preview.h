// The panel preview: what the panel shows for a configuration record, with a
// bitmap or with the built-in test card, without hardware. The HAL programs
// an in-memory virtual board from the record as a program built on it does
// at start, the picture goes into the main window as 56420BMP shows it, and
// the board renders the panel. Nothing is written to disk and no program is
// started; the HAL is left as it was found. Fast enough to run on every
// change of a setting.
#ifndef QLC_PREVIEW_PANEL_PREVIEW_H
#define QLC_PREVIEW_PANEL_PREVIEW_H

#include <string>
#include <vector>

#include "common/hal_struct.h"
#include "sim/panel_image.h"

struct PanelPreview {
  bool shown = false;              // false: no picture, reason says why
  std::string reason;              // why the record or the picture cannot be shown
  std::vector<std::string> notes;  // warnings that did not stop the picture
  PanelImage image;                // the panel, width x height, 0xRRGGBB row by row
};

// The panel for record (never changed) showing the bitmap file at picturePath,
// or the test card when picturePath is empty. The record's rotation applies;
// a bitmap sets the colour depth as in 56420BMP, the test card keeps the
// record's. With a bitmap the pixels are those `56420bmp PICTURE` (with /r90,
// /r180 or /r270 for a rotated record) leaves on a virtual board.
PanelPreview BuildPanelPreview(const HAL_STRUCT& record, const std::string& picturePath = "");

#endif
