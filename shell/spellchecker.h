#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <future>
#include <memory>

namespace shell {

class SpellDictionary;

// Spell-checks words for the fields of one window without ever holding up
// typing: the dictionary is loaded in the background the first time a word
// needs it, and words are checked in short slices while the program is idle.
// Verdicts are remembered, so text seen before costs only a lookup.
class SpellChecker : public QObject {
    Q_OBJECT

public:
    enum class Verdict { Correct, Misspelt, NotYetKnown };

    // A checker for the user's language; `load` makes the dictionary, in the
    // background, on first need.
    explicit SpellChecker(std::function<std::unique_ptr<SpellDictionary>()> load);
    SpellChecker();
    ~SpellChecker() override;

    // What is known about `word`; a word not known yet is checked soon, and
    // wordsChecked() follows.
    Verdict verdict(const QString &word);
    // As verdict(), but a word not known yet is checked at once when the
    // dictionary is loaded: for the few words of a short text, where one
    // check costs less than drawing the text again later.
    Verdict verdictNow(const QString &word);
    // Whether `word` is misspelt, found now (the user asked, so waiting for the
    // dictionary is right).
    bool isMisspelt(const QString &word);
    // Up to five corrections for `word`, best first.
    QStringList suggestions(const QString &word);
    // Accepts `word` from now on, here and in later runs; throws
    // automation::Failure when the word list cannot be written.
    void addToDictionary(const QString &word);
    // True while words wait to be checked or the dictionary is loading.
    bool isBusy() const;

signals:
    // Every word asked about has been checked: text drawn before its
    // verdict came may need drawing again.
    void wordsChecked();
    // A word was added to the dictionary: any text may need drawing again.
    void dictionaryChanged();

private:
    void checkSlice();
    bool dictionaryReady();
    SpellDictionary &dictionary();

    std::function<std::unique_ptr<SpellDictionary>()> m_load;
    std::future<std::unique_ptr<SpellDictionary>> m_loading;
    std::unique_ptr<SpellDictionary> m_dictionary;
    QHash<QString, bool> m_misspelt;
    QStringList m_queue;
    QSet<QString> m_queued;
    int m_checksNowLeft = 0;
    QTimer m_slices;
};

} // namespace shell
