// One hover over character button 1: the whole hover procedure with
// showmessage, on the shown panel. The worst case is a caption that no
// syllable has at position 1, so that all of position 1's table is compared,
// with a four-letter code left from an earlier hover to measure and show;
// for contrast, the table's first and last characters. The last case adds
// the repaint that the event loop does after a hover.
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "form1.h"
#include "tables.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using tovrik::form1;

QString character(const tovrik::CodeEntry &entry)
{
    return QString(QChar(entry.character));
}

// Hovers once over a character of position 1 whose code has four letters,
// so that currentcode holds one.
void leaveFourLetterCode()
{
    for (const tovrik::CodeEntry &entry : tovrik::codeTable(1))
        if (entry.code.size() == 4) {
            form1().Command(1)->setCaption(character(entry));
            form1().CommandN_MouseMove(1, 0, 0, 240.0f, 180.0f);
            return;
        }
}

void hover(benchmark::State &state, const QString &caption, bool repaint = false)
{
    form1().Command(1)->setCaption(caption);
    for (auto _ : state) {
        form1().CommandN_MouseMove(1, 0, 0, 240.0f, 180.0f);
        if (repaint)
            QApplication::processEvents();
    }
    // The timing has stopped: let the panel paint what the loop changed.
    QApplication::processEvents();
    state.SetLabel(("code " + tovrik::currentcode).toStdString());
}

void BM_HoverNoMatch(benchmark::State &state)
{
    leaveFourLetterCode();
    hover(state, QStringLiteral("x"));
    state.counters["compared"] = double(tovrik::codeTable(1).size());
}

void BM_HoverFirstEntry(benchmark::State &state)
{
    hover(state, character(tovrik::codeTable(1).front()));
}

void BM_HoverLastEntry(benchmark::State &state)
{
    hover(state, character(tovrik::codeTable(1).back()));
}

void BM_HoverNoMatchWithRepaint(benchmark::State &state)
{
    leaveFourLetterCode();
    hover(state, QStringLiteral("x"), true);
}

} // namespace

BENCHMARK(BM_HoverNoMatch)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HoverFirstEntry)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HoverLastEntry)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HoverNoMatchWithRepaint)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    form1().Show();
    QElapsedTimer waited;
    waited.start();
    while (!(form1().windowHandle() && form1().windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!form1().windowHandle() || !form1().windowHandle()->isExposed()) {
        std::fprintf(stderr, "the panel was not exposed\n");
        return 1;
    }
    QApplication::processEvents();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tovrik::releaseForm1();
    return 0;
}
