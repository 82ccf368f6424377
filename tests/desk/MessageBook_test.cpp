#include "support/TempDir.h"
#include "desk/MessageBook.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A message as the user fills its card.
Message card(std::array<const char *, 7> fields, std::array<bool, 5> flags = {})
{
    Message m;
    for (std::size_t i = 0; i < fields.size(); ++i)
        m.fields[i] = QString::fromUtf8(fields[i]);
    m.flags = flags;
    return m;
}

void expectShown(const Message &m, std::array<const char *, 7> fields, std::array<bool, 5> flags = {})
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(m.fields[i], QString::fromUtf8(fields[i])) << "field " << i + 1;
    EXPECT_EQ(m.flags, flags);
}

// The book of a file holding these lines, each ended by CR LF.
MessageBook loaded(const QString &path, const std::string &bytes)
{
    writeBytes(path, bytes);
    MessageBook book;
    EXPECT_EQ(book.Charge(path), "");
    return book;
}

ino_t inodeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

} // namespace

TEST(MessageBook, TheFileStandsBesideTheLedgerWithItsNameCutAtTheFirstDot)
{
    const struct {
        const char *ledgerFile;
        const char *book;
    } cases[] = {
        {"/home/marie/compta.jnl", "/home/marie/compta.oms"},
        {"/home/a.b/compta.jnl", "/home/a.b/compta.oms"},
        {"/home/marie/compta.2002.jnl", "/home/marie/compta.oms"},
        {"/home/a.b/compta", "/home/a.b/compta.oms"},
        {"compta.jnl", "compta.oms"},
        {"", ".oms"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MessageBook::fileFor(QString::fromUtf8(c.ledgerFile)), QString::fromUtf8(c.book)) << c.ledgerFile;
}

TEST(MessageBook, AMessageIsEightTabSeparatedFields)
{
    const Message m = card({"Marie", "M. Dupont", "", "0102030405", "12/03/2002", "10:15:00", "Devis"},
                           {true, false, true, false, false});
    EXPECT_EQ(m.line(), "Marie\tM. Dupont\t\t0102030405\t12/03/2002\t10:15:00\tDevis\tTFTFF");
    const Message back = Message::fromLine(m.line());
    EXPECT_EQ(back.fields, m.fields);
    EXPECT_EQ(back.flags, m.flags);
}

TEST(MessageBook, LinesOfAnyShapeRead)
{
    // The blank message of "+".
    expectShown(Message::fromLine(QStringLiteral(" ")), {"", "", "", "", "", "", ""});
    // Fewer fields: the rest empty, the boxes unchecked.
    expectShown(Message::fromLine(QStringLiteral("Marie\tM. Dupont")), {"Marie", "M. Dupont", "", "", "", "", ""});
    // More fields: those past the eighth are ignored.
    expectShown(Message::fromLine(QStringLiteral("a\tb\tc\td\te\tf\tg\tFFFFT\tde trop\tencore")),
                {"a", "b", "c", "d", "e", "f", "g"}, {false, false, false, false, true});
    // Short flags leave the missing boxes unchecked; anything but "T" is unchecked.
    expectShown(Message::fromLine(QStringLiteral("\t\t\t\t\t\t\tTx")), {"", "", "", "", "", "", ""},
                {true, false, false, false, false});
    // Leading blanks are dropped.
    expectShown(Message::fromLine(QStringLiteral("  Marie\t  De\t\t\t\t\t  Objet\t  TTTTT")),
                {"Marie", "De", "", "", "", "", "Objet"}, {true, true, true, true, true});
}

TEST(MessageBook, AnEmptyDateOrTimeIsFilledInWhenLeft)
{
    const QDate today(2002, 3, 15);
    const QTime now(9, 5, 7);
    const struct {
        std::size_t field;
        const char *typed;
        const char *left;
    } cases[] = {
        {4, "", "15/03/2002"},         // "Date" left empty: today
        {5, "", "09:05:07"},           // "Heure" left empty: the time
        {4, "01/02/2002", "01/02/2002"}, // a date typed stays
        {5, "9h", "9h"},               // so does any time typed
        {0, "", ""},                   // "Pour" is never filled in
    };
    for (const auto &c : cases)
        EXPECT_EQ(Message::leftField(c.field, QString::fromUtf8(c.typed), today, now), QString::fromUtf8(c.left))
            << c.field << " " << c.typed;
}

TEST(MessageBook, TabsAndLineBreaksTypedInAFieldBecomeBlanks)
{
    const Message m = card({"Ma\trie", "ligne 1\nligne 2", "\n Martin", "", "", "", ""});
    EXPECT_EQ(m.line(), "Ma rie\tligne 1 ligne 2\tMartin\t\t\t\t\tFFFFF")
        << "a field is written as reading it back gives it";
}

TEST(MessageBook, AFirstRunWritesOneBlankMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("compta.oms"));
    MessageBook book;
    EXPECT_EQ(book.Charge(path), "");
    EXPECT_EQ(book.count(), 1);
    EXPECT_EQ(book.index(), 0);
    book.EcritFiche(book.current());
    EXPECT_EQ(book.Sauve(path), "");
    EXPECT_EQ(readBytes(path), "\t\t\t\t\t\t\tFFFFF\r\n");
}

TEST(MessageBook, TheBookOpensOnItsLastMessage)
{
    QTemporaryDir dir;
    MessageBook book = loaded(dir.filePath(QStringLiteral("c.oms")), "un\r\ndeux\r\ntrois\r\n");
    EXPECT_EQ(book.count(), 3);
    EXPECT_EQ(book.index(), 2);
    EXPECT_EQ(book.current().fields[0], "trois");

    MessageBook empty = loaded(dir.filePath(QStringLiteral("vide.oms")), "");
    EXPECT_EQ(empty.count(), 1);
    EXPECT_EQ(empty.index(), 0);
    EXPECT_EQ(empty.lines(), QStringList{" "});
}

TEST(MessageBook, AMessageWithoutCompanyReloadsInItsPlaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("compta.oms"));
    MessageBook book;
    book.EcritFiche(card({"Marie", "M. L\u00e9vy", "", "0102030405", "12/03/2002", "10:15:00", "Devis"},
                         {true, false, true, false, false}));
    EXPECT_EQ(book.Sauve(path), "");
    EXPECT_EQ(readBytes(path), "Marie\tM. L\xe9vy\t\t0102030405\t12/03/2002\t10:15:00\tDevis\tTFTFF\r\n");

    MessageBook reloaded;
    EXPECT_EQ(reloaded.Charge(path), "");
    expectShown(reloaded.current(), {"Marie", "M. L\u00e9vy", "", "0102030405", "12/03/2002", "10:15:00", "Devis"},
                {true, false, true, false, false});
}

TEST(MessageBook, PagingStopsAtBothEnds)
{
    QTemporaryDir dir;
    MessageBook book = loaded(dir.filePath(QStringLiteral("c.oms")), "un\r\ndeux\r\ntrois\r\n");
    book.next();
    EXPECT_EQ(book.index(), 2);
    book.previous();
    book.previous();
    EXPECT_EQ(book.index(), 0);
    book.previous();
    EXPECT_EQ(book.index(), 0);
    EXPECT_EQ(book.current().fields[0], "un");
}

TEST(MessageBook, PlusAndMinus)
{
    QTemporaryDir dir;
    MessageBook book = loaded(dir.filePath(QStringLiteral("c.oms")), "un\r\ndeux\r\ntrois\r\n");

    book.add();
    EXPECT_EQ(book.count(), 4);
    EXPECT_EQ(book.index(), 3);
    expectShown(book.current(), {"", "", "", "", "", "", ""});

    // "-" on the last message shows the new last one.
    book.remove();
    EXPECT_EQ(book.count(), 3);
    EXPECT_EQ(book.index(), 2);
    EXPECT_EQ(book.current().fields[0], "trois");

    // "-" in the middle shows the message that took its place.
    book.previous();
    book.remove();
    EXPECT_EQ(book.lines(), (QStringList{"un", "trois"}));
    EXPECT_EQ(book.index(), 1);

    // Deleting the only message leaves a blank one.
    book.remove();
    book.remove();
    EXPECT_EQ(book.lines(), QStringList{" "});
    EXPECT_EQ(book.index(), 0);
}

TEST(MessageBook, AnUnchangedFileIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.oms"));
    MessageBook book = loaded(path, "\t\t\t\t\t\t\tFFFFF\r\n");
    const ino_t before = inodeOf(path);
    book.EcritFiche(book.current());
    EXPECT_EQ(book.Sauve(path), "");
    EXPECT_EQ(inodeOf(path), before);

    book.add();
    EXPECT_EQ(book.Sauve(path), "");
    EXPECT_NE(inodeOf(path), before);
    EXPECT_EQ(readBytes(path), "\t\t\t\t\t\t\tFFFFF\r\n \r\n");
}

TEST(MessageBook, FilesThatCannotBeReadOrWrittenAreSaid)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("compta.oms"));
    ASSERT_TRUE(QDir().mkdir(folder));
    MessageBook book;
    EXPECT_EQ(book.Charge(folder),
              QString::fromUtf8("Impossible de lire le fichier %1 : le chemin désigne un dossier.").arg(folder));
    EXPECT_EQ(book.lines(), QStringList{" "});

    const QString nowhere = dir.filePath(QStringLiteral("disparu/compta.oms"));
    EXPECT_EQ(book.Sauve(nowhere),
              QString::fromUtf8("Impossible d'enregistrer le fichier %1 : fichier ou dossier introuvable.").arg(nowhere));
}
