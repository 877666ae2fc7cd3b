// kr615b extract: the sounds of a BIN as WAV files.

#include <iostream>

#include "cli/Command.h"
#include "compiler/BinRecovery.h"

static int RunExtract(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "extract",
    "BIN DIR",
    "write the sounds of a BIN as WAV files",
    "Decodes every sound slot of a flash image that holds a library sound\n"
    "(not the trailing converted silence) into DIR/NNN.wav, NNN the slot\n"
    "number from 000: mono 16-bit PCM at the sound's rate, sample for sample\n"
    "what 'kr615b decode' gives for the same voice data. In external mode it\n"
    "also writes DIR/external.bin, a 64 KiB external BIN that holds the\n"
    "image's external window at 0x8000-0xFFFF. DIR is created when missing.\n"
    "A slot whose data is not voice data is reported on stderr and skipped.\n"
    "Prints the path of each file written.\n",
    RunExtract,
});

static int RunExtract(const std::vector<std::string>& args)
{
    if (!HasOperands(args, 2))
        return UsageError("extract", "expected a BIN file and a folder");
    BinImage image;
    if (FileError error = ReadBinFile(args[0], image))
        return Failure("extract", *error);
    std::vector<std::string> written, skipped;
    const FileError error = ExtractBin(image, args[1], written, skipped);
    for (const std::string& path : written)
        std::cout << path << "\n";
    for (const std::string& line : skipped)
        std::cerr << "kr615b extract: " << line << "\n";
    if (error)
        return Failure("extract", *error);
    return kExitOk;
}
