#pragma once
// Paths as the program builds them. Record strings are byte strings; only
// here do they meet the platform's separator and file-name encoding.

#include <string>
#include <string_view>

#include <QString>

constexpr char kPathSeparator = '/';

// folder + separator + name
std::string JoinPath(std::string_view folder, std::string_view name);

// The last component of a path (everything after the last separator).
std::string FileNamePart(std::string_view path);

// The folder part of a path, without the trailing separator.
std::string FolderPart(std::string_view path);

// The platform's file name for a byte-string path, and back.
QString ToQtPath(const std::string& path);
std::string FromQtPath(const QString& path);

// Whether `name` is a plain file name that stays inside the folder it is
// joined to: not empty, not "." or "..", no separator of any platform, no
// NUL (which would end the name early for the system) or other control
// character.
bool IsPlainFileName(std::string_view name);

// `name` in double quotes, control characters written as \xNN, for messages
// about names that may not be plain.
std::string QuotedName(std::string_view name);

// The folder of the running program, with a trailing separator: where the
// converter and the support files are looked up. Needs the application
// object to exist.
std::string ProgramFolder();

// Whether two paths name the same file, also when they differ by links or
// by "." and ".." components.
bool IsSameFile(const std::string& a, const std::string& b);
