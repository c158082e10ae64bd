// varnelta-cli: the link codec for scripts and batch work. The whole command lives here as a
// function of its arguments and input so that tests can drive it without a process.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace varnelta::cli {

struct Streams {
  std::function<std::string()> readInput;  // all of standard input, read only when needed
  std::string out;                         // bytes for standard output
  std::string err;                         // text for standard error
};

// Exit status: 0 success, 1 an item that is no special link (auto decoding), 2 usage error.
int Run(const std::vector<std::string>& args, Streams& io);

}  // namespace varnelta::cli
