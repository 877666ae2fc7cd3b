#include <fstream>
#include <iostream>

#include <unistd.h>

#include "audio/PreviewTestSupport.h"

namespace {

// The memory the process holds, from the kernel's account of it.
long ResidentKiB()
{
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

using PreviewMemory = PreviewTest;

}  // namespace

TEST_F(PreviewMemory, TwoHundredSoundsInARowDoNotAddUpInMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine";
#endif
    // Two seconds at 44100 Hz: 176 kB of file and 350 kB a second of output.
    const std::string path = Tone("tone.wav", 2.0, 44100);
    long warm = 0;
    for (int i = 0; i < 200; ++i) {
        player_.PlayFile(path);
        ASSERT_TRUE(player_.IsPlaying());
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
