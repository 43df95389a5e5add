#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "zentrok/GlobalSettings2.h"
#include "zentrok/TrgErrors.h"

using namespace zentrok;
namespace fs = std::filesystem;

namespace {

class SettingsFile : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("zentrok-settings-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    SetSettingsPlace(dir.string(), TScreenSize{1920, 1080});
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all);
    fs::remove_all(dir);
  }
  std::vector<unsigned char> FileBytes() const {
    std::ifstream f(dir / "settings.dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  void WriteBytes(const std::vector<unsigned char>& b) const {
    std::ofstream f(dir / "settings.dat", std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  static int32_t I32(const std::vector<unsigned char>& b, size_t at) {
    int32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
  }
  fs::path dir;
};

}  // namespace

TEST_F(SettingsFile, MissingFileGivesDefaultsWrittenAtTheirOffsets) {
  std::memset(&Settings, 0x5A, sizeof Settings);
  EXPECT_FALSE(LoadSettings());
  EXPECT_EQ(SettingsPath(), (dir / "settings.dat").string());
  auto b = FileBytes();
  ASSERT_EQ(b.size(), 604u);
  EXPECT_EQ(b[0], 0);  // Russian interface
  EXPECT_EQ(b[1], 0);  // Russian to Tatar
  EXPECT_EQ(b[2], 1);
  EXPECT_EQ(b[3], 1);
  EXPECT_EQ(b[4], 6);
  EXPECT_EQ(std::string(b.begin() + 5, b.begin() + 11), "Tahoma");
  EXPECT_EQ(b[11], 0);
  EXPECT_EQ(I32(b, 260), 9);
  EXPECT_EQ(I32(b, 264), 0);
  EXPECT_EQ(I32(b, 268), 0);
  EXPECT_EQ(b[272], 6);
  EXPECT_EQ(std::string(b.begin() + 273, b.begin() + 279), "Tahoma");
  EXPECT_EQ(I32(b, 528), 9);
  EXPECT_EQ(I32(b, 532), 0x8000);
  EXPECT_EQ(I32(b, 536), 0);
  float ratio;
  std::memcpy(&ratio, b.data() + 540, 4);
  EXPECT_EQ(ratio, 1.0f);
  EXPECT_EQ(b[544], 1);
  for (size_t pad : {545, 546, 547, 593, 594, 595}) EXPECT_EQ(b[pad], 0) << pad;
  EXPECT_EQ(I32(b, 548), 288);   // 15 % of 1920
  EXPECT_EQ(I32(b, 552), 162);   // 15 % of 1080
  EXPECT_EQ(I32(b, 556), 810);   // 75 % of 1080
  EXPECT_EQ(I32(b, 560), 1440);  // 75 % of 1920
  EXPECT_EQ(I32(b, 564), 288);
  EXPECT_EQ(I32(b, 568), 162);
  EXPECT_EQ(I32(b, 572), 270);  // 25 % of 1080
  EXPECT_EQ(I32(b, 576), 1440);
  EXPECT_EQ(I32(b, 580), 1080);
  EXPECT_EQ(I32(b, 584), 1920);
  EXPECT_EQ(I32(b, 588), 0);
  EXPECT_EQ(b[592], 1);
  EXPECT_EQ(I32(b, 596), 0);
  EXPECT_EQ(I32(b, 600), 0);
  // The in-memory record is the file.
  EXPECT_EQ(std::memcmp(&Settings, b.data(), 604), 0);
}

TEST(SettingsDefaults, GeometryRoundsHalfToEven) {
  EXPECT_EQ(ScaleRoundEven(10, 15), 2);   // 1.5 -> 2
  EXPECT_EQ(ScaleRoundEven(30, 15), 4);   // 4.5 -> 4
  EXPECT_EQ(ScaleRoundEven(1366, 75), 1024);  // 1024.5 -> 1024
  EXPECT_EQ(ScaleRoundEven(1367, 75), 1025);  // 1025.25
  EXPECT_EQ(ScaleRoundEven(6, 25), 2);    // 1.5 -> 2
  EXPECT_EQ(ScaleRoundEven(2, 25), 0);    // 0.5 -> 0
  TGlobalSettings r;
  FillDefaultSettings(r, TScreenSize{1366, 770});
  EXPECT_EQ(r.MainWidth, 1024);
  EXPECT_EQ(r.MainLeft, 205);    // 204.9
  EXPECT_EQ(r.MainTop, 116);     // 115.5 -> 116
  EXPECT_EQ(r.PopupHeight, 192); // 192.5 -> 192
}

TEST_F(SettingsFile, ShortOrDamagedFileIsReplacedByDefaults) {
  std::vector<unsigned char> shortFile(603, 0x11);
  WriteBytes(shortFile);
  EXPECT_FALSE(LoadSettings());
  auto b = FileBytes();
  ASSERT_EQ(b.size(), 604u);
  EXPECT_EQ(Settings.MarkFontColor, ColorGreen);
  EXPECT_EQ(Settings.BasicFontSize, 9);

  WriteBytes({});
  EXPECT_FALSE(LoadSettings());
  EXPECT_EQ(FileBytes().size(), 604u);
}

TEST_F(SettingsFile, LongerFileIsAcceptedAndOnlyItsRecordRead) {
  TGlobalSettings r;
  FillDefaultSettings(r, TScreenSize{800, 600});
  r.Direction = 1;
  std::vector<unsigned char> b(sizeof r + 10, 0x77);
  std::memcpy(b.data(), &r, sizeof r);
  WriteBytes(b);
  EXPECT_TRUE(LoadSettings());
  EXPECT_EQ(Settings.Direction, 1);
  EXPECT_EQ(Settings.ScreenWidth, 800);
  EXPECT_EQ(FileBytes().size(), 614u);  // reading never rewrites
}

TEST_F(SettingsFile, FontNamesAreCutTo255Bytes) {
  SetDefaultSettings();
  std::string name255(255, 'x');
  name255[254] = 'E';
  SetShortString(Settings.BasicFontName, name255);
  SetShortString(Settings.MarkFontName, std::string(300, 'y'));
  SaveSettings();
  std::memset(&Settings, 0, sizeof Settings);
  ASSERT_TRUE(LoadSettings());
  EXPECT_EQ(GetShortString(Settings.BasicFontName), name255);
  EXPECT_EQ(GetShortString(Settings.MarkFontName), std::string(255, 'y'));
  // The field after the name is intact.
  EXPECT_EQ(Settings.BasicFontSize, 9);
  EXPECT_EQ(Settings.MarkFontSize, 9);
}

TEST_F(SettingsFile, EveryFieldAndPaddingRoundTrips) {
  TGlobalSettings& s = Settings;
  s.InterfaceLanguage = 1;
  s.Direction = 1;
  s.MarkUntranslated = 0;
  s.ClearTranslation = 0;
  SetShortString(s.BasicFontName, "DejaVu Sans");
  s.BasicFontSize = 14;
  s.BasicFontColor = 0x00112233;
  s.BasicFontStyle = fsBold | fsUnderline;
  SetShortString(s.MarkFontName, "\xD2\xE0\xF2\xE0\xF0");  // 1251 bytes
  s.MarkFontSize = -3;
  s.MarkFontColor = 0x000000FF;
  s.MarkFontStyle = fsItalic | fsStrikeOut;
  s.PaneRatio = 0.625f;
  s.EqualPanes = 0;
  s.Pad545[0] = 0xAB;  // padding as last read is written back
  s.Pad593[2] = 0xCD;
  int32_t v = 1000;
  for (int32_t* f : {&s.MainLeft, &s.MainTop, &s.MainHeight, &s.MainWidth, &s.PopupLeft,
                     &s.PopupTop, &s.PopupHeight, &s.PopupWidth, &s.ScreenHeight, &s.ScreenWidth,
                     &s.OpenFilterIndex, &s.MainWindow, &s.StartMode})
    *f = v++;
  s.DocFormat = 4;
  TGlobalSettings saved = s;
  SaveSettings();
  std::memset(&Settings, 0, sizeof Settings);
  ASSERT_TRUE(LoadSettings());
  EXPECT_EQ(std::memcmp(&Settings, &saved, sizeof saved), 0);
  EXPECT_EQ(Settings.PaneRatio, 0.625f);
  EXPECT_EQ(GetShortString(Settings.MarkFontName), "\xD2\xE0\xF2\xE0\xF0");
  EXPECT_EQ(Settings.StartMode, 1012);
}

TEST_F(SettingsFile, FailedWriteOverADirectoryRaises) {
  // A folder where the file should be cannot be replaced by a rename.
  fs::create_directories(dir / "settings.dat" / "x");
  EXPECT_THROW(SetDefaultSettings(), ETrgError);
  EXPECT_TRUE(fs::is_directory(dir / "settings.dat"));
}

TEST(SettingsPlace, ProgramFolderWhenWritableElseConfigHome) {
  fs::path base = fs::temp_directory_path() / ("zentrok-place-" + std::to_string(getpid()));
  fs::remove_all(base);
  fs::create_directories(base);
  setenv("XDG_CONFIG_HOME", (base / "cfg").c_str(), 1);
  // A program folder that cannot be written (here: one that does not exist).
  EXPECT_EQ(SettingsFolderFor((base / "missing").string()),
            (base / "cfg" / "zentrok").string() + "/");
  EXPECT_TRUE(fs::is_directory(base / "cfg" / "zentrok"));
  EXPECT_EQ(SettingsFolderFor(base.string()), base.string() + "/");
  unsetenv("XDG_CONFIG_HOME");
  fs::remove_all(base);
}
