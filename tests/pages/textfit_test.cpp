#include "app/tahoma.h"
#include "app/tfrmabout.h"
#include "online/step9.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step7.h"
#include "pages/step8.h"
#include "structure/addmenuitem.h"
#include "structure/step5.h"
#include "structure/step6.h"
#include "wizardfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <functional>

namespace {

QString nameOf(const QWidget* widget) {
    return widget->window()->objectName() + u'/' + widget->objectName();
}

QString sizeText(const QSize& size) {
    return QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
}

// The text laid out as the control lays it out, against the room the control gives it.
QString compare(const QWidget* widget, const QString& text, const QRect& room, int flags) {
    const QRect needed = widget->fontMetrics().boundingRect(room, flags, text);
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("%1 «%2»: needs %3, has %4")
        .arg(nameOf(widget), text, sizeText(needed.size()), sizeText(room.size()));
}

QString labelOverflow(const QLabel* label) {
    const int m = label->margin();
    const int flags =
        int(label->alignment()) | Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return compare(label, label->text(), label->contentsRect().adjusted(m, m, -m, -m), flags);
}

// Check boxes and radio buttons draw their text beside the indicator, push buttons inside
// their frame; the style says where.
QString buttonOverflow(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (const auto* push = qobject_cast<const QPushButton*>(button);
             push && push->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    // A button that asks for a height for its width breaks its text into lines.
    const int flags =
        Qt::AlignLeft | Qt::TextShowMnemonic | (button->hasHeightForWidth() ? Qt::TextWordWrap : 0);
    return compare(button, button->text(), room, flags);
}

// A read-only text box shows its fixed lines without sideways scrolling.
QString textBoxOverflow(const QTextEdit* box) {
    const int needed = qCeil(box->document()->idealWidth());
    if (needed <= box->viewport()->width())
        return {};
    return QStringLiteral("%1: the text needs %2 pixels across, the box has %3")
        .arg(nameOf(box))
        .arg(needed)
        .arg(box->viewport()->width());
}

// Shows the window in the given state and checks every text control visible in it.
void walk(QWidget* window, const std::function<void()>& arrange, QStringList* overflows,
          QSet<QString>* checked) {
    window->show();
    if (arrange)
        arrange();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        QString overflow;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            overflow = labelOverflow(label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            overflow = buttonOverflow(button);
        } else if (const auto* box = qobject_cast<const QTextEdit*>(widget)) {
            if (!box->isReadOnly())
                continue;
            overflow = textBoxOverflow(box);
        } else {
            continue;
        }
        checked->insert(nameOf(widget));
        if (!overflow.isEmpty())
            overflows->append(overflow);
    }
    window->hide();
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextFitsItsControl_data() {
        QTest::addColumn<QString>("family");
        QTest::newRow("Tahoma") << QStringLiteral("Tahoma");
        QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans");
    }

    void everyTextFitsItsControl() {
        QFETCH(QString, family);
        if (family == QLatin1String("Tahoma") && !loadTahoma())
            QSKIP("no Tahoma here: Debian's fonts-wine is not installed");
        const QFont font(family, 8);
        QCOMPARE(QFontInfo(font).family(), family);

        WizardFixture f;
        Windows& w = f.w();
        const QList<QWidget*> windows = {w.step1, w.step2, w.step3os, w.step3owner,
                                         w.step4, w.step5, w.step6,   w.step7,
                                         w.step8, w.step9, w.about,   w.addMenuItem};
        for (QWidget* window : windows)
            window->setFont(font);
        QStringList overflows;
        QSet<QString> checked;
        for (QWidget* window : windows)
            walk(window, {}, &overflows, &checked);
        // The item panels of the structure page show once an item is chosen.
        walk(
            w.step5, [&] { QTest::mouseClick(w.step5->btnAddMenu, Qt::LeftButton); }, &overflows,
            &checked);

        for (QWidget* window : windows) {
            const QString prefix = window->objectName() + u'/';
            QVERIFY2(std::any_of(checked.cbegin(), checked.cend(),
                                 [&](const QString& name) { return name.startsWith(prefix); }),
                     qPrintable(prefix));
        }
        QVERIFY(checked.contains(QStringLiteral("frmStep5/RadioButton1")));
        QVERIFY(checked.contains(QStringLiteral("frmStep1/Memos")));
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
    }
};

QTEST_MAIN(TextFitTest)
#include "textfit_test.moc"
