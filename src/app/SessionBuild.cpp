// Placeholder until this area's commands are built.

#include "app/Session.h"

void Session::Compile() {}
void Session::LoadExternalBin() {}
void Session::ConvertToWav() {}
