#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "PcmSound.h"
#include "audio/AudioInfo.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "compiler/BinLayout.h"
#include "compiler/BinReader.h"
#include "model/Project.h"

namespace {

// A project with sounds at three rates, silences whose tokens only some
// splits write again, a sound missing from the library, and keys set apart
// from the defaults; compiled for 8M.
std::string CompiledProject(const ScratchDir& dir, const std::string& name, int32_t mode, int32_t external)
{
    Project p;
    EXPECT_FALSE(CreateNewProject(dir.file(name), name, 0, p));
    const int rates[] = {16000, 8000, 22000};
    for (int i = 0; i < 3; ++i) {
        const std::string file = std::to_string(i) + ".wav";
        WriteTestWav(p.soundFolderPath + "/" + file, rates[i], 1, 16, 0.3 + 0.2 * i, 300.0 + 100 * i);
        p.content.library.append(MakeSoundRecord(p.soundFolderPath + "/" + file, file));
    }
    const auto sound = [&](int i) { return *p.content.library.at(i); };
    CSound stray = sound(1);
    stray.name = "gone.wav";  // Open rebuilds paths from names
    for (const CSound& e : {sound(0), CSound::Silence(250), CSound::Silence(50), CSound::Silence(10), sound(2), sound(0)})
        p.content.equations[0].append(e);
    for (const CSound& e : {CSound::Silence(2600), CSound::Silence(1000), CSound::Silence(1750), stray})
        p.content.equations[1].append(e);
    p.content.equations[219].append(sound(1));
    p.content.options.controlMode = mode;
    p.content.options.externalMode = external;
    p.content.options.soundOutput = 1;
    p.content.options.busyLevel = 0;
    for (int k = 0; k < kKeyCount; ++k) {
        p.content.key.keyFunction[k] = (k * 5) % 15;
        p.content.equation.equationNumber[k] = 219 - k;
    }
    std::vector<uint8_t> window(0x10000);
    for (size_t i = 0; i < window.size(); ++i)
        window[i] = uint8_t(i * 7);
    WriteBytes(dir.file(name + ".ext"), window);
    p.content.options.externalBinPath = dir.file(name + ".ext");
    EXPECT_FALSE(SaveProject(p));
    std::string err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", "--flash", "8M", p.projectFilePath}, nullptr, &err), 0) << err;
    return p.projectFilePath + ".bin";
}

}  // namespace

TEST(BinReadback, RecoveredProjectCompilesToTheSameImageUpToTheVoiceData)
{
    ScratchDir dir;
    const struct {
        int32_t mode, external;
    } cases[] = {{kKeyMode, 1}, {kMatrix3x8, 0}, {kParallelPort, 1}, {kOneLine, 0}};
    for (const auto& c : cases) {
        const std::string name = "m" + std::to_string(c.mode) + ".winproj";
        SCOPED_TRACE(name);
        const std::string bin = CompiledProject(dir, name, c.mode, c.external);
        std::string out, err;
        ASSERT_EQ(RunProgram("kr615b", {"recover", bin, dir.file("r/" + name)}, &out, &err), 0) << err;
        ASSERT_EQ(RunProgram("kr615b", {"compile", "--flash", "8M", out.substr(0, out.size() - 1)}, nullptr, &err), 0);
        const std::vector<uint8_t> original = ReadBytes(bin), again = ReadBytes(out.substr(0, out.size() - 1) + ".bin");
        ASSERT_EQ(again.size(), original.size());
        EXPECT_TRUE(std::equal(original.begin(), original.begin() + kSoundData, again.begin()));
    }
    // Silences come back as the fewest that write the same tokens.
    std::string json;
    ASSERT_EQ(RunProgram("kr615b", {"inspect", "--json", dir.file("m6.winproj/m6.winproj.bin")}, &json), 0);
    EXPECT_NE(json.find(R"("equations":[[{"sound":0},{"silenceMs":300},{"silenceMs":10},{"sound":2},{"sound":0}],)"
                        R"([{"silenceMs":2600},{"silenceMs":1000},{"silenceMs":1750},{"sound":509}],[])"),
              std::string::npos)
        << json.substr(json.find("equations"), 200);
    EXPECT_NE(json.find(R"({"function":null,"equation":210},{"function":null,"equation":null})"), std::string::npos);
    std::string text;
    ASSERT_EQ(RunProgram("kr615b", {"inspect", dir.file("m6.winproj/m6.winproj.bin")}, &text), 0);
    for (const char* line : {"\n  Key 10: equation 210\n", "\n  0: [001] [silence 300 ms] [silence 10 ms] [003] [001]\n",
                             "\n  002  8000 Hz  2630 bytes  500 ms\n  003", "\n  004-510  converted silence (filler)\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;

    // The firmware header of the project, never written over the project.
    const std::string project = dir.file("m6.winproj/m6.winproj");
    ASSERT_EQ(RunProgram("kr615b", {"manifest", project}, &text), 0);
    EXPECT_NE(text.find("#define KR_SOUND_2 2\n"), std::string::npos) << text;
    EXPECT_EQ(RunProgram("kr615b", {"manifest", project, "--out", dir.path() + "/m6.winproj/./m6.winproj"}), 1);
    EXPECT_EQ(RunProgram("kr615b", {"manifest", project, "--out", dir.file("m6.h")}), 0);
    EXPECT_EQ(ReadBytes(dir.file("m6.h")), std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(BinReadback, DamagedImagesEndInAClearError)
{
    ScratchDir dir;
    const std::vector<uint8_t> good = ReadBytes(CompiledProject(dir, "d.winproj", kKeyMode, 0));
    const uint64_t end = ReadBin(good.data(), good.size()).dataEnd;
    const auto record = [](std::vector<uint8_t>& b, int slot) { return b.data() + kSoundTable + slot * kSoundRecordBytes; };
    const struct {
        std::function<void(std::vector<uint8_t>&)> damage;
        const char* error;
    } cases[] = {
        {[](auto& b) { b.resize(kSoundData - 1); }, "too short"},
        {[](auto& b) { b[2] = 0x66; }, "control-mode code 0x66"},
        {[](auto& b) { b[kFlashSizeByte] = 9; }, "flash-size code"},
        {[](auto& b) { b[EquationSlotOffset(3)] = 0x45; }, "equation 3, byte 0: unknown token 0x45"},
        {[](auto& b) { b[EquationSlotOffset(0) + 1] = 0x02; }, "sound slot 512 does not exist"},
        {[](auto& b) {
             for (uint32_t i = 0; i < kEquationSlotBytes; ++i)
                 b[EquationSlotOffset(4) + i] = i % 3 ? 0 : kSoundToken;
         },
         "equation 4, byte 255: a sound token cut"},
        {[&](auto& b) { record(b, 7)[3] = 0x70; }, "sound 7: impossible start address"},
        {[&](auto& b) { record(b, 9)[4] = 0xFF; }, "sound 9: impossible start address"},
        {[&](auto& b) { record(b, 300)[4] -= 1; }, "sound 300 starts before sound 299"},
        {[&](auto& b) { record(b, 3)[0] = 0x11; }, "unknown rate code"},
        {[&](auto& b) { b.resize(end - 1); }, "sound 509 runs past the end"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        std::vector<uint8_t> bad = good;
        cases[i].damage(bad);
        try {
            ReadBin(bad.data(), bad.size());
            ADD_FAILURE() << "read";
        } catch (const BinFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(cases[i].error), std::string::npos) << e.what();
        }
    }
}

// The portable decoder, built as strict C99, plays an equation out of the
// image sample for sample as the program decodes its sounds.
TEST(BinReadback, PortableDecoderPlaysAsTheProgramDecodes)
{
    ScratchDir dir;
    const std::string bin = CompiledProject(dir, "c.winproj", kKeyMode, 0);
    std::string events, err;
    ASSERT_EQ(RunProgram("../tests/krvoice_play", {bin, "0", dir.file("eq0.raw")}, &events, &err), 0) << err;
    ASSERT_EQ(RunProgram("kr615b", {"extract", bin, dir.file("x")}, nullptr, &err), 0) << err;
    std::vector<uint8_t> expected;
    std::istringstream lines(events);
    std::string kind;
    for (int value; lines >> kind >> value;) {
        if (kind != "sound")
            continue;
        const std::vector<uint8_t> wav = ReadBytes(dir.file("x/00" + std::to_string(value) + ".wav"));
        const auto sound = voice::ParseWav(wav.data(), wav.size(), nullptr);
        ASSERT_TRUE(sound);
        lines >> value;
        EXPECT_EQ(uint32_t(value), sound->sampleRate);
        const auto* bytes = reinterpret_cast<const uint8_t*>(sound->samples.data());
        expected.insert(expected.end(), bytes, bytes + 2 * sound->samples.size());
    }
    EXPECT_EQ(events, "sound 0 16000\nsilence 250\nsilence 50\nsilence 10\nsound 2 22000\nsound 0 16000\n");
    EXPECT_EQ(ReadBytes(dir.file("eq0.raw")), expected);
}
