#include "app/ZoomSteps.h"

#include <cmath>

namespace corkwise {

namespace {

// Zooms come back from settings and window arithmetic; a hair's difference is the same step.
constexpr double kSlack = 1e-6;
// Window managers round a window's size to the resize increment and device pixels are whole:
// a window sized for the content may come out this much short, and still counts as fitting.
constexpr double kRoundingSlack = 2.0;

bool fits(const QSize& space, const QSize& content, double zoom) {
    return content.width() * zoom <= space.width() + kRoundingSlack &&
           content.height() * zoom <= space.height() + kRoundingSlack;
}

}  // namespace

double zoomInFrom(double zoom) {
    for (const double step : kZoomSteps) {
        if (step > zoom + kSlack) {
            return step;
        }
    }
    return zoom;
}

double zoomOutFrom(double zoom) {
    double below = kMinZoom;
    for (const double step : kZoomSteps) {
        if (step < zoom - kSlack) {
            below = step;
        }
    }
    return below;
}

double fittingZoom(const QSize& space, const QSize& content) {
    double best = kMinZoom;
    for (const double step : kZoomSteps) {
        if (fits(space, content, step)) {
            best = step;
        }
    }
    return best;
}

double firstStartZoom(const QSize& available, const QSize& content) {
    if (content.isEmpty() || available.isEmpty()) {
        return kMinZoom;
    }
    const double wanted = available.height() / 2.0 / content.height();
    double best = kMinZoom;
    double bestDistance = std::abs(best - wanted);
    for (const double step : kZoomSteps) {
        if (fits(available, content, step) && std::abs(step - wanted) < bestDistance) {
            best = step;
            bestDistance = std::abs(step - wanted);
        }
    }
    return best;
}

}  // namespace corkwise
