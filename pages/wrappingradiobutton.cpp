#include "pages/wrappingradiobutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

WrappingRadioButton::WrappingRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    // A radio button's own policy keeps it as wide as its text on one line and as high as
    // one line.
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Preferred);
    policy.setVerticalPolicy(QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrappingRadioButton::textRoom(const QRect& outer) const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = outer;
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
}

QSize WrappingRadioButton::sizeForText(const QSize& text) const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_RadioButton, &option, text, this);
}

QSize WrappingRadioButton::minimumSizeHint() const {
    // As narrow as the longest word.
    int widest = 0;
    for (const QString& word : text().split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, fontMetrics().horizontalAdvance(word));
    return sizeForText(QSize(widest, fontMetrics().height()));
}

int WrappingRadioButton::heightForWidth(int width) const {
    const QRect room = textRoom(QRect(0, 0, width, fontMetrics().height()));
    const QRect lines =
        fontMetrics().boundingRect(QRect(0, 0, std::max(room.width(), 1), 0), kTextFlags, text());
    return sizeForText(lines.size()).height();
}

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString label = option.text;
    // The style draws the indicator (and the focus frame around it); the text is drawn here,
    // wrapped.
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);
    painter.drawItemText(textRoom(rect()), kTextFlags, option.palette, isEnabled(), label,
                         QPalette::WindowText);
}
