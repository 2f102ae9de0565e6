#include "sampledocument.h"

#include "automation/word/constants.h"
#include "automation/word/font.h"
#include "automation/word/range.h"
#include "automation/word/table.h"

using namespace word;

namespace {

const QString contact = QStringLiteral("12 Elm Street, Springfield 12345 ");
const QString phone = QStringLiteral(" 555-0100 ");
const QString email = QStringLiteral(" jane@example.com");
const QString name = QStringLiteral("Jane Q. Example");
const QString objective = QStringLiteral("To build sound software.");
const QString references = QStringLiteral("Available on request.");
const QStringList jobTexts = {QStringLiteral("2019-2024"), QStringLiteral("Acme Corp"), QStringLiteral("Boston"),
                              QStringLiteral("Senior Developer")};
const QStringList duties = {QStringLiteral("Led the team"), QStringLiteral("Shipped releases"),
                            QStringLiteral("Mentored juniors")};

} // namespace

SampleDocument::SampleDocument(Application &application)
    : m_application(application)
{
}

QStringList SampleDocument::resumeTexts()
{
    return QStringList{contact, phone.trimmed(), email.trimmed(), name, QStringLiteral("Objective"), objective,
                       QStringLiteral("Experience")}
           + jobTexts + duties + QStringList{QStringLiteral("References"), references};
}

void SampleDocument::nextCell()
{
    m_selection->moveRight(wdCell, 1);
}

void SampleDocument::mergeRow()
{
    m_selection->moveRight(wdCharacter, 3, wdExtend);
    m_selection->cells()->merge();
}

void SampleDocument::heading(const QString &text, long ruleWidth)
{
    auto font = m_selection->font();
    font->setSize(12);
    font->setName(QStringLiteral("Tahoma"));
    font->setBold(true);
    m_selection->typeText(text);
    m_selection->cells()->setVerticalAlignment(wdCellAlignVerticalBottom);
    auto borders = m_selection->cells()->borders();
    borders->item(wdBorderLeft)->setLineStyle(wdLineStyleNone);
    borders->item(wdBorderRight)->setLineStyle(wdLineStyleNone);
    borders->item(wdBorderTop)->setLineStyle(wdLineStyleNone);
    auto bottom = borders->item(wdBorderBottom);
    bottom->setLineStyle(wdLineStyleSingle);
    bottom->setLineWidth(ruleWidth);
    bottom->setColor(wdColorAutomatic);
    borders->setShadow(false);
}

void SampleDocument::headingRow(const QString &text, long ruleWidth)
{
    nextCell();
    mergeRow();
    heading(text, ruleWidth);
}

void SampleDocument::detailsRow(const QString &dates, const QString &company, const QString &city)
{
    const QStringList texts = {dates, company, city};
    const long alignments[] = {wdAlignParagraphLeft, wdAlignParagraphCenter, wdAlignParagraphRight};
    for (int i = 0; i < 3; ++i) {
        nextCell();
        m_selection->font()->setSize(11);
        m_selection->cells()->setVerticalAlignment(wdCellAlignVerticalBottom);
        if (i > 0)
            m_selection->paragraphFormat()->setAlignment(alignments[i]);
        m_selection->typeText(texts.at(i));
    }
}

void SampleDocument::createBulletTemplate()
{
    m_bullets = m_document->addListTemplate(QStringLiteral("my list"), true);
    auto level = m_bullets->listLevels(1);
    level->setNumberFormat(QString(QChar(0xF0A7)));
    level->setTrailingCharacter(wdTrailingTab);
    level->setNumberStyle(wdListNumberStyleBullet);
    level->setNumberPosition(m_application.inchesToPoints(0.25));
    level->setAlignment(wdListLevelAlignLeft);
    level->setTextPosition(m_application.inchesToPoints(0.5));
    level->setTabPosition(m_application.inchesToPoints(0.5));
    level->setResetOnHigher(0);
    level->setStartAt(1);
    auto font = level->font();
    for (int property = 0; property <= static_cast<int>(FontProperty::DoubleStrikeThrough); ++property)
        font->set(static_cast<FontProperty>(property), wdUndefined);
    font->setName(QStringLiteral("Wingdings"));
    level->setLinkedStyle(QString());
}

void SampleDocument::bulletLastParagraphs(int paragraphs, int characters)
{
    // Without line moves the stretch is chosen by characters: back over the
    // last paragraphs' text and the marks between them.
    m_selection->moveLeft(wdCharacter, characters + paragraphs - 1, wdExtend);
    m_selection->range()->listFormat()->applyListTemplate(m_bullets, false, wdListApplyToThisPointForward,
                                                          wdWord10ListBehavior);
}

void SampleDocument::bulletedBlock(const QString &title, const QStringList &items)
{
    nextCell();
    mergeRow();
    auto font = m_selection->font();
    font->setSize(10);
    font->setName(QStringLiteral("Tahoma"));
    font->setBold(true);
    m_selection->typeText(title);
    font->setSize(11);
    font->setName(QStringLiteral("Times New Roman"));
    font->setBold(false);
    m_selection->typeText(QStringLiteral("\r\n") + items.join(QStringLiteral("\r\n")));
    bulletLastParagraphs(static_cast<int>(items.size()), static_cast<int>(items.join(QString()).size()));
}

std::shared_ptr<Document> SampleDocument::buildResume(const QString &filler)
{
    m_document = m_application.documents()->add();
    m_selection = m_document->activeWindowSelection();
    auto table = m_document->addTable(m_selection->range(), 18, 3, wdWord9TableBehavior, wdAutoFitFixed);
    const double widths[] = {100, 240, 100};
    for (int column = 1; column <= 3; ++column)
        table->columns(column)->setWidth(widths[column - 1]);
    const std::pair<int, double> heights[] = {{1, 15}, {2, 40}, {3, 25}, {4, 25}, {5, 25}, {6, 30}, {7, 50},
                                              {9, 30}, {12, 30}, {14, 25}, {15, 30}, {17, 25}, {18, 25}};
    for (const auto &[row, height] : heights)
        table->rows(row)->setHeight(height);
    table->setStyle(QStringLiteral("Table Normal"));
    table->setApplyStyleHeadingRows(true);
    table->setApplyStyleLastRow(true);
    table->setApplyStyleFirstColumn(true);
    table->setApplyStyleLastColumn(true);

    mergeRow();
    m_selection->font()->setSize(9);
    m_selection->typeText(contact);
    m_selection->insertSymbol(9679, true, 0);
    m_selection->typeText(phone);
    m_selection->insertSymbol(9679, true, 0);
    m_selection->typeText(email);
    m_selection->paragraphFormat()->setAlignment(wdAlignParagraphCenter);

    nextCell();
    mergeRow();
    m_selection->font()->setSize(22);
    m_selection->font()->setName(QStringLiteral("Tahoma"));
    m_selection->font()->setBold(true);
    m_selection->paragraphFormat()->setAlignment(wdAlignParagraphCenter);
    m_selection->typeText(name);
    m_selection->cells()->setVerticalAlignment(wdCellAlignVerticalBottom);

    headingRow(QStringLiteral("Objective"), wdLineWidth100pt);
    nextCell();
    mergeRow();
    m_selection->font()->setSize(11);
    m_selection->typeText(objective + filler);
    m_selection->cells()->setVerticalAlignment(wdCellAlignVerticalBottom);
    headingRow(QStringLiteral("Experience"), wdLineWidth150pt);

    createBulletTemplate();
    detailsRow(jobTexts.at(0), jobTexts.at(1), jobTexts.at(2));
    bulletedBlock(jobTexts.at(3), duties);
    // Rows 8 to 16 stay empty here; the sample needs one of each kind of row.
    for (int row = 8; row <= 16; ++row) {
        nextCell();
        mergeRow();
    }
    headingRow(QStringLiteral("References"), wdLineWidth150pt);
    nextCell();
    mergeRow();
    m_selection->font()->setSize(11);
    m_selection->cells()->setVerticalAlignment(wdCellAlignVerticalBottom);
    m_selection->typeText(references);
    return m_document;
}
