#include <gtest/gtest.h>

#include "common/TestFiles.h"
#include "model/Archive.h"
#include "model/Project.h"

#include <QDir>

#include <csignal>
#include <sys/resource.h>

namespace {

CSound Sound(const std::string& folder, const std::string& name, int rate)
{
    return {.kind = 1, .path = folder + "/" + name, .name = name, .sampleRate = rate, .bits = 8, .stereo = 1,
            .lengthMs = 1234, .auxValue = -7};
}

// A project with every field away from its default.
ProjectContent Everything(const std::string& soundFolder)
{
    ProjectContent c;
    for (int i = 0; i < kKeyCount; ++i) {
        c.key.keyFunction[i] = i % 15;
        c.equation.equationNumber[i] = 219 - i;
    }
    c.options = COptions{1, kMatrix3x8, 0, 0, 1, 1, std::string(300, 'p')};
    c.library.append(Sound(soundFolder, "a.wav", 8000));
    c.library.append(Sound(soundFolder, "b\xE9.wav", 22000));
    c.equations[0].append(*c.library.at(1));
    c.equations[0].append(CSound::Silence(2600));
    c.equations[219].append(*c.library.at(0));
    c.backgroundMusic.append(Sound(soundFolder, "music.wav", 8000));
    return c;
}

}  // namespace

TEST(ProjectFile, NewProjectIs1144BytesWithKnownStart)
{
    const auto bytes = WriteProjectBytes(ProjectContent::NewProject(0));
    ASSERT_EQ(bytes.size(), 1144u);
    EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + 10),
              (std::vector<uint8_t>{0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00, 0x43, 0x4B, 0x65, 0x79}));
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(bytes[10 + 4 * i], 1);
        EXPECT_EQ(bytes[121 + 4 * i], i);
    }
    EXPECT_EQ(std::string(bytes.begin() + 112, bytes.begin() + 121), "CEquation");
    EXPECT_EQ(bytes[235], kKeyMode);
    EXPECT_EQ(bytes[251], 0);  // empty external path
}

// Whatever follows the background-music list is not read; every truncation
// ends in an error, never a crash or a partial success.
TEST(ProjectFile, EveryFieldSurvivesARoundTripAndEveryTruncationIsRefused)
{
    const ProjectContent c = Everything("/x.sound");
    auto bytes = WriteProjectBytes(c);
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(ReadProjectBytes(bytes.data(), n), ArchiveError) << n;
    bytes.insert(bytes.end(), 1000, 0xA5);
    EXPECT_EQ(ReadProjectBytes(bytes.data(), bytes.size()), c);
}

TEST(ProjectLifecycle, FailuresLeaveEverythingAsItWas)
{
    ScratchDir dir;
    Project project;
    ASSERT_FALSE(CreateNewProject(dir.file("P.winproj"), "P.winproj", 0, project));
    project.content = Everything(project.soundFolderPath);
    ASSERT_FALSE(SaveProject(project));
    const auto good = ReadBytes(project.projectFilePath);

    // A write that runs out of room (a file-size limit stands in for a full
    // disk, and works for root too) keeps the good file byte for byte.
    project.content.library.append(*project.content.library.at(0));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{.rlim_cur = good.size(), .rlim_max = saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_TRUE(SaveProject(project));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(ReadBytes(project.projectFilePath), good);
    EXPECT_EQ(QDir(QString::fromStdString(dir.file("P.winproj"))).entryList(QDir::Files).size(), 1);

    // A project file name that is a folder cannot be written.
    QDir().mkpath(QString::fromStdString(dir.file("F.winproj/F.winproj")));
    Project blocked;
    EXPECT_TRUE(CreateNewProject(dir.file("F.winproj"), "F.winproj", 0, blocked));
    EXPECT_TRUE(blocked.projectFilePath.empty());
}
