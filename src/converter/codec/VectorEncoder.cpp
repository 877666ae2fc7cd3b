#include "EncoderParts.h"

#if KR_CODEC_AVX2
#include <cstring>

#include <immintrin.h>

namespace voice::encoder {
namespace {

// The encoder's trial search with AVX2, giving the same integers as the
// plain one (VoiceCodec.cpp). The three trials run side by side in the lanes of one register:
// one chain of vector steps codes a sample for all of them, and each trial's
// weights and window stay in registers for the whole block, so no prediction
// waits for a store. Each prediction is split: the products of its 15 older
// values are summed while the previous sample is still being coded, and only
// the newest value's product waits for it.
//
// Where the integers are not simply the same operations:
// - pmaddwd sums two 16 x 16-bit products per lane; the only pair that
//   exceeds 32 bits, (-32768)^2 twice, wraps to -2^31 exactly as the sum
//   modulo 2^32 does. The newest value's product pairs it with 0.
// - The history's energy (below 2^35) and the error sums (below 2^39) are
//   integers held exactly in doubles; the gain's shift is a multiplication
//   by a power of two built from the energy's exponent, then floored.
// - The weights live in the order [0-3, 8-11] and [4-7, 12-15], which the
//   in-lane unpacking of the window gives and the byte pick of the taps
//   undoes.
#define KR_AVX2 __attribute__((target("avx2")))

// A lane of int32 or double per trial; the fourth lane repeats the third.
constexpr int kLanes = 4;

// The window of the coming prediction less its newest value, one place on.
KR_AVX2 inline __m256i AdvanceWindow(__m256i h)
{
    return _mm256_alignr_epi8(_mm256_permute2x128_si256(h, h, 0x81), h, 2);
}

// Taps from weights in the lane order above: each weight's bits 8-23.
KR_AVX2 inline __m256i TapsOf(__m256i a, __m256i b)
{
    constexpr char x = -128;  // a zero byte
    const __m256i pickA = _mm256_setr_epi8(1, 2, 5, 6, 9, 10, 13, 14, x, x, x, x, x, x, x, x,  //
                                           1, 2, 5, 6, 9, 10, 13, 14, x, x, x, x, x, x, x, x);
    const __m256i pickB = _mm256_setr_epi8(x, x, x, x, x, x, x, x, 1, 2, 5, 6, 9, 10, 13, 14,  //
                                           x, x, x, x, x, x, x, x, 1, 2, 5, 6, 9, 10, 13, 14);
    return _mm256_or_si256(_mm256_shuffle_epi8(a, pickA), _mm256_shuffle_epi8(b, pickB));
}

// One trial's predictor: its weights, and the window its pending change's
// sample was predicted from.
struct TrialRegisters {
    __m256i weightsA, weightsB, window;
};

// Emphasised values lane by lane, each as a (value, 0) pair of 16-bit
// halves: entry k holds the value k - 1 places into the history followed by
// the block; entry 0 is a stand-in that leaves the energy alone before the
// first sample.
using LaneValues = __m128i[kPredictorOrder + kBlockSamples + 1];

// Trial n's pending weight change with the gains' (gain, 2^11) pairs; then
// its window takes the newest value (lane n of `newest`). Returns the
// products of the coming prediction's older values.
KR_AVX2 __attribute__((always_inline)) inline __m256i AdaptTrial(TrialRegisters& r, __m128i factors, __m128i newest,
                                                                 int n)
{
    const __m256i one = _mm256_set1_epi16(1);
    const __m256i f = _mm256_permutevar8x32_epi32(_mm256_castsi128_si256(factors), _mm256_set1_epi32(n));
    r.weightsA = _mm256_add_epi32(
        r.weightsA, _mm256_srai_epi32(_mm256_madd_epi16(_mm256_unpacklo_epi16(r.window, one), f), kGainBits));
    r.weightsB = _mm256_add_epi32(
        r.weightsB, _mm256_srai_epi32(_mm256_madd_epi16(_mm256_unpackhi_epi16(r.window, one), f), kGainBits));
    // The window one place on, lane n's newest value last.
    const __m128i value = n == 0 ? newest : n == 1 ? _mm_srli_si128(newest, 4) : _mm_srli_si128(newest, 8);
    r.window =
        _mm256_alignr_epi8(_mm256_permute2x128_si256(r.window, _mm256_castsi128_si256(value), 0x21), r.window, 2);
    return _mm256_madd_epi16(TapsOf(r.weightsA, r.weightsB), AdvanceWindow(r.window));
}

// The pending weight change of every trial, made on the window its sample
// was predicted from; then each window takes the newest value, and the sums
// for the coming predictions are formed. `at` is the sample being coded.
// `newest` is the newest emphasised value, `pending` the residual whose
// weight change is still to be made.
KR_AVX2 __attribute__((always_inline)) inline void AdaptTrials(TrialRegisters (&trials)[kTrials], __m256d& energy,
                                                               __m128i& weight15, __m128i& newestTap, __m128i& older,
                                                               __m128i newest, __m128i pending,
                                                               const LaneValues& values, int at)
{
    // The gain: residual * 2^(25 - e), floored and clamped, where 2^e is the
    // leading bit of energy + floor.
    const __m256d x = _mm256_add_pd(energy, _mm256_set1_pd(double(kEnergyFloor)));
    const __m256i exponent = _mm256_srli_epi64(_mm256_castpd_si256(x), 52);
    constexpr int64_t kScaleExponent = 1023 + 1023 + kGainBits - (kAdaptShift + kFracBits - kWeightBits) - 1;
    const __m256d scale =
        _mm256_castsi256_pd(_mm256_slli_epi64(_mm256_sub_epi64(_mm256_set1_epi64x(kScaleExponent), exponent), 52));
    __m256d g = _mm256_floor_pd(_mm256_mul_pd(_mm256_cvtepi32_pd(pending), scale));
    g = _mm256_min_pd(_mm256_max_pd(g, _mm256_set1_pd(-32767)), _mm256_set1_pd(32767));
    // (gain, 2^11) pairs: pmaddwd on (h, 1) pairs gives gain * h + 2^11.
    const __m128i gain = _mm256_cvttpd_epi32(g);
    const __m128i factors = _mm_unpacklo_epi16(_mm_packs_epi32(gain, gain), _mm_set1_epi16(1 << (kGainBits - 1)));
    const __m128i leaving = values[at];
    energy = _mm256_add_pd(
        energy, _mm256_cvtepi32_pd(_mm_sub_epi32(_mm_madd_epi16(newest, newest), _mm_madd_epi16(leaving, leaving))));
    const __m128i h15 = _mm_or_si128(values[at + kPredictorOrder - 1], _mm_set1_epi32(1 << 16));
    weight15 = _mm_add_epi32(weight15, _mm_srai_epi32(_mm_madd_epi16(h15, factors), kGainBits));
    newestTap = _mm_srai_epi32(_mm_slli_epi32(weight15, 16 - (kWeightBits - kTapBits)), 16);

    const __m256i h = _mm256_hadd_epi32(
        _mm256_hadd_epi32(AdaptTrial(trials[0], factors, newest, 0), AdaptTrial(trials[1], factors, newest, 1)),
        _mm256_hadd_epi32(AdaptTrial(trials[2], factors, newest, 2), _mm256_setzero_si256()));
    older = _mm_add_epi32(_mm256_castsi256_si128(h), _mm256_extracti128_si256(h, 1));
}

KR_AVX2 __attribute__((always_inline)) inline void CodeTrialsVector(Trials& t, const int16_t* block)
{
    const PredictorState& s = t.state[0];  // every trial starts from it
    const int16_t newestValue = s.history[kPredictorOrder - 1];
    LaneValues values;
    for (int k = 0; k <= kPredictorOrder; ++k)
        values[k] = _mm_set1_epi32(uint16_t(s.history[k > 0 ? k - 1 : kPredictorOrder - 1]));

    // Before the first sample no change is pending: a zero residual gives a
    // zero gain, and the newest value as the leaving one leaves the energy
    // alone. The window is the history one place back, so that taking the
    // newest value restores it.
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s.weights));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s.weights + 8));
    const __m256i history = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s.history));
    const __m256i back = _mm256_alignr_epi8(history, _mm256_permute2x128_si256(history, history, 0x08), 14);
    TrialRegisters trials[kTrials];
    for (TrialRegisters& r : trials)
        r = {_mm256_permute2x128_si256(low, high, 0x20), _mm256_permute2x128_si256(low, high, 0x31), back};
    const __m256i taps = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s.taps));
    const __m256i sum = _mm256_madd_epi16(
        taps,
        _mm256_and_si256(history, _mm256_setr_epi16(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0)));
    const __m256i h = _mm256_hadd_epi32(_mm256_hadd_epi32(sum, sum), _mm256_hadd_epi32(sum, sum));
    __m128i older = _mm_add_epi32(_mm256_castsi256_si128(h), _mm256_extracti128_si256(h, 1));
    __m128i newestTap = _mm_set1_epi32(s.taps[kPredictorOrder - 1]);
    __m128i weight15 = _mm_set1_epi32(s.weights[kPredictorOrder - 1]);
    __m128i newest = _mm_set1_epi32(uint16_t(newestValue));
    __m128i last = _mm_set1_epi32(s.last);
    __m128i pending = _mm_setzero_si128();
    __m256d energy = _mm256_set1_pd(double(s.energy));

    const Quantiser* q = t.quantiser;
    const __m128i step = _mm_setr_epi32(q[0].step, q[1].step, q[2].step, q[2].step);
    const __m128i half = _mm_srai_epi32(step, 1);
    // The inverses (below 2^32) where pmuludq finds them: lanes 0 and 2, and
    // 1 and 3 after a shift.
    const __m128i inverse02 = _mm_setr_epi32(int32_t(q[0].inverse), 0, int32_t(q[2].inverse), 0);
    const __m128i inverse13 = _mm_setr_epi32(int32_t(q[1].inverse), 0, int32_t(q[2].inverse), 0);
    __m128i samples[kBlockSamples];
    for (int j = 0; j < kBlockSamples; ++j) {
        const __m128i last12 = _mm_add_epi32(_mm_slli_epi32(last, 3), _mm_slli_epi32(last, 2));
        const __m128i sum = _mm_add_epi32(older, _mm_madd_epi16(newestTap, newest));
        __m128i p =
            _mm_add_epi32(_mm_srai_epi32(sum, kTapBits - kFracBits), _mm_srai_epi32(last12, kEmphasisBits - kFracBits));
        p = _mm_min_epi32(_mm_max_epi32(p, _mm_set1_epi32(kSampleMin * (1 << kFracBits))),
                          _mm_set1_epi32(kSampleMax * (1 << kFracBits)));
        const __m128i r = _mm_sub_epi32(_mm_set1_epi32(block[j] * (1 << kFracBits)), p);
        const __m128i a = _mm_add_epi32(_mm_abs_epi32(r), half);
        const __m128i m02 = _mm_mul_epu32(a, inverse02);
        const __m128i m13 = _mm_mul_epu32(_mm_srli_epi64(a, 32), inverse13);
        const __m128i magnitude =
            _mm_min_epi32(_mm_blend_epi16(_mm_srli_epi64(m02, 32), m13, 0xCC), _mm_set1_epi32(-kCodeMin));
        const __m128i code = _mm_min_epi32(_mm_sign_epi32(magnitude, r), _mm_set1_epi32(kCodeMax));
        const __m128i residual = _mm_mullo_epi32(code, step);
        // The saturating packs are the clamps of the sample and of the
        // emphasised value.
        const __m128i sample = _mm_cvtepi16_epi32(_mm_packs_epi32(
            _mm_srai_epi32(_mm_add_epi32(_mm_add_epi32(p, _mm_set1_epi32(1 << (kFracBits - 1))), residual), kFracBits),
            _mm_setzero_si128()));
        const __m128i emphasised = _mm_cvtepu16_epi32(
            _mm_packs_epi32(_mm_srai_epi32(_mm_sub_epi32(_mm_slli_epi32(sample, kEmphasisBits), last12), kEmphasisBits),
                            _mm_setzero_si128()));

        _mm_storeu_si128(reinterpret_cast<__m128i*>(t.codes[j]), code);
        samples[j] = sample;
        AdaptTrials(trials, energy, weight15, newestTap, older, newest, pending, values, j);
        values[kPredictorOrder + 1 + j] = emphasised;
        newest = emphasised;
        pending = residual;
        last = sample;
    }
    AdaptTrials(trials, energy, weight15, newestTap, older, newest, pending, values, kBlockSamples);

    __m256d error = _mm256_setzero_pd();
    for (int j = 0; j < kBlockSamples; ++j) {
        const __m256d e = _mm256_cvtepi32_pd(_mm_sub_epi32(samples[j], _mm_set1_epi32(block[j])));
        error = _mm256_add_pd(error, _mm256_mul_pd(e, e));
    }
    alignas(32) double energies[kLanes], errors[kLanes];
    alignas(16) int32_t lasts[kLanes];
    _mm256_store_pd(energies, energy);
    _mm256_store_pd(errors, error);
    _mm_store_si128(reinterpret_cast<__m128i*>(lasts), last);
    for (int n = 0; n < kTrials; ++n) {
        const TrialRegisters& r = trials[n];
        PredictorState& out = t.state[n];
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.history), r.window);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.taps), TapsOf(r.weightsA, r.weightsB));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.weights),
                            _mm256_permute2x128_si256(r.weightsA, r.weightsB, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.weights + 8),
                            _mm256_permute2x128_si256(r.weightsA, r.weightsB, 0x31));
        out.energy = uint64_t(energies[n]);
        out.last = int16_t(lasts[n]);
        t.error[n] = int64_t(errors[n]);
    }
}

// The step estimate with AVX2, eight samples at a time.
KR_AVX2 __attribute__((always_inline)) inline int EstimateStepIndexVector(const PredictorState& s, const int16_t* in)
{
    constexpr int kWidth = 8;
    constexpr int kPadded = (kBlockSamples + 2 * kWidth - 1) / (2 * kWidth) * (2 * kWidth);
    int16_t source[kPadded] = {}, previous[kPadded] = {};
    std::memcpy(source, in, kBlockSamples * sizeof *in);
    previous[0] = s.last;
    std::memcpy(previous + 1, in, (kBlockSamples - 1) * sizeof *in);
    // The history, then the block's samples emphasised, sixteen at a time.
    int16_t y[kPredictorOrder + kPadded];
    std::memcpy(y, s.history, sizeof s.history);
    for (int j = 0; j < kPadded; j += 2 * kWidth) {
        __m256i v[2];
        for (int k = 0; k < 2; ++k) {
            const __m256i x =
                _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source + j + kWidth * k)));
            const __m256i last =
                _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(previous + j + kWidth * k)));
            const __m256i last12 = _mm256_add_epi32(_mm256_slli_epi32(last, 3), _mm256_slli_epi32(last, 2));
            v[k] = _mm256_srai_epi32(_mm256_sub_epi32(_mm256_slli_epi32(x, kEmphasisBits), last12), kEmphasisBits);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(y + kPredictorOrder + j),
                            _mm256_permute4x64_epi64(_mm256_packs_epi32(v[0], v[1]), _MM_SHUFFLE(3, 1, 2, 0)));
    }
    const __m256i taps = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s.taps));
    __m256i energy = _mm256_setzero_si256();
    for (int j = 0; j < kBlockSamples; j += kWidth) {
        __m256i sums[kWidth];
        for (int k = 0; k < kWidth; ++k)
            sums[k] = _mm256_madd_epi16(taps, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(y + j + k)));
        const __m256i q0 = _mm256_hadd_epi32(_mm256_hadd_epi32(sums[0], sums[1]), _mm256_hadd_epi32(sums[2], sums[3]));
        const __m256i q1 = _mm256_hadd_epi32(_mm256_hadd_epi32(sums[4], sums[5]), _mm256_hadd_epi32(sums[6], sums[7]));
        const __m256i acc =
            _mm256_add_epi32(_mm256_permute2x128_si256(q0, q1, 0x20), _mm256_permute2x128_si256(q0, q1, 0x31));
        const __m256i last = _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(previous + j)));
        const __m256i fixed = _mm256_srai_epi32(
            _mm256_add_epi32(_mm256_slli_epi32(last, 3), _mm256_slli_epi32(last, 2)), kEmphasisBits - kFracBits);
        __m256i p = _mm256_add_epi32(_mm256_srai_epi32(acc, kTapBits - kFracBits), fixed);
        p = _mm256_min_epi32(_mm256_max_epi32(p, _mm256_set1_epi32(kSampleMin * (1 << kFracBits))),
                             _mm256_set1_epi32(kSampleMax * (1 << kFracBits)));
        const __m256i x = _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source + j)));
        __m256i r = _mm256_sub_epi32(_mm256_slli_epi32(x, kFracBits), p);
        // Past the block's end nothing counts.
        r = _mm256_and_si256(
            r, _mm256_cmpgt_epi32(_mm256_set1_epi32(kBlockSamples - j), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7)));
        const __m256i odd = _mm256_srli_epi64(r, 32);
        energy = _mm256_add_epi64(energy, _mm256_add_epi64(_mm256_mul_epi32(r, r), _mm256_mul_epi32(odd, odd)));
    }
    alignas(32) int64_t lanes[4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), energy);
    return StepIndexFor(lanes[0] + lanes[1] + lanes[2] + lanes[3]);
}

}  // namespace

// The vector coder as it is, and compiled where the processor also has
// AVX-512: the same instructions, but 32 registers, so that fewer values
// wait in memory.
#define KR_AVX512 __attribute__((target("avx2,avx512f,avx512vl,avx512bw")))
KR_AVX2 void CodeTrialsAvx2(Trials& t, const int16_t* block)
{
    CodeTrialsVector(t, block);
}
KR_AVX2 int EstimateStepIndexAvx2(const PredictorState& s, const int16_t* in)
{
    return EstimateStepIndexVector(s, in);
}
KR_AVX512 void CodeTrialsAvx512(Trials& t, const int16_t* block)
{
    CodeTrialsVector(t, block);
}
KR_AVX512 int EstimateStepIndexAvx512(const PredictorState& s, const int16_t* in)
{
    return EstimateStepIndexVector(s, in);
}

}  // namespace voice::encoder
#endif
