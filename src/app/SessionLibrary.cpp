// Placeholder until this area's commands are built.

#include "app/Session.h"

void Session::LoadLibrarySounds() {}
void Session::DeleteLibrarySound() {}
void Session::EmptyLibrary() {}
void Session::PlayLibrarySound() {}
void Session::PlayLibrarySoundAsChip() {}
void Session::StopPreview() {}
