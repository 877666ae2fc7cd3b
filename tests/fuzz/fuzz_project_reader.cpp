// Feeds arbitrary bytes to the project-file reader: it must either read a
// project or raise ArchiveError, never crash, hang or over-allocate.

#include <cstddef>
#include <cstdint>

#include "model/Archive.h"
#include "model/ProjectContent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const ProjectContent content = ReadProjectBytes(data, size);
        // What was read must write back to bytes that read the same again.
        const auto again = WriteProjectBytes(content);
        const ProjectContent reread = ReadProjectBytes(again.data(), again.size());
        if (!(reread == content))
            __builtin_trap();
    } catch (const ArchiveError&) {
    }
    return 0;
}
