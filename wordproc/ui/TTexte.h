#pragma once

#include "wordproc/TextCommands.h"
#include "wordproc/TextRuler.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;
class QWidget;
class TextRulerBar;
struct Platform;

// "Texte": a small word processor for letters, with the company's letterhead
// at the top of each new one. Its text area is Qt's rich-text editor; the
// tool bar and the ruler follow the selection and change its format.
class TTexte final : public QDialog, private TextContent {
    Q_OBJECT
public:
    static constexpr int kMinSize = 4;
    static constexpr int kMaxSize = 72;

    // `company`: the company letterhead; its first four lines head a new letter.
    TTexte(const Platform &platform, const QStringList &company, QWidget *parent = nullptr);

    void Setsoc(const QStringList &lines) { commands_.Setsoc(lines); }
    const QString &fileName() const { return commands_.fileName(); }

    // Brings the tool bar and the ruler in line with the selection.
    void SelectionChange();
    // The text keeps 6 pixels clear on the left and on the right.
    void SetEditRect();

    // Closing asks about unsaved changes; the window stays when the answer
    // is "Annuler" or when the save does not happen.
    void done(int result) override;

    QWidget *toolBar;
    QToolButton *newButton;
    QToolButton *openButton;
    QToolButton *saveButton;
    QToolButton *printButton;
    QToolButton *copyButton;
    QToolButton *pasteButton;
    QComboBox *fontBox;
    QSpinBox *sizeBox;
    QToolButton *fontDialogButton;
    QToolButton *boldButton;
    QToolButton *italicButton;
    QToolButton *underlineButton;
    QToolButton *leftButton;
    QToolButton *centreButton;
    QToolButton *rightButton;
    QToolButton *bulletsButton;
    QPushButton *closeButton;
    TextRulerBar *ruler;
    QTextEdit *editor;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Room kept at the tool bar's right end for "Fermer".
    int closeButtonReserve() const;
    // What the file commands see of the text.
    bool modified() const override;
    void setModified(bool modified) override;
    rtf::Document document() const override;
    void setDocument(const rtf::Document &document) override;
    rtf::CharFormat defaultFormat() const override;
    QString richText() const override;

    void buildToolBar();
    void connectToolBar();
    // The font list: every family of the screen, sorted.
    void GetFontName();
    // CurrText: the selection when there is one, otherwise the default
    // format, that of the whole text and of what is typed next.
    void applyToCurrText(const QTextCharFormat &change);
    rtf::CharFormat selectionFormat() const;
    void applyAlignment(Qt::Alignment alignment);
    void applyBullets(bool on);
    void applyIndents(const RulerIndents &indents);
    void chooseFont();
    void newLetter();
    void open();

    const Platform &platform_;
    TextCommands commands_;
    bool updating_ = false;
};
