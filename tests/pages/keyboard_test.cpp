#include "online/step9.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step7.h"
#include "pages/step8.h"
#include "project/codec1251.h"
#include "project/projectfile.h"
#include "project/projecttext.h"
#include "structure/step5.h"
#include "structure/step6.h"
#include "wizardfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

void press(Qt::Key key) {
    QWidget* target = focused();
    QVERIFY2(target, "no widget has the keyboard focus");
    QTest::keyClick(target, key);
}

// Tabs until the widget has the focus; fails when it is not reached on the way.
void tabTo(QWidget* widget) {
    for (int i = 0; i < 20 && focused() != widget; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focused(), widget);
}

void typeHere(const QString& text) {
    QWidget* target = focused();
    QVERIFY2(target, "no widget has the keyboard focus");
    typeText(target, text);
}

bool waitForPage(QWidget* page) {
    return QTest::qWaitForWindowActive(page) && page->isAncestorOf(focused());
}

// The widgets that Tab visits, starting from the one that has the focus, once round.
QList<QWidget*> tabCycle() {
    QList<QWidget*> cycle;
    QWidget* start = focused();
    for (int i = 0; i < 40 && start; ++i) {
        QWidget* current = focused();
        if (cycle.isEmpty() || cycle.constLast() != current) {
            if (cycle.size() > 1 && current == cycle.constFirst())
                break;
            cycle.append(current);
        }
        QTest::keyClick(current, Qt::Key_Tab);
    }
    return cycle;
}

QRect placeOf(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Reading order: the next widget is further down, or beside and to the right.
bool comesAfter(QWidget* a, QWidget* b) {
    const QRect ra = placeOf(a);
    const QRect rb = placeOf(b);
    return rb.top() >= ra.bottom() || rb.left() >= ra.right();
}

QString accessibleName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString describe(QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// The pages shown by the test in turn, each with the controls that take the focus.
QList<WizardPage*> dataPages(Windows& w) {
    return {w.step1, w.step2, w.step3os, w.step3owner, w.step4,
            w.step5, w.step6, w.step7,   w.step8,      w.step9};
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasANameForScreenReaders() {
        WizardFixture f;
        for (WizardPage* page : dataPages(f.w())) {
            for (QWidget* child : page->findChildren<QWidget*>()) {
                if (!(child->focusPolicy() & Qt::TabFocus) || child->focusProxy())
                    continue;
                QVERIFY2(!accessibleName(child).trimmed().isEmpty(),
                         qPrintable(page->objectName() + u'/' + describe(child)));
            }
            // Text fields are named by a label of their own, so a reader names them as seen.
            for (QWidget* field : page->findChildren<QWidget*>()) {
                if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QPlainTextEdit*>(field))
                    continue;
                if (!field->accessibleName().isEmpty())
                    continue;
                const QList<QLabel*> labels = page->findChildren<QLabel*>();
                QVERIFY2(std::any_of(labels.cbegin(), labels.cend(),
                                     [&](QLabel* l) { return l->buddy() == field; }),
                         qPrintable(page->objectName() + u'/' + describe(field)));
            }
        }
    }

    void tabVisitsEveryControlInReadingOrderFromTheFirstField() {
        WizardFixture f;
        for (WizardPage* page : dataPages(f.w())) {
            page->show();
            QVERIFY(waitForPage(page));
            const QList<QWidget*> cycle = tabCycle();
            QVERIFY(cycle.size() > 1);
            // Shown, the page starts at its first control and one sweep ends at "Далее >>".
            for (qsizetype i = 0; i + 1 < cycle.size(); ++i) {
                QVERIFY2(comesAfter(cycle.at(i), cycle.at(i + 1)),
                         qPrintable(page->objectName() + QStringLiteral(": ") +
                                    describe(cycle.at(i)) + QStringLiteral(" -> ") +
                                    describe(cycle.at(i + 1))));
            }
            QWidget* last = page->btnNext;
            if (page == f.w().step9)
                last = f.w().step9->Button1;
            QCOMPARE(cycle.constLast(), last);
            for (QWidget* child : page->findChildren<QWidget*>()) {
                const bool takesTab = (child->focusPolicy() & Qt::TabFocus) &&
                                      child->isVisibleTo(page) && child->isEnabled() &&
                                      !child->focusProxy();
                const auto* radio = qobject_cast<QRadioButton*>(child);
                // Of a group of radio buttons Tab reaches the chosen one; arrows the others.
                if (takesTab && !(radio && !radio->isChecked()))
                    QVERIFY2(cycle.contains(child),
                             qPrintable(page->objectName() + u'/' + describe(child)));
            }
            page->hide();
        }
    }

    void aNewProjectIsWalkedToASavedDocumentWithTheKeyboardAlone() {
        WizardFixture f;
        Windows& w = f.w();
        const QString project = f.path(QStringLiteral("Склад.tz"));
        const QString document = f.path(QStringLiteral("Склад.html"));
        f.seam.fileAnswers = {project, document};
        f.start();
        QVERIFY(waitForPage(w.step1));
        QVERIFY(w.step1->btnNewTZ->isChecked());
        press(Qt::Key_Return);

        QVERIFY(waitForPage(w.step2));
        QCOMPARE(focused(), static_cast<QWidget*>(w.step2->PrTitle));
        press(Qt::Key_Return);
        QCOMPARE(f.seam.messages, QStringList{"Заполните поле с названием программы"});
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        typeHere(QStringLiteral("Учёт складских остатков"));
        press(Qt::Key_Tab);
        typeHere(QStringLiteral("Приход и расход товаров\nОтчёты об остатках"));
        tabTo(w.step2->btnNext);
        press(Qt::Key_Return);

        QVERIFY(waitForPage(w.step3os));
        QCOMPARE(focused(), static_cast<QWidget*>(w.step3os->CheckBoxWindows));
        press(Qt::Key_Space);
        QVERIFY(w.step3os->CheckBoxWindows->isChecked());
        tabTo(w.step3os->EditOS);
        typeHere(QStringLiteral("Альт Линукс"));
        press(Qt::Key_Return);

        QVERIFY(waitForPage(w.step3owner));
        QCOMPARE(focused(), static_cast<QWidget*>(w.step3owner->prCompanyName));
        typeHere(QStringLiteral("ООО «Северная логистика»"));
        press(Qt::Key_Tab);
        typeHere(QStringLiteral("http://sever.example.org"));
        press(Qt::Key_Tab);
        typeHere(QStringLiteral("it@sever.example.org"));
        press(Qt::Key_Tab);
        typeHere(QStringLiteral("+7 812 555-01-47"));
        press(Qt::Key_Tab);
        typeHere(QStringLiteral("Склад класса B\nДве смены"));
        tabTo(w.step3owner->btnNext);
        press(Qt::Key_Space);

        QVERIFY(waitForPage(w.step4));
        press(Qt::Key_Return);

        QVERIFY(waitForPage(w.step7));
        QCOMPARE(focused(), static_cast<QWidget*>(w.step7->selectDOC));
        press(Qt::Key_Down);
        QVERIFY(w.step7->selectHTML->isChecked());
        press(Qt::Key_Return);

        QCOMPARE(f.seam.fileAnswers, QStringList());
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step7));
        const QString html = tz::decode1251(readFileBytes(document));
        QVERIFY(html.contains(QStringLiteral("Учёт складских остатков")));
        QVERIFY(html.contains(QStringLiteral("Отчёты об остатках")));

        const QStringList saved = tz::loadProjectFile(project).text;
        QCOMPARE(tz::singleValue(saved, u".Title"), QStringLiteral("Учёт складских остатков"));
        QCOMPARE(tz::valueLines(saved, u".Description"),
                 (QStringList{"Приход и расход товаров", "Отчёты об остатках"}));
        QCOMPARE(tz::singleValue(saved, u".CompanyName"),
                 QStringLiteral("ООО «Северная логистика»"));
        QCOMPARE(tz::singleValue(saved, u".CompanyURL"),
                 QStringLiteral("http://sever.example.org"));
        QCOMPARE(tz::singleValue(saved, u".CompanyEMail"), QStringLiteral("it@sever.example.org"));
        QCOMPARE(tz::singleValue(saved, u".CompanyPhone"), QStringLiteral("+7 812 555-01-47"));
        QCOMPARE(tz::valueLines(saved, u".CompanyInfo"),
                 (QStringList{"Склад класса B", "Две смены"}));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
