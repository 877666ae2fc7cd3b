// Placeholder until this area's commands are built.

#include "app/Session.h"

void Session::New() {}
void Session::Open() {}
void Session::Save() {}
void Session::SaveAs() {}
void Session::Close() {}
bool Session::Exit() { return true; }
