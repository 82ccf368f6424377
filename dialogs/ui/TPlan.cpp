#include "dialogs/ui/TPlan.h"

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
    CheckBox1 = new QCheckBox(QStringLiteral("Pointable"), this);
    footer()->addWidget(CheckBox1);
    setTabOrder(ListBox1, CheckBox1);
}


void TPlan::readExtra()
{
    editor_->CheckBox1 = CheckBox1->isChecked();
}

void TPlan::showExtra()
{
    CheckBox1->setChecked(editor_->CheckBox1);
}
