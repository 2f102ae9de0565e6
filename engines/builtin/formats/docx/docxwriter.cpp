#include "docxwriter.h"

#include "docxbody.h"
#include "docxnumbering.h"
#include "docxpackage.h"
#include "docxpackageparts.h"
#include "docxstyles.h"

namespace engine {

QByteArray DocxWriter::write(const DocumentModel &model)
{
    DocxPackage package;
    package.add("[Content_Types].xml", DocxPackageParts::contentTypes());
    package.add("_rels/.rels", DocxPackageParts::packageRelationships());
    package.add("word/document.xml",
                "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                    + DocxBody::write(model) + "</w:document>");
    package.add("word/_rels/document.xml.rels", DocxPackageParts::documentRelationships());
    package.add("word/styles.xml", DocxStyles::part());
    package.add("word/numbering.xml", DocxNumbering::part(model.lists));
    package.add("word/settings.xml", DocxPackageParts::settings());
    package.add("word/fontTable.xml", DocxPackageParts::fontTable(fontsUsed(model)));
    package.add("docProps/core.xml", DocxPackageParts::coreProperties());
    package.add("docProps/app.xml", DocxPackageParts::appProperties());
    return package.zipped();
}

QStringList DocxWriter::fontsUsed(const DocumentModel &model)
{
    QStringList fonts{QStringLiteral("Calibri")};
    int previousFormat = -1;
    for (int i = 0; i < model.story.size(); ++i) {
        const int format = model.story.at(i).characterFormat;
        if (format == previousFormat)
            continue;
        previousFormat = format;
        const QString &name = model.story.characterFormat(format).fontName;
        if (!fonts.contains(name))
            fonts << name;
    }
    for (const ListDefinition &list : model.lists) {
        for (const ListLevelFormat &level : list.levels) {
            if (!level.fontName.isEmpty() && !fonts.contains(level.fontName))
                fonts << level.fontName;
        }
    }
    return fonts;
}

} // namespace engine
