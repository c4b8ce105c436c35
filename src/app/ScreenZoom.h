#pragma once
// Zooms the whole program at run time.
//
// Every screen's scale factor becomes its own factor (the desktop's) times the zoom, so all
// windows of the program, popups and message boxes included, get a larger device pixel ratio.
// Widgets keep their design coordinates (the view stays 240 x 268 logical pixels) while text,
// lines and pictures are drawn at the new resolution: nothing is blown up from a bitmap.
// Qt offers no public way to change a screen's factor after start-up; this is the one place
// that uses its private high-DPI interface.

namespace corkwise::screenzoom {

// Applies ZOOM (1.0 = the desktop's own scale) to every screen, now and for screens added
// later, and tells every window that its device pixel ratio changed: windows keep their size
// in device pixels and repaint at the new ratio.
void apply(double zoom);
// The zoom last applied; 1.0 before the first.
double current();
// The device pixel ratio a window on no particular screen would have without the zoom.
double desktopRatio();

}  // namespace corkwise::screenzoom
