#pragma once

#include <QRadioButton>

// A radio button whose text breaks into lines when its column is narrower than the text,
// as it is in a font wider than the one the page was laid out for. It asks the layout for
// the height the lines take.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingRadioButton(const QString& text, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole button takes the click, the second line of text as well.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    static constexpr int kTextFlags =
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    // The room beside the indicator for a button of the given outer rectangle.
    QRect textRoom(const QRect& outer) const;
    QSize sizeForText(const QSize& text) const;
};
