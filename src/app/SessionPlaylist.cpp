// Placeholder until this area's commands are built.

#include "app/Session.h"

void Session::InsertSound() {}
void Session::InsertUserSilence() {}
void Session::DeleteEntry() {}
void Session::EmptyEquation() {}
void Session::PlayEquation() {}
void Session::InsertSilence(int) {}
void Session::AppendSound(int) {}
void Session::ReplaceEntry(int) {}
void Session::MoveEntry(int, int) {}
