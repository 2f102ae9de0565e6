#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>

class QPushButton;
class QWidget;

namespace shell {

class Steps;
class WindowPointer;

// Arial, bold, at `points`: the font of both windows and their buttons.
QFont arialBold(double points);

// A top-level window of fixed client size in twips, with a minimize button
// and no maximize button.
void makeFixedWindow(QWidget *window, const char *name, int widthTwips, int heightTwips);

// A push button with the windows' button font.
QPushButton *makePushButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry);

// Loads HAND-M.CUR from the program folder as the window's custom pointer
// when it is there: looking is step `lookStep`, loading step `loadStep`.
void loadHandCursor(const Steps &steps, WindowPointer &pointer, int lookStep, int loadStep);

} // namespace shell
