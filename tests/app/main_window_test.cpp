// The main window as a real window under the window system: layout, texts, tab order and both
// commands driven with real messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <thread>

#include "app/codec/link_codec.h"
#include "app/form1.h"
#include "app/text_exchange.h"
#include "runtime/application.h"
#include "runtime/clipboard.h"
#include "runtime/form_reader.h"
#include "runtime/handle_count.h"
#include "skin/data/win32/skin_manage.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::ClassOf;
using testing::MessageBoxCatcher;
using testing::PumpPending;
using testing::PumpUntil;
using testing::TextOf;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Application().SetMainFormOnTaskBar(true);
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    PumpPending();
    // A form read after an earlier one was shown asks the running skin manager to skin all
    // windows after its delay: let that happen before the test looks at the window.
    PumpUntil([] { return !TSkinManage::Current() || !TSkinManage::Current()->TimerRunning(); });
  }
  void TearDown() override {
    form.reset();
    PumpPending();
  }

  void Click(TButton* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }
  std::wstring Clipboard() { return GetClipboardText(form->Handle()).value_or(L"<no text>"); }
  void SelectKind(int kind) { SendMessageW(form->ComboBox1->Handle(), CB_SETCURSEL, static_cast<WPARAM>(kind), 0); }

  std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, WindowClassCaptionSizeAndFrame) {
  HWND w = form->Handle();
  EXPECT_EQ(ClassOf(w), L"Varnelta");
  EXPECT_EQ(TextOf(w), L"Varnelta V0.1 Bulid 09307");
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 586);
  EXPECT_EQ(client.bottom, 401);
  auto style = static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE));
  EXPECT_TRUE(style & WS_CAPTION);
  // The skinned frame draws its own system menu and buttons: the style's system menu is out
  // while it is shown, the menu itself is there.
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_NE(GetSystemMenu(w, FALSE), nullptr);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  // Centred on the screen.
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  // The background is the skin's face colour, the font Tahoma with 11-pixel characters.
  EXPECT_EQ(form->Color(), form->SkinData1->Skin().Colours[3]);
  EXPECT_EQ(form->Font()->Name(), L"Tahoma");
  EXPECT_EQ(form->Font()->Height(), -11);
  // Cannot be maximised or resized; can be minimised.
  SendMessageW(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_FALSE(IsZoomed(w));
  ShowWindow(w, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(w));
  ShowWindow(w, SW_RESTORE);
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 586);
}

struct Expected {
  const char* name;
  const wchar_t* windowClass;
  RECT bounds;  // left, top, right, bottom in client coordinates
  const wchar_t* text;
};

TEST_F(MainWindowTest, ControlsAtTheirPlacesWithTheirTextsInTabOrder) {
  const Expected windowed[] = {
      {"Button1", L"Button", {96, 352, 171, 377}, L"专2普"},
      {"Button2", L"Button", {8, 352, 83, 377}, L"普2专"},
      {"Memo1", L"Edit", {0, 32, 585, 169}, L""},
      {"Memo2", L"Edit", {0, 209, 585, 346}, L""},
      {"ComboBox1", L"ComboBox", {201, 354, 291, 375}, L"迅雷"},
  };
  HWND tab = form->Button1->Handle();
  for (const Expected& e : windowed) {
    SCOPED_TRACE(e.name);
    auto* control = dynamic_cast<TWinControl*>(form->FindComponent(e.name));
    ASSERT_NE(control, nullptr);
    HWND w = control->Handle();
    EXPECT_EQ(_wcsicmp(ClassOf(w).c_str(), e.windowClass), 0) << ClassOf(w).c_str();
    RECT r = testing::ChildRect(w);
    EXPECT_EQ(r.left, e.bounds.left);
    EXPECT_EQ(r.top, e.bounds.top);
    EXPECT_EQ(r.right, e.bounds.right);
    EXPECT_EQ(r.bottom, e.bounds.bottom);
    EXPECT_EQ(TextOf(w), e.text);
    EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_TABSTOP);
    // The dialog manager's tab order visits the controls in this order.
    EXPECT_EQ(tab, w);
    tab = GetNextDlgTabItem(form->Handle(), tab, FALSE);
  }
  EXPECT_EQ(tab, form->Button1->Handle());  // and wraps around
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
  // The selector's text field is an enabled, white edit.
  HWND comboEdit = GetWindow(form->ComboBox1->Handle(), GW_CHILD);
  ASSERT_NE(comboEdit, nullptr);
  EXPECT_TRUE(IsWindowEnabled(comboEdit));
  EXPECT_FALSE(GetWindowLongW(comboEdit, GWL_STYLE) & ES_READONLY);
  UpdateWindow(form->Handle());
  {
    TWindowDC dc(comboEdit);
    RECT er;
    GetClientRect(comboEdit, &er);
    EXPECT_EQ(GetPixel(dc.Get(), er.right - 2, er.bottom / 2), GetSysColor(COLOR_WINDOW));
  }
  EXPECT_EQ(form->ComboBox1->Items().Items(), (std::vector<std::wstring>{L"迅雷", L"快车", L"旋风", L"Rayfile"}));
  EXPECT_EQ(SendMessageW(form->ComboBox1->Handle(), CB_GETITEMHEIGHT, 0, 0), 13);
  EXPECT_EQ(form->Memo1->Hint(), L"输专用链接的下载地址：");
  EXPECT_EQ(form->Memo2->Hint(), L"输入普通链接的下载地址：");
  EXPECT_TRUE(form->Memo1->ShowHint());
  auto memoStyle = static_cast<DWORD>(GetWindowLongW(form->Memo1->Handle(), GWL_STYLE));
  EXPECT_TRUE(memoStyle & ES_MULTILINE);
  EXPECT_TRUE(memoStyle & ES_WANTRETURN);
  EXPECT_FALSE(memoStyle & (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL));  // word wrap, no scroll bars
  // Both memos have their hints in the application's hint window.
  ASSERT_NE(Application().HintWindow(), nullptr);
  EXPECT_GE(SendMessageW(Application().HintWindow(), TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Application().HintWindow(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
  EXPECT_EQ(SendMessageW(Application().HintWindow(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 2500);
  LRESULT tools = SendMessageW(Application().HintWindow(), TTM_GETTOOLCOUNT, 0, 0);
  form->Memo1->SetShowHint(false);
  EXPECT_EQ(SendMessageW(Application().HintWindow(), TTM_GETTOOLCOUNT, 0, 0), tools - 1);
  form->Memo1->SetShowHint(true);
  EXPECT_EQ(SendMessageW(Application().HintWindow(), TTM_GETTOOLCOUNT, 0, 0), tools);
  EXPECT_EQ(Application().HintPause(), 500);
  EXPECT_EQ(Application().HintHidePause(), 2500);

  struct Label {
    TLabel* label;
    TRect bounds;
    const wchar_t* caption;
    int fontHeight;
  } labels[] = {{form->Label2, Bounds(23, 8, 75, 18), L"专用链接：", -15},
                {form->Label3, Bounds(23, 185, 75, 18), L"普通链接：", -15},
                {form->Label1, Bounds(312, 357, 264, 13), L"", -11}};
  for (const Label& l : labels) {
    SCOPED_TRACE(l.label->Name());
    EXPECT_FALSE(l.label->IsWindowed());
    EXPECT_EQ(l.label->Parent(), form.get());
    EXPECT_EQ(l.label->BoundsRect(), l.bounds);
    EXPECT_EQ(l.label->Caption(), l.caption);
    EXPECT_EQ(l.label->Font()->Height(), l.fontHeight);
    EXPECT_EQ(l.label->Font()->Name(), L"Tahoma");
  }
  EXPECT_FALSE(form->Label1->AutoSize());
  // The status bar alone takes the strip along the bottom edge.
  for (int i = 0; i < form->ControlCount(); ++i) {
    TControl* c = form->Controls(i);
    if (c->Name() == "RzStatusBar1") {
      EXPECT_EQ(c->BoundsRect(), Bounds(0, 382, 586, 19));
    } else {
      EXPECT_LE(c->BoundsRect().Bottom, 382) << c->Name();
    }
  }
}

const TFormObject* FindObject(const TFormObject& root, const std::string& name) {
  if (root.Name == name) return &root;
  for (const auto& child : root.Children) {
    if (const TFormObject* found = FindObject(child, name)) return found;
  }
  return nullptr;
}

TEST_F(MainWindowTest, WritingTheLoadedFormGivesBackEveryStoredProperty) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, L"TFORM1", MAKEINTRESOURCEW(10));
  ASSERT_NE(resource, nullptr);
  std::string_view stored(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                          SizeofResource(module, resource));
  TFormObject expected = ParseFormText(stored);
  // Unskinned first: the skin gives the form its own colour while it is skinned.
  form->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return form->Color() == clBtnFace; }));
  form->SkinData1->SetActive(true);  // written as stored
  TFormObject written = ParseFormText(WriteComponentText(*form));
  std::vector<const TFormObject*> pending{&expected};
  int checked = 0;
  while (!pending.empty()) {
    const TFormObject* object = pending.back();
    pending.pop_back();
    for (const auto& child : object->Children) pending.push_back(&child);
    const TFormObject* out = FindObject(written, object->Name);
    ASSERT_NE(out, nullptr) << object->Name;
    EXPECT_EQ(out->ClassName, object->ClassName);
    for (const TFormProperty& p : object->Properties) {
      // The window is centred at run time, away from its stored place.
      if (object == &expected && (p.Name == "Left" || p.Name == "Top")) continue;
      auto it = std::find_if(out->Properties.begin(), out->Properties.end(),
                             [&](const TFormProperty& q) { return q.Name == p.Name; });
      ASSERT_NE(it, out->Properties.end()) << object->Name << "." << p.Name;
      EXPECT_EQ(it->Value, p.Value) << object->Name << "." << p.Name;
      ++checked;
    }
  }
  EXPECT_GT(checked, 60);
}

TEST_F(MainWindowTest, FocusStartsOnTheFirstButtonAndComesBackAfterDeactivation) {
  EXPECT_EQ(GetFocus(), form->Button1->Handle());
  form->Memo2->SetFocus();
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetActiveWindow(other);
  PumpPending();
  SetActiveWindow(form->Handle());
  PumpPending();
  EXPECT_EQ(GetFocus(), form->Memo2->Handle());
  DestroyWindow(other);
}

TEST(MainWindowRestore, PrivateMessageRestoresTheMinimisedWindowWithItsFocus) {
  Application().Initialize();
  Application().SetMainFormOnTaskBar(true);
  auto* form = Application().CreateForm<TForm1>();
  form->Show();
  PumpPending();
  form->Memo2->SetFocus();
  ShowWindow(form->Handle(), SW_MINIMIZE);
  PumpPending();
  ASSERT_TRUE(Application().IsMinimized());
  PostMessageW(form->Handle(), kBringToFrontMessage, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(form->Handle()) && GetActiveWindow() == form->Handle(); }));
  EXPECT_EQ(GetFocus(), form->Memo2->Handle());
  // Not minimised: the message makes it the foreground window.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(other);
  PumpPending();
  PostMessageW(form->Handle(), kBringToFrontMessage, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }));
  DestroyWindow(other);
  Application().DestroyForms();
  PumpPending();
}

TEST_F(MainWindowTest, KeyboardMovesThroughTheTabOrderAndEnterActivatesTheButton) {
  auto key = [](WPARAM vk) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, vk, 1);
    PostMessageW(focus, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    Application().ProcessMessages();
  };
  ASSERT_EQ(GetFocus(), form->Button1->Handle());
  key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Button2->Handle());
  key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Memo1->Handle());
  key(VK_TAB);  // a memo passes Tab on
  EXPECT_EQ(GetFocus(), form->Memo2->Handle());
  EXPECT_EQ(form->Memo1->GetText(), L"");
  EXPECT_EQ(form->Memo2->GetText(), L"");
  key(VK_RETURN);  // and keeps Enter: a new line
  EXPECT_EQ(form->Memo2->GetText(), L"\r\n");
  form->Memo2->SetText(L"");
  form->Button1->SetFocus();
  // Enter on the focused "专2普" with Memo1 empty shows the message at once.
  MessageBoxCatcher box;
  key(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return box.seen; }));
  EXPECT_EQ(box.text, L"请输入要转换的专用地址！");
}

TEST_F(MainWindowTest, EmptySourceShowsTheMessageAndChangesNothing) {
  SetClipboardText(form->Handle(), L"before");
  form->Label1->SetCaption(L"label before");
  form->Memo2->SetText(L"keep");
  struct Case {
    TButton* button;
    const wchar_t* message;
  } cases[] = {{form->Button1, L"请输入要转换的专用地址！"}, {form->Button2, L"请输入要转换的普通地址！"}};
  for (const Case& c : cases) {
    if (c.button == form->Button2) {
      form->Memo2->SetText(L"");
      form->Memo1->SetText(L"keep");
    }
    MessageBoxCatcher box;
    Click(c.button);
    EXPECT_TRUE(box.seen);
    EXPECT_EQ(box.text, c.message);
    EXPECT_EQ(box.caption, L"提示");
    EXPECT_EQ(box.owner, form->Handle());  // owned by the active window
    EXPECT_EQ(Clipboard(), L"before");
    EXPECT_EQ(form->Label1->Caption(), L"label before");
    EXPECT_EQ((c.button == form->Button1 ? form->Memo2 : form->Memo1)->GetText(), L"keep");
  }
}

TEST_F(MainWindowTest, WorkedExampleThroughTheMemosForAllFourKinds) {
  const wchar_t* links[] = {L"thunder://QUFhYmNaWg==", L"flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&",
                            L"qqdl://YWJj", L"Rayfile://YWJjfDEyNDk0NDI="};
  const wchar_t* decoded[] = {L"abc", L"abc", L"abc", L"http://abc"};
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(kind);
    SelectKind(kind);
    form->Label1->SetCaption(L"");
    form->Memo2->SetText(L"abc");
    Click(form->Button2);
    EXPECT_EQ(form->Memo1->GetText(), links[kind]);
    EXPECT_EQ(Clipboard(), links[kind]);
    EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！");
    // The target memo's text is selected.
    EXPECT_EQ(form->Memo1->SelStart(), 0);
    EXPECT_EQ(form->Memo1->SelLength(), static_cast<int>(wcslen(links[kind])));
    Click(form->Button1);
    EXPECT_EQ(form->Memo2->GetText(), decoded[kind]);
    EXPECT_EQ(Clipboard(), decoded[kind]);
  }
}

TEST_F(MainWindowTest, EachLineIsConvertedOnItsOwn) {
  SelectKind(0);
  form->Memo1->SetText(L"  thunder://QUFhYmNaWg==\t\r\n\r\nthunder://QUFodHRwOi8veC55L3oudHh0Wlo=\r\n");
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), L"abc\r\n\r\nhttp://x.y/z.txt\r\n");
  EXPECT_EQ(Clipboard(), L"abc\r\n\r\nhttp://x.y/z.txt\r\n");
  // Blanks and line breaks only: converted, not refused.
  form->Label1->SetCaption(L"");
  form->Memo1->SetText(L" \r\n\t");
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), L"\r\n");
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！");
}

TEST_F(MainWindowTest, NoKindSelectedKeepsTheTargetButStillCopiesIt) {
  HWND edit = GetWindow(form->ComboBox1->Handle(), GW_CHILD);
  ASSERT_NE(edit, nullptr);
  // The user types something that is no item.
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, L'x', 1);
  PumpPending();
  ASSERT_EQ(TextOf(form->ComboBox1->Handle()), L"x");
  ASSERT_EQ(form->ComboBox1->ItemIndex(), -1);
  form->Memo1->SetText(L"thunder://QUFhYmNaWg==");
  form->Memo2->SetText(L"unchanged");
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), L"unchanged");
  EXPECT_EQ(Clipboard(), L"unchanged");
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！");
}

TEST_F(MainWindowTest, AZeroByteFailsItsLineAndAnEmptyResultEmptiesTheClipboardText) {
  SelectKind(0);
  // An address never holds a zero byte: the line fails instead of showing a cut address.
  std::string payload("AAab\0cdZZ", 9);
  form->Memo1->SetText(L"thunder://" + CodePageToWide(EncodeBase64(payload), kLinkCodePage));
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), L"");
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！（1 行失败）");
  // "thunder://" alone decodes to nothing: the clipboard holds the empty text, not old text.
  SetClipboardText(form->Handle(), L"old");
  form->Memo1->SetText(L"thunder://");
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), L"");
  EXPECT_EQ(Clipboard(), L"");
}

TEST_F(MainWindowTest, ChineseSurvivesInGbkAndUtf8) {
  SelectKind(0);
  const std::wstring address = L"http://example.com/迅雷 文件.zip";
  form->Memo2->SetText(address);
  Click(form->Button2);
  // The link carries the GBK bytes of the address.
  std::string gbk = WideToCodePage(address, 936);
  EXPECT_EQ(WideToCodePage(form->Memo1->GetText(), 936), *MakeSpecialLink(0, gbk));
  form->Memo2->SetText(L"");
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), address);
  // A link made from UTF-8 bytes shows its Chinese text as UTF-8.
  std::string utf8 = "http://example.com/\xE6\x96\x87\xE4\xBB\xB6.zip";  // 文件
  form->Memo1->SetText(CodePageToWide(*MakeSpecialLink(0, utf8), 936));
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), L"http://example.com/文件.zip");
}

TEST_F(MainWindowTest, ClipboardHeldByAnotherProgramLeavesTheLabelAlone) {
  form->Label1->SetCaption(L"as before");
  form->Memo2->SetText(L"abc");
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    HWND w = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    bool got = OpenClipboard(w);
    SetEvent(opened);
    WaitForSingleObject(release, 10000);
    if (got) CloseClipboard();
    DestroyWindow(w);
  });
  WaitForSingleObject(opened, 5000);
  Click(form->Button2);
  SetEvent(release);
  holder.join();
  CloseHandle(opened);
  CloseHandle(release);
  EXPECT_EQ(form->Memo1->GetText(), L"thunder://QUFhYmNaWg==");  // converted all the same
  EXPECT_EQ(form->Label1->Caption(), L"as before");
}

TEST_F(MainWindowTest, HandleCountsDoNotGrowOverAThousandConversions) {
  form->Memo2->SetText(L"http://example.com/迅雷.zip\r\nabc");
  Click(form->Button2);
  Click(form->Button1);
  PumpPending();
  long before[static_cast<int>(THandleKind::Count)];
  std::string start;
  for (int k = 0; k < static_cast<int>(THandleKind::Count); ++k) {
    before[k] = HandleCounter::Live(static_cast<THandleKind>(k));
    start += std::string(kHandleKindNames[k]) + "=" + std::to_string(before[k]) + " ";
  }
  std::printf("live handles after start: %s\n", start.c_str());
  DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 500; ++i) {
    Click(form->Button2);
    Click(form->Button1);
    if (i % 50 == 0) PumpPending();
  }
  PumpPending();
  std::string report;
  for (int k = 0; k < static_cast<int>(THandleKind::Count); ++k) {
    long now = HandleCounter::Live(static_cast<THandleKind>(k));
    EXPECT_EQ(now, before[k]) << kHandleKindNames[k];
    report += std::string(kHandleKindNames[k]) + "=" + std::to_string(now) + " ";
  }
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
  std::printf("live handles after 1000 conversions: %s(GetGuiResources gdi %lu user %lu)\n", report.c_str(),
              GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  EXPECT_EQ(form->Memo2->GetText(), L"http://example.com/迅雷.zip\r\nabc");
}

}  // namespace
}  // namespace varnelta
