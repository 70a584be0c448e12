#pragma once

#include "catalogue/Emoji.h"
#include "platform/UserTriggerSource.h"
#include "shortcuts/Shortcut.h"

#include <QCoroTask>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class BackgroundTasks;
class EmojiPicking;
class EmojiStore;
class Preset;
class Preferences;
class QLabel;
class QLineEdit;
class QMessageBox;
class QVBoxLayout;
class ResourceLocator;
class ShortcutRegistry;
class SkinToneRow;
class SymbolButton;
class TextMeasurer;
class Toast;
class UserShortcuts;

// The selected emoji in detail: its description, favourite and copy buttons,
// the emoji large, the shortcuts recorded for the shown form with the custom
// ones removable, the input that adds a custom shortcut, and the skin-tone
// forms. Changes of the registry run on the background thread; the view goes
// on here when they are done, and a failure leaves the list as it was. The
// rows follow every change of the registry, wherever it was made.
class EmojiPanelView : public QWidget {
    Q_OBJECT
public:
    struct Services {
        EmojiPicking& picking;
        EmojiStore& emojiStore;
        Preferences& preferences;
        ShortcutRegistry& registry;
        BackgroundTasks& background;
        const TextMeasurer& measurer;
        // What of the installed preset the user's own espanso files define.
        Preset& preset;
        const UserShortcuts& userShortcuts;
        const ResourceLocator& resources;
    };

    // A question to the user and what a confirmation runs.
    struct ConfirmableAction {
        QString message;
        std::function<void()> action;
    };

    explicit EmojiPanelView(Services services, QWidget* parent = nullptr);

    // Shows the emoji in its own form, with that form's shortcuts.
    void setEmoji(const Emoji& emoji);
    const Emoji& emoji() const { return m_emoji; }
    const QString& symbol() const { return m_symbol; }
    const QList<Shortcut>& shortcuts() const { return m_shortcuts; }
    // The open question, if any.
    QMessageBox* confirmation() const;

    // Adds "/" + the input (less a "/" typed at its start) as a custom
    // shortcut of the shown form, asking first when a recorded shortcut
    // already has that text.
    void addShortcut();
    void removeShortcut(const Shortcut& shortcut);

signals:
    // A change of the registry made here has been applied and shown.
    void shortcutsChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildHeader();
    void buildShortcutSection();
    void showSymbol(const QString& symbol);
    void reloadShortcuts();
    void addCheckedShortcut(const Shortcut& candidate);
    void rebuildShortcutRows();
    void refreshFavorite();
    void refreshSkinTones();
    Emoji currentFormEmoji() const;
    bool isFavorite() const;
    void toggleFavorite();
    void copyForm();
    void copySkinTone(const QString& form);
    void confirm(ConfirmableAction action);
    void removeSpaces(const QString& text);

    static QCoro::Task<> registerShortcut(QPointer<EmojiPanelView> view, Shortcut candidate);
    static QCoro::Task<> unregisterShortcut(QPointer<EmojiPanelView> view, Shortcut shortcut);

    Services m_services;
    Emoji m_emoji;
    QString m_symbol;
    QList<Shortcut> m_shortcuts;
    QList<UserTrigger> m_userDefined;
    QPointer<QMessageBox> m_confirmation;

    QLabel* m_description;
    SymbolButton* m_favoriteButton;
    SymbolButton* m_copyButton;
    Toast* m_copyToast;
    QLabel* m_form;
    QVBoxLayout* m_shortcutRows;
    QLineEdit* m_input;
    SkinToneRow* m_skinTones;
    QList<Toast*> m_skinToasts;
    std::optional<QString> m_skinToastID;
};
