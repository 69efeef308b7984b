#include "app/HelpWindow.h"

#include "widgets/WindowScale.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int kFileRole = Qt::UserRole;

QString ResourceUrl(const QString& file) {
    // ":/help/x.html" → "qrc:/help/x.html"
    return file.startsWith(QLatin1Char(':')) ? QStringLiteral("qrc") + file : file;
}

} // namespace

HelpWindow::HelpWindow(HelpCatalog catalog, QWidget* parent)
    : QWidget(parent, Qt::Window), m_catalog(std::move(catalog)) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Hopscope Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    ScaleWindow(this);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("HelpTabs"));

    m_contents = new QListWidget(m_tabs);
    m_contents->setObjectName(QStringLiteral("ContentsList"));
    // The contents page first, then every page by title.
    for (const HelpPage& page : m_catalog.pages()) {
        auto* item = new QListWidgetItem(page.title);
        item->setData(kFileRole, page.file);
        if (page.context == kHelpContentsContext)
            m_contents->insertItem(0, item);
        else
            m_contents->addItem(item);
    }
    m_contents->setWordWrap(true);
    m_contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabs->addTab(m_contents, QStringLiteral("&Contents"));

    auto* index = new QWidget(m_tabs);
    m_indexEdit = new QLineEdit(index);
    m_indexEdit->setObjectName(QStringLiteral("IndexEdit"));
    m_indexList = new QListWidget(index);
    m_indexList->setObjectName(QStringLiteral("IndexList"));
    m_indexList->addItems(m_catalog.keywords());
    m_topics = new QListWidget(index);
    m_topics->setObjectName(QStringLiteral("TopicList"));
    auto* showButton = new QPushButton(QStringLiteral("&Display"), index);
    showButton->setObjectName(QStringLiteral("DisplayBtn"));
    auto* indexLayout = new QVBoxLayout(index);
    auto* prompt = new QLabel(
        QStringLiteral("&Type the first few letters of the word you're looking for:"), index);
    prompt->setWordWrap(true);
    prompt->setBuddy(m_indexEdit);
    indexLayout->addWidget(prompt);
    indexLayout->addWidget(m_indexEdit);
    indexLayout->addWidget(new QLabel(QStringLiteral("Click the index entry you want:"), index));
    indexLayout->addWidget(m_indexList, 3);
    indexLayout->addWidget(new QLabel(QStringLiteral("Topics found:"), index));
    indexLayout->addWidget(m_topics, 1);
    indexLayout->addWidget(showButton, 0, Qt::AlignRight);
    m_tabs->addTab(index, QStringLiteral("&Index"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("BackBtn"));
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    forward->setObjectName(QStringLiteral("ForwardBtn"));
    auto* home = new QPushButton(QStringLiteral("C&ontents Page"), this);
    home->setObjectName(QStringLiteral("ContentsBtn"));
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("CloseBtn"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, [this] { showContext(kHelpContentsContext); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(m_browser);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(kFileRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(kFileRole).toString()); });
    connect(m_indexEdit, &QLineEdit::textChanged, this, &HelpWindow::indexTextChanged);
    connect(m_indexEdit, &QLineEdit::returnPressed, this, &HelpWindow::indexKeywordChosen);
    connect(m_indexList, &QListWidget::currentTextChanged, this, &HelpWindow::showTopicsOf);
    connect(m_indexList, &QListWidget::itemActivated, this, &HelpWindow::indexKeywordChosen);
    connect(showButton, &QPushButton::clicked, this, &HelpWindow::indexKeywordChosen);
    connect(m_topics, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(kFileRole).toString()); });

    const QSize screen = ScreenSize(this);
    resize(qMin(screen.width() * 3 / 4, Scaled(this, 860)),
           qMin(screen.height() * 4 / 5, Scaled(this, 620)));
    splitter->setSizes({width() * 32 / 100, width() * 68 / 100});
    CentreOnScreen(this, 0.3);
}

void HelpWindow::showContext(int context) {
    m_tabs->setCurrentIndex(0);
    showPage(m_catalog.fileForContext(context));
}

void HelpWindow::showPage(const QString& file) {
    if (file.isEmpty())
        return;
    m_browser->setSource(QUrl(ResourceUrl(file)));
    for (int i = 0; i < m_contents->count(); ++i)
        if (m_contents->item(i)->data(kFileRole).toString() == file)
            m_contents->setCurrentRow(i);
}

void HelpWindow::showIndex() {
    m_tabs->setCurrentIndex(1);
    m_indexEdit->setFocus();
    m_indexEdit->selectAll();
}

QString HelpWindow::currentFile() const {
    const QUrl url = m_browser->source();
    return url.scheme() == QLatin1String("qrc") ? QStringLiteral(":") + url.path() : url.toString();
}

void HelpWindow::indexTextChanged(const QString& text) {
    const int row = m_catalog.keywordIndexFor(text);
    if (row < 0)
        return;
    m_indexList->setCurrentRow(row);
    m_indexList->scrollToItem(m_indexList->item(row), QAbstractItemView::PositionAtTop);
}

void HelpWindow::showTopicsOf(const QString& keyword) {
    m_topics->clear();
    for (const HelpPage& page : m_catalog.pagesForKeyword(keyword)) {
        auto* item = new QListWidgetItem(page.title, m_topics);
        item->setData(kFileRole, page.file);
    }
    if (m_topics->count() > 0)
        m_topics->setCurrentRow(0);
}

void HelpWindow::indexKeywordChosen() {
    QListWidgetItem* topic = m_topics->currentItem();
    if (topic)
        showPage(topic->data(kFileRole).toString());
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Hand the keyboard back to the window the help was opened from.
    if (QWidget* owner = parentWidget())
        owner->window()->activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
