#include "ledger/Validations.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

namespace validation {
namespace {

constexpr std::string_view kRecordWord = "Validation ";
constexpr qsizetype kFingerprintLength = 64;
constexpr std::string_view kIdentityWord = "Dossier ";
constexpr std::string_view kMonthWord = "Mois ";
constexpr std::size_t kEntryDigits = 8;
constexpr int kIdLength = 32;

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

} // namespace

std::string recordLine(const Validation &v)
{
    if (!v.readable())
        return v.unreadable;
    return std::string(kRecordWord) + cp1252::encode(forms::formatDate(v.upTo)) + ' '
           + cp1252::encode(forms::formatDate(v.doneOn)) + ' ' + v.fingerprint;
}

bool isRecordLine(std::string_view line)
{
    return line.substr(0, kRecordWord.size()) == kRecordWord;
}

Validation readRecord(std::string_view line)
{
    if (!isRecordLine(line))
        return Validation{{}, {}, {}, std::string(line)};
    const QStringList parts = cp1252::decode(line.substr(kRecordWord.size())).split(u' ');
    Validation v;
    if (parts.size() == 3) {
        v.upTo = forms::parseDate(parts[0]);
        v.doneOn = forms::parseDate(parts[1]);
        const QString &hex = parts[2];
        if (hex.size() == kFingerprintLength && std::all_of(hex.begin(), hex.end(), isHexDigit))
            v.fingerprint = hex.toStdString();
    }
    if (!v.upTo.isValid() || !v.doneOn.isValid() || v.fingerprint.empty() || recordLine(v) != line)
        return Validation{{}, {}, {}, std::string(line)};
    return v;
}

std::string monthLine(const Validation &v, const MonthPrint &month)
{
    std::string line = std::string(kMonthWord) + v.fingerprint + ' ' + month.key + ' ' + month.digest + ' ';
    static constexpr char kHex[] = "0123456789abcdef";
    for (const std::uint32_t entry : month.entries)
        for (int shift = 28; shift >= 0; shift -= 4)
            line += kHex[(entry >> shift) & 0xF];
    return line;
}

bool isMonthLine(std::string_view line)
{
    return line.substr(0, kMonthWord.size()) == kMonthWord;
}

std::optional<std::pair<std::string, MonthPrint>> readMonthLine(std::string_view line)
{
    if (!isMonthLine(line))
        return std::nullopt;
    const QStringList parts = QString::fromLatin1(line.substr(kMonthWord.size())).split(u' ');
    if (parts.size() != 4)
        return std::nullopt;
    const auto hex = [](const QString &text) { return std::all_of(text.begin(), text.end(), isHexDigit); };
    const QString &entries = parts[3];
    if (parts[0].size() != kFingerprintLength || !hex(parts[0]) || parts[1].size() != 6 ||
        !std::all_of(parts[1].begin(), parts[1].end(), [](QChar c) { return c.isDigit(); }) ||
        parts[2].size() != kFingerprintLength || !hex(parts[2]) || entries.size() % kEntryDigits != 0 || !hex(entries))
        return std::nullopt;
    MonthPrint month{parts[1].toStdString(), parts[2].toStdString(), {}};
    for (qsizetype i = 0; i < entries.size(); i += kEntryDigits)
        month.entries.push_back(entries.mid(i, kEntryDigits).toUInt(nullptr, 16));
    return std::pair{parts[0].toStdString(), std::move(month)};
}

std::string identityLine(const std::string &id, std::size_t chainedFrom)
{
    return std::string(kIdentityWord) + id + ' ' + std::to_string(chainedFrom);
}

bool isIdentityLine(std::string_view line)
{
    return line.substr(0, kIdentityWord.size()) == kIdentityWord;
}

void readIdentity(std::string_view line, std::string &id, std::size_t &chainedFrom)
{
    id.clear();
    chainedFrom = 0;
    if (!isIdentityLine(line))
        return;
    const QStringList parts = cp1252::decode(line.substr(kIdentityWord.size())).split(u' ');
    bool number = false;
    const qulonglong from = parts.size() == 2 ? parts[1].toULongLong(&number) : 0;
    if (!number || parts[0].size() != kIdLength || !std::all_of(parts[0].begin(), parts[0].end(), isHexDigit))
        return;
    id = parts[0].toStdString();
    chainedFrom = std::size_t(from);
}

std::string newDossierId()
{
    std::string id;
    QRandomGenerator *random = QRandomGenerator::system();
    for (int i = 0; i < kIdLength; ++i)
        id += "0123456789abcdef"[random->bounded(16)];
    return id;
}

std::string chained(const std::string &previous, const std::string &entries)
{
    const std::string text = previous + '\n' + entries;
    return QCryptographicHash::hash(QByteArrayView(text.data(), qsizetype(text.size())), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

QDate validatedUntil(const Validations &validations)
{
    QDate until;
    for (const Validation &v : validations)
        if (v.readable() && (!until.isValid() || v.upTo > until))
            until = v.upTo;
    return until;
}

const Validation *covering(const Validations &validations, QDate date)
{
    if (!date.isValid())
        return nullptr;
    for (const Validation &v : validations)
        if (v.readable() && date <= v.upTo)
            return &v;
    return nullptr;
}

QString entryRefusal(const Validations &validations, const QString &dateCell, EntryAct act)
{
    const Validation *v = covering(validations, forms::parseDate(dateCell));
    if (!v)
        return {};
    return QStringLiteral("Écriture validée le %1 : elle ne peut plus être %2.")
        .arg(forms::formatDate(v->doneOn),
             act == EntryAct::Deletion ? QStringLiteral("supprimée") : QStringLiteral("modifiée"));
}

QString periodValidated(QDate until)
{
    return QStringLiteral("Les écritures jusqu'au %1 sont validées").arg(forms::formatDate(until));
}

QString dateRefusal(QDate finalUntil, QDate date)
{
    if (!finalUntil.isValid() || !date.isValid() || date > finalUntil)
        return {};
    return periodValidated(finalUntil);
}

QString statusText(QDate finalUntil)
{
    return finalUntil.isValid() ? QStringLiteral("Validé jusqu'au %1").arg(forms::formatDate(finalUntil)) : QString();
}

} // namespace validation
