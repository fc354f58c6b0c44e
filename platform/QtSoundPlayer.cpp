#include "QtSoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <iterator>
#include <optional>

#include "SoundResources.h"

namespace kestrel {

QtSoundPlayer::QtSoundPlayer() {
    for (std::size_t i = 0; i < effects_.size(); ++i) {
        effects_[i] = std::make_unique<QSoundEffect>();
        effects_[i]->setSource(QUrl(soundResourceUrl(kSoundResources[i])));
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

const QSoundEffect* QtSoundPlayer::effectOf(int resource) const {
    const std::optional<std::size_t> i = indexOf(resource);
    return i ? effects_[*i].get() : nullptr;
}

void QtSoundPlayer::play(int resource, bool loop) {
    const std::optional<std::size_t> i = indexOf(resource);
    if (!i || effects_[*i]->status() == QSoundEffect::Error) {
        return;
    }
    std::unique_ptr<QSoundEffect>& effect = effects_[*i];
    if (current_ != nullptr) {
        current_->stop();
    }
    // On a sound output an effect stopped and started again keeps what it had queued for the
    // output: a sound played again plays its cut-off rest first, and one restarted over itself
    // soon falls silent for good (the coins). Each play therefore gets an effect of its own,
    // made from the recording already decoded; the one it replaces goes, and its output with it.
    // Without an output nothing is heard and a new effect would only complain of it.
    if (!QMediaDevices::defaultAudioOutput().isNull()) {
        auto fresh = std::make_unique<QSoundEffect>();
        fresh->setSource(effect->source());
        effect = std::move(fresh);
    }
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect->play();
    current_ = effect.get();
}

}  // namespace kestrel
