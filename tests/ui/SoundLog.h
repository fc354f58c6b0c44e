#pragma once

#include <vector>

#include "Clock.h"
#include "SoundPlayer.h"

namespace kestrel::test {

// Records every sound the window plays, with the moment on the clock it was played.
class SoundLog final : public SoundPlayer {
public:
    explicit SoundLog(const Clock& clock) : clock_(clock) {}

    struct Entry {
        int resource;
        bool loop;
        qint64 at;
    };

    void play(int resource, bool loop) override {
        entries.push_back({resource, loop, clock_.now()});
    }

    std::vector<qint64> timesOf(int resource) const {
        std::vector<qint64> times;
        for (const Entry& e : entries) {
            if (e.resource == resource) {
                times.push_back(e.at);
            }
        }
        return times;
    }
    int count(int resource) const { return static_cast<int>(timesOf(resource).size()); }
    std::vector<int> resources() const {
        std::vector<int> r;
        for (const Entry& e : entries) {
            r.push_back(e.resource);
        }
        return r;
    }

    std::vector<Entry> entries;

private:
    const Clock& clock_;
};

}  // namespace kestrel::test
