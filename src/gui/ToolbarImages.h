#pragma once
// The program's pictures, drawn here rather than loaded: the toolbar's
// buttons and the application's icon.

#include <QIcon>

// The toolbar picture of a command (CommandId); a null icon for commands
// that have no button.
QIcon ToolbarIcon(int commandId);

// The chip with sound waves: window, About box and task bar.
QIcon ApplicationIcon();
