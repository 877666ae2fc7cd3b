// The current equation's commands: inserts, append, replace, move, delete,
// empty and its preview.

#include "app/Session.h"

#include "app/EquationEdit.h"
#include "audio/PreviewPlayer.h"
#include "model/EquationSize.h"

namespace {

// Refuses with the insertion's message when the equation is too full for it.
bool Accepts(WindowPort& port, const CSoundList& equation, Insertion how)
{
    if (InsertionAllowed(EquationSize(equation), how))
        return true;
    port.ShowMessage({InsertionRefusedMessage(how)});
    return false;
}

// Before the row selected now, after the dialog, or at the end; returns the
// entry's row.
int InsertAtSelectedRow(WindowPort& port, CSoundList& equation, const CSound& entry)
{
    return InsertAtSelection(equation, port.SelectedRow(View::Playlist), entry);
}

}  // namespace

void Session::RebuildPlaylistAndLibraryViews(std::optional<int> newRow)
{
    RebuildPlaylistView();
    RebuildLibraryView();
    // The new entry in sight, also below the rows that fit in the view.
    if (newRow)
        port_.ShowRow(View::Playlist, *newRow);
}

void Session::InsertSound()
{
    if (!Accepts(port_, currentEquationList(), Insertion::PickedSound))
        return;
    const CSoundList& library = project_.content.library;
    std::optional<int> placed;
    if (const std::optional<int> picked = port_.ChooseLibrarySound(library))
        if (const std::optional<CSound> sound = library.at(*picked))
            placed = InsertAtSelectedRow(port_, editedEquation(), *sound);
    RebuildPlaylistAndLibraryViews(placed);
}

void Session::InsertSilence(int lengthMs)
{
    if (!Accepts(port_, currentEquationList(), Insertion::Silence))
        return;
    RebuildPlaylistAndLibraryViews(InsertAtSelectedRow(port_, editedEquation(), CSound::Silence(lengthMs)));
}

void Session::InsertUserSilence()
{
    const CSoundList& equation = currentEquationList();
    if (!Accepts(port_, equation, Insertion::Silence))
        return;
    std::optional<int> placed;
    if (const std::optional<int> lengthMs = port_.ChooseSilenceLength(EquationSize(equation)))
        placed = InsertAtSelectedRow(port_, editedEquation(), CSound::Silence(*lengthMs));
    RebuildPlaylistAndLibraryViews(placed);
}

void Session::AppendSound(int libraryRow)
{
    const std::optional<CSound> sound = project_.content.library.at(libraryRow);
    if (!sound)
        return;
    CSoundList& equation = editedEquation();
    if (!Accepts(port_, equation, Insertion::DoubleClickAppend))
        return;
    equation.append(*sound);
    RebuildPlaylistView();
    port_.ShowRow(View::Playlist, equation.count() - 1);
}

void Session::ReplaceEntry(int row)
{
    const std::optional<CSound> old = currentEquationList().at(row);
    if (!old)
        return;
    // A sound only by a sound, a silence only by a silence, so the
    // equation's size stays as it is.
    std::optional<CSound> replacement;
    if (old->isSound()) {
        const CSoundList& library = project_.content.library;
        if (const std::optional<int> picked = port_.ChooseLibrarySound(library))
            replacement = library.at(*picked);
    } else if (const std::optional<int> lengthMs = port_.ChooseSilenceLength(EquationSize(currentEquationList()))) {
        replacement = CSound::Silence(*lengthMs);
    }
    if (replacement)
        ::ReplaceEntry(editedEquation(), row, *replacement);
    RebuildPlaylistAndLibraryViews();
}

void Session::MoveEntry(int from, int to)
{
    CSoundList& equation = editedEquation();
    if (equation.empty() || to < 0)
        return;
    ::MoveEntry(equation, from, to);
    RebuildPlaylistView();
}

void Session::DeleteEntry()
{
    if (!port_.Confirm())
        return;
    CSoundList& equation = editedEquation();
    const int row = port_.SelectedRow(View::Playlist);
    if (!equation.at(row))
        return;
    port_.RemoveRow(View::Playlist, row);
    equation.removeAt(row);
    RebuildPlaylistView();
}

void Session::EmptyEquation()
{
    if (!port_.Confirm())
        return;
    editedEquation().removeAll();
    port_.ClearView(View::Playlist);
    ShowEquationSize();
    port_.ShowMessage({"Empty playlist"});
}

void Session::PlayEquation()
{
    const CSoundList& equation = currentEquationList();
    const int row = port_.SelectedRow(View::Playlist);
    PlaylistPreview playlist;
    playlist.remainingMs = RemainingLengthMs(equation, row);
    if (row >= 0) {
        int index = 0;
        for (const CSound& entry : equation)
            if (index++ >= row)
                playlist.entries.push_back(entry.isSound() ? Playable(entry) : entry);
    }
    preview_->PlayPlaylist(std::move(playlist));
}
