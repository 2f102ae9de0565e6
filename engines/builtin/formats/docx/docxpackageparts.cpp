#include "docxpackageparts.h"

#include "xmltext.h"

namespace engine {
namespace {

const char *const declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
const char *const wordNamespace = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
const char *const documentType = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
const char *const officeRelationship = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

QByteArray override(const char *part, const QByteArray &type)
{
    return QByteArray("<Override PartName=\"") + part + "\" ContentType=\"" + type + "\"/>";
}

QByteArray relationship(const char *id, const QByteArray &type, const char *target)
{
    return QByteArray("<Relationship Id=\"") + id + "\" Type=\"" + type + "\" Target=\"" + target + "\"/>";
}

QByteArray relationships(const QByteArray &items)
{
    return declaration
        + QByteArray("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">") + items
        + "</Relationships>";
}

const char *family(const QString &name)
{
    if (name == QLatin1String("Times New Roman"))
        return "roman";
    if (name == QLatin1String("Calibri") || name == QLatin1String("Arial") || name == QLatin1String("Tahoma"))
        return "swiss";
    return "auto";
}

} // namespace

QByteArray DocxPackageParts::contentTypes()
{
    const QByteArray type(documentType);
    return declaration
        + QByteArray("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                     "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                     "<Default Extension=\"xml\" ContentType=\"application/xml\"/>")
        + override("/word/document.xml", type + "document.main+xml")
        + override("/word/styles.xml", type + "styles+xml") + override("/word/numbering.xml", type + "numbering+xml")
        + override("/word/settings.xml", type + "settings+xml")
        + override("/word/fontTable.xml", type + "fontTable+xml")
        + override("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml")
        + override("/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml")
        + "</Types>";
}

QByteArray DocxPackageParts::packageRelationships()
{
    const QByteArray office(officeRelationship);
    return relationships(
        relationship("rId1", office + "officeDocument", "word/document.xml")
        + relationship("rId2", "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
                       "docProps/core.xml")
        + relationship("rId3", office + "extended-properties", "docProps/app.xml"));
}

QByteArray DocxPackageParts::documentRelationships()
{
    const QByteArray office(officeRelationship);
    return relationships(relationship("rId1", office + "styles", "styles.xml")
                         + relationship("rId2", office + "numbering", "numbering.xml")
                         + relationship("rId3", office + "settings", "settings.xml")
                         + relationship("rId4", office + "fontTable", "fontTable.xml"));
}

QByteArray DocxPackageParts::settings()
{
    // The layout rules of current Word, not those of an older version's documents.
    return declaration + QByteArray("<w:settings ") + wordNamespace
        + "><w:zoom w:percent=\"100\"/><w:defaultTabStop w:val=\"720\"/>"
          "<w:characterSpacingControl w:val=\"doNotCompress\"/><w:compat>"
          "<w:compatSetting w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" "
          "w:val=\"15\"/></w:compat></w:settings>";
}

QByteArray DocxPackageParts::fontTable(const QStringList &fonts)
{
    QByteArray out = declaration + QByteArray("<w:fonts ") + wordNamespace + ">";
    for (const QString &name : fonts) {
        // Wingdings is a symbol font: its characters live at U+F020 to U+F0FF.
        const bool symbol = name == QLatin1String("Wingdings");
        out += "<w:font w:name=\"" + XmlText::escaped(name) + "\"><w:charset w:val=\"" + (symbol ? "02" : "00")
            + "\"/><w:family w:val=\"" + family(name) + "\"/><w:pitch w:val=\"variable\"/></w:font>";
    }
    return out + "</w:fonts>";
}

QByteArray DocxPackageParts::coreProperties()
{
    // No dates: the same document gives the same bytes whenever it is saved.
    return declaration
        + QByteArray("<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/"
                     "core-properties\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
                     "xmlns:dcterms=\"http://purl.org/dc/terms/\" xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
                     "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title></dc:title>"
                     "<dc:creator></dc:creator><cp:revision>1</cp:revision></cp:coreProperties>");
}

QByteArray DocxPackageParts::appProperties()
{
    return declaration
        + QByteArray("<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
                     "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
                     "<Application>Parvolin</Application><DocSecurity>0</DocSecurity></Properties>");
}

} // namespace engine
