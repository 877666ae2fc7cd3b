#include "gui/ViewRequest.h"

#include "app/Session.h"

static void Dispatch(Session& session, const ViewRequest& request)
{
    switch (request.command) {
    case ViewCommand::LoadLibrarySounds:
        return session.LoadLibrarySounds();
    case ViewCommand::DeleteLibrarySound:
        return session.DeleteLibrarySound();
    case ViewCommand::EmptyLibrary:
        return session.EmptyLibrary();
    case ViewCommand::PlayLibrarySound:
        return session.PlayLibrarySound();
    case ViewCommand::PlayLibrarySoundAsChip:
        return session.PlayLibrarySoundAsChip();
    case ViewCommand::StopPreview:
        return session.StopPreview();
    case ViewCommand::InsertSound:
        return session.InsertSound();
    case ViewCommand::InsertSilence:
        return session.InsertSilence(request.first);
    case ViewCommand::InsertUserSilence:
        return session.InsertUserSilence();
    case ViewCommand::AppendSound:
        return session.AppendSound(request.first);
    case ViewCommand::ReplaceEntry:
        return session.ReplaceEntry(request.first);
    case ViewCommand::MoveEntry:
        return session.MoveEntry(request.first, request.second);
    case ViewCommand::DeleteEntry:
        return session.DeleteEntry();
    case ViewCommand::EmptyEquation:
        return session.EmptyEquation();
    case ViewCommand::PlayEquation:
        return session.PlayEquation();
    case ViewCommand::LoadBackgroundMusic:
        return session.LoadBackgroundMusic();
    case ViewCommand::EmptyBackgroundMusic:
        return session.EmptyBackgroundMusic();
    case ViewCommand::PlayBackgroundMusic:
        return session.PlayBackgroundMusic();
    }
}

void RunViewRequest(Session& session, const ViewRequest& request)
{
    Dispatch(session, request);
    session.SaveIfChanged();
}
