#include "cli/Calculators.h"

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "ledger/TextForms.h"
#include "platform/Clock.h"
#include "calculators/EuroConverter.h"
#include "calculators/LoanSchedule.h"
#include "calculators/NumberText.h"
#include "calculators/SavingsSchedule.h"

#include <map>

namespace cli {
namespace {

enum class Calculator { Loan, Savings, Euro };

struct CalculatorRule {
    const char *name;
    Calculator calculator;
    QStringList valueOptions;
    QStringList flags;
};

const std::array<CalculatorRule, 3> &calculators()
{
    static const std::array<CalculatorRule, 3> rules{{
        {"emprunt", Calculator::Loan, {"--montant", "--taux", "--duree", "--mensualite", "--date"}, {}},
        {"placement", Calculator::Savings, {"--apport", "--taux", "--duree", "--mensualite", "--date"}, {}},
        {"euro", Calculator::Euro, {"--taux"}, {"--vers-francs"}},
    }};
    return rules;
}

const CalculatorRule *ruleOf(const QString &command)
{
    for (const CalculatorRule &rule : calculators())
        if (command == QLatin1String(rule.name))
            return &rule;
    return nullptr;
}

struct Arguments {
    std::map<QString, QString> values;
    QStringList flags;
    QStringList positionals;

    std::optional<QString> value(const char *option) const
    {
        const auto it = values.find(QLatin1String(option));
        return it == values.end() ? std::nullopt : std::optional<QString>(it->second);
    }
};

int usageError(const QString &error, Streams &io)
{
    appendText(io.err, QStringLiteral("tavelin-cli : %1\n").arg(error));
    appendText(io.err, usageReminder());
    return ExitUsage;
}

int refused(const QString &message, Streams &io)
{
    appendText(io.err, message + u'\n');
    return ExitRefused;
}

// Sorts the arguments after the command into options and positionals; gives
// an error text when one is not right.
QString split(const CalculatorRule &rule, const QStringList &args, Arguments &out)
{
    bool optionsEnded = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg.size() == 1) {
            out.positionals.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("--version")) {
            out.flags.append(arg == QLatin1String("--version") ? arg : QStringLiteral("--help"));
            continue;
        }
        const qsizetype equals = arg.indexOf(u'=');
        const QString name = equals < 0 ? arg : arg.left(equals);
        const bool flag = rule.flags.contains(name);
        if (!flag && !rule.valueOptions.contains(name))
            return QStringLiteral("option inconnue : %1").arg(quoted(name));
        if (out.values.count(name) || out.flags.contains(name))
            return QStringLiteral("l'option %1 est donnée deux fois").arg(name);
        if (flag) {
            if (equals >= 0)
                return QStringLiteral("l'option %1 ne prend pas de valeur").arg(name);
            out.flags.append(name);
        } else if (equals >= 0) {
            out.values[name] = arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            out.values[name] = args[++i];
        } else {
            return QStringLiteral("l'option %1 attend une valeur").arg(name);
        }
    }
    return QString();
}

// A figure as the window's field would hold it: the full stop, which the
// field refuses, read as the decimal comma.
QString asTyped(const QString &text)
{
    return QString(text).replace(u'.', u',');
}

int schedule(Calculator calculator, const Arguments &arguments, Streams &io)
{
    const bool loan = calculator == Calculator::Loan;
    const char *amountOption = loan ? "--montant" : "--apport";
    ScheduleFields fields;
    fields.amount = asTyped(arguments.value(amountOption).value_or(QString()));
    fields.rate = asTyped(arguments.value("--taux").value_or(QString()));
    fields.payment = asTyped(arguments.value("--mensualite").value_or(QString()));
    if (loan && fields.amount.isEmpty())
        return usageError(QStringLiteral("montant manquant (--montant)"), io);
    if (fields.rate.isEmpty())
        return usageError(QStringLiteral("taux manquant (--taux)"), io);
    if (const std::optional<QString> duration = arguments.value("--duree")) {
        bool ok = false;
        fields.duration = duration->trimmed().toInt(&ok);
        if (!ok)
            return usageError(
                QStringLiteral("durée invalide : %1 (attendu un nombre de mois)").arg(quoted(*duration)), io);
    }
    QDate today = SystemClock().today();
    if (const std::optional<QString> date = arguments.value("--date")) {
        today = forms::parseDate(*date);
        if (!today.isValid())
            return usageError(QStringLiteral("date invalide pour --date : %1 (attendu JJ/MM/AAAA)").arg(quoted(*date)), io);
    }

    const CalculationOutcome outcome = (loan ? loan::calculate : savings::calculate)(fields, today);
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return refused(refusal->message, io);
    // Nothing to calculate leaves the fields as they were.
    QString payment = fields.payment;
    int duration = fields.duration;
    if (const auto *calculation = std::get_if<Calculation>(&outcome)) {
        TextGrid grid = schedulegrid::make({});
        schedulegrid::fill(grid, calculation->schedule);
        for (int row = 1; row <= schedulegrid::lastRow(calculation->schedule); ++row)
            appendGridRow(io.out, grid, row);
        payment = numbers::fixed2(calculation->payment);
        duration = calculation->duration;
    }
    appendCells(io.out, {QStringLiteral("Mensualité"), payment});
    appendCells(io.out, {QStringLiteral("Durée"), QString::number(duration)});
    return ExitOk;
}

bool typeable(const QString &amount)
{
    for (QChar c : amount)
        if (!(c >= u'0' && c <= u'9') && c != u',' && c != u'.')
            return false;
    return true;
}

int euro(const Arguments &arguments, Streams &io)
{
    if (arguments.positionals.isEmpty())
        return usageError(QStringLiteral("montant manquant après la commande euro"), io);
    if (arguments.positionals.size() > 1)
        return usageError(QStringLiteral("argument en trop : %1").arg(quoted(arguments.positionals[1])), io);
    EuroConverter converter;
    if (const std::optional<QString> rateText = arguments.value("--taux")) {
        const std::optional<qint64> rate = EuroConverter::parseRate(*rateText);
        if (!rate)
            return usageError(QStringLiteral("taux invalide : %1 (attendu des francs pour un euro, "
                                             "cinq décimales au plus, par exemple 6,55957)")
                                  .arg(quoted(*rateText)),
                              io);
        converter.setRate(*rate);
    }
    if (arguments.flags.contains(QStringLiteral("--vers-francs")))
        converter.setDirection(EuroConverter::Direction::EurosToFrancs);

    const QString amount = arguments.positionals.front();
    if (!typeable(amount))
        return refused(numbers::invalidNumberMessage(amount), io);
    for (QChar key : amount)
        converter.type(key);
    const QString message = converter.convert();
    if (!message.isEmpty())
        return refused(message, io);
    if (converter.result().isEmpty())
        return refused(numbers::invalidNumberMessage(asTyped(amount)), io);
    appendCells(io.out, {converter.result()});
    return ExitOk;
}

} // namespace

int runCalculator(const QStringList &args, Streams &io)
{
    const CalculatorRule *rule = ruleOf(args.value(0));
    if (!rule)
        return usageError(QStringLiteral("commande inconnue : %1").arg(quoted(args.value(0))), io);
    Arguments arguments;
    const QString error = split(*rule, args, arguments);
    if (!error.isEmpty())
        return usageError(error, io);
    if (arguments.flags.contains(QStringLiteral("--help")) || arguments.flags.contains(QStringLiteral("--version"))) {
        appendText(io.out, arguments.flags.contains(QStringLiteral("--help")) ? helpText() : versionText());
        return ExitOk;
    }
    if (rule->calculator == Calculator::Euro)
        return euro(arguments, io);
    if (!arguments.positionals.isEmpty())
        return usageError(QStringLiteral("argument en trop : %1").arg(quoted(arguments.positionals.front())), io);
    return schedule(rule->calculator, arguments, io);
}

} // namespace cli
