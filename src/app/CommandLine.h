#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What the program was asked to do on its command line. Parsing needs no
// display and no application object: --help, --version and a mistake are
// answered before anything starts.
struct CommandLine {
    enum class Action {
        start,    // start, or toggle the running program's panel
        toggle,   // the same as a plain start, and a first start opens the panel
        settings, // open the running program's settings, or start it with them open
        quit,     // ask the running program to quit and wait for its end
        print,    // print text (help, version) and exit 0
        mistake,  // print text on standard error and exit 2
    };

    Action action = Action::start;
    // The help, the version or the mistake.
    QString text;

    static CommandLine parse(const QStringList& arguments, const QString& version);

    // The help, the version, a mistake and --quit (asking the program listening
    // at the socket) need neither a display nor a program of their own: answered
    // here, they start nothing. The exit code, or none for a start. The socket's
    // path and the settings lock's (which tells a program that does not answer
    // from none) are found only for --quit.
    std::optional<int>
    answerWithoutStarting(const std::function<QString()>& socketPath,
                          const std::function<QString()>& settingsLockPath) const;
};
