#include "platform/linux/EspansoStatus.h"

#include "platform/MessageError.h"
#include "platform/linux/BoundedProcess.h"

#include <QStandardPaths>

namespace {

const QString running = QStringLiteral("espanso is running");
const QString notRunning = QStringLiteral("espanso is not running");

QString espansoExecutable() {
    return QStandardPaths::findExecutable(QStringLiteral("espanso"));
}

QString unexpected(const BoundedProcess::Result& result, const QString& expected) {
    const QString said = BoundedProcess::quoted(result.standardOutput + result.standardError);
    return '`' + result.command + "` printed " +
           (said.isEmpty() ? QStringLiteral("nothing") : '"' + said + '"') + " instead of " +
           expected;
}

// The version, or the reason why there is none.
void readVersion(const BoundedProcess::Result& result, TextExpanderState& state,
                 QStringList& reasons) {
    if (!result.succeeded()) {
        reasons << result.failure();
        return;
    }
    const QString line = QString::fromUtf8(result.standardOutput).trimmed().section('\n', 0, 0);
    const QString prefix = QStringLiteral("espanso ");
    const QString version = line.startsWith(prefix) ? line.mid(prefix.size()).trimmed() : QString();
    if (version.isEmpty() || version.contains(' '))
        reasons << unexpected(result, QStringLiteral("its version"));
    else
        state.version = version;
}

// Whether it runs, by the text alone: the exit code of "not running" is no
// failure.
void readRunning(const BoundedProcess::Result& result, TextExpanderState& state,
                 QStringList& reasons) {
    if (result.ending == BoundedProcess::Ending::Exited) {
        const QString text = QString::fromUtf8(result.standardOutput + '\n' + result.standardError);
        for (const QString& line : text.split('\n')) {
            if (line.trimmed() == running) {
                state.kind = TextExpanderState::Kind::Running;
                return;
            }
            if (line.trimmed() == notRunning)
                return;
        }
    }
    reasons << (result.ending == BoundedProcess::Ending::Exited && result.exitCode == 0
                    ? unexpected(result, QStringLiteral("whether it runs"))
                    : result.failure());
}

} // namespace

EspansoStatus::EspansoStatus(std::chrono::milliseconds bound) : m_bound(bound) {}

QCoro::Task<TextExpanderState> EspansoStatus::check() {
    const std::chrono::milliseconds bound = m_bound;
    TextExpanderState state;
    const QString espanso = espansoExecutable();
    if (espanso.isEmpty())
        co_return state;
    state.kind = TextExpanderState::Kind::NotRunning;
    QStringList reasons;
    readVersion(co_await BoundedProcess::run(espanso, QStringList("--version"), bound), state,
                reasons);
    readRunning(co_await BoundedProcess::run(espanso, QStringList("status"), bound), state,
                reasons);
    state.reason = reasons.join("; ");
    co_return state;
}

QCoro::Task<> EspansoStatus::start() {
    const std::chrono::milliseconds bound = m_bound;
    const QString espanso = espansoExecutable();
    if (espanso.isEmpty())
        throw MessageError("espanso is not installed: no `espanso` on PATH");
    const BoundedProcess::Result result = co_await BoundedProcess::run(
        espanso, QStringList("start"), bound, BoundedProcess::Output::Discarded);
    if (!result.succeeded())
        throw MessageError(result.failure());
}
