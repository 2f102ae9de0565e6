#pragma once

#include "fib.h"
#include "model/documentmodel.h"
#include "formats/tablegrid.h"

#include <QByteArray>
#include <QStringList>
#include <array>
#include <vector>

namespace engine {

// Reads the Word 97 documents that Word97Writer writes, back into the model.
// Anything else (another program's features, damaged or truncated files)
// throws automation::Failure saying what is wrong; every offset and count is
// checked against the data that holds it.
class Word97Reader {
public:
    static DocumentModel read(const QByteArray &bytes);

private:
    struct Run {
        uint32_t fcStart, fcEnd;
        QByteArray grpprl;
    };
    struct ParagraphInfo {
        bool inTable = false;
        bool rowEnd = false;
        QByteArray grpprl;
    };

    explicit Word97Reader(const QByteArray &bytes);
    void readFib();
    QByteArray tablePart(Fib::Pair pair) const;
    void readText();
    std::vector<Run> readBins(Fib::Pair pair, bool paragraphs) const;
    void readPage();
    void buildStory();
    void appendPosition(int unit, const Run *characters, const Run *paragraph);
    StoryPosition markFor(char16_t unit, const Run &paragraph);
    void endCell(StoryPosition mark);
    void endRow(StoryPosition mark, const QByteArray &grpprl);
    ParagraphFormat paragraphFormat(const QByteArray &grpprl) const;
    int characterFormat(const Run *run, bool &escaped);
    void checkStructure(const StoryPosition &position);
    void finish();

    const QByteArray &m_bytes;
    QByteArray m_wordDocument;
    QByteArray m_table;
    std::array<std::pair<uint32_t, uint32_t>, Fib::pairCount> m_pairs{};
    uint32_t m_textLength = 0;
    QString m_text;
    QStringList m_fonts;
    DocumentModel m_model;

    // The cell marks of the row being read, whose formats its end mark gives.
    std::vector<int> m_pendingCells;
    bool m_inCell = false;
    int m_lastRowEnd = -2;
    int m_currentTable = -1;
    std::vector<std::vector<TableGrid::Row>> m_tableRows;
    const Run *m_lastCharacterRun = nullptr;
    int m_lastCharacterFormat = 0;
    bool m_lastEscaped = false;
};

} // namespace engine
