#include "reports/ui/SheetParts.h"

#include "ledger/ui/DatePicker.h"
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace sheetparts {

QWidget *strip(QWidget *parent)
{
    auto *band = new QWidget(parent);
    band->setFixedHeight(32);
    return band;
}

QLineEdit *readOnlyField(QWidget *parent, const char *name, Qt::Alignment alignment)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(alignment);
    return field;
}

QLabel *title(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    return label;
}

QDateEdit *datePicker(QWidget *parent, const char *name)
{
    auto *picker = new DatePicker(parent);
    picker->setObjectName(QLatin1String(name));
    return picker;
}

QToolButton *computeButton(QWidget *parent, const char *name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("Calculer"));
    button->setToolTip(QStringLiteral("Calculer"));
    button->setStatusTip(QStringLiteral("Calculer"));
    button->setIcon(button->style()->standardIcon(QStyle::SP_BrowserReload));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace sheetparts
