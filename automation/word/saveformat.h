#pragma once

#include "automation/word/constants.h"

#include <QFileInfo>
#include <QString>

namespace word {

// The format a save without a FileFormat writes: the one the name's extension
// says, so that a file is what its name claims. Names with another or no
// extension get a Word 97 document, the format the program promises.
inline long saveFormatForName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("docx"))
        return wdFormatXMLDocument;
    if (suffix == QLatin1String("rtf"))
        return wdFormatRTF;
    if (suffix == QLatin1String("pdf"))
        return wdFormatPDF;
    return wdFormatDocument;
}

} // namespace word
