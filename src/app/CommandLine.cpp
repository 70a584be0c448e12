#include "app/CommandLine.h"

#include "app/QuitRequest.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

constexpr std::chrono::seconds quitPatience(30);

const char* const description =
    "An emoji picker in the tray that installs emoji text shortcuts into espanso.\n"
    "Started again while it runs, it opens or closes the running program's panel.";

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version and exit."));
    const QCommandLineOption toggle(
        QStringLiteral("toggle"),
        QStringLiteral("Open or close the running program's panel (starts it when it does "
                       "not run). Bind this to a key where the desktop has no tray."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Open the running program's settings, or start it and open them."));
    const QCommandLineOption quit(
        QStringLiteral("quit"),
        QStringLiteral("Ask the running program to quit in order (its shortcuts leave "
                       "espanso's list) and wait for it to end."));
    parser.addOptions({help, versionOption, toggle, settings, quit});

    CommandLine result;
    const auto mistake = [&result](const QString& what) {
        result.action = Action::mistake;
        result.text = "tesselle: " + what + "\nTry 'tesselle --help' for the options.\n";
        return result;
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return mistake("unexpected argument '" + parser.positionalArguments().first() + "'.");
    if (parser.isSet(help)) {
        result.action = Action::print;
        // Without an application object the parser does not know the program's name.
        result.text = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("tesselle"));
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = Action::print;
        result.text = "Tesselle " + version + '\n';
        return result;
    }
    const int requests =
        int(parser.isSet(toggle)) + int(parser.isSet(settings)) + int(parser.isSet(quit));
    if (requests > 1)
        return mistake(QStringLiteral("--toggle, --settings and --quit exclude each other."));
    if (parser.isSet(toggle))
        result.action = Action::toggle;
    else if (parser.isSet(settings))
        result.action = Action::settings;
    else if (parser.isSet(quit))
        result.action = Action::quit;
    return result;
}

std::optional<int>
CommandLine::answerWithoutStarting(const std::function<QString()>& socketPath,
                                   const std::function<QString()>& settingsLockPath) const {
    switch (action) {
    case Action::print:
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    case Action::mistake:
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return 2;
    case Action::quit: {
        const QuitRequest::Answer answer =
            QuitRequest::send(socketPath(), settingsLockPath(), quitPatience);
        if (!answer.message.isEmpty())
            std::fputs((answer.message + '\n').toLocal8Bit().constData(),
                       answer.exitCode == 0 ? stdout : stderr);
        return answer.exitCode;
    }
    default:
        return std::nullopt;
    }
}
