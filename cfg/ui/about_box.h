// The About box: the program's logo, its version and the notice lines.
#ifndef QLC_CFG_UI_ABOUT_BOX_H
#define QLC_CFG_UI_ABOUT_BOX_H

#include <windows.h>

// The logo (bitmap 110) and the palette built from the bitmap's own colour
// table: loaded with the main window, released when it ends.
class AboutLogo {
 public:
  AboutLogo() = default;
  ~AboutLogo() { Release(); }
  AboutLogo(const AboutLogo&) = delete;
  AboutLogo& operator=(const AboutLogo&) = delete;

  void Load(HINSTANCE instance);
  void Release();
  HBITMAP Bitmap() const { return bitmap_; }
  HPALETTE Palette() const { return palette_; }

 private:
  HBITMAP bitmap_ = nullptr;
  HPALETTE palette_ = nullptr;
};

// The box, modal over owner, showing logo (drawn with white transparent).
void RunAboutBox(HWND owner, const AboutLogo& logo);

#endif
