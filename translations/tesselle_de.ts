<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>Hallo sagen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CancellableSearchField</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>EmojiGridView</name>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Kopiert!</translation>
    </message>
</context>
<context>
    <name>EmojiGroupType</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>Smileys &amp; Personen</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>Tiere &amp; Natur</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Essen &amp; Trinken</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>Reisen &amp; Orte</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Aktivitäten</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flaggen</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>Beste Treffer</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>Kopiert!</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>Neues Kürzel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>Was gehört hierher?</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>Festgelegt in Ihrer espanso-Datei %1</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 ist in Ihrer espanso-Datei %2 festgelegt, und espanso würde fragen, was eingefügt werden soll. Trotzdem auch hier hinzufügen?</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>Soll das Kürzel für %1 wirklich ersetzt werden?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ErrorAlert</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>Familien</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>Keine Familie</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>Familie: %1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>Familie: keine</translation>
    </message>
</context>
<context>
    <name>GenderPicker</name>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Frau</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Mann</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Choose your default appearance for shortcuts with multiple options, like which /raisinghand emoji to use.</source>
        <translation>Wählen Sie das Standard-Erscheinungsbild für Kürzel mit mehreren Möglichkeiten, etwa welches /raisinghand-Emoji verwendet wird.</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>Legen Sie Ihren Hautton für Personen-Emojis mit mehreren Möglichkeiten fest, etwa welches /dance-Emoji verwendet wird.</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>Wählen Sie ein Standard-Emoji für /family zum schnellen Zugriff. Weitere Anpassungsmöglichkeiten sind geplant.</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>Ein Doppelklick auf ein Emoji kopiert es standardmäßig. Mit »Automatisch einfügen« werden ausgewählte Emojis direkt in das zuletzt verwendete Textfeld eingefügt. Hinweis: Dazu sind einmalig einige Systemberechtigungen nötig.</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>Diese Taste öffnet und schließt Tesselle aus jeder Anwendung. Klicken Sie in das Feld und drücken Sie eine Taste mit Strg, Alt oder Super oder eine Funktionstaste; »Leeren« lässt Tesselle ohne Taste.</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>Tesselle bei der Anmeldung am Rechner automatisch öffnen. (Psst … hier ist ein Osterei fürs Lesen der Kurzinfos! %1)</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>Ihre Kürzel tippt espanso, ein Textexpander, den Tesselle mit ihnen füllt. Diese Zeile zeigt, ob espanso vorhanden ist und läuft.</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>Einige Hervorhebungsfarben verwenden die Akzentfarbe Ihres Systems anstelle von Verbena Yellow.</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>Textkürzel</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>Hautton</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>Standard-/family</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>Automatisch einfügen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Bei Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>Systemfarbe verwenden</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>Es wurde nichts zurückgesetzt.</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>Die Kürzel der angezeigten Vorgabe sind installiert.</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>Es sind keine Kürzel einer Vorgabe installiert.</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>Tesselle lebt im Systemabschnitt, wo die Arbeitsumgebung einen hat. Ohne ihn öffnet Tesselle beim Start sein Fenster.</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Symbol im Systemabschnitt</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>Unter GNOME kann kein Programm eine Taste belegen: Legen Sie unter Einstellungen &gt; Tastatur &gt; Eigene Tastenkombinationen eine an, die diesen Befehl ausführt.</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>Unter sway kann kein Programm eine Taste belegen: Fügen Sie diese Zeile in die Konfigurationsdatei ein und laden Sie sie neu.</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>In dieser Sitzung kann kein Programm eine Taste belegen: Weisen Sie diesem Befehl in den Tastatureinstellungen Ihrer Arbeitsumgebung eine Taste zu.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcutField</name>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>Tastenkürzel leeren</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>Die Arbeitsumgebung hält sie für Tesselle als %1; ändern Sie sie in den Tastatureinstellungen der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>Tesselle hält sie.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>Warten, bis die Arbeitsumgebung die Taste übernimmt …</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>%1 kann in dieser Sitzung kein Tastenkürzel sein</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>Emoji suchen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>Die Emoji-Daten wurden nicht gefunden</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>Es wurde versucht, doppelte Kürzel hinzuzufügen</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>Doppelte Einträge in der Ausgangsliste: [%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Automatisches Einfügen ist in dieser Sitzung nicht verfügbar: Das Emoji ist in der Zwischenablage, fügen Sie es mit Strg+V ein</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Automatisches Einfügen ist in dieser Sitzung nicht verfügbar: Der Compositor bietet das Protokoll für virtuelle Tastaturen nicht an. Das Emoji ist in der Zwischenablage, fügen Sie es mit Strg+V ein</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>In dieser Arbeitsumgebung braucht automatisches Einfügen das Programm wtype, das nicht installiert ist.</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>Diese Sitzung hat keine Arbeitsumgebung, in die Tesselle tippen kann.</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>Automatisches Einfügen braucht das Programm wtype, das sich nicht starten lässt: %1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>wtype hat Strg+V nicht innerhalb von %1 s gesendet</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>wtype ist beim Senden von Strg+V abgestürzt</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>Vor dem Öffnen des Fensters war kein Fenster aktiv</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>Das Fenster zum Einfügen ist nicht mehr da</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>Das Fenster zum Einfügen lässt sich nicht aktivieren</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>Strg+V lässt sich nicht senden</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>Das Tastenkürzel braucht eine X11-Sitzung</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>Ein anderes Programm verwendet %1</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 kann kein Tastenkürzel sein</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>espanso ist nicht installiert: kein »espanso« im PATH</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>espanso ist nicht installiert</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>espanso läuft nicht</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>wtype hat das Emoji nicht innerhalb von %1 s gesendet</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>wtype ist beim Senden des Emojis abgestürzt</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>Automatisches Einfügen braucht eine X11-Sitzung</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>Automatisches Einfügen braucht eine X11-Sitzung; die Anzeige %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>Umschalt+Einfg lässt sich nicht an das Terminal senden</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>Diese Arbeitsumgebung bietet kein Remote-Desktop-Portal, über das Tesselle in andere Fenster tippen könnte.</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>Das Remote-Desktop-Portal dieser Arbeitsumgebung bietet keine Tastatur.</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>Diese Arbeitsumgebung fragt in jeder Sitzung einmal danach.</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>Das Desktop-Portal hat keine Remote-Desktop-Sitzung geöffnet</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Die Arbeitsumgebung hat Tesselle das Tippen noch nicht erlaubt: Das Emoji ist in der Zwischenablage, fügen Sie es mit Strg+V ein</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>Die Arbeitsumgebung hat Tesselle nicht erlaubt, in andere Fenster zu tippen; Tesselle fragt beim nächsten Start erneut.</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>Die Arbeitsumgebung kann %1 nicht halten</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>Die Arbeitsumgebung hat die Taste nicht übernommen</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>Das Desktop-Portal hat keine Sitzung für Tastenkürzel geöffnet</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>Das Desktop-Portal hat auf %1 nicht geantwortet</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>Das Desktop-Portal hat %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>Kein Systemabschnitt zeigt hier das Symbol von Tesselle: Drücken Sie %1 oder starten Sie tesselle erneut, um Tesselle zu öffnen.</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>Kein Systemabschnitt zeigt hier das Symbol von Tesselle: Starten Sie tesselle erneut, um Tesselle zu öffnen (ein Tastenkürzel Ihrer Arbeitsumgebung kann das ausführen).</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>Die espanso-Match-Datei %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>Die espanso-Match-Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>Der zu ändernde Eintrag ist nicht in der espanso-Match-Datei %1</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>Die Kürzel ließen sich nicht aus der Liste entfernen (noch darin: %1): %2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>eine unbekannte Anzahl</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>Willkommen bei Tesselle</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>Tesselle öffnen und schließen</translation>
    </message>
</context>
<context>
    <name>PresetActionButton</name>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
</context>
<context>
    <name>SearchField</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
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
        <translation>Hilfe: %1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>Hautton</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>Schreiben Sie uns bei Rückmeldungen, Fragen oder Funktionswünschen!</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;So installieren Sie espanso&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>espanso starten</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>espanso wird geprüft …</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>Läuft über espanso</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>Läuft über espanso %1</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>espanso ist installiert, läuft aber nicht</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>espanso ist nicht installiert: Die Kürzel funktionieren, sobald es installiert ist. %1</translation>
    </message>
</context>
<context>
    <name>ToneName</name>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Light skin tone</source>
        <translation>Heller Hautton</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>Mittelheller Hautton</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>Mittlerer Hautton</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>Mitteldunkler Hautton</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>Dunkler Hautton</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>Tesselle öffnen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Tesselle-Menü</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>Tesselle installieren</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>Erscheinungsbild:</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>Hautton:</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>Bei Anmeldung öffnen:</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle: Die Kürzel sind nicht aktiv, %1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Tesselle-Einstellungen</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>Die Kürzel sind nicht aktiv, %1</translation>
    </message>
</context>
</TS>
