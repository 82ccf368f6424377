#include "platform/HelpBook.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

void writeUtf8(const QString &path, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    writeBytes(path, std::string(bytes.constData(), std::size_t(bytes.size())));
}

QString page(const QString &title, const QString &body)
{
    return QStringLiteral("<html><head><title>%1 ignoré</title></head><body><h1>%1</h1>%2</body></html>").arg(title, body);
}

class HelpBookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeUtf8(dir.file(QStringLiteral("sommaire.txt")),
                  QStringLiteral("# commentaire\n"
                                 "@utiliser|aide.html\n"
                                 "1|index.html|Bienvenue||accueil\n"
                                 "1|saisie.html|Saisir des écritures|2,5|ligne, date\n"
                                 "2|pointage.html|Pointer les écritures||rapprochement, banque\n"
                                 "1|aide.html|Utiliser l'aide|10|\n"));
        writeUtf8(dir.file(QStringLiteral("index.html")),
                  page(QStringLiteral("Bienvenue"), QStringLiteral("<p>Voir <a href=\"saisie.html\">la saisie</a>.</p>")));
        writeUtf8(dir.file(QStringLiteral("saisie.html")),
                  page(QStringLiteral("Saisir des écritures"),
                       QStringLiteral("<p>Chaque écriture a un d&eacute;bit ou un cr&eacute;dit &amp; une date.</p>")));
        writeUtf8(dir.file(QStringLiteral("pointage.html")),
                  page(QStringLiteral("Pointer"), QStringLiteral("<p>Cochez chaque écriture du relevé. Une écriture pointée porte &#39;×&#39;.</p>")));
        writeUtf8(dir.file(QStringLiteral("aide.html")),
                  page(QStringLiteral("Aide"), QStringLiteral("<p>Le sommaire et la recherche. Pour pointer, voir pointer et pointer.</p>")));
        ASSERT_TRUE(book.load(dir.path()));
    }

    QStringList files(const QList<HelpTopic> &topics) const
    {
        QStringList out;
        for (const HelpTopic &t : topics)
            out.append(t.file);
        return out;
    }

    CurrentTempDir dir;
    HelpBook book;
};

} // namespace

TEST_F(HelpBookTest, ReadsTheContentsWithLevelsContextsAndEntryPoints)
{
    ASSERT_EQ(book.topics().size(), 4);
    EXPECT_EQ(book.topics()[2].level, 2);
    EXPECT_EQ(book.topics()[2].keywords, (QStringList{QStringLiteral("rapprochement"), QStringLiteral("banque")}));
    EXPECT_EQ(book.contentsPage(), QStringLiteral("index.html"));
    EXPECT_EQ(book.helpOnHelpPage(), QStringLiteral("aide.html"));
    EXPECT_EQ(book.pageForContext(5), QStringLiteral("saisie.html"));
    EXPECT_EQ(book.pageForContext(10), QStringLiteral("aide.html"));
    EXPECT_EQ(book.pageForContext(42), QStringLiteral("index.html"));
    EXPECT_EQ(book.titleOf(QStringLiteral("pointage.html")), QStringLiteral("Pointer les écritures"));
}

TEST_F(HelpBookTest, SearchIgnoresAccentsAndCaseAndNeedsEveryWord)
{
    EXPECT_EQ(files(book.search(QStringLiteral("DEBIT"))), QStringList{QStringLiteral("saisie.html")});
    EXPECT_EQ(files(book.search(QStringLiteral("ecriture releve"))), QStringList{QStringLiteral("pointage.html")});
    EXPECT_TRUE(book.search(QStringLiteral("écriture inexistant")).isEmpty());
    // A word of the keywords only, and the beginning of a word.
    EXPECT_EQ(files(book.search(QStringLiteral("banque"))), QStringList{QStringLiteral("pointage.html")});
    EXPECT_EQ(files(book.search(QStringLiteral("somm"))), QStringList{QStringLiteral("aide.html")});
}

TEST_F(HelpBookTest, TitlesRankBeforeTextAndTheHeadIsNotSearched)
{
    // The help page says "pointer" three times, the check-off page has it in its title.
    EXPECT_EQ(files(book.search(QStringLiteral("pointer"))),
              (QStringList{QStringLiteral("pointage.html"), QStringLiteral("aide.html")}));
    EXPECT_TRUE(book.search(QStringLiteral("ignoré")).isEmpty());
}

TEST_F(HelpBookTest, EmptySearchListsEveryPageByTitle)
{
    EXPECT_EQ(files(book.search(QStringLiteral("  "))),
              (QStringList{QStringLiteral("index.html"), QStringLiteral("pointage.html"), QStringLiteral("saisie.html"),
                           QStringLiteral("aide.html")}));
}

TEST(HelpBook, PlainTextAndFolding)
{
    EXPECT_EQ(HelpBook::plainText(QStringLiteral("<head><title>x</title></head><p>Débit &amp; cr&eacute;dit&nbsp;: <b>12,50</b></p>")),
              QStringLiteral("Débit & crédit : 12,50"));
    EXPECT_EQ(HelpBook::plainText(QStringLiteral("<p>&laquo;&#215;&raquo; &#x25B6; &inconnu;</p>")),
              QStringLiteral("«×» ▶ &inconnu;"));
    EXPECT_EQ(HelpBook::fold(QStringLiteral("Écriture Œuvre ÇA")), QStringLiteral("ecriture oeuvre ca"));
}

TEST(HelpBook, MissingContentsOrPageIsRefusedWithItsReason)
{
    CurrentTempDir dir;
    HelpBook book;
    QString why;
    EXPECT_FALSE(book.load(dir.path(), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("sommaire.txt"))) << why.toStdString();
    writeUtf8(dir.file(QStringLiteral("sommaire.txt")), QStringLiteral("1|absente.html|Absente||\n"));
    EXPECT_FALSE(book.load(dir.path(), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("absente.html"))) << why.toStdString();
    writeUtf8(dir.file(QStringLiteral("sommaire.txt")), QStringLiteral("# rien\n"));
    EXPECT_FALSE(book.load(dir.path(), &why));
    EXPECT_TRUE(book.topics().isEmpty());
}
