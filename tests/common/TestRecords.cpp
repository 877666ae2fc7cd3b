#include "common/TestRecords.h"

CSound SoundNamed(const std::string& name, int lengthMs, const std::string& folder)
{
    return {.kind = CSound::kSoundFile, .path = folder + "/" + name, .name = name, .lengthMs = lengthMs};
}

std::string Rows(const CSoundList& list)
{
    std::string rows;
    for (const CSound& s : list)
        rows += (rows.empty() ? "" : " ") + (s.isSound() ? s.name : "~" + std::to_string(s.lengthMs));
    return rows;
}

std::vector<std::string> Texts(const std::vector<UserMessage>& messages)
{
    std::vector<std::string> texts;
    for (const UserMessage& m : messages)
        texts.push_back(m.text);
    return texts;
}
