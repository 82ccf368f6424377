#pragma once

#include "einvoice/EInvoice.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The accounts each supplier's invoices are booked to, learned when the user
// confirms one, kept in "Tavelin.fou" beside the reference files: UTF-8, one
// rule a line, TAB-separated: the key ("siren:123456782", "tva:FR11123456782"
// or "nom:LE FOURNISSEUR"), the supplier account, then one or more charge
// accounts, each followed by "=" and its share in percent when the net
// amount is split between several.
namespace einvoice {

struct ChargeShare {
    QString account;
    int percent = 100;
    bool operator==(const ChargeShare &) const = default;
};

struct SupplierRule {
    QString key;
    QString supplierAccount;
    std::vector<ChargeShare> charges;
    bool operator==(const SupplierRule &) const = default;
};

// Charge accounts as the window shows them and the file keeps them:
// "607000", or "606400=70 218300=30" with shares adding up to 100. Nothing
// for a text that is none.
std::optional<std::vector<ChargeShare>> parseCharges(const QStringList &cells);
QStringList chargeCells(const std::vector<ChargeShare> &charges);

// The keys an invoice's supplier is known by, the surest first: its SIREN,
// its VAT number, its name.
QStringList supplierKeys(const Seller &seller);

class SupplierRules {
public:
    static inline const QString kFileName = QStringLiteral("Tavelin.fou");

    // Reads the file of the folder; a missing file holds no rule. The French
    // message when it exists but cannot be read, or holds a line that is no rule.
    QString load(const QDir &dir);
    // Replaces the file atomically when what it would hold changed; never
    // through another user's link. The French message when it failed.
    QString save(const QDir &dir) const;

    // The rule of the first of the supplier's keys that has one.
    const SupplierRule *find(const Seller &seller) const;
    // Keeps the accounts for the supplier under its surest key, replacing
    // the rule it had under any of its keys.
    void learn(const Seller &seller, const QString &supplierAccount, const std::vector<ChargeShare> &charges);

    const std::vector<SupplierRule> &rules() const { return rules_; }

private:
    std::vector<SupplierRule> rules_;
};

} // namespace einvoice
