// The window layer with real windows: message handlers, the control property, subclassed
// standard controls, windowless controls painted by their parent and fed its mouse messages,
// alignment, timers and the counted handles.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "runtime/application.h"
#include "runtime/bitmap.h"
#include "runtime/custom_panel.h"
#include "runtime/form.h"
#include "runtime/form_reader.h"
#include "runtime/handle_count.h"
#include "runtime/std_controls.h"
#include "runtime/timer.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::PumpPending;
using testing::PumpUntil;

class TSpot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int paints = 0;
  std::vector<TPoint> downs;
  int enters = 0;
  int leaves = 0;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_LBUTTONDOWN) downs.push_back({static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))});
    if (m.Msg == CM_MOUSEENTER) ++enters;
    if (m.Msg == CM_MOUSELEAVE) ++leaves;
    TGraphicControl::WndProc(m);
  }

 protected:
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(0x0000FF);  // red
    Canvas().FillRect(ClientRect());
  }
};

class TPanelLike : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    form->SetPosition(poScreenCenter);
  }
  void TearDown() override {
    form.reset();
    PumpPending();
  }
  COLORREF PixelAt(HWND window, int x, int y) {
    UpdateWindow(window);
    TWindowDC dc(window);
    return GetPixel(dc.Get(), x, y);
  }
  std::unique_ptr<TForm> form;
};

TEST_F(WindowTest, EveryWindowCarriesItsControlInTheNamedProperty) {
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* combo = new TComboBox(form.get());
  combo->SetParent(form.get());
  form->Show();
  char name[40];
  std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
                static_cast<unsigned>(GetCurrentThreadId()));
  ATOM atom = GlobalFindAtomA(name);
  ASSERT_NE(atom, 0);
  EXPECT_EQ(atom, ControlAtom());
  struct {
    TWinControl* control;
    const wchar_t* windowClass;
  } cases[] = {{form.get(), L"TForm"}, {button, L"Button"}, {edit, L"Edit"}, {combo, L"ComboBox"}};
  for (auto& c : cases) {
    HWND w = c.control->Handle();
    EXPECT_EQ(GetPropW(w, MAKEINTATOM(atom)), c.control);
    EXPECT_EQ(FindControl(w), c.control);
    EXPECT_EQ(_wcsicmp(testing::ClassOf(w).c_str(), c.windowClass), 0);
    // Subclassed: the window procedure is the runtime's.
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC)), &RuntimeWindowProc);
  }
  EXPECT_EQ(button->ClassName(), "TButton");
  EXPECT_TRUE(combo->InheritsFrom(TCustomComboBox::StaticClass()));
  // The combo box's own edit has no control: the nearest parent with one is found.
  HWND inner = GetWindow(combo->Handle(), GW_CHILD);
  EXPECT_EQ(FindControl(inner), nullptr);
  EXPECT_EQ(FindOwningControl(inner), combo);
}

TEST_F(WindowTest, AReplacedMessageHandlerSeesEveryMessageAndCanBePutBack) {
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  form->Show();
  int seen = 0;
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SETTEXT) ++seen;
    if (m.Msg == 0x3523) {  // answered here, never passed on
      m.Result = 1;
      return;
    }
    saved(m);
  };
  SetWindowTextW(button->Handle(), L"one");
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(testing::TextOf(button->Handle()), L"one");  // the saved handler still ran
  EXPECT_EQ(SendMessageW(button->Handle(), 0x3523, 0, 0), 1);
  button->WindowProc = saved;
  SetWindowTextW(button->Handle(), L"two");
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(SendMessageW(button->Handle(), 0x3523, 0, 0), 0);
  // A click notification reaches the button object through its parent.
  int clicks = 0;
  button->OnClick = {"", [&](TComponent*) { ++clicks; }};
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(WindowTest, WindowlessControlsArePaintedByTheirParentAndGetItsMouseMessages) {
  auto* spot = new TSpot(form.get());
  spot->SetBounds(40, 30, 50, 20);
  spot->SetParent(form.get());
  int clicks = 0;
  spot->OnClick = {"", [&](TComponent*) { ++clicks; }};
  form->Show();
  HWND w = form->Handle();
  InvalidateRect(w, nullptr, TRUE);
  EXPECT_EQ(PixelAt(w, 45, 35), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(w, 20, 20), GetSysColor(COLOR_BTNFACE));
  EXPECT_GE(spot->paints, 1);
  // Mouse messages arrive in the control's own coordinates.
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(50, 35));
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 35));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(52, 36));
  ASSERT_EQ(spot->downs.size(), 1u);
  EXPECT_EQ(spot->downs[0], (TPoint{10, 5}));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(spot->enters, 1);
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(spot->leaves, 1);
  // Released outside: no click.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 35));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
  EXPECT_EQ(clicks, 1);
  // Hidden controls are neither painted nor hit.
  spot->Hide();
  EXPECT_EQ(PixelAt(w, 45, 35), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(form->ControlAtPos({50, 35}), nullptr);
}

TEST_F(WindowTest, AlignedChildrenFollowTheirParentsSize) {
  auto* bar = new TPanelLike(form.get());
  bar->SetHeight(19);
  bar->SetAlign(alBottom);
  bar->SetParent(form.get());
  auto* pane = new TSpot(form.get());
  pane->SetWidth(100);
  pane->SetAlign(alLeft);
  pane->SetParent(bar);
  form->Show();
  EXPECT_EQ(bar->BoundsRect(), Bounds(0, 181, 300, 19));
  EXPECT_EQ(pane->BoundsRect(), Bounds(0, 0, 100, 19));
  RECT r = testing::ChildRect(bar->Handle());
  EXPECT_EQ(r.top, 181);
  form->SetClientHeight(250);
  PumpPending();
  EXPECT_EQ(bar->Top(), 231);
  EXPECT_EQ(testing::ChildRect(bar->Handle()).top, 231);
  // A panel paints its own colour; the pane on it is painted over that.
  bar->SetColor(0x00FF00);
  EXPECT_EQ(PixelAt(bar->Handle(), 150, 5), RGB(0, 255, 0));
  EXPECT_EQ(PixelAt(bar->Handle(), 50, 5), RGB(255, 0, 0));
}

TEST_F(WindowTest, ParentColourAndFontReachTheChildren) {
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  form->SetColor(clWhite);
  form->Font()->SetHeight(-15);
  EXPECT_EQ(label->Color(), clWhite);
  EXPECT_EQ(label->Font()->Height(), -15);
  EXPECT_EQ(button->Font()->Height(), -15);
  label->Font()->SetHeight(-9);  // its own font now
  EXPECT_FALSE(label->ParentFont());
  form->Font()->SetHeight(-11);
  EXPECT_EQ(label->Font()->Height(), -9);
  EXPECT_EQ(button->Font()->Height(), -11);
}

TEST_F(WindowTest, StandardControlsReadFromADescription) {
  RegisterStandardControls();
  ReadComponentText(*form, R"(object F: TForm
  Caption = 'Read'
  object C: TComboBox
    ItemIndex = 1
    Items = (
      'a'
      'b')
    TabOrder = 1
  end
  object M: TMemo
    Lines = (
      'one'
      'two')
    TabOrder = 0
  end
  object L: TLabel
    Caption = 'text'
    Color = clWhite
  end
end
)");
  auto* combo = dynamic_cast<TComboBox*>(form->FindComponent("C"));
  auto* memo = dynamic_cast<TMemo*>(form->FindComponent("M"));
  auto* label = dynamic_cast<TLabel*>(form->FindComponent("L"));
  ASSERT_TRUE(combo && memo && label);
  EXPECT_EQ(combo->ItemIndex(), 1);  // set before its items were read
  EXPECT_EQ(memo->TabOrder(), 0);
  EXPECT_EQ(combo->TabOrder(), 1);
  EXPECT_EQ(label->Color(), clWhite);
  EXPECT_FALSE(label->ParentColor());
  form->Show();
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(testing::TextOf(combo->Handle()), L"b");
  EXPECT_EQ(testing::TextOf(memo->Handle()), L"one\r\ntwo");
  EXPECT_EQ(GetNextDlgTabItem(form->Handle(), memo->Handle(), FALSE), combo->Handle());
  EXPECT_EQ(testing::TextOf(form->Handle()), L"Read");
  // Property access by name on real controls, as the skinners do it.
  EXPECT_EQ(GetStrProp(memo, "Text"), L"one\r\ntwo");
  EXPECT_EQ(GetEnumProp(memo, "WordWrap"), "True");
  EXPECT_EQ(GetOrdProp(combo, "ItemIndex"), 1);
  EXPECT_TRUE(SetEnumProp(label, "Transparent", "True"));
  EXPECT_TRUE(label->Transparent());
  EXPECT_EQ(GetObjectProp(label, "Font"), label->Font());
}

TEST_F(WindowTest, AnErrorInAHandlerIsReportedAndStaysInsideTheWindowProcedure) {
  form->SetMessageHandler(0x1401, [](TMessage&) { throw std::runtime_error("broken handler"); });
  form->Show();
  testing::MessageBoxCatcher box;
  SendMessageW(form->Handle(), 0x1401, 0, 0);
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.text, L"broken handler");
  EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(WindowTest, FormHandlesItsPrivateMessages) {
  int got = 0;
  form->SetMessageHandler(0x1400, [&](TMessage& m) {
    ++got;
    m.Result = 7;
  });
  form->Show();
  EXPECT_EQ(SendMessageW(form->Handle(), 0x1400, 0, 0), 7);
  PostMessageW(form->Handle(), 0x1400, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return got == 2; }));
}

TEST_F(WindowTest, TimersTickAndStop) {
  long before = HandleCounter::Live(THandleKind::Timer);
  TTimer timer(nullptr);
  timer.SetInterval(20);
  int ticks = 0;
  timer.SetOnTimer({"", [&](TComponent*) { ++ticks; }});
  EXPECT_TRUE(timer.Running());
  EXPECT_EQ(HandleCounter::Live(THandleKind::Timer), before + 1);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  EXPECT_EQ(HandleCounter::Live(THandleKind::Timer), before);
  int stopped = ticks;
  PumpPending();
  EXPECT_EQ(ticks, stopped);
}

TEST_F(WindowTest, HandlesAreCountedAndFreed) {
  long fonts = HandleCounter::Live(THandleKind::Font);
  long brushes = HandleCounter::Live(THandleKind::Brush);
  long windows = HandleCounter::Live(THandleKind::Window);
  {
    TFont font;
    ASSERT_NE(font.Handle(), nullptr);
    EXPECT_EQ(HandleCounter::Live(THandleKind::Font), fonts + 1);
    font.SetHeight(-20);  // a new handle replaces the old one
    font.Handle();
    EXPECT_EQ(HandleCounter::Live(THandleKind::Font), fonts + 1);
    TBrush brush;
    brush.Handle();
    EXPECT_EQ(HandleCounter::Live(THandleKind::Brush), brushes + 1);
  }
  EXPECT_EQ(HandleCounter::Live(THandleKind::Font), fonts);
  EXPECT_EQ(HandleCounter::Live(THandleKind::Brush), brushes);
  {
    TForm other(nullptr);
    auto* memo = new TMemo(&other);
    memo->SetParent(&other);
    other.HandleNeeded();
    EXPECT_EQ(HandleCounter::Live(THandleKind::Window), windows + 2);
  }
  EXPECT_EQ(HandleCounter::Live(THandleKind::Window), windows);
}

TEST_F(WindowTest, CanvasDrawsPortableBitmaps) {
  TBitmap bitmap(4, 3);
  bitmap.Fill(0x00FF00);  // green, as a colour
  bitmap.SetColour(1, 1, 0xFF0000);  // blue
  TWindowDC screen(nullptr);
  TMemoryDC dc(screen.Get());
  TBitmapHandle target(CreateCompatibleBitmap(screen.Get(), 8, 8));
  TSelectObject select(dc.Get(), target.Get());
  TCanvas canvas;
  canvas.SetHandle(dc.Get());
  canvas.Draw(2, 2, bitmap);
  EXPECT_EQ(GetPixel(dc.Get(), 2, 2), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(dc.Get(), 3, 3), RGB(0, 0, 255));
  canvas.Font().SetHeight(-30);
  EXPECT_GT(canvas.TextHeight(L"Pp"), 20);
  canvas.SetHandle(nullptr);
  TBitmapHandle dib = CreateBitmapHandle(bitmap);
  BITMAP info{};
  GetObjectW(dib.Get(), sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 4);
  EXPECT_EQ(info.bmHeight, 3);
}

}  // namespace
}  // namespace varnelta
