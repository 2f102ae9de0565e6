#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// What a PDF says about itself: its title, author and the program that made it.
struct PdfDocumentInfo {
    QString title;
    QString author;
    QString creator;
};

// `pdf` with `info` as its document information. It is added at the end as an
// update of the file, as PDF allows, so every byte before stays as it was
// whoever wrote the PDF. A PDF whose end cannot be read that way is given
// back as it is: a title is not worth losing the document for.
QByteArray withPdfDocumentInfo(const QByteArray &pdf, const PdfDocumentInfo &info);

} // namespace shell
