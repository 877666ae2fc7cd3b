#pragma once
// Message boxes that the dialogs show on themselves.

#include <QString>

class QWidget;

// A modal message box owned by `parent`, with an OK button and no icon.
void ShowDialogMessage(QWidget* parent, const QString& caption, const QString& text);

// The caption of the messages that carry the program's name: the program
// file's name without its extension.
QString ApplicationNameCaption();
