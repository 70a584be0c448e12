<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>打个招呼</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>CancellableSearchField</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>EmojiGridView</name>
    <message>
        <source>Emoji</source>
        <translation>表情符号</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>已复制！</translation>
    </message>
</context>
<context>
    <name>EmojiGroupType</name>
    <message>
        <source>Favorites</source>
        <translation>收藏</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近使用</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>笑脸与人物</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>动物与自然</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>食物与饮料</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>旅行与地点</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>旗帜</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>最佳匹配</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>已复制！</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>添加到收藏</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>快捷短语</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>新快捷短语</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>这里应该是什么？</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>已在你的 espanso 文件 %1 中定义</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>从收藏中移除</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 已在你的 espanso 文件 %2 中定义，espanso 会询问要输入哪一个。仍要在这里添加吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>确定要替换 %1 的快捷短语吗？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ErrorAlert</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>家庭</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>无家庭</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>家庭：%1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>家庭：无</translation>
    </message>
</context>
<context>
    <name>GenderPicker</name>
    <message>
        <source>Person</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>女性</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>男性</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Choose your default appearance for shortcuts with multiple options, like which /raisinghand emoji to use.</source>
        <translation>为有多种选择的快捷短语选择默认外观，例如 /raisinghand 使用哪个表情符号。</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>为有多种选择的人物表情符号设置你的肤色，例如 /dance 使用哪个表情符号。</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>选择默认的 /family 表情符号，方便快速使用。我们计划以后加入更多自定义选项。</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>默认情况下，双击表情符号会复制它。启用自动粘贴后，选中的表情符号会自动粘贴到你最近使用的文本框中。注意：这需要一次性授予一些系统权限。</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>在任何应用中按此键都可打开或关闭 Tesselle。点击输入框，然后按下带 Ctrl、Alt 或 Super 的组合键或功能键；点“清除”则不为 Tesselle 设置按键。</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>登录电脑时自动打开 Tesselle。（嘘……送给阅读提示的你一个彩蛋！%1）</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>你的快捷短语由文本扩展工具 espanso 输入，Tesselle 会把它们写入 espanso。这一行显示 espanso 是否已安装并在运行。</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>部分高亮颜色将使用系统的强调色，而不是马鞭草黄（Verbena Yellow）。</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>文本快捷短语</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>默认外观</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>默认肤色</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>默认 /family</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>自动粘贴</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>登录时打开</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>使用系统颜色</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>重置应用</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>没有重置任何内容。</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>所示预设的快捷短语已安装。</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>未安装任何预设快捷短语。</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>桌面有系统托盘时，Tesselle 常驻在托盘中。没有托盘时，Tesselle 会在启动时打开其面板。</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>托盘图标</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>GNOME 不允许程序占用按键：请在“设置 &gt; 键盘 &gt; 自定义快捷键”中添加一个运行此命令的快捷键。</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>sway 不允许程序占用按键：请将这一行加入其配置文件并重新加载。</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>此会话不允许程序占用按键：请在桌面的键盘设置中为此命令绑定一个按键。</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcutField</name>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>清除键盘快捷键</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>桌面已为 Tesselle 占用 %1；请在桌面的键盘设置中更改。</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>Tesselle 已占用此键。</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>正在等待桌面占用此键…</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>%1 在此会话中不能用作键盘快捷键</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>登录时启动</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>搜索表情符号</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>找不到表情符号数据</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>试图添加重复的快捷短语</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>初始列表中有重复项：[%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>此会话中无法使用自动粘贴：表情符号已在剪贴板中，请按 Ctrl+V 粘贴</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>此会话中无法使用自动粘贴：合成器不提供虚拟键盘协议。表情符号已在剪贴板中，请按 Ctrl+V 粘贴</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>在此桌面上，自动粘贴需要 wtype 程序，但它未安装。</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>此会话中没有 Tesselle 可以输入的桌面。</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>自动粘贴需要 wtype 程序，但无法启动它：%1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>wtype 未在 %1 秒内发送 Ctrl+V</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>wtype 在发送 Ctrl+V 时崩溃</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>打开面板前没有活动窗口</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>要粘贴到的窗口已不存在</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>无法激活要粘贴到的窗口</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>无法发送 Ctrl+V</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>键盘快捷键需要 X11 会话</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>另一个程序正在使用 %1</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 不能用作键盘快捷键</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>espanso 未安装：PATH 中没有“espanso”</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>espanso 未安装</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>espanso 未运行</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>wtype 未在 %1 秒内发送表情符号</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>wtype 在发送表情符号时崩溃</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>自动粘贴需要 X11 会话</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>自动粘贴需要 X11 会话；无法打开显示 %1</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>无法向终端发送 Shift+Insert</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>此桌面未提供远程桌面门户，Tesselle 无法通过它向其他窗口输入。</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>此桌面的远程桌面门户不提供键盘。</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>此桌面会在每次会话中请求一次该权限。</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>桌面门户未打开远程桌面会话</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>桌面尚未允许 Tesselle 输入：表情符号已在剪贴板中，请按 Ctrl+V 粘贴</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>桌面不允许 Tesselle 向其他窗口输入；Tesselle 会在下次启动时再次请求。</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>桌面无法占用 %1</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>桌面未占用此键</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>桌面门户未打开快捷键会话</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>桌面门户未响应 %1</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>桌面门户拒绝了 %1：%2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>此处没有托盘显示 Tesselle 的图标：按 %1 或再次启动 tesselle 即可打开 Tesselle。</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>此处没有托盘显示 Tesselle 的图标：再次启动 tesselle 即可打开 Tesselle（可以用桌面的键盘快捷键运行它）。</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>无法读取 espanso 匹配文件 %1</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>无法写入 espanso 匹配文件 %1</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>要更改的条目不在 espanso 匹配文件 %1 中</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>无法从列表中移除快捷短语（剩余：%1）：%2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>数量未知</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>欢迎使用 Tesselle</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>帮助：%1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>打开和关闭 Tesselle</translation>
    </message>
</context>
<context>
    <name>PresetActionButton</name>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
</context>
<context>
    <name>SearchField</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>SettingsRowView</name>
    <message>
        <source>%1:</source>
        <comment>a settings row&apos;s title</comment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>帮助：%1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>肤色</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>有任何反馈、问题或功能需求，欢迎联系我们！</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系我们</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;如何安装 espanso&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>启动 espanso</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>正在检查 espanso…</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>通过 espanso 工作</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>通过 espanso %1 工作</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>espanso 已安装但未运行</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>espanso 未安装：安装后快捷短语即可使用。%1</translation>
    </message>
</context>
<context>
    <name>ToneName</name>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Light skin tone</source>
        <translation>较浅肤色</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>中等-浅肤色</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>中等肤色</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>中等-深肤色</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>较深肤色</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>打开 Tesselle</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Tesselle 菜单</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>安装 Tesselle</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>默认外观：</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>默认肤色：</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>登录时打开：</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle：快捷短语未生效，%1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Tesselle 设置</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>快捷短语未生效，%1</translation>
    </message>
</context>
</TS>
