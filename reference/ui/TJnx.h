#pragma once

#include "reference/JournalEditor.h"
#include "reference/ui/ListEditorDialog.h"

#include <memory>

// "Liste des journaux": the journals editor, without a "Pointable" box.
class TJnx final : public ListEditorDialog {
    Q_OBJECT
public:
    TJnx(Messages &messages, QWidget *parent = nullptr);

    const JournalEditor &editor() const { return *editor_; }

private:
    // The editor exists before the window is built around it.
    TJnx(std::unique_ptr<JournalEditor> editor, QWidget *parent);

    std::unique_ptr<JournalEditor> editor_;
};
