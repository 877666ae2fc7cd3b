#pragma once
// Records and messages as the tests build and compare them.

#include <string>
#include <vector>

#include "model/Sound.h"
#include "support/UserMessage.h"

// A sound record named `name` whose file lies in `folder`.
CSound SoundNamed(const std::string& name, int lengthMs = 0, const std::string& folder = "/sounds");

// A list on one line: sounds by name, silences as "~" and their length.
std::string Rows(const CSoundList& list);

// The texts of `messages`, in order.
std::vector<std::string> Texts(const std::vector<UserMessage>& messages);
