// Skin model figures on the program's stored skin: decompressing and parsing it together (the
// work of a skin load), the parse alone on an opened archive, and reading its pictures.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/img_util.h"
#include "skin/data/skin_load.h"

namespace {

using namespace varnelta;

const std::vector<std::uint8_t>& StoredSkin() {
  static const std::vector<std::uint8_t> bytes = [] {
    std::ifstream file(VARNELTA_STORED_SKIN_PATH, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
  }();
  return bytes;
}

void DecompressAndParse(benchmark::State& state) {
  const auto& stream = StoredSkin();
  if (stream.empty()) {
    state.SkipWithError("no stored skin");
    return;
  }
  for (auto _ : state) {
    TSkinElements skin;
    bool ok = LoadSkinStream(stream, skin);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(skin.Toolbar.get());
  }
}
BENCHMARK(DecompressAndParse)->Unit(benchmark::kMillisecond);

void ParseOnly(benchmark::State& state) {
  TSkinReader reader;
  if (!reader.LoadFromStream(StoredSkin())) {
    state.SkipWithError("no stored skin");
    return;
  }
  for (auto _ : state) {
    TSkinElements skin;
    bool ok = ParseSkinArchive(reader, skin);
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK(ParseOnly)->Unit(benchmark::kMicrosecond);

void ReadPictures(benchmark::State& state) {
  TSkinReader reader;
  if (!reader.LoadFromStream(StoredSkin())) {
    state.SkipWithError("no stored skin");
    return;
  }
  std::int64_t bytes = 0;
  for (auto _ : state) {
    for (const auto& entry : reader.Entries()) {
      if (entry.name.find(".bmp") == std::string::npos) continue;
      TBitmap picture;
      picture.LoadFromBytes(reader.Data(entry));
      bytes += entry.size;
      benchmark::DoNotOptimize(picture.Pixels().data());
    }
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(ReadPictures)->Unit(benchmark::kMicrosecond);

void MirrorAndRotate(benchmark::State& state) {
  TBitmap picture(200, 21);
  picture.Fill(0x808080);
  for (auto _ : state) {
    MirrorBitmap(picture);
    RotateBitmapLeft(picture);
    RotateBitmapRight(picture);
    benchmark::DoNotOptimize(picture.Pixels().data());
  }
}
BENCHMARK(MirrorAndRotate)->Unit(benchmark::kMicrosecond);

}  // namespace
