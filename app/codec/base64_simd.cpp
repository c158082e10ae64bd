#include "app/codec/base64_simd.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VARNELTA_X86 1
#endif

namespace varnelta::base64_simd {

#ifdef VARNELTA_X86

namespace {

// Each character's sextet is found by adding an offset chosen by its high nibble ("/" apart);
// a character is in the alphabet when the class bits of its two nibbles have nothing in common.
// Class bits of the low nibble, one lane (16 entries).
#define VARNELTA_LOW_CLASSES \
  0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x13, 0x1A, 0x1B, 0x1B, 0x1B, 0x1A
// Class bits of the high nibble: 0x2_ (only "+" and "/"), 0x3_ (digits), 0x4_-0x7_ (letters).
#define VARNELTA_HIGH_CLASSES \
  0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10
// Offset by high nibble; entry 1 serves "/", whose nibble index is lowered by one.
#define VARNELTA_OFFSETS 0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0
// Offsets from a sextet to its character, indexed as in TranslateSextets.
#define VARNELTA_CHAR_OFFSETS 65, 71, -4, -4, -4, -4, -4, -4, -4, -4, -4, -4, -19, -16, 0, 0
// Three input bytes b0 b1 b2 spread to b1 b0 b2 b1 in each 32-bit word.
#define VARNELTA_SPREAD 1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10
// The three bytes of each 32-bit word of 24-bit values, most significant first.
#define VARNELTA_PACK 2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1

// --- SSSE3: 16 characters at a time ---

__attribute__((target("ssse3"))) inline __m128i SextetsToChars128(__m128i v) {
  const __m128i offsets = _mm_setr_epi8(VARNELTA_CHAR_OFFSETS);
  // 0-25 -> 0, 26-51 -> 1, 52-61 -> 2-11, 62 -> 12, 63 -> 13.
  __m128i index = _mm_subs_epu8(v, _mm_set1_epi8(51));
  index = _mm_sub_epi8(index, _mm_cmpgt_epi8(v, _mm_set1_epi8(25)));
  return _mm_add_epi8(v, _mm_shuffle_epi8(offsets, index));
}

// Twelve bytes (in the low 12 of `in`) to sixteen sextets, one per byte.
__attribute__((target("ssse3"))) inline __m128i SplitSextets128(__m128i in) {
  const __m128i spread = _mm_shuffle_epi8(in, _mm_setr_epi8(VARNELTA_SPREAD));
  const __m128i ac = _mm_mulhi_epu16(_mm_and_si128(spread, _mm_set1_epi32(0x0FC0FC00)), _mm_set1_epi32(0x04000040));
  const __m128i bd = _mm_mullo_epi16(_mm_and_si128(spread, _mm_set1_epi32(0x003F03F0)), _mm_set1_epi32(0x01000010));
  return _mm_or_si128(ac, bd);
}

__attribute__((target("ssse3"))) inline __m128i JoinSextets128(__m128i sextets) {
  const __m128i pairs = _mm_maddubs_epi16(sextets, _mm_set1_epi32(0x01400140));
  const __m128i words = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00011000));
  return _mm_shuffle_epi8(words, _mm_setr_epi8(VARNELTA_PACK));
}

// --- AVX2: 32 characters at a time ---

__attribute__((target("avx2"))) inline __m256i SextetsToChars256(__m256i v) {
  const __m256i offsets = _mm256_setr_epi8(VARNELTA_CHAR_OFFSETS, VARNELTA_CHAR_OFFSETS);
  __m256i index = _mm256_subs_epu8(v, _mm256_set1_epi8(51));
  index = _mm256_sub_epi8(index, _mm256_cmpgt_epi8(v, _mm256_set1_epi8(25)));
  return _mm256_add_epi8(v, _mm256_shuffle_epi8(offsets, index));
}

__attribute__((target("avx2"))) inline __m256i SplitSextets256(__m256i in) {
  const __m256i spread = _mm256_shuffle_epi8(in, _mm256_setr_epi8(VARNELTA_SPREAD, VARNELTA_SPREAD));
  const __m256i ac =
      _mm256_mulhi_epu16(_mm256_and_si256(spread, _mm256_set1_epi32(0x0FC0FC00)), _mm256_set1_epi32(0x04000040));
  const __m256i bd =
      _mm256_mullo_epi16(_mm256_and_si256(spread, _mm256_set1_epi32(0x003F03F0)), _mm256_set1_epi32(0x01000010));
  return _mm256_or_si256(ac, bd);
}

__attribute__((target("avx2"))) inline __m256i JoinSextets256(__m256i sextets) {
  const __m256i pairs = _mm256_maddubs_epi16(sextets, _mm256_set1_epi32(0x01400140));
  const __m256i words = _mm256_madd_epi16(pairs, _mm256_set1_epi32(0x00011000));
  const __m256i packed = _mm256_shuffle_epi8(words, _mm256_setr_epi8(VARNELTA_PACK, VARNELTA_PACK));
  // Twelve bytes from each lane, side by side.
  return _mm256_permutevar8x32_epi32(packed, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7));
}

}  // namespace

bool HasSsse3() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("ssse3");
}

bool HasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

__attribute__((target("ssse3"))) std::size_t EncodeSsse3(const char* in, std::size_t n, char* out) {
  std::size_t i = 0;
  for (; i + 16 <= n; i += 12, out += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), SextetsToChars128(SplitSextets128(bytes)));
  }
  return i;
}

__attribute__((target("avx2"))) std::size_t EncodeAvx2(const char* in, std::size_t n, char* out) {
  std::size_t i = 0;
  for (; i + 28 <= n; i += 24, out += 32) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i + 12));
    const __m256i bytes = _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), SextetsToChars256(SplitSextets256(bytes)));
  }
  return i;
}

__attribute__((target("ssse3"))) std::size_t DecodeSsse3(const char* in, std::size_t groups, char* out) {
  const __m128i lowClasses = _mm_setr_epi8(VARNELTA_LOW_CLASSES);
  const __m128i highClasses = _mm_setr_epi8(VARNELTA_HIGH_CLASSES);
  const __m128i offsets = _mm_setr_epi8(VARNELTA_OFFSETS);
  const __m128i nibble = _mm_set1_epi8(0x2F);  // also the character "/"
  std::size_t g = 0;
  for (; g + 6 <= groups; g += 4, out += 12) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + g * 4));
    const __m128i high = _mm_and_si128(_mm_srli_epi32(c, 4), nibble);
    const __m128i low = _mm_and_si128(c, nibble);
    const __m128i clash = _mm_and_si128(_mm_shuffle_epi8(lowClasses, low), _mm_shuffle_epi8(highClasses, high));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(clash, _mm_setzero_si128())) != 0xFFFF) break;
    const __m128i slash = _mm_cmpeq_epi8(c, nibble);
    const __m128i sextets = _mm_add_epi8(c, _mm_shuffle_epi8(offsets, _mm_add_epi8(slash, high)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), JoinSextets128(sextets));
  }
  return g;
}

__attribute__((target("avx2"))) std::size_t DecodeAvx2(const char* in, std::size_t groups, char* out) {
  const __m256i lowClasses = _mm256_setr_epi8(VARNELTA_LOW_CLASSES, VARNELTA_LOW_CLASSES);
  const __m256i highClasses = _mm256_setr_epi8(VARNELTA_HIGH_CLASSES, VARNELTA_HIGH_CLASSES);
  const __m256i offsets = _mm256_setr_epi8(VARNELTA_OFFSETS, VARNELTA_OFFSETS);
  const __m256i nibble = _mm256_set1_epi8(0x2F);
  std::size_t g = 0;
  for (; g + 11 <= groups; g += 8, out += 24) {
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + g * 4));
    const __m256i high = _mm256_and_si256(_mm256_srli_epi32(c, 4), nibble);
    const __m256i low = _mm256_and_si256(c, nibble);
    if (!_mm256_testz_si256(_mm256_shuffle_epi8(lowClasses, low), _mm256_shuffle_epi8(highClasses, high))) break;
    const __m256i slash = _mm256_cmpeq_epi8(c, nibble);
    const __m256i sextets = _mm256_add_epi8(c, _mm256_shuffle_epi8(offsets, _mm256_add_epi8(slash, high)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), JoinSextets256(sextets));
  }
  return g;
}

#else  // no vector kernels on this processor

bool HasSsse3() { return false; }
bool HasAvx2() { return false; }
std::size_t EncodeSsse3(const char*, std::size_t, char*) { return 0; }
std::size_t EncodeAvx2(const char*, std::size_t, char*) { return 0; }
std::size_t DecodeSsse3(const char*, std::size_t, char*) { return 0; }
std::size_t DecodeAvx2(const char*, std::size_t, char*) { return 0; }

#endif

}  // namespace varnelta::base64_simd
