#include "cli/VerificationReport.h"

#include "ledger/TextForms.h"

namespace cli {
namespace {

using yearend::captionOfMonth;

// Where a finding stands: "Mars 2002, écriture 3 (ligne 1234 du fichier)".
QString place(const yearend::Finding &f)
{
    QString where;
    if (f.month != 0)
        where = captionOfMonth(f.month);
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

void VerificationReport::add(const yearend::Finding &finding)
{
    if (listed_ == kListedFindings)
        return;
    ++listed_;
    appendLine(out_, place(finding) + QStringLiteral(" : ") + finding.text);
}

void VerificationReport::finish(const yearend::Verification &v)
{
    const std::size_t unlisted = std::size_t(v.findingCount) - listed_;
    if (unlisted == 1)
        appendLine(out_, QStringLiteral("… et 1 autre anomalie, non listée."));
    else if (unlisted > 1)
        appendLine(out_, QStringLiteral("… et %1 autres anomalies, non listées.").arg(unlisted));
    if (v.findingCount != 0)
        out_ += '\n';
    appendLine(out_, v.months.empty() ? QStringLiteral("Aucune écriture.") : QStringLiteral("Totaux des mois :"));
    for (const yearend::MonthBalance &m : v.months)
        appendLine(out_, balanceText(captionOfMonth(m.month), m.debit, m.credit));
    appendLine(out_, balanceText(QStringLiteral("Total de l'exercice"), v.debit, v.credit));
    const int n = v.anomalies();
    appendLine(out_, n == 0 ? QStringLiteral("Aucune anomalie.")
                            : n == 1 ? QStringLiteral("1 anomalie.") : QStringLiteral("%1 anomalies.").arg(n));
}

std::string formatVerification(const yearend::Verification &v)
{
    std::string out;
    VerificationReport report(out);
    for (const yearend::Finding &f : v.findings)
        report.add(f);
    report.finish(v);
    return out;
}

} // namespace cli
