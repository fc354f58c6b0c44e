#include "Score.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace kestrel::sound {
namespace {

[[noreturn]] void malformed(std::string_view token) {
    throw std::invalid_argument("malformed note '" + std::string(token) + "'");
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const std::size_t end = text.find(separator);
        const std::string_view part = text.substr(0, end);
        if (!part.empty()) {
            parts.push_back(part);
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return parts;
}

}  // namespace

double hz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

int midiNote(std::string_view name) {
    static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') {
        malformed(name);
    }
    int note = kSteps[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#' || name[i] == 'b') {
        note += name[i] == '#' ? 1 : -1;
        ++i;
    }
    int octave = 0;
    const auto [end, error] = std::from_chars(name.data() + i, name.data() + name.size(), octave);
    if (error != std::errc() || end != name.data() + name.size()) {
        malformed(name);
    }
    return 12 * (octave + 1) + note;
}

std::vector<Note> notes(std::string_view score, const Part& part, double gain) {
    std::vector<Note> result;
    double position = 0.0;  // beats
    double beats = 1.0;
    for (std::string_view token : split(score, ' ')) {
        double level = gain;
        bool tremolo = false;
        while (!token.empty() &&
               std::string_view("~!?").find(token.back()) != std::string_view::npos) {
            tremolo |= token.back() == '~';
            level *= token.back() == '!' ? 1.3 : token.back() == '?' ? 0.6 : 1.0;
            token.remove_suffix(1);
        }
        const std::size_t colon = token.find(':');
        const std::string_view pitches = token.substr(0, colon);
        if (pitches.empty() || pitches.front() == '+' || pitches.back() == '+' ||
            pitches.find("++") != std::string_view::npos) {
            malformed(token);
        }
        if (colon != std::string_view::npos) {
            const std::string_view length = token.substr(colon + 1);
            const auto [end, error] =
                std::from_chars(length.data(), length.data() + length.size(), beats);
            if (error != std::errc() || end != length.data() + length.size() || beats <= 0.0) {
                malformed(token);
            }
        }
        if (pitches != "r") {
            const double pick = tremolo ? 1.0 / 6.0 : beats;
            for (double at = 0.0; at < beats - 1e-9; at += pick) {
                const double sounding = std::min(pick, beats - at) * part.legato * part.beat;
                for (std::string_view pitch : split(pitches, '+')) {
                    result.push_back({part.start + (position + at) * part.beat, sounding,
                                      hz(midiNote(pitch) + part.transpose), level});
                }
            }
        }
        position += beats;
    }
    return result;
}

void perform(Track& track, const Instrument& instrument, std::string_view score, const Part& part,
             double gain) {
    for (const Note& note : notes(score, part, gain)) {
        play(track, instrument(note.hz), note);
    }
}

}  // namespace kestrel::sound
