// The Preference page's record logic: rotation, colour depth and video
// invert, keeping the main window's start address and line offset in step.
#ifndef QLC_CFG_PAGES_PREFERENCE_PREFERENCE_H
#define QLC_CFG_PAGES_PREFERENCE_PREFERENCE_H

#include <stdint.h>

#include "cfg/panel/display_layout.h"
#include "cfg/record/configuration.h"

// Rotation code 0..3: REG[71h], the start address and the (truncated) line
// offset of that rotation.
void SetRotation(Configuration& config, unsigned rotation);

// Colour depth code 0..4: REG[70h], the start address and UpdateLineOffset.
// Other codes are refused (false) and change nothing.
bool SetColorDepth(Configuration& config, unsigned code);
// What the page's buttons show: the rotation, the depth (codes 5 to 7 check
// no depth button) and the two inverts.
struct PreferenceChoices {
  unsigned rotation;
  unsigned depthCode;
  bool softwareInvert;
  bool hardwareInvert;
};
PreferenceChoices ShownPreferenceChoices(const Configuration& config);

void SetSoftwareInvert(Configuration& config, bool on);  // REG[70h] bit 4
void SetHardwareInvert(Configuration& config, bool on);  // REG[70h] bit 5

#endif
