#include "windowparts.h"

#include "cursorfile.h"
#include "fileservices.h"
#include "programfolder.h"
#include "steps.h"
#include "twips.h"
#include "windowpointer.h"

#include <QPushButton>

namespace shell {

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void makeFixedWindow(QWidget *window, const char *name, int widthTwips, int heightTwips)
{
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setObjectName(QString::fromLatin1(name));
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    window->setFont(arialBold(9));
}

QPushButton *makePushButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(arialBold(11.25));
    button->setGeometry(geometry);
    // Outside a dialog a push button ignores Return; people expect Return to
    // press the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

void loadHandCursor(const Steps &steps, WindowPointer &pointer, int lookStep, int loadStep)
{
    const QString path = programFile(QStringLiteral("HAND-M.CUR"));
    bool present = false;
    steps.run(lookStep, [&] { present = FileExists(path); });
    if (present)
        steps.run(loadStep, [&] { pointer.setCustomCursor(readCursorFile(path)); });
}

} // namespace shell
