// A duration in milliseconds split into the units the progress texts show
// (days, hours, minutes, whole seconds). Negative durations count as zero.
#pragma once

#include <cstdint>

namespace zentrok {

struct TDurationParts {
  int64_t Days, Hours, Minutes, Seconds;
};

inline TDurationParts SplitDuration(int64_t ms) {
  if (ms < 0) ms = 0;
  return {ms / 86400000, ms % 86400000 / 3600000, ms % 3600000 / 60000, ms % 60000 / 1000};
}

}  // namespace zentrok
