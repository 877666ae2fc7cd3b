// Placeholder until this area's commands are built.

#include "app/Session.h"

void Session::LoadBackgroundMusic() {}
void Session::EmptyBackgroundMusic() {}
void Session::PlayBackgroundMusic() {}
