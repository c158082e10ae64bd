// The real system behind the system values seam (Windows only).
#include <windows.h>

#include <string>

#include "skin/data/system_values.h"

namespace varnelta {

namespace {

class TWin32SystemValues : public ISystemValues {
 public:
  TColor SystemColour(int index) const override { return GetSysColor(index) & 0xFFFFFFu; }
  int SystemMetric(int index) const override { return GetSystemMetrics(index); }
  TBitmap ResourceBitmap(std::string_view name) const override {
    std::wstring wide(name.begin(), name.end());
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(2));  // RT_BITMAP
    if (info == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, info);
    DWORD size = SizeofResource(module, info);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    TBitmap result;
    if (data != nullptr && size > 0)
      result.LoadFromDib({static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size)});
    return result;
  }
};

}  // namespace

const ISystemValues& DefaultSystemValues() {
  static const TWin32SystemValues system;
  return system;
}

}  // namespace varnelta
