#pragma once

#include "model/documentmodel.h"
#include "rtftablebuilder.h"
#include "rtftokenizer.h"

#include <QByteArray>
#include <QHash>
#include <memory>
#include <vector>

namespace engine {

// Reads the Rich Text Format that RtfWriter writes. Anything else (another
// format, a truncated file, a construct the writer never uses) throws
// automation::Failure saying what is wrong and where. Nesting, names and tables are
// bounded, so no input can make it recurse, loop or grow without limit.
class RtfReader {
public:
    // Limits on what a file may hold; beyond them it is refused.
    static constexpr int deepestNesting = 32;
    static constexpr int mostTableEntries = 1000;
    static constexpr int longestName = 255;
    // The paper may be 1 to 22 inches each way, as in Word, and must leave at
    // least an inch each way for the text.
    static constexpr int smallestPaperTwips = 1440;
    static constexpr int largestPaperTwips = 31680;
    // Room made at once for a story; longer ones grow as they are read.
    static constexpr int mostReservedPositions = 1 << 22;

    // The document that `bytes` hold; throws automation::Failure saying why not.
    static DocumentModel read(const QByteArray &bytes);

private:
    enum class Destination {
        Document,
        FontTable,
        FontEntry,
        ColorTable,
        ListTable,
        List,
        ListLevel,
        LevelText,
        LevelNumbers,
        ListName,
        ListOverrideTable,
        ListOverride,
    };
    struct Group {
        Destination destination;
        CharacterFormat character;
        // The story's index of `character`, or -1 until text needs it.
        int characterIndex = -1;
    };

    explicit RtfReader(const QByteArray &bytes);
    void run();
    void openGroup();
    void closeGroup();
    bool enterDestination(const RtfToken &first);
    void handle(const RtfToken &token);
    void handleWord(const RtfToken &token);
    void handleText(char16_t unit, const RtfToken &token);
    void handleHexByte(const RtfToken &token);

    bool documentWord(const RtfToken &token);
    bool pageWord(const RtfToken &token);
    bool paragraphWord(const RtfToken &token);
    bool characterWord(const RtfToken &token, CharacterFormat &format);
    bool listWord(const RtfToken &token);
    bool listLevelWord(const RtfToken &token);
    bool fontEntryWord(const RtfToken &token);
    bool colorWord(const RtfToken &token);
    bool listOverrideWord(const RtfToken &token);
    void unicodeWord(const RtfToken &token);

    void appendCharacter(char32_t character);
    void appendUnit(char16_t unit);
    void flushSurrogate();
    void endParagraph(Mark mark, const RtfToken &token);
    void finishDocument(const RtfToken &token);
    void finishFontEntry(const RtfToken &token);
    void finishListLevel(const RtfToken &token);
    void finishList(const RtfToken &token);
    void finishListOverride(const RtfToken &token);
    void finishLevelText(const RtfToken &token);
    void appendToName(QString &name, char16_t unit, const RtfToken &token);
    const QString &fontName(const RtfToken &token) const;
    Group &current() { return m_groups.back(); }

    QByteArray m_bytes;
    RtfTokenizer m_tokenizer;
    DocumentModel m_model;
    RtfTableBuilder m_tables;
    std::vector<Group> m_groups;
    bool m_done = false;
    bool m_skipFallback = false;
    char16_t m_pendingHighSurrogate = 0;
    ParagraphFormat m_paragraph;
    bool m_inTable = false;

    QHash<long, QString> m_fonts;
    long m_fontId = -1;
    QString m_fontEntryName;
    std::vector<long> m_colors;
    long m_red = 0, m_green = 0, m_blue = 0;
    int m_colorEntries = 0;

    ListDefinition m_list;
    int m_levelsRead = 0;
    long m_listId = -1;
    QHash<long, int> m_listIds;
    ListLevelFormat m_level;
    long m_levelFirstIndent = 0, m_levelLeftIndent = 0, m_levelTab = 0;
    QString m_levelText;
    int m_levelTextLength = -1;
    int m_levelTextCount = 0;
    long m_overrideListId = -1;
    long m_overrideNumber = -1;
    QHash<long, int> m_overrides;
};

} // namespace engine
