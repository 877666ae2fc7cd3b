#pragma once
// Changes to one equation (playlist), by row index as the playlist view
// shows them. No checks of the equation size here: the commands make them
// before they call these.

#include <array>
#include <cstdint>
#include <string>

#include "model/Records.h"
#include "model/Sound.h"

// Before the selected row, or at the end when no row (-1), or a row that is
// no longer in the equation, is selected. Returns the new entry's row.
int InsertAtSelection(CSoundList& equation, int selectedRow, const CSound& entry);

// Puts `entry` in place of row `row`; nothing when the row is not there.
void ReplaceEntry(CSoundList& equation, int row, const CSound& entry);

// Moves row `from` so that it ends at index `to`. Nothing happens unless both
// rows are in the equation.
void MoveEntry(CSoundList& equation, int from, int to);

// Removes every sound entry of every equation that refers to the library
// file `path` (the tie between a library entry and its copies).
void RemoveSoundEverywhere(std::array<CSoundList, kEquationCount>& equations, const std::string& path);

// Milliseconds from the selected row to the end, sounds and silences alike;
// 1 when no row of the equation is selected or the sum is not positive.
int64_t RemainingLengthMs(const CSoundList& equation, int selectedRow);
