// Vector kernels of the Base64 block codec (x86 only; elsewhere they do nothing). Each handles
// only what it can do at full width and returns how far it got; the caller finishes the rest.
#pragma once

#include <cstddef>

namespace varnelta::base64_simd {

bool HasSsse3();
bool HasAvx2();

// Encodes whole 12-byte (SSSE3) or 24-byte (AVX2) steps while the loads stay inside the `n`
// input bytes; returns the bytes consumed (a multiple of 3). Writes 4/3 as many characters.
std::size_t EncodeSsse3(const char* in, std::size_t n, char* out);
std::size_t EncodeAvx2(const char* in, std::size_t n, char* out);

// Decodes blocks of 4 (SSSE3) or 8 (AVX2) groups made only of alphabet characters, stopping
// before the first block holding anything else or when a full-width store would pass the
// groups * 3 bytes of `out`; returns the groups decoded (3 bytes each).
std::size_t DecodeSsse3(const char* in, std::size_t groups, char* out);
std::size_t DecodeAvx2(const char* in, std::size_t groups, char* out);

}  // namespace varnelta::base64_simd
