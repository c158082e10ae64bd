// Menus without windows: the item tree read from a stored description, commands and clicks,
// change notices, shortcut texts and accelerators.
#include "runtime/menus.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "runtime/form_reader.h"

namespace varnelta {
namespace {

// A form-like root that knows one event handler, "ItemClick", counting its calls.
class TMenuHost : public TComponent {
  VARNELTA_CLASS()
 public:
  using TComponent::TComponent;
  TNotifyEvent FindMethod(std::string_view name) override {
    if (name != "ItemClick") return {};
    return {"ItemClick", [this](TComponent* sender) { clicked.push_back(sender->Name()); }};
  }
  std::vector<std::string> clicked;
};

const TClassInfo& TMenuHost::StaticClass() {
  static const TClassInfo info{"TMenuHost", &TComponent::StaticClass(), {}, {}};
  return info;
}

constexpr const char* kStored = R"(object Host: TMenuHost
  object MainMenu1: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
        OnClick = ItemClick
      end
      object Line1: TMenuItem
        Caption = '-'
      end
      object RecentMenu: TMenuItem
        Caption = '&Recent'
        object Recent1: TMenuItem
          Caption = 'one'
          Checked = True
          Default = True
        end
      end
    end
    object EditMenu: TMenuItem
      Caption = '&Edit'
      Enabled = False
    end
  end
  object Popup1: TPopupMenu
    OwnerDraw = True
    BiDiMode = bdRightToLeft
    Tag = 7
    object CopyItem: TMenuItem
      Caption = 'Copy'
      ImageIndex = 2
      Visible = False
    end
  end
end
)";

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterMenuClasses();
    ReadComponentText(host, kStored);
    menu = dynamic_cast<TMainMenu*>(host.FindComponent("MainMenu1"));
    popup = dynamic_cast<TPopupMenu*>(host.FindComponent("Popup1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(popup, nullptr);
  }
  TMenuItem* Item(const char* name) {
    auto* item = dynamic_cast<TMenuItem*>(host.FindComponent(name));
    if (!item) throw std::runtime_error(std::string("no menu item ") + name);
    return item;
  }
  TMenuHost host{nullptr};
  TMainMenu* menu = nullptr;
  TPopupMenu* popup = nullptr;
};

TEST_F(MenusTest, StoredItemsFormTheTreeWithTheirProperties) {
  ASSERT_EQ(menu->Items()->Count(), 2);
  TMenuItem* file = menu->Items()->Items(0);
  EXPECT_EQ(file, Item("FileMenu"));
  ASSERT_EQ(file->Count(), 3);
  EXPECT_TRUE(file->Items(1)->IsLine());
  EXPECT_EQ(file->Items(2)->Items(0), Item("Recent1"));
  EXPECT_TRUE(Item("Recent1")->Checked());
  EXPECT_TRUE(Item("Recent1")->Default());
  EXPECT_FALSE(Item("EditMenu")->Enabled());
  EXPECT_EQ(Item("OpenItem")->ShortCut(), scCtrl | 'O');
  EXPECT_EQ(Item("CopyItem")->ImageIndex(), 2);
  EXPECT_FALSE(Item("CopyItem")->Visible());
  EXPECT_EQ(Item("Recent1")->GetParentMenu(), menu);
  EXPECT_EQ(Item("CopyItem")->GetParentMenu(), popup);
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_TRUE(popup->IsRightToLeft());
  EXPECT_FALSE(menu->IsRightToLeft());
  EXPECT_EQ(popup->Tag(), 7);
}

TEST_F(MenusTest, WrittenDescriptionReadsBackIntoTheSameTree) {
  const std::string written = WriteComponentText(host);
  // Items appear once, nested inside their menu, not again at the form's level.
  EXPECT_EQ(written.find("object Recent1"), written.rfind("object Recent1"));
  TMenuHost copy(nullptr);
  ReadComponentText(copy, written);
  auto* recent = dynamic_cast<TMenuItem*>(copy.FindComponent("Recent1"));
  ASSERT_NE(recent, nullptr);
  ASSERT_NE(recent->Parent(), nullptr);
  EXPECT_EQ(recent->Parent()->Name(), "RecentMenu");
  EXPECT_EQ(WriteComponentText(copy), written);
}

TEST_F(MenusTest, CommandsAreUniqueAndReachTheClickedItem) {
  std::vector<unsigned> commands;
  for (const char* name : {"FileMenu", "OpenItem", "Line1", "RecentMenu", "Recent1", "EditMenu", "CopyItem"}) {
    commands.push_back(Item(name)->Command());
  }
  std::sort(commands.begin(), commands.end());
  EXPECT_EQ(std::adjacent_find(commands.begin(), commands.end()), commands.end());
  EXPECT_EQ(commands.front() == 0, false);

  EXPECT_EQ(menu->FindItem(Item("Recent1")->Command()), Item("Recent1"));
  EXPECT_EQ(menu->FindItem(Item("CopyItem")->Command()), nullptr);  // another menu's
  EXPECT_TRUE(menu->DispatchCommand(Item("OpenItem")->Command()));
  EXPECT_FALSE(menu->DispatchCommand(0));
  EXPECT_FALSE(popup->DispatchCommand(Item("OpenItem")->Command()));
  EXPECT_EQ(host.clicked, std::vector<std::string>{"OpenItem"});

  // A disabled item does not run its click.
  Item("OpenItem")->SetEnabled(false);
  menu->DispatchCommand(Item("OpenItem")->Command());
  EXPECT_EQ(host.clicked.size(), 1u);
}

TEST_F(MenusTest, ChangesReachTheMenuOnce) {
  int changes = 0;
  menu->OnChange = [&](TMenu&) { ++changes; };
  Item("Recent1")->SetCaption(L"two");
  Item("Recent1")->SetCaption(L"two");  // unchanged: no notice
  Item("EditMenu")->SetEnabled(true);
  EXPECT_EQ(changes, 2);
  Item("CopyItem")->SetChecked(true);  // another menu
  EXPECT_EQ(changes, 2);
  delete Item("Line1");  // a freed item leaves its parent
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(Item("FileMenu")->Count(), 2);
  menu->OnChange = nullptr;
}

TEST_F(MenusTest, TreeRefusesCyclesAndMovesItems) {
  TMenuItem* file = Item("FileMenu");
  EXPECT_THROW(Item("Recent1")->Add(file), std::invalid_argument);
  EXPECT_THROW(file->Add(file), std::invalid_argument);
  Item("EditMenu")->Add(Item("Recent1"));
  EXPECT_EQ(Item("RecentMenu")->Count(), 0);
  EXPECT_EQ(Item("Recent1")->Parent(), Item("EditMenu"));
  EXPECT_EQ(menu->FindItemByHandle(nullptr), nullptr);
  int handle = 0;
  Item("EditMenu")->SetHandle(&handle);
  EXPECT_EQ(menu->FindItemByHandle(&handle), Item("EditMenu"));
}

TEST(MenuText, ShortCutTexts) {
  struct Case {
    TShortCut Key;
    const wchar_t* Text;
  } cases[] = {
      {scCtrl | 'O', L"Ctrl+O"},        {scCtrl | scShift | 'S', L"Shift+Ctrl+S"}, {0x74, L"F5"},
      {0x7B, L"F12"},                   {scAlt | 0x73, L"Alt+F4"},                {0x2E, L"Del"},
      {scCtrl | 0x2D, L"Ctrl+Ins"},     {'7', L"7"},                              {0, L""},
      {scCtrl | 0xFF, L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.Key), c.Text) << c.Key;
    if (*c.Text) {
      EXPECT_EQ(TextToShortCut(c.Text), c.Key) << c.Key;
    }
  }
  EXPECT_EQ(TextToShortCut(L"ctrl+o"), scCtrl | 'O');
  EXPECT_EQ(TextToShortCut(L"Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut(L"Hyper+X"), 0);
}

TEST(MenuText, Accelerators) {
  struct Case {
    const wchar_t* Caption;
    wchar_t Accel;
    const wchar_t* Stripped;
  } cases[] = {
      {L"&File", L'F', L"File"},        {L"文件(&F)", L'F', L"文件(F)"}, {L"Save &as", L'A', L"Save as"},
      {L"A&&B", 0, L"A&B"},             {L"A&&&B", L'B', L"A&B"},        {L"Plain", 0, L"Plain"},
      {L"trailing&", 0, L"trailing"},   {L"", 0, L""},                   {L"&编辑", L'编', L"编辑"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AccelChar(c.Caption), c.Accel) << static_cast<const void*>(c.Caption);
    EXPECT_EQ(StripHotkey(c.Caption), c.Stripped);
  }
  EXPECT_TRUE(IsAccel(L'f', L"文件(&F)"));
  EXPECT_TRUE(IsAccel(L'F', L"&file"));
  EXPECT_FALSE(IsAccel(L'G', L"&File"));
  EXPECT_FALSE(IsAccel(L'&', L"A&&B"));
}

}  // namespace
}  // namespace varnelta
