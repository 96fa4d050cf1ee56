// The command line: options in any case and with either prefix, files, and
// the surface arrangement chosen when none is given.
#include "bmp/bmp_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

BmpParseOutcome Parse(std::vector<const char*> arguments, BmpSettings* settings) {
  arguments.insert(arguments.begin(), "56420BMP");
  return ParseBmpArguments(static_cast<int>(arguments.size()), arguments.data(), settings);
}

TEST(ParseBmpArguments, OptionsInAnyCaseWithEitherPrefix) {
  BmpSettings s;
  ASSERT_EQ(kParseRun, Parse({"a.bmp", "-NoInit", "/R270", "-v", "Move=-1", "dS=2"}, &s));
  EXPECT_FALSE(s.initialise);
  EXPECT_EQ(3, s.rotation);
  EXPECT_TRUE(s.verbose);
  EXPECT_EQ(-1, s.move);
  EXPECT_EQ(2, s.ds);
  EXPECT_EQ(1, s.fileCount);
}

TEST(ParseBmpArguments, TerminalArgumentsWinWhereTheyStand) {
  BmpSettings s;
  EXPECT_EQ(kParseHelp, Parse({"-?", "-bogus"}, &s));
  EXPECT_EQ(kParseUsageError, Parse({"-bogus", "-?"}, &s));
  EXPECT_EQ(kParseShowSurfaces, Parse({"ds=?"}, &s));
  EXPECT_EQ(kParseInvalidDs, Parse({"a.bmp", "ds=3"}, &s));
  EXPECT_EQ(kParseInvalidDs, Parse({"a.bmp", "ds=-1"}, &s));
  EXPECT_EQ(kParseUsageError, Parse({"a.bmp", "b.bmp", "c.bmp"}, &s));
  EXPECT_EQ(kParseUsageError, Parse({"/v"}, &s)) << "no file";
  EXPECT_EQ(kParseUsageError, Parse({}, &s)) << "no argument";
  EXPECT_EQ(kParseUsageError, Parse({"a.bmp", "/v", "/v", "/v", "/v", "/v", "/v", "/v"}, &s))
      << "nine arguments";
  EXPECT_EQ(kParseRun, Parse({"a.bmp", "/v", "/v", "/v", "/v", "/v", "/v"}, &s));
}

TEST(ParseBmpArguments, FileNamesKeepTheirCaseWhereTheFileSystemHasIt) {
  BmpSettings s;
#ifdef _WIN32
  ASSERT_EQ(kParseRun, Parse({"Pic.bmp", "c:\\Two.bmp"}, &s));
  ASSERT_EQ(2, s.fileCount);
  EXPECT_EQ("PIC.BMP", s.files[0]);
  EXPECT_EQ("C:\\TWO.BMP", s.files[1]);
  EXPECT_EQ(kParseUsageError, Parse({"Pic.bmp", "/tmp/Two.bmp"}, &s)) << "'/' starts options";
#else
  ASSERT_EQ(kParseRun, Parse({"Pic.bmp", "/tmp/Two.bmp"}, &s));
  ASSERT_EQ(2, s.fileCount);
  EXPECT_EQ("Pic.bmp", s.files[0]);
  EXPECT_EQ("/tmp/Two.bmp", s.files[1]) << "an absolute path is no option";
#endif
}

TEST(DefaultSurfaceArrangement, TwoFilesTwoSurfacesMotionSharesOneSurface) {
  BmpSettings s;
  s.fileCount = 2;
  EXPECT_EQ(2, DefaultSurfaceArrangement(s));
  s.fileCount = 1;
  s.move = 5;
  EXPECT_EQ(1, DefaultSurfaceArrangement(s));
  s.move = -1;
  EXPECT_EQ(0, DefaultSurfaceArrangement(s));
}

}  // namespace
