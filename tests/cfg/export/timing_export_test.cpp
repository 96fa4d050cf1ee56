// The panel timing exports: round trips through the device tree, the modeline
// and the panel definition file, the refusal of a sync inside the display
// period, and the diagram's labels.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cfg/export/dts_writer.h"
#include "cfg/export/export_kinds.h"
#include "cfg/export/modeline_writer.h"
#include "cfg/export/paneldef_writer.h"
#include "cfg/export/timing_diagram.h"
#include "cfg/pages/panel/timing_import.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/paneldef.h"
#include "cfg/panel/timing.h"
#include "cfg/panel/timing_source.h"
#include "tests/support/message_recorder.h"

namespace {

const unsigned kTimingRegisters[] = {REG_PCLK_CONFIG,
                                     REG_PANEL_TYPE,
                                     REG_HORIZ_TOTAL,
                                     REG_HDP,
                                     REG_HDP_START_POS0,
                                     REG_HDP_START_POS1,
                                     REG_VERT_TOTAL0,
                                     REG_VERT_TOTAL1,
                                     REG_VDP0,
                                     REG_VDP1,
                                     REG_VDP_START_POS0,
                                     REG_VDP_START_POS1,
                                     REG_HSYNC_PULSE_WIDTH,
                                     REG_HSYNC_PULSE_START_POS0,
                                     REG_HSYNC_PULSE_START_POS1,
                                     REG_VSYNC_PULSE_WIDTH,
                                     REG_VSYNC_PULSE_START_POS0,
                                     REG_VSYNC_PULSE_START_POS1};

std::vector<unsigned> TimingRegisters(const Configuration& config) {
  std::vector<unsigned> values;
  for (unsigned index : kTimingRegisters) values.push_back(config.GetRegister(index));
  return values;
}

// A timing within the chip's ranges that the default clocks give (at most
// 50 MHz, so 16 pixels of blanking always exceed 8 memory-clock periods).
TimingTerms RandomTiming(std::mt19937& random, unsigned* type) {
  auto pick = [&](int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(random);
  };
  *type = static_cast<unsigned>(pick(0, 3));
  TimingTerms t;
  int64_t step = *type == kPanelStn ? 16 : 8;
  t.horizontal.active = step * pick(1, 1008 / step);
  t.vertical.active = pick(1, 1000);
  if (*type == kPanelHrTft || *type == kPanelKVrx) {
    bool large = pick(0, 1) == 1;
    t.horizontal.active = large ? 320 : 160;
    t.vertical.active = large ? 240 : *type == kPanelHrTft ? 160 : 240;
  }
  int64_t hBlank = 8 * pick(2, (1024 - t.horizontal.active) / 8);
  t.horizontal.syncLength = pick(1, std::min<int64_t>(128, hBlank));
  t.horizontal.frontPorch = pick(0, hBlank - t.horizontal.syncLength);
  t.horizontal.backPorch = hBlank - t.horizontal.syncLength - t.horizontal.frontPorch;
  int64_t vBlank = pick(1, std::min<int64_t>(1024 - t.vertical.active, 60));
  t.vertical.syncLength = pick(1, std::min<int64_t>(8, vBlank));
  t.vertical.frontPorch = pick(0, vBlank - t.vertical.syncLength);
  t.vertical.backPorch = vBlank - t.vertical.syncLength - t.vertical.frontPorch;
  t.horizontal.syncActive = static_cast<int>(pick(0, 1));
  t.vertical.syncActive = static_cast<int>(pick(0, 1));
  const uint64_t clocks[] = {6250000, 8333000, 12500000, 25000000, 50000000};
  t.pixelClockHz = clocks[pick(0, 4)];
  return t;
}

// The record a text gives when imported into a fresh configuration.
Configuration Imported(const std::string& text, unsigned type) {
  TimingSource source;
  std::string error;
  Configuration config;
  EXPECT_TRUE(ReadTimingSource(text, &source, &error)) << error << "\n" << text;
  EXPECT_TRUE(ImportTimingTerms(config, source.terms, type));
  return config;
}

TEST(TimingExportTest, GeneratedTimingsSurviveEveryExport) {
  MessageRecorder messages;  // the memory warnings of large panels
  std::mt19937 random(56420);
  for (int i = 0; i < 300; ++i) {
    unsigned type = 0;
    TimingTerms terms = RandomTiming(random, &type);
    Configuration original;
    ASSERT_TRUE(ImportTimingTerms(original, terms, type)) << messages.Texts().back();
    ASSERT_EQ(TimingTermsOf(original), terms) << i;
    for (const std::string& text : {DeviceTreeTimingText(original), ModelineText(original)}) {
      Configuration copy = Imported(text, type);
      EXPECT_EQ(TimingRegisters(copy), TimingRegisters(original)) << text;
      EXPECT_EQ(TimingTermsOf(copy), terms) << text;
    }
    // The PANEL line, chosen as a predefined panel, writes the same registers.
    std::string line = PanelDefinitionText(original);
    int32_t lastDecimal = 0;
    PanelRecord panel;
    ASSERT_EQ(ParsePanelLine(line.c_str() + line.find("PANEL ") + 6, &lastDecimal, &panel),
              kPanelLineOk);
    Configuration chosen = original;
    WritePanelRegisters(chosen, panel);
    EXPECT_EQ(TimingRegisters(chosen), TimingRegisters(original)) << line;
    EXPECT_EQ(panel.PixelClock(), static_cast<int32_t>(GetPixelClock(original)));
  }
}

TEST(TimingExportTest, ASyncInsideTheDisplayPeriodIsNotExported) {
  MessageRecorder messages;
  Configuration config;  // a TFT's FPFRAME on its first display line
  SetPanelType(config, kPanelTft);
  EXPECT_FALSE(ExportWritable(config, kExportDts));
  EXPECT_FALSE(ExportWritable(config, kExportModeline));
  EXPECT_TRUE(ExportWritable(config, kExportPaneldef));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>(2,
                                     "ERROR: FPLINE runs 3 pixels into the display period; "
                                     "FPFRAME runs 1 line into the display period; "
                                     "front porch, sync and back porch cannot describe a "
                                     "sync inside the display period!"));
}

TEST(TimingExportTest, DiagramLabelsNeverOverlap) {
  auto axis = [](int64_t active, int64_t front, int64_t sync, int64_t back) {
    TimingAxis a;
    a.active = active, a.frontPorch = front, a.syncLength = sync, a.backPorch = back;
    return a;
  };
  // The narrowest porches and syncs the chip allows, at both ends of the
  // totals, a sync inside the display period, and a plain VGA timing.
  const TimingAxis lines[] = {axis(1016, 0, 1, 7), axis(8, 0, 1, 7), axis(1000, 1, 1, 22),
                              axis(640, 16, 96, 48), axis(320, 10, 8, -1)};
  const TimingAxis frames[] = {axis(1023, 0, 1, 0), axis(1, 0, 1, 0), axis(600, 1, 8, 1),
                               axis(480, 10, 2, 33), axis(240, 11, 1, -1)};
  for (double width : {720.0, 1000.0}) {
    for (const TimingAxis& line : lines) {
      for (const TimingAxis& frame : frames) {
        TimingTerms terms;
        terms.horizontal = line, terms.vertical = frame, terms.pixelClockHz = 6250000;
        TimingDiagram diagram = BuildTimingDiagram(terms, width, 300);
        for (size_t a = 0; a < diagram.texts.size(); ++a) {
          DiagramBox box = TextBox(diagram.texts[a]);
          EXPECT_TRUE(box.left >= 0 && box.right <= width && box.bottom <= diagram.height)
              << diagram.texts[a].text;
          for (size_t b = a + 1; b < diagram.texts.size(); ++b) {
            DiagramBox other = TextBox(diagram.texts[b]);
            EXPECT_TRUE(box.right <= other.left || other.right <= box.left ||
                        box.bottom <= other.top || other.bottom <= box.top)
                << diagram.texts[a].text << " / " << diagram.texts[b].text;
          }
        }
      }
    }
  }
}

}  // namespace
