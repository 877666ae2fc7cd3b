#include "audio/AudioFilterChain.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "audio/FfmpegInput.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace {

constexpr int kFrameSamples = 4096;

struct GraphFree {
    void operator()(AVFilterGraph* p) const { avfilter_graph_free(&p); }
};
struct InOutFree {
    void operator()(AVFilterInOut* p) const { avfilter_inout_free(&p); }
};
using GraphPtr = std::unique_ptr<AVFilterGraph, GraphFree>;
using InOutPtr = std::unique_ptr<AVFilterInOut, InOutFree>;

template <typename Sample> constexpr AVSampleFormat FormatOf();
template <> constexpr AVSampleFormat FormatOf<int16_t>() { return AV_SAMPLE_FMT_S16; }
template <> constexpr AVSampleFormat FormatOf<float>() { return AV_SAMPLE_FMT_FLT; }

std::string FilterError(const std::string& what, int code)
{
    return "Cannot prepare the sound: " + what + " (" + FfmpegErrorText(code) + ")";
}

// Joins the user's chain to the source and sink and configures the graph.
template <typename In, typename Out>
int BuildGraph(AVFilterGraph* graph, const std::string& chain, int sampleRate, AVFilterContext*& source,
               AVFilterContext*& sink)
{
    const std::string sourceArgs = "time_base=1/" + std::to_string(sampleRate) +
                                   ":sample_rate=" + std::to_string(sampleRate) + ":sample_fmt=" +
                                   av_get_sample_fmt_name(FormatOf<In>()) + ":channel_layout=mono";
    int result = avfilter_graph_create_filter(&source, avfilter_get_by_name("abuffer"), "in", sourceArgs.c_str(),
                                              nullptr, graph);
    if (result < 0)
        return result;
    result = avfilter_graph_create_filter(&sink, avfilter_get_by_name("abuffersink"), "out", nullptr, nullptr, graph);
    if (result < 0)
        return result;
    const std::string full = (chain.empty() ? "" : chain + ",") + "aformat=sample_fmts=" +
                             av_get_sample_fmt_name(FormatOf<Out>()) + ":channel_layouts=mono";
    // The chain reads from the source and writes to the sink.
    InOutPtr outputs(avfilter_inout_alloc());
    InOutPtr inputs(avfilter_inout_alloc());
    if (!outputs || !inputs)
        return AVERROR(ENOMEM);
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink;
    AVFilterInOut* rawInputs = inputs.release();
    AVFilterInOut* rawOutputs = outputs.release();
    result = avfilter_graph_parse_ptr(graph, full.c_str(), &rawInputs, &rawOutputs, nullptr);
    avfilter_inout_free(&rawInputs);
    avfilter_inout_free(&rawOutputs);
    if (result < 0)
        return result;
    return avfilter_graph_config(graph, nullptr);
}

// Moves every frame the sink has ready into `out`. Returns 0 when the sink
// waits for input, AVERROR_EOF at the end, or an error.
template <typename Out>
int Drain(AVFilterContext* sink, AVFrame* frame, MonoAudio<Out>& out, FilterMetadata* metadata)
{
    for (;;) {
        const int result = av_buffersink_get_frame(sink, frame);
        if (result == AVERROR(EAGAIN))
            return 0;
        if (result < 0)
            return result;
        const auto* data = reinterpret_cast<const Out*>(frame->data[0]);
        out.samples.insert(out.samples.end(), data, data + frame->nb_samples);
        if (metadata) {
            const AVDictionaryEntry* entry = nullptr;
            while ((entry = av_dict_get(frame->metadata, "", entry, AV_DICT_IGNORE_SUFFIX)))
                (*metadata)[entry->key] = entry->value;
        }
        av_frame_unref(frame);
    }
}

}  // namespace

template <typename In, typename Out>
std::optional<std::string> RunFilterChain(const std::string& chain, const MonoAudio<In>& in, MonoAudio<Out>& out,
                                          FilterMetadata* metadata, size_t minimumInputSamples)
{
    QuietFfmpeg();
    if (in.sampleRate <= 0)
        return "Cannot prepare the sound: it has no sampling rate";
    GraphPtr graph(avfilter_graph_alloc());
    if (!graph)
        return FilterError("out of memory", AVERROR(ENOMEM));
    graph->nb_threads = 1;
    AVFilterContext* source = nullptr;
    AVFilterContext* sink = nullptr;
    if (int result = BuildGraph<In, Out>(graph.get(), chain, in.sampleRate, source, sink); result < 0)
        return FilterError("the filters '" + chain + "' cannot be set up", result);

    out.sampleRate = av_buffersink_get_sample_rate(sink);
    out.samples.clear();
    FramePtr frame(av_frame_alloc());
    if (!frame)
        return FilterError("out of memory", AVERROR(ENOMEM));
    int64_t fed = 0;
    const size_t total = in.samples.empty() ? 0 : std::max(in.samples.size(), minimumInputSamples);
    for (size_t done = 0; done < total;) {
        const size_t at = done % in.samples.size();
        const int count = static_cast<int>(std::min<size_t>({kFrameSamples, in.samples.size() - at, total - done}));
        frame->format = FormatOf<In>();
        frame->sample_rate = in.sampleRate;
        av_channel_layout_default(&frame->ch_layout, 1);
        frame->nb_samples = count;
        frame->pts = fed;
        int result = av_frame_get_buffer(frame.get(), 0);
        if (result >= 0) {
            std::memcpy(frame->data[0], in.samples.data() + at, sizeof(In) * static_cast<size_t>(count));
            result = av_buffersrc_add_frame(source, frame.get());
        }
        av_frame_unref(frame.get());
        if (result >= 0)
            result = Drain(sink, frame.get(), out, metadata);
        if (result < 0)
            return FilterError("filtering failed", result);
        fed += count;
        done += static_cast<size_t>(count);
    }
    int result = av_buffersrc_add_frame(source, nullptr);
    if (result >= 0)
        result = Drain(sink, frame.get(), out, metadata);
    if (result < 0 && result != AVERROR_EOF)
        return FilterError("filtering failed", result);
    return std::nullopt;
}

template std::optional<std::string> RunFilterChain(const std::string&, const MonoAudio<int16_t>&, MonoAudio<float>&,
                                                   FilterMetadata*, size_t);
template std::optional<std::string> RunFilterChain(const std::string&, const MonoAudio<float>&, MonoAudio<float>&,
                                                   FilterMetadata*, size_t);
template std::optional<std::string> RunFilterChain(const std::string&, const MonoAudio<float>&, MonoAudio<int16_t>&,
                                                   FilterMetadata*, size_t);
