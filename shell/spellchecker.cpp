#include "spellchecker.h"

#include "spelldictionary.h"

#include <QElapsedTimer>
#include <QScopeGuard>

namespace shell {
namespace {

// One slice of checking stays well below what a typist would notice.
constexpr qint64 sliceBudgetNs = 3'000'000;
// How often to look whether the background load has finished.
constexpr int loadPollMs = 10;
constexpr int mostSuggestions = 5;
// How many words may be checked at once, as they are drawn, before the rest
// wait for an idle slice: a pasted page of new words must not stall a turn.
constexpr int checksNowPerSlice = 200;

} // namespace

SpellChecker::SpellChecker(std::function<std::unique_ptr<SpellDictionary>()> load)
    : m_load(std::move(load))
{
    connect(&m_slices, &QTimer::timeout, this, &SpellChecker::checkSlice);
}

SpellChecker::SpellChecker()
    : SpellChecker(&SpellDictionary::forUserLanguage)
{
}

// The background load, if any, is waited for by the future's destructor.
SpellChecker::~SpellChecker() = default;

SpellChecker::Verdict SpellChecker::verdict(const QString &word)
{
    const auto known = m_misspelt.constFind(word);
    if (known != m_misspelt.cend())
        return *known ? Verdict::Misspelt : Verdict::Correct;
    if (!m_queued.contains(word)) {
        m_queued.insert(word);
        m_queue.append(word);
    }
    if (!m_slices.isActive()) {
        if (!m_dictionary && !m_loading.valid())
            m_loading = std::async(std::launch::async, m_load);
        m_slices.start(m_dictionary ? 0 : loadPollMs);
    }
    return Verdict::NotYetKnown;
}

SpellChecker::Verdict SpellChecker::verdictNow(const QString &word)
{
    const auto known = m_misspelt.constFind(word);
    if (known != m_misspelt.cend())
        return *known ? Verdict::Misspelt : Verdict::Correct;
    if (m_checksNowLeft == 0 || (!m_dictionary && !dictionaryReady()))
        return verdict(word);
    --m_checksNowLeft;
    return isMisspelt(word) ? Verdict::Misspelt : Verdict::Correct;
}

bool SpellChecker::isMisspelt(const QString &word)
{
    const auto known = m_misspelt.constFind(word);
    if (known != m_misspelt.cend())
        return *known;
    const bool misspelt = !dictionary().isCorrect(word);
    m_misspelt.insert(word, misspelt);
    return misspelt;
}

QStringList SpellChecker::suggestions(const QString &word)
{
    return dictionary().suggestions(word, mostSuggestions);
}

void SpellChecker::addToDictionary(const QString &word)
{
    m_misspelt.insert(word, false);
    // Whatever happens to the list, the word is accepted for this run.
    const auto announce = qScopeGuard([this] { Q_EMIT dictionaryChanged(); });
    dictionary().add(word);
}

bool SpellChecker::isBusy() const
{
    return !m_queue.isEmpty() || m_slices.isActive();
}

void SpellChecker::checkSlice()
{
    if (!dictionaryReady()) {
        m_slices.start(loadPollMs);
        return;
    }
    m_slices.setInterval(0);
    m_checksNowLeft = checksNowPerSlice;
    QElapsedTimer timer;
    timer.start();
    while (!m_queue.isEmpty() && timer.nsecsElapsed() < sliceBudgetNs) {
        const QString word = m_queue.takeLast();
        m_queued.remove(word);
        m_misspelt.insert(word, !m_dictionary->isCorrect(word));
    }
    if (!m_queue.isEmpty())
        return;
    m_slices.stop();
    Q_EMIT wordsChecked();
}

bool SpellChecker::dictionaryReady()
{
    if (m_dictionary)
        return true;
    if (!m_loading.valid() || m_loading.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return false;
    m_dictionary = m_loading.get();
    return true;
}

SpellDictionary &SpellChecker::dictionary()
{
    if (!m_dictionary) {
        if (!m_loading.valid())
            m_loading = std::async(std::launch::async, m_load);
        m_dictionary = m_loading.get();
    }
    return *m_dictionary;
}

} // namespace shell
