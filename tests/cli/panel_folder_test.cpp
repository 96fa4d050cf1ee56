// Where qlccfg looks for its panel definition file: beside the program, or in
// the folder a package installs it to.
#include "cli/panel_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class PanelFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Bin());
    fs::create_directories(Share());
  }
  std::string Bin() const { return dir.File("usr/bin"); }
  std::string Share() const { return dir.File("usr/share/qlc56420"); }
  void Put(const std::string& folder, const char* name) {
    ASSERT_TRUE(WriteFileBytes((fs::path(folder) / name).string(), "VERSION 2\n"));
  }
  TempDir dir;
};

}  // namespace

TEST_F(PanelFolderTest, InstalledFolderServesAProgramWithoutOneBesideIt) {
  Put(Share(), "PANELS.DEF");
  EXPECT_EQ(fs::path(PanelFolderOfProgram(Bin())), fs::path(Share()).lexically_normal());
}

TEST_F(PanelFolderTest, AFileBesideTheProgramWins) {
  Put(Share(), "PANELS.DEF");
  Put(Bin(), "DEBUG.DEF");
  EXPECT_EQ(PanelFolderOfProgram(Bin()), Bin());
  fs::remove(fs::path(Bin()) / "DEBUG.DEF");
  Put(Bin(), "PANELS.DEF");
  EXPECT_EQ(PanelFolderOfProgram(Bin()), Bin());
}

TEST_F(PanelFolderTest, WithoutAnyFileTheProgramFolderStays) {
  EXPECT_EQ(PanelFolderOfProgram(Bin()), Bin());
  // A folder named PANELS.DEF is no definition file.
  fs::create_directories(fs::path(Share()) / "PANELS.DEF");
  EXPECT_EQ(PanelFolderOfProgram(Bin()), Bin());
}
