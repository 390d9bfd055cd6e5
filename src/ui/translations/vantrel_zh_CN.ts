<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>多媒体播放器</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷健</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Закрыть</translation>
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
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>任务管理器</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>浏览器-主页</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>键盘正忙</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>没有键盘</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1 未绑定</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>没有程序 %1；请给出可执行文件的绝对路径</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>程序名不能包含制表符、换行符或其他控制字符</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>%1 已损坏；它已被移至 %2，在重新绑定程序之前，按前台程序切换配置已关闭。</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>无法打开 %1：没有这个文件</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1 有 %2 字节；配置文件应有 %3 字节</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>После обновления микропрограммы, пожалуйста, используйте заводские настройки для работы драйвера или зажмите
одновременно клавиши FN и Pause на 5 секунд, чтобы завершить обновление.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>更新到新的固件吗？</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>固件更新</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>modification path</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>請選擇文件夾</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>无法保存此路径:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>路径超过255个字符:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>播放音樂</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>啓動</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打開文件</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打開目錄</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>当前按键:</translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>請選擇子項</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高級功能</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>禁用按钮</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初始值</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>單鍵/組合鍵</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>全亮</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>隨按漸滅</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇形跑馬</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>漣漪</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>環形跑馬</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>對衝</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>DIY1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>DIY2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>DIY3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>DIY4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>DIY5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>黑</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>亮</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>Keymap</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>DIY</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>游戏模式</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Win Lock模式</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>按键响应时间</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>Частота опроса USB</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>颜色 %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>無法捕獲鍵盤按鍵，錄製沒有開始。</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>宏名稱最多254個字符，這個名稱有%1個。</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>請選擇一個宏指令文件錄製</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>宏管理器</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>請選擇一個宏指令文件刪除</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>確認刪除嗎？</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>請編輯當前延時</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>宏已滿：事件最多190個字節。</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>宏管理器</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>選擇宏</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>按鍵系列</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>錄製選項</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循環次數</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>记录按键动作
间的延迟</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>宏管理器</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>宏沒有保存：</translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>按鍵%1仍執行宏「%2」，它在列表中的位置變了。</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>按鍵%1執行的宏已刪除，按鍵恢復了原來的功能。</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>壓下</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>釋放</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>單擊</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>在之前開始錄入</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>在之后開始錄入</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>插入鼠標按鍵</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>插入延遲</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>键盘模拟器：未连接键盘</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>已找到键盘，但无法访问（请安装 udev 规则 %1）</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>已找到键盘，但无法访问（可能正被其他程序使用）</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>About Quendal...</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>确认恢复至出厂设置吗？</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>出厂设置</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Нет игровой клавиатуры!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>应用失败：</translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>无法启动：</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>恢復出廠設定</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>驱动更新</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>版本: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>應用</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>未找到更新程序：</translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>无法启动更新程序：</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
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
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>配置管理</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>导入配置</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>导出配置</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>最多可以存储6个配置
</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Профиль_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>请选择一个配置拷贝</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>Требуется не менее одного профиля</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>Выбор профиля для удаления</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>Удалить выбранный профиль?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>импорт</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>экспорт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>键盘已连接，但无法打开：</translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>之后连接的键盘将不会被发现（%1）</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>关于 Quendal</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal 1.1 版</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL 已在使用此语言。</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>所选语言将在 VANTREL 下次启动时生效。</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL — 键盘模拟器</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>已绑定的程序</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>程序</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>此桌面无法列出当前打开的窗口。</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 原先对应配置 %2；现在对应配置 %3。</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>请先保存一个配置：程序是绑定到配置的。</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>绑定程序</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>没有打开其他程序的窗口。</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>绑定窗口的程序</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>请选择要移除的程序。</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>还没有配置</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>添加程序…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>添加窗口…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>上一个配置</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>下一个配置</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>Режим пульсации</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Режим выполнения</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>Постоянный режим</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>волновой режим</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>OFF</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>скорость</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>Эффекты подставки для рук</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>键盘正忙</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>配置 %1，来自前台程序</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>配置 %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>配置切换等待更改被应用或撤销</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>还没有配置</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>自动切换</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>自动切换（%1）</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>程序…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>About Quendal...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Нет игровой клавиатуры!</translation>
    </message>
</context>
</TS>
