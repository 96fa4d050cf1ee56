// Writes a panel picture as a PNG file (8-bit RGB).
#ifndef QLC_SIM_PNG_WRITER_H
#define QLC_SIM_PNG_WRITER_H

#include <string>

#include "sim/panel_image.h"

// False when the picture is empty or the file cannot be written in full.
bool WritePanelPng(const std::string& path, const PanelImage& image);

#endif
