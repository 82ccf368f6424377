#include "platform/FileFilter.h"

#include <gtest/gtest.h>

TEST(FileFilter, DescriptionAlreadyShowingItsPatternsIsKept)
{
    EXPECT_EQ(filefilter::nameFilters(QStringLiteral("Fichiers compta (*.jnl)|*.jnl")),
              QStringList{QStringLiteral("Fichiers compta (*.jnl)")});
    EXPECT_EQ(filefilter::nameFilters(QStringLiteral("Texte + tabulations (*.txt)|*.txt")),
              QStringList{QStringLiteral("Texte + tabulations (*.txt)")});
}

TEST(FileFilter, PatternsAreAddedInParenthesesSeparatedByBlanks)
{
    EXPECT_EQ(filefilter::nameFilters(QStringLiteral("Fichiers texte|*.txt;*.csv")),
              QStringList{QStringLiteral("Fichiers texte (*.txt *.csv)")});
    EXPECT_EQ(filefilter::nameFilters(QStringLiteral("|*.rtf")), QStringList{QStringLiteral("(*.rtf)")});
}

TEST(FileFilter, SeveralPairsAndAnIncompleteLastOne)
{
    EXPECT_EQ(filefilter::nameFilters(QStringLiteral("Fichiers rtf (*.rtf)|*.rtf|Tous les fichiers|*.*|Reste")),
              (QStringList{QStringLiteral("Fichiers rtf (*.rtf)"), QStringLiteral("Tous les fichiers (*.*)")}));
    EXPECT_TRUE(filefilter::nameFilters(QString()).isEmpty());
    EXPECT_TRUE(filefilter::nameFilters(QStringLiteral("Vide|")).isEmpty());
}
