#include "WidgetTests.h"
#include "document/ui/TFiche.h"
#include "entry/ui/DateField.h"
#include "entry/ui/TClient.h"
#include "entry/ui/TFour.h"
#include "platform/ui/QtMessages.h"
#include "support/EntryKeys.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

// The invoice dialogs driven by the keyboard and the mouse, opened from the
// document window on March 2002 (today is 15/03/2002, fiscal year 2002).
class InvoiceDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;

    // Asked when the dialog closes on invoices that cannot be posted.
    const QString dropQuestion = QStringLiteral("Abandonner les factures non enregistrées ?");

    Fiche &fiche() { return window->fiche(); }
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void type(const QString &text) { typeInto(focused(), text); }
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), k, modifiers);
    }
    // Replaces the text of the field the user is in.
    static void retype(const QString &text)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(focused()))
            edit->selectAll();
        type(text);
    }
    // The label shown beside a field.
    static QString captionOf(const QDialog &dialog, QWidget *field)
    {
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->buddy() == field)
                return label->text();
        return {};
    }
    // The month grid's rows, trimmed, as the user reads them.
    QList<QStringList> rows()
    {
        QList<QStringList> out;
        for (int r = 0; r < fiche().ledger.NbLignes; ++r) {
            QStringList row;
            for (int c = 0; c < 8; ++c)
                row.append(fiche().ledger.monthGrid.at(r, c).trimmed());
            out.append(row);
        }
        return out;
    }

    // Runs the command; the user acts on its dialog, and leaves it closed.
    template <class Dialog>
    void withDialogOf(TFiche &document, void (TFiche::*command)(), const std::function<void(Dialog &)> &user)
    {
        QVERIFY2(whileModal<Dialog>([&] { (document.*command)(); }, user), "the dialog was left open");
    }
    template <class Dialog>
    void withDialog(void (TFiche::*command)(), const std::function<void(Dialog &)> &user)
    {
        withDialogOf(*window, command, user);
    }

    // Keys the invoice on screen from its date field: the date, Tab, the
    // label, Tab, the three totals.
    static void keyInvoice(InvoiceDialog &d, const QString &date, const QString &label, const QString &withTax,
                           const QString &beforeTax, const QString &vatAmount)
    {
        QCOMPARE(focused(), d.dateField);
        typeFieldsWithTab({date, label, withTax, beforeTax, vatAmount});
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        window = std::make_unique<TFiche>(fake->platform);
        window->run([](Fiche &f) {
            f.ledger.ref.ListePlc = {QStringLiteral("401000 NN Fournisseurs"), QStringLiteral("411000 ON Clients"),
                              QStringLiteral("445600 NN TVA déductible"), QStringLiteral("445700 NN TVA collectée"),
                              QStringLiteral("607000 NN Achats"), QStringLiteral("706000 NN Prestations"),
                              QStringLiteral("707000 NN Ventes")};
            f.ledger.ref.ListeJnx = {QStringLiteral("AC N Achats"), QStringLiteral("V1 N Ventes diverses"),
                                     QStringLiteral("VE N Ventes")};
            f.ledger.InitPlc();
            f.ledger.InitJnx();
            f.LitMois();
        });
        window->resize(1000, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        fake.reset();
    }

    void customerDialogTextsAndTabOrder()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Facture client"));
            QCOMPARE(captionOf(d, d.dateField), QStringLiteral("Date"));
            QCOMPARE(captionOf(d, d.counterpartyField), QStringLiteral("Client"));
            QCOMPARE(captionOf(d, d.revenueField), QStringLiteral("Vente"));
            QCOMPARE(captionOf(d, d.vatField), QStringLiteral("TVA collectée"));
            QCOMPARE(captionOf(d, d.journalField), QStringLiteral("Journal"));
            QCOMPARE(captionOf(d, d.labelField), QStringLiteral("Libellé"));
            QCOMPARE(captionOf(d, d.totalWithTaxField), QStringLiteral("Total TTC"));
            QCOMPARE(captionOf(d, d.totalBeforeTaxField), QStringLiteral("Total HT"));
            QCOMPARE(captionOf(d, d.totalVatAmountField), QStringLiteral("Total TVA"));
            QVERIFY(d.totalsBox->isAncestorOf(d.totalWithTaxField));
            QVERIFY(d.totalsBox->isAncestorOf(d.totalVatAmountField));
            QCOMPARE(d.newInvoiceButton->toolTip(), QStringLiteral("Nouvelle facture"));
            QCOMPARE(d.previousButton->toolTip(), QStringLiteral("Précédent"));
            QCOMPARE(d.nextButton->toolTip(), QStringLiteral("Suivant"));
            QCOMPARE(d.closeButton->text(), QStringLiteral("Fermer"));
            QCOMPARE(d.positionLabel->text(), QStringLiteral("Facture 1 / 1"));

            // A new invoice without guides: today and the fixed values.
            QCOMPARE(d.dateField->text(), QStringLiteral("15/03/2002"));
            QCOMPARE(d.counterpartyField->text(), QStringLiteral("411000"));
            QCOMPARE(d.revenueField->text(), QStringLiteral("607000"));
            QCOMPARE(d.vatField->text(), QStringLiteral("445700"));
            QCOMPARE(d.journalField->text(), QStringLiteral("V1"));

            const QList<QWidget *> order = {d.dateField,   d.labelField,        d.totalWithTaxField, d.totalBeforeTaxField,
                                            d.totalVatAmountField, d.closeButton,     d.counterpartyField,
                                            d.revenueField, d.vatField,         d.journalField,  d.dateField};
            QCOMPARE(focused(), order[0]);
            for (qsizetype i = 1; i < order.size(); ++i) {
                key(Qt::Key_Tab);
                QCOMPARE(focused(), order[i]);
            }
            QVERIFY(fake->messages.shown.isEmpty());
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(fiche().ledger.NbLignes, 0);
        QVERIFY(!fiche().ledger.Modifie);
    }

    void supplierDialogProposesItsGuidesAndPostsTheOtherWay()
    {
        window->run([](Fiche &f) {
            f.ledger.ref.JournalAchat = QStringLiteral("AC");
            f.ledger.ref.CompteFour = QStringLiteral("401000");
            f.ledger.ref.CompteAchat = QStringLiteral("607000");
            f.ledger.ref.JournalVente = QStringLiteral("VE");
        });
        withDialog<TFour>(&TFiche::FactFour, [&](TFour &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Facture fournisseur"));
            QCOMPARE(captionOf(d, d.counterpartyField), QStringLiteral("Four."));
            QCOMPARE(captionOf(d, d.revenueField), QStringLiteral("Achat"));
            QCOMPARE(captionOf(d, d.vatField), QStringLiteral("TVA récup."));
            QCOMPARE(d.journalField->text(), QStringLiteral("AC"));
            QCOMPARE(d.counterpartyField->text(), QStringLiteral("401000"));
            QCOMPARE(d.revenueField->text(), QStringLiteral("607000"));
            QCOMPARE(d.vatField->text(), QStringLiteral("445700"));
            keyInvoice(d, QStringLiteral("05032002"), QStringLiteral("Martin"), QStringLiteral("120"),
                       QStringLiteral("100"), QStringLiteral("20"));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(rows(), (QList<QStringList>{
                             {"05/03/2002", "401000", "Martin", "AC", "", "", "120,00", ""},
                             {"05/03/2002", "607000", "Martin", "AC", "", "100,00", "", ""},
                             {"05/03/2002", "445700", "Martin", "AC", "", "20,00", "", ""},
                         }));
    }

    void customerInvoiceBecomesThreeLines()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            d.counterpartyField->setFocus(Qt::TabFocusReason);
            key(Qt::Key_Tab);
            retype(QStringLiteral("706"));
            key(Qt::Key_Tab);
            QCOMPARE(d.revenueField->text(), QStringLiteral("706000"));
            d.dateField->setFocus(Qt::TabFocusReason);
            keyInvoice(d, QStringLiteral("05032002"), QStringLiteral("Facture Dupont été"), QStringLiteral("120"),
                       QStringLiteral("100"), QStringLiteral("20"));
            QCOMPARE(d.totalWithTaxField->text(), QStringLiteral("120,00"));
            QCOMPARE(d.totalBeforeTaxField->text(), QStringLiteral("100,00"));
            QCOMPARE(d.totalBeforeTaxField->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        const QString label = QStringLiteral("Facture Dupont été");
        QCOMPARE(rows(), (QList<QStringList>{
                             {"05/03/2002", "411000", label, "V1", "", "120,00", "", ""},
                             {"05/03/2002", "706000", label, "V1", "", "", "100,00", ""},
                             {"05/03/2002", "445700", label, "V1", "", "", "20,00", ""},
                         }));
        QVERIFY(fiche().ledger.Modifie);
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void twoInvoicesThenPageUpToTheFirstToChangeItsLabel()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            keyInvoice(d, QStringLiteral("05032002"), QStringLiteral("Dupont"), QStringLiteral("120"),
                       QStringLiteral("100"), QStringLiteral("20"));
            QTest::mouseClick(d.newInvoiceButton, Qt::LeftButton);
            QCOMPARE(d.positionLabel->text(), QStringLiteral("Facture 2 / 2"));
            QCOMPARE(d.labelField->text(), QString());
            keyInvoice(d, QStringLiteral("06032002"), QStringLiteral("Durand"), QStringLiteral("12"),
                       QStringLiteral("10"), QStringLiteral("2"));
            d.labelField->setFocus(Qt::TabFocusReason);
            key(Qt::Key_PageUp);
            QCOMPARE(d.positionLabel->text(), QStringLiteral("Facture 1 / 2"));
            QCOMPARE(d.labelField->text(), QStringLiteral("Dupont"));
            QCOMPARE(focused(), d.labelField);
            retype(QStringLiteral("Dupont et fils"));
            key(Qt::Key_PageDown);
            QCOMPARE(d.labelField->text(), QStringLiteral("Durand"));
            key(Qt::Key_PageUp);
            QCOMPARE(d.labelField->text(), QStringLiteral("Dupont et fils"));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        const QList<QStringList> lines = rows();
        QCOMPARE(lines.size(), 6);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(lines[r][2], QStringLiteral("Dupont et fils"));
        for (int r = 3; r < 6; ++r)
            QCOMPARE(lines[r][2], QStringLiteral("Durand"));
    }

    void pageUpInTheDateFieldAndTheButtonsMoveToo()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            keyInvoice(d, QStringLiteral("05032002"), QStringLiteral("Dupont"), QStringLiteral("12"),
                       QStringLiteral("10"), QStringLiteral("2"));
            QTest::mouseClick(d.newInvoiceButton, Qt::LeftButton);
            QCOMPARE(focused(), d.dateField);
            key(Qt::Key_PageUp);
            QCOMPARE(d.labelField->text(), QStringLiteral("Dupont"));
            QCOMPARE(d.dateField->text(), QStringLiteral("05/03/2002"));
            QTest::mouseClick(d.nextButton, Qt::LeftButton);
            QCOMPARE(d.positionLabel->text(), QStringLiteral("Facture 2 / 2"));
            QTest::mouseClick(d.previousButton, Qt::LeftButton);
            QCOMPARE(d.positionLabel->text(), QStringLiteral("Facture 1 / 2"));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        // The second invoice was never typed into.
        QCOMPARE(fiche().ledger.NbLignes, 3);
    }

    void escapeAndTheFrameCloseAsFermer()
    {
        const std::function<void(TClient &)> closers[] = {
            [](TClient &) { key(Qt::Key_Escape); },
            [](TClient &d) { d.close(); },
        };
        int expected = 0;
        for (const auto &close : closers) {
            withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
                keyInvoice(d, QStringLiteral("05032002"), QStringLiteral("Dupont"), QStringLiteral("12"),
                           QStringLiteral("10"), QStringLiteral("2"));
                close(d);
            });
            expected += 3;
            QCOMPARE(fiche().ledger.NbLignes, expected);
        }
    }

    void totalWithTaxTakesOnlyDigitsAndSeparators()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            d.labelField->setFocus(Qt::TabFocusReason);
            type(QStringLiteral("Dupont"));
            key(Qt::Key_Tab);
            type(QStringLiteral("1a2-é,5"));
            QCOMPARE(d.totalWithTaxField->text(), QStringLiteral("12,5"));
            key(Qt::Key_Tab);
            QCOMPARE(d.totalWithTaxField->text(), QStringLiteral("12,50"));
            type(QStringLiteral("dix"));
            key(Qt::Key_Tab);
            // Not a number: left as typed.
            QCOMPARE(d.totalBeforeTaxField->text(), QStringLiteral("dix"));
            key(Qt::Key_Escape);
            QVERIFY(d.isVisible());
            QCOMPARE(fake->messages.shown, (QStringList{"Facture 1 : total HT invalide", dropQuestion}));
            QCOMPARE(focused(), d.totalBeforeTaxField);
            retype(QStringLiteral("10"));
            key(Qt::Key_Tab);
            type(QStringLiteral("2.5"));
            key(Qt::Key_Escape);
        });
        QCOMPARE(fiche().ledger.NbLignes, 3);
        QCOMPARE(fiche().ledger.monthGrid.at(2, 6).trimmed(), QStringLiteral("2,50"));
    }

    void unknownAccountIsToldAndKeepsTheFocus()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            d.counterpartyField->setFocus(Qt::TabFocusReason);
            retype(QStringLiteral("999"));
            key(Qt::Key_Tab);
            QCOMPARE(fake->messages.boxes, FakeMessages::informationBox(QStringLiteral("Le compte 999000 n'existe pas")));
            QCOMPARE(focused(), d.counterpartyField);
            QCOMPARE(d.counterpartyField->text(), QStringLiteral("999000"));
            QTest::mouseClick(d.newInvoiceButton, Qt::LeftButton);
            // The field keeps the user there.
            QCOMPARE(d.positionLabel->text(), QStringLiteral("Facture 1 / 1"));
            retype(QStringLiteral("411"));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        // Told when the field was left, and again when a new invoice was asked
        // for; the invoice, with nothing to post, was dropped.
        QCOMPARE(fake->messages.shown.size(), 2);
        QCOMPARE(fiche().ledger.NbLignes, 0);
    }

    // With the desktop's real message box, and a desktop that leaves another
    // window active once it has closed: the keys typed next go to the field.
    void afterAMessageTheKeyboardIsBackInTheField()
    {
        QtMessages messages;
        Platform platform = fake->platform;
        platform.messages = &messages;
        TFiche document(platform);
        document.run([&](Fiche &f) { f.ledger.ref = fiche().ledger.ref; });
        QWidget elsewhere;
        elsewhere.resize(100, 100);
        withDialogOf<TClient>(document, &TFiche::FactCli, [&](TClient &d) {
            d.journalField->setFocus(Qt::TabFocusReason);
            retype(QStringLiteral("ZZ"));
            onNextModal<QMessageBox>([&](QMessageBox *box) {
                QCOMPARE(box->text(), QStringLiteral("Le journal ZZ n'existe pas"));
                elsewhere.show();
                elsewhere.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
                box->buttons().constFirst()->click();
            });
            key(Qt::Key_Tab);
            QTRY_VERIFY(d.isActiveWindow());
            QCOMPARE(focused(), d.journalField);
            retype(QStringLiteral("VE"));
            key(Qt::Key_Escape);
        });
    }

    void fermerShowsTheInvoiceThatCannotBePostedAndLosesNothing()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            keyInvoice(d, QStringLiteral("05032002"), QStringLiteral("Dupont"), QStringLiteral("12"),
                       QStringLiteral("10"), QStringLiteral("2"));
            QTest::mouseClick(d.newInvoiceButton, Qt::LeftButton);
            keyInvoice(d, QStringLiteral("3"), QStringLiteral("Durand"), QStringLiteral("6"), QStringLiteral("5"),
                       QStringLiteral("1"));
            QTest::mouseClick(d.previousButton, Qt::LeftButton);
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(fake->messages.shown, (QStringList{"Facture 2 : date invalide", dropQuestion}));
            QCOMPARE(d.positionLabel->text(), QStringLiteral("Facture 2 / 2"));
            QCOMPARE(d.labelField->text(), QStringLiteral("Durand"));
            QCOMPARE(focused(), d.dateField);
            type(QStringLiteral("06032002"));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(fiche().ledger.NbLignes, 6);
        QCOMPARE(fiche().ledger.monthGrid.at(3, 0), QStringLiteral("06/03/2002"));
    }

    // Today, 15/03/2002, lies in the validated period, as the date proposed.
    void closingWithoutPostingIsAlwaysPossible()
    {
        const Ledger &ledger = fiche().ledger;
        const auto opened = [&](TClient &d) {
            d.Init({}, QDate(2002, 1, 1), QDate(2002, 12, 31), ledger.ref.ListePlc, ledger.ref.ListeJnx,
                   QDate(2002, 3, 31));
        };
        TClient untouched(fake->platform, window.get());
        opened(untouched);
        QVERIFY(whileModal<TClient>([&] { untouched.exec(); }, [](TClient &) { key(Qt::Key_Escape); }));
        QVERIFY(fake->messages.shown.isEmpty());

        TClient typed(fake->platform, window.get());
        opened(typed);
        QVERIFY(whileModal<TClient>([&] { typed.exec(); }, [&](TClient &d) {
            keyInvoice(d, QStringLiteral("05042002"), QStringLiteral("Dupont"), QStringLiteral("12"),
                       QStringLiteral("10"), QStringLiteral("2"));
            d.dateField->setFocus(Qt::TabFocusReason);
            type(QStringLiteral("05032002"));
            key(Qt::Key_Escape);
            QVERIFY(d.isVisible());
            QCOMPARE(fake->messages.shown, (QStringList{"Les écritures jusqu'au 31/03/2002 sont validées", dropQuestion}));
            QCOMPARE(focused(), d.dateField);
            fake->messages.okCancel = {true};
            key(Qt::Key_Escape);
        }));
        std::vector<Invoice> invoices;
        typed.Result(invoices);
        QVERIFY(invoices.empty());
    }

    void anUnbalancedInvoiceIsAskedAbout()
    {
        withDialog<TClient>(&TFiche::FactCli, [&](TClient &d) {
            keyInvoice(d, QStringLiteral("05032002"), QStringLiteral("Dupont"), QStringLiteral("120"),
                       QStringLiteral("100"), QStringLiteral("10"));
            fake->messages.yesNoCancel = {Messages::Answer::No};
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(focused(), d.totalWithTaxField);
            fake->messages.yesNoCancel = {Messages::Answer::Yes};
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        const QString question =
            QStringLiteral("Facture 1 : le total TTC n'est pas égal à HT + TVA. L'enregistrer quand même ?");
        QCOMPARE(fake->messages.shown, (QStringList{question, dropQuestion, question}));
        QCOMPARE(fiche().ledger.NbLignes, 3);
        QCOMPARE(fiche().ledger.monthGrid.at(2, 6).trimmed(), QStringLiteral("10,00"));
    }
};

TAVELIN_WIDGET_TEST(InvoiceDialogsTest)
#include "InvoiceDialogs_test.moc"
