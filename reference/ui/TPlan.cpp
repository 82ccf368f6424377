#include "reference/ui/TPlan.h"

#include <QCheckBox>
#include <QListWidget>
#include <QVBoxLayout>

TPlan::TPlan(Messages &messages, QWidget *parent)
    : TPlan(std::make_unique<PlanEditor>(messages), parent)
{
}

TPlan::TPlan(std::unique_ptr<PlanEditor> editor, QWidget *parent)
    : ListEditorDialog(*editor, QStringLiteral("Plan comptable"), QStringLiteral("Compte"),
                       QStringLiteral("Libellé"), parent),
      editor_(std::move(editor))
{
    pointableBox = new QCheckBox(QStringLiteral("Pointable"), this);
    footer()->addWidget(pointableBox);
    setTabOrder(entryList, pointableBox);
}

void TPlan::readExtra()
{
    editor_->pointableBox = pointableBox->isChecked();
}

void TPlan::showExtra()
{
    pointableBox->setChecked(editor_->pointableBox);
}
