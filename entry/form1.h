#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace shell {
class SpellChecker;
class Steps;
class WindowPointer;
} // namespace shell

namespace entry {

class FieldBox;
class UndoBar;

// The data-entry window: the 34 resume fields on a personal-data frame and six
// tab pages, and the three commands. Every change of a field is stored at once.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The load sequence: skin, caption, icon, title, pointer, restoring the
    // fields, and the check that a word processor can be started.
    void Form_Load();

    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();

    // The text box of the field with the given name, or null.
    FieldBox *field(const QString &name) const;
    shell::WindowPointer &pointer() const { return *m_pointer; }

    // What the create command runs between setting and clearing the busy state.
    void setResumeGenerator(std::function<void()> generator);

    // Puts the window in the middle of its screen.
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildButtons();
    void buildPersonalFrame();
    void buildTabs();
    void buildTextPage(int tab, int row);
    void buildJobFrame(QWidget *page, int job);
    void buildSchoolFrame(QWidget *page);
    QGroupBox *addInnerFrame(QWidget *page, const QString &name);
    QLabel *addLabel(QWidget *parent, int row, int left, int top, int width, int height);
    FieldBox *addField(QWidget *parent, int row, int left, int top, int width, int height);
    void setFocusOrder();
    void nameFieldsByTheirLabels();
    // Ctrl+Tab, Ctrl+PgDn and the others choose a page wherever the focus is.
    void buildPageKeys();
    void choosePageBy(int offset);
    void setDesignColours();
    void restoreFields(const shell::Steps &steps);
    void setFields(const QString &procedure, const std::function<QString(int)> &valueOfRow);
    // Sets every field as setFields does and, when that changed any, offers
    // to put the record back, saying `message`.
    void replaceRecord(const QString &procedure, const std::function<QString(int)> &valueOfRow,
                       const QString &message);
    QStringList currentRecord() const;
    void keepRecord(const std::optional<QStringList> &record);
    void offerKeptRecordFromLastRun();
    void undoReplacement();
    // Sets the box's text; the description of a failure to store it, if any.
    std::optional<QString> setTextAndStore(FieldBox &box, const QString &text);
    static QString failureKind(const QString &description, const QString &key);
    void storeField(const FieldBox &box, const QString &text);
    bool ignoresCreateClicks() const;
    void discardQueuedClicks();
    void Form_Unload();

    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QPushButton *PushButton3 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    std::array<QGroupBox *, 4> jobAndSchoolFrames{}; // Frame2 to Frame5
    std::array<QWidget *, 6> Picture1{};

    // One checker for all fields, so a word is checked once per run.
    std::shared_ptr<shell::SpellChecker> m_spelling;
    std::map<QString, FieldBox *> m_fields;
    std::array<FieldBox *, 34> m_fieldsByRow{};
    shell::WindowPointer *m_pointer = nullptr;
    std::function<void()> m_generateResume;
    bool mBusy = false;
    // While the program itself sets fields, a failure to store one belongs to
    // the procedure setting it, not to the field's change rule.
    bool m_collectStoreFailures = false;
    std::optional<QString> m_storeFailure;
    // The store failure last reported, while writing keeps failing that way.
    std::optional<QString> m_knownStoreFailure;
    UndoBar *m_undoBar = nullptr;
    // The record as it was before the last Clear or Sample, while it can be
    // put back; it is in the store too, so a crash does not lose it.
    std::optional<QStringList> m_keptRecord;
};

} // namespace entry
