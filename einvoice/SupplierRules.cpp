#include "einvoice/SupplierRules.h"

#include "ledger/FileIO.h"

#include <QFileInfo>
#include <algorithm>

namespace einvoice {
namespace {

const QString kHeading = QStringLiteral("# Comptes des fournisseurs : clé, compte fournisseur, comptes de charge (compte=part en %)");

QString compact(const QString &text)
{
    QString out = text;
    out.remove(u' ');
    return out.toUpper();
}

std::optional<SupplierRule> ruleOf(const QString &line)
{
    QStringList cells = line.split(u'\t');
    if (cells.size() < 3 || cells[0].isEmpty() || cells[1].isEmpty())
        return std::nullopt;
    const std::optional<std::vector<ChargeShare>> charges = parseCharges(cells.mid(2));
    if (!charges)
        return std::nullopt;
    return SupplierRule{cells[0], cells[1], *charges};
}

QString lineOf(const SupplierRule &rule)
{
    return (QStringList{rule.key, rule.supplierAccount} + chargeCells(rule.charges)).join(u'\t');
}

} // namespace

std::optional<std::vector<ChargeShare>> parseCharges(const QStringList &cells)
{
    std::vector<ChargeShare> charges;
    int total = 0;
    for (const QString &cell : cells) {
        const qsizetype equals = cell.indexOf(u'=');
        ChargeShare share{equals < 0 ? cell : cell.left(equals), 100};
        bool number = true;
        if (equals >= 0)
            share.percent = cell.mid(equals + 1).toInt(&number);
        if (share.account.isEmpty() || !number || share.percent <= 0)
            return std::nullopt;
        total += share.percent;
        charges.push_back(share);
    }
    if (charges.empty() || (charges.size() > 1 && total != 100))
        return std::nullopt;
    return charges;
}

QStringList chargeCells(const std::vector<ChargeShare> &charges)
{
    QStringList cells;
    for (const ChargeShare &share : charges)
        cells << (charges.size() == 1 ? share.account : share.account + u'=' + QString::number(share.percent));
    return cells;
}

QStringList supplierKeys(const Seller &seller)
{
    QStringList keys;
    if (!seller.siren.isEmpty())
        keys << QStringLiteral("siren:") + compact(seller.siren);
    if (!seller.vatNumber.isEmpty())
        keys << QStringLiteral("tva:") + compact(seller.vatNumber);
    if (!seller.name.trimmed().isEmpty())
        keys << QStringLiteral("nom:") + seller.name.simplified().toUpper();
    return keys;
}

QString SupplierRules::load(const QDir &dir)
{
    rules_.clear();
    const QString path = dir.filePath(kFileName);
    if (!QFileInfo::exists(path))
        return {};
    QStringList lines;
    if (const QString failed = fileio::readUtf8Lines(path, lines); !failed.isEmpty())
        return fileio::readFailedMessage(path, failed);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty() || lines[i].startsWith(u'#'))
            continue;
        const std::optional<SupplierRule> rule = ruleOf(lines[i]);
        if (!rule) {
            rules_.clear();
            return QStringLiteral("La ligne %1 de %2 n'est pas une règle de fournisseur : les règles ne sont pas appliquées.")
                .arg(i + 1)
                .arg(path);
        }
        rules_.push_back(*rule);
    }
    return {};
}

QString SupplierRules::save(const QDir &dir) const
{
    QString text = kHeading + u'\n';
    for (const SupplierRule &rule : rules_)
        text += lineOf(rule) + u'\n';
    const QByteArray bytes = text.toUtf8();
    return fileio::saveIfChanged(dir.filePath(kFileName), std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

const SupplierRule *SupplierRules::find(const Seller &seller) const
{
    for (const QString &key : supplierKeys(seller))
        for (const SupplierRule &rule : rules_)
            if (rule.key == key)
                return &rule;
    return nullptr;
}

void SupplierRules::learn(const Seller &seller, const QString &supplierAccount, const std::vector<ChargeShare> &charges)
{
    const QStringList keys = supplierKeys(seller);
    if (keys.isEmpty())
        return;
    std::erase_if(rules_, [&](const SupplierRule &rule) { return keys.contains(rule.key); });
    rules_.push_back({keys.front(), supplierAccount, charges});
}

} // namespace einvoice
