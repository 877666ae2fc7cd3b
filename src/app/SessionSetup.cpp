// Placeholder until this area's commands are built.

#include "app/Session.h"

void Session::Options() {}
void Session::KeySetup() {}
void Session::EquationSetup() {}
void Session::SetControlMode(int) {}
