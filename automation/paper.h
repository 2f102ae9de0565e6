#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <langinfo.h>
#include <locale.h>
#include <optional>

// The paper a new document is laid out on, chosen the way Debian's paper
// library chooses the system's paper, so that a document prints on the sheets
// the user has. Both engines give their new documents this page.
namespace automation {

// A sheet of paper, in twips (1/1440 inch).
struct PaperSize {
    int widthTwips = 0;
    int heightTwips = 0;

    bool operator==(const PaperSize &other) const
    {
        return widthTwips == other.widthTwips && heightTwips == other.heightTwips;
    }
    bool operator!=(const PaperSize &other) const { return !(*this == other); }
};

// US Letter, 8.5 × 11 inches, and ISO A4, 210 × 297 mm, as Word stores them.
constexpr PaperSize letterPaper{12240, 15840};
constexpr PaperSize a4Paper{11906, 16838};

// The paper called `name` ("a4" or "letter" in any case); Letter for any other
// name, since those are the two papers a resume is printed on.
inline PaperSize paperNamed(const QByteArray &name)
{
    return name.trimmed().toLower() == "a4" ? a4Paper : letterPaper;
}

// The first paper name in the text of a paper file: its first word that is
// not on a comment line (one starting with '#'); nothing when it has none.
inline std::optional<QByteArray> paperNameInFile(const QByteArray &text)
{
    for (const QByteArray &line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        return trimmed.simplified().split(' ').front();
    }
    return std::nullopt;
}

// The name of the locale that decides the paper, by the usual precedence of
// LC_ALL, LC_PAPER and LANG.
inline QByteArray paperLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value;
    }
    return QByteArray();
}

// The paper of the locale named `localeName`, where that locale sets one: the
// C and POSIX locales belong to no region and say nothing about paper, nor
// does a locale that is not installed. A4 and Letter are told apart by their
// height in millimetres; any other paper counts as Letter.
inline std::optional<PaperSize> localePaper(const QByteArray &localeName)
{
    if (localeName.isEmpty() || localeName == "C" || localeName == "POSIX" || localeName.startsWith("C."))
        return std::nullopt;
#if defined(__GLIBC__)
    const locale_t locale = newlocale(LC_PAPER_MASK, localeName.constData(), locale_t(nullptr));
    if (locale == locale_t(nullptr))
        return std::nullopt;
    // glibc hands numeric items back in the place of the string pointer.
    union {
        const char *string;
        unsigned int millimetres;
    } height{};
    height.string = nl_langinfo_l(_NL_PAPER_HEIGHT, locale);
    freelocale(locale);
    return height.millimetres == 297 ? a4Paper : letterPaper;
#else
    return std::nullopt;
#endif
}

// The paper of a new document: the PAPERSIZE variable, else the paper file
// that PAPERCONF names or, without PAPERCONF, `systemPaperFile`, else the
// paper of the locale, else Letter.
inline PaperSize userPaper(const QString &systemPaperFile = QStringLiteral("/etc/papersize"))
{
    const QByteArray named = qgetenv("PAPERSIZE");
    if (!named.trimmed().isEmpty())
        return paperNamed(named);
    const QByteArray configured = qgetenv("PAPERCONF");
    QFile file(configured.isEmpty() ? systemPaperFile : QFile::decodeName(configured));
    if (file.open(QIODevice::ReadOnly)) {
        // A paper file is one short line; a larger one is read no further.
        constexpr qint64 enoughBytes = 4096;
        if (const auto name = paperNameInFile(file.read(enoughBytes)))
            return paperNamed(*name);
    }
    return localePaper(paperLocaleName()).value_or(letterPaper);
}

} // namespace automation
