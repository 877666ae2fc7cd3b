// A converter that claims success for a file named "*silent*.wav" without
// writing anything; any other file it "converts" by copying it as the voice
// data, with an empty companion. It stands for a careless converter a user
// might drop in.

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool Copy(const char* from, const std::string& to)
{
    std::FILE* in = std::fopen(from, "rb");
    std::FILE* out = std::fopen(to.c_str(), "wb");
    bool ok = in && out;
    char buffer[4096];
    for (size_t n; ok && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
        ok = std::fwrite(buffer, 1, n, out) == n;
    if (in)
        std::fclose(in);
    if (out)
        ok = std::fclose(out) == 0 && ok;
    return ok;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int ConvertWAVToQMF(const char* wav, const char* out, const char*)
{
    if (std::strstr(wav, "silent"))
        return 1;
    std::FILE* companion = std::fopen((std::string(out) + ".h").c_str(), "wb");
    return Copy(wav, out) && companion && std::fclose(companion) == 0 ? 1 : 0;
}
