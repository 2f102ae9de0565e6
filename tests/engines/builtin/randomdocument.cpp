#include "randomdocument.h"

#include "automation/word/constants.h"
#include "automation/failure.h"
#include "automation/word/font.h"
#include "automation/word/listtemplate.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

using namespace word;

namespace {

// Characters a format must carry through: its own markup, controls, emoji,
// right-to-left and CJK text, a symbol-font bullet and a lone surrogate.
const char32_t awkward[] = {U'\\', U'{', U'}', U';', U'\t', U'\r', U'\n', 0x01, 0x07, 0x0B, 0x1F, 0x7F, 0x00,
                            0xA0, 0xE9, 0x20AC, 0x05D0, 0x05E9, 0x0627, 0x0644, 0x200F, 0x4E2D, 0x6587,
                            0x3042, 0xAC00, 0x1F600, 0x1F468, 0x200D, 0xF0A7, 0xFFFD, 0xFEFF, 0x10FFFF, U'?'};
const char *const fonts[] = {"Calibri", "Tahoma", "Times New Roman", "Arial", "Wingdings", "Noto Sans CJK",
                             "Zapf {Dingbats}", "Fira\\Code"};

} // namespace

RandomDocument::RandomDocument(Application &application, unsigned seed)
    : m_application(application)
    , m_random(seed)
{
}

int RandomDocument::below(int bound)
{
    return static_cast<int>(m_random() % static_cast<unsigned>(bound));
}

QString RandomDocument::randomText(int maximumLength)
{
    QString text;
    const int length = below(maximumLength + 1);
    for (int i = 0; i < length; ++i) {
        char32_t c = 0;
        switch (below(4)) {
        case 0: c = awkward[below(static_cast<int>(std::size(awkward)))]; break;
        case 1: c = static_cast<char32_t>(0x20 + below(0x5F)); break;
        case 2: c = static_cast<char32_t>(below(0x2FFFF) + 1); break;
        default: c = static_cast<char32_t>(U'a' + below(26)); break;
        }
        if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xD800;
        text += QString::fromUcs4(&c, 1);
    }
    // Sometimes half a surrogate pair, which typing turns into U+FFFD.
    if (below(20) == 0)
        text += QChar(0xD83D);
    return text;
}

std::shared_ptr<Document> RandomDocument::build()
{
    m_document = m_application.documents()->add();
    m_selection = m_document->activeWindowSelection();
    const int steps = 5 + below(60);
    for (int i = 0; i < steps; ++i) {
        try {
            step();
        } catch (const automation::Failure &) {
            // Some random steps are not allowed where the selection stands
            // (typing at a row's end, merging across rows); they change nothing.
        }
    }
    return m_document;
}

void RandomDocument::step()
{
    switch (below(12)) {
    case 0: addTable(); break;
    case 1: formatCells(); break;
    case 2: changeFont(); break;
    case 3: addList(); break;
    case 4: applyList(); break;
    case 5: m_selection->paragraphFormat()->setAlignment(below(4)); break;
    case 6: m_selection->moveRight(wdCell, below(3) + 1); break;
    case 7: m_selection->moveLeft(wdCharacter, below(8), below(2)); break;
    case 8: m_selection->moveRight(wdCharacter, below(8), below(2)); break;
    case 9: m_selection->insertSymbol(below(2) ? 9679 : -3929, true, 0); break;
    default: m_selection->typeText(randomText(30)); break;
    }
}

void RandomDocument::addTable()
{
    const int rows = 1 + below(4);
    const int columns = 1 + below(4);
    auto table = m_document->addTable(m_selection->range(), rows, columns, below(2), below(3));
    for (int column = 1; column <= columns; ++column)
        table->columns(column)->setWidth(20 + below(2000) / 10.0);
    for (int row = 1; row <= rows; ++row)
        table->rows(row)->setHeight(below(3) ? below(1000) / 10.0 : 0);
    table->setStyle(below(2) ? QStringLiteral("Table Normal") : QStringLiteral("Table Grid"));
    table->setApplyStyleHeadingRows(below(2));
    table->setApplyStyleLastRow(below(2));
    table->setApplyStyleFirstColumn(below(2));
    table->setApplyStyleLastColumn(below(2));
}

void RandomDocument::formatCells()
{
    if (below(3) == 0) {
        m_selection->moveRight(wdCharacter, below(4), wdExtend);
        m_selection->cells()->merge();
        return;
    }
    auto cells = m_selection->cells();
    const long alignments[] = {wdCellAlignVerticalTop, wdCellAlignVerticalCenter, wdCellAlignVerticalBottom};
    cells->setVerticalAlignment(alignments[below(3)]);
    const long widths[] = {2, 4, 6, 8, 12, 18, 24, 36, 48};
    auto border = cells->borders()->item(-1 - below(4));
    border->setLineStyle(below(2));
    border->setLineWidth(widths[below(9)]);
    border->setColor(below(2) ? wdColorAutomatic : static_cast<long>(m_random() & 0xFFFFFF));
    cells->borders()->setShadow(below(2));
}

void RandomDocument::changeFont()
{
    auto font = m_selection->font();
    switch (below(3)) {
    case 0: font->setName(QString::fromUtf8(fonts[below(static_cast<int>(std::size(fonts)))])); break;
    case 1: font->setSize(1 + below(200) / 2.0); break;
    default: font->setBold(below(2)); break;
    }
}

void RandomDocument::addList()
{
    auto list = m_document->addListTemplate(randomText(12), below(2));
    auto level = list->listLevels(1 + below(9));
    level->setNumberFormat(below(2) ? QString(QChar(0xF0A7)) : QStringLiteral("%1.") + randomText(3));
    level->setTrailingCharacter(below(3));
    const long styles[] = {0, 1, 2, 3, 4, 23, 255};
    level->setNumberStyle(styles[below(7)]);
    level->setNumberPosition(below(200));
    level->setAlignment(below(3));
    level->setTextPosition(below(200));
    level->setTabPosition(below(200));
    level->setStartAt(below(100));
    auto font = level->font();
    for (int i = 0; i < 4; ++i) {
        const auto property = static_cast<FontProperty>(below(16));
        double value = below(2) ? True : False;
        if (property == FontProperty::Size)
            value = 1 + below(100);
        else if (property == FontProperty::Color)
            value = below(2) ? static_cast<double>(m_random() & 0xFFFFFF) : static_cast<double>(wdColorAutomatic);
        else if (property == FontProperty::Underline)
            value = below(2);
        else if (property == FontProperty::Animation)
            value = below(7);
        font->set(property, value);
    }
    font->setName(QString::fromUtf8(fonts[below(static_cast<int>(std::size(fonts)))]));
    m_lists.push_back(list);
}

void RandomDocument::applyList()
{
    if (m_lists.empty())
        return;
    m_selection->range()->listFormat()->applyListTemplate(m_lists[static_cast<size_t>(below(static_cast<int>(m_lists.size())))],
                                                          false, wdListApplyToThisPointForward, wdWord10ListBehavior);
}
