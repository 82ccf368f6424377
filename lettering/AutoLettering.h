#pragma once

#include "lettering/Lettering.h"

#include <vector>

// The automatic lettering ("Lettrage automatique..."): on each account, the
// groups of open lines that settle each other beyond doubt, proposed for the
// user to see before they are applied.
namespace lettering {

// Whether the account's invoices stand on the credit side: a supplier's (40...),
// where the payments are debits; a customer's invoices (and those of every
// other account) are debits.
bool invoicesOnCredit(const QString &account);

// The groups proposed on the open lines of `lines` (as accountLines reads
// them), coded by `codes`:
// - first pairs: an invoice and a payment of the same amount, the payment
//   dated on or after the invoice; among the candidates, a shared reference
//   first (the same voucher, or the voucher of one in the label of the
//   other), then the closest dates, then the file order;
// - then one payment that settles several open invoices of its account
//   exactly, when no other group of those invoices does.
// No line is in two groups; lettered lines are in none.
std::vector<Group> automaticGroups(const std::vector<Line> &lines, CodeBook &codes);

// What the user reads before the proposal is applied: how many groups, then
// the first of them, one a line (code, account, date, lines, amount).
QString proposalText(const Proposal &proposal);

} // namespace lettering
