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

    printerList = new QComboBox(this);
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QString &name : QPrinterInfo::availablePrinterNames())
        printerList->addItem(name == defaultName ? QStringLiteral("%1 (par défaut)").arg(name) : name, name);
    printerList->addItem(QStringLiteral("Fichier PDF"), QString());
    statusLabel = new QLabel(this);
    typeLabel = new QLabel(this);
    locationLabel = new QLabel(this);
    commentLabel = new QLabel(this);
    fileField = new QLineEdit(this);
    browseButton = new QPushButton(QStringLiteral("Parcourir..."), this);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(fileField);
    fileRow->addWidget(browseButton);

    auto *printerBox = new QGroupBox(QStringLiteral("Imprimante"), this);
    auto *form = new QFormLayout(printerBox);
    form->addRow(QStringLiteral("&Nom :"), printerList);
    form->addRow(QStringLiteral("État :"), statusLabel);
    form->addRow(QStringLiteral("Type :"), typeLabel);
    form->addRow(QStringLiteral("Emplacement :"), locationLabel);
    form->addRow(QStringLiteral("Commentaire :"), commentLabel);
    // A row holding a layout gets no buddy of its own: without one the label
    // would show its "&" instead of underlining the access letter.
    auto *fileLabel = new QLabel(QStringLiteral("&Fichier :"), this);
    fileLabel->setBuddy(fileField);
    form->addRow(fileLabel, fileRow);

    paperSizeList = new QComboBox(this);
    auto *paperBox = new QGroupBox(QStringLiteral("Papier"), this);
    auto *paperForm = new QFormLayout(paperBox);
    paperForm->addRow(QStringLiteral("&Taille :"), paperSizeList);

    portraitButton = new QRadioButton(QStringLiteral("&Portrait"), this);
    landscapeButton = new QRadioButton(QStringLiteral("P&aysage"), this);
    auto *orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    auto *orientationLayout = new QVBoxLayout(orientation);
    orientationLayout->addWidget(portraitButton);
    orientationLayout->addWidget(landscapeButton);

    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(paperBox, 1);
    bottomRow->addWidget(orientation);

    auto *buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrinterSetupDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addLayout(bottomRow);
    layout->addWidget(buttons);

    connect(printerList, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::showPrinter);
    connect(browseButton, &QPushButton::clicked, this, &PrinterSetupDialog::browse);

    // Start on the printer as it is set now.
    const bool toPdf = printer_.outputFormat() == QPrinter::PdfFormat;
    const int current = toPdf ? printerList->count() - 1 : printerList->findData(printer_.printerName());
    printerList->setCurrentIndex(current < 0 ? 0 : current);
    showPrinter(printerList->currentIndex());
    fileField->setText(printer_.outputFileName());
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? landscapeButton : portraitButton)->setChecked(true);
}

bool PrinterSetupDialog::pdfChosen() const
{
    return printerList->currentData().toString().isEmpty();
}

void PrinterSetupDialog::showPrinter(int)
{
    const bool pdf = pdfChosen();
    const QPrinterInfo info = pdf ? QPrinterInfo() : QPrinterInfo::printerInfo(printerList->currentData().toString());
    statusLabel->setText(pdf ? QStringLiteral("Prête") : stateText(info.state()));
    typeLabel->setText(pdf ? QStringLiteral("Document PDF") : info.makeAndModel());
    locationLabel->setText(pdf ? QStringLiteral("Fichier sur le disque") : info.location());
    commentLabel->setText(pdf ? QString() : info.description());
    fileField->setEnabled(pdf);
    browseButton->setEnabled(pdf);

    const QPageSize wanted = paperSizeList->count() > 0
        ? QPageSize(QPageSize::PageSizeId(paperSizeList->currentData().toInt()))
        : printer_.pageLayout().pageSize();
    paperSizeList->clear();
    QList<QPageSize> sizes = pdf ? QList<QPageSize>() : info.supportedPageSizes();
    if (sizes.isEmpty())
        for (const auto &entry : frenchPageSizes())
            sizes.append(QPageSize(entry.first));
    for (const QPageSize &size : sizes)
        paperSizeList->addItem(frenchName(size), int(size.id()));
    const int index = paperSizeList->findData(int(wanted.id()));
    paperSizeList->setCurrentIndex(index < 0 ? 0 : index);
}

void PrinterSetupDialog::browse()
{
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Fichier PDF"), fileField->text(),
                                                        QStringLiteral("Documents PDF (*.pdf)"));
    if (!chosen.isEmpty())
        fileField->setText(chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? chosen : chosen + QStringLiteral(".pdf"));
}

void PrinterSetupDialog::accept()
{
    if (pdfChosen() && fileField->text().trimmed().isEmpty()) {
        QMessageBox box(QMessageBox::Information, windowTitle(), QStringLiteral("Indiquez le nom du fichier PDF."),
                        QMessageBox::NoButton, this);
        box.addButton(QStringLiteral("&OK"), QMessageBox::AcceptRole);
        box.exec();
        fileField->setFocus();
        return;
    }
    if (pdfChosen()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(fileField->text().trimmed());
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(printerList->currentData().toString());
    }
    printer_.setPageSize(QPageSize(QPageSize::PageSizeId(paperSizeList->currentData().toInt())));
    printer_.setPageOrientation(landscapeButton->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QDialog::accept();
}
