#include "word97writer.h"

#include "charactersprms.h"
#include "grpprl.h"
#include "listtable.h"
#include "propertysetwriter.h"
#include "rowsprms.h"
#include "sprm.h"
#include "stylesheetwriter.h"
#include "automation/failure.h"
#include "formats/binary/littleendianwriter.h"
#include "formats/cfb/compoundfilewriter.h"

namespace engine {
namespace {

// Word keeps the WordDocument stream out of the mini stream.
constexpr int smallestWordDocument = 4096;

uint32_t alignmentCode(long alignment)
{
    switch (alignment) {
    case word::wdAlignParagraphCenter: return 1;
    case word::wdAlignParagraphRight: return 2;
    case word::wdAlignParagraphJustify: return 3;
    default: return 0;
    }
}

char16_t markUnit(Mark mark)
{
    return mark == Mark::CellEnd || mark == Mark::RowEnd ? 0x0007 : 0x000D;
}

} // namespace

QByteArray Word97Writer::write(const DocumentModel &model)
{
    Word97Writer writer(model);
    writer.writeText();
    writer.writeWordDocument();
    writer.writeTableStream();
    writer.writeFib();
    CompoundFileWriter file;
    file.addStream(QStringLiteral("WordDocument"), writer.m_wordDocument);
    file.addStream(QStringLiteral("1Table"), writer.m_table);
    file.addStream(QStringLiteral("\x05SummaryInformation"), PropertySetWriter::summaryInformation());
    file.addStream(QStringLiteral("\x05" "DocumentSummaryInformation"), PropertySetWriter::documentSummaryInformation());
    return file.write();
}

Word97Writer::Word97Writer(const DocumentModel &model)
    : m_model(model)
    , m_story(model.story)
    , m_fonts(model)
{
    m_text.reserve(m_story.size() + 16);
}

uint32_t Word97Writer::fc(int unit) const
{
    return Fib::textStart + 2 * static_cast<uint32_t>(unit);
}

void Word97Writer::writeText()
{
    for (int i = 0; i < m_story.size(); ++i)
        appendCharacter(m_story.at(i), i);
    closeCharacterRun(fc(static_cast<int>(m_text.size())));
}

void Word97Writer::appendCharacter(const StoryPosition &position, int index)
{
    const char32_t c = position.character;
    const bool control = position.mark == Mark::None && escaped(c);
    // Formats repeat for long stretches; their sprms are built once a stretch.
    if (position.characterFormat != m_runFormat || control != m_runEscaped) {
        const CharacterFormat &format = m_story.characterFormat(position.characterFormat);
        const QByteArray properties = CharacterSprms::run(format, m_fonts.index(format.fontName), control);
        m_runFormat = position.characterFormat;
        m_runEscaped = control;
        if (properties != m_runProperties) {
            closeCharacterRun(fc(static_cast<int>(m_text.size())));
            m_runProperties = properties;
        }
    }
    if (position.mark != Mark::None) {
        m_text += QChar(markUnit(position.mark));
        const QByteArray paragraph = paragraphProperties(index);
        if (!m_paragraphs.fits(paragraph))
            throw automation::Failure(
                QStringLiteral("The document cannot be saved as a Word 97 document: a table row has too many cells "
                               "with different borders."));
        m_paragraphs.add(fc(m_paragraphStart), fc(static_cast<int>(m_text.size())), paragraph);
        m_paragraphStart = static_cast<int>(m_text.size());
    } else if (control) {
        m_text += QChar(static_cast<char16_t>(controlPictures + c));
    } else if (c > 0xFFFF) {
        m_text += QChar(QChar::highSurrogate(c));
        m_text += QChar(QChar::lowSurrogate(c));
    } else {
        m_text += QChar(QChar::isSurrogate(c) ? char16_t(0xFFFD) : static_cast<char16_t>(c));
    }
}

void Word97Writer::closeCharacterRun(uint32_t fcEnd)
{
    const uint32_t fcStart = fc(m_runStart);
    if (fcEnd > fcStart)
        m_characters.add(fcStart, fcEnd, m_runProperties);
    m_runStart = static_cast<int>((fcEnd - Fib::textStart) / 2);
}

QByteArray Word97Writer::paragraphProperties(int markIndex) const
{
    const StoryPosition &mark = m_story.at(markIndex);
    Grpprl sprms;
    // Every paragraph has the Normal style (number 0).
    QByteArray properties(2, '\0');
    if (mark.mark == Mark::RowEnd) {
        sprms.add8(Sprm::pFInTable, 1);
        sprms.add8(Sprm::pFTtp, 1);
        RowSprms::write(sprms, m_story, markIndex);
        return properties + sprms.bytes();
    }
    const ParagraphFormat &format = m_story.paragraphFormat(mark.paragraphFormat);
    if (alignmentCode(format.alignment) != 0)
        sprms.add8(Sprm::pJc80, alignmentCode(format.alignment));
    if (mark.mark != Mark::Paragraph)
        sprms.add8(Sprm::pFInTable, 1);
    if (format.list >= 0) {
        sprms.add16(Sprm::pIlfo, static_cast<uint32_t>(format.list) + 1);
        sprms.add8(Sprm::pIlvl, 0);
        ListTable::addIndents(sprms, m_model.lists.at(static_cast<size_t>(format.list)).levels[0]);
    }
    return properties + sprms.bytes();
}

void Word97Writer::writeWordDocument()
{
    m_wordDocument = QByteArray(static_cast<int>(Fib::textStart), '\0');
    LittleEndianWriter w(m_wordDocument);
    w.utf16(m_text);
    w.alignTo(FkpWriter::pageSize);
    const auto characterPage = static_cast<uint32_t>(m_wordDocument.size() / FkpWriter::pageSize);
    m_wordDocument += m_characters.pages();
    const auto paragraphPage = static_cast<uint32_t>(m_wordDocument.size() / FkpWriter::pageSize);
    m_wordDocument += m_paragraphs.pages();
    const auto sectionAt = static_cast<uint32_t>(m_wordDocument.size());
    const QByteArray section = sectionProperties();
    w.u16(static_cast<uint32_t>(section.size()));
    m_wordDocument += section;
    if (m_wordDocument.size() < smallestWordDocument)
        w.zeros(static_cast<int>(smallestWordDocument - m_wordDocument.size()));

    addToTable(Fib::StyleSheet, StyleSheetWriter::write());
    addToTable(Fib::CharacterBins, m_characters.binTable(characterPage));
    addToTable(Fib::ParagraphBins, m_paragraphs.binTable(paragraphPage));
    addToTable(Fib::SectionTable, sectionTable(sectionAt));
}

void Word97Writer::writeTableStream()
{
    addToTable(Fib::FontTable, m_fonts.write());
    addToTable(Fib::DocumentProperties, documentProperties());
    addToTable(Fib::PieceTable, pieceTable());
    if (m_model.lists.empty())
        return;
    addToTable(Fib::ListTable, ListTable::writeLists(m_model.lists, [this](const QString &name) {
                   return m_fonts.index(name);
               }));
    // The lists' levels follow the list table; its length does not count them.
    m_pairs[Fib::ListTable].second = static_cast<uint32_t>(2 + 28 * m_model.lists.size());
    addToTable(Fib::ListOverrides, ListTable::writeOverrides(m_model.lists));
    addToTable(Fib::ListNames, ListTable::writeNames(m_model.lists));
}

void Word97Writer::addToTable(Fib::Pair pair, const QByteArray &bytes)
{
    m_pairs[pair] = {static_cast<uint32_t>(m_table.size()), static_cast<uint32_t>(bytes.size())};
    m_table += bytes;
}

QByteArray Word97Writer::sectionProperties() const
{
    const PageGeometry &page = m_model.page;
    Grpprl sprms;
    sprms.add8(Sprm::sBkc, 2);
    sprms.add16(Sprm::sXaPage, static_cast<uint32_t>(page.widthTwips));
    sprms.add16(Sprm::sYaPage, static_cast<uint32_t>(page.heightTwips));
    sprms.add16(Sprm::sDxaLeft, static_cast<uint32_t>(page.marginLeftTwips));
    sprms.add16(Sprm::sDxaRight, static_cast<uint32_t>(page.marginRightTwips));
    sprms.add16(Sprm::sDyaTop, static_cast<uint32_t>(page.marginTopTwips));
    sprms.add16(Sprm::sDyaBottom, static_cast<uint32_t>(page.marginBottomTwips));
    sprms.add16(Sprm::sDyaHdrTop, 720);
    sprms.add16(Sprm::sDyaHdrBottom, 720);
    return sprms.bytes();
}

QByteArray Word97Writer::sectionTable(uint32_t sectionAt) const
{
    QByteArray out;
    LittleEndianWriter w(out);
    w.u32(0);
    w.u32(static_cast<uint32_t>(m_text.size()));
    w.u16(0);
    w.u32(sectionAt);
    w.u16(0);
    w.u32(0xFFFFFFFF);
    return out;
}

QByteArray Word97Writer::documentProperties() const
{
    // Word 97's document properties: widow control on, default tab stops
    // every half inch, everything else as a new document has it.
    QByteArray out(500, '\0');
    out[0] = 0x02;
    out[10] = static_cast<char>(720 & 0xFF);
    out[11] = static_cast<char>(720 >> 8);
    return out;
}

QByteArray Word97Writer::pieceTable() const
{
    // One piece: all the text, as UTF-16 where the FIB ends.
    QByteArray out;
    LittleEndianWriter w(out);
    w.u8(0x02);
    w.u32(4 * 2 + 8);
    w.u32(0);
    w.u32(static_cast<uint32_t>(m_text.size()));
    w.u16(0);
    w.u32(Fib::textStart);
    w.u16(0);
    return out;
}

void Word97Writer::writeFib()
{
    QByteArray fib;
    LittleEndianWriter w(fib);
    w.u16(Fib::identifier);
    w.u16(Fib::version);
    w.u16(0);
    w.u16(0x0409);
    w.u16(0);
    w.u16(Fib::whichTableStream | Fib::extendedCharacters);
    w.u16(Fib::oldestReader);
    w.u32(0);
    w.u8(0);
    w.u8(0);
    w.u16(0);
    w.u16(0);
    // Where the text starts and ends, for readers of the older FIB.
    w.u32(Fib::textStart);
    w.u32(fc(static_cast<int>(m_text.size())));
    w.u16(Fib::shortCount);
    w.zeros(2 * (Fib::shortCount - 1));
    w.u16(0x0409);
    w.u16(Fib::longCount);
    for (int i = 0; i < Fib::longCount; ++i) {
        if (i == Fib::streamSize)
            w.u32(static_cast<uint32_t>(m_wordDocument.size()));
        else if (i == Fib::mainTextLength)
            w.u32(static_cast<uint32_t>(m_text.size()));
        else
            w.u32(0);
    }
    w.u16(Fib::pairCount);
    for (const auto &[offset, length] : m_pairs) {
        w.u32(offset);
        w.u32(length);
    }
    w.u16(0);
    m_wordDocument.replace(0, fib.size(), fib);
}

} // namespace engine
