#include "wordproc/ui/TTexte.h"

#include "platform/FontDialog.h"
#include "platform/Platform.h"
#include "platform/ui/Resources.h"
#include "wordproc/ui/RichTextConverter.h"
#include "wordproc/ui/TextIcons.h"
#include "wordproc/ui/TextRulerBar.h"

#include <QAction>
#include <QComboBox>
#include <algorithm>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kDefaultFamily = QStringLiteral("Times New Roman");
constexpr int kDefaultSize = 10;
constexpr int kTextMargin = 6;
constexpr int kCloseFromRight = 90;
// What "Fermer" keeps from the right edge when its text is too wide for the
// 90 pixels: a button cut at the edge of a maximised window looks broken.
constexpr int kCloseEdgeGap = 6;

QToolButton *toolButton(QWidget *parent, const QString &hint, const QIcon &icon, bool checkable = false)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A formatting toggle: an action of the window, so that its key works
// wherever the focus is, shown by a button of the tool bar.
QToolButton *formatButton(QWidget *window, QWidget *bar, const QString &hint, const QIcon &icon,
                          const QKeySequence &key = {})
{
    auto *action = new QAction(icon, hint, window);
    action->setCheckable(true);
    action->setShortcut(key);
    window->addAction(action);
    QToolButton *button = toolButton(bar, hint, icon, true);
    button->setDefaultAction(action);
    return button;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

FontChoice fontChoice(const rtf::CharFormat &format)
{
    return FontChoice{format.family, qRound(format.halfPoints / 2.0), format.bold, format.italic, format.underline,
                      format.colour};
}

QTextCharFormat chosenFormat(const FontChoice &choice)
{
    QTextCharFormat format;
    format.setFontFamilies({choice.family});
    format.setFontPointSize(choice.pointSize);
    format.setFontWeight(choice.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(choice.italic);
    format.setFontUnderline(choice.underline);
    // No brush is the text's automatic colour.
    format.setForeground(choice.colour ? QBrush(QColor::fromRgb(*choice.colour)) : QBrush());
    return format;
}

} // namespace

TTexte::TTexte(const Platform &platform, const QStringList &company, QWidget *parent)
    : QDialog(parent), platform_(platform), commands_(platform, *this)
{
    loadTavelinResources();
    setWindowTitle(QStringLiteral("Texte"));
    Setsoc(company);

    editor = new QTextEdit(this);
    editor->setFont(QFont(kDefaultFamily, kDefaultSize));
    editor->document()->setDefaultFont(QFont(kDefaultFamily, kDefaultSize));
    editor->setTabStopDistance(rtf::kDefaultTabWidth / 15.0);
    buildToolBar();
    ruler = new TextRulerBar(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(ruler);
    layout->addWidget(editor, 1);

    GetFontName();
    connectToolBar();
    connect(editor, &QTextEdit::selectionChanged, this, &TTexte::SelectionChange);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &TTexte::SelectionChange);
    connect(editor, &QTextEdit::textChanged, this, &TTexte::SelectionChange);
    connect(ruler, &TextRulerBar::indentsDropped, this, &TTexte::applyIndents);
    SetEditRect();
    resize(800, 600);
    editor->setFocus();
    SelectionChange();
}

void TTexte::buildToolBar()
{
    toolBar = new QWidget(this);
    const QColor ink = palette().color(QPalette::ButtonText);
    newButton = toolButton(toolBar, QStringLiteral("Nouvelle lettre"), QIcon(QStringLiteral(":/icons/nouveau.svg")));
    openButton = toolButton(toolBar, QStringLiteral("Ouvrir"), QIcon(QStringLiteral(":/icons/ouvrir.svg")));
    saveButton = toolButton(toolBar, QStringLiteral("Enregistrer"), QIcon(QStringLiteral(":/icons/enregistrer.svg")));
    printButton = toolButton(toolBar, QStringLiteral("Imprimer"), QIcon(QStringLiteral(":/icons/imprimer.svg")));
    copyButton = toolButton(toolBar, QStringLiteral("Copier"), QIcon(QStringLiteral(":/icons/copier.svg")));
    pasteButton = toolButton(toolBar, QStringLiteral("Coller"), QIcon(QStringLiteral(":/icons/coller.svg")));

    fontBox = new QComboBox(toolBar);
    fontBox->setEditable(true);
    fontBox->setInsertPolicy(QComboBox::NoInsert);
    fontBox->setToolTip(QStringLiteral("Police"));
    fontBox->setMinimumContentsLength(18);
    sizeBox = new QSpinBox(toolBar);
    sizeBox->setRange(kMinSize, kMaxSize);
    sizeBox->setValue(kDefaultSize);
    sizeBox->setToolTip(QStringLiteral("Taille"));

    QFont serif(kDefaultFamily);
    fontDialogButton = toolButton(toolBar, QStringLiteral("Police"), texticons::letter(QStringLiteral("A"), serif, ink));
    QFont bold = serif;
    bold.setBold(true);
    QFont italic = serif;
    italic.setItalic(true);
    QFont underline = serif;
    underline.setUnderline(true);
    // The keys of French word processors: G for "Gras", I, U for "Souligné".
    boldButton = formatButton(this, toolBar, QStringLiteral("Gras"), texticons::letter(QStringLiteral("G"), bold, ink),
                              QKeySequence(Qt::CTRL | Qt::Key_G));
    italicButton = formatButton(this, toolBar, QStringLiteral("Italique"),
                                texticons::letter(QStringLiteral("I"), italic, ink),
                                QKeySequence(Qt::CTRL | Qt::Key_I));
    underlineButton = formatButton(this, toolBar, QStringLiteral("Souligné"),
                                   texticons::letter(QStringLiteral("S"), underline, ink),
                                   QKeySequence(Qt::CTRL | Qt::Key_U));
    leftButton = formatButton(this, toolBar, QStringLiteral("Gauche"), texticons::alignment(Qt::AlignLeft, ink));
    centreButton = formatButton(this, toolBar, QStringLiteral("Centré"), texticons::alignment(Qt::AlignHCenter, ink));
    rightButton = formatButton(this, toolBar, QStringLiteral("Droite"), texticons::alignment(Qt::AlignRight, ink));
    bulletsButton = formatButton(this, toolBar, QStringLiteral("Puces"), texticons::bullets(ink));

    auto *row = new QHBoxLayout(toolBar);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(2);
    const QList<QList<QWidget *>> groups = {
        {newButton, openButton, saveButton, printButton},
        {copyButton, pasteButton},
        {fontBox, sizeBox, fontDialogButton},
        {boldButton, italicButton, underlineButton},
        {leftButton, centreButton, rightButton},
        {bulletsButton},
    };
    for (const QList<QWidget *> &group : groups) {
        if (&group != &groups.front())
            row->addWidget(separator(toolBar));
        for (QWidget *w : group)
            row->addWidget(w);
    }
    row->addStretch();
    // "Fermer" stands at a fixed distance from the right edge, outside the row.
    closeButton = new QPushButton(QStringLiteral("Fermer"), toolBar);
    closeButton->setAutoDefault(false);
    closeButton->setFocusPolicy(Qt::NoFocus);
    row->addSpacing(closeButtonReserve());
}

void TTexte::connectToolBar()
{
    connect(newButton, &QToolButton::clicked, this, &TTexte::newLetter);
    connect(openButton, &QToolButton::clicked, this, &TTexte::open);
    connect(saveButton, &QToolButton::clicked, this, [this] { commands_.save(); });
    connect(printButton, &QToolButton::clicked, this, [this] { commands_.print(); });
    connect(copyButton, &QToolButton::clicked, editor, &QTextEdit::copy);
    connect(pasteButton, &QToolButton::clicked, editor, &QTextEdit::paste);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    const auto style = [this](QToolButton *button, auto setter) {
        connect(button->defaultAction(), &QAction::toggled, this, [this, setter](bool down) {
            if (updating_)
                return;
            QTextCharFormat change;
            setter(change, down);
            applyToCurrText(change);
        });
    };
    style(boldButton, [](QTextCharFormat &f, bool down) { f.setFontWeight(down ? QFont::Bold : QFont::Normal); });
    style(italicButton, [](QTextCharFormat &f, bool down) { f.setFontItalic(down); });
    style(underlineButton, [](QTextCharFormat &f, bool down) { f.setFontUnderline(down); });

    const std::pair<QToolButton *, Qt::Alignment> alignments[] = {
        {leftButton, Qt::AlignLeft}, {centreButton, Qt::AlignHCenter}, {rightButton, Qt::AlignRight}};
    for (const auto &[button, alignment] : alignments)
        connect(button->defaultAction(), &QAction::triggered, this,
                [this, alignment = alignment] { applyAlignment(alignment); });
    connect(bulletsButton->defaultAction(), &QAction::toggled, this, &TTexte::applyBullets);

    // Only a family of the list: text typed that names none changes nothing.
    connect(fontBox, &QComboBox::activated, this, [this](int index) {
        if (updating_ || index < 0)
            return;
        QTextCharFormat change;
        change.setFontFamilies({fontBox->itemText(index)});
        applyToCurrText(change);
        editor->setFocus();
    });
    connect(sizeBox, &QSpinBox::valueChanged, this, [this](int points) {
        if (updating_)
            return;
        QTextCharFormat change;
        change.setFontPointSize(points);
        applyToCurrText(change);
    });
    connect(fontDialogButton, &QToolButton::clicked, this, &TTexte::chooseFont);
}

void TTexte::GetFontName()
{
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    fontBox->addItems(families);
    fontBox->setCurrentIndex(fontBox->findText(kDefaultFamily));
    fontBox->setEditText(kDefaultFamily);
}

void TTexte::SetEditRect()
{
    QTextDocument *doc = editor->document();
    QTextFrame *root = doc->rootFrame();
    QTextFrameFormat frame = root->frameFormat();
    if (frame.leftMargin() == kTextMargin && frame.rightMargin() == kTextMargin)
        return;
    const bool wasModified = doc->isModified();
    frame.setLeftMargin(kTextMargin);
    frame.setRightMargin(kTextMargin);
    root->setFrameFormat(frame);
    doc->setModified(wasModified);
}

int TTexte::closeButtonReserve() const
{
    return std::max(kCloseFromRight, closeButton->sizeHint().width() + kCloseEdgeGap);
}

void TTexte::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    closeButton->resize(closeButton->sizeHint());
    closeButton->move(toolBar->width() - closeButtonReserve(), (toolBar->height() - closeButton->height()) / 2);
    SetEditRect();
    SelectionChange();
}

void TTexte::keyPressEvent(QKeyEvent *event)
{
    // A letter window has no cancel button: Escape closes nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TTexte::done(int result)
{
    if (!commands_.closeQuery())
        return;
    QDialog::done(result);
}

rtf::CharFormat TTexte::selectionFormat() const
{
    const QTextCursor cursor = editor->textCursor();
    QTextCharFormat format = editor->currentCharFormat();
    if (cursor.hasSelection()) {
        // The first character selected.
        QTextCursor first(editor->document());
        first.setPosition(cursor.selectionStart() + 1);
        format = first.charFormat();
    }
    return richtext::charFormat(format, editor->document()->defaultFont());
}

void TTexte::SelectionChange()
{
    updating_ = true;
    const auto done = qScopeGuard([this] { updating_ = false; });

    const rtf::ParagraphFormat paragraph = richtext::paragraphFormat(editor->textCursor().block());
    ruler->setTabWidth(editor->document()->defaultTextOption().tabStopDistance());
    ruler->showIndents(rulerIndents(paragraph));

    const rtf::CharFormat format = selectionFormat();
    boldButton->defaultAction()->setChecked(format.bold);
    italicButton->defaultAction()->setChecked(format.italic);
    underlineButton->defaultAction()->setChecked(format.underline);
    bulletsButton->defaultAction()->setChecked(paragraph.bullet);
    sizeBox->setValue(qRound(format.halfPoints / 2.0));
    const int family = fontBox->findText(format.family);
    if (family >= 0)
        fontBox->setCurrentIndex(family);
    fontBox->setEditText(format.family);
    // One alignment down; none for a justified paragraph of a file.
    leftButton->defaultAction()->setChecked(paragraph.alignment == rtf::Alignment::Left);
    centreButton->defaultAction()->setChecked(paragraph.alignment == rtf::Alignment::Centre);
    rightButton->defaultAction()->setChecked(paragraph.alignment == rtf::Alignment::Right);
}

void TTexte::applyToCurrText(const QTextCharFormat &change)
{
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(change);
        return;
    }
    QTextDocument *doc = editor->document();
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    all.beginEditBlock();
    all.mergeCharFormat(change);
    all.mergeBlockCharFormat(change);
    all.endEditBlock();
    doc->setDefaultFont(change.font().resolve(doc->defaultFont()));
    editor->mergeCurrentCharFormat(change);
}

void TTexte::applyAlignment(Qt::Alignment alignment)
{
    if (updating_)
        return;
    QTextBlockFormat change;
    change.setAlignment(alignment);
    editor->textCursor().mergeBlockFormat(change);
    SelectionChange();
}

void TTexte::applyBullets(bool on)
{
    if (updating_)
        return;
    QTextCursor cursor = editor->textCursor();
    cursor.beginEditBlock();
    if (on) {
        cursor.createList(richtext::bulletList());
    } else {
        const QTextBlock last = editor->document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = editor->document()->findBlock(cursor.selectionStart()); block.isValid();
             block = block.next()) {
            if (QTextList *list = block.textList())
                list->remove(block);
            if (block == last)
                break;
        }
    }
    cursor.endEditBlock();
    SelectionChange();
}

void TTexte::applyIndents(const RulerIndents &indents)
{
    const rtf::ParagraphFormat paragraph = richtext::paragraphFormat(editor->textCursor().block());
    const QTextBlockFormat indented = richtext::blockFormat(withIndents(paragraph, indents));
    QTextBlockFormat change;
    change.setLeftMargin(indented.leftMargin());
    change.setTextIndent(indented.textIndent());
    change.setRightMargin(indented.rightMargin());
    editor->textCursor().mergeBlockFormat(change);
    SelectionChange();
}

void TTexte::chooseFont()
{
    const std::optional<FontChoice> chosen = platform_.fontDialog->choose(fontChoice(selectionFormat()));
    if (!chosen)
        return;
    editor->mergeCurrentCharFormat(chosenFormat(*chosen));
    SelectionChange();
}

void TTexte::newLetter()
{
    if (commands_.newLetter())
        editor->moveCursor(QTextCursor::End);
    SelectionChange();
}

void TTexte::open()
{
    commands_.open();
    SelectionChange();
}

bool TTexte::modified() const
{
    return editor->document()->isModified();
}

void TTexte::setModified(bool modified)
{
    editor->document()->setModified(modified);
}

rtf::Document TTexte::document() const
{
    return richtext::fromDocument(*editor->document());
}

void TTexte::setDocument(const rtf::Document &document)
{
    {
        const QSignalBlocker quiet(editor);
        richtext::toDocument(document, *editor->document());
        SetEditRect();
    }
    editor->moveCursor(QTextCursor::Start);
    SelectionChange();
}

rtf::CharFormat TTexte::defaultFormat() const
{
    return richtext::charFormat(QTextCharFormat(), editor->document()->defaultFont());
}

QString TTexte::richText() const
{
    return editor->document()->toHtml();
}
