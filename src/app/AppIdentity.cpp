#include "app/AppIdentity.h"

namespace corkwise {

QString applicationId() {
    return QStringLiteral(CORKWISE_APP_ID);
}

QList<int> applicationIconSizes() {
    return {16, 32, 48, 64, 128, 256};
}

QIcon applicationIcon() {
    // Files are added by name only; each size is read when a frame first draws it.
    QIcon icon;
    for (const int size : applicationIconSizes()) {
        icon.addFile(QStringLiteral(":/corkwise/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace corkwise
