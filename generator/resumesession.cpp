#include "resumesession.h"

#include "engineregistry.h"
#include "automation/failure.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/failure.h"
#include "automation/word/font.h"
#include "automation/word/listtemplate.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

namespace generator {

void throwMissing(const char *what)
{
    throw automation::Failure(QStringLiteral("%1 is missing because an earlier step could not create it.")
                          .arg(QLatin1String(what)));
}

ResumeSession::ResumeSession(FieldText fieldText)
    : m_steps(QStringLiteral("Resume.GenerateResume"))
    , m_fieldText(std::move(fieldText))
{
}

bool ResumeSession::run(int step, const std::function<void()> &action) const
{
    return m_steps.run(step, action);
}

bool ResumeSession::test(int step, const std::function<bool()> &condition) const
{
    bool met = false;
    run(step, [&] { met = condition(); });
    return met;
}

QString ResumeSession::field(const QString &fieldName) const
{
    if (!m_fieldText)
        throw automation::Failure(QStringLiteral("The resume field \"%1\" cannot be read: no fields were given.")
                                 .arg(fieldName));
    return m_fieldText(fieldName);
}

word::Application &ResumeSession::application() const
{
    return *required(m_application, "The word-processor instance");
}

word::Document &ResumeSession::document() const
{
    return *required(m_document, "The resume document");
}

std::shared_ptr<word::Selection> ResumeSession::selection() const
{
    // Every edit goes through the selection of the document's own window,
    // taken afresh for each step as the word processor holds all positions.
    return required(document().activeWindowSelection(), "The document window's selection");
}

word::Table &ResumeSession::table() const
{
    return *required(m_table, "The resume table");
}

word::ListLevel &ResumeSession::listLevel() const
{
    return *required(m_level, "The bullet list level");
}

word::Font &ResumeSession::listLevelFont() const
{
    return *required(m_levelFont, "The bullet's font");
}

std::shared_ptr<word::ListTemplate> ResumeSession::listTemplate() const
{
    return required(m_template, "The bullet list template");
}

void ResumeSession::startWord(int step)
{
    run(step, [&] { m_application = generator::createObject(QStringLiteral("Word.Application")); });
}

void ResumeSession::addDocument(int step)
{
    run(step, [&] { m_document = required(application().documents(), "The document collection")->add(); });
}

void ResumeSession::addTable(int step, int rows, int columns)
{
    run(step, [&] {
        // The table goes where the new document's insertion point stands.
        const auto target = required(application().activeDocument(), "The active document");
        const auto insertionPoint = required(selection()->range(), "The insertion point's range");
        m_addedTable = target->addTable(insertionPoint, rows, columns, word::wdWord9TableBehavior,
                                       word::wdAutoFitFixed);
    });
}

void ResumeSession::takeTable(int step)
{
    run(step, [&] {
        required(m_addedTable, "The new table");
        m_table = m_addedTable;
    });
}

void ResumeSession::addListTemplate(int step, const QString &name)
{
    run(step, [&] { m_addedTemplate = document().addListTemplate(name, true); });
}

void ResumeSession::takeListTemplate(int step)
{
    run(step, [&] {
        required(m_addedTemplate, "The new list template");
        m_template = m_addedTemplate;
    });
}

void ResumeSession::takeListLevel(int step, int level)
{
    run(step, [&] { m_level = required(m_template, "The bullet list template")->listLevels(level); });
}

void ResumeSession::takeListLevelFont(int step)
{
    run(step, [&] { m_levelFont = listLevel().font(); });
}

void ResumeSession::releaseDocument(int step)
{
    run(step, [&] { m_document.reset(); });
}

void ResumeSession::releaseApplication(int step)
{
    run(step, [&] { m_application.reset(); });
}

GeneratedDocument ResumeSession::result() const
{
    return {m_application, m_document, false};
}

} // namespace generator
