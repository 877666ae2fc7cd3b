#pragma once
// The firmware header of a project: C macros that name every library sound
// and every equation by its number, with comments on the equations'
// entries and the keys of the control mode, so that firmware which drives
// the chip stays in step with the project's audio.

#include <string>

#include "model/ProjectContent.h"

// The header's text. `projectName` names the project in its first comment.
std::string FirmwareManifest(const ProjectContent& content, const std::string& projectName);

// The macro part made from a sound's file name: the name without its
// extension, upper-cased, every other character than A-Z and 0-9 turned
// into "_" (a multi-byte UTF-8 character counts as one).
std::string MacroNamePart(const std::string& fileName);
