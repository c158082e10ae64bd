// Live counts of the handles the runtime's wrappers own, per kind. Every wrapper counts up
// when it takes a handle and down when it frees it, so tests can prove nothing leaks (also
// where the system's own object counts are not available).
#pragma once

#include <array>

namespace varnelta {

enum class THandleKind { Font, Brush, Pen, Bitmap, Region, DC, Window, Hook, Timer, Icon, Count };

inline constexpr const char* kHandleKindNames[] = {"fonts", "brushes", "pens", "bitmaps", "regions",
                                                   "DCs", "windows", "hooks", "timers", "icons"};

class HandleCounter {
 public:
  static void Acquired(THandleKind kind) { ++Counts()[Index(kind)]; }
  static void Released(THandleKind kind) { --Counts()[Index(kind)]; }
  static long Live(THandleKind kind) { return Counts()[Index(kind)]; }

 private:
  static constexpr std::size_t Index(THandleKind kind) { return static_cast<std::size_t>(kind); }
  static std::array<long, static_cast<std::size_t>(THandleKind::Count)>& Counts() {
    static std::array<long, static_cast<std::size_t>(THandleKind::Count)> counts{};
    return counts;
  }
};

}  // namespace varnelta
