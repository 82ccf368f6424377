#include "cli/ConsolePlatform.h"

namespace cli {

void ConsoleMessages::information(const QString &text)
{
    err_ += text.toUtf8().toStdString();
    err_ += '\n';
}

Messages::Answer ConsoleMessages::warningYesNoCancel(const QString &text)
{
    information(text);
    return Answer::Cancel;
}

bool ConsoleMessages::warningOkCancel(const QString &text)
{
    information(text);
    return false;
}

} // namespace cli
