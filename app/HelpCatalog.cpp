#include "app/HelpCatalog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

// The pages are compiled into this static library; make sure the linker keeps them.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {

QString MetaContent(const QString& html, const QString& name) {
    const QRegularExpression meta(QStringLiteral("<meta\\s+name=\"%1\"\\s+content=\"([^\"]*)\"")
                                      .arg(QRegularExpression::escape(name)),
                                  QRegularExpression::CaseInsensitiveOption);
    const auto match = meta.match(html);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool TitleLess(const HelpPage& a, const HelpPage& b) {
    return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
}

} // namespace

HelpPage ParseHelpPage(const QString& file, const QString& html) {
    HelpPage page;
    page.file = file;
    const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"),
                                   QRegularExpression::CaseInsensitiveOption);
    const auto match = title.match(html);
    page.title = match.hasMatch() ? match.captured(1).trimmed() : file;
    page.context = MetaContent(html, QStringLiteral("help-context")).toInt();
    for (const QString& keyword :
         MetaContent(html, QStringLiteral("keywords")).split(QLatin1Char(';'))) {
        const QString trimmed = keyword.trimmed();
        if (!trimmed.isEmpty())
            page.keywords << trimmed;
    }
    return page;
}

HelpCatalog HelpCatalog::Embedded() {
    InitHelpResources();
    QList<HelpPage> pages;
    const QDir dir(QStringLiteral(":/help"));
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        pages << ParseHelpPage(dir.filePath(name), QString::fromUtf8(file.readAll()));
    }
    return HelpCatalog(std::move(pages));
}

HelpCatalog::HelpCatalog(QList<HelpPage> pages) : m_pages(std::move(pages)) {
    std::stable_sort(m_pages.begin(), m_pages.end(), TitleLess);
}

QString HelpCatalog::fileForContext(int context) const {
    for (const HelpPage& page : m_pages)
        if (page.context == context)
            return page.file;
    for (const HelpPage& page : m_pages)
        if (page.context == kHelpContentsContext)
            return page.file;
    return m_pages.isEmpty() ? QString() : m_pages.first().file;
}

bool HelpCatalog::hasContext(int context) const {
    return std::any_of(m_pages.begin(), m_pages.end(),
                       [context](const HelpPage& page) { return page.context == context; });
}

QStringList HelpCatalog::keywords() const {
    QStringList all;
    for (const HelpPage& page : m_pages)
        for (const QString& keyword : page.keywords)
            if (!all.contains(keyword, Qt::CaseInsensitive))
                all << keyword;
    std::sort(all.begin(), all.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return all;
}

QList<HelpPage> HelpCatalog::pagesForKeyword(const QString& keyword) const {
    QList<HelpPage> found;
    for (const HelpPage& page : m_pages)
        if (page.keywords.contains(keyword, Qt::CaseInsensitive))
            found << page;
    return found;
}

int HelpCatalog::keywordIndexFor(const QString& text) const {
    const QStringList all = keywords();
    if (all.isEmpty())
        return -1;
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i).compare(text, Qt::CaseInsensitive) > 0)
            return i;
    return static_cast<int>(all.size()) - 1;
}
