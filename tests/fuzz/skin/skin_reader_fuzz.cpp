// The skin archive reader on arbitrary bytes, both as a compressed stream and as an already
// decompressed archive, followed by every kind of lookup.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "skin/data/skin_reader.h"

namespace {

void Exercise(const varnelta::TSkinReader& reader) {
  std::vector<std::uint8_t> out;
  std::string name;
  reader.ExtractFirstMatch(".ini", out, name);
  std::set<std::string> seen;
  for (const varnelta::TSkinReader::Entry& entry : reader.Entries()) {
    // The first entry of a name is the one a lookup returns, whole or not at all.
    const bool found = reader.ExtractFile(entry.name, out);
    if (!seen.insert(entry.name).second) continue;
    if (found != entry.available) std::abort();
    if (found && out.size() != static_cast<std::size_t>(entry.size)) std::abort();
  }
  reader.ExtractFile("ProgressChunk.BMP", out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  int messages = 0;
  varnelta::TSkinReader reader([&messages](const std::string&) { ++messages; });
  // Keeps garbage sizes from spending the fuzzer's time on megabytes of decoding.
  reader.SetMaxArchiveSize(std::int64_t{1} << 14);

  const bool loaded = reader.LoadFromStream(bytes);
  if (loaded != reader.Loaded() || (!loaded && reader.Count() != 0) || messages > 1) std::abort();
  Exercise(reader);

  reader.LoadArchive(bytes);
  Exercise(reader);
  return 0;
}
