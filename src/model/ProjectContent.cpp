#include "model/ProjectContent.h"

#include "model/Archive.h"

ProjectContent ProjectContent::NewProject(int32_t previousBackgroundMusic)
{
    ProjectContent content;
    content.options = COptions::NewProject(previousBackgroundMusic);
    return content;
}

std::vector<uint8_t> WriteProjectBytes(const ProjectContent& content)
{
    ArchiveWriter ar;
    ar.writeObjectHeader("CKey");
    content.key.Serialize(ar);
    ar.writeObjectHeader("CEquation");
    content.equation.Serialize(ar);
    ar.writeObjectHeader("COptions");
    content.options.Serialize(ar);
    content.library.Serialize(ar);
    for (const CSoundList& equation : content.equations)
        equation.Serialize(ar);
    content.backgroundMusic.Serialize(ar);
    return ar.bytes();
}

ProjectContent ReadProjectBytes(const uint8_t* data, size_t size)
{
    ArchiveReader ar(data, size);
    ProjectContent content;
    ar.readObjectHeader("CKey");
    content.key.Serialize(ar);
    ar.readObjectHeader("CEquation");
    content.equation.Serialize(ar);
    ar.readObjectHeader("COptions");
    content.options.Serialize(ar);
    content.forEachList([&](CSoundList& list) { list.Serialize(ar); });
    return content;
}
