<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Say hi</source>
        <translation>ごあいさつ</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>CancellableSearchField</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>EmojiGridView</name>
    <message>
        <source>Emoji</source>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>コピーしました</translation>
    </message>
</context>
<context>
    <name>EmojiGroupType</name>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近使用したもの</translation>
    </message>
    <message>
        <source>Smileys &amp; People</source>
        <translation>スマイリーと人々</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>動物と自然</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>食べ物と飲み物</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>旅行と場所</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>物</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>旗</translation>
    </message>
    <message>
        <source>Best Matches</source>
        <translation>最も一致する結果</translation>
    </message>
</context>
<context>
    <name>EmojiPanelView</name>
    <message>
        <source>Copied!</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>お気に入りに追加</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Shortcut(s)</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>New shortcut</source>
        <translation>新しいショートカット</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>What should be here?</source>
        <translation>ここには何が入りますか？</translation>
    </message>
    <message>
        <source>Defined in your espanso file %1</source>
        <translation>espanso のファイル %1 で定義済み</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>お気に入りから削除</translation>
    </message>
    <message>
        <source>%1 is defined in your espanso file %2, and espanso would ask which one to type. Add it here too?</source>
        <translation>%1 は espanso のファイル %2 で定義されているため、espanso がどちらを入力するか尋ねるようになります。ここにも追加しますか？</translation>
    </message>
    <message>
        <source>Are you sure you want to replace the shortcut for %1?</source>
        <translation>%1 のショートカットを置き換えてもよろしいですか？</translation>
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
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>FamilyGrid</name>
    <message>
        <source>Families</source>
        <translation>家族</translation>
    </message>
    <message>
        <source>No family</source>
        <translation>家族なし</translation>
    </message>
</context>
<context>
    <name>FamilyPicker</name>
    <message>
        <source>Family: %1</source>
        <translation>家族：%1</translation>
    </message>
    <message>
        <source>Family: none</source>
        <translation>家族：なし</translation>
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
        <translation>複数の候補があるショートカットで使う既定の見た目を選びます。たとえば /raisinghand でどの絵文字を使うかです。</translation>
    </message>
    <message>
        <source>Set your personal skin tone for people emojis that have multiple options, like which /dance emoji to use.</source>
        <translation>複数の候補がある人物の絵文字で使う肌の色を設定します。たとえば /dance でどの絵文字を使うかです。</translation>
    </message>
    <message>
        <source>Select a default /family emoji to use for quick access. We plan to add more customizable options in the future.</source>
        <translation>すぐに使えるよう、/family の既定の絵文字を選びます。今後さらにカスタマイズできる項目を追加する予定です。</translation>
    </message>
    <message>
        <source>Double-clicking an emoji will copy it by default. With Autopaste, selected emojis will automatically paste into your most recent text field. Note: this requires some one-time system permissions.</source>
        <translation>既定では、絵文字をダブルクリックするとコピーします。自動貼り付けを有効にすると、選んだ絵文字を直前のテキスト欄に自動で貼り付けます。注意: 初回のみシステムの許可が必要です。</translation>
    </message>
    <message>
        <source>This key opens and closes Tesselle from any application. Click the field and press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle without a key.</source>
        <translation>このキーでどのアプリからでも Tesselle を開閉できます。欄をクリックし、Ctrl、Alt、Super と組み合わせたキーかファンクションキーを押してください。「クリア」でキーを割り当てなくなります。</translation>
    </message>
    <message>
        <source>Automatically open Tesselle when you log in to your computer. (Psst… here&apos;s an easter egg for reading tooltips! %1)</source>
        <translation>コンピューターにログインしたときに Tesselle を自動で開きます。（ないしょ… ツールチップを読んでくれた方へのイースターエッグです！%1）</translation>
    </message>
    <message>
        <source>Your shortcuts are typed by espanso, a text expander that Tesselle fills with them. This row says whether espanso is there and running.</source>
        <translation>ショートカットは、Tesselle が登録するテキスト展開ツール espanso が入力します。この行には espanso がインストールされ、動作しているかを表示します。</translation>
    </message>
    <message>
        <source>Some highlight colors will use your system&apos;s default accent color instead of Verbena Yellow.</source>
        <translation>一部の強調色に、Verbena Yellow ではなくシステムのアクセントカラーを使います。</translation>
    </message>
    <message>
        <source>Text shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Default appearance</source>
        <translation>既定の見た目</translation>
    </message>
    <message>
        <source>Default skin tone</source>
        <translation>既定の肌の色</translation>
    </message>
    <message>
        <source>Default /family</source>
        <translation>既定の /family</translation>
    </message>
    <message>
        <source>Autopaste</source>
        <translation>自動貼り付け</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>ショートカットキー</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Use default system color</source>
        <translation>システムの色を使う</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Reset App</source>
        <translation>アプリをリセット</translation>
    </message>
    <message>
        <source>Nothing was reset.</source>
        <translation>何もリセットされていません。</translation>
    </message>
    <message>
        <source>The shortcuts of the preset shown are installed.</source>
        <translation>表示中のプリセットのショートカットはインストールされています。</translation>
    </message>
    <message>
        <source>No preset shortcuts are installed.</source>
        <translation>プリセットのショートカットはインストールされていません。</translation>
    </message>
    <message>
        <source>Tesselle lives in the tray where the desktop has one. Without it, Tesselle opens its panel when it starts.</source>
        <translation>デスクトップにシステムトレイがあれば、Tesselle はそこに常駐します。ない場合、Tesselle は起動時にパネルを開きます。</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>トレイアイコン</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcut</name>
    <message>
        <source>GNOME lets no program hold a key: add one in Settings &gt; Keyboard &gt; Custom Shortcuts that runs this command.</source>
        <translation>GNOME ではプログラムがキーを確保できません。設定 &gt; キーボード &gt; カスタムショートカット で、このコマンドを実行するショートカットを追加してください。</translation>
    </message>
    <message>
        <source>sway lets no program hold a key: add this line to its config file and reload it.</source>
        <translation>sway ではプログラムがキーを確保できません。この行を設定ファイルに追加して再読み込みしてください。</translation>
    </message>
    <message>
        <source>This session lets no program hold a key: bind one in your desktop&apos;s keyboard settings to this command.</source>
        <translation>このセッションではプログラムがキーを確保できません。デスクトップのキーボード設定で、このコマンドにキーを割り当ててください。</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcutField</name>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>ショートカットキー</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Clear the keyboard shortcut</source>
        <translation>ショートカットキーをクリア</translation>
    </message>
    <message>
        <source>The desktop holds it for Tesselle as %1; change it in the desktop&apos;s keyboard settings.</source>
        <translation>デスクトップが Tesselle 用に %1 として確保しています。変更はデスクトップのキーボード設定で行ってください。</translation>
    </message>
    <message>
        <source>Tesselle holds it.</source>
        <translation>Tesselle が確保しています。</translation>
    </message>
    <message>
        <source>Waiting for the desktop to take the key…</source>
        <translation>デスクトップがキーを確保するのを待っています…</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut in this session</source>
        <translation>このセッションでは %1 をキーボードショートカットにできません</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin::Toggle</name>
    <message>
        <source>Launch at login</source>
        <translation>ログイン時に起動</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Search emoji</source>
        <translation>絵文字を検索</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No emojis resource found</source>
        <translation>絵文字のデータが見つかりません</translation>
    </message>
    <message>
        <source>Trying to add duplicated shortcuts</source>
        <translation>重複したショートカットを追加しようとしました</translation>
    </message>
    <message>
        <source>Duplicates in initial list: [%1]</source>
        <translation>初期リストに重複があります: [%1]</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>このセッションでは自動貼り付けを使えません。絵文字はクリップボードにあるので、Ctrl+V で貼り付けてください</translation>
    </message>
    <message>
        <source>Autopaste is not available in this session: the compositor does not offer the virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>このセッションでは自動貼り付けを使えません。コンポジターが仮想キーボードのプロトコルに対応していません。絵文字はクリップボードにあるので、Ctrl+V で貼り付けてください</translation>
    </message>
    <message>
        <source>On this desktop Autopaste needs the wtype program, which is not installed.</source>
        <translation>このデスクトップで自動貼り付けを使うには wtype が必要ですが、インストールされていません。</translation>
    </message>
    <message>
        <source>This session has no desktop that Tesselle can type into.</source>
        <translation>このセッションには Tesselle が入力できるデスクトップがありません。</translation>
    </message>
    <message>
        <source>Autopaste needs the wtype program, which cannot be started: %1</source>
        <translation>自動貼り付けには wtype が必要ですが、起動できません: %1</translation>
    </message>
    <message>
        <source>wtype did not send Ctrl+V within %1 s</source>
        <translation>wtype が %1 秒以内に Ctrl+V を送信しませんでした</translation>
    </message>
    <message>
        <source>wtype crashed while sending Ctrl+V</source>
        <translation>Ctrl+V の送信中に wtype がクラッシュしました</translation>
    </message>
    <message>
        <source>No window was active before the panel opened</source>
        <translation>パネルを開く前にアクティブなウィンドウがありませんでした</translation>
    </message>
    <message>
        <source>The window to paste into is gone</source>
        <translation>貼り付け先のウィンドウがなくなりました</translation>
    </message>
    <message>
        <source>Cannot activate the window to paste into</source>
        <translation>貼り付け先のウィンドウをアクティブにできません</translation>
    </message>
    <message>
        <source>Cannot send Ctrl+V</source>
        <translation>Ctrl+V を送信できません</translation>
    </message>
    <message>
        <source>The keyboard shortcut needs an X11 session</source>
        <translation>キーボードショートカットには X11 セッションが必要です</translation>
    </message>
    <message>
        <source>Another program uses %1</source>
        <translation>%1 は別のプログラムが使っています</translation>
    </message>
    <message>
        <source>%1 cannot be a keyboard shortcut</source>
        <translation>%1 はキーボードショートカットにできません</translation>
    </message>
    <message>
        <source>espanso is not installed: no `espanso` on PATH</source>
        <translation>espanso がインストールされていません: PATH に「espanso」がありません</translation>
    </message>
    <message>
        <source>espanso is not installed</source>
        <translation>espanso がインストールされていません</translation>
    </message>
    <message>
        <source>espanso is not running</source>
        <translation>espanso が動作していません</translation>
    </message>
    <message>
        <source>wtype did not send the emoji within %1 s</source>
        <translation>wtype が %1 秒以内に絵文字を送信しませんでした</translation>
    </message>
    <message>
        <source>wtype crashed while sending the emoji</source>
        <translation>絵文字の送信中に wtype がクラッシュしました</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session</source>
        <translation>自動貼り付けには X11 セッションが必要です</translation>
    </message>
    <message>
        <source>Autopaste needs an X11 session; cannot open the display %1</source>
        <translation>自動貼り付けには X11 セッションが必要です。ディスプレイ %1 を開けません</translation>
    </message>
    <message>
        <source>Cannot send Shift+Insert to the terminal</source>
        <translation>端末に Shift+Insert を送信できません</translation>
    </message>
    <message>
        <source>This desktop offers no remote desktop portal, through which Tesselle would type into other windows.</source>
        <translation>このデスクトップには、Tesselle が他のウィンドウに入力するためのリモートデスクトップポータルがありません。</translation>
    </message>
    <message>
        <source>This desktop&apos;s remote desktop portal offers no keyboard.</source>
        <translation>このデスクトップのリモートデスクトップポータルはキーボードを提供していません。</translation>
    </message>
    <message>
        <source>This desktop asks for it once in every session.</source>
        <translation>このデスクトップでは、セッションごとに一度許可を求められます。</translation>
    </message>
    <message>
        <source>The desktop portal did not open a remote desktop session</source>
        <translation>デスクトップポータルがリモートデスクトップセッションを開きませんでした</translation>
    </message>
    <message>
        <source>The desktop has not yet allowed Tesselle to type: the emoji is on the clipboard, paste it with Ctrl+V</source>
        <translation>デスクトップがまだ Tesselle の入力を許可していません。絵文字はクリップボードにあるので、Ctrl+V で貼り付けてください</translation>
    </message>
    <message>
        <source>The desktop did not allow Tesselle to type into other windows; Tesselle asks again at its next start.</source>
        <translation>デスクトップが Tesselle による他のウィンドウへの入力を許可しませんでした。Tesselle は次回の起動時に再度確認します。</translation>
    </message>
    <message>
        <source>The desktop cannot hold %1</source>
        <translation>デスクトップは %1 を確保できません</translation>
    </message>
    <message>
        <source>The desktop did not take the key</source>
        <translation>デスクトップがキーを確保しませんでした</translation>
    </message>
    <message>
        <source>The desktop portal did not open a shortcuts session</source>
        <translation>デスクトップポータルがショートカットのセッションを開きませんでした</translation>
    </message>
    <message>
        <source>The desktop portal did not answer %1</source>
        <translation>デスクトップポータルが %1 に応答しませんでした</translation>
    </message>
    <message>
        <source>The desktop portal refused %1: %2</source>
        <translation>デスクトップポータルが %1 を拒否しました: %2</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: press %1, or start tesselle again, to open Tesselle.</source>
        <translation>ここには Tesselle のアイコンを表示するトレイがありません。Tesselle を開くには、%1 を押すか、tesselle をもう一度起動してください。</translation>
    </message>
    <message>
        <source>No tray shows Tesselle&apos;s icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it).</source>
        <translation>ここには Tesselle のアイコンを表示するトレイがありません。Tesselle を開くには、tesselle をもう一度起動してください（デスクトップのキーボードショートカットから起動することもできます）。</translation>
    </message>
    <message>
        <source>Could not read the espanso match file %1</source>
        <translation>espanso のマッチファイル %1 を読み込めませんでした</translation>
    </message>
    <message>
        <source>Could not write the espanso match file %1</source>
        <translation>espanso のマッチファイル %1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>The entry to change is not in the espanso match file %1</source>
        <translation>変更するエントリーが espanso のマッチファイル %1 にありません</translation>
    </message>
    <message>
        <source>Could not take the shortcuts out of the list, %1 are left in it: %2</source>
        <translation>リストからショートカットを削除できませんでした（残り: %1）: %2</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>不明な数</translation>
    </message>
</context>
<context>
    <name>ModalWindow</name>
    <message>
        <source>Welcome to Tesselle</source>
        <translation>Tesselle へようこそ</translation>
    </message>
</context>
<context>
    <name>PopoverButton</name>
    <message>
        <source>Help: %1</source>
        <translation>ヘルプ：%1</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Open and close Tesselle</source>
        <translation>Tesselle を開く/閉じる</translation>
    </message>
</context>
<context>
    <name>PresetActionButton</name>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
</context>
<context>
    <name>SearchField</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
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
        <translation>ヘルプ：%1</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>SkinToneRow</name>
    <message>
        <source>Skin tone</source>
        <translation>肌の色</translation>
    </message>
</context>
<context>
    <name>SupportSettingsView</name>
    <message>
        <source>Get in touch for any feedback, questions or features requests!</source>
        <translation>ご意見、ご質問、機能のご要望をお寄せください！</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>お問い合わせ</translation>
    </message>
</context>
<context>
    <name>TextShortcutsStatus</name>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;How to install espanso&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;espanso のインストール方法&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Start espanso</source>
        <translation>espanso を起動</translation>
    </message>
    <message>
        <source>Checking espanso…</source>
        <translation>espanso を確認中…</translation>
    </message>
    <message>
        <source>Working through espanso</source>
        <translation>espanso で動作中</translation>
    </message>
    <message>
        <source>Working through espanso %1</source>
        <translation>espanso %1 で動作中</translation>
    </message>
    <message>
        <source>espanso is installed but not running</source>
        <translation>espanso はインストール済みですが、動作していません</translation>
    </message>
    <message>
        <source>espanso is not installed: shortcuts start working once it is. %1</source>
        <translation>espanso がインストールされていません。インストールするとショートカットが使えるようになります。%1</translation>
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
        <translation>明るい肌の色</translation>
    </message>
    <message>
        <source>Medium-light skin tone</source>
        <translation>やや明るい肌の色</translation>
    </message>
    <message>
        <source>Medium skin tone</source>
        <translation>中間の肌の色</translation>
    </message>
    <message>
        <source>Medium-dark skin tone</source>
        <translation>やや暗い肌の色</translation>
    </message>
    <message>
        <source>Dark skin tone</source>
        <translation>暗い肌の色</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Open Tesselle</source>
        <translation>Tesselle を開く</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Tesselle menu</source>
        <translation>Tesselle メニュー</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Install Tesselle</source>
        <translation>Tesselle をインストール</translation>
    </message>
    <message>
        <source>Default appearance:</source>
        <translation>既定の見た目：</translation>
    </message>
    <message>
        <source>Default skin tone:</source>
        <translation>既定の肌の色：</translation>
    </message>
    <message>
        <source>Open at Login:</source>
        <translation>ログイン時に開く：</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>Tesselle: the shortcuts are not active, %1</source>
        <translation>Tesselle: ショートカットは無効です。%1</translation>
    </message>
    <message>
        <source>Tesselle Settings</source>
        <translation>Tesselle の設定</translation>
    </message>
    <message>
        <source>The shortcuts are not active, %1</source>
        <translation>ショートカットは無効です。%1</translation>
    </message>
</context>
</TS>
