#pragma once

#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/listtemplate.h"
#include "automation/word/selection.h"

#include <QString>
#include <memory>

// Builds documents through the automation interface the way the resume
// generator does: one 18-row, 3-column table filled by moving the selection.
class SampleDocument {
public:
    explicit SampleDocument(word::Application &application);

    // The resume, with `filler` appended to the objective (for large documents).
    std::shared_ptr<word::Document> buildResume(const QString &filler = QString());

    // Texts typed into the resume, in reading order.
    static QStringList resumeTexts();

private:
    void nextCell();
    void mergeRow();
    void heading(const QString &text, long ruleWidth);
    void headingRow(const QString &text, long ruleWidth);
    void detailsRow(const QString &dates, const QString &company, const QString &city);
    void bulletedBlock(const QString &title, const QStringList &items);
    void bulletLastParagraphs(int paragraphs, int characters);
    void createBulletTemplate();

    word::Application &m_application;
    std::shared_ptr<word::Document> m_document;
    std::shared_ptr<word::Selection> m_selection;
    std::shared_ptr<word::ListTemplate> m_bullets;
};
