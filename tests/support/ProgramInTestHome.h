#pragma once

#include "Fakes.h"
#include "app/Program.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/EspansoUserTriggers.h"
#include "platform/linux/LocalUsageReporting.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/XdgAutostart.h"

// The program as main() builds it, over its real settings file, espanso list
// and autostart entry in the test's private HOME, with a recording log, no
// clipboard and no analytics; the symbols are measured and the pauses passed
// as the suite chooses. Not launched; its end takes the shortcuts out of the
// list, as a quit does.
template <typename Measurer, typename Clock> struct ProgramInTestHome {
    explicit ProgramInTestHome(ProgramTiming timing = {})
        : program({defaults,
                   output,
                   appInfo,
                   resources,
                   loginItems,
                   pasteboard,
                   pasteService,
                   usageReporting,
                   clock,
                   measurer,
                   list,
                   userTriggers,
                   expanderStatus,
                   nullptr,
                   {},
                   1},
                  timing) {}
    ~ProgramInTestHome() { program.delegate().applicationWillTerminate(); }

    FakeAppInfo appInfo;
    RecordingLineOutput output;
    RecordingSystemLog systemLog;
    QSettingsDefaultsStore defaults{QStringLiteral("tesselle"), QStringLiteral("tesselle")};
    ResourceFolder resources{QStringLiteral(TESSELLE_SOURCE_RESOURCES)};
    XdgAutostart loginItems{XdgAutostart::defaultEntryPath(appInfo.identifier()),
                            QStringLiteral("/usr/bin/tesselle"), systemLog};
    RecordingPasteboard pasteboard;
    FakePasteService pasteService;
    LocalUsageReporting usageReporting;
    Clock clock;
    Measurer measurer;
    EspansoReplacementService list{EspansoReplacementService::defaultMatchFile(), output};
    EspansoUserTriggers userTriggers{[this] { return list.matchFolder(); }, output};
    FakeTextExpanderStatus expanderStatus;
    Program program;
};
