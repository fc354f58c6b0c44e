// The generator's building blocks: where they could go wrong without the recordings' format
// tests noticing (a note at the wrong time, a loop that does not wrap, a limiter that lets a
// peak through, a WAVE reader that misreads).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "Catalogue.h"
#include "Filters.h"
#include "Mastering.h"
#include "Score.h"
#include "Track.h"
#include "WaveFile.h"

namespace kestrel::sound {
namespace {

TEST(Score, NamesNotesLikeMidi) {
    EXPECT_EQ(midiNote("A4"), 69);
    EXPECT_EQ(midiNote("C4"), 60);
    EXPECT_EQ(midiNote("Bb2"), 46);
    EXPECT_EQ(midiNote("F#3"), 54);
    EXPECT_DOUBLE_EQ(hz(69), 440.0);
    EXPECT_NEAR(hz(60), 261.626, 0.001);
}

TEST(Score, PlacesNotesChordsAndRestsOnTheBeat) {
    const Part part{.start = 1.0, .beat = 0.5, .legato = 0.5, .transpose = 12};
    const std::vector<Note> n = notes("C4 E4:0.5 G4+C5:2 r A4!", part, 0.8);
    ASSERT_EQ(n.size(), 5u);
    EXPECT_DOUBLE_EQ(n[0].start, 1.0);
    EXPECT_DOUBLE_EQ(n[0].length, 0.25);
    EXPECT_NEAR(n[0].hz, hz(72), 1e-9);  // transposed an octave
    EXPECT_DOUBLE_EQ(n[1].start, 1.5);
    EXPECT_DOUBLE_EQ(n[2].start, 1.75);  // both notes of the chord at once
    EXPECT_DOUBLE_EQ(n[3].start, 1.75);
    EXPECT_DOUBLE_EQ(n[3].length, 0.5);
    EXPECT_DOUBLE_EQ(n[4].start, 3.75);  // the rest kept the previous length of two beats
    EXPECT_DOUBLE_EQ(n[4].gain, 0.8 * 1.3);
}

TEST(Score, TremoloPicksSixTimesABeat) {
    const std::vector<Note> n = notes("A4:1.5~ B4", {.beat = 0.6, .legato = 1.0});
    ASSERT_EQ(n.size(), 10u);
    EXPECT_NEAR(n[1].start - n[0].start, 0.1, 1e-12);
    EXPECT_NEAR(n[8].start, 0.8, 1e-12);
    EXPECT_NEAR(n[9].start, 0.9, 1e-12);  // the next note comes after the whole tremolo
    EXPECT_DOUBLE_EQ(n[9].hz, hz(71));
}

TEST(Score, RefusesMalformedNotes) {
    for (const char* bad : {"H4", "C", "C4:x", "C4:0", "C#:1", "C4+", "Cb4:1:2"}) {
        EXPECT_THROW(notes(bad, {}), std::invalid_argument) << bad;
    }
}

TEST(Track, LoopingTrackWrapsWhatRunsOverItsEnds) {
    Track loop(100, 10, Track::Ends::Wrap);
    loop.add(13, 1.0f);
    loop.add(-1, 2.0f);
    EXPECT_EQ(loop[3], 1.0f);
    EXPECT_EQ(loop[9], 2.0f);

    Track cut(100, 10);
    cut.add(13, 1.0f);
    cut.add(-1, 2.0f);
    EXPECT_TRUE(
        std::all_of(cut.samples().begin(), cut.samples().end(), [](float s) { return s == 0.0f; }));
}

TEST(Track, ProcessingALoopGivesWhatTheLoopSoundsLikeOnItsSecondTurn) {
    // A filter's memory at the end of the loop must carry into its start.
    constexpr std::size_t kLength = 200;
    Track loop(8000, kLength, Track::Ends::Wrap);
    Track played(8000, 3 * kLength);
    for (std::size_t i = 0; i < 3 * kLength; ++i) {
        const float x = (i % kLength) < 20 ? 1.0f : 0.0f;
        played[i] = x;
        if (i < kLength) {
            loop[i] = x;
        }
    }
    OnePole a(200.0, 8000);
    OnePole b(200.0, 8000);
    auto lowA = [&a](float x) { return a.low(x); };
    auto lowB = [&b](float x) { return b.low(x); };
    loop.process(lowA);
    played.process(lowB);
    for (std::size_t i = 0; i < kLength; ++i) {
        EXPECT_NEAR(loop[i], played[2 * kLength + i], 1e-4) << i;
    }
}

TEST(Mastering, LimiterKeepsEveryPeakUnderTheCeiling) {
    Track track(11025, 11025);
    for (std::size_t i = 0; i < track.size(); ++i) {
        track[i] =
            0.05f * std::sin(0.05f * static_cast<float>(i)) + (i % 2000 == 1000 ? 0.6f : 0.0f);
    }
    setLevel(track, -12.0, -1.0);
    EXPECT_LE(peakDb(track.samples()), -1.0 + 1e-6);
}

TEST(Mastering, BringsAPlainToneToTheLoudnessAsked) {
    Track track(11025, 11025);
    for (std::size_t i = 0; i < track.size(); ++i) {
        track[i] = 0.01f * std::sin(0.05f * static_cast<float>(i));
    }
    setLevel(track, -15.0, -1.0);
    EXPECT_NEAR(loudnessDb(track.samples(), track.rate()), -15.0, 0.05);
}

TEST(Mastering, TurnsALoopToStartOnAQuietZeroCrossing) {
    Track track(1000, 1000, Track::Ends::Wrap);
    for (std::size_t i = 0; i < track.size(); ++i) {
        track[i] =
            static_cast<float>(std::sin(2 * M_PI * 7 * (static_cast<double>(i) + 0.37) / 1000.0));
    }
    const std::vector<float> before = track.samples();
    startLoopAtQuietCrossing(track, 0.0, 0.1);
    EXPECT_LT(std::abs(track[0]), 0.023);  // half a step of this sine between two samples
    // Still the same loop, only turned.
    const auto turn = std::find(before.begin(), before.end(), track[0]) - before.begin();
    for (std::size_t i = 0; i < track.size(); ++i) {
        ASSERT_EQ(track[i], before[(i + static_cast<std::size_t>(turn)) % before.size()]);
    }
}

TEST(WaveFile, WritesUnsignedBytesAndSignedWords) {
    const std::vector<float> samples = {0.0f, 1.0f, -1.0f, 0.5f};
    const auto eight = encodeWave(samples, 11025, 8);
    ASSERT_EQ(eight.size(), kWaveHeaderBytes + 4);
    EXPECT_EQ(eight[44], 128);
    EXPECT_EQ(eight[45], 255);
    EXPECT_EQ(eight[46], 1);
    EXPECT_EQ(eight[47], 192);
    const auto sixteen = encodeWave(samples, 22050, 16);
    ASSERT_EQ(sixteen.size(), kWaveHeaderBytes + 8);
    EXPECT_EQ(sixteen[46] | (sixteen[47] << 8), 0x7FFF);
    EXPECT_EQ(sixteen[48] | (sixteen[49] << 8), 0x8001);

    const auto read = decodeWave(sixteen);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->rate, 22050);
    EXPECT_EQ(read->bits, 16);
    ASSERT_EQ(read->samples.size(), 4u);
    EXPECT_NEAR(read->samples[3], 0.5, 1e-4);
}

TEST(WaveFile, PadsAnOddDataChunk) {
    const auto odd = encodeWave(std::vector<float>(3, 0.0f), 11025, 8);
    EXPECT_EQ(odd.size(), kWaveHeaderBytes + 4);
    ASSERT_TRUE(decodeWave(odd).has_value());
    EXPECT_EQ(decodeWave(odd)->samples.size(), 3u);
}

TEST(WaveFile, ReadsPastOtherChunksAndRefusesBrokenFiles) {
    std::vector<std::uint8_t> file = encodeWave(std::vector<float>(10, 0.25f), 11025, 8);
    // A three-byte "LIST" chunk (with its pad byte) between "fmt " and "data".
    const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    file.insert(file.begin() + 36, list.begin(), list.end());
    file[4] = static_cast<std::uint8_t>(file.size() - 8);
    const auto read = decodeWave(file);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->samples.size(), 10u);

    std::vector<std::uint8_t> truncated(file.begin(), file.end() - 3);
    EXPECT_FALSE(decodeWave(truncated).has_value());
    std::vector<std::uint8_t> notWave = file;
    notWave[8] = 'X';
    EXPECT_FALSE(decodeWave(notWave).has_value());
    EXPECT_FALSE(decodeWave({}).has_value());
}

TEST(Catalogue, ComposesTheSameRecordingEveryTime) {
    for (const Recording& r : catalogue()) {
        if (r.resource != 101 && r.resource != 120) {
            continue;
        }
        Track first(r.rate, r.samples());
        Track second(r.rate, r.samples());
        r.compose(first);
        r.compose(second);
        EXPECT_EQ(first.samples(), second.samples()) << r.resource;
    }
}

}  // namespace
}  // namespace kestrel::sound
