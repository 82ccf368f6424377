#include "cli/Verification.h"

namespace cli {

QString monthName(int month)
{
    return forms::monthCaption(forms::moisLong(month % 100), month / 100);
}

namespace {

// Where a finding stands: "Mars 2002, écriture 3 (ligne 1234 du fichier)".
QString place(const Finding &f)
{
    QString where;
    if (f.month != 0)
        where = monthName(f.month);
    if (f.entry != 0)
        where += QStringLiteral(", écriture %1").arg(f.entry);
    if (f.fileLine != 0)
        where += where.isEmpty() ? QStringLiteral("Ligne %1 du fichier").arg(f.fileLine)
                                 : QStringLiteral(" (ligne %1 du fichier)").arg(f.fileLine);
    return where.isEmpty() ? QStringLiteral("Dossier") : where;
}

QString balanceText(const QString &label, const AmountTotal &debitTotal, const AmountTotal &creditTotal)
{
    if (!debitTotal.computed() || !creditTotal.computed())
        return label + QStringLiteral(" : ") + forms::totalTooLarge();
    const Cents debit = debitTotal.value();
    const Cents credit = creditTotal.value();
    QString text = QStringLiteral("%1 : débit %2 ; crédit %3")
                       .arg(label, forms::formatAmount(debit), forms::formatAmount(credit));
    if (debit > credit)
        text += QStringLiteral(" ; déséquilibré (solde débiteur de %1)").arg(forms::formatAmount(debit - credit));
    else if (credit > debit)
        text += QStringLiteral(" ; déséquilibré (solde créditeur de %1)").arg(forms::formatAmount(credit - debit));
    return text;
}

void appendLine(std::string &out, const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    out.append(utf8.constData(), std::size_t(utf8.size()));
    out += '\n';
}

} // namespace

std::string formatVerification(const Verification &v)
{
    std::string out;
    for (const Finding &f : v.findings)
        appendLine(out, place(f) + QStringLiteral(" : ") + f.text);
    if (!v.findings.empty())
        out += '\n';
    appendLine(out, v.months.empty() ? QStringLiteral("Aucune écriture.") : QStringLiteral("Totaux des mois :"));
    for (const MonthBalance &m : v.months)
        appendLine(out, balanceText(monthName(m.month), m.debit, m.credit));
    appendLine(out, balanceText(QStringLiteral("Total de l'exercice"), v.debit, v.credit));
    const int n = v.anomalies();
    appendLine(out, n == 0 ? QStringLiteral("Aucune anomalie.")
                           : n == 1 ? QStringLiteral("1 anomalie.") : QStringLiteral("%1 anomalies.").arg(n));
    return out;
}

} // namespace cli
