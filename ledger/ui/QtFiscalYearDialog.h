#pragma once

#include "platform/FiscalYearDialog.h"

class QWidget;

// The fiscal-year dialog TExer, shown modally.
class QtFiscalYearDialog final : public FiscalYearDialog {
public:
    explicit QtFiscalYearDialog(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    std::optional<Dates> ask(QDate start, QDate end, QDate closing) override;

private:
    QWidget *parent_;
};
