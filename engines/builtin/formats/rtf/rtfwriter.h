#pragma once

#include "model/documentmodel.h"

#include <QByteArray>
#include <QStringList>
#include <array>
#include <vector>

namespace engine {

// Writes a document as Rich Text Format, with every default of a new blank
// document spelled out so that any reader lays it out alike.
class RtfWriter {
public:
    // The whole file for `model`, starting with {\rtf1.
    static QByteArray write(const DocumentModel &model);

private:
    explicit RtfWriter(const DocumentModel &model);

    void collectFontsAndColors();
    void addFont(const QString &name);
    void addColor(long color);
    int fontIndex(const QString &name) const;
    int colorIndex(long color) const;

    void writeHeader();
    void writeFontTable();
    void writeColorTable();
    void writeStylesheet();
    void writeListTable();
    void writeListLevel(const ListLevelFormat &level);
    void writeLevelText(const QString &numberFormat);
    void writeLevelFont(const ListLevelFormat &level);
    void writeListOverrideTable();
    void writePageSetup();
    void writeBody();
    void writeRowDefinition(int rowEndIndex, int rowInTable);
    void writeCellDefinition(const CellFormat &cell, int rightEdgeTwips);
    void writeBorder(const char *side, const BorderLine &line, bool shadow);
    void writeParagraphProperties(const StoryPosition &mark);
    void writeCharacterFormat(int format);
    void writeMark(const StoryPosition &mark, bool last);
    void word(const char *name);
    void word(const char *name, long long parameter);
    // The page's size and margins under the six control words `names`.
    void writePage(const std::array<const char *, 6> &names);

    const DocumentModel &m_model;
    const Story &m_story;
    QByteArray m_out;
    QStringList m_fonts;
    std::vector<long> m_colors;
    int m_currentFormat = -1;
};

} // namespace engine
