#include "platform/ui/HelpWindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kFileRole = Qt::UserRole;

QUrl urlOf(const QString &folder, const QString &file)
{
    const QString path = QDir(folder).filePath(file);
    return path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
}

} // namespace

HelpWindow::HelpWindow(const HelpBook &book, QWidget *parent)
    : QWidget(parent, Qt::Window), book_(book)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(920, 660);

    BoutonSommaire = new QPushButton(QStringLiteral("&Sommaire"), this);
    BoutonPrecedent = new QPushButton(QStringLiteral("&Précédent"), this);
    BoutonSuivant = new QPushButton(QStringLiteral("S&uivant"), this);
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(BoutonSommaire);
    boutons->addWidget(BoutonPrecedent);
    boutons->addWidget(BoutonSuivant);
    boutons->addStretch();

    Sommaire = new QTreeWidget(this);
    Sommaire->setHeaderHidden(true);
    fillContents();

    EditRecherche = new QLineEdit(this);
    EditRecherche->setClearButtonEnabled(true);
    ListeResultats = new QListWidget(this);
    auto *afficher = new QPushButton(QStringLiteral("&Afficher"), this);
    auto *recherche = new QWidget(this);
    auto *rechercheLayout = new QVBoxLayout(recherche);
    auto *invite = new QLabel(QStringLiteral("&Tapez le ou les mots recherchés :"), recherche);
    invite->setBuddy(EditRecherche);
    rechercheLayout->addWidget(invite);
    rechercheLayout->addWidget(EditRecherche);
    rechercheLayout->addWidget(new QLabel(QStringLiteral("Pages trouvées :"), recherche));
    rechercheLayout->addWidget(ListeResultats, 1);
    rechercheLayout->addWidget(afficher, 0, Qt::AlignRight);

    Onglets = new QTabWidget(this);
    Onglets->addTab(Sommaire, QStringLiteral("Sommaire"));
    Onglets->addTab(recherche, QStringLiteral("Rechercher"));

    Page = new QTextBrowser(this);
    Page->setOpenLinks(true);
    Page->setOpenExternalLinks(false);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(Onglets);
    splitter->addWidget(Page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 660});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boutons);
    layout->addWidget(splitter, 1);

    connect(BoutonSommaire, &QPushButton::clicked, this, [this] { showPage(book_.contentsPage()); });
    connect(BoutonPrecedent, &QPushButton::clicked, Page, &QTextBrowser::backward);
    connect(BoutonSuivant, &QPushButton::clicked, Page, &QTextBrowser::forward);
    connect(Page, &QTextBrowser::backwardAvailable, BoutonPrecedent, &QPushButton::setEnabled);
    connect(Page, &QTextBrowser::forwardAvailable, BoutonSuivant, &QPushButton::setEnabled);
    connect(Page, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(Sommaire, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { showPage(item->data(0, kFileRole).toString()); });
    connect(Sommaire, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { showPage(item->data(0, kFileRole).toString()); });
    connect(EditRecherche, &QLineEdit::textChanged, this, &HelpWindow::updateResults);
    connect(EditRecherche, &QLineEdit::returnPressed, this, &HelpWindow::openResult);
    connect(ListeResultats, &QListWidget::itemActivated, this, &HelpWindow::openResult);
    connect(ListeResultats, &QListWidget::itemClicked, this, &HelpWindow::openResult);
    connect(afficher, &QPushButton::clicked, this, &HelpWindow::openResult);
    BoutonPrecedent->setEnabled(false);
    BoutonSuivant->setEnabled(false);
    updateResults();
}

void HelpWindow::fillContents()
{
    QTreeWidgetItem *chapter = nullptr;
    for (const HelpTopic &topic : book_.topics()) {
        QTreeWidgetItem *item = topic.level > 1 && chapter ? new QTreeWidgetItem(chapter) : new QTreeWidgetItem(Sommaire);
        if (topic.level <= 1)
            chapter = item;
        item->setText(0, topic.title);
        item->setToolTip(0, topic.title);
        item->setData(0, kFileRole, topic.file);
    }
    Sommaire->expandAll();
}

void HelpWindow::updateResults()
{
    ListeResultats->clear();
    for (const HelpTopic &topic : book_.search(EditRecherche->text())) {
        auto *item = new QListWidgetItem(topic.title, ListeResultats);
        item->setData(kFileRole, topic.file);
    }
    if (ListeResultats->count() > 0)
        ListeResultats->setCurrentRow(0);
}

void HelpWindow::openResult()
{
    if (QListWidgetItem *item = ListeResultats->currentItem())
        showPage(item->data(kFileRole).toString());
}

void HelpWindow::showPage(const QString &file)
{
    if (file.isEmpty())
        return;
    const QUrl url = urlOf(book_.folder(), file);
    if (Page->source() != url)
        Page->setSource(url);
    bringToFront();
}

QString HelpWindow::currentPage() const
{
    return Page->source().fileName();
}

void HelpWindow::pageChanged(const QUrl &url)
{
    const QString file = url.fileName();
    const QString title = book_.titleOf(file);
    setWindowTitle(title.isEmpty() ? QStringLiteral("Aide") : QStringLiteral("Aide - %1").arg(title));
    for (QTreeWidgetItemIterator it(Sommaire); *it; ++it)
        if ((*it)->data(0, kFileRole).toString() == file) {
            Sommaire->setCurrentItem(*it);
            break;
        }
}

void HelpWindow::showContents()
{
    Onglets->setCurrentIndex(0);
    showPage(book_.contentsPage());
    Sommaire->setFocus();
}

void HelpWindow::showSearch(const QString &key)
{
    Onglets->setCurrentIndex(1);
    EditRecherche->setText(key);
    updateResults();
    if (Page->source().isEmpty())
        showPage(book_.contentsPage());
    bringToFront();
    EditRecherche->setFocus();
    EditRecherche->selectAll();
}

void HelpWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}
