#include "prediction/PredictionResultsWindow.h"

#include "prediction/HeaderLinesDelegate.h"
#include "widgets/StatusLine.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

// The results window's menus and controls, built once when the window is created.

void PredictionResultsWindow::buildMenus(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->menuAction()->setStatusTip(QStringLiteral("File actions"));
    m_print =
        file->addAction(QStringLiteral("&Print..."), this, &PredictionResultsWindow::Print1Click);
    m_print->setObjectName(QStringLiteral("Print1"));
    m_print->setStatusTip(QStringLiteral("Print the predictions"));
    m_saveAsText = file->addAction(QStringLiteral("Save as &Text..."), this,
                                   &PredictionResultsWindow::SaveAsText1Click);
    m_saveAsText->setObjectName(QStringLiteral("SaveAsText1"));
    m_saveAsText->setStatusTip(QStringLiteral("Save the predictions as a text file"));
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"), this, &QDialog::reject);
    close->setObjectName(QStringLiteral("Close1"));
    close->setStatusTip(
        QStringLiteral("Close this prediction window and return to Hopscope Main Menu"));

    m_info = bar->addAction(QStringLiteral("&Info"));
    m_info->setObjectName(QStringLiteral("Info1"));
    m_info->setStatusTip(QStringLiteral("Display the Path Information Window"));
    connect(m_info, &QAction::triggered, this, &PredictionResultsWindow::Info1Click);

    m_mapsMenu = bar->addMenu(QStringLiteral("&Maps"));
    m_mapsMenu->setObjectName(QStringLiteral("Maps1"));
    m_mapsMenu->menuAction()->setStatusTip(QStringLiteral(
        "Display great circle path and terminator on rectangular or great circle map"));
    QAction* rect = m_mapsMenu->addAction(QStringLiteral("&Rectangular Map"));
    rect->setObjectName(QStringLiteral("RectangularMap1"));
    rect->setStatusTip(
        QStringLiteral("Display great circle path and terminator on rectangular map"));
    QAction* gc = m_mapsMenu->addAction(QStringLiteral("&Great Circle Map"));
    gc->setObjectName(QStringLiteral("GreatCirclemap1"));
    gc->setStatusTip(
        QStringLiteral("Display great circle path and terminator on great circle map"));

    m_graphsMenu = bar->addMenu(QStringLiteral("&Graphs"));
    m_graphsMenu->setObjectName(QStringLiteral("Graphs1"));
    m_graphsMenu->menuAction()->setStatusTip(
        QStringLiteral("Display graph of predicted MUF, signal level, or signal-to-noise ratio"));
    QAction* muf = m_graphsMenu->addAction(QStringLiteral("&MUF"));
    muf->setObjectName(QStringLiteral("MUF1"));
    muf->setStatusTip(QStringLiteral("Display graph of predicted MUF"));
    m_signals = m_graphsMenu->addAction(QStringLiteral("&Signals"));
    m_signals->setObjectName(QStringLiteral("Signals1"));
    m_signals->setStatusTip(
        QStringLiteral("Display graphs of predicted signal levels and signal-to-noise ratios"));

    m_advanced = bar->addAction(QStringLiteral("&Advanced"));
    m_advanced->setObjectName(QStringLiteral("Advanced"));
    m_advanced->setStatusTip(QStringLiteral(
        "Display supplemental predictions, including ionospheric hop configuration"));

    // The maps, graphs and hops windows are handed in by the program as they exist;
    // until then their items stay disabled.
    for (QAction* item : {rect, gc, muf, m_signals, m_advanced}) {
        m_openerItems[item->objectName()] = item;
        const QString name = item->objectName();
        connect(item, &QAction::triggered, this, [this, name] { openWindow(name); });
    }
    updateOpenerItems();
}

void PredictionResultsWindow::buildControls() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    buildMenus(bar);
    // Pop-up menus are windows of their own: give them the window's scaled font.
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->setFont(font());
    // An item's hint goes when the pointer leaves the menus: the focused control's
    // hint returns.
    OnPointerLeavingMenus(bar, [this] {
        if (!m_busy)
            m_hintPanel->setText(HintOf(QApplication::focusWidget(), this));
    });

    m_headerList = new QListWidget(this);
    m_headerList->setObjectName(QStringLiteral("HeaderListBox"));
    m_headerList->setFocusPolicy(Qt::NoFocus);
    m_headerList->setSelectionMode(QAbstractItemView::NoSelection);
    m_headerList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_headerList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_headerDelegate = new HeaderLinesDelegate(m_headerList);
    m_headerList->setItemDelegate(m_headerDelegate);

    m_topLabel = new QLabel(this);
    m_topLabel->setObjectName(QStringLiteral("GridTopLabel"));
    m_topLabel->setAlignment(Qt::AlignCenter);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("PredGrid"));
    m_grid->setColumnCount(kGridColumns);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setWordWrap(false);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &PredictionResultsWindow::gridScrolled);

    auto* upDown = new QWidget(this);
    upDown->setObjectName(QStringLiteral("UpDown"));
    m_upButton = new QToolButton(upDown);
    m_upButton->setObjectName(QStringLiteral("UpDownUp"));
    m_upButton->setArrowType(Qt::UpArrow);
    m_upButton->setAutoRepeat(true);
    m_upButton->setFocusPolicy(Qt::NoFocus);
    m_downButton = new QToolButton(upDown);
    m_downButton->setObjectName(QStringLiteral("UpDownDown"));
    m_downButton->setArrowType(Qt::DownArrow);
    m_downButton->setAutoRepeat(true);
    m_downButton->setFocusPolicy(Qt::NoFocus);
    auto* upDownLayout = new QVBoxLayout(upDown);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->addWidget(m_upButton);
    upDownLayout->addWidget(m_downButton);
    upDownLayout->addStretch();
    connect(m_upButton, &QToolButton::clicked, this,
            [this] { applyScroll(ClockLineUp(m_scroll, m_visibleRows)); });
    connect(m_downButton, &QToolButton::clicked, this,
            [this] { applyScroll(ClockLineDown(m_scroll, m_visibleRows)); });

    m_footerLabel = new QLabel(this);
    m_footerLabel->setObjectName(QStringLiteral("GridFooterLabel"));

    m_pathToggle = new QPushButton(this);
    m_pathToggle->setObjectName(QStringLiteral("PathToggleBtn"));
    m_pathToggle->setStatusTip(
        QStringLiteral("Toggle between short path and long path predictions"));
    connect(m_pathToggle, &QPushButton::clicked, this,
            &PredictionResultsWindow::PathToggleBtnClick);
    m_sigToggle = new QPushButton(this);
    m_sigToggle->setObjectName(QStringLiteral("SigDisplayToggleBtn"));
    m_sigToggle->setStatusTip(
        QStringLiteral("Toggle between signal levels and signal-to-noise ratios"));
    connect(m_sigToggle, &QPushButton::clicked, this,
            &PredictionResultsWindow::SigDisplayToggleBtnClick);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setStatusTip(
        QStringLiteral("Close this prediction window and return to Hopscope Main Menu"));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {m_pathToggle, m_sigToggle, m_closeButton})
        button->setAutoDefault(false);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar"));
    statusBar->setSizeGripEnabled(false);
    m_hintPanel = new QLabel(statusBar);
    m_helpPanel = new QLabel(QString::fromLatin1(kPressF1ForHelp), statusBar);
    statusBar->addWidget(m_hintPanel, 5);
    statusBar->addPermanentWidget(m_helpPanel, 1);

    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(m_grid, 1);
    tableRow->addWidget(upDown);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pathToggle);
    buttons->addWidget(m_sigToggle);
    buttons->addWidget(m_closeButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    // The status bar lies on the window's bottom edge, as in the main window.
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(margins.left(), margins.top(), margins.right(), 0);
    layout->setMenuBar(bar);
    layout->addWidget(m_headerList);
    layout->addWidget(m_topLabel);
    layout->addLayout(tableRow, 1);
    layout->addWidget(m_footerLabel);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);
    TrackFocusHints(this, this);
}
