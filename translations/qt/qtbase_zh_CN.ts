<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>QWidget</name>
    <message>
      <source>*</source>
      <translation>*</translation>
    </message>
  </context>
  <context>
    <name>QShortcut</name>
    <message>
      <source>+</source>
      <translation>+</translation>
    </message>
    <message>
      <source>CD</source>
      <translation>CD</translation>
    </message>
    <message>
      <source>Go</source>
      <translation>转到</translation>
    </message>
    <message>
      <source>No</source>
      <translation>否</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>上方向</translation>
    </message>
    <message>
      <source>Alt</source>
      <translation>Alt</translation>
    </message>
    <message>
      <source>F%1</source>
      <translation>F%1</translation>
    </message>
    <message>
      <source>DOS</source>
      <translation>DOS</translation>
    </message>
    <message>
      <source>Del</source>
      <translation>Del</translation>
    </message>
    <message>
      <source>Cut</source>
      <translation>剪切</translation>
    </message>
    <message>
      <source>End</source>
      <translation>End</translation>
    </message>
    <message>
      <source>Esc</source>
      <translation>Esc</translation>
    </message>
    <message>
      <source>Ins</source>
      <translation>Ins</translation>
    </message>
    <message>
      <source>New</source>
      <translation>新建</translation>
    </message>
    <message>
      <source>Num</source>
      <translation>Num</translation>
    </message>
    <message>
      <source>Red</source>
      <translation>红</translation>
    </message>
    <message>
      <source>Tab</source>
      <translation>Tab</translation>
    </message>
    <message>
      <source>WWW</source>
      <translation>互联网</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>是</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>后退</translation>
    </message>
    <message>
      <source>Away</source>
      <translation>离开</translation>
    </message>
    <message>
      <source>Blue</source>
      <translation>蓝</translation>
    </message>
    <message>
      <source>Book</source>
      <translation>预定</translation>
    </message>
    <message>
      <source>Call</source>
      <translation>呼叫</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>复制</translation>
    </message>
    <message>
      <source>Ctrl</source>
      <translation>Ctrl</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>下方向</translation>
    </message>
    <message>
      <source>Exit</source>
      <translation>退出</translation>
    </message>
    <message>
      <source>Find</source>
      <translation>查找</translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>翻转</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>游戏</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>帮助</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Home</translation>
    </message>
    <message>
      <source>Info</source>
      <translation>信息</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>左方向</translation>
    </message>
    <message>
      <source>Memo</source>
      <translation>备忘</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>菜单</translation>
    </message>
    <message>
      <source>Meta</source>
      <translation>Meta</translation>
    </message>
    <message>
      <source>News</source>
      <translation>新闻</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>打开</translation>
    </message>
    <message>
      <source>PgUp</source>
      <translation>PgUp</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>播放</translation>
    </message>
    <message>
      <source>Redo</source>
      <translation>重做</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>保存</translation>
    </message>
    <message>
      <source>Send</source>
      <translation>发送</translation>
    </message>
    <message>
      <source>Shop</source>
      <translation>商店</translation>
    </message>
    <message>
      <source>Stop</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>时间</translation>
    </message>
    <message>
      <source>Undo</source>
      <translation>撤销</translation>
    </message>
    <message>
      <source>XFer</source>
      <translation>XFer</translation>
    </message>
    <message>
      <source>View</source>
      <translation>查看</translation>
    </message>
    <message>
      <source>Zoom</source>
      <translation>缩放</translation>
    </message>
    <message>
      <source>Split Screen</source>
      <translation>分屏</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>清除</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <source>Eject</source>
      <translation>弹出</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>回车</translation>
    </message>
    <message>
      <source>Green</source>
      <translation>绿</translation>
    </message>
    <message>
      <source>Guide</source>
      <translation>指南</translation>
    </message>
    <message>
      <source>Kanji</source>
      <translation>汉字</translation>
    </message>
    <message>
      <source>Music</source>
      <translation>音乐</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>粘贴</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pause</translation>
    </message>
    <message>
      <source>Phone</source>
      <translation>电话</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Print</translation>
    </message>
    <message>
      <source>Reply</source>
      <translation>答复</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>右方向</translation>
    </message>
    <message>
      <source>Shift</source>
      <translation>Shift</translation>
    </message>
    <message>
      <source>Sleep</source>
      <translation>睡眠</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>空格</translation>
    </message>
    <message>
      <source>Tools</source>
      <translation>工具</translation>
    </message>
    <message>
      <source>Video</source>
      <translation>视频</translation>
    </message>
    <message>
      <source>Hiragana</source>
      <translation>平假名</translation>
    </message>
    <message>
      <source>Wireless</source>
      <translation>无线</translation>
    </message>
    <message>
      <source>Media Record</source>
      <translation>媒体录制</translation>
    </message>
    <message>
      <source>Media Rewind</source>
      <translation>媒体快退</translation>
    </message>
    <message>
      <source>Multiple Candidate</source>
      <translation>多个候选</translation>
    </message>
    <message>
      <source>Zenkaku</source>
      <translation>全角</translation>
    </message>
    <message>
      <source>Print Screen</source>
      <translation>打印屏幕</translation>
    </message>
    <message>
      <source>Audio Repeat</source>
      <translation>音频循环</translation>
    </message>
    <message>
      <source>Toggle Call/Hangup</source>
      <translation>切换呼叫/挂断</translation>
    </message>
    <message>
      <source>Zoom In</source>
      <translation>放大</translation>
    </message>
    <message>
      <source>Camera Shutter</source>
      <translation>相机快门</translation>
    </message>
    <message>
      <source>Ultra Wide Band</source>
      <translation>超宽带</translation>
    </message>
    <message>
      <source>Hangul Special</source>
      <translation>谚文特殊</translation>
    </message>
    <message>
      <source>Treble Down</source>
      <translation>高音降低</translation>
    </message>
    <message>
      <source>Scroll Lock</source>
      <translation>Scroll Lock</translation>
    </message>
    <message>
      <source>Media Pause</source>
      <translation>媒体暂停</translation>
    </message>
    <message>
      <source>Word Processor</source>
      <translation>文字处理</translation>
    </message>
    <message>
      <source>Volume Down</source>
      <translation>音量降低</translation>
    </message>
    <message>
      <source>Volume Mute</source>
      <translation>音量静音</translation>
    </message>
    <message>
      <source>Kana Shift</source>
      <translation>假名上档</translation>
    </message>
    <message>
      <source>Media Previous</source>
      <translation>媒体上一项</translation>
    </message>
    <message>
      <source>Home Page</source>
      <translation>主页</translation>
    </message>
    <message>
      <source>Meeting</source>
      <translation>会议</translation>
    </message>
    <message>
      <source>Touchpad Off</source>
      <translation>触控板关</translation>
    </message>
    <message>
      <source>Volume Up</source>
      <translation>音量提高</translation>
    </message>
    <message>
      <source>Menu PB</source>
      <translation>菜单 PB</translation>
    </message>
    <message>
      <source>Keyboard Brightness Up</source>
      <translation>键盘背光提高</translation>
    </message>
    <message>
      <source>Hangul PostHanja</source>
      <translation>谚文反切后</translation>
    </message>
    <message>
      <source>Kana Lock</source>
      <translation>假名锁定</translation>
    </message>
    <message>
      <source>Community</source>
      <translation>社区</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Launch (6)</source>
      <translation>启动 (6)</translation>
    </message>
    <message>
      <source>Launch (7)</source>
      <translation>启动 (7)</translation>
    </message>
    <message>
      <source>Launch (8)</source>
      <translation>启动 (8)</translation>
    </message>
    <message>
      <source>Launch (9)</source>
      <translation>启动 (9)</translation>
    </message>
    <message>
      <source>Launch (2)</source>
      <translation>启动 (2)</translation>
    </message>
    <message>
      <source>Launch (3)</source>
      <translation>启动 (3)</translation>
    </message>
    <message>
      <source>Launch (4)</source>
      <translation>启动 (4)</translation>
    </message>
    <message>
      <source>Launch (5)</source>
      <translation>启动 (5)</translation>
    </message>
    <message>
      <source>Launch (0)</source>
      <translation>启动 (0)</translation>
    </message>
    <message>
      <source>Launch (1)</source>
      <translation>启动 (1)</translation>
    </message>
    <message>
      <source>Launch (F)</source>
      <translation>启动 (F)</translation>
    </message>
    <message>
      <source>Launch (G)</source>
      <translation>启动 (G)</translation>
    </message>
    <message>
      <source>Launch (H)</source>
      <translation>启动 (H)</translation>
    </message>
    <message>
      <source>Launch (B)</source>
      <translation>启动 (B)</translation>
    </message>
    <message>
      <source>Launch (C)</source>
      <translation>启动 (C)</translation>
    </message>
    <message>
      <source>Launch (D)</source>
      <translation>启动 (D)</translation>
    </message>
    <message>
      <source>Launch (E)</source>
      <translation>启动 (E)</translation>
    </message>
    <message>
      <source>Launch (A)</source>
      <translation>启动 (A)</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Delete</translation>
    </message>
    <message>
      <source>Escape</source>
      <translation>Escape</translation>
    </message>
    <message>
      <source>Audio Random Play</source>
      <translation>音频随机播放</translation>
    </message>
    <message>
      <source>Hangul</source>
      <translation>谚文</translation>
    </message>
    <message>
      <source>Hangup</source>
      <translation>挂断</translation>
    </message>
    <message>
      <source>Henkan</source>
      <translation>变换</translation>
    </message>
    <message>
      <source>Insert</source>
      <translation>Insert</translation>
    </message>
    <message>
      <source>Home Office</source>
      <translation>家庭办公室</translation>
    </message>
    <message>
      <source>Last Number Redial</source>
      <translation>拨打上次号码</translation>
    </message>
    <message>
      <source>Logoff</source>
      <translation>注销</translation>
    </message>
    <message>
      <source>Market</source>
      <translation>市场</translation>
    </message>
    <message>
      <source>Massyo</source>
      <translation>抹消</translation>
    </message>
    <message>
      <source>Bass Boost</source>
      <translation>低音增强</translation>
    </message>
    <message>
      <source>Channel Up</source>
      <translation>频道上</translation>
    </message>
    <message>
      <source>Option</source>
      <translation>选项</translation>
    </message>
    <message>
      <source>PgDown</source>
      <translation>PgDown</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>重新加载</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>回车</translation>
    </message>
    <message>
      <source>Adjust contrast</source>
      <translation>调整对比度</translation>
    </message>
    <message>
      <source>Romaji</source>
      <translation>罗马字</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>搜索</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>选择</translation>
    </message>
    <message>
      <source>SysReq</source>
      <translation>SysReq</translation>
    </message>
    <message>
      <source>Travel</source>
      <translation>旅行</translation>
    </message>
    <message>
      <source>NumLock</source>
      <translation>NumLock</translation>
    </message>
    <message>
      <source>WebCam</source>
      <translation>摄像头</translation>
    </message>
    <message>
      <source>Hiragana Katakana</source>
      <translation>平假名/片假名</translation>
    </message>
    <message>
      <source>Yellow</source>
      <translation>黄</translation>
    </message>
    <message>
      <source>Top Menu</source>
      <translation>顶部菜单</translation>
    </message>
    <message>
      <source>ScrollLock</source>
      <translation>ScrollLock</translation>
    </message>
    <message>
      <source>Hot Links</source>
      <translation>热门链接</translation>
    </message>
    <message>
      <source>Audio Cycle Track</source>
      <translation>音频循环音轨</translation>
    </message>
    <message>
      <source>Context1</source>
      <translation>语境1</translation>
    </message>
    <message>
      <source>Context2</source>
      <translation>语境2</translation>
    </message>
    <message>
      <source>Context3</source>
      <translation>语境3</translation>
    </message>
    <message>
      <source>Context4</source>
      <translation>语境4</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>缩小</translation>
    </message>
    <message>
      <source>Page Up</source>
      <translation>Page Up</translation>
    </message>
    <message>
      <source>Open URL</source>
      <translation>打开 URL</translation>
    </message>
    <message>
      <source>iTouch</source>
      <translation>iTouch</translation>
    </message>
    <message>
      <source>Previous Candidate</source>
      <translation>上一个候选</translation>
    </message>
    <message>
      <source>Toggle Media Play/Pause</source>
      <translation>切换媒体播放/暂停</translation>
    </message>
    <message>
      <source>Caps Lock</source>
      <translation>Caps Lock</translation>
    </message>
    <message>
      <source>Eisu Shift</source>
      <translation>英数上档</translation>
    </message>
    <message>
      <source>Code input</source>
      <translation>代码输入</translation>
    </message>
    <message>
      <source>Printer</source>
      <translation>打印机</translation>
    </message>
    <message>
      <source>Camera Focus</source>
      <translation>相机对焦</translation>
    </message>
    <message>
      <source>Adjust Brightness</source>
      <translation>调整亮度</translation>
    </message>
    <message>
      <source>Spreadsheet</source>
      <translation>电子表格</translation>
    </message>
    <message>
      <source>Eisu toggle</source>
      <translation>英数切换</translation>
    </message>
    <message>
      <source>Keyboard Brightness Down</source>
      <translation>键盘背光降低</translation>
    </message>
    <message>
      <source>Calendar</source>
      <translation>日历</translation>
    </message>
    <message>
      <source>Clear Grab</source>
      <translation>清除抓取</translation>
    </message>
    <message>
      <source>Monitor Brightness Up</source>
      <translation>显示器亮度提高</translation>
    </message>
    <message>
      <source>System Request</source>
      <translation>System Request</translation>
    </message>
    <message>
      <source>Microphone Volume Up</source>
      <translation>麦克风音量提高</translation>
    </message>
    <message>
      <source>CapsLock</source>
      <translation>CapsLock</translation>
    </message>
    <message>
      <source>Backtab</source>
      <translation>Backtab</translation>
    </message>
    <message>
      <source>Bass Up</source>
      <translation>低音提高</translation>
    </message>
    <message>
      <source>Battery</source>
      <translation>电池</translation>
    </message>
    <message>
      <source>Katakana</source>
      <translation>片假名</translation>
    </message>
    <message>
      <source>Refresh</source>
      <translation>刷新</translation>
    </message>
    <message>
      <source>Hibernate</source>
      <translation>休眠</translation>
    </message>
    <message>
      <source>Application Left</source>
      <translation>应用程序 左</translation>
    </message>
    <message>
      <source>Voice Dial</source>
      <translation>语音拨号</translation>
    </message>
    <message>
      <source>Browser</source>
      <translation>浏览器</translation>
    </message>
    <message>
      <source>Keyboard Menu</source>
      <translation>键盘菜单</translation>
    </message>
    <message>
      <source>Back Forward</source>
      <translation>后退/前进</translation>
    </message>
    <message>
      <source>Launch Mail</source>
      <translation>启动邮件</translation>
    </message>
    <message>
      <source>Keyboard Light On/Off</source>
      <translation>键盘背光开</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>退格</translation>
    </message>
    <message>
      <source>Bass Down</source>
      <translation>低音降低</translation>
    </message>
    <message>
      <source>Mail Forward</source>
      <translation>邮件转发</translation>
    </message>
    <message>
      <source>Messenger</source>
      <translation>消息软件</translation>
    </message>
    <message>
      <source>Hangul Banja</source>
      <translation>谚文反切</translation>
    </message>
    <message>
      <source>Hangul Hanja</source>
      <translation>谚文汉字</translation>
    </message>
    <message>
      <source>Standby</source>
      <translation>待机</translation>
    </message>
    <message>
      <source>Hangul Start</source>
      <translation>谚文开始</translation>
    </message>
    <message>
      <source>Rotation KB</source>
      <translation>旋转 KB</translation>
    </message>
    <message>
      <source>Rotation PB</source>
      <translation>旋转 PB</translation>
    </message>
    <message>
      <source>Documents</source>
      <translation>文档</translation>
    </message>
    <message>
      <source>Calculator</source>
      <translation>计算器</translation>
    </message>
    <message>
      <source>Support</source>
      <translation>支持</translation>
    </message>
    <message>
      <source>Suspend</source>
      <translation>挂起</translation>
    </message>
    <message>
      <source>Display</source>
      <translation>显示</translation>
    </message>
    <message>
      <source>Hangul Romaja</source>
      <translation>谚文罗马字</translation>
    </message>
    <message>
      <source>To-do list</source>
      <translation>待办事项</translation>
    </message>
    <message>
      <source>My Sites</source>
      <translation>我的网站</translation>
    </message>
    <message>
      <source>Rotate Windows</source>
      <translation>旋转窗口</translation>
    </message>
    <message>
      <source>Touroku</source>
      <translation>登录</translation>
    </message>
    <message>
      <source>Zenkaku Hankaku</source>
      <translation>全角/半角</translation>
    </message>
    <message>
      <source>Hangul Jeonja</source>
      <translation>谚文转写</translation>
    </message>
    <message>
      <source>Treble Up</source>
      <translation>高音提高</translation>
    </message>
    <message>
      <source>Subtitle</source>
      <translation>字幕</translation>
    </message>
    <message>
      <source>Hangul Jamo</source>
      <translation>谚文字母</translation>
    </message>
    <message>
      <source>Bluetooth</source>
      <translation>蓝牙</translation>
    </message>
    <message>
      <source>Muhenkan</source>
      <translation>无变换</translation>
    </message>
    <message>
      <source>Num Lock</source>
      <translation>Num Lock</translation>
    </message>
    <message>
      <source>Screensaver</source>
      <translation>屏幕保护</translation>
    </message>
    <message>
      <source>Number Lock</source>
      <translation>Number Lock</translation>
    </message>
    <message>
      <source>Power Down</source>
      <translation>关机</translation>
    </message>
    <message>
      <source>Spellchecker</source>
      <translation>拼写检查</translation>
    </message>
    <message>
      <source>Hangul PreHanja</source>
      <translation>谚文反切前</translation>
    </message>
    <message>
      <source>Terminal</source>
      <translation>终端</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>设置</translation>
    </message>
    <message>
      <source>Add Favorite</source>
      <translation>添加收藏</translation>
    </message>
    <message>
      <source>Execute</source>
      <translation>执行</translation>
    </message>
    <message>
      <source>Finance</source>
      <translation>金融</translation>
    </message>
    <message>
      <source>Microphone Volume Down</source>
      <translation>麦克风音量降低</translation>
    </message>
    <message>
      <source>Task Panel</source>
      <translation>任务面板</translation>
    </message>
    <message>
      <source>Favorites</source>
      <translation>收藏</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>前进</translation>
    </message>
    <message>
      <source>Page Down</source>
      <translation>Page Down</translation>
    </message>
    <message>
      <source>Wake Up</source>
      <translation>唤醒</translation>
    </message>
    <message>
      <source>Power Off</source>
      <translation>关机</translation>
    </message>
    <message>
      <source>LightBulb</source>
      <translation>灯泡</translation>
    </message>
    <message>
      <source>Touchpad Toggle</source>
      <translation>触摸板切换</translation>
    </message>
    <message>
      <source>Hankaku</source>
      <translation>半角</translation>
    </message>
    <message>
      <source>Media Fast Forward</source>
      <translation>媒体快进</translation>
    </message>
    <message>
      <source>Hangul End</source>
      <translation>谚文结束</translation>
    </message>
    <message>
      <source>Monitor Brightness Down</source>
      <translation>显示器亮度降低</translation>
    </message>
    <message>
      <source>Microphone Mute</source>
      <translation>麦克风静音</translation>
    </message>
    <message>
      <source>History</source>
      <translation>历史</translation>
    </message>
    <message>
      <source>Media Play</source>
      <translation>媒体播放</translation>
    </message>
    <message>
      <source>Media Stop</source>
      <translation>媒体停止</translation>
    </message>
    <message>
      <source>Media Next</source>
      <translation>媒体下一项</translation>
    </message>
    <message>
      <source>Touchpad On</source>
      <translation>触摸板开</translation>
    </message>
    <message>
      <source>Channel Down</source>
      <translation>频道下</translation>
    </message>
    <message>
      <source>Launch Media</source>
      <translation>启动媒体</translation>
    </message>
    <message>
      <source>Application Right</source>
      <translation>应用程序 右</translation>
    </message>
    <message>
      <source>Pictures</source>
      <translation>图片</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>否(&amp;N)</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>是(&amp;Y)</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>帮助</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>打开</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>保存</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>中止</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>应用</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>重置</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>重试</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>恢复默认值</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>忽略</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>全否(&amp;O)</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>全部保存</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>丢弃</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>全是(&amp;A)</translation>
    </message>
  </context>
  <context>
    <name>QScrollBar</name>
    <message>
      <source>Top</source>
      <translation>顶端</translation>
    </message>
    <message>
      <source>Scroll down</source>
      <translation>向下滚动</translation>
    </message>
    <message>
      <source>Scroll here</source>
      <translation>滚动至此</translation>
    </message>
    <message>
      <source>Scroll left</source>
      <translation>向左滚动</translation>
    </message>
    <message>
      <source>Bottom</source>
      <translation>底部</translation>
    </message>
    <message>
      <source>Page up</source>
      <translation>向上翻页</translation>
    </message>
    <message>
      <source>Page right</source>
      <translation>向右翻页</translation>
    </message>
    <message>
      <source>Scroll up</source>
      <translation>向上滚动</translation>
    </message>
    <message>
      <source>Scroll right</source>
      <translation>向右滚动</translation>
    </message>
    <message>
      <source>Left edge</source>
      <translation>左边缘</translation>
    </message>
    <message>
      <source>Page down</source>
      <translation>向下翻页</translation>
    </message>
    <message>
      <source>Page left</source>
      <translation>向左翻页</translation>
    </message>
    <message>
      <source>Right edge</source>
      <translation>右边缘</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>剪切(&amp;T)</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>复制(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>重做(&amp;R)</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>撤消(&amp;U)</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>删除</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>全选</translation>
    </message>
  </context>
  <context>
    <name>QWidgetTextControl</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>剪切(&amp;T)</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>复制(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>重做(&amp;R)</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>撤消(&amp;U)</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>删除</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>全选</translation>
    </message>
    <message>
      <source>Copy &amp;Link Location</source>
      <translation>复制链接地址(&amp;L)</translation>
    </message>
  </context>
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>按下</translation>
    </message>
    <message>
      <source>Shows the menu</source>
      <translation>显示菜单</translation>
    </message>
    <message>
      <source>Scrolls to the left</source>
      <translation>向左滚动</translation>
    </message>
    <message>
      <source>Scroll Down</source>
      <translation>向下滚动</translation>
    </message>
    <message>
      <source>Scroll Left</source>
      <translation>向左滚动</translation>
    </message>
    <message>
      <source>Goes back a page</source>
      <translation>转到上一页</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>触发操作</translation>
    </message>
    <message>
      <source>Increase</source>
      <translation>变大</translation>
    </message>
    <message>
      <source>Toggle</source>
      <translation>切换</translation>
    </message>
    <message>
      <source>Toggles the state</source>
      <translation>切换状态</translation>
    </message>
    <message>
      <source>Scrolls up</source>
      <translation>向上滚动</translation>
    </message>
    <message>
      <source>Scrolls down</source>
      <translation>向下滚动</translation>
    </message>
    <message>
      <source>Scroll Up</source>
      <translation>向上滚动</translation>
    </message>
    <message>
      <source>Goes to the next page</source>
      <translation>转到下一页</translation>
    </message>
    <message>
      <source>Scrolls to the right</source>
      <translation>向右滚动</translation>
    </message>
    <message>
      <source>Increase the value</source>
      <translation>提高数值</translation>
    </message>
    <message>
      <source>Decrease the value</source>
      <translation>降低数值</translation>
    </message>
    <message>
      <source>Decrease</source>
      <translation>变小</translation>
    </message>
    <message>
      <source>Scroll Right</source>
      <translation>向右滚动</translation>
    </message>
    <message>
      <source>Previous Page</source>
      <translation>上一页</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>设置焦点</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>设置焦点</translation>
    </message>
    <message>
      <source>Next Page</source>
      <translation>下一页</translation>
    </message>
    <message>
      <source>ShowMenu</source>
      <translation>显示菜单</translation>
    </message>
  </context>
  <context>
    <name>QDialog</name>
    <message>
      <source>What's This?</source>
      <translation>这是什么？</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>Show Details...</source>
      <translation>显示详情...</translation>
    </message>
    <message>
      <source>About Qt</source>
      <translation>关于 Qt</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>隐藏详情...</translation>
    </message>
    <message>
      <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
      <translation>&lt;h3&gt;关于 Qt&lt;/h3&gt;&lt;p&gt;此程序使用 Qt 版本 %1。&lt;/p&gt;</translation>
    </message>
    <message>
      <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
      <translation>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</translation>
    </message>
  </context>
  <context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
      <source>RLE Start of right-to-left embedding</source>
      <translation>RLE 开始从右向左嵌入</translation>
    </message>
    <message>
      <source>ZWSP Zero width space</source>
      <translation>ZWSP 零宽度空格</translation>
    </message>
    <message>
      <source>LRI Left-to-right isolate</source>
      <translation>LRI 从左到右隔离</translation>
    </message>
    <message>
      <source>Insert Unicode control character</source>
      <translation>插入 Unicode 控制字符</translation>
    </message>
    <message>
      <source>LRO Start of left-to-right override</source>
      <translation>LRO 开始从左向右重写</translation>
    </message>
    <message>
      <source>LRE Start of left-to-right embedding</source>
      <translation>LRE 开始从左到右嵌入</translation>
    </message>
    <message>
      <source>RLI Right-to-left isolate</source>
      <translation>RLI 从右到左隔离</translation>
    </message>
    <message>
      <source>RLM Right-to-left mark</source>
      <translation>RLM 从右向左标记</translation>
    </message>
    <message>
      <source>PDF Pop directional formatting</source>
      <translation>PDF 弹出方向格式</translation>
    </message>
    <message>
      <source>ZWNJ Zero width non-joiner</source>
      <translation>ZWNJ 零宽不连字</translation>
    </message>
    <message>
      <source>RLO Start of right-to-left override</source>
      <translation>RLO 开始从右向左重写</translation>
    </message>
    <message>
      <source>PDI Pop directional isolate</source>
      <translation>PDI 弹出定向隔离</translation>
    </message>
    <message>
      <source>ZWJ Zero width joiner</source>
      <translation>ZWJ 零宽连字</translation>
    </message>
    <message>
      <source>LRM Left-to-right mark</source>
      <translation>LRM 从左到右标记</translation>
    </message>
    <message>
      <source>FSI First strong isolate</source>
      <translation>FSI 第一强隔离</translation>
    </message>
  </context>
  <context>
    <name>QGuiApplication</name>
    <message>
      <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
      <translation>QPA 插件。查看 QGuiApplication 文档获取每个插件的可用选项。</translation>
    </message>
    <message>
      <source>QT_LAYOUT_DIRECTION</source>
      <translation>LTR</translation>
    </message>
    <message>
      <source>Restores the application from an earlier session.</source>
      <translation>从先前会话恢复应用程序。</translation>
    </message>
    <message>
      <source>Default window icon.</source>
      <translation>默认窗口图标。</translation>
    </message>
    <message>
      <source>Instance name according to ICCCM 4.1.2.5.</source>
      <translation>依照 ICCCM 4.1.2.5 规范的示例名称。</translation>
    </message>
    <message>
      <source>Disable mouse grabbing (useful in debuggers).</source>
      <translation>禁用鼠标抓取 (在调试器中有用)。</translation>
    </message>
    <message>
      <source>Path to the platform plugins.</source>
      <translation>平台插件的路径。</translation>
    </message>
    <message>
      <source>Alias for --windowtitle.</source>
      <translation>--windowtitle 的别名。</translation>
    </message>
    <message>
      <source>Title of the first window.</source>
      <translation>第一个窗口的标题。</translation>
    </message>
    <message>
      <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
      <translation>主窗口的窗口尺寸，使用 X11 语法，例如 100x100+50+50。</translation>
    </message>
    <message>
      <source>Alias for --windowgeometry.</source>
      <translation>--windowgeometry 的别名。</translation>
    </message>
    <message>
      <source>ID of the X11 Visual to use.</source>
      <translation>要使用的 X11 视觉 ID。</translation>
    </message>
    <message>
      <source>Sets the application's layout direction to Qt::RightToLeft (debugging helper).</source>
      <translation>设置应用程序的布局方向到 Qt::RightToLeft (调试器辅助工具)。</translation>
    </message>
    <message>
      <source>Additional plugins to load, can be specified multiple times.</source>
      <translation>要加载的额外插件，可被多次指定。</translation>
    </message>
    <message>
      <source>Display name, overrides $DISPLAY.</source>
      <translation>显示名称，覆盖$DISPLAY。</translation>
    </message>
    <message>
      <source>Force mouse grabbing (even when running in a debugger).</source>
      <translation>强制鼠标抓取 (即使运行在调试器中)。</translation>
    </message>
    <message>
      <source>Alias for --windowicon.</source>
      <translation>--windowicon 的别名。</translation>
    </message>
    <message>
      <source>Platform theme.</source>
      <translation>平台主题。</translation>
    </message>
  </context>
  <context>
    <name>QApplication</name>
    <message>
      <source>Executable '%1' requires Qt %2, found Qt %3.</source>
      <translation>可执行程序“%1”要求 Qt %2，但找到的是 Qt %3。</translation>
    </message>
    <message>
      <source>Incompatible Qt Library Error</source>
      <translation>Qt 程序库不兼容错误</translation>
    </message>
  </context>
</TS>
