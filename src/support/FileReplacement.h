#pragma once
// Replacing a file that is written piece by piece (the BIN): the new content
// goes to a temporary file beside the target, which takes the target's place
// only once complete. A failed or killed write leaves the old file byte for
// byte. The temporary file has one fixed name per target, so whatever a
// killed writer left is cleared by the next write.

#include <optional>
#include <string>

#include <QFile>

class FileReplacement {
public:
    explicit FileReplacement(std::string target);
    // Removes the temporary file unless it was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the temporary file, empty, for reading and writing (unbuffered,
    // so a short write shows at once). The system's reason on failure.
    std::optional<std::string> open();
    QFile& file() { return file_; }

    // Puts the written content on disk and in the target's place. The
    // system's reason on failure; the target is then as it was.
    std::optional<std::string> commit();

    static std::string TemporaryPathFor(const std::string& target) { return target + ".part"; }

private:
    const std::string target_;
    const std::string temporary_;
    QFile file_;
    bool committed_ = false;
};
