#include "ui/picker/EmojiPanelView.h"

#include "async/BackgroundCall.h"
#include "catalogue/EmojiStore.h"
#include "catalogue/ToneRules.h"
#include "settings/Preferences.h"
#include "shortcuts/Preset.h"
#include "shortcuts/ShortcutRegistry.h"
#include "shortcuts/UserShortcuts.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/EmojiFont.h"
#include "ui/controls/InputFieldModifier.h"
#include "ui/controls/PopoverButton.h"
#include "ui/controls/Toast.h"
#include "ui/picker/EmojiPicking.h"
#include "ui/picker/SkinToneRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace std::chrono_literals;

namespace {

constexpr int inset = 20;
constexpr int partSpacing = 20;
constexpr int sectionSpacing = 8; // between the title, the rows and the input
constexpr int formFontSize = 100;
constexpr int formFrame = 140;
constexpr QSizeF headerSymbolSize(16, 16);
constexpr QSizeF rowSymbolSize(14, 14);
constexpr int rowButtonPadding = 8;
constexpr auto toastDuration = 1500ms;
constexpr int skinToneCount = 6;

// Every word begins with a capital and goes on in lower case, as in
// "Flag: United States" or "T-Rex".
QString capitalizedWords(const QString& text) {
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar& character : result) {
        if (character.isLetterOrNumber()) {
            if (wordStart)
                character = character.toUpper();
            wordStart = false;
        } else {
            wordStart = character != QLatin1Char('\'') && character != QChar(0x2019);
        }
    }
    return result;
}

SymbolButton* rowButton(const QString& symbol, const ResourceLocator& resources) {
    auto* button = new SymbolButton(symbol, rowSymbolSize, resources);
    button->setPadding(
        QMargins(rowButtonPadding, rowButtonPadding, rowButtonPadding, rowButtonPadding));
    return button;
}

} // namespace

EmojiPanelView::EmojiPanelView(Services services, QWidget* parent)
    : QWidget(parent), m_services(services) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(inset, inset, inset, inset);
    layout->setSpacing(partSpacing);
    buildHeader();

    m_form = new QLabel;
    m_form->setObjectName(QStringLiteral("form"));
    m_form->setFont(emojiFont(formFontSize));
    m_form->setAlignment(Qt::AlignCenter);
    m_form->setFixedSize(formFrame, formFrame);
    layout->addWidget(m_form, 0, Qt::AlignHCenter);

    buildShortcutSection();

    m_skinTones = new SkinToneRow(m_services.preferences);
    layout->addWidget(m_skinTones, 0, Qt::AlignHCenter);
    for (int index = 0; index < skinToneCount; ++index) {
        auto* toast = new Toast(QStringLiteral("Copied!"), toastDuration, m_skinTones);
        connect(toast, &Toast::isShowingChanged, this, [this, index](bool showing) {
            const QStringList& forms = m_skinTones->forms();
            if (!showing && index < forms.size() && m_skinToastID == forms[index])
                m_skinToastID.reset();
        });
        m_skinToasts << toast;
    }
    connect(m_skinTones, &SkinToneRow::formClicked, this, &EmojiPanelView::showSymbol);
    connect(m_skinTones, &SkinToneRow::formDoubleClicked, this, &EmojiPanelView::copySkinTone);

    connect(&m_services.emojiStore, &EmojiStore::favoriteGroupChanged, this,
            &EmojiPanelView::refreshFavorite);
    connect(&m_services.preferences, &Preferences::useSystemColorChanged, this,
            &EmojiPanelView::refreshFavorite);
    // Uninstalls, reinstalls and resets change the registry elsewhere, on the
    // background thread. A closed panel catches up when it is shown again.
    const auto reloadIfShown = [this] {
        if (isVisible())
            reloadShortcuts();
    };
    connect(&m_services.registry, &ShortcutRegistry::changed, this, reloadIfShown,
            Qt::QueuedConnection);
    connect(&m_services.preset, &Preset::userDefinedChanged, this, reloadIfShown);
}

void EmojiPanelView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    reloadShortcuts();
}

void EmojiPanelView::buildHeader() {
    auto* row = new QHBoxLayout;
    m_description = new QLabel;
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignCenter);
    QFont medium = m_description->font();
    medium.setWeight(QFont::Medium);
    m_description->setFont(medium);
    m_favoriteButton =
        new SymbolButton(QStringLiteral("star"), headerSymbolSize, m_services.resources);
    m_favoriteButton->setAccessibleName(QStringLiteral("Add to favorites"));
    m_favoriteButton->setObjectName(QStringLiteral("favorite"));
    m_copyButton =
        new SymbolButton(QStringLiteral("doc.on.doc"), headerSymbolSize, m_services.resources);
    m_copyButton->setAccessibleName(QStringLiteral("Copy"));
    m_copyToast = new Toast(QStringLiteral("Copied!"), toastDuration, m_copyButton);
    row->addStretch();
    row->addWidget(m_description, 1);
    row->addWidget(m_favoriteButton);
    row->addWidget(m_copyButton);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(m_favoriteButton, &QAbstractButton::clicked, this, &EmojiPanelView::toggleFavorite);
    connect(m_copyButton, &QAbstractButton::clicked, this, &EmojiPanelView::copyForm);
}

void EmojiPanelView::buildShortcutSection() {
    // Without spacings of their own, the nested layouts would take the 20
    // between the parts.
    auto* section = new QVBoxLayout;
    section->setSpacing(sectionSpacing);
    section->addWidget(new QLabel(QStringLiteral("Shortcut(s)")));
    m_shortcutRows = new QVBoxLayout;
    m_shortcutRows->setSpacing(sectionSpacing);
    section->addLayout(m_shortcutRows);

    auto* input = new InputFieldModifier;
    auto* slash = new QLabel(QStringLiteral("/"));
    QPalette grey = slash->palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    slash->setPalette(grey);
    m_input = new QLineEdit;
    m_input->setFrame(false);
    m_input->setAccessibleName(QStringLiteral("New shortcut"));
    m_input->setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    QPalette clear = m_input->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_input->setPalette(clear);
    SymbolButton* add = rowButton(QStringLiteral("plus.circle.fill"), m_services.resources);
    add->setAccessibleName(QStringLiteral("Add"));
    input->row().setSpacing(2);
    input->row().addWidget(slash);
    input->row().addWidget(m_input, 1);
    input->row().addWidget(add);
    section->addWidget(input);
    static_cast<QVBoxLayout*>(layout())->addLayout(section);

    connect(m_input, &QLineEdit::textChanged, this, &EmojiPanelView::removeSpaces);
    connect(m_input, &QLineEdit::returnPressed, this, &EmojiPanelView::addShortcut);
    connect(add, &QAbstractButton::clicked, this, &EmojiPanelView::addShortcut);
}

void EmojiPanelView::setEmoji(const Emoji& emoji) {
    m_emoji = emoji;
    m_description->setText(capitalizedWords(emoji.description));
    showSymbol(emoji.symbol);
}

void EmojiPanelView::showSymbol(const QString& symbol) {
    m_symbol = symbol;
    m_form->setText(drawnEmoji(symbol));
    refreshFavorite();
    refreshSkinTones();
    reloadShortcuts();
}

// Preset shortcuts first, then the user's own, each in the registry's order;
// then the preset's texts that the user's espanso files define. Rows that
// stay the same are kept, with any hint open over them.
void EmojiPanelView::reloadShortcuts() {
    QList<Shortcut> shortcuts;
    QList<Shortcut> custom;
    for (const Shortcut& shortcut : m_services.registry.shortcuts(m_symbol))
        (shortcut.isCustom ? custom : shortcuts) << shortcut;
    shortcuts += custom;
    const QList<UserTrigger> userDefined = m_services.preset.userDefined(m_symbol);
    if (shortcuts == m_shortcuts && userDefined == m_userDefined)
        return;
    m_shortcuts = std::move(shortcuts);
    m_userDefined = userDefined;
    rebuildShortcutRows();
}

void EmojiPanelView::rebuildShortcutRows() {
    while (QLayoutItem* item = m_shortcutRows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const Shortcut& shortcut : std::as_const(m_shortcuts)) {
        auto* row = new InputFieldModifier;
        auto* text = new QLabel(shortcut.text);
        text->setTextFormat(Qt::PlainText);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row->row().addWidget(text, 1);
        if (shortcut.isCustom) {
            SymbolButton* remove = rowButton(QStringLiteral("xmark"), m_services.resources);
            remove->setAccessibleName(QStringLiteral("Remove"));
            connect(remove, &QAbstractButton::clicked, this,
                    [this, shortcut] { removeShortcut(shortcut); });
            row->row().addWidget(remove);
        } else {
            row->row().addWidget(new PopoverButton(QStringLiteral("info.circle"),
                                                   QStringLiteral("What should be here?"),
                                                   rowSymbolSize, m_services.resources));
        }
        m_shortcutRows->addWidget(row);
    }
    for (const UserTrigger& defined : std::as_const(m_userDefined)) {
        auto* row = new InputFieldModifier;
        auto* text = new QLabel(defined.trigger);
        text->setTextFormat(Qt::PlainText);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row->row().addWidget(text);
        auto* where = new QLabel("Defined in your espanso file " + defined.file);
        where->setTextFormat(Qt::PlainText);
        where->setWordWrap(true);
        where->setForegroundRole(QPalette::PlaceholderText);
        row->row().addWidget(where, 1);
        m_shortcutRows->addWidget(row);
    }
}

Emoji EmojiPanelView::currentFormEmoji() const {
    if (m_symbol == m_emoji.symbol)
        return m_emoji;
    Emoji form = m_emoji.copy();
    form.symbol = m_symbol;
    return form;
}

// Judged on every favourite, also those a search hides: otherwise a hidden
// favourite would look like none and be added a second time.
bool EmojiPanelView::isFavorite() const {
    for (const Emoji& favorite : m_services.emojiStore.allFavoriteGroup().emojis) {
        if (favorite.symbol == m_symbol)
            return true;
    }
    return false;
}

void EmojiPanelView::refreshFavorite() {
    const bool favorite = isFavorite();
    m_favoriteButton->setSymbolName(favorite ? QStringLiteral("star.fill")
                                             : QStringLiteral("star"));
    m_favoriteButton->setColor(
        favorite ? std::optional(appAccentColor(m_services.preferences.useSystemColor()))
                 : std::nullopt);
    m_favoriteButton->setAccessibleName(favorite ? QStringLiteral("Remove from favorites")
                                                 : QStringLiteral("Add to favorites"));
}

void EmojiPanelView::refreshSkinTones() {
    const bool toned = supportsSkinTone(m_services.measurer, m_symbol);
    m_skinTones->setForms(toned ? skinToneVariants(m_symbol) : QStringList(), m_symbol);
    m_skinTones->setVisible(toned);
    for (Toast* toast : std::as_const(m_skinToasts))
        toast->setShowing(false);
}

void EmojiPanelView::toggleFavorite() {
    if (isFavorite())
        m_services.emojiStore.removeFavorite(currentFormEmoji());
    else
        m_services.emojiStore.addFavorite(currentFormEmoji());
}

void EmojiPanelView::copyForm() {
    m_services.picking.pick(currentFormEmoji(), false);
    m_copyToast->setShowing(true);
}

// The first click of a double click has chosen the form already.
void EmojiPanelView::copySkinTone(const QString& form) {
    if (form != m_symbol)
        showSymbol(form);
    if (m_services.picking.pick(currentFormEmoji(), true) == EmojiPicking::Outcome::pasted)
        return;
    m_skinToastID = form;
    const qsizetype shown = m_skinTones->forms().indexOf(form);
    for (int index = 0; index < m_skinToasts.size(); ++index) {
        m_skinToasts[index]->setAnchor(m_skinTones->formRect(index));
        m_skinToasts[index]->setShowing(index == shown);
    }
}

// Spaces cannot be part of a shortcut: they go as they are typed.
void EmojiPanelView::removeSpaces(const QString& text) {
    QString joined = text;
    joined.removeIf([](QChar character) { return character.isSpace(); });
    if (joined != text) {
        const int cursor = m_input->cursorPosition() - int(text.size() - joined.size());
        m_input->setText(joined);
        m_input->setCursorPosition(qMax(0, cursor));
    }
}

// A text the user's own espanso files define is asked about first: espanso
// would then ask at every use which of the two to type.
void EmojiPanelView::addShortcut() {
    // The field follows a "/" of its own: one the user types too is not doubled.
    QString text = m_input->text();
    if (text.startsWith(QLatin1Char('/')))
        text.remove(0, 1);
    if (text.isEmpty())
        return;
    const Shortcut candidate{QLatin1Char('/') + text, m_symbol, true};
    if (const std::optional<QString> file = m_services.userShortcuts.fileDefining(candidate.text)) {
        confirm({candidate.text + " is defined in your espanso file " + *file +
                     ", and espanso would ask which one to type. Add it here too?",
                 [this, candidate] { addCheckedShortcut(candidate); }});
        return;
    }
    addCheckedShortcut(candidate);
}

void EmojiPanelView::addCheckedShortcut(const Shortcut& candidate) {
    for (const Shortcut& recorded : m_services.registry.allShortcuts()) {
        if (recorded.text == candidate.text) {
            confirm({"Are you sure you want to replace the shortcut for " + recorded.phrase + "?",
                     [this, candidate] { registerShortcut(this, candidate); }});
            return;
        }
    }
    registerShortcut(this, candidate);
}

void EmojiPanelView::removeShortcut(const Shortcut& shortcut) {
    unregisterShortcut(this, shortcut);
}

QCoro::Task<> EmojiPanelView::registerShortcut(QPointer<EmojiPanelView> view, Shortcut candidate) {
    ShortcutRegistry* registry = &view->m_services.registry;
    BackgroundCall change(view->m_services.background, [registry, candidate] {
        QList<Shortcut> one{candidate};
        return registry->registerShortcuts(std::move(one), true);
    });
    try {
        co_await change;
    } catch (...) {
        co_return; // the registry keeps the list consistent; nothing to show
    }
    if (!view)
        co_return;
    view->m_input->clear();
    view->reloadShortcuts();
    emit view->shortcutsChanged();
}

QCoro::Task<> EmojiPanelView::unregisterShortcut(QPointer<EmojiPanelView> view, Shortcut shortcut) {
    ShortcutRegistry* registry = &view->m_services.registry;
    BackgroundCall change(view->m_services.background, [registry, shortcut] {
        QList<Shortcut> one{shortcut};
        return registry->unregisterShortcuts(std::move(one));
    });
    try {
        co_await change;
    } catch (...) {
        co_return;
    }
    if (!view)
        co_return;
    view->reloadShortcuts();
    emit view->shortcutsChanged();
}

QMessageBox* EmojiPanelView::confirmation() const {
    return m_confirmation;
}

void EmojiPanelView::confirm(ConfirmableAction action) {
    if (m_confirmation)
        m_confirmation->close();
    auto* box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setWindowTitle(QStringLiteral("Tesselle"));
    box->setText(action.message);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::DestructiveRole);
    box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(ok);
    // However the dialog goes away, the question is over.
    connect(box, &QMessageBox::finished, this, [this, box, ok, run = std::move(action.action)] {
        if (m_confirmation == box)
            m_confirmation.clear();
        if (box->clickedButton() == ok)
            run();
    });
    m_confirmation = box;
    box->open();
}
