#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace shell {

// The system colour of button faces, which follows the user's colour scheme.
QColor buttonFaceColor();

// Gives `widget` a solid background of `colour`, and text that reads on it.
void paintBackground(QWidget *widget, const QColor &colour);

// Marks `widget` as a picture box, which the skin colours too.
void markPictureBox(QWidget *widget);

// The window and its option buttons, check boxes, frames and labels take the
// button-face colour.
void ApplyFaceColor(QWidget *window);

// When the skin file x/o.cjs lies in the program folder: the window and its
// option buttons, check boxes, frames, labels and picture boxes take the
// button-face colour, and the file's text is applied to the window as a style
// sheet. Without the file nothing changes. Throws automation::Failure when the file
// is there but cannot be applied.
void LoadSkin(QWidget *window);

// Checks that `text` can be applied as a style sheet; throws automation::Failure
// naming `path` and the fault when it cannot.
void checkStyleSheet(const QString &text, const QString &path);

} // namespace shell
