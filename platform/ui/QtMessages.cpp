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
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, owner());
    QPushButton *oui = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton *non = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    QPushButton *annuler = box.addButton(QStringLiteral("&Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(oui);
    box.setEscapeButton(annuler);
    runBox(box);
    if (box.clickedButton() == oui)
        return Answer::Oui;
    if (box.clickedButton() == non)
        return Answer::Non;
    return Answer::Annuler;
}

bool QtMessages::warningOkCancel(const QString &text)
{
    return warningAcceptCancel(text, QStringLiteral("&OK"));
}

bool QtMessages::warningAcceptCancel(const QString &text, const QString &acceptButton)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, owner());
    QPushButton *ok = box.addButton(acceptButton, QMessageBox::AcceptRole);
    QPushButton *annuler = box.addButton(QStringLiteral("&Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(annuler);
    runBox(box);
    return box.clickedButton() == ok;
}
