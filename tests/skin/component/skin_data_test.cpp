// The skin component: defaults, storage of its properties and of "SkinStream", loading at read
// time, damaged skins, and what it asks of the skin manager (a recording stand-in here).
#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "runtime/class_registry.h"
#include "runtime/form_reader.h"
#include "runtime/property.h"
#include "skin/data/skin_writer.h"

namespace varnelta {
namespace {

std::vector<std::uint8_t> StoredSkin() {
  std::ifstream in(VARNELTA_STORED_SKIN_PATH, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (std::uint8_t b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

std::vector<std::uint8_t> WithCount(const std::vector<std::uint8_t>& bytes, std::int32_t count) {
  std::vector<std::uint8_t> out;
  out.reserve(bytes.size() + 4);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(count) >> (8 * i)));
  for (std::uint8_t b : bytes) out.push_back(b);
  return out;
}

// What the component asked of the manager, one line per call.
class TRecordingManager : public ISkinManager {
 public:
  std::vector<std::string> calls;
  bool running = false;
  void RegisterSkinData(TSkinData*) override { calls.push_back("register"); }
  void UnregisterSkinData(TSkinData*) override { calls.push_back("unregister"); }
  void InstallHook() override { calls.push_back("hook"); }
  void SwitchOn(bool on) override { calls.push_back(on ? "on" : "off"); }
  void CountStart() override { calls.push_back("count"); }
  void SkinOwnerForm(TSkinData*) override { calls.push_back("skin owner"); }
  void SetPendingComponent(TSkinData*) override { calls.push_back("pending"); }
  void RequestAction(TSkinAction action, int delay) override {
    calls.push_back("action " + std::to_string(action) + " " + std::to_string(delay));
  }
  void MarkStarted() override { calls.push_back("started"); }
  void ReloadFormSkinners() override { calls.push_back("reload"); }
  bool Running() const override { return running; }
};

class TTestEnvironment : public TFixedSkinEnvironment {
 public:
  bool scrollBarInfo = true;
  mutable std::vector<std::string> messages;
  bool ScrollBarInfoAvailable() const override { return scrollBarInfo; }
  void ShowMessage(const std::string& text) const override { messages.push_back(text); }
};

// A form-like root that carries one skin component, as a stored description gives it.
class THost : public TComponent {
  VARNELTA_CLASS()
 public:
  using TComponent::TComponent;
};
const TClassInfo& THost::StaticClass() {
  static const TClassInfo info{"THost", &TComponent::StaticClass(), {}, {}};
  return info;
}

class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterComponentClass(TSkinData::StaticClass());
    SetSkinEnvironment(&environment);
    SetSkinManagerFactory([this] {
      auto m = std::make_unique<TRecordingManager>();
      manager = m.get();
      return m;
    });
  }
  void TearDown() override {
    host.reset();
    DestroySkinManager();
    SetSkinManagerFactory({});
    SetSkinEnvironment(nullptr);
  }
  // Reads a host with one component whose description lines are `lines` and whose stream is
  // `stream` (no "SkinStream" line when empty).
  TSkinData& Read(const std::string& lines, const std::vector<std::uint8_t>& stream = {}) {
    std::string text = "object Host1: THost\n  object SkinData1: TSkinData\n" + lines;
    if (!stream.empty()) text += "    SkinStream = {" + Hex(stream) + "}\n";
    text += "  end\nend\n";
    host = std::make_unique<THost>(nullptr);
    ReadComponentText(*host, text);
    return *static_cast<TSkinData*>(host->FindComponent("SkinData1"));
  }
  TTestEnvironment environment;
  TRecordingManager* manager = nullptr;
  std::unique_ptr<THost> host;
};

TEST_F(SkinDataTest, NewComponentHasTheDefaults) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinControls(), kAllSkinControlTypes & ~(SkinBit(xcMenuItem) | SkinBit(xcFastReport)));
  EXPECT_EQ(data.Options(), SkinBit(xoPreview) | SkinBit(xoToolbarBK));
  EXPECT_EQ(data.SkinFormtype(), sfMainform);
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_EQ(data.SkinStore(), L"(none)");
  EXPECT_TRUE(data.NCPaintEnabled());
  EXPECT_FALSE(data.SkinLoaded());
  EXPECT_EQ(data.AppIcon().Width(), 16);
  data.SetVersion(L"1.0");
  data.SetSkinStore(L"(Good)");
  EXPECT_EQ(data.Version(), L"4.98.04.23");
  EXPECT_EQ(data.SkinStore(), L"(none)");

  // The class-to-kind rows: 118, three class names twice, each repeat with the same kind.
  const auto& rows = data.Skin3rd().Items();
  ASSERT_EQ(rows.size(), 118u);
  EXPECT_EQ(rows.front(), L"TCategoryButtons=scrollbar");
  std::map<std::wstring, int> seen;
  for (const auto& row : rows) ++seen[row];
  EXPECT_EQ(seen[L"TDBCheckboxEh=Checkbox"], 2);
  EXPECT_EQ(seen[L"TLMDFontSizeCombobox=Combobox"], 2);
  EXPECT_EQ(seen[L"TWWDBCombobox=Combobox"], 2);
  EXPECT_EQ(seen.size(), 115u);

  // Property order as stored.
  std::vector<std::string> names;
  for (const TPropInfo* p : TSkinData::StaticClass().AllProperties()) names.push_back(p->Name);
  const std::vector<std::string> tail{"Active", "DisableTag", "SkinControls", "Options", "Skin3rd", "SkinFile",
                                      "SkinStore", "SkinFormtype", "Version", "MenuUpdate", "MenuMerge",
                                      "OnSkinChanged"};
  ASSERT_GE(names.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(names.end() - static_cast<long>(tail.size()), names.end()), tail);
}

TEST_F(SkinDataTest, WritesEveryPropertyAndTheStreamAndReadsThemBack) {
  TSkinData& empty = Read("");
  std::string text = WriteComponentText(*host);
  for (const char* line : {"Active = False", "DisableTag = 99", "SkinFile = ''", "SkinStore = '(none)'",
                           "SkinFormtype = sfMainform", "Version = '4.98.04.23'", "MenuUpdate = True",
                           "MenuMerge = False", "Skin3rd = (", "SkinStream = {\n      00000000}"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  }
  EXPECT_FALSE(empty.SkinLoaded());

  const auto skin = StoredSkin();
  ASSERT_GT(skin.size(), 1000u);
  TSkinData& loaded = Read("    Active = True\n    DisableTag = 7\n    Options = [xoMenuBG]\n"
                           "    Skin3rd = ('TMemoX=edit')\n    SkinFormtype = sfDialog\n",
                           WithCount(skin, static_cast<std::int32_t>(skin.size())));
  EXPECT_TRUE(loaded.SkinLoaded());
  EXPECT_EQ(loaded.SkinStream(), skin);
  EXPECT_EQ(loaded.DisableTag(), 7);
  EXPECT_EQ(loaded.Options(), SkinBit(xoMenuBG));
  EXPECT_EQ(loaded.Skin3rd().Items(), std::vector<std::wstring>{L"TMemoX=edit"});
  // Written and read again: the same stream, loaded at once, and the same description.
  text = WriteComponentText(*host);
  THost again(nullptr);
  ReadComponentText(again, text);
  const auto& copy = *static_cast<TSkinData*>(again.FindComponent("SkinData1"));
  EXPECT_EQ(copy.SkinStream(), skin);
  EXPECT_TRUE(copy.SkinLoaded());
  EXPECT_EQ(WriteComponentText(again), text);
}

TEST_F(SkinDataTest, DamagedStoredSkinsLeaveTheFormUnskinned) {
  const auto skin = StoredSkin();
  auto flipped = skin;
  for (std::size_t i = 16; i < flipped.size(); i += 7) flipped[i] ^= 0x5A;
  const std::string ini = "[Colours]\n";
  const std::vector<std::uint8_t> iniBytes(ini.begin(), ini.end());
  auto archive = BuildSkinArchive(40000, {{"s.ini", iniBytes}});
  archive[0] = 0x11;  // a format code no skin has
  const auto unknownFormat = CompressSkinStream(archive);
  const auto noDescription = CompressSkinStream(BuildSkinArchive(40000, {{"a.bmp", iniBytes}}));
  struct Case {
    const char* name;
    std::vector<std::uint8_t> stream;
    bool message;
  };
  const Case cases[] = {
      {"empty", {}, false},
      {"count above the bytes", WithCount(skin, static_cast<std::int32_t>(skin.size() + 1)), false},
      {"count negative", WithCount(skin, -5), false},
      {"flipped bytes", WithCount(flipped, static_cast<std::int32_t>(flipped.size())), false},
      {"no description", WithCount(noDescription, static_cast<std::int32_t>(noDescription.size())), false},
      {"unknown format", WithCount(unknownFormat, static_cast<std::int32_t>(unknownFormat.size())), true},
  };
  for (const Case& c : cases) {
    environment.messages.clear();
    TSkinData& data = Read("    Active = True\n", c.stream);
    EXPECT_FALSE(data.SkinLoaded()) << c.name;
    EXPECT_FALSE(data.Active()) << c.name;
    if (c.message) {
      ASSERT_EQ(environment.messages.size(), 1u) << c.name;
      EXPECT_EQ(environment.messages[0], "This is Older Skin File\rPlease update to new version !");
    } else {
      EXPECT_TRUE(environment.messages.empty()) << c.name;
    }
    host.reset();
  }
}

TEST_F(SkinDataTest, LoadedRegistersHooksAndSwitchesOnWithoutScheduling) {
  const auto skin = StoredSkin();
  TSkinData& data = Read("    Active = True\n", WithCount(skin, static_cast<std::int32_t>(skin.size())));
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->calls, (std::vector<std::string>{"register", "hook", "action 1 250"}));
  EXPECT_TRUE(data.Active());
  // With the main menu kind on, the menu item kind is never in the set; without it, the system
  // menu kind is not.
  EXPECT_TRUE(InSet(data.SkinControls(), xcSystemMenu));
  EXPECT_FALSE(InSet(data.SkinControls(), xcMenuItem));
  host.reset();
  TSkinData& noMenus = Read("    SkinControls = [xcMenuItem, xcSystemMenu, xcButton]\n");
  EXPECT_EQ(noMenus.SkinControls(), SkinBit(xcMenuItem) | SkinBit(xcButton));
  host.reset();

  // No scroll bar information service: scroll bars are not skinned.
  environment.scrollBarInfo = false;
  TSkinData& noScroll = Read("");
  EXPECT_FALSE(InSet(noScroll.SkinControls(), xcScrollbar));
  host.reset();

  // Other scopes switch the manager on and skin their own form; no hook.
  DestroySkinManager();
  TSkinData& dialog = Read("    Active = True\n    SkinFormtype = sfOnlyThisForm\n",
                           WithCount(skin, static_cast<std::int32_t>(skin.size())));
  EXPECT_EQ(manager->calls, (std::vector<std::string>{"register", "on", "count", "skin owner"}));
  (void)dialog;
  host.reset();
  EXPECT_EQ(manager->calls.back(), "unregister");
}

TEST_F(SkinDataTest, ActiveRequestsActionsOnlyOnChange) {
  const auto skin = StoredSkin();
  TSkinData& data = Read("    Active = True\n", WithCount(skin, static_cast<std::int32_t>(skin.size())));
  manager->calls.clear();
  data.SetActive(true);
  EXPECT_TRUE(manager->calls.empty());
  data.SetActive(false);
  data.SetActive(false);
  data.SetActive(true);
  EXPECT_EQ(manager->calls, (std::vector<std::string>{"pending", "action 2 250", "pending", "action 1 250", "started"}));

  manager->calls.clear();
  data.SetSkinFormtype(sfOnlyThisForm);
  data.SetActive(false);
  data.SetSkinFormtype(sfDialog);
  data.SetActive(true);
  EXPECT_EQ(manager->calls, (std::vector<std::string>{"pending", "action 2 250"}));
  EXPECT_TRUE(data.Active());
}

TEST_F(SkinDataTest, SkinFileLoadsExistingFilesOnly) {
  const auto skin = StoredSkin();
  TSkinData& data = Read("    Active = True\n", WithCount(skin, static_cast<std::int32_t>(skin.size())));
  const auto dir = std::filesystem::temp_directory_path() / ("skin_data_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(dir);
  const auto good = dir / "good.skin";
  std::ofstream(good, std::ios::binary).write(reinterpret_cast<const char*>(skin.data()), static_cast<std::streamsize>(skin.size()));
  const auto huge = dir / "huge.skin";
  std::ofstream(huge, std::ios::binary).put('x');
  std::filesystem::resize_file(huge, TSkinData::kMaxSkinBytes + 1);

  manager->calls.clear();
  manager->running = true;
  data.SetSkinFile(good.wstring());
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(manager->calls, (std::vector<std::string>{"pending", "reload", "action 3 250"}));

  data.SetSkinFile((dir / "missing.skin").wstring());
  EXPECT_FALSE(data.SkinLoaded());
  EXPECT_EQ(data.SkinFile(), (dir / "missing.skin").wstring());
  EXPECT_FALSE(data.Skin().BorderTop->Image.Empty());  // the elements parsed earlier stay

  data.SetSkinFile(huge.wstring());
  EXPECT_FALSE(data.SkinLoaded());
  EXPECT_TRUE(data.SkinStream().empty());
  std::filesystem::remove_all(dir);
}

TEST_F(SkinDataTest, CheckFormSkinAsksTheHostFirst) {
  TSkinData data(nullptr);
  struct Case {
    const wchar_t* className;
    bool fastReport;
    bool expected;
  };
  for (const Case& c : {Case{L"SysMonthCal32", false, false}, Case{L"sysmonthcal32", false, true},
                        Case{L"TfrPreviewForm", true, false}, Case{L"TfrPreviewForm", false, true},
                        Case{L"#32770", true, true}}) {
    data.SetSkinControls(c.fastReport ? SkinBit(xcFastReport) : 0);
    bool doSkin = true;
    data.CheckFormSkin(reinterpret_cast<void*>(0x1234), c.className, doSkin);
    EXPECT_EQ(doSkin, c.expected) << std::string(c.className, c.className + wcslen(c.className));
  }
  EXPECT_EQ(data.FilteredWindow(), reinterpret_cast<void*>(0x1234));
  std::wstring asked;
  data.OnFormSkin = [&](TComponent*, const std::wstring& aName, bool& DoSkin) {
    asked = aName;
    (void)DoSkin;
  };
  bool doSkin = true;
  data.CheckFormSkin(nullptr, L"SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(asked, L"SysMonthCal32");
}

}  // namespace
}  // namespace varnelta
