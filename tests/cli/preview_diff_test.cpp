// qlccfg preview and qlccfg diff run as a build script runs them.
#include <string>

#include "cfg/record/record.h"
#include "common/default_record.h"
#include "preview/panel_preview.h"
#include "sim/png_writer.h"
#include "tests/bmp/test_bitmaps.h"
#include "tests/cli/qlccfg_runner.h"

namespace {

// The PNG qlccfg writes is the one the library's picture gives.
TEST_F(ProgramTest, PreviewWritesThePanelWithAPictureOrTheTestCard) {
  std::string image = MakeImage("image.bin");
  ASSERT_TRUE(WriteFileBytes(File("picture.bmp"), EncodeTestBmp(MakeTestPicture(200, 150, 8, 7))));
  for (std::string picture : {"picture.bmp", ""}) {
    std::vector<std::string> words = {"preview", "image.bin", "-o", "out.png"};
    if (!picture.empty()) words.insert(words.begin() + 2, picture);
    Result made = Qlccfg(words);
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.err, "");
    PanelPreview expected =
        BuildPanelPreview(kDefaultHalStruct, picture.empty() ? "" : File(picture));
    ASSERT_TRUE(WritePanelPng(File("expected.png"), expected.image));
    EXPECT_EQ(ReadFileBytes(File("out.png")), ReadFileBytes(File("expected.png"))) << picture;
  }
}

TEST_F(ProgramTest, PreviewOfARecordTheChipCannotShowGivesTheReason) {
  MakeImage("image.bin");
  ASSERT_EQ(Qlccfg({"set", "image.bin", "Bpp=16"}).status, 0);
  Result refused = Qlccfg({"preview", "image.bin", "-o", "out.png"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "ERROR: Not enough display memory: the main window needs 153600 bytes, the chip has "
            "81920.\n");
  EXPECT_FALSE(FileExists(File("out.png")));
  EXPECT_EQ(Qlccfg({"preview", "image.bin"}).err,
            "qlccfg: 'preview' needs -o OUT.png\nTry 'qlccfg --help'.\n");
}

// A record whose list lacks its last register, REG[B3h].
void WriteShortListImage(const std::string& path) {
  HAL_STRUCT record = kDefaultHalStruct;
  record.Regs[kDefaultRegCount - 1].Index = FINISHED_REG_CFG;
  std::string bytes(64, 'x');
  bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
  EXPECT_TRUE(WriteFileBytes(path, bytes));
}

TEST_F(ProgramTest, DiffListsTheDifferingFieldsAndRegistersWithDiffsExitCodes) {
  MakeImage("a.bin");
  MakeImage("same.bin");
  MakeImage("clock.bin");
  ASSERT_EQ(Qlccfg({"set", "clock.bin", "ClkI=25000", "REG_HDP=0x13"}).status, 0);
  WriteShortListImage(File("short.bin"));

  Result same = Qlccfg({"diff", "a.bin", "same.bin"});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "");
  Result changed = Qlccfg({"diff", "a.bin", "clock.bin"});
  EXPECT_EQ(changed.status, 1);
  EXPECT_EQ(changed.out,
            "ClkI: 50000 kHz -> 25000 kHz\n"
            "REG[14h] REG_HDP: 27h -> 13h\n"
            "< Panel: 320x240x8bpp 70Hz Color Single STN 4-bit (PCLK=6.250MHz) \n"
            "> Panel: 160x240x8bpp 70Hz Color Single STN 4-bit (PCLK=6.250MHz) \n");
  Result shorter = Qlccfg({"diff", "a.bin", "short.bin", "--json"});
  EXPECT_EQ(shorter.status, 1);
  EXPECT_EQ(shorter.out,
            "[\n  {\"register\": 179, \"symbol\": \"REG_PWM_CLOCK_DUTY_CYCLE\", \"a\": 0, \"b\": "
            "null}\n]\n");

  WriteFileBytes(File("empty.exe"), std::string(487, '\0'));
  Result trouble = Qlccfg({"diff", "a.bin", "empty.exe"});
  EXPECT_EQ(trouble.status, 2);
  EXPECT_EQ(trouble.err, "ERROR: File \"empty.exe\" is not configurable!\n");
}

// The same record in another form is no difference: an S-record file made
// from the binary, and the appcfg.h exported from a changed program.
TEST_F(ProgramTest, DiffFindsNoDifferenceBetweenFormsOfOneRecord) {
  MakeImage("image.bin");
  ASSERT_EQ(Qlccfg({"set", "image.bin", "Width=160", "BusClk=40000"}).status, 0);
  ASSERT_EQ(Qlccfg({"export", "appcfg", "image.bin", "-o", "appcfg.h"}).status, 0);
  Result header = Qlccfg({"diff", "image.bin", "appcfg.h"});
  EXPECT_EQ(header.status, 0) << header.out << header.err;
  EXPECT_EQ(Qlccfg({"diff", "appcfg.h", "image.bin"}).status, 0);

  REQUIRE_LINUX_TOOLS("objcopy");
  ASSERT_EQ(RunCommand("objcopy -I binary -O srec " + Quote(File("image.bin")) + " " +
                       Quote(File("image.S9"))),
            0);
  Result srecord = Qlccfg({"diff", "image.S9", "image.bin"});
  EXPECT_EQ(srecord.status, 0) << srecord.out << srecord.err;
}

}  // namespace
