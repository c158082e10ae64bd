#include "tools/skin/skin_tool.h"

#include <algorithm>
#include <array>
#include <exception>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "skin/data/skin_writer.h"
#include "tools/skin/check.h"

namespace varnelta::skintool {
namespace {

namespace fs = std::filesystem;

// Files larger than this are no skin and no skin picture.
constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{256} << 20;

// The commands of the tool, in the order of the usage text. A new command is one more row.
constexpr std::array<Command, 4> kCommands{{
    {"pack", "pack DIR OUT [--format CODE] [--property]", RunPack},
    {"unpack", "unpack SKIN OUTDIR [--property]", RunUnpack},
    {"list", "list SKIN [--property]", RunList},
    {"check", "check SKIN [--property]", RunCheck},
}};

constexpr std::string_view kHelp =
    "\n"
    "pack    packs DIR (one .ini description and .bmp pictures) into the compressed skin\n"
    "        stream OUT; --format sets the format code (20000, 30000, 40000, 50000 or 60000;\n"
    "        default 40000).\n"
    "unpack  writes every entry of SKIN into OUTDIR under its name.\n"
    "list    prints the format code, then the size and name of every entry.\n"
    "check   parses SKIN as the program does and prints what it found.\n"
    "--property: the file holds a stored property (a 4-byte byte count, then the stream).\n"
    "\n"
    "Exit status: 0 done, 1 bad input or a failed write, 2 usage error.\n";

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string Quote(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted.push_back('"');
  return quoted;
}

int UsageError(std::string_view command, std::string_view problem, Output& io) {
  io.err += std::string(command) + ": " + std::string(problem) + "\n" + UsageText();
  return kExitUsage;
}

// An entry name that is safe to use as a file name inside the output folder: no folder parts,
// no device or wildcard characters.
bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return name.back() != '.' && name.back() != ' ';
}

}  // namespace

std::string UsageText() {
  std::string text;
  for (const Command& command : kCommands) {
    text += text.empty() ? "usage: " : "       ";
    text += "varnelta-skin ";
    text += command.usage;
    text += "\n";
  }
  text += "       varnelta-skin --help\n";
  return text;
}

bool ParseArguments(std::string_view command, const std::vector<std::string>& args,
                    std::size_t positionalCount, bool allowFormat, Arguments& parsed,
                    Output& io) {
  parsed = Arguments{};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--property") {
      parsed.property = true;
    } else if (arg == "--format" && allowFormat) {
      if (i + 1 >= args.size()) {
        UsageError(command, "--format needs a code", io);
        return false;
      }
      parsed.format = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      UsageError(command, "unknown option " + arg, io);
      return false;
    } else {
      parsed.positional.push_back(arg);
    }
  }
  if (parsed.positional.size() != positionalCount) {
    UsageError(command, parsed.positional.size() < positionalCount ? "missing arguments"
                                                                   : "too many arguments",
               io);
    return false;
  }
  return true;
}

bool ReadWholeFile(std::string_view command, const std::string& path,
                   std::vector<std::uint8_t>& bytes, Output& io) {
  bytes.clear();
  const auto fail = [&](std::string_view reason) {
    io.err += std::string(command) + ": " + path + ": " + std::string(reason) + "\n";
    return false;
  };
  std::error_code ec;
  const fs::path file(path);
  if (!fs::is_regular_file(file, ec)) {
    return fail(fs::exists(file, ec) ? "not a file" : "no such file");
  }
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec) return fail("cannot read the file size");
  if (size > kMaxFileSize) return fail("file too large");
  std::ifstream in(file, std::ios::binary);
  if (!in) return fail("cannot open the file");
  bytes.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
    bytes.clear();
    return fail("cannot read the file");
  }
  return true;
}

bool WriteWholeFile(std::string_view command, const std::string& path,
                    const std::vector<std::uint8_t>& bytes, Output& io) {
  std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
  if (out) {
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
  }
  if (!out) {
    io.err += std::string(command) + ": " + path + ": cannot write the file\n";
    return false;
  }
  return true;
}

const char* EntryDamage(const TSkinReader::Entry& entry) {
  if (!entry.available) return "damaged: its data runs past the end of the archive";
  if (!entry.intact) return "damaged: the compressed stream ends inside its data";
  return nullptr;
}

bool OpenSkin(std::string_view command, const std::string& path, bool property,
              TSkinReader& reader, Output& io) {
  std::vector<std::uint8_t> file;
  if (!ReadWholeFile(command, path, file, io)) return false;
  const std::string prefix = std::string(command) + ": " + path + ": ";
  std::span<const std::uint8_t> stream(file);
  if (property) {
    const auto inner = UnwrapSkinProperty(file);
    if (!inner) {
      io.err += prefix + "damaged stored property (its byte count does not fit the file)\n";
      return false;
    }
    if (inner->empty()) {
      io.err += prefix + "the stored property holds no skin\n";
      return false;
    }
    stream = *inner;
  }
  bool reported = false;
  reader.SetMessageHandler([&](const std::string& message) {
    // One line on the console: the message's sentences are separated by a carriage return.
    std::string line = message;
    std::replace(line.begin(), line.end(), '\r', ' ');
    io.err += prefix + line + "\n";
    reported = true;
  });
  const bool loaded = reader.LoadFromStream(stream);
  reader.SetMessageHandler({});
  if (!loaded && !reported) io.err += prefix + "not a skin archive, or a damaged one\n";
  return loaded;
}

int RunPack(const std::vector<std::string>& args, Output& io) {
  Arguments parsed;
  if (!ParseArguments("pack", args, 2, true, parsed, io)) return kExitUsage;
  std::int32_t format = 40000;
  if (!parsed.format.empty()) {
    const auto known = std::find_if(kSkinFormatCodes.begin(), kSkinFormatCodes.end(),
                                    [&](std::int32_t code) {
                                      return std::to_string(code) == parsed.format;
                                    });
    if (known == kSkinFormatCodes.end()) {
      return UsageError("pack",
                        "unknown format code " + parsed.format +
                            " (use 20000, 30000, 40000, 50000 or 60000)",
                        io);
    }
    format = *known;
  }
  const std::string& dir = parsed.positional[0];
  const std::string& outPath = parsed.positional[1];

  std::error_code ec;
  if (!fs::is_directory(fs::path(dir), ec)) {
    io.err += "pack: " + dir + ": not a folder\n";
    return kExitFailure;
  }
  std::vector<fs::path> descriptions;
  std::vector<fs::path> pictures;
  for (fs::directory_iterator it(fs::path(dir), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const std::string extension = Lower(it->path().extension().string());
    if (extension == ".ini") {
      descriptions.push_back(it->path());
    } else if (extension == ".bmp") {
      pictures.push_back(it->path());
    } else {
      io.err += "pack: skipping " + it->path().filename().string() + " (not .ini or .bmp)\n";
    }
  }
  if (ec) {
    io.err += "pack: " + dir + ": cannot list the folder\n";
    return kExitFailure;
  }
  if (descriptions.size() != 1) {
    io.err += "pack: " + dir + ": needs exactly one .ini description, found " +
              std::to_string(descriptions.size()) + "\n";
    return kExitFailure;
  }
  std::sort(pictures.begin(), pictures.end());

  // The description goes first, so that a search for ".ini" finds it before any picture.
  std::vector<fs::path> files{descriptions.front()};
  files.insert(files.end(), pictures.begin(), pictures.end());
  std::vector<TSkinEntry> entries(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    entries[i].name = files[i].filename().string();
    if (!ReadWholeFile("pack", files[i].string(), entries[i].data, io)) return kExitFailure;
    const auto& data = entries[i].data;
    if (i > 0 && (data.size() < 2 || data[0] != 'B' || data[1] != 'M')) {
      io.err += "pack: warning: " + entries[i].name + " is not a Windows bitmap file\n";
    }
  }

  std::vector<std::uint8_t> output;
  std::size_t archiveSize = 0;
  try {
    const std::vector<std::uint8_t> archive = BuildSkinArchive(format, entries);
    archiveSize = archive.size();
    output = CompressSkinStream(archive);
    if (parsed.property) output = WrapSkinProperty(output);
  } catch (const SkinWriteError& error) {
    io.err += "pack: " + dir + ": " + error.what() + "\n";
    return kExitFailure;
  }
  if (!WriteWholeFile("pack", outPath, output, io)) return kExitFailure;
  io.out += "packed " + std::to_string(entries.size()) + " entries (" +
            std::to_string(archiveSize) + " bytes) into " + outPath + " (" +
            std::to_string(output.size()) + " bytes)\n";
  return kExitOk;
}

int RunUnpack(const std::vector<std::string>& args, Output& io) {
  Arguments parsed;
  if (!ParseArguments("unpack", args, 2, false, parsed, io)) return kExitUsage;
  TSkinReader reader;
  if (!OpenSkin("unpack", parsed.positional[0], parsed.property, reader, io)) return kExitFailure;
  const fs::path outDir(parsed.positional[1]);
  std::error_code ec;
  fs::create_directories(outDir, ec);
  if (!fs::is_directory(outDir, ec)) {
    io.err += "unpack: " + parsed.positional[1] + ": cannot create the folder\n";
    return kExitFailure;
  }

  int status = kExitOk;
  std::size_t written = 0;
  std::set<std::string> seen;
  for (const TSkinReader::Entry& entry : reader.Entries()) {
    if (!IsPlainFileName(entry.name)) {
      io.err += "unpack: skipping the entry " + Quote(entry.name) + ": not a plain file name\n";
      status = kExitFailure;
      continue;
    }
    if (!seen.insert(entry.name).second) {
      // Lookups always find the earlier entry of a name; this one can never be used.
      io.err += "unpack: skipping a later duplicate of " + Quote(entry.name) + "\n";
      continue;
    }
    if (!entry.available) {
      io.err += "unpack: " + Quote(entry.name) + ": its data runs past the end of the archive\n";
      status = kExitFailure;
      continue;
    }
    const std::span<const std::uint8_t> data = reader.Data(entry);
    if (!WriteWholeFile("unpack", (outDir / entry.name).string(),
                        std::vector<std::uint8_t>(data.begin(), data.end()), io)) {
      return kExitFailure;
    }
    ++written;
  }
  io.out += "unpacked " + std::to_string(written) + " entries into " + parsed.positional[1] + "\n";
  return status;
}

int RunList(const std::vector<std::string>& args, Output& io) {
  Arguments parsed;
  if (!ParseArguments("list", args, 1, false, parsed, io)) return kExitUsage;
  TSkinReader reader;
  if (!OpenSkin("list", parsed.positional[0], parsed.property, reader, io)) return kExitFailure;
  io.out += "format " + std::to_string(reader.FormatCode()) + "\n";
  int status = kExitOk;
  for (const TSkinReader::Entry& entry : reader.Entries()) {
    io.out += std::to_string(entry.size) + "\t" + entry.name;
    if (const char* damage = EntryDamage(entry)) {
      io.out += std::string("\t") + damage;
      io.err += "list: " + Quote(entry.name) + ": " + damage + "\n";
      status = kExitFailure;
    }
    io.out += "\n";
  }
  return status;
}

int Run(const std::vector<std::string>& args, Output& io) {
  if (args.empty()) {
    io.err += UsageText();
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    io.out += UsageText();
    io.out += kHelp;
    return kExitOk;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  for (const Command& command : kCommands) {
    if (command.name != args[0]) continue;
    if (command.run == nullptr) {
      io.err += std::string(command.name) + ": not available\n";
      return kExitFailure;
    }
    try {
      return command.run(rest, io);
    } catch (const std::exception& error) {
      // A file name the system cannot convert, memory running out: a message, not a crash.
      io.err += std::string(command.name) + ": " + error.what() + "\n";
      return kExitFailure;
    }
  }
  io.err += "unknown command " + args[0] + "\n" + UsageText();
  return kExitUsage;
}

}  // namespace varnelta::skintool
