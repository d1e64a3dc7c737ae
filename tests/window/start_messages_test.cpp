#include "window/start_messages.h"

#include <QLoggingCategory>
#include <QTest>

namespace {

Q_LOGGING_CATEGORY(kStartCategory, "quernel.test.start")

struct Seen {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<Seen> seen;

void Record(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    seen.append({type, QByteArray(context.category), text});
}

}  // namespace

class StartMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        seen.clear();
        qInstallMessageHandler(Record);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    // A start that works loses nothing: what Qt said is passed on afterwards, in order, with its
    // kind and category, and later messages go straight through.
    void heldUntilReleasedThenPassedOn() {
        quernel::StartMessages start_messages;
        qCWarning(kStartCategory) << "first";
        qInfo("second");
        QCOMPARE(seen.size(), 0);

        start_messages.Release();
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].type, QtWarningMsg);
        QCOMPARE(seen[0].category, QByteArray("quernel.test.start"));
        QCOMPARE(seen[0].text, QString("first"));
        QCOMPARE(seen[1].type, QtInfoMsg);
        QCOMPARE(seen[1].text, QString("second"));

        qWarning("after");
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen[2].text, QString("after"));
    }

    // Leaving the scope early, as when the start throws, passes the held messages on as well.
    void passedOnWhenLeftWithoutRelease() {
        {
            quernel::StartMessages start_messages;
            qWarning("held");
        }
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QString("held"));
    }
};

QTEST_GUILESS_MAIN(StartMessagesTest)
#include "start_messages_test.moc"
