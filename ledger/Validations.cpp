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
