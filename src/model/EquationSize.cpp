#include "model/EquationSize.h"

#include "model/Sound.h"

int EquationSize(const CSoundList& equation)
{
    int size = 0;
    for (const CSound& entry : equation)
        size += entry.isSound() ? 3 : 2;
    return size;
}

bool InsertionAllowed(int size, Insertion how)
{
    switch (how) {
    case Insertion::PickedSound: return size <= 252;
    case Insertion::Silence: return size <= 253;
    case Insertion::DoubleClickAppend: return size < 254;
    case Insertion::DragAppend: return size <= 253;
    }
    return false;
}

const char* InsertionRefusedMessage(Insertion how)
{
    // The menu commands and the gestures have long shown two spellings.
    switch (how) {
    case Insertion::PickedSound:
    case Insertion::Silence: return "Full, cannot insert more!";
    case Insertion::DoubleClickAppend:
    case Insertion::DragAppend: return "Full, cannot Insert More!";
    }
    return "";
}
