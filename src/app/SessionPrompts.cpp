// Prepare Sounds, Spoken Prompts and Export Firmware Header (Tool menu).
// The prompts are written to a folder the user chose and, when asked, taken
// into the library through the same checks as the library's Load.

#include "app/Session.h"

#include <set>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "audio/PreviewPlayer.h"
#include "audio/SpeechSynthesis.h"
#include "compiler/FirmwareManifest.h"
#include "support/Paths.h"
#include "support/SafeWrite.h"

namespace {

std::optional<std::string> WriteWav(const std::string& path, const PcmAudio& pcm)
{
    const std::vector<uint8_t> wav = PreparedWavBytes(pcm);
    return WriteFileSafely(path, wav.data(), wav.size());
}

// The prepared copy of `source`: its name with ".wav" for the extension.
std::string PreparedName(const std::string& source)
{
    const std::string name = FileNamePart(source);
    const size_t dot = name.rfind('.');
    return (dot == std::string::npos || dot == 0 ? name : name.substr(0, dot)) + ".wav";
}

std::optional<std::string> SpeakAndPrepare(const std::string& text, const std::string& voice, int rate,
                                           PcmAudio& out)
{
    PcmAudio speech;
    if (auto error = Speak(text, voice, speech))
        return error;
    PrepareOptions options;
    options.rate = rate;
    return PreparePcm(speech, options, out);
}

// One message for every failure of a batch, so a long batch is not a long
// row of message boxes.
UserMessage FailureReport(const std::vector<std::string>& failures)
{
    std::string text;
    for (const std::string& f : failures)
        text += (text.empty() ? "" : "\n") + f;
    return {text, Caption::Product, MessageIcon::Warning};
}

}  // namespace

void Session::PrepareSounds()
{
    const std::optional<PreparationRequest> request = port_.ChoosePreparation(projectOpen_);
    if (!request || request->files.empty())
        return;
    // Two sources of one name (bell.mp3, bell.flac) would write one file.
    std::set<std::string> names;
    for (const std::string& source : request->files) {
        if (!names.insert(PreparedName(source)).second) {
            port_.ShowMessage({"Two files would both be prepared as " + PreparedName(source) + "; nothing was written.",
                               Caption::Product, MessageIcon::Warning});
            return;
        }
    }
    if (!QDir().mkpath(ToQtPath(request->folder))) {
        port_.ShowMessage({"Cannot make the folder " + request->folder, Caption::Error, MessageIcon::Error});
        return;
    }
    std::vector<std::string> written;
    std::vector<std::string> failures;
    const int total = static_cast<int>(request->files.size());
    port_.ShowProgress(total, 0);
    for (const std::string& source : request->files) {
        const std::string destination = JoinPath(request->folder, PreparedName(source));
        if (auto error = PrepareSound(source, destination, request->options))
            failures.push_back(*error);
        else
            written.push_back(destination);
        port_.ShowProgress(total, static_cast<int>(written.size() + failures.size()));
    }
    if (!failures.empty())
        port_.ShowMessage(FailureReport(failures));
    if (request->load && projectOpen_ && !written.empty())
        LoadLibraryFiles(written);
}

void Session::SpokenPrompts()
{
    const std::optional<SpokenPromptsRequest> request = port_.ChooseSpokenPrompts(
        projectOpen_, [this](const std::string& text, const std::string& voice, int rate) {
            PlayPrompt(text, voice, rate);
        });
    if (!request || request->prompts.empty())
        return;
    // Every prompt is made before the first file is written, so a prompt
    // that fails leaves the folder as it was.
    const int total = static_cast<int>(request->prompts.size());
    std::vector<PcmAudio> sounds(request->prompts.size());
    port_.ShowProgress(total, 0);
    for (size_t i = 0; i < sounds.size(); ++i) {
        const PromptLine& prompt = request->prompts[i];
        if (auto error = SpeakAndPrepare(prompt.text, request->voice, request->rate, sounds[i])) {
            port_.ShowMessage({prompt.name + ": " + *error, Caption::Product, MessageIcon::Warning});
            return;
        }
        port_.ShowProgress(total, static_cast<int>(i + 1));
    }
    if (!QDir().mkpath(ToQtPath(request->folder))) {
        port_.ShowMessage({"Cannot make the folder " + request->folder, Caption::Error, MessageIcon::Error});
        return;
    }
    std::vector<std::string> written;
    for (size_t i = 0; i < sounds.size(); ++i) {
        const std::string path = PromptFilePath(request->folder, request->prompts[i].name);
        if (auto error = WriteWav(path, sounds[i])) {
            port_.ShowMessage({*error, Caption::Error, MessageIcon::Error});
            return;
        }
        written.push_back(path);
    }
    if (request->load && projectOpen_)
        LoadLibraryFiles(written);
}

void Session::PlayPrompt(const std::string& text, const std::string& voice, int rate)
{
    PcmAudio pcm;
    if (auto error = SpeakAndPrepare(text, voice, rate, pcm)) {
        port_.ShowMessage({*error, Caption::Product, MessageIcon::Warning});
        return;
    }
    // One listening file per running program, replaced by the next Play.
    const std::string path = JoinPath(FromQtPath(QDir::tempPath()),
                                      "kr615b-prompt-" + std::to_string(QCoreApplication::applicationPid()) + ".wav");
    if (auto error = WriteWav(path, pcm)) {
        port_.ShowMessage({*error, Caption::Error, MessageIcon::Error});
        return;
    }
    promptListeningFile_ = path;
    CSound sound;
    sound.kind = CSound::kSoundFile;
    sound.path = path;
    sound.name = FileNamePart(path);
    preview_->PlayLibrary(sound);
}

void Session::ExportFirmwareHeader()
{
    if (!projectOpen_)
        return;
    const std::optional<std::string> path =
        port_.ChooseFile({FileChoice::Kind::Save, "C Header Files(*.h)|*.h||", "h", {}});
    if (!path)
        return;
    if (IsSameFile(*path, project_.projectFilePath)) {
        port_.ShowMessage({"Choose another file: " + *path + " is the project file.", Caption::Product,
                           MessageIcon::Warning});
        return;
    }
    // The save dialog leaves replacing to the session.
    if (QFileInfo::exists(ToQtPath(*path)) && !port_.ConfirmReplace(*path))
        return;
    const std::string header = FirmwareManifest(project_.content, FileNamePart(project_.projectFilePath));
    if (auto error = WriteFileSafely(*path, header.data(), header.size()))
        port_.ShowMessage({*error, Caption::Error, MessageIcon::Error});
    else
        port_.ShowMessage({"Firmware header written."});
}
