// Placeholder until this area's commands are built.

#include "app/Session.h"

void Session::DownloadData() {}
void Session::HelpContent() {}
bool Session::SwitchToOtherEdition() { return true; }
