// kestrel-soundgen: writes the game's 21 recordings, RESOURCE_ID_<n>.wav, into a folder.
//   kestrel-soundgen FOLDER [--report]
// --report prints each written file's format, length, peak, RMS and loudness (the RMS of its
// sounding parts, silences left out).

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Mastering.h"
#include "WaveFile.h"

namespace {

using kestrel::sound::Recording;
using kestrel::sound::Track;

std::vector<std::uint8_t> render(const Recording& recording) {
    Track track(recording.rate, recording.samples(),
                recording.loops ? Track::Ends::Wrap : Track::Ends::Cut);
    recording.compose(track);
    kestrel::sound::removeRumble(track);
    if (!recording.loops) {
        kestrel::sound::fadeEdges(track, 0.002, 0.04);
    }
    // The ceiling leaves room for the overshoot of the sound server's resampler on sharp
    // transients.
    kestrel::sound::setLevel(track, recording.loudness, -2.5);
    return kestrel::sound::encodeWave(track.samples(), recording.rate, recording.bits);
}

double rmsDb(const std::vector<float>& samples) {
    double sum = 0.0;
    for (float s : samples) {
        sum += double(s) * s;
    }
    return 10.0 * std::log10(sum / static_cast<double>(samples.size()));
}

void report(const Recording& recording, const std::vector<std::uint8_t>& bytes) {
    const auto wave = kestrel::sound::decodeWave(bytes);
    if (!wave) {
        throw std::runtime_error("wrote an unreadable file");
    }
    std::printf(
        "RESOURCE_ID_%d  %5d Hz  %2d bit  %7zu bytes  %6.3f s  peak %5.1f dBFS  "
        "RMS %5.1f dBFS  loudness %5.1f dBFS\n",
        recording.resource, wave->rate, wave->bits, bytes.size(), wave->seconds(),
        kestrel::sound::peakDb(wave->samples), rmsDb(wave->samples),
        kestrel::sound::loudnessDb(wave->samples, wave->rate));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--report") != 0)) {
        std::fprintf(stderr, "usage: %s FOLDER [--report]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const bool reporting = argc == 3;
    try {
        std::filesystem::create_directories(folder);
        for (const Recording& recording : kestrel::sound::catalogue()) {
            const std::vector<std::uint8_t> bytes = render(recording);
            if (bytes.size() != static_cast<std::size_t>(recording.bytes)) {
                throw std::runtime_error("RESOURCE_ID_" + std::to_string(recording.resource) +
                                         " came out at " + std::to_string(bytes.size()) + " bytes");
            }
            const auto path =
                folder / ("RESOURCE_ID_" + std::to_string(recording.resource) + ".wav");
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            if (!file) {
                throw std::runtime_error("cannot write " + path.string());
            }
            if (reporting) {
                report(recording, bytes);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestrel-soundgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
