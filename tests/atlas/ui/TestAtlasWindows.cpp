// The atlas view, add, modify and delete windows on an atlas file of their own:
// searching, the prefix checks (by leaving a field, by button and by key), the
// messages and what ends up in the file.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"

#include "atlas/AtlasFile.h"
#include "atlas/ui/AtlasAddDialog.h"
#include "atlas/ui/AtlasDeleteDialog.h"
#include "atlas/ui/AtlasModifyDialog.h"
#include "atlas/ui/AtlasViewWindow.h"
#include "widgets/EntryFields.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray FileBytes(const Atlas& atlas) {
    QFile file(QString::fromStdString(atlas.FilePath.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Show(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void Type(ValidatedEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace

class TestAtlasWindows : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    Atlas m_atlas;
    FakeStatusLine m_status;

    template <class T> T* child(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(name);
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        LoadAtlas(m_atlas, m_dir->path().toStdString());
        QCOMPARE(m_atlas.Count, 371);
    }

    void viewByNameAndSearch() {
        AtlasViewWindow form(m_atlas, &m_status);
        QVERIFY(Show(form));
        QCOMPARE(form.windowTitle(), QString("View Atlas by Prefix (371 entries)"));
        auto* list = child<QListWidget>(form, "AtlasListBox");
        auto* edit = child<ValidatedEdit>(form, "IncSearchEdit");
        QCOMPARE(list->count(), 371);
        QCOMPARE(list->item(0)->text().size(), 54);
        QCOMPARE(m_status.hint,
                 QString("Start typing the prefix, or use the scrollbar to find an entry"));

        QTest::mouseClick(child<QPushButton>(form, "ViewToggleBtn"), Qt::LeftButton);
        QCOMPARE(form.windowTitle(), QString("View Atlas by Name (371 entries)"));
        QCOMPARE(child<QLabel>(form, "ListHeaderLabel")->text(),
                 QString("Name                Prefix   Latitude     Longitude"));
        QCOMPARE(child<QPushButton>(form, "ViewToggleBtn")->text(), QString("&View by Prefix"));
        QVERIFY(edit->text().isEmpty());
        QCOMPARE(m_status.hint,
                 QString("Start typing the name, or use the scrollbar to find an entry"));
        QTest::keyClicks(edit, "toronto");
        QCOMPARE(list->currentItem()->text(),
                 QString(" Toronto, Ontario    VE3      43 39        79 23      "));
        // Moving with the keys copies the line's name into the field.
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->text(), QString("Trindade Island"));
        QCOMPARE(edit->selectedText(), edit->text());
    }

    void addThenFind() {
        RecordingPresenter messages;
        AtlasAddDialog form(m_atlas, &m_status);
        QVERIFY(Show(form));
        QCOMPARE(m_status.hint, QString("Enter the prefix for this new atlas entry"));
        Type(child<ValidatedEdit>(form, "PfxEdit"), "k");
        Type(child<ValidatedEdit>(form, "LatEdit"), "39 03");
        QCOMPARE(m_status.hint,
                 QString("Enter as decimal degrees or deg min sec (north is +, south is -)"));
        Type(child<ValidatedEdit>(form, "LonEdit"), "95 40");
        Type(child<ValidatedEdit>(form, "NameEdit"), "Topeka, Kansas");
        QTest::mouseClick(child<QPushButton>(form, "AddEntryBtn"), Qt::LeftButton);
        QCOMPARE(messages.lastText(), QString("K entry added to atlas"));
        QCOMPARE(messages.alerts, 0);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m_atlas.Count, 372);
        QCOMPARE(FindAtlasEntry(m_atlas, "K")->Name(), std::string("Topeka, Kansas"));
    }

    void duplicatePrefixRefusedByButtonAndByKey() {
        RecordingPresenter messages;
        const QByteArray before = FileBytes(m_atlas);
        AtlasAddDialog form(m_atlas, &m_status);
        QVERIFY(Show(form));
        auto* prefix = child<ValidatedEdit>(form, "PfxEdit");
        Type(prefix, "VE3");
        // Its access key (Alt+A) presses the button without leaving the field.
        child<QPushButton>(form, "AddEntryBtn")->click();
        QCOMPARE(messages.lastText(), QString("Prefix VE3 is in use by another entry"));
        QVERIFY(prefix->hasFocus());
        QVERIFY(form.isVisible());
        // The button: leaving the field and pressing both refuse.
        messages.clear();
        QTest::mouseClick(child<QPushButton>(form, "AddEntryBtn"), Qt::LeftButton);
        QVERIFY(!messages.messages.empty());
        QCOMPARE(messages.lastText(), QString("Prefix VE3 is in use by another entry"));
        QVERIFY(form.isVisible());
        QCOMPARE(FileBytes(m_atlas), before);

        // The modify window checks the new prefix again when Alt+M is pressed in it.
        AtlasModifyDialog modify(m_atlas, &m_status);
        QVERIFY(Show(modify));
        Type(child<ValidatedEdit>(modify, "CurrentPfxEdit"), "VE3");
        QTest::keyClick(child<ValidatedEdit>(modify, "CurrentPfxEdit"), Qt::Key_Tab);
        auto* newPrefix = child<ValidatedEdit>(modify, "ModifiedPfxEdit");
        QVERIFY(newPrefix->hasFocus());
        QCOMPARE(child<ValidatedEdit>(modify, "CurrentNameEdit")->text(),
                 QString("Toronto, Ontario"));
        QCOMPARE(child<ValidatedEdit>(modify, "ModifiedNameEdit")->text(),
                 QString("Toronto, Ontario"));
        messages.clear();
        Type(newPrefix, "W");
        child<QPushButton>(modify, "ModifyEntryBtn")->click(); // Alt+M
        QVERIFY(newPrefix->hasFocus());
        QCOMPARE(messages.lastText(), QString("Prefix W is in use by another entry"));
        QVERIFY(modify.isVisible());
        QCOMPARE(FileBytes(m_atlas), before);
    }

    void modifyRenamesOneEntry() {
        RecordingPresenter messages;
        AtlasModifyDialog form(m_atlas, &m_status);
        form.setPicker([](QWidget*) { return std::optional<std::string>("VE3"); });
        QVERIFY(Show(form));
        QCOMPARE(m_status.hint, QString("Enter prefix of entry to be modified"));
        QVERIFY(child<QPushButton>(form, "FindBtn")->isEnabled());
        QTest::mouseClick(child<QPushButton>(form, "FindBtn"), Qt::LeftButton);
        QCOMPARE(child<ValidatedEdit>(form, "CurrentPfxEdit")->text(), QString("VE3"));
        QVERIFY(child<ValidatedEdit>(form, "ModifiedPfxEdit")->hasFocus());
        QVERIFY(!child<QPushButton>(form, "FindBtn")->isEnabled());
        Type(child<ValidatedEdit>(form, "ModifiedPfxEdit"), "VE0");
        Type(child<ValidatedEdit>(form, "ModifiedNameEdit"), "Ottawa, Ontario");
        child<QPushButton>(form, "ModifyEntryBtn")->click(); // Alt+M
        QCOMPARE(messages.lastText(), QString("Atlas modified"));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!FindAtlasEntry(m_atlas, "VE3"));
        QCOMPARE(FindAtlasEntry(m_atlas, "VE0")->Name(), std::string("Ottawa, Ontario"));
        QCOMPARE(m_atlas.Count, 371);
    }

    void deleteAnOddImportedPrefix() {
        RecordingPresenter messages;
        const std::vector<AtlasEntry> odd = {MakeAtlasEntry("K-1", "1", "2", "Imported"),
                                             MakeAtlasEntry("W", "39 50", "98 35", "U.S.A.")};
        QFile file(QString::fromStdString(m_atlas.FilePath.string()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::string bytes = AtlasFileBytes(odd);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        ReloadAtlas(m_atlas);
        QCOMPARE(m_atlas.Count, 2);

        AtlasDeleteDialog form(m_atlas, &m_status);
        form.setPicker([](QWidget*) { return std::optional<std::string>("K-1"); });
        QVERIFY(Show(form));
        // An absent prefix is refused.
        Type(child<ValidatedEdit>(form, "PfxEdit"), "VE0");
        child<QPushButton>(form, "DelEntryBtn")->click(); // Alt+D
        QCOMPARE(messages.lastText(), QString("Prefix VE0 not found in atlas"));
        child<ValidatedEdit>(form, "PfxEdit")->clear();
        QTest::mouseClick(child<QPushButton>(form, "FindBtn"), Qt::LeftButton);
        QCOMPARE(child<ValidatedEdit>(form, "NameEdit")->text(), QString("Imported"));
        QVERIFY(child<QPushButton>(form, "DelEntryBtn")->hasFocus());
        QCOMPARE(m_status.hint, QString("Delete this atlas entry"));
        QTest::keyClick(child<QPushButton>(form, "DelEntryBtn"), Qt::Key_Space);
        QCOMPARE(messages.lastText(), QString("K-1 entry deleted from atlas"));
        QCOMPARE(m_atlas.Count, 1);
        QCOMPARE(AtlasEntryAt(m_atlas, AtlasIndex::ByPrefix, 1).Prefix(), std::string("W"));
    }
};

QTEST_MAIN(TestAtlasWindows)
#include "TestAtlasWindows.moc"
