#include "app/ui/WelcomePage.h"

#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

WelcomePage::WelcomePage(QWidget *parent)
    : QWidget(parent)
{
    auto *title = new QLabel(QStringLiteral("Bienvenue dans Tavelin"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *intro = new QLabel(QStringLiteral("Pas encore de comptabilité ici : créez vos comptes en une minute, "
                                            "ou ouvrez un dossier existant."),
                             this);
    intro->setWordWrap(true);
    createButton = new QCommandLinkButton(QStringLiteral("Créer mes comptes"),
                                          QStringLiteral("La société, le premier exercice, le plan comptable général, "
                                                         "les journaux et les réglages de saisie, modifiables ensuite."),
                                          this);
    openButton = new QCommandLinkButton(QStringLiteral("Ouvrir un dossier…"),
                                        QStringLiteral("Un dossier Tavelin (fichier .jnl) déjà créé."), this);
    recentTitle = new QLabel(QStringLiteral("Derniers dossiers ouverts"), this);
    recentLayout_ = new QVBoxLayout;
    recentLayout_->setContentsMargins(0, 0, 0, 0);
    connect(createButton, &QCommandLinkButton::clicked, this, &WelcomePage::createChosen);
    connect(openButton, &QCommandLinkButton::clicked, this, &WelcomePage::openChosen);

    auto *column = new QVBoxLayout;
    column->addWidget(title);
    column->addWidget(intro);
    column->addSpacing(12);
    column->addWidget(createButton);
    column->addWidget(openButton);
    column->addSpacing(12);
    column->addWidget(recentTitle);
    column->addLayout(recentLayout_);
    column->addStretch();
    auto *centred = new QHBoxLayout(this);
    centred->addStretch(1);
    centred->addLayout(column, 2);
    centred->addStretch(1);
    setAutoFillBackground(true);
    showRecent({});
}

void WelcomePage::showRecent(const QStringList &paths)
{
    qDeleteAll(recentButtons);
    recentButtons.clear();
    for (const QString &path : paths) {
        const QFileInfo file(path);
        auto *button = new QCommandLinkButton(file.fileName(), QDir::toNativeSeparators(file.path()), this);
        connect(button, &QCommandLinkButton::clicked, this, [this, path] { emit recentChosen(path); });
        recentLayout_->addWidget(button);
        recentButtons.append(button);
    }
    recentTitle->setVisible(!paths.isEmpty());
}
