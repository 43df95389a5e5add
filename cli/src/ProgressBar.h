// The progress line of zentrok-cli on standard error: a bar, the percent
// done and the estimated remaining time, computed as the desktop program's
// status bar does (rate = percent / elapsed ms; remaining = (100 - percent)
// / rate).
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace zentrok::cli {

// Milliseconds as the desktop program writes durations: days, hours and
// minutes when non-zero, then always seconds: "1 ч 2 мин 5 сек ".
std::string FormatDuration(int64_t ms);


class TProgressBar {
public:
  explicit TProgressBar(int fd);
  // Redraws the line for percent done (0..100), at most every 100 ms and at
  // every whole percent.
  void Update(double percent);
  // Removes the line.
  void Finish();
  // The text of the line for the given state (without the leading "\r").
  static std::string Line(double percent, int64_t elapsedMs);

private:
  using TClock = std::chrono::steady_clock;
  int FFd;
  TClock::time_point FStart, FLastDraw;
  int FLastPercent = -1;
  bool FShown = false;
};

}  // namespace zentrok::cli
