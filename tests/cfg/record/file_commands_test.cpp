// The caption and the Save As extension of the file commands.
#include "cfg/record/file_commands.h"

#include <gtest/gtest.h>

TEST(FileCommands, CaptionNamesTheProgramAndTheCurrentFile) {
  EXPECT_EQ(WindowCaption(""), "QLC56420 Configuration Utility");
  EXPECT_EQ(WindowCaption("C:\\WORK\\DEMO.EXE"), "56420CFG : C:\\WORK\\DEMO.EXE");
}

TEST(FileCommands, SaveAsProposesTheCurrentNamesOwnExtension) {
  EXPECT_EQ(SaveAsDefaultExtension("C:\\WORK\\DEMO.EXE"), "EXE");
  EXPECT_EQ(SaveAsDefaultExtension("C:\\WORK\\BOARD.S9"), "S9");
  EXPECT_EQ(SaveAsDefaultExtension("C:\\MY.DIR\\PROGRAM"), "");
  EXPECT_EQ(SaveAsDefaultExtension("C:\\MY.DIR\\IMAGE.TAR.ELF"), "ELF");
  EXPECT_EQ(SaveAsDefaultExtension("/tmp/a.b/appcfg.h"), "h");
  EXPECT_EQ(SaveAsDefaultExtension(""), "");
}
