#pragma once

#include "lettering/Lettering.h"

#include <QDialog>
#include <functional>
#include <vector>

class Messages;
class QAction;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "Lettrage...": the general ledger of the accounts beginning with a prefix
// over the year, each line with its lettering. The user selects lines and
// letters them ("Lettrer", Ctrl+L), takes a group's code off ("Délettrer"),
// or has the automatic lettering proposed, seen, then applied.
class TLettrage : public QDialog {
    Q_OBJECT
public:
    // The way back to the document: each changes its lines and refreshes it.
    struct Books {
        std::function<std::vector<lettering::Line>(const QString &prefix)> read;
        std::function<QString(const std::vector<lettering::Line> &, const std::vector<std::size_t> &)> letter;
        std::function<void(const std::vector<lettering::Line> &, std::size_t)> unletter;
        std::function<lettering::Proposal(const QString &prefix)> propose;
        std::function<void(const lettering::Proposal &)> apply;
    };

    TLettrage(Messages &messages, QWidget *parent = nullptr);

    void Init(const QString &prefix, Books books);

    QLineEdit *accountField;
    QPushButton *showButton;
    QTableWidget *linesTable;
    QAction *letterAction;
    QPushButton *letterButton;
    QPushButton *unletterButton;
    QPushButton *automaticButton;
    QPushButton *closeButton;

private:
    void showLines();
    void letterSelected();
    void unletterSelected();
    void letterAutomatically();
    std::vector<std::size_t> selectedLines() const;

    Messages &messages_;
    Books books_;
    std::vector<lettering::Line> lines_;
};
