#pragma once

class QMainWindow;
class QWidget;

namespace quillet::app {

// Makes the fixed-size client the window's central part inside a frameless scroll area, so
// every control stays reachable on a screen smaller than the client.
void setScrollingClient(QMainWindow& window, QWidget& client);

// Keeps banner, a child of the scrolling client, at the top of what the window shows: the
// result of a command stays in sight however far down the window is scrolled.
void keepInSight(QMainWindow& window, QWidget& banner);

// Sizes the window to its whole client where the screen's available area allows, and to that
// area, with scroll bars, where it does not; and moves it into that area. Done by the window
// itself: there may be no window manager to do it. The window never grows past its client.
void fitToScreen(QMainWindow& window, const QWidget& client);

} // namespace quillet::app
