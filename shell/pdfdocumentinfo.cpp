#include "pdfdocumentinfo.h"

#include <QRegularExpression>

namespace shell {
namespace {

// A text string any reader takes: UTF-16 with its byte-order mark, in hex.
QByteArray textString(const QString &text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar unit : text) {
        utf16.append(static_cast<char>(unit.unicode() >> 8));
        utf16.append(static_cast<char>(unit.unicode() & 0xFF));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

QByteArray captured(const QByteArray &text, const char *pattern)
{
    const QRegularExpressionMatch match = QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromLatin1(text));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

} // namespace

QByteArray withPdfDocumentInfo(const QByteArray &pdf, const PdfDocumentInfo &info)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (!pdf.startsWith("%PDF") || startxref < 0)
        return pdf;
    bool isNumber = false;
    const qint64 previous = pdf.mid(startxref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&isNumber);
    if (!isNumber || previous <= 0 || previous >= startxref)
        return pdf;
    // The last section's trailer: after a classic table, or the dictionary of
    // a cross-reference stream, before its data.
    QByteArray trailer = pdf.mid(previous, startxref - previous);
    const qsizetype stream = trailer.indexOf("stream");
    if (stream >= 0)
        trailer.truncate(stream);
    const QByteArray size = captured(trailer, R"(/Size\s+(\d+))");
    const QByteArray root = captured(trailer, R"(/Root\s+(\d+\s+\d+\s+R))");
    if (size.isEmpty() || root.isEmpty())
        return pdf;
    const QByteArray id = captured(trailer, R"((/ID\s*\[[^\]]*\]))");

    const qint64 infoObject = size.toLongLong();
    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    const qint64 infoAt = pdf.size() + update.size();
    update += QByteArray::number(infoObject) + " 0 obj\n<< /Title " + textString(info.title) + " /Author "
              + textString(info.author) + " /Creator " + textString(info.creator) + " >>\nendobj\n";
    const qint64 xrefAt = pdf.size() + update.size();
    update += "xref\n" + QByteArray::number(infoObject) + " 1\n"
              + QByteArray::number(infoAt).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<< /Size " + QByteArray::number(infoObject + 1) + " /Root " + root + " /Info "
              + QByteArray::number(infoObject) + " 0 R /Prev " + QByteArray::number(previous) + ' ' + id
              + " >>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return pdf + update;
}

} // namespace shell
