#include "word97reader.h"

#include "charactersprms.h"
#include "fkpwriter.h"
#include "fonttable.h"
#include "listtable.h"
#include "rowsprms.h"
#include "sprm.h"
#include "sprmreader.h"
#include "word97writer.h"
#include "automation/failure.h"
#include "formats/binary/bytecursor.h"
#include "formats/cfb/compoundfilereader.h"

namespace engine {
namespace {

// No page is wider or taller than 22 inches.
constexpr int widestTwips = 31680;
// A bin table's pages each hold at most this many runs.
constexpr int mostRunsPerPage = 255;

[[noreturn]] void refuse(const QString &detail)
{
    throw automation::Failure(ByteCursor::damaged(detail));
}

[[noreturn]] void unsupported(const QString &what)
{
    throw automation::Failure(
        QStringLiteral("The document cannot be opened: it holds %1, which this program does not read.").arg(what));
}

long alignment(uint32_t code)
{
    switch (code) {
    case 1: return word::wdAlignParagraphCenter;
    case 2: return word::wdAlignParagraphRight;
    case 3: return word::wdAlignParagraphJustify;
    default: return word::wdAlignParagraphLeft;
    }
}

} // namespace

DocumentModel Word97Reader::read(const QByteArray &bytes)
{
    Word97Reader reader(bytes);
    reader.readFib();
    reader.readText();
    reader.m_fonts = FontTable::read(reader.tablePart(Fib::FontTable));
    const auto lists = reader.m_pairs[Fib::ListTable];
    const auto overrides = reader.m_pairs[Fib::ListOverrides];
    const auto names = reader.m_pairs[Fib::ListNames];
    reader.m_model.lists = ListTable::read(reader.m_table, lists.first, lists.second, overrides.first,
                                           overrides.second, names.first, names.second, reader.m_fonts);
    reader.readPage();
    reader.buildStory();
    return std::move(reader.m_model);
}

Word97Reader::Word97Reader(const QByteArray &bytes)
    : m_bytes(bytes)
{
}

void Word97Reader::readFib()
{
    const CompoundFileReader file(m_bytes);
    m_wordDocument = file.stream(QStringLiteral("WordDocument"));
    ByteCursor fib(m_wordDocument, QStringLiteral("file information block"));
    if (fib.u16() != Fib::identifier)
        refuse(QStringLiteral("no Word document information block"));
    if (fib.u16() < Fib::version)
        unsupported(QStringLiteral("a Word document older than Word 97"));
    fib.seek(Fib::flagsAt);
    const uint32_t flags = fib.u16();
    if (flags & Fib::encrypted)
        unsupported(QStringLiteral("a password-protected document"));
    if (flags & Fib::complex)
        unsupported(QStringLiteral("a fast-saved document"));
    m_table = file.stream(flags & Fib::whichTableStream ? QStringLiteral("1Table") : QStringLiteral("0Table"));
    fib.seek(32);
    fib.skip(2 * static_cast<qint64>(fib.u16()));
    const uint32_t longs = fib.u16();
    if (longs < Fib::longCount)
        refuse(QStringLiteral("a short file information block"));
    fib.skip(4 * Fib::mainTextLength);
    m_textLength = fib.u32();
    fib.skip(4 * (static_cast<qint64>(longs) - Fib::mainTextLength - 1));
    if (fib.u16() < Fib::pairCount)
        refuse(QStringLiteral("a short file information block"));
    for (auto &[offset, length] : m_pairs) {
        offset = fib.u32();
        length = fib.u32();
    }
}

QByteArray Word97Reader::tablePart(Fib::Pair pair) const
{
    const auto [offset, length] = m_pairs[pair];
    ByteCursor cursor(m_table, offset, length, QStringLiteral("table stream part %1").arg(pair));
    return cursor.bytes(length);
}

void Word97Reader::readText()
{
    const QByteArray clx = tablePart(Fib::PieceTable);
    ByteCursor cursor(clx, QStringLiteral("piece table"));
    while (cursor.u8() == 0x01)
        cursor.skip(cursor.u16());
    const uint32_t length = cursor.u32();
    if (length != 4 * 2 + 8)
        unsupported(QStringLiteral("text in several pieces"));
    if (cursor.u32() != 0 || cursor.u32() != m_textLength || m_textLength == 0)
        refuse(QStringLiteral("a piece table that does not cover the text"));
    cursor.u16();
    const uint32_t fc = cursor.u32();
    if (fc & 0x40000000)
        unsupported(QStringLiteral("8-bit text"));
    ByteCursor text(m_wordDocument, fc, static_cast<qint64>(m_textLength) * 2, QStringLiteral("text"));
    if (fc != Fib::textStart)
        unsupported(QStringLiteral("text elsewhere than after the information block"));
    m_text.reserve(static_cast<qsizetype>(m_textLength));
    for (uint32_t i = 0; i < m_textLength; ++i)
        m_text += QChar(static_cast<char16_t>(text.u16()));
}

std::vector<Word97Reader::Run> Word97Reader::readBins(Fib::Pair pair, bool paragraphs) const
{
    const QByteArray bins = tablePart(pair);
    if (bins.size() < 12 || (bins.size() - 4) % 8 != 0)
        refuse(QStringLiteral("a bin table of an unusual size"));
    const qint64 pages = (bins.size() - 4) / 8;
    ByteCursor table(bins, QStringLiteral("bin table"));
    table.seek(4 * (pages + 1));
    std::vector<Run> runs;
    for (qint64 p = 0; p < pages; ++p) {
        const qint64 page = table.u32() & 0x3FFFFF;
        ByteCursor fkp(m_wordDocument, page * FkpWriter::pageSize, FkpWriter::pageSize, QStringLiteral("property page"));
        fkp.seek(FkpWriter::pageSize - 1);
        const int count = static_cast<int>(fkp.u8());
        if (count == 0 || count > mostRunsPerPage)
            refuse(QStringLiteral("a property page of no runs"));
        const int entrySize = paragraphs ? 13 : 1;
        for (int i = 0; i < count; ++i) {
            fkp.seek(4 * i);
            Run run{fkp.u32(), fkp.u32(), QByteArray()};
            fkp.seek(4 * (count + 1) + i * entrySize);
            const qint64 at = 2 * static_cast<qint64>(fkp.u8());
            if (at != 0) {
                fkp.seek(at);
                qint64 length = fkp.u8();
                if (paragraphs)
                    length = length == 0 ? 2 * static_cast<qint64>(fkp.u8()) : 2 * length - 1;
                run.grpprl = fkp.bytes(length);
            }
            if (run.fcEnd <= run.fcStart || (!runs.empty() && run.fcStart < runs.back().fcEnd))
                refuse(QStringLiteral("property runs out of order"));
            if (paragraphs) {
                if (run.grpprl.size() < 2 || run.grpprl.at(0) != 0 || run.grpprl.at(1) != 0)
                    unsupported(QStringLiteral("paragraph styles other than Normal"));
                run.grpprl.remove(0, 2);
            }
            runs.push_back(std::move(run));
        }
    }
    return runs;
}

void Word97Reader::readPage()
{
    const QByteArray sectionTable = tablePart(Fib::SectionTable);
    ByteCursor sections(sectionTable, QStringLiteral("section table"));
    if (sections.remaining() != 8 + 12)
        unsupported(QStringLiteral("more than one section"));
    sections.skip(8 + 2);
    const uint32_t at = sections.u32();
    ByteCursor cursor(m_wordDocument, at, m_wordDocument.size() - at, QStringLiteral("section properties"));
    const QByteArray grpprl = cursor.bytes(cursor.u16());
    PageGeometry &page = m_model.page;
    SprmReader reader(grpprl);
    while (reader.next()) {
        const int value = static_cast<int16_t>(reader.value());
        int *field = nullptr;
        switch (reader.sprm()) {
        case Sprm::sXaPage: field = &page.widthTwips; break;
        case Sprm::sYaPage: field = &page.heightTwips; break;
        case Sprm::sDxaLeft: field = &page.marginLeftTwips; break;
        case Sprm::sDxaRight: field = &page.marginRightTwips; break;
        case Sprm::sDyaTop: field = &page.marginTopTwips; break;
        case Sprm::sDyaBottom: field = &page.marginBottomTwips; break;
        default: break;
        }
        if (!field)
            continue;
        if (value < 0 || value > widestTwips)
            refuse(QStringLiteral("a page size or margin out of range"));
        *field = value;
    }
    if (page.textWidthTwips() <= 0 || page.textBottomTwips() <= page.marginTopTwips)
        refuse(QStringLiteral("margins that leave no room for text"));
}

void Word97Reader::buildStory()
{
    const std::vector<Run> characters = readBins(Fib::CharacterBins, false);
    const std::vector<Run> paragraphs = readBins(Fib::ParagraphBins, true);
    m_model.story.clear();
    m_model.story.reserve(static_cast<int>(m_text.size()));
    size_t character = 0;
    size_t paragraph = 0;
    for (int unit = 0; unit < m_text.size(); ++unit) {
        const uint32_t fc = Fib::textStart + 2 * static_cast<uint32_t>(unit);
        while (character < characters.size() && characters[character].fcEnd <= fc)
            ++character;
        while (paragraph < paragraphs.size() && paragraphs[paragraph].fcEnd <= fc)
            ++paragraph;
        const Run *characterRun = character < characters.size() && characters[character].fcStart <= fc
                                      ? &characters[character] : nullptr;
        const Run *paragraphRun = paragraph < paragraphs.size() && paragraphs[paragraph].fcStart <= fc
                                      ? &paragraphs[paragraph] : nullptr;
        if (QChar::isHighSurrogate(m_text.at(unit).unicode()) && unit + 1 < m_text.size()
            && QChar::isLowSurrogate(m_text.at(unit + 1).unicode())) {
            bool escaped = false;
            StoryPosition position;
            position.characterFormat = characterFormat(characterRun, escaped);
            position.character = QChar::surrogateToUcs4(m_text.at(unit), m_text.at(unit + 1));
            checkStructure(position);
            m_model.story.append(position);
            ++unit;
            continue;
        }
        appendPosition(unit, characterRun, paragraphRun);
    }
    finish();
}

int Word97Reader::characterFormat(const Run *run, bool &escaped)
{
    if (run == m_lastCharacterRun && run) {
        escaped = m_lastEscaped;
        return m_lastCharacterFormat;
    }
    CharacterFormat format;
    escaped = false;
    if (run)
        CharacterSprms::readRun(run->grpprl, m_fonts, format, escaped);
    m_lastCharacterRun = run;
    m_lastEscaped = escaped;
    m_lastCharacterFormat = m_model.story.internCharacterFormat(format);
    return m_lastCharacterFormat;
}

void Word97Reader::appendPosition(int unit, const Run *characters, const Run *paragraph)
{
    const char16_t code = m_text.at(unit).unicode();
    bool escaped = false;
    const int format = characterFormat(characters, escaped);
    StoryPosition position;
    if (code == 0x0D || code == 0x07) {
        if (!paragraph)
            refuse(QStringLiteral("a paragraph without properties"));
        position = markFor(code, *paragraph);
        position.characterFormat = format;
        if (position.mark == Mark::CellEnd)
            return endCell(position);
        if (position.mark == Mark::RowEnd)
            return endRow(position, paragraph->grpprl);
    } else if (escaped && code >= Word97Writer::controlPictures && code < Word97Writer::controlPictures + 0x20) {
        position.character = code - Word97Writer::controlPictures;
        position.characterFormat = format;
    } else if (code < 0x20 && code != 0x09) {
        unsupported(QStringLiteral("fields, objects or breaks (control character %1)").arg(code));
    } else {
        position.character = QChar::isSurrogate(code) ? char32_t(0xFFFD) : code;
        position.characterFormat = format;
    }
    checkStructure(position);
    m_model.story.append(position);
}

StoryPosition Word97Reader::markFor(char16_t unit, const Run &paragraph)
{
    bool inTable = false;
    bool rowEnd = false;
    SprmReader reader(paragraph.grpprl);
    while (reader.next()) {
        if (reader.sprm() == Sprm::pFInTable)
            inTable = reader.value() != 0;
        else if (reader.sprm() == Sprm::pFTtp)
            rowEnd = reader.value() != 0;
    }
    StoryPosition mark;
    if (unit == 0x07 && !inTable)
        unsupported(QStringLiteral("a cell mark outside any table"));
    if (unit == 0x0D && rowEnd)
        refuse(QStringLiteral("a row's end that is a paragraph mark"));
    mark.mark = unit == 0x0D ? (inTable ? Mark::CellParagraph : Mark::Paragraph)
                             : (rowEnd ? Mark::RowEnd : Mark::CellEnd);
    if (mark.mark != Mark::RowEnd)
        mark.paragraphFormat = m_model.story.internParagraphFormat(paragraphFormat(paragraph.grpprl));
    return mark;
}

ParagraphFormat Word97Reader::paragraphFormat(const QByteArray &grpprl) const
{
    ParagraphFormat format;
    SprmReader reader(grpprl);
    while (reader.next()) {
        if (reader.sprm() == Sprm::pJc80) {
            format.alignment = alignment(reader.value());
        } else if (reader.sprm() == Sprm::pIlfo) {
            const uint32_t list = reader.value();
            if (list > m_model.lists.size())
                refuse(QStringLiteral("a paragraph in a list the document does not define"));
            format.list = static_cast<int>(list) - 1;
        }
    }
    return format;
}

void Word97Reader::checkStructure(const StoryPosition &position)
{
    // A paragraph mark outside tables may not fall inside an unfinished
    // row; anything in a row belongs to a cell.
    switch (position.mark) {
    case Mark::Paragraph:
        if (m_inCell || !m_pendingCells.empty())
            refuse(QStringLiteral("a paragraph mark inside an unfinished table row"));
        break;
    case Mark::CellParagraph: m_inCell = true; break;
    default:
        if (!m_pendingCells.empty())
            m_inCell = true;
        break;
    }
}

void Word97Reader::endCell(StoryPosition mark)
{
    Story &story = m_model.story;
    m_pendingCells.push_back(story.size());
    m_inCell = false;
    story.append(mark);
    if (static_cast<int>(m_pendingCells.size()) > RowSprms::mostCellsPerRow)
        refuse(QStringLiteral("a row of more than %1 cells").arg(RowSprms::mostCellsPerRow));
}

void Word97Reader::endRow(StoryPosition mark, const QByteArray &grpprl)
{
    Story &story = m_model.story;
    if (m_pendingCells.empty() || m_inCell || story.at(story.size() - 1).mark != Mark::CellEnd)
        refuse(QStringLiteral("a row's end that does not follow its last cell"));
    const RowSprms::Row row = RowSprms::read(grpprl);
    if (row.cells.size() != m_pendingCells.size())
        refuse(QStringLiteral("a row whose cells do not match its definition"));
    const int firstCellStart = story.cellStart(m_pendingCells.front());
    // A row that follows another directly continues its table.
    if (firstCellStart != m_lastRowEnd + 1 || m_currentTable < 0) {
        m_currentTable = story.addTable(row.table);
        m_tableRows.emplace_back();
    }
    TableGrid::Row gridRow{row.leftEdgeTwips, row.rightEdgesTwips, {}};
    for (size_t i = 0; i < m_pendingCells.size(); ++i) {
        const int format = story.addCell(row.cells[i]);
        story.at(m_pendingCells[i]).structure = format;
        gridRow.cellFormats.push_back(format);
    }
    m_tableRows.back().push_back(gridRow);
    RowFormat format;
    format.table = m_currentTable;
    format.minimumHeightPoints = row.minimumHeightPoints;
    mark.structure = story.addRow(format);
    m_lastRowEnd = story.size();
    story.append(mark);
    m_pendingCells.clear();
}

void Word97Reader::finish()
{
    const Story &story = m_model.story;
    if (story.size() == 0 || story.at(story.size() - 1).mark != Mark::Paragraph)
        refuse(QStringLiteral("text that does not end with a paragraph mark"));
    for (size_t table = 0; table < m_tableRows.size(); ++table)
        TableGrid::assign(m_model.story, static_cast<int>(table), m_tableRows[table]);
}

} // namespace engine
