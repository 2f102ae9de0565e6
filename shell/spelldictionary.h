#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;

namespace shell {

// A Hunspell dictionary for the user's language together with the user's own
// word list. Without an installed dictionary it is empty: it knows no word and
// finds none misspelt. Not tied to any thread, so it can be loaded in the
// background and used in the user-interface thread afterwards.
class SpellDictionary {
public:
    // Loads the dictionary of the user's language (LC_ALL, LC_MESSAGES, LANG;
    // else US English) from the dictionary folder, and the user's word list.
    static std::unique_ptr<SpellDictionary> forUserLanguage();

    // The folder of Hunspell dictionaries: PARVOLIN_DICTIONARY_FOLDER when set,
    // else the system's.
    static QString dictionaryFolder();
    // The language the environment asks for, as "de_DE"; "en_US" when none.
    static QString userLanguage();
    // The dictionary file (.dic) in `folder` that serves `language` best, or
    // an empty string.
    static QString findDictionary(const QString &folder, const QString &language);
    // The user's word list: parvolin/words in $XDG_DATA_HOME, else in
    // ~/.local/share.
    static QString wordListPath();

    SpellDictionary(const QString &dicPath, const QString &wordListPath);
    ~SpellDictionary();

    bool isEmpty() const { return !m_hunspell; }
    // True when the dictionary or the word list knows `word`; true for every
    // word when there is no dictionary.
    bool isCorrect(const QString &word);
    // Up to `most` corrections for `word`, best first.
    QStringList suggestions(const QString &word, int most);
    // Accepts `word` from now on and keeps it in the word list. The word is
    // accepted even when the list cannot be written; that failure is thrown.
    void add(const QString &word);

private:
    std::string encode(const QString &word, bool *ok) const;
    QString decode(const std::string &word) const;

    std::unique_ptr<Hunspell> m_hunspell;
    QByteArray m_encoding;
    QString m_wordListPath;
    QStringList m_ownWords;
};

} // namespace shell
