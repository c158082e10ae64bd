// Skin stream figures: decoder throughput in bytes of output, the whole archive load, and the
// encoder, on an input shaped like a real skin (24-bit pictures and an INI description).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutInt(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 24-bit bottom-up bitmap file: a vertical gradient face with a darker frame, magenta corners
// and some dithering, like the frame and button pictures of a skin.
Bytes Picture(int width, int height, std::uint32_t seed) {
  std::mt19937 rng(seed);
  const int stride = (width * 3 + 3) & ~3;
  Bytes out{'B', 'M'};
  PutInt(out, static_cast<std::uint32_t>(54 + stride * height), 4);
  PutInt(out, 0, 4);
  PutInt(out, 54, 4);
  PutInt(out, 40, 4);
  PutInt(out, static_cast<std::uint32_t>(width), 4);
  PutInt(out, static_cast<std::uint32_t>(height), 4);
  PutInt(out, 1, 2);
  PutInt(out, 24, 2);
  PutInt(out, 0, 4);
  PutInt(out, static_cast<std::uint32_t>(stride * height), 4);
  PutInt(out, 2835, 4);
  PutInt(out, 2835, 4);
  PutInt(out, 0, 8);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool corner = (x < 3 || x >= width - 3) && (y < 3 || y >= height - 3);
      const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      std::uint8_t b = static_cast<std::uint8_t>(245 - y * 40 / height);
      std::uint8_t g = static_cast<std::uint8_t>(235 - y * 40 / height);
      std::uint8_t r = static_cast<std::uint8_t>(230 - y * 40 / height);
      if (edge) b = g = r = 120;
      // Dithering and anti-aliasing: about one pixel in three differs slightly.
      if (rng() % 3 == 0) {
        b = static_cast<std::uint8_t>(b - rng() % 4);
        g = static_cast<std::uint8_t>(g - rng() % 4);
      }
      if (corner) { b = 255; g = 0; r = 255; }
      out.push_back(b);
      out.push_back(g);
      out.push_back(r);
    }
    for (int pad = width * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

Bytes SkinArchive() {
  std::vector<varnelta::TSkinEntry> entries;
  std::string ini = "[Personality]\r\n";
  for (int i = 0; i < 34; ++i) {
    const std::string name = "picture" + std::to_string(i) + ".bmp";
    ini += "Item" + std::to_string(i) + "=" + name + "\r\nItem" + std::to_string(i) +
           "Frame=5\r\nItem" + std::to_string(i) + "Trans=1\r\n";
    const int width = i % 3 == 0 ? 300 : 20 + i * 3;
    const int height = i % 3 == 0 ? 22 : 21 + (i % 5) * 4;
    entries.push_back({name, Picture(width, height, static_cast<std::uint32_t>(i))});
  }
  entries.insert(entries.begin(), varnelta::TSkinEntry{"skin.ini", Bytes(ini.begin(), ini.end())});
  return varnelta::BuildSkinArchive(40000, entries);
}

const Bytes& Archive() {
  static const Bytes archive = SkinArchive();
  return archive;
}

const Bytes& Stream() {
  static const Bytes stream = varnelta::CompressSkinStream(Archive());
  return stream;
}

// Decodes a skin stream (its 4-byte size first) again and again; figures in bytes of output.
void DecodeStream(benchmark::State& state, const Bytes& stream, std::int64_t size) {
  varnelta::TLZH codec;
  Bytes out;
  for (auto _ : state) {
    out.clear();
    codec.Decode(std::span(stream).subspan(4), out, size);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
  state.counters["archive_bytes"] = static_cast<double>(size);
  state.counters["stream_bytes"] = static_cast<double>(stream.size());
}

void BM_DecodeSkinLike(benchmark::State& state) {
  DecodeStream(state, Stream(), static_cast<std::int64_t>(Archive().size()));
}

void BM_LoadSkinArchive(benchmark::State& state) {
  const Bytes& stream = Stream();
  for (auto _ : state) {
    varnelta::TSkinReader reader;
    benchmark::DoNotOptimize(reader.LoadFromStream(stream));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Archive().size()));
}

void BM_EncodeSkinLike(benchmark::State& state) {
  const Bytes& archive = Archive();
  varnelta::TLZH codec;
  for (auto _ : state) benchmark::DoNotOptimize(codec.Encode(archive));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(archive.size()));
}

void BM_DecodeRandom(benchmark::State& state) {
  std::mt19937 rng(9);
  Bytes input(1 << 18);
  for (auto& b : input) b = static_cast<std::uint8_t>(rng());
  varnelta::TLZH codec;
  const Bytes stream = codec.Encode(input);
  Bytes out;
  for (auto _ : state) {
    out.clear();
    codec.Decode(stream, out, static_cast<std::int64_t>(input.size()));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(input.size()));
}

#ifdef VARNELTA_STORED_SKIN_PATH
// The program's own stored skin, as packed at build time.
void BM_DecodeStoredSkin(benchmark::State& state) {
  std::ifstream in(VARNELTA_STORED_SKIN_PATH, std::ios::binary);
  const Bytes stream{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (stream.size() < 4) {
    state.SkipWithError("stored skin not found");
    return;
  }
  DecodeStream(state, stream, stream[0] | (stream[1] << 8) | (stream[2] << 16) | (stream[3] << 24));
}
BENCHMARK(BM_DecodeStoredSkin);
#endif

}  // namespace

BENCHMARK(BM_DecodeSkinLike);
BENCHMARK(BM_LoadSkinArchive);
BENCHMARK(BM_EncodeSkinLike);
BENCHMARK(BM_DecodeRandom);
