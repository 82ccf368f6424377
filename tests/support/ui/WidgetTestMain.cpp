#include "WidgetTests.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <vector>

// Usage: <program> CLASS [Qt Test options]; with no class, every class runs in
// turn. Qt Test's options follow the class name.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    std::vector<char *> args(argv, argv + argc);
    std::vector<std::string> chosen;
    if (args.size() > 1 && widgetTests().count(args[1])) {
        chosen.push_back(args[1]);
        args.erase(args.begin() + 1);
    } else if (args.size() > 1 && args[1][0] != '-') {
        std::fprintf(stderr, "unknown test class: %s\n", args[1]);
        return 2;
    } else {
        for (const auto &[name, factory] : widgetTests())
            chosen.push_back(name);
    }
    int failures = 0;
    for (const std::string &name : chosen) {
        std::unique_ptr<QObject> test = widgetTests().at(name)();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
