// The About box: the program's logo (bitmap 110) drawn through the palette
// built from the bitmap's own colour table with white transparent, the
// version from the program's version resource, and the notice lines.
#include <string.h>

#include <string>

#include "cfg/ui/message_box.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"
#include "common/copyright.h"

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

// The program's own "ProductVersion" (US English, Windows Latin-1); empty
// when it has no version resource.
static std::string ProductVersion() {
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
static void DrawLogo(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!g_logo) return;
  BITMAP size = {};
  GetObjectA(g_logo, sizeof size, &size);
  HPALETTE oldPalette = nullptr;
  if (g_palette) {
    oldPalette = SelectPalette(item.hDC, g_palette, FALSE);
    RealizePalette(item.hDC);
  }
  HDC source = CreateCompatibleDC(item.hDC);
  HGDIOBJ oldBitmap = SelectObject(source, g_logo);
  TransparentBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.bmWidth, size.bmHeight, source,
                 0, 0, size.bmWidth, size.bmHeight, RGB(255, 255, 255));
  SelectObject(source, oldBitmap);
  DeleteDC(source);
  if (oldPalette) SelectPalette(item.hDC, oldPalette, FALSE);
}

static void OpenAboutBox(HWND box) {
  std::string version = ProductVersion();
  if (!version.empty())
    SetDlgItemTextA(box, IDC_ABOUT_VERSION, ("56420CFG Version " + version).c_str());
  SetDlgItemTextA(box, IDC_ABOUT_NOTICE_1, kCopyrightLines[0]);
  SetDlgItemTextA(box, IDC_ABOUT_NOTICE_2, kCopyrightLines[1]);
}

static INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(box);
  switch (message) {
    case WM_INITDIALOG:
      OpenAboutBox(box);
      return TRUE;
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != IDC_ABOUT_LOGO) return FALSE;
      DrawLogo(*item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      return NoteColours(wParam, lParam, {IDC_ABOUT_VERSION});
    case WM_COMMAND:
      // OK, Enter and Esc close the box.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(box, LOWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void RunAboutBox(HWND owner) {
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutBoxProc, 0);
}
