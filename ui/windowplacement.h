#pragma once

class QWidget;

// Moves a top-level window, and shrinks it only where it is larger than the screen, so that it lies
// wholly inside the available area of one screen: the one that holds most of it, else the primary.
// A window that lies inside already keeps its place and size exactly. One that was never moved is
// only shrunk to the primary screen, since the window manager places it.
void FitWindowOnScreen(QWidget& window);
