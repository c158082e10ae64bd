// --raw: the whole input as one byte string through the exact codec, streamed in blocks.
#pragma once

#include "cli.h"
#include "options.h"

namespace varnelta::cli {

int RunRaw(const Options& options, Streams& io);

}  // namespace varnelta::cli
