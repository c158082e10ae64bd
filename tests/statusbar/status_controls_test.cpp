// The status bar and its panes as runtime controls under the window system: created from the
// main window's stored description, timers driven by calling their ticks (no waiting), paints
// counted through the controls' message handlers, handle counts checked over many ticks.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/handle_count.h"
#include "statusbar/win32/gdi_objects.h"
#include "statusbar/win32/rz_controls.h"
#include "statusbar/win32/system_sources.h"
#include "statusbar/win32/visual_styles.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

namespace sb = statusbar;
using testing::PumpPending;

// Visual styles switched by the test: inactive styles take the classic drawing branches.
class SwitchedStyles final : public sb::IVisualStyles {
 public:
  bool active = false;
  int themeChanges = 0;
  bool LibraryAvailable() override { return true; }
  bool Active() override { return active; }
  bool DrawStatusBackground(HDC dc, const RECT& rect) override { return Fill(dc, rect, RGB(10, 200, 10)); }
  bool DrawStatusPane(HDC dc, const RECT& rect) override { return Fill(dc, rect, RGB(10, 10, 200)); }
  bool DrawGripper(HDC dc, const RECT& rect) override { return Fill(dc, rect, RGB(200, 10, 10)); }
  bool DrawStatusText(HDC, const std::wstring&, const RECT&) override { return true; }
  void ThemeChanged() override { ++themeChanges; }

 private:
  static bool Fill(HDC dc, const RECT& rect, COLORREF color) {
    sb::TBrushObject brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
    return true;
  }
};

// Counts the paints a control receives, keeping its own handling.
class PaintCounter {
 public:
  explicit PaintCounter(TControl& control) : control_(control), saved_(control.WindowProc) {
    control.WindowProc = [this](TMessage& m) {
      if (m.Msg == WM_PAINT) ++paints;
      saved_(m);
    };
  }
  ~PaintCounter() { control_.WindowProc = saved_; }
  int paints = 0;

 private:
  TControl& control_;
  TWndMethod saved_;
};

std::array<long, static_cast<std::size_t>(THandleKind::Count)> LiveHandles() {
  std::array<long, static_cast<std::size_t>(THandleKind::Count)> counts{};
  for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = HandleCounter::Live(static_cast<THandleKind>(i));
  return counts;
}

class StatusBarOnMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    PumpPending();
    bar = dynamic_cast<TRzStatusBar*>(form->FindComponent("RzStatusBar1"));
    credit = dynamic_cast<TRzStatusPane*>(form->FindComponent("RzStatusPane1"));
    marquee = dynamic_cast<TRzMarqueeStatus*>(form->FindComponent("RzMarqueeStatus1"));
    clock = dynamic_cast<TRzClockStatus*>(form->FindComponent("RzClockStatus1"));
    ASSERT_TRUE(bar && credit && marquee && clock);
    UpdateWindow(bar->Handle());
  }
  void TearDown() override {
    form.reset();
    PumpPending();
  }
  // Flushes pending paints of the bar (and so of its panes) without running any timer.
  void Flush() { UpdateWindow(bar->Handle()); }

  std::unique_ptr<TForm1> form;
  TRzStatusBar* bar = nullptr;
  TRzStatusPane* credit = nullptr;
  TRzMarqueeStatus* marquee = nullptr;
  TRzClockStatus* clock = nullptr;
};

TEST_F(StatusBarOnMainWindow, BarAndPanesComeFromTheStoredDescriptionInPlace) {
  EXPECT_EQ(bar->Parent(), form.get());
  EXPECT_EQ(bar->Align(), alBottom);
  EXPECT_EQ(bar->BoundsRect(), Bounds(0, 382, 586, 19));
  EXPECT_EQ(bar->TabOrder(), 5);
  EXPECT_TRUE(bar->AutoStyle());
  EXPECT_EQ(bar->BorderOuter(), sb::fsNone);
  EXPECT_EQ(bar->BorderInner(), sb::fsNone);
  EXPECT_EQ(bar->BorderSides(), sb::sdAllSides);
  EXPECT_EQ(bar->BorderWidth(), 0);
  EXPECT_EQ(bar->Caption(), L"");

  EXPECT_EQ(credit->Parent(), bar);
  EXPECT_EQ(credit->BoundsRect(), Bounds(0, 0, 150, 19));
  EXPECT_EQ(credit->Caption(), L"【Quillmere】");
  EXPECT_EQ(marquee->Parent(), bar);
  EXPECT_EQ(marquee->BoundsRect(), Bounds(150, 0, 280, 19));
  const std::wstring caption = marquee->Caption();
  EXPECT_EQ(caption.rfind(L"Varnelta (一款可以将迅雷、旋风、快车、Rayfile、http链接互转软件)    【Quillmere】 ", 0), 0u);
  EXPECT_NE(caption.find(L".example"), std::wstring::npos);
  EXPECT_EQ(clock->Parent(), bar);
  EXPECT_EQ(clock->BoundsRect(), Bounds(430, 0, 141, 19));
  EXPECT_EQ(clock->Format(), L"dddddd tt");
  // The clock shows its first text as soon as it has been loaded: long date, blank, long time.
  const sb::TLocaleFormats locale = sb::ReadLocaleFormats();
  EXPECT_FALSE(clock->Caption().empty());
  EXPECT_NE(clock->Caption().find(L' '), std::wstring::npos);
  (void)locale;

  // Every pane defaults: flat frame, one pixel of border, transparent on the bar's colour.
  for (TRzCustomStatusPane* pane : {static_cast<TRzCustomStatusPane*>(credit),
                                    static_cast<TRzCustomStatusPane*>(marquee),
                                    static_cast<TRzCustomStatusPane*>(clock)}) {
    EXPECT_EQ(pane->FrameStyle(), sb::fsFlat);
    EXPECT_EQ(pane->BorderWidth(), 1);
    EXPECT_TRUE(pane->Transparent());
    EXPECT_EQ(pane->Color(), bar->Color());
  }
  // One pass of the marquee: caption width plus the pane's width.
  EXPECT_EQ(marquee->Steps(), sb::CaptionWidth(marquee->Font()->Handle(), caption) + 280);
  EXPECT_EQ(marquee->ScrollTimer().Interval(), 100);
  EXPECT_TRUE(marquee->ScrollTimer().Running());
}

TEST_F(StatusBarOnMainWindow, NoSizeGripOnTheFixedMainWindow) {
  EXPECT_FALSE(bar->SizeGripValid());
  EXPECT_FALSE(bar->GripOperatesAt({584, 10}));
}

TEST_F(StatusBarOnMainWindow, ClockRepaintsOncePerSecondAlthoughPolledTwice) {
  const sb::TDateTime start = sb::ToDateTime({2026, 12, 8, 10, 20, 30, 0});
  sb::TDateTime now = start;
  clock->OnGetDateTime = [&](TComponent*, sb::TDateTime& value) { value = now; };
  int expired = 0;
  clock->OnTimerExpired = {"", [&](TComponent*) { ++expired; }};
  Flush();
  PaintCounter counter(*clock);
  std::vector<std::wstring> texts;
  for (int tick = 0; tick < 8; ++tick) {
    now = start + tick * 0.5 / 86400.0;
    sb::TRzPollingList::Tick();
    Flush();
    texts.push_back(clock->Caption());
  }
  EXPECT_EQ(expired, 8);
  // Eight polls over four seconds: the first shows the new time, then one change a second.
  EXPECT_EQ(counter.paints, 4);
  EXPECT_EQ(texts[0], texts[1]);
  EXPECT_NE(texts[1], texts[2]);
  EXPECT_EQ(texts[2], texts[3]);
  EXPECT_EQ(clock->Caption(), sb::FormatDateTime(L"dddddd tt", sb::FromDateTime(now), sb::ReadLocaleFormats()));
}

TEST_F(StatusBarOnMainWindow, TwoClocksShareOneTickAndOneInterval) {
  auto* second = new TRzClockStatus(form.get());
  second->SetParent(bar);
  second->SetFormat(L"hh:nn:ss");
  const sb::TDateTime at = sb::ToDateTime({2030, 1, 2, 3, 4, 5, 0});
  auto fixed = [at](TComponent*, sb::TDateTime& value) { value = at; };
  clock->OnGetDateTime = fixed;
  second->OnGetDateTime = fixed;
  sb::TRzPollingList::Tick();
  EXPECT_EQ(second->Caption(), L"03:04:05");
  EXPECT_EQ(clock->Caption(), sb::FormatDateTime(L"dddddd tt", sb::FromDateTime(at), sb::ReadLocaleFormats()));
  second->SetInterval(700);
  EXPECT_EQ(clock->Interval(), 700);
  clock->SetInterval(500);
  EXPECT_EQ(second->Interval(), 500);
  delete second;
  EXPECT_EQ(sb::TRzPollingList::Instance()->Count(), 1u);
}

TEST_F(StatusBarOnMainWindow, MarqueeStepsWithoutRepaintingTheFrame) {
  Flush();
  PaintCounter marqueePaints(*marquee);
  PaintCounter barPaints(*bar);
  const int first = marquee->Step();
  // A sentinel colour over the whole pane, straight on the bar's window.
  HWND window = bar->Handle();
  const COLORREF sentinel = RGB(255, 0, 255);
  {
    TWindowDC dc(window);
    sb::TBrushObject brush(CreateSolidBrush(sentinel));
    RECT pane{150, 0, 430, 19};
    FillRect(dc.Get(), &pane, brush.Get());
  }
  for (int i = 0; i < 40; ++i) marquee->ScrollTick();
  EXPECT_EQ(marquee->Step(), (first + 40) % marquee->Steps());
  RECT update;
  EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
  Flush();
  EXPECT_EQ(marqueePaints.paints, 0);
  EXPECT_EQ(barPaints.paints, 0);
  // Only the interior was drawn: the frame's place keeps the sentinel, the interior does not.
  TWindowDC dc(window);
  EXPECT_EQ(GetPixel(dc.Get(), 150, 9), sentinel);
  EXPECT_EQ(GetPixel(dc.Get(), 429, 9), sentinel);
  EXPECT_EQ(GetPixel(dc.Get(), 150 + 140, 0), sentinel);
  EXPECT_NE(GetPixel(dc.Get(), 150 + 140, 9), sentinel);
}

TEST_F(StatusBarOnMainWindow, HiddenMarqueeFreezesItsStepAndAnEmptyCaptionStillCycles) {
  for (int i = 0; i < 5; ++i) marquee->ScrollTick();
  const int step = marquee->Step();
  marquee->Hide();
  for (int i = 0; i < 5; ++i) marquee->ScrollTick();
  EXPECT_EQ(marquee->Step(), step);
  marquee->Show();
  marquee->ScrollTick();
  EXPECT_EQ(marquee->Step(), step + 1);

  marquee->SetCaption(L"");
  EXPECT_EQ(marquee->Steps(), 280);
  int wraps = 0;
  int last = marquee->Step();
  for (int i = 0; i < 600; ++i) {
    marquee->ScrollTick();
    if (marquee->Step() < last) ++wraps;
    last = marquee->Step();
  }
  EXPECT_EQ(wraps, 2);

  // ScrollSize 0 is stored as 1; stopping rewinds and stops the timer.
  marquee->SetScrollSize(0);
  EXPECT_EQ(marquee->ScrollSize(), 1);
  marquee->SetScrolling(false);
  EXPECT_EQ(marquee->Step(), 0);
  EXPECT_FALSE(marquee->ScrollTimer().Running());
  marquee->SetScrolling(true);
  EXPECT_TRUE(marquee->ScrollTimer().Running());
}

TEST_F(StatusBarOnMainWindow, BlinkingPaneAlternatesItsTextColour) {
  credit->SetBlinking(true);
  const TColor normal = credit->Font()->Color();
  std::vector<TColor> colors;
  for (int i = 0; i < 4; ++i) {
    sb::TRzBlinkingControlsList::Tick();
    colors.push_back(credit->CurrentTextColor());
  }
  EXPECT_NE(colors[0], colors[1]);
  EXPECT_EQ(colors[0], colors[2]);
  EXPECT_TRUE(colors[0] == normal || colors[0] == clHighlight);
  EXPECT_TRUE(colors[1] == normal || colors[1] == clHighlight);
  credit->SetBlinking(false);
  EXPECT_EQ(credit->CurrentTextColor(), normal);
  EXPECT_EQ(credit->Perform(sb::kBlinkQueryMessage), 0);
}

TEST_F(StatusBarOnMainWindow, HandleCountsStayFlatOverManySimulatedTicks) {
  // Warm up once so lazily made objects (the bar's background image, the marquee's image) exist.
  marquee->ScrollTick();
  sb::TRzPollingList::Tick();
  Flush();
  const auto before = LiveHandles();
  const int gdiBefore = sb::LiveGdiObjects();
  // Ten minutes of the marquee's 100 ms steps, the polling and the blinking timers.
  for (int i = 0; i < 6000; ++i) {
    marquee->ScrollTick();
    if (i % 5 == 0) {
      sb::TRzPollingList::Tick();
      sb::TRzBlinkingControlsList::Tick();
      Flush();
    }
  }
  EXPECT_EQ(LiveHandles(), before);
  EXPECT_EQ(sb::LiveGdiObjects(), gdiBefore);
}

TEST_F(StatusBarOnMainWindow, SimpleModeHidesAndShowsThePanes) {
  bar->SetSimpleStatus(true);
  EXPECT_FALSE(credit->Visible());
  EXPECT_FALSE(marquee->Visible());
  EXPECT_FALSE(clock->Visible());
  bar->SetSimpleStatus(false);
  EXPECT_TRUE(credit->Visible() && marquee->Visible() && clock->Visible());
  EXPECT_EQ(clock->BoundsRect(), Bounds(430, 0, 141, 19));
}

TEST_F(StatusBarOnMainWindow, ThemeChangedMessageRereadsTheScheme) {
  SwitchedStyles styles;
  sb::TScopedVisualStyles scoped(styles);
  SendMessageW(bar->Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(styles.themeChanges, 1);
}

TEST_F(StatusBarOnMainWindow, FlatOuterFrameClearsAutoStyleAndMovesThePanesIn) {
  SwitchedStyles styles;
  sb::TScopedVisualStyles scoped(styles);
  bar->SetBorderOuter(sb::fsFlat);
  EXPECT_FALSE(bar->AutoStyle());
  EXPECT_EQ(credit->BoundsRect(), Bounds(1, 1, 150, 17));
  sb::TDibImage image(586, 19);
  ASSERT_TRUE(image.Valid());
  bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.DC()), 0);
  const COLORREF flat = sb::AdjustColor(clBtnShadow, 30, sb::WindowsSystemColors());
  EXPECT_EQ(image.Pixel(0, 9), flat);
  EXPECT_EQ(image.Pixel(300, 0), flat);
  EXPECT_EQ(image.Pixel(585, 9), flat);
  EXPECT_EQ(image.Pixel(300, 18), flat);
  // Back to the standard look: nothing is drawn around the bar.
  bar->SetBorderOuter(sb::fsNone);
  EXPECT_EQ(credit->BoundsRect(), Bounds(0, 0, 150, 19));
}

TEST_F(StatusBarOnMainWindow, ActiveVisualStylesPaintTheThemedBarAndPanes) {
  SwitchedStyles styles;
  styles.active = true;
  sb::TScopedVisualStyles scoped(styles);
  sb::TDibImage image(586, 19);
  ASSERT_TRUE(image.Valid());
  bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.DC()), 0);
  // The panes' theme element covers each pane; the bar's background shows right of the clock.
  EXPECT_EQ(image.Pixel(0, 0), RGB(10, 10, 200));
  EXPECT_EQ(image.Pixel(151, 9), RGB(10, 10, 200));
  EXPECT_EQ(image.Pixel(580, 9), RGB(10, 200, 10));
  // No gripper on the fixed window, even themed.
  EXPECT_NE(image.Pixel(585, 17), RGB(200, 10, 10));
}

TEST_F(StatusBarOnMainWindow, GradientBarDrawsSeparatorsBetweenPanesOnly) {
  SwitchedStyles styles;
  sb::TScopedVisualStyles scoped(styles);
  bar->SetVisualStyle(sb::vsGradient);
  sb::TDibImage image(586, 19);
  ASSERT_TRUE(image.Valid());
  bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.DC()), 0);
  const COLORREF separator = sb::AdjustColor(clBtnFace, -40, sb::WindowsSystemColors());
  // A pane's separator is its left line, one pixel in (its border width), top and bottom spared.
  EXPECT_EQ(image.Pixel(151, 9), separator);
  EXPECT_EQ(image.Pixel(431, 9), separator);
  EXPECT_NE(image.Pixel(151, 1), separator);
  EXPECT_EQ(image.Pixel(151, 2), separator);
  // The pane at the bar's left end has none.
  EXPECT_NE(image.Pixel(1, 9), separator);
}

// A bar on a form of its own.
class StatusBarOnOwnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterStatusBarControls();
    Application().Initialize();
    form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsSizeable);
    form->SetClientWidth(400);
    form->SetClientHeight(120);
    bar = new TRzStatusBar(form.get());
    bar->SetParent(form.get());
    pane = new TRzStatusPane(form.get());
    pane->SetParent(bar);
    pane->SetAlign(alLeft);
    form->Show();
    PumpPending();
  }
  void TearDown() override {
    form.reset();
    PumpPending();
  }
  std::unique_ptr<TForm> form;
  TRzStatusBar* bar = nullptr;
  TRzStatusPane* pane = nullptr;
};

TEST_F(StatusBarOnOwnForm, SizeableFormGetsTheGripUntilMaximised) {
  SwitchedStyles styles;
  sb::TScopedVisualStyles scoped(styles);
  ASSERT_EQ(bar->Width(), 400);
  EXPECT_TRUE(bar->SizeGripValid());
  EXPECT_TRUE(bar->GripOperatesAt({395, 10}));
  EXPECT_FALSE(bar->GripOperatesAt({380, 10}));
  sb::TDibImage image(400, 19);
  ASSERT_TRUE(image.Valid());
  bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.DC()), 0);
  // The lowest square of the highlight row: (R - 5, B - 4) with R = 400, B = 18.
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(image.Pixel(396, 15), highlight);
  EXPECT_EQ(image.Pixel(394, 13), shadow);
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  PumpPending();
  EXPECT_FALSE(bar->SizeGripValid());
  ShowWindow(form->Handle(), SW_RESTORE);
  PumpPending();
}

TEST_F(StatusBarOnOwnForm, AutoScalePanesWidensAHundredPixelPaneToOneHundredTwentyFive) {
  bar->SetAutoScalePanes(true);
  ASSERT_EQ(bar->Width(), 400);
  ASSERT_EQ(pane->Width(), 100);
  form->SetClientWidth(500);
  PumpPending();
  EXPECT_EQ(bar->Width(), 500);
  EXPECT_EQ(pane->Width(), 125);
}

TEST_F(StatusBarOnOwnForm, AutoSizedPaneWithEmptyCaptionTakesItsDefaultWidth) {
  pane->SetAutoSize(true);
  EXPECT_EQ(pane->Width(), 40);
  pane->SetCaption(L"abc");
  EXPECT_EQ(pane->Width(), 2 + sb::CaptionWidth(pane->Font()->Handle(), L"abc") + 2 + 6);
}

TEST_F(StatusBarOnOwnForm, OpaquePaneFollowsTheBarColourUntilItsFillColourIsSet) {
  pane->SetTransparent(false);
  bar->SetColor(RGB(10, 20, 30));
  EXPECT_EQ(pane->FillColor(), static_cast<TColor>(RGB(10, 20, 30)));
  pane->SetFillColor(RGB(200, 100, 50));
  bar->SetColor(RGB(40, 50, 60));
  EXPECT_EQ(pane->FillColor(), static_cast<TColor>(RGB(200, 100, 50)));
  EXPECT_FALSE(pane->ParentFillColor());
}

TEST_F(StatusBarOnOwnForm, AutoHintPaneShowsTheHintOfTheControlUnderTheMouse) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 100, 21);
  edit->SetHint(L"输入普通链接的下载地址：");
  pane->SetCaption(L"ready");
  auto* plain = new TRzStatusPane(form.get());
  plain->SetParent(bar);
  plain->SetCaption(L"plain");
  pane->SetAutoHint(true);
  PumpPending();

  // A real mouse move through the application's message loop.
  PostMessageW(edit->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  Application().ProcessMessages();
  EXPECT_EQ(Application().Hint(), L"输入普通链接的下载地址：");
  EXPECT_EQ(pane->Caption(), L"输入普通链接的下载地址：");
  EXPECT_EQ(plain->Caption(), L"plain");
  PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 5));
  Application().ProcessMessages();
  EXPECT_EQ(pane->Caption(), L"");

  // Switched off (or freed), the pane no longer hears it.
  pane->SetAutoHint(false);
  Application().SetHint(L"x");
  EXPECT_EQ(pane->Caption(), L"");
  plain->SetAutoHint(true);
  delete plain;
  Application().SetHint(L"y");
  Application().SetHint(L"");
}

TEST_F(StatusBarOnOwnForm, FrameControllerSettingsReachItsPanesAsFarAsTheyAllow) {
  auto* controller = new TRzFrameController(form.get());
  controller->SetFrameStyle(sb::fsGroove);
  controller->SetFrameColor(RGB(1, 2, 3));
  controller->SetColor(RGB(9, 8, 7));
  auto* second = new TRzStatusPane(form.get());
  second->SetParent(bar);
  second->SetFrameControllerNotifications(kAllFrameControllerNotifications & ~(1 << fcpFrameStyle));

  pane->SetFrameController(controller);
  second->SetFrameController(controller);
  EXPECT_EQ(pane->FrameStyle(), sb::fsGroove);
  EXPECT_EQ(pane->FlatColor(), static_cast<TColor>(RGB(1, 2, 3)));
  EXPECT_EQ(pane->FlatColorAdjustment(), 0);
  EXPECT_EQ(pane->FillColor(), static_cast<TColor>(RGB(9, 8, 7)));
  EXPECT_EQ(second->FrameStyle(), sb::fsFlat);  // its notifications leave the style out
  EXPECT_EQ(second->FlatColor(), static_cast<TColor>(RGB(1, 2, 3)));

  // A change reaches every attached pane; a hidden frame pushes nothing.
  controller->SetFrameColor(RGB(4, 5, 6));
  EXPECT_EQ(pane->FlatColor(), static_cast<TColor>(RGB(4, 5, 6)));
  EXPECT_EQ(second->FlatColor(), static_cast<TColor>(RGB(4, 5, 6)));
  controller->SetFrameVisible(false);
  controller->SetFrameColor(RGB(7, 7, 7));
  EXPECT_EQ(pane->FlatColor(), static_cast<TColor>(RGB(4, 5, 6)));

  // Freeing either side leaves no dangling link.
  delete second;
  delete controller;
  EXPECT_EQ(pane->FrameController(), nullptr);
  pane->Repaint();
}

}  // namespace
}  // namespace varnelta
