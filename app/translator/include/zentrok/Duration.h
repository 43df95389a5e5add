// Durations of a translation run as the progress texts show them.
#pragma once

#include <cmath>
#include <cstdint>

namespace zentrok {

// A duration in milliseconds split into days, hours, minutes and whole
// seconds. Negative durations count as zero.
struct TDurationParts {
  int64_t Days, Hours, Minutes, Seconds;
};

inline TDurationParts SplitDuration(int64_t ms) {
  if (ms < 0) ms = 0;
  return {ms / 86400000, ms % 86400000 / 3600000, ms % 3600000 / 60000, ms % 60000 / 1000};
}

// The remaining milliseconds of a run that is percent done after elapsedMs
// (0 counts as 1): rate = percent / elapsed, remaining = (100 - percent) /
// rate, in single precision and rounded half to even as the status bar has
// always shown it. 0 while nothing is done yet (no rate) and once percent
// passes 100.
inline int64_t RemainingMs(float percent, int32_t elapsedMs) {
  if (percent <= 0) return 0;
  if (elapsedMs <= 0) elapsedMs = 1;
  float rate = percent / static_cast<float>(elapsedMs);
  double left = (100.0 - percent) / static_cast<double>(rate);
  if (left < 0) left = 0;
  return static_cast<int64_t>(std::nearbyint(left));
}

}  // namespace zentrok
