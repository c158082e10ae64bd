// The gallery's skin choices: the stored skin (the one in the gallery's own description), the
// dark skin shipped beside the program, any skin file, or no skin. Every switch goes through
// the skin component's SkinFile and Active, so the skin manager's deferred actions carry it to
// the window and to every open message box. A file that is missing or damaged is not loaded:
// skinning goes off and the description says why.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"

namespace varnelta::gallery {

class TGallerySkins {
 public:
  // `stored`: the stored skin's compressed stream; `darkPath`: the packed dark skin's file.
  TGallerySkins(TSkinData& data, std::vector<std::uint8_t> stored, std::wstring darkPath);
  ~TGallerySkins();
  TGallerySkins(const TGallerySkins&) = delete;
  TGallerySkins& operator=(const TGallerySkins&) = delete;

  // The first choice, before the window is shown: the file given, else the stored skin.
  bool Start(const std::wstring& file);
  // Each returns whether a skin is now in use.
  bool UseStored();
  bool UseDark() { return UseFile(darkPath_, L"dark skin"); }
  bool UseFile(const std::wstring& path, const std::wstring& label = {});
  void Off(const std::wstring& reason = L"switched off");

  bool Skinned() const { return skinned_; }
  // "stored skin", "dark skin", a file name, or "unskinned: reason".
  const std::wstring& Description() const { return description_; }
  const std::wstring& DarkPath() const { return darkPath_; }

 private:
  TSkinData& data_;
  std::vector<std::uint8_t> stored_;
  std::wstring darkPath_;
  // Switches the component on; the first time also asks the manager to skin what is open.
  void SwitchOn();

  std::wstring storedFile_;  // the stored skin written out once, for SkinFile
  std::wstring description_ = L"unskinned";
  bool skinned_ = false;
};

// The folder of the running program, with a trailing backslash.
std::wstring ProgramFolder();

}  // namespace varnelta::gallery
