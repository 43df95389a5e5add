#include "zentrok/StopWatch.h"

#include <chrono>
#include <cmath>

namespace zentrok {

TElapsedTime SplitElapsed(double t) {
  long long ms = t > 0 ? static_cast<long long>(std::floor(t)) : 0;
  TElapsedTime e;
  e.Hours = static_cast<int>(ms / 3600000);
  ms -= static_cast<long long>(e.Hours) * 3600000;
  e.Minutes = static_cast<int>(ms / 60000);
  ms -= static_cast<long long>(e.Minutes) * 60000;
  e.Seconds = static_cast<int>(ms / 1000);
  e.Milliseconds = static_cast<int>(ms % 1000);
  return e;
}

TStopWatch::TStopWatch(QObject* parent) : QTimer(parent) {}

double TStopWatch::Now() const {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void TStopWatch::Start() {
  FStart = Now();
  FElapsed = 0;
  start();
}

void TStopWatch::Stop() {
  FElapsed = Now() - FStart;
  stop();
}

double TStopWatch::ElapsedMs() const { return isActive() ? Now() - FStart : FElapsed; }

void TStopWatch::GetElapsed(int& hours, int& minutes, int& seconds, int& milliseconds) const {
  TElapsedTime e = GetElapsed();
  hours = e.Hours;
  minutes = e.Minutes;
  seconds = e.Seconds;
  milliseconds = e.Milliseconds;
}

}  // namespace zentrok
