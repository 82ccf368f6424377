#include "app/FrenchSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace {

// The words of the file dialogs that the installed Qt catalogue leaves in
// English (the type column of the file list).
class FileTypeWords final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (!context || !sourceText || std::strcmp(context, "QAbstractFileIconProvider") != 0)
            return QString();
        static const std::pair<const char *, const char16_t *> words[] = {
            {"Drive", u"Lecteur"},
            {"Folder", u"Dossier"},
            {"File Folder", u"Dossier de fichiers"},
            {"Shortcut", u"Raccourci"},
            {"File", u"Fichier"},
        };
        for (const auto &[english, french] : words)
            if (std::strcmp(sourceText, english) == 0)
                return QString::fromUtf16(french);
        return QString();
    }
};

} // namespace

bool applyFrenchSettings(QCoreApplication &app)
{
    const QLocale french(QLocale::French, QLocale::France);
    QLocale::setDefault(french);
    QCoreApplication::installTranslator(new FileTypeWords(&app));
    auto *translator = new QTranslator(&app);
    if (translator->load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
