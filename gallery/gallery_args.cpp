#include "gallery/gallery_args.h"

namespace varnelta::gallery {

std::optional<TGalleryArgs> ParseGalleryArgs(const std::vector<std::wstring>& args, std::wstring& error) {
  TGalleryArgs parsed;
  bool haveSkin = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (arg == L"--page" || arg == L"--sheet") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = arg + L" needs a value";
        return std::nullopt;
      }
      (arg == L"--page" ? parsed.Page : parsed.Sheet) = args[++i];
    } else if (arg == L"--bench") {
      parsed.Bench = true;
    } else if (arg.size() > 1 && arg[0] == L'-' && arg[1] == L'-') {
      error = L"unknown option " + arg;
      return std::nullopt;
    } else if (haveSkin) {
      error = L"more than one skin file";
      return std::nullopt;
    } else {
      parsed.SkinFile = arg;
      haveSkin = true;
    }
  }
  return parsed;
}

}  // namespace varnelta::gallery
