#pragma once
// Reading only regular files. A name from the user or a project file may name
// a FIFO, whose open waits for a writer forever, a device such as /dev/zero,
// which never ends, a socket or a folder: each is refused before it is read.

#include <cstdint>
#include <optional>
#include <string>

class QByteArray;
class QFile;

// "it is a FIFO, not a regular file" and the like when `path` names
// something other than a regular file; nothing for a regular file and for a
// name that cannot be looked at (a missing file), whose open then fails with
// the system's reason. Looks without opening, so it never blocks; links are
// followed. For paths handed to code that opens them itself.
std::optional<std::string> SpecialFileReason(const std::string& path);

// Opens `path` for reading into `file` when it is a regular file of at most
// `maxBytes`. The open cannot block, and the check is made on the file
// opened, so nothing can be swapped in between. Empty on success, else the
// reason (the system's text, as SpecialFileReason, or that the file is larger than the limit).
std::optional<std::string> OpenRegularFile(const std::string& path, QFile& file,
                                           uint64_t maxBytes = UINT64_MAX);

// Reads the whole of `path` into `bytes` as OpenRegularFile opens it. Empty
// on success, else "Cannot open PATH: " or "Cannot read PATH: " and the
// reason.
std::optional<std::string> ReadRegularFile(const std::string& path, QByteArray& bytes,
                                           uint64_t maxBytes = UINT64_MAX);
