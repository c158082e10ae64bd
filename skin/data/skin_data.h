// TSkinData: the non-visual component a form carries to skin the program. It keeps the
// compressed skin inside the form's stored description ("SkinStream"), loads it into skin
// elements when the form is read, carries the switches that decide what is skinned and the
// events through which the host may veto or replace skinning, and, when active, registers with
// the one skin manager of the process, which skins windows and controls from its elements.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "runtime/component.h"
#include "runtime/string_list.h"
#include "skin/data/skin_host.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_types.h"

namespace varnelta {

// The events' parameter names are part of the component's interface.
using TOnFormSkin = std::function<void(TComponent* Sender, const std::wstring& aName, bool& DoSkin)>;
using TOnSkinControl =
    std::function<void(TComponent* Sender, TSkinData* SkinData, TComponent* Form, TComponent* Control,
                       const std::wstring& ControlClass, TComponent*& SkinnedControl)>;
using TOnSkinForm = std::function<void(TComponent* Sender, void* ahwnd, const std::wstring& aName)>;

// The 118 rows a new component's Skin3rd list holds.
const std::vector<std::wstring>& DefaultSkin3rd();

class TMemoryStream;

class TSkinData : public TComponent {
  VARNELTA_CLASS()
 public:
  static constexpr const wchar_t* kVersion = L"4.98.04.23";
  // The largest skin file or stored skin accepted; anything bigger is not a skin.
  static constexpr std::size_t kMaxSkinBytes = std::size_t{64} << 20;

  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  void DefineProperties(TFiler& filer) override;
  void Loaded() override;

  // Published properties, in stored order.
  bool Active() const { return active_; }
  void SetActive(bool value);
  std::int32_t DisableTag() const { return disableTag_; }
  void SetDisableTag(std::int32_t value) { disableTag_ = value; }
  TSkinControlTypes SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControlTypes value) { skinControls_ = value & kAllSkinControlTypes; }
  TSkinOptions Options() const { return options_; }
  void SetOptions(TSkinOptions value) { options_ = value & ((1u << kSkinOptionCount) - 1); }
  std::vector<std::wstring> Skin3rdRows() const { return skin3rd_.Items(); }
  void SetSkin3rdRows(const std::vector<std::wstring>& rows) { skin3rd_.Assign(rows); }
  const TStringList& Skin3rd() const { return skin3rd_; }
  std::wstring SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::wstring& path);
  std::wstring SkinStore() const;
  void SetSkinStore(const std::wstring&) {}
  TSkinFormType SkinFormtype() const { return formType_; }
  void SetSkinFormtype(TSkinFormType value) { formType_ = value; }
  std::wstring Version() const { return kVersion; }
  void SetVersion(const std::wstring&) {}
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool value) { menuUpdate_ = value; }
  bool MenuMerge() const { return menuMerge_; }
  void SetMenuMerge(bool value) { menuMerge_ = value; }

  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // The skin: the compressed stream, whether it was parsed completely, and its elements.
  const std::vector<std::uint8_t>& SkinStream() const { return stream_; }
  bool SkinLoaded() const { return skinLoaded_; }
  const TSkinElements& Skin() const { return skin_; }
  // Decompresses and parses the stream; false (and no skin) when it does not hold one.
  bool LoadSkin();
  // Re-applies the current skin to the windows this component skins.
  void UpdateSkin();
  // The manager asks whether the window of this class may be skinned; `doSkin` in and out.
  void CheckFormSkin(void* window, const std::wstring& className, bool& doSkin);
  // The window most recently passed to CheckFormSkin (for OnFormSkin handlers).
  void* FilteredWindow() const { return filteredWindow_; }

  // The application's small icon on magenta (magenta is transparent), for the title bar.
  const TBitmap& AppIcon() const { return appIcon_; }
  // Four 16 x 16 menu glyphs side by side (restore, maximise, minimise, close); white is the
  // mask colour.
  const TBitmap& MenuImages() const { return menuImages_; }
  static constexpr TColor kMenuImagesMask = 0xFFFFFF;
  const TCaptionFont& CaptionFont() const { return captionFont_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  // Cleared by a frame skinner around its own default handling of a menu change.
  bool NCPaintEnabled() const { return ncPaintEnabled_; }
  void SetNCPaintEnabled(bool value) { ncPaintEnabled_ = value; }

 private:
  void ReadSkinStream(TMemoryStream& data);
  void WriteSkinStream(TMemoryStream& data) const;
  void RebuildAppIcon();
  bool IsDesigning() const { return HasState(csDesigning); }
  bool IsReading() const { return HasState(csReading); }

  bool active_ = false;
  std::int32_t disableTag_ = kDefaultDisableTag;
  TSkinControlTypes skinControls_ = kDefaultSkinControls;
  TSkinOptions options_ = kDefaultSkinOptions;
  TStringList skin3rd_;
  std::wstring skinFile_;
  TSkinFormType formType_ = sfMainform;
  bool menuUpdate_ = true;
  bool menuMerge_ = false;

  std::vector<std::uint8_t> stream_;
  bool skinLoaded_ = false;
  TSkinElements skin_;
  TBitmap appIcon_;
  TBitmap menuImages_;
  TCaptionFont captionFont_;
  int maxWidth_ = 0;
  int maxHeight_ = 0;
  void* filteredWindow_ = nullptr;
  bool ncPaintEnabled_ = true;
  bool registered_ = false;
};

}  // namespace varnelta
