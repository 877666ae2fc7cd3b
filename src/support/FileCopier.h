#pragma once
// Copies a file or a folder tree without ever replacing an existing file:
// a file whose name is taken gets a free name beside it ("Copy of a.wav",
// "Copy (1) of a.wav", ...). One object per use: make it, call Copy, and read
// errorText and errorCode after a false result.

#include <cstdint>
#include <string>
#include <system_error>

class CFileCopier {
public:
    std::string errorText = "No error";  // the last failure
    int32_t errorCode = 0;               // the platform's code of the last failure; 0 for the copier's own
    bool overwrite = false;              // replace existing files instead of choosing a free name
    int32_t depthLimit = -1;             // folder levels a folder copy may still descend; -1 = no limit
    std::string lastFileWritten;         // the last file a copy wrote, under the name it got

    // Copies `source` (a file or folder) to `destination` (a file or
    // folder). True when the copy was made or was not needed; never throws.
    // depthLimit is -1 again afterwards.
    bool Copy(const std::string& source, const std::string& destination);

    // 0 = does not exist, 1 = a file, 2 = a folder, -1 = undetermined.
    static int PathKind(const std::string& path);

    // The name a copy takes when `path` is taken: a.wav -> Copy of a.wav ->
    // Copy (1) of a.wav -> Copy (2) of a.wav, in the same folder.
    static std::string NextCopyName(const std::string& path);

private:
    // A failure inside the copy; it never leaves Copy.
    struct CFExeption {
        std::string text;
        int32_t code = 0;
    };

    static int PathKind(const std::string& path, std::error_code& error);
    void CopyPaths(std::string source, std::string destination);
    // `folder` and `destination` end in a separator.
    void CopyFolderContents(const std::string& folder, const std::string& destination);
    void CopyOneFile(const std::string& source, std::string destination);
};
