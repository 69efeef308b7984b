#include "app/AboutWindow.h"

#include "app/ProgramIcon.h"
#include "core/Version.h"
#include "widgets/WindowScale.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(const QString& dataDirectory, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Hopscope"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ScaleWindow(this);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(ProgramIcon(Scaled(this, 48)));
    icon->setFrameShape(QFrame::Panel);
    icon->setFrameShadow(QFrame::Raised);

    auto* product = new QLabel(QStringLiteral("Hopscope\u2122"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont productFont = product->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.4);
    product->setFont(productFont);
    auto* version =
        new QLabel(QStringLiteral("Version %1").arg(QLatin1String(kHopscopeVersion)), this);
    version->setObjectName(QStringLiteral("Version"));

    auto* credits = new QLabel(
        QStringLiteral("Hopscope predicts HF sky-wave propagation between two places: the maximum "
                       "usable frequency, the propagation modes, signal levels, signal-to-noise "
                       "ratios and the reliability of your frequencies over the whole day, for the "
                       "short and the long great-circle path.\n\n"
                       "Copyright \u00a9 2026 the Hopscope developers. Hopscope is free software: "
                       "you may redistribute and modify it under the terms of the GNU General "
                       "Public License, version 3 or any later version. It comes without "
                       "warranty of any kind. Predictions are statistical estimates "
                       "of average conditions; the ionosphere on a given day may differ.\n\n"
                       "Maps made with Natural Earth."),
        this);
    credits->setObjectName(QStringLiteral("Comments"));
    credits->setWordWrap(true);

    auto* problems = new QLabel(
        QStringLiteral("Found a problem? Please report what you did, what you expected and "
                       "what happened, with the contents of your Hopscope data folder if "
                       "they matter, to the Hopscope developers through the project's issue "
                       "tracker."),
        this);
    problems->setObjectName(QStringLiteral("ProblemNotice"));
    problems->setWordWrap(true);

    // An installed program cannot write its own folder, so the user's files live elsewhere;
    // say where, so they can be backed up or moved.
    auto* dataFolder = new QLabel(
        QStringLiteral("Your settings, atlas and maps are kept in %1").arg(dataDirectory), this);
    dataFolder->setObjectName(QStringLiteral("DataFolder"));
    dataFolder->setWordWrap(true);
    dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* screen = new QLabel(
        QStringLiteral("Hopscope is best viewed with a minimum screen resolution of 800 by 600 "
                       "pixels and a minimum color setting of 256 colors."),
        this);
    screen->setObjectName(QStringLiteral("ScreenAdvice"));
    screen->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QVBoxLayout;
    heading->addWidget(product);
    heading->addWidget(version);
    heading->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(Scaled(this, 12));
    top->addLayout(heading, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    const int margin = Scaled(this, 16);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addWidget(credits);
    layout->addSpacing(Scaled(this, 6));
    layout->addWidget(problems);
    layout->addSpacing(Scaled(this, 6));
    layout->addWidget(dataFolder);
    layout->addSpacing(Scaled(this, 6));
    layout->addWidget(screen);
    layout->addSpacing(Scaled(this, 8));
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // Wrapped texts get a fixed width so that their height follows from it.
    for (QLabel* text : {credits, problems, dataFolder, screen})
        text->setFixedWidth(Scaled(this, 420));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen(this, 0.4);
}
