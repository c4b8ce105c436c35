#pragma once
// How the program names itself to the desktop: the application id under which its menu entry,
// icons and metainfo are installed, and the icon it shows in window frames.

#include <QIcon>
#include <QList>
#include <QString>

namespace corkwise {

// The reverse-DNS application id, for example "org.corkwise.Corkwise". The build sets it once
// (CORKWISE_APP_ID) and installs the desktop file and metainfo under the same name, so that the
// desktop can match running windows to their menu entry.
QString applicationId();

// The square pixel sizes of the icon carried inside the program, smallest first.
QList<int> applicationIconSizes();

// The program's icon with every carried size, read from the program's own resources, so that an
// uninstalled build shows it too. Never null in a complete build.
QIcon applicationIcon();

}  // namespace corkwise
