#pragma once

#include "platform/HelpBook.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The help window: the table of contents and the search on the left, the page
// on the right, with buttons to go back, forward and to the contents.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpBook &book, QWidget *parent = nullptr);

    void showContents();
    void showSearch(const QString &key);
    void showPage(const QString &file);
    // The page shown, relative to the book's folder.
    QString currentPage() const;
    const HelpBook &book() const { return book_; }

    QTabWidget *tabs;
    QTreeWidget *contentsTree;
    QLineEdit *searchField;
    QListWidget *resultList;
    QTextBrowser *pageView;
    QPushButton *contentsButton;
    QPushButton *backButton;
    QPushButton *forwardButton;

private:
    void fillContents();
    void updateResults();
    void openResult();
    void pageChanged(const QUrl &url);
    void bringToFront();

    HelpBook book_;
};
