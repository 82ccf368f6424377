#include "RecordingPrinter.h"

#include "desk/MessageBook.h"
#include "desk/Notepad.h"
#include "desk/NotesPrint.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString messageLine(int n)
{
    return QStringLiteral("Marie\tM. Dupont %1\tDupont SA\t0102030405\t12/03/2002\t10:15:00\tRappeler pour le devis\tTFTFF")
        .arg(n);
}

// A book file of `count` messages in the folder.
QString bookFile(const QTemporaryDir &dir, int count)
{
    MessageBook book;
    book.EcritFiche(Message::fromLine(messageLine(0)));
    for (int n = 1; n < count; ++n) {
        book.add();
        book.EcritFiche(Message::fromLine(messageLine(n)));
    }
    const QString path = dir.filePath(QStringLiteral("compta.oms"));
    book.Sauve(path);
    return path;
}

// Notes of `count` lines of about 180 characters, each wider than a sheet.
QStringList longNotes(int count)
{
    QStringList lines;
    for (int n = 0; n < count; ++n)
        lines.append(QStringLiteral("Ligne %1 : rappeler le fournisseur au sujet de la commande, vérifier la facture, "
                                    "relancer le client pour le règlement et noter la date du prochain rendez-vous.")
                         .arg(n));
    return lines;
}

} // namespace

// Opening the message book: the file read, cut and decoded.
static void BM_MessageBookCharge(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = bookFile(dir, int(state.range(0)));
    for (auto _ : state) {
        MessageBook book;
        book.Charge(path);
        benchmark::DoNotOptimize(book.count());
    }
}
BENCHMARK(BM_MessageBookCharge)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Closing the book unchanged: the file is read back and compared, not written.
static void BM_MessageBookSauveUnchanged(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = bookFile(dir, int(state.range(0)));
    MessageBook book;
    book.Charge(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(book.Sauve(path).size());
}
BENCHMARK(BM_MessageBookSauveUnchanged)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Closing the book after a change: written whole, flushed to the disk, renamed.
static void BM_MessageBookSauveChanged(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = bookFile(dir, int(state.range(0)));
    MessageBook book;
    book.Charge(path);
    int n = 0;
    for (auto _ : state) {
        book.EcritFiche(Message::fromLine(messageLine(++n)));
        benchmark::DoNotOptimize(book.Sauve(path).size());
    }
}
BENCHMARK(BM_MessageBookSauveChanged)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One page turn: the card stored back and the next one read.
static void BM_MessageBookTurn(benchmark::State &state)
{
    QTemporaryDir dir;
    MessageBook book;
    book.Charge(bookFile(dir, 1000));
    for (auto _ : state) {
        book.EcritFiche(book.current());
        if (book.index() == 0)
            while (book.index() < book.count() - 1)
                book.next();
        book.previous();
        benchmark::DoNotOptimize(book.current().fields[0].size());
    }
}
BENCHMARK(BM_MessageBookTurn);

// Printing notes whose every line must be cut to the sheet's width.
static void BM_NotesPrint(benchmark::State &state)
{
    const QStringList notes = longNotes(int(state.range(0)));
    for (auto _ : state) {
        RecordingPrinter printer;
        notepad::Imprimer(printer, notes, QStringLiteral("DejaVu Sans"), 10);
        benchmark::DoNotOptimize(printer.calls.size());
    }
    state.counters["lines"] = double(notes.size());
}
BENCHMARK(BM_NotesPrint)->Arg(50)->Arg(2000)->Unit(benchmark::kMicrosecond);

// Closing the notepad after a change in a page of a thousand lines.
static void BM_NotesSauve(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = notepad::path(dir.path());
    QString text = longNotes(int(state.range(0))).join(u'\n');
    int n = 0;
    for (auto _ : state) {
        text[0] = QChar(u'a' + (++n % 26));
        benchmark::DoNotOptimize(notepad::Sauve(path, text).size());
    }
}
BENCHMARK(BM_NotesSauve)->Arg(1000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
