// The panel timing model: the arithmetic between the panel settings a user
// thinks in and the chip's register fields. Every quantity is derived on
// demand from the working record and the clock working values; every setter
// writes the registers at once. Nothing here shows a message.
#ifndef QLC_CFG_PANEL_TIMING_H
#define QLC_CFG_PANEL_TIMING_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"
#include "common/register_indices.h"

// Panel type code of REG[10h] bits 1:0.
enum PanelTypeCode : unsigned { kPanelStn = 0, kPanelTft = 1, kPanelHrTft = 2, kPanelKVrx = 3 };

// Bounds of the register fields.
enum {
  kMaxPanelWidth = 1024,
  kMaxPanelHeight = 1024,
  kMaxHorizTotal = 1024,
  kMaxVertTotal = 1024,
  kMaxDisplayStart = 1023,
  kMaxFplineWidth = 128,
  kMaxFplineStart = 1024,
  kMaxFpframeWidth = 8,
  kMaxFpframeStart = 1023,
  kMaxFrameRateEntries = 128,
  kMaxFrameRate = 0xFFFF,
};

// 10-bit register pairs: low register bits 7:0, high register bits 1:0.
unsigned GetRegisterPair(const Configuration& config, unsigned lowIndex);
void SetRegisterPair(Configuration& config, unsigned lowIndex, uint32_t value);

// REG[10h] fields.
unsigned GetPanelType(const Configuration& config);
void SetPanelType(Configuration& config, unsigned type);    // other bits kept
unsigned GetDataWidthCode(const Configuration& config);     // bits 5:4
bool IsColorPanel(const Configuration& config);             // bit 6
bool IsFormat2(const Configuration& config);                // bit 7
bool IsLargeActiveResolution(const Configuration& config);  // bit 3: 320x240 for HR-TFT and K-VRX
// The page's buttons write single REG[10h] fields; the other bits are kept.
void SetDataWidthCode(Configuration& config, unsigned code);
void SetColorPanel(Configuration& config, bool color);
void SetFormat2(Configuration& config, bool format2);
void SetLargeActiveResolution(Configuration& config, bool large);

// Width in bits of a data width code for a type: STN 4/8/16, others 9/12/18.
unsigned DataWidthBitsOf(unsigned type, unsigned code);

uint32_t GetPanelWidth(const Configuration& config);   // W = (REG[14h] + 1) * 8
uint32_t GetPanelHeight(const Configuration& config);  // H = R + 1
uint32_t GetHorizTotal(const Configuration& config);   // ((REG[12h] & 7Fh) + 1) * 8
uint32_t GetVertTotal(const Configuration& config);    // R + 1
uint32_t HorizStartOffset(unsigned type);
uint32_t GetHorizStart(const Configuration& config);   // HDPS with the type's offset
uint32_t GetVertStart(const Configuration& config);    // VDPS
uint32_t GetFplineStart(const Configuration& config);  // R + 1
uint32_t GetFplineWidth(const Configuration& config);  // bits 6:0 + 1
bool GetFplineHigh(const Configuration& config);       // REG[20h] bit 7
uint32_t GetFpframeStart(const Configuration& config);
uint32_t GetFpframeWidth(const Configuration& config);  // bits 2:0 + 1
bool GetFpframeHigh(const Configuration& config);       // REG[24h] bit 7

// Effective size used by matching and the summary: HR-TFT and K-VRX take it
// from the active-resolution bit.
uint32_t GetEffectivePanelWidth(const Configuration& config);
uint32_t GetEffectivePanelHeight(const Configuration& config);

// Setters write the fields exactly as the table of register fields gives
// them; they do not check ranges (that is what the entry rules are for).
void SetPanelWidth(Configuration& config, uint32_t width);
void SetPanelHeight(Configuration& config, uint32_t height);
void SetHorizTotal(Configuration& config, uint32_t total);
void SetVertTotal(Configuration& config, uint32_t total);
void SetHorizStart(Configuration& config, uint32_t start);  // with the current type's offset
void SetVertStart(Configuration& config, uint32_t start);
void SetFplineStart(Configuration& config, uint32_t start);
void SetFplineWidth(Configuration& config, uint32_t width);  // polarity kept
void SetFplineHigh(Configuration& config, bool high);
void SetFpframeStart(Configuration& config, uint32_t start);
void SetFpframeWidth(Configuration& config, uint32_t width);  // polarity kept
void SetFpframeHigh(Configuration& config, bool high);

// Clock divides from REG[04h] / REG[05h].
uint32_t GetMemoryDivide(const Configuration& config);          // 1 to 4
uint32_t GetPixelDivide(const Configuration& config);           // 1, 2, 3, 4 or 8
unsigned GetPixelClockSourceCode(const Configuration& config);  // REG[05h] bits 1:0

// MCLK = BusClk / mdiv; PCLK = source / pdiv (kHz). A zero source gives 0.
uint32_t GetMemoryClock(const Configuration& config);
uint32_t GetPixelClock(const Configuration& config);

// Smallest horizontal total that keeps 8 MCLK periods of non-display time:
// W + (8 * PCLK) / MCLK, rounded up to a multiple of 8. With MCLK 0 the
// non-display part counts as 0.
uint32_t GetMinHorizTotal(const Configuration& config);

// (PCLK * 1000) / (HT * VT) in whole hertz, at most kMaxFrameRate (what
// FrameRate holds); 0 when the product is 0.
uint32_t FrameRateAt(const Configuration& config, uint32_t horizTotal);

struct FrameRateList {
  std::vector<std::string> texts;  // "%d" of FR(HT) for HT = minHT, +8 ... 1024
  int selected = -1;               // entry of the current total, -1 none
};
// Builds the list; when the current total is on it, stores its rate into
// the record's FrameRate (at most 65535).
FrameRateList BuildFrameRateList(Configuration& config);

// Frame rates the frame-rate entry accepts: (PCLK*1000)/(VT*1024) up to
// (PCLK*1000)/(minHT*VT).
void GetFrameRateRange(const Configuration& config, uint32_t* lowest, uint32_t* highest);

// Smallest HT from minHT to 1024 whose frame rate equals rate; writes REG[12h]
// and returns true, or leaves the total and returns false.
bool SetHorizTotalForFrameRate(Configuration& config, uint32_t rate, uint32_t* newTotal = nullptr);

#endif
