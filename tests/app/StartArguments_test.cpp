#include "app/StartArguments.h"

#include <gtest/gtest.h>

using startarguments::Action;

TEST(StartArguments, ParsesFilesAndOptions)
{
    struct Case {
        const char *guards;
        QStringList args;
        Action action;
        QStringList files;
    };
    const Case cases[] = {
        {"no argument starts the program", {}, Action::Run, {}},
        {"a double click passes one dossier", {"compta.jnl"}, Action::Run, {"compta.jnl"}},
        {"every file is kept, in order", {"a.jnl", "b.jnl"}, Action::Run, {"a.jnl", "b.jnl"}},
        {"--help", {"compta.jnl", "--help"}, Action::Help, {}},
        {"-h", {"-h"}, Action::Help, {}},
        {"--version", {"--version"}, Action::Version, {}},
        {"after --, a name that starts with a dash is a file", {"--", "-2002.jnl"}, Action::Run, {"-2002.jnl"}},
        {"a dash alone is a file name", {"-"}, Action::Run, {"-"}},
    };
    for (const Case &c : cases) {
        const startarguments::Parsed parsed = startarguments::parse(c.args);
        EXPECT_EQ(parsed.action, c.action) << c.guards;
        EXPECT_EQ(parsed.files, c.files) << c.guards;
        EXPECT_TRUE(parsed.error.isEmpty()) << c.guards;
    }
}

TEST(StartArguments, AnUnknownOptionIsRefusedWithTheUsage)
{
    const startarguments::Parsed parsed = startarguments::parse({QStringLiteral("--ouvrir"), QStringLiteral("a.jnl")});
    EXPECT_EQ(parsed.action, Action::Error);
    EXPECT_EQ(parsed.error, QStringLiteral("tavelin : option inconnue : « --ouvrir »\n"
                                           "Usage : tavelin [FICHIER.jnl]\n"
                                           "Pour l'aide : tavelin --help\n"));
}
