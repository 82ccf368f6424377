#include "platform/ui/FontChooser.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The sixteen colours of the desktop's basic palette.
const std::pair<const char *, quint32> kColours[] = {
    {"Noir", 0x000000},   {"Bordeaux", 0x800000}, {"Vert", 0x008000},       {"Olive", 0x808000},
    {"Bleu marine", 0x000080}, {"Violet", 0x800080}, {"Sarcelle", 0x008080}, {"Gris", 0x808080},
    {"Argent", 0xC0C0C0}, {"Rouge", 0xFF0000},    {"Citron vert", 0x00FF00}, {"Jaune", 0xFFFF00},
    {"Bleu", 0x0000FF},   {"Fuchsia", 0xFF00FF},  {"Aqua", 0x00FFFF},       {"Blanc", 0xFFFFFF},
};

enum Style { Normal, Italic, Bold, BoldItalic };

QIcon swatch(quint32 rgb)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(QColor::fromRgb(rgb));
    return QIcon(pixmap);
}

} // namespace

FontChooser::FontChooser(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Police"));

    familyField = new QLineEdit(this);
    familyList = new QListWidget(this);
    familyList->addItems(QFontDatabase::families());
    styleList = new QListWidget(this);
    styleList->addItems({QStringLiteral("Normal"), QStringLiteral("Italique"), QStringLiteral("Gras"),
                         QStringLiteral("Gras italique")});
    sizeBox = new QSpinBox(this);
    sizeBox->setRange(kMinSize, kMaxSize);

    underlineBox = new QCheckBox(QStringLiteral("Souligné"), this);
    colourBox = new QComboBox(this);
    colourBox->addItem(QStringLiteral("Automatique"));
    for (const auto &[name, rgb] : kColours)
        colourBox->addItem(swatch(rgb), QString::fromUtf8(name), rgb);

    sample = new QLabel(QStringLiteral("AaBbYyZz"), this);
    sample->setAlignment(Qt::AlignCenter);
    sample->setMinimumHeight(60);
    sample->setFrameShape(QFrame::StyledPanel);

    auto *grid = new QGridLayout;
    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(QStringLiteral("&Police :"), familyField), 0, 0);
    grid->addWidget(label(QStringLiteral("&Style :"), styleList), 0, 1);
    grid->addWidget(label(QStringLiteral("&Taille :"), sizeBox), 0, 2);
    grid->addWidget(familyField, 1, 0);
    grid->addWidget(sizeBox, 1, 2);
    grid->addWidget(familyList, 2, 0);
    grid->addWidget(styleList, 1, 1, 2, 1);
    grid->setColumnStretch(0, 2);

    auto *effects = new QGroupBox(QStringLiteral("Effets"), this);
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(underlineBox);
    effectsLayout->addWidget(label(QStringLiteral("&Couleur :"), colourBox));
    effectsLayout->addWidget(colourBox);
    auto *preview = new QGroupBox(QStringLiteral("Aperçu"), this);
    auto *previewLayout = new QVBoxLayout(preview);
    previewLayout->addWidget(sample);
    auto *lower = new QHBoxLayout;
    lower->addWidget(effects);
    lower->addWidget(preview, 1);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    connect(familyField, &QLineEdit::textEdited, this, &FontChooser::familyTyped);
    connect(familyList, &QListWidget::currentTextChanged, this, [this](const QString &family) {
        if (!family.isEmpty() && !familyField->hasFocus())
            familyField->setText(family);
        showSample();
    });
    connect(styleList, &QListWidget::currentRowChanged, this, &FontChooser::showSample);
    connect(sizeBox, &QSpinBox::valueChanged, this, &FontChooser::showSample);
    connect(underlineBox, &QCheckBox::toggled, this, &FontChooser::showSample);
    connect(colourBox, &QComboBox::currentIndexChanged, this, &FontChooser::showSample);
    resize(520, 360);
}

void FontChooser::Init(const FontChoice &choice)
{
    initialFamily_ = choice.family;
    familyField->setText(choice.family);
    const QList<QListWidgetItem *> found = familyList->findItems(choice.family, Qt::MatchFixedString);
    familyList->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    styleList->setCurrentRow(choice.bold ? (choice.italic ? BoldItalic : Bold) : (choice.italic ? Italic : Normal));
    sizeBox->setValue(choice.pointSize);
    underlineBox->setChecked(choice.underline);
    colourBox->setCurrentIndex(choice.colour ? std::max(colourBox->findData(*choice.colour), 0) : 0);
    if (choice.colour && colourBox->currentIndex() == 0) {
        // A colour of the text that the basic palette lacks is offered as it is.
        colourBox->addItem(swatch(*choice.colour), QStringLiteral("Personnalisée"), *choice.colour);
        colourBox->setCurrentIndex(colourBox->count() - 1);
    }
    familyField->setFocus();
    familyField->selectAll();
    showSample();
}

FontChoice FontChooser::Result() const
{
    FontChoice choice;
    choice.family = familyField->text().trimmed();
    if (choice.family.isEmpty())
        choice.family = initialFamily_;
    const int style = styleList->currentRow();
    choice.bold = style == Bold || style == BoldItalic;
    choice.italic = style == Italic || style == BoldItalic;
    choice.pointSize = sizeBox->value();
    choice.underline = underlineBox->isChecked();
    if (colourBox->currentIndex() > 0)
        choice.colour = colourBox->currentData().toUInt();
    return choice;
}

void FontChooser::familyTyped(const QString &text)
{
    // The list follows what is typed, on the first family that starts so.
    for (int i = 0; i < familyList->count(); ++i) {
        if (familyList->item(i)->text().startsWith(text, Qt::CaseInsensitive)) {
            familyList->setCurrentRow(i);
            familyList->scrollToItem(familyList->item(i));
            break;
        }
    }
    showSample();
}

void FontChooser::showSample()
{
    const FontChoice choice = Result();
    QFont font(choice.family);
    font.setPointSize(choice.pointSize);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    sample->setFont(font);
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, choice.colour ? QColor::fromRgb(*choice.colour) : QColor(Qt::black));
    sample->setPalette(palette);
}
