#include "document/LetteringCommands.h"
#include "document/ui/TFiche.h"
#include "lettering/ui/TBalanceAgee.h"
#include "lettering/ui/TLettrage.h"
#include "platform/Clock.h"

void TFiche::lettering()
{
    // The account the general ledger shows, when it shows one.
    const QString shown = fiche_.views.generalLedger.filter;
    const QString prefix = shown.isEmpty() || shown == QStringLiteral("Tous") ? document::defaultAgedPrefix() : shown;
    TLettrage dialog(*fiche_.platform().messages, this);
    TLettrage::Books books;
    books.read = [this](const QString &account) {
        std::vector<::lettering::Line> lines;
        run([&](Fiche &f) { lines = document::letteringLines(f, account); });
        return lines;
    };
    books.letter = [this](const std::vector<::lettering::Line> &lines, const std::vector<std::size_t> &chosen) {
        QString refusal;
        run([&](Fiche &f) { refusal = document::letterLines(f, lines, chosen); });
        return refusal;
    };
    books.unletter = [this](const std::vector<::lettering::Line> &lines, std::size_t line) {
        run([&](Fiche &f) { document::unletterLine(f, lines, line); });
    };
    books.propose = [this](const QString &account) {
        ::lettering::Proposal proposal;
        run([&](Fiche &f) { proposal = document::automaticLettering(f, account); });
        return proposal;
    };
    books.apply = [this](const ::lettering::Proposal &proposal) {
        run([&](Fiche &f) { document::applyLettering(f, proposal.lines, proposal.groups); });
    };
    dialog.Init(prefix, std::move(books));
    dialog.exec();
}

void TFiche::agedBalance()
{
    TBalanceAgee dialog(this);
    const QDate today = fiche_.platform().clock->today();
    const QDate at = fiche_.ledger.fiscalYear.end.isValid() ? std::min(today, fiche_.ledger.fiscalYear.end) : today;
    dialog.Init(
        at, document::defaultAgedPrefix(),
        [this](QDate date, const QString &prefix) {
            ::lettering::AgedBalance balance;
            run([&](Fiche &f) { balance = document::agedBalance(f, date, prefix); });
            return balance;
        },
        [this](const ::lettering::AgedBalance &balance, QDate date) {
            run([&](Fiche &f) { document::printAgedBalance(f, balance, date); });
        });
    dialog.exec();
}
