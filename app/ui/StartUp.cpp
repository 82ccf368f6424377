#include "app/ui/StartUp.h"

#include "app/FrenchSettings.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TSplash.h"
#include "platform/ui/Resources.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

std::unique_ptr<TMainForm> startApplication(const Platform &platform, const std::function<void(TMainForm &)> &adopt,
                                            const QStringList &files)
{
    QApplication::setApplicationName(MainForm::kTitle);
    // The windows carry their own titles ("À propos", "Tavelin - [compta.jnl]"):
    // the desktop must not add the program's name to each of them.
    QGuiApplication::setApplicationDisplayName(QString());
    QGuiApplication::setDesktopFileName(QStringLiteral("tavelin"));
    loadTavelinResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tavelin.svg")));

    auto splash = std::make_unique<TSplash>();
    splash->show();
    QApplication::processEvents();

    applyFrenchSettings(*QCoreApplication::instance());
    auto main = std::make_unique<TMainForm>(platform);
    if (adopt)
        adopt(*main);
    main->form().takeCommandLine(files);
    main->FormActivate();
    // Covers the screen even where no window manager honours the request.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        main->setGeometry(screen->availableGeometry());
    main->showMaximized();
    // Gone before the start-up's questions (a dossier another session
    // holds), which it would otherwise cover.
    splash.reset();
    main->FormShow();
    main->form().checkProgramFile(QCoreApplication::applicationFilePath());
    return main;
}
