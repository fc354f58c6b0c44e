#pragma once

#include <QString>

namespace kestrel {

// Where recording RESOURCE_ID_<resource> lies among the program's embedded resources
// (":/sounds/RESOURCE_ID_<resource>.wav"); as a URL with the "qrc" scheme for Qt Multimedia.
QString soundResourcePath(int resource);
QString soundResourceUrl(int resource);

}  // namespace kestrel
