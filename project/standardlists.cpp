#include "project/standardlists.h"

#include "project/projectfields.h"
#include "project/projecttext.h"
#include "project/textlines.h"

namespace tz {
namespace {

constexpr ProgramTypeRow kTypes[] = {
    {ProgramType::Typical, u"Типовая программа"},
    {ProgramType::Web, u"Web приложение"},
    {ProgramType::Driver, u"Драйвер"},
    {ProgramType::Service, u"Сервис или служба"},
    {ProgramType::Other, u"Другое"},
};

constexpr QStringView kDocuments[] = {
    u"Спецификация",
    u"Ведомость держателей подлинников",
    u"Текст программы",
    u"Описание программы",
    u"Программа и методика испытаний",
    u"Техническое задание",
    u"Пояснительная записка",
    u"Ведомость эксплуатационных документов",
    u"Формуляр",
    u"Описание применения",
    u"Руководство системного программиста",
    u"Руководство программиста",
    u"Руководство оператора",
    u"Описание языка",
    u"Руководство по техническому обслуживанию",
};

constexpr StageRow kStages[] = {
    {u"Техническое задание",
     u"обоснование необходимости разработки программы; научно-исследовательские работы; "
     u"разработка и утверждение технического задания",
     u"постановка задачи, определение требований к программе и к техническим средствам, "
     u"определение стадий, этапов и сроков разработки программы и документации на нее, "
     u"согласование и утверждение технического задания"},
    {u"Эскизный проект", u"разработка эскизного проекта; утверждение эскизного проекта",
     u"предварительная разработка структуры входных и выходных данных, уточнение методов "
     u"решения задачи, разработка общего описания алгоритма решения задачи, разработка, "
     u"согласование и утверждение эскизного проекта"},
    {u"Технический проект", u"разработка технического проекта; утверждение технического проекта",
     u"уточнение структуры входных и выходных данных, разработка алгоритма решения задачи, "
     u"определение формы представления входных и выходных данных, разработка структуры "
     u"программы, окончательное определение состава технических средств, разработка, "
     u"согласование и утверждение технического проекта"},
    {u"Рабочий проект",
     u"разработка программы; разработка программной документации; испытания программы",
     u"программирование и отладка программы, разработка программных документов в соответствии "
     u"с требованиями к составу документации, разработка, согласование и утверждение программы "
     u"и методики испытаний, проведение приемо-сдаточных испытаний, корректировка программы и "
     u"программной документации по результатам испытаний"},
    {u"Внедрение", u"подготовка и передача программы",
     u"подготовка и передача программы и программной документации для эксплуатации на "
     u"объектах Заказчика"},
};

} // namespace

std::span<const ProgramTypeRow> programTypes() {
    return kTypes;
}

ProgramType programTypeOf(const QString& caption) {
    for (const ProgramTypeRow& row : kTypes) {
        if (row.caption == caption)
            return row.type;
    }
    return ProgramType::Typical;
}

QString programTypeCaption(ProgramType type) {
    for (const ProgramTypeRow& row : kTypes) {
        if (row.type == type)
            return row.caption.toString();
    }
    return kTypes[0].caption.toString();
}

std::span<const QStringView> programDocuments() {
    return kDocuments;
}

QStringList defaultDocuments() {
    return {QStringLiteral("Техническое задание"), QStringLiteral("Программа и методика испытаний"),
            QStringLiteral("Руководство оператора")};
}

std::span<const StageRow> developmentStages() {
    return kStages;
}

QStringList defaultStages() {
    return {QStringLiteral("Техническое задание\t"), QStringLiteral("Рабочий проект\t"),
            QStringLiteral("Внедрение\t")};
}

void addExtendedDefaults(ProjectValues& values, const QStringList& text) {
    const auto missing = [&](QString ProjectValues::*member) {
        return findKey(text, fieldOf(member)->key) < 0;
    };
    if (missing(&ProjectValues::documents))
        values.documents = defaultDocuments().join(QLatin1String("\r\n"));
    if (missing(&ProjectValues::stages))
        values.stages = defaultStages().join(QLatin1String("\r\n"));
}

QList<ChosenStage> chosenStages(const QString& stages) {
    QList<ChosenStage> chosen;
    for (const QString& line : splitLines(stages)) {
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        chosen.append({tab < 0 ? line : line.left(tab), tab < 0 ? QString() : line.mid(tab + 1)});
    }
    return chosen;
}

QString stagesValue(const QList<ChosenStage>& stages) {
    QStringList lines;
    for (const ChosenStage& stage : stages)
        lines.append(stage.name + u'\t' + stage.deadline);
    return lines.join(QLatin1String("\r\n"));
}

} // namespace tz
