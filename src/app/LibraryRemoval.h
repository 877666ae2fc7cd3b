#pragma once
// Taking sounds out of the library: one entry (Delete) or all (Empty), with
// their copies in the equations and their files in the sound folder.

#include <optional>
#include <string>
#include <vector>

#include "model/Project.h"
#include "support/UserMessage.h"

struct RemovalResult {
    bool changed = false;                // the library (and equations) changed
    std::vector<UserMessage> messages;   // to show after the views are rebuilt
};

// Removes library entry `row` and every copy of it in the 220 equations,
// then deletes its file. A file that cannot be deleted is reported; the
// entry is gone all the same. Nothing happens when `row` is not an entry.
RemovalResult DeleteLibraryEntry(Project& project, int row);

// Deletes the file of every library entry, then empties the library and all
// equations. The first file that cannot be deleted stops it: the lists stay
// as they were and the failure is the only message. The background music is
// not touched.
RemovalResult EmptyLibrary(Project& project);
