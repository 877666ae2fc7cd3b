#include <fstream>
#include <iostream>
#include <thread>
#include <string>

#include <gtest/gtest.h>

#include "audio/FakePreviewHost.h"
#include "audio/PreviewTestSupport.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

namespace {

// The memory the process holds, from the kernel's account of it.
long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string field; status >> field;) {
        if (field == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

}  // namespace

TEST(PreviewMemory, TwoHundredSoundsInARowDoNotAddUpInMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine";
#endif
    ScratchDir dir;
    // Two seconds at 44100 Hz: 176 kB of file and 350 kB a second of output.
    const std::string path = dir.file("tone.wav");
    WriteTestWav(path, 44100, 1, 16, 2.0);
    FakePreviewHost host;
    PreviewPlayer player(host, ProgramDir());

    long warm = 0;
    for (int i = 0; i < 200; ++i) {
        player.PlayFile(path);
        ASSERT_TRUE(player.IsPlaying());
        // Let the sound be heard a little before the next replaces it.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (i == 19)
            warm = ResidentKiB();
    }
    const long after = ResidentKiB();
    std::cout << "resident after 20 sounds: " << warm << " KiB, after 200: " << after << " KiB\n";
    // Holding each file's bytes would add about 31 MB.
    EXPECT_LT(after - warm, 4 * 1024);
}
