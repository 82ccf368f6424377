#include "app/MainForm.h"
#include "document/Fiche.h"
#include "platform/HelpBook.h"
#include "tests/support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The help book as shipped, read from the sources.
QString helpFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../resources/help/tavelin"));
}

} // namespace

static void BM_HelpBookLoad(benchmark::State &state)
{
    for (auto _ : state) {
        HelpBook book;
        if (!book.load(helpFolder()))
            state.SkipWithError("help book not found");
        benchmark::DoNotOptimize(book.topics().size());
    }
}
BENCHMARK(BM_HelpBookLoad)->Unit(benchmark::kMillisecond);

// One keystroke in the search field: the whole book is searched again.
static void BM_HelpSearch(benchmark::State &state)
{
    HelpBook book;
    if (!book.load(helpFolder()))
        state.SkipWithError("help book not found");
    const QString query = state.range(0) == 0 ? QStringLiteral("e") : QStringLiteral("ecriture mois exercice");
    for (auto _ : state)
        benchmark::DoNotOptimize(book.search(query).size());
}
BENCHMARK(BM_HelpSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The start-up check reads the program's file whole; state.range(0) in MiB.
static void BM_ProgramCheck(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("tavelin"));
    QFile file(program);
    file.open(QIODevice::WriteOnly);
    const QByteArray mebibyte(1 << 20, 'x');
    for (int i = 0; i < state.range(0); ++i)
        file.write(mebibyte);
    file.close();
    FakePlatform fake;
    Fiche fiche(fake.platform);
    MainForm form(fiche, fake.platform);
    for (auto _ : state)
        form.checkProgramFile(program);
    if (!fake.messages.shown.isEmpty())
        state.SkipWithError("the program file could not be read");
    state.SetBytesProcessed(state.iterations() * state.range(0) * (1 << 20));
}
BENCHMARK(BM_ProgramCheck)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
