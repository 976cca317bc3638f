// A moment of the local clock as plain numbers: what both programs read the time as,
// platform-free so that the rules that use it are tested on any host.
#pragma once

namespace kit {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
};

}  // namespace kit
