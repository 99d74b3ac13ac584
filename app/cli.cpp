#include "app/cli.h"

#include "app/filesizelimit.h"
#include "docgen/projectexport.h"
#include "project/unfinishedfile.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <new>

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString usage() {
    return QStringLiteral(
               "Использование:\n"
               "  tzwizard [ПРОЕКТ.tz]        открыть мастер (и проект, если он указан)\n"
               "  tzwizard --extended [ПРОЕКТ.tz]\n"
               "                              открыть мастер в расширенном режиме: документ\n"
               "                              с листом утверждения, структурой программы и\n"
               "                              разделами, которые можно править; предпросмотр,\n"
               "                              проверка орфографии и ещё три формата\n"
               "                              документа — PDF, ODT и DOCX\n"
               "  tzwizard export ПРОЕКТ.tz ДОКУМЕНТ [--format %1]\n"
               "                  [--extended]\n"
               "                              сформировать техническое задание без окна;\n"
               "                              формат берётся из расширения документа\n"
               "                              (%2, .htm), если он не указан;\n"
               "                              --extended — документ расширенного\n"
               "                              режима; файл проекта не изменяется\n"
               "  tzwizard --help             эта справка\n"
               "  tzwizard --version          версия программы\n")
        .arg(tz::docSuffixes(QStringLiteral("|")), u'.' + tz::docSuffixes(QStringLiteral(", .")));
}

int fail(const QString& message, int status) {
    print(stderr, QStringLiteral("tzwizard: ") + message + u'\n');
    return status;
}

// Qt's own diagnostics (an unset runtime folder, say) are not for the user of the command
// line, who gets one line on failure.
void dropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// A PDF is set with fonts, which takes a QGuiApplication; the offscreen one needs no
// display.
std::unique_ptr<QGuiApplication> guiForLayout() {
    qInstallMessageHandler(dropQtMessages);
    static int argc = 3;
    static char program[] = "tzwizard";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool needsLayout(const QString& formatName, const QString& outputPath) {
    const std::optional<tz::DocFormat> format =
        formatName.isEmpty() ? tz::docFormatOfPath(outputPath) : tz::docFormatNamed(formatName);
    return format && tz::formatRow(*format).needsFonts;
}

// tzwizard export PROJECT OUTPUT [--format FORMAT] [--extended]: 0 on success, 1 when the
// document could not be made, 2 for arguments that do not fit.
int runExport(const QStringList& arguments) {
    const QString usageLine = QStringLiteral("ожидается: tzwizard export ПРОЕКТ.tz ДОКУМЕНТ "
                                             "[--format %1] [--extended]")
                                  .arg(tz::docSuffixes(QStringLiteral("|")));
    QStringList paths;
    QString format;
    bool formatGiven = false;
    tz::ExportOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == extendedOption()) {
            options.extended = true;
        } else if (argument == QLatin1String("--format")) {
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
    ignoreFileSizeSignal();
    tz::removeUnfinishedFileOnSignals();
    std::unique_ptr<QGuiApplication> gui;
    if (needsLayout(format, paths.at(1)))
        gui = guiForLayout();
    QString notice;
    options.notice = &notice;
    try {
        const QString error = tz::exportDocument(paths.at(0), paths.at(1), format, options);
        if (!error.isEmpty())
            return fail(error, 1);
        if (!notice.isEmpty())
            print(stderr, QStringLiteral("tzwizard: ") + notice + u'\n');
        return 0;
    } catch (const std::bad_alloc&) {
        return fail(QStringLiteral("не хватает памяти, чтобы сформировать документ ") + paths.at(1),
                    1);
    }
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
