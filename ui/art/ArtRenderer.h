#pragma once

#include <QImage>
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "ArtBook.h"
#include "CellLayers.h"
#include "PictureParts.h"

class QThread;

namespace kestrel {

// Which picture: a single one, one of a list (index from 1; 0 asks for the whole list), or a
// button's look.
struct ArtKey {
    enum class Kind : quint8 { Single = 1, List = 2, Button = 3 };
    Kind kind = Kind::Single;
    int which = 0;  // the Picture, PictureList or ButtonArt
    int index = 0;  // in a list; 1 for a button's enabled look, 0 for its dimmed one

    static ArtKey single(Picture p) { return {Kind::Single, static_cast<int>(p), 0}; }
    static ArtKey list(PictureList l, int index = 0) {
        return {Kind::List, static_cast<int>(l), index};
    }
    static ArtKey button(ButtonArt b, bool enabled) {
        return {Kind::Button, static_cast<int>(b), enabled ? 1 : 0};
    }
    // One number per key, for hashing and for keeping on a widget.
    quint32 code() const {
        return static_cast<quint32>(kind) << 24 | static_cast<quint32>(which) << 12 |
               static_cast<quint32>(index);
    }
    static ArtKey fromCode(quint32 code) {
        return {static_cast<Kind>(code >> 24), static_cast<int>((code >> 12) & 0xFFF),
                static_cast<int>(code & 0xFFF)};
    }
    bool operator==(const ArtKey&) const = default;
};

// Draws the game's pictures for one scale on a thread of its own, so that the window's timers
// never wait for them, and hands them over on the receiver's thread as each one (or each whole
// list) is done. Work asked for with request() comes before the rest of the plan. start()
// forgets all earlier work: a picture of a scale no longer in force is never delivered. The
// receiver must outlive the renderer (it owns it, typically). The destructor waits at most for
// the picture in hand.
class ArtRenderer {
public:
    // A picture drawn for the scale: whole; or for the cabinet (`Background`) in parts, without
    // the reel window's plain openings, which the reels cover but for the pay-line view; or, for
    // a whole cell list (isCellList()), the list in its layers.
    struct Drawing {
        ArtKey key;
        QImage image;  // null when the picture comes in parts or layers
        ImageParts parts;
        CellLayers cells;
    };
    using Drawn = std::vector<Drawing>;
    // Called on the receiver's thread with each batch of finished pictures, and whether the
    // renderer has nothing left to draw: nothing was left when it sent them, and nothing was
    // asked for since. Never once a later start() or stop() has been called, nor after the
    // renderer is gone.
    using Delivery = std::function<void(Drawn, bool done)>;

    ArtRenderer(QObject* receiver, Delivery deliver);
    ~ArtRenderer();
    ArtRenderer(const ArtRenderer&) = delete;
    ArtRenderer& operator=(const ArtRenderer&) = delete;

    // Draws the plan, in its order, at this scale.
    void start(qreal scale, std::vector<ArtKey> plan);
    // Adds to the plan of the last start().
    void append(const std::vector<ArtKey>& plan);
    // Draws this picture next, at the scale of the last start().
    void request(ArtKey key);
    // Drops all work; nothing more is delivered until the next start().
    void stop();

private:
    void run();

    QObject* receiver_;
    Delivery deliver_;
    // The generation whose pictures may still be delivered; shared with deliveries on their way.
    std::shared_ptr<std::atomic<quint64>> current_ = std::make_shared<std::atomic<quint64>>(0);
    // How many times work was asked for; a delivery that found the queues empty is the last one
    // only if no work was asked for between its sending and its arrival.
    std::shared_ptr<std::atomic<quint64>> asked_ = std::make_shared<std::atomic<quint64>>(0);
    QThread* thread_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    quint64 generation_ = 0;  // counts start() and stop() calls; *current_ follows it
    qreal scale_ = 1.0;
    std::deque<ArtKey> urgent_;
    std::deque<ArtKey> plan_;
};

}  // namespace kestrel
