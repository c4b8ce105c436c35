#include "app/FrameZoom.h"

#include "app/ScreenZoom.h"
#include "app/ZoomSteps.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace corkwise {

namespace {

const QString kZoomKey = QStringLiteral("window/zoom");
const QString kGeometryKey = QStringLiteral("window/geometry");

QSize deviceSize(const QWidget* widget) {
    const double ratio = widget->devicePixelRatioF();
    return QSize(qRound(widget->width() * ratio), qRound(widget->height() * ratio));
}

}  // namespace

FrameZoom::FrameZoom(QWidget* frame, QWidget* content)
    : QObject(frame), frame_(frame), content_(content) {
    frame_->installEventFilter(this);
    zoom_ = screenzoom::current();
}

QSize FrameZoom::contentSize() const {
    return content_->sizeHint().expandedTo(content_->minimumSize());
}

void FrameZoom::setZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, overridden_ ? std::max(kMaxZoom, zoom_) : kMaxZoom);
    if (fillsScreen()) {
        zoom = std::min(zoom, std::max(fittingZoom(spaceAt100(), contentSize()), zoom_));
    }
    applyZoom(zoom);
    if (!fillsScreen()) {
        frame_->resize(contentSize());
    }
    lastDeviceSize_ = deviceSize(frame_);
    centreContent();
}

void FrameZoom::zoomIn() {
    setZoom(zoomInFrom(zoom_));
}

void FrameZoom::zoomOut() {
    setZoom(zoomOutFrom(zoom_));
}

void FrameZoom::actualSize() {
    setZoom(kMinZoom);
}

void FrameZoom::applyZoom(double zoom) {
    const bool changed = !qFuzzyCompare(zoom, zoom_) || !qFuzzyCompare(screenzoom::current(), zoom);
    zoom_ = zoom;
    if (changed) {
        screenzoom::apply(zoom);
    }
    // Never smaller than the content at 100%.
    const QSize least = contentSize();
    frame_->setMinimumSize(static_cast<int>(std::ceil(least.width() / zoom - 1e-6)),
                           static_cast<int>(std::ceil(least.height() / zoom - 1e-6)));
    if (changed) {
        Q_EMIT zoomChanged(zoom);
    }
}

QSize FrameZoom::spaceAt100() const {
    // Device pixels are whole: a window sized for the content may come out a fraction short.
    return QSize(qRound(frame_->width() * zoom_), qRound(frame_->height() * zoom_));
}

bool FrameZoom::fillsScreen() const {
    return (frame_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

void FrameZoom::centreContent() {
    const QSize content = contentSize();
    content_->resize(content);
    content_->move(std::max(0, (frame_->width() - content.width()) / 2),
                   std::max(0, (frame_->height() - content.height()) / 2));
}

void FrameZoom::fitToWindow() {
    fitPending_ = false;
    const QSize now = deviceSize(frame_);
    if (now == lastDeviceSize_) {
        return;
    }
    lastDeviceSize_ = now;
    const double fitted = fittingZoom(spaceAt100(), contentSize());
    if (!qFuzzyCompare(fitted, zoom_)) {
        applyZoom(fitted);
        lastDeviceSize_ = deviceSize(frame_);
    }
    centreContent();
}

bool FrameZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::Resize) {
        centreContent();
        // The zoom changes after the resize is through: a new ratio resizes the frame again.
        if (!fitPending_ && deviceSize(frame_) != lastDeviceSize_) {
            fitPending_ = true;
            QTimer::singleShot(0, this, &FrameZoom::fitToWindow);
        }
    }
    return QObject::eventFilter(watched, event);
}

void FrameZoom::restore(QSettings& settings, double override) {
    if (override > 0) {
        overridden_ = true;
        applyZoom(override);
        frame_->resize(contentSize());
        lastDeviceSize_ = deviceSize(frame_);
        centreContent();
        return;
    }
    bool known = false;
    const double kept = settings.value(kZoomKey).toDouble(&known);
    if (known && kept >= kMinZoom && kept <= kMaxZoom) {
        applyZoom(kept);
        frame_->resize(contentSize());
        const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
        if (!geometry.isEmpty()) {
            frame_->restoreGeometry(geometry);
        }
    } else {
        const QScreen* screen =
            frame_->screen() != nullptr ? frame_->screen() : QGuiApplication::primaryScreen();
        const QSize available = screen != nullptr
                                    ? screen->availableGeometry().size() * screenzoom::current()
                                    : QSize();
        applyZoom(firstStartZoom(available, contentSize()));
        frame_->resize(contentSize());
    }
    lastDeviceSize_ = deviceSize(frame_);
    centreContent();
}

void FrameZoom::save(QSettings& settings) const {
    if (overridden_) {
        return;
    }
    settings.setValue(kZoomKey, zoom_);
    settings.setValue(kGeometryKey, frame_->saveGeometry());
}

}  // namespace corkwise
