#include "PayTexts.h"

#include <QStringList>
#include <algorithm>

#include "Geometry.h"
#include "PayTable.h"
#include "ReelStrips.h"

namespace kestrel::art {

namespace {

// "a, b or c" / "a, b and c".
QString listed(const QStringList& items, const QString& last) {
    if (items.size() < 2) {
        return items.join(QString());
    }
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QLatin1Char(' ') + last +
           QLatin1Char(' ') + items.last();
}

}  // namespace

std::vector<Pay> linePays(Symbol symbol) {
    std::vector<Pay> pays;
    for (int count = kReels; count >= 1; --count) {
        if (const int pay = lineMultiplier(symbol, count); pay > 0) {
            pays.push_back({count, pay});
        }
    }
    return pays;
}

std::vector<Pay> scatterPays() {
    std::vector<Pay> pays;
    for (int count = kReels; count >= 1; --count) {
        if (const int pay = scatterMultiplier(count); pay > 0) {
            pays.push_back({count, pay});
        }
    }
    return pays;
}

QString payText(const Pay& pay, bool timesTotalBet) {
    return timesTotalBet ? QStringLiteral("%1\u00D7").arg(pay.multiplier)
                         : QString::number(pay.multiplier);
}

QString freeSpinTriggers() {
    QStringList counts;
    for (int specials = 1; specials <= kReels; ++specials) {
        if (freeSpinAward(specials) > 0) {
            counts << QString::number(specials);
        }
    }
    return listed(counts, QStringLiteral("or"));
}

QString freeSpinCounts() {
    QStringList counts;
    for (int specials = 1; specials <= kReels; ++specials) {
        if (const int award = freeSpinAward(specials); award > 0) {
            counts << QString::number(award - 1);
        }
    }
    return listed(counts, QStringLiteral("or"));
}

QString wildReels() {
    QStringList reels;
    for (int reel = 1; reel <= kReels; ++reel) {
        const Strip& strip = kStrips[reel - 1];
        if (std::find(strip.begin(), strip.end(), Symbol::W) != strip.end()) {
            reels << QString::number(reel);
        }
    }
    return listed(reels, QStringLiteral("and"));
}

}  // namespace kestrel::art
