#include "entry/ui/CodeListDelegate.h"

CodeListDelegate::CodeListDelegate(Label label, QObject *parent)
    : QStyledItemDelegate(parent), label_(std::move(label))
{
}

QString CodeListDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    const QString code = QStyledItemDelegate::displayText(value, locale);
    const QString label = label_(code);
    return label.isEmpty() ? code : code + QStringLiteral("  ") + label;
}
