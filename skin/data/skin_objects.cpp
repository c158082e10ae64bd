#include "skin/data/skin_objects.h"

namespace varnelta {

namespace {
constexpr TColor System(int index) { return 0xFF000000u | static_cast<TColor>(index); }
}  // namespace

std::array<TColor, kColourCount> TSkinElements::DefaultColours() {
  std::array<TColor, kColourCount> c{};
  c[kColourWindowText] = System(8);
  c[kColourTitleTextActive] = System(9);
  c[kColourTitleTextNoActive] = System(19);
  c[kColourButtonFace] = System(15);
  c[kColourButtonText] = System(18);
  c[kColourButtonHilight] = System(20);
  c[kColourButtonlight] = System(20);
  c[kColourButtonShadow] = System(16);
  c[kColourButtonDkShadow] = System(21);
  c[kColourHilightText] = System(14);
  c[kColourHilight] = System(13);
  c[kColourMenubar] = System(15);
  c[kColourMenuBarText] = System(7);
  c[kColourMenuText] = System(7);
  c[kColourMenu] = System(4);
  c[kColourFrame] = System(15);
  c[kColourScrollbar] = System(0);
  return c;
}

std::array<TColor, kCustomColourCount> TSkinElements::DefaultCustomColours() {
  std::array<TColor, kCustomColourCount> c{};
  c.fill(0xFFFFFF);
  return c;
}

void TSkinElements::Reset() { *this = TSkinElements(); }

std::vector<TSkinElements::TNamedSlot> TSkinElements::NamedSlots() const {
  return {
      {"BorderLeft", BorderLeft.get()},
      {"BorderRight", BorderRight.get()},
      {"BorderTop", BorderTop.get()},
      {"BorderBottom", BorderBottom.get()},
      {"Title", Title.get()},
      {"MenuBar", MenuBar.get()},
      {"Buttons", Buttons.get()},
      {"Progress", Progress.get()},
      {"ProgressChunk", ProgressChunk.get()},
      {"GroupBoxEdge", GroupBoxEdge.get()},
      {"GroupBox", GroupBox.get()},
      {"Tabs", Tabs.get()},
      {"StatusBarEdges", StatusBarEdges.get()},
      {"TabPane", TabPane.get()},
      {"ToolBars", ToolBars.get()},
      {"ComboButton", ComboButton.get()},
      {"SunkEdge", SunkEdge.get()},
      {"ExtraImages", ExtraImages.get()},
      {"Headerbar", Headerbar.get()},
      {"MenuItem", MenuItem.get()},
      {"MenuBackground", MenuBackground.get()},
      {"Scrollbar", Scrollbar.get()},
      {"HorzScroll", HorzScroll.get()},
      {"VertScroll", VertScroll.get()},
      {"HorzScrollThumb", HorzScrollThumb.get()},
      {"VertScrollThumb", VertScrollThumb.get()},
      {"TrackThumbHorz", TrackThumbHorz.get()},
      {"TrackThumbVert", TrackThumbVert.get()},
      {"TrackThumbLeft", TrackThumbLeft.get()},
      {"TrackThumbRight", TrackThumbRight.get()},
      {"TrackThumbUp", TrackThumbUp.get()},
      {"TrackThumbDown", TrackThumbDown.get()},
      {"UpDownHorz", UpDownHorz.get()},
      {"UpDownVert", UpDownVert.get()},
      {"Track", Track.get()},
      {"TrackVert", TrackVert.get()},
      {"ComboArrow", ComboArrow.get()},
      {"Toolbar", Toolbar.get()},
  };
}

}  // namespace varnelta
