#pragma once
// Everything a project file holds, and its conversion to and from the bytes
// of the file.

#include <array>
#include <cstdint>
#include <vector>

#include "model/Records.h"
#include "model/Sound.h"

struct ProjectContent {
    CKey key;
    CEquation equation;
    COptions options;
    CSoundList library;
    std::array<CSoundList, kEquationCount> equations;
    CSoundList backgroundMusic;

    // An empty project with the defaults of a new one.
    static ProjectContent NewProject(int32_t previousBackgroundMusic);

    // Every list of the project, in file order: library, equations, music.
    template <typename F> void forEachList(F&& f)
    {
        f(library);
        for (CSoundList& e : equations)
            f(e);
        f(backgroundMusic);
    }

    friend bool operator==(const ProjectContent&, const ProjectContent&) = default;
};

std::vector<uint8_t> WriteProjectBytes(const ProjectContent& content);

// Throws ArchiveError when the bytes are not a readable project. Bytes after
// the background-music list are ignored.
ProjectContent ReadProjectBytes(const uint8_t* data, size_t size);
