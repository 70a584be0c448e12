<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>Dire bonjour</translation>
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
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>EmojiGridView</name>
    <message>
        <source>Emoji</source>
        <translation>Émojis</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Copié&#xa0;!</translation>
    </message>
</context>
<context>
    <name>EmojiGroupType</name>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>Smileys et personnes</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>Animaux et nature</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Nourriture et boissons</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>Voyages et lieux</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Activités</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Drapeaux</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>Meilleurs résultats</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>Copié&#xa0;!</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>Raccourci(s)</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>Nouveau raccourci</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>Que mettre ici&#xa0;?</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>Défini dans votre fichier espanso %1</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 est défini dans votre fichier espanso %2, et espanso demanderait lequel saisir. L’ajouter ici aussi&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>Voulez-vous vraiment remplacer le raccourci de %1&#xa0;?</translation>
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
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>Familles</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>Aucune famille</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>Famille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>Famille&#xa0;: aucune</translation>
    </message>
</context>
<context>
    <name>GenderPicker</name>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Homme</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Choose your default appearance for shortcuts with multiple options, like which /raisinghand emoji to use.</source>
        <translation>Choisissez l’apparence par défaut des raccourcis qui ont plusieurs variantes, par exemple l’émoji à utiliser pour /raisinghand.</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>Choisissez votre couleur de peau pour les émojis de personnes qui ont plusieurs variantes, par exemple l’émoji à utiliser pour /dance.</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>Choisissez l’émoji /family par défaut pour un accès rapide. D’autres options de personnalisation sont prévues.</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>Par défaut, un double-clic sur un émoji le copie. Avec le collage automatique, l’émoji choisi est collé directement dans le dernier champ de texte utilisé. Remarque&#xa0;: cela demande quelques autorisations système, une seule fois.</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>Cette touche ouvre et ferme Tesselle depuis n’importe quelle application. Cliquez dans le champ et appuyez sur une touche avec Ctrl, Alt ou Super, ou sur une touche de fonction&#xa0;; «&#xa0;Effacer&#xa0;» laisse Tesselle sans touche.</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>Ouvrir Tesselle automatiquement à l’ouverture de session. (Psst… voici un œuf de Pâques pour qui lit les infobulles&#xa0;! %1)</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>Vos raccourcis sont saisis par espanso, un expanseur de texte que Tesselle remplit avec eux. Cette ligne indique si espanso est présent et s’il fonctionne.</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>Certaines couleurs de surbrillance utiliseront la couleur d’accentuation du système au lieu du jaune Verbena.</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>Raccourcis texte</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>Couleur de peau</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>/family par défaut</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>Collage automatique</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>Couleur du système</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>Rien n’a été réinitialisé.</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>Les raccourcis du préréglage affiché sont installés.</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>Aucun raccourci de préréglage n’est installé.</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>Tesselle se loge dans la zone de notification quand le bureau en a une. Sans elle, Tesselle ouvre son panneau au démarrage.</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Icône de la zone de notification</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>GNOME ne laisse aucun programme réserver une touche&#xa0;: ajoutez dans Paramètres &gt; Clavier &gt; Raccourcis personnalisés un raccourci qui lance cette commande.</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>sway ne laisse aucun programme réserver une touche&#xa0;: ajoutez cette ligne à son fichier de configuration et rechargez-le.</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>Cette session ne laisse aucun programme réserver une touche&#xa0;: associez une touche à cette commande dans les paramètres du clavier de votre bureau.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcutField</name>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>Effacer le raccourci clavier</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>Le bureau la réserve pour Tesselle sous la forme %1&#xa0;; modifiez-la dans les paramètres du clavier du bureau.</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>Tesselle la réserve.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>En attente de la prise en charge de la touche par le bureau…</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>%1 ne peut pas servir de raccourci clavier dans cette session</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>Rechercher un émoji</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>Les données des émojis sont introuvables</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>Tentative d’ajout de raccourcis en double</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>Doublons dans la liste initiale&#xa0;: [%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Le collage automatique n’est pas disponible dans cette session&#xa0;: l’émoji est dans le presse-papiers, collez-le avec Ctrl+V</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Le collage automatique n’est pas disponible dans cette session&#xa0;: le compositeur n’offre pas le protocole de clavier virtuel. L’émoji est dans le presse-papiers, collez-le avec Ctrl+V</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>Sur ce bureau, le collage automatique a besoin du programme wtype, qui n’est pas installé.</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>Cette session n’a pas de bureau dans lequel Tesselle puisse saisir.</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>Le collage automatique a besoin du programme wtype, qui ne peut pas être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>wtype n’a pas envoyé Ctrl+V dans les %1&#xa0;s</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>wtype a planté en envoyant Ctrl+V</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>Aucune fenêtre n’était active avant l’ouverture du panneau</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>La fenêtre où coller n’existe plus</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>Impossible d’activer la fenêtre où coller</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>Impossible d’envoyer Ctrl+V</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>Le raccourci clavier nécessite une session X11</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>Un autre programme utilise %1</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 ne peut pas servir de raccourci clavier</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>espanso n’est pas installé&#xa0;: pas de «&#xa0;espanso&#xa0;» dans le PATH</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>espanso n’est pas installé</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>espanso n’est pas lancé</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>wtype n’a pas envoyé l’émoji dans les %1 s</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>wtype a planté en envoyant l’émoji</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>Le collage automatique nécessite une session X11</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>Le collage automatique nécessite une session X11&#xa0;; impossible d’ouvrir l’affichage %1</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>Impossible d’envoyer Maj+Inser au terminal</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>Ce bureau n’offre pas de portail de bureau à distance par lequel Tesselle pourrait saisir dans d’autres fenêtres.</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>Le portail de bureau à distance de ce bureau n’offre pas de clavier.</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>Ce bureau demande cette autorisation une fois par session.</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>Le portail du bureau n’a pas ouvert de session de bureau à distance</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>Le bureau n’a pas encore autorisé Tesselle à saisir&#xa0;: l’émoji est dans le presse-papiers, collez-le avec Ctrl+V</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>Le bureau n’a pas autorisé Tesselle à saisir dans d’autres fenêtres&#xa0;; Tesselle redemandera au prochain démarrage.</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>Le bureau ne peut pas réserver %1</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>Le bureau n’a pas pris la touche</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>Le portail du bureau n’a pas ouvert de session de raccourcis</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>Le portail du bureau n’a pas répondu à %1</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>Le portail du bureau a refusé %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>Aucune zone de notification n’affiche ici l’icône de Tesselle&#xa0;: appuyez sur %1, ou relancez tesselle, pour ouvrir Tesselle.</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>Aucune zone de notification n’affiche ici l’icône de Tesselle&#xa0;: relancez tesselle pour ouvrir Tesselle (un raccourci clavier de votre bureau peut le lancer).</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>Impossible de lire le fichier de correspondances espanso %1</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>Impossible d’écrire le fichier de correspondances espanso %1</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>L’entrée à modifier n’est pas dans le fichier de correspondances espanso %1</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>Impossible de retirer les raccourcis de la liste (il en reste&#xa0;: %1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>un nombre inconnu</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>Bienvenue dans Tesselle</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Aide&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>Ouvrir et fermer Tesselle</translation>
    </message>
</context>
<context>
    <name>PresetActionButton</name>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
</context>
<context>
    <name>SearchField</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>SettingsRowView</name>
    <message>
        <source>%1:</source>
        <comment>a settings row&apos;s title</comment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Aide&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>Couleur de peau</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>Écrivez-nous pour toute remarque, question ou suggestion&#xa0;!</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Comment installer espanso&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>Lancer espanso</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>Vérification d’espanso…</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>Fonctionne avec espanso</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>Fonctionne avec espanso %1</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>espanso est installé mais n’est pas lancé</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>espanso n’est pas installé&#xa0;: les raccourcis fonctionneront dès qu’il le sera. %1</translation>
    </message>
</context>
<context>
    <name>ToneName</name>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Light skin tone</source>
        <translation>Peau claire</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>Peau moyennement claire</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>Peau légèrement mate</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>Peau mate</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>Peau foncée</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>Ouvrir Tesselle</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Menu de Tesselle</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>Installer Tesselle</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>Apparence par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>Couleur de peau par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>Ouvrir à la connexion&#xa0;:</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle&#xa0;: les raccourcis ne sont pas actifs, %1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Paramètres de Tesselle</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>Les raccourcis ne sont pas actifs, %1</translation>
    </message>
</context>
</TS>
