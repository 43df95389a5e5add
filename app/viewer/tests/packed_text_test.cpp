#include "zentrok/PackedText.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

using namespace std::string_literals;

namespace zentrok {
namespace {

namespace fs = std::filesystem;

class PackedTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("packed_text_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return path;
  }
  static std::string Size(uint32_t s) {
    return std::string{char(s & 0xFF), char(s >> 8 & 0xFF), char(s >> 16 & 0xFF), char(s >> 24)};
  }
  static std::string Deflate(const std::string& raw) {
    uLongf n = compressBound(uLong(raw.size()));
    std::string out(n, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &n, reinterpret_cast<const Bytef*>(raw.data()),
             uLong(raw.size()));
    out.resize(n);
    return out;
  }
  fs::path dir;
};

TEST_F(PackedTextTest, RoundTripKeepsTatarText) {
  const std::u16string text = u"<head><body>Сәлам, дөнья! Һәм җәй, ңгү.";
  const std::string path = (dir / "abtt.bin").string();
  SavePackedText(path, text);
  EXPECT_FALSE(fs::exists(path + ".tmp"));
  EXPECT_EQ(LoadPackedText(path), text);
  // The size field counts bytes of UTF-16LE.
  std::ifstream in(path, std::ios::binary);
  char head[4];
  in.read(head, 4);
  EXPECT_EQ(std::string(head, 4), Size(uint32_t(text.size() * 2)));
}

TEST_F(PackedTextTest, ZeroSizeIsAnEmptyDocument) {
  EXPECT_EQ(LoadPackedText(Write("empty.bin", Size(0) + Deflate(""))), u"");
}

TEST_F(PackedTextTest, DamageIsAnErrorNamingTheFile) {
  const std::string good = PackText(u"<head><body>some document text, long enough");
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x55;
  flipped[good.size() / 2 + 1] ^= 0x2A;
  const std::string raw = "A\0B\0C\0"s;
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"flipped.bin", flipped},
      {"truncated.bin", good.substr(0, good.size() - 6)},
      {"short.bin", "\x02\0"s},
      {"garbage.bin", Size(6) + "not a zlib stream"},
      {"bigger.bin", Size(8) + Deflate(raw)},
      {"smaller.bin", Size(4) + Deflate(raw)},
      {"odd.bin", Size(5) + Deflate(raw.substr(0, 5))},
      {"negative.bin", Size(0x80000000u) + Deflate(raw)},
      {"huge.bin", Size(0x7FFFFFF0u) + Deflate(raw)},
  };
  for (const auto& c : cases) {
    const std::string path = Write(c.name, c.bytes);
    try {
      LoadPackedText(path);
      ADD_FAILURE() << c.name << " was accepted";
    } catch (const TPackedTextError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(LoadPackedText(Write("fine.bin", Size(6) + Deflate(raw))), u"ABC");
}

TEST_F(PackedTextTest, MissingFileIsAnOpenError) {
  const std::string path = (dir / "absent.bin").string();
  try {
    LoadPackedText(path);
    FAIL();
  } catch (const TPackedTextError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot open file \"" + path + "\""), std::string::npos);
  }
}

}  // namespace
}  // namespace zentrok
