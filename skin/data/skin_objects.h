// The skin elements: pictures with their margins, frame counts and switches, as the skin
// description gives them, and TSkinElements, every element slot and colour table of one skin.
//
// The slot names are the vocabulary every painter uses. A slot held in a std::unique_ptr may be
// empty (its section was missing); the frame edges, Title and Buttons always exist.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/img_util.h"
#include "skin/data/system_values.h"

namespace varnelta {

// The system button text colour, the default of the second colour fields.
inline constexpr TColor kSystemButtonText = 0xFF000000u | kSysColourBtnText;
// A title colour the skin did not set.
inline constexpr TColor kColourNotSet = 0x1FFFFFFF;

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = default;
  TDataSkinObject& operator=(const TDataSkinObject&) = default;

  // Left, Top, Right, Bottom: the fixed border widths of each frame.
  TRect Margins;
  TBitmap Image;
  std::int32_t Trans = 0;
  std::int32_t Tile = 0;
  std::string Name;
  std::int32_t FrameCount = 0;
  std::int32_t Style = 0;
  std::int32_t NormalColour = -1;
  std::int32_t MouseOverColour = -1;
  std::int32_t PressedColour = -1;
  TColor NormalColour2 = kSystemButtonText;
  TColor MouseOverColour2 = kSystemButtonText;
  TColor PressedColour2 = kSystemButtonText;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap SecondImage;
};

class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  // Margins hold Left = TextShift, Top = TextShiftVert, Right = TextRightClip.
  std::int32_t TextAlignment = 0;
  std::int32_t TextBackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TextBackLeft = 0;
  std::int32_t TextBackRight = 0;
  TColor ActiveTextColour = kColourNotSet;
  TColor InactiveTextColour = kColourNotSet;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap CheckImage;
  TBitmap RadioImage;
  std::int32_t RadioFrameCount = 0;
  std::int32_t CheckFrameCount = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t XCoord = 0;
  std::int32_t YCoord = 0;
  std::int32_t CombineOp = -1;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};

// Indexes of the Colours table.
enum TSkinColourIndex : int {
  kColourWindowText = 0,
  kColourTitleTextActive = 1,
  kColourTitleTextNoActive = 2,
  kColourButtonFace = 3,
  kColourButtonText = 4,
  kColourButtonHilight = 5,
  kColourButtonlight = 6,
  kColourButtonShadow = 7,
  kColourButtonDkShadow = 8,
  kColourHilightText = 11,
  kColourHilight = 12,
  kColourMenubar = 13,
  kColourMenuBarText = 14,
  kColourMenuText = 15,
  kColourMenu = 16,
  kColourFrame = 17,
  kColourScrollbar = 18,
};
inline constexpr int kColourCount = 19;
inline constexpr int kCustomColourCount = 10;

template <typename T>
using TSlot = std::unique_ptr<T>;

// Every element slot and colour table of a skin. A new object holds the always-present
// elements, empty, and the system defaults in the colour tables.
struct TSkinElements {
  static std::array<TColor, kCustomColourCount> DefaultCustomColours();

  TSlot<TDataSkinBorder> BorderLeft = std::make_unique<TDataSkinBorder>("Left");
  TSlot<TDataSkinBorder> BorderRight = std::make_unique<TDataSkinBorder>("Right");
  TSlot<TDataSkinBorder> BorderTop = std::make_unique<TDataSkinBorder>("Top");
  TSlot<TDataSkinBorder> BorderBottom = std::make_unique<TDataSkinBorder>("Bottom");
  TSlot<TDataSkinTitle> Title = std::make_unique<TDataSkinTitle>("Title");
  TSlot<TDataSkinObject> MenuBar;
  std::vector<TSlot<TDataSkinSysButton>> SysButtons;
  TSlot<TDataSkinButton> Buttons = std::make_unique<TDataSkinButton>("Buttons");
  TSlot<TDataSkinBorder> Progress;
  TSlot<TDataSkinObject> ProgressChunk;
  TSlot<TDataSkinObject> GroupBoxEdge;
  TSlot<TDataSkinBoxLabel> GroupBox;
  TSlot<TDataSkinBorder> Tabs;
  TSlot<TDataSkinObject> StatusBarEdges;
  TSlot<TDataSkinObject> TabPane;
  TSlot<TDataSkinObject> ToolBars;
  TSlot<TDataSkinBorder> ComboButton;
  TSlot<TDataSkinObject> SunkEdge;
  TSlot<TDataSkinObject> ExtraImages;
  TSlot<TDataSkinObject> Headerbar;
  TSlot<TDataSkinObject> MenuItem;
  TSlot<TDataSkinObject> MenuBackground;
  TSlot<TDataSkinObject> Scrollbar;
  TSlot<TDataSkinObject> HorzScroll, VertScroll;
  TSlot<TDataSkinObject> HorzScrollThumb, VertScrollThumb;
  TSlot<TDataSkinObject> TrackThumbHorz, TrackThumbVert, TrackThumbLeft, TrackThumbRight,
      TrackThumbUp, TrackThumbDown;
  TSlot<TDataSkinBorder> UpDownHorz, UpDownVert;
  TSlot<TDataSkinObject> Track, TrackVert;
  TSlot<TDataSkinObject> ComboArrow;
  TSlot<TDataSkinObject> Toolbar;

  // The system colour each Colours entry has when the skin does not give it.
  static std::array<TColor, kColourCount> DefaultColours();

  std::array<TColor, kColourCount> Colours = DefaultColours();
  std::array<bool, kColourCount> ColourPresent{};
  std::vector<TColor> ColourSets;
  std::array<TColor, kCustomColourCount> CustomColours = DefaultCustomColours();
  std::string SkinName;

  TColor FrameColour() const { return Colours[kColourFrame]; }

  // One named slot, for tools and tests that walk every element.
  struct TNamedSlot {
    const char* Name;
    const TDataSkinObject* Element;  // null when the slot is empty
  };
  std::vector<TNamedSlot> NamedSlots() const;

  // Back to the state of a new object: every optional slot emptied, title buttons removed, the
  // always-present elements and the colour tables reset.
  void Reset();
};

}  // namespace varnelta
