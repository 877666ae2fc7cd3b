// The setup commands: the Options, Key Setup and Equation Setup dialogs and
// the Mode menu. A dialog's values are taken unless it ended through its
// Cancel button.

#include "app/Session.h"

void Session::Options()
{
    if (!projectOpen_)
        return;
    COptions& options = project_.content.options;
    const std::optional<COptions> chosen = port_.EditOptions(options);
    if (!chosen)
        return;
    // The dialog does not edit the external BIN's path.
    const std::string externalBinPath = options.externalBinPath;
    options = *chosen;
    options.externalBinPath = externalBinPath;

    backgroundMusicCommands_ = options.backgroundMusicAvailable();
    EnableBackgroundMusicForMode();
    ShowModeCheck();
}

void Session::KeySetup()
{
    if (!projectOpen_)
        return;
    if (std::optional<CKey> keys = port_.EditKeys(project_.content.key, project_.content.options.controlMode))
        project_.content.key = *keys;
}

void Session::EquationSetup()
{
    if (!projectOpen_)
        return;
    if (std::optional<CEquation> equations =
            port_.EditEquations(project_.content.equation, project_.content.options.controlMode))
        project_.content.equation = *equations;
}

void Session::SetControlMode(int controlMode)
{
    // Every mode but Extended has a Mode menu item.
    const bool menuMode = controlMode >= kOneLine && controlMode <= kKeyMode && controlMode != kExtended;
    if (!projectOpen_ || !menuMode)
        return;
    project_.content.options.controlMode = controlMode;
    port_.SetModeCheck(controlMode);
}
