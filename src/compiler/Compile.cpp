#include "compiler/Compile.h"

#include <algorithm>
#include <exception>
#include <optional>

#include <QFile>
#include <QTemporaryDir>

#include "compiler/BinLayout.h"
#include "compiler/ConversionQueue.h"
#include "compiler/FileMessages.h"
#include "compiler/VoiceConverter.h"
#include "model/Project.h"
#include "support/FileReplacement.h"
#include "support/Paths.h"
#include "support/RegularFile.h"

namespace {

constexpr const char* kSilenceFileName = "silence10ms.wav";
constexpr const char* kCodeBlockFileName = "q31825_A3_Ext_Spi_Code.bin";
constexpr qint64 kCopyChunk = 100000;
constexpr qint64 kPaddingChunk = 65536;

UserMessage Plain(std::string text, Caption caption = Caption::Product)
{
    return {std::move(text), caption, MessageIcon::None};
}

// One run of the compile: the BIN being written and the messages so far.
class Compiler {
public:
    Compiler(const CompileInputs& in, const std::function<void(int, int)>& progress) : in_(in), progress_(progress) {}

    CompileResult run();

private:
    bool writeAt(qint64 offset, const void* data, qint64 size);
    bool append(const void* data, qint64 size);
    bool fileError(const char* action, const std::string& path, const QFileDevice& file);
    bool fileError(const char* action, const std::string& path, const std::string& reason);
    bool openRegular(const std::string& path, QFile& file);
    bool soundFiles(std::vector<std::string>& paths);
    bool notConverted(const std::string& wavPath);
    bool copyLibrarySound(const std::string& wavPath, ConversionQueue& conversions, uint32_t& size);
    bool appendSilenceSlots(int count);
    std::string silenceSource();
    bool writeCodeBlock();
    bool pad();
    bool copyExternalWindow();
    void reportProgress();

    const CompileInputs& in_;
    const std::function<void(int, int)>& progress_;
    CompileResult result_;
    std::string binPath_;
    std::optional<FileReplacement> output_;  // the BIN's new content, in its place once complete
    QFile* bin_ = nullptr;
    int conversionsDone_ = 0;
    int conversionsTotal_ = 0;  // the library sounds and the silence
    QTemporaryDir scratch_;     // where the silence is converted
};

bool Compiler::fileError(const char* action, const std::string& path, const QFileDevice& file)
{
    result_.messages.push_back(FileErrorMessage(action, path, file));
    return false;
}

bool Compiler::fileError(const char* action, const std::string& path, const std::string& reason)
{
    result_.messages.push_back(FileErrorMessage(action, path, reason));
    return false;
}

bool Compiler::openRegular(const std::string& path, QFile& file)
{
    if (std::optional<std::string> reason = OpenRegularFile(path, file))
        return fileError("open", path, *reason);
    return true;
}

// The WAV file of each library sound to convert (at most the slots there
// are), in library order. An entry whose name is no plain file name, or whose
// file is a FIFO, a device or a folder, stops the compile before anything is
// converted: the converter would read or write outside the sound folder, or
// wait forever.
bool Compiler::soundFiles(std::vector<std::string>& paths)
{
    const std::string soundFolder = SoundFolderFor(in_.projectFilePath);
    for (const CSound& sound : in_.library) {
        if (paths.size() == size_t(kSoundSlots))
            break;  // the library never holds more; a damaged project might
        const std::optional<std::string> file = SoundFileOf(soundFolder, sound);
        if (!file) {
            result_.messages.push_back({"The library sound " + QuotedName(sound.name) +
                                            " names no file inside the sound folder, so it cannot be compiled. "
                                            "Delete it and load the sound again. No BIN was completed.",
                                        Caption::Product, MessageIcon::Error});
            return false;
        }
        if (std::optional<std::string> reason = SpecialFileReason(*file))
            return fileError("open", *file, *reason);
        paths.push_back(*file);
    }
    return true;
}

// The converter could not be loaded, so there is no voice data to open.
bool Compiler::notConverted(const std::string& wavPath)
{
    result_.messages.push_back(FileErrorMessage("open", wavPath + ".rbf", "the voice converter did not run"));
    return false;
}

bool Compiler::writeAt(qint64 offset, const void* data, qint64 size)
{
    if (!bin_->seek(offset))
        return fileError("write", binPath_, *bin_);
    return append(data, size);
}

bool Compiler::append(const void* data, qint64 size)
{
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const qint64 n = bin_->write(p, size);
        if (n <= 0)
            return fileError("write", binPath_, *bin_);
        p += n;
        size -= n;
    }
    return true;
}

void Compiler::reportProgress()
{
    ++conversionsDone_;
    if (progress_)
        progress_(conversionsDone_, conversionsTotal_);
}

// Copies the next converted library sound to the end of the BIN, then hands
// the converter's two files to a later conversion or removes them.
bool Compiler::copyLibrarySound(const std::string& wavPath, ConversionQueue& conversions, uint32_t& size)
{
    const Conversion conversion = conversions.next();
    result_.messages.insert(result_.messages.end(), conversion.messages.begin(), conversion.messages.end());
    reportProgress();
    const std::string& voiceData = conversion.voiceData;
    if (voiceData.empty())
        return notConverted(wavPath);
    // A conversion that failed has said why; its missing output adds nothing.
    QFile data;
    if (std::optional<std::string> reason = OpenRegularFile(voiceData, data))
        return conversion.messages.empty() ? fileError("open", voiceData, *reason) : false;
    std::vector<char> chunk(size_t(std::min<qint64>(kCopyChunk, std::max<qint64>(data.size(), 1))));
    uint64_t copied = 0;
    for (;;) {
        const qint64 n = data.read(chunk.data(), qint64(chunk.size()));
        if (n < 0)
            return fileError("read", voiceData, data);
        if (n == 0)
            break;
        if (!append(chunk.data(), n))
            return false;
        copied += uint64_t(n);
    }
    data.close();
    size = uint32_t(copied);
    // Only a complete pair is handed on; a missing companion is reported below.
    if (QFile::exists(ToQtPath(CompanionOf(voiceData))) && conversions.reuse(voiceData))
        return true;
    data.setFileName(ToQtPath(voiceData));
    if (!data.remove())
        return fileError("delete", voiceData, data);
    QFile companion(ToQtPath(CompanionOf(voiceData)));
    if (!companion.remove())
        return fileError("delete", CompanionOf(voiceData), companion);
    return true;
}

// The silence to convert: a copy of the program folder's own in a folder of
// this compile's. The converter writes its files beside its input, and the
// program folder may be read-only or shared by compiles running at once.
std::string Compiler::silenceSource()
{
    const std::string source = in_.programFolder + kSilenceFileName;
    if (!scratch_.isValid())
        return source;  // nowhere better: the conversion reports the failure
    const std::string copy = JoinPath(FromQtPath(scratch_.path()), kSilenceFileName);
    if (!QFile::copy(ToQtPath(source), ToQtPath(copy)))
        return source;
    return copy;
}

// Converts the silence and writes one copy of it per silence slot. The slot
// size is fixed, so a converted silence of any other size would shift every
// later address: that stops the compile.
bool Compiler::appendSilenceSlots(int count)
{
    const std::string original = in_.programFolder + kSilenceFileName;
    if (std::optional<std::string> reason = SpecialFileReason(original))
        return fileError("open", original, *reason);
    const std::string source = silenceSource();
    const std::string voiceData = ConvertToVoiceData(in_.programFolder, source, result_.messages);
    reportProgress();
    if (voiceData.empty())
        return notConverted(source);
    QFile data;
    if (!openRegular(voiceData, data))
        return false;
    const QByteArray silence = data.readAll();
    if (data.error() != QFileDevice::NoError)
        return fileError("read", voiceData, data);
    if (count == 0)
        return true;
    if (silence.size() != qsizetype(kSilenceSlotBytes)) {
        result_.messages.push_back({"The converted silence " + voiceData + " is " + std::to_string(silence.size()) +
                                        " bytes long instead of " + std::to_string(kSilenceSlotBytes) +
                                        ": check " + original + ". No BIN was completed.",
                                    Caption::Product, MessageIcon::Error});
        return false;
    }
    QByteArray copies;
    copies.reserve(silence.size() * count);
    for (int i = 0; i < count; ++i)
        copies.append(silence);
    return append(copies.constData(), copies.size());
}

bool Compiler::writeCodeBlock()
{
    const std::string path = in_.programFolder + kCodeBlockFileName;
    QFile file;
    if (!openRegular(path, file))
        return false;
    const QByteArray block = file.read(kCodeBlockBytes);
    if (file.error() != QFileDevice::NoError)
        return fileError("read", path, file);
    if (block.size() < qint64(kCodeBlockBytes)) {
        result_.messages.push_back({path + " is shorter than " + std::to_string(kCodeBlockBytes) +
                                        " bytes: it is not a code block file. No BIN was completed.",
                                    Caption::Product, MessageIcon::Error});
        return false;
    }
    return writeAt(kCodeBlock, block.constData(), block.size());
}

bool Compiler::pad()
{
    const qint64 length = bin_->size();
    qint64 left = qint64(PaddedLength(uint64_t(length))) - length;
    if (left == 0)
        return true;
    const std::vector<char> ff(size_t(std::min(left, kPaddingChunk)), char(0xFF));
    if (!bin_->seek(length))
        return fileError("write", binPath_, *bin_);
    while (left > 0) {
        const qint64 n = std::min(left, qint64(ff.size()));
        if (!append(ff.data(), n))
            return false;
        left -= n;
    }
    return true;
}

bool Compiler::copyExternalWindow()
{
    const std::string& path = in_.options.externalBinPath;
    if (path.empty()) {
        result_.messages.push_back(Plain("Pls load a external bin file!"));
        return false;
    }
    QFile external;
    if (!openRegular(path, external))
        return false;
    if (external.size() < qint64(kMinExternalBinBytes)) {
        result_.messages.push_back(Plain("External bin too small!"));
        return false;
    }
    QByteArray window;
    if (external.seek(kExternalWindow))
        window = external.read(kExternalWindowBytes);
    if (external.error() != QFileDevice::NoError || window.size() < qint64(kExternalWindowBytes) - 1)
        return fileError("read", path, external);
    // A file of exactly 0xFFFF bytes lacks the window's last byte: it is left
    // as erased flash.
    window.resize(kExternalWindowBytes, char(0xFF));
    return writeAt(kExternalWindow, window.constData(), window.size());
}

CompileResult Compiler::run()
{
    if (!IsFlashSize(in_.flashMegabits)) {
        result_.messages.push_back({"Unknown flash size: " + std::to_string(in_.flashMegabits) + " megabits",
                                    Caption::Product, MessageIcon::Error});
        return result_;
    }
    std::vector<std::string> paths;
    if (!soundFiles(paths))
        return result_;
    binPath_ = BinPathFor(in_.projectFilePath);
    output_.emplace(binPath_);
    if (std::optional<std::string> reason = output_->open()) {
        fileError("create", binPath_, *reason);
        return result_;
    }
    bin_ = &output_->file();

    std::vector<uint8_t> head(kSoundData, 0x00);
    const std::vector<int> cut = WriteHead(head, in_.options, in_.key, in_.equation, in_.equations, in_.library,
                                           in_.flashMegabits);
    if (!writeAt(0, head.data(), kSoundTable))
        return result_;

    std::vector<uint32_t> slotSizes(kSoundSlots, kSilenceSlotBytes);
    std::vector<int32_t> rates(kSoundSlots, 0);
    if (!bin_->seek(kSoundData)) {
        fileError("write", binPath_, *bin_);
        return result_;
    }
    const size_t soundCount = paths.size();
    conversionsTotal_ = int(soundCount) + 1;
    {
        ConversionQueue conversions(in_.programFolder, paths);
        auto sound = in_.library.begin();
        for (size_t k = 0; k < soundCount; ++k, ++sound) {
            if (!copyLibrarySound(paths[k], conversions, slotSizes[k]))
                return result_;
            rates[k] = sound->sampleRate;
        }
    }
    const int slot = int(soundCount);
    if (!appendSilenceSlots(kSoundSlots - slot))
        return result_;

    WriteSoundTable(head, slotSizes, rates);
    if (!writeAt(kSoundTable, head.data() + kSoundTable, kSoundData - kSoundTable) || !writeCodeBlock() || !pad())
        return result_;
    if (in_.options.externalMode != 0 && !copyExternalWindow())
        return result_;
    const qint64 length = bin_->size();
    if (std::optional<std::string> reason = output_->commit()) {
        fileError("write", binPath_, *reason);
        return result_;
    }

    result_.messages.push_back(Plain("BIN File Saved!\nSize: " + std::to_string(length) + " bytes"));
    result_.saved = true;
    for (int number : cut)
        result_.messages.push_back(
            {"Equation " + std::to_string(number) + " is too long for its slot and was cut", Caption::Product,
             MessageIcon::Warning});
    bool applicationCaption = false;
    const std::string advice = FitAdvice(uint64_t(length), in_.flashMegabits, &applicationCaption);
    if (!advice.empty())
        result_.messages.push_back(Plain(advice, applicationCaption ? Caption::ApplicationName : Caption::Product));
    return result_;
}

}  // namespace

CompileResult CompileBin(const CompileInputs& in, const std::function<void(int done, int total)>& progress)
{
    Compiler compiler(in, progress);
    try {
        return compiler.run();
    } catch (const std::exception& e) {
        CompileResult failed;
        failed.messages.push_back({std::string("The compile failed: ") + e.what(), Caption::Product,
                                   MessageIcon::Error});
        return failed;
    }
}
