#pragma once

#include <QList>
#include <QString>
#include <variant>

class QLineEdit;
class QPlainTextEdit;
class TfrmMain;

// One project value and the field that shows it.
struct FieldBinding {
    const QString* value;
    std::variant<QLineEdit*, QPlainTextEdit*> field;
};

// Fills the fields from the project's values, with the controller's Loading flag set so
// that the fields' change handlers change nothing.
void loadFields(TfrmMain& main, const QList<FieldBinding>& bindings);
