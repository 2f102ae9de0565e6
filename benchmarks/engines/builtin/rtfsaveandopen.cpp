// Time to save and to open a resume-sized document and one holding 1 MB of text.
#include "engines/builtin/builtinengine.h"
#include "sampledocument.h"

#include "automation/word/constants.h"
#include "automation/word/engine.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A megabyte of text in paragraphs of about 500 characters, with some
// characters outside ASCII as a real resume in many languages has.
QString megabyteOfText()
{
    QString text;
    text.reserve(1 << 20);
    const QString words = QStringLiteral("Led the migration of the billing platform; cut costs by 30% ");
    const QString accents = QStringLiteral("Zürich café résumé \u4E2D\u6587 ");
    int paragraph = 0;
    while (text.size() < (1 << 20)) {
        text += ++paragraph % 5 == 0 ? accents : words;
        if (paragraph % 8 == 0)
            text += QStringLiteral("\r\n");
    }
    text.truncate(1 << 20);
    return text;
}

class Fixture {
public:
    explicit Fixture(const QString &filler)
        : m_application(engine::builtInEngine()->create())
        , m_path(m_folder.path() + QStringLiteral("/document.doc"))
    {
        m_document = SampleDocument(*m_application).buildResume(filler);
        m_document->saveAs(m_path);
    }
    ~Fixture() { m_application->quit(); }

    void save() { m_document->saveAs(m_path); }
    void open() { m_application->documents()->open(m_path)->close(word::wdDoNotSaveChanges); }

private:
    QTemporaryDir m_folder;
    std::shared_ptr<word::Application> m_application;
    QString m_path;
    std::shared_ptr<word::Document> m_document;
};

Fixture &resume()
{
    static Fixture fixture{QString()};
    return fixture;
}

Fixture &megabyte()
{
    static Fixture fixture{megabyteOfText()};
    return fixture;
}

void saveResume(benchmark::State &state)
{
    for (auto _ : state)
        resume().save();
}

void openResume(benchmark::State &state)
{
    for (auto _ : state)
        resume().open();
}

void saveMegabyte(benchmark::State &state)
{
    for (auto _ : state)
        megabyte().save();
    state.SetBytesProcessed(state.iterations() * (1 << 20));
}

void openMegabyte(benchmark::State &state)
{
    for (auto _ : state)
        megabyte().open();
    state.SetBytesProcessed(state.iterations() * (1 << 20));
}

} // namespace

BENCHMARK(saveResume)->Unit(benchmark::kMicrosecond);
BENCHMARK(openResume)->Unit(benchmark::kMicrosecond);
BENCHMARK(saveMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK(openMegabyte)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
