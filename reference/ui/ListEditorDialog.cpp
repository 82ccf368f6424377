#include "reference/ui/ListEditorDialog.h"

#include "reference/ListEditor.h"

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

    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &ListEditorDialog::closeClicked);
    auto *strip = new QFrame(this);
    strip->setFrameShape(QFrame::StyledPanel);
    auto *stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(6, 4, 6, 4);
    stripLayout->addWidget(closeButton);
    stripLayout->addStretch();

    codeField = new QLineEdit(this);
    codeField->setMaxLength(editor_.traits().codeLength);
    codeField->setValidator(new CodeValidator(editor_, codeField));
    const int codeWidth = fontMetrics().horizontalAdvance(QLatin1Char('W')) * (editor_.traits().codeLength + 1) + 16;
    codeField->setMaximumWidth(codeWidth);
    labelField = new QLineEdit(this);
    validateButton = new QToolButton(this);
    validateButton->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    validateButton->setToolTip(QStringLiteral("Valider"));
    validateButton->setAutoRaise(true);
    // Like a speed button it never takes the focus, so the code field is not
    // left (and not completed) when it is clicked.
    validateButton->setFocusPolicy(Qt::NoFocus);
    connect(validateButton, &QToolButton::clicked, this, [this] { act(&ListEditor::Envoi); });

    auto *codeTitle = new QLabel(codeCaption, this);
    codeTitle->setBuddy(codeField);
    auto *labelTitle = new QLabel(labelCaption, this);
    labelTitle->setBuddy(labelField);
    auto *fields = new QGridLayout;
    fields->addWidget(codeTitle, 0, 0);
    fields->addWidget(codeField, 0, 1, Qt::AlignLeft);
    fields->addWidget(labelTitle, 1, 0);
    fields->addWidget(labelField, 1, 1);
    fields->addWidget(validateButton, 1, 2);
    fields->setColumnStretch(1, 1);

    entryList = new QListWidget(this);
    entryList->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(entryList, &QListWidget::itemSelectionChanged, this, &ListEditorDialog::selectionChanged);
    connect(entryList, &QListWidget::itemClicked, this, &ListEditorDialog::selectionChanged);

    footer_ = new QVBoxLayout;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(strip);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 0);
    body->addLayout(fields);
    body->addWidget(entryList, 1);
    body->addLayout(footer_);
    layout->addLayout(body, 1);

    for (QWidget *w : std::initializer_list<QWidget *>{codeField, labelField, entryList})
        w->installEventFilter(this);
    setTabOrder(codeField, labelField);
    setTabOrder(labelField, entryList);
    setTabOrder(entryList, closeButton);
    codeField->setFocus();
    resize(380, 440);
}

void ListEditorDialog::Init(const QStringList &lines)
{
    editor_.Init(lines);
    showState();
}

void ListEditorDialog::readFields()
{
    editor_.codeField = codeField->text();
    editor_.labelField = labelField->text();
    readExtra();
}

void ListEditorDialog::showState()
{
    showing_ = true;
    if (shownVersion_ != editor_.listVersion()) {
        entryList->clear();
        entryList->addItems(editor_.items());
        shownVersion_ = editor_.listVersion();
    }
    if (editor_.ItemIndex < 0)
        entryList->selectionModel()->clear();
    else if (entryList->currentRow() != editor_.ItemIndex || !entryList->currentItem()->isSelected())
        entryList->setCurrentRow(editor_.ItemIndex, QItemSelectionModel::ClearAndSelect);
    if (codeField->text() != editor_.codeField)
        codeField->setText(editor_.codeField);
    if (labelField->text() != editor_.labelField)
        labelField->setText(editor_.labelField);
    showExtra();
    showing_ = false;
    if (editor_.focusCodeField) {
        editor_.focusCodeField = false;
        codeField->setFocus(Qt::OtherFocusReason);
    }
}

void ListEditorDialog::act(void (ListEditor::*operation)())
{
    readFields();
    (editor_.*operation)();
    showState();
}

void ListEditorDialog::selectionChanged()
{
    if (showing_)
        return;
    const QList<QListWidgetItem *> selected = entryList->selectedItems();
    const int row = selected.isEmpty() ? entryList->currentRow() : entryList->row(selected.first());
    readFields();
    editor_.entrySelected(row);
    showState();
}

bool ListEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == entryList) {
            if (key->key() != Qt::Key_Delete)
                return false;
            act(&ListEditor::Supprime);
            return true;
        }
        const QChar c = typedChar(key);
        if (c.isNull())
            return false;
        readFields();
        const bool passes = watched == codeField ? editor_.codeFieldKeyPress(c) : editor_.labelFieldKeyPress(c);
        if (!passes)
            showState();
        return !passes;
    }
    if (event->type() == QEvent::FocusOut && watched == codeField) {
        // Only a move of the focus inside the dialog leaves the field: a
        // message box or another window taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            act(&ListEditor::codeFieldExit);
    }
    return false;
}

void ListEditorDialog::closeClicked()
{
    accept();
}
