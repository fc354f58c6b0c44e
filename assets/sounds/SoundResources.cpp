#include "SoundResources.h"

namespace kestrel {

QString soundResourcePath(int resource) {
    return QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(resource);
}

QString soundResourceUrl(int resource) {
    return QStringLiteral("qrc") + soundResourcePath(resource);
}

}  // namespace kestrel
