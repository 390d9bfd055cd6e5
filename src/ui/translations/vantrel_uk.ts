<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Виконати</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Медіапрогравач</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Попередній</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Наступний</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворити/Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>Гучніше</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>Тихіше</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Скорочення</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новий</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Позначити все</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп’ютер</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>Диспетчер завдань</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>Домашня сторінка браузера</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>КОЛІР</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>клавіатура зайнята</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>немає клавіатури</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>програму %1 не прив’язано</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>немає програми %1; вкажіть абсолютний шлях до виконуваного файлу</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>назва програми не може містити табуляцій, розривів рядків чи інших керівних символів</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>Файл %1 пошкоджено; його переміщено до %2, і перемикання за програмою на передньому плані вимкнено, доки програми не буде прив’язано знову.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>не вдається створити %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>не вдається відкрити %1: такого файлу немає</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>файл %1 має %2 байт, а профіль — %3</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>Після оновлення мікропрограми відновіть заводські параметри або утримуйте Fn і Pause разом 5 секунд, щоб завершити оновлення.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Оновлення мікропрограми</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>Оновити клавіатуру до нової мікропрограми?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Оновлення мікропрограми</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>змінити шлях</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Виберіть теку</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>Цей шлях не можна зберегти:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>Шлях довший за 255 символів:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Вилучити все</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>Відтворити
музику</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>Запустити
програму</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Відкрити
файл</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Відкрити
теку</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>Поточна клавіша: </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>Виберіть пункт усередині групи</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Основні</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Додатково</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Одна клавіша</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типово</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>Постійне</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Дихання</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакція на натискання</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змійка</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Брижі</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>Краплі дощу</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Кільце</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Зіткнення</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>Власний 1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>Власний 2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>Власний 3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>Власний 4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>Власний 5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>Підсвічування</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>Ефект підсвічування</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Швидко</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Тьмяно</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Яскраво</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Напрямок</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>Власний</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Макроси</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Ігровий</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Блок. Win</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>Час відгуку клавіш</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>Частота опитування USB</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Колір %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>Керування макросами</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>Не вдалося перехопити натискання клавіш; запис не розпочато.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>Назва макросу містить щонайбільше 254 символи; ця має %1.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>Виберіть макрос для запису</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>Керування макросами</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>Виберіть макрос для вилучення</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>Вилучити вибраний макрос?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>Змінити саму затримку</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>Макрос заповнено: він вміщує щонайбільше 190 байтів подій.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>Керування макросами</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Макроси</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Цикл</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новий</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Відміна</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>Записувати
затримки
між клавішами</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>Керування макросами</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>Макроси не збережено: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>Клавіша %1 і далі запускає макрос «%2», чиє місце у списку змінилося.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>Клавіша %1 запускала вилучений макрос і знову виконує свою функцію.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>Ліва кнопка</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Права кнопка</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Середня кнопка</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Натиснути</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Відпустити</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Клацання</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>Записати перед</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>Записати після</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>Вставити дію миші</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Вставити затримку</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Вилучити</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>Симулятор клавіатури: клавіатуру не під’єднано</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>Клавіатуру знайдено, але вона недоступна (встановіть правило udev %1)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>Клавіатуру знайдено, але вона недоступна (можливо, її використовує інша програма)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Про Quendal…</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Відновити заводські параметри?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Заводські параметри</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Немає ігрової клавіатури!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>Не вдалося застосувати параметри: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>Не вдалося запустити: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>Оновити драйвер</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>Версія: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Прийняти</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>Програму оновлення не знайдено: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>Не вдалося запустити програму оновлення: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Згорнути</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Profiles</source>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Імпортувати профіль</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Експортувати профіль</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>Можна зберігати щонайбільше шість профілів</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Профіль_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>Виберіть профіль для копіювання</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>Потрібен щонайменше один профіль</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>Виберіть профіль для вилучення</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>Вилучити вибраний профіль?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>Клавіатуру під’єднано, але її не вдалося відкрити: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>клавіатуру, під’єднану пізніше, не буде помічено (%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>Про Quendal</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal версії 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL уже говорить цією мовою.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>VANTREL говоритиме вибраною мовою після наступного запуску.</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL: симулятор клавіатури</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Програми</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>Прив’язані програми</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>Програми</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>На цій стільниці не можна отримати список відкритих вікон.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 вмикала профіль %2; тепер вона вмикає профіль %3.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>Спершу збережіть профіль: програми прив’язуються до профілів.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>Прив’язати програму</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>Не відкрито жодного вікна іншої програми.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>Прив’язати програму вікна</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>Виберіть програму, яку треба прибрати.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Профілів ще немає</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>Додати програму…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>Додати вікно…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Прибрати</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>Попередній профіль</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профіль</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>Наступний профіль</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>Дихання</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>Постійне</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимкнено</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Тьмяно</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Яскраво</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Швидко</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>Ефекти підставки для зап’ясть</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>клавіатура зайнята</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>Профіль %1, від програми на передньому плані</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Профіль %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>Перемикання профілю чекає, доки зміни буде застосовано або скасовано</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Профілів ще немає</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Автоматичне перемикання</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>Автоматичне перемикання (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>Програми…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>Показати вікно</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Про Quendal…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Немає ігрової клавіатури!</translation>
    </message>
</context>
</TS>
