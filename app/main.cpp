#include "app/StartArguments.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "app/ui/QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <csignal>
#include <cstdio>

namespace {

// Prints the text --help or --version asks for; false for a command line that
// starts the program.
bool answered(const startarguments::Parsed &parsed)
{
    using startarguments::Action;
    if (parsed.action != Action::Help && parsed.action != Action::Version)
        return false;
    const QByteArray text =
        (parsed.action == Action::Help ? startarguments::helpText() : startarguments::versionText()).toLocal8Bit();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // A save past the file-size limit must fail with an error, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
    // --help and --version answer before Qt looks for a display.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw.append(QFile::decodeName(argv[i]));
    if (answered(startarguments::parse(raw)))
        return 0;

    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style...) out of the arguments.
    const startarguments::Parsed parsed = startarguments::parse(QCoreApplication::arguments().mid(1));
    if (answered(parsed))
        return 0;
    if (parsed.action == startarguments::Action::Error) {
        const QByteArray error = parsed.error.toLocal8Bit();
        std::fwrite(error.constData(), 1, std::size_t(error.size()), stderr);
        return 2;
    }
    QtPlatform platform;
    const auto main = startApplication(
        platform.platform,
        [&platform](TMainForm &window) {
            platform.setParent(&window);
            window.form().recentDossiers = RecentDossiers(RecentDossiers::userFile());
        },
        parsed.files);
    return app.exec();
}
