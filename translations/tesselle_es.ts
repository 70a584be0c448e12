<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>Saludar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>CancellableSearchField</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>EmojiGridView</name>
    <message>
        <source>Emoji</source>
        <translation>Emojis</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>¡Copiado!</translation>
    </message>
</context>
<context>
    <name>EmojiGroupType</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>Emoticonos y personas</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>Animales y naturaleza</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Comida y bebida</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>Viajes y lugares</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Banderas</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>Mejores resultados</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>¡Copiado!</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>Atajo(s)</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>Atajo nuevo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>¿Qué va aquí?</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>Definido en su archivo de espanso %1</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 está definido en su archivo de espanso %2, y espanso preguntaría cuál escribir. ¿Añadirlo aquí también?</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>¿Seguro que quiere reemplazar el atajo de %1?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ErrorAlert</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>Familias</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>Sin familia</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>Familia: %1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>Familia: ninguna</translation>
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
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Hombre</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Choose your default appearance for shortcuts with multiple options, like which /raisinghand emoji to use.</source>
        <translation>Elija la apariencia predeterminada de los atajos con varias opciones, por ejemplo qué emoji usar para /raisinghand.</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>Elija su tono de piel para los emojis de personas con varias opciones, por ejemplo qué emoji usar para /dance.</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>Elija un emoji de /family predeterminado para tenerlo a mano. Más adelante habrá más opciones de personalización.</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>De forma predeterminada, al hacer doble clic en un emoji se copia. Con el pegado automático, el emoji elegido se pega directamente en el último campo de texto usado. Nota: requiere conceder algunos permisos del sistema una sola vez.</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>Esta tecla abre y cierra Tesselle desde cualquier aplicación. Pulse en el campo y presione una tecla con Ctrl, Alt o Super, o una tecla de función; «Borrar» deja Tesselle sin tecla.</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>Abrir Tesselle automáticamente al iniciar sesión en el equipo. (Psst… ¡un huevo de Pascua por leer las descripciones emergentes! %1)</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>Sus atajos los escribe espanso, un expansor de texto que Tesselle llena con ellos. Esta fila indica si espanso está instalado y en ejecución.</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>Algunos colores de resaltado usarán el color de acento del sistema en lugar del amarillo Verbena.</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>Atajos de texto</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>Tono de piel</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>/family predeterminado</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>Pegado automático</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>Usar el color del sistema</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>No se restableció nada.</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>Los atajos del ajuste predefinido que se muestra están instalados.</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>No hay atajos predefinidos instalados.</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>Tesselle vive en la bandeja del sistema cuando el escritorio tiene una. Sin ella, Tesselle abre su panel al iniciarse.</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Icono de la bandeja</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>GNOME no deja que ningún programa reserve una tecla: añada en Configuración &gt; Teclado &gt; Atajos personalizados uno que ejecute esta orden.</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>sway no deja que ningún programa reserve una tecla: añada esta línea a su archivo de configuración y recárguelo.</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>Esta sesión no deja que ningún programa reserve una tecla: asigne una a esta orden en la configuración del teclado de su escritorio.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcutField</name>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>Borrar el atajo de teclado</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>El escritorio la reserva para Tesselle como %1; cámbiela en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>Tesselle la tiene reservada.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>Esperando a que el escritorio tome la tecla…</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>%1 no puede ser un atajo de teclado en esta sesión</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>Buscar emoji</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>No se encontraron los datos de los emojis</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>Se intentó añadir atajos duplicados</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>Duplicados en la lista inicial: [%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>El pegado automático no está disponible en esta sesión: el emoji está en el portapapeles, péguelo con Ctrl+V</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>El pegado automático no está disponible en esta sesión: el compositor no ofrece el protocolo de teclado virtual. El emoji está en el portapapeles, péguelo con Ctrl+V</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>En este escritorio, el pegado automático necesita el programa wtype, que no está instalado.</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>Esta sesión no tiene un escritorio en el que Tesselle pueda escribir.</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>El pegado automático necesita el programa wtype, que no se puede iniciar: %1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>wtype no envió Ctrl+V en %1 s</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>wtype falló al enviar Ctrl+V</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>No había ninguna ventana activa antes de abrir el panel</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>La ventana donde pegar ya no existe</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>No se puede activar la ventana donde pegar</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>No se puede enviar Ctrl+V</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>El atajo de teclado necesita una sesión X11</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>Otro programa usa %1</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 no puede ser un atajo de teclado</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>espanso no está instalado: no hay «espanso» en el PATH</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>espanso no está instalado</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>espanso no está en ejecución</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>wtype no envió el emoji en %1 s</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>wtype falló al enviar el emoji</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>El pegado automático necesita una sesión X11</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>El pegado automático necesita una sesión X11; no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>No se puede enviar Mayús+Insert a la terminal</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>Este escritorio no ofrece un portal de escritorio remoto a través del cual Tesselle pueda escribir en otras ventanas.</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>El portal de escritorio remoto de este escritorio no ofrece teclado.</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>Este escritorio pide este permiso una vez en cada sesión.</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>El portal del escritorio no abrió una sesión de escritorio remoto</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>El escritorio aún no ha permitido a Tesselle escribir: el emoji está en el portapapeles, péguelo con Ctrl+V</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>El escritorio no permitió a Tesselle escribir en otras ventanas; Tesselle volverá a preguntar en su próximo inicio.</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>El escritorio no puede reservar %1</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>El escritorio no tomó la tecla</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>El portal del escritorio no abrió una sesión de atajos</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>El portal del escritorio no respondió a %1</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>El portal del escritorio rechazó %1: %2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>Aquí ninguna bandeja muestra el icono de Tesselle: pulse %1 o vuelva a iniciar tesselle para abrir Tesselle.</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>Aquí ninguna bandeja muestra el icono de Tesselle: vuelva a iniciar tesselle para abrir Tesselle (un atajo de teclado de su escritorio puede ejecutarlo).</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>No se pudo leer el archivo de coincidencias de espanso %1</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>No se pudo escribir el archivo de coincidencias de espanso %1</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>La entrada que cambiar no está en el archivo de coincidencias de espanso %1</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>No se pudieron quitar los atajos de la lista (quedan: %1): %2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>un número desconocido</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>Bienvenido a Tesselle</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Ayuda: %1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>Abrir y cerrar Tesselle</translation>
    </message>
</context>
<context>
    <name>PresetActionButton</name>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
</context>
<context>
    <name>SearchField</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
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
        <translation>Ayuda: %1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>Tono de piel</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>¡Escríbanos con cualquier comentario, pregunta o sugerencia!</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contactar</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Cómo instalar espanso&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>Iniciar espanso</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>Comprobando espanso…</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>Funciona con espanso</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>Funciona con espanso %1</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>espanso está instalado pero no en ejecución</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>espanso no está instalado: los atajos funcionarán en cuanto lo esté. %1</translation>
    </message>
</context>
<context>
    <name>ToneName</name>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Light skin tone</source>
        <translation>Tono de piel claro</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>Tono de piel claro medio</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>Tono de piel medio</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>Tono de piel oscuro medio</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>Tono de piel oscuro</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>Abrir Tesselle</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Menú de Tesselle</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>Instalar Tesselle</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>Apariencia predeterminada:</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>Tono de piel predeterminado:</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>Abrir al iniciar sesión:</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle: los atajos no están activos, %1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Configuración de Tesselle</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>Los atajos no están activos, %1</translation>
    </message>
</context>
</TS>
