#include "audio/MediaLibraries.h"

#include <dlfcn.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <tuple>

#include <SDL.h>
#include <espeak-ng/speak_lib.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

namespace {

#define KR_TEXT(x) #x
#define KR_SONAME(name, major) "lib" name ".so." KR_TEXT(major)

// Opened by their run-time names, the ones the programs were built against.
enum class Library { AvUtil, AvCodec, AvFormat, SwResample, AvFilter, Sdl, Speech, Count };

constexpr const char* kLibraryFiles[] = {
    KR_SONAME("avutil", LIBAVUTIL_VERSION_MAJOR),
    KR_SONAME("avcodec", LIBAVCODEC_VERSION_MAJOR),
    KR_SONAME("avformat", LIBAVFORMAT_VERSION_MAJOR),
    KR_SONAME("swresample", LIBSWRESAMPLE_VERSION_MAJOR),
    KR_SONAME("avfilter", LIBAVFILTER_VERSION_MAJOR),
    "libSDL2-2.0.so.0",  // every SDL 2 release
    "libespeak-ng.so.1",
};
static_assert(std::size(kLibraryFiles) == size_t(Library::Count));

// Opened once and never closed: threads may hold its functions at any time.
struct Opened {
    void* handle = nullptr;
    std::string error;  // why it could not be opened
};

const Opened& Open(Library library)
{
    static Opened opened[size_t(Library::Count)];
    static std::once_flag once[size_t(Library::Count)];
    const size_t i = size_t(library);
    std::call_once(once[i], [i] {
        opened[i].handle = dlopen(kLibraryFiles[i], RTLD_LAZY | RTLD_LOCAL);
        if (!opened[i].handle)
            opened[i].error = dlerror();
    });
    return opened[i];
}

void* Find(Library library, const char* name)
{
    void* handle = Open(library).handle;
    return handle ? dlsym(handle, name) : nullptr;
}

// A missing library is a broken installation: stop as the system's loader
// would have at start, with its reason.
[[noreturn]] void Missing(Library library, const char* name)
{
    std::fprintf(stderr, "cannot use %s from %s: %s\n", name, kLibraryFiles[size_t(library)],
                 Open(library).handle ? "the library lacks it" : Open(library).error.c_str());
    std::_Exit(127);
}

template <typename Function>
Function Real(Library library, const char* name)
{
    void* found = Find(library, name);
    if (!found)
        Missing(library, name);
    return reinterpret_cast<Function>(found);
}

// The result and parameter types of a function, taken from its declaration.
// (One function is declared warn_unused_result, an attribute of no meaning
// here.)
#pragma GCC diagnostic ignored "-Wignored-attributes"
template <typename F>
struct Signature;
template <typename R, typename... A>
struct Signature<R (*)(A...)> {
    using Result = R;
    template <size_t I>
    using Arg = std::tuple_element_t<I, std::tuple<A...>>;
};

}  // namespace

// Every function called, with its library and number of parameters.
#define KR_MEDIA_FUNCTIONS(X)                     \
    X(AvUtil, av_channel_layout_compare, 2)       \
    X(AvUtil, av_channel_layout_copy, 2)          \
    X(AvUtil, av_channel_layout_default, 2)       \
    X(AvUtil, av_channel_layout_uninit, 1)        \
    X(AvUtil, av_dict_free, 1)                    \
    X(AvUtil, av_dict_get, 4)                     \
    X(AvUtil, av_dict_set, 4)                     \
    X(AvUtil, av_frame_alloc, 0)                  \
    X(AvUtil, av_frame_free, 1)                   \
    X(AvUtil, av_frame_get_buffer, 2)             \
    X(AvUtil, av_frame_unref, 1)                  \
    X(AvUtil, av_free, 1)                         \
    X(AvUtil, av_freep, 1)                        \
    X(AvUtil, av_get_sample_fmt_name, 1)          \
    X(AvUtil, av_log_set_level, 1)                \
    X(AvUtil, av_malloc, 1)                       \
    X(AvUtil, av_strdup, 1)                       \
    X(AvUtil, av_strerror, 3)                     \
    X(AvCodec, av_get_bits_per_sample, 1)         \
    X(AvCodec, av_packet_alloc, 0)                \
    X(AvCodec, av_packet_free, 1)                 \
    X(AvCodec, av_packet_unref, 1)                \
    X(AvCodec, avcodec_alloc_context3, 1)         \
    X(AvCodec, avcodec_find_decoder, 1)           \
    X(AvCodec, avcodec_free_context, 1)           \
    X(AvCodec, avcodec_open2, 3)                  \
    X(AvCodec, avcodec_parameters_to_context, 2)  \
    X(AvCodec, avcodec_receive_frame, 2)          \
    X(AvCodec, avcodec_send_packet, 2)            \
    X(AvFormat, av_find_best_stream, 6)           \
    X(AvFormat, av_read_frame, 2)                 \
    X(AvFormat, avformat_alloc_context, 0)        \
    X(AvFormat, avformat_close_input, 1)          \
    X(AvFormat, avformat_find_stream_info, 2)     \
    X(AvFormat, avformat_open_input, 4)           \
    X(AvFormat, avio_alloc_context, 7)            \
    X(AvFormat, avio_context_free, 1)             \
    X(SwResample, swr_alloc_set_opts2, 9)         \
    X(SwResample, swr_convert, 5)                 \
    X(SwResample, swr_free, 1)                    \
    X(SwResample, swr_get_out_samples, 2)         \
    X(SwResample, swr_init, 1)                    \
    X(AvFilter, av_buffersink_get_frame, 2)       \
    X(AvFilter, av_buffersink_get_sample_rate, 1) \
    X(AvFilter, av_buffersrc_add_frame, 2)        \
    X(AvFilter, avfilter_get_by_name, 1)          \
    X(AvFilter, avfilter_graph_alloc, 0)          \
    X(AvFilter, avfilter_graph_config, 2)         \
    X(AvFilter, avfilter_graph_create_filter, 6)  \
    X(AvFilter, avfilter_graph_free, 1)           \
    X(AvFilter, avfilter_graph_parse_ptr, 5)      \
    X(AvFilter, avfilter_inout_alloc, 0)          \
    X(AvFilter, avfilter_inout_free, 1)           \
    X(Sdl, SDL_CloseAudioDevice, 1)               \
    X(Sdl, SDL_InitSubSystem, 1)                  \
    X(Sdl, SDL_LockAudioDevice, 1)                \
    X(Sdl, SDL_OpenAudioDevice, 5)                \
    X(Sdl, SDL_PauseAudioDevice, 2)               \
    X(Sdl, SDL_QuitSubSystem, 1)                  \
    X(Sdl, SDL_SetHint, 2)                        \
    X(Sdl, SDL_UnlockAudioDevice, 1)              \
    X(Speech, espeak_GetCurrentVoice, 0)          \
    X(Speech, espeak_Initialize, 4)               \
    X(Speech, espeak_ListVoices, 1)               \
    X(Speech, espeak_SetSynthCallback, 1)         \
    X(Speech, espeak_SetVoiceByName, 1)           \
    X(Speech, espeak_SetVoiceByProperties, 1)     \
    X(Speech, espeak_Synth, 8)

// Parameter lists of n parameters typed as the function `f` declares them,
// and the matching argument lists.
#define KR_P(f, i) Signature<decltype(&f)>::Arg<i> a##i
#define KR_PARAMS0(f)
#define KR_PARAMS1(f) KR_P(f, 0)
#define KR_PARAMS2(f) KR_PARAMS1(f), KR_P(f, 1)
#define KR_PARAMS3(f) KR_PARAMS2(f), KR_P(f, 2)
#define KR_PARAMS4(f) KR_PARAMS3(f), KR_P(f, 3)
#define KR_PARAMS5(f) KR_PARAMS4(f), KR_P(f, 4)
#define KR_PARAMS6(f) KR_PARAMS5(f), KR_P(f, 5)
#define KR_PARAMS7(f) KR_PARAMS6(f), KR_P(f, 6)
#define KR_PARAMS8(f) KR_PARAMS7(f), KR_P(f, 7)
#define KR_PARAMS9(f) KR_PARAMS8(f), KR_P(f, 8)
#define KR_ARGS0
#define KR_ARGS1 a0
#define KR_ARGS2 KR_ARGS1, a1
#define KR_ARGS3 KR_ARGS2, a2
#define KR_ARGS4 KR_ARGS3, a3
#define KR_ARGS5 KR_ARGS4, a4
#define KR_ARGS6 KR_ARGS5, a5
#define KR_ARGS7 KR_ARGS6, a6
#define KR_ARGS8 KR_ARGS7, a7
#define KR_ARGS9 KR_ARGS8, a8

// The stand-in: the real function is looked up once, by the first caller.
#define KR_STAND_IN(library, f, n)                                                              \
    extern "C" Signature<decltype(&f)>::Result f(KR_PARAMS##n(f))                               \
    {                                                                                           \
        static const auto real = Real<decltype(&f)>(Library::library, #f);                      \
        return real(KR_ARGS##n);                                                                \
    }
KR_MEDIA_FUNCTIONS(KR_STAND_IN)

std::vector<std::string> MissingMediaFunctions()
{
    struct Entry {
        Library library;
        const char* name;
    };
#define KR_ENTRY(library, f, n) {Library::library, #f},
    static constexpr Entry kEntries[] = {KR_MEDIA_FUNCTIONS(KR_ENTRY)};
#undef KR_ENTRY
    std::vector<std::string> missing;
    for (const Entry& e : kEntries)
        if (!Find(e.library, e.name))
            missing.push_back(std::string(kLibraryFiles[size_t(e.library)]) + ": " + e.name);
    return missing;
}
