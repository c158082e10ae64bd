#include "skin/data/skin_data.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "runtime/filer.h"
#include "runtime/memory_stream.h"
#include "skin/data/skin_load.h"
#include "skin/data/window_filter.h"

namespace varnelta {

namespace {

// Every published property of the component is written, whatever its value.
TPropInfo Always(TPropInfo info) {
  info.AlwaysStored = true;
  return info;
}

// Reads a whole file of at most `limit` bytes; false when it is missing, unreadable or larger.
bool ReadWholeFile(const std::wstring& path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
  std::error_code error;
  const std::filesystem::path file(path);
  if (!std::filesystem::is_regular_file(file, error)) return false;
  const auto size = std::filesystem::file_size(file, error);
  if (error || size > limit) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<std::size_t>(in.gcount()) == bytes.size();
}

bool FileExists(const std::wstring& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(std::filesystem::path(path), error);
}

}  // namespace

const TClassInfo& TSkinData::StaticClass() {
  using C = TSkinData;
  static const TClassInfo info{
      "TSkinData",
      &TComponent::StaticClass(),
      {Always(BoolProperty("Active", &C::Active, &C::SetActive)),
       Always(IntProperty("DisableTag", &C::DisableTag, &C::SetDisableTag)),
       Always(SetProperty("SkinControls", SkinControlTypeType, &C::SkinControls, &C::SetSkinControls)),
       Always(SetProperty("Options", SkinOptionType, &C::Options, &C::SetOptions)),
       Always(ListProperty("Skin3rd", &C::Skin3rdRows, &C::SetSkin3rdRows)),
       Always(StrProperty("SkinFile", &C::SkinFile, &C::SetSkinFile)),
       Always(StrProperty("SkinStore", &C::SkinStore, &C::SetSkinStore)),
       Always(EnumProperty("SkinFormtype", SkinFormTypeType, &C::SkinFormtype, &C::SetSkinFormtype)),
       Always(StrProperty("Version", &C::Version, &C::SetVersion)),
       Always(BoolProperty("MenuUpdate", &C::MenuUpdate, &C::SetMenuUpdate)),
       Always(BoolProperty("MenuMerge", &C::MenuMerge, &C::SetMenuMerge)),
       EventProperty("OnSkinChanged", &C::OnSkinChanged)},
      [](TComponent* owner) -> TComponent* { return new TSkinData(owner); }};
  return info;
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {
  const ISkinEnvironment& environment = SkinEnvironment();
  skin3rd_.Assign(DefaultSkin3rd());
  const int icon = environment.SmallIconSize();
  appIcon_ = TBitmap(icon, icon);
  menuImages_ = SystemValues().ResourceBitmap("MORVANEMENU");
  const TPoint maximised = environment.MaximisedSize();
  maxWidth_ = maximised.X;
  maxHeight_ = maximised.Y;
}

TSkinData::~TSkinData() {
  if (registered_) {
    if (ISkinManager* manager = SkinManager()) manager->UnregisterSkinData(this);
  }
}

void TSkinData::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "SkinStream", [this](TMemoryStream& data) { ReadSkinStream(data); },
      [this](TMemoryStream& data) { WriteSkinStream(data); }, true);
}

void TSkinData::ReadSkinStream(TMemoryStream& data) {
  std::int32_t count = 0;
  if (!data.ReadInt32(count) || count <= 0) return;
  const std::size_t wanted = static_cast<std::size_t>(count);
  // A count that promises more bytes than are stored is a damaged description: no skin, rather
  // than a skin read from a stream padded with zero bytes.
  if (wanted > data.Size() - data.Position() || wanted > kMaxSkinBytes) {
    stream_.clear();
    skinLoaded_ = false;
    return;
  }
  stream_.resize(wanted);
  data.ReadBuffer(stream_.data(), wanted);
  if (!IsDesigning()) LoadSkin();
}

void TSkinData::WriteSkinStream(TMemoryStream& data) const {
  data.WriteInt32(static_cast<std::int32_t>(stream_.size()));
  if (!stream_.empty()) data.Write(stream_.data(), stream_.size());
}

bool TSkinData::LoadSkin() {
  if (IsDesigning()) return false;
  skinLoaded_ = false;
  if (stream_.empty()) return false;
  const ISkinEnvironment& environment = SkinEnvironment();
  skinLoaded_ = LoadSkinStream(stream_, skin_, [&environment](const std::string& text) {
    environment.ShowMessage(text);
  });
  return skinLoaded_;
}

std::wstring TSkinData::SkinStore() const {
  return IsDesigning() && !stream_.empty() ? L"(Good)" : L"(none)";
}

void TSkinData::SetSkinFile(const std::wstring& path) {
  if (IsDesigning()) {
    if (!path.empty() && !stream_.empty()) stream_.clear();
    skinFile_ = path;
    return;
  }
  skinLoaded_ = false;
  skinFile_ = path;
  if (!FileExists(path)) return;
  std::vector<std::uint8_t> bytes;
  // An unreadable or oversized file leaves no skin.
  stream_.clear();
  if (ReadWholeFile(path, kMaxSkinBytes, bytes)) stream_ = std::move(bytes);
  LoadSkin();
  UpdateSkin();
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (IsDesigning() || IsReading()) return;
  ISkinManager* manager = SkinManager();
  if (!manager) return;
  switch (formType_) {
    case sfMainform:
      if (value) {
        if (!skinLoaded_) return;
        manager->SetPendingComponent(this);
        manager->RequestAction(saSkinAll, kSkinActionDelay);
        manager->MarkStarted();
      } else {
        manager->SetPendingComponent(this);
        manager->RequestAction(saUnskinAll, kSkinActionDelay);
      }
      break;
    case sfOnlyThisForm:
      manager->SetPendingComponent(this);
      if (value && !skinLoaded_) return;
      manager->RequestAction(value ? saSkinAll : saUnskinAll, kSkinActionDelay);
      break;
    case sfDialog:
    case sfDLL: break;
  }
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (IsDesigning()) return;
  const ISkinEnvironment& environment = SkinEnvironment();
  if (!environment.ScrollBarInfoAvailable()) skinControls_ &= ~SkinBit(xcScrollbar);
  ISkinManager* manager = EnsureSkinManager();
  if (manager && !registered_) {
    manager->RegisterSkinData(this);
    registered_ = true;
  }
  captionFont_ = environment.CaptionFont();
  if (formType_ != sfMainform) {
    if (manager) {
      manager->SwitchOn(true);
      manager->CountStart();
      if (active_) manager->SkinOwnerForm(this);
    }
    return;
  }
  if (manager) manager->InstallHook();
  if (active_) {
    if (!skinLoaded_) {
      active_ = false;  // the form runs with the system's look
    } else if (manager) {
      manager->RequestAction(saSkinAll, kSkinActionDelay);
    }
  }
  if (InSet(skinControls_, xcMainMenu)) {
    skinControls_ &= ~SkinBit(xcMenuItem);
  } else {
    skinControls_ &= ~SkinBit(xcSystemMenu);
  }
  RebuildAppIcon();
}

void TSkinData::RebuildAppIcon() {
  const int size = SkinEnvironment().SmallIconSize();
  TBitmap icon(size, size);
  icon.Fill(clFuchsia);
  if (SkinEnvironment().DrawApplicationIcon(icon)) appIcon_ = std::move(icon);
}

void TSkinData::UpdateSkin() {
  if (IsDesigning() || IsReading()) return;
  if (!SkinManager()) Loaded();
  ISkinManager* manager = SkinManager();
  if (!manager) return;
  manager->SetPendingComponent(this);
  manager->ReloadFormSkinners();
  if (manager->Running()) manager->RequestAction(saRefresh, kSkinActionDelay);
}

void TSkinData::CheckFormSkin(void* window, const std::wstring& className, bool& doSkin) {
  filteredWindow_ = window;
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  doSkin = DefaultFormSkinVerdict(className, skinControls_, doSkin);
}

}  // namespace varnelta
