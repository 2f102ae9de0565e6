#include "footrowdocument.h"

#include "automation/word/constants.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

FootRowDocument::FootRowDocument(word::Application &application, int fillerPoints, int minimumPoints,
                                 const QString &firstCell, const QString &secondCell)
    : m_document(application.documents()->add())
{
    auto selection = m_document->activeWindowSelection();
    auto table = m_document->addTable(selection->range(), 2, 2, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    table->setStyle(QStringLiteral("Table Normal"));
    table->rows(1)->setHeight(fillerPoints);
    if (minimumPoints > 0)
        table->rows(2)->setHeight(minimumPoints);
    selection->typeText(QStringLiteral("Filler"));
    selection->moveRight(word::wdCell, 2);
    selection->typeText(firstCell);
    selection->moveRight(word::wdCell, 1);
    selection->typeText(secondCell);
}
