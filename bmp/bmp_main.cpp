// 56420BMP: shows one or two bitmap files on the panel, in the main window
// and the sub-window, optionally rotated and with the sub-window moving.
#include <stdio.h>
#include <string.h>
#include <time.h>

#include <chrono>
#include <thread>

#include "bmp/bmp_draw.h"
#include "bmp/bmp_image.h"
#include "bmp/bmp_messages.h"
#include "bmp/bmp_options.h"
#include "bmp/console_keys.h"
#include "bmp/embedded_record.h"
#include "bmp/hal_surface.h"
#include "bmp/motion.h"
#include "common/copyright.h"
#include "hal/hal.h"

namespace {

enum { kExitOk = 0, kExitError = 1 };
enum { kRoleMain = 1, kRoleSub = 2 };

struct DemoState {
  BmpSettings settings;
  HAL_STRUCT* record = nullptr;
  int roles[2] = {0, 0};
  int surfaceCount = 1;
  bool share = false;
  uint32_t secondWidth = 0, secondHeight = 0;  // bmpfile2's size, when named
  bool drawingFailed = false;                  // a file could not be drawn: the run ends with 1
};

void PrintAddress(uint32_t address) {
  if (address == 0)
    fputs("Configured by system\n", stdout);
  else
    printf("%08lX\n", static_cast<unsigned long>(address));
}

void PrintBanner(const HAL_STRUCT* record) {
  const char *version, *suffix1, *suffix2;
  hxVersion(&version, &suffix1, &suffix2);
  printf(kBannerFormat, BMP_PROGRAM_VERSION, version, suffix1, suffix2);
  fputs(kProgramDescription, stdout);
  for (const char* line : kCopyrightLines) printf("%s\n", line);
  fputs("\n", stdout);
  fputs("Register Start Addr:       ", stdout);
  PrintAddress(record->RegAddr);
  fputs("Display Memory Start Addr: ", stdout);
  PrintAddress(record->DispMemAddr);
}

void PrintUsage() {
  for (const char* line : kUsageLines) fputs(line, stdout);
}

// Prints why a file cannot be used; true when it can.
bool ReportBmpStatus(BmpStatus status, const DemoState& state, const std::string& name) {
  if (status == kBmpCannotOpen) {
    printf(kMsgOpenFailedFormat, name.c_str());
    PrintBanner(state.record);
    PrintUsage();
  } else if (status == kBmpNotBitmap) {
    printf(kMsgNotBitmapFormat, name.c_str());
  }
  return status == kBmpOk;
}

bool ReadHeaders(const DemoState& state, const std::string& name, BmpInfo* info) {
  return ReportBmpStatus(ReadBmpInfo(name.c_str(), info), state, name);
}

void PrintDepthError(int depth) {
  printf(kMsgDepthFormat, depth);
  fputs(kMsgDepthMemory, stdout);
}

bool CheckClocks(unsigned depth, unsigned rotation) {
  if (hxCheckClocks(depth, rotation) == kHalOk) return true;
  printf(kMsgClocksFormat, kModeNames[rotation & 3]);
  return false;
}

bool ColourTablesDiffer(const BmpInfo& first, const BmpInfo& second, int depth) {
  return memcmp(first.colours, second.colours, (size_t{1} << depth) * 3) != 0;
}

// Colour depth, rotation and the sub-window's buffer and place, from the files.
bool ConfigureFromBitmaps(DemoState& state) {
  const BmpSettings& settings = state.settings;
  hxHideSub(1);
  BmpInfo first;
  if (!ReadHeaders(state, settings.files[0], &first)) return false;
  int depth = BmpDrawingDepth(first.depth);
  switch (
      SetUpMainSurface(static_cast<unsigned>(depth), static_cast<unsigned>(settings.rotation))) {
    case MainSurfaceSetup::kClocksTooSlow:
      printf(kMsgClocksFormat, kModeNames[hxGetRotation() & 3]);
      return false;
    case MainSurfaceSetup::kNoDepthMemory:
      PrintDepthError(depth);
      return false;
    case MainSurfaceSetup::kRotationNotKept:
      fputs(kMsgRotationNotChanged, stdout);
      break;
    case MainSurfaceSetup::kReady:
      break;
  }
  // Setting the depth and the rotation switched the sub-window off; shared
  // (ds=1) it is on again at once, showing the main window's image.
  if (state.share) hxHideSub(0);
  if (!(state.roles[1] & kRoleSub)) return true;

  if (settings.fileCount == 2) {
    BmpInfo second;
    if (!ReadHeaders(state, settings.files[1], &second)) return false;
    int secondDepth = BmpDrawingDepth(second.depth);
    if (secondDepth != depth) {
      fputs(kMsgDepthsDiffer, stdout);
      printf(kMsgDepthsDifferFormat, settings.files[0].c_str(), depth, settings.files[1].c_str(),
             secondDepth);
      return false;
    }
    if (depth <= 8 && ColourTablesDiffer(first, second, depth)) {
      printf(kMsgLutsDifferFormat, settings.files[0].c_str(), settings.files[1].c_str());
      printf(kMsgLutUsedFormat, settings.files[1].c_str());
    }
  }
  // The sub image is the display, or the second file where that is smaller,
  // measured as the chip now stands: programmed and rotated.
  uint32_t width, height;
  hxGetDisplaySize(&width, &height);
  uint32_t subWidth = width, subHeight = height;
  if (settings.fileCount == 2) {
    if (state.secondWidth < subWidth) subWidth = state.secondWidth;
    if (state.secondHeight < subHeight) subHeight = state.secondHeight;
  }
  // The sub-window's width runs along display-memory lines in every
  // rotation, counted in whole words: rounded up, no column of the picture
  // is cut off.
  uint32_t perWord = 32 / static_cast<uint32_t>(depth);
  subWidth = (subWidth + perWord - 1) / perWord * perWord;
  if (!hxAllocSubBuffer(subWidth * subHeight * static_cast<uint32_t>(depth) / 8)) {
    PrintDepthError(depth);
    return false;
  }
  hxSelectSubSurface();
  if (settings.fileCount < 2) {
    hxSetSubWindow(static_cast<int>(width / 4), static_cast<int>(height / 4),
                   static_cast<int>(3 * width / 4), static_cast<int>(3 * height / 4));
  } else {
    int x1 = subWidth < width ? static_cast<int>((width - subWidth) / 2) : 0;
    int y1 = subHeight < height ? static_cast<int>((height - subHeight) / 2) : 0;
    hxSetSubWindow(x1, y1, x1 + static_cast<int>(subWidth), y1 + static_cast<int>(subHeight));
  }
  if (hxSetupSubSurface(subWidth, subHeight) != kHalOk) {
    PrintDepthError(depth);
    return false;
  }
  hxHideSub(0);
  hxSelectMainSurface();
  return true;
}

void PrintRoles(int roles) {
  if (roles & kRoleMain) fputs("MAIN WINDOW", stdout);
  if ((roles & kRoleMain) && (roles & kRoleSub)) fputs(" & ", stdout);
  if (roles & kRoleSub) fputs("SUB-WINDOW", stdout);
  if (!(roles & (kRoleMain | kRoleSub))) fputs("NONE", stdout);
}

bool SetUpSurfaces(DemoState& state) {
  BmpSettings& settings = state.settings;
  if (settings.ds < 0) settings.ds = DefaultSurfaceArrangement(settings);
  hxRegWrite32(REG_MAIN_WIN_DISP_START_ADDR0, 0);
  hxRegWrite32(REG_SUB_WIN_DISP_START_ADDR0, 0);
  // 0 is the main window's start only without rotation; when the chip is not
  // programmed nothing else sets it, so it is worked out for the rotation the
  // chip has.
  if (!settings.initialise) hxSetViewOrigin(0, 0, 0, hxMainSurface());
  if (settings.ds < 0 || settings.ds > 2) {
    fputs(kMsgInvalidDs, stdout);
    return false;
  }
  if (!(state.record->Flags & fVALID_LCD)) {
    fputs(kMsgNotLcd1, stdout);
    fputs(kMsgNotLcd2, stdout);
    return false;
  }
  hxBlankMain(0);
  hxHideSub(settings.ds == 0 ? 1 : 0);
  state.roles[0] = kRoleMain;
  state.roles[1] = 0;
  state.surfaceCount = 1;
  if (settings.ds == 1) {
    state.roles[0] = kRoleMain | kRoleSub;
    state.share = true;
  } else if (settings.ds == 2) {
    state.roles[1] = kRoleSub;
    state.surfaceCount = 2;
  }
  if (settings.ds != 0)
    hxRegWrite16(REG_SUB_WIN_ADDR_OFFSET0, hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0));
  if (settings.initialise && !ConfigureFromBitmaps(state)) return false;

  fputs("\nDisplay Surface: 0=", stdout);
  PrintRoles(state.roles[0]);
  fputs(", 1=", stdout);
  PrintRoles(state.roles[1]);
  printf("\nRotara Mode: %s\n", kModeReportNames[settings.rotation & 3]);
  return true;
}

// Draws one file into the current surface; false when it could not be drawn
// (reported; the other file is still drawn).
bool DrawFile(const DemoState& state, const std::string& name) {
  BmpInfo info;
  if (!ReadHeaders(state, name, &info)) return false;
  if (state.settings.verbose) {
    printf(kMsgImageSizeFormat, info.width, info.height, info.depth);
    fputs(kMsgCompression, stdout);
    fputs(info.encoding == kBmpRle4 || info.encoding == kBmpRle8 ? "YES\n" : "NO\n", stdout);
  }
  HX_SURFACE* surface = hxCurrentSurface();
  if (surface->kind == kSurfaceSub && !surface->buffer) {
    printf(kMsgSubWindowNoBuffer, name.c_str());
    return true;
  }
  BmpStatus drawn = DrawOnCurrentSurface(
      info, [&name, &info](const SurfaceTarget& target, DisplayMemory& memory) {
        return DrawBmpFile(name.c_str(), info, target, memory, 0, 0);
      });
  return ReportBmpStatus(drawn, state, name);
}

void WaitForNextSecond() {
  time_t start = time(nullptr);
  while (time(nullptr) == start) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void MoveSubWindow(const DemoState& state, const MotionRect& start) {
  MotionPlan plan;
  plan.start = start;
  plan.depth = hxGetColorDepth();
  hxGetDisplaySize(&plan.width, &plan.height);
  plan.moves = state.settings.move;
  plan.seed = static_cast<uint32_t>(time(nullptr));
  // The rectangle is kept with inclusive ends; setting takes exclusive ones.
  auto place = [](const MotionRect& r) {
    hxSetSubWindow(r.x1, r.y1, r.x2 + 1, r.y2 + 1);
    hxSaveFrame();
  };
  if (!RunMotion(plan, place, WaitForNextSecond)) fputs(kMsgCannotMove, stdout);
}

int OpenBoard(HAL_STRUCT* record) {
  switch (hxOpen(record)) {
    case kHalOk:
      return kExitOk;
    case kHalNoChip:
      fputs(kMsgNoChip, stdout);
      break;
    case kHalNoDriver:
      fputs(kMsgNoDriver, stdout);
      break;
    case kHalMapRefused:
      fputs(kMsgNoBridge, stdout);
      break;
    default:
      fputs(kMsgCannotMap, stdout);
      break;
  }
  return kExitError;
}

int RunDemo(DemoState& state) {
  BmpSettings& settings = state.settings;
  if (OpenBoard(state.record) != kExitOk) return kExitError;

  if (settings.fileCount == 2) {
    BmpInfo second;
    if (!ReadHeaders(state, settings.files[1], &second)) return kExitError;
    state.secondWidth = static_cast<uint32_t>(second.width);
    state.secondHeight = static_cast<uint32_t>(second.height);
  }

  if (settings.initialise) {
    int applied = hxApplyConfig(kApplyClearMemory | kApplyBlankDisplay);
    if (applied == kHalClkINotInTable) fputs(kMsgClkINotInTable, stdout);
    if (applied == kHalClkI2NotInTable) fputs(kMsgClkI2NotInTable, stdout);
    if (applied == kHalNoMemory) {
      fputs(kMsgNoBufferMemory, stdout);
      return kExitError;
    }
  } else {
    settings.rotation = static_cast<int>(hxGetRotation());
  }
  unsigned rotation = static_cast<unsigned>(settings.rotation);
  if (!CheckClocks(hxGetColorDepth(), rotation)) return kExitError;
  if (hxSetRotation(rotation) != kHalOk) {
    printf(kMsgNoModeMemoryFormat, kModeNames[rotation & 3]);
    return kExitError;
  }

  if (!SetUpSurfaces(state)) return kExitError;
  if (settings.fileCount == 1) settings.files[1] = settings.files[0];
  if (state.surfaceCount < settings.fileCount) state.surfaceCount = settings.fileCount;

  for (int i = 0; i < state.surfaceCount; ++i) {
    if (i == 0)
      hxSelectMainSurface();
    else if (settings.ds == 2)
      hxSelectSubSurface();
    if (settings.initialise) hxHideCurrent(1);
    if (!DrawFile(state, settings.files[i])) state.drawingFailed = true;
    if (settings.initialise) hxHideCurrent(0);
    if (ConsoleKeyWaiting() && ConsoleReadKey() == kKeyEscape) return kExitError;
  }

  int finished = state.drawingFailed ? kExitError : kExitOk;
  if (!((state.roles[0] | state.roles[1]) & kRoleSub)) return finished;
  if (state.share) hxShareMainWithSub();
  MotionRect start;
  hxGetSubWindow(&start.x1, &start.y1, &start.x2, &start.y2);
  if (settings.move == 0) return finished;
  MoveSubWindow(state, start);
  return finished;
}

}  // namespace

int main(int argc, char** argv) {
  DemoState state;
  state.record = EmbeddedRecord();
  PrintBanner(state.record);
  switch (ParseBmpArguments(argc, argv, &state.settings)) {
    case kParseRun:
      break;
    case kParseHelp:
      PrintUsage();
      return kExitOk;
    case kParseShowSurfaces:
      fputs(kSurfaceTable, stdout);
      return kExitOk;
    case kParseUsageError:
      PrintUsage();
      return kExitError;
    case kParseInvalidDs:
      fputs(kMsgInvalidDs, stdout);
      return kExitError;
  }
  int result = RunDemo(state);
  fflush(stdout);
  return result;
}
