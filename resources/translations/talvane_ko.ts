<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>변환에 실패했습니다(결과 %1)</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>출력 폴더가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>출력 폴더 경로가 엔진에 비해 너무 깁니다: 더 짧은 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>미디어 파일 %1이(가) 더 이상 존재하지 않습니다</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>파일 그룹의 구성원 중 미디어 파일이 아닌 것이 있습니다</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>임시 폴더에 파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>DVD 데이터가 손상되었습니다: %1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>%2에 있는 DVD 타이틀 %1의 기록이 손상되었습니다</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>%1에 있는 DVD 기록이 손상되었습니다</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>%1 엔진이 응답하지 않아(%2초 동안 진행 없음) 종료했습니다</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>작업 중 %1 디스크의 공간이 부족해졌습니다: 출력에 약 %2이(가) 필요하지만 디스크의 여유 공간은 %3입니다</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>작업 중 %1 디스크의 공간이 부족해졌습니다: 출력에 디스크의 여유 공간 %2보다 많은 공간이 필요합니다</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>%1 엔진이 실패했습니다: %2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>%1 엔진이 실패했습니다(결과 %2)</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>%1 엔진을 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>출력이 완전하지 않습니다: %1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>출력 길이가 %2초가 아니라 %1초입니다: 원본이 잘렸을 수 있습니다</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>%1 프로필을 사용할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>엔진이 프로필이 만든 인수 벡터를 받아들이지 않습니다</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>출력 파일 이름 %1의 길이는 %2바이트입니다. 파일 시스템은 최대 %3바이트까지 허용합니다</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>출력 경로 %1이(가) 엔진에 비해 너무 깁니다</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>슬라이드쇼를 만들지 못했습니다: %1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>image-to-video 엔진이 동영상을 만들지 않았습니다</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>만든 슬라이드쇼에 비디오가 없습니다</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>선택한 타이틀을 병합할 수 없습니다</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>%2에 있는 DVD 타이틀 %1의 기록이 손상되었습니다. %3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>%1에 있는 DVD 기록이 손상되었습니다. %2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>%1 엔진이 멈췄습니다: %2이(가) 파일 크기 제한(ulimit -f)에 도달했습니다</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>%1 엔진이 비정상 종료되었습니다: %2이(가) %3(으)로 끝났습니다</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>%1 엔진이 강제 종료되었습니다: %2이(가) SIGKILL로 끝났습니다</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>%1 엔진이 시그널로 종료되었습니다: %2이(가) %3(으)로 끝났습니다</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>%2의 이름 &quot;%1&quot;은(는) UTF-8 텍스트가 아니므로 출력 폴더에 아무것도 쓸 수 없습니다: 이름을 바꾸거나 다른 출력 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>%2의 이름 &quot;%1&quot;은(는) UTF-8 텍스트가 아니므로 소스를 읽을 수 없습니다: 이름을 바꾸십시오</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a source that was not loaded, and why</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DNCellProfileImageView</name>
    <message>
        <source>Output Profile</source>
        <translation>출력 프로필</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>프로필 편집</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>미디어 정보</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>태그</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
</context>
<context>
    <name>DNDVDNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>트랙 %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>강제 자막</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>타이틀 병합:</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>대상: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>출력 파일:</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>태그</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>출력 프로필</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>프로필 편집</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>출력 파일 이름</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>프로필 없음</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>감지된 메인 타이틀: </translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>추출할 타이틀: </translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>출력 형식: </translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>태그 편집</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>타이틀 %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>오디오 음량</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>자막</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>크롭 및 확장</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>모두 선택 해제</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>오디오 없음</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>트랙 %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>강제 자막</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>자막 불러오기...</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>자막 끄기</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>자막 없음</translation>
    </message>
</context>
<context>
    <name>DNEffectsView</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderController</name>
    <message>
        <source>Video files (%1)</source>
        <translation>동영상 파일 (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>사진을 불러오지 못했습니다!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>추가되지 않은 파일이 있습니다</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>다음 파일을 추가할 수 없습니다:</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>사진 불러오는 중</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>%1 불러오는 중</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DNFileNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>트랙 %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>출력 파일:</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>출력 형식: </translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>프로필 없음</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>사진 폴더 추가</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>이 음악 제거</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>음악 추가</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>음악 (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>슬라이드쇼</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>미리 보기 재생</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>전환 효과</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>음악 길이에 맞춤</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>사진당 시간(초):</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>동영상:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>음악:</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>모든 폴더</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>폴더 추가...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>GPS 위치</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>생성 날짜</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>정렬 기준:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>오름차순</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>내림차순</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>음악 추가...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>자주 사용하는 프로필</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>DVD 백업 프로필</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>모바일 기기 프로필</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>웹 동영상 프로필</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>일반 동영상 프로필</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>선택한 프로필 없음</translation>
    </message>
</context>
<context>
    <name>DNNodeTagController</name>
    <message>
        <source>Tags</source>
        <translation>태그</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>출력 이름:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>아티스트:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>설명:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>장르:</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>모두에 적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>DNProfile</name>
    <message>
        <source>keep origin</source>
        <translation>원본 유지</translation>
    </message>
    <message>
        <source>original audio</source>
        <translation>원본 오디오</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>코덱: %@+%@, 해상도: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>코덱: %@, 비트레이트: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>코덱: %@, 비트레이트: %@kbps</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>%@이(가) 손상되었습니다!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>&apos;%1&apos;이(가) 손상되어 열 수 없습니다. &apos;%1&apos;을(를) 삭제한 후 공식 웹 사이트에서 다시 다운로드하세요!</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>지금 다운로드</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DNProfilePreviewTableViewController</name>
    <message>
        <source>%1 Profile Selected</source>
        <translation>&apos;%1&apos; 프로필을 선택했습니다</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>출력 형식: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>출력 파일:</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>오디오 없음</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>트랙 %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>자막 불러오기...</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>자막 끄기</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>자막 없음</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>프로필 없음</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>자막 (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
</context>
<context>
    <name>DNRootPhotoCell</name>
    <message>
        <source>%1 photos</source>
        <translation>사진 %1장</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - 화면 녹화</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>녹화 영역 선택</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>X11 세션만 녹화할 수 있습니다. 이 세션은 Wayland에서 실행 중입니다.</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>X11 세션만 녹화할 수 있습니다. 이 세션에는 X 디스플레이가 없습니다.</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>화면 녹화를 사용할 수 없습니다!</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>녹화를 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>레코더를 닫기 전에 녹화를 중지하세요.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>320x240</source>
        <translation>320x240</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>화면의 실시간 영상을 여기에 표시할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>녹화 중지</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>%1의 새 버전을 찾는 중...</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>다운로드 페이지에서 새 버전 확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>웹 사이트 방문</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>%1 업데이트 마법사</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>이 응용 프로그램의 %1 버전을 사용할 수 있습니다. 현재 버전은 %2입니다.</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>이 응용 프로그램의 새 버전이 있습니다. 웹 사이트를 방문하시겠습니까?</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>이미 최신 버전의 응용 프로그램을 사용하고 있습니다.</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>업데이트 서비스가 설정되어 있지 않아 새 버전을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>업데이트 서비스에 새 버전에 대한 정보가 없습니다.</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>업데이트 서비스의 응답을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>업데이트 서비스에 연결할 수 없습니다. 네트워크 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>자막 없음</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>위쪽</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>아래쪽</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>자막 파일 선택</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>자막 (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>워터마크 이미지 선택</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>이미지 (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>동영상 편집</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>재생 또는 일시 정지</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>자막</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>크롭</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>워터마크</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>효과</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>모두에 적용</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>이 편집 내용을 목록의 모든 DVD 타이틀에 적용합니다</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>음량:</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>프로필의 화면 크기까지 검은 띠로 채우기</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>프로필 화면 크기:</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>재생하면 표시됩니다</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>원본 화면 크기:</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>시작과 끝 사이의 구간만 남깁니다. 슬라이더 양쪽 끝의 손잡이를 드래그하거나 시간을 입력하세요.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>시작:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>종료:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>길이:</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>원본 화면 위의 상자를 드래그하거나 프리셋을 선택하세요.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>프리셋:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>너비:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>높이:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>왼쪽:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>위쪽:</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>90° 회전</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>화면을 시계 방향으로 90° 회전합니다</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>화면을 좌우로 반전합니다</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>동영상 위에 이미지나 텍스트를 겹칩니다. 미리 보기에서 상자를 드래그하세요.</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>이미지:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>텍스트:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>선택...</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>표시할 텍스트</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>글꼴...</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>투명도:</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>화면에 색상 효과를 적용합니다.</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>자막</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>자막 스트림이나 자막 파일을 화면에 입힙니다.</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>자막 스트림:</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>자막 파일:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>위치:</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>자막 언어</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>자막 파일은 어떤 언어입니까?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>텍스트 색상...</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>녹화 시작</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>%2의 %1 버전을 사용할 수 있습니다. 현재 버전은 %3입니다.
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>이 응용 프로그램의 새 버전이 있습니다. 기능이 개선된 최신 버전으로 업그레이드하는 것이 좋습니다.</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2은(는) 최신 버전입니다. 업데이트할 내용이 없습니다.</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>NXAppController</name>
    <message>
        <source>No video source!</source>
        <translation>동영상 소스가 없습니다!</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>DVD 디스크를 불러오거나 동영상 클립 또는 사진 폴더를 추가하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>여유 공간 부족</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>출력 폴더의 여유 공간이 부족할 수 있습니다.</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>변환에 약 %1이(가) 필요하지만 &apos;%2&apos; 디스크의 여유 공간은 %3입니다. 변환 중 디스크가 가득 차면 변환이 실패하고 아무것도 남지 않습니다.</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>그래도 변환</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>출력 형식이 없습니다!</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>다음 항목의 출력 형식을 선택하십시오:</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>미리 보기를 재생할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - 동영상 녹화</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>카메라를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>카메라를 찾을 수 없습니다. 동영상을 녹화하려면 카메라를 연결하세요.</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>설정에서 카메라를 선택하세요.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>녹화를 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>레코더를 닫기 전에 녹화를 중지하세요.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>&apos;%1&apos; 범주: 출력 프로필을 선택하세요</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>NXDiscScanerController</name>
    <message>
        <source>No Disc Found</source>
        <translation>디스크를 찾을 수 없음</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>DVD 이미지 선택</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>DVD 이미지 (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>DVD 폴더 선택</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>DVD 불러오는 중...</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>%1 분석 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>DVD 구조를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>DVD를 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>DVD 불러오기</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>불러올 DVD 디스크를 선택하세요:</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 디스크</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>DVD 폴더를 선택하세요(VIDEO_TS가 들어 있는 폴더 또는 VIDEO_TS 폴더 자체):</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD 폴더</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>DVD 이미지 파일(.iso)을 선택하세요:</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Loading DVD</source>
        <translation>DVD 불러오는 중</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>미디어 정보</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>전체 비디오 스트림</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>전체 오디오 스트림</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>전체 자막 스트림</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>재생 시간</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>비디오 %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>비디오 코덱</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>스트림 비트레이트</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>프레임 크기</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1x%2 픽셀</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>화면비</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>프레임 속도</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>오디오 %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>오디오 코덱</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>자막 %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>타이틀 %1</translation>
    </message>
</context>
<context>
    <name>NXLogController</name>
    <message>
        <source>Log</source>
        <translation>로그</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>이 디스플레이에서는 동영상을 표시할 OpenGL을 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>플레이어를 시작할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>시작할 때마다</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>매일</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>매주</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>매월</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>안 함</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>선택...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>출력 폴더:</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>스냅샷 폴더:</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>변환이 끝나면</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>컴퓨터 끄기</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>출력 폴더 열기</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>MP4 및 M4V 파일을 비디오 라이브러리에 추가</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>업데이트 확인:</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>기본 오디오 언어:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>출력 프로필 범주</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>출력 프로필</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>모두에 적용</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>최근 사용한 프로필</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>선택한 프로필 없음</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>비디오 트랙 사용 안 함</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>비디오 코덱: 원본 비디오 유지</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>프로필 설정</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>프로필:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>코덱:</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>너비와 높이는 1에서 9999 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>해상도:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>프레임 속도:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>화면비:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>비트레이트:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>샘플 레이트:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>채널:</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>자막 입히기:</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>2패스 인코딩</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>모두에 적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>선택한 프로필 없음</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>예</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>NXProfilePreviewCell</name>
    <message>
        <source>Fast</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느림</translation>
    </message>
    <message>
        <source>LQ</source>
        <translation>저화질</translation>
    </message>
    <message>
        <source>HQ</source>
        <translation>고화질</translation>
    </message>
    <message>
        <source>➤ Recommended</source>
        <translation>➤ 추천</translation>
    </message>
</context>
<context>
    <name>NXProfileValues</name>
    <message>
        <source>keep origin</source>
        <translation>원본 유지</translation>
    </message>
    <message>
        <source>Smart Match</source>
        <translation>자동</translation>
    </message>
</context>
<context>
    <name>NXProgressController</name>
    <message>
        <source>fetching...</source>
        <translation>가져오는 중...</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>%1 / %2 변환 중</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>%1 / %2 프레임 완료</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>대기 중...</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>변환 중...</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>중지하는 중...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>변환 중</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>타이틀:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>출력:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>시작:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>종료:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>재생 시간:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>변환됨:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>남은 시간:</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>FPS:</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>프레임:</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>완료되면 컴퓨터 끄기</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>완료되면 출력 폴더 열기</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>변환 실패</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>다음 항목을 변환할 수 없습니다:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an item that was not converted, and why</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>NXPromptView</name>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 디스크</translation>
    </message>
    <message>
        <source>Load a DVD disc</source>
        <translation>DVD 디스크 불러오기</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD 폴더</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>DVD 폴더</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>ISO 이미지</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켬</translation>
    </message>
</context>
<context>
    <name>NXTimePicker</name>
    <message>
        <source>Increment</source>
        <translation>증가</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>감소</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>시간 선택기</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>최고 화질</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>다운로드 옵션</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>형식:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>해상도:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>저장 위치:</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>다운로드 속도 제한</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>다운로드가 끝나면 대상 폴더 열기</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>다운로드가 끝나면 컴퓨터 끄기</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>프록시:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켬</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>프록시 주소와 1~65535 사이의 포트를 입력하세요.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>http:// 또는 https://로 시작하는 온라인 동영상 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>이 디스플레이는 OpenGL을 지원하지 않으므로 여기에 온라인 동영상을 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>%1에 연결하는 중...</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>이미지를 %1에 저장했습니다.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>일시 정지되었습니다.</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>%1 재생 중</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>%1 불러오는 중...</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>중지되었습니다.</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>%1의 동영상을 재생할 수 없습니다. 주소에 동영상이 없거나 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>%1 연결이 %2/%3 지점에서 끊어져 재생이 중지되었습니다.</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>%1 재생을 마쳤습니다.</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>정수로 변환할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>지금 응용 프로그램을 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>언어 변경 사항은 다음에 응용 프로그램을 열 때 적용됩니다.</translation>
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
        <source>Load DVD</source>
        <translation>DVD 불러오기</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>클릭하면 DVD 디스크를 불러오고, 길게 누르면 다른 소스를 고를 수 있습니다</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>변환 옵션</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>고화질</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>디인터레이스</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>안전 모드</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPU 코어:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>스냅샷 폴더 열기</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>출력 폴더:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>변환된 파일을 저장할 폴더를 선택합니다</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>출력 폴더 보기</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>로그 보기</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>이 폴더를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>&quot;%1&quot; 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>그곳에는 아무것도 저장할 수 없습니다. 쓰기 권한이 있는 폴더를 선택하세요. 이전 폴더가 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 디스크</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>DVD 폴더</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>ISO 이미지</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>동영상 추가</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>사진 추가</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>문의하기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>병합</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>화면 녹화</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>온라인 동영상</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvane은 온라인 동영상을 재생하지만 다운로드하지는 않습니다.</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>온라인 동영상 주소 붙여넣기(http:// 또는 https://)</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>이 주소의 동영상 재생</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>다운로드 옵션</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>일시 정지 또는 재개</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>동영상 이미지 저장</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>다운로드 폴더 열기</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>다운로드: 없음(재생만 가능)</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>완료 항목 지우기</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>지금 다운로드</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>선택...</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>저장 위치:</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>화면 녹화 설정</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>화질:</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>프레임/초</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>프레임 속도:</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>오디오:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>카운트다운:</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>마우스 클릭 표시</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>녹화가 끝나면 동영상 열기</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>동영상을 변환 목록에 추가</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>녹화 영역:</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>동영상 녹화 설정</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>카메라:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>마이크:</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>최대 크기:</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>미리 보기 음량:</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>폴더에서 동영상 보기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>%2의 이름 &quot;%1&quot;은(는) UTF-8 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>경로에 텍스트가 아닌 이름이 들어 있는 폴더에는 아무것도 저장할 수 없습니다. 이름을 바꾸거나 다른 폴더를 선택하십시오. 이전 폴더가 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 가리기</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 종료</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1 도움말</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>cropConfigure</name>
    <message>
        <source>Free</source>
        <translation>자유</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>Keep Current Ratio</source>
        <translation>현재 비율 유지</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>드래그할 때 16:9 유지</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>드래그할 때 4:3 유지</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1 (정사각형)</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2.35:1 (시네마)</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>검은 테두리 제거</translation>
    </message>
</context>
</TS>
