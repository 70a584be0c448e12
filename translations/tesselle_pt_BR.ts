<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>Dê um oi</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>CancellableSearchField</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
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
        <translation>Copiado!</translation>
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
        <translation>Recentes</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>Carinhas e pessoas</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>Animais e natureza</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Comidas e bebidas</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>Viagens e lugares</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Atividades</translation>
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
        <translation>Bandeiras</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>Melhores resultados</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>Copiado!</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Adicionar aos favoritos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>Atalho(s)</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>Novo atalho</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>O que vai aqui?</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>Definido no seu arquivo do espanso %1</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Remover dos favoritos</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 está definido no seu arquivo do espanso %2, e o espanso perguntaria qual digitar. Adicionar aqui também?</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>Tem certeza de que deseja substituir o atalho de %1?</translation>
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
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>Famílias</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>Nenhuma família</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>Família: %1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>Família: nenhuma</translation>
    </message>
</context>
<context>
    <name>GenderPicker</name>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Mulher</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Homem</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Choose your default appearance for shortcuts with multiple options, like which /raisinghand emoji to use.</source>
        <translation>Escolha a aparência padrão dos atalhos com várias opções, por exemplo qual emoji usar em /raisinghand.</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>Defina seu tom de pele para os emojis de pessoas com várias opções, por exemplo qual emoji usar em /dance.</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>Escolha um emoji padrão para /family e tenha-o sempre à mão. Planejamos mais opções de personalização no futuro.</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>Por padrão, um clique duplo em um emoji o copia. Com a colagem automática, o emoji escolhido é colado direto no último campo de texto usado. Observação: isso requer algumas permissões do sistema, concedidas uma única vez.</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>Esta tecla abre e fecha o Tesselle em qualquer aplicativo. Clique no campo e pressione uma tecla com Ctrl, Alt ou Super, ou uma tecla de função; &quot;Limpar&quot; deixa o Tesselle sem tecla.</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>Abrir o Tesselle automaticamente ao iniciar a sessão no computador. (Psiu… um easter egg para quem lê as dicas! %1)</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>Seus atalhos são digitados pelo espanso, um expansor de texto que o Tesselle preenche com eles. Esta linha diz se o espanso está instalado e em execução.</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>Algumas cores de destaque usarão a cor de destaque do sistema em vez do amarelo Verbena.</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>Atalhos de texto</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>Tom de pele</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>/family padrão</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>Colagem automática</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atalho de teclado</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>Usar a cor do sistema</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>Nada foi redefinido.</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>Os atalhos da predefinição mostrada estão instalados.</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>Nenhum atalho predefinido está instalado.</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>O Tesselle fica na bandeja do sistema quando o ambiente tem uma. Sem ela, o Tesselle abre seu painel ao iniciar.</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Ícone na bandeja</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>O GNOME não deixa nenhum programa reservar uma tecla: adicione em Configurações &gt; Teclado &gt; Atalhos personalizados um atalho que execute este comando.</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>O sway não deixa nenhum programa reservar uma tecla: adicione esta linha ao arquivo de configuração dele e recarregue-o.</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>Esta sessão não deixa nenhum programa reservar uma tecla: associe uma a este comando nas configurações de teclado do seu ambiente.</translation>
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
        <translation>Atalho de teclado</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>Limpar o atalho de teclado</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>O ambiente a reserva para o Tesselle como %1; altere-a nas configurações de teclado do ambiente.</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>O Tesselle a reservou.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>Aguardando o ambiente assumir a tecla…</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>%1 não pode ser um atalho de teclado nesta sessão</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>Iniciar ao iniciar a sessão</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>Pesquisar emoji</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>Os dados dos emojis não foram encontrados</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>Tentativa de adicionar atalhos duplicados</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>Duplicados na lista inicial: [%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>A colagem automática não está disponível nesta sessão: o emoji está na área de transferência, cole-o com Ctrl+V</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>A colagem automática não está disponível nesta sessão: o compositor não oferece o protocolo de teclado virtual. O emoji está na área de transferência, cole-o com Ctrl+V</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>Neste ambiente, a colagem automática precisa do programa wtype, que não está instalado.</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>Esta sessão não tem um ambiente em que o Tesselle possa digitar.</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>A colagem automática precisa do programa wtype, que não pode ser iniciado: %1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>O wtype não enviou Ctrl+V em %1 s</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>O wtype travou ao enviar Ctrl+V</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>Nenhuma janela estava ativa antes de o painel abrir</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>A janela onde colar não existe mais</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>Não foi possível ativar a janela onde colar</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>Não foi possível enviar Ctrl+V</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>O atalho de teclado precisa de uma sessão X11</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>Outro programa usa %1</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 não pode ser um atalho de teclado</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>O espanso não está instalado: não há &quot;espanso&quot; no PATH</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>o espanso não está instalado</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>o espanso não está em execução</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>O wtype não enviou o emoji em %1 s</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>O wtype travou ao enviar o emoji</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>A colagem automática precisa de uma sessão X11</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>A colagem automática precisa de uma sessão X11; não foi possível abrir a tela %1</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>Não foi possível enviar Shift+Insert ao terminal</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>Este ambiente não oferece um portal de área de trabalho remota pelo qual o Tesselle digitaria em outras janelas.</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>O portal de área de trabalho remota deste ambiente não oferece teclado.</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>Este ambiente pede essa permissão uma vez a cada sessão.</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>O portal do ambiente não abriu uma sessão de área de trabalho remota</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>O ambiente ainda não permitiu que o Tesselle digite: o emoji está na área de transferência, cole-o com Ctrl+V</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>O ambiente não permitiu que o Tesselle digite em outras janelas; o Tesselle pedirá de novo na próxima inicialização.</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>O ambiente não pode reservar %1</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>O ambiente não assumiu a tecla</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>O portal do ambiente não abriu uma sessão de atalhos</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>O portal do ambiente não respondeu a %1</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>O portal do ambiente recusou %1: %2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>Nenhuma bandeja mostra o ícone do Tesselle aqui: pressione %1 ou inicie o tesselle de novo para abrir o Tesselle.</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>Nenhuma bandeja mostra o ícone do Tesselle aqui: inicie o tesselle de novo para abrir o Tesselle (um atalho de teclado do seu ambiente pode executá-lo).</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>Não foi possível ler o arquivo de correspondências do espanso %1</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>Não foi possível gravar o arquivo de correspondências do espanso %1</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>A entrada a alterar não está no arquivo de correspondências do espanso %1</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>Não foi possível tirar os atalhos da lista (restam: %1): %2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>um número desconhecido</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>Bem-vindo ao Tesselle</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Ajuda: %1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>Abrir e fechar o Tesselle</translation>
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
        <translation>Pesquisar</translation>
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
        <translation>Ajuda: %1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>Tom de pele</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>Fale com a gente sobre comentários, dúvidas ou pedidos de recursos!</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Como instalar o espanso&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>Iniciar o espanso</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>Verificando o espanso…</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>Funcionando pelo espanso</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>Funcionando pelo espanso %1</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>O espanso está instalado, mas não está em execução</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>O espanso não está instalado: os atalhos passam a funcionar assim que ele estiver. %1</translation>
    </message>
</context>
<context>
    <name>ToneName</name>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Light skin tone</source>
        <translation>Pele clara</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>Pele morena clara</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>Pele morena</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>Pele morena escura</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>Pele escura</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>Abrir o Tesselle</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Menu do Tesselle</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>Instalar o Tesselle</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>Aparência padrão:</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>Tom de pele padrão:</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>Abrir ao iniciar a sessão:</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle: os atalhos não estão ativos, %1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Configurações do Tesselle</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>Os atalhos não estão ativos, %1</translation>
    </message>
</context>
</TS>
