#pragma once

#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/listtemplate.h"
#include "automation/word/selection.h"

#include <QStringList>
#include <memory>

// A small resume table built as the generator builds one, for the line-based
// bullet recipes: a details row, a merged row holding the block, and an
// unmerged row below. The insertion point is left after the block's last text.
class JobBlockDocument {
public:
    explicit JobBlockDocument(word::Application &application);

    // The block holds a job title (Tahoma 10 bold) and its duties (Times New Roman 11).
    void buildJob(const QString &title, const QStringList &duties);
    // The block holds a degree (Tahoma 10 bold) and the awards below it.
    void buildEducation(const QString &degree, const QString &awards);

    // The generator's responsibilities recipe, without applying the list.
    void selectDutiesByLines();
    // The generator's awards recipe, without applying the list.
    void selectAwardsLine();
    // Bullets the selected paragraphs with the generator's list template.
    void applyBullets();

    // The texts of the block's paragraphs that the selection touches.
    QStringList selectedParagraphs() const;
    // The texts of the block's paragraphs that carry a list.
    QStringList bulletedParagraphs() const;

    word::Document &document() { return *m_document; }
    word::Selection &selection() { return *m_selection; }

private:
    void startTable();
    void typeBlockHeading(const QString &text);
    std::shared_ptr<word::ListTemplate> bulletTemplate();

    word::Application &m_application;
    std::shared_ptr<word::Document> m_document;
    std::shared_ptr<word::Selection> m_selection;
};
