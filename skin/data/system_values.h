// The system colours and metrics the skin data reads, behind one small seam: the real system
// on Windows, fixed values elsewhere (the tests and the skin tool on Linux).
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/bitmap.h"
#include "runtime/types.h"

namespace varnelta {

// System colour numbers and system metric numbers used by the skin data.
inline constexpr int kSysColourScrollBar = 0;
inline constexpr int kSysColourBtnFace = 15;
inline constexpr int kSysColourBtnText = 18;
inline constexpr int kSysMetricHorzScrollArrow = 21;  // SM_CXHSCROLL

class ISystemValues {
 public:
  virtual ~ISystemValues() = default;
  // The current value (0x00BBGGRR) of system colour `index`; black for an unknown number.
  virtual TColor SystemColour(int index) const = 0;
  // System metric `index`; 0 for an unknown number.
  virtual int SystemMetric(int index) const = 0;
  // A bitmap resource of the program by name (for example "TRACK"); empty when the program
  // carries none, in which case callers use their own built-in copy.
  virtual TBitmap ResourceBitmap(std::string_view name) const = 0;
};

// Fixed values: the classic Windows colour scheme and the metrics of a 96-dot-per-inch screen.
class TFixedSystemValues : public ISystemValues {
 public:
  TColor SystemColour(int index) const override;
  int SystemMetric(int index) const override;
  TBitmap ResourceBitmap(std::string_view name) const override;
};

// The values in use: the real system on Windows, TFixedSystemValues elsewhere, unless a caller
// installed its own. SetSystemValues(nullptr) returns to the default; the caller keeps
// ownership and must keep the object alive while it is installed.
const ISystemValues& SystemValues();
// What SystemValues() gives when nothing is installed.
const ISystemValues& DefaultSystemValues();
void SetSystemValues(const ISystemValues* values);

// Resolves a system colour (0xFF0000nn) to its current value; explicit colours pass unchanged
// (their high byte cleared).
TColor ColourToRgb(TColor colour);

// RAII: installs `values` for the lifetime of the object, then restores what was there.
class TScopedSystemValues {
 public:
  explicit TScopedSystemValues(const ISystemValues& values);
  ~TScopedSystemValues();
  TScopedSystemValues(const TScopedSystemValues&) = delete;
  TScopedSystemValues& operator=(const TScopedSystemValues&) = delete;

 private:
  const ISystemValues* previous_;
};

}  // namespace varnelta
