#pragma once
// Keeps a top-level window on the screen it opens on. The window manager places a new window
// where it likes (below the last one, under the mouse); a window of a fixed opening size placed
// low on a small screen would open with its lower part, buttons and status bar, out of reach.

#include <QRect>

class QWidget;

// `frame` (the window with its title bar and borders) moved, and shrunk where it is larger,
// into `available`.
QRect placedWithin(QRect frame, const QRect& available);

// Sizes `window` to fit its screen's available area before it is shown, centred there unless it
// was given a place, and moves it back into that area after the window manager has placed it,
// once; the user may move it anywhere later.
void keepOnScreen(QWidget& window);
