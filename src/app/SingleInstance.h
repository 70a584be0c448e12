#pragma once

#include <QObject>
#include <QString>

class LineOutput;
class QLocalServer;

// One running program per user. A later start asks the running one to toggle
// its panel and ends, so that a desktop without a tray reaches the picker
// through a keyboard shortcut bound to the program. The socket lives in the
// user's runtime folder; one left behind by a run that crashed is replaced.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance(QString socketPath, LineOutput& output, QObject* parent = nullptr);
    ~SingleInstance() override;

    // <runtime folder>/<app id>.socket
    static QString defaultSocketPath(const QString& appId);

    // True when no other instance runs: this one then listens for later starts.
    // False once the running instance has been asked to toggle its panel.
    bool claim();

signals:
    void toggleRequested();

private:
    bool askRunningInstance() const;
    void listen();
    void readRequests();

    QString m_socketPath;
    LineOutput& m_output;
    QLocalServer* m_server = nullptr;
};
