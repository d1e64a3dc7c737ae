#include <QProcess>
#include <QTest>

#include "window/form1.h"

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // No display, or one that cannot be reached: one line of the program's own and status 1,
    // never an abort and none of Qt's own messages.
    void withoutDisplaySaysSoInOneLine_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QByteArray>("line");
        const QByteArray unreachable = "quernel: cannot connect to the display to show the window";
        QTest::newRow("none set") << QStringList()
                                  << QByteArray(
                                         "quernel: no display to show the window on "
                                         "(DISPLAY and WAYLAND_DISPLAY are not set)");
        QTest::newRow("unreachable X display")
            << QStringList{"DISPLAY=quernel-test-nowhere:99"} << unreachable;
        QTest::newRow("unused local X display") << QStringList{"DISPLAY=:199"} << unreachable;
        QTest::newRow("missing Wayland socket")
            << QStringList{"WAYLAND_DISPLAY=quernel-test-missing"} << unreachable;
        QTest::newRow("missing Wayland socket in a Wayland session")
            << QStringList{"WAYLAND_DISPLAY=quernel-test-missing", "XDG_SESSION_TYPE=wayland"}
            << unreachable;
    }
    void withoutDisplaySaysSoInOneLine() {
        QFETCH(QStringList, settings);
        QFETCH(QByteArray, line);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
            environment.remove(name);
        }
        for (const QString& setting : settings) {
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        QProcess quernel;
        quernel.setProcessEnvironment(environment);
        quernel.start(QUERNEL_PATH, QStringList());
        QVERIFY(quernel.waitForFinished(30000));
        QCOMPARE(quernel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quernel.exitCode(), 1);
        QCOMPARE(quernel.readAllStandardError(), line + '\n');
        QCOMPARE(quernel.readAllStandardOutput(), QByteArray());
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
