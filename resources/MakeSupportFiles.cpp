// Writes the two support files of the program folder: the 10 ms silence that
// fills unused sound slots, and the placeholder code block.
//
// usage: kr_make_support_files PROGRAMFOLDER

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "PcmSound.h"

namespace {

// The lowest rate the chip plays: 10 ms is 40 samples, one coded block.
constexpr uint32_t kSilenceRate = 4000;

// The chip vendor's code block is not ours to ship. This stand-in names
// itself and is otherwise erased flash (0xFF); users replace the file with
// their vendor's q31825_A3_Ext_Spi_Code.bin.
constexpr size_t kCodeBlockBytes = 256;
constexpr const char* kPlaceholderText =
    "KR615B CODE BLOCK PLACEHOLDER. Replace q31825_A3_Ext_Spi_Code.bin in the program folder with the file "
    "from your chip vendor before writing a BIN to a product.";

bool Write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (out.fail()) {
        std::fprintf(stderr, "kr_make_support_files: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kr_make_support_files PROGRAMFOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";

    voice::PcmSound silence;
    silence.sampleRate = kSilenceRate;
    silence.samples.assign(kSilenceRate / 100, 0);

    std::vector<uint8_t> codeBlock(kCodeBlockBytes, 0xFF);
    std::memcpy(codeBlock.data(), kPlaceholderText, std::strlen(kPlaceholderText));

    const bool ok = Write(folder + "silence10ms.wav", voice::WavBytes(silence)) &&
                    Write(folder + "q31825_A3_Ext_Spi_Code.bin", codeBlock);
    return ok ? 0 : 1;
}
