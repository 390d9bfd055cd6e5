<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>실행</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>미디어 플레이어</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>작업 관리자</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>브라우저 홈</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>키보드가 사용 중입니다</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>키보드가 없습니다</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1은(는) 연결되어 있지 않습니다</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>프로그램 %1이(가) 없습니다. 실행 파일의 절대 경로를 지정하십시오</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>프로그램 이름에는 탭, 줄 바꿈 또는 기타 제어 문자를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>%1이(가) 손상되었습니다. %2(으)로 옮겼으며, 프로그램을 다시 연결할 때까지 앞에 있는 프로그램에 따른 전환은 꺼집니다.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>%1을(를) 열 수 없습니다: 그런 파일이 없습니다</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1은(는) %2바이트입니다. 프로필은 %3바이트입니다</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>펌웨어 업데이트 후 공장 설정을 복원하거나 Fn과 Pause를 함께 5초 동안 눌러 업데이트를 완료하십시오.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>펌웨어 업데이트</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>키보드를 새 펌웨어로 업데이트하시겠습니까?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>펌웨어 업데이트</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>경로 변경</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>이 경로는 저장할 수 없습니다:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>경로가 255자를 넘습니다:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>음악 재생</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>프로그램 실행</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>현재 키: </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>그룹 안의 항목을 선택하십시오</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>키 사용 안 함</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>키</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>숨쉬기</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>반응형</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>빗방울</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>링</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>사용자 1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>사용자 2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>사용자 3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>사용자 4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>사용자 5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>백라이트</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>백라이트 효과</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>키</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>게임 모드</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>키 응답 시간</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>USB 폴링 속도</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>색 %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>매크로 관리자</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>키 입력을 가져올 수 없어 녹화를 시작하지 않았습니다.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>매크로 이름은 최대 254자입니다. 이 이름은 %1자입니다.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>녹화할 매크로를 선택하십시오</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>매크로 관리자</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>삭제할 매크로를 선택하십시오</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>선택한 매크로를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>지연 시간 직접 편집</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>매크로가 가득 찼습니다. 이벤트는 최대 190바이트까지입니다.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>매크로 관리자</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>키 이벤트</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>반복</translation>
    </message>
    <message>
        <source>New</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>키 사이의
지연 녹화</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>매크로 관리자</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>매크로를 저장하지 못했습니다: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>키 %1은(는) 목록에서 위치가 바뀐 매크로 &quot;%2&quot;을(를) 계속 실행합니다.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>키 %1은(는) 삭제된 매크로를 실행했으므로 원래 기능으로 돌아갑니다.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>누르기</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>떼기</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>클릭</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>앞에 녹화</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>뒤에 녹화</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>마우스 기능 삽입</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>지연 삽입</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>키보드 시뮬레이터: 연결된 키보드 없음</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>키보드를 찾았지만 접근할 수 없습니다(udev 규칙 %1 설치 필요)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>키보드를 찾았지만 접근할 수 없습니다(다른 프로그램이 사용 중일 수 있음)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Quendal 정보...</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>공장 설정으로 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>공장 설정</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>게이밍 키보드가 없습니다!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>주의</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>설정을 적용하지 못했습니다: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>시작하지 못했습니다: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>드라이버 업데이트</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>버전: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>업데이트 프로그램을 찾을 수 없습니다: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>업데이트 프로그램을 시작하지 못했습니다: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>최소화</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>프로필 가져오기</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>프로필 내보내기</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>프로필은 최대 6개까지 보관할 수 있습니다</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>프로필_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>복사할 프로필을 선택하십시오</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>프로필이 하나 이상 필요합니다</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>삭제할 프로필을 선택하십시오</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>선택한 프로필을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>키보드가 연결되어 있지만 열 수 없습니다: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>나중에 연결한 키보드는 감지되지 않습니다(%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>Quendal 정보</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal 버전 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL는 이미 이 언어로 표시됩니다.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>다음 시작부터 VANTREL가 선택한 언어로 표시됩니다.</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL: 키보드 시뮬레이터</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>연결된 프로그램</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>이 데스크톱에서는 열려 있는 창 목록을 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1은(는) 프로필 %2에 연결되어 있었습니다. 이제 프로필 %3에 연결됩니다.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>먼저 프로필을 저장하십시오. 프로그램은 프로필에 연결됩니다.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>프로그램 연결</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>다른 프로그램의 창이 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>창의 프로그램 연결</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>제거할 프로그램을 선택하십시오.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>아직 프로필이 없습니다</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>프로그램 추가…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>창 추가…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>이전 프로필</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>다음 프로필</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>숨쉬기</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>손목 받침대 효과</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>키보드가 사용 중입니다</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>프로필 %1, 앞에 있는 프로그램에 따라</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>프로필 %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>변경 사항이 적용되거나 되돌려질 때까지 프로필 전환이 대기합니다</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>아직 프로필이 없습니다</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>자동 전환</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>자동 전환 (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>프로그램…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>창 표시</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Quendal 정보...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>주의</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>게이밍 키보드가 없습니다!</translation>
    </message>
</context>
</TS>
