#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "app/codec/link_codec.h"

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

}  // namespace

BENCHMARK(BM_EncodeBase64)->Arg(1 << 10)->Arg(64 << 10)->Arg(16 << 20);
BENCHMARK(BM_DecodeBase64)->Arg(1 << 10)->Arg(64 << 10)->Arg(16 << 20);
BENCHMARK(BM_MakeSpecialLink)->DenseRange(0, 3);
BENCHMARK(BM_MakeOrdinaryLink)->DenseRange(0, 3);
