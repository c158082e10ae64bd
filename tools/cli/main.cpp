// varnelta-cli entry: binary standard streams, so bytes pass through untouched.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

std::string ReadAll(std::FILE* f) {
  // A regular file is read into one buffer of its size; a pipe grows the buffer as it goes.
  struct stat info {};
  std::size_t capacity = 1 << 16;
  if (fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    capacity = static_cast<std::size_t>(info.st_size) + 1;
  }
  std::string data;
  std::size_t size = 0;
  data.resize(capacity);
  for (;;) {
    const std::size_t got = std::fread(data.data() + size, 1, data.size() - size, f);
    size += got;
    if (size < data.size()) break;
    data.resize(data.size() * 2);
  }
  data.resize(size);
  return data;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  varnelta::cli::Streams io;
  io.readInput = [] { return ReadAll(stdin); };
  const int status = varnelta::cli::Run(args, io);
  std::fwrite(io.out.data(), 1, io.out.size(), stdout);
  std::fflush(stdout);
  std::fputs(io.err.c_str(), stderr);
  if (std::ferror(stdout)) return status == 0 ? 1 : status;
  return status;
}
