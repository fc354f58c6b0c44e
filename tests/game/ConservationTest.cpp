#include <gtest/gtest.h>

#include <cstdint>

#include "Bets.h"
#include "Machine.h"
#include "RandomSource.h"

namespace kestrel {
namespace {

// A million random paid games with random lines, bets, notes, coins, features and gambles.
// Every credit is accounted for by an independent ledger kept from the machine's own reports:
// nothing appears and nothing vanishes.
TEST(Conservation, NoCreditAppearsOrVanishesOverAMillionGames) {
    constexpr int kGames = 1000000;
    StdRandom machineRandom(1958);
    StdRandom playerRandom(1969);  // the player's choices, separate from the machine's draws
    Machine machine(machineRandom);
    PlayerRecord player;
    player.machinepay = 7;
    machine.switchPlayer(player);

    std::int64_t inserted = 0, bets = 0, wins = 0, gambleGains = 0, lostStakes = 0, games = 0;
    std::int64_t bankLedger = 0;

    int paidGames = 0;
    while (paidGames < kGames) {
        const int choice = playerRandom.uniform(100);
        if (choice <= 2) {
            if (machine.insertNote()) {
                inserted += 5000;
                bankLedger += 5000;
            }
            continue;
        }
        if (choice <= 4) {
            if (machine.pressCoins()) {
                while (machine.coinsPending() > 0) {
                    if (machine.dropCoin()) {
                        inserted += 25;
                        bankLedger += 25;
                    }
                }
            }
            continue;
        }
        if (choice <= 8) {
            machine.setLinesPlayed(kLinesOfLineButton[playerRandom.uniform(kLineButtons)]);
        }
        const std::int32_t bankBefore = machine.player().bank;
        const PlayResult result = machine.play(playerRandom.uniform(kPlayButtons));
        if (result == PlayResult::Refused) {
            ASSERT_EQ(machine.player().bank, bankBefore);
            continue;
        }
        ASSERT_NE(result, PlayResult::Busy);
        if (result == PlayResult::Paid) {
            ++paidGames;
            ++games;
            bets += machine.totalBet();
            bankLedger -= machine.totalBet();
        }
        wins += machine.spinWin();
        const Settlement settled = machine.settle();
        bankLedger += settled.credited;
        if (machine.featureCompleted()) {
            const std::int32_t feature = machine.featureWin();
            ASSERT_TRUE(machine.takeWin());
            bankLedger += feature;
        }
        if (machine.canGamble() && playerRandom.uniform(4) == 1) {
            const std::int32_t stake = machine.gambleStake();
            ASSERT_TRUE(machine.openGamble());
            bankLedger -= stake;
            while (machine.gambleOpen()) {
                const bool suit = playerRandom.uniform(3) == 1;
                const GuessResult guess =
                    suit ? machine.guessSuit(playerRandom.uniform(4))
                         : machine.guessColour(playerRandom.uniform(2) == 1 ? CardColour::Red
                                                                            : CardColour::Black);
                if (!guess.won) {
                    lostStakes += stake;
                }
                if (machine.gambleOpen() && playerRandom.uniform(2) == 1) {
                    const std::int32_t atRisk = machine.atRisk();
                    ASSERT_TRUE(machine.collect());
                    bankLedger += atRisk;
                    gambleGains += atRisk - stake;
                }
            }
        }
        ASSERT_EQ(machine.player().bank, bankLedger) << "after paid game " << paidGames;
    }
    const PlayerRecord& p = machine.player();
    EXPECT_EQ(p.bank, bankLedger);
    EXPECT_EQ(p.amountinvested, inserted);
    EXPECT_EQ(p.games, games);
    EXPECT_EQ(p.wager, bets);
    EXPECT_EQ(p.total, wins + gambleGains);
    // The same from the sums alone: what came in, less the bets, plus every win and gamble gain,
    // less the stakes lost in the gamble.
    EXPECT_EQ(p.bank, inserted - bets + wins + gambleGains - lostStakes);
}

}  // namespace
}  // namespace kestrel
