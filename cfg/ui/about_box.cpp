// The About box: the program's logo (bitmap 110) drawn through the palette
// built from the bitmap's own colour table with white transparent, the
// version from the program's version resource, and the notice lines.
#include "cfg/ui/about_box.h"

#include <string.h>

#include <string>

#include "cfg/ui/dialog_window.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/resource.h"
#include "common/copyright.h"

namespace {

// One palette entry per colour of the bitmap's table (bitmaps of up to 8 bits
// per pixel); none for deeper bitmaps.
HPALETTE PaletteOf(HBITMAP bitmap) {
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

// The program's own "ProductVersion" (US English, Windows Latin-1); empty
// when it has no version resource.
std::string ProductVersion() {
  char program[MAX_PATH * 4] = "";
  DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
  if (length == 0 || length >= sizeof program) return std::string();
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(program, &handle);
  if (size == 0) return std::string();
  std::string block(size, '\0');
  if (!GetFileVersionInfoA(program, 0, size, &block[0])) return std::string();
  char* value = nullptr;
  UINT valueLength = 0;
  if (!VerQueryValueA(&block[0], "\\StringFileInfo\\040904E4\\ProductVersion",
                      reinterpret_cast<void**>(&value), &valueLength) ||
      !value)
    return std::string();
  return std::string(value, strnlen(value, valueLength));
}

// The logo at the control's origin, white left transparent; the DC is
// already clipped to what is being repainted.
void DrawLogo(const DRAWITEMSTRUCT& item, const AboutLogo& logo) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!logo.Bitmap()) return;
  BITMAP size = {};
  GetObjectA(logo.Bitmap(), sizeof size, &size);
  HPALETTE oldPalette = nullptr;
  if (logo.Palette()) {
    oldPalette = SelectPalette(item.hDC, logo.Palette(), FALSE);
    RealizePalette(item.hDC);
  }
  HDC source = CreateCompatibleDC(item.hDC);
  HGDIOBJ oldBitmap = SelectObject(source, logo.Bitmap());
  TransparentBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.bmWidth, size.bmHeight, source,
                 0, 0, size.bmWidth, size.bmHeight, RGB(255, 255, 255));
  SelectObject(source, oldBitmap);
  DeleteDC(source);
  if (oldPalette) SelectPalette(item.hDC, oldPalette, FALSE);
}

class AboutBox : public DialogWindow {
 public:
  explicit AboutBox(const AboutLogo& logo) : logo_(logo) {}

 protected:
  BOOL OnInitialize() override {
    std::string version = ProductVersion();
    if (!version.empty())
      SetDlgItemTextA(Handle(), IDC_ABOUT_VERSION, ("56420CFG Version " + version).c_str());
    SetDlgItemTextA(Handle(), IDC_ABOUT_NOTICE_1, kCopyrightLines[0]);
    SetDlgItemTextA(Handle(), IDC_ABOUT_NOTICE_2, kCopyrightLines[1]);
    return TRUE;
  }

  INT_PTR OnColour(HDC dc, HWND control) override {
    return NoteColours(dc, control, {IDC_ABOUT_VERSION});
  }

  // OK, Enter and Esc close the box.
  bool OnCommand(int id, int, HWND) override {
    if (id == IDOK || id == IDCANCEL) EndDialog(Handle(), id);
    return true;
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR* result) override {
    if (message != WM_DRAWITEM) return false;
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID != IDC_ABOUT_LOGO) return false;
    DrawLogo(*item, logo_);
    *result = TRUE;
    return true;
  }

 private:
  const AboutLogo& logo_;
};

}  // namespace

void AboutLogo::Load(HINSTANCE instance) {
  Release();
  bitmap_ = static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap_) palette_ = PaletteOf(bitmap_);
}

void AboutLogo::Release() {
  if (palette_) DeleteObject(palette_);
  if (bitmap_) DeleteObject(bitmap_);
  palette_ = nullptr;
  bitmap_ = nullptr;
}

void RunAboutBox(HWND owner, const AboutLogo& logo) {
  AboutBox box(logo);
  box.RunModal(GetModuleHandleA(nullptr), IDD_ABOUT, owner);
}
