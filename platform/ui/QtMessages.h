#pragma once

#include "platform/Messages.h"

class QWidget;

// Message boxes of the desktop, with French buttons.
class QtMessages final : public Messages {
public:
    explicit QtMessages(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void information(const QString &text) override;
    Answer warningYesNoCancel(const QString &text) override;
    bool warningOkCancel(const QString &text) override;
    bool warningAcceptCancel(const QString &text, const QString &acceptButton) override;
    Choice warningChoice(const QString &text, const QString &first, const QString &second) override;

private:
    QWidget *owner() const;
    QWidget *parent_;
};
