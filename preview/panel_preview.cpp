#include "preview/panel_preview.h"

#include "bmp/bmp_draw.h"
#include "bmp/bmp_image.h"
#include "bmp/hal_surface.h"
#include "hal/hal.h"
#include "preview/preview_reasons.h"
#include "preview/test_card.h"
#include "sim/memory_board.h"

namespace {

// The chip's limits on the panel size registers: 1024 pixels, 1024 lines.
enum : unsigned { kMaxWidthRegister = 0x7F, kMaxHeightRegisters = 0x3FF };

// The picture to show: a bitmap file with its headers, or the test card.
struct PreviewPicture {
  std::string path;  // empty: the test card
  BmpInfo info;
};

bool Refuse(PanelPreview* preview, const std::string& reason) {
  preview->reason = reason;
  return false;
}

void IgnoreTrace(const char*) {}

// The panel size as the record lists it. The HAL reads the registers whole
// while the chip ignores bits above them, so a size beyond the chip's (or a
// height of 0 stored as 0 - 1) would lay out the memory for another panel.
bool CheckPanelSize(PanelPreview* preview) {
  unsigned width = hxFindRegValue(REG_HDP) & 0xFF;
  unsigned height = (hxFindRegValue(REG_VDP0) & 0xFF) | (hxFindRegValue(REG_VDP1) & 0xFF) << 8;
  if (width > kMaxWidthRegister) return Refuse(preview, WidthRegisterReason(width));
  if (height > kMaxHeightRegisters) return Refuse(preview, HeightRegistersReason(height));
  return true;
}

// Bytes of a main window over the whole display at depth, lines widened to
// whole words as the HAL lays them out.
uint32_t DisplayBytes(unsigned depth) {
  uint32_t width, height;
  hxGetDisplaySize(&width, &height);
  uint32_t perWord = 32 / depth;
  return (width + perWord - 1) / perWord * 4 * height;
}

bool RefuseClocks(PanelPreview* preview, unsigned depth, unsigned rotation) {
  uint32_t memoryClock, pixelClock;
  hxModeClocks(&memoryClock, &pixelClock);
  return Refuse(preview, ClocksReason(memoryClock, pixelClock, depth, rotation));
}

// Programming from the record as 56420BMP does it at start (hxApplyConfig,
// then the rotation checked and set again).
bool ProgramChip(const HAL_STRUCT& record, PanelPreview* preview) {
  switch (hxApplyConfig(kApplyClearMemory | kApplyBlankDisplay)) {
    case kHalClkINotInTable:
      preview->notes.push_back(ClockNotInTableNote("CLKI", record.ClkI));
      break;
    case kHalClkI2NotInTable:
      preview->notes.push_back(ClockNotInTableNote("CLKI2", record.ClkI2));
      break;
    case kHalNoMemory:
      return Refuse(preview, MemoryReason(hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0) * 4u *
                                              (hxRegRead16(REG_VDP0) + 1u),
                                          kDisplayMemorySize));
    default:
      break;
  }
  unsigned rotation = hxGetRotation();
  if (hxCheckClocks(hxGetColorDepth(), rotation) != kHalOk)
    return RefuseClocks(preview, hxGetColorDepth(), rotation);
  if (hxSetRotation(rotation) != kHalOk)
    return Refuse(preview, MemoryReason(DisplayBytes(hxGetColorDepth()), kDisplayMemorySize));
  return true;
}

// The main window alone (56420BMP's ds=0), set up for the picture's depth
// and drawn while blanked.
bool ShowPicture(const HAL_STRUCT& record, const PreviewPicture& picture, PanelPreview* preview) {
  hxRegWrite32(REG_MAIN_WIN_DISP_START_ADDR0, 0);
  hxRegWrite32(REG_SUB_WIN_DISP_START_ADDR0, 0);
  if (!(record.Flags & fVALID_LCD)) return Refuse(preview, NotLcdReason());
  hxBlankMain(0);
  hxHideSub(1);

  bool card = picture.path.empty();
  unsigned rotation = hxGetRotation();
  unsigned depth =
      card ? hxGetColorDepth() : static_cast<unsigned>(BmpDrawingDepth(picture.info.depth));
  switch (SetUpMainSurface(depth, rotation)) {
    case MainSurfaceSetup::kClocksTooSlow:
      return RefuseClocks(preview, depth, rotation);
    case MainSurfaceSetup::kNoDepthMemory:
    case MainSurfaceSetup::kRotationNotKept:
      return Refuse(preview, MemoryReason(DisplayBytes(depth), kDisplayMemorySize));
    case MainSurfaceSetup::kReady:
      break;
  }

  hxSelectMainSurface();
  hxHideCurrent(1);
  BmpStatus drawn = kBmpOk;
  if (card) {
    HalDisplayMemory memory;
    DrawTestCard(CurrentSurfaceTarget(static_cast<int>(depth)), memory);
  } else {
    drawn = DrawOnCurrentSurface(
        picture.info, [&picture](const SurfaceTarget& target, DisplayMemory& memory) {
          return DrawBmpFile(picture.path.c_str(), picture.info, target, memory, 0, 0);
        });
  }
  hxHideCurrent(0);
  if (drawn == kBmpCannotOpen) return Refuse(preview, PictureCannotOpenReason(picture.path));
  if (drawn != kBmpOk) return Refuse(preview, NotABitmapReason(picture.path));
  return true;
}

bool ReadPictureHeaders(PreviewPicture* picture, PanelPreview* preview) {
  switch (ReadBmpInfo(picture->path.c_str(), &picture->info)) {
    case kBmpOk:
      return true;
    case kBmpCannotOpen:
      return Refuse(preview, PictureCannotOpenReason(picture->path));
    default:
      return Refuse(preview, NotABitmapReason(picture->path));
  }
}

// Runs the HAL on the in-memory board, which must be mapped next.
bool RunOnBoard(HAL_STRUCT& record, const PreviewPicture& picture, PanelPreview* preview) {
  int opened = hxOpen(&record);
  if (opened != kHalOk) return Refuse(preview, BoardReason(opened));
  return CheckPanelSize(preview) && ProgramChip(record, preview) &&
         ShowPicture(record, picture, preview);
}

}  // namespace

PanelPreview BuildPanelPreview(const HAL_STRUCT& record, const std::string& picturePath) {
  PanelPreview preview;
  PreviewPicture picture;
  picture.path = picturePath;
  if (!picturePath.empty() && !ReadPictureHeaders(&picture, &preview)) return preview;

  // The HAL may change the record it is given; the power delays only time
  // the LCD's power sequence and would be waited for frame by frame.
  HAL_STRUCT copy = record;
  copy.PowerOffDelay = 0;
  copy.PowerOnDelay = 0;

  HalState found = hxSetAside();
  hxSetTraceSink(IgnoreTrace);
  hxUseBoard(FreshMemoryBoard());
  preview.shown = RunOnBoard(copy, picture, &preview);
  if (preview.shown) preview.image = MemoryBoardRenderPanel();
  hxPutBack(found);
  return preview;
}
