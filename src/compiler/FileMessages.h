#pragma once
// The message for a failed file operation: what was being done, the file and
// the platform's reason.

#include <string>

#include <QFileDevice>

#include "support/UserMessage.h"

inline UserMessage FileErrorMessage(const char* action, const std::string& path, const std::string& reason)
{
    return {std::string("Cannot ") + action + " " + path + ": " + (reason.empty() ? "unknown error" : reason),
            Caption::ApplicationName, MessageIcon::Error};
}

inline UserMessage FileErrorMessage(const char* action, const std::string& path, const QFileDevice& file)
{
    return FileErrorMessage(action, path, file.errorString().toStdString());
}
