#pragma once

#include <QCoroTask>
#include <QString>
#include <chrono>

// Where espanso keeps its configuration (and so its `match/` folder), and how
// that was learnt.
//
// locate() asks espanso itself, `espanso path config`, when an `espanso`
// executable is on PATH: a user's folder may differ from the default (legacy
// installs, a moved folder). It relies only on that command printing the
// folder as one absolute path (a trailing newline and surrounding spaces are
// fine), as espanso 2.2.1 does. Otherwise, or when the folder printed is not
// one to write into (see whyUnusable()), it uses espanso's own default,
// defaultPath().
struct EspansoConfigFolder {
    enum class Source {
        // espanso named the folder.
        Espanso,
        // No espanso on PATH: the default folder, nothing went wrong.
        DefaultWithoutEspanso,
        // espanso is there but failed, hung past the bound or printed
        // something that is not an absolute path: the default folder, and
        // `reason` says what happened.
        DefaultAfterFailure,
    };

    QString path;
    Source source = Source::DefaultWithoutEspanso;
    // For DefaultAfterFailure, one line for standard output, e.g. "espanso did
    // not answer `espanso path config` within 3 s: using /home/ada/.config/espanso".
    QString reason;

    // The program's own match file, the only file of the folder it writes.
    static constexpr const char* ownMatchFileName = "tesselle.yml";
    QString matchFolder() const { return path + "/match"; }
    QString ownMatchFile() const { return matchFolder() + '/' + ownMatchFileName; }

    // Runs `espanso path config` without blocking the awaiting thread, which
    // needs a running event loop (the main thread, or the BackgroundTasks
    // worker); espanso is killed when it has not answered within the bound.
    // Never throws.
    static QCoro::Task<EspansoConfigFolder>
    locate(std::chrono::milliseconds bound = std::chrono::seconds(3));

    // Why the program may not take the path for espanso's folder, as a clause
    // such as "which is not a folder"; empty when it may. It must be an
    // absolute path that the file system's encoding holds, not "/", and a
    // folder of the user's own, or absent inside one. For root, which owns
    // every system folder, its own are those in its home folder.
    static QString whyUnusable(const QString& path);

    // $XDG_CONFIG_HOME/espanso, or ~/.config/espanso when XDG_CONFIG_HOME is
    // unset, empty or relative (which the XDG rules say to ignore).
    static QString defaultPath();
};
