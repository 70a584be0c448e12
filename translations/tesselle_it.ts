<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>Salutaci</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>CancellableSearchField</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
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
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Copiato!</translation>
    </message>
</context>
<context>
    <name>EmojiGroupType</name>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>Faccine e persone</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>Animali e natura</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Cibo e bevande</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>Viaggi e luoghi</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Oggetti</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Bandiere</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>Risultati migliori</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>Copiato!</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Aggiungi ai preferiti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>Nuova scorciatoia</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>Cosa va qui?</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>Definita nel tuo file di espanso %1</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Rimuovi dai preferiti</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 è definita nel tuo file di espanso %2, ed espanso chiederebbe quale digitare. Aggiungerla anche qui?</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>Sostituire davvero la scorciatoia di %1?</translation>
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
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>Famiglie</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>Nessuna famiglia</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>Famiglia: %1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>Famiglia: nessuna</translation>
    </message>
</context>
<context>
    <name>GenderPicker</name>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Uomo</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Choose your default appearance for shortcuts with multiple options, like which /raisinghand emoji to use.</source>
        <translation>Scegli l&apos;aspetto predefinito per le scorciatoie con più varianti, per esempio quale emoji usare per /raisinghand.</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>Imposta la tua carnagione per le emoji di persone con più varianti, per esempio quale emoji usare per /dance.</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>Scegli un&apos;emoji /family predefinita da avere a portata di mano. In futuro arriveranno altre opzioni di personalizzazione.</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>Per impostazione predefinita, un doppio clic su un&apos;emoji la copia. Con Incolla automatico, l&apos;emoji scelta viene incollata direttamente nell&apos;ultimo campo di testo usato. Nota: servono alcuni permessi di sistema, da concedere una volta sola.</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>Questo tasto apre e chiude Tesselle da qualsiasi applicazione. Fai clic nel campo e premi un tasto insieme a Ctrl, Alt o Super, oppure un tasto funzione; «Cancella» lascia Tesselle senza tasto.</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>Apri Tesselle automaticamente all&apos;accesso al computer. (Psst… ecco un uovo di Pasqua per chi legge i suggerimenti! %1)</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>Le tue scorciatoie le digita espanso, un espansore di testo che Tesselle riempie con esse. Questa riga dice se espanso è presente e in esecuzione.</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>Alcuni colori di evidenziazione useranno il colore di risalto del sistema invece del giallo Verbena.</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>Scorciatoie di testo</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>Carnagione</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>/family predefinita</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>Incolla automatico</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Scorciatoia da tastiera</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Apri all&apos;accesso</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>Usa il colore di sistema</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>Non è stato ripristinato nulla.</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>Le scorciatoie della preimpostazione mostrata sono installate.</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>Non è installata alcuna scorciatoia preimpostata.</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>Tesselle sta nel vassoio di sistema, se il desktop ne ha uno. Senza, Tesselle apre il suo pannello all&apos;avvio.</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Icona nel vassoio</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>GNOME non permette ai programmi di riservarsi un tasto: aggiungine uno in Impostazioni &gt; Tastiera &gt; Scorciatoie personalizzate che esegua questo comando.</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>sway non permette ai programmi di riservarsi un tasto: aggiungi questa riga al suo file di configurazione e ricaricalo.</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>Questa sessione non permette ai programmi di riservarsi un tasto: assegnane uno a questo comando nelle impostazioni della tastiera del tuo desktop.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcutField</name>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Scorciatoia da tastiera</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>Cancella la scorciatoia da tastiera</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>Il desktop la riserva per Tesselle come %1; cambiala nelle impostazioni della tastiera del desktop.</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>Tesselle la tiene riservata.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>In attesa che il desktop prenda il tasto…</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>%1 non può essere una scorciatoia da tastiera in questa sessione</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>Cerca emoji</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>Dati delle emoji non trovati</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>Tentativo di aggiungere scorciatoie duplicate</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>Duplicati nell&apos;elenco iniziale: [%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Incolla automatico non è disponibile in questa sessione: l&apos;emoji è negli appunti, incollala con Ctrl+V</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Incolla automatico non è disponibile in questa sessione: il compositor non offre il protocollo della tastiera virtuale. L&apos;emoji è negli appunti, incollala con Ctrl+V</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>Su questo desktop Incolla automatico richiede il programma wtype, che non è installato.</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>Questa sessione non ha un desktop in cui Tesselle possa scrivere.</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>Incolla automatico richiede il programma wtype, che non può essere avviato: %1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>wtype non ha inviato Ctrl+V entro %1 s</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>wtype si è chiuso inaspettatamente inviando Ctrl+V</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>Nessuna finestra era attiva prima dell&apos;apertura del pannello</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>La finestra in cui incollare non esiste più</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>Impossibile attivare la finestra in cui incollare</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>Impossibile inviare Ctrl+V</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>La scorciatoia da tastiera richiede una sessione X11</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>Un altro programma usa %1</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 non può essere una scorciatoia da tastiera</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>espanso non è installato: nessun «espanso» nel PATH</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>espanso non è installato</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>espanso non è in esecuzione</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>wtype non ha inviato l&apos;emoji entro %1 s</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>wtype si è chiuso inaspettatamente inviando l&apos;emoji</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>Incolla automatico richiede una sessione X11</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>Incolla automatico richiede una sessione X11; impossibile aprire il display %1</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>Impossibile inviare Maiusc+Ins al terminale</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>Questo desktop non offre un portale desktop remoto attraverso cui Tesselle possa scrivere in altre finestre.</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>Il portale desktop remoto di questo desktop non offre una tastiera.</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>Questo desktop chiede questo permesso una volta per ogni sessione.</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>Il portale del desktop non ha aperto una sessione di desktop remoto</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Il desktop non ha ancora permesso a Tesselle di scrivere: l&apos;emoji è negli appunti, incollala con Ctrl+V</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>Il desktop non ha permesso a Tesselle di scrivere in altre finestre; Tesselle lo chiederà di nuovo al prossimo avvio.</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>Il desktop non può riservare %1</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>Il desktop non ha preso il tasto</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>Il portale del desktop non ha aperto una sessione per le scorciatoie</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>Il portale del desktop non ha risposto a %1</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>Il portale del desktop ha rifiutato %1: %2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>Qui nessun vassoio di sistema mostra l&apos;icona di Tesselle: premi %1, o avvia di nuovo tesselle, per aprire Tesselle.</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>Qui nessun vassoio di sistema mostra l&apos;icona di Tesselle: avvia di nuovo tesselle per aprire Tesselle (può farlo una scorciatoia da tastiera del tuo desktop).</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>Impossibile leggere il file delle corrispondenze di espanso %1</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>Impossibile scrivere il file delle corrispondenze di espanso %1</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>La voce da modificare non è nel file delle corrispondenze di espanso %1</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>Impossibile togliere le scorciatoie dall&apos;elenco (ne restano: %1): %2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>un numero sconosciuto</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>Benvenuto in Tesselle</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Aiuto: %1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>Apri e chiudi Tesselle</translation>
    </message>
</context>
<context>
    <name>PresetActionButton</name>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
</context>
<context>
    <name>SearchField</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
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
        <translation>Aiuto: %1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>Carnagione</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>Scrivici per commenti, domande o richieste di funzionalità!</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contattaci</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Come installare espanso&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>Avvia espanso</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>Controllo di espanso…</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>Funziona tramite espanso</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>Funziona tramite espanso %1</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>espanso è installato ma non in esecuzione</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>espanso non è installato: le scorciatoie funzioneranno appena lo sarà. %1</translation>
    </message>
</context>
<context>
    <name>ToneName</name>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Light skin tone</source>
        <translation>Carnagione chiara</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>Carnagione abbastanza chiara</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>Carnagione olivastra</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>Carnagione abbastanza scura</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>Carnagione scura</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>Apri Tesselle</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Menu di Tesselle</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>Installa Tesselle</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>Aspetto predefinito:</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>Carnagione predefinita:</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>Apri all&apos;accesso:</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle: le scorciatoie non sono attive, %1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Impostazioni di Tesselle</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>Le scorciatoie non sono attive, %1</translation>
    </message>
</context>
</TS>
