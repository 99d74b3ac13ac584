#include "project/projectfields.h"

#include "project/projecttext.h"
#include "project/valueescape.h"

namespace tz {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QStringList typedLines(const QStringList& text, QStringView key, bool extended) {
    QStringList lines = valueLines(text, key, extended);
    for (QString& line : lines)
        line = unescapeValueLines(line);
    return lines;
}

} // namespace

const ProjectField* fieldOf(QString ProjectValues::*member) {
    for (const ProjectField& field : kFields) {
        if (field.member == member || field.second == member)
            return &field;
    }
    return nullptr;
}

ProjectValues readProjectValues(const QStringList& text, bool extended) {
    ProjectValues v;
    for (const ProjectField& field : fieldsOf(extended)) {
        QStringList lines = typedLines(text, field.key, extended);
        QString& value = v.*field.member;
        switch (field.kind) {
        case FieldKind::Line:
            value = lines.isEmpty() ? QString() : lines.constLast();
            break;
        case FieldKind::Lines:
            value = lines.size() == 1 ? lines.constFirst() : lines.join(kLineBreak);
            break;
        case FieldKind::List:
            lines.removeAll(QString());
            value = lines.join(kLineBreak);
            break;
        case FieldKind::Pair:
            value = lines.value(0);
            v.*field.second = lines.value(1);
            break;
        }
    }
    return v;
}

QString fieldEntry(const ProjectValues& values, const ProjectField& field) {
    const QString& value = values.*field.member;
    if (field.kind != FieldKind::Pair)
        return value;
    const QString& second = values.*field.second;
    return value.isEmpty() && second.isEmpty() ? QString() : value + kLineBreak + second;
}

QString keptValue(const ProjectField& field, const QString& value) {
    switch (field.kept) {
    case Kept::AsTyped:
        break;
    case Kept::WithoutLeadingDots:
        return field.kind == FieldKind::Line ? stripLeadingDots(value)
                                             : stripLeadingDotsPerLine(value);
    case Kept::Designation:
        return designationOnly(value);
    }
    return value;
}

} // namespace tz
