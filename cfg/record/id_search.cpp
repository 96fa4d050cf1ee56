#include "cfg/record/id_search.h"

#include <stddef.h>
#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/hal_struct.h"

namespace {

const uint8_t kId[] = HAL_ID_STRING;
// Two ID bytes that rarely stand nine bytes apart in program code ("6" and
// "X"): only where both match is the whole ID compared. A filter on the first
// byte alone would stop at every "5", one byte in 256 of random data.
const unsigned kFirstProbe = 1;
const unsigned kSecondProbe = 10;

bool IdAt(const uint8_t* at) {
  return memcmp(at, kId, kHalIdLength) == 0;
}

}  // namespace

const uint8_t* FindRecordIdPlain(const uint8_t* begin, const uint8_t* end) {
  if (end - begin < kHalIdLength) return nullptr;
  const uint8_t* const last = end - kHalIdLength;
  for (const uint8_t* at = begin; at <= last; ++at) {
    if (at[kFirstProbe] == kId[kFirstProbe] && at[kSecondProbe] == kId[kSecondProbe] && IdAt(at))
      return at;
  }
  return nullptr;
}

#if defined(__SSE2__)

namespace {

// Bit i set when position at + i holds both probe bytes.
inline unsigned ProbeMask(const uint8_t* at) {
  __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + kFirstProbe));
  __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + kSecondProbe));
  __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(first, _mm_set1_epi8(char(kId[kFirstProbe]))),
                               _mm_cmpeq_epi8(second, _mm_set1_epi8(char(kId[kSecondProbe]))));
  return static_cast<unsigned>(_mm_movemask_epi8(hits));
}

// The first position of mask (positions at, at + 1, ...) where the whole ID stands.
const uint8_t* CheckHits(const uint8_t* at, unsigned mask) {
  for (; mask; mask &= mask - 1) {
    const uint8_t* candidate = at + __builtin_ctz(mask);
    if (IdAt(candidate)) return candidate;
  }
  return nullptr;
}

}  // namespace

const uint8_t* FindRecordId(const uint8_t* begin, const uint8_t* end) {
  // Sixteen positions read up to 16 + kSecondProbe bytes and must all leave
  // room for the whole ID.
  const ptrdiff_t kSpan = 16 + kHalIdLength - 1;
  const uint8_t* at = begin;
  // Sixty-four positions a round; the masks are looked at only when one of
  // them has a hit.
  while (end - at >= 48 + kSpan) {
    unsigned m0 = ProbeMask(at);
    unsigned m1 = ProbeMask(at + 16);
    unsigned m2 = ProbeMask(at + 32);
    unsigned m3 = ProbeMask(at + 48);
    if (m0 | m1 | m2 | m3) {
      const uint8_t* found = CheckHits(at, m0 | m1 << 16);
      if (!found) found = CheckHits(at + 32, m2 | m3 << 16);
      if (found) return found;
    }
    at += 64;
  }
  while (end - at >= kSpan) {
    if (const uint8_t* found = CheckHits(at, ProbeMask(at))) return found;
    at += 16;
  }
  return FindRecordIdPlain(at, end);
}

#else

const uint8_t* FindRecordId(const uint8_t* begin, const uint8_t* end) {
  return FindRecordIdPlain(begin, end);
}

#endif
