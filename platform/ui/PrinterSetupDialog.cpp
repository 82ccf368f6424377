#include "platform/ui/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Paper sizes offered when the printer does not list its own, with their French names.
const QList<std::pair<QPageSize::PageSizeId, const char16_t *>> &frenchPageSizes()
{
    static const QList<std::pair<QPageSize::PageSizeId, const char16_t *>> sizes = {
        {QPageSize::A4, u"A4"},
        {QPageSize::A5, u"A5"},
        {QPageSize::A3, u"A3"},
        {QPageSize::B5, u"B5"},
        {QPageSize::Letter, u"Lettre US"},
        {QPageSize::Legal, u"Légal US"},
        {QPageSize::EnvelopeDL, u"Enveloppe DL (110 x 220 mm)"},
        {QPageSize::EnvelopeC5, u"Enveloppe C5 (162 x 229 mm)"},
        {QPageSize::EnvelopeC6, u"Enveloppe C6 (114 x 162 mm)"},
    };
    return sizes;
}

QString frenchName(const QPageSize &size)
{
    for (const auto &[id, name] : frenchPageSizes())
        if (id == size.id())
            return QString::fromUtf16(name);
    return size.name();
}

QString stateText(QPrinter::PrinterState state)
{
    switch (state) {
    case QPrinter::Idle: return QStringLiteral("Prête");
    case QPrinter::Active: return QStringLiteral("Impression en cours");
    case QPrinter::Aborted: return QStringLiteral("Interrompue");
    case QPrinter::Error: return QStringLiteral("En erreur");
    }
    return QString();
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(QPrinter &printer, QWidget *parent)
    : QDialog(parent), printer_(printer)
{
    setWindowTitle(QStringLiteral("Configuration de l'impression"));

    ComboNom = new QComboBox(this);
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QString &name : QPrinterInfo::availablePrinterNames())
        ComboNom->addItem(name == defaultName ? QStringLiteral("%1 (par défaut)").arg(name) : name, name);
    ComboNom->addItem(QStringLiteral("Fichier PDF"), QString());
    LabelEtat = new QLabel(this);
    LabelType = new QLabel(this);
    LabelEmplacement = new QLabel(this);
    LabelCommentaire = new QLabel(this);
    EditFichier = new QLineEdit(this);
    BoutonParcourir = new QPushButton(QStringLiteral("Parcourir..."), this);
    auto *fichier = new QHBoxLayout;
    fichier->addWidget(EditFichier);
    fichier->addWidget(BoutonParcourir);

    auto *imprimante = new QGroupBox(QStringLiteral("Imprimante"), this);
    auto *form = new QFormLayout(imprimante);
    form->addRow(QStringLiteral("&Nom :"), ComboNom);
    form->addRow(QStringLiteral("État :"), LabelEtat);
    form->addRow(QStringLiteral("Type :"), LabelType);
    form->addRow(QStringLiteral("Emplacement :"), LabelEmplacement);
    form->addRow(QStringLiteral("Commentaire :"), LabelCommentaire);
    // A row holding a layout gets no buddy of its own: without one the label
    // would show its "&" instead of underlining the access letter.
    auto *fichierLabel = new QLabel(QStringLiteral("&Fichier :"), this);
    fichierLabel->setBuddy(EditFichier);
    form->addRow(fichierLabel, fichier);

    ComboTaille = new QComboBox(this);
    auto *papier = new QGroupBox(QStringLiteral("Papier"), this);
    auto *papierForm = new QFormLayout(papier);
    papierForm->addRow(QStringLiteral("&Taille :"), ComboTaille);

    RadioPortrait = new QRadioButton(QStringLiteral("&Portrait"), this);
    RadioPaysage = new QRadioButton(QStringLiteral("P&aysage"), this);
    auto *orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    auto *orientationLayout = new QVBoxLayout(orientation);
    orientationLayout->addWidget(RadioPortrait);
    orientationLayout->addWidget(RadioPaysage);

    auto *bas = new QHBoxLayout;
    bas->addWidget(papier, 1);
    bas->addWidget(orientation);

    auto *buttons = new QDialogButtonBox(this);
    BoutonOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    BoutonAnnuler = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    BoutonOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrinterSetupDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(imprimante);
    layout->addLayout(bas);
    layout->addWidget(buttons);

    connect(ComboNom, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::showPrinter);
    connect(BoutonParcourir, &QPushButton::clicked, this, &PrinterSetupDialog::browse);

    // Start on the printer as it is set now.
    const bool toPdf = printer_.outputFormat() == QPrinter::PdfFormat;
    const int current = toPdf ? ComboNom->count() - 1 : ComboNom->findData(printer_.printerName());
    ComboNom->setCurrentIndex(current < 0 ? 0 : current);
    showPrinter(ComboNom->currentIndex());
    EditFichier->setText(printer_.outputFileName());
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? RadioPaysage : RadioPortrait)->setChecked(true);
}

bool PrinterSetupDialog::pdfChosen() const
{
    return ComboNom->currentData().toString().isEmpty();
}

void PrinterSetupDialog::showPrinter(int)
{
    const bool pdf = pdfChosen();
    const QPrinterInfo info = pdf ? QPrinterInfo() : QPrinterInfo::printerInfo(ComboNom->currentData().toString());
    LabelEtat->setText(pdf ? QStringLiteral("Prête") : stateText(info.state()));
    LabelType->setText(pdf ? QStringLiteral("Document PDF") : info.makeAndModel());
    LabelEmplacement->setText(pdf ? QStringLiteral("Fichier sur le disque") : info.location());
    LabelCommentaire->setText(pdf ? QString() : info.description());
    EditFichier->setEnabled(pdf);
    BoutonParcourir->setEnabled(pdf);

    const QPageSize wanted = ComboTaille->count() > 0
        ? QPageSize(QPageSize::PageSizeId(ComboTaille->currentData().toInt()))
        : printer_.pageLayout().pageSize();
    ComboTaille->clear();
    QList<QPageSize> sizes = pdf ? QList<QPageSize>() : info.supportedPageSizes();
    if (sizes.isEmpty())
        for (const auto &entry : frenchPageSizes())
            sizes.append(QPageSize(entry.first));
    for (const QPageSize &size : sizes)
        ComboTaille->addItem(frenchName(size), int(size.id()));
    const int index = ComboTaille->findData(int(wanted.id()));
    ComboTaille->setCurrentIndex(index < 0 ? 0 : index);
}

void PrinterSetupDialog::browse()
{
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Fichier PDF"), EditFichier->text(),
                                                        QStringLiteral("Documents PDF (*.pdf)"));
    if (!chosen.isEmpty())
        EditFichier->setText(chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? chosen : chosen + QStringLiteral(".pdf"));
}

void PrinterSetupDialog::accept()
{
    if (pdfChosen() && EditFichier->text().trimmed().isEmpty()) {
        QMessageBox box(QMessageBox::Information, windowTitle(), QStringLiteral("Indiquez le nom du fichier PDF."),
                        QMessageBox::NoButton, this);
        box.addButton(QStringLiteral("&OK"), QMessageBox::AcceptRole);
        box.exec();
        EditFichier->setFocus();
        return;
    }
    if (pdfChosen()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(EditFichier->text().trimmed());
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(ComboNom->currentData().toString());
    }
    printer_.setPageSize(QPageSize(QPageSize::PageSizeId(ComboTaille->currentData().toInt())));
    printer_.setPageOrientation(RadioPaysage->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QDialog::accept();
}
