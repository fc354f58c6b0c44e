#pragma once

#include <cstdint>
#include <utility>

#include "Machine.h"

namespace kestrel::test {

// A record with this much credit at the realistic payout, as a test starts from.
inline PlayerRecord playerWithCredit(std::int32_t bank, std::int16_t machinepay = 7) {
    PlayerRecord record;
    record.bank = bank;
    record.machinepay = machinepay;
    return record;
}

// Changes the active record as a record read from the store would bring it: the machine takes
// the edited record through switchPlayer, the only door for a whole record.
template <typename Edit>
void editPlayer(Machine& machine, Edit&& edit) {
    PlayerRecord record = machine.player();
    std::forward<Edit>(edit)(record);
    machine.switchPlayer(std::move(record));
}

}  // namespace kestrel::test
