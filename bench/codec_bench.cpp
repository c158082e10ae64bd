#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "app/codec/base64_block.h"
#include "app/codec/link_codec.h"
#include "app/codec/link_recognition.h"
#include "app/codec/raw_link_decoder.h"

namespace {

std::string Bytes(std::size_t n) {
  std::mt19937 rng(1);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(rng() & 0xFF);
  return s;
}

void BM_EncodeBase64(benchmark::State& state) {
  const std::string in = Bytes(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(varnelta::EncodeBase64(in));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_DecodeBase64(benchmark::State& state) {
  const std::string in = varnelta::EncodeBase64(Bytes(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(varnelta::DecodeBase64(in));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

// Text wrapped at 76 characters with CR LF: every group touching a line break takes the slot
// rules (the lenient decoding of such text is not plain Base64, but costs are what is shown).
void BM_DecodeBase64Wrapped(benchmark::State& state) {
  const std::string clean = varnelta::EncodeBase64(Bytes(static_cast<std::size_t>(state.range(0))));
  std::string in;
  for (std::size_t i = 0; i < clean.size(); i += 76) in.append(clean, i, 76).append("\r\n");
  for (auto _ : state) benchmark::DoNotOptimize(varnelta::DecodeBase64(in));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

// The block codec alone, per engine, into a buffer made once: no allocation in the loop.
void BM_EncodeGroups(benchmark::State& state) {
  const auto engine = static_cast<varnelta::TBase64Engine>(state.range(1));
  const std::string in = Bytes(static_cast<std::size_t>(state.range(0)) / 3 * 3);
  std::string out(in.size() / 3 * 4, '\0');
  for (auto _ : state) {
    varnelta::EncodeBase64Groups(in.data(), in.size(), out.data(), engine);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(in.size()));
  state.SetLabel(varnelta::Base64EngineName(engine));
}

void BM_DecodeGroups(benchmark::State& state) {
  const auto engine = static_cast<varnelta::TBase64Engine>(state.range(1));
  const std::string in = varnelta::EncodeBase64(Bytes(static_cast<std::size_t>(state.range(0)) / 3 * 3));
  std::string out(in.size() / 4 * 3, '\0');
  for (auto _ : state) {
    varnelta::TBase64Slots slots;
    benchmark::DoNotOptimize(varnelta::DecodeBase64Groups(in.data(), in.size() / 4, out.data(), slots, engine));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(out.size()));
  state.SetLabel(varnelta::Base64EngineName(engine));
}

void EngineArgs(benchmark::internal::Benchmark* b) {
  for (varnelta::TBase64Engine e : varnelta::AvailableBase64Engines()) b->Args({16 << 20, static_cast<int64_t>(e)});
}

// The raw mode's decoder over 1 MiB blocks, output cleared after each block as the command
// line writes it out.
void BM_RawLinkDecoder(benchmark::State& state) {
  const std::string in =
      std::string("qqdl://").append(varnelta::EncodeBase64(Bytes(static_cast<std::size_t>(state.range(0)))));
  std::string out;
  for (auto _ : state) {
    varnelta::TRawLinkDecoder decoder(varnelta::lkXuanfeng);
    for (std::size_t at = 0; at < in.size(); at += 1 << 20) {
      decoder.Feed(std::string_view(in).substr(at, 1 << 20), out);
      out.clear();
    }
    decoder.Finish(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

const std::string kAddress =
    "http://downloads.example/releases/2026/varnelta/setup-0.1.0-build-09307-windows-x86.zip?mirror=1";

void BM_MakeSpecialLink(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(varnelta::MakeSpecialLink(kind, kAddress));
}

void BM_MakeOrdinaryLink(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const std::string link = *varnelta::MakeSpecialLink(kind, kAddress);
  for (auto _ : state) benchmark::DoNotOptimize(varnelta::MakeOrdinaryLink(kind, link));
}

// One pasted line through the recognition, by kind.
void BM_RecognizeLink(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const std::string link = std::string("\"").append(*varnelta::MakeSpecialLink(kind, kAddress)).append("\"");
  for (auto _ : state) benchmark::DoNotOptimize(varnelta::RecognizeLink(link, -1));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

}  // namespace

BENCHMARK(BM_EncodeBase64)->Arg(1 << 10)->Arg(64 << 10)->Arg(16 << 20);
BENCHMARK(BM_DecodeBase64)->Arg(1 << 10)->Arg(64 << 10)->Arg(16 << 20);
BENCHMARK(BM_DecodeBase64Wrapped)->Arg(16 << 20);
BENCHMARK(BM_EncodeGroups)->Apply(EngineArgs);
BENCHMARK(BM_DecodeGroups)->Apply(EngineArgs);
BENCHMARK(BM_RawLinkDecoder)->Arg(16 << 20);
BENCHMARK(BM_MakeSpecialLink)->DenseRange(0, 3);
BENCHMARK(BM_MakeOrdinaryLink)->DenseRange(0, 3);
BENCHMARK(BM_RecognizeLink)->DenseRange(0, 3);
