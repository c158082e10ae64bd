#include "raw_mode.h"

#include <memory>

#include "app/codec/raw_link_decoder.h"
#include "app/codec/raw_link_encoder.h"

namespace varnelta::cli {
namespace {

// Feeds the input (the single argument, or standard input a block at a time) through the
// converter and writes its output a block at a time.
template <class Converter>
void Stream(Converter& converter, const Options& o, Streams& io) {
  std::string out;
  const auto flush = [&](std::size_t atLeast) {
    if (out.size() >= atLeast && !out.empty()) {
      io.write(out);
      out.clear();
    }
  };
  if (!o.items.empty()) {
    converter.Feed(o.items[0], out);
  } else {
    const auto block = std::make_unique<char[]>(kBlock);
    while (const std::size_t got = io.read(block.get(), kBlock)) {
      converter.Feed(std::string_view(block.get(), got), out);
      flush(kBlock);
    }
  }
  converter.Finish(out);
  flush(0);
}

}  // namespace

int RunRaw(const Options& o, Streams& io) {
  if (o.command == Command::Encode) {
    TRawLinkEncoder encoder(*o.kind);
    Stream(encoder, o, io);
    return 0;
  }
  TRawLinkDecoder decoder(*o.kind == kAuto ? kKindFromPrefix : *o.kind);
  Stream(decoder, o, io);
  if (decoder.Recognised()) return 0;
  io.error("line 1: not a special link\n");
  return 1;
}

}  // namespace varnelta::cli
