<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
      <translation>CD 光碟</translation>
    </message>
    <message>
      <source>Go</source>
      <translation>前往</translation>
    </message>
    <message>
      <source>No</source>
      <translation>否</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>上鍵</translation>
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
      <translation>刪除鍵 (Del)</translation>
    </message>
    <message>
      <source>Cut</source>
      <translation>剪下</translation>
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
      <translation>插入鍵 (Ins)</translation>
    </message>
    <message>
      <source>New</source>
      <translation>建立</translation>
    </message>
    <message>
      <source>Num</source>
      <translation>數字鍵</translation>
    </message>
    <message>
      <source>Red</source>
      <translation>紅色</translation>
    </message>
    <message>
      <source>Tab</source>
      <translation>Tab</translation>
    </message>
    <message>
      <source>WWW</source>
      <translation>網際網路</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>是</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>返回</translation>
    </message>
    <message>
      <source>Away</source>
      <translation>拉遠</translation>
    </message>
    <message>
      <source>Blue</source>
      <translation>藍色</translation>
    </message>
    <message>
      <source>Book</source>
      <translation>書籍</translation>
    </message>
    <message>
      <source>Call</source>
      <translation>撥號</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>複製</translation>
    </message>
    <message>
      <source>Ctrl</source>
      <translation>Ctrl</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>下鍵</translation>
    </message>
    <message>
      <source>Exit</source>
      <translation>離開</translation>
    </message>
    <message>
      <source>Find</source>
      <translation>尋找</translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>反轉</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>遊戲</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>說明</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Home</translation>
    </message>
    <message>
      <source>Info</source>
      <translation>資訊</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>左鍵</translation>
    </message>
    <message>
      <source>Memo</source>
      <translation>備忘錄</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>選單</translation>
    </message>
    <message>
      <source>Meta</source>
      <translation>Meta</translation>
    </message>
    <message>
      <source>News</source>
      <translation>新聞</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>開啟</translation>
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
      <translation>儲存</translation>
    </message>
    <message>
      <source>Send</source>
      <translation>傳送</translation>
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
      <translation>時間</translation>
    </message>
    <message>
      <source>Undo</source>
      <translation>復原</translation>
    </message>
    <message>
      <source>XFer</source>
      <translation>XFer</translation>
    </message>
    <message>
      <source>View</source>
      <translation>檢視</translation>
    </message>
    <message>
      <source>Zoom</source>
      <translation>縮放</translation>
    </message>
    <message>
      <source>Split Screen</source>
      <translation>切割螢幕</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>清除</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>關閉</translation>
    </message>
    <message>
      <source>Eject</source>
      <translation>退出</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Green</source>
      <translation>綠色</translation>
    </message>
    <message>
      <source>Guide</source>
      <translation>指引</translation>
    </message>
    <message>
      <source>Kanji</source>
      <translation>漢字</translation>
    </message>
    <message>
      <source>Music</source>
      <translation>音樂</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>貼上</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>暫停鍵 (Pause)</translation>
    </message>
    <message>
      <source>Phone</source>
      <translation>手機</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Print</translation>
    </message>
    <message>
      <source>Reply</source>
      <translation>回覆</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>右鍵</translation>
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
      <translation>空白鍵</translation>
    </message>
    <message>
      <source>Tools</source>
      <translation>工具</translation>
    </message>
    <message>
      <source>Video</source>
      <translation>影片</translation>
    </message>
    <message>
      <source>Hiragana</source>
      <translation>平假名</translation>
    </message>
    <message>
      <source>Wireless</source>
      <translation>無線網路</translation>
    </message>
    <message>
      <source>Media Record</source>
      <translation>錄製媒體</translation>
    </message>
    <message>
      <source>Media Rewind</source>
      <translation>倒帶媒體</translation>
    </message>
    <message>
      <source>Multiple Candidate</source>
      <translation>多個候選</translation>
    </message>
    <message>
      <source>Zenkaku</source>
      <translation>全形</translation>
    </message>
    <message>
      <source>Print Screen</source>
      <translation>擷取螢幕 PrtSc</translation>
    </message>
    <message>
      <source>Audio Repeat</source>
      <translation>重復播放音訊</translation>
    </message>
    <message>
      <source>Toggle Call/Hangup</source>
      <translation>切換撥號/掛斷狀態</translation>
    </message>
    <message>
      <source>Zoom In</source>
      <translation>放大</translation>
    </message>
    <message>
      <source>Camera Shutter</source>
      <translation>相機快門</translation>
    </message>
    <message>
      <source>Ultra Wide Band</source>
      <translation>超寬頻帶</translation>
    </message>
    <message>
      <source>Treble Down</source>
      <translation>Treble Down</translation>
    </message>
    <message>
      <source>Scroll Lock</source>
      <translation>捲動鎖定</translation>
    </message>
    <message>
      <source>Media Pause</source>
      <translation>暫停媒體</translation>
    </message>
    <message>
      <source>Word Processor</source>
      <translation>文字處理器</translation>
    </message>
    <message>
      <source>Volume Down</source>
      <translation>音量降低</translation>
    </message>
    <message>
      <source>Volume Mute</source>
      <translation>靜音</translation>
    </message>
    <message>
      <source>Media Previous</source>
      <translation>上一個媒體</translation>
    </message>
    <message>
      <source>Home Page</source>
      <translation>首頁</translation>
    </message>
    <message>
      <source>Meeting</source>
      <translation>通訊</translation>
    </message>
    <message>
      <source>Touchpad Off</source>
      <translation>關閉觸控板</translation>
    </message>
    <message>
      <source>Volume Up</source>
      <translation>音量加大</translation>
    </message>
    <message>
      <source>Menu PB</source>
      <translation>選單 PB</translation>
    </message>
    <message>
      <source>Keyboard Brightness Up</source>
      <translation>提高鍵盤亮度</translation>
    </message>
    <message>
      <source>Community</source>
      <translation>社群</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>Launch (6)</source>
      <translation>啟動 (6)</translation>
    </message>
    <message>
      <source>Launch (7)</source>
      <translation>啟動 (7)</translation>
    </message>
    <message>
      <source>Launch (8)</source>
      <translation>啟動 (8)</translation>
    </message>
    <message>
      <source>Launch (9)</source>
      <translation>啟動 (9)</translation>
    </message>
    <message>
      <source>Launch (2)</source>
      <translation>啟動 (2)</translation>
    </message>
    <message>
      <source>Launch (3)</source>
      <translation>啟動 (3)</translation>
    </message>
    <message>
      <source>Launch (4)</source>
      <translation>啟動 (4)</translation>
    </message>
    <message>
      <source>Launch (5)</source>
      <translation>啟動 (5)</translation>
    </message>
    <message>
      <source>Launch (0)</source>
      <translation>啟動 (0)</translation>
    </message>
    <message>
      <source>Launch (1)</source>
      <translation>啟動 (1)</translation>
    </message>
    <message>
      <source>Launch (F)</source>
      <translation>啟動 (F)</translation>
    </message>
    <message>
      <source>Launch (G)</source>
      <translation>啟動 (G)</translation>
    </message>
    <message>
      <source>Launch (H)</source>
      <translation>啟動 (H)</translation>
    </message>
    <message>
      <source>Launch (B)</source>
      <translation>啟動 (B)</translation>
    </message>
    <message>
      <source>Launch (C)</source>
      <translation>啟動 (C)</translation>
    </message>
    <message>
      <source>Launch (D)</source>
      <translation>啟動 (D)</translation>
    </message>
    <message>
      <source>Launch (E)</source>
      <translation>啟動 (E)</translation>
    </message>
    <message>
      <source>Launch (A)</source>
      <translation>啟動 (A)</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>刪除</translation>
    </message>
    <message>
      <source>Escape</source>
      <translation>Esc 鍵</translation>
    </message>
    <message>
      <source>Audio Random Play</source>
      <translation>隨機播放音訊</translation>
    </message>
    <message>
      <source>Hangup</source>
      <translation>掛斷</translation>
    </message>
    <message>
      <source>Henkan</source>
      <translation>變換</translation>
    </message>
    <message>
      <source>Insert</source>
      <translation>插入</translation>
    </message>
    <message>
      <source>Home Office</source>
      <translation>家庭辦公</translation>
    </message>
    <message>
      <source>Last Number Redial</source>
      <translation>重撥上次撥打號碼</translation>
    </message>
    <message>
      <source>Logoff</source>
      <translation>登出</translation>
    </message>
    <message>
      <source>Market</source>
      <translation>市集</translation>
    </message>
    <message>
      <source>Bass Boost</source>
      <translation>重低音</translation>
    </message>
    <message>
      <source>Channel Up</source>
      <translation>上一頻道</translation>
    </message>
    <message>
      <source>Option</source>
      <translation>選項</translation>
    </message>
    <message>
      <source>PgDown</source>
      <translation>PgDown</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>重新載入</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Return</translation>
    </message>
    <message>
      <source>Adjust contrast</source>
      <translation>調整對比度</translation>
    </message>
    <message>
      <source>Romaji</source>
      <translation>羅馬字</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>搜尋</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>選擇</translation>
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
      <translation>數字鎖定</translation>
    </message>
    <message>
      <source>WebCam</source>
      <translation>網路攝影機</translation>
    </message>
    <message>
      <source>Hiragana Katakana</source>
      <translation>平假名 片假名</translation>
    </message>
    <message>
      <source>Yellow</source>
      <translation>黃色</translation>
    </message>
    <message>
      <source>Top Menu</source>
      <translation>頂層選單</translation>
    </message>
    <message>
      <source>ScrollLock</source>
      <translation>捲動鎖定</translation>
    </message>
    <message>
      <source>Hot Links</source>
      <translation>熱門連結</translation>
    </message>
    <message>
      <source>Audio Cycle Track</source>
      <translation>音訊循環音軌</translation>
    </message>
    <message>
      <source>Context1</source>
      <translation>內文 1</translation>
    </message>
    <message>
      <source>Context2</source>
      <translation>內文 2</translation>
    </message>
    <message>
      <source>Context3</source>
      <translation>內文 3</translation>
    </message>
    <message>
      <source>Context4</source>
      <translation>內文 4</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>縮小</translation>
    </message>
    <message>
      <source>Page Up</source>
      <translation>往上一頁</translation>
    </message>
    <message>
      <source>Open URL</source>
      <translation>開啟網址</translation>
    </message>
    <message>
      <source>iTouch</source>
      <translation>iTouch</translation>
    </message>
    <message>
      <source>Previous Candidate</source>
      <translation>上個候選</translation>
    </message>
    <message>
      <source>Toggle Media Play/Pause</source>
      <translation>切換播放／暫停媒體</translation>
    </message>
    <message>
      <source>Caps Lock</source>
      <translation>大寫鎖定</translation>
    </message>
    <message>
      <source>Code input</source>
      <translation>輸入代碼</translation>
    </message>
    <message>
      <source>Printer</source>
      <translation>印表機</translation>
    </message>
    <message>
      <source>Camera Focus</source>
      <translation>相機對焦</translation>
    </message>
    <message>
      <source>Adjust Brightness</source>
      <translation>調整亮度</translation>
    </message>
    <message>
      <source>Spreadsheet</source>
      <translation>試算表</translation>
    </message>
    <message>
      <source>Keyboard Brightness Down</source>
      <translation>降低鍵盤亮度</translation>
    </message>
    <message>
      <source>Calendar</source>
      <translation>行事曆</translation>
    </message>
    <message>
      <source>Clear Grab</source>
      <translation>清除痕跡</translation>
    </message>
    <message>
      <source>Monitor Brightness Up</source>
      <translation>提高顯示器亮度</translation>
    </message>
    <message>
      <source>System Request</source>
      <translation>系統要求 SysRq</translation>
    </message>
    <message>
      <source>Microphone Volume Up</source>
      <translation>增加麥克風音量</translation>
    </message>
    <message>
      <source>CapsLock</source>
      <translation>大寫鎖定</translation>
    </message>
    <message>
      <source>Backtab</source>
      <translation>Backtab</translation>
    </message>
    <message>
      <source>Bass Up</source>
      <translation>Bass Up</translation>
    </message>
    <message>
      <source>Battery</source>
      <translation>電池</translation>
    </message>
    <message>
      <source>Katakana</source>
      <translation>片假名</translation>
    </message>
    <message>
      <source>Refresh</source>
      <translation>重新整理</translation>
    </message>
    <message>
      <source>Hibernate</source>
      <translation>休眠</translation>
    </message>
    <message>
      <source>Application Left</source>
      <translation>應用程式向左</translation>
    </message>
    <message>
      <source>Voice Dial</source>
      <translation>語音撥號</translation>
    </message>
    <message>
      <source>Browser</source>
      <translation>瀏覽器</translation>
    </message>
    <message>
      <source>Keyboard Menu</source>
      <translation>鍵盤目錄</translation>
    </message>
    <message>
      <source>Back Forward</source>
      <translation>向後向前</translation>
    </message>
    <message>
      <source>Launch Mail</source>
      <translation>啟動郵件程式</translation>
    </message>
    <message>
      <source>Keyboard Light On/Off</source>
      <translation>開啟／關閉鍵盤燈光</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>Backspace</translation>
    </message>
    <message>
      <source>Bass Down</source>
      <translation>Bass Down</translation>
    </message>
    <message>
      <source>Mail Forward</source>
      <translation>信件轉發</translation>
    </message>
    <message>
      <source>Messenger</source>
      <translation>通訊軟體</translation>
    </message>
    <message>
      <source>Standby</source>
      <translation>待命</translation>
    </message>
    <message>
      <source>Rotation KB</source>
      <translation>旋轉 KB</translation>
    </message>
    <message>
      <source>Rotation PB</source>
      <translation>旋轉 PB</translation>
    </message>
    <message>
      <source>Documents</source>
      <translation>文件</translation>
    </message>
    <message>
      <source>Calculator</source>
      <translation>計算機</translation>
    </message>
    <message>
      <source>Support</source>
      <translation>支援</translation>
    </message>
    <message>
      <source>Suspend</source>
      <translation>暫停</translation>
    </message>
    <message>
      <source>Display</source>
      <translation>顯示器</translation>
    </message>
    <message>
      <source>To-do list</source>
      <translation>待辦事項清單</translation>
    </message>
    <message>
      <source>My Sites</source>
      <translation>我的網站</translation>
    </message>
    <message>
      <source>Rotate Windows</source>
      <translation>旋轉視窗</translation>
    </message>
    <message>
      <source>Zenkaku Hankaku</source>
      <translation>全形 半形</translation>
    </message>
    <message>
      <source>Treble Up</source>
      <translation>Treble Up</translation>
    </message>
    <message>
      <source>Subtitle</source>
      <translation>字幕</translation>
    </message>
    <message>
      <source>Bluetooth</source>
      <translation>藍牙</translation>
    </message>
    <message>
      <source>Muhenkan</source>
      <translation>無變換</translation>
    </message>
    <message>
      <source>Num Lock</source>
      <translation>數字鎖定</translation>
    </message>
    <message>
      <source>Screensaver</source>
      <translation>螢幕保護程式</translation>
    </message>
    <message>
      <source>Number Lock</source>
      <translation>數字鎖定</translation>
    </message>
    <message>
      <source>Power Down</source>
      <translation>斷電</translation>
    </message>
    <message>
      <source>Spellchecker</source>
      <translation>拼寫檢查</translation>
    </message>
    <message>
      <source>Terminal</source>
      <translation>終端器</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>設定</translation>
    </message>
    <message>
      <source>Add Favorite</source>
      <translation>加到最愛</translation>
    </message>
    <message>
      <source>Execute</source>
      <translation>執行</translation>
    </message>
    <message>
      <source>Finance</source>
      <translation>股市</translation>
    </message>
    <message>
      <source>Microphone Volume Down</source>
      <translation>降低麥克風音量</translation>
    </message>
    <message>
      <source>Task Panel</source>
      <translation>工作面板</translation>
    </message>
    <message>
      <source>Favorites</source>
      <translation>最愛</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>往前</translation>
    </message>
    <message>
      <source>Page Down</source>
      <translation>往下一頁</translation>
    </message>
    <message>
      <source>Wake Up</source>
      <translation>喚醒</translation>
    </message>
    <message>
      <source>Power Off</source>
      <translation>電源關閉</translation>
    </message>
    <message>
      <source>LightBulb</source>
      <translation>燈泡</translation>
    </message>
    <message>
      <source>Touchpad Toggle</source>
      <translation>切換觸控板</translation>
    </message>
    <message>
      <source>Hankaku</source>
      <translation>半形</translation>
    </message>
    <message>
      <source>Media Fast Forward</source>
      <translation>快轉媒體</translation>
    </message>
    <message>
      <source>Monitor Brightness Down</source>
      <translation>降低顯示器亮度</translation>
    </message>
    <message>
      <source>Microphone Mute</source>
      <translation>靜音麥克風</translation>
    </message>
    <message>
      <source>History</source>
      <translation>歷史紀錄</translation>
    </message>
    <message>
      <source>Media Play</source>
      <translation>播放媒體</translation>
    </message>
    <message>
      <source>Media Stop</source>
      <translation>停止媒體</translation>
    </message>
    <message>
      <source>Media Next</source>
      <translation>下一個媒體</translation>
    </message>
    <message>
      <source>Touchpad On</source>
      <translation>打開觸控板</translation>
    </message>
    <message>
      <source>Channel Down</source>
      <translation>下一頻道</translation>
    </message>
    <message>
      <source>Launch Media</source>
      <translation>啟動媒體程式</translation>
    </message>
    <message>
      <source>Application Right</source>
      <translation>應用程式向右</translation>
    </message>
    <message>
      <source>Pictures</source>
      <translation>圖片</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>確定</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>確定</translation>
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
      <translation>說明</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>開啟</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>儲存</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>終止</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>套用</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>關閉</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>重設</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>重試</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>還原到預設值</translation>
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
      <translation>全部皆否(&amp;O)</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>全部儲存</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>丟棄</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>全部皆是(&amp;A)</translation>
    </message>
  </context>
  <context>
    <name>QScrollBar</name>
    <message>
      <source>Top</source>
      <translation>頂端</translation>
    </message>
    <message>
      <source>Scroll down</source>
      <translation>往下捲動</translation>
    </message>
    <message>
      <source>Scroll here</source>
      <translation>在此捲動</translation>
    </message>
    <message>
      <source>Scroll left</source>
      <translation>往左捲動</translation>
    </message>
    <message>
      <source>Bottom</source>
      <translation>底端</translation>
    </message>
    <message>
      <source>Page up</source>
      <translation>頁面上方</translation>
    </message>
    <message>
      <source>Page right</source>
      <translation>頁面右方</translation>
    </message>
    <message>
      <source>Scroll up</source>
      <translation>往上捲動</translation>
    </message>
    <message>
      <source>Scroll right</source>
      <translation>往右捲動</translation>
    </message>
    <message>
      <source>Left edge</source>
      <translation>左邊緣</translation>
    </message>
    <message>
      <source>Page down</source>
      <translation>頁面下方</translation>
    </message>
    <message>
      <source>Page left</source>
      <translation>頁面左方</translation>
    </message>
    <message>
      <source>Right edge</source>
      <translation>右邊緣</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>剪下(&amp;T)</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>複製(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>重做(&amp;R)</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>復原(&amp;U)</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>貼上(&amp;P)</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>刪除</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>全部選擇</translation>
    </message>
  </context>
  <context>
    <name>QWidgetTextControl</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>剪下(&amp;T)</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>複製(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>重做(&amp;R)</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>復原(&amp;U)</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>貼上(&amp;P)</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>刪除</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>全部選擇</translation>
    </message>
    <message>
      <source>Copy &amp;Link Location</source>
      <translation>複製連結位址(&amp;L)</translation>
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
      <translation>顯示選單</translation>
    </message>
    <message>
      <source>Scrolls to the left</source>
      <translation>捲動到左邊</translation>
    </message>
    <message>
      <source>Scroll Down</source>
      <translation>往下捲動</translation>
    </message>
    <message>
      <source>Scroll Left</source>
      <translation>往左捲動</translation>
    </message>
    <message>
      <source>Goes back a page</source>
      <translation>回到前一頁</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>觸發動作</translation>
    </message>
    <message>
      <source>Increase</source>
      <translation>增加</translation>
    </message>
    <message>
      <source>Toggle</source>
      <translation>切換</translation>
    </message>
    <message>
      <source>Toggles the state</source>
      <translation>切換狀態</translation>
    </message>
    <message>
      <source>Scrolls up</source>
      <translation>往上捲動</translation>
    </message>
    <message>
      <source>Scrolls down</source>
      <translation>往下捲動</translation>
    </message>
    <message>
      <source>Scroll Up</source>
      <translation>往上捲動</translation>
    </message>
    <message>
      <source>Goes to the next page</source>
      <translation>前往下一頁</translation>
    </message>
    <message>
      <source>Scrolls to the right</source>
      <translation>捲動到右邊</translation>
    </message>
    <message>
      <source>Increase the value</source>
      <translation>增加值</translation>
    </message>
    <message>
      <source>Decrease the value</source>
      <translation>減少值</translation>
    </message>
    <message>
      <source>Decrease</source>
      <translation>減少</translation>
    </message>
    <message>
      <source>Scroll Right</source>
      <translation>往右捲動</translation>
    </message>
    <message>
      <source>Previous Page</source>
      <translation>上一頁</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>設定焦點</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>設定焦點</translation>
    </message>
    <message>
      <source>Next Page</source>
      <translation>下一頁</translation>
    </message>
    <message>
      <source>ShowMenu</source>
      <translation>顯示選單</translation>
    </message>
  </context>
  <context>
    <name>QDialog</name>
    <message>
      <source>What's This?</source>
      <translation>這是什麼？</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>Show Details...</source>
      <translation>顯示詳情...</translation>
    </message>
    <message>
      <source>About Qt</source>
      <translation>關於 Qt</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>隱藏詳情...</translation>
    </message>
    <message>
      <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
      <translation>&lt;h3&gt;關於 Qt&lt;/h3&gt;&lt;p&gt;此程式使用 Qt %1 版。&lt;/p&gt;</translation>
    </message>
  </context>
  <context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
      <source>RLE Start of right-to-left embedding</source>
      <translation>RLE 右到左嵌入起點</translation>
    </message>
    <message>
      <source>ZWSP Zero width space</source>
      <translation>ZWSP 零寬度空白</translation>
    </message>
    <message>
      <source>LRI Left-to-right isolate</source>
      <translation>LRI 左至右分隔</translation>
    </message>
    <message>
      <source>Insert Unicode control character</source>
      <translation>插入 Unicode 控制字元</translation>
    </message>
    <message>
      <source>LRO Start of left-to-right override</source>
      <translation>LRO 左到右覆寫起點</translation>
    </message>
    <message>
      <source>LRE Start of left-to-right embedding</source>
      <translation>LRE 左到右嵌入起點</translation>
    </message>
    <message>
      <source>RLI Right-to-left isolate</source>
      <translation>RLI 右至左分隔</translation>
    </message>
    <message>
      <source>RLM Right-to-left mark</source>
      <translation>RLM 右到左標記</translation>
    </message>
    <message>
      <source>PDF Pop directional formatting</source>
      <translation>PDF 彈出方向格式</translation>
    </message>
    <message>
      <source>ZWNJ Zero width non-joiner</source>
      <translation>ZWNJ 零寬度非連接器</translation>
    </message>
    <message>
      <source>RLO Start of right-to-left override</source>
      <translation>RLO 右到左覆寫起點</translation>
    </message>
    <message>
      <source>ZWJ Zero width joiner</source>
      <translation>ZWJ 零寬度連接器</translation>
    </message>
    <message>
      <source>LRM Left-to-right mark</source>
      <translation>LRM 左到右標記</translation>
    </message>
  </context>
  <context>
    <name>QGuiApplication</name>
    <message>
      <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
      <translation>QPA 外掛程式。請檢視 QGuiApplication 文件以得知每個外掛程式的可用選項。</translation>
    </message>
    <message>
      <source>QT_LAYOUT_DIRECTION</source>
      <translation>QT_LAYOUT_DIRECTION</translation>
    </message>
    <message>
      <source>Restores the application from an earlier session.</source>
      <translation>還原應用程式至稍早的工作階段。</translation>
    </message>
    <message>
      <source>Default window icon.</source>
      <translation>預設視窗圖示。</translation>
    </message>
    <message>
      <source>Instance name according to ICCCM 4.1.2.5.</source>
      <translation>根據 ICCCM 4.1.2.5 的實體名稱。</translation>
    </message>
    <message>
      <source>Disable mouse grabbing (useful in debuggers).</source>
      <translation>停用滑鼠抓取（可能對除錯器有助益）。</translation>
    </message>
    <message>
      <source>Path to the platform plugins.</source>
      <translation>平台外掛程式的路徑。</translation>
    </message>
    <message>
      <source>Alias for --windowtitle.</source>
      <translation>--windowtitle 的別名。</translation>
    </message>
    <message>
      <source>Title of the first window.</source>
      <translation>第一個視窗的標題。</translation>
    </message>
    <message>
      <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
      <translation>主視窗的大小及位置，使用 X11 語法，例如 100x100+50+50。</translation>
    </message>
    <message>
      <source>Alias for --windowgeometry.</source>
      <translation>--windowgeometry 的別名。</translation>
    </message>
    <message>
      <source>ID of the X11 Visual to use.</source>
      <translation>X11 Visual 要使用的 ID。</translation>
    </message>
    <message>
      <source>Sets the application's layout direction to Qt::RightToLeft (debugging helper).</source>
      <translation>設定 Qt::RightToLeft 的應用程式佈局方向（除錯協助程式）。</translation>
    </message>
    <message>
      <source>Additional plugins to load, can be specified multiple times.</source>
      <translation>要載入的其他外掛程式，可指定多次。</translation>
    </message>
    <message>
      <source>Display name, overrides $DISPLAY.</source>
      <translation>顯示器名稱，覆蓋 $DISPLAY。</translation>
    </message>
    <message>
      <source>Force mouse grabbing (even when running in a debugger).</source>
      <translation>強制滑鼠抓取（即使在除錯器執行）。</translation>
    </message>
    <message>
      <source>Alias for --windowicon.</source>
      <translation>--windowicon 的別名。</translation>
    </message>
    <message>
      <source>Platform theme.</source>
      <translation>平台主題。</translation>
    </message>
  </context>
  <context>
    <name>QApplication</name>
    <message>
      <source>Executable '%1' requires Qt %2, found Qt %3.</source>
      <translation>執行檔「%1」需要 Qt %2，但只找到 Qt %3。</translation>
    </message>
    <message>
      <source>Incompatible Qt Library Error</source>
      <translation>Qt 函式庫不相容錯誤</translation>
    </message>
  </context>
</TS>
