#pragma once

#include <QStyledItemDelegate>
#include <functional>

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
