// Line mode: each line on its own, line N of the output for line N of the input. Decoding
// reads every line through the link recognition; standard input is read a block at a time.
#pragma once

#include "cli.h"
#include "options.h"

namespace varnelta::cli {

int RunLines(const Options& options, Streams& io);

}  // namespace varnelta::cli
