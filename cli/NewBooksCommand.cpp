#include "cli/NewBooksCommand.h"

#include "cli/ConsolePlatform.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "ledger/TextForms.h"
#include "platform/Messages.h"
#include "reference/NewBooks.h"

#include <QDir>

namespace cli {

int createBooks(const Invocation &invocation, Streams &io)
{
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
        refusal = QStringLiteral("Ces fichiers existent déjà : %1. Rien n'a été créé.").arg(existing.join(QStringLiteral(", ")));
    if (refusal.isEmpty())
        refusal = newbooks::write(here, answers);
    if (!refusal.isEmpty()) {
        ConsolePlatform console(io.err);
        console.platform().messages->information(refusal);
        return ExitRefused;
    }
    const ReferenceData ref = newbooks::referenceData(answers);
    appendCells(io.out, {QStringLiteral("Comptabilité créée : %1, exercice du %2 au %3, %4 comptes, %5 journaux")
                             .arg(QDir::toNativeSeparators(answers.dossier), forms::formatDate(answers.start),
                                  forms::formatDate(answers.end))
                             .arg(ref.ListePlc.size())
                             .arg(ref.ListeJnx.size())});
    return ExitOk;
}

} // namespace cli
