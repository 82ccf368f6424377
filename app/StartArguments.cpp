#include "app/StartArguments.h"

#include "platform/ProgramVersion.h"

namespace startarguments {

Parsed parse(const QStringList &args)
{
    Parsed parsed;
    bool optionsEnded = false;
    for (const QString &arg : args) {
        // "-" alone and everything after "--" are file names, however they start.
        if (optionsEnded || !arg.startsWith(u'-') || arg.size() == 1) {
            parsed.files.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            return {Action::Help, {}, {}};
        } else if (arg == QLatin1String("--version")) {
            return {Action::Version, {}, {}};
        } else {
            return {Action::Error, {},
                    QStringLiteral("tavelin : option inconnue : « %1 »\n"
                                   "Usage : tavelin [FICHIER.jnl]\n"
                                   "Pour l'aide : tavelin --help\n")
                        .arg(arg)};
        }
    }
    return parsed;
}

QString helpText()
{
    return QStringLiteral(
        "Usage : tavelin [FICHIER.jnl]\n"
        "\n"
        "Ouvre la fenêtre de Tavelin, la comptabilité générale d'une petite entreprise.\n"
        "Avec FICHIER.jnl, ouvre ce dossier à la place du dernier dossier que l'ouverture\n"
        "automatique reprendrait ; un seul dossier à la fois.\n"
        "\n"
        "Les fichiers communs à tous les dossiers (Tavelin.soc, Tavelin.plc, Tavelin.cbx,\n"
        "Tavelin.ini) sont lus dans le répertoire courant et y sont enregistrés en quittant.\n"
        "S'il n'en contient aucun, Tavelin prend ceux qui sont à côté de FICHIER.jnl et le dit.\n"
        "\n"
        "Options :\n"
        "  --help       affiche cette aide\n"
        "  --version    affiche la version\n"
        "\n"
        "Voir aussi tavelin-cli --help, et l'aide du programme (menu Aide).\n");
}

QString versionText()
{
    return QStringLiteral("tavelin %1 : la comptabilité générale Tavelin\n").arg(programVersion());
}

} // namespace startarguments
