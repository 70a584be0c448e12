#include "Fakes.h"
#include "TestEnvironment.h"
#include "platform/linux/XdgAutostart.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"
#include "ui/controls/LaunchAtLoginToggle.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

// A login-item service whose every change fails: the registration stays as it was.
class FailingLoginItemService : public FakeLoginItemService {
public:
    void setEnabled(bool value) override { assignments << value; }
};

} // namespace

class LaunchAtLoginTest : public QObject {
    Q_OBJECT

private slots:
    void theSwitchIsLabelledLaunchAtLoginUnlessGivenALabel() {
        FakeLoginItemService service;
        LaunchAtLogin::Observable observable(service);
        QCOMPARE(LaunchAtLogin::Toggle(observable).text(), "Launch at login");
        QCOMPARE(LaunchAtLogin::Toggle(observable, QString()).text(), QString());
    }

    void twoSwitchesOnScreenStayInStepWithTheAutostartEntry() {
        RecordingSystemLog log;
        const QString entry = XdgAutostart::defaultEntryPath("test.tesselle");
        XdgAutostart autostart(entry, "/usr/bin/tesselle", log);
        LaunchAtLogin::Observable observable(autostart);
        LaunchAtLogin::Toggle welcome(observable, QString());
        LaunchAtLogin::Toggle settings(observable);
        welcome.resize(welcome.sizeHint());
        settings.resize(settings.sizeHint());
        QVERIFY(!welcome.isChecked() && !settings.isChecked());

        QTest::mouseClick(&welcome, Qt::LeftButton);
        QVERIFY(QFile::exists(entry));
        QVERIFY(welcome.isChecked() && settings.isChecked());

        QTest::mouseClick(&settings, Qt::LeftButton);
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!welcome.isChecked() && !settings.isChecked());
        QVERIFY(log.errors.isEmpty());
    }

    void aSwitchThatFailedToApplyShowsTheRealStateButTheValueIsStillAnnounced() {
        FailingLoginItemService service;
        LaunchAtLogin::Observable observable(service);
        LaunchAtLogin::Toggle toggle(observable);
        toggle.resize(toggle.sizeHint());
        QSignalSpy announced(&observable, &LaunchAtLogin::Observable::isEnabledChanged);
        QTest::mouseClick(&toggle, Qt::LeftButton);
        QCOMPARE(service.assignments, QList<bool>{true});
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.first().first().toBool(), true);
        QVERIFY(!toggle.isChecked());
    }

    void theSettingsResetTurnsEverySwitchOff() {
        FakeLoginItemService service;
        service.enabled = true;
        LaunchAtLogin::Observable observable(service);
        LaunchAtLogin::Toggle toggle(observable);
        QVERIFY(toggle.isChecked());
        FakeDefaultsStore defaults;
        Preferences preferences(defaults, observable);
        preferences.reset();
        QVERIFY(!service.enabled);
        QVERIFY(!toggle.isChecked());
    }
};

TESSELLE_TEST_MAIN(LaunchAtLoginTest, QApplication)
#include "tst_launchatlogin.moc"
