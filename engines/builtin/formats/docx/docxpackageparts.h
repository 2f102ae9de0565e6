#pragma once

#include <QByteArray>
#include <QStringList>

namespace engine {

// The parts of a Word package that describe it rather than hold the
// document: content types, relationships, settings, fonts and properties.
class DocxPackageParts {
public:
    static QByteArray contentTypes();
    // _rels/.rels: the main document and the two property parts.
    static QByteArray packageRelationships();
    // word/_rels/document.xml.rels: styles, numbering, settings and fonts.
    static QByteArray documentRelationships();
    static QByteArray settings();
    // word/fontTable.xml declaring `fonts`.
    static QByteArray fontTable(const QStringList &fonts);
    static QByteArray coreProperties();
    static QByteArray appProperties();
};

} // namespace engine
