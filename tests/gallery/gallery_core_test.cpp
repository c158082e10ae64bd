// The gallery's portable parts: how page descriptions are made fit for the runtime, the page
// order, the command line, the contact sheet's layout, the skin file check and the readable
// text colour.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gallery/gallery_args.h"
#include "gallery/page_description.h"
#include "gallery/sheet_layout.h"
#include "gallery/skin_file_check.h"
#include "gallery/text_colour.h"
#include "runtime/class_registry.h"
#include "runtime/component.h"
#include "runtime/filer.h"
#include "runtime/memory_stream.h"
#include "runtime/form_reader.h"
#include "skin/data/skin_writer.h"

namespace varnelta::gallery {
namespace {

// A component class the "runtime" of these tests knows: an integer, an event and a binary
// property.
class TWidget : public TComponent {
  VARNELTA_CLASS()
 public:
  using TComponent::TComponent;
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  TNotifyEvent OnPoke;
  std::vector<std::uint8_t> blob;
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Blob", [this](TMemoryStream& s) { blob.assign(s.Bytes().begin(), s.Bytes().end()); },
        [this](TMemoryStream& s) { s.Write(blob.data(), blob.size()); }, false);
  }
  std::vector<TComponent*> StoredChildren(const TComponent*) const override { return {}; }

 private:
  int count_ = 0;
};

const TClassInfo& TWidget::StaticClass() {
  static const TClassInfo info{"TWidget",
                               &TComponent::StaticClass(),
                               {IntProperty("Count", &TWidget::Count, &TWidget::SetCount, 0),
                                EventProperty("OnPoke", &TWidget::OnPoke)},
                               [](TComponent* owner) -> TComponent* { return new TWidget(owner); }};
  return info;
}

// The root a page is read into; it offers every "...Click" handler.
class TPageRoot : public TWidget {
  VARNELTA_CLASS()
 public:
  using TWidget::TWidget;
  TNotifyEvent FindMethod(std::string_view name) override {
    return {std::string(name), [this](TComponent*) { ++clicks; }};
  }
  int clicks = 0;
};

const TClassInfo& TPageRoot::StaticClass() {
  static const TClassInfo info{"TPageRoot", &TWidget::StaticClass(), {}, {}};
  return info;
}

bool ClickHandler(std::string_view name) { return name.ends_with("Click"); }

TEST(PageDescription, LeavesOutWhatTheRuntimeCannotRead) {
  RegisterComponentClass(TWidget::StaticClass());
  TFormObject page = ParseFormText(R"(object TextPage: TPageRoot
  Count = 3
  Caption = 'not a property of the root'
  object Known: TWidget
    Count = 7
    Colour = clRed
    Font.Height = -11
    OnPoke = KnownClick
    Blob = {0102}
  end
  object Changer: TWidget
    OnPoke = ChangerChange
  end
  object Future: TNotYetWritten
    Count = 1
    object Inner: TWidget
    end
  end
end
)");
  const TPageFilterReport report = FilterPageDescription(page, TPageRoot::StaticClass(), ClickHandler);
  EXPECT_EQ(report.SkippedObjects, std::vector<std::string>{"Future: TNotYetWritten"});
  EXPECT_EQ(report.SkippedProperties,
            (std::vector<std::string>{"TextPage.Caption", "Known.Colour", "Known.Font.Height",
                                      "Changer.OnPoke"}));
  ASSERT_EQ(page.Children.size(), 2u);
  EXPECT_EQ(page.Children[0].Properties.size(), 3u);  // Count, OnPoke, Blob

  // What is left reads without an error, the click handler bound.
  TPageRoot root(nullptr);
  ReadComponent(root, page);
  auto* known = dynamic_cast<TWidget*>(root.FindComponent("Known"));
  ASSERT_NE(known, nullptr);
  EXPECT_EQ(root.Count(), 3);
  EXPECT_EQ(known->Count(), 7);
  EXPECT_EQ(known->blob, (std::vector<std::uint8_t>{1, 2}));
  known->OnPoke(known);
  EXPECT_EQ(root.clicks, 1);
  EXPECT_EQ(root.FindComponent("Inner"), nullptr);
}

TEST(PageDescription, PagesComeInTheGalleryOrderAndAreFoundByName) {
  std::vector<std::string> names;
  for (const TPageName& page : GalleryPageNames()) names.push_back(page.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Buttons", "Choices", "Text", "Ranges", "Lists", "Panels",
                                             "Others", "Menus"}));
  EXPECT_EQ(FindGalleryPage("text"), 2);
  EXPECT_EQ(FindGalleryPage("MENUS"), 7);
  EXPECT_EQ(FindGalleryPage("Tex"), -1);
}

TEST(GalleryArgs, ParsesTheCommandLine) {
  struct Case {
    std::vector<std::wstring> args;
    bool ok;
    std::wstring skin, page, sheet;
    bool bench;
  };
  const std::vector<Case> cases{
      {{}, true, L"", L"", L"", false},
      {{L"my.skin"}, true, L"my.skin", L"", L"", false},
      {{L"--page", L"Text", L"a.skin", L"--sheet", L"out.bmp", L"--bench"}, true, L"a.skin", L"Text", L"out.bmp", true},
      {{L"--page"}, false, L"", L"", L"", false},
      {{L"--sheet", L""}, false, L"", L"", L"", false},
      {{L"a.skin", L"b.skin"}, false, L"", L"", L"", false},
      {{L"--colour"}, false, L"", L"", L"", false},
  };
  for (const Case& c : cases) {
    std::wstring error;
    const auto parsed = ParseGalleryArgs(c.args, error);
    ASSERT_EQ(parsed.has_value(), c.ok) << c.args.size();
    if (!parsed) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(parsed->SkinFile, c.skin);
    EXPECT_EQ(parsed->Page, c.page);
    EXPECT_EQ(parsed->Sheet, c.sheet);
    EXPECT_EQ(parsed->Bench, c.bench);
  }
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TEST(SheetLayout, EveryCaptureHasItsOwnCellInsideTheSheet) {
  TSheetMetrics m;
  const std::vector<TPoint> sizes{{75, 25}, {500, 400}, {121, 21}, {0, 0}};
  const TSheetLayout layout = LayOutSheet(sizes, m);
  ASSERT_EQ(layout.Cells.size(), sizes.size());
  std::vector<TRect> all(layout.StateHeaders.begin(), layout.StateHeaders.end());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    all.push_back(layout.Labels[i]);
    for (const TRect& cell : layout.Cells[i]) {
      EXPECT_LE(cell.Width(), m.MaxCellWidth);
      EXPECT_LE(cell.Height(), m.MaxCellHeight);
      EXPECT_GE(cell.Left, layout.Labels[i].Right);
      EXPECT_LE(cell.Right, layout.Width - m.Margin);
      EXPECT_LE(cell.Bottom, layout.Height - m.Margin);
      EXPECT_GE(cell.Top, layout.HeaderHeight);
      all.push_back(cell);
    }
  }
  // The small control keeps its own size; the large one is cut to the limit.
  EXPECT_EQ(layout.Cells[0][2].Width(), 75);
  EXPECT_EQ(layout.Cells[0][2].Height(), 25);
  EXPECT_EQ(layout.Cells[1][0].Width(), m.MaxCellWidth);
  for (std::size_t a = 0; a < all.size(); ++a) {
    for (std::size_t b = a + 1; b < all.size(); ++b) {
      const bool both = !all[a].IsEmpty() && !all[b].IsEmpty();
      EXPECT_FALSE(both && Overlap(all[a], all[b])) << a << " " << b;
    }
  }
  EXPECT_GT(LayOutSheet({}, m).Height, 0);
}

TEST(SheetLayout, ControlsThatDoNotFitOneSheetGoOnTheNextInOrder) {
  TSheetMetrics m;
  const std::vector<TPoint> rows(10, TPoint{100, 50});
  const auto pixels = [&](std::size_t from, std::size_t to) {
    const TSheetLayout l = LayOutSheet({rows.begin() + static_cast<std::ptrdiff_t>(from),
                                        rows.begin() + static_cast<std::ptrdiff_t>(to)}, m);
    return std::int64_t{l.Width} * l.Height;
  };
  EXPECT_EQ(SplitSheets(rows, m, pixels(0, 10)), (std::vector<std::size_t>{0}));
  // Room for four rows: 4 + 4 + 2, each sheet as full as the limit allows.
  EXPECT_EQ(SplitSheets(rows, m, pixels(0, 4)), (std::vector<std::size_t>{0, 4, 8}));
  EXPECT_EQ(SplitSheets(rows, m, pixels(0, 5) - 1), (std::vector<std::size_t>{0, 4, 8}));
  // Not even one row fits: one row per sheet, never an empty sheet.
  EXPECT_EQ(SplitSheets({{100, 50}, {100, 50}}, m, 1), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(SplitSheets({}, m, 1), (std::vector<std::size_t>{0}));
}

std::vector<std::uint8_t> Packed(const std::string& ini, bool withPicture) {
  std::vector<TSkinEntry> entries{{"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())}};
  if (withPicture) {
    // A 1 x 1 pixel 24-bit bitmap.
    std::vector<std::uint8_t> bmp{'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0};
    bmp.resize(58, 0);
    bmp[34] = 4;
    entries.push_back({"left.bmp", bmp});
  }
  return CompressSkinStream(BuildSkinArchive(40000, entries));
}

TEST(SkinFileCheck, OnlyASoundSkinIsShown) {
  const std::string ini = "[Personality]\r\nLeft=left.bmp\r\n";
  EXPECT_EQ(SkinStreamProblem(Packed(ini, true)), "");
  EXPECT_EQ(SkinStreamProblem({}), "empty file");
  EXPECT_NE(SkinStreamProblem(Packed(ini, false)).find("left.bmp"), std::string::npos);
  const std::vector<std::uint8_t> garbage{'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'};
  EXPECT_FALSE(SkinStreamProblem(garbage).empty());
  // The file cut short: its last entry is made up from nothing.
  std::vector<std::uint8_t> cut = Packed(ini, true);
  cut.resize(cut.size() - 6);
  EXPECT_NE(SkinStreamProblem(cut).find("damaged"), std::string::npos);
  // The real stored skin is sound.
  std::ifstream stored(VARNELTA_STORED_SKIN, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stored), {}};
  EXPECT_EQ(SkinStreamProblem(bytes), "");
}

TEST(TextColour, TextReadsOnItsBackground) {
  struct Case {
    std::uint32_t back;
    std::uint32_t light;
    TColor expected;
  };
  const std::vector<Case> cases{
      {0xF5EBE6, 0xECE3DD, clWindowText},  // light face: the system's black
      {0xFFFFFF, 0xECE3DD, clWindowText},  // white field
      {0x372922, 0xECE3DD, 0xECE3DD},      // dark slate face: the skin's light text
      {0x000000, 0xFFFFFF, 0xFFFFFF},
      {0x372922, 0x202020, clWindowText},  // a "light" text that reads worse than black
  };
  for (const Case& c : cases) EXPECT_EQ(ReadableTextColour(c.back, c.light), c.expected) << std::hex << c.back;
  EXPECT_NEAR(Luminance(0xFFFFFF), 1.0, 1e-9);
  EXPECT_NEAR(Luminance(0x000000), 0.0, 1e-9);
}

}  // namespace
}  // namespace varnelta::gallery
