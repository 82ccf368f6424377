#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>

// Widget test classes of one subsystem share a program: each file registers
// its class here instead of having a main of its own, which saves a link and a
// moc pass per file. The program runs the class named on its command line, so
// that every class still runs in a process of its own.
using WidgetTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::map<std::string, WidgetTestFactory> &widgetTests()
{
    static std::map<std::string, WidgetTestFactory> tests;
    return tests;
}

inline bool registerWidgetTest(const char *name, WidgetTestFactory factory)
{
    widgetTests().emplace(name, std::move(factory));
    return true;
}

#define TAVELIN_WIDGET_TEST(Class)                                                                                    \
    static const bool Class##Registered = registerWidgetTest(#Class, [] { return std::make_unique<Class>(); });
