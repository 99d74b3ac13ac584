#include "app/cli.h"

#include "docgen/projectexport.h"

#include <cstdio>

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString usage() {
    return QStringLiteral(
        "Использование:\n"
        "  tzwizard [ПРОЕКТ.tz]        открыть мастер (и проект, если он указан)\n"
        "  tzwizard export ПРОЕКТ.tz ДОКУМЕНТ [--format html|rtf|doc]\n"
        "                              сформировать техническое задание без окна;\n"
        "                              формат берётся из расширения документа\n"
        "                              (.html, .htm, .rtf, .doc), если он не указан;\n"
        "                              файл проекта не изменяется\n"
        "  tzwizard --help             эта справка\n"
        "  tzwizard --version          версия программы\n");
}

int fail(const QString& message, int status) {
    print(stderr, QStringLiteral("tzwizard: ") + message + u'\n');
    return status;
}

// tzwizard export PROJECT OUTPUT [--format html|rtf|doc]: 0 on success, 1 when the
// document could not be made, 2 for arguments that do not fit.
int runExport(const QStringList& arguments) {
    const QString usageLine =
        QStringLiteral("ожидается: tzwizard export ПРОЕКТ.tz ДОКУМЕНТ [--format html|rtf|doc]");
    QStringList paths;
    QString format;
    bool formatGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--format")) {
            if (formatGiven || i + 1 >= arguments.size())
                return fail(usageLine, 2);
            format = arguments.at(++i);
            formatGiven = true;
        } else if (argument.startsWith(QLatin1String("--format="))) {
            if (formatGiven)
                return fail(usageLine, 2);
            format = argument.mid(9);
            formatGiven = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("неизвестный параметр ") + argument + QStringLiteral("; ") +
                            usageLine,
                        2);
        } else {
            paths.append(argument);
        }
    }
    if (paths.size() != 2)
        return fail(usageLine, 2);
    if (formatGiven && format.isEmpty())
        return fail(usageLine, 2);
    const QString error = tz::exportDocument(paths.at(0), paths.at(1), format);
    return error.isEmpty() ? 0 : fail(error, 1);
}

} // namespace

std::optional<int> runCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return std::nullopt;
    const QString& first = arguments.constFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        print(stdout, usage());
        return 0;
    }
    if (first == QLatin1String("--version")) {
        print(stdout, QStringLiteral("tzwizard %1\n").arg(QStringLiteral(TZ_VERSION)));
        return 0;
    }
    if (first == QLatin1String("export"))
        return runExport(arguments);
    return std::nullopt;
}
