#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/text.h"
#include "core/text_file.h"

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("kestrel_tf_" + std::to_string(::getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    chmod(dir.c_str(), 0755);
    fs::remove_all(dir);
  }
  std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const fs::path& p, const std::string& s) {
    std::ofstream out(p, std::ios::binary);
    out << s;
  }
  fs::path dir;
};

TEST(SplitLines, AcceptsEveryLineEnd) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\rb\r"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), V{});
}

TEST_F(TextFileTest, SavesWithCrLfAndReadsBackByteForByte) {
  std::string lat = std::string("N") + kDeg + "29.18";  // the degree sign as the byte 0xB0
  std::vector<std::string> lines = {"1010000000000000000", "W\xB0" "94.47", lat, "", "-6"};
  fs::path p = dir / "prefs.kestrel";
  SaveLines(p.string(), lines);
  EXPECT_EQ(Read(p), "1010000000000000000\r\nW\xB0" "94.47\r\nN\xB0" "29.18\r\n\r\n-6\r\n");
  EXPECT_EQ(LoadLines(p.string()), lines);
  EXPECT_FALSE(fs::exists(dir / "prefs.kestrel.tmp"));
}

TEST_F(TextFileTest, MissingFileIsReportedByName) {
  try {
    LoadLines((dir / "states.txt").string());
    FAIL() << "no error for a missing file";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("states.txt"), std::string::npos) << e.what();
  }
  EXPECT_THROW(LoadLines(dir.string()), FileError);  // a folder is no text file
}

TEST_F(TextFileTest, FailedSaveLeavesTheOldFileWhole) {
  fs::path p = dir / "tms.kestrel";
  Write(p, "old\r\n");
  if (::geteuid() == 0) {
    // Root may write anywhere: make the temporary file's place a folder instead.
    fs::create_directories(dir / "tms.kestrel.tmp");
  } else {
    chmod(dir.c_str(), 0555);
  }
  EXPECT_THROW(SaveLines(p.string(), {"new"}), FileError);
  EXPECT_EQ(Read(p), "old\r\n");
}

}  // namespace
}  // namespace kestrel
