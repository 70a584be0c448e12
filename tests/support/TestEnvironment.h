#pragma once

#include <QString>
#include <QTemporaryDir>

// A private HOME and XDG folders for one test process, so that no test reads or
// writes the real user's files. Must exist before the application object.
class TestEnvironment {
public:
    TestEnvironment();
    const QString& home() const { return m_homePath; }
    QString configHome() const { return m_homePath + "/.config"; }

private:
    QTemporaryDir m_home;
    QString m_homePath;
};

// Like QTEST_MAIN, on the offscreen platform inside a TestEnvironment.
#define TESSELLE_TEST_MAIN(TestClass, AppClass)                                                    \
    int main(int argc, char** argv) {                                                              \
        TestEnvironment environment;                                                               \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        AppClass app(argc, argv);                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
