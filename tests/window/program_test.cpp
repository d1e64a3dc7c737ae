#include <QProcess>
#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void withoutDisplaySaysSoAndFails() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(name);
        }
        QProcess quernel;
        quernel.setProcessEnvironment(environment);
        quernel.start(QUERNEL_PATH, QStringList());
        QVERIFY(quernel.waitForFinished(30000));
        QCOMPARE(quernel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quernel.exitCode(), 1);
        const QByteArray said = quernel.readAllStandardError();
        QCOMPARE(said.count('\n'), 1);
        QVERIFY2(said.startsWith("quernel: no display"), said.constData());
    }

    void lastResortReportShowsTheFailureAndEnds() {
        QProcess helper;
        helper.start(LAST_RESORT_HELPER_PATH, QStringList());
        QVERIFY(helper.waitForFinished(30000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 1);
        const QByteArray said = helper.readAllStandardError();
        QVERIFY2(said.contains("a bug in an event handler"), said.constData());
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
