// The skinned frame of the main window under the window system: metrics and centring from the
// skin's own pictures, the window region, hit testing, the title buttons by mouse messages,
// captions, the private messages, and handles over many re-skins.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/dib_section.h"
#include "runtime/win_handles.h"
#include "runtime/handle_count.h"
#include "skin/data/skin_writer.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "tests/resources/skin_files.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::PumpPending;
using testing::PumpUntil;

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::filesystem::path(VARNELTA_SKIN_SOURCE_DIR) / name, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(std::filesystem::path(VARNELTA_SKIN_SOURCE_DIR) / name)), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// A picture's width and height from its file header.
std::pair<int, int> PictureSize(const std::string& name) {
  const std::string text = ReadFile(name);
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  auto read32 = [&](std::size_t at) {
    return static_cast<int>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
  };
  return {read32(18), std::abs(read32(22))};
}

// The frame widths as the skin's sources give them: picture size per frame.
struct TSourceMetrics {
  int L, T, R, B;
};
TSourceMetrics SourceMetrics() {
  testing::Description ini(ReadFile("varnelta.ini"));
  auto frames = [&](const char* key) { return std::stoi(ini.Get("Personality", key).value_or("1")); };
  return {PictureSize(*ini.Get("Personality", "Left")).first / frames("LeftFrame"),
          PictureSize(*ini.Get("Personality", "Top")).second / frames("TopFrame"),
          PictureSize(*ini.Get("Personality", "Right")).first / frames("RightFrame"),
          PictureSize(*ini.Get("Personality", "Bottom")).second / frames("BottomFrame")};
}

class FrameSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    manager = TSkinManage::Current();
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(form->Handle());
      return f && f->State() == fsRunning && f->HasRegion();
    }));
    frame = manager->FindFormSkinner(form->Handle());
    PumpPending();
  }
  void TearDown() override {
    form.reset();
    PumpPending();
  }
  RECT Window() const {
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    return r;
  }
  // A non-client message at a point of the window (window coordinates).
  LRESULT Nc(UINT msg, int x, int y, WPARAM hit = HTCAPTION) {
    const RECT r = Window();
    return SendMessageW(form->Handle(), msg, hit, MAKELPARAM(r.left + x, r.top + y));
  }
  // The centre of title button `action`'s bounds.
  POINT ButtonCentre(int action) {
    const auto& objects = frame->SysButtonObjects().Objects();
    const auto& elements = form->SkinData1->Skin().SysButtons;
    for (std::size_t i = 0; i < objects.size(); ++i) {
      if (elements[i]->Action == action && objects[i].Visible) {
        return {(objects[i].Bounds.Left + objects[i].Bounds.Right) / 2, (objects[i].Bounds.Top + objects[i].Bounds.Bottom) / 2};
      }
    }
    ADD_FAILURE() << "no visible button with action " << action;
    return {0, 0};
  }
  int State(int action) {
    const auto& objects = frame->SysButtonObjects().Objects();
    const auto& elements = form->SkinData1->Skin().SysButtons;
    for (std::size_t i = 0; i < objects.size(); ++i) {
      if (elements[i]->Action == action && objects[i].Visible) return objects[i].ButtonState;
    }
    return -1;
  }
  std::unique_ptr<TForm1> form;
  TSkinManage* manager = nullptr;
  TWinSkinForm* frame = nullptr;
};

TEST_F(FrameSkinTest, MetricsCentreAndClientFollowTheSkinsPictures) {
  const TSourceMetrics m = SourceMetrics();
  const auto& metrics = frame->Metrics();
  EXPECT_EQ(metrics.Left, m.L);
  EXPECT_EQ(metrics.Title, m.T);
  EXPECT_EQ(metrics.Right, m.R);
  EXPECT_EQ(metrics.Bottom, m.B);
  const RECT r = Window();
  EXPECT_EQ(r.right - r.left, 586 + m.L + m.R);
  EXPECT_EQ(r.bottom - r.top, 401 + m.T + m.B);
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 586);
  EXPECT_EQ(client.bottom, 401);
  POINT origin{0, 0};
  ClientToScreen(form->Handle(), &origin);
  EXPECT_EQ(origin.x - r.left, m.L);
  EXPECT_EQ(origin.y - r.top, m.T);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  // Shaped: the rounded top corners' magenta is outside, the client inside.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(form->Handle(), region), ERROR);
  RECT box{};
  GetRgnBox(region, &box);
  EXPECT_EQ(box.right - box.left, r.right - r.left);
  EXPECT_EQ(box.bottom - box.top, r.bottom - r.top);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, r.right - r.left - 1, 0));
  EXPECT_TRUE(PtInRegion(region, m.L + 10, m.T + 10));
  EXPECT_TRUE(PtInRegion(region, (r.right - r.left) / 2, 1));
  DeleteObject(region);

  // Kept over minimise and restore.
  ShowWindow(form->Handle(), SW_MINIMIZE);
  PumpPending();
  ShowWindow(form->Handle(), SW_RESTORE);
  PumpPending();
  const RECT again = Window();
  EXPECT_EQ(again.right - again.left, r.right - r.left);
  EXPECT_EQ(again.bottom - again.top, r.bottom - r.top);
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 586);
  EXPECT_EQ(client.bottom, 401);
}

TEST_F(FrameSkinTest, HitTestGridAndPrivateMessages) {
  const auto& m = frame->Metrics();
  const RECT r = Window();
  const int w = r.right - r.left;
  struct Case {
    int x, y;
    LRESULT expected;
  };
  for (const Case& c : {Case{m.Left + 50, m.Title + 50, HTCLIENT}, Case{w / 2, m.Title / 2, HTCAPTION},
                        Case{w / 2, 1, HTBORDER}, Case{1, m.Title + 100, HTBORDER}, Case{w - 2, m.Title + 100, HTBORDER}}) {
    EXPECT_EQ(Nc(WM_NCHITTEST, c.x, c.y, 0), c.expected) << c.x << "," << c.y;
  }
  // No maximise box: the maximise button is never a snap target.
  const POINT max = ButtonCentre(1);
  EXPECT_EQ(Nc(WM_NCHITTEST, max.x, max.y, 0), HTCAPTION);

  EXPECT_EQ(SendMessageW(form->Handle(), 0xBC4D, 0, 0x41A2), 0x41A2);
  EXPECT_EQ(SendMessageW(form->Handle(), 0xBC4D, 0, 0), 1);
  EXPECT_EQ(SendMessageW(form->Handle(), 0xBC4B, 0, 0x41A2), 0x41A2);
  SendMessageW(form->Handle(), 0x3502, 0, 0);
  long regions = HandleCounter::Live(THandleKind::Region);
  long fonts = HandleCounter::Live(THandleKind::Font);
  long bitmaps = HandleCounter::Live(THandleKind::Bitmap);
  long dcs = HandleCounter::Live(THandleKind::DC);
  for (int i = 0; i < 100; ++i) SendMessageW(form->Handle(), 0x3401, 0, 0);
  PumpPending();
  const RECT after = Window();
  EXPECT_EQ(after.right - after.left, r.right - r.left);
  EXPECT_EQ(after.bottom - after.top, r.bottom - r.top);
  EXPECT_LE(HandleCounter::Live(THandleKind::Region), regions);
  EXPECT_LE(HandleCounter::Live(THandleKind::Font), fonts);
  EXPECT_LE(HandleCounter::Live(THandleKind::Bitmap), bitmaps);
  EXPECT_LE(HandleCounter::Live(THandleKind::DC), dcs);
  EXPECT_TRUE(frame->HasRegion());
}

TEST_F(FrameSkinTest, TitleButtonsByMouseMessages) {
  // Hover: hot, then normal again once the cursor is elsewhere.
  const POINT close = ButtonCentre(0);
  SetCursorPos(0, 0);
  Nc(WM_NCMOUSEMOVE, close.x, close.y);
  EXPECT_EQ(State(0), 3);
  EXPECT_TRUE(PumpUntil([&] { return State(0) == 1; }, 3000));
  // Press, leave, release elsewhere: nothing happens.
  Nc(WM_NCLBUTTONDOWN, close.x, close.y);
  EXPECT_EQ(State(0), 2);
  const RECT r = Window();
  Nc(WM_NCLBUTTONUP, (r.right - r.left) / 2, 10);
  PumpPending();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  // The maximise button is drawn disabled and does nothing.
  const POINT max = ButtonCentre(1);
  Nc(WM_NCLBUTTONDOWN, max.x, max.y);
  Nc(WM_NCLBUTTONUP, max.x, max.y);
  PumpPending();
  EXPECT_FALSE(IsZoomed(form->Handle()));
  // Minimise, then restore.
  const POINT min = ButtonCentre(2);
  Nc(WM_NCLBUTTONDOWN, min.x, min.y);
  Nc(WM_NCLBUTTONUP, min.x, min.y);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(form->Handle()) != FALSE; }));
  ShowWindow(form->Handle(), SW_RESTORE);
  PumpPending();
  // Close by the close button.
  SetForegroundWindow(form->Handle());
  PumpPending();
  const POINT again = ButtonCentre(0);
  Nc(WM_NCLBUTTONDOWN, again.x, again.y);
  Nc(WM_NCLBUTTONUP, again.x, again.y);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(form->Handle()); }));
}

TEST_F(FrameSkinTest, CaptionsAreReadBackExactly) {
  const std::wstring chinese = L"迅雷链接转换 — Varnelta";
  SetWindowTextW(form->Handle(), chinese.c_str());
  PumpPending();
  wchar_t text[100] = {};
  GetWindowTextW(form->Handle(), text, 100);
  EXPECT_EQ(std::wstring(text), chinese);
  const std::wstring longCaption(200, L'链');
  SetWindowTextW(form->Handle(), longCaption.c_str());
  PumpPending();
  EXPECT_EQ(GetWindowTextLengthW(form->Handle()), 200);
}

TEST_F(FrameSkinTest, UnskinGivesTheSystemFrameBack) {
  form->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) == nullptr; }));
  PumpPending();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 586);
  EXPECT_EQ(client.bottom, 401);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(form->Handle(), region), ERROR);
  DeleteObject(region);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU);
  form->SkinData1->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] {
    const TWinSkinForm* f = manager->FindFormSkinner(form->Handle());
    return f && f->HasRegion();
  }));
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 586);
  EXPECT_EQ(client.bottom, 401);
}

}  // namespace
}  // namespace varnelta

namespace varnelta {
namespace {

// The program's skin packed again with its description changed by `edit`, as a skin file.
std::wstring PackedVariant(const std::string& name, const std::function<void(std::string&)>& edit) {
  std::vector<TSkinEntry> entries;
  for (const auto& file : std::filesystem::directory_iterator(VARNELTA_SKIN_SOURCE_DIR)) {
    const std::string entry = file.path().filename().string();
    std::string bytes = ReadFile(entry);
    if (entry == "varnelta.ini") edit(bytes);
    entries.push_back({entry, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
  }
  const auto stream = CompressSkinStream(BuildSkinArchive(40000, entries));
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + std::wstring(name.begin(), name.end()) + L".skin";
  std::ofstream(std::filesystem::path(path), std::ios::binary)
      .write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
  return path;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

TEST_F(FrameSkinTest, BadSkinsAreHarmless) {
  auto reskin = [&](const std::wstring& path) {
    form->SkinData1->SetSkinFile(path);
    form->SkinData1->SetActive(false);
    EXPECT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) == nullptr; }));
    form->SkinData1->SetActive(true);
    EXPECT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(form->Handle());
      return f && f->State() == fsRunning;
    }));
    frame = manager->FindFormSkinner(form->Handle());
    PumpPending();
    return frame != nullptr;
  };
  // A frame count of 0 counts as 1: the side is the whole picture wide.
  ASSERT_TRUE(reskin(PackedVariant("left0", [](std::string& t) { Replace(t, "LeftFrame=2", "LeftFrame=0"); })));
  EXPECT_EQ(frame->Metrics().Left, PictureSize("frameleft.bmp").first);
  EXPECT_TRUE(frame->HasRegion());
  // Caption background ends wider than its picture: drawn and returned.
  ASSERT_TRUE(reskin(PackedVariant("textback", [](std::string& t) {
    Replace(t, "TextShift=24", "TextShift=24\nTextBackLeft=900\nTextBackRight=900");
  })));
  SendMessageW(form->Handle(), 0x3502, 0, 0);
  SetWindowTextW(form->Handle(), L"窄");
  EXPECT_EQ(SendMessageW(form->Handle(), 0x3523, 0, 0), 1);
  // No rectangle is cut when no piece is transparent.
  ASSERT_TRUE(reskin(PackedVariant("opaque", [](std::string& t) {
    for (const char* key : {"LeftTrans=1", "RightTrans=1", "TopTrans=1"}) {
      std::string off = key;
      off.back() = '0';
      Replace(t, key, off);
    }
  })));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(form->Handle(), region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 0, 0));
  DeleteObject(region);
  // Without a title picture the system keeps the frame; the window keeps its client.
  ASSERT_TRUE(reskin(PackedVariant("notop", [](std::string& t) { Replace(t, "Top=frametop.bmp", "Top="); })));
  EXPECT_FALSE(frame->SkinFrame());
  EXPECT_EQ(SendMessageW(form->Handle(), 0x3523, 0, 0), 1);
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 586);
  EXPECT_EQ(client.bottom, 401);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU);
}

TEST_F(FrameSkinTest, AWindowMinimisedBeforeItsSkinStartsRestoresWithItsClientAndCentre) {
  const auto& m = frame->Metrics();
  TForm early(nullptr);
  early.SetPosition(poScreenCenter);
  early.SetClientWidth(300);
  early.SetClientHeight(200);
  early.Show();
  ShowWindow(early.Handle(), SW_MINIMIZE);  // before the skin's start message is handled
  ASSERT_TRUE(PumpUntil([&] {
    const TWinSkinForm* f = manager->FindFormSkinner(early.Handle());
    return f && f->State() == fsRunning;
  }));
  ShowWindow(early.Handle(), SW_RESTORE);
  PumpPending();
  RECT client{};
  GetClientRect(early.Handle(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  RECT r{};
  GetWindowRect(early.Handle(), &r);
  EXPECT_EQ(r.right - r.left, 300 + m.Left + m.Right);
  EXPECT_EQ(r.bottom - r.top, 200 + m.Title + m.Bottom);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_TRUE(manager->FindFormSkinner(early.Handle())->HasRegion());

  // Unskinned while minimised, it restores with the system frame around the same client.
  ShowWindow(early.Handle(), SW_MINIMIZE);
  PumpPending();
  form->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(early.Handle()) == nullptr; }));
  ShowWindow(early.Handle(), SW_RESTORE);
  PumpPending();
  GetClientRect(early.Handle(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  form->SkinData1->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] {
    const TWinSkinForm* f = manager->FindFormSkinner(form->Handle());
    return f && f->HasRegion();
  }));
}

TEST_F(FrameSkinTest, ManyReskinsAndResizesOfASizeableWindowKeepHandlesFlat) {
  TForm sizeable(nullptr);
  sizeable.SetBorderStyle(bsSizeable);
  sizeable.SetBounds(50, 50, 300, 200);
  sizeable.Show();
  ASSERT_TRUE(PumpUntil([&] {
    const TWinSkinForm* f = manager->FindFormSkinner(sizeable.Handle());
    return f && f->HasRegion();
  }));
  PumpPending();
  const std::array<THandleKind, 5> kinds{THandleKind::Region, THandleKind::Bitmap, THandleKind::DC, THandleKind::Font,
                                         THandleKind::Brush};
  std::array<long, 5> before{};
  for (std::size_t i = 0; i < kinds.size(); ++i) before[i] = HandleCounter::Live(kinds[i]);
  RECT r{};
  GetWindowRect(sizeable.Handle(), &r);
  for (int i = 0; i < 1000; ++i) {
    SetWindowPos(sizeable.Handle(), nullptr, 0, 0, r.right - r.left + (i % 7), r.bottom - r.top + (i % 5),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(sizeable.Handle(), 0x3401, 0, 0);
  }
  PumpPending();
  for (std::size_t i = 0; i < kinds.size(); ++i) EXPECT_LE(HandleCounter::Live(kinds[i]), before[i]) << i;
  EXPECT_TRUE(manager->FindFormSkinner(sizeable.Handle())->HasRegion());
  // A sizeable window with a maximise box answers HTMAXBUTTON over the skin's maximise button.
  const TWinSkinForm* f = manager->FindFormSkinner(sizeable.Handle());
  const auto& objects = f->SysButtonObjects().Objects();
  const auto& elements = form->SkinData1->Skin().SysButtons;  // the main component skins it
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (elements[i]->Action != 1 || !objects[i].Visible) continue;
    RECT w{};
    GetWindowRect(sizeable.Handle(), &w);
    const LPARAM at = MAKELPARAM(w.left + (objects[i].Bounds.Left + objects[i].Bounds.Right) / 2,
                                 w.top + (objects[i].Bounds.Top + objects[i].Bounds.Bottom) / 2);
    EXPECT_EQ(SendMessageW(sizeable.Handle(), WM_NCHITTEST, 0, at), HTMAXBUTTON);
  }
}

}  // namespace
}  // namespace varnelta

namespace varnelta {
namespace {

TBitmap SkinPicture(const std::string& name) {
  const std::string bytes = ReadFile(name);
  TBitmap picture;
  picture.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  return picture;
}

// The frame as the skinned window paints it, into a picture of the window's size.
TBitmap CaptureFrame(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  TDibSection section(r.right - r.left, r.bottom - r.top);
  TMemoryDC dc;
  {
    TSelectObject select(dc.Get(), section.Handle());
    SendMessageW(window, 0xBC4B, reinterpret_cast<WPARAM>(dc.Get()), 0x41A2);
  }
  return section.ToBitmap();
}

TEST_F(FrameSkinTest, PaintedPixelsComeFromTheFramePictures) {
  const TBitmap top = SkinPicture("frametop.bmp");
  const TBitmap left = SkinPicture("frameleft.bmp");
  ASSERT_FALSE(top.Empty());
  ASSERT_FALSE(left.Empty());
  const auto& m = frame->Metrics();
  const int topCell = top.Height() / 2;  // two frames stacked: active, inactive
  const int leftCell = left.Width() / 2;  // two frames side by side
  auto check = [&](const TBitmap& shot, int frameIndex) {
    // The title piece's fixed left end, left of the window icon and above it.
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 4; ++x) {
        const std::uint32_t expected = top.Pixel(x, frameIndex * topCell + y);
        if ((expected & 0xFFFFFF) == 0xFF00FF) continue;  // cut out by the region
        EXPECT_EQ(shot.Pixel(m.Left + x, y) & 0xFFFFFF, expected & 0xFFFFFF) << "frame " << frameIndex + 1 << " " << x << "," << y;
      }
    }
    // The left piece's fixed top end, beside the title bar.
    for (int y = 10; y < 14; ++y) {
      for (int x = 0; x < m.Left; ++x) {
        const std::uint32_t expected = left.Pixel(frameIndex * leftCell + x, y);
        if ((expected & 0xFFFFFF) == 0xFF00FF) continue;
        EXPECT_EQ(shot.Pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << "left frame " << frameIndex + 1 << " " << x << "," << y;
      }
    }
  };
  SetForegroundWindow(form->Handle());
  PumpPending();
  check(CaptureFrame(form->Handle()), 0);
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(frame->Active());
  check(CaptureFrame(form->Handle()), 1);
  SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(frame->Active());
}

}  // namespace
}  // namespace varnelta

namespace varnelta {
namespace {

TEST_F(FrameSkinTest, ALongCaptionEndsInAnEllipsisBeforeTheTitleButtons) {
  SetForegroundWindow(form->Handle());
  SetWindowTextW(form->Handle(), std::wstring(200, L'W').c_str());
  PumpPending();
  const TBitmap shot = CaptureFrame(form->Handle());
  const std::uint32_t ink = ColourToRgb(form->SkinData1->Skin().Colours[kColourTitleTextActive]) & 0xFFFFFF;
  // TColor keeps red in the low byte; the picture's pixels are 0xRRGGBB.
  const std::uint32_t inkPixel = ((ink & 0xFF) << 16) | (ink & 0xFF00) | ((ink >> 16) & 0xFF);
  const int title = frame->Metrics().Title;
  std::vector<bool> column(static_cast<std::size_t>(shot.Width()), false);
  int top = title, bottom = -1;
  for (int y = 0; y < title; ++y) {
    for (int x = 0; x < shot.Width(); ++x) {
      if ((shot.Pixel(x, y) & 0xFFFFFF) != inkPixel) continue;
      column[static_cast<std::size_t>(x)] = true;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(bottom, top) << "no caption text found";
  int right = shot.Width() - 1;
  while (right > 0 && !column[static_cast<std::size_t>(right)]) --right;
  // The text stops left of every visible title button.
  const auto& objects = frame->SysButtonObjects().Objects();
  for (const auto& object : objects) {
    if (object.Visible && object.Bounds.Left > shot.Width() / 2) {
      EXPECT_LT(right, object.Bounds.Left);
    }
  }
  // It ends in three dots: three narrow runs of inked columns, inked only in the text's lower half.
  std::vector<std::pair<int, int>> runs;
  for (int x = right; x >= 0 && runs.size() < 4;) {
    if (!column[static_cast<std::size_t>(x)]) {
      --x;
      continue;
    }
    const int end = x;
    while (x >= 0 && column[static_cast<std::size_t>(x)]) --x;
    runs.emplace_back(x + 1, end);
  }
  ASSERT_GE(runs.size(), 4u);
  const int middle = (top + bottom) / 2;
  for (int i = 0; i < 3; ++i) {
    EXPECT_LE(runs[static_cast<std::size_t>(i)].second - runs[static_cast<std::size_t>(i)].first, 2) << "dot " << i;
    for (int x = runs[static_cast<std::size_t>(i)].first; x <= runs[static_cast<std::size_t>(i)].second; ++x) {
      for (int y = top; y < middle; ++y) EXPECT_NE(shot.Pixel(x, y) & 0xFFFFFF, inkPixel) << x << "," << y;
    }
  }
  // The letter before the dots reaches the upper half.
  bool upper = false;
  for (int x = runs[3].first; x <= runs[3].second; ++x) {
    for (int y = top; y < middle; ++y) upper = upper || (shot.Pixel(x, y) & 0xFFFFFF) == inkPixel;
  }
  EXPECT_TRUE(upper);
}

}  // namespace
}  // namespace varnelta
