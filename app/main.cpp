#include "app/ui/TMainForm.h"
#include "platform/ui/QtPlatform.h"

#include <QApplication>
#include <csignal>

int main(int argc, char *argv[])
{
    // A save past the file-size limit must fail with an error, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelin"));
    QtPlatform platform;
    TMainForm main(platform);
    main.showMaximized();
    return app.exec();
}
