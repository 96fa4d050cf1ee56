#include "cfg/record/byte_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cfg/record/configuration_fixture.h"
#include "tests/cfg/record/record_files.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

std::string Pattern(size_t length) {
  std::string text(length, '\0');
  for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>(i * 7 + i / 251);
  return text;
}

std::string Shown(const ByteWindow& window) {
  return std::string(reinterpret_cast<const char*>(window.Data()), window.Size());
}

class ByteWindowTest : public ConfigurationTest {
 protected:
  MessageRecorder messages;
  TempDir dir;
};

}  // namespace

TEST_F(ByteWindowTest, BlocksFollowEachOtherBehindTheBytesKept) {
  std::string text = Pattern(10000);
  ByteWindow window(TextSource(text), text.size(), 1000);
  EXPECT_EQ(Shown(window), text.substr(0, 1000 + kWindowMaxCarry));
  size_t moves = 0;
  while (window.Advance(window.Size() - 300)) {
    ++moves;
    EXPECT_EQ(Shown(window), text.substr(window.Start(), window.Size()));
  }
  EXPECT_EQ(moves, 5u);
  EXPECT_TRUE(window.AtEnd());
  EXPECT_FALSE(window.Failed());
  EXPECT_EQ(window.Start() + window.Size(), text.size());
  EXPECT_FALSE(window.Advance(0));
  EXPECT_TRUE(messages.Messages().empty());

  ByteWindow memory(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  EXPECT_EQ(memory.Data(), reinterpret_cast<const uint8_t*>(text.data()));
  EXPECT_TRUE(memory.AtEnd());
  EXPECT_FALSE(memory.Advance(5));
}

TEST_F(ByteWindowTest, ShortReadIsReportedWithTheBytesReadAndTheLength) {
  std::string text = Pattern(5000);
  ByteWindow window(TextSource(text, 3000), text.size(), 1000);
  while (window.Advance(window.Size())) {
  }
  EXPECT_TRUE(window.Failed());
  EXPECT_TRUE(window.AtEnd());
  EXPECT_EQ(window.Start() + window.Size(), 3000u);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: read 3000 bytes of 5000"});

  messages.Clear();
  ByteWindow nothing(TextSource(text, 0), text.size());
  EXPECT_TRUE(nothing.Failed());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: read 0 bytes of 5000"});

  // Lengths beyond what an int holds are told as they are.
  messages.Clear();
  ByteWindow large(TextSource(text, 5000), 5000000000u, 1000);
  while (large.Advance(large.Size())) {
  }
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: read 5000 bytes of 5000000000"});
}

TEST_F(ByteWindowTest, FileShortenedWhileReadEndsInAShortRead) {
  std::string path = dir.File("prog.exe");
  ASSERT_TRUE(WriteFileBytes(path, Pattern(100000)));
  std::unique_ptr<ByteWindow> window = OpenFileWindow(path.c_str(), 4096);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->Size(), 4096u + kWindowMaxCarry);
  // As a build relinking the program would.
  std::error_code error;
  std::filesystem::resize_file(path, 10000, error);
  // Windows refuses to shorten a file that is open for reading.
  if (error) GTEST_SKIP() << "the file cannot be shortened while it is open";
  while (window->Advance(window->Size())) {
  }
  EXPECT_TRUE(window->Failed());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: read 10000 bytes of 100000"});
}

TEST_F(ByteWindowTest, MissingFileIsReported) {
  std::string missing = dir.File("absent.exe");
  EXPECT_FALSE(OpenFileWindow(missing.c_str()));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"ERROR: open failed on input file " + missing});
}
