#include "documentformats.h"

#include "automation/failure.h"
#include "automation/word/constants.h"
#include "formats/docx/docxwriter.h"
#include "formats/rtf/rtfreader.h"
#include "formats/rtf/rtfwriter.h"

namespace engine {

QByteArray DocumentFormats::write(const DocumentModel &model, long fileFormat)
{
    switch (fileFormat) {
    case word::wdFormatDocument:
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
    return RtfReader::read(bytes);
}

} // namespace engine
