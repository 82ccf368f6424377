#include "dialogs/ui/ListEditorDialog.h"

#include "dialogs/ListEditor.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// The character a key press types, as the editor's key handlers take it:
// Enter and Backspace as control characters, printable text as itself, and
// nothing for the keys that only move or edit (arrows, Delete, Escape...).
QChar typedChar(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ListEditor::kEnter;
    case Qt::Key_Backspace:
        return ListEditor::kBackspace;
    default:
        break;
    }
    const QString text = key->text();
    return text.size() == 1 && text[0].isPrint() ? text[0] : QChar();
}

// Keeps pasted text to what the keys may type in the code field.
class CodeValidator final : public QValidator {
public:
    CodeValidator(const ListEditor &editor, QObject *parent) : QValidator(parent), editor_(editor) {}
    State validate(QString &input, int &) const override
    {
        for (QChar c : input)
            if (!editor_.codeCharAllowed(c))
                return Invalid;
        return Acceptable;
    }

private:
    const ListEditor &editor_;
};

} // namespace

ListEditorDialog::ListEditorDialog(ListEditor &editor, const QString &caption, const QString &codeCaption,
                                   const QString &labelCaption, QWidget *parent)
    : QDialog(parent), editor_(editor)
{
    setWindowTitle(caption);

    Button1 = new QPushButton(QStringLiteral("Fermer"), this);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &ListEditorDialog::Button1Click);
    auto *strip = new QFrame(this);
    strip->setFrameShape(QFrame::StyledPanel);
    auto *stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(6, 4, 6, 4);
    stripLayout->addWidget(Button1);
    stripLayout->addStretch();

    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(editor_.traits().codeLength);
    Edit1->setValidator(new CodeValidator(editor_, Edit1));
    Edit1->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) * (editor_.traits().codeLength + 1) + 16);
    Edit2 = new QLineEdit(this);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    SpeedButton1->setToolTip(QStringLiteral("Valider"));
    SpeedButton1->setAutoRaise(true);
    // Like a speed button it never takes the focus, so the code field is not
    // left (and not completed) when it is clicked.
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { act(&ListEditor::Envoi); });

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(codeCaption, this), 0, 0);
    fields->addWidget(Edit1, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(labelCaption, this), 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->addWidget(SpeedButton1, 1, 2);
    fields->setColumnStretch(1, 1);

    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &ListEditorDialog::listSelected);
    connect(ListBox1, &QListWidget::itemClicked, this, &ListEditorDialog::listSelected);

    footer_ = new QVBoxLayout;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(strip);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 0);
    body->addLayout(fields);
    body->addWidget(ListBox1, 1);
    body->addLayout(footer_);
    layout->addLayout(body, 1);

    for (QWidget *w : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2), static_cast<QWidget *>(ListBox1)})
        w->installEventFilter(this);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, ListBox1);
    setTabOrder(ListBox1, Button1);
    Edit1->setFocus();
    resize(380, 440);
}

void ListEditorDialog::Init(const QStringList &lines)
{
    editor_.Init(lines);
    showState();
}

void ListEditorDialog::readFields()
{
    editor_.Edit1 = Edit1->text();
    editor_.Edit2 = Edit2->text();
    readExtra();
}

void ListEditorDialog::showState()
{
    showing_ = true;
    if (shownVersion_ != editor_.listVersion()) {
        ListBox1->clear();
        ListBox1->addItems(editor_.items());
        shownVersion_ = editor_.listVersion();
    }
    if (editor_.ItemIndex < 0)
        ListBox1->selectionModel()->clear();
    else if (ListBox1->currentRow() != editor_.ItemIndex || !ListBox1->currentItem()->isSelected())
        ListBox1->setCurrentRow(editor_.ItemIndex, QItemSelectionModel::ClearAndSelect);
    if (Edit1->text() != editor_.Edit1)
        Edit1->setText(editor_.Edit1);
    if (Edit2->text() != editor_.Edit2)
        Edit2->setText(editor_.Edit2);
    showExtra();
    showing_ = false;
    if (editor_.focusEdit1) {
        editor_.focusEdit1 = false;
        Edit1->setFocus(Qt::OtherFocusReason);
    }
}

void ListEditorDialog::act(void (ListEditor::*operation)())
{
    readFields();
    (editor_.*operation)();
    showState();
}

void ListEditorDialog::listSelected()
{
    if (showing_)
        return;
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    const int row = selected.isEmpty() ? ListBox1->currentRow() : ListBox1->row(selected.first());
    readFields();
    editor_.ListBox1Click(row);
    showState();
}

bool ListEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == ListBox1) {
            if (key->key() != Qt::Key_Delete)
                return false;
            act(&ListEditor::Supprime);
            return true;
        }
        const QChar c = typedChar(key);
        if (c.isNull())
            return false;
        readFields();
        const bool passes = watched == Edit1 ? editor_.Edit1KeyPress(c) : editor_.Edit2KeyPress(c);
        if (!passes)
            showState();
        return !passes;
    }
    if (event->type() == QEvent::FocusOut && watched == Edit1) {
        // Only a move of the focus inside the dialog leaves the field: a
        // message box or another window taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            act(&ListEditor::Edit1Exit);
    }
    return false;
}

void ListEditorDialog::Button1Click()
{
    accept();
}
