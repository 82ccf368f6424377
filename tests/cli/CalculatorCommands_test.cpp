#include "CliProcess.h"
#include "TempDir.h"
#include "cli/Cli.h"

#include <gtest/gtest.h>

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
};

Result run(const QStringList &args)
{
    cli::Streams io;
    Result result;
    result.code = cli::run(args, io);
    result.out = QString::fromStdString(io.out);
    result.err = QString::fromStdString(io.err);
    return result;
}

QStringList outLines(const Result &result)
{
    QStringList lines = result.out.split(u'\n');
    EXPECT_EQ(lines.takeLast(), QString()); // every line ends with LF
    return lines;
}

// A refused calculation: the window's message alone on standard error, exit 1.
void expectRefused(const QStringList &args, const QString &message)
{
    const Result r = run(args);
    EXPECT_EQ(r.code, 1) << args.join(u' ').toStdString();
    EXPECT_EQ(r.out, QString()) << args.join(u' ').toStdString();
    EXPECT_EQ(r.err, message + u'\n') << args.join(u' ').toStdString();
}

void expectUsageError(const QStringList &args, const QString &error)
{
    const Result r = run(args);
    EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("tavelin-cli : ") + error + u'\n')) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("tavelin-cli emprunt|placement|euro")));
}

} // namespace

TEST(CalculatorCommands, LoanScheduleOfTwelveMonths)
{
    // 10000 at 6 %: a payment of 10000 x 0,005 / (1 - 1,005^-12) = 860,66.
    for (const QStringList &figures : {QStringList{"10000", "6"}, QStringList{"10000.00", "6.0"}}) {
        const Result r = run({"emprunt", "--montant", figures[0], "--taux", figures[1], "--duree", "12", "--date",
                              "15/03/2002"});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QString());
        const QStringList lines = outLines(r);
        ASSERT_EQ(lines.size(), 16);
        EXPECT_EQ(lines[0], "1\t15/04/2002\t810,66\t50,00\t9189,34");
        EXPECT_EQ(lines[1], "2\t15/05/2002\t814,72\t45,95\t8374,62");
        EXPECT_EQ(lines[10], "11\t15/02/2003\t852,12\t8,54\t856,38");
        EXPECT_EQ(lines[11], "12\t15/03/2003\t856,38\t4,28\t0,00");
        EXPECT_EQ(lines[12], "\t\t\t\t");
        EXPECT_EQ(lines[13], "\tTotaux\t10000,00\t327,97\t10327,97");
        EXPECT_EQ(lines[14], "Mensualité\t860,66");
        EXPECT_EQ(lines[15], "Durée\t12");
    }
}

TEST(CalculatorCommands, LoanWithAGivenPaymentGivesItsDuration)
{
    // 1000 at 12 % repaid by 500 a month: 510 owed after the first month,
    // 15,10 after the second, the rest with 0,15 of interest in the third.
    const Result r = run({"emprunt", "--montant=1000", "--taux=12", "--mensualite=500", "--date=31/12/2003"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(outLines(r), (QStringList{
                               "1\t31/01/2004\t490,00\t10,00\t510,00",
                               "2\t31/02/2004\t494,90\t5,10\t15,10",
                               "3\t31/03/2004\t15,10\t0,15\t0,00",
                               "\t\t\t\t",
                               "\tTotaux\t1000,00\t15,25\t1015,25",
                               "Mensualité\t500,00",
                               "Durée\t3",
                           }));
}

TEST(CalculatorCommands, LoanDefaultsToTwentyFourMonthsFromToday)
{
    const Result r = run({"emprunt", "--montant", "2400", "--taux", "1"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = outLines(r);
    ASSERT_EQ(lines.size(), 28);
    const QDate first = QDate::currentDate().addMonths(1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("1\t%1/%2/%3\t")
                                        .arg(QDate::currentDate().day(), 2, 10, QLatin1Char('0'))
                                        .arg(first.month(), 2, 10, QLatin1Char('0'))
                                        .arg(first.year())))
        << lines[0].toStdString();
    EXPECT_EQ(lines[27], "Durée\t24");
}

TEST(CalculatorCommands, LoanRefusalsGoToStandardError)
{
    expectRefused({"emprunt", "--montant", "1000", "--taux", "12", "--mensualite", "11"},
                  QString::fromUtf8("La mensualité doit être > 11,10"));
    expectRefused({"emprunt", "--montant", "1000", "--taux", "0.5"}, QString::fromUtf8("Taux d'intérêt insuffisant"));
    expectRefused({"emprunt", "--montant", "1000", "--taux", "5", "--duree", "0"}, QString::fromUtf8("Division par zéro"));
    expectRefused({"emprunt", "--montant", "1,,2", "--taux", "5"}, QString::fromUtf8("Nombre invalide : 1,,2"));
    expectRefused({"emprunt", "--montant", "1000", "--taux", "5", "--mensualite", "abc"},
                  QString::fromUtf8("Nombre invalide : abc"));
}

TEST(CalculatorCommands, SavingsTable)
{
    const Result r = run({"placement", "--apport", "1000", "--taux", "12", "--duree", "3", "--mensualite", "100", "--date",
                          "15/11/2002"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString::fromUtf8("1\t15/12/2002\t1110,00\t10,00\t100,00\n"
                                       "2\t15/01/2003\t1221,10\t11,10\t100,00\n"
                                       "3\t15/02/2003\t1333,31\t12,21\t100,00\n"
                                       "\t\t\t\t\n"
                                       "\tTotaux\t1333,31\t33,31\t300,00\n"
                                       "Mensualité\t100,00\n"
                                       "Durée\t3\n"));
}

TEST(CalculatorCommands, SavingsWithoutTable)
{
    // No monthly deposit: the window empties its table and shows 0,00.
    EXPECT_EQ(outLines(run({"placement", "--apport", "1000", "--taux", "3"})),
              (QStringList{"Mensualité\t0,00", "Durée\t24"}));
    // A duration of 0 calls for nothing: the fields stay as they were.
    EXPECT_EQ(outLines(run({"placement", "--taux", "3", "--duree", "0", "--mensualite", "50.5"})),
              (QStringList{"Mensualité\t50,5", "Durée\t0"}));
    // A negative duration: no month, the totals on row 2.
    EXPECT_EQ(outLines(run({"placement", "--taux", "3", "--duree", "-2", "--mensualite", "10"})),
              (QStringList{"\t\t\t\t", "\tTotaux\t0,00\t0,00\t0,00", "Mensualité\t10,00", "Durée\t-2"}));
    expectRefused({"placement", "--taux", "3", "--duree", "1201", "--mensualite", "10"},
                  QString::fromUtf8("La durée ne peut dépasser 1200 mois"));
}

TEST(CalculatorCommands, EuroConversions)
{
    const struct {
        QStringList args;
        const char *shown;
    } cases[] = {
        {{"euro", "100"}, "15,24"},                              // 1524,49 hundredths
        {{"euro", "1", "--vers-francs"}, "6,6"},                 // francs to the tenth
        {{"euro", "15,24", "--vers-francs"}, "100"},             // 999,68 tenths
        {{"euro", "15.24", "--vers-francs"}, "100"},
        {{"euro", "--taux", "1", "0,125"}, "0,12"},              // exact half: to the even cent
        {{"euro", "--taux=1.00000", "0,375"}, "0,38"},
        {{"euro", "2", "--taux", "2"}, "1"},
    };
    for (const auto &c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.code, 0) << c.args.join(u' ').toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.shown) + u'\n') << c.args.join(u' ').toStdString();
    }
    expectRefused({"euro", "1..2"}, QStringLiteral("Nombre invalide : 1,,2"));
    expectRefused({"euro", "abc"}, QStringLiteral("Nombre invalide : abc"));
    expectRefused({"euro", "--", "-5"}, QStringLiteral("Nombre invalide : -5"));
    expectRefused({"euro", ""}, QStringLiteral("Nombre invalide : "));
}

TEST(CalculatorCommands, UsageErrors)
{
    expectUsageError({"emprunt", "--taux", "5"}, QStringLiteral("montant manquant (--montant)"));
    expectUsageError({"emprunt", "--montant", "", "--taux", "5"}, QStringLiteral("montant manquant (--montant)"));
    expectUsageError({"emprunt", "--montant", "100"}, QStringLiteral("taux manquant (--taux)"));
    expectUsageError({"placement", "--apport", "100"}, QStringLiteral("taux manquant (--taux)"));
    expectUsageError({"emprunt", "--montant", "100", "--taux", "5", "--duree", "12m"},
                     QString::fromUtf8("durée invalide : « 12m » (attendu un nombre de mois)"));
    expectUsageError({"emprunt", "--montant", "100", "--taux", "5", "--date", "31/02/2002"},
                     QString::fromUtf8("date invalide pour --date : « 31/02/2002 » (attendu JJ/MM/AAAA)"));
    expectUsageError({"placement", "--montant", "100", "--taux", "5"}, QString::fromUtf8("option inconnue : « --montant »"));
    expectUsageError({"emprunt", "--montant", "100", "--taux", "5", "--taux", "6"},
                     QString::fromUtf8("l'option --taux est donnée deux fois"));
    expectUsageError({"emprunt", "--montant", "100", "--taux"}, QString::fromUtf8("l'option --taux attend une valeur"));
    expectUsageError({"emprunt", "compta.jnl", "--montant", "100", "--taux", "5"},
                     QString::fromUtf8("argument en trop : « compta.jnl »"));
    expectUsageError({"euro"}, QString::fromUtf8("montant manquant après la commande euro"));
    expectUsageError({"euro", "1", "2"}, QString::fromUtf8("argument en trop : « 2 »"));
    expectUsageError({"euro", "1", "--vers-francs=oui"}, QString::fromUtf8("l'option --vers-francs ne prend pas de valeur"));
    expectUsageError({"euro", "1", "--taux", "6,559571"},
                     QString::fromUtf8("taux invalide : « 6,559571 » (attendu des francs pour un euro, cinq décimales au "
                                       "plus, par exemple 6,55957)"));
}

TEST(CalculatorCommands, HelpNamesTheCalculators)
{
    const Result r = run({"euro", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("emprunt --montant M --taux T [--duree N] [--mensualite P] [--date JJ/MM/AAAA]")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("euro MONTANT [--vers-francs] [--taux 6,55957]")));
}

TEST(CalculatorCommands, TheProgramWritesUtf8WithLineFeeds)
{
    CurrentTempDir dir;
    const CliRun loan = runCli({"emprunt", "--montant", "1000", "--taux", "12", "--mensualite", "500", "--date",
                                "01/06/2002"},
                               dir.path());
    EXPECT_EQ(loan.exitCode, 0);
    EXPECT_TRUE(loan.out.endsWith("Mensualit\xC3\xA9\t500,00\nDur\xC3\xA9" "e\t3\n"));
    EXPECT_FALSE(loan.out.contains('\r'));
    const CliRun refused = runCli({"emprunt", "--montant", "1000", "--taux", "12", "--mensualite", "11"}, dir.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "La mensualit\xC3\xA9 doit \xC3\xAAtre > 11,10\n");
    EXPECT_TRUE(refused.out.isEmpty());
}
