<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>поиск</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>операция</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>мультимедиа</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>мультимедийный проигрыватель</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/ Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>Vol+</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>Vol-</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>клавиша быстрого вызова</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>вставить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>печать</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>выбрать все</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>мой компьютер</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>управление</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>Главная страница</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
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
        <translation>клавиатура занята</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>нет клавиатуры</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>программа %1 не привязана</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>нет программы %1; укажите абсолютный путь к исполняемому файлу</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>имя программы не может содержать табуляции, переводы строк и другие управляющие символы</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>Файл %1 повреждён; он перемещён в %2, и переключение по программе на переднем плане выключено, пока программы не будут привязаны снова.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>не удаётся открыть %1: такого файла нет</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>в файле %1 %2 байт, а в профиле %3</translation>
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
        <translation>После обновления микропрограммы, пожалуйста, используйте заводские настройки для работы драйвера или зажмите
одновременно клавиши FN и Pause на 5 секунд, чтобы завершить обновление.</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware Update</translation>
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
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>Этот путь нельзя сохранить:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>Путь длиннее 255 знаков и не помещается в назначение клавиши:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>Воспроизведение
Громкость</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>Диспетчер
запуска</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть
файл</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть
каталог</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>выбранная клавиша:</translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>Выберите подпункт</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>макрос</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>основная</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительная</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>клавиша</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>комбинация клавиш</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>кнопка выключения</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>сброс</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>сохранить</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>клавиша
комбинация
клавиш</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>Постоянный режим</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Режим пульсации</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>волновой режим</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Нажмите для вкл./выкл. режима</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Режим S-образного перехода</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Режим ряби</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Режим выполнения</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>Режим дождя</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Режим кругового перехода</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>режим взаимного столкновения</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Режим радара</translation>
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
        <translation>подсветка</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>эффект подсветки</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>скорость</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>уменьшить</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>увеличить</translation>
    </message>
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
        <translation>макросами</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Режим &quot;Игра&quot;</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>WinLock Mold</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>Время отклика кнопки</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>Частота опроса USB</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Цвет %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>Управление макросами</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>Не удалось перехватить нажатия клавиш; запись не начата.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>Имя макроса может содержать не более 254 символов, а в этом %1.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>Выбрать файл макроса для записи
</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>Управление макросами</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>Выбрать файл макроса для удаления</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>Удалить выбранный макрос?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>Измените текущее значение задержки</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>Макрос заполнен: в нём помещается не более 190 байт событий.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>макросами</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Макрос(-ы)</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>клавиш</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Параметры записи</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Цикл</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Прервать запись</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>Задержка
Между
Нажатиями клавиш</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>Управление макросами</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>Макросы не сохранены: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>Клавиша %1 запускает тот же макрос «%2»; его место в списке изменилось.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>Клавиша %1 запускала удалённый макрос и снова выполняет свою функцию.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>Щелчок левой</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Щелчок правой</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Щелчок средней</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Щелчок</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>Запись до</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>Запись после</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>Insert Mouse Key</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Вставить задержку</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>Симулятор клавиатуры: клавиатура не подключена</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>Клавиатура найдена, но недоступна (установите правило udev %1)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>Клавиатура найдена, но недоступна (возможно, её использует другая программа)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>About Quendal...</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Подтвердить возврат к заводским настройкам?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Заводские настройки</translation>
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
        <translation>Не удалось применить настройки: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>Не удалось запустить: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>сброс</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>Обновление драйвера</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>Версия ПО: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>Программа обновления не найдена: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>Не удалось запустить программу обновления: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
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
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>импорт</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>экспорт</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>Разрешено не более шести профилей</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Профиль_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>Выберите профиль для копирования</translation>
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
        <translation>Клавиатура подключена, но открыть её не удалось: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>клавиатура, подключённая позже, не будет замечена (%1)</translation>
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
        <translation>VANTREL уже говорит на этом языке.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>Выбранный язык будет включён при следующем запуске VANTREL.</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL — симулятор клавиатуры</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>Привязанные программы</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>Программы</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>На этом рабочем столе нельзя получить список открытых окон.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 включала профиль %2; теперь она включает профиль %3.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>Сначала сохраните профиль: программы привязываются к профилям.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>Привязать программу</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>Окон других программ не открыто.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>Привязать программу окна</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>Выберите программу, которую нужно убрать.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Профилей пока нет</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>Добавить программу…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>Добавить окно…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>Предыдущий профиль</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>Следующий профиль</translation>
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
        <translation>клавиатура занята</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>Профиль %1, по программе на переднем плане</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Профиль %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>Смена профиля ждёт применения или отмены изменений</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Профилей пока нет</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Автоматическое переключение</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>Автоматическое переключение (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>Программы…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>Запускать при входе</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>About Quendal...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
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
