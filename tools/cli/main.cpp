// varnelta-cli entry: binary standard streams, so bytes pass through untouched.
#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  varnelta::cli::Streams io;
  io.read = [](char* buffer, std::size_t size) { return std::fread(buffer, 1, size, stdin); };
  io.write = [](std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); };
  io.error = [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); };
  const int status = varnelta::cli::Run(args, io);
  std::fflush(stdout);
  if (std::ferror(stdout)) return status == 0 ? 1 : status;
  return status;
}
