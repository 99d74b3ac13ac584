#include "app/cli.h"

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
        "                              формат берётся из расширения документа,\n"
        "                              если он не указан\n"
        "  tzwizard --help             эта справка\n"
        "  tzwizard --version          версия программы\n");
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
    return std::nullopt;
}
