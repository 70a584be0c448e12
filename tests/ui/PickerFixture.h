#pragma once

#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "WaitFor.h"
#include "app/AppManager.h"
#include "app/PickAction.h"
#include "catalogue/EmojiStore.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/Preferences.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"

#include <QFile>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>

// A small catalogue in a temporary resource folder: per group a few real emoji
// first, then numbered stand-ins, so that groups span several rows. 👍 and 👋
// take skin tones.
inline QByteArray testCatalogue(int perGroup) {
    const std::pair<const char*, QStringList> groups[] = {
        {"Smileys & Emotion", {"😀", "🤗", "🫂"}},
        {"People & Body", {"👍", "👋"}},
        {"Animals & Nature", {"🐈", "🐶"}},
        {"Food & Drink", {"☕"}},
        {"Travel & Places", {"🚀"}},
        {"Activities", {"⚽"}},
        {"Objects", {"📚"}},
        {"Symbols", {"❤️"}},
        {"Flags", {"🇩🇪"}},
    };
    nlohmann::json records = nlohmann::json::array();
    int number = 0;
    for (const auto& [category, symbols] : groups) {
        QStringList all = symbols;
        while (all.size() < perGroup)
            all << QString::fromUcs4(U"\U0001F300").append(QString::number(++number));
        for (const QString& symbol : all) {
            const QString description = QString::fromUtf8(category).toLower() + " " + symbol;
            records.push_back({{"emoji", symbol.toStdString()},
                               {"description", description.toStdString()},
                               {"category", category},
                               {"aliases", nlohmann::json::array()},
                               {"tags", {"tag"}}});
        }
    }
    return QByteArray::fromStdString(records.dump());
}

// The shared objects of the picker over fakes: the clipboard and paste service
// record, the registry runs on an in-memory replacement list.
struct PickerFixture {
    explicit PickerFixture(int perGroup = 12) {
        QFile file(folder.filePath("emojis.json"));
        file.open(QIODevice::WriteOnly);
        file.write(testCatalogue(perGroup));
        file.close();
        shortcuts = std::make_unique<PresetFixture>(defaults, resources, measurer);
        store = std::make_unique<EmojiStore>(shortcuts->preset, defaults, resources, measurer);
        picking = std::make_unique<PickAction>(appManager, *store, preferences);
    }

    const Emoji& catalogueEmoji(const QString& symbol) const {
        for (const EmojiGroup& group : store->systemGroups()) {
            for (const Emoji& emoji : group.emojis) {
                if (emoji.symbol == symbol)
                    return emoji;
            }
        }
        qFatal("no such emoji in the test catalogue");
    }
    void record(const QList<Shortcut>& list) {
        waitForTask(shortcuts->registry.registerShortcuts(list, true));
    }

    QTemporaryDir folder;
    ResourceFolder resources{folder.path()};
    FakeTextMeasurer measurer{{"👍", "👋"}};
    FakeDefaultsStore defaults;
    FakeLoginItemService loginItems;
    Preferences preferences{defaults, loginItems};
    RecordingPasteboard pasteboard;
    FakePasteService pasteService;
    RecordingLineOutput output;
    AppManager appManager{pasteboard, pasteService, output};
    std::unique_ptr<PresetFixture> shortcuts;
    std::unique_ptr<EmojiStore> store;
    std::unique_ptr<PickAction> picking;
    EmojiImageCache images{EmojiGridView::symbolSize, EmojiGridView::cellSize, 1};
};
