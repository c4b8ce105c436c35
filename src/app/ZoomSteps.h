#pragma once
// The zoom steps of the View menu and the choice of a step for a window size.
//
// A zoom is a factor on top of the desktop's own scale: 1.0 shows the view at its design size.
// The keys move through kZoomSteps; a resized window takes the largest step whose content fits.

#include <QSize>

#include <array>

namespace corkwise {

inline constexpr std::array<double, 8> kZoomSteps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};
inline constexpr double kMinZoom = 1.0;
inline constexpr double kMaxZoom = 4.0;

// The first step above ZOOM, or ZOOM itself when none is (already at or past 400%).
double zoomInFrom(double zoom);
// The last step below ZOOM, or 100% when none is.
double zoomOutFrom(double zoom);
// The largest step at which CONTENT (design pixels) fits within SPACE (pixels at 100%);
// 100% when even that does not fit.
double fittingZoom(const QSize& space, const QSize& content);
// For the first start: the step that makes CONTENT about half as tall as AVAILABLE (the
// screen's available area, pixels at 100%), and never wider or taller than AVAILABLE.
double firstStartZoom(const QSize& available, const QSize& content);

}  // namespace corkwise
