// The commands that hand work to outside programs: the download tool, the
// help viewer and the other-language edition.

#include "app/Session.h"

#include "app/OutsidePrograms.h"
#include "support/ProgramStart.h"

namespace {

bool Start(const ProgramLaunch& launch)
{
    return StartProgramDetached(launch.program, launch.arguments);
}

}  // namespace

void Session::DownloadData()
{
    // A tool that cannot be started leaves the program as it was.
    Start(DownloadToolLaunch(programFolder_, project_.projectFilePath));
}

void Session::HelpContent()
{
    const std::string path = HelpFilePath(programFolder_);
    WindowPort* port = &port_;
    port_.OpenDocument(path, [port, path] {
        port->ShowMessage({"The help could not be shown: no program here opens it. Open " + path + " in a web browser.",
                           Caption::Product, MessageIcon::Warning});
    });
}

bool Session::SwitchToEdition(Edition edition)
{
    // Leaving this edition must not lose the open project.
    if (!Exit())
        return false;
    const ProgramLaunch launch = EditionLaunch(programFolder_, edition);
    if (!Start(launch)) {
        port_.ShowMessage({"Cannot start " + launch.program + ".", Caption::Product, MessageIcon::Error});
        return false;
    }
    return true;
}
