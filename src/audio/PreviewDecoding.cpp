// TEMPORARY until the decoder lands
#include "audio/PreviewDecoding.h"
bool CanDecodeSoundFile(const std::string&) { return false; }
bool DecodeSoundBytes(const std::vector<uint8_t>&, int, int, std::vector<int16_t>&) { return false; }
