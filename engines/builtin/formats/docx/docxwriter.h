#pragma once

#include "model/documentmodel.h"

#include <QByteArray>
#include <QStringList>

namespace engine {

// Writes a document as Office Open XML (a Word 2007 and later .docx file).
class DocxWriter {
public:
    // The zipped package for `model`; throws automation::Failure when it
    // cannot be packed.
    static QByteArray write(const DocumentModel &model);

private:
    static QStringList fontsUsed(const DocumentModel &model);
};

} // namespace engine
