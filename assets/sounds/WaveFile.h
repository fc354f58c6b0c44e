#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kestrel::sound {

// The contents of a PCM WAVE file, samples scaled to [-1, 1] (interleaved if not mono).
struct Wave {
    int format = 0;  // 1 for PCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<float> samples;

    double seconds() const {
        return rate > 0 && channels > 0 ? double(samples.size()) / channels / rate : 0.0;
    }
};

inline constexpr std::size_t kWaveHeaderBytes = 44;

// A canonical mono PCM WAVE file (RIFF, "fmt " and "data" chunks; 8-bit samples unsigned,
// 16-bit signed little-endian). Samples are rounded to the nearest step and limited to the range.
std::vector<std::uint8_t> encodeWave(std::span<const float> samples, int rate, int bits);

// Where the samples of an 8- or 16-bit WAVE file lie and how they are laid out, read with the
// same checks as decodeWave, without converting them: for a player that hands them on as they are.
struct WaveData {
    int format = 0;  // 1 for PCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::size_t offset = 0;  // of the first sample byte
    std::size_t size = 0;    // sample bytes
};
std::optional<WaveData> locateWaveData(std::span<const std::uint8_t> bytes);

// Reads an 8- or 16-bit PCM WAVE file, skipping chunks other than "fmt " and "data"; nothing
// when the file is not one, is truncated or its sizes disagree.
std::optional<Wave> decodeWave(std::span<const std::uint8_t> bytes);

}  // namespace kestrel::sound
