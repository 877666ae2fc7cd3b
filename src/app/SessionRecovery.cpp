// Recover Project from BIN: a project made again from a flash image, for
// when only the image is left.

#include "app/Session.h"

#include <QFileInfo>

#include "compiler/BinRecovery.h"
#include "support/Paths.h"

namespace {

UserMessage Problem(const std::string& text)
{
    return {text, Caption::Product, MessageIcon::Error};
}

}  // namespace

void Session::RecoverProjectFromBin()
{
    StopPlaylistPreview();
    if (!SaveOpenProject())
        return;
    const std::optional<std::string> binPath =
        port_.ChooseFile({FileChoice::Kind::Open, "BIN Files(*.bin)|*.bin||", {}, {}});
    if (!binPath)
        return;
    BinImage image;
    if (FileError error = ReadBinFile(*binPath, image)) {
        port_.ShowMessage(Problem(*error));
        return;
    }
    const std::optional<std::string> folder =
        port_.ChooseFile({FileChoice::Kind::Save, "Project Files(*.winproj)|*.winproj||", "winproj", {}});
    if (!folder)
        return;
    const std::string fileName = FileNamePart(*folder);
    const std::string projectFile = JoinPath(*folder, fileName);
    // Its sound folder would receive the recovered sounds: an existing
    // project is never mixed with them.
    if (QFileInfo::exists(ToQtPath(projectFile))) {
        port_.ShowMessage(Problem("A project already exists there:\n" + projectFile));
        return;
    }
    Project recovered;
    std::vector<std::string> skipped;
    if (FileError error = RecoverProject(image, *folder, fileName, recovered, skipped)) {
        port_.ShowMessage(Problem(*error));
        return;
    }
    Adopt(std::move(recovered));
    // The flash size is the window's, not the project's: the user picks it.
    const std::string flash = std::to_string(image.contents.flashMegabits);
    std::string text = "Project recovered from the BIN.\nThe BIN was made for " + flash + "M flash: choose " +
                       flash + "M under \"Flash :\" to compile the same BIN.";
    if (!skipped.empty()) {
        text += "\nThese sounds could not be read and were left out:";
        for (const std::string& line : skipped)
            text += "\n" + line;
    }
    port_.ShowMessage({text, Caption::Product, skipped.empty() ? MessageIcon::Information : MessageIcon::Warning});
}
