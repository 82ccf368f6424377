#pragma once

#include "platform/FontDialog.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

// "Police": a font's family, style, size, underline and colour, with a
// sample of the text it gives.
class FontChooser final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinSize = 4;
    static constexpr int kMaxSize = 72;

    explicit FontChooser(QWidget *parent = nullptr);

    void Init(const FontChoice &choice);
    FontChoice Result() const;

    QLineEdit *familyField;
    QListWidget *familyList;
    QListWidget *styleList;   // "Normal", "Italique", "Gras", "Gras italique"
    QSpinBox *sizeBox;
    QCheckBox *underlineBox;
    QComboBox *colourBox;     // "Automatique", then the sixteen basic colours
    QLabel *sample;

private:
    void familyTyped(const QString &text);
    void showSample();

    QString initialFamily_; // given back when the family field is left empty
};
