#include "reference/ui/TJnx.h"

TJnx::TJnx(Messages &messages, QWidget *parent)
    : TJnx(std::make_unique<JournalEditor>(messages), parent)
{
}

TJnx::TJnx(std::unique_ptr<JournalEditor> editor, QWidget *parent)
    : ListEditorDialog(*editor, QStringLiteral("Liste des journaux"), QStringLiteral("Code"), QStringLiteral("Nom"),
                       parent),
      editor_(std::move(editor))
{
}
