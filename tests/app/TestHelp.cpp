// The help pages and the help window: every page names a title, the contexts the
// program opens have their own page, the keyword index finds pages, and F1 in a
// dialog opens that dialog's page with the help window usable beside it.

#include "app/HelpCatalog.h"
#include "app/HelpSystem.h"
#include "app/THelpForm.h"

#include "widgets/KxHelp.h"
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void everyContextInUseHasItsPage() {
        const HelpCatalog catalog = HelpCatalog::Embedded();
        QVERIFY(catalog.pages().size() >= 18);
        for (int context : {1, 3, 4, 5, 14, 21, 22, 23, 24, 25, 26, 34, 38, 39, 42, 46, 60})
            QVERIFY2(catalog.hasContext(context), qPrintable(QString::number(context)));
        for (const HelpPage& page : catalog.pages()) {
            QVERIFY2(!page.title.isEmpty() && page.title != page.file, qPrintable(page.file));
            QVERIFY2(!page.keywords.isEmpty(), qPrintable(page.file));
        }
        QCOMPARE(catalog.fileForContext(22), QString(":/help/options-terminal.html"));
        // An unknown context opens the contents.
        QCOMPARE(catalog.fileForContext(9999), QString(":/help/contents.html"));
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
        THelpForm form(HelpCatalog::Embedded());
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
