#pragma once
// Sound files for tests, made at run time: a WAV written directly, or any
// format the ffmpeg program encodes (MP3, WMA, ...). Each holds a sine tone
// at half of full scale, the same on every channel.

#include <string>

// A PCM WAV of round(seconds * rate) frames; bits 8 (unsigned), 16, 24 or 32.
void WriteTestWav(const std::string& path, int rate, int channels, int bits, double seconds,
                  double frequency = 440.0);

// A file encoded by the ffmpeg program, its format chosen by the extension
// of `path` (".mp3", ".wma", ...). False when ffmpeg failed.
bool MakeTestSound(const std::string& path, int rate, int channels, double seconds, double frequency = 440.0);
