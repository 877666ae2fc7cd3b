#pragma once
// What a list view asks of the session when the user picks a menu item,
// releases a key, double-clicks a row or drops one. Each request names one
// session command and its arguments, so the views are tied to the session in
// one place only.

class Session;

enum class ViewCommand {
    LoadLibrarySounds,
    DeleteLibrarySound,
    EmptyLibrary,
    PlayLibrarySound,
    PlayLibrarySoundAsChip,
    StopPreview,
    InsertSound,
    InsertSilence,      // first: length in ms
    InsertUserSilence,
    AppendSound,        // first: library row
    ReplaceEntry,       // first: playlist row
    MoveEntry,          // first: from row, second: to row
    DeleteEntry,
    EmptyEquation,
    PlayEquation,
    LoadBackgroundMusic,
    EmptyBackgroundMusic,
    PlayBackgroundMusic,
};

struct ViewRequest {
    ViewCommand command;
    int first = 0;
    int second = 0;

    friend bool operator==(const ViewRequest&, const ViewRequest&) = default;
};

// Runs the request's command on the session, then writes the project when
// the command changed it.
void RunViewRequest(Session& session, const ViewRequest& request);
