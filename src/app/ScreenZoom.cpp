#include "app/ScreenZoom.h"

#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QWindow>

namespace corkwise::screenzoom {

namespace {

double g_zoom = 1.0;
bool g_watchingScreens = false;

// The desktop's own factor of each screen, taken before the zoom first touches it.
QHash<QScreen*, double>& desktopFactors() {
    static QHash<QScreen*, double> factors;
    return factors;
}

double globalFactor() {
    return QHighDpiScaling::factor(static_cast<QScreen*>(nullptr));
}

double desktopFactor(QScreen* screen) {
    auto it = desktopFactors().find(screen);
    if (it == desktopFactors().end()) {
        const double global = globalFactor();
        const double own = global > 0 ? QHighDpiScaling::factor(screen) / global : 1.0;
        it = desktopFactors().insert(screen, own);
        QObject::connect(screen, &QObject::destroyed,
                         [screen] { desktopFactors().remove(screen); });
    }
    return it.value();
}

void zoomScreen(QScreen* screen) {
    QHighDpiScaling::setScreenFactor(screen, desktopFactor(screen) * g_zoom);
}

// A window learns of a new device pixel ratio as it does when it moves to another screen: its
// logical geometry follows its unchanged native one, and it repaints into a new buffer.
void refreshWindow(QWindow* window) {
    if (window->handle() == nullptr) {
        return;
    }
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
        window, window->handle()->geometry());
    Q_EMIT window->screenChanged(window->screen());
}

}  // namespace

void apply(double zoom) {
    if (!g_watchingScreens) {
        g_watchingScreens = true;
        QObject::connect(qApp, &QGuiApplication::screenAdded, qApp,
                         [](QScreen* screen) { zoomScreen(screen); });
    }
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        desktopFactor(screen);
    }
    g_zoom = zoom;
    for (QScreen* screen : screens) {
        zoomScreen(screen);
    }
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow* window : windows) {
        refreshWindow(window);
    }
}

double current() {
    return g_zoom;
}

double desktopRatio() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 1.0;
    }
    return screen->devicePixelRatio() / g_zoom;
}

}  // namespace corkwise::screenzoom
