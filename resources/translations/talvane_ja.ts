<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>変換に失敗しました（結果 %1）</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>出力フォルダが設定されていません</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>出力フォルダのパスがエンジンには長すぎます：短いフォルダを選んでください</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>メディアファイル %1 はもう存在しません</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>ファイルグループのメンバーにメディアファイルでないものがあります</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>一時フォルダにファイルを作成できません</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>DVDのデータが破損しています：%1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>DVDのタイトル %1 の記録（%2）が破損しています</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>DVDの記録（%1）が破損しています</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>%1 エンジンが応答しなくなったため（%2 秒間進捗なし）終了しました</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>処理中に %1 のディスクの空き容量がなくなりました：出力には約%2が必要ですが、ディスクの空き容量は%3です</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>処理中に %1 のディスクの空き容量がなくなりました：出力にはディスクの空き容量%2より多くが必要です</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>%1 エンジンが失敗しました：%2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>%1 エンジンが失敗しました（結果 %2）</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>%1 エンジンを使用できません</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>出力が完全ではありません：%1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>出力の長さは %1 秒ですが、%2 秒のはずでした：ソースが途中で切れている可能性があります</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>プロファイル %1 は使用できません：%2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>プロファイルが作る引数をエンジンが受け付けません</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>出力ファイル名 %1 は %2 バイトあります。ファイルシステムで使えるのは最大 %3 バイトです</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>出力パス %1 はエンジンには長すぎます</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>スライドショーを作成できませんでした：%1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>image-to-video エンジンが動画を作成しませんでした</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>作成したスライドショーに映像がありません</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>選択したタイトルは結合できません</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>DVDのタイトル %1 の記録（%2）が破損しています。%3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>DVDの記録（%1）が破損しています。%2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>%1 エンジンが停止しました：%2 がファイルサイズの上限（ulimit -f）に達しました</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>%1 エンジンがクラッシュしました：%2 が %3 で終了しました</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>%1 エンジンが強制終了されました：%2 が SIGKILL で終了しました</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>%1 エンジンがシグナルで終了しました：%2 が %3 で終了しました</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>%2 にある名前「%1」は UTF-8 のテキストではないため、出力フォルダに書き込めません：名前を変更するか、別の出力フォルダを選んでください</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>%2 にある名前「%1」は UTF-8 のテキストではないため、ソースを読み込めません：名前を変更してください</translation>
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
        <translation>出力プロファイル</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>プロファイルを編集</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>DNDVDNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>トラック%1 [%2]</translation>
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
        <translation>タイトルを結合：</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>出力：</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>出力ファイル：</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>出力プロファイル</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>プロファイルを編集</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>出力ファイル名</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>プロファイルなし</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>検出されたメインタイトル：</translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>リッピングするタイトル：</translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>出力形式：</translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>タグを編集</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>タイトル %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
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
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>クロップと拡張</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>すべて選択解除</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>音声なし</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>トラック%1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>強制字幕</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>字幕を読み込む…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>字幕オフ</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>字幕なし</translation>
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
        <translation>ビデオファイル (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>写真を読み込めませんでした！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>追加できなかったファイルがあります</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>次のファイルは追加できませんでした：</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>写真を読み込み中</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>%1 を読み込み中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DNFileNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>トラック%1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>出力ファイル：</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>出力形式：</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>プロファイルなし</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>写真フォルダを追加</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>この音楽を削除</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>音楽を追加</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>音楽 (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>スライドショー</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>プレビューを再生</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>トランジション</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>音楽の長さに合わせています</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>写真1枚の秒数：</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>ビデオ：</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>音楽：</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>すべてのフォルダ</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダを追加…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>GPS位置</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>並べ替え：</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>昇順</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降順</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>音楽を追加…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>よく使うプロファイル</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>DVDバックアップ用プロファイル</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>モバイル機器用プロファイル</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>Webビデオ用プロファイル</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>一般的なビデオ用プロファイル</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>プロファイルが選択されていません</translation>
    </message>
</context>
<context>
    <name>DNNodeTagController</name>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>出力名：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト：</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>コメント：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>ジャンル：</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>DNProfile</name>
    <message>
        <source>keep origin</source>
        <translation>元のまま</translation>
    </message>
    <message>
        <source>original audio</source>
        <translation>元の音声</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>コーデック：%@+%@、解像度：%@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>コーデック：%@、ビットレート：%@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>コーデック：%@、ビットレート：%@ kbps</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>%@ は破損しています！</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>「%1」は破損しているため開けません。「%1」を削除して、公式Webサイトからもう一度ダウンロードしてください！</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>今すぐダウンロード</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DNProfilePreviewTableViewController</name>
    <message>
        <source>%1 Profile Selected</source>
        <translation>プロファイル「%1」を選択しました</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>出力形式：</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>出力ファイル：</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>ファイルマネージャで表示</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>音声なし</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>トラック%1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>字幕を読み込む…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>字幕オフ</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>字幕なし</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>プロファイルなし</translation>
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
        <translation>写真 %1 枚</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - 画面録画</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>録画範囲を選択</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>録画できるのはX11セッションだけです。このセッションはWaylandで動作しています。</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>録画できるのはX11セッションだけです。このセッションにはXディスプレイがありません。</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>画面録画を使用できません！</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>録画を完了できませんでした。</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>レコーダーを閉じる前に録画を停止してください。</translation>
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
        <translation>写真</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>画面のライブ映像をここに表示できません。</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>録画を停止</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェア・アップデート</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>%1 の新しいバージョンを確認しています…</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>ダウンロードページで新しいバージョンを確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Webサイトを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>%1 アップデートアシスタント</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>このアプリケーションのバージョン %1 が公開されています（お使いのバージョンは %2 です）。</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>このアプリケーションの新しいバージョンがあります。Webサイトを開きますか？</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>お使いのアプリケーションは最新バージョンです。</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>アップデートサービスが設定されていないため、新しいバージョンを確認できません。</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>アップデートサービスに新しいバージョンの情報がありません。</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>アップデートサービスの応答を読み取れませんでした。</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>アップデートサービスに接続できません。ネットワーク接続を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>字幕なし</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上部</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下部</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>字幕ファイルを選択</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>字幕 (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>透かしの画像を選択</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>ビデオを編集</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>再生／一時停止</translation>
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
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>クロップ</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>この編集内容をリスト内のすべての DVD タイトルに適用します</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>プロファイルの画面サイズまで黒帯で埋める</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>プロファイルの画面サイズ：</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>再生が始まると表示されます</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>ソースの画面サイズ：</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>開始から終了までの部分を残します。スライダーの両端のつまみをドラッグするか、時間を入力してください。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>開始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>終了：</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長さ：</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>オリジナルの映像の上で枠をドラッグするか、プリセットを選択してください。</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ：</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>左端：</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>上端：</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>90°回転</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>映像を時計回りに 90° 回転します</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>映像を左右反転します</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>ビデオに画像またはテキストを重ねます。プレビュー上で枠をドラッグしてください。</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>画像：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>テキスト：</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>表示するテキスト</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>フォント…</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>映像に色の効果をかけます。</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>字幕ストリームまたは字幕ファイルを映像に焼き込みます。</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>字幕ストリーム：</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>字幕ファイル：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>字幕の言語</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>字幕ファイルの言語を選択してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>文字の色…</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>録画を開始</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>%2 のバージョン %1 が公開されています（お使いのバージョンは %3 です）。
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>このアプリケーションの新しいバージョンがあります。機能が改善された最新バージョンへのアップグレードをおすすめします。</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2 は最新バージョンです。アップデートの必要はありません。</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NXAppController</name>
    <message>
        <source>No video source!</source>
        <translation>ビデオソースがありません！</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>DVDディスクを読み込むか、ビデオクリップまたは写真フォルダを追加してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>空き容量が不足しています</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>出力フォルダの空き容量が足りない可能性があります。</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>変換には約%1が必要ですが、「%2」のディスクの空き容量は%3です。ディスクがいっぱいになると変換は失敗し、何も残りません。</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>変換を続ける</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>出力形式が選ばれていません！</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>次の項目の出力形式を選んでください：</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>プレビューを再生できません</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - ビデオ録画</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>カメラを開けませんでした。</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>カメラが見つかりません。ビデオを録画するにはカメラを接続してください。</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>設定でカメラを選択してください。</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>録画を完了できませんでした。</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>レコーダーを閉じる前に録画を停止してください。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>カテゴリ「%1」：出力プロファイルを選んでください</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>カスタマイズ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>NXDiscScanerController</name>
    <message>
        <source>No Disc Found</source>
        <translation>ディスクが見つかりません</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>DVDイメージを選択</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>DVDイメージ (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>DVDフォルダを選択</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>DVDを読み込み中…</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>%1 を解析しています。しばらくお待ちください…</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>DVDの構造を読み取れませんでした！</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>DVDを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>DVDを読み込む</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>読み込むDVDディスクを選択：</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVDディスク</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>DVDフォルダを選択（VIDEO_TSを含むフォルダ、またはVIDEO_TSフォルダ自体）：</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVDフォルダ</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>DVDイメージファイル (.iso) を選択：</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Loading DVD</source>
        <translation>DVDを読み込み中</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>ビデオストリーム数</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>オーディオストリーム数</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>字幕ストリーム数</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>ビデオ %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>ビデオコーデック</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>ストリームのビットレート</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>フレームサイズ</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1x%2 ピクセル</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>オーディオ %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>オーディオコーデック</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>字幕 %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>タイトル %1</translation>
    </message>
</context>
<context>
    <name>NXLogController</name>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>このディスプレイでは OpenGL を使えないため、ビデオを表示できません。</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>プレーヤーを起動できません：%1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>起動するたび</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>出力フォルダ：</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>スナップショットフォルダ：</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>変換が終わったら</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>コンピュータをシステム終了</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>出力フォルダを開く</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>MP4とM4Vファイルをビデオライブラリに追加</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>アップデートを確認：</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>デフォルトの音声言語：</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>出力プロファイルのカテゴリ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>出力プロファイル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>最近使ったプロファイル</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>プロファイルが選択されていません</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>ビデオトラックを無効にする</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>ビデオコーデック：元の映像のまま</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>プロファイル設定</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>コーデック：</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>幅と高さは 1〜9999 の範囲で指定してください。</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレームレート：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>アスペクト比：</translation>
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
        <translation>ビットレート：</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>サンプルレート：</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>チャンネル：</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>字幕の焼き付け：</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>2パスエンコード</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>デフォルトに戻す</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>プロファイルが選択されていません</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>NXProfilePreviewCell</name>
    <message>
        <source>Fast</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>低速</translation>
    </message>
    <message>
        <source>LQ</source>
        <translation>低画質</translation>
    </message>
    <message>
        <source>HQ</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>➤ Recommended</source>
        <translation>➤ おすすめ</translation>
    </message>
</context>
<context>
    <name>NXProfileValues</name>
    <message>
        <source>keep origin</source>
        <translation>元のまま</translation>
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
        <translation>%1 / %2 を変換中</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>%1 / %2 フレーム完了</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>待機中…</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>変換中…</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>停止中…</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>出力：</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>開始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>終了：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>再生時間：</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>変換済み：</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>残り：</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>FPS：</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>フレーム：</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>完了後にコンピュータをシステム終了</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>完了後に出力フォルダを開く</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>変換に失敗しました</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>次の項目は変換できませんでした：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>DVDディスク</translation>
    </message>
    <message>
        <source>Load a DVD disc</source>
        <translation>DVDディスクを読み込む</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVDフォルダ</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>DVDフォルダ</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>ISOイメージ</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
</context>
<context>
    <name>NXTimePicker</name>
    <message>
        <source>Increment</source>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>減らす</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>時刻の選択</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>ダウンロードオプション</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>フォーマット：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>保存先：</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>ダウンロード速度を制限</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>ダウンロード完了後に保存先フォルダを開く</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>ダウンロード完了後にコンピュータをシステム終了</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>プロキシ：</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>プロキシのアドレスと、1～65535のポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>http:// または https:// で始まるオンラインビデオのアドレスを入力してください。</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>このディスプレイはOpenGLに対応していないため、ここではオンラインビデオを表示できません。</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>%1 に接続しています…</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>画像を %1 に保存しました。</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>一時停止中です。</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>%1 を再生中</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>%1 を読み込んでいます…</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>%1 のビデオを再生できませんでした。アドレスにビデオがないか、接続できませんでした。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>%1 への接続が %2 / %3 の時点で切れたため、再生を停止しました。</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>%1 の再生が終わりました。</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>整数に変換できませんでした</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>今すぐアプリケーションを再起動しますか？</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>言語の変更は、次にアプリケーションを起動したときに反映されます。</translation>
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
        <source>Load DVD</source>
        <translation>DVDを読み込む</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>クリックでDVDディスクを読み込みます。長押しでほかの読み込み元を選べます</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>変換オプション</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>インターレース解除</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>セーフモード</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPUコア数：</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>フルスクリーン</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>スナップショットフォルダを開く</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>出力フォルダ：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>変換したファイルを保存するフォルダを選びます</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>出力フォルダを表示</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>このフォルダは使用できません</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>フォルダ「%1」に書き込めません。</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>そこには何も保存できません。書き込みできるフォルダを選んでください。以前のフォルダはそのまま使われます。</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVDディスク</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>DVDフォルダ</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>ISOイメージ</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>ビデオを追加</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>画面録画</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>オンラインビデオ</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvaneはオンラインビデオを再生しますが、ダウンロードはしません。</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>オンラインビデオのアドレスを貼り付け（http:// または https://）</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>このアドレスのビデオを再生</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>ダウンロードオプション</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>一時停止／再開</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>ビデオの画像を保存</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>ダウンロードフォルダを開く</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>ダウンロード：なし（再生のみ）</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>完了分をクリア</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>今すぐダウンロード</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>保存先：</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>フォルダを選択</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>画面録画の設定</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画質：</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>フレーム/秒</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>フレームレート：</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>音声：</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>カウントダウン：</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>マウスのクリックを表示</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>録画の終了後にビデオを開く</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>ビデオを変換リストに追加</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>録画範囲：</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>ビデオ録画の設定</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>カメラ：</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>マイク：</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>最大サイズ：</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>プレビューの音量：</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>ビデオをフォルダで表示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>%2 にある名前「%1」は UTF-8 のテキストではありません。</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>テキストではない名前をパスに含むフォルダには何も保存できません。名前を変更するか、別のフォルダを選んでください。以前のフォルダはそのまま使われます。</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 を隠す</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 を終了</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1 ヘルプ</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
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
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>Keep Current Ratio</source>
        <translation>現在の比率を維持</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>ドラッグ中は16:9を維持</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>ドラッグ中は4:3を維持</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1（正方形）</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2.35:1（シネマ）</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>黒帯を除去</translation>
    </message>
</context>
</TS>
