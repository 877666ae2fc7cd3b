#pragma once
// The system's file-dialog conventions in Qt's terms.

#include <string>

#include <QString>

// "Desc(*.a)|*.a|Other(*.b;*.c)|*.b;*.c||" as Qt's "Desc(*.a);;Other(*.b;*.c)
// (*.b *.c)": each description is kept as written, and its patterns are
// appended in Qt's form unless the description already ends with them.
QString QtFileFilter(const std::string& filter);

// `path` with "." + `extension` appended when its file name has no extension
// of its own; `extension` may be given with or without its dot.
std::string WithDefaultExtension(const std::string& path, std::string extension);
