// The gallery's command line:
//   varnelta-gallery [SKINFILE] [--page NAME] [--sheet OUT.bmp] [--bench]
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varnelta::gallery {

struct TGalleryArgs {
  std::wstring SkinFile;  // empty: the stored skin
  std::wstring Page;      // empty: the first page
  std::wstring Sheet;     // empty: no contact sheet
  bool Bench = false;
};

// Parses the arguments after the program name; on a usage error returns nothing and sets
// `error`.
std::optional<TGalleryArgs> ParseGalleryArgs(const std::vector<std::wstring>& args, std::wstring& error);

inline constexpr const wchar_t* kGalleryUsage =
    L"usage: varnelta-gallery [SKINFILE] [--page NAME] [--sheet OUT.bmp] [--bench]";

}  // namespace varnelta::gallery
