#pragma once

#include "entry/Invoice.h"
#include "ledger/CodeList.h"

#include <QDate>
#include <QStringList>
#include <optional>
#include <vector>

struct Platform;

// The rules of an invoice dialog (`TClient`, `TFour`): the invoices typed
// during one use of the dialog, the one shown, and what each field does when
// it is left. The dialog copies what the user types into `shown`, runs an
// operation and shows the state back; a rule that wants the keyboard focus
// somewhere says so in `focus`.
class InvoiceEntry {
public:
    InvoiceEntry(InvoiceKind kind, const Platform &platform);

    InvoiceKind kind() const { return kind_; }

    // The guides' proposals, the fiscal year, copies of the chart and the
    // journals list, and the last day validated (no invoice may be dated on or
    // before it); the dialog opens on a new invoice, ready to be typed.
    void Init(const InvoiceProposals &proposed, QDate yearStart, QDate yearEnd, const QStringList &chart,
              const QStringList &journals, QDate validatedUntil = {});
    // The invoices to post, in the order they were typed; those with neither
    // a label nor an amount hold nothing to post and are left out.
    void Result(std::vector<Invoice> &invoices) const;

    Invoice shown;         // the fields as the dialog shows them
    bool changed = false;  // the user changed a field since the invoice was shown
    std::optional<InvoiceField> focus;

    int position() const { return position_; }
    int count() const { return int(invoices_.size()); }

    // The user changed the text of a field.
    void edited() { changed = true; }
    // Stores the fields as the invoice shown, when the user changed them.
    void EcritFiche();
    // Shows the invoice at the current position.
    void LitFiche();

    void newInvoice();
    void previous();
    void next();
    // "Fermer": stores the invoice shown and checks every invoice. False, with
    // the user told and the faulty invoice shown, when one cannot be posted
    // as it stands: the dialog then stays open.
    bool close();
    // Whether an invoice typed holds something to post.
    bool hasUnposted();
    // Closing without posting, always possible: asks first when invoices
    // typed would be lost. True when the dialog may close, the invoices then
    // dropped.
    bool closeWithoutPosting();

    // Whether the chart holds the account.
    bool Trouve(const QString &code) const;
    // Whether the journals list holds the journal; an empty journal is
    // accepted, as on the entry line.
    bool journalKnown(const QString &code) const;
    // A field left: its rule; false when it refused the text (the focus is
    // then asked back to the field).
    bool fieldLeft(InvoiceField field);
    // Whether a character may be typed into the total with tax.
    static bool withTaxAccepts(QChar c);

private:
    struct Stored {
        Invoice invoice;
        bool unbalancedAccepted = false; // the user chose to post it with TTC ≠ HT + TVA
    };

    bool dateLeft();
    bool accountLeft(InvoiceField field);
    bool journalLeft();
    bool inFiscalYear(QDate day) const { return day >= yearStart_ && day <= yearEnd_; }
    void totalLeft(InvoiceField field);
    void message(const QString &text) const;
    // Shows the invoice at `index` with the focus in `field`.
    void showAt(int index, InvoiceField field);
    // Completes the accounts and formats the totals of a stored invoice; the
    // first field that keeps it from being posted, with the user told why.
    std::optional<InvoiceField> refusal(int index);
    bool askUnbalanced(int index);

    const InvoiceKind kind_;
    const Platform &platform_;
    std::vector<Stored> invoices_;
    int position_ = -1;
    InvoiceProposals proposed_;
    QDate yearStart_;
    QDate yearEnd_;
    QDate validatedUntil_;
    CodeList chart_{CodeList::Kind::Chart};
    CodeList journals_{CodeList::Kind::Journals};
};
