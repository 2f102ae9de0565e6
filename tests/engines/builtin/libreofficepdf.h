#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <vector>

// One word of a PDF page as pdftotext -bbox gives it, in points from the page's top-left corner.
struct PdfWord {
    int page = 0;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    QString text;

    // Poppler sets a word's box from 0.95 of its size above the baseline to 0.35 below.
    double baseline() const { return top + (bottom - top) * 0.95 / 1.3; }
};

// A saved document (Word 97 or Rich Text Format) as LibreOffice prints it to PDF, read back with poppler's tools.
class LibreOfficePdf {
public:
    // Converts `rtf`; failure() says what went wrong when it did. Conversions
    // are kept by content, so each distinct file is printed once per machine.
    explicit LibreOfficePdf(const QByteArray &rtf, const QString &suffix = QString());

    // A PDF already written, by LibreOffice's own export for example, read with the same tools.
    static LibreOfficePdf ofPdf(const QString &pdfPath);

    // Whether soffice can be found at all.
    static bool available();
    // Converts those of `rtfs` not yet converted, all in one run of soffice,
    // so that each LibreOfficePdf made of them afterwards finds its PDF at
    // once. Returns what went wrong, or an empty text.
    // `suffix` is the files' extension, which tells LibreOffice their format;
    // without one, a Word 97 document is named .doc and anything else .rtf.
    static QString convertAll(const std::vector<QByteArray> &rtfs, const QString &suffix = QString());

    const QString &failure() const { return m_failure; }
    const QString &pdfPath() const { return m_pdf; }
    // The page count pdfinfo reports, or -1.
    int pageCount() const;
    // The size of the first page as pdfinfo reports it, in points; empty when it cannot.
    QSizeF pageSizePoints() const;
    // Every word of every page, in reading order, each with its letters in typed order.
    std::vector<PdfWord> words() const;

private:
    LibreOfficePdf() = default;
    static QString convert(const QString &folder, const QStringList &rtfPaths);
    static QString fontConfigFile(const QString &folder);
    static QString cachedPath(const QByteArray &rtf);

    QString m_pdf;
    QString m_failure;
};
