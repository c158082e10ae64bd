// varnelta-skin: the skin author's tool. Every command is a function of its arguments that
// reads and writes files itself and leaves its messages in Output, so tests can drive the
// commands without starting a process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_reader.h"

namespace varnelta::skintool {

struct Output {
  std::string out;  // for standard output
  std::string err;  // for standard error
};

// Exit status of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // unreadable or bad input, or a file could not be written
inline constexpr int kExitUsage = 2;

// A command gets the arguments after its name.
using CommandFunction = int (*)(const std::vector<std::string>& args, Output& io);

struct Command {
  std::string_view name;
  std::string_view usage;  // the arguments, as shown in the usage text
  CommandFunction run;     // nullptr: listed but not available in this build
};

int RunPack(const std::vector<std::string>& args, Output& io);
int RunUnpack(const std::vector<std::string>& args, Output& io);
int RunList(const std::vector<std::string>& args, Output& io);

// The whole tool: args[0] is the command name.
int Run(const std::vector<std::string>& args, Output& io);

// The usage text of every command.
std::string UsageText();

// Arguments of a command: positional ones and the options --property and --format CODE.
struct Arguments {
  std::vector<std::string> positional;
  bool property = false;
  std::string format;  // empty when not given
};
// False (with a usage message in io.err) when the arguments do not fit: a count of positional
// arguments other than `positionalCount`, an unknown option, or --format where not allowed.
bool ParseArguments(std::string_view command, const std::vector<std::string>& args,
                    std::size_t positionalCount, bool allowFormat, Arguments& parsed, Output& io);

// Reads a skin file into `reader`: layer 2 (the file is the compressed stream) or, with
// `property`, layer 1 (a 4-byte count first). On failure writes "COMMAND: PATH: reason" to
// io.err and returns false; the message for an unknown format goes to io.err as one line.
bool OpenSkin(std::string_view command, const std::string& path, bool property,
              TSkinReader& reader, Output& io);

// Why an entry cannot be trusted, or nullptr for a sound one: its data runs past the end of
// the archive, or part of it was made up after a truncated compressed stream ended.
const char* EntryDamage(const TSkinReader::Entry& entry);
// Whole-file helpers; false with a message in io.err on failure.
bool ReadWholeFile(std::string_view command, const std::string& path,
                   std::vector<std::uint8_t>& bytes, Output& io);
bool WriteWholeFile(std::string_view command, const std::string& path,
                    const std::vector<std::uint8_t>& bytes, Output& io);

}  // namespace varnelta::skintool
