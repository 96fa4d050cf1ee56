// The About box's logo (bitmap 110) and the palette built from the bitmap's
// own colour table. The box itself is not built yet.
#include "resource.h"
#include "shell_dialogs.h"

static HBITMAP g_logo = nullptr;
static HPALETTE g_palette = nullptr;

// One palette entry per colour of the bitmap's table (bitmaps of up to 8 bits
// per pixel); none for deeper bitmaps.
static HPALETTE PaletteOf(HBITMAP bitmap) {
  RGBQUAD colours[256];
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  UINT count = GetDIBColorTable(dc, 0, 256, colours);
  SelectObject(dc, old);
  DeleteDC(dc);
  if (count == 0) return nullptr;
  struct {
    LOGPALETTE header;
    PALETTEENTRY more[255];
  } palette = {};
  palette.header.palVersion = 0x300;
  palette.header.palNumEntries = static_cast<WORD>(count);
  PALETTEENTRY* entries = palette.header.palPalEntry;
  for (UINT i = 0; i < count; ++i)
    entries[i] = {colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue, 0};
  return CreatePalette(&palette.header);
}

void LoadAboutLogo(HINSTANCE instance) {
  ReleaseAboutLogo();
  g_logo = static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (g_logo) g_palette = PaletteOf(g_logo);
}

void ReleaseAboutLogo() {
  if (g_palette) DeleteObject(g_palette);
  if (g_logo) DeleteObject(g_logo);
  g_palette = nullptr;
  g_logo = nullptr;
}

HBITMAP AboutLogo() {
  return g_logo;
}
HPALETTE AboutPalette() {
  return g_palette;
}

void RunAboutBox(HWND) {}
