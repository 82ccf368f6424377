#include "reference/ui/NewBooksDialog.h"

#include "ledger/ui/DatePicker.h"
#include "ledger/ui/DialogButtons.h"
#include "platform/FileDialogs.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox *group(const QString &title, QLayout *layout, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setLayout(layout);
    return box;
}

} // namespace

NewBooksDialog::NewBooksDialog(const Platform &platform, Create create, QWidget *parent)
    : QDialog(parent), platform_(platform), create_(std::move(create))
{
    setWindowTitle(QStringLiteral("Nouvelle comptabilité"));
    companyField = new QLineEdit(this);
    for (QLineEdit *&field : addressFields)
        field = new QLineEdit(this);
    sirenField = new QLineEdit(this);
    sirenField->setPlaceholderText(QStringLiteral("9 chiffres"));
    startPicker = new DatePicker(this);
    endPicker = new DatePicker(this);
    fileNameField = new QLineEdit(this);
    folderField = new QLineEdit(this);
    browseButton = new QPushButton(QStringLiteral("&Parcourir…"), this);
    abridgedChoice = new QRadioButton(QStringLiteral("Plan comptable général (&abrégé)"), this);
    completeChoice = new QRadioButton(QStringLiteral("Plan comptable général (&complet)"), this);
    emptyChoice = new QRadioButton(QStringLiteral("&Vide"), this);

    auto *company = new QFormLayout;
    company->addRow(QStringLiteral("&Nom"), companyField);
    company->addRow(QStringLiteral("A&dresse"), addressFields[0]);
    for (std::size_t i = 1; i < addressFields.size(); ++i)
        company->addRow(QString(), addressFields[i]);
    company->addRow(QStringLiteral("&SIREN"), sirenField);

    auto *year = new QFormLayout;
    year->addRow(QStringLiteral("Dé&but"), startPicker);
    year->addRow(QStringLiteral("&Fin"), endPicker);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(folderField);
    folderRow->addWidget(browseButton);
    year->addRow(QStringLiteral("Fic&hier"), fileNameField);
    auto *folderLabel = new QLabel(QStringLiteral("D&ossier"), this);
    folderLabel->setBuddy(folderField);
    year->addRow(folderLabel, folderRow);

    auto *chart = new QVBoxLayout;
    for (QRadioButton *choice : {abridgedChoice, completeChoice, emptyChoice})
        chart->addWidget(choice);

    const DialogButtons buttons = cancelAndOk(this);
    cancelButton = buttons.cancel;
    createButton = buttons.ok;
    createButton->setText(QStringLiteral("C&réer"));
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(createButton, &QPushButton::clicked, this, &NewBooksDialog::createClicked);
    connect(browseButton, &QPushButton::clicked, this, &NewBooksDialog::browseClicked);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group(QStringLiteral("Société"), company, this));
    layout->addWidget(group(QStringLiteral("Premier exercice"), year, this));
    layout->addWidget(group(QStringLiteral("Plan comptable"), chart, this));
    layout->addLayout(buttons.row);
    companyField->setFocus();
    resize(460, sizeHint().height());
}

void NewBooksDialog::Init(const newbooks::Answers &answers)
{
    companyField->setText(answers.company);
    for (std::size_t i = 0; i < addressFields.size(); ++i)
        addressFields[i]->setText(answers.address.value(qsizetype(i)));
    sirenField->setText(answers.siren);
    startPicker->setDate(answers.start);
    endPicker->setDate(answers.end);
    const QFileInfo dossier(answers.dossier);
    fileNameField->setText(dossier.fileName());
    folderField->setText(QDir::toNativeSeparators(dossier.path()));
    const std::pair<newbooks::Chart, QRadioButton *> choices[] = {
        {newbooks::Chart::Abridged, abridgedChoice}, {newbooks::Chart::Complete, completeChoice},
        {newbooks::Chart::Empty, emptyChoice}};
    for (const auto &[chart, choice] : choices)
        choice->setChecked(chart == answers.chart);
}

newbooks::Answers NewBooksDialog::Result() const
{
    newbooks::Answers answers;
    answers.company = companyField->text();
    for (const QLineEdit *field : addressFields)
        answers.address.append(field->text());
    answers.siren = sirenField->text().remove(u' ');
    answers.start = startPicker->date();
    answers.end = endPicker->date();
    const QString name = fileNameField->text().trimmed();
    const QDir folder(QDir::fromNativeSeparators(folderField->text()));
    answers.dossier = name.isEmpty() ? QString() : newbooks::dossierPath(folder.filePath(name));
    answers.chart = completeChoice->isChecked() ? newbooks::Chart::Complete
                    : emptyChoice->isChecked()  ? newbooks::Chart::Empty
                                                : newbooks::Chart::Abridged;
    return answers;
}

void NewBooksDialog::browseClicked()
{
    if (const auto folder = platform_.fileDialogs->folder(QStringLiteral("Dossier de la comptabilité"),
                                                          QDir::fromNativeSeparators(folderField->text())))
        folderField->setText(QDir::toNativeSeparators(*folder));
}

void NewBooksDialog::createClicked()
{
    if (create_(Result()))
        accept();
}
