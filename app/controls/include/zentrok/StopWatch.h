// TStopWatch: a timer that also measures the time since it was started, and
// splits it into hours, minutes, seconds and milliseconds.
#pragma once

#include <QTimer>

namespace zentrok {

// An elapsed time split into its parts.
struct TElapsedTime {
  int Hours = 0;
  int Minutes = 0;
  int Seconds = 0;
  int Milliseconds = 0;
};

// Splits t milliseconds: hours = t div 3,600,000, minutes = the rest div
// 60,000, seconds = the next rest div 1,000, milliseconds the last rest.
// A negative t counts as 0.
TElapsedTime SplitElapsed(double t);

class TStopWatch : public QTimer {
public:
  explicit TStopWatch(QObject* parent = nullptr);

  // Records now as the start and enables the timer.
  void Start();
  // Records the elapsed milliseconds and disables the timer.
  void Stop();
  bool Enabled() const { return isActive(); }

  // Milliseconds since Start while running, else those recorded by Stop.
  double ElapsedMs() const;
  TElapsedTime GetElapsed() const { return SplitElapsed(ElapsedMs()); }
  void GetElapsed(int& hours, int& minutes, int& seconds, int& milliseconds) const;

protected:
  // The clock in milliseconds; a monotonic clock unless overridden.
  virtual double Now() const;

private:
  double FStart = 0;
  double FElapsed = 0;
};

}  // namespace zentrok
