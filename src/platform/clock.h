#pragma once

namespace bingo {

// Local date and time with milliseconds.
struct LocalTime {
  int year = 2000;  // full year, e.g. 2026
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;     // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
};

class SystemClock final : public Clock {
 public:
  LocalTime now() const override;
};

}  // namespace bingo
