#include "ExecuteLink.h"

#include <QCursor>
#include <QGuiApplication>

namespace kestrel::ui {

namespace {
// The busy pointer for as long as the desktop takes to answer.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
}  // namespace

bool ExecuteLink(LinkOpener& links, Messages& messages, QWidget* parent, const QString& address) {
    LinkResult result;
    {
        const BusyPointer busy;
        result = links.open(QUrl(address, QUrl::StrictMode));
    }
    if (!result.opened) {
        messages.warn(parent, QStringLiteral("ExecuteLink"),
                      QStringLiteral("error Opening Link to ") + address + QStringLiteral("\n\n") +
                          result.details);
    }
    return result.opened;
}

}  // namespace kestrel::ui
