#include "document/ui/TFiche.h"

#include "desk/ui/TFicheMsg.h"
#include "wordproc/ui/TTexte.h"

void TFiche::TrTexte()
{
    // A new letter is headed by the first four lines of the letterhead.
    const auto &company = fiche_.ledger.ref.Societe;
    TTexte window(fiche_.platform(), QStringList(company.begin(), company.begin() + 4), this);
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    window.exec();
}

void TFiche::Messages()
{
    TFicheMsg book(fiche_.platform(), this);
    if (book.Charge(MessageBook::fileFor(fiche_.ledger.NomFichier)))
        book.exec();
}
