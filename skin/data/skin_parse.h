// The skin description parse: turns the INI text of a skin and the pictures it names into the
// elements and colour tables of TSkinElements.
//
// The parse reads pictures through a lookup (an archive entry by name); it never touches the
// system except through the system values seam (default colours resolved for blending, the
// scroll arrow width, the built-in track pictures).
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_objects.h"

namespace varnelta {

// Fetches an archive entry by name (the lookup ignores case); true and the bytes when found.
using TSkinEntryLookup =
    std::function<bool(std::string_view name, std::vector<std::uint8_t>& bytes)>;

// What the parse noticed about the pictures the description names; the parse itself stays
// silent, tools report these.
struct TSkinPictureProblem {
  enum TKind { kMissing, kNotBmp, kUnreadable };
  TKind Kind = kMissing;
  std::string Name;  // the value as the description gives it
};

// The keys of section [Colours] in the order they are read, with the Colours index each fills.
struct TColourKey {
  const char* Key;
  int Index;
  TColor Default;  // 0 for Menubar: it defaults to the ButtonFace value just read
};
std::span<const TColourKey> ColourKeys();

class TSkinParser {
 public:
  TSkinParser(const TQuickIni& ini, TSkinEntryLookup lookup);

  // Parses the whole description into `skin`: every optional slot is emptied first and the
  // always-present elements are read afresh. Always completes; a bad or missing part leaves its
  // slot empty or at its defaults.
  void ParseSkin(TSkinElements& skin);

  // Fetches the picture named by `value` into `bitmap`: the file-name part (any path removed)
  // must end in ".bmp" exactly; anything else, a missing or empty entry, or a picture that does
  // not read, empties the bitmap. True when a picture was loaded.
  bool LoadSkinBitmap(TBitmap& bitmap, std::string_view value);

  // A colour text "R G B" to a colour 0x00BBGGRR: the trimmed text is scanned for runs of
  // digits, each ended by any other character; a run that ends the text counts only as the
  // third number. The first three numbers (missing ones 0, each modulo 256) are red, green and
  // blue. An empty text is black.
  static TColor ParseColour(std::string_view text);

  const std::vector<TSkinPictureProblem>& Problems() const { return problems_; }

  // The most pixels all pictures of one parse may hold together; a picture that would go past
  // it counts as unreadable. Keeps a hostile skin of many huge (run-length packed) pictures
  // from exhausting memory.
  static constexpr std::int64_t kDefaultPictureBudget = std::int64_t{32} << 20;
  void SetPictureBudget(std::int64_t pixels) { budget_ = pixels; }

 private:
  void ReadFrameEdges(TSkinElements& skin);
  void ReadColours(TSkinElements& skin);
  void ReadTitleButtons(TSkinElements& skin);
  void ReadButtons(TSkinElements& skin);
  void ReadTitle(TSkinElements& skin);
  void ReadImageFields(TDataSkinObject& element, std::string_view section, bool frame,
                       TColor buttonText);
  template <typename T>
  TSlot<T> ReadImage(std::string_view section, TColor buttonText, bool frame = true);
  TSlot<TDataSkinBorder> ReadTwoImage(std::string_view section, std::string_view secondKey,
                                      TColor buttonText);
  TSlot<TDataSkinBoxLabel> ReadBoxLabel(std::string_view section, TColor buttonText);
  TSlot<TDataSkinBorder> ReadBitmapElement(std::string_view section);
  TSlot<TDataSkinObject> ReadMenuBar();
  void SetFrameCounts(TSkinElements& skin);
  void BuildComboPicture(TSkinElements& skin);
  void BuildComboArrow(TSkinElements& skin);
  void BuildToolbar(TSkinElements& skin);

  std::int32_t Int(std::string_view section, std::string_view key, std::int32_t def) const {
    return ini_.ReadInteger(section, key, def);
  }
  std::string Str(std::string_view section, std::string_view key) const {
    return ini_.ReadString(section, key, "");
  }

  const TQuickIni& ini_;
  TSkinEntryLookup lookup_;
  std::vector<std::string> sections_;
  std::vector<TSkinPictureProblem> problems_;
  std::int64_t budget_ = kDefaultPictureBudget;
  std::int64_t used_ = 0;
};

// Empties every optional slot and renews the always-present elements (keeping the objects
// themselves, which painters may hold on to) and the colour tables.
void ResetSkin(TSkinElements& skin);

// The frame colour of a skin: the pixel of BorderTop's picture a third of the way into its
// first frame, or the ButtonFace colour when that picture is empty.
TColor ComputeFrameColour(const TSkinElements& skin);

}  // namespace varnelta
