#pragma once

#include "resume.h"
#include "shell/steps.h"

#include <QString>
#include <functional>
#include <memory>

namespace word {
class Font;
class ListLevel;
class ListTemplate;
class Selection;
class Table;
} // namespace word

namespace generator {

// One run of the generator: its numbered steps, the fields it reads, and the
// word-processor objects it makes and keeps for repeated use. An object whose
// step failed stays null, and every later step that needs it fails with its
// own report instead of touching a missing object.
class ResumeSession {
public:
    explicit ResumeSession(FieldText fieldText);

    // Runs `action` as step `step`; a failure is reported with that number.
    bool run(int step, const std::function<void()> &action) const;
    // Runs a test as step `step`; a test that fails counts as not met.
    bool test(int step, const std::function<bool()> &condition) const;
    // The text of a field as it is now.
    QString field(const QString &fieldName) const;

    // The objects of the run; each throws automation::Failure when it is missing.
    word::Application &application() const;
    word::Document &document() const;
    std::shared_ptr<word::Selection> selection() const;
    word::Table &table() const;
    word::ListLevel &listLevel() const;
    word::Font &listLevelFont() const;
    // The bullet template, or a automation::Failure when it is missing.
    std::shared_ptr<word::ListTemplate> listTemplate() const;

    // The steps that make or take the objects above.
    void startWord(int step);
    void addDocument(int step);
    void addTable(int step, int rows, int columns);
    void takeTable(int step);
    void addListTemplate(int step, const QString &name);
    void takeListTemplate(int step);
    void takeListLevel(int step, int level);
    void takeListLevelFont(int step);

    // Lets go of the document and of the instance, in that order.
    void releaseDocument(int step);
    void releaseApplication(int step);

    GeneratedDocument result() const;

private:
    shell::Steps m_steps;
    FieldText m_fieldText;
    std::shared_ptr<word::Application> m_application;
    std::shared_ptr<word::Document> m_document;
    std::shared_ptr<word::Table> m_addedTable;
    std::shared_ptr<word::Table> m_table;
    std::shared_ptr<word::ListTemplate> m_addedTemplate;
    std::shared_ptr<word::ListTemplate> m_template;
    std::shared_ptr<word::ListLevel> m_level;
    std::shared_ptr<word::Font> m_levelFont;
};

// Throws the automation::Failure of a step whose object (`what`, such as "The resume
// table") was never made because an earlier step failed.
[[noreturn]] void throwMissing(const char *what);

// `object`, never null: a step that needs a missing object fails with a clear
// description instead of touching it. Holding the pointer, not a reference to
// what it points to, keeps an object the word processor made for this call
// alive for as long as the step uses it.
template <typename T>
std::shared_ptr<T> required(std::shared_ptr<T> object, const char *what)
{
    if (!object)
        throwMissing(what);
    return object;
}

} // namespace generator
