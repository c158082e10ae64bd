// The main window with links as users paste them: a mixed paste through "专2普", the charset
// kept on the way back, and the clipboard watch with text copied by another program.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/codec/link_codec.h"
#include "app/form1.h"
#include "app/text_exchange.h"
#include "runtime/application.h"
#include "runtime/clipboard.h"
#include "tests/app/codec/link_corpus.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::PumpPending;
using testing::PumpUntil;

std::wstring Wide(const std::string& gbk) { return CodePageToWide(gbk, kLinkCodePage); }

// Runs the helper program that copies its arguments as lines; pumps messages meanwhile (the
// previous clipboard owner, this test, is sent a message when the helper empties it).
bool CopyFromAnotherProgram(const std::vector<std::wstring>& lines) {
  std::wstring command = L"\"Z:";
  for (char c : std::string(CLIPBOARD_WRITER_EXE)) command += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  command += L"\"";
  for (const std::wstring& line : lines) command += L" \"" + line + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  const bool ended = PumpUntil([&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; }, 20000);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ended && code == 0;
}

// A second clipboard listener: once it has heard of a change, so has the form.
class ClipboardProbe {
 public:
  ClipboardProbe() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &ClipboardProbe::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VarneltaClipboardProbe";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    auto add = TClipboardWatch::SystemApi().add;
    EXPECT_TRUE(add && add(window_));
  }
  ~ClipboardProbe() {
    if (auto remove = TClipboardWatch::SystemApi().remove) remove(window_);
    DestroyWindow(window_);
  }
  ClipboardProbe(const ClipboardProbe&) = delete;
  ClipboardProbe& operator=(const ClipboardProbe&) = delete;

  // Changes heard of so far.
  int Changes() const { return changes_; }
  // Pumps until more than `seen` changes were heard of, then handles what else is waiting.
  bool WaitForChangeAfter(int seen) {
    const bool heard = PumpUntil([&] { return changes_ > seen; });
    PumpPending();
    return heard;
  }

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kClipboardUpdateMessage) ++changes_;
    return DefWindowProcW(w, msg, wp, lp);
  }
  static inline int changes_ = 0;
  HWND window_ = nullptr;
};

class LinksWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Application().SetMainFormOnTaskBar(true);
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    PumpPending();
  }
  void TearDown() override {
    form.reset();
    PumpPending();
  }
  void Click(TButton* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }
  void SelectKind(int kind) { SendMessageW(form->ComboBox1->Handle(), CB_SETCURSEL, static_cast<WPARAM>(kind), 0); }
  std::wstring Clipboard() { return GetClipboardText(form->Handle()).value_or(L"<no text>"); }
  void ToggleWatch() { SendMessageW(form->Handle(), WM_SYSCOMMAND, kWatchClipboardCommand, 0); }
  UINT WatchItemState() {
    return GetMenuState(GetSystemMenu(form->Handle(), FALSE), kWatchClipboardCommand, MF_BYCOMMAND);
  }

  std::unique_ptr<TForm1> form;
};

TEST_F(LinksWindowTest, AMixedPasteDecodesEveryLineInPlaceAndCountsTheFailures) {
  SelectKind(lkRayfile);  // whatever is selected, each link is read by its own scheme
  const std::wstring links[] = {
      Wide(testing::ThunderLink("http://a.cn/1.zip")), Wide(testing::FlashGetLink("http://a.cn/2.zip") + "tag"),
      L"  " + Wide(testing::QqdlLink("http://a.cn/3.zip")), Wide(testing::Fs2youLink("a.cn/4.rar", "77", "4.rar")),
      L"thunder://" + Wide(EncodeBase64("no markers")), L"ed2k://|file|5.rar|1|A|/", L"", L"?"};
  std::wstring text;
  for (const std::wstring& l : links) text += l + L"\r\n";
  form->Memo1->SetText(text);
  Click(form->Button1);
  const std::wstring expected =
      L"http://a.cn/1.zip\r\nhttp://a.cn/2.zip\r\nhttp://a.cn/3.zip\r\nhttp://a.cn/4.rar\r\n\r\n"
      L"ed2k://|file|5.rar|1|A|/\r\n\r\n\r\n";
  EXPECT_EQ(form->Memo2->GetText(), expected);
  EXPECT_EQ(Clipboard(), expected);
  // "?" has no scheme and is read as Rayfile: it fails too.
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！（2 行失败）");
  // Nothing failed: the plain message.
  form->Memo1->SetText(links[0]);
  Click(form->Button1);
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！");
}

TEST_F(LinksWindowTest, AnAddressDecodedFromUtf8IsEncodedAsUtf8Again) {
  SelectKind(lkThunder);
  const std::string link = testing::ThunderLink(testing::kUtf8Url);
  form->Memo1->SetText(Wide(link) + L"\r\n" + Wide(testing::ThunderLink(testing::kGbkUrl)));
  Click(form->Button1);
  EXPECT_EQ(form->Memo2->GetText(), L"http://dl.example.cn/文件.rar\r\nhttp://dl.example.cn/迅雷/文件.rar");
  Click(form->Button2);
  EXPECT_EQ(form->Memo1->GetText(), Wide(link) + L"\r\n" + Wide(testing::ThunderLink(testing::kGbkUrl)));
}

TEST_F(LinksWindowTest, TheWatchItemIsInTheSystemMenuOffAtStartAndToggles) {
  HMENU menu = GetSystemMenu(form->Handle(), FALSE);
  wchar_t text[64] = {};
  ASSERT_GT(GetMenuStringW(menu, kWatchClipboardCommand, text, 64, MF_BYCOMMAND), 0);
  EXPECT_STREQ(text, L"监视剪贴板");
  ASSERT_NE(form->ClipboardWatch(), nullptr);
  EXPECT_FALSE(form->ClipboardWatch()->On());
  EXPECT_FALSE(WatchItemState() & MF_CHECKED);
  EXPECT_FALSE(WatchItemState() & MF_GRAYED);
  ToggleWatch();
  EXPECT_TRUE(form->ClipboardWatch()->On());
  EXPECT_TRUE(WatchItemState() & MF_CHECKED);
  ToggleWatch();
  EXPECT_FALSE(form->ClipboardWatch()->On());
  EXPECT_FALSE(WatchItemState() & MF_CHECKED);
  // Other system commands still work.
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(form->Handle()));
}

TEST_F(LinksWindowTest, WithoutTheListenerServiceTheItemIsGrayedAndDoesNothing) {
  HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_SYSMENU | WS_CAPTION, 0, 0, 50, 50, nullptr, nullptr,
                           nullptr, nullptr);
  {
    TClipboardWatch watch(w, TClipboardWatch::TListenerApi{});
    EXPECT_FALSE(watch.Available());
    EXPECT_TRUE(GetMenuState(GetSystemMenu(w, FALSE), kWatchClipboardCommand, MF_BYCOMMAND) & MF_GRAYED);
    watch.Toggle();
    EXPECT_FALSE(watch.On());
  }
  DestroyWindow(w);
}

TEST_F(LinksWindowTest, WatchedClipboardFillsMemo2OnlyWhenOnAndOnlyForOtherPrograms) {
  ClipboardProbe probe;
  const std::wstring thunder = Wide(testing::ThunderLink("http://a.cn/w1.zip"));
  const std::wstring qqdl = Wide(testing::QqdlLink("http://a.cn/w2.zip"));
  form->Memo2->SetText(L"before");
  form->Label1->SetCaption(L"label before");

  // Off: another program's copy changes nothing.
  int seen = probe.Changes();
  ASSERT_TRUE(CopyFromAnotherProgram({thunder}));
  ASSERT_TRUE(probe.WaitForChangeAfter(seen));
  EXPECT_EQ(form->Memo2->GetText(), L"before");
  EXPECT_EQ(form->Label1->Caption(), L"label before");

  // On: the special links among the copied lines are decoded into Memo2; the clipboard keeps
  // what the other program put there.
  ToggleWatch();
  ASSERT_TRUE(form->ClipboardWatch()->On());
  seen = probe.Changes();
  ASSERT_TRUE(CopyFromAnotherProgram({L"看这里:", thunder, L"thunder://QUFh", qqdl}));
  ASSERT_TRUE(probe.WaitForChangeAfter(seen));
  EXPECT_EQ(form->Memo2->GetText(), L"http://a.cn/w1.zip\r\nhttp://a.cn/w2.zip");
  EXPECT_EQ(form->Label1->Caption(), L"已转换剪贴板中的 2 个链接（1 行失败）");
  EXPECT_EQ(Clipboard(), L"看这里:\r\n" + thunder + L"\r\nthunder://QUFh\r\n" + qqdl);

  // Text without special links leaves everything as it is.
  seen = probe.Changes();
  ASSERT_TRUE(CopyFromAnotherProgram({L"http://plain.cn/x"}));
  ASSERT_TRUE(probe.WaitForChangeAfter(seen));
  EXPECT_EQ(form->Memo2->GetText(), L"http://a.cn/w1.zip\r\nhttp://a.cn/w2.zip");

  // The program's own copy of special links ("普2专") does not come back to it: no loop.
  SelectKind(lkThunder);
  form->Memo2->SetText(L"http://a.cn/own.zip");
  seen = probe.Changes();
  Click(form->Button2);
  ASSERT_TRUE(probe.WaitForChangeAfter(seen));
  EXPECT_EQ(Clipboard(), Wide(testing::ThunderLink("http://a.cn/own.zip")));
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！");
  // Nor does a copy made in one of its memos.
  form->Memo1->SetText(qqdl);
  SendMessageW(form->Memo1->Handle(), EM_SETSEL, 0, -1);
  seen = probe.Changes();
  SendMessageW(form->Memo1->Handle(), WM_COPY, 0, 0);
  ASSERT_TRUE(probe.WaitForChangeAfter(seen));
  EXPECT_EQ(form->Memo2->GetText(), L"http://a.cn/own.zip");
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！");

  // Off again: nothing more.
  ToggleWatch();
  seen = probe.Changes();
  ASSERT_TRUE(CopyFromAnotherProgram({thunder}));
  ASSERT_TRUE(probe.WaitForChangeAfter(seen));
  EXPECT_EQ(form->Memo2->GetText(), L"http://a.cn/own.zip");
  EXPECT_EQ(form->Label1->Caption(), L"已复制到剪贴板！");
}

}  // namespace
}  // namespace varnelta
