#include "cfg/record/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

class WholeFileTest : public ConfigurationTest {
 protected:
  MessageRecorder messages;
  TempDir dir;
};

}  // namespace

TEST_F(WholeFileTest, BufferStaysReadableWhenTheFileIsShortenedAfterwards) {
  std::string path = dir.File("prog.S9");
  std::string bytes(3 << 20, 'S');
  ASSERT_TRUE(WriteFileBytes(path, bytes));
  FileBuffer buffer;
  ASSERT_TRUE(ReadWholeFile(path.c_str(), &buffer));
  std::filesystem::resize_file(path, 0);
  // A buffer that only mapped the file would fault on these pages now.
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data.get()), buffer.length), bytes);
  EXPECT_TRUE(messages.Messages().empty());
}
