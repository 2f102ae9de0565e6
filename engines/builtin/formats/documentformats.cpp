#include "documentformats.h"

#include "automation/failure.h"
#include "automation/word/constants.h"
#include "formats/docx/docxwriter.h"
#include "formats/rtf/rtfreader.h"
#include "formats/rtf/rtfwriter.h"
#include "formats/cfb/compoundfilereader.h"
#include "formats/word97/word97reader.h"
#include "formats/word97/word97writer.h"

namespace engine {

QByteArray DocumentFormats::write(const DocumentModel &model, long fileFormat)
{
    switch (fileFormat) {
    case word::wdFormatDocument:
        return Word97Writer::write(model);
    case word::wdFormatRTF:
        return RtfWriter::write(model);
    case word::wdFormatXMLDocument:
        return DocxWriter::write(model);
    default:
        throw automation::Failure(
            QStringLiteral("The built-in engine cannot save in the file format %1.").arg(fileFormat));
    }
}

DocumentModel DocumentFormats::read(const QByteArray &bytes)
{
    if (CompoundFileReader::isCompoundFile(bytes))
        return Word97Reader::read(bytes);
    if (bytes.startsWith("{\\rtf"))
        return RtfReader::read(bytes);
    throw automation::Failure(
        QStringLiteral("The document cannot be opened: it is neither a Word document nor Rich Text Format."));
}

} // namespace engine
