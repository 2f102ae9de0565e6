#pragma once

#include <QByteArray>
#include <QStringList>

namespace engine {

// The parts of a Word package that describe it rather than hold the
// document: content types, relationships, settings, fonts and properties.
class DocxPackageParts {
public:
    // [Content_Types].xml: the type of every part.
    static QByteArray contentTypes();
    // _rels/.rels: the main document and the two property parts.
    static QByteArray packageRelationships();
    // word/_rels/document.xml.rels: styles, numbering, settings and fonts.
    static QByteArray documentRelationships();
    // word/settings.xml: the layout rules of current Word.
    static QByteArray settings();
    // word/fontTable.xml declaring `fonts`.
    static QByteArray fontTable(const QStringList &fonts);
    // docProps/core.xml, without dates.
    static QByteArray coreProperties();
    // docProps/app.xml, naming the program that wrote the file.
    static QByteArray appProperties();
};

} // namespace engine
