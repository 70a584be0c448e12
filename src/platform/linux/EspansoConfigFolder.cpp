#include "platform/linux/EspansoConfigFolder.h"

#include "platform/linux/BoundedProcess.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// What espanso printed, when it is a folder: one line holding an absolute path.
QString printedFolder(const QByteArray& output) {
    const QString text = QString::fromUtf8(output).trimmed();
    if (text.contains('\n') || !QDir::isAbsolutePath(text))
        return {};
    return QDir::cleanPath(text);
}

QString unusableOutput(const BoundedProcess::Result& result) {
    const QString command = '`' + result.command + '`';
    const QString said = BoundedProcess::quoted(result.standardOutput);
    if (said.isEmpty())
        return command + " printed no folder";
    return command + " printed \"" + said + "\", which is not one absolute folder";
}

} // namespace

QCoro::Task<EspansoConfigFolder> EspansoConfigFolder::locate(std::chrono::milliseconds bound) {
    EspansoConfigFolder folder{defaultPath(), Source::DefaultWithoutEspanso, {}};
    const QString espanso = QStandardPaths::findExecutable(QStringLiteral("espanso"));
    if (espanso.isEmpty())
        co_return folder;
    const BoundedProcess::Result result = co_await BoundedProcess::run(espanso,
                                                                       QStringList() << "path"
                                                                                     << "config",
                                                                       bound);
    if (result.succeeded()) {
        if (const QString printed = printedFolder(result.standardOutput); !printed.isEmpty())
            co_return EspansoConfigFolder{printed, Source::Espanso, {}};
    }
    const QString failure = result.succeeded() ? unusableOutput(result) : result.failure();
    folder.source = Source::DefaultAfterFailure;
    folder.reason = failure + ": using " + folder.path;
    co_return folder;
}

QString EspansoConfigFolder::defaultPath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + "/.config";
    return config + "/espanso";
}
