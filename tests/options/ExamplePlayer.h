#pragma once

#include "PlayerRecord.h"

namespace kestrel::test {

// Bob after ten games: 2500 wagered, 1980 won, 4480 credit from 5000 put in, one feature won.
inline PlayerRecord tenGamesOfBob() {
    PlayerRecord p;
    p.games = 10;
    p.wager = 2500;
    p.total = 1980;
    p.bank = 4480;
    p.amountinvested = 5000;
    p.howmanyspins = 1;
    p.currentplayer = "bob";
    return p;
}

}  // namespace kestrel::test
