#include "compiler/BinRecovery.h"

#include <cstdio>

#include <QByteArray>
#include <QDir>

#include "PcmSound.h"
#include "VoiceFile.h"
#include "audio/AudioInfo.h"
#include "compiler/BinLayout.h"
#include "support/Paths.h"
#include "support/RegularFile.h"
#include "support/SafeWrite.h"

namespace {

// Far beyond the largest flash (8 MiB) and every sound the slots can address.
constexpr uint64_t kLargestImage = 64 << 20;

}  // namespace

FileError ReadBinFile(const std::string& path, BinImage& out)
{
    QByteArray bytes;
    if (auto failure = ReadRegularFile(path, bytes, kLargestImage))
        return failure;
    BinImage image;
    image.bytes.assign(bytes.begin(), bytes.end());
    try {
        image.contents = ReadBin(image.bytes.data(), image.bytes.size());
    } catch (const BinFormatError& e) {
        return path + ": " + e.what();
    }
    out = std::move(image);
    return std::nullopt;
}

std::string SlotFileName(int slot)
{
    char name[16];
    std::snprintf(name, sizeof name, "%03d.wav", slot);
    return name;
}

std::vector<uint8_t> SlotWav(const BinImage& image, int slot, std::string* error)
{
    const std::vector<uint8_t> data = SlotData(image.contents, image.bytes.data(), slot);
    const auto sound = voice::DecodeVoice(data.data(), data.size(), error);
    if (!sound)
        return {};
    return voice::WavBytes(*sound);
}

std::vector<uint8_t> ExternalBinOf(const BinImage& image)
{
    std::vector<uint8_t> bin(kExternalWindow + kExternalWindowBytes, 0);
    std::copy(image.contents.externalWindow.begin(), image.contents.externalWindow.end(),
              bin.begin() + kExternalWindow);
    return bin;
}

namespace {

// Writes the WAV of every library slot into `dir`; `onSound(slot, path)`
// follows each written file. Slots that are not ours go to `skipped`.
template <typename OnSound>
FileError WriteSounds(const BinImage& image, const std::string& dir, std::vector<std::string>& skipped, OnSound onSound)
{
    for (int slot = 0; slot < image.contents.librarySize(); ++slot) {
        std::string error;
        const std::vector<uint8_t> wav = SlotWav(image, slot, &error);
        if (wav.empty()) {
            skipped.push_back("sound " + std::to_string(slot) + " skipped: " + error);
            continue;
        }
        const std::string path = JoinPath(dir, SlotFileName(slot));
        if (auto failure = WriteFileSafely(path, wav.data(), wav.size()))
            return failure;
        onSound(slot, path);
    }
    return std::nullopt;
}

FileError WriteExternalBin(const BinImage& image, const std::string& path)
{
    const std::vector<uint8_t> bin = ExternalBinOf(image);
    return WriteFileSafely(path, bin.data(), bin.size());
}

}  // namespace

FileError ExtractBin(const BinImage& image, const std::string& dir, std::vector<std::string>& written,
                     std::vector<std::string>& skipped)
{
    if (!QDir().mkpath(ToQtPath(dir)))
        return "Cannot create the folder " + dir;
    if (auto failure = WriteSounds(image, dir, skipped, [&](int, const std::string& path) { written.push_back(path); }))
        return failure;
    if (image.contents.options.externalMode) {
        const std::string path = JoinPath(dir, "external.bin");
        if (auto failure = WriteExternalBin(image, path))
            return failure;
        written.push_back(path);
    }
    return std::nullopt;
}

FileError RecoverProject(const BinImage& image, const std::string& folder, const std::string& fileName,
                         Project& out, std::vector<std::string>& skipped)
{
    const BinContents& bin = image.contents;
    Project project;
    if (FileError error = CreateNewProject(folder, fileName, 0, project))
        return error;
    ProjectContent& content = project.content;

    // Library position of each slot; the entries of a skipped or filler slot
    // get a record that matches no library sound.
    std::vector<std::optional<CSound>> bySlot(kSoundSlots);
    if (auto failure = WriteSounds(image, project.soundFolderPath, skipped, [&](int slot, const std::string& path) {
            content.library.append(MakeSoundRecord(path, SlotFileName(slot)));
            bySlot[slot] = *content.library.at(content.library.count() - 1);
        }))
        return failure;
    for (int i = 0; i < kEquationCount; ++i) {
        for (const BinEntry& entry : bin.equations[i]) {
            if (entry.sound < 0) {
                content.equations[i].append(CSound::Silence(entry.silenceMs));
            } else if (bySlot[entry.sound]) {
                content.equations[i].append(*bySlot[entry.sound]);
            } else {
                CSound stray;
                stray.kind = CSound::kSoundFile;
                stray.name = SlotFileName(entry.sound);
                stray.path = JoinPath(project.soundFolderPath, stray.name);
                content.equations[i].append(stray);
            }
        }
    }
    for (int k = 0; k < kKeyCount; ++k) {
        if (bin.keys[k].function)
            content.key.keyFunction[k] = *bin.keys[k].function;
        if (bin.keys[k].equation)
            content.equation.equationNumber[k] = *bin.keys[k].equation;
    }
    COptions& o = content.options;
    o.externalMode = bin.options.externalMode;
    o.controlMode = bin.options.controlMode;
    o.soundOutput = bin.options.soundOutput;
    o.busyLevel = bin.options.busyLevel;
    o.pullHigh = bin.options.pullHigh;
    if (o.externalMode) {
        o.externalBinPath = project.projectFilePath + ".external.bin";
        if (FileError error = WriteExternalBin(image, o.externalBinPath))
            return error;
    }
    if (FileError error = SaveProject(project))
        return error;
    out = std::move(project);
    return std::nullopt;
}
