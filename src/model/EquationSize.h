#pragma once
// How full an equation is, and which insertions its size still allows.

class CSoundList;

// 3 units for each sound entry, 2 for every other entry.
int EquationSize(const CSoundList& equation);

// No insertion takes an equation past this size: its slot's bytes.
inline constexpr int kEquationSizeLimit = 256;

// The ways an entry reaches an equation; each has its own limit.
enum class Insertion {
    PickedSound,         // a sound chosen in the sound picker
    Silence,             // a fixed or user-defined silence from the menu
    DoubleClickAppend,   // double-click on a library entry
    DragAppend,          // a library entry dropped on the equation
};

// Whether an equation of `size` units accepts one more entry this way.
bool InsertionAllowed(int size, Insertion how);

// The message shown when InsertionAllowed refuses.
const char* InsertionRefusedMessage(Insertion how);
