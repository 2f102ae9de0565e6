#include "daterange.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace app {
namespace {

const char *const monthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                  "August", "September", "October", "November", "December"};

// 1 to 12 for an English month name or its abbreviation ("Sept", "Sep.").
int monthOfName(QString name)
{
    name = name.toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.size() < 3)
        return 0;
    for (int month = 1; month <= 12; ++month) {
        const QString full = QString::fromLatin1(monthNames[month - 1]).toLower();
        if (full.startsWith(name))
            return month;
    }
    return 0;
}

QString isoDate(int year, int month = 0, int day = 0)
{
    if (year < 1000 || year > 2999 || month < 0 || month > 12)
        return QString();
    if (day && !QDate::isValid(year, month, day))
        return QString();
    QString text = QString::number(year);
    if (month)
        text += QStringLiteral("-%1").arg(month, 2, 10, QLatin1Char('0'));
    if (day)
        text += QStringLiteral("-%1").arg(day, 2, 10, QLatin1Char('0'));
    return text;
}

QRegularExpressionMatch whole(const char *pattern, const QString &text)
{
    return QRegularExpression(QStringLiteral("^(?:%1)$").arg(QLatin1String(pattern)),
                              QRegularExpression::CaseInsensitiveOption)
        .match(text);
}

int number(const QRegularExpressionMatch &match, int group)
{
    return match.captured(group).toInt();
}

// One date as people type it, or an empty text. Numeric dates with the day
// are read month first, as the record's addresses are American.
QString readDate(const QString &text)
{
    QRegularExpressionMatch m;
    if ((m = whole("(\\d{4})", text)).hasMatch())
        return isoDate(number(m, 1));
    if ((m = whole("(\\d{4})[-/.](\\d{1,2})(?:[-/.](\\d{1,2}))?", text)).hasMatch())
        return isoDate(number(m, 1), number(m, 2), number(m, 3));
    if ((m = whole("(\\d{1,2})[-/.](\\d{4})", text)).hasMatch())
        return isoDate(number(m, 2), number(m, 1));
    if ((m = whole("(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4})", text)).hasMatch())
        return isoDate(number(m, 3), number(m, 1), number(m, 2));
    if ((m = whole("([a-z]+\\.?),?\\s+(\\d{4})", text)).hasMatch() && monthOfName(m.captured(1)))
        return isoDate(number(m, 2), monthOfName(m.captured(1)));
    if ((m = whole("([a-z]+\\.?)\\s+(\\d{1,2})(?:st|nd|rd|th)?,?\\s+(\\d{4})", text)).hasMatch()
        && monthOfName(m.captured(1)))
        return isoDate(number(m, 3), monthOfName(m.captured(1)), number(m, 2));
    if ((m = whole("(\\d{1,2})(?:st|nd|rd|th)?\\s+([a-z]+\\.?),?\\s+(\\d{4})", text)).hasMatch()
        && monthOfName(m.captured(2)))
        return isoDate(number(m, 3), monthOfName(m.captured(2)), number(m, 1));
    return QString();
}

bool meansToday(const QString &text)
{
    return whole("present|current|currently|now|today|ongoing|date", text).hasMatch();
}

// The range when `text` splits at a separator into a date and a date (or a
// word for today); tried at every separator, since dates hold hyphens too.
std::optional<DateRange> readSplit(const QString &text)
{
    static const QRegularExpression separator(
        QStringLiteral("\\s*(?:-{1,2}|\u2013|\u2014|\\bto\\b|\\buntil\\b|\\btill\\b)\\s*"),
        QRegularExpression::CaseInsensitiveOption);
    for (QRegularExpressionMatchIterator it = separator.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString start = readDate(text.left(match.capturedStart()).trimmed());
        const QString endText = text.mid(match.capturedEnd()).trimmed();
        if (start.isEmpty())
            continue;
        if (meansToday(endText))
            return DateRange{start, QString()};
        const QString end = readDate(endText);
        if (!end.isEmpty() && end >= start)
            return DateRange{start, end};
    }
    return std::nullopt;
}

QString typedDate(const QString &iso)
{
    const QRegularExpressionMatch m = whole("(\\d{4})(?:-(\\d{2})(?:-(\\d{2}))?)?", iso);
    const int month = number(m, 2);
    if (!m.hasMatch() || month < 1 || month > 12)
        return iso;
    const QString monthName = QString::fromLatin1(monthNames[month - 1]);
    if (m.captured(2).isEmpty())
        return m.captured(1);
    if (m.captured(3).isEmpty())
        return monthName + QLatin1Char(' ') + m.captured(1);
    return QStringLiteral("%1 %2, %3").arg(monthName).arg(number(m, 3)).arg(m.captured(1));
}

} // namespace

DateRange DateRange::fromTypedText(const QString &typed)
{
    // A note after the dates, "(contract)", is not part of them.
    static const QRegularExpression note(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString text = typed.trimmed();
    text.remove(note);
    if (const std::optional<DateRange> split = readSplit(text))
        return *split;
    // One date alone: the stretch began and ended within it.
    const QString single = readDate(text);
    return DateRange{single, single};
}

QString DateRange::typedText() const
{
    if (start.isEmpty())
        return typedDate(end);
    if (end.isEmpty())
        return typedDate(start) + QStringLiteral(" - Present");
    if (start == end)
        return typedDate(start);
    return typedDate(start) + QStringLiteral(" - ") + typedDate(end);
}

} // namespace app
