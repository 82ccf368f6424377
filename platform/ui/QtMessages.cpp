#include "platform/ui/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
QString title()
{
    return QApplication::applicationName();
}

// Without a window manager nobody hands the keyboard back once a box is
// gone, and typing would go nowhere: the window the user was typing in is
// made active again, its focus field with it.
void runBox(QMessageBox &box)
{
    const QPointer<QWidget> typingIn = QApplication::activeWindow();
    box.exec();
    if (typingIn && typingIn->isVisible() && !typingIn->isActiveWindow())
        typingIn->activateWindow();
}

struct Button {
    QString text;
    QMessageBox::ButtonRole role;
};

// A warning box with the two buttons and "Annuler", the first by default.
Messages::Choice threeButtonWarning(QWidget *owner, const QString &text, const Button &first, const Button &second)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, owner);
    QPushButton *firstButton = box.addButton(first.text, first.role);
    QPushButton *secondButton = box.addButton(second.text, second.role);
    QPushButton *cancelButton = box.addButton(QStringLiteral("&Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(firstButton);
    box.setEscapeButton(cancelButton);
    runBox(box);
    if (box.clickedButton() == firstButton)
        return Messages::Choice::First;
    if (box.clickedButton() == secondButton)
        return Messages::Choice::Second;
    return Messages::Choice::Cancel;
}
} // namespace

QWidget *QtMessages::owner() const
{
    // Over the dialog the user is working in, when one is open.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return parent_;
}

void QtMessages::information(const QString &text)
{
    QMessageBox box(QMessageBox::Information, title(), text, QMessageBox::NoButton, owner());
    box.addButton(QStringLiteral("&OK"), QMessageBox::AcceptRole);
    runBox(box);
}

Messages::Answer QtMessages::warningYesNoCancel(const QString &text)
{
    switch (threeButtonWarning(owner(), text, {QStringLiteral("&Oui"), QMessageBox::YesRole},
                               {QStringLiteral("&Non"), QMessageBox::NoRole})) {
    case Choice::First: return Answer::Yes;
    case Choice::Second: return Answer::No;
    case Choice::Cancel: break;
    }
    return Answer::Cancel;
}

bool QtMessages::warningOkCancel(const QString &text)
{
    return warningAcceptCancel(text, QStringLiteral("&OK"));
}

bool QtMessages::warningAcceptCancel(const QString &text, const QString &acceptButton)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, owner());
    QPushButton *ok = box.addButton(acceptButton, QMessageBox::AcceptRole);
    QPushButton *cancelButton = box.addButton(QStringLiteral("&Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancelButton);
    runBox(box);
    return box.clickedButton() == ok;
}

Messages::Choice QtMessages::warningChoice(const QString &text, const QString &first, const QString &second)
{
    return threeButtonWarning(owner(), text, {first, QMessageBox::AcceptRole}, {second, QMessageBox::ActionRole});
}
