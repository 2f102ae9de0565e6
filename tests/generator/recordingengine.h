#pragma once

#include "automation/word/engine.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace testsupport {

// Every call made on a recording engine's objects, one line each, such as
// `Selection.MoveRight(Unit=12, Count=1)` or `Selection.Font.Size = 12`.
// Lines start with the object's path from its root (Engine, Application,
// Document, Selection, Table, ListTemplate). Calls that only read, an object
// (`Selection.Cells`, `Table.Rows(3)`) or a value (`Application.Name`), are
// reads; methods and property sets are actions. It can be told to make chosen
// calls fail with a automation::Failure.
class CallLog {
public:
    enum class Kind { Read, Action };

    // Every call of `member` fails, or only its `occurrence`-th one (from 1).
    // `member` is the end of a call's path: "Font.Name" matches
    // "Selection.Font.Name" and "ListTemplate.ListLevels(1).Font.Name";
    // "Columns" matches "Table.Columns(2)".
    void failAt(const QString &member, int occurrence = 0);
    // The `index`-th action of the whole log (from 1) fails, whatever it is.
    void failAtAction(int index);

    // Records one call; throws automation::Failure when a rule says it fails.
    void record(Kind kind, const QString &member, const QString &arguments = QString());

    QStringList lines() const;
    QStringList actions() const;
    // The lines of the calls that were made to fail.
    QStringList failures() const;

private:
    struct Rule {
        QString member;
        int occurrence;
        int seen = 0;
    };
    struct Call {
        Kind kind;
        QString line;
        bool failed;
    };

    bool shouldFail(Kind kind, const QString &member);

    std::vector<Rule> m_rules;
    std::optional<int> m_failingAction;
    int m_actions = 0;
    std::vector<Call> m_calls;
};

// A word processor that does nothing but answer sensibly and record every
// call in its log: objects remember what was set on them, moves report that
// they went as far as asked. Tests tell it whether it can start, whether an
// instance already runs and which calls fail.
class RecordingEngine : public word::Engine {
public:
    RecordingEngine();

    QString knownName() const override;
    std::shared_ptr<word::Application> create() override;
    std::shared_ptr<word::Application> attachRunning() override;

    CallLog &log() { return *m_log; }
    void setCanCreate(bool canCreate) { m_canCreate = canCreate; }
    // The name a running instance answers with; none runs when not set.
    void setRunningName(std::optional<QString> name) { m_runningName = std::move(name); }
    int createdCount() const { return m_created; }

private:
    std::shared_ptr<CallLog> m_log;
    bool m_canCreate = true;
    std::optional<QString> m_runningName;
    int m_created = 0;
};

// Registers a recording engine and selects it through PARVOLIN_ENGINE for its
// lifetime; afterwards the built-in engine is selected again.
class RecordingEngineSelection {
public:
    RecordingEngineSelection();
    ~RecordingEngineSelection();
    RecordingEngineSelection(const RecordingEngineSelection &) = delete;
    RecordingEngineSelection &operator=(const RecordingEngineSelection &) = delete;

    RecordingEngine &engine() { return *m_engine; }

private:
    std::shared_ptr<RecordingEngine> m_engine;
};

} // namespace testsupport
