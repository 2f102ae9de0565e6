// Time to lay a document out and draw every page at the preview's resolution,
// through the calls the page renderer makes on the saved file: Open,
// Repaginate, the page count and one picture per page. Opening alone is timed
// too, and for the long paragraphs the layout without pictures. Paragraphs
// laid out by the previous run are taken from the engine's memo, as the
// preview finds those the generator laid out. Run:
//   build/benchmarks/engine/layoutandpagepictures --benchmark_repetitions=10
#include "engines/builtin/builtinengine.h"
#include "objectivefiller.h"
#include "sampledocument.h"

#include "automation/word/constants.h"
#include "automation/word/engine.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// The resolution the preview asks for on a screen of device pixel ratio 1.
constexpr double previewPixelsPerInch = 63;

class Fixture {
public:
    explicit Fixture(const QString &filler)
        : m_application(engine::builtInEngine()->create())
        , m_path(m_folder.path() + QStringLiteral("/document.doc"))
    {
        SampleDocument(*m_application).buildResume(filler)->saveAs(m_path);
    }
    ~Fixture() { m_application->quit(); }

    // Opens the saved file, lays it out, draws every page; returns the page count.
    int renderAll()
    {
        auto document = m_application->documents()->open(m_path);
        document->repaginate();
        const int pages = document->builtInDocumentProperties(word::wdPropertyPages).toInt();
        for (int page = 1; page <= pages; ++page)
            benchmark::DoNotOptimize(document->pagePicture(page, previewPixelsPerInch));
        document->close(word::wdDoNotSaveChanges);
        return pages;
    }
    // Opens the saved file and lays it out, without drawing a page.
    void layoutOnly()
    {
        auto document = m_application->documents()->open(m_path);
        document->repaginate();
        benchmark::DoNotOptimize(document->builtInDocumentProperties(word::wdPropertyPages));
        document->close(word::wdDoNotSaveChanges);
    }
    // Opens the saved file and closes it again.
    void openOnly() { m_application->documents()->open(m_path)->close(word::wdDoNotSaveChanges); }

private:
    QTemporaryDir m_folder;
    std::shared_ptr<word::Application> m_application;
    QString m_path;
};

Fixture &sample()
{
    static Fixture fixture{QString()};
    return fixture;
}

Fixture &fiftyPages()
{
    static Fixture fixture{objectiveFiller(780)};
    return fixture;
}

// About as many pages, in fourteen paragraphs of 4 000 to 32 000 characters.
Fixture &fiftyPagesOfLongParagraphs()
{
    static Fixture fixture{longParagraphFiller(14)};
    return fixture;
}

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void render(benchmark::State &state, Fixture &fixture)
{
    int pages = 0;
    for (auto _ : state)
        pages = fixture.renderAll();
    state.counters["pages"] = pages;
    state.counters["peakRssMB"] = peakResidentKilobytes() / 1024.0;
}

void open(benchmark::State &state, Fixture &fixture)
{
    for (auto _ : state)
        fixture.openOnly();
}

void layOut(benchmark::State &state, Fixture &fixture)
{
    for (auto _ : state)
        fixture.layoutOnly();
}

void sampleResume(benchmark::State &state) { render(state, sample()); }
void sampleResumeOpenOnly(benchmark::State &state) { open(state, sample()); }
void fiftyPageDocument(benchmark::State &state) { render(state, fiftyPages()); }
void fiftyPageDocumentOpenOnly(benchmark::State &state) { open(state, fiftyPages()); }
void longParagraphs(benchmark::State &state) { render(state, fiftyPagesOfLongParagraphs()); }
void longParagraphsLayoutOnly(benchmark::State &state) { layOut(state, fiftyPagesOfLongParagraphs()); }
void longParagraphsOpenOnly(benchmark::State &state) { open(state, fiftyPagesOfLongParagraphs()); }

} // namespace

BENCHMARK(sampleResume)->Unit(benchmark::kMillisecond);
BENCHMARK(sampleResumeOpenOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(fiftyPageDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(fiftyPageDocumentOpenOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(longParagraphs)->Unit(benchmark::kMillisecond);
BENCHMARK(longParagraphsLayoutOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(longParagraphsOpenOnly)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Fonts need a GUI application; the offscreen platform needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
