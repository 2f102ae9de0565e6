#pragma once

#include "model/documentmodel.h"

#include <QByteArray>

namespace engine {

// The body of word/document.xml: the story's paragraphs and tables, then the
// section's page.
class DocxBody {
public:
    // The <w:body> element of `model`.
    static QByteArray write(const DocumentModel &model);

private:
    explicit DocxBody(const DocumentModel &model);

    void writeStory();
    void startParagraph(int index);
    void startRow(int index);
    void startCell(int cellEndIndex);
    void writeCharacter(const StoryPosition &position);
    void endParagraph(const StoryPosition &mark);
    void endRow();
    void closeTable();
    void closeRun();
    QByteArray paragraphProperties(const StoryPosition &mark) const;
    QByteArray sectionProperties() const;

    const DocumentModel &m_model;
    const Story &m_story;
    QByteArray m_out;
    // The table being written, or -1 outside tables.
    int m_table = -1;
    // The grid column the next cell of the row starts at.
    int m_column = 0;
    // The format of the open run, or -1 when no run is open.
    int m_runFormat = -1;
    bool m_textOpen = false;
};

} // namespace engine
