// The command line, read: what to do and how.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/codec/link_recognition.h"

namespace varnelta::cli {

enum class Command { Encode, Decode };

// Decoding without a kind: each line's kind from its own scheme.
inline constexpr int kAuto = -1;

// Input and output move in blocks of this size, whatever the input's size.
inline constexpr std::size_t kBlock = 1 << 20;

struct Options {
  Command command = Command::Encode;
  std::optional<int> kind;  // kAuto for decoding by scheme
  bool raw = false;
  bool explain = false;
  TCharset charset = csNone;  // the charset decoded addresses are written in; none: as they came
  std::vector<std::string> items;
};

}  // namespace varnelta::cli
