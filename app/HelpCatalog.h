#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// One help page: an HTML resource under ":/help/" that names its help context,
/// title and keywords in its head:
///   <title>Options</title>
///   <meta name="help-context" content="21">
///   <meta name="keywords" content="options; settings; default terminal">
/// A page without a help context is reached through the contents and the index only.
struct HelpPage {
    QString file; ///< resource path, e.g. ":/help/options.html"
    QString title;
    int context = 0;
    QStringList keywords;
};

/// The help context of the contents page (Help > Contents).
inline constexpr int kHelpContentsContext = 1;
/// The page on using the help window.
inline constexpr const char* kHowToUseHelpPage = ":/help/usinghelp.html";

/// Reads the title, help context and keywords from a page's HTML text.
HelpPage ParseHelpPage(const QString& file, const QString& html);

/// All pages of the catalog, and the look-ups the help window needs.
class HelpCatalog {
public:
    /// The pages embedded in the program (every *.html under ":/help").
    static HelpCatalog Embedded();
    explicit HelpCatalog(QList<HelpPage> pages);

    const QList<HelpPage>& pages() const { return m_pages; }
    /// The page of a help context; the contents page for an unknown context.
    QString fileForContext(int context) const;
    /// Whether a page carries this context.
    bool hasContext(int context) const;
    /// Every keyword once, sorted without regard to case.
    QStringList keywords() const;
    /// The pages listing `keyword` (compared without case), in title order.
    QList<HelpPage> pagesForKeyword(const QString& keyword) const;
    /// The first keyword that begins with `text` (without case), or the first one
    /// after where it would be; -1 for an empty catalog.
    int keywordIndexFor(const QString& text) const;

private:
    QList<HelpPage> m_pages;
};
