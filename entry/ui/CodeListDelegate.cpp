#include "entry/ui/CodeListDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>

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

QComboBox *codeListField(QWidget *parent, CodeListDelegate::Label label)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setItemDelegate(new CodeListDelegate(std::move(label), combo));
    combo->view()->setMinimumWidth(280);
    return combo;
}

CodeListDelegate::Label labelsOf(const CodeList &list)
{
    return [&list](const QString &code) {
        const qsizetype found = list.findCode(code);
        return found == CodeList::npos ? QString() : list.label(found);
    };
}
