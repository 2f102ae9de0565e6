#include "jobblockdocument.h"

#include "storyinspection.h"

#include "objects/builtinrange.h"
#include "automation/word/constants.h"
#include "automation/word/font.h"
#include "automation/word/range.h"
#include "automation/word/table.h"

using namespace word;

namespace {

// The paragraphs of the merged block row: [start, mark] each.
std::vector<std::pair<int, int>> blockParagraphs(const engine::Story &story)
{
    std::vector<std::pair<int, int>> paragraphs;
    int row = 0;
    for (int from = 0; from < story.size(); ++from) {
        if (story.at(from).mark == engine::Mark::RowEnd) {
            ++row;
            continue;
        }
        const int mark = story.paragraphEnd(from);
        if (row == 1 && mark >= 0)
            paragraphs.emplace_back(from, mark);
        from = mark < 0 ? from : mark;
    }
    return paragraphs;
}

} // namespace

JobBlockDocument::JobBlockDocument(Application &application)
    : m_application(application)
{
}

void JobBlockDocument::startTable()
{
    m_document = m_application.documents()->add();
    m_selection = m_document->activeWindowSelection();
    auto table = m_document->addTable(m_selection->range(), 3, 3, wdWord9TableBehavior, wdAutoFitFixed);
    const double widths[] = {100, 240, 100};
    for (int column = 1; column <= 3; ++column)
        table->columns(column)->setWidth(widths[column - 1]);
    table->rows(1)->setHeight(30);
    table->setStyle(QStringLiteral("Table Normal"));
    const QStringList details = {QStringLiteral("2019-2024"), QStringLiteral("Acme Corp"), QStringLiteral("Boston")};
    for (const QString &text : details) {
        m_selection->font()->setSize(11);
        m_selection->cells()->setVerticalAlignment(wdCellAlignVerticalBottom);
        m_selection->typeText(text);
        m_selection->moveRight(wdCell, 1);
    }
    m_selection->moveRight(wdCharacter, 3, wdExtend);
    m_selection->cells()->merge();
}

void JobBlockDocument::typeBlockHeading(const QString &text)
{
    auto font = m_selection->font();
    font->setSize(10);
    font->setName(QStringLiteral("Tahoma"));
    font->setBold(true);
    m_selection->typeText(text);
    font->setSize(11);
    font->setName(QStringLiteral("Times New Roman"));
    font->setBold(false);
}

void JobBlockDocument::buildJob(const QString &title, const QStringList &duties)
{
    startTable();
    typeBlockHeading(title);
    m_selection->typeText(QStringLiteral("\r\n") + duties.join(QStringLiteral("\r\n")));
}

void JobBlockDocument::buildEducation(const QString &degree, const QString &awards)
{
    startTable();
    typeBlockHeading(degree);
    m_selection->typeText(QStringLiteral("\r\n") + awards);
}

void JobBlockDocument::selectDutiesByLines()
{
    m_selection->homeKey(wdLine);
    m_selection->moveUp(wdLine, 2);
    m_selection->moveDown(wdLine, 3, wdExtend);
    m_selection->moveLeft(wdCharacter, 3, wdExtend);
}

void JobBlockDocument::selectAwardsLine()
{
    m_selection->homeKey(wdLine, wdExtend);
}

std::shared_ptr<ListTemplate> JobBlockDocument::bulletTemplate()
{
    auto bullets = m_document->addListTemplate(QStringLiteral("my list"), true);
    auto level = bullets->listLevels(1);
    level->setNumberFormat(QString(QChar(0xF0A7)));
    level->setNumberStyle(wdListNumberStyleBullet);
    level->setNumberPosition(m_application.inchesToPoints(0.25));
    level->setTextPosition(m_application.inchesToPoints(0.5));
    level->setTabPosition(m_application.inchesToPoints(0.5));
    level->font()->setName(QStringLiteral("Wingdings"));
    return bullets;
}

void JobBlockDocument::applyBullets()
{
    m_selection->range()->listFormat()->applyListTemplate(bulletTemplate(), false, wdListApplyToThisPointForward,
                                                          wdWord10ListBehavior);
}

QStringList JobBlockDocument::selectedParagraphs() const
{
    // Held, not borrowed: the range is made for this call and would be gone
    // by the next line.
    const std::shared_ptr<word::Range> held = m_selection->range();
    const auto *range = dynamic_cast<const engine::BuiltInRange *>(held.get());
    const engine::Story &story = StoryInspection::model(*m_document).story;
    QStringList touched;
    for (const auto &[from, mark] : blockParagraphs(story)) {
        // A collapsed selection touches the paragraph it stands in.
        const int last = range->to() > range->from() ? range->to() - 1 : range->from();
        if (range->from() <= mark && last >= from)
            touched << StoryInspection::text(story, from, mark);
    }
    return touched;
}

QStringList JobBlockDocument::bulletedParagraphs() const
{
    const engine::Story &story = StoryInspection::model(*m_document).story;
    QStringList bulleted;
    for (const auto &[from, mark] : blockParagraphs(story)) {
        if (story.paragraphFormat(story.at(mark).paragraphFormat).list >= 0)
            bulleted << StoryInspection::text(story, from, mark);
    }
    return bulleted;
}
