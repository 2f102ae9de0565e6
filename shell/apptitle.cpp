#include "apptitle.h"

namespace shell {

namespace {

const int longestTitle = 40;

QString &storedTitle()
{
    static QString title;
    return title;
}

// Cuts just before the last space; a cut that would leave nothing is not made,
// so the title is never emptier than the name allows.
bool cutLastWord(QString &text)
{
    const qsizetype lastSpace = text.lastIndexOf(QLatin1Char(' '));
    if (lastSpace <= 0)
        return false;
    text.truncate(lastSpace);
    return true;
}

} // namespace

QString productName()
{
    return QStringLiteral("Parvolin");
}

QString titleFromProductName(const QString &productName)
{
    QString title = productName;
    bool cut = cutLastWord(title);
    while (cut && title.size() > longestTitle)
        cut = cutLastWord(title);
    return title;
}

void SetAppTitle()
{
    // Kept for the message boxes only: giving it to Qt as the display name
    // would add it to every window's caption.
    storedTitle() = titleFromProductName(productName());
}

QString appTitle()
{
    // A message box shown before start-up finished still gets a caption.
    if (storedTitle().isEmpty())
        return titleFromProductName(productName());
    return storedTitle();
}

void setAppTitleForTesting(const QString &title)
{
    storedTitle() = title;
}

} // namespace shell
