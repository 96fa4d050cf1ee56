// Panel and Preference settings applied by name, the way the two pages apply
// them, for front ends without pages (the command line).
#ifndef QLC_CFG_PANEL_SETTINGS_H
#define QLC_CFG_PANEL_SETTINGS_H

enum SettingResult { kSettingAccepted, kSettingRefused, kSettingUnknown };

// Names (case ignored): Width, Height, HorizTotal, VertTotal, HorizStart,
// VertStart, FplineStart, FplineWidth, FpframeStart, FpframeWidth,
// FrameRate (a rate in Hz), PixelClock (a pixel-clock list text such as
// " 6.250   (50.000/8)"), Rotation (0, 90, 180, 270), Bpp (1, 2, 4, 8, 16).
// A refusal has been reported through ShowMessage; an unknown name is not.
SettingResult ApplyPanelSetting(const char* name, const char* value);

// The names above, for help texts; ends with nullptr.
extern const char* const kPanelSettingNames[];

#endif
