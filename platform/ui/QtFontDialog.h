#pragma once

#include "platform/FontDialog.h"

class QWidget;

// The font dialog, shown modally over the window in use.
class QtFontDialog final : public FontDialog {
public:
    explicit QtFontDialog(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    std::optional<FontChoice> choose(const FontChoice &current) override;

private:
    QWidget *parent_;
};
