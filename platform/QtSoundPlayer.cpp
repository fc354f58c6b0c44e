#include "QtSoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <iterator>

#include "SoundResources.h"

namespace kestrel {

QtSoundPlayer::QtSoundPlayer() {
    for (std::size_t i = 0; i < effects_.size(); ++i) {
        effects_[i] = std::make_unique<QSoundEffect>();
        effects_[i]->setSource(QUrl(soundResourceUrl(kSoundResources[i])));
    }
}

QtSoundPlayer::~QtSoundPlayer() = default;

QSoundEffect* QtSoundPlayer::find(int resource) const {
    const auto* at = std::find(std::begin(kSoundResources), std::end(kSoundResources), resource);
    if (at == std::end(kSoundResources)) {
        return nullptr;
    }
    return effects_[static_cast<std::size_t>(at - std::begin(kSoundResources))].get();
}

const QSoundEffect* QtSoundPlayer::effectOf(int resource) const {
    return find(resource);
}

void QtSoundPlayer::play(int resource, bool loop) {
    QSoundEffect* effect = find(resource);
    if (effect == nullptr || effect->status() == QSoundEffect::Error) {
        return;
    }
    if (current_ != nullptr) {
        // Also when the same sound plays again: play() on a playing effect would not restart it.
        current_->stop();
    }
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect->play();
    current_ = effect;
}

}  // namespace kestrel
