#include "platform/ui/QtFontDialog.h"

#include "platform/ui/FontChooser.h"

#include <QApplication>

std::optional<FontChoice> QtFontDialog::choose(const FontChoice &current)
{
    // Over the window the user is working in, when it is a modal one.
    QWidget *modal = QApplication::activeModalWidget();
    FontChooser dialog(modal ? modal : parent_);
    dialog.Init(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Result();
}
