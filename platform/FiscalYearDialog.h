#pragma once

#include <QDate>
#include <optional>

// The fiscal-year dialog ("Exercice en cours"): shown with the start, end and
// closing dates; gives back the start and end dates when closed by "OK", and
// nothing when closed by "Annuler".
class FiscalYearDialog {
public:
    struct Dates {
        QDate start;
        QDate end;
    };
    virtual ~FiscalYearDialog() = default;
    virtual std::optional<Dates> ask(QDate start, QDate end, QDate closing) = 0;
};
