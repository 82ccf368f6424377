#pragma once

#include "einvoice/PurchaseEntry.h"
#include "einvoice/SupplierRules.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class Ledger;

// The invoice files received, each read, checked and proposed as an entry
// against the open dossier: what the window "Factures reçues" lists and
// `tavelin-cli factures-recues` prints.
namespace einvoice {

enum class Status { ToBook, Booked, Refused };

struct ReceivedInvoice {
    QString path;
    std::optional<Invoice> invoice;
    Accounts accounts;
    ProposedEntry entry;
    QString refusal; // French; why it may not be booked
    bool booked = false;
    QString keptAs; // the copy kept as the voucher, once booked

    Status status() const { return booked ? Status::Booked : refusal.isEmpty() ? Status::ToBook : Status::Refused; }
    // "À comptabiliser", "Comptabilisée", "Refusée : raison".
    QString statusText() const;
};

// What the document does for the reception: the checks and the posting any
// drafted entry goes through (fiscal year, validated period, journal, chart),
// taking back the lines of a posting not yet saved, an account added to the
// chart, the folder of the invoices remembered in the settings.
class ReceptionHost {
public:
    virtual ~ReceptionHost() = default;
    virtual QString postingRefusal(const ProposedEntry &entry) const = 0;
    virtual void post(const ProposedEntry &entry) = 0;
    virtual void removeLines(std::size_t first, std::size_t count) = 0;
    virtual QString dossierPath() const = 0;
    virtual void addAccount(const QString &code, const QString &label) = 0;
    virtual QString folder() const = 0;
    virtual void rememberFolder(const QString &folder) = 0;
};

class Reception {
public:
    Reception(const Ledger &ledger, ReceptionHost &host);

    SupplierRules rules;
    BookingSettings settings;
    std::vector<ReceivedInvoice> invoices;

    // The supplier rules and the reverse-charge rate beside the reference
    // files; the French message when the rules could not be read.
    QString loadSettings();
    // Reads the file and proposes its entry, at the end of the list.
    ReceivedInvoice &add(const QString &path);
    // The invoice files of a folder (".pdf", ".xml", by name) not yet listed;
    // the folder is remembered for the next time.
    void addFolder(const QString &folder);
    QString folder() const { return host_.folder(); }
    // The entry again, after the accounts, the rate or the dossier changed.
    void propose(ReceivedInvoice &received) const;
    // The accounts the user chose for an invoice.
    void setAccounts(ReceivedInvoice &received, const Accounts &accounts) const;
    // The accounts of the proposed entry that the chart lacks.
    QStringList missingAccounts(const ReceivedInvoice &received) const;
    // Adds an account to the chart and proposes every invoice again.
    void addAccount(const QString &code, const QString &label);
    // Every invoice not booked proposed again (a rate given, the chart changed).
    void proposeAll();

    enum class Learning { Off, On };
    // Posts the entry of an invoice that may be booked; with Learning::On its
    // accounts become its supplier's rule, saved at once. False when the
    // invoice may not be booked; `warning` gets the French message when the
    // rules could not be saved (the entry stays posted).
    bool book(ReceivedInvoice &received, Learning learning, QString &warning);
    // Copies the file of a booked invoice beside the dossier as its voucher;
    // the French message when it could not.
    QString keepVoucher(ReceivedInvoice &received) const;
    // Takes back the last booking: its lines leave the dossier and its kept
    // copy is deleted. False when there is none.
    bool canUndo() const { return !bookings_.empty(); }
    bool undo();

private:
    struct Booking {
        std::size_t invoice;
        std::size_t firstLine;
        std::size_t lineCount;
    };
    const Ledger &ledger_;
    ReceptionHost &host_;
    std::vector<Booking> bookings_;
};

} // namespace einvoice
