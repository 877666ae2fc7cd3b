#include "app/OutsidePrograms.h"

#include "compiler/Compile.h"

ProgramLaunch DownloadToolLaunch(const std::string& programFolder, const std::string& projectFilePath)
{
    ProgramLaunch launch{programFolder + "Quick_Loader/Quick.Loader.A3", {}};
    if (!projectFilePath.empty())
        launch.arguments.push_back(BinPathFor(projectFilePath));
    return launch;
}

ProgramLaunch EditionLaunch(const std::string& programFolder, Edition edition)
{
    return {programFolder + (edition == Edition::SimplifiedChinese ? "KR_App_SC" : "KR_App"), {}};
}

std::string HelpFilePath(const std::string& programFolder)
{
    return programFolder + "help.html";
}
