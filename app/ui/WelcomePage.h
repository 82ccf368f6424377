#pragma once

#include <QStringList>
#include <QWidget>

class QCommandLinkButton;
class QLabel;
class QVBoxLayout;

// What the main window shows instead of an empty entry grid to a user
// without books: "Créer mes comptes", "Ouvrir un dossier…" and the dossiers
// last opened. It only forwards the user's choice.
class WelcomePage : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePage(QWidget *parent = nullptr);

    // The dossiers last opened, most recent first: one button each.
    void showRecent(const QStringList &paths);

    QCommandLinkButton *createButton;
    QCommandLinkButton *openButton;
    QLabel *recentTitle;
    QList<QCommandLinkButton *> recentButtons;

signals:
    void createChosen();
    void openChosen();
    void recentChosen(const QString &path);

private:
    QVBoxLayout *recentLayout_;
};
