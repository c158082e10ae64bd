// varnelta-skin entry: the commands live in skin_tool.cpp (its command table is where a new
// command, such as check, is dispatched).
#include <cstdio>
#include <string>
#include <vector>

#include "tools/skin/skin_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  varnelta::skintool::Output io;
  const int status = varnelta::skintool::Run(args, io);
  std::fwrite(io.out.data(), 1, io.out.size(), stdout);
  std::fflush(stdout);
  std::fwrite(io.err.data(), 1, io.err.size(), stderr);
  if (std::ferror(stdout)) return status == 0 ? 1 : status;
  return status;
}
