#pragma once

#include "app/HelpCatalog.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

/// The help window: the contents and a keyword index on the left, the page on the
/// right, with Back and Forward. Pages are the embedded HTML help pages.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(HelpCatalog catalog, QWidget* parent = nullptr);

    /// Shows the page of a help context (the contents for an unknown one).
    void showContext(int context);
    /// Shows a page by its resource path.
    void showPage(const QString& file);
    /// Opens the keyword index with the focus in its search field.
    void showIndex();
    /// The resource path of the page shown.
    QString currentFile() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void indexTextChanged(const QString& text);
    void indexKeywordChosen();
    void showTopicsOf(const QString& keyword);

    HelpCatalog m_catalog;
    QTabWidget* m_tabs;
    QListWidget* m_contents;
    QLineEdit* m_indexEdit;
    QListWidget* m_indexList;
    QListWidget* m_topics;
    QTextBrowser* m_browser;
};
