#include "desk/ui/TFicheMsg.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ui/Resources.h"
#include "desk/ToolFile.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct FieldShape {
    const char16_t *caption;
    int maxLength; // as typed
    int width;
};

constexpr std::array<FieldShape, 7> kFields{{
    {u"Pour", 30, 220},
    {u"De", 30, 220},
    {u"Société", 30, 220},
    {u"N° tél.", 20, 150},
    {u"Date", 10, 90},
    {u"Heure", 10, 90},
    {u"Objet", 50, 340},
}};

constexpr std::array<const char16_t *, 5> kFlags{u"A téléphoné", u"Est venu", u"A rappeler", u"Rappellera",
                                                 u"URGENT"};

// Leaving a field for another control of the card, not the window for another.
bool leftForAnotherControl(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

TFicheMsg::TFicheMsg(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    loadTavelinResources();
    setWindowTitle(QStringLiteral("Messages"));
    setStyleSheet(QStringLiteral("TFicheMsg { background-color: #ffff80; }"));

    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/telephone.svg")).pixmap(48, 48));
    picture->setAlignment(Qt::AlignCenter);
    numberLabel = new QLabel(this);
    numberLabel->setAlignment(Qt::AlignCenter);
    QFont numberFont = numberLabel->font();
    numberFont.setBold(true);
    numberFont.setPointSize(numberFont.pointSize() + 4);
    numberLabel->setFont(numberFont);

    auto *card = new QGridLayout;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        auto *caption = new QLabel(QString::fromUtf16(kFields[i].caption), this);
        auto *field = new QLineEdit(this);
        field->setMaxLength(kFields[i].maxLength);
        field->setFixedWidth(kFields[i].width);
        caption->setBuddy(field);
        card->addWidget(caption, int(i), 0);
        card->addWidget(field, int(i), 1, Qt::AlignLeft);
        fields_[i] = field;
    }
    recipientField = fields_[0];
    callerField = fields_[1];
    companyField = fields_[2];
    phoneField = fields_[3];
    dateField = fields_[4];
    timeField = fields_[5];
    subjectField = fields_[6];
    for (QLineEdit *field : fields_)
        field->installEventFilter(this);

    auto *flags = new QGridLayout;
    for (std::size_t i = 0; i < kFlags.size(); ++i) {
        flagBoxes[i] = new QCheckBox(QString::fromUtf16(kFlags[i]), this);
        flags->addWidget(flagBoxes[i], int(i % 3), int(i / 3));
    }
    QFont urgent = flagBoxes[4]->font();
    urgent.setBold(true);
    flagBoxes[4]->setFont(urgent);

    previousButton = new QPushButton(QStringLiteral("<"), this);
    nextButton = new QPushButton(QStringLiteral(">"), this);
    addButton = new QPushButton(QStringLiteral("+"), this);
    deleteButton = new QPushButton(QStringLiteral("-"), this);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    for (QPushButton *button : {previousButton, nextButton, addButton, deleteButton, closeButton})
        button->setAutoDefault(false);
    for (QPushButton *button : {previousButton, nextButton, addButton, deleteButton})
        button->setFixedWidth(32);
    connect(previousButton, &QPushButton::clicked, this, [this] { move(&MessageBook::previous); });
    connect(nextButton, &QPushButton::clicked, this, [this] { move(&MessageBook::next); });
    connect(addButton, &QPushButton::clicked, this, [this] { move(&MessageBook::add); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { move(&MessageBook::remove); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *side = new QVBoxLayout;
    side->addWidget(picture);
    side->addWidget(numberLabel);
    side->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(side);
    top->addSpacing(8);
    top->addLayout(card, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {previousButton, nextButton, addButton, deleteButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(flags);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TFicheMsg::Charge(const QString &path)
{
    const QString message = book_.Charge(path);
    if (!message.isEmpty()) {
        platform_.messages->information(message);
        return false;
    }
    path_ = path;
    return true;
}

QString TFicheMsg::Sauve()
{
    EcritFiche();
    return book_.Sauve(path_);
}

void TFicheMsg::done(int result)
{
    EcritFiche();
    if (!toolfile::mayWriteUnencodable(book_.lines(), *platform_.messages))
        return;
    if (toolfile::mayClose(Sauve(), QStringLiteral("les messages"), *platform_.messages))
        QDialog::done(result);
}

void TFicheMsg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        LitFiche();
}

void TFicheMsg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: move(&MessageBook::next); break;
    case Qt::Key_PageUp: move(&MessageBook::previous); break;
    default: QDialog::keyPressEvent(event); break;
    }
}

bool TFicheMsg::eventFilter(QObject *watched, QEvent *event)
{
    const auto field = std::find(fields_.begin(), fields_.end(), watched);
    if (field != fields_.end() && event->type() == QEvent::FocusOut
        && leftForAnotherControl(static_cast<QFocusEvent *>(event))) {
        const QString left = Message::leftField(std::size_t(field - fields_.begin()), (*field)->text(),
                                                platform_.clock->today(), platform_.clock->now());
        if (left != (*field)->text())
            (*field)->setText(left);
    }
    return QDialog::eventFilter(watched, event);
}

void TFicheMsg::LitFiche()
{
    numberLabel->setText(QString::number(book_.index() + 1));
    const Message shown = book_.current();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        // A longer text read from the file is shown whole: the limit is the typist's.
        fields_[i]->setMaxLength(std::max<int>(kFields[i].maxLength, int(shown.fields[i].size())));
        fields_[i]->setText(shown.fields[i]);
    }
    for (std::size_t i = 0; i < flagBoxes.size(); ++i)
        flagBoxes[i]->setChecked(shown.flags[i]);
    recipientField->setFocus();
}

void TFicheMsg::EcritFiche()
{
    Message shown;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        shown.fields[i] = fields_[i]->text();
    for (std::size_t i = 0; i < flagBoxes.size(); ++i)
        shown.flags[i] = flagBoxes[i]->isChecked();
    book_.EcritFiche(shown);
}

void TFicheMsg::move(void (MessageBook::*step)())
{
    EcritFiche();
    (book_.*step)();
    LitFiche();
}
