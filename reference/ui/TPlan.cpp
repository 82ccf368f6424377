#include "reference/ui/TPlan.h"

#include <QCheckBox>
#include <QListWidget>
#include <QVBoxLayout>

TPlan::TPlan(Messages &messages, QWidget *parent)
    : TPlan(std::make_unique<ChartEditor>(messages), parent)
{
}

TPlan::TPlan(std::unique_ptr<ChartEditor> editor, QWidget *parent)
    : ListEditorDialog(*editor, QStringLiteral("Plan comptable"), QStringLiteral("Compte"),
                       QStringLiteral("Libellé"), parent),
      editor_(std::move(editor))
{
    checkOffBox = new QCheckBox(QStringLiteral("Pointable"), this);
    footer()->addWidget(checkOffBox);
    setTabOrder(entryList, checkOffBox);
}

void TPlan::readExtra()
{
    editor_->checkOffBox = checkOffBox->isChecked();
}

void TPlan::showExtra()
{
    checkOffBox->setChecked(editor_->checkOffBox);
}
