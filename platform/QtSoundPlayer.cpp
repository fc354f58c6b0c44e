#include "QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

#include "SoundResources.h"
#include "WaveFile.h"

namespace kestrel {

struct Recording {
    QAudioFormat format;
    QByteArray samples;
};

namespace {

// What is left of a sound in the output's queue when its stream closes is lost; this much
// silence after a sound played once makes sure that is silence only.
constexpr int kTailMilliseconds = 250;

// The samples of a PCM WAVE image (8-bit unsigned or 16-bit signed) as the file holds them,
// or nullopt for anything else.
std::optional<Recording> parseWave(const QByteArray& image) {
    const std::optional<sound::WaveData> data =
        sound::locateWaveData({reinterpret_cast<const std::uint8_t*>(image.constData()),
                               static_cast<std::size_t>(image.size())});
    if (!data || data->format != 1 || data->channels < 1 || data->channels > 2 ||
        data->rate < 1000 || data->rate > 192000) {
        return std::nullopt;
    }
    QAudioFormat format;
    format.setSampleRate(data->rate);
    format.setChannelCount(data->channels);
    format.setSampleFormat(data->bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    const auto frame = static_cast<std::size_t>(format.bytesPerFrame());
    QByteArray samples = image.mid(static_cast<qsizetype>(data->offset),
                                   static_cast<qsizetype>(data->size - data->size % frame));
    if (samples.isEmpty()) {
        return std::nullopt;
    }
    return Recording{format, samples};
}

std::unique_ptr<const Recording> load(int resource) {
    QFile file(soundResourcePath(resource));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    std::optional<Recording> recording = parseWave(file.readAll());
    return recording ? std::make_unique<const Recording>(std::move(*recording)) : nullptr;
}

}  // namespace

// Hands a recording's samples to the output: once and then a short silence, after which it
// has nothing more, or round and round.
class PcmSource final : public QIODevice {
public:
    PcmSource(const Recording& recording, bool loop)
        : samples_(recording.samples),
          loop_(loop),
          silence_(recording.format.sampleFormat() == QAudioFormat::UInt8 ? 0x80 : 0),
          end_(loop ? 0
                    : samples_.size() +
                          recording.format.bytesForDuration(kTailMilliseconds * qint64{1000})) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    bool exhausted() const { return !loop_ && at_ >= end_; }
    qint64 bytesAvailable() const override {
        return (loop_ ? samples_.size() : end_ - at_) + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        qint64 done = 0;
        while (done < maxSize) {
            if (loop_ && at_ == samples_.size()) {
                at_ = 0;
            }
            if (at_ < samples_.size()) {
                const qint64 n = std::min(maxSize - done, samples_.size() - at_);
                std::memcpy(data + done, samples_.constData() + at_, static_cast<std::size_t>(n));
                done += n;
                at_ += n;
            } else if (at_ < end_) {
                const qint64 n = std::min(maxSize - done, end_ - at_);
                std::memset(data + done, silence_, static_cast<std::size_t>(n));
                done += n;
                at_ += n;
            } else {
                break;
            }
        }
        return done;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const QByteArray samples_;
    const bool loop_;
    const char silence_;
    const qint64 end_;
    qint64 at_ = 0;
};

QtSoundPlayer::QtSoundPlayer() {
    for (std::size_t i = 0; i < recordings_.size(); ++i) {
        recordings_[i] = load(kSoundResources[i]);
    }
}

QtSoundPlayer::~QtSoundPlayer() = default;

std::optional<std::size_t> QtSoundPlayer::indexOf(int resource) {
    const auto* at = std::find(std::begin(kSoundResources), std::end(kSoundResources), resource);
    if (at == std::end(kSoundResources)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(at - std::begin(kSoundResources));
}

std::optional<double> QtSoundPlayer::lengthOf(int resource) const {
    const std::optional<std::size_t> i = indexOf(resource);
    if (!i || !recordings_[*i]) {
        return std::nullopt;
    }
    const Recording& r = *recordings_[*i];
    return r.format.durationForBytes(static_cast<qint32>(r.samples.size())) / 1000.0;
}

bool QtSoundPlayer::streaming() const {
    return sink_ != nullptr && sink_->state() != QAudio::StoppedState;
}

void QtSoundPlayer::play(int resource, bool loop) {
    const std::optional<std::size_t> i = indexOf(resource);
    if (!i || !recordings_[*i]) {
        return;
    }
    // Closing the stream drops what it still had queued: the sound replaced stops at once.
    sink_.reset();
    source_.reset();
    current_ = resource;
    currentLoops_ = loop;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        return;
    }
    const Recording& recording = *recordings_[*i];
    source_ = std::make_unique<PcmSource>(recording, loop);
    sink_ = std::make_unique<QAudioSink>(output, recording.format);
    QAudioSink* sink = sink_.get();
    PcmSource* source = source_.get();
    // The sink falls idle when its source has nothing more, the silence after the sound
    // included; the stream is then closed, so that no idle stream keeps the output busy. Not
    // from within the sink's own signal, and not if a new sound has replaced it meanwhile
    // (the sink is then gone, and the call with it).
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink, source](QAudio::State state) {
        if (state == QAudio::IdleState && source->exhausted()) {
            QMetaObject::invokeMethod(
                sink,
                [sink] {
                    if (sink->state() == QAudio::IdleState) {
                        sink->stop();
                    }
                },
                Qt::QueuedConnection);
        }
    });
    sink->start(source);
}

}  // namespace kestrel
