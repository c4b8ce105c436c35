#pragma once
// The zoom of the main frame: the View menu's steps, the window that grows, and what is kept for
// the next start.
//
// The frame's CONTENT (the main view over the command bar) keeps its design size in logical
// pixels; the zoom enlarges the device pixel ratio of every window (ScreenZoom). The frame
// itself may be any size from the content at 100% up: the content is centred in it and the
// surplus shows the frame's background. When the user resizes or maximises the window the zoom
// becomes the largest step whose content fits; a zoom chosen from the menu resizes a normal
// window to the content and, in a maximised one, goes no further than what fits.

#include <QObject>
#include <QSize>

class QSettings;
class QWidget;

namespace corkwise {

class FrameZoom : public QObject {
    Q_OBJECT

public:
    // FRAME and CONTENT (a child of FRAME) are not owned and must outlive this object, which
    // watches FRAME's resizes.
    FrameZoom(QWidget* frame, QWidget* content);

    double zoom() const { return zoom_; }
    // Zooms to ZOOM (clamped to 100%-400%, or to what fits a maximised window).
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void actualSize();

    // At start, before the frame is shown: OVERRIDE (> 0, from --scale) wins for this run; else
    // the zoom and geometry kept in SETTINGS; else a zoom making the window about half as tall
    // as the screen's available area.
    void restore(QSettings& settings, double override);
    // Keeps the zoom and the frame's geometry in SETTINGS, unless an override is in force.
    void save(QSettings& settings) const;

    // The content's size at 100%, in device-independent pixels.
    QSize contentSize() const;

Q_SIGNALS:
    void zoomChanged(double zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyZoom(double zoom);
    void centreContent();
    // The frame's size in pixels at 100%.
    QSize spaceAt100() const;
    bool fillsScreen() const;
    void fitToWindow();

    QWidget* frame_;
    QWidget* content_;
    double zoom_ = 1.0;
    bool overridden_ = false;
    bool fitPending_ = false;
    // The frame's last size in device pixels: a resize that keeps it only changed the ratio.
    QSize lastDeviceSize_;
};

}  // namespace corkwise
