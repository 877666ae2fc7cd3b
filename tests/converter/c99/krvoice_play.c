/* Plays an equation of a BIN with the portable decoder, as firmware does,
 * with the file standing in for the SPI flash:
 *   krvoice_play BIN EQUATION OUT.raw
 * writes the samples (16-bit little-endian) to OUT.raw and one line per
 * event to stdout: "sound SLOT RATE" when a sound starts, "silence MS". */
#include <stdio.h>
#include <stdlib.h>

#include "krvoice.h"

static int read_flash(void *context, uint32_t address, uint8_t *buffer, uint32_t size)
{
    FILE *file = (FILE *)context;
    return fseek(file, (long)address, SEEK_SET) != 0 || fread(buffer, 1, size, file) != size;
}

int main(int argc, char **argv)
{
    FILE *bin, *out;
    krv_player player;
    krv_chunk chunk;
    int result;
    uint32_t i;
    if (argc != 4)
        return 2;
    bin = fopen(argv[1], "rb");
    out = fopen(argv[3], "wb");
    if (!bin || !out)
        return 1;
    if (krv_play_begin(&player, read_flash, bin, (unsigned)atoi(argv[2])) != KRV_OK)
        return 1;
    while ((result = krv_play_next(&player, &chunk)) == KRV_OK) {
        if (chunk.count == 0) {
            printf("silence %lu\n", (unsigned long)chunk.silence_ms);
            continue;
        }
        if (chunk.first)
            printf("sound %u %lu\n", (unsigned)chunk.sound_slot, (unsigned long)chunk.sample_rate);
        for (i = 0; i < chunk.count; ++i) {
            putc((uint16_t)chunk.samples[i] & 0xFF, out);
            putc((uint16_t)chunk.samples[i] >> 8, out);
        }
    }
    fclose(bin);
    fclose(out);
    return result == KRV_END ? 0 : 1;
}
