#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace kestrel::sound {
namespace {

void put(std::vector<std::uint8_t>& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint32_t get(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

bool tagAt(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
    return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

}  // namespace

std::vector<std::uint8_t> encodeWave(std::span<const float> samples, int rate, int bits) {
    if (bits != 8 && bits != 16) {
        throw std::invalid_argument("only 8- and 16-bit PCM is written");
    }
    const auto bytesPerSample = static_cast<std::uint32_t>(bits / 8);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    const std::uint32_t pad = dataBytes % 2;
    std::vector<std::uint8_t> out;
    out.reserve(kWaveHeaderBytes + dataBytes + pad);
    put(out, "RIFF");
    put(out, static_cast<std::uint32_t>(kWaveHeaderBytes) - 8 + dataBytes + pad, 4);
    put(out, "WAVE");
    put(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * bytesPerSample, 4);
    put(out, bytesPerSample, 2);
    put(out, static_cast<std::uint32_t>(bits), 2);
    put(out, "data");
    put(out, dataBytes, 4);
    for (float s : samples) {
        const double x = std::clamp(static_cast<double>(s), -1.0, 1.0);
        if (bits == 8) {
            out.push_back(static_cast<std::uint8_t>(128 + std::lround(x * 127.0)));
        } else {
            put(out,
                static_cast<std::uint32_t>(static_cast<std::uint16_t>(
                    static_cast<std::int16_t>(std::lround(x * 32767.0)))),
                2);
        }
    }
    if (pad != 0) {
        out.push_back(0);
    }
    return out;
}

std::optional<WaveData> locateWaveData(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 12 || !tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE") ||
        get(bytes, 4, 4) != bytes.size() - 8) {
        return std::nullopt;
    }
    WaveData data;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::size_t size = get(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            return std::nullopt;
        }
        if (tagAt(bytes, at, "fmt ") && size >= 16) {
            data.format = static_cast<int>(get(bytes, body, 2));
            data.channels = static_cast<int>(get(bytes, body + 2, 2));
            data.rate = static_cast<int>(get(bytes, body + 4, 4));
            data.bits = static_cast<int>(get(bytes, body + 14, 2));
            haveFormat = true;
        } else if (tagAt(bytes, at, "data")) {
            if (!haveFormat || (data.bits != 8 && data.bits != 16)) {
                return std::nullopt;
            }
            data.offset = body;
            data.size = size;
            return data;
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

std::optional<Wave> decodeWave(std::span<const std::uint8_t> bytes) {
    const std::optional<WaveData> data = locateWaveData(bytes);
    if (!data) {
        return std::nullopt;
    }
    Wave wave;
    wave.format = data->format;
    wave.channels = data->channels;
    wave.rate = data->rate;
    wave.bits = data->bits;
    const std::size_t step = static_cast<std::size_t>(wave.bits / 8);
    const std::size_t end = data->offset + data->size;
    for (std::size_t i = data->offset; i + step <= end; i += step) {
        wave.samples.push_back(
            wave.bits == 8
                ? (static_cast<float>(bytes[i]) - 128.0f) / 128.0f
                : static_cast<float>(static_cast<std::int16_t>(get(bytes, i, 2))) / 32768.0f);
    }
    return wave;
}

}  // namespace kestrel::sound
