// What the skin component needs from the rest of the skin engine, as two small interfaces: the
// one skin manager of the process (windows, hook, deferred actions) and the system facts the
// component reads when it is created and loaded. The Windows engine installs both; without
// them (natively) the component stores and loads skins and skins nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "runtime/bitmap.h"
#include "runtime/types.h"

namespace varnelta {

class TSkinData;

// Deferred skin actions.
enum TSkinAction : int { saNone = 0, saSkinAll = 1, saUnskinAll = 2, saRefresh = 3 };
// The delay of every action a skin component requests.
inline constexpr int kSkinActionDelay = 250;

class ISkinManager {
 public:
  virtual ~ISkinManager() = default;
  virtual void RegisterSkinData(TSkinData* data) = 0;
  virtual void UnregisterSkinData(TSkinData* data) = 0;
  // Installs the window-creation hook for the calling thread (once).
  virtual void InstallHook() = 0;
  virtual void SwitchOn(bool on) = 0;
  // Another skin scope started: the start counter goes up by one.
  virtual void CountStart() = 0;
  // Skins the component's owner form at once (components that skin only their own form).
  virtual void SkinOwnerForm(TSkinData* data) = 0;
  virtual void SetPendingComponent(TSkinData* data) = 0;
  virtual void RequestAction(TSkinAction action, int delayMs) = 0;
  virtual void MarkStarted() = 0;
  // Every frame skinner of the pending component drops its title bar buttons.
  virtual void ReloadFormSkinners() = 0;
  // Started and not being destroyed: requested actions are scheduled.
  virtual bool Running() const = 0;
};

// The process's skin manager, or none before the first component is loaded.
ISkinManager* SkinManager();
// The manager, created by the installed factory when there is none yet; none when no factory
// is installed.
ISkinManager* EnsureSkinManager();
// Ends the manager (the program's last step; also the tests' clean-up).
void DestroySkinManager();
using TSkinManagerFactory = std::function<std::unique_ptr<ISkinManager>()>;
void SetSkinManagerFactory(TSkinManagerFactory factory);

// A font description taken from the system's caption font.
struct TCaptionFont {
  std::wstring Name = L"Tahoma";
  int Height = -11;  // negative: character height in pixels
  int Weight = 400;
  bool Italic = false;
  int Charset = 1;  // the default character set
  friend bool operator==(const TCaptionFont&, const TCaptionFont&) = default;
};

class ISkinEnvironment {
 public:
  virtual ~ISkinEnvironment() = default;
  // The scroll bar information service exists.
  virtual bool ScrollBarInfoAvailable() const = 0;
  virtual TCaptionFont CaptionFont() const = 0;
  // The width and height of a maximised window on the screen.
  virtual TPoint MaximisedSize() const = 0;
  // The small icon size (both sides).
  virtual int SmallIconSize() const = 0;
  // Draws the application window's small (else large) icon, scaled to `target`'s size, onto
  // `target`; false when the application has no icon.
  virtual bool DrawApplicationIcon(TBitmap& target) const = 0;
  // Shows a plain message box (the only skin error a user sees).
  virtual void ShowMessage(const std::string& text) const = 0;
};

// Fixed facts, used where no system is installed: a 96 DPI screen of 1024 x 768, no icon, no
// message shown.
class TFixedSkinEnvironment : public ISkinEnvironment {
 public:
  bool ScrollBarInfoAvailable() const override { return true; }
  TCaptionFont CaptionFont() const override { return {}; }
  TPoint MaximisedSize() const override { return {1024, 738}; }
  int SmallIconSize() const override { return 16; }
  bool DrawApplicationIcon(TBitmap&) const override { return false; }
  void ShowMessage(const std::string&) const override {}
};

const ISkinEnvironment& SkinEnvironment();
// Installs `environment` (kept by the caller) or, with none, returns to the fixed facts.
void SetSkinEnvironment(const ISkinEnvironment* environment);

}  // namespace varnelta
