// Compile, the external BIN of external mode and the conversion of a sound
// file to WAV. All run on the window's thread and block it until done.

#include "app/Session.h"

#include "audio/AudioConvert.h"
#include "compiler/Compile.h"
#include "support/Paths.h"

namespace {

constexpr const char* kSoundFilter = "Sound Files(*.wav,*.mp3,*.wma)|*.wav;*.mp3;*.wma|MP3 Files(*.mp3)|*.mp3|"
                                     "WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav||";
// Every rate the Choose Sampling Rate dialog knows is offered.
constexpr int kHighestConversionRate = 22000;

}  // namespace

void Session::Compile()
{
    if (!projectOpen_)
        return;
    const ProjectContent& c = project_.content;
    port_.ShowProgress(1, 0);  // an empty bar until the first conversion is done
    const CompileResult result =
        CompileBin({c.options, c.key, c.equation, c.library, c.equations, flashMegabits(), project_.projectFilePath,
                    programFolder_},
                   [this](int done, int total) { port_.ShowProgress(total, done); });
    for (const UserMessage& message : result.messages)
        port_.ShowMessage(message);
}

void Session::LoadExternalBin()
{
    if (!projectOpen_)
        return;
    const std::optional<std::string> path =
        port_.ChooseFile({FileChoice::Kind::Open, "BIN Files(*.bin)|*.bin||", {}, {}});
    // Neither read nor checked here: the compile does that.
    if (path)
        project_.content.options.externalBinPath = *path;
}

void Session::ConvertToWav()
{
    const std::optional<std::string> source = port_.ChooseFile({FileChoice::Kind::Open, kSoundFilter, {}, {}});
    if (!source)
        return;
    const std::optional<int> rate = port_.ChooseSamplingRate(kHighestConversionRate);
    if (!rate)
        return;
    const std::optional<std::string> destination =
        port_.ChooseFile({FileChoice::Kind::Save, "WAV Files(*.wav)|*.wav||", "wav", {}});
    if (!destination)
        return;
    if (std::optional<std::string> refusal = SameFileRefusal(*source, *destination)) {
        port_.ShowMessage({*refusal, Caption::Product, MessageIcon::Warning});
        return;
    }
    if (std::optional<std::string> error = ConvertSound(*source, *destination, *rate)) {
        port_.ShowMessage({*error, Caption::Product, MessageIcon::Error});
        return;
    }
    port_.ShowMessage({"MP3/WMA to WAV Convert OK!"});
}
