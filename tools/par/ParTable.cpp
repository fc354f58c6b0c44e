#include "ParTable.h"

#include <cmath>
#include <cstdio>

namespace kestrel::par {

namespace {

// printf-style formatting into a std::string; the figures are plain numbers, never user text.
template <typename... Args>
std::string format(const char* pattern, Args... args) {
    const int size = std::snprintf(nullptr, 0, pattern, args...);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, args...);
    text.pop_back();
    return text;
}

// "inf" for an endless feature, whatever the C library would print for it.
std::string number(double value, int decimals) {
    if (std::isinf(value)) {
        return "inf";
    }
    return format("%.*f", decimals, value);
}

std::string percent(double value) {
    return std::isinf(value) ? std::string("inf") : format("%.4f%%", 100.0 * value);
}

}  // namespace

std::vector<ParRow> parTable(const Tallies& tallies) {
    std::vector<ParRow> rows;
    for (int i = 0; i < kLineCountChoices; ++i) {
        for (const int payout : kTablePayouts) {
            rows.push_back({kLineCounts[i], payout, figuresOf(tallies[i], kLineCounts[i], payout)});
        }
    }
    return rows;
}

std::string csvOf(const std::vector<ParRow>& rows) {
    std::string csv =
        "lines,payout,rtp_base,rtp_total,hit_frequency,trigger_probability,mean_free_spins\n";
    for (const ParRow& row : rows) {
        const Figures& f = row.figures;
        csv += format("%d,%d,", row.lines, row.payout) + number(f.rtpBase, 6) + ',' +
               number(f.rtpTotal, 6) + ',' + number(f.hitFrequency, 6) + ',' +
               number(f.triggerProbability, 6) + ',' + number(f.meanFreeSpins, 4) + '\n';
    }
    return csv;
}

std::string tableOf(const std::vector<ParRow>& rows) {
    std::string table = format("%5s  %-8s %10s %11s %10s %11s %11s %10s\n", "lines", "payout",
                               "base RTP", "total RTP", "hits", "triggers", "free spins", "alpha");
    for (const ParRow& row : rows) {
        const Figures& f = row.figures;
        table += format("%5d  1 in %-3d %10s %11s %10s %11s %11s %10s\n", row.lines, row.payout,
                        percent(f.rtpBase).c_str(), percent(f.rtpTotal).c_str(),
                        percent(f.hitFrequency).c_str(), percent(f.triggerProbability).c_str(),
                        number(f.meanFreeSpins, 4).c_str(), number(f.freeSpinBranching, 4).c_str());
    }
    return table +
           "\npayout 1 in N: a spin paying more than the total bet stands one time in N\n"
           "free spins: mean played after a trigger, re-triggers included\n"
           "alpha: free spins one free spin awards on average (a feature ends only below 1)\n";
}

}  // namespace kestrel::par
