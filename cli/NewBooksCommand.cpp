#include "cli/NewBooksCommand.h"

#include "cli/ExitCode.h"
#include "ledger/TextForms.h"
#include "reference/NewBooks.h"

#include <QDir>

namespace cli {
namespace {

void append(std::string &stream, const QString &text)
{
    stream += text.toStdString();
}

} // namespace

int createBooks(const Invocation &invocation, Streams &io)
{
    const auto chart = invocation.chart.isEmpty() ? newbooks::Chart::Abridged : newbooks::chartNamed(invocation.chart);
    if (!chart || !invocation.from || !invocation.to || invocation.siren.isEmpty()) {
        append(io.err, QStringLiteral("tavelin-cli : nouveau attend --societe NOM --siren NNNNNNNNN --du JJ/MM/AAAA "
                                      "--au JJ/MM/AAAA [--plan abrege|complet|vide]\n"));
        append(io.err, usageReminder());
        return ExitUsage;
    }
    newbooks::Answers answers;
    answers.company = invocation.company;
    answers.siren = invocation.siren;
    answers.start = *invocation.from;
    answers.end = *invocation.to;
    answers.dossier = newbooks::dossierPath(invocation.file);
    answers.chart = *chart;
    const QDir here = QDir::current();
    QString refusal = newbooks::refusal(answers);
    if (const QStringList existing = newbooks::existingReferenceFiles(here); refusal.isEmpty() && !existing.isEmpty())
        refusal = QStringLiteral("Ces fichiers existent déjà : %1. Rien n'a été créé.").arg(existing.join(QStringLiteral(", ")));
    if (refusal.isEmpty())
        refusal = newbooks::write(here, answers);
    if (!refusal.isEmpty()) {
        append(io.err, refusal + u'\n');
        return ExitRefused;
    }
    const ReferenceData ref = newbooks::referenceData(answers);
    append(io.out, QStringLiteral("Comptabilité créée : %1, exercice du %2 au %3, %4 comptes, %5 journaux\n")
                       .arg(QDir::toNativeSeparators(answers.dossier), forms::formatDate(answers.start),
                            forms::formatDate(answers.end))
                       .arg(ref.ListePlc.size())
                       .arg(ref.ListeJnx.size()));
    return ExitOk;
}

} // namespace cli
