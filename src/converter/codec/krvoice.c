/* KR615B voice data decoder and BIN walker: see krvoice.h. */
#include "krvoice.h"

/* The build fails here when a state's size is not the one the header states. */
typedef char krv_decoder_size_check[sizeof(krv_decoder) == KRV_DECODER_SIZE ? 1 : -1];
typedef char krv_player_size_check[sizeof(krv_player) == KRV_PLAYER_SIZE ? 1 : -1];
typedef char krv_chunk_size_check[sizeof(krv_chunk) == KRV_CHUNK_SIZE ? 1 : -1];

/* Fixed-point formats: weights have 20 fraction bits, taps 12; predictions,
 * residuals and steps are in 1/16 sample. */
#define WEIGHT_BITS 20
#define TAP_BITS 12
#define FRAC_BITS 4
#define GAIN_BITS 12
/* The fixed part of the prediction: 12/32 of the last sample. */
#define EMPHASIS 12
#define EMPHASIS_BITS 5
#define CODE_MIN (-16)
#define CODE_BITS 5
#define STEP_BITS 6
#define RESERVED_BITS 5
#define ADAPT_SHIFT 2
#define ENERGY_FLOOR 4096u
#define SAMPLE_MIN (-32768L)
#define SAMPLE_MAX 32767L

static const int32_t STEPS[64] = {
    16,    18,    21,    24,    28,    32,    37,    42,    49,    56,    64,    74,    84,    97,    111,   128,
    147,   169,   194,   223,   256,   294,   338,   388,   446,   512,   588,   676,   776,   891,   1024,  1176,
    1351,  1552,  1783,  2048,  2353,  2702,  3104,  3566,  4096,  4705,  5405,  6208,  7132,  8192,  9410,  10809,
    12417, 14263, 16384, 18820, 21619, 24834, 28526, 32768, 37641, 43238, 49667, 57052, 65536, 75281, 86475, 99334,
};

/* Floor division by 2^n: C99 leaves >> of a negative value to the compiler. */
static int64_t floor_shift(int64_t v, int n)
{
    return v >= 0 ? v >> n : -((-v - 1) >> n) - 1;
}

static int64_t clamp64(int64_t v, int64_t low, int64_t high)
{
    return v < low ? low : v > high ? high : v;
}

/* Two's complement wrap to 32 and 16 bits, without implementation-defined
 * conversions. */
static int32_t wrap32(uint32_t v)
{
    return v <= 0x7FFFFFFFu ? (int32_t)v : (int32_t)(v - 0x80000000u) - 0x7FFFFFFF - 1;
}

static int16_t wrap16(int32_t v)
{
    uint32_t u = (uint32_t)v & 0xFFFFu;
    return u <= 0x7FFFu ? (int16_t)u : (int16_t)((int32_t)u - 0x10000);
}

static int bit_width(uint64_t v)
{
    int bits = 0;
    while (v) {
        ++bits;
        v >>= 1;
    }
    return bits;
}

static uint32_t le32(const uint8_t *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

int krv_read_header(const uint8_t *data, uint32_t available, krv_header *header)
{
    uint32_t blocks;
    if (data[0] != 'K' || data[1] != 'R' || data[2] != 'V' || data[3] != 'D')
        return KRV_ERR_FORMAT;
    if (data[4] != 1 || data[5] != KRV_HEADER_BYTES || data[6] != KRV_BLOCK_SAMPLES || data[7] != KRV_BLOCK_BYTES ||
        data[24] != KRV_PREDICTOR_ORDER)
        return KRV_ERR_FORMAT;
    header->sample_rate = le32(data + 8);
    header->sample_count = le32(data + 12);
    header->block_count = le32(data + 16);
    header->checksum = le32(data + 20);
    blocks = header->sample_count / KRV_BLOCK_SAMPLES + (header->sample_count % KRV_BLOCK_SAMPLES != 0);
    if (header->block_count != blocks || blocks > (0xFFFFFFFFu - KRV_HEADER_BYTES) / KRV_BLOCK_BYTES)
        return KRV_ERR_LENGTH;
    if (available != 0 && available != KRV_HEADER_BYTES + blocks * KRV_BLOCK_BYTES)
        return KRV_ERR_LENGTH;
    return KRV_OK;
}

void krv_decoder_reset(krv_decoder *d)
{
    int i;
    d->energy = 0;
    d->pending = 0;
    d->last = 0;
    d->has_pending = 0;
    for (i = 0; i < KRV_PREDICTOR_ORDER; ++i) {
        d->weights[i] = 0;
        d->taps[i] = 0;
    }
    for (i = 0; i <= KRV_PREDICTOR_ORDER; ++i)
        d->window[i] = 0;
    for (i = 0; i < 3; ++i)
        d->unused_[i] = 0;
}

/* Normalised LMS on the window as it was when the pending sample was
 * predicted (window[0..15]); then the window's energy moves on by one value. */
static void adapt(krv_decoder *d)
{
    const int16_t *h = d->window;
    const int shift = bit_width(d->energy + ENERGY_FLOOR) + ADAPT_SHIFT + FRAC_BITS - WEIGHT_BITS;
    const int64_t scaled = (int64_t)d->pending * ((int64_t)1 << GAIN_BITS);
    const int64_t gain = clamp64(shift >= 0 ? floor_shift(scaled, shift) : scaled * ((int64_t)1 << -shift), -32767, 32767);
    int i;
    for (i = 0; i < KRV_PREDICTOR_ORDER; ++i) {
        const int32_t change = (int32_t)floor_shift(gain * h[i] + (1 << (GAIN_BITS - 1)), GAIN_BITS);
        const int32_t w = wrap32((uint32_t)d->weights[i] + (uint32_t)change);
        d->weights[i] = w;
        d->taps[i] = wrap16((int32_t)floor_shift(w, WEIGHT_BITS - TAP_BITS));
    }
    d->energy += (uint64_t)((int32_t)h[KRV_PREDICTOR_ORDER] * h[KRV_PREDICTOR_ORDER]);
    d->energy -= (uint64_t)((int32_t)h[0] * h[0]);
    d->has_pending = 0;
}

static int16_t decode_sample(krv_decoder *d, int code, int32_t step)
{
    uint32_t acc = 0;
    int64_t p, x;
    int i;
    /* The prediction, modulo 2^32 so that even absurd input has one outcome. */
    for (i = 0; i < KRV_PREDICTOR_ORDER; ++i)
        acc += (uint32_t)((int32_t)d->taps[i] * d->window[i + 1]);
    p = floor_shift(wrap32(acc), TAP_BITS - FRAC_BITS) + floor_shift((int64_t)d->last * EMPHASIS, EMPHASIS_BITS - FRAC_BITS);
    p = clamp64(p, SAMPLE_MIN * 16, SAMPLE_MAX * 16);
    if (d->has_pending)
        adapt(d);
    d->pending = code * step;
    x = clamp64(floor_shift(p + d->pending + (1 << (FRAC_BITS - 1)), FRAC_BITS), SAMPLE_MIN, SAMPLE_MAX);
    for (i = 0; i < KRV_PREDICTOR_ORDER; ++i)
        d->window[i] = d->window[i + 1];
    d->window[KRV_PREDICTOR_ORDER] =
        (int16_t)clamp64(floor_shift(x * (1 << EMPHASIS_BITS) - (int64_t)d->last * EMPHASIS, EMPHASIS_BITS), SAMPLE_MIN, SAMPLE_MAX);
    d->last = (int16_t)x;
    d->has_pending = 1;
    return d->last;
}

void krv_decode_block(krv_decoder *d, const uint8_t block[KRV_BLOCK_BYTES], int16_t out[KRV_BLOCK_SAMPLES])
{
    uint32_t acc = 0;
    int count = 0, used = 0, j;
    int32_t step;
#define TAKE(bits, into)                                        \
    do {                                                        \
        while (count < (bits)) {                                \
            acc = ((acc << 8) | block[used++]) & 0xFFFFFFu;     \
            count += 8;                                         \
        }                                                       \
        count -= (bits);                                        \
        (into) = (int)((acc >> count) & ((1u << (bits)) - 1));  \
    } while (0)
    int field;
    TAKE(STEP_BITS, field);
    step = STEPS[field];
    TAKE(RESERVED_BITS, field);
    for (j = 0; j < KRV_BLOCK_SAMPLES; ++j) {
        TAKE(CODE_BITS, field);
        out[j] = decode_sample(d, field + CODE_MIN, step);
    }
#undef TAKE
    adapt(d);
}

uint32_t krv_equation_address(unsigned equation)
{
    if (equation < KRV_FIRST_AREA_EQUATIONS)
        return (uint32_t)(KRV_FIRST_EQUATION_AREA + equation * KRV_EQUATION_SLOT_BYTES);
    return (uint32_t)(KRV_SECOND_EQUATION_AREA + (equation - KRV_FIRST_AREA_EQUATIONS) * KRV_EQUATION_SLOT_BYTES);
}

uint32_t krv_slot_address(const uint8_t record[KRV_SOUND_RECORD_BYTES])
{
    const uint32_t window = (uint32_t)record[2] | ((uint32_t)record[3] << 8);
    const uint32_t bank = (uint32_t)(record[4] - 0x80u) & 0xFFu; /* the bank byte wraps from 4 MiB on */
    const uint32_t address = bank * 0x8000u + (window - 0x8000u);
    if (window < 0x8000u || address < KRV_SOUND_DATA)
        return 0;
    return address;
}

int krv_play_begin(krv_player *p, krv_read_fn read, void *context, unsigned equation)
{
    if (equation >= KRV_EQUATIONS)
        return KRV_ERR_ARGUMENT;
    p->read = read;
    p->context = context;
    p->token_address = krv_equation_address(equation);
    p->slot_end = p->token_address + KRV_EQUATION_SLOT_BYTES;
    p->block_address = 0;
    p->samples_left = 0;
    p->sample_rate = 0;
    p->sound_slot = 0;
    p->status = KRV_OK;
    p->sound_start = 0;
    krv_decoder_reset(&p->decoder);
    return KRV_OK;
}

/* Stops the player at an error: every later call returns it again. */
static int stop(krv_player *p, int error)
{
    p->token_address = p->slot_end;
    p->samples_left = 0;
    p->status = error;
    return error;
}

/* Starts sound slot `slot`: finds its data through the sound table. */
static int start_sound(krv_player *p, uint32_t slot)
{
    uint8_t record[KRV_SOUND_RECORD_BYTES];
    uint8_t head[KRV_HEADER_BYTES];
    krv_header header;
    uint32_t address;
    int result;
    if (slot >= KRV_SOUND_SLOTS)
        return stop(p, KRV_ERR_ADDRESS);
    if (p->read(p->context, (uint32_t)(KRV_SOUND_TABLE + slot * KRV_SOUND_RECORD_BYTES), record, sizeof record))
        return stop(p, KRV_ERR_READ);
    address = krv_slot_address(record);
    if (address == 0)
        return stop(p, KRV_ERR_ADDRESS);
    if (p->read(p->context, address, head, sizeof head))
        return stop(p, KRV_ERR_READ);
    result = krv_read_header(head, 0, &header);
    if (result != KRV_OK)
        return stop(p, result);
    p->sound_slot = slot;
    p->sample_rate = header.sample_rate;
    p->samples_left = header.sample_count;
    p->sound_start = address;
    p->block_address = address + KRV_HEADER_BYTES;
    krv_decoder_reset(&p->decoder);
    return KRV_OK;
}

int krv_play_next(krv_player *p, krv_chunk *chunk)
{
    uint8_t token[3];
    while (p->samples_left == 0) {
        if (p->token_address >= p->slot_end)
            return p->status != KRV_OK ? p->status : KRV_END;
        if (p->read(p->context, p->token_address, token, 1))
            return stop(p, KRV_ERR_READ);
        if (token[0] == KRV_TOKEN_END) {
            p->token_address = p->slot_end;
            return KRV_END;
        }
        if (token[0] == KRV_TOKEN_SOUND) {
            int result;
            if (p->token_address + 3 > p->slot_end)
                return stop(p, KRV_ERR_TOKEN);
            if (p->read(p->context, p->token_address + 1, token + 1, 2))
                return stop(p, KRV_ERR_READ);
            p->token_address += 3;
            result = start_sound(p, ((uint32_t)token[1] << 8) | token[2]);
            if (result != KRV_OK)
                return result;
            continue;
        }
        if ((token[0] != KRV_TOKEN_MILLISECONDS && token[0] != KRV_TOKEN_SECONDS) || p->token_address + 2 > p->slot_end)
            return stop(p, KRV_ERR_TOKEN);
        if (p->read(p->context, p->token_address + 1, token + 1, 1))
            return stop(p, KRV_ERR_READ);
        p->token_address += 2;
        chunk->sample_rate = 0;
        chunk->count = 0;
        chunk->sound_slot = 0;
        chunk->first = 0;
        chunk->silence_ms = token[0] == KRV_TOKEN_SECONDS ? token[1] * 1000u : token[1];
        return KRV_OK;
    }
    {
        uint8_t block[KRV_BLOCK_BYTES];
        if (p->read(p->context, p->block_address, block, sizeof block))
            return stop(p, KRV_ERR_READ);
        krv_decode_block(&p->decoder, block, chunk->samples);
        p->block_address += KRV_BLOCK_BYTES;
        chunk->sample_rate = p->sample_rate;
        chunk->count = p->samples_left < KRV_BLOCK_SAMPLES ? p->samples_left : KRV_BLOCK_SAMPLES;
        chunk->silence_ms = 0;
        chunk->sound_slot = (uint16_t)p->sound_slot;
        chunk->first = p->block_address == p->sound_start + KRV_HEADER_BYTES + KRV_BLOCK_BYTES;
        p->samples_left -= chunk->count;
    }
    return KRV_OK;
}
