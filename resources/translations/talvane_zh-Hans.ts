<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>转换失败（结果 %1）</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>尚未设置输出文件夹</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>输出文件夹的路径对引擎来说太长：请选择较短的路径</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>媒体文件 %1 已不存在</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>文件组中有成员不是媒体文件</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>无法在临时文件夹中创建文件</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>DVD 的数据已损坏：%1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>DVD 中标题 %1 的记录（%2）已损坏</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>DVD 的记录（%1）已损坏</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>%1 引擎停止响应（%2 秒内没有进度），已被结束</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>处理期间 %1 所在的磁盘空间已用完：输出约需 %2，但磁盘只剩 %3 可用空间</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>处理期间 %1 所在的磁盘空间已用完：输出所需空间超过磁盘剩余的 %2</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>%1 引擎失败：%2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>%1 引擎失败（结果 %2）</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>无法使用 %1 引擎</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>输出不完整：%1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>输出时长为 %1 秒，而预期为 %2 秒：源文件可能被截断</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>无法使用预设 %1：%2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>引擎无法接受预设生成的参数向量</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>输出文件名 %1 长达 %2 字节；文件系统最多只接受 %3 字节</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>输出路径 %1 对引擎来说太长</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>未能制作幻灯片：%1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>image-to-video 引擎未生成影片</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>制作出的幻灯片没有视频</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>无法合并所选的标题</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>DVD 中标题 %1 的记录（%2）已损坏，%3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>DVD 的记录（%1）已损坏，%2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>%1 引擎已停止：%2 达到了文件大小上限（ulimit -f）</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>%1 引擎崩溃了：%2 以 %3 结束</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>%1 引擎被强制结束：%2 以 SIGKILL 结束</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>%1 引擎被信号结束：%2 以 %3 结束</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>%2 中的名称“%1”不是 UTF-8 文本，因此无法写入输出文件夹：请重命名，或选择其他输出文件夹</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>%2 中的名称“%1”不是 UTF-8 文本，因此无法读取源：请重命名</translation>
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
        <translation>输出预设</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>编辑预设</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
</context>
<context>
    <name>DNDVDNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>音轨 %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>强制字幕</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>合并标题：</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>目标：</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>输出文件：</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>输出预设</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>编辑预设</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>输出文件名</translation>
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
        <translation>无预设</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>检测到的主标题：</translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>准备提取的标题：</translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>编辑标签</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>标题 %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
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
        <translation>裁剪与扩展</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>全部取消选择</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>无音频</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>音轨 %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>强制字幕</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>载入字幕…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>关闭字幕</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>无字幕</translation>
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
        <translation>视频文件 (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>无法载入照片！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>有些文件未添加</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>无法添加以下文件：</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>正在载入</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>正在载入照片</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>正在载入 %1</translation>
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
        <translation>音轨 %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>输出文件：</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>无预设</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>添加照片文件夹</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>移除这首音乐</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>音乐 (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>幻灯片</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>播放预览</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>转场效果</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>配合音乐长度</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>每张照片秒数：</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>视频：</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>音乐：</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>所有文件夹</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹…</translation>
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
        <translation>创建日期</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>排序方式：</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>升序</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降序</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>添加音乐…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
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
        <translation>常用预设</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>DVD 备份预设</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>移动设备预设</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>网络视频预设</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>常规视频预设</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>未选择预设</translation>
    </message>
</context>
<context>
    <name>DNNodeTagController</name>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>输出名称：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派：</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>应用于全部</translation>
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
        <translation>原始音频</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>编码：%@+%@，分辨率：%@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>编码：%@，比特率：%@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>编码：%@，比特率：%@ kbps</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>%@ 已损坏！</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>“%1”已损坏，无法打开。请删除“%1”，然后从官方网站重新下载！</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下载</translation>
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
        <translation>已选择预设“%1”</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>输出文件：</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>无音频</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>音轨 %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>载入字幕…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>关闭字幕</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>无字幕</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>无预设</translation>
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
        <translation>%1 张照片</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - 屏幕录制</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>选择录制区域</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>只能录制 X11 会话；此会话使用的是 Wayland。</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>只能录制 X11 会话；此会话没有 X 显示。</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>无法使用屏幕录制！</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>无法完成录制。</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>请先停止录制，再关闭录制窗口。</translation>
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
        <translation>照片</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>无法在此显示屏幕的实时画面。</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>停止录制</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>正在查找 %1 的新版本…</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>在下载页面检查新版本</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>访问网站</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>%1 更新向导</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>此应用程序的 %1 版本现已发布，您当前的版本是 %2。</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>此应用程序有新版本可用，要访问网站吗？</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>您已经在使用此应用程序的最新版本。</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>未设置更新服务，因此无法查找新版本。</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>更新服务没有新版本的信息。</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>无法读取更新服务返回的信息。</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>无法连接到更新服务。请检查网络连接后重试。</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>无字幕</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>选择字幕文件</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>字幕 (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>选择水印图片</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>编辑视频</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始画面</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>播放或暂停</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
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
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>应用于全部</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>将这些编辑应用于列表中的每个 DVD 标题</translation>
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
        <translation>用黑边补足预设的画面尺寸</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>预设画面尺寸：</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>开始播放后显示</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>源画面尺寸：</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>保留开始与结束之间的部分；拖动滑块两端的手柄，或输入时间。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>开始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>结束：</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>在原始画面上拖动方框，或选择一个预置方案。</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>预置方案：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>左边距：</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>上边距：</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>旋转 90°</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>将画面顺时针旋转 90°</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>将画面左右翻转</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>在视频上叠加图片或文字；在预览中拖动其方框。</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>要显示的文字</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>字体…</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>为画面应用色彩效果。</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>将字幕流或字幕文件压制到画面中。</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>字幕流：</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>字幕文件：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>字幕文件是哪种语言？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>文字颜色…</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>开始录制</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>%2 的 %1 版本现已发布，您当前的版本是 %3。
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>此应用程序有新版本可用。建议您升级到功能经过优化的最新版本。</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2 已是最新版本，无需更新。</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>NXAppController</name>
    <message>
        <source>No video source!</source>
        <translation>没有视频源！</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>请载入 DVD 光盘，或添加视频片段或照片文件夹。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>可用空间不足</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>输出文件夹的可用空间可能不足。</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>转换约需 %1，但“%2”所在的磁盘只剩 %3 可用空间。如果转换时磁盘已满，转换将失败，且不会保留任何文件。</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>仍然转换</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>没有输出格式！</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>请为以下项目选择输出格式：</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>无法播放预览</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - 视频录制</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>无法打开摄像头。</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>未找到摄像头。请连接摄像头以录制视频。</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>请在设置中选择摄像头。</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>无法完成录制。</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>请先停止录制，再关闭录制窗口。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>“%1”类别：请选择输出预设</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
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
        <translation>未找到光盘</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>选择 DVD 镜像</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>DVD 镜像 (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>选择 DVD 文件夹</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>正在载入 DVD…</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>正在分析 %1，请稍候…</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>无法读取 DVD 结构！</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>请检查 DVD 后重试。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>载入 DVD</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>选择要载入的 DVD 光盘：</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 光盘</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>选择 DVD 文件夹（包含 VIDEO_TS 的文件夹，或 VIDEO_TS 本身）：</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD 文件夹</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>选择 DVD 镜像文件 (.iso)：</translation>
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
        <translation>正在载入 DVD</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
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
        <translation>常规</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>视频流总数</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>音频流总数</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>字幕流总数</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>视频 %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>视频编码</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>流比特率</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>画面尺寸</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1x%2 像素</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>音频 %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>音频编码</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
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
        <translation>标题 %1</translation>
    </message>
</context>
<context>
    <name>NXLogController</name>
    <message>
        <source>Log</source>
        <translation>日志</translation>
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
        <translation>此显示器不提供 OpenGL，无法显示视频。</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>无法启动播放器：%1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>每次启动时</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>快照文件夹：</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>转换完成后</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>关闭计算机</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>打开输出文件夹</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>将 MP4 和 M4V 文件添加到视频库</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>检查更新：</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>默认音频语言：</translation>
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
        <translation>输出预设类别</translation>
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
        <translation>输出预设</translation>
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
        <translation>应用于全部</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>最近使用的预设</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>未选择预设</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>禁用视频轨道</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>视频编码：保留原始视频</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>预设参数</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>预设：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>编码：</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>宽度和高度必须在 1 到 9999 之间。</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>宽高比：</translation>
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
        <translation>比特率：</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>嵌入字幕：</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>两遍编码</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>应用于全部</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>未选择预设</translation>
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
        <translation>低质量</translation>
    </message>
    <message>
        <source>HQ</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>➤ Recommended</source>
        <translation>➤ 推荐</translation>
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
        <translation>自动</translation>
    </message>
</context>
<context>
    <name>NXProgressController</name>
    <message>
        <source>fetching...</source>
        <translation>获取中…</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>正在转换 %1 / %2</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>已完成 %1 / %2 帧</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>等待中…</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>转换中…</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>开始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>结束：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>已转换：</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>剩余：</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>FPS：</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>帧数：</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>完成后关闭计算机</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>完成后打开输出文件夹</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>无法转换以下项目：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>DVD 光盘</translation>
    </message>
    <message>
        <source>Load a DVD disc</source>
        <translation>载入 DVD 光盘</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD 文件夹</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>DVD 文件夹</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>ISO 镜像</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
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
        <translation>减少</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>时间选择器</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>最高清晰度</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>下载选项</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>保存到：</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>限制下载速度</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>下载完成后打开目标文件夹</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>下载完成后关闭计算机</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>代理服务器：</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>请输入代理服务器的地址，以及 1 到 65535 之间的端口。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
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
        <translation>请输入以 http:// 或 https:// 开头的在线视频地址。</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>此显示器不支持 OpenGL，因此无法在此显示在线视频。</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>正在连接到 %1…</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>图片已保存到 %1。</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>已暂停。</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>正在播放 %1</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>正在载入 %1…</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>无法播放 %1 的视频：该地址没有视频，或无法访问。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>与 %1 的连接在 %2 / %3 处中断，播放已停止。</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>%1 已播放完毕。</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>无法转换为整数</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>确定要立即重新启动应用程序吗？</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>语言更改将在下次打开应用程序时生效。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>载入 DVD</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>单击载入 DVD 光盘；按住可选择其他来源</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>转换选项</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>去隔行</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>安全模式</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPU 核心数：</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
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
        <translation>打开快照文件夹</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>选择转换后文件的保存文件夹</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>显示输出文件夹</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>显示日志</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>无法使用此文件夹</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>无法写入文件夹“%1”。</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>无法在该处保存任何内容。请选择您有写入权限的文件夹；原来的文件夹保持不变。</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD 光盘</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>DVD 文件夹</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>ISO 镜像</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>添加照片</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
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
        <translation>屏幕录制</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>在线视频</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvane 可播放在线视频，但不会下载。</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>粘贴在线视频地址（http:// 或 https://）</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>播放此地址的视频</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>下载选项</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>暂停或继续</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>保存视频画面</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>打开下载文件夹</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>下载：无（仅播放）</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>清除已完成</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下载</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>保存到：</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>屏幕录制设置</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画质：</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>帧/秒</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>音频：</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>倒计时：</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>显示鼠标点击</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>录制结束后打开视频</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>将视频添加到转换列表</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>录制区域：</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>视频录制设置</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>摄像头：</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>麦克风：</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>最大尺寸：</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>预览音量：</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>在文件夹中显示视频</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>%2 中的名称“%1”不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>路径中含有非文本名称的文件夹无法保存任何内容。请重命名，或选择其他文件夹；将保留原来的文件夹。</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>隐藏 %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>退出 %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1 帮助</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
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
        <translation>保持当前比例</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>拖动时保持 16:9</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>拖动时保持 4:3</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1（正方形）</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2.35:1（电影）</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>去除黑边</translation>
    </message>
</context>
</TS>
