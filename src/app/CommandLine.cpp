#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

constexpr int kUsageError = 2;

const QCommandLineOption kHidden(QStringLiteral("hidden"),
                                 QStringLiteral("Start in the notification area without showing the window."));

const QCommandLineOption kImport(QStringLiteral("import"),
                                 QStringLiteral("Import the bookmarks of FILE (an HTML bookmark file, a Firefox "
                                                "places.sqlite or a Chromium Bookmarks file) into the collection."),
                                 QStringLiteral("FILE"));
const QCommandLineOption kExport(QStringLiteral("export"),
                                 QStringLiteral("Write the collection as last saved to FILE as an HTML bookmark file, "
                                                "then end; needs no display."),
                                 QStringLiteral("FILE"));

// Qt's own options (the platform, the display, the style…), which QApplication reads: accepted here
// and left alone, but not listed in the help.
QList<QCommandLineOption> qtOptions() {
    QList<QCommandLineOption> list;
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry", "qwindowgeometry",
          "qwindowtitle", "qwindowicon", "style", "stylesheet", "session", "name", "title", "visual"})
        list.append(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        list.append(QCommandLineOption(QString::fromLatin1(name)));
    for (QCommandLineOption& option : list)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return list;
}

void options(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Wendelmoor, an organiser for links and small actions."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // Qt's "-platform"
    parser.addOption(kHidden);
    parser.addOption(kImport);
    parser.addOption(kExport);
    parser.addOptions(qtOptions());
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The collection to open instead of \"links.goto\"."),
                                 QStringLiteral("[FILE.goto]"));
}

// Fills the request from the parsed options; an error text when they do not make one.
QString requestFrom(const QCommandLineParser& parser, StartRequest& request) {
    request.hidden = parser.isSet(kHidden);
    if (parser.isSet(kImport)) {
        const QFileInfo file(parser.value(kImport));
        if (!file.isFile())
            return QStringLiteral("The bookmark file \"%1\" does not exist.").arg(parser.value(kImport));
        request.importFile = file.absoluteFilePath();
    }
    if (parser.isSet(kExport))
        request.exportFile = QFileInfo(parser.value(kExport)).absoluteFilePath();
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return QStringLiteral("Only one collection can be opened; %1 files were given.").arg(files.size());
    if (!files.isEmpty()) {
        const QFileInfo file(files.front());
        if (!file.exists())
            return QStringLiteral("The collection \"%1\" does not exist.").arg(files.front());
        if (file.isDir())
            return QStringLiteral("\"%1\" is a folder, not a collection file.").arg(files.front());
        request.collection = file.absoluteFilePath();
    }
    return {};
}

CommandLineOutcome usageError(const QString& text) {
    CommandLineOutcome outcome;
    outcome.exitStatus = kUsageError;
    outcome.error = QStringLiteral("wendelmoor: %1\nTry \"wendelmoor --help\" for more information.\n").arg(text);
    return outcome;
}

} // namespace

CommandLineOutcome parseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    options(parser);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption showVersion = parser.addVersionOption();
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    CommandLineOutcome outcome;
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Parsed before the application exists, the help cannot know the program's name by itself.
        outcome.output = parser.helpText();
        const qsizetype name = outcome.output.indexOf(QLatin1Char(' ')) + 1;
        outcome.output.replace(name, outcome.output.indexOf(QLatin1Char(' '), name) - name,
                               QStringLiteral("wendelmoor"));
        return outcome;
    }
    if (parser.isSet(showVersion)) {
        outcome.output = QStringLiteral("Wendelmoor %1\n").arg(version);
        return outcome;
    }
    if (const QString error = requestFrom(parser, outcome.request); !error.isEmpty())
        return usageError(error);
    outcome.start = true;
    return outcome;
}
