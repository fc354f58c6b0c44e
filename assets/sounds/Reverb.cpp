#include "Reverb.h"

#include <array>
#include <cmath>
#include <vector>

#include "Filters.h"

namespace kestrel::sound {
namespace {

class Delay {
public:
    explicit Delay(std::size_t length) : line_(length, 0.0f) {}
    float out() const { return line_[position_]; }
    void in(float x) {
        line_[position_] = x;
        position_ = (position_ + 1) % line_.size();
    }

private:
    std::vector<float> line_;
    std::size_t position_ = 0;
};

class Comb {
public:
    Comb(double seconds, const Room& room, int rate)
        : delay_(static_cast<std::size_t>(seconds * rate)),
          feedback_(static_cast<float>(std::pow(10.0, -3.0 * seconds / room.time))),
          loss_(room.damping, rate) {}

    float operator()(float x) {
        const float y = delay_.out();
        delay_.in(x + feedback_ * loss_.low(y));
        return y;
    }

private:
    Delay delay_;
    float feedback_;
    OnePole loss_;
};

class AllPass {
public:
    AllPass(double seconds, int rate) : delay_(static_cast<std::size_t>(seconds * rate)) {}

    float operator()(float x) {
        constexpr float kGain = 0.7f;
        const float stored = delay_.out();
        const float w = x + kGain * stored;
        delay_.in(w);
        return stored - kGain * w;
    }

private:
    Delay delay_;
};

class Reverberation {
public:
    Reverberation(const Room& room, int rate)
        : wet_(static_cast<float>(room.wet)),
          combs_{Comb(0.0297, room, rate), Comb(0.0371, room, rate), Comb(0.0411, room, rate),
                 Comb(0.0437, room, rate)},
          diffusers_{AllPass(0.005, rate), AllPass(0.0017, rate)} {}

    float operator()(float x) {
        float sum = 0.0f;
        for (Comb& comb : combs_) {
            sum += comb(x);
        }
        float diffused = 0.25f * sum;
        for (AllPass& diffuser : diffusers_) {
            diffused = diffuser(diffused);
        }
        return x + wet_ * diffused;
    }

private:
    float wet_;
    std::array<Comb, 4> combs_;
    std::array<AllPass, 2> diffusers_;
};

}  // namespace

void reverberate(Track& track, const Room& room) {
    Reverberation reverberation(room, track.rate());
    track.process(reverberation);
}

}  // namespace kestrel::sound
