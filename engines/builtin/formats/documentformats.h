#pragma once

#include "model/documentmodel.h"

#include <QByteArray>

namespace engine {

// The document file formats the engine writes and reads, chosen in one place.
class DocumentFormats {
public:
    // The bytes of `model` as a file of `fileFormat` (a word::WdSaveFormat);
    // throws automation::Failure for a format this engine does not write here.
    static QByteArray write(const DocumentModel &model, long fileFormat);
    // The document that `bytes` hold, in whichever format the engine writes;
    // throws automation::Failure saying why not.
    static DocumentModel read(const QByteArray &bytes);
};

} // namespace engine
