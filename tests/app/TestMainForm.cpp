#include "app/TMainForm.h"

#include <QtTest>

class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsTitle() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QString("Hopscope"));
    }
};

QTEST_MAIN(TestMainForm)
#include "TestMainForm.moc"
