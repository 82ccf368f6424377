#include "FuzzFiles.h"

#include "desk/MessageBook.h"
#include "desk/Notepad.h"

// The desk tools' own files: the same bytes read as a telephone-message book
// and as a notepad page. Each is written back, read again and written again:
// the second write gives the bytes of the first, and a message taken from
// the book and put back unchanged leaves its line as the card writes it.

namespace {

void messageBookRoundTrip(const QString &file)
{
    MessageBook book;
    FUZZ_CHECK(book.Charge(file).isEmpty());
    FUZZ_CHECK(book.count() >= 1 && book.index() == book.count() - 1);
    const QString first = fuzz::scratchFile(QStringLiteral("premier.oms"));
    FUZZ_CHECK(book.Sauve(first).isEmpty());

    MessageBook again;
    FUZZ_CHECK(again.Charge(first).isEmpty());
    FUZZ_CHECK(again.lines() == book.lines());
    const QString second = fuzz::scratchFile(QStringLiteral("second.oms"));
    FUZZ_CHECK(again.Sauve(second).isEmpty());
    FUZZ_CHECK(readBytes(first) == readBytes(second));

    for (int i = 0; i < again.count(); ++i, again.previous()) {
        const Message shown = again.current();
        again.EcritFiche(shown);
        FUZZ_CHECK(Message::fromLine(again.lines()[again.index()]).line() == shown.line());
    }
}

void notepadRoundTrip(const QString &file)
{
    QString text;
    FUZZ_CHECK(notepad::Charge(file, text).isEmpty());
    const QString first = fuzz::scratchFile(QStringLiteral("premier.nte"));
    FUZZ_CHECK(notepad::Sauve(first, text).isEmpty());
    QString again;
    FUZZ_CHECK(notepad::Charge(first, again).isEmpty());
    FUZZ_CHECK(again == text);
    const QString second = fuzz::scratchFile(QStringLiteral("second.nte"));
    FUZZ_CHECK(notepad::Sauve(second, again).isEmpty());
    FUZZ_CHECK(readBytes(first) == readBytes(second));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString file = fuzz::scratchFile(QStringLiteral("entree"));
    writeBytes(file, std::string_view(reinterpret_cast<const char *>(data), size));
    messageBookRoundTrip(file);
    notepadRoundTrip(file);
    return 0;
}
