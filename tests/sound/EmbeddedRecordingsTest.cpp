// The recordings as the program embeds them: format, length, levels, quiet edges and the
// free-spin loop's seam.

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Mastering.h"
#include "SoundResources.h"
#include "WaveFile.h"

namespace kestrel {
namespace {

struct Expected {
    int resource;
    int rate;
    int bits;
    double seconds;
};

// The recordings the game expects, with the format and length each must have.
constexpr std::array<Expected, 21> kExpected = {{
    {101, 11025, 8, 0.37},  {102, 22050, 8, 0.23},  {103, 11025, 8, 0.51},  {104, 22050, 16, 0.16},
    {105, 11025, 8, 1.14},  {106, 11025, 8, 1.16},  {112, 11025, 8, 1.70},  {113, 11025, 8, 1.70},
    {114, 11025, 8, 1.76},  {115, 11025, 16, 0.96}, {117, 11025, 8, 2.27},  {118, 11025, 8, 2.36},
    {119, 11025, 8, 2.41},  {120, 11025, 8, 2.84},  {121, 11025, 8, 3.02},  {122, 11025, 8, 3.41},
    {123, 11025, 16, 1.95}, {125, 11025, 8, 5.87},  {126, 11025, 8, 22.83}, {127, 44100, 8, 21.73},
    {128, 11025, 8, 0.14},
}};

constexpr int kLoop = 127;

std::optional<sound::Wave> embedded(int resource) {
    QFile file(soundResourcePath(resource));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return sound::decodeWave(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                       static_cast<std::size_t>(bytes.size())));
}

// One step of the sample format, as a fraction of full scale.
double step(const sound::Wave& wave) {
    return wave.bits == 8 ? 1.0 / 128 : 1.0 / 32768;
}

double peakOf(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    float peak = 0.0f;
    for (std::size_t i = from; i < to; ++i) {
        peak = std::max(peak, std::abs(samples[i]));
    }
    return peak;
}

double rmsOf(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += double(samples[i]) * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

class EmbeddedRecording : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override {
        wave_ = embedded(GetParam().resource);
        ASSERT_TRUE(wave_.has_value()) << "missing or unreadable";
    }
    const sound::Wave& wave() const { return *wave_; }

private:
    std::optional<sound::Wave> wave_;
};

TEST_P(EmbeddedRecording, IsMonoPcmAtTheExpectedRateDepthAndLength) {
    EXPECT_EQ(wave().format, 1);
    EXPECT_EQ(wave().channels, 1);
    EXPECT_EQ(wave().rate, GetParam().rate);
    EXPECT_EQ(wave().bits, GetParam().bits);
    EXPECT_NEAR(wave().seconds(), GetParam().seconds, 0.02);
}

TEST_P(EmbeddedRecording, NeverReachesFullScale) {
    const auto& s = wave().samples;
    const double peak = peakOf(s, 0, s.size());
    // Below -0.5 dBFS: nothing was clipped when the samples were rounded to the format.
    EXPECT_LT(peak, std::pow(10.0, -0.5 / 20.0));
    EXPECT_GT(peak, 0.3) << "far too quiet to be heard beside the others";
}

TEST_P(EmbeddedRecording, StartsAndEndsInSilence) {
    if (GetParam().resource == kLoop) {
        GTEST_SKIP() << "the loop runs on through its end; see FreeSpinLoop";
    }
    const auto& s = wave().samples;
    const auto millisecond = static_cast<std::size_t>(wave().rate / 1000);
    EXPECT_LE(std::abs(s.front()), 2 * step(wave()));
    EXPECT_LE(std::abs(s.back()), 2 * step(wave()));
    EXPECT_LT(peakOf(s, 0, millisecond), 0.1) << "a click at the start";
    EXPECT_LT(peakOf(s, s.size() - 5 * millisecond, s.size()), 0.1) << "cut off at the end";
}

std::string nameOf(const ::testing::TestParamInfo<Expected>& info) {
    return "RESOURCE_ID_" + std::to_string(info.param.resource);
}

INSTANTIATE_TEST_SUITE_P(AllRecordings, EmbeddedRecording, ::testing::ValuesIn(kExpected), nameOf);

TEST(EmbeddedRecordings, SoundEquallyLoud) {
    double quietest = 0.0;
    double loudest = -100.0;
    for (const Expected& e : kExpected) {
        const auto wave = embedded(e.resource);
        ASSERT_TRUE(wave.has_value()) << e.resource;
        const double loudness = sound::loudnessDb(wave->samples, wave->rate);
        quietest = std::min(quietest, loudness);
        loudest = std::max(loudest, loudness);
    }
    EXPECT_LT(loudest - quietest, 6.0);
}

class FreeSpinLoop : public ::testing::Test {
protected:
    void SetUp() override {
        const auto wave = embedded(kLoop);
        ASSERT_TRUE(wave.has_value());
        samples_ = wave->samples;
        lsb_ = step(*wave);
        rate_ = wave->rate;
    }
    // The given percentile of |x[i+1] - x[i]| (differences of order 1) or of the second
    // differences (order 2) over the inside of the recording.
    double percentile(int order, double p) const {
        std::vector<double> d;
        for (std::size_t i = 2; i < samples_.size(); ++i) {
            d.push_back(order == 1 ? std::abs(samples_[i] - samples_[i - 1])
                                   : std::abs(samples_[i] - 2 * samples_[i - 1] + samples_[i - 2]));
        }
        std::nth_element(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(p * d.size()), d.end());
        return d[static_cast<std::size_t>(p * d.size())];
    }

    std::vector<float> samples_;
    double lsb_ = 0.0;
    int rate_ = 0;
};

TEST_F(FreeSpinLoop, StartsFromSilenceTheFirstTime) {
    EXPECT_LE(std::abs(samples_.front()), 3 * lsb_);
}

TEST_F(FreeSpinLoop, RunsFromItsLastSampleIntoItsFirstWithoutAStep) {
    const std::size_t n = samples_.size();
    const double jump = std::abs(samples_[0] - samples_[n - 1]);
    const double bend = std::abs(samples_[0] - 2 * samples_[n - 1] + samples_[n - 2]);
    EXPECT_LE(jump, std::max(2 * lsb_, percentile(1, 0.99)));
    EXPECT_LE(bend, std::max(2 * lsb_, percentile(2, 0.99)));
}

TEST_F(FreeSpinLoop, KeepsPlayingThroughTheSeamInsteadOfFadingOut) {
    // A loop that faded out and in again would pulse at every turn; the music around the seam
    // is as full as the music elsewhere.
    const std::size_t n = samples_.size();
    const auto window = static_cast<std::size_t>(rate_ / 20);
    const double overall = rmsOf(samples_, 0, n);
    EXPECT_GT(rmsOf(samples_, n - window, n), overall / 3);
    EXPECT_GT(rmsOf(samples_, 0, window), overall / 3);
}

}  // namespace
}  // namespace kestrel
