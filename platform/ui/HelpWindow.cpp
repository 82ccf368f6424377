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

    contentsButton = new QPushButton(QStringLiteral("&Sommaire"), this);
    backButton = new QPushButton(QStringLiteral("&Précédent"), this);
    forwardButton = new QPushButton(QStringLiteral("S&uivant"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addStretch();

    contentsTree = new QTreeWidget(this);
    contentsTree->setHeaderHidden(true);
    fillContents();

    searchField = new QLineEdit(this);
    searchField->setClearButtonEnabled(true);
    resultList = new QListWidget(this);
    auto *showButton = new QPushButton(QStringLiteral("&Afficher"), this);
    auto *searchTab = new QWidget(this);
    auto *searchLayout = new QVBoxLayout(searchTab);
    auto *searchPrompt = new QLabel(QStringLiteral("&Tapez le ou les mots recherchés :"), searchTab);
    searchPrompt->setBuddy(searchField);
    searchLayout->addWidget(searchPrompt);
    searchLayout->addWidget(searchField);
    searchLayout->addWidget(new QLabel(QStringLiteral("Pages trouvées :"), searchTab));
    searchLayout->addWidget(resultList, 1);
    searchLayout->addWidget(showButton, 0, Qt::AlignRight);

    tabs = new QTabWidget(this);
    tabs->addTab(contentsTree, QStringLiteral("Sommaire"));
    tabs->addTab(searchTab, QStringLiteral("Rechercher"));

    pageView = new QTextBrowser(this);
    pageView->setOpenLinks(true);
    pageView->setOpenExternalLinks(false);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(tabs);
    splitter->addWidget(pageView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 660});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(contentsButton, &QPushButton::clicked, this, [this] { showPage(book_.contentsPage()); });
    connect(backButton, &QPushButton::clicked, pageView, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, pageView, &QTextBrowser::forward);
    connect(pageView, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(pageView, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(pageView, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(contentsTree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { showPage(item->data(0, kFileRole).toString()); });
    connect(contentsTree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { showPage(item->data(0, kFileRole).toString()); });
    connect(searchField, &QLineEdit::textChanged, this, &HelpWindow::updateResults);
    connect(searchField, &QLineEdit::returnPressed, this, &HelpWindow::openResult);
    connect(resultList, &QListWidget::itemActivated, this, &HelpWindow::openResult);
    connect(resultList, &QListWidget::itemClicked, this, &HelpWindow::openResult);
    connect(showButton, &QPushButton::clicked, this, &HelpWindow::openResult);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    updateResults();
}

void HelpWindow::fillContents()
{
    QTreeWidgetItem *chapter = nullptr;
    for (const HelpTopic &topic : book_.topics()) {
        QTreeWidgetItem *item = topic.level > 1 && chapter ? new QTreeWidgetItem(chapter) : new QTreeWidgetItem(contentsTree);
        if (topic.level <= 1)
            chapter = item;
        item->setText(0, topic.title);
        item->setToolTip(0, topic.title);
        item->setData(0, kFileRole, topic.file);
    }
    contentsTree->expandAll();
}

void HelpWindow::updateResults()
{
    resultList->clear();
    for (const HelpTopic &topic : book_.search(searchField->text())) {
        auto *item = new QListWidgetItem(topic.title, resultList);
        item->setData(kFileRole, topic.file);
    }
    if (resultList->count() > 0)
        resultList->setCurrentRow(0);
}

void HelpWindow::openResult()
{
    if (QListWidgetItem *item = resultList->currentItem())
        showPage(item->data(kFileRole).toString());
}

void HelpWindow::showPage(const QString &file)
{
    if (file.isEmpty())
        return;
    const QUrl url = urlOf(book_.folder(), file);
    if (pageView->source() != url)
        pageView->setSource(url);
    bringToFront();
}

QString HelpWindow::currentPage() const
{
    return pageView->source().fileName();
}

void HelpWindow::pageChanged(const QUrl &url)
{
    const QString file = url.fileName();
    const QString title = book_.titleOf(file);
    setWindowTitle(title.isEmpty() ? QStringLiteral("Aide") : QStringLiteral("Aide - %1").arg(title));
    for (QTreeWidgetItemIterator it(contentsTree); *it; ++it)
        if ((*it)->data(0, kFileRole).toString() == file) {
            contentsTree->setCurrentItem(*it);
            break;
        }
}

void HelpWindow::showContents()
{
    tabs->setCurrentIndex(0);
    showPage(book_.contentsPage());
    contentsTree->setFocus();
}

void HelpWindow::showSearch(const QString &key)
{
    tabs->setCurrentIndex(1);
    searchField->setText(key);
    updateResults();
    if (pageView->source().isEmpty())
        showPage(book_.contentsPage());
    bringToFront();
    searchField->setFocus();
    searchField->selectAll();
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
