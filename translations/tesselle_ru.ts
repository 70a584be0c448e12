<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>Передать привет</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>CancellableSearchField</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>EmojiGridView</name>
    <message>
        <source>Emoji</source>
        <translation>Эмодзи</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Скопировано!</translation>
    </message>
</context>
<context>
    <name>EmojiGroupType</name>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>Смайлики и люди</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>Животные и природа</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Еда и напитки</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>Путешествия и места</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Занятия</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Предметы</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>Лучшие совпадения</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>Скопировано!</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Добавить в избранное</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>Сокращения</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>Новое сокращение</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>Что здесь должно быть?</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>Задано в вашем файле espanso %1</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Удалить из избранного</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 уже задано в вашем файле espanso %2, и espanso будет спрашивать, что вводить. Всё равно добавить здесь?</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>Действительно заменить сокращение для %1?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ErrorAlert</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>Семьи</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>Без семьи</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>Семья: %1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>Семья: нет</translation>
    </message>
</context>
<context>
    <name>GenderPicker</name>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Женщина</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Мужчина</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Choose your default appearance for shortcuts with multiple options, like which /raisinghand emoji to use.</source>
        <translation>Выберите внешний вид по умолчанию для сокращений с несколькими вариантами, например какой эмодзи вставлять по /raisinghand.</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>Выберите свой оттенок кожи для эмодзи с людьми, у которых есть варианты, например какой эмодзи вставлять по /dance.</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>Выберите эмодзи для /family, чтобы он всегда был под рукой. В будущем появятся и другие настройки.</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>По умолчанию двойной щелчок по эмодзи копирует его. С автовставкой выбранный эмодзи сразу вставляется в последнее текстовое поле. Примечание: для этого один раз нужны системные разрешения.</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>Эта клавиша открывает и закрывает Tesselle из любого приложения. Щёлкните поле и нажмите клавишу с Ctrl, Alt или Super либо функциональную клавишу; «Очистить» оставляет Tesselle без клавиши.</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>Автоматически открывать Tesselle при входе в систему. (Тсс… вот пасхалка для тех, кто читает подсказки! %1)</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>Ваши сокращения вводит espanso — расширитель текста, которому Tesselle их передаёт. Эта строка показывает, установлен ли espanso и запущен ли он.</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>Некоторые цвета выделения будут браться из акцентного цвета системы, а не жёлтого Verbena.</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>Сокращения</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>Оттенок кожи</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>Эмодзи /family</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>Автовставка</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Комбинация клавиш</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Открывать при входе</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>Цвет системы</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>Ничего не сброшено.</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>Сокращения показанного набора установлены.</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>Сокращения набора не установлены.</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>Tesselle живёт в системном лотке, если он есть в среде рабочего стола. Без него Tesselle открывает свою панель при запуске.</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Значок в лотке</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>GNOME не позволяет программам занимать клавиши: добавьте в Параметры &gt; Клавиатура &gt; Пользовательские комбинации клавиш комбинацию, которая запускает эту команду.</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>sway не позволяет программам занимать клавиши: добавьте эту строку в его файл настроек и перезагрузите его.</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>В этом сеансе программы не могут занимать клавиши: назначьте этой команде клавишу в настройках клавиатуры вашей среды.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcutField</name>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Комбинация клавиш</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>Очистить комбинацию клавиш</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>Среда рабочего стола удерживает её для Tesselle как %1; изменить её можно в настройках клавиатуры среды.</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>Tesselle удерживает её.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>Ожидание, пока среда рабочего стола займёт клавишу…</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>%1 не может быть комбинацией клавиш в этом сеансе</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>Запускать при входе</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>Поиск эмодзи</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>Не найдены данные эмодзи</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>Попытка добавить повторяющиеся сокращения</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>Повторы в исходном списке: [%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Автовставка недоступна в этом сеансе: эмодзи в буфере обмена, вставьте его с помощью Ctrl+V</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Автовставка недоступна в этом сеансе: композитор не поддерживает протокол виртуальной клавиатуры. Эмодзи в буфере обмена, вставьте его с помощью Ctrl+V</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>В этой среде для автовставки нужна программа wtype, но она не установлена.</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>В этом сеансе нет среды, в которую Tesselle мог бы вводить текст.</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>Для автовставки нужна программа wtype, но её не удаётся запустить: %1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>wtype не отправил Ctrl+V за %1 с</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>wtype аварийно завершился при отправке Ctrl+V</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>До открытия панели не было активного окна</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>Окна для вставки больше нет</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>Не удаётся активировать окно для вставки</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>Не удаётся отправить Ctrl+V</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>Для комбинации клавиш нужен сеанс X11</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>%1 использует другая программа</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 не может быть комбинацией клавиш</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>espanso не установлен: в PATH нет «espanso»</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>espanso не установлен</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>espanso не запущен</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>wtype не отправил эмодзи за %1 с</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>wtype аварийно завершился при отправке эмодзи</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>Для автовставки нужен сеанс X11</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>Для автовставки нужен сеанс X11; не удаётся открыть дисплей %1</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>Не удаётся отправить Shift+Insert в терминал</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>Эта среда рабочего стола не предоставляет портал удалённого рабочего стола, через который Tesselle мог бы вводить текст в другие окна.</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>Портал удалённого рабочего стола этой среды не предоставляет клавиатуру.</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>Эта среда запрашивает это разрешение один раз в каждом сеансе.</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>Портал среды рабочего стола не открыл сеанс удалённого рабочего стола</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Среда рабочего стола ещё не разрешила Tesselle вводить текст: эмодзи в буфере обмена, вставьте его с помощью Ctrl+V</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>Среда рабочего стола не разрешила Tesselle вводить текст в другие окна; Tesselle спросит снова при следующем запуске.</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>Среда рабочего стола не может удерживать %1</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>Среда рабочего стола не заняла клавишу</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>Портал среды рабочего стола не открыл сеанс комбинаций клавиш</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>Портал среды рабочего стола не ответил на %1</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>Портал среды рабочего стола отклонил %1: %2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>Здесь нет системного лотка со значком Tesselle: нажмите %1 или снова запустите tesselle, чтобы открыть Tesselle.</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>Здесь нет системного лотка со значком Tesselle: снова запустите tesselle, чтобы открыть Tesselle (это может сделать комбинация клавиш вашей среды рабочего стола).</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>Не удалось прочитать файл подстановок espanso %1</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>Не удалось записать файл подстановок espanso %1</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>Изменяемой записи нет в файле подстановок espanso %1</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>Не удалось убрать сокращения из списка (осталось: %1): %2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>неизвестное количество</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>Добро пожаловать в Tesselle</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Справка: %1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>Открыть и закрыть Tesselle</translation>
    </message>
</context>
<context>
    <name>PresetActionButton</name>
    <message>
        <source>Uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
</context>
<context>
    <name>SearchField</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>SettingsRowView</name>
    <message>
        <source>%1:</source>
        <comment>a settings row&apos;s title</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Справка: %1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>Оттенок кожи</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>Пишите нам с отзывами, вопросами и пожеланиями!</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Написать</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Как установить espanso&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>Запустить espanso</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>Проверка espanso…</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>Работает через espanso</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>Работает через espanso %1</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>espanso установлен, но не запущен</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>espanso не установлен: сокращения заработают, как только он будет установлен. %1</translation>
    </message>
</context>
<context>
    <name>ToneName</name>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Light skin tone</source>
        <translation>Светлый тон кожи</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>Умеренно светлый тон кожи</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>Средний тон кожи</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>Умеренно тёмный тон кожи</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>Тёмный тон кожи</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>Открыть Tesselle</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Параметры…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Меню Tesselle</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>Установить Tesselle</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>Внешний вид по умолчанию:</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>Оттенок кожи по умолчанию:</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>Открывать при входе:</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle: сокращения не работают, %1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Параметры Tesselle</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>Сокращения не работают, %1</translation>
    </message>
</context>
</TS>
