#pragma once

#include "project/projectvalues.h"

#include <QList>
#include <QObject>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tz {
class ProjectSession;
struct ProjectField;
} // namespace tz

// Binds a page's widgets to the project's values: it fills them from the model as they are
// bound, when the page is shown and when another project replaces this one, and gives every change
// the user makes in them to the session, which rewrites the project text. While it fills the
// widgets, their change signals store nothing.
class FieldBinder : public QObject {
    Q_OBJECT
public:
    FieldBinder(tz::ProjectSession& session, QWidget* page);

    void bind(QLineEdit* edit, QString tz::ProjectValues::*member);
    void bind(QPlainTextEdit* memo, QString tz::ProjectValues::*member);
    // A binding of the page's own: load fills its widgets from the model; the page stores
    // their changes through stored().
    void bind(std::function<void()> load);
    // The memo shows another value from now on, as on a page that shows one of several.
    void rebind(QPlainTextEdit* memo, QString tz::ProjectValues::*member);

    // A change handler that stores nothing while the widgets are being filled.
    std::function<void()> stored(std::function<void()> store);
    bool loading() const { return m_loading; }

    // Fills every bound widget from the model.
    void load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QWidget* widget;
        QString tz::ProjectValues::*member;
        std::function<void()> load;
    };
    template <typename Widget, typename Changed>
    void bindWidget(Widget* widget, QString tz::ProjectValues::*member, Changed changed);
    void store(const Binding& binding);
    void show(const Binding& binding);
    void refresh(const tz::ProjectField* field);
    const Binding* bindingOf(QWidget* widget) const;

    tz::ProjectSession& m_session;
    QList<Binding> m_bindings;
    bool m_loading = false;
};
