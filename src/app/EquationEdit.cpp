#include "app/EquationEdit.h"

static bool HasRow(const CSoundList& equation, int row)
{
    return row >= 0 && row < equation.count();
}

int InsertAtSelection(CSoundList& equation, int selectedRow, const CSound& entry)
{
    if (HasRow(equation, selectedRow)) {
        equation.insertBefore(selectedRow, entry);
        return selectedRow;
    }
    equation.append(entry);
    return equation.count() - 1;
}

void ReplaceEntry(CSoundList& equation, int row, const CSound& entry)
{
    if (!HasRow(equation, row))
        return;
    equation.insertBefore(row, entry);
    equation.removeAt(row + 1);
}

void MoveEntry(CSoundList& equation, int from, int to)
{
    if (!HasRow(equation, from) || !HasRow(equation, to))
        return;
    const CSound moved = *equation.at(from);
    equation.removeAt(from);
    // After the removal the entry that held `to` (or the one after it, when
    // moving down) now stands at `to`; the moved entry goes in front of it,
    // or to the end when `to` was the last row.
    InsertAtSelection(equation, to, moved);
}

void RemoveSoundEverywhere(std::array<CSoundList, kEquationCount>& equations, const std::string& path)
{
    // Silences carry no file, whatever their path reads in a damaged file.
    const auto refersToFile = [&](const CSound& e) { return e.kind != CSound::kSilence && e.path == path; };
    for (CSoundList& equation : equations) {
        CSoundList kept;
        for (const CSound& entry : equation)
            if (!refersToFile(entry))
                kept.append(entry);
        if (kept.count() != equation.count()) {
            equation.removeAll();
            equation.appendAll(kept);
        }
    }
}

int64_t RemainingLengthMs(const CSoundList& equation, int selectedRow)
{
    if (!HasRow(equation, selectedRow))
        return 1;
    int64_t sum = 0;
    int row = 0;
    for (const CSound& entry : equation)
        if (row++ >= selectedRow)
            sum += entry.lengthMs;
    return sum > 0 ? sum : 1;
}
