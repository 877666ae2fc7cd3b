/*
 * KR615B voice data decoder and BIN walker, in portable C99.
 *
 * The one decoder of the voice format: the desktop program and kr615b link
 * this code, and firmware compiles the same two files as they are. No
 * allocation, no floating point, no library calls; integer-exact, so every
 * build produces the same samples. The format is in docs/voice-format.md.
 *
 * Fixed-size state: krv_decoder 152 bytes; krv_player (which holds one)
 * 192 bytes with 32-bit pointers, 200 with 64-bit ones; one krv_chunk of
 * output 148 bytes. KRV_*_SIZE below state them and the build checks them.
 */
#ifndef KRVOICE_H
#define KRVOICE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Voice data: a header, then blocks of 65 samples in 42 bytes. */
#define KRV_HEADER_BYTES 26
#define KRV_BLOCK_SAMPLES 65
#define KRV_BLOCK_BYTES 42
#define KRV_PREDICTOR_ORDER 16

/* The BIN: where the equation slots, the sound table and the data lie. */
#define KRV_EQUATIONS 220
#define KRV_SOUND_SLOTS 510
#define KRV_EQUATION_SLOT_BYTES 256
#define KRV_FIRST_AREA_EQUATIONS 126
#define KRV_FIRST_EQUATION_AREA 0x130UL
#define KRV_SECOND_EQUATION_AREA 0x10010UL
#define KRV_SOUND_TABLE 0x17000UL
#define KRV_SOUND_RECORD_BYTES 8
#define KRV_SOUND_DATA 0x17FF0UL

/* Equation tokens: a sound (then its slot, 16 bits big-endian), a silence
 * of whole seconds, a silence of milliseconds; 0xFF ends the equation. */
#define KRV_TOKEN_SOUND 0x44
#define KRV_TOKEN_MILLISECONDS 0x80
#define KRV_TOKEN_SECONDS 0x81
#define KRV_TOKEN_END 0xFF

/* Results. */
#define KRV_OK 0
#define KRV_END 1              /* krv_play_next: the equation is over */
#define KRV_ERR_FORMAT (-1)    /* not voice data, or of another version */
#define KRV_ERR_LENGTH (-2)    /* the data's length disagrees with its header */
#define KRV_ERR_TOKEN (-3)     /* an equation slot holds an unknown or cut token */
#define KRV_ERR_ADDRESS (-4)   /* an impossible slot number or flash address */
#define KRV_ERR_READ (-5)      /* the flash read callback failed */
#define KRV_ERR_ARGUMENT (-6)  /* an equation number outside 0-219 */

/* What a voice-data header says. */
typedef struct krv_header {
    uint32_t sample_rate;  /* Hz */
    uint32_t sample_count;
    uint32_t block_count;
    uint32_t checksum;     /* CRC-32 of the blocks, as stored */
} krv_header;

/* Reads and checks the 26-byte header at `data`. `available` is the number
 * of bytes that follow the header's start (0 when not known); when nonzero
 * it must be exactly the header and its blocks. */
int krv_read_header(const uint8_t *data, uint32_t available, krv_header *header);

/* The decoder's state; starts zeroed (krv_decoder_reset) for each sound. */
typedef struct krv_decoder {
    uint64_t energy;                          /* sum of the squares of the history */
    int32_t weights[KRV_PREDICTOR_ORDER];     /* 20 fraction bits */
    int32_t pending;                          /* the residual whose adaptation is due */
    int16_t taps[KRV_PREDICTOR_ORDER];        /* weights >> 8, as the prediction uses them */
    int16_t window[KRV_PREDICTOR_ORDER + 1];  /* emphasised signal, oldest first */
    int16_t last;                             /* the last decoded sample */
    int16_t has_pending;
    int16_t unused_[3];                       /* keeps the size alike on every target */
} krv_decoder;
#define KRV_DECODER_SIZE 152

void krv_decoder_reset(krv_decoder *decoder);

/* Decodes one block into KRV_BLOCK_SAMPLES samples. */
void krv_decode_block(krv_decoder *decoder, const uint8_t block[KRV_BLOCK_BYTES], int16_t out[KRV_BLOCK_SAMPLES]);

/* The flash as the walker sees it: reads `size` bytes at `address` into
 * `buffer`; returns 0 on success. On a microcontroller this is an SPI read
 * command (0x03, 24-bit address) to the flash chip. */
typedef int (*krv_read_fn)(void *context, uint32_t address, uint8_t *buffer, uint32_t size);

/* A piece of an equation's output: samples at a rate, or a silence. */
typedef struct krv_chunk {
    uint32_t sample_rate;  /* of the samples; 0 for a silence */
    uint32_t count;        /* samples in `samples` (at most KRV_BLOCK_SAMPLES) */
    uint32_t silence_ms;   /* length of a silence; 0 for samples */
    uint16_t sound_slot;   /* the slot the samples come from */
    uint16_t first;        /* 1 on a sound's first chunk (set the DAC's rate then) */
    int16_t samples[KRV_BLOCK_SAMPLES];
} krv_chunk;
#define KRV_CHUNK_SIZE 148

/* Plays an equation out of a BIN, one chunk at a time. */
typedef struct krv_player {
    krv_read_fn read;
    void *context;
    uint32_t token_address;  /* the next token */
    uint32_t slot_end;       /* the end of the equation's slot */
    uint32_t block_address;  /* the next block of the sound in play */
    uint32_t samples_left;   /* of the sound in play; 0 when none */
    uint32_t sample_rate;
    uint32_t sound_slot;
    int32_t status;          /* KRV_OK, or the error the player stopped at */
    uint32_t sound_start;    /* the address of the sound in play */
    krv_decoder decoder;
} krv_player;
/* 192 bytes where pointers take 4 bytes, 200 where they take 8. */
#define KRV_PLAYER_SIZE (184 + 2 * sizeof(void *))

/* The flash address of an equation's 256-byte slot (equation 0-219). */
uint32_t krv_equation_address(unsigned equation);

/* The start address of a sound slot's data from its sound-table record:
 * the banked address in bytes 2-4. 0 when the record is impossible. */
uint32_t krv_slot_address(const uint8_t record[KRV_SOUND_RECORD_BYTES]);

int krv_play_begin(krv_player *player, krv_read_fn read, void *context, unsigned equation);

/* The next chunk: KRV_OK with `chunk` filled, KRV_END after the last, or a
 * KRV_ERR_ code (the player then stays at its error). */
int krv_play_next(krv_player *player, krv_chunk *chunk);

#ifdef __cplusplus
}
#endif

#endif
