#pragma once

#include "ledger/Header.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <map>
#include <string>

// The register of validations, "Tavelin.val" beside the reference files: for
// each dossier identity, the validation records made and the final closing
// date, so that a record taken out of a dossier or changed, or a closing date
// set back by hand, is seen at the next opening. UTF-8, one line per fact:
// "<identity> TAB <record line>", "<identity> TAB Clôture <dd/mm/yyyy>", or,
// after its record, each month a record covered ("<identity> TAB Mois ...",
// validation::monthLine), which a version that does not know them passes
// over.
class ValidationRegister {
public:
    static inline const QString kFileName = QStringLiteral("Tavelin.val");

    // A missing file is an empty register; one that cannot be read is told
    // and never written back.
    QString load(const QDir &dir);
    QString save(const QDir &dir) const;

    // Adds the dossier's records and closing date to what the register holds
    // for it; nothing it held is dropped.
    void record(const FiscalYear &year);

    // What the dossier lacks of what the register holds for it, one line
    // each: "Validation supprimée ou modifiée hors de Tavelin : …". Empty when
    // they agree, or when the register does not know the dossier.
    QStringList discrepancies(const FiscalYear &year) const;

    // Gives the year back the records and the closing date the register
    // holds for it, so that the entries they made final stay final.
    void restore(FiscalYear &year) const;

    // Gives the year's records the months the register keeps for them, so
    // that an alteration can be told with its months and entries.
    void giveMonths(FiscalYear &year) const;

private:
    struct Known {
        Validations records;
        QDate closing;
    };
    const Known *find(const FiscalYear &year) const;

    std::map<std::string, Known> dossiers_;
    bool unread_ = false;
};
