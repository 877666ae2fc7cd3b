#include "gui/CommandTable.h"

#include "model/Records.h"

std::optional<int> ModeOfCommand(CommandId id)
{
    switch (id) {
    case ID_MODE_MP3:
        return kMp3;
    case ID_MODE_KEY:
        return kKeyMode;
    case ID_MODE_ONE_LINE:
        return kOneLine;
    case ID_MODE_THREE_LINES:
        return kThreeLine;
    case ID_MODE_PARALLEL_PORT:
        return kParallelPort;
    case ID_MODE_MATRIX:
        return kMatrix3x8;
    default:
        return std::nullopt;
    }
}
