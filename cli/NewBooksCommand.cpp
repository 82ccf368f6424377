#include "cli/NewBooksCommand.h"

#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "ledger/TextForms.h"
#include "platform/Messages.h"
#include "reference/NewBooks.h"

#include <QDir>

namespace cli {

QString newBooksOptionsError(unsigned given, const Invocation &invocation)
{
    constexpr unsigned kNeeded = OptCompany | OptSiren | OptFrom | OptTo;
    if ((given & kNeeded) != kNeeded)
        return QStringLiteral("nouveau attend --societe NOM --siren NNNNNNNNN --du JJ/MM/AAAA --au JJ/MM/AAAA");
    if (given & OptChart && !newbooks::chartNamed(invocation.chart))
        return QStringLiteral("plan inconnu : « %1 » (attendu abrege, complet ou vide)").arg(invocation.chart);
    return {};
}

int createBooks(Call &call)
{
    const Invocation &invocation = call.invocation;
    newbooks::Answers answers;
    answers.company = invocation.company;
    answers.siren = invocation.siren;
    answers.start = *invocation.from;
    answers.end = *invocation.to;
    answers.dossier = newbooks::dossierPath(invocation.file);
    answers.chart = newbooks::chartNamed(invocation.chart).value_or(newbooks::Chart::Abridged);
    const QDir here = QDir::current();
    QString refusal = newbooks::refusal(answers);
    if (const QStringList existing = newbooks::existingReferenceFiles(here); refusal.isEmpty() && !existing.isEmpty())
        refusal = QStringLiteral("Ces fichiers contiennent déjà des données : %1. Rien n'a été créé.").arg(existing.join(QStringLiteral(", ")));
    if (refusal.isEmpty())
        refusal = newbooks::write(here, answers);
    if (!refusal.isEmpty()) {
        call.messages.information(refusal);
        return ExitRefused;
    }
    const ReferenceData ref = newbooks::referenceData(answers);
    appendCells(call.io.out, {QStringLiteral("Comptabilité créée : %1, exercice du %2 au %3, %4 comptes, %5 journaux")
                             .arg(QDir::toNativeSeparators(answers.dossier), forms::formatDate(answers.start),
                                  forms::formatDate(answers.end))
                             .arg(ref.ListePlc.size())
                             .arg(ref.ListeJnx.size())});
    return ExitOk;
}

} // namespace cli
