#pragma once

#include <QString>
#include <QUrl>

namespace kestrel {

struct LinkResult {
    bool opened = false;
    QString details;  // what went wrong, when the link did not open
};

// Opens a web address in the user's browser.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual LinkResult open(const QUrl& address) = 0;
};

// The desktop's own handler for the address's scheme, through QDesktopServices.
class DesktopLinkOpener final : public LinkOpener {
public:
    LinkResult open(const QUrl& address) override;
};

}  // namespace kestrel
