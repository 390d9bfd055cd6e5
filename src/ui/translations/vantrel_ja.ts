<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>音量+</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>音量-</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピュータ</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>タスクマネージャー</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>ブラウザーのホーム</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>色</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>キーボードは使用中です</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>キーボードがありません</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1 は割り当てられていません</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>プログラム %1 がありません。実行ファイルの絶対パスを指定してください</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>プログラム名にタブ、改行、その他の制御文字は使えません</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>%1 は破損しています。%2 に移動しました。プログラムを再び割り当てるまで、前面のプログラムによる切り替えはオフです。</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>%1 を開けません: そのファイルはありません</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1 は %2 バイトです。プロファイルは %3 バイトです</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>ファームウェアの更新後、工場出荷時の設定に戻すか、Fn と Pause を同時に 5 秒間押し続けて更新を完了してください。</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>ファームウェアの更新</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>キーボードを新しいファームウェアに更新しますか?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>ファームウェアの更新</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>パスを変更</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>このパスは保存できません:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>パスが 255 文字を超えています:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>音楽を再生</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>プログラムを起動</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>現在のキー: </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>グループ内の項目を選択してください</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>単一キー</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>キーを無効化</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>点灯</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>スネーク</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>リップル</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>雨粒</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>リング</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>衝突</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>カスタム1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>カスタム2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>カスタム3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>カスタム4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>カスタム5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>バックライト</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>バックライト効果</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅く</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速く</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>強</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Win ロック</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>キー応答時間</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>USB レポートレート</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>色 %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>マクロマネージャー</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>キー入力を取得できないため、記録を開始していません。</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>マクロ名は 254 文字までです。この名前は %1 文字です。</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>記録先のマクロを選択してください</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>マクロマネージャー</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>削除するマクロを選択してください</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>選択したマクロを削除しますか?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>遅延を直接編集</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>マクロがいっぱいです。イベントは最大 190 バイトまでです。</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>マクロマネージャー</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>キー操作</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>記録を停止</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>記録を開始</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>キー間の
遅延を記録</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>マクロマネージャー</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>マクロを保存できませんでした: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>キー %1 は引き続きマクロ「%2」を実行します(リスト内の位置が変わりました)。</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>キー %1 は削除されたマクロを実行していたため、本来の機能に戻りました。</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>押す</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>離す</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>前に記録</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>後に記録</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>マウス機能を挿入</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>遅延を挿入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>キーボードシミュレーター: キーボードが接続されていません</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>キーボードにアクセス不可 (udev ルール %1 が必要)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>キーボードが見つかりましたがアクセスできません (別のプログラムが使用中の可能性があります)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Quendal について…</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>工場出荷時の設定に戻しますか?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>工場出荷時の設定</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>ゲーミングキーボードがありません!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>設定を適用できませんでした: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>起動できませんでした: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>ドライバーの更新</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>バージョン: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>構成</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>更新プログラムが見つかりません: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>更新プログラムを起動できませんでした: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>プロファイルのインポート</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>プロファイルのエクスポート</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>保存できるプロファイルは 6 個までです</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>プロファイル_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>コピーするプロファイルを選択してください</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>プロファイルが少なくとも 1 つ必要です</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>削除するプロファイルを選択してください</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>選択したプロファイルを削除しますか?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>キーボードは接続されていますが開けません: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>後から接続したキーボードは検出されません (%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>Quendal について</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal バージョン 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL はすでにこの言語で表示されています。</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>次回の起動から VANTREL は選択した言語で表示されます。</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL: キーボードシミュレーター</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>割り当て済みのプログラム</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>このデスクトップでは開いているウィンドウを一覧できません。</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 はプロファイル %2 に割り当てられていました。今はプロファイル %3 です。</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>先にプロファイルを保存してください。プログラムはプロファイルに割り当てます。</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>プログラムを割り当て</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>他のプログラムのウィンドウは開いていません。</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>ウィンドウのプログラムを割り当て</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>削除するプログラムを選んでください。</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>プロファイルはまだありません</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>プログラムを追加…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>ウィンドウを追加…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>前のプロファイル</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>次のプロファイル</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>点灯</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>強</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅く</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速く</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>パームレスト効果</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>キーボードは使用中です</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>プロファイル %1（前面のプログラムによる）</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>変更が適用されるか元に戻されるまで、プロファイルの切り替えは待機します</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>プロファイルはまだありません</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>自動切り替え</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>自動切り替え (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>プログラム…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Quendal について…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>ゲーミングキーボードがありません!</translation>
    </message>
</context>
</TS>
