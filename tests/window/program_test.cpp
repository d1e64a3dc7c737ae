#include <QProcess>
#include <QTest>

#include "window/form1.h"

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // No display: one clear line, and a non-zero exit instead of Qt's abort.
    void withoutDisplaySaysSoAndFails_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QByteArray>("lastLine");
        QTest::newRow("none set") << QString() << QByteArray("quernel: no display");
        QTest::newRow("unreachable")
            << "quernel-test-nowhere:99" << QByteArray("quernel: cannot connect");
    }
    void withoutDisplaySaysSoAndFails() {
        QFETCH(QString, display);
        QFETCH(QByteArray, lastLine);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(name);
        }
        if (!display.isEmpty()) {
            environment.insert("DISPLAY", display);
        }
        QProcess quernel;
        quernel.setProcessEnvironment(environment);
        quernel.start(QUERNEL_PATH, QStringList());
        QVERIFY(quernel.waitForFinished(30000));
        QCOMPARE(quernel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quernel.exitCode(), 1);
        const QList<QByteArray> said = quernel.readAllStandardError().trimmed().split('\n');
        QVERIFY2(said.last().startsWith(lastLine), said.last().constData());
        if (display.isEmpty()) {
            QCOMPARE(said.size(), 1);
        }
    }

    void lastResortReportShowsTheFailureAndEnds() {
        QProcess helper;
        helper.start(LAST_RESORT_HELPER_PATH, QStringList());
        QVERIFY(helper.waitForFinished(30000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 1);
        const QByteArray said = helper.readAllStandardError();
        QVERIFY2(said.contains("a bug in an event handler"), said.constData());
        // The helper tells what it saw on the screen before closing it.
        const QByteArray shown = helper.readAllStandardOutput();
        QCOMPARE(shown, QByteArray("shown critical ") + quernel::Form1::kCaption +
                            ": Quernel met an error it cannot recover from and has to close: a "
                            "bug in an event handler\n");
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
