#pragma once

#include <QIcon>

// The glyph of the "Calculer" buttons: a small pocket calculator.
QIcon calculatorIcon();
