#include "LoaderSettings.h"

#include <QSettings>

namespace {

const QString kOrganization = QStringLiteral("KR615B");
const QString kApplication = QStringLiteral("Quick.Loader.A3");
const QString kProgrammerKey = QStringLiteral("programmer");
const QString kChipKey = QStringLiteral("chip");

}  // namespace

LoaderChoices LoadChoices()
{
    QSettings settings(kOrganization, kApplication);
    LoaderChoices choices;
    choices.programmer = settings.value(kProgrammerKey, kDefaultProgrammer).toString().trimmed();
    if (choices.programmer.isEmpty())
        choices.programmer = kDefaultProgrammer;
    choices.chip = settings.value(kChipKey).toString().trimmed();
    return choices;
}

void SaveChoices(const LoaderChoices& choices)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(kProgrammerKey, choices.programmer);
    settings.setValue(kChipKey, choices.chip);
}
