// The Preference page's record logic: rotation, colour depth and video
// invert, keeping the main window's start address and line offset in step.
#ifndef QLC_CFG_PANEL_PREFERENCE_H
#define QLC_CFG_PANEL_PREFERENCE_H

#include <stdint.h>

enum { kRotation0 = 0, kRotation90 = 1, kRotation180 = 2, kRotation270 = 3 };
enum { kMaxColorDepthCode = 4 };  // 0..4 = 1, 2, 4, 8, 16 bits per pixel

unsigned GetRotation();        // REG[71h] bits 1:0
unsigned GetColorDepthCode();  // REG[70h] bits 2:0
uint32_t BitsPerPixel();       // 2 ^ colour depth code

// Main window start address in 32-bit words for a rotation and the current
// size and depth. An address that would fall below 0 is 0.
uint32_t MainWindowStartAddress(unsigned rotation);

// Rotation code 0..3: REG[71h], the start address and the (truncated) line
// offset of that rotation.
void SetRotation(unsigned rotation);
// The start address for the current rotation and UpdateLineOffset: after a
// change of the colour depth, the width or the height.
void UpdateMainWindowLayout();

// Colour depth code 0..4: REG[70h], the start address and UpdateLineOffset.
// Other codes are refused (false) and change nothing.
bool SetColorDepth(unsigned code);
void SetSoftwareInvert(bool on);  // REG[70h] bit 4
void SetHardwareInvert(bool on);  // REG[70h] bit 5

#endif
