#pragma once
// Speech to measure with, made at run time: espeak-ng speaks a few
// sentences and sox resamples them. Nothing of it is kept.

#include <optional>
#include <string>
#include <vector>

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "PcmSound.h"

// Runs a program to its end; false when it cannot start or fails.
inline bool Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Two voices, two languages: about 20 s of speech at `rate`, or nothing when
// espeak-ng or sox is missing.
inline std::optional<voice::PcmSound> MakeSpeech(const QTemporaryDir& dir, int rate)
{
    const QString raw = dir.filePath("speech.wav");
    if (!QFile::exists(raw)) {
        const QString a = dir.filePath("a.wav"), b = dir.filePath("b.wav"), c = dir.filePath("c.wav");
        const bool made =
            Run("espeak-ng", {"-w", a, "The quick brown fox jumps over the lazy dog. Please press the green button "
                                       "to start the machine, then wait for the second tone. Seven hundred and "
                                       "twenty three units remain in stock."}) &&
            Run("espeak-ng", {"-v", "en-us+f3", "-s", "150", "-w", b,
                              "Warning. Battery level is low. Connect the charger now. The door is open on the "
                              "left side of the vehicle. Welcome home, your order number is four four nine two."}) &&
            Run("espeak-ng", {"-v", "de", "-w", c, "Bitte schliessen Sie die Tuer. Das Geraet wird jetzt neu "
                                                   "gestartet."}) &&
            Run("sox", {a, b, c, raw});
        if (!made)
            return std::nullopt;
    }
    const QString out = dir.filePath(QString("speech%1.wav").arg(rate));
    // No dither: the same speech, and so the same figures, on every run.
    if (!Run("sox", {"-D", raw, "-r", QString::number(rate), "-b", "16", out}))
        return std::nullopt;
    return voice::ReadWavFile(out.toStdString(), nullptr);
}

// `count` sounds of `length` samples cut from the speech, taken round and
// round.
inline std::vector<voice::PcmSound> SpeechParts(const voice::PcmSound& speech, int count, size_t length)
{
    std::vector<voice::PcmSound> parts;
    size_t at = 0;
    for (int k = 0; k < count; ++k) {
        voice::PcmSound& one = parts.emplace_back(voice::PcmSound{speech.sampleRate, {}});
        for (size_t i = 0; i < length; ++i, at = (at + 1) % speech.samples.size())
            one.samples.push_back(speech.samples[at]);
    }
    return parts;
}
