#pragma once

#include "reference/ChartEditor.h"
#include "reference/ui/ListEditorDialog.h"

#include <memory>

class QCheckBox;

// "Plan comptable": the chart of accounts editor.
class TPlan final : public ListEditorDialog {
    Q_OBJECT
public:
    TPlan(Messages &messages, QWidget *parent = nullptr);

    const ChartEditor &editor() const { return *editor_; }

    QCheckBox *checkOffBox; // "Pointable"

protected:
    void readExtra() override;
    void showExtra() override;

private:
    // The editor exists before the window is built around it.
    TPlan(std::unique_ptr<ChartEditor> editor, QWidget *parent);

    std::unique_ptr<ChartEditor> editor_;
};
