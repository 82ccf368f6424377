#pragma once

#include <Qt>

class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// The small controls the view pages are made of, alike on every page.
namespace sheetparts {

// A band above or below a grid whose controls are placed by the page.
QWidget *strip(QWidget *parent);
// A field the user reads but does not type into (names, totals).
QLineEdit *readOnlyField(QWidget *parent, const char *name, Qt::Alignment alignment);
// The centred month title of a month view.
QLabel *title(QWidget *parent, const char *name);
// A date picker with a drop-down calendar, in the "dd/mm/yyyy" form.
QDateEdit *datePicker(QWidget *parent, const char *name);
// The "Calculer" button of a statement.
QToolButton *computeButton(QWidget *parent, const char *name);

} // namespace sheetparts
