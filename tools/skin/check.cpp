#include "tools/skin/check.h"

#include <cstdio>
#include <set>
#include <utility>

namespace varnelta::skintool {

namespace {

std::string Hex(TColor colour) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(colour));
  return text;
}

std::string ElementLine(const char* slot, const TDataSkinObject& e) {
  const TRect& m = e.Margins;
  return "element " + std::string(slot) + ": " + std::to_string(e.Image.Width()) + "x" +
         std::to_string(e.Image.Height()) + " frames=" + std::to_string(e.FrameCount) +
         " trans=" + std::to_string(e.Trans) + " tile=" + std::to_string(e.Tile) +
         " margins=" + std::to_string(m.Left) + "," + std::to_string(m.Top) + "," +
         std::to_string(m.Right) + "," + std::to_string(m.Bottom) + "\n";
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string CheckReport(const TSkinReader& reader, const TSkinElements& skin,
                        const TSkinLoadReport& report) {
  std::string out;
  out += "format: " + std::to_string(reader.FormatCode()) + "\n";
  out += "entries: " + std::to_string(reader.Count()) + "\n";
  out += "description: " + report.DescriptionName + "\n";
  out += "skinname: " + skin.SkinName + "\n";
  for (const auto& slot : skin.NamedSlots())
    if (slot.Element != nullptr) out += ElementLine(slot.Name, *slot.Element);
  for (const TColourKey& key : ColourKeys()) {
    const auto index = static_cast<std::size_t>(key.Index);
    out += "colour " + std::to_string(key.Index) + " " + key.Key + ": " + Hex(skin.Colours[index]) +
           (skin.ColourPresent[index] ? " given" : " default") + "\n";
  }
  out += "colour " + std::to_string(kColourFrame) + " FrameColour: " + Hex(skin.FrameColour()) +
         " default\n";
  for (const auto& button : skin.SysButtons) {
    const TDataSkinSysButton& b = *button;
    out += "sysbutton " + b.Name + ": action=" + std::to_string(b.Action) +
           " align=" + std::to_string(b.Align) + " x=" + std::to_string(b.XCoord) +
           " y=" + std::to_string(b.YCoord) + " frames=" + std::to_string(b.FrameCount) +
           " visibility=" + std::to_string(b.Visibility) + "\n";
  }
  std::set<std::pair<int, std::string>> seen;
  for (const TSkinPictureProblem& problem : report.Problems) {
    if (!seen.insert({problem.Kind, problem.Name}).second) continue;
    switch (problem.Kind) {
      case TSkinPictureProblem::kMissing:
        out += "warning: picture " + Quote(problem.Name) + " is not in the archive\n";
        break;
      case TSkinPictureProblem::kNotBmp:
        out += "warning: picture " + Quote(problem.Name) + " is not a .bmp file name\n";
        break;
      case TSkinPictureProblem::kUnreadable:
        out += "warning: picture " + Quote(problem.Name) + " is not a readable bitmap\n";
        break;
    }
  }
  return out;
}

int RunCheck(const std::vector<std::string>& args, Output& io) {
  Arguments parsed;
  if (!ParseArguments("check", args, 1, false, parsed, io)) return kExitUsage;
  TSkinReader reader;
  if (!OpenSkin("check", parsed.positional[0], parsed.property, reader, io)) return kExitFailure;
  TSkinElements skin;
  TSkinLoadReport report;
  if (!ParseSkinArchive(reader, skin, &report)) {
    io.err += "check: " + parsed.positional[0] + ": the archive holds no description (.ini entry)\n";
    return kExitFailure;
  }
  io.out += CheckReport(reader, skin, report);
  // A designer's script trusts the exit status: any damaged entry or picture problem fails.
  bool damaged = !report.Problems.empty();
  for (const TSkinReader::Entry& entry : reader.Entries()) {
    if (const char* damage = EntryDamage(entry)) {
      io.err += "check: " + Quote(entry.name) + ": " + damage + "\n";
      damaged = true;
    }
  }
  return damaged ? kExitFailure : kExitOk;
}

}  // namespace varnelta::skintool
