#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "app/ui/QtPlatform.h"

#include <QApplication>
#include <csignal>

int main(int argc, char *argv[])
{
    // A save past the file-size limit must fail with an error, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QtPlatform platform;
    const auto main = startApplication(platform.platform, [&platform](TMainForm &window) { platform.setParent(&window); });
    return app.exec();
}
