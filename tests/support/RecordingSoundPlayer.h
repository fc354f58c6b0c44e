#pragma once

#include <ostream>
#include <vector>

#include "SoundPlayer.h"

namespace kestrel::test {

// A sound player that plays nothing and records every request, in order, so that a test can
// check which sound each event chose and whether it loops.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    struct Played {
        int resource;
        bool loop;

        bool operator==(const Played&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Played& p) {
            return out << "RESOURCE_ID_" << p.resource << (p.loop ? " looping" : "");
        }
    };

    void play(int resource, bool loop = false) override { played_.push_back({resource, loop}); }

    const std::vector<Played>& played() const { return played_; }
    // The resources alone, in order.
    std::vector<int> resources() const {
        std::vector<int> list;
        for (const Played& p : played_) {
            list.push_back(p.resource);
        }
        return list;
    }
    void clear() { played_.clear(); }

private:
    std::vector<Played> played_;
};

}  // namespace kestrel::test
