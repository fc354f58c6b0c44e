#include "Gamble.h"

#include "Checked.h"

namespace kestrel {

void Gamble::open(std::int32_t stake) {
    open_ = true;
    atRisk_ = stake;
    staked_ = stake;
}

bool Gamble::resolve(bool won, int factor, std::int32_t ceiling) {
    if (won) {
        std::int32_t raised = atRisk_;
        if (checkedMul(raised, factor) && raised <= ceiling) {
            atRisk_ = raised;
        }
        return true;
    }
    atRisk_ = 0;
    open_ = false;
    return false;
}

}  // namespace kestrel
