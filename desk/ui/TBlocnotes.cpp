#include "desk/ui/TBlocnotes.h"

#include "platform/Messages.h"
#include "platform/ui/Resources.h"
#include "desk/Notepad.h"
#include "desk/NotesPrint.h"
#include "desk/ToolFile.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kNotesPoints = 10;
constexpr int kToolBarHeight = 30;
// "Fermer" keeps this far from the window's right edge.
constexpr int kNotesCloseFromRight = 125;

} // namespace

TBlocnotes::TBlocnotes(const Platform &platform, QWidget *parent)
    : QDialog(parent), platform_(platform)
{
    loadTavelinResources();
    setWindowTitle(QStringLiteral("Bloc-notes"));
    setSizeGripEnabled(true);

    auto *toolBar = new QWidget(this);
    toolBar->setFixedHeight(kToolBarHeight);
    printButton = new QToolButton(toolBar);
    printButton->setIcon(QIcon(QStringLiteral(":/icons/imprimer.svg")));
    printButton->setToolTip(QStringLiteral("Imprimer"));
    printButton->setAutoRaise(true);
    printButton->setFocusPolicy(Qt::NoFocus);
    printButton->setGeometry(4, 2, 26, 26);
    connect(printButton, &QToolButton::clicked, this, &TBlocnotes::Imprimer);
    closeButton = new QPushButton(QStringLiteral("Fermer"), toolBar);
    closeButton->setAutoDefault(false);
    closeButton->setFocusPolicy(Qt::NoFocus);
    closeButton->resize(closeButton->sizeHint().width(), 26);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    notes = new QPlainTextEdit(this);
    QFont font = notes->font();
    font.setPointSize(kNotesPoints);
    notes->setFont(font);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(notes);
    resize(520, 380);
    notes->setFocus();
}

bool TBlocnotes::Charge(const QString &path)
{
    QString text;
    const QString message = notepad::Charge(path, text);
    if (!message.isEmpty()) {
        platform_.messages->information(message);
        return false;
    }
    path_ = path;
    notes->setPlainText(text);
    notes->document()->setModified(false);
    return true;
}

QString TBlocnotes::Sauve()
{
    if (!notes->document()->isModified())
        return {};
    const QString message = notepad::Sauve(path_, notes->toPlainText());
    if (message.isEmpty())
        notes->document()->setModified(false);
    return message;
}

void TBlocnotes::Imprimer()
{
    const QFont font = notes->font();
    const QString message = notepad::Imprimer(*platform_.printer, notepad::lines(notes->toPlainText()),
                                               font.family(), font.pointSize());
    if (!message.isEmpty())
        platform_.messages->information(message);
}

void TBlocnotes::done(int result)
{
    if (notes->document()->isModified()
        && !toolfile::mayWriteUnencodable(notepad::lines(notes->toPlainText()), *platform_.messages))
        return;
    if (toolfile::mayClose(Sauve(), QStringLiteral("le bloc-notes"), *platform_.messages))
        QDialog::done(result);
}

void TBlocnotes::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    closeButton->move(width() - kNotesCloseFromRight, 2);
}
