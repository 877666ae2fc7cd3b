#pragma once
// What the list views show: their columns and the text of each row. The
// views, the Sound Library picker and the command-line tool share these so
// that a sound reads the same everywhere.

#include <array>
#include <string>
#include <vector>

class CSound;

struct ViewColumn {
    const char* title;
    int width;  // pixels, the least the column is given
    // The widest text a cell of the column holds, for sizing it at the font
    // in use; for file names, which have no widest, a usual long one.
    const char* widest = "";
};

// The library view's columns; the background-music view has the same.
const std::vector<ViewColumn>& LibraryViewColumns();
const std::vector<ViewColumn>& PlaylistViewColumns();

// Row numbers count from 1 and have at least three digits: 001, 002, ...
std::string RowNumberText(int rowIndex);

// "No.", name, "%d Hz", "%d Bit", "STEREO"/"MONO", "%d ms"
std::array<std::string, 6> LibraryRowTexts(int rowIndex, const CSound& sound);

// "No.", "SOUND" or "SILENCE", then the sound's name or the silence's length.
std::array<std::string, 3> PlaylistRowTexts(int rowIndex, const CSound& entry);

// Whole seconds as "%d s", any other length as "%d ms".
std::string SilenceLengthText(int lengthMs);
