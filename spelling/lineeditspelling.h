#pragma once

#include <QObject>
#include <QTimer>

class QLineEdit;

namespace tz {

class SpellService;

// The underline and the menu of a QLineEdit. A line edit draws no formats of its own; it
// draws those an input method gives with an empty text to compose, which change neither its
// text nor its undo steps, so the underline goes to it that way after each change. While an
// input method composes text, the underline waits.
class LineEditSpelling : public QObject {
public:
    LineEditSpelling(QLineEdit* edit, SpellService& service);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void underline();

    QLineEdit* m_edit;
    SpellService& m_service;
    QTimer m_later;
    bool m_composing = false;
    bool m_sending = false;
};

} // namespace tz
