#include "zentrok/GlobalSettings2.h"

#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "zentrok/SysUtils_Trg.h"

namespace zentrok {

static_assert(std::endian::native == std::endian::little,
              "the settings record is stored as it is laid out in memory");

TGlobalSettings Settings{};

namespace {

std::string gSettingsPath = SettingsFileName;
TScreenSize gScreen = DefaultScreenSize;

std::string WithSlash(std::string_view folder) {
  std::string s(folder);
  if (s.empty()) s = "./";
  if (s.back() != '/') s += '/';
  return s;
}

}  // namespace

void SetShortString(TShortString& s, std::string_view text) {
  size_t n = text.size() < sizeof s.Data ? text.size() : sizeof s.Data;
  std::memset(s.Data, 0, sizeof s.Data);
  std::memcpy(s.Data, text.data(), n);
  s.Length = static_cast<uint8_t>(n);
}

std::string_view GetShortString(const TShortString& s) {
  return std::string_view(s.Data, s.Length);
}

int32_t ScaleRoundEven(int32_t size, int32_t percent) {
  int64_t num = static_cast<int64_t>(size) * percent;
  int64_t q = num / 100, r = num % 100;
  if (r < 0) {  // floor division for negative sizes
    r += 100;
    --q;
  }
  if (r > 50 || (r == 50 && (q & 1))) ++q;
  return static_cast<int32_t>(q);
}

void FillDefaultSettings(TGlobalSettings& r, TScreenSize screen) {
  std::memset(&r, 0, sizeof r);
  r.InterfaceLanguage = 0;
  r.Direction = 0;
  r.MarkUntranslated = 1;
  r.ClearTranslation = 1;
  SetShortString(r.BasicFontName, "Tahoma");
  r.BasicFontSize = 9;
  r.BasicFontColor = 0;
  r.BasicFontStyle = 0;
  SetShortString(r.MarkFontName, "Tahoma");
  r.MarkFontSize = 9;
  r.MarkFontColor = ColorGreen;
  r.MarkFontStyle = 0;
  r.PaneRatio = 1.0f;
  r.EqualPanes = 1;
  const int32_t w = screen.Width, h = screen.Height;
  r.MainLeft = ScaleRoundEven(w, 15);
  r.MainTop = ScaleRoundEven(h, 15);
  r.MainHeight = ScaleRoundEven(h, 75);
  r.MainWidth = ScaleRoundEven(w, 75);
  r.PopupLeft = ScaleRoundEven(w, 15);
  r.PopupTop = ScaleRoundEven(h, 15);
  r.PopupHeight = ScaleRoundEven(h, 25);
  r.PopupWidth = ScaleRoundEven(w, 75);
  r.ScreenHeight = h;
  r.ScreenWidth = w;
  r.OpenFilterIndex = 0;
  r.DocFormat = 1;
  r.MainWindow = 0;
  r.StartMode = 0;
}

std::string SettingsFolderFor(std::string_view programFolder) {
  std::string folder = WithSlash(programFolder);
  if (access(folder.c_str(), W_OK) == 0) return folder;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && *xdg) {
    base = WithSlash(xdg);
  } else {
    const char* home = std::getenv("HOME");
    base = WithSlash(home && *home ? home : ".") + ".config/";
  }
  std::string config = base + "zentrok/";
  std::error_code ec;  // a folder that cannot be made shows up as a write error later
  std::filesystem::create_directories(config, ec);
  return config;
}

bool ReadSettingsFile(const std::string& path, TGlobalSettings& r) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  unsigned char buf[SettingsRecordSize];
  size_t got = 0;
  while (got < sizeof buf) {
    ssize_t n = read(fd, buf + got, sizeof buf - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  if (got < sizeof buf) return false;
  std::memcpy(&r, buf, sizeof r);
  return true;
}

void WriteSettingsFile(const std::string& path, const TGlobalSettings& r) {
  SaveFileAtomic(path, &r, sizeof r);
}

void SetSettingsPlace(std::string_view programFolder, TScreenSize screen) {
  gSettingsPath = SettingsFolderFor(programFolder) + SettingsFileName;
  gScreen = screen;
}

const std::string& SettingsPath() { return gSettingsPath; }

bool LoadSettings() {
  if (ReadSettingsFile(gSettingsPath, Settings)) return true;
  SetDefaultSettings();
  return false;
}

void SaveSettings() { WriteSettingsFile(gSettingsPath, Settings); }

void SetDefaultSettings() {
  FillDefaultSettings(Settings, gScreen);
  SaveSettings();
}

}  // namespace zentrok
