// The atlas search window over the built-in atlas: incremental search by prefix and
// by name, the keys that move through the list, clicks, the mode switch and hints.

#include "tests/widgets/FakeStatusLine.h"

#include "atlas/AtlasFile.h"
#include "atlas/ui/AtlasSearchDialog.h"
#include "widgets/ValidatedEdit.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestAtlasSearchDialog : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Atlas m_atlas;

    struct SearchWindow {
        explicit SearchWindow(const Atlas& atlas) : form(atlas, &status) {
            form.show();
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            edit = form.findChild<ValidatedEdit*>("IncSearchEdit");
            list = form.findChild<QListWidget*>("PrefixListBox");
        }
        void type(const QString& text) {
            edit->clear();
            QTest::keyClicks(edit, text);
        }
        QString selectedLine() const {
            return list->currentItem() ? list->currentItem()->text() : QString();
        }

        FakeStatusLine status;
        AtlasSearchDialog form;
        ValidatedEdit* edit = nullptr;
        QListWidget* list = nullptr;
    };

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        LoadAtlas(m_atlas, m_dir.path().toStdString());
        QCOMPARE(m_atlas.Count, 371);
    }

    void startsByPrefixOnTheFirstLine() {
        SearchWindow window(m_atlas);
        QCOMPARE(window.form.windowTitle(), QString("Search Atlas by Prefix"));
        QCOMPARE(window.form.findChild<QLabel*>("ListHeaderLabel")->text(),
                 QString("Prefix   Name"));
        QCOMPARE(window.form.findChild<QPushButton*>("SearchByToggleBtn")->text(),
                 QString("&Search by Name"));
        QCOMPARE(window.list->count(), 371);
        QCOMPARE(window.list->currentRow(), 0);
        QCOMPARE(window.edit->text(), QString("1A0"));
        QCOMPARE(window.form.selectedPrefix(), QString("1A0"));
        QVERIFY(window.edit->hasFocus());
        QCOMPARE(window.status.hint,
                 QString("Start typing the prefix, or use the scrollbar to find an entry"));
    }

    void typingSelectsTheMatchingLine_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("V") << "V"
                           << "V2";
        QTest::newRow("VE") << "VE"
                            << "VE";
        QTest::newRow("VE3") << "VE3"
                             << "VE3";
        QTest::newRow("missing VE0 gives the next") << "VE0"
                                                    << "VE1";
        QTest::newRow("lower case is raised") << "ve3"
                                              << "VE3";
        QTest::newRow("after everything") << "ZZ"
                                          << "ZS8";
    }
    void typingSelectsTheMatchingLine() {
        QFETCH(QString, typed);
        QFETCH(QString, prefix);
        SearchWindow window(m_atlas);
        window.type(typed);
        QCOMPARE(window.form.selectedPrefix(), prefix);
        // The selected line is the third visible one (or as near as the list allows).
        const int row = window.list->currentRow();
        const QRect shown = window.list->visualItemRect(window.list->item(row));
        QVERIFY(window.list->viewport()->rect().contains(shown.center()));
    }

    void searchingByName() {
        SearchWindow window(m_atlas);
        window.form.findChild<QPushButton*>("SearchByToggleBtn")->click();
        QCOMPARE(window.form.windowTitle(), QString("Search Atlas by Name"));
        QCOMPARE(window.form.findChild<QLabel*>("ListHeaderLabel")->text(),
                 QString("Name                Prefix"));
        QCOMPARE(window.form.findChild<QPushButton*>("SearchByToggleBtn")->text(),
                 QString("&Search by Prefix"));
        // The edit holds the first line's name, selected, with the focus.
        QCOMPARE(window.list->currentRow(), 0);
        QCOMPARE(window.edit->text(), window.selectedLine().mid(1, 17).trimmed());
        QCOMPARE(window.edit->selectedText(), window.edit->text());
        QVERIFY(window.edit->hasFocus());
        QCOMPARE(window.status.hint,
                 QString("Start typing the name, or use the scrollbar to find an entry"));

        window.type("toronto");
        const QString lower = window.selectedLine();
        QCOMPARE(window.form.selectedPrefix(), QString("VE3"));
        window.type("TORONTO");
        QCOMPARE(window.selectedLine(), lower);

        // Equal names: moving down from the first "Vietnam" reaches the second one.
        window.type("Vietnam");
        QCOMPARE(window.form.selectedPrefix(), QString("3W"));
        QTest::keyClick(window.edit, Qt::Key_Down);
        QCOMPARE(window.form.selectedPrefix(), QString("XV"));
        QCOMPARE(window.edit->text(), QString("Vietnam"));

        // Switching back resets the edit to the first line's prefix.
        window.form.findChild<QPushButton*>("SearchByToggleBtn")->click();
        QCOMPARE(window.edit->text(), QString("1A0"));
    }

    void keysMoveThroughTheList() {
        SearchWindow window(m_atlas);
        QTest::keyClick(window.edit, Qt::Key_End);
        QCOMPARE(window.list->currentRow(), 370);
        QCOMPARE(window.edit->text(), QString("ZS8"));
        QCOMPARE(window.edit->selectedText(), QString("ZS8"));
        QTest::keyClick(window.edit, Qt::Key_Down);
        QCOMPARE(window.list->currentRow(), 370);
        QTest::keyClick(window.edit, Qt::Key_Home);
        QCOMPARE(window.list->currentRow(), 0);
        QTest::keyClick(window.edit, Qt::Key_Up);
        QCOMPARE(window.list->currentRow(), 0);
        QTest::keyClick(window.edit, Qt::Key_PageDown);
        const int page = window.list->currentRow();
        QVERIFY(page > 5);
        QTest::keyClick(window.edit, Qt::Key_PageUp);
        QCOMPARE(window.list->currentRow(), 0);
        // Typing replaces the copied field.
        QTest::keyClick(window.edit, Qt::Key_Down);
        QTest::keyClicks(window.edit, "W6");
        QCOMPARE(window.edit->text(), QString("W6"));
        QCOMPARE(window.form.selectedPrefix(), QString("W6"));
    }

    void clickingALineCopiesItsField() {
        SearchWindow window(m_atlas);
        QListWidgetItem* item = window.list->item(2);
        window.list->scrollToItem(item);
        QTest::mouseClick(window.list->viewport(), Qt::LeftButton, {},
                          window.list->visualItemRect(item).center());
        QCOMPARE(window.edit->text(), QString("3A"));
        QCOMPARE(window.form.selectedPrefix(), QString("3A"));
        QCOMPARE(window.status.hint, QString("Scroll to find an entry"));
    }

    void okAndCancel() {
        SearchWindow window(m_atlas);
        window.type("F");
        window.form.findChild<QPushButton*>("OKBtn")->click();
        QCOMPARE(window.form.result(), int(QDialog::Accepted));
        QCOMPARE(window.form.selectedPrefix(), QString("F"));

        SearchWindow other(m_atlas);
        QTest::keyClick(other.edit, Qt::Key_Escape);
        QCOMPARE(other.form.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestAtlasSearchDialog)
#include "TestAtlasSearchDialog.moc"
