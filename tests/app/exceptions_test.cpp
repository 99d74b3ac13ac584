#include "app/application.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

class Throwing : public QObject {
public:
    int handled = 0;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("escaped");
        ++handled;
        return QObject::event(event);
    }
};

} // namespace

class ExceptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anEscapedErrorIsDroppedAndTheProgramGoesOn() {
        Throwing target;
        QEvent thrown(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&target, &thrown));
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&target, new QEvent(QEvent::Type(QEvent::User + 1)));
        bool loopEnded = false;
        QTimer::singleShot(50, [&] {
            loopEnded = true;
            QCoreApplication::exit(0);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(loopEnded);
        QCOMPARE(target.handled, 1);
    }
};

int main(int argc, char** argv) {
    TzApplication app(argc, argv);
    ExceptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "exceptions_test.moc"
