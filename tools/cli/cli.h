// varnelta-cli: the link codec for scripts and batch work. The whole command lives here as a
// function of its arguments and streams so that tests can drive it without a process.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelta::cli {

struct Streams {
  // Up to `size` bytes of standard input into `buffer`; 0 at its end. Called only when needed.
  std::function<std::size_t(char* buffer, std::size_t size)> read;
  std::function<void(std::string_view)> write;  // bytes for standard output
  std::function<void(std::string_view)> error;  // text for standard error
};

// Exit status: 0 success, 1 a line that gave no address (decoding), 2 usage error.
int Run(const std::vector<std::string>& args, Streams& io);

}  // namespace varnelta::cli
