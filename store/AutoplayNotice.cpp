#include "AutoplayNotice.h"

#include <cstdint>

#include "StoredNumber.h"

namespace kestrel {

namespace {
const QString kSection = QStringLiteral("notice");
const QString kKey = QStringLiteral("autoplay");
}  // namespace

bool AutoplayNotice::shown(bool current) const {
    const auto flag = storedNumber<std::int16_t>(store_.value(kSection, kKey));
    return flag ? *flag != 0 : current;
}

bool AutoplayNotice::markShown() {
    store_.setValue(kSection, kKey, QStringLiteral("-1"));
    return store_.sync();
}

}  // namespace kestrel
