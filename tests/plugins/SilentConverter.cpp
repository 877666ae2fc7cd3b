// A converter that claims success for a file named "*silent*.wav" without
// writing anything; any other file it "converts" by copying it as the voice
// data, with an empty companion. It stands for a careless converter a user
// might drop in.

#include <cstring>
#include <fstream>
#include <string>

extern "C" __attribute__((visibility("default"))) int ConvertWAVToQMF(const char* wav, const char* out, const char*)
{
    if (std::strstr(wav, "silent"))
        return 1;
    std::ifstream in(wav, std::ios::binary);
    std::ofstream data(out, std::ios::binary), companion(std::string(out) + ".h");
    data << in.rdbuf();
    data.close();
    companion.close();
    return in && data && companion ? 1 : 0;
}
