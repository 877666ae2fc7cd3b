#pragma once
// A text of the tool as the running edition shows it: in Simplified Chinese
// when the tool was started by that edition (main.cpp installs the
// translation), else as written.

#include <QCoreApplication>
#include <QString>

inline QString LoaderText(const char* text)
{
    return QCoreApplication::translate("KR615B", text);
}
