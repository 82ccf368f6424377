#include "FakePlatform.h"
#include "LetterGenerator.h"
#include "WidgetBenchmarkMain.h"

#include "wordproc/RtfWriter.h"
#include "wordproc/ui/TTexte.h"

#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

// A letter of n pages written to a file.
QString letterFile(const QTemporaryDir &dir, int pages)
{
    const QString path = dir.filePath(QStringLiteral("lettre-%1.rtf").arg(pages));
    std::ofstream(path.toStdString(), std::ios::binary) << rtf::write(generateLetter(pages));
    return path;
}

} // namespace

// "Ouvrir" in the word processor's window on screen: the file read, its RTF
// read and the text shown, with the tool bar brought in line. `layout`: and
// every page laid out, not only the first screen.
static void BM_OpenLetter(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = letterFile(dir, int(state.range(0)));
    const bool layout = state.range(1) != 0;
    FakePlatform fake;
    TTexte window(fake.platform, {});
    window.resize(1000, 700);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        fake.fileDialogs.openAnswers = {path};
        window.openButton->click();
        QCoreApplication::processEvents();
        if (layout)
            benchmark::DoNotOptimize(window.editor->document()->documentLayout()->documentSize());
    }
    state.counters["rtf_bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_OpenLetter)->Args({1, 0})->Args({50, 0})->Args({50, 1})->Unit(benchmark::kMillisecond);

// "Enregistrer" of a changed letter: the text read back from the screen,
// written as RTF and saved safely to the disk.
static void BM_SaveLetter(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = letterFile(dir, int(state.range(0)));
    FakePlatform fake;
    TTexte window(fake.platform, {});
    window.show();
    fake.fileDialogs.openAnswers = {path};
    window.openButton->click();
    const QString copy = dir.filePath(QStringLiteral("copie.rtf"));
    for (auto _ : state) {
        window.editor->document()->setModified(true);
        fake.fileDialogs.saveAnswers = {copy};
        window.saveButton->click();
    }
    state.counters["rtf_bytes"] = double(QFileInfo(copy).size());
}
BENCHMARK(BM_SaveLetter)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

TAVELIN_WIDGET_BENCHMARK_MAIN();
