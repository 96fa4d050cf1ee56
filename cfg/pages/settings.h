// Panel and Preference settings applied by name, the way the two pages apply
// them, for front ends without pages (the command line).
#ifndef QLC_CFG_PANEL_SETTINGS_H
#define QLC_CFG_PANEL_SETTINGS_H

#include "cfg/record/configuration.h"

enum SettingResult { kSettingAccepted, kSettingRefused, kSettingUnknown };

// Names (case ignored): Width, Height, HorizTotal, VertTotal, HorizStart,
// VertStart, FplineStart, FplineWidth, FpframeStart, FpframeWidth,
// FrameRate (a rate in Hz), PixelClock (a pixel-clock list text such as
// " 6.250   (50.000/8)"), Rotation (0, 90, 180, 270), Bpp (1, 2, 4, 8, 16),
// PanelType (STN, TFT, HR-TFT, K-VRX: the type button, which shows the type's
// default polarities), FplinePolarity and FpframePolarity (high or low),
// ActiveResolution (160x160 or 160x240, and 320x240, of HR-TFT and K-VRX).
// A refusal has been reported through ShowMessage; an unknown name is not.
// The page offers only the frame rates some horizontal total gives, so any
// other rate is refused, naming the nearest ones that exist.
SettingResult ApplyPanelSetting(Configuration& config, const char* name, const char* value);

// The page a setting belongs to: the Panel page runs its opening and leaving
// steps around its settings (panel_page.h), the Preference page none.
enum SettingPage { kPanelPageSetting, kPreferencePageSetting, kNoSettingPage };
SettingPage PageOfSetting(const char* name);

// The names above, for help texts; ends with nullptr.
extern const char* const kPanelSettingNames[];

#endif
