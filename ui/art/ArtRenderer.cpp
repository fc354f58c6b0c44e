#include "ArtRenderer.h"

#include <malloc.h>
#include <QThread>
#include <memory>

#include "CabinetArt.h"
#include "ScaledArt.h"

namespace kestrel {

namespace {

constexpr int kLargeBlock = 256 * 1024;  // bytes; a 128 × 128 picture and up

// The pictures one key stands for, drawn at the renderer's scale.
ArtRenderer::Drawn draw(const art::ScaledArt& art, ArtKey key) {
    ArtRenderer::Drawn drawn;
    switch (key.kind) {
        case ArtKey::Kind::Single:
            if (key == ArtKey::single(Picture::Background)) {
                // The meter's captions are cut from the cabinet: one drawing makes all three.
                art::ScaledArt::Cabinet cabinet = art.cabinet();
                drawn.push_back(
                    {key,
                     QImage(),
                     cutAround(std::move(cabinet.background), art::reelOpenings(art.scale())),
                     {}});
                drawn.push_back({ArtKey::single(Picture::LABLASTBET),
                                 std::move(cabinet.lastBetCaption),
                                 {},
                                 {}});
                drawn.push_back({ArtKey::single(Picture::LABTHISWIN),
                                 std::move(cabinet.thisWinCaption),
                                 {},
                                 {}});
            } else {
                drawn.push_back({key, art.picture(static_cast<Picture>(key.which)), {}, {}});
            }
            break;
        case ArtKey::Kind::Button:
            drawn.push_back(
                {key, art.button(static_cast<ButtonArt>(key.which), key.index != 0), {}, {}});
            break;
        case ArtKey::Kind::List: {
            const auto list = static_cast<PictureList>(key.which);
            if (key.index != 0) {
                drawn.push_back({key, art.picture(list, key.index), {}, {}});
                break;
            }
            // A whole list at once: its frames share their layers. Frames no window shows are
            // not kept.
            if (isCellList(list)) {
                drawn.push_back({key, QImage(), {}, art.cellLayers(list)});
                break;
            }
            if (list == PictureList::imagelistcards) {
                // The reveal frames are made from the back when shown.
                for (int index = 1; index < kFirstRevealFrame; ++index) {
                    drawn.push_back({ArtKey::list(list, index), art.picture(list, index), {}, {}});
                }
                break;
            }
            std::vector<QImage> pictures = art.pictures(list);
            for (size_t i = 0; i < pictures.size(); ++i) {
                const int index = static_cast<int>(i) + 1;
                if (!isSpareFrame(list, index)) {
                    drawn.push_back({ArtKey::list(list, index), std::move(pictures[i]), {}, {}});
                }
                pictures[i] = QImage();
            }
            break;
        }
    }
    return drawn;
}

}  // namespace

ArtRenderer::ArtRenderer(QObject* receiver, Delivery deliver)
    : receiver_(receiver),
      deliver_(std::move(deliver)),
      thread_(QThread::create([this] { run(); })) {
    // The thread's scratch images and the pictures it hands over are large and short-lived or
    // long-lived by turns. Left to itself the allocator would raise its threshold for mapping
    // such blocks on their own after the first one is freed, and then keep them in a heap of
    // the thread's that never shrinks: tens of megabytes at a large scale. A fixed threshold
    // gives every large block back to the system the moment it is freed.
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
    thread_->setObjectName(QStringLiteral("art renderer"));
    // Below the window's thread: the pictures may wait, the reels may not.
    thread_->start(QThread::LowPriority);
}

ArtRenderer::~ArtRenderer() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        *current_ = ++generation_;
    }
    wake_.notify_all();
    thread_->wait();
    delete thread_;
}

void ArtRenderer::start(qreal scale, std::vector<ArtKey> plan) {
    {
        std::lock_guard lock(mutex_);
        *current_ = ++generation_;
        scale_ = scale;
        urgent_.clear();
        plan_.assign(plan.begin(), plan.end());
        ++*asked_;
    }
    wake_.notify_all();
}

void ArtRenderer::append(const std::vector<ArtKey>& plan) {
    {
        std::lock_guard lock(mutex_);
        plan_.insert(plan_.end(), plan.begin(), plan.end());
        ++*asked_;
    }
    wake_.notify_all();
}

void ArtRenderer::request(ArtKey key) {
    {
        std::lock_guard lock(mutex_);
        urgent_.push_back(key);
        ++*asked_;
    }
    wake_.notify_all();
}

void ArtRenderer::stop() {
    std::lock_guard lock(mutex_);
    *current_ = ++generation_;
    urgent_.clear();
    plan_.clear();
}

// The thread's loop: one key at a time, the urgent ones first, each drawn by a renderer made
// for the scale in force. Whatever was drawn for an earlier start() is thrown away.
void ArtRenderer::run() {
    std::unique_ptr<art::ScaledArt> art;
    for (;;) {
        ArtKey key;
        quint64 generation = 0;
        qreal scale = 1.0;
        {
            std::unique_lock lock(mutex_);
            if (urgent_.empty() && plan_.empty() && !quit_) {
                // Out of work: the renderer's reel surface and symbol sources are let go (they
                // are made again for the next request, which may be long in coming).
                lock.unlock();
                art.reset();
                malloc_trim(0);
                lock.lock();
            }
            wake_.wait(lock, [this] { return quit_ || !urgent_.empty() || !plan_.empty(); });
            if (quit_) {
                return;
            }
            std::deque<ArtKey>& queue = urgent_.empty() ? plan_ : urgent_;
            key = queue.front();
            queue.pop_front();
            generation = generation_;
            scale = scale_;
        }
        if (!art || art->scale() != scale) {
            art = std::make_unique<art::ScaledArt>(scale);
        }
        // Missing sources draw nothing: the window keeps the pictures it has.
        Drawn drawn = art->isValid() ? draw(*art, key) : Drawn{};
        // What the drawing took and gave back goes back to the system at once, while the
        // pictures drawn so far add up: held back until the plan is done, it would raise the
        // peak.
        malloc_trim(0);
        bool emptied = false;
        quint64 asked = 0;
        {
            std::lock_guard lock(mutex_);
            emptied = urgent_.empty() && plan_.empty();
            asked = *asked_;
        }
        QMetaObject::invokeMethod(
            receiver_,
            [current = current_, askedNow = asked_, deliver = deliver_, generation,
             drawn = std::move(drawn), emptied, asked]() mutable {
                if (*current == generation) {  // not drawn for a scale that is gone
                    deliver(std::move(drawn), emptied && *askedNow == asked);
                }
            },
            Qt::QueuedConnection);
    }
}

}  // namespace kestrel
