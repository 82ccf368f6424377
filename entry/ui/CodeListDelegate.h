#pragma once

#include "ledger/CodeList.h"

#include <QStyledItemDelegate>
#include <functional>

class QComboBox;

// The open list of the account or journal field: each code with its label
// ("411000  Clients"), while the field itself keeps the code only.
class CodeListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Label = std::function<QString(const QString &code)>;
    CodeListDelegate(Label label, QObject *parent);

    QString displayText(const QVariant &value, const QLocale &locale) const override;

private:
    Label label_;
};

// An editable list of codes that keeps what the user types: no completion
// from its items (the field's own rule completes a code when it is left) and
// nothing added to them. Its open list shows each code with its label.
QComboBox *codeListField(QWidget *parent, CodeListDelegate::Label label);

// The label of a code in the chart or the journals; the list is read each
// time, so the labels follow it.
CodeListDelegate::Label labelsOf(const CodeList &list);
