#include <map>

#include <QDirIterator>

#include "app/SessionFixture.h"

using SessionTrust = SessionFixture;

namespace {

// Every file under `folder` with its bytes.
std::map<std::string, std::vector<uint8_t>> Files(const std::string& folder)
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (QDirIterator it(ToQtPath(folder), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const std::string path = FromQtPath(it.next());
        files[path] = ReadBytes(path);
    }
    return files;
}

}  // namespace

// A name read from a project file is never used to reach a file unless it is
// a plain file name: compile, preview, Delete and Empty leave the disk alone.
TEST_F(SessionTrust, HostileNamesReachNoFile)
{
    QDir().mkpath(ToQtPath(dir_.file("outside")));
    WriteTestWav(dir_.file("outside/x.wav"), 8000, 1, 16, 0.1);
    WriteBytes(dir_.file("outside/x.wav.rbf"), {1});
    WriteBytes(dir_.file("outside/x.wav.rbf.h"), {2});
    const CSound real = Entry("a.wav", true);
    auto before = Files(dir_.path());
    const std::string names[] = {"../outside/x.wav", std::string("a.wav\0x", 7), "..", "", "a\\b.wav", "a.wav\n"};
    for (const std::string& name : names) {
        SCOPED_TRACE(QuotedName(name));
        const auto hostile = [&](ProjectContent& c) {
            c.library.removeAll();
            c.library.append(Entry(name));
            c.equations[0].append(Entry(name));
        };
        Reopen(hostile);
        session_.Compile();
        EXPECT_THAT(port_.messages.at(0).text, HasSubstr("names no file inside the sound folder"));
        port_.selectedRows = {{View::Library, 0}, {View::Playlist, 0}};
        session_.PlayLibrarySound();
        session_.PlayLibrarySoundAsChip();
        session_.PlayEquation();
        session_.StopPreview();
        port_.confirms = {true};
        session_.DeleteLibrarySound();
        EXPECT_EQ(content().library.count(), 0);
        EXPECT_EQ(port_.messages.back().text,
                  QuotedName(name) + " names no file inside the sound folder, so no file was deleted for it.");
        Reopen(hostile);
        port_.confirms = {true};
        session_.EmptyLibrary();
        EXPECT_EQ(content().library.count(), 0);
    }
    // Empty names them all at once and still deletes the rest.
    Reopen([&](ProjectContent& c) {
        c.library.removeAll();
        for (const char* name : {".", "a.wav", "x/y.wav", "sub/../../P.winproj"})
            c.library.append(Entry(name));
    });
    port_.confirms = {true};
    session_.EmptyLibrary();
    EXPECT_EQ(Texts(port_.messages), (Strings{"\".\", \"x/y.wav\", \"sub/../../P.winproj\" name no file inside the sound "
                                             "folder, so no file was deleted for them.",
                                             "Empty sound library"}));
    before.erase(real.path);
    EXPECT_EQ(Files(dir_.path()), before);
}

