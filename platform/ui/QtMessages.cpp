#include "platform/ui/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString title()
{
    return QApplication::applicationName();
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
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

Messages::Answer QtMessages::warningYesNoCancel(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, owner());
    QPushButton *oui = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton *non = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    QPushButton *annuler = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(oui);
    box.setEscapeButton(annuler);
    box.exec();
    if (box.clickedButton() == oui)
        return Answer::Oui;
    if (box.clickedButton() == non)
        return Answer::Non;
    return Answer::Annuler;
}

bool QtMessages::warningOkCancel(const QString &text)
{
    return warningAcceptCancel(text, QStringLiteral("OK"));
}

bool QtMessages::warningAcceptCancel(const QString &text, const QString &acceptButton)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, owner());
    QPushButton *ok = box.addButton(acceptButton, QMessageBox::AcceptRole);
    QPushButton *annuler = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(annuler);
    box.exec();
    return box.clickedButton() == ok;
}

Messages::Choice QtMessages::warningChoice(const QString &text, const QString &first, const QString &second)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, owner());
    QPushButton *firstButton = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton *secondButton = box.addButton(second, QMessageBox::ActionRole);
    QPushButton *annuler = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(firstButton);
    box.setEscapeButton(annuler);
    box.exec();
    if (box.clickedButton() == firstButton)
        return Choice::First;
    if (box.clickedButton() == secondButton)
        return Choice::Second;
    return Choice::Annuler;
}
