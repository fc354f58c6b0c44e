#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "Bets.h"
#include "CreditLimit.h"
#include "Credits.h"
#include "Machine.h"
#include "RandomSource.h"

namespace kestrel {
namespace {

// The player's own account of the credit and of the gamble's gains and losses.
struct Ledger {
    std::int64_t bank = 0;
    std::int64_t gambleGains = 0;
    std::int64_t lostStakes = 0;
    int cappedGuesses = 0;  // won guesses that left the amount as it was
};

// Plays the offered gamble as a player might: a suit one guess in three, else a colour, and after
// each won guess `betweenGuesses`, then a collect one time in `collectOneIn`.
template <typename Between>
void gambleAtRandom(Machine& machine, RandomSource& player, int collectOneIn, Ledger& ledger,
                    Between&& betweenGuesses) {
    const std::int32_t stake = machine.gambleStake();
    ASSERT_TRUE(machine.openGamble());
    ledger.bank -= stake;
    while (machine.gambleOpen()) {
        const std::int32_t before = machine.atRisk();
        const GuessResult guess =
            player.uniform(3) == 1
                ? machine.guessSuit(player.uniform(4))
                : machine.guessColour(player.uniform(2) == 1 ? CardColour::Red : CardColour::Black);
        if (!guess.won) {
            ledger.lostStakes += stake;
            return;
        }
        ledger.cappedGuesses += machine.atRisk() == before ? 1 : 0;
        ASSERT_LE(std::int64_t{machine.player().bank} + machine.atRisk(), kCreditLimit);
        betweenGuesses();
        if (player.uniform(collectOneIn) == 1) {
            const std::int32_t atRisk = machine.atRisk();
            ASSERT_TRUE(machine.collect());
            ledger.bank += atRisk;
            ledger.gambleGains += atRisk - stake;
        }
    }
}

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

    std::int64_t inserted = 0, bets = 0, wins = 0, games = 0;
    Ledger ledger;

    int paidGames = 0;
    while (paidGames < kGames) {
        const int choice = playerRandom.uniform(100);
        if (choice <= 2) {
            if (machine.insertNote()) {
                inserted += 5000;
                ledger.bank += 5000;
            }
            continue;
        }
        if (choice <= 4) {
            if (machine.pressCoins()) {
                while (machine.coinsPending() > 0) {
                    if (machine.dropCoin()) {
                        inserted += 25;
                        ledger.bank += 25;
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
            ledger.bank -= machine.totalBet();
        }
        wins += machine.spinWin();
        const Settlement settled = machine.settle();
        ledger.bank += settled.credited;
        if (machine.featureCompleted()) {
            const std::int32_t feature = machine.featureWin();
            ASSERT_TRUE(machine.takeWin());
            ledger.bank += feature;
        }
        if (machine.canGamble() && playerRandom.uniform(4) == 1) {
            ASSERT_NO_FATAL_FAILURE(gambleAtRandom(machine, playerRandom, 2, ledger, [] {}));
        }
        ASSERT_EQ(machine.player().bank, ledger.bank) << "after paid game " << paidGames;
    }
    const PlayerRecord& p = machine.player();
    EXPECT_EQ(p.bank, ledger.bank);
    EXPECT_EQ(p.amountinvested, inserted);
    EXPECT_EQ(p.games, games);
    EXPECT_EQ(p.wager, bets);
    EXPECT_EQ(p.total, wins + ledger.gambleGains);
    // The same from the sums alone: what came in, less the bets, plus every win and gamble gain,
    // less the stakes lost in the gamble.
    EXPECT_EQ(p.bank, inserted - bets + wins + ledger.gambleGains - ledger.lostStakes);
}

// The same accounting with the credit kept within a few million of 2^31 − 1, where spins are
// refused for a full credit, notes and coins are turned away, features end early and the gamble
// stops doubling. The ledger books each win as the spin decided it, not as the machine reports
// paying it, so a win left out of the credit shows. Coins drop at every moment a player could
// drop them: while the reels turn, between free spins and inside the gamble.
TEST(Conservation, NoCreditAppearsOrVanishesAtTheCreditLimit) {
    constexpr int kGames = 600000;
    constexpr std::int32_t kLowestSeat = kCreditLimit - 3'000'000;
    StdRandom machineRandom(2147);
    StdRandom playerRandom(483647);
    Machine machine(machineRandom);

    std::int64_t seated = 0, inserted = 0, bets = 0, wins = 0;
    Ledger ledger;
    int creditFull = 0, moneyTurnedAway = 0, featuresCutShort = 0;

    // Puts the player's credit back near the limit, as a hand-edited record would: anywhere in the
    // last 2.5 million, but often in the last few thousand, where money is turned away.
    auto seat = [&] {
        PlayerRecord player = machine.player();
        const int spread =
            std::array{2'500'000, 800'000, 40'000, 3'000}[playerRandom.uniform(4) - 1];
        player.bank = kCreditLimit - playerRandom.uniform(spread) + 1;
        player.machinepay =
            static_cast<std::int16_t>(std::array{7, 4, 1}[playerRandom.uniform(3) - 1]);
        seated += player.bank - ledger.bank;
        ledger.bank = player.bank;
        machine.switchPlayer(player);
    };
    auto maybeDropCoin = [&] {
        if (machine.coinsPending() > 0 && playerRandom.uniform(2) == 1) {
            if (machine.dropCoin()) {
                inserted += kCoinCredits;
                ledger.bank += kCoinCredits;
            } else {
                ++moneyTurnedAway;
            }
        }
    };

    seat();
    int paidGames = 0, fullInARow = 0;
    while (paidGames < kGames) {
        if (machine.maySwitchPlayer() && (machine.player().bank < kLowestSeat || fullInARow > 2)) {
            seat();
            fullInARow = 0;
        }
        maybeDropCoin();
        const int choice = playerRandom.uniform(100);
        if (choice <= 3) {
            if (machine.insertNote()) {
                inserted += kNoteCredits;
                ledger.bank += kNoteCredits;
            } else {
                ++moneyTurnedAway;
            }
            continue;
        }
        if (choice <= 6) {
            if (machine.coinsPending() == 0 && !machine.pressCoins()) {
                ++moneyTurnedAway;
            }
            continue;
        }
        if (choice <= 20) {
            machine.setLinesPlayed(kLinesOfLineButton[playerRandom.uniform(kLineButtons)]);
        }
        const std::int32_t bankBefore = machine.player().bank;
        const PlayResult result = machine.play(playerRandom.uniform(kPlayButtons));
        if (result == PlayResult::Refused || result == PlayResult::CreditFull) {
            ASSERT_EQ(machine.player().bank, bankBefore);
            ASSERT_EQ(machine.phase(), Machine::Phase::Idle);
            creditFull += result == PlayResult::CreditFull ? 1 : 0;
            fullInARow = result == PlayResult::CreditFull ? fullInARow + 1 : 0;
            continue;
        }
        ASSERT_EQ(result, PlayResult::Paid);
        fullInARow = 0;
        ++paidGames;
        bets += machine.totalBet();
        ledger.bank -= machine.totalBet();
        std::int64_t gameWin = machine.spinWin();  // the paid spin's and its feature's
        wins += machine.spinWin();
        maybeDropCoin();
        Settlement settled = machine.settle();
        if (!settled.triggered) {
            ASSERT_EQ(settled.credited, gameWin);
            ledger.bank += gameWin;
        }
        while (machine.freeSpinsActive()) {
            ASSERT_EQ(machine.play(0), PlayResult::Free);
            gameWin += machine.spinWin();
            wins += machine.spinWin();
            maybeDropCoin();
            settled = machine.settle();
            maybeDropCoin();
        }
        if (settled.completed && machine.freeSpins().spinsLeft() > 0) {
            ++featuresCutShort;
        }
        if (machine.featureCompleted()) {
            ASSERT_EQ(machine.featureWin(), gameWin);
            ASSERT_TRUE(machine.takeWin());
            ledger.bank += gameWin;
        }
        if (machine.canGamble() && playerRandom.uniform(2) == 1) {
            ASSERT_NO_FATAL_FAILURE(
                gambleAtRandom(machine, playerRandom, 3, ledger, maybeDropCoin));
        }
        ASSERT_EQ(machine.player().bank, ledger.bank) << "after paid game " << paidGames;
    }
    const PlayerRecord& p = machine.player();
    EXPECT_EQ(p.bank, ledger.bank);
    EXPECT_EQ(p.bank, seated + inserted - bets + wins + ledger.gambleGains - ledger.lostStakes);
    EXPECT_EQ(p.amountinvested, inserted);
    EXPECT_EQ(p.wager, bets);
    EXPECT_EQ(p.total, wins + ledger.gambleGains);
    // Every edge of the limit was met, or the run proves nothing about it.
    EXPECT_GT(creditFull, 0);
    EXPECT_GT(moneyTurnedAway, 0);
    EXPECT_GT(featuresCutShort, 0);
    EXPECT_GT(ledger.cappedGuesses, 0);
}

}  // namespace
}  // namespace kestrel
