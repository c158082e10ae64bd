// Checks of settings a program reads only when it starts (the screen's DPI, the system version
// Wine reports): the parent test puts a registry value of the current user in place and runs
// its own executable again with a filter for one child test; the child's output shows above the
// parent's verdict.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace varnelta::testing {

// A registry value of the current user, put back (or removed) when this goes.
class TRegistrySetting {
 public:
  TRegistrySetting(const std::wstring& key, const wchar_t* name, const std::wstring& text)
      : TRegistrySetting(key, name) {
    RegSetValueExW(key_, name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  TRegistrySetting(const std::wstring& key, const wchar_t* name, DWORD value) : TRegistrySetting(key, name) {
    RegSetValueExW(key_, name_, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  ~TRegistrySetting() {
    if (!key_) return;
    if (had_) {
      RegSetValueExW(key_, name_, 0, type_, old_.data(), static_cast<DWORD>(old_.size()));
    } else {
      RegDeleteValueW(key_, name_);
    }
    RegCloseKey(key_);
  }
  TRegistrySetting(const TRegistrySetting&) = delete;
  TRegistrySetting& operator=(const TRegistrySetting&) = delete;

 private:
  TRegistrySetting(const std::wstring& key, const wchar_t* name) : name_(name) {
    RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    DWORD size = 0;
    had_ = RegQueryValueExW(key_, name_, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
    if (had_) {
      old_.resize(size);
      RegQueryValueExW(key_, name_, nullptr, &type_, old_.data(), &size);
    }
  }
  HKEY key_ = nullptr;
  const wchar_t* name_;
  bool had_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> old_;
};

// Runs this executable with the one test `test` and the environment variables `variables`
// set for it; the child's exit code (0xFFFFFFFF when it could not start, 0xFFFFFFFE when it
// did not end within two minutes).
inline DWORD RunChild(const wchar_t* test, const std::vector<std::pair<const char*, std::string>>& variables) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_color=no --gtest_filter=" + test;
  for (const auto& [name, value] : variables) SetEnvironmentVariableA(name, value.c_str());
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
  for (const auto& variable : variables) SetEnvironmentVariableA(variable.first, nullptr);
  if (!started) return 0xFFFFFFFF;
  DWORD code = 0xFFFFFFFE;
  if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

}  // namespace varnelta::testing
