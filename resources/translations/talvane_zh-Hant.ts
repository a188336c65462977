<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>轉換失敗（結果 %1）</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>尚未設定輸出資料夾</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>輸出資料夾的路徑對引擎而言太長：請選擇較短的路徑</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>媒體檔案 %1 已不存在</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>檔案群組中有成員不是媒體檔案</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>無法在暫存資料夾中建立檔案</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>DVD 的資料已損毀：%1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>DVD 中標題 %1 的記錄（%2）已損毀</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>DVD 的記錄（%1）已損毀</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>%1 引擎停止回應（%2 秒內沒有進度），已被結束</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>處理期間 %1 所在的磁碟空間已用盡：輸出約需 %2，但磁碟只剩 %3 可用空間</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>處理期間 %1 所在的磁碟空間已用盡：輸出所需空間超過磁碟剩餘的 %2</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>%1 引擎失敗：%2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>%1 引擎失敗（結果 %2）</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>無法使用 %1 引擎</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>輸出不完整：%1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>輸出長度為 %1 秒，而預期為 %2 秒：來源檔案可能被截斷</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>無法使用設定檔 %1：%2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>引擎無法接受設定檔產生的參數向量</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>輸出檔案名稱 %1 長達 %2 位元組；檔案系統最多只接受 %3 位元組</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>輸出路徑 %1 對引擎而言太長</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>未能製作幻燈片秀：%1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>image-to-video 引擎未產生影片</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>製作出的幻燈片秀沒有視訊</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>無法合併所選的標題</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>DVD 中標題 %1 的記錄（%2）已損毀，%3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>DVD 的記錄（%1）已損毀，%2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>%1 引擎已停止：%2 達到了檔案大小上限（ulimit -f）</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>%1 引擎當掉了：%2 以 %3 結束</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>%1 引擎被強制結束：%2 以 SIGKILL 結束</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>%1 引擎被訊號結束：%2 以 %3 結束</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>%2 中的名稱「%1」不是 UTF-8 文字，因此無法寫入輸出資料夾：請重新命名，或選擇其他輸出資料夾</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>%2 中的名稱「%1」不是 UTF-8 文字，因此無法讀取來源：請重新命名</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a source that was not loaded, and why</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>DNCellProfileImageView</name>
    <message>
        <source>Output Profile</source>
        <translation>輸出設定檔</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>編輯設定檔</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>媒體資訊</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
</context>
<context>
    <name>DNDVDNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>音軌 %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>強制字幕</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>合併標題：</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>目標：</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>輸出檔案：</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>輸出設定檔</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>編輯設定檔</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>輸出檔名</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>無設定檔</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>偵測到的主標題：</translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>準備轉錄的標題：</translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>輸出格式：</translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>編輯標籤</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>標題 %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>修剪</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>裁切與擴展</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>全部取消選取</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>無音訊</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>音軌 %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>強制字幕</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>載入字幕…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>關閉字幕</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>無字幕</translation>
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
        <translation>影片檔案 (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>無法載入相片！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>有些檔案未加入</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>無法加入以下檔案：</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>載入中</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>正在載入相片</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>正在載入 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DNFileNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>音軌 %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>輸出檔案：</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>輸出格式：</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>無設定檔</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>加入相片資料夾</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>移除這首音樂</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>加入音樂</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>音樂 (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>幻燈片秀</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>播放預覽</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>轉場效果</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>配合音樂長度</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>每張相片秒數：</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>影片：</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>音樂：</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>所有資料夾</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>加入資料夾…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>GPS 位置</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>建立日期</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>排序方式：</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>遞增</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>遞減</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音樂</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>加入音樂…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>常用設定檔</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>DVD 備份設定檔</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>行動裝置設定檔</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>網路影片設定檔</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>一般影片設定檔</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>未選取設定檔</translation>
    </message>
</context>
<context>
    <name>DNNodeTagController</name>
    <message>
        <source>Tags</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>輸出名稱：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>演出者：</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>註解：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>套用至全部</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>DNProfile</name>
    <message>
        <source>keep origin</source>
        <translation>保持原始</translation>
    </message>
    <message>
        <source>original audio</source>
        <translation>原始音訊</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>編解碼器：%@+%@，解析度：%@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>編解碼器：%@，位元速率：%@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>編解碼器：%@，位元速率：%@ kbps</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>%@ 已損毀！</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>「%1」已損毀，無法開啟。請刪除「%1」，然後從官方網站重新下載！</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下載</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DNProfilePreviewTableViewController</name>
    <message>
        <source>%1 Profile Selected</source>
        <translation>已選取設定檔「%1」</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>輸出格式：</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>輸出檔案：</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>無音訊</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>音軌 %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>載入字幕…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>關閉字幕</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>無字幕</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>無設定檔</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>字幕 (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
</context>
<context>
    <name>DNRootPhotoCell</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 張相片</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - 螢幕錄影</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>選擇錄影範圍</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>只能錄製 X11 工作階段；此工作階段使用的是 Wayland。</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>只能錄製 X11 工作階段；此工作階段沒有 X 顯示器。</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>無法使用螢幕錄影！</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>無法完成錄影。</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>請先停止錄影，再關閉錄影視窗。</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>320x240</source>
        <translation>320x240</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>相片</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>無法在此顯示螢幕的即時畫面。</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>停止錄影</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>正在尋找 %1 的新版本…</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>在下載頁面檢查新版本</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>造訪網站</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>%1 更新精靈</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>此應用程式的 %1 版現已推出，您目前的版本是 %2。</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>此應用程式有新版本可用，要造訪網站嗎？</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>您已經在使用此應用程式的最新版本。</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>尚未設定更新服務，因此無法尋找新版本。</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>更新服務沒有新版本的資訊。</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>無法讀取更新服務回傳的資訊。</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>無法連線到更新服務。請檢查網路連線後再試一次。</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>無字幕</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上方</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中間</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下方</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>選擇字幕檔案</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>字幕 (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>選擇浮水印圖片</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>圖片 (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>編輯影片</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始畫面</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>播放或暫停</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>修剪</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁切</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>浮水印</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>套用至全部</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>將這些編輯套用至清單中的每個 DVD 標題</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>以黑邊補滿設定檔的畫面大小</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>設定檔畫面大小：</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>開始播放後顯示</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>來源畫面大小：</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>保留開始與結束之間的部分；拖曳滑桿兩端的控點，或輸入時間。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>開始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>結束：</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長度：</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>在原始畫面上拖曳方框，或選擇預設集。</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>預設集：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>寬度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>左邊距：</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>上邊距：</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>旋轉 90°</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>將畫面順時針旋轉 90°</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>鏡像</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>將畫面左右翻轉</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>在影片上疊加圖片或文字；在預覽中拖曳其方框。</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>圖片：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>要顯示的文字</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>字型…</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>為畫面套用色彩效果。</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>將字幕軌或字幕檔案嵌入畫面中。</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>字幕軌：</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>字幕檔案：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>字幕語言</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>字幕檔案是哪種語言？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>文字顏色…</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>開始錄影</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>%2 的 %1 版現已推出，您目前的版本是 %3。
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>此應用程式有新版本可用。建議您升級至功能經過最佳化的最新版本。</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2 已是最新版本，無須更新。</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>關於 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>NXAppController</name>
    <message>
        <source>No video source!</source>
        <translation>沒有影片來源！</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>請載入 DVD 光碟，或加入影片片段或相片資料夾。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>可用空間不足</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>輸出資料夾的可用空間可能不足。</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>轉換約需 %1，但「%2」所在的磁碟只剩 %3 可用空間。若轉換時磁碟已滿，轉換將會失敗，且不會留下任何檔案。</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>仍要轉換</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>沒有輸出格式！</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>請為以下項目選擇輸出格式：</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>無法播放預覽</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - 視訊錄影</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>無法開啟攝影機。</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>找不到攝影機。請連接攝影機以錄製影片。</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>請在設定中選擇攝影機。</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>無法完成錄影。</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>請先停止錄影，再關閉錄影視窗。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>「%1」類別：請選擇輸出設定檔</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>NXDiscScanerController</name>
    <message>
        <source>No Disc Found</source>
        <translation>找不到光碟</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>選擇 DVD 映像檔</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>DVD 映像檔 (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>選擇 DVD 資料夾</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>正在載入 DVD…</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>正在分析 %1，請稍候…</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>無法讀取 DVD 結構！</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>請檢查 DVD 後再試一次。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>載入 DVD</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>選擇要載入的 DVD 光碟：</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 光碟</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>選擇 DVD 資料夾（包含 VIDEO_TS 的資料夾，或 VIDEO_TS 本身）：</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD 資料夾</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>選擇 DVD 映像檔 (.iso)：</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Loading DVD</source>
        <translation>正在載入 DVD</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>媒體資訊</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>視訊串流總數</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>音訊串流總數</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>字幕串流總數</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長度</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>視訊 %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>視訊編解碼器</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>串流位元速率</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>畫面大小</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1x%2 像素</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>長寬比</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>影格速率</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>音訊 %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>音訊編解碼器</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>聲道</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>字幕 %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>標題 %1</translation>
    </message>
</context>
<context>
    <name>NXLogController</name>
    <message>
        <source>Log</source>
        <translation>記錄</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>此顯示器不提供 OpenGL，無法顯示影片。</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>無法啟動播放器：%1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>每次啟動時</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>永不</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>輸出資料夾：</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>快照資料夾：</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>轉換完成後</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>關閉電腦</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>開啟輸出資料夾</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>將 MP4 和 M4V 檔案加入影片庫</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>檢查更新：</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>預設音訊語言：</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>輸出設定檔類別</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>輸出設定檔</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>套用至全部</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>最近使用的設定檔</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>未選取設定檔</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>停用視訊軌</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>視訊編解碼器：保留原始影像</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>設定檔設定</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>設定檔：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>視訊</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>編解碼器：</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>寬度和高度必須介於 1 到 9999 之間。</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解析度：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>影格速率：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>長寬比：</translation>
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
        <translation>位元速率：</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>取樣率：</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>聲道：</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>燒錄字幕：</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>兩階段編碼</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>套用至全部</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>未選取設定檔</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>NXProfilePreviewCell</name>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢速</translation>
    </message>
    <message>
        <source>LQ</source>
        <translation>低品質</translation>
    </message>
    <message>
        <source>HQ</source>
        <translation>高品質</translation>
    </message>
    <message>
        <source>➤ Recommended</source>
        <translation>➤ 推薦</translation>
    </message>
</context>
<context>
    <name>NXProfileValues</name>
    <message>
        <source>keep origin</source>
        <translation>保持原始</translation>
    </message>
    <message>
        <source>Smart Match</source>
        <translation>自動</translation>
    </message>
</context>
<context>
    <name>NXProgressController</name>
    <message>
        <source>fetching...</source>
        <translation>取得中…</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>正在轉換 %1 / %2</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>已完成 %1 / %2 影格</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>等待中…</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>轉換中…</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>轉換中</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>輸出：</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>開始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>結束：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>長度：</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>已轉換：</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>剩餘：</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>FPS：</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>影格：</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>完成後關閉電腦</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>完成後開啟輸出資料夾</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>轉換失敗</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>無法轉換以下項目：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an item that was not converted, and why</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>NXPromptView</name>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 光碟</translation>
    </message>
    <message>
        <source>Load a DVD disc</source>
        <translation>載入 DVD 光碟</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD 資料夾</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>DVD 資料夾</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>ISO 映像檔</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
</context>
<context>
    <name>NXTimePicker</name>
    <message>
        <source>Increment</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>減少</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>時間選擇器</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>最高畫質</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>下載選項</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解析度：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>儲存位置：</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>限制下載速度</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>下載完成後開啟目標資料夾</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>下載完成後關閉電腦</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>代理伺服器：</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>請輸入代理伺服器的位址，以及 1 到 65535 之間的連接埠。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>請輸入以 http:// 或 https:// 開頭的線上影片網址。</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>此顯示器不支援 OpenGL，因此無法在此顯示線上影片。</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>正在連線到 %1…</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>圖片已儲存至 %1。</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>已暫停。</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>正在播放 %1</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>正在載入 %1…</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>無法播放 %1 的影片：該網址沒有影片，或無法連線。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>與 %1 的連線在 %2 / %3 處中斷，播放已停止。</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>%1 已播放完畢。</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>無法轉換為整數</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>確定要立即重新啟動應用程式嗎？</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>語言變更將在下次開啟應用程式時生效。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>載入 DVD</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>按一下以載入 DVD 光碟；按住可選擇其他來源</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>轉換選項</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>高品質</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>去交錯</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>安全模式</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPU 核心數：</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>開啟快照資料夾</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>輸出資料夾：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>選擇轉換後檔案的儲存資料夾</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>顯示輸出資料夾</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>轉換</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>顯示記錄</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>無法使用此資料夾</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>無法寫入資料夾「%1」。</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>無法在該處儲存任何內容。請選擇您可以寫入的資料夾；原本的資料夾將保留不變。</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 光碟</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>DVD 資料夾</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>ISO 映像檔</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>加入影片</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>加入相片</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>聯絡我們</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合併</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>螢幕錄影</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>線上影片</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvane 可播放線上影片，但不會下載。</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>貼上線上影片網址（http:// 或 https://）</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>播放此網址的影片</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>下載選項</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>暫停或繼續</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>儲存影片畫面</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>開啟下載資料夾</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>下載：無（僅播放）</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>清除已完成</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下載</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>儲存位置：</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>螢幕錄影設定</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>畫質：</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>影格/秒</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>影格速率：</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>音訊：</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>倒數計時：</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>顯示滑鼠點按</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>錄影結束後開啟影片</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>將影片加入轉換清單</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>錄影範圍：</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>視訊錄影設定</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>攝影機：</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>麥克風：</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>最大尺寸：</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>預覽音量：</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>在資料夾中顯示影片</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>%2 中的名稱「%1」不是 UTF-8 文字。</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>路徑中含有非文字名稱的資料夾無法儲存任何內容。請重新命名，或選擇其他資料夾；將保留原本的資料夾。</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>關於 %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>隱藏 %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>結束 %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1 說明</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
</context>
<context>
    <name>cropConfigure</name>
    <message>
        <source>Free</source>
        <translation>自由</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
    <message>
        <source>Keep Current Ratio</source>
        <translation>保持目前比例</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>拖曳時保持 16:9</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>拖曳時保持 4:3</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1（正方形）</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2.35:1（電影）</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>移除黑邊</translation>
    </message>
</context>
</TS>
