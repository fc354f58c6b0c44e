#include "LinkOpener.h"

#include <QDesktopServices>

namespace kestrel {

LinkResult DesktopLinkOpener::open(const QUrl& address) {
    if (!address.isValid()) {
        return {false, QStringLiteral("The address is not valid: %1").arg(address.errorString())};
    }
    if (!QDesktopServices::openUrl(address)) {
        return {false, QStringLiteral("No program on this computer agreed to open it.")};
    }
    return {true, {}};
}

}  // namespace kestrel
