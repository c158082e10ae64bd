#include "gallery/skin_switch.h"

#include <windows.h>

#include <fstream>
#include <span>

#include "gallery/skin_file_check.h"
#include "runtime/utf.h"

namespace varnelta::gallery {

namespace {

// The whole file, or nothing when it cannot be read or is too large for a skin.
bool ReadSkinFile(const std::wstring& path, std::vector<std::uint8_t>& bytes, std::wstring& problem) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    problem = L"no such file";
    return false;
  }
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= static_cast<LONGLONG>(TSkinData::kMaxSkinBytes);
  if (ok) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                           read == bytes.size());
  }
  CloseHandle(file);
  if (!ok) problem = L"cannot be read";
  return ok;
}

std::wstring FileName(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD n = 0;
  for (;;) {
    n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) break;
    path.resize(path.size() * 2);
  }
  path.resize(n);
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

TGallerySkins::TGallerySkins(TSkinData& data, std::vector<std::uint8_t> stored, std::wstring darkPath)
    : data_(data), stored_(std::move(stored)), darkPath_(std::move(darkPath)) {}

bool TGallerySkins::Start(const std::wstring& file) {
  if (!file.empty()) return UseFile(file);
  if (!data_.SkinLoaded()) {
    Off(L"no stored skin");
    return false;
  }
  SwitchOn();
  description_ = L"stored skin";
  return true;
}

void TGallerySkins::SwitchOn() {
  skinned_ = true;
  if (data_.Active()) return;  // an active component re-applies a new skin itself
  ISkinManager* manager = SkinManager();
  const bool running = manager && manager->Running();
  data_.SetActive(true);
  // Before the first switch the manager only skins windows as they are activated; from now on
  // it runs deferred actions, and the first one skins whatever is already open.
  if (!running && manager && manager->Running()) {
    manager->SetPendingComponent(&data_);
    manager->RequestAction(saSkinAll, kSkinActionDelay);
  }
}

TGallerySkins::~TGallerySkins() {
  if (!storedFile_.empty()) DeleteFileW(storedFile_.c_str());
}

bool TGallerySkins::UseStored() {
  if (stored_.empty()) {
    Off(L"no stored skin");
    return false;
  }
  if (storedFile_.empty()) {
    // The component loads skins from files; the stored one is written out once for it.
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"vgs", 0, name)) {
      Off(L"no room for the stored skin");
      return false;
    }
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(stored_.data()), static_cast<std::streamsize>(stored_.size()));
    out.close();
    storedFile_ = name;
    if (!out) {
      Off(L"no room for the stored skin");
      return false;
    }
  }
  return UseFile(storedFile_, L"stored skin");
}

bool TGallerySkins::UseFile(const std::wstring& path, const std::wstring& label) {
  std::vector<std::uint8_t> bytes;
  std::wstring problem;
  if (ReadSkinFile(path, bytes, problem)) {
    const std::string damage = SkinStreamProblem(bytes);
    if (!damage.empty()) problem = Utf8ToWide(damage).value_or(L"damaged");
  }
  if (!problem.empty()) {
    Off(FileName(path) + L": " + problem);
    return false;
  }
  data_.SetSkinFile(path);
  if (!data_.SkinLoaded()) {
    Off(FileName(path) + L": not loaded");
    return false;
  }
  SwitchOn();
  description_ = label.empty() ? FileName(path) : label;
  return true;
}

void TGallerySkins::Off(const std::wstring& reason) {
  data_.SetActive(false);
  skinned_ = false;
  description_ = L"unskinned: " + reason;
}

}  // namespace varnelta::gallery
