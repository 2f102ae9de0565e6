#include "skin.h"

#include "automation/failure.h"
#include "programfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringDecoder>

namespace shell {
namespace {

const char *const pictureBoxProperty = "parvolinPictureBox";

bool isFaceColoured(const QWidget *widget, bool includePictureBoxes)
{
    return qobject_cast<const QRadioButton *>(widget) || qobject_cast<const QCheckBox *>(widget)
           || qobject_cast<const QGroupBox *>(widget) || qobject_cast<const QLabel *>(widget)
           || (includePictureBoxes && widget->property(pictureBoxProperty).toBool());
}

void colourWindow(QWidget *window, bool includePictureBoxes)
{
    const QColor face = buttonFaceColor();
    paintBackground(window, face);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (isFaceColoured(child, includePictureBoxes))
            paintBackground(child, face);
    }
}

// A skin file must be an ordinary, visible file: folders and hidden files do not count.
bool isSkinFile(const QFileInfo &info)
{
    return info.exists() && info.isFile() && !info.isHidden();
}

QString readSkinText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw automation::Failure(QStringLiteral("The skin file %1 could not be read: %2.").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw automation::Failure(QStringLiteral("The skin file %1 could not be applied: it is not UTF-8 text.").arg(path));
    return text;
}

} // namespace

QColor buttonFaceColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    // A fixed background needs a text colour fixed to match: a dark desktop
    // scheme's light text would vanish on the white frames.
    palette.setColor(QPalette::WindowText, colour.lightness() >= 128 ? Qt::black : Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void markPictureBox(QWidget *widget)
{
    widget->setProperty(pictureBoxProperty, true);
}

void ApplyFaceColor(QWidget *window)
{
    colourWindow(window, false);
}

void LoadSkin(QWidget *window)
{
    const QString path = programFile(QStringLiteral("x\\o.cjs"));
    if (!isSkinFile(QFileInfo(path)))
        return;
    colourWindow(window, true);
    const QString text = readSkinText(path);
    checkStyleSheet(text, path);
    window->setStyleSheet(text);
}

void checkStyleSheet(const QString &text, const QString &path)
{
    // Qt only warns about a broken style sheet and then ignores all of it, so
    // the obvious faults are caught here, where the user can be told.
    int depth = 0;
    QChar quote;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('*')) {
            const int end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                throw automation::Failure(QStringLiteral("The skin file %1 could not be applied: a comment is not closed.").arg(path));
            i = end + 1;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char('}') && --depth < 0) {
            throw automation::Failure(QStringLiteral("The skin file %1 could not be applied: a \"}\" has no matching \"{\".").arg(path));
        }
    }
    if (!quote.isNull())
        throw automation::Failure(QStringLiteral("The skin file %1 could not be applied: a quoted text is not closed.").arg(path));
    if (depth != 0)
        throw automation::Failure(QStringLiteral("The skin file %1 could not be applied: a \"{\" is not closed.").arg(path));
}

} // namespace shell
