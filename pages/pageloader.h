#pragma once

#include <QList>
#include <QString>
#include <variant>

class QLineEdit;
class QPlainTextEdit;
class TfrmMain;

// One project key and the field that shows it.
struct FieldBinding {
    QString key;
    std::variant<QLineEdit*, QPlainTextEdit*> field;
};

// Fills the fields from the project text under the reading rule, with the controller's
// Loading flag set so that the fields' change handlers rewrite nothing.
void loadFields(TfrmMain& main, const QList<FieldBinding>& bindings);
