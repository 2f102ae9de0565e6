#pragma once

#include "fkpwriter.h"
#include "fib.h"
#include "fonttable.h"
#include "model/documentmodel.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace engine {

// Writes a document as a Word 97 binary file: a compound file holding the
// WordDocument stream (FIB, text, property pages, section), the 1Table stream
// (style sheet, fonts, piece table, bin tables, section table, lists,
// document properties) and the two summary streams. Control characters the
// user typed are written as their control pictures and marked, so no reader
// takes them for fields, cell marks or objects.
class Word97Writer {
public:
    static QByteArray write(const DocumentModel &model);

    // The picture that stands for control character `c` in the file.
    static constexpr char16_t controlPictures = 0x2400;
    // Whether the model character `c` is written as a control picture.
    static bool escaped(char32_t c) { return c < 0x20 && c != U'\t'; }

private:
    explicit Word97Writer(const DocumentModel &model);

    void writeText();
    void appendCharacter(const StoryPosition &position, int index);
    void closeCharacterRun(uint32_t fcEnd);
    QByteArray paragraphProperties(int markIndex) const;
    void writeWordDocument();
    void writeTableStream();
    void addToTable(Fib::Pair pair, const QByteArray &bytes);
    QByteArray sectionProperties() const;
    QByteArray documentProperties() const;
    QByteArray pieceTable() const;
    QByteArray sectionTable(uint32_t sectionAt) const;
    void writeFib();
    uint32_t fc(int unit) const;

    const DocumentModel &m_model;
    const Story &m_story;
    FontTable m_fonts;
    QString m_text;
    FkpWriter m_characters{FkpWriter::Kind::Character};
    FkpWriter m_paragraphs{FkpWriter::Kind::Paragraph};
    int m_runStart = 0;
    QByteArray m_runProperties;
    int m_runFormat = -1;
    bool m_runEscaped = false;
    int m_paragraphStart = 0;
    QByteArray m_wordDocument;
    QByteArray m_table;
    std::array<std::pair<uint32_t, uint32_t>, Fib::pairCount> m_pairs{};
};

} // namespace engine
