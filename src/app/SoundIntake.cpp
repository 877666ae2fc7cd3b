#include "app/SoundIntake.h"

#include <algorithm>

#include "model/Sound.h"

bool NameLoaded(const CSoundList& library, const std::string& name)
{
    return std::any_of(library.begin(), library.end(), [&](const CSound& entry) { return entry.name == name; });
}
