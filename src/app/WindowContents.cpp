#include "app/WindowContents.h"

#include "app/AppManager.h"
#include "app/PickAction.h"
#include "app/WayInWithoutTray.h"
#include "catalogue/EmojiStore.h"
#include "settings/Preferences.h"
#include "ui/picker/MenuBarView.h"
#include "ui/settings/SettingsView.h"
#include "ui/welcome/WelcomeView.h"

WindowManager::Contents makeWindowContents(WindowServices services) {
    WindowManager::Contents contents;
    contents.panel = [services](WindowManager& manager) -> std::unique_ptr<QWidget> {
        auto store = std::make_unique<EmojiStore>(services.preset, services.defaults,
                                                  services.resources, services.measurer);
        // A reset clears the stored favourites and recents under the running store.
        QObject::connect(&services.preferences, &Preferences::didReset, store.get(),
                         &EmojiStore::reloadSavedSymbols);
        auto picking =
            std::make_unique<PickAction>(services.appManager, *store, services.preferences);
        auto view = std::make_unique<MenuBarView>(MenuBarView::Services{
            *store, services.images, services.preferences, *picking, services.registry,
            services.background, manager, services.resources, services.measurer, services.preset,
            services.userShortcuts});
        store.release()->setParent(view.get());
        picking.release()->setParent(view.get());
        return view;
    };
    contents.welcome = [services](WindowManager& manager) -> std::unique_ptr<QWidget> {
        return std::make_unique<WelcomeView>(WelcomeView::Services{
            services.preferences, services.preset, manager, services.launchAtLogin,
            services.resources, services.textExpander});
    };
    contents.settings = [services](WindowManager& manager) -> std::unique_ptr<QWidget> {
        return std::make_unique<SettingsView>(
            GeneralSettingsView::Services{
                manager, services.preferences, services.preset, services.launchAtLogin,
                services.clock, services.output, services.textExpander, services.keyboardShortcut,
                services.appManager.autopasteNote(),
                manager.hasTrayIcon() ? QString() : wayInWithoutTray(services.keyboardShortcut)},
            services.appInfo, services.resources);
    };
    return contents;
}
