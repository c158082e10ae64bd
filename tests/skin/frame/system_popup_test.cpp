// The skinned system menu's items: the fixed menu of old systems and the copy of a window's
// system menu with pictures and enabled states by command and show state.
#include "skin/frame/system_popup.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {
namespace {

std::wstring Captions(const std::vector<TSystemPopupItem>& items) {
  std::wstring text;
  for (const TSystemPopupItem& item : items) text += item.Caption + L"|";
  return text;
}

TEST(SystemPopupTest, FixedMenuOnOldNt) {
  EXPECT_TRUE(UsesFixedSystemMenu(true, 4));
  EXPECT_TRUE(UsesFixedSystemMenu(true, 3));
  EXPECT_FALSE(UsesFixedSystemMenu(true, 5));
  EXPECT_FALSE(UsesFixedSystemMenu(false, 4));

  const auto main = FixedSystemPopup(0x0A);
  EXPECT_EQ(Captions(main), L" Restore | Minimize |-| Close |");
  const auto all = FixedSystemPopup(0x0B);
  EXPECT_EQ(Captions(all), L" Restore | Maximize | Minimize |-| Close |");
  EXPECT_EQ(Captions(FixedSystemPopup(0)), L" Restore |-| Close |");
  const int tags[] = {0, 1, 2, 100, 3};
  const int images[] = {0, 1, 2, -1, 3};
  for (std::size_t k = 0; k < all.size(); ++k) {
    EXPECT_EQ(all[k].Tag, tags[k]) << k;
    EXPECT_EQ(all[k].ImageIndex, images[k]) << k;
    EXPECT_TRUE(all[k].Enabled);
    EXPECT_EQ(all[k].ShortCut, k == 4 ? L"ALT+F4" : L"");
  }
}

TEST(SystemPopupTest, CopiedItemsByCommandAndState) {
  const TSystemMenuEntry entries[] = {
      {L"&Restore", kScRestore, 0}, {L"&Move", kScMove, 0},     {L"&Size", kScSize, 0},
      {L"Mi&nimize", kScMinimize, 0}, {L"Ma&ximize", kScMaximize, 0}, {L"", 0, 0},
      {L"&Close\tAlt+F4", kScClose, 0}, {L"\u5173\u4E8E Wine(&A)", 0x1234, 0},
  };
  const std::wstring captions =
      L"&Restore|&Move|&Size|Mi&nimize|Ma&ximize|-|&Close\tAlt+F4|\u5173\u4E8E Wine(&A)|";
  const int images[] = {0, -1, -1, 2, 1, -1, 3, -1};
  const int tags[] = {0xF120, 0xF010, 0xF000, 0xF020, 0xF030, 0, 0xF060, 0x1234};
  struct StateCase {
    TPopupWindow window;
    const char* enabled;  // per entry
  };
  const StateCase cases[] = {
      {{ssNormal, 0x0A, false}, "ftftfttt"},  // the main window: no sizing, no maximise box
      {{ssNormal, 0x0B, true}, "fttttttt"},
      {{ssMaximized, 0x0B, true}, "tfftfttt"},
      {{ssMinimized, 0x0B, true}, "ttfftttt"},
      {{ssMinimized, 0x0B, false}, "ttfftttt"},
  };
  for (const StateCase& c : cases) {
    const auto items = CopiedSystemPopup(entries, c.window);
    ASSERT_EQ(items.size(), std::size(entries));
    EXPECT_EQ(Captions(items), captions);
    std::string enabled;
    for (std::size_t k = 0; k < items.size(); ++k) {
      enabled += items[k].Enabled ? 't' : 'f';
      EXPECT_EQ(items[k].ImageIndex, images[k]) << k;
      EXPECT_EQ(items[k].Tag, tags[k]) << k;
      EXPECT_FALSE(items[k].Checked);
    }
    EXPECT_EQ(enabled, c.enabled) << c.window.ShowState << " " << int(c.window.BorderIcons);
  }
}

TEST(SystemPopupTest, ItemStatesDisableAndCheck) {
  struct StateCase {
    std::uint32_t id, state;
    bool enabled, checked;
  };
  const StateCase cases[] = {
      {kScClose, kMenuStateDisabled, false, false},
      {kScClose, 2, true, false},  // only the exact disabled-and-grayed state counts
      {0x1234, kMenuStateChecked, true, true},
      {0x1234, kMenuStateDisabled | kMenuStateChecked, true, true},
      {kScMinimize, kMenuStateDisabled, false, false},  // the system's state wins over the rule
  };
  for (const StateCase& c : cases) {
    const TSystemMenuEntry entry{L"Item", c.id, c.state};
    const auto items = CopiedSystemPopup({&entry, 1}, {ssNormal, 0x0B, true});
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Enabled, c.enabled) << std::hex << c.id << " " << c.state;
    EXPECT_EQ(items[0].Checked, c.checked) << std::hex << c.id << " " << c.state;
  }
  EXPECT_TRUE(CopiedSystemPopup({}, {}).empty());
}

}  // namespace
}  // namespace varnelta::frame
