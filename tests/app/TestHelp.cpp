// The help pages and the help window: every page names a title, the contexts the
// program opens have their own page, the keyword index finds pages, and F1 in a
// dialog opens that dialog's page with the help window usable beside it.

#include "app/HelpCatalog.h"
#include "app/HelpSystem.h"
#include "app/HelpWindow.h"

#include "widgets/HelpContext.h"
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

namespace {

// The help contexts the program's windows and menus set: SetHelpContext(x, N) calls and
// the main window's addMenu(..., N) calls, and constants named ...HelpContext... = N or
// = {N, M, ...}, in every source folder.
QSet<int> ContextsInSources() {
    QSet<int> contexts;
    const QRegularExpression call(QStringLiteral("SetHelpContext\\([^,;]+,\\s*(\\d+)\\)"));
    const QRegularExpression menu(QStringLiteral("addMenu\\([^;]*,\\s*(\\d+)\\);"));
    const QRegularExpression constant(
        QStringLiteral("HelpContexts?(?:\\[\\])?\\s*=\\s*\\{?([\\d,\\s]+)\\}?;"));
    QDirIterator it(
        QStringLiteral(HOPSCOPE_SOURCE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
        QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!it.fileInfo().isFile())
            continue;
        if (path.contains(QStringLiteral("/tests/")) || path.contains(QStringLiteral("/build")))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& m : call.globalMatch(text))
            contexts.insert(m.captured(1).toInt());
        for (const QRegularExpressionMatch& m : menu.globalMatch(text))
            contexts.insert(m.captured(1).toInt());
        for (const QRegularExpressionMatch& m : constant.globalMatch(text))
            for (const QString& number : m.captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts))
                contexts.insert(number.trimmed().toInt());
    }
    contexts.remove(0);
    return contexts;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    // Every help context that a window or menu of the program sets, read from the
    // sources so a new window cannot be forgotten, has a page.
    void everyContextInUseHasItsPage() {
        const HelpCatalog catalog = HelpCatalog::Embedded();
        const QSet<int> used = ContextsInSources();
        QVERIFY(used.size() >= 15);
        for (int context : used)
            QVERIFY2(catalog.hasContext(context),
                     qPrintable(QStringLiteral("no page for help context %1").arg(context)));
        for (const HelpPage& page : catalog.pages()) {
            QVERIFY2(!page.title.isEmpty() && page.title != page.file, qPrintable(page.file));
            QVERIFY2(!page.keywords.isEmpty(), qPrintable(page.file));
        }
        QCOMPARE(catalog.fileForContext(22), QString(":/help/options-terminal.html"));
        // An unknown context opens the contents.
        QCOMPARE(catalog.fileForContext(9999), QString(":/help/contents.html"));
    }

    // Every page can be reached from the contents by following links.
    void everyPageIsReachableFromTheContents() {
        const HelpCatalog catalog = HelpCatalog::Embedded();
        QSet<QString> reached{QStringLiteral(":/help/contents.html")};
        QStringList queue(reached.values());
        const QRegularExpression link(QStringLiteral("href=\"([a-z0-9-]+\\.html)"));
        while (!queue.isEmpty()) {
            QFile file(queue.takeFirst());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
                const QString target = QStringLiteral(":/help/") + m.captured(1);
                QVERIFY2(QFile::exists(target),
                         qPrintable(QStringLiteral("broken link to ") + target +
                                    QStringLiteral(" in ") + file.fileName()));
                if (!reached.contains(target)) {
                    reached.insert(target);
                    queue.append(target);
                }
            }
        }
        for (const HelpPage& page : catalog.pages())
            QVERIFY2(reached.contains(page.file),
                     qPrintable(page.file + QStringLiteral(" is not reachable from the contents")));
    }

    void pageHeadIsRead() {
        const HelpPage page = ParseHelpPage(
            ":/help/x.html",
            "<html><head><title> Options </title><meta name=\"help-context\" content=\"21\">"
            "<meta name=\"keywords\" content=\"options; settings ;;save\"></head></html>");
        QCOMPARE(page.title, QString("Options"));
        QCOMPARE(page.context, 21);
        QCOMPARE(page.keywords, QStringList({"options", "settings", "save"}));
        QCOMPARE(ParseHelpPage(":/help/y.html", "<p>no head</p>").context, 0);
    }

    void keywordIndex() {
        const HelpCatalog catalog(
            {ParseHelpPage("a",
                           "<title>A</title><meta name=\"keywords\" content=\"latitude; noise\">"),
             ParseHelpPage("b",
                           "<title>B</title><meta name=\"keywords\" content=\"Noise; time\">")});
        QCOMPARE(catalog.keywords(), QStringList({"latitude", "noise", "time"}));
        QCOMPARE(catalog.pagesForKeyword("NOISE").size(), 2);
        QCOMPARE(catalog.keywordIndexFor("no"), 1);
        QCOMPARE(catalog.keywordIndexFor("m"), 1);  // the first one after "m"
        QCOMPARE(catalog.keywordIndexFor("zz"), 2); // past the end: the last one
    }

    void helpWindowSearchesTheIndex() {
        HelpWindow form(HelpCatalog::Embedded());
        form.show();
        form.showIndex();
        QTest::keyClicks(form.findChild<QLineEdit*>("IndexEdit"), "longit");
        QCOMPARE(form.findChild<QListWidget*>("IndexList")->currentItem()->text(),
                 QString("longitude"));
        QTest::keyClick(form.findChild<QLineEdit*>("IndexEdit"), Qt::Key_Return);
        QCOMPARE(form.currentFile(), QString(":/help/entering-values.html"));
        QVERIFY(form.findChild<QTextBrowser*>("HelpBrowser")->toPlainText().contains("west"));
    }

    void f1InAModalDialogOpensItsPage() {
        QMainWindow main;
        SetHelpContext(&main, 5);
        HelpSystem help(&main);
        main.show();
        QDialog dialog(&main);
        SetHelpContext(&dialog, 38);
        QLineEdit* edit = new QLineEdit(&dialog);
        QString opened;
        bool usable = false;
        QTimer::singleShot(0, [&] {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_F1);
            opened = help.window() ? help.window()->currentFile() : QString();
            // The help window belongs to the open dialog, so it is not blocked by it.
            usable = help.window() && help.window()->parentWidget() == &dialog;
            help.window()->close();
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(opened, QString(":/help/new-date.html"));
        QVERIFY(usable);
    }
};

QTEST_MAIN(TestHelp)
#include "TestHelp.moc"
