#include "platform/ui/QtHelpViewer.h"

#include "platform/HelpBook.h"
#include "platform/Messages.h"
#include "platform/ui/HelpWindow.h"
#include "platform/ui/Resources.h"

#include <QDir>
#include <QFileInfo>

QtHelpViewer::QtHelpViewer(Messages &messages) : messages_(messages) {}

QtHelpViewer::~QtHelpViewer() = default;

QString QtHelpViewer::bookFolder(const QString &helpFile)
{
    return QStringLiteral(":/help/") + QFileInfo(helpFile).completeBaseName().toLower();
}

HelpWindow *QtHelpViewer::open(const QString &helpFile)
{
    loadTavelinResources();
    const QString folder = bookFolder(helpFile);
    if (window_ && folder_ == folder)
        return window_.get();
    HelpBook book;
    QString why;
    if (!book.load(folder, &why)) {
        messages_.information(QStringLiteral("Impossible d'ouvrir l'aide %1 : %2.")
                                  .arg(QDir::toNativeSeparators(helpFile), why));
        return nullptr;
    }
    window_ = std::make_unique<HelpWindow>(book);
    folder_ = folder;
    return window_.get();
}

void QtHelpViewer::contents(const QString &helpFile)
{
    if (HelpWindow *w = open(helpFile))
        w->showContents();
}

void QtHelpViewer::search(const QString &helpFile, const QString &key)
{
    if (HelpWindow *w = open(helpFile))
        w->showSearch(key);
}

void QtHelpViewer::helpOnHelp(const QString &helpFile)
{
    if (HelpWindow *w = open(helpFile))
        w->showPage(w->book().helpOnHelpPage());
}

void QtHelpViewer::context(const QString &helpFile, int context)
{
    if (HelpWindow *w = open(helpFile))
        w->showPage(w->book().pageForContext(context));
}
