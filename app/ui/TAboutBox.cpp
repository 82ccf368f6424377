#include "app/ui/TAboutBox.h"

#include "platform/ProgramVersion.h"
#include "platform/ui/Resources.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TAboutBox::TAboutBox(const QString &referenceFolder, QWidget *parent)
    : QDialog(parent)
{
    loadTavelinResources();
    setWindowTitle(QStringLiteral("À propos"));

    ProgramIcon = new QLabel(this);
    ProgramIcon->setPixmap(QIcon(QStringLiteral(":/tavelin.svg")).pixmap(QSize(48, 48)));
    ProductName = new QLabel(QStringLiteral("Tavelin"), this);
    QFont bold = ProductName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    ProductName->setFont(bold);
    Version = new QLabel(QStringLiteral("Version %1").arg(programVersion()), this);
    Comments = new QLabel(QStringLiteral("Comptabilité Générale"), this);
    ReferenceFolder = new QLabel(
        QStringLiteral("Fichiers communs (société, plan comptable, journaux, réglages) :\n%1")
            .arg(QDir::toNativeSeparators(referenceFolder)),
        this);
    // The path is there to be copied into a file manager or a backup.
    ReferenceFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 16, 24, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(ProgramIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(ProductName, 0, 1);
    grid->addWidget(Version, 1, 1);
    grid->addWidget(Comments, 2, 1);
    grid->addWidget(ReferenceFolder, 3, 1);
    grid->setColumnStretch(1, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    OKButton->setFocus();
}
