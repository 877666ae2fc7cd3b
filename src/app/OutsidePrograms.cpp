#include "app/OutsidePrograms.h"

#include "compiler/Compile.h"

ProgramLaunch DownloadToolLaunch(const std::string& programFolder, const std::string& projectFilePath)
{
    ProgramLaunch launch{programFolder + "Quick_Loader/Quick.Loader.A3", {}};
    if (!projectFilePath.empty())
        launch.arguments.push_back(BinPathFor(projectFilePath));
    return launch;
}

ProgramLaunch OtherEditionLaunch(const std::string& programFolder)
{
    return {programFolder + "KR_App_SC", {}};
}

std::string HelpFilePath(const std::string& programFolder)
{
    return programFolder + "help.html";
}
