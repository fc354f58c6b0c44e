#pragma once

#include <QString>

#include "LinkOpener.h"
#include "Messages.h"

class QWidget;

namespace kestrel::ui {

// Opens the address in the user's browser, with the pointer busy meanwhile; when it cannot be
// opened, says so in a box titled "ExecuteLink". Returns whether the address was opened.
bool ExecuteLink(LinkOpener& links, Messages& messages, QWidget* parent, const QString& address);

}  // namespace kestrel::ui
