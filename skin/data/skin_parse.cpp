#include "skin/data/skin_parse.h"

#include <algorithm>
#include <utility>

#include "skin/data/img_util.h"
#include "skin/data/pixel_draw.h"
#include "skin/data/track_pictures.h"

namespace varnelta {

namespace {

constexpr TColor kWhite = 0xFFFFFF;

TColor Rgb(std::int64_t r, std::int64_t g, std::int64_t b) {
  auto byte = [](std::int64_t v) { return static_cast<TColor>(((v % 256) + 256) % 256); };
  return byte(r) | (byte(g) << 8) | (byte(b) << 16);
}

constexpr TColourKey kColourKeys[] = {
    {"WindowText", kColourWindowText, 0xFF000008},
    {"ButtonFace", kColourButtonFace, 0xFF00000F},
    {"Scrollbar", kColourScrollbar, 0xFF000000},
    {"HilightText", kColourHilightText, 0xFF00000E},
    {"Hilight", kColourHilight, 0xFF00000D},
    {"Menubar", kColourMenubar, 0},
    {"Menu", kColourMenu, 0xFF000004},
    {"MenuText", kColourMenuText, 0xFF000007},
    {"ButtonText", kColourButtonText, 0xFF000012},
    {"ButtonHilight", kColourButtonHilight, 0xFF000014},
    {"Buttonlight", kColourButtonlight, 0xFF000014},
    {"ButtonShadow", kColourButtonShadow, 0xFF000010},
    {"ButtonDkShadow", kColourButtonDkShadow, 0xFF000015},
    {"MenuBarText", kColourMenuBarText, 0xFF000007},
    {"TitleTextActive", kColourTitleTextActive, 0xFF000009},
    {"TitleTextNoActive", kColourTitleTextNoActive, 0xFF000013},
};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The file-name part of a path: what follows the last "\", "/" or ":".
std::string_view FileNamePart(std::string_view value) {
  std::size_t cut = value.find_last_of("\\/:");
  return cut == std::string_view::npos ? value : value.substr(cut + 1);
}

// Resets an always-present element to a new one of its name, keeping the object itself
// (or making one, should the slot have been emptied).
template <typename T>
void Renew(TSlot<T>& slot, const char* name) {
  if (slot)
    *slot = T(name);
  else
    slot = std::make_unique<T>(name);
}

}  // namespace

std::span<const TColourKey> ColourKeys() { return kColourKeys; }

TSkinParser::TSkinParser(const TQuickIni& ini, TSkinEntryLookup lookup)
    : ini_(ini), lookup_(std::move(lookup)) {}

TColor TSkinParser::ParseColour(std::string_view text) {
  if (text.empty()) return 0;
  text = TrimText(text);
  std::int64_t numbers[3] = {0, 0, 0};
  int count = 0;
  int run = -1;  // the current run of digits modulo 256, -1 outside a run
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      run = ((run < 0 ? 0 : run) * 10 + (c - '0')) % 256;
    } else if (run >= 0) {
      if (count < 3) numbers[count++] = run;
      run = -1;
    }
  }
  // A run that ends the text counts only as the third number.
  if (run >= 0 && count == 2) numbers[count++] = run;
  return Rgb(numbers[0], numbers[1], numbers[2]);
}

bool TSkinParser::LoadSkinBitmap(TBitmap& bitmap, std::string_view value) {
  bitmap.Clear();
  std::string_view name = FileNamePart(TrimText(value));
  if (name.empty()) return false;
  std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos || name.substr(dot) != ".bmp") {
    problems_.push_back({TSkinPictureProblem::kNotBmp, std::string(value)});
    return false;
  }
  std::vector<std::uint8_t> bytes;
  if (!lookup_ || !lookup_(name, bytes) || bytes.empty()) {
    problems_.push_back({TSkinPictureProblem::kMissing, std::string(value)});
    return false;
  }
  if (!bitmap.LoadFromBytes(bytes, budget_ - used_)) {
    bitmap.Clear();
    problems_.push_back({TSkinPictureProblem::kUnreadable, std::string(value)});
    return false;
  }
  used_ += std::int64_t{bitmap.Width()} * bitmap.Height();
  return true;
}

void TSkinParser::ReadFrameEdges(TSkinElements& skin) {
  struct TEdge {
    const char* Name;
    TDataSkinBorder* Element;
    bool Vertical;  // the left and right edges: their fixed parts are at top and bottom
  };
  const TEdge edges[] = {{"Left", skin.BorderLeft.get(), true},
                         {"Right", skin.BorderRight.get(), true},
                         {"Top", skin.BorderTop.get(), false},
                         {"Bottom", skin.BorderBottom.get(), false}};
  const std::string_view section = "Personality";
  for (const TEdge& edge : edges) {
    const std::string name = edge.Name;
    TDataSkinBorder& e = *edge.Element;
    LoadSkinBitmap(e.Image, Str(section, name));
    e.FrameCount = Int(section, name + "Frame", 1);
    e.Tile = std::min(Int(section, name + "Stretch", 1), 1);
    e.Trans = Int(section, name + "Trans", 1);
    const std::int32_t top = Int(section, name + "TopHeight", 0);
    const std::int32_t bottom = Int(section, name + "BotHeight", 0);
    e.Margins = edge.Vertical ? TRect{0, top, 0, bottom} : TRect{top, 0, bottom, 0};
  }
}

void TSkinParser::ReadColours(TSkinElements& skin) {
  const std::string_view section = "Colours";
  for (const TColourKey& key : kColourKeys) {
    const TColor fallback = key.Index == kColourMenubar ? skin.Colours[kColourButtonFace] : key.Default;
    const std::string text = Str(section, key.Key);
    skin.ColourPresent[static_cast<std::size_t>(key.Index)] = !text.empty();
    skin.Colours[static_cast<std::size_t>(key.Index)] = text.empty() ? fallback : ParseColour(text);
  }
  skin.ColourSets.clear();
  for (const std::string& name : sections_) {
    const std::string upper = UpperCaseAscii(name);
    if (!StartsWith(upper, "COLOUR") || upper == "COLOURS") continue;
    const std::string text = Str(name, "color");
    skin.ColourSets.push_back(text.empty() ? 0xFF000008u : ParseColour(text));
  }
  for (int i = 0; i < kCustomColourCount; ++i) {
    const std::string text = Str("Customcolors", "Color" + std::to_string(i));
    skin.CustomColours[static_cast<std::size_t>(i)] = text.empty() ? kWhite : ParseColour(text);
  }
}

void TSkinParser::ReadTitleButtons(TSkinElements& skin) {
  skin.SysButtons.clear();
  bool remembered = false;
  std::int32_t rememberedX = 0, rememberedY = 0;
  for (const std::string& name : sections_) {
    const std::string upper = UpperCaseAscii(name);
    if (upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" ||
        upper == "BUTTON" || !StartsWith(upper, "BUTTON"))
      continue;
    if (Int(name, "Action", 0) == -1 && Int(name, "Visibility", -1) != 0) continue;

    auto button = std::make_unique<TDataSkinSysButton>(upper);
    TDataSkinSysButton& b = *button;
    b.Action = Int(name, "Action", 0);
    b.Align = Int(name, "Align", 0);
    b.XCoord = Int(name, "Xcoord", 0);
    b.YCoord = Int(name, "Ycoord", 0);
    b.Visibility = Int(name, "Visibility", 0);
    b.Visibility1 = Int(name, "Visibility1", b.Action == -1 ? -1 : 0);
    if (b.Action == 1 && b.Visibility == 2) {
      remembered = true;
      rememberedX = b.XCoord;
      rememberedY = b.YCoord;
    }
    if (b.Action == 4) {
      b.XCoord = remembered ? rememberedX : 0;
      b.YCoord = remembered ? rememberedY : 0;
    }
    b.CombineOp = Int(name, "CombineOp", -1);
    b.FrameCount = Int(name, "frame", 0);
    LoadSkinBitmap(b.Image, Str(name, "ButtonImage"));

    if (b.FrameCount == 0) {
      b.FrameCount = 6;
      // Three frames for a picture at most 3.8 times as wide as it is high, else six.
      if (!b.Image.Empty())
        b.FrameCount = std::int64_t{b.Image.Width()} * 5 <= std::int64_t{b.Image.Height()} * 19 ? 3 : 6;
      if (b.Action < 0) b.FrameCount = 6;
    }
    // The system menu and caption icon buttons draw no picture of their own.
    if (b.Action == 3 || b.Action == 11) b.Image.Clear();
    skin.SysButtons.push_back(std::move(button));
  }

  // The three buttons of a maximised MDI child: minimise, restore, close.
  TBitmap mdi;
  LoadSkinBitmap(mdi, Str("MDICONTROLS", "Image"));
  const int a = mdi.Width() / 12;
  static const char* const kMdiNames[] = {"MDICONTROLS0", "MDICONTROLS1", "MDICONTROLS2"};
  for (int i = 0; i < 3; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>(kMdiNames[i]);
    button->Action = 7 + i;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->FrameCount = 4;
    if (!mdi.Empty()) {
      button->Image = mdi.Copy(4 * a * i, 0, 4 * a, mdi.Height());
      button->XCoord = (a + 4) * (3 - i);
    }
    skin.SysButtons.push_back(std::move(button));
  }
}

void TSkinParser::ReadButtons(TSkinElements& skin) {
  const std::string_view section = "Buttons";
  TDataSkinButton& b = *skin.Buttons;
  const TColor buttonText = skin.Colours[kColourButtonText];
  b.Margins = {Int(section, "LeftWidth", 0), Int(section, "TopHeight", 0),
               Int(section, "RightWidth", 0), Int(section, "BottomHeight", 0)};
  b.Trans = Int(section, "Trans", 0);
  LoadSkinBitmap(b.Image, Str(section, "Bitmap"));
  b.Tile = Int(section, "Tile", 0);
  if (b.Tile > 1) b.Tile = 0;
  LoadSkinBitmap(b.CheckImage, Str(section, "CheckButton"));
  LoadSkinBitmap(b.RadioImage, Str(section, "RadioButton"));
  b.NormalColour = Int(section, "NormalColour", -1);
  b.MouseOverColour = Int(section, "MouseOverColour", -1);
  b.PressedColour = Int(section, "PressedColour", -1);
  b.RadioFrameCount = Int(section, "RadioButtonFrame", 0);
  b.CheckFrameCount = Int(section, "CheckButtonFrame", 0);
  const std::string normal = Str(section, "NormalColour2");
  const std::string over = Str(section, "MouseOverColour2");
  const std::string pressed = Str(section, "PressedColour2");
  b.HasNormalColour2 = !normal.empty();
  b.HasMouseOverColour2 = !over.empty();
  b.HasPressedColour2 = !pressed.empty();
  b.NormalColour2 = normal.empty() ? buttonText : ParseColour(normal);
  b.MouseOverColour2 = over.empty() ? buttonText : ParseColour(over);
  b.PressedColour2 = pressed.empty() ? buttonText : ParseColour(pressed);
}

void TSkinParser::ReadTitle(TSkinElements& skin) {
  const std::string_view section = "Personality";
  TDataSkinTitle& t = *skin.Title;
  LoadSkinBitmap(t.Image, Str(section, "TextBack"));
  t.Margins = {Int(section, "TextShift", 0), Int(section, "TextShiftVert", 0),
               Int(section, "TextRightClip", 0), 0};
  t.TextAlignment = Int(section, "TextAlignment", 0);
  t.TextBackground = Int(section, "Textbackground", 0);
  t.FontHeight = Int("Fonts", "FontHeight", 14);
  t.TextBackLeft = Int(section, "TXTBackleft", 0);
  t.TextBackRight = Int(section, "TXTBackRight", 0);
  auto colour = [&](const char* prefix) -> TColor {
    const std::string p = prefix;
    const std::int32_t r = Int(section, p + "R", -1);
    const std::int32_t g = Int(section, p + "G", -1);
    const std::int32_t b = Int(section, p + "B", -1);
    if (r < 0 || g < 0 || b < 0) return kColourNotSet;
    return Rgb(r, g, b);
  };
  t.ActiveTextColour = colour("ActiveText");
  t.InactiveTextColour = colour("InActiveText");
}

void TSkinParser::ReadImageFields(TDataSkinObject& e, std::string_view section, bool frame,
                                  TColor buttonText) {
  LoadSkinBitmap(e.Image, Str(section, "Image"));
  e.Style = Int(section, "Style", 0);
  e.Margins = {Int(section, "LeftWidth", 0), Int(section, "TopHeight", 0),
               Int(section, "RightWidth", 0), Int(section, "BottomHeight", 0)};
  if (frame) e.FrameCount = Int(section, "Frame", 0);
  e.Trans = Int(section, "Trans", 0);
  e.Tile = Int(section, "Tile", 0);
  if (e.Tile > 1) e.Tile = 0;
  e.NormalColour = Int(section, "NormalColour", -1);
  e.MouseOverColour = Int(section, "MouseOverColour", -1);
  e.PressedColour = Int(section, "PressedColour", -1);
  auto colour = [&](const char* key) {
    const std::string text = Str(section, key);
    return text.empty() ? buttonText : ParseColour(text);
  };
  e.NormalColour2 = colour("NormalColour2");
  e.MouseOverColour2 = colour("MouseOverColour2");
  e.PressedColour2 = colour("PressedColour2");
}

template <typename T>
TSlot<T> TSkinParser::ReadImage(std::string_view section, TColor buttonText, bool frame) {
  if (!ini_.HasValue(section, "Image")) return nullptr;
  auto element = std::make_unique<T>(std::string(section));
  ReadImageFields(*element, section, frame, buttonText);
  return element;
}

TSlot<TDataSkinBorder> TSkinParser::ReadTwoImage(std::string_view section,
                                                 std::string_view secondKey, TColor buttonText) {
  auto element = ReadImage<TDataSkinBorder>(section, buttonText, false);
  if (element) {
    const std::string second = Str(section, secondKey);
    if (!second.empty()) LoadSkinBitmap(element->SecondImage, second);
  }
  return element;
}

TSlot<TDataSkinBoxLabel> TSkinParser::ReadBoxLabel(std::string_view section, TColor buttonText) {
  auto element = ReadImage<TDataSkinBoxLabel>(section, buttonText, false);
  if (element) {
    element->BackgroundAlignment = Int(section, "BackgroundAlignment", 0);
    element->BackgroundLeftShift = Int(section, "BackgroundLeftShift", 0);
    element->BackgroundRightShift = Int(section, "BackgroundRightShift", 0);
  }
  return element;
}

TSlot<TDataSkinBorder> TSkinParser::ReadBitmapElement(std::string_view section) {
  if (!ini_.HasValue(section, "Bitmap")) return nullptr;
  auto e = std::make_unique<TDataSkinBorder>(std::string(section));
  LoadSkinBitmap(e->Image, Str(section, "Bitmap"));
  e->Style = Int(section, "Style", 0);
  e->Margins = {Int(section, "LeftWidth", 0), Int(section, "TopHeight", 0),
                Int(section, "RightWidth", 0), Int(section, "BottomHeight", 0)};
  e->Trans = Int(section, "Trans", 0);
  e->Tile = std::min(Int(section, "Tile", 0), 1);
  return e;
}

TSlot<TDataSkinObject> TSkinParser::ReadMenuBar() {
  const std::string_view section = "Personality";
  if (!ini_.HasValue(section, "menuBar")) return nullptr;
  auto e = std::make_unique<TDataSkinObject>("Personality");
  LoadSkinBitmap(e->Image, Str(section, "menuBar"));
  e->Tile = std::min(Int(section, "TileMenu", 1), 1);
  e->Margins = {Int(section, "TileLeftMenu", 1), 0, Int(section, "TileRightMenu", 1), 0};
  return e;
}

void TSkinParser::SetFrameCounts(TSkinElements& skin) {
  auto set = [](auto& slot, std::int32_t count) {
    if (slot) slot->FrameCount = count;
  };
  set(skin.Title, 2);
  set(skin.MenuBar, 2);
  set(skin.Buttons, 5);
  if (skin.Progress) skin.Progress->FrameCount = skin.Progress->Style != 0 ? 1 : 2;
  set(skin.GroupBoxEdge, 2);
  set(skin.GroupBox, 1);
  set(skin.Tabs, 5);
  set(skin.StatusBarEdges, 3);
  set(skin.TabPane, 1);
  set(skin.ToolBars, 5);
  set(skin.ComboButton, 4);
  set(skin.SunkEdge, 4);
  set(skin.ExtraImages, 5);
  // A frame count below 1 would leave the header painters nothing to divide by.
  if (skin.Headerbar && skin.Headerbar->FrameCount <= 0) skin.Headerbar->FrameCount = 5;
  set(skin.MenuItem, 5);
  set(skin.MenuBackground, 1);
  set(skin.Scrollbar, 23);
  set(skin.HorzScroll, 4);
  set(skin.VertScroll, 4);
  set(skin.HorzScrollThumb, Int("HorzScrollThumb", "FrameCount", 3));
  set(skin.VertScrollThumb, Int("VertScrollThumb", "FrameCount", 3));
  for (auto* thumb : {&skin.TrackThumbHorz, &skin.TrackThumbVert, &skin.TrackThumbLeft,
                      &skin.TrackThumbRight, &skin.TrackThumbUp, &skin.TrackThumbDown})
    set(*thumb, 5);
  set(skin.UpDownHorz, 8);
  set(skin.UpDownVert, 8);

  // Check box and radio button strips: 13-pixel frames for a picture under 16 pixels high,
  // 16-pixel frames otherwise, and at least four frames.
  auto glyphFrames = [](const TBitmap& image) {
    const int frameWidth = image.Height() < 16 ? 13 : 16;
    return std::max(image.Width() / frameWidth, 4);
  };
  TDataSkinButton& b = *skin.Buttons;
  if (b.RadioFrameCount == 0) b.RadioFrameCount = glyphFrames(b.RadioImage);
  if (b.CheckFrameCount == 0) b.CheckFrameCount = glyphFrames(b.CheckImage);
}

void TSkinParser::BuildComboPicture(TSkinElements& skin) {
  if (!skin.SunkEdge || !skin.ComboButton) return;
  TDataSkinObject& sunk = *skin.SunkEdge;
  TDataSkinBorder& combo = *skin.ComboButton;
  constexpr int kCellWidth = 50, kCellHeight = 21;
  // The button part is as wide as a scroll bar arrow plus two; kept within the cell.
  const int s = std::clamp(SystemValues().SystemMetric(kSysMetricHorzScrollArrow) + 2, 0, kCellWidth);
  const int frames = std::max(sunk.FrameCount, 1);
  TBitmap strip(kCellWidth * frames, kCellHeight);
  strip.Fill(kTransparentColour);
  for (int k = 1; k <= frames; ++k) {
    const int x0 = (k - 1) * kCellWidth;
    TBitmap edge = BuildSlicedBitmap(kCellWidth, kCellHeight, sunk.Image, sunk.Margins, false,
                                     false, sunk.FrameCount, k);
    DrawImage(strip, x0, 0, edge, sunk.Trans == 1);
    if (s > 0) {
      TBitmap button = BuildSlicedBitmap(s, kCellHeight, combo.Image, combo.Margins, false, false,
                                         combo.FrameCount, k);
      DrawImage(strip, x0 + kCellWidth - s, 0, button, true);
    }
    if (skin.ExtraImages && !skin.ExtraImages->Image.Empty()) {
      const TDataSkinObject& extra = *skin.ExtraImages;
      const TRect cell = FrameCell(extra.Image, extra.FrameCount, k);
      TBitmap glyph = extra.Image.Copy(cell.Left, cell.Top, cell.Width(), cell.Height());
      const int gx = x0 + kCellWidth - s + (s - glyph.Width()) / 2;
      const int gy = (kCellHeight - glyph.Height()) / 2;
      // Kept to the button area of this cell.
      TBitmap area = strip.Copy(x0 + kCellWidth - s, 0, s, kCellHeight);
      DrawImage(area, gx - (x0 + kCellWidth - s), gy, glyph, true);
      strip.CopyRect(x0 + kCellWidth - s, 0, area, 0, 0, area.Width(), area.Height());
    }
    strip.FillRect(x0 + 2, 2, (kCellWidth - 1 - s) - 2, 18 - 2, kTransparentColour);
  }
  combo.Style = 2;
  combo.Margins = {2, sunk.Margins.Top, s + 2, sunk.Margins.Bottom};
  combo.Image = strip;
  TBitmap mirrored = std::move(strip);
  MirrorBitmap(mirrored);
  sunk.Image = std::move(mirrored);
  sunk.Margins.Left = s + 2;
  sunk.Margins.Right = 2;
}

void TSkinParser::BuildComboArrow(TSkinElements& skin) {
  if (!skin.ComboArrow) skin.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *skin.ComboArrow;
  if (!skin.SunkEdge && skin.ComboButton) {
    arrow.Image = skin.ComboButton->Image;
    ReplaceMagenta(arrow.Image, skin.Colours[kColourButtonFace]);
    arrow.FrameCount = skin.ComboButton->FrameCount;
  } else if (skin.SunkEdge && skin.ComboButton && skin.ComboButton->Style == 2) {
    const int frames = std::max(skin.SunkEdge->FrameCount, 1);
    const TBitmap& source = skin.ComboButton->Image;
    const int w = source.Width() / frames;
    TBitmap strip(17 * frames, 17);
    for (int i = 0; i < frames; ++i)
      strip.CopyRect(17 * i, 0, source, w * (i + 1) - 19, 2, 17, 17);
    arrow.Image = std::move(strip);
    arrow.FrameCount = skin.SunkEdge->FrameCount;
  }
}

TColor ComputeFrameColour(const TSkinElements& skin) {
  const TBitmap& top = skin.BorderTop->Image;
  if (top.Empty()) return skin.Colours[kColourButtonFace];
  // A frame count below 1 counts as 1 here rather than dividing by it.
  const int frames = std::max(skin.BorderTop->FrameCount, 1);
  return top.Colour(top.Width() / 3, (top.Height() / frames) / 3);
}

void TSkinParser::BuildToolbar(TSkinElements& skin) {
  if (!skin.Toolbar) skin.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  const TColor face = skin.Colours[kColourButtonFace];
  const TColor frame = ComputeFrameColour(skin);
  const int saturation = ColourSaturation(frame);
  const TColor bottom = saturation > 110
                            ? BlendColours(frame, kWhite, (5625 - 25 * saturation) / 140 + 50)
                            : BlendColours(0x808080, frame, 150);
  TBitmap picture(10, 40);
  GradientFill(picture, {0, 0, 10, 40}, BlendColours(face, kWhite, 150), kGradientRows, bottom);
  skin.Toolbar->Image = std::move(picture);
  skin.Toolbar->FrameCount = 1;
}

void ResetSkin(TSkinElements& skin) {
  TSkinElements fresh;
  std::swap(fresh.BorderLeft, skin.BorderLeft);
  std::swap(fresh.BorderRight, skin.BorderRight);
  std::swap(fresh.BorderTop, skin.BorderTop);
  std::swap(fresh.BorderBottom, skin.BorderBottom);
  std::swap(fresh.Title, skin.Title);
  std::swap(fresh.Buttons, skin.Buttons);
  skin = std::move(fresh);
  Renew(skin.BorderLeft, "Left");
  Renew(skin.BorderRight, "Right");
  Renew(skin.BorderTop, "Top");
  Renew(skin.BorderBottom, "Bottom");
  Renew(skin.Title, "Title");
  Renew(skin.Buttons, "Buttons");
}

void TSkinParser::ParseSkin(TSkinElements& skin) {
  problems_.clear();
  used_ = 0;
  ResetSkin(skin);

  // Sections and the skin's name.
  ini_.ReadSections(&sections_);
  skin.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");

  // Frame edges, colours, title buttons, push buttons, title.
  ReadFrameEdges(skin);
  ReadColours(skin);
  ReadTitleButtons(skin);
  ReadButtons(skin);
  ReadTitle(skin);
  const TColor text = skin.Colours[kColourButtonText];

  // Control elements.
  skin.Progress = ReadBitmapElement("Progress");
  skin.ProgressChunk = ReadImage<TDataSkinObject>("Progress.Chunk", text);
  skin.MenuBar = ReadMenuBar();
  skin.GroupBoxEdge = ReadImage<TDataSkinObject>("GroupBoxEdge", text);
  skin.GroupBox = ReadBoxLabel("GroupBox", text);
  skin.Tabs = ReadTwoImage("Tabs", "Border", text);
  skin.StatusBarEdges = ReadImage<TDataSkinObject>("StatusBarEdges", text);
  skin.TabPane = ReadImage<TDataSkinObject>("Tab.Pane", text);
  if (skin.TabPane) {
    TRect& m = skin.TabPane->Margins;
    m = {std::min(m.Left, 4), std::min(m.Top, 4), std::min(m.Right, 4), std::min(m.Bottom, 4)};
  }
  skin.ToolBars = ReadImage<TDataSkinObject>("ToolBars", text);
  skin.ComboButton = ReadTwoImage("ComboButton", "****", text);
  skin.SunkEdge = ReadImage<TDataSkinObject>("SunkEdge", text);

  // The combo button's right-to-left picture.
  if (skin.ComboButton && !skin.ComboButton->Image.Empty()) {
    TBitmap mirrored = skin.ComboButton->Image;
    mirrored.MakeOpaque();
    MirrorBitmap(mirrored);
    skin.ComboButton->SecondImage = std::move(mirrored);
  }

  // Menus, scroll bars, track bars and spin buttons.
  skin.ExtraImages = ReadImage<TDataSkinObject>("ExtraImages", text);
  skin.Headerbar = ReadImage<TDataSkinObject>("Headerbar", text);
  skin.MenuItem = ReadImage<TDataSkinObject>("MenuItem", text);
  skin.MenuBackground = ReadImage<TDataSkinObject>("MenuBackground", text);
  skin.Scrollbar = ReadImage<TDataSkinObject>("Scrollbar", text);
  skin.HorzScroll = ReadImage<TDataSkinObject>("HorzScroll", text);
  skin.VertScroll = ReadImage<TDataSkinObject>("VertScroll", text);
  skin.HorzScrollThumb = ReadImage<TDataSkinObject>("HorzScrollThumb", text);
  skin.VertScrollThumb = ReadImage<TDataSkinObject>("VertScrollThumb", text);
  skin.TrackThumbHorz = ReadImage<TDataSkinObject>("Trackbar.ThumbHorz", text);
  skin.TrackThumbVert = ReadImage<TDataSkinObject>("Trackbar.ThumbVert", text);
  skin.TrackThumbLeft = ReadImage<TDataSkinObject>("Trackbar.ThumbLeft", text);
  skin.TrackThumbRight = ReadImage<TDataSkinObject>("Trackbar.ThumbRight", text);
  skin.TrackThumbUp = ReadImage<TDataSkinObject>("Trackbar.ThumbUp", text);
  skin.TrackThumbDown = ReadImage<TDataSkinObject>("Trackbar.ThumbDown", text);
  skin.UpDownHorz = ReadTwoImage("UpDown.Horz", "GlyphImage", text);
  skin.UpDownVert = ReadTwoImage("UpDown.Vert", "GlyphImage", text);
  skin.Track = ReadImage<TDataSkinObject>("Track", text);
  skin.TrackVert = ReadImage<TDataSkinObject>("TRACKVERT", text);

  // Built-in grooves for skins without their own.
  auto builtIn = [](const char* name) {
    auto e = std::make_unique<TDataSkinObject>(name);
    e->Image = TrackPicture(name);
    e->Margins = {3, 3, 3, 3};
    e->Tile = 0;
    e->FrameCount = 1;
    return e;
  };
  if (!skin.Track) skin.Track = builtIn("TRACK");
  if (!skin.TrackVert) skin.TrackVert = builtIn("TRACKVERT");

  // What follows from the elements read: frame counts, the combined combo picture, the combo
  // arrow, the toolbar gradient and the frame colour.
  SetFrameCounts(skin);
  BuildComboPicture(skin);
  BuildComboArrow(skin);
  BuildToolbar(skin);
  skin.Colours[kColourFrame] = ComputeFrameColour(skin);
  sections_.clear();
}

}  // namespace varnelta
