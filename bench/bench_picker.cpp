// The picker panel with the shipped catalogue, drawn in the emoji font on the
// offscreen platform (or the display given in QT_QPA_PLATFORM).
#include "ProgramOverFakes.h"
#include "TestEnvironment.h"
#include "WarmUpAndWait.h"
#include "app/Program.h"
#include "app/WindowManager.h"
#include "catalogue/EmojiStore.h"
#include "platform/linux/FontTextMeasurer.h"
#include "ui/controls/CancellableSearchField.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"
#include "ui/picker/MenuBarView.h"
#include "ui/picker/PickerPanel.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

// The program as it is built, over fakes but for the emoji font, with every
// symbol measured, as after the launch warm-up.
struct Shared : ProgramWindowsOverFakes<FakeTextExpanderStatus, FontTextMeasurer> {
    EmojiImageCache& images = program.windowServices().images;

    Shared() { warmUpAndWait(resources, measurer); }
};

Shared* shared = nullptr;

// The panel as the window manager builds it on the first opening.
struct OpenPanel {
    std::unique_ptr<QWidget> content =
        makeWindowContents(shared->program.windowServices()).panel(shared->program.windowManager());
    MenuBarView* view = static_cast<MenuBarView*>(content.get());
    PickerPanel panel{std::move(content), ShellTiming{}.focusLossClickWindow};

    OpenPanel() {
        panel.showAt(QRect(0, 0, 1, 1));
        // The window is exposed, and then painted, on the event loop.
        while (!panel.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        panel.repaint();
        // What the first paint left for the event loop: the drawing of the
        // other images on the worker starts.
        QCoreApplication::processEvents();
    }
    EmojiGridView& grid() const { return view->grid(); }
};

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Runs first, while no emoji has been drawn yet in this process: the visible
// cells are drawn while the panel opens.
void firstOpening(benchmark::State& state) {
    for (auto _ : state)
        OpenPanel open;
}
BENCHMARK(firstOpening)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// With every image drawn ahead, as after the launch.
void openingWithPreparedImages(benchmark::State& state) {
    shared->images.waitForPreparation();
    for (auto _ : state)
        OpenPanel open;
}
BENCHMARK(openingWithPreparedImages)->Unit(benchmark::kMillisecond)->UseRealTime();

// A keystroke in the search field: the whole catalogue filtered, the grid laid
// out again and its visible part repainted.
void keystrokeFilterAndRepaint(benchmark::State& state) {
    OpenPanel open;
    const QStringList typed{"f", "fa", "fac", "face", "fac", "fa", "f", ""};
    qsizetype keystroke = 0;
    for (auto _ : state) {
        open.view->searchField().setQuery(typed[keystroke++ % typed.size()]);
        open.grid().viewport()->repaint();
    }
}
BENCHMARK(keystrokeFilterAndRepaint)->Unit(benchmark::kMillisecond);

void paintFullViewport(benchmark::State& state) {
    OpenPanel open;
    shared->images.waitForPreparation();
    open.grid().scrollToGroup(QStringLiteral("Travel & Places"));
    open.grid().viewport()->repaint();
    state.counters["viewport_height"] = open.grid().viewport()->height();
    state.counters["panel_height"] = open.panel.height();
    for (auto _ : state)
        open.grid().viewport()->repaint();
}
BENCHMARK(paintFullViewport)->Unit(benchmark::kMicrosecond);

// A page down through the whole catalogue, then back to the top.
void scrollAPageAndRepaint(benchmark::State& state) {
    OpenPanel open;
    shared->images.waitForPreparation();
    QScrollBar* bar = open.grid().verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() >= bar->maximum() ? 0 : bar->value() + bar->pageStep());
        open.grid().viewport()->repaint();
    }
}
BENCHMARK(scrollAPageAndRepaint)->Unit(benchmark::kMillisecond);

// Resident memory of the whole process after the panel has shown every group.
void residentMemoryAfterEveryGroup(benchmark::State& state) {
    for (auto _ : state) {
        OpenPanel open;
        shared->images.waitForPreparation();
        QScrollBar* bar = open.grid().verticalScrollBar();
        for (int top = 0; top <= bar->maximum(); top += bar->pageStep()) {
            bar->setValue(top);
            open.grid().viewport()->repaint();
        }
        state.counters["rss_MB"] = residentKilobytes() / 1024.0;
    }
}
BENCHMARK(residentMemoryAfterEveryGroup)->Unit(benchmark::kMillisecond)->Iterations(1);

// Drawing every image of the catalogue on the worker thread. Last: the images
// it drew and freed would count in the resident memory above.
void prepareEveryImage(benchmark::State& state) {
    QStringList symbols;
    {
        OpenPanel open;
        for (const EmojiGroup& group : open.view->findChild<EmojiStore*>()->allGroups()) {
            for (const Emoji& emoji : group.emojis)
                symbols << emoji.symbol;
        }
    }
    for (auto _ : state) {
        EmojiImageCache images(EmojiGridView::symbolSize, EmojiGridView::cellSize, 1);
        images.prepareInBackground(symbols);
        images.waitForPreparation();
    }
    state.counters["symbols"] = symbols.size();
}
BENCHMARK(prepareEveryImage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The offscreen platform's own screen is shorter than the panel, which would
// open shortened: give it a common desktop's screen instead.
void useDesktopSizedOffscreenScreen(const TestEnvironment& environment) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    QFile configuration(environment.home() + QStringLiteral("/offscreen.json"));
    configuration.open(QIODevice::WriteOnly);
    configuration.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920,
                                         "height": 1080, "logicalDpi": 96, "dpr": 1}]})");
    configuration.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configuration.fileName().toUtf8());
}

} // namespace

int main(int argc, char** argv) {
    TestEnvironment environment;
    useDesktopSizedOffscreenScreen(environment);
    QApplication app(argc, argv);
    Shared data;
    shared = &data;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
