#include "Gamble.h"

#include "Checked.h"

namespace kestrel {

void Gamble::open(std::int32_t stake) {
    open_ = true;
    atRisk_ = stake;
    staked_ = stake;
}

bool Gamble::resolve(bool won, int factor) {
    if (won) {
        (void)checkedMul(atRisk_, factor);
        return true;
    }
    atRisk_ = 0;
    open_ = false;
    return false;
}

}  // namespace kestrel
