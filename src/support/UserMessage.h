#pragma once
// A message for the user, produced by the core and shown by a front end: the
// desktop program as a message box, the command-line tool as a line of text.

#include <string>

// The caption most messages carry.
inline constexpr const char* kProductCaption = "KR615B DadezEvur V1.0";

enum class Caption {
    Product,          // kProductCaption
    ApplicationName,  // the running program's file name without extension
    Error,            // "Error"
};

enum class MessageIcon { None, Information, Warning, Error };

struct UserMessage {
    std::string text;
    Caption caption = Caption::Product;
    MessageIcon icon = MessageIcon::None;

    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};
