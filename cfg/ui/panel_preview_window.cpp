#include "cfg/ui/panel_preview_window.h"

#include <string.h>

#include <algorithm>

#include "cfg/ui/controls.h"
#include "cfg/ui/file_dialogs.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/resource.h"

namespace {

// The reason a record cannot be shown is drawn in the Panel page's status red.
const COLORREF kReasonRed = RGB(175, 0, 0);
// The picture is first shown enlarged by a whole factor up to this size.
const int kFirstPictureWidth = 640, kFirstPictureHeight = 480;

// The dialog's font made smaller, for the notes.
HFONT SmallFontOf(HWND window) {
  LOGFONTA font = {};
  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (!dialogFont || !GetObjectA(dialogFont, sizeof font, &font)) return nullptr;
  font.lfHeight = font.lfHeight * 7 / 8;
  return CreateFontIndirectA(&font);
}

}  // namespace

BOOL PanelPreviewWindow::OnInitialize() {
  ViewWindow::OnInitialize();
  notesFont_ = SmallFontOf(Handle());
  if (notesFont_)
    SendMessageA(Control(IDC_PREVIEW_NOTES), WM_SETFONT, reinterpret_cast<WPARAM>(notesFont_), 0);
  built_ = false;
  Refresh();
  // The picture area: the panel enlarged by the largest whole factor that
  // keeps it within the first size, at least the template's area.
  RECT client, picture;
  GetClientRect(Handle(), &client);
  GetClientRect(Control(IDC_PREVIEW_PICTURE), &picture);
  int width = picture.right, height = picture.bottom;
  const PanelImage& image = preview_.image;
  if (preview_.shown && image.width > 0 && image.height > 0) {
    int factor =
        std::max(1, std::min(kFirstPictureWidth / image.width, kFirstPictureHeight / image.height));
    width = std::max(width, image.width * factor);
    height = std::max(height, image.height * factor);
  }
  PlaceBesideOwner(client.right - picture.right + width, client.bottom - picture.bottom + height);
  return TRUE;
}

void PanelPreviewWindow::OnDestroy() {
  if (notesFont_) DeleteObject(notesFont_);
  notesFont_ = nullptr;
  built_ = false;
}

void PanelPreviewWindow::Refresh() {
  const HAL_STRUCT& record = config_.WorkingRecord;
  if (built_ && shownPicture_ == picture_ && memcmp(&shownRecord_, &record, sizeof record) == 0)
    return;
  preview_ = BuildPanelPreview(record, picture_);
  shownRecord_ = record;
  shownPicture_ = picture_;
  built_ = true;
  ShowNotes();
  InvalidateRect(Control(IDC_PREVIEW_PICTURE), nullptr, FALSE);
}

bool PanelPreviewWindow::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED || (id != IDC_PREVIEW_CHOOSE && id != IDC_PREVIEW_TEST_CARD))
    return ViewWindow::OnCommand(id, code, control);
  std::string chosen;
  if (id == IDC_PREVIEW_TEST_CARD)
    picture_.clear();
  else if (ChooseFile(Handle(), PictureRequest(), &chosen))
    picture_ = chosen;
  Refresh();
  return true;
}

INT_PTR PanelPreviewWindow::OnColour(HDC dc, HWND control) {
  return NoteColours(dc, control, {IDC_PREVIEW_NOTES});
}

// The notes, one a line; the picture gives them the room they need.
void PanelPreviewWindow::ShowNotes() {
  std::string text;
  for (const std::string& note : preview_.notes) text += (text.empty() ? "" : "\r\n") + note;
  if (text == ControlText(Control(IDC_PREVIEW_NOTES))) return;
  SetWindowTextA(Control(IDC_PREVIEW_NOTES), text.c_str());
  RECT client;
  GetClientRect(Handle(), &client);
  Arrange(client.right, client.bottom);
}

// From the bottom up: the buttons at the right, the notes above them, the
// picture in the rest.
void PanelPreviewWindow::Arrange(int width, int height) {
  int margin = DialogUnitsX(7), gap = DialogUnitsY(4);
  int buttonWidth = DialogUnitsX(50), buttonHeight = DialogUnitsY(14);
  int buttonTop = height - margin - buttonHeight;
  SetWindowPos(Control(IDC_PREVIEW_TEST_CARD), nullptr, width - margin - buttonWidth, buttonTop,
               buttonWidth, buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(Control(IDC_PREVIEW_CHOOSE), nullptr,
               width - margin - 2 * buttonWidth - DialogUnitsX(5), buttonTop, buttonWidth,
               buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  HWND notes = Control(IDC_PREVIEW_NOTES);
  std::string text = ControlText(notes);
  int notesWidth = std::max(0, width - 2 * margin), notesHeight = 0;
  if (!text.empty()) {
    RECT needed = {0, 0, notesWidth, 0};
    HDC dc = GetDC(notes);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(notes, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(notes, dc);
    notesHeight = needed.bottom;
  }
  int notesTop = buttonTop - gap - notesHeight;
  SetWindowPos(notes, nullptr, margin, notesTop, notesWidth, notesHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  int pictureBottom = notesHeight ? notesTop - gap : buttonTop - gap;
  SetWindowPos(Control(IDC_PREVIEW_PICTURE), nullptr, margin, margin, notesWidth,
               std::max(0, pictureBottom - margin), SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Control(IDC_PREVIEW_PICTURE), nullptr, FALSE);
}

bool PanelPreviewWindow::Draw(int id, HDC dc, const RECT& area) {
  if (id != IDC_PREVIEW_PICTURE) return false;
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (preview_.shown) {
    DrawPicture(dc, area);
    return true;
  }
  RECT text = area;
  InflateRect(&text, -DialogUnitsX(4), 0);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kReasonRed);
  // Centred in the area, wrapped at its width.
  RECT needed = text;
  DrawTextA(dc, preview_.reason.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  int top = area.top + std::max(0L, (area.bottom - area.top - (needed.bottom - needed.top)) / 2);
  text.top = top;
  DrawTextA(dc, preview_.reason.c_str(), -1, &text, DT_WORDBREAK | DT_CENTER);
  SelectObject(dc, old);
  return true;
}

// Scaled to fit with square pixels: by a whole factor when it is enlarged
// (every panel pixel the same block), smoothed when it is made smaller.
void PanelPreviewWindow::DrawPicture(HDC dc, const RECT& area) const {
  const PanelImage& image = preview_.image;
  if (image.width <= 0 || image.height <= 0) return;
  double areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
  double fit = std::min(areaWidth / image.width, areaHeight / image.height);
  double scale = fit >= 1 ? static_cast<int>(fit) : fit;
  int width = std::max(1, static_cast<int>(image.width * scale + 0.5));
  int height = std::max(1, static_cast<int>(image.height * scale + 0.5));
  int left = area.left + (static_cast<int>(areaWidth) - width) / 2;
  int top = area.top + (static_cast<int>(areaHeight) - height) / 2;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;  // 0xRRGGBB in memory is blue, green, red, unused
  info.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(dc, fit >= 1 ? COLORONCOLOR : HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, left, top, width, height, 0, 0, image.width, image.height, image.pixels.data(),
                &info, DIB_RGB_COLORS, SRCCOPY);
}
