#include "ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "zentrok/Duration.h"

namespace zentrok::cli {

std::string FormatDuration(int64_t ms) {
  const TDurationParts d = SplitDuration(ms);
  std::string s;
  if (d.Days > 0) s += std::to_string(d.Days) + " д ";
  if (d.Hours > 0) s += std::to_string(d.Hours) + " ч ";
  if (d.Minutes > 0) s += std::to_string(d.Minutes) + " мин ";
  return s + std::to_string(d.Seconds) + " сек ";
}

TProgressBar::TProgressBar(int fd) : FFd(fd), FStart(TClock::now()) {}

std::string TProgressBar::Line(double percent, int64_t elapsedMs) {
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  constexpr int Width = 30;
  int filled = static_cast<int>(percent * Width / 100);
  std::string line = "[";
  for (int i = 0; i < Width; ++i) line += i < filled ? "#" : "-";
  line += "] " + std::to_string(static_cast<int>(percent)) + "%";
  // No estimate before the first progress report.
  if (percent > 0) {
    const auto ms = static_cast<int32_t>(std::min<int64_t>(elapsedMs, INT32_MAX));
    line += "  Примерно осталось: " + FormatDuration(RemainingMs(static_cast<float>(percent), ms));
  }
  return line;
}

void TProgressBar::Update(double percent) {
  auto now = TClock::now();
  int whole = static_cast<int>(percent);
  if (whole == FLastPercent && now - FLastDraw < std::chrono::milliseconds(100)) return;
  FLastPercent = whole;
  FLastDraw = now;
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - FStart).count();
  std::string text = "\r" + Line(percent, elapsed) + "\x1b[K";
  ssize_t ignored = write(FFd, text.data(), text.size());
  (void)ignored;
  FShown = true;
}

void TProgressBar::Finish() {
  if (!FShown) return;
  static const char clear[] = "\r\x1b[K";
  ssize_t ignored = write(FFd, clear, sizeof clear - 1);
  (void)ignored;
  FShown = false;
}

}  // namespace zentrok::cli
