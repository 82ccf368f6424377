#include "WidgetTests.h"
#include "document/ui/TFiche.h"
#include "entry/ui/TParams.h"
#include "support/EntryKeys.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QtTest>
#include <memory>

// The guides dialog opened from the document window, driven by the keyboard
// and the mouse, in a folder of its own where the settings file is written.
class TParamsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;

    ReferenceData &ref() { return window->fiche().ledger.ref; }
    static QWidget *focused() { return QApplication::focusWidget(); }

    static QStringList itemsOf(const QComboBox *combo)
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items;
    }
    // The label a form row shows beside the field.
    static QString captionOf(QWidget *field)
    {
        auto *form = qobject_cast<QFormLayout *>(field->parentWidget()->layout());
        auto *label = form ? qobject_cast<QLabel *>(form->labelForField(field)) : nullptr;
        return label ? label->text() : QString();
    }
    GuideValues guides() { return guides::of(ref()); }

    void withGuides(const std::function<void(TParams &)> &user)
    {
        QVERIFY2(whileModal<TParams>([&] { window->Guides(); }, user), "the dialog was left open");
    }

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        window = std::make_unique<TFiche>(fake->platform);
        ReferenceData &r = window->fiche().ledger.ref;
        r.ListeJnx = {QStringLiteral("AC N Achats"), QStringLiteral("VE O Ventes"), QStringLiteral("ve N ventes")};
        r.ListePlc = {QStringLiteral("401000 NN Fournisseurs"), QStringLiteral("411000 ON Clients"),
                      QStringLiteral("445700 NN TVA"), QStringLiteral("706000 NN Prestations")};
        guides::set(r, {"VE", "411000", "706000", "445700", "AC", "401000", "607000", "445700"});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        fake.reset();
        dir.reset();
    }

    void textsListsAndTabOrder()
    {
        withGuides([&](TParams &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Paramètres de saisie"));
            QCOMPARE(d.clientBox->title(), QStringLiteral("Facture client"));
            QCOMPARE(d.supplierBox->title(), QStringLiteral("Facture fournisseur"));
            QCOMPARE(d.closeButton->text(), QStringLiteral("Fermer"));
            const QList<QComboBox *> fields = {d.salesJournalField,    d.customerAccountField, d.salesAccountField,
                                               d.salesVatField,        d.purchaseJournalField, d.supplierAccountField,
                                               d.purchaseAccountField, d.purchaseVatField};
            const QStringList captions = {"Journal vente", "Compte client", "Compte vente", "Compte TVA",
                                          "Journal achat", "Compte four.",  "Compte achat", "Compte TVA"};
            const QStringList texts = {"VE", "411000", "706000", "445700", "AC", "401000", "607000", "445700"};
            const QList<QStringList> lists = {{"VE"}, {"411000"}, {"706000"}, {"445700"},
                                              {"AC"}, {"401000"}, {},         {"445700"}};
            for (qsizetype i = 0; i < fields.size(); ++i) {
                QCOMPARE(captionOf(fields[i]), captions[i]);
                QCOMPARE(fields[i]->currentText(), texts[i]);
                QCOMPARE(itemsOf(fields[i]), lists[i]);
                QVERIFY(fields[i]->isEditable());
            }
            QVERIFY(d.clientBox->isAncestorOf(d.salesVatField));
            QVERIFY(d.supplierBox->isAncestorOf(d.purchaseJournalField));
            // The open list shows each code with its name.
            const QModelIndex first = d.salesJournalField->model()->index(0, 0);
            QCOMPARE(static_cast<QStyledItemDelegate *>(d.salesJournalField->itemDelegate())
                         ->displayText(first.data(), QLocale()),
                     QStringLiteral("VE  Ventes"));

            QCOMPARE(focused(), d.salesJournalField);
            for (qsizetype i = 1; i < fields.size(); ++i) {
                QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(focused(), fields[i]);
            }
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused(), d.closeButton);
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(guides(), (GuideValues{"VE", "411000", "706000", "445700", "AC", "401000", "607000", "445700"}));
    }

    void whatTheFieldsHoldBecomesTheGuidesHoweverTheDialogCloses()
    {
        const std::function<void(TParams &)> closers[] = {
            [](TParams &d) { QTest::mouseClick(d.closeButton, Qt::LeftButton); },
            [](TParams &) { QTest::keyClick(focused(), Qt::Key_Escape); },
            [](TParams &d) { d.close(); },
        };
        const QString typed[] = {QStringLiteral("999"), QStringLiteral("Vé"), QString()};
        for (std::size_t i = 0; i < std::size(closers); ++i) {
            withGuides([&](TParams &d) {
                d.customerAccountField->lineEdit()->selectAll();
                typeInto(d.customerAccountField->lineEdit(), typed[i]);
                if (typed[i].isEmpty())
                    QTest::keyClick(d.customerAccountField->lineEdit(), Qt::Key_Delete);
                d.purchaseAccountField->setFocus(Qt::TabFocusReason);
                closers[i](d);
            });
            QCOMPARE(ref().CompteClient, typed[i]);
            QVERIFY(QFile::exists(dir->file(QStringLiteral("Tavelin.ini"))));
            QCOMPARE(ref().CompteAchat, QStringLiteral("607000"));
        }
    }

    void aCodeIsPickedFromTheList()
    {
        window->fiche().ledger.ref.CompteVente.clear();
        withGuides([&](TParams &d) {
            QCOMPARE(d.salesAccountField->currentText(), QString());
            d.salesAccountField->setFocus(Qt::TabFocusReason);
            QTest::keyClick(d.salesAccountField, Qt::Key_Down);
            QCOMPARE(d.salesAccountField->currentText(), QStringLiteral("706000"));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(ref().CompteVente, QStringLiteral("706000"));
    }
};

TAVELIN_WIDGET_TEST(TParamsTest)
#include "TParams_test.moc"
