#include <immintrin.h>

#include "install/PlaneConversionPaths.h"

// vpermi2b looks up 64 indexes at once in a 128-byte table (their low seven
// bits); two lookups and a blend on the top bit cover all 256 entries.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void ConvertWithVbmi(
    const std::byte* colourTable, const std::byte* storedRows, std::byte* planes) {
    constexpr std::size_t kLanes = 64;
    constexpr std::size_t kTail = kRowLength % kLanes;

    // Each plane's 256 entries, as four registers of 64.
    std::byte entries[3][256];
    for (std::size_t i = 0; i < 256; ++i) {
        for (std::size_t p = 0; p < 3; ++p) entries[p][i] = colourTable[4 * i + 2 - p];
    }
    __m512i quarter[3][4];
    for (std::size_t p = 0; p < 3; ++p) {
        for (std::size_t q = 0; q < 4; ++q) {
            quarter[p][q] = _mm512_loadu_si512(entries[p] + q * kLanes);
        }
    }

    for (std::size_t storedRow = 0; storedRow < kRows; ++storedRow) {
        PrefetchRowsAhead(storedRows, storedRow);
        const std::byte* stored = storedRows + storedRow * kRowLength;
        std::byte* row = planes + (kRows - 1 - storedRow) * kRowLength;
        for (std::size_t x = 0; x < kRowLength; x += kLanes) {
            const __mmask64 lanes =
                x + kLanes <= kRowLength ? ~__mmask64{0} : (__mmask64{1} << kTail) - 1;
            const __m512i index = _mm512_maskz_loadu_epi8(lanes, stored + x);
            const __mmask64 upperHalf = _mm512_movepi8_mask(index);
            for (std::size_t p = 0; p < 3; ++p) {
                const __m512i lower = _mm512_permutex2var_epi8(quarter[p][0], index, quarter[p][1]);
                const __m512i upper = _mm512_permutex2var_epi8(quarter[p][2], index, quarter[p][3]);
                _mm512_mask_storeu_epi8(row + p * kPlaneSize + x, lanes,
                                        _mm512_mask_blend_epi8(upperHalf, lower, upper));
            }
        }
    }
}
