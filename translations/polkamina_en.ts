<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Board</name>
    <message>
        <source>%1 伏せてある</source>
        <translation>%1, face down</translation>
    </message>
    <message>
        <source>%1 めくれている %2</source>
        <translation>%1, face up: %2</translation>
    </message>
    <message>
        <source>%1 取り除かれた</source>
        <translation>%1, removed</translation>
    </message>
    <message>
        <source>フレームをダブルクリックするとプレイ履歴を表示します</source>
        <translation>Double-click the frame to see the play history</translation>
    </message>
    <message>
        <source>盤面</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>フレームをダブルクリックするか Ctrl+H を押すとプレイ履歴を表示します</source>
        <translation>Double-click the frame or press Ctrl+H to see the play history</translation>
    </message>
    <message>
        <source>%1行%2列</source>
        <translation>row %1, column %2</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>%1分%2秒</source>
        <translation>%1:%2</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1が見つかりません。</source>
        <translation>%1 cannot be found.</translation>
    </message>
    <message>
        <source>%1を開けません。</source>
        <translation>%1 cannot be opened.</translation>
    </message>
    <message>
        <source>%1の内容が途中で終わっています（短いか壊れています）。</source>
        <translation>%1 ends too early (it is too short or damaged).</translation>
    </message>
    <message>
        <source>%1はShift-JISの文字として読めません。</source>
        <translation>%1 cannot be read as Shift-JIS text.</translation>
    </message>
    <message>
        <source>%1の数値の欄に数値でないものがあります。</source>
        <translation>%1 has something other than a number where a number belongs.</translation>
    </message>
    <message>
        <source>%1の数値が範囲外です。</source>
        <translation>%1 has a number out of range.</translation>
    </message>
    <message>
        <source>%1に長すぎる値があります。</source>
        <translation>%1 has a value that is too long.</translation>
    </message>
    <message>
        <source>%1は、ほかのユーザーが置いたリンクなので使いません。</source>
        <translation>%1 is a link put there by another user, so the game does not use it.</translation>
    </message>
    <message>
        <source>%1に書き込めません。</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message>
        <source>%1に書き込めず、元の内容にも戻せませんでした。</source>
        <translation>%1 could not be written, nor its old contents restored.</translation>
    </message>
    <message>
        <source>%1を扱えません。</source>
        <translation>%1 cannot be used.</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>ファイル「%1」</source>
        <translation>The file “%1”</translation>
    </message>
    <message>
        <source>
プログラムを終了します。</source>
        <translation>
The game will now close.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>pkHelp.chm</source>
        <translation>pkHelp_en.chm</translation>
    </message>
    <message>
        <source>スタートボタンを押してください</source>
        <translation>Press Start first.</translation>
    </message>
    <message>
        <source>スタート確認</source>
        <translation>Not started</translation>
    </message>
    <message>
        <source>履歴データをクリアします。よろしいですか？</source>
        <translation>This clears the play history. Are you sure?</translation>
    </message>
    <message>
        <source>クリア確認</source>
        <translation>Clear history</translation>
    </message>
    <message>
        <source>履歴データをクリアしました</source>
        <translation>The play history has been cleared.</translation>
    </message>
    <message>
        <source>クリア終了</source>
        <translation>History cleared</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>権限がありません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>読み取り専用のファイルシステムです</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>空き容量がありません</source>
        <translation>no space left</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>途中にフォルダでないものがあります</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>普通のファイルではありません</source>
        <translation>it is not an ordinary file</translation>
    </message>
    <message>
        <source>大きすぎます</source>
        <translation>it is too large</translation>
    </message>
    <message>
        <source>リンクがループしています</source>
        <translation>the links go round in a loop</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>入出力エラーが起きました</source>
        <translation>an input/output error occurred</translation>
    </message>
    <message>
        <source>エラー %1（%2）</source>
        <translation>error %1 (%2)</translation>
    </message>
    <message>
        <source>%1：%2。</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>フォルダ%1を作れません</source>
        <translation>Cannot make the folder %1</translation>
    </message>
    <message>
        <source>%1を書き込めません</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>%1を置けません</source>
        <translation>Cannot put %1 in place</translation>
    </message>
    <message>
        <source>インストールされた既定のファイル%1を読めません</source>
        <translation>Cannot read the installed default file %1</translation>
    </message>
    <message>
        <source>フォルダ%1に書き込めません</source>
        <translation>Cannot write in the folder %1</translation>
    </message>
    <message>
        <source>%1はリンクですが、リンク先がありません。</source>
        <translation>%1 is a link to something that does not exist.</translation>
    </message>
    <message>
        <source>%1を開けません</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>%1はフォルダではありません。</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>インストールされたファイルのフォルダ%1と同じ場所です。ゲームフォルダは別の場所にしてください。</source>
        <translation>It is the folder of the installed files, %1. Put the game folder somewhere else.</translation>
    </message>
    <message>
        <source>
既定のファイルは%1にあります。</source>
        <translation>
The default files are in %1.</translation>
    </message>
    <message>
        <source>インストールされたヘルプファイル%1を読めません</source>
        <translation>Cannot read the installed help file %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>文字が多すぎる</source>
        <translation>it has too much text</translation>
    </message>
    <message>
        <source>要素や画像が多すぎる</source>
        <translation>it has too many elements or pictures</translation>
    </message>
    <message>
        <source>要素の入れ子が深すぎる</source>
        <translation>its elements are nested too deeply</translation>
    </message>
    <message>
        <source>表の入れ子が深すぎる</source>
        <translation>its tables are nested too deeply</translation>
    </message>
    <message>
        <source>内容が多すぎる</source>
        <translation>it has too much content</translation>
    </message>
    <message>
        <source>改行できない長い文字の並びがある</source>
        <translation>it has a run of text too long to wrap</translation>
    </message>
    <message>
        <source>スタイルシートが大きすぎるか複雑すぎる</source>
        <translation>its style sheet is too large or too complex</translation>
    </message>
    <message>
        <source>「%1」というページはヘルプファイルの中にありません。</source>
        <translation>The help file has no page “%1”.</translation>
    </message>
    <message>
        <source>ページ「%1」は大きすぎるため表示できません。</source>
        <translation>The page “%1” is too large to show.</translation>
    </message>
    <message>
        <source>ヘルプファイルが壊れているため、ページ「%1」を読めません。</source>
        <translation>The page “%1” cannot be read: the help file is damaged.</translation>
    </message>
    <message>
        <source>ページ「%1」は%2ため表示できません。</source>
        <translation>The page “%1” cannot be shown: %2.</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>このページは表示できません</source>
        <translation>This page cannot be shown</translation>
    </message>
    <message>
        <source>目次に戻る</source>
        <translation>Back to the contents</translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」が見つかりません。</source>
        <translation>The help file “%1” cannot be found.</translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」を読めません。</source>
        <translation>The help file “%1” cannot be read.</translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」は大きすぎるため開けません。</source>
        <translation>The help file “%1” is too large to open.</translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」は壊れているため開けません。</source>
        <translation>The help file “%1” is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>ヘルプファイルの外へのリンクは開けません</source>
        <translation>Links outside the help file cannot be opened</translation>
    </message>
    <message>
        <source>リンク先のページ「%1」はヘルプファイルの中にありません</source>
        <translation>The linked page “%1” is not in the help file</translation>
    </message>
    <message>
        <source>ヘルプファイルに最初のページ「%1」がないため、「%2」を表示しています</source>
        <translation>The help file has no first page “%1”, so “%2” is shown</translation>
    </message>
    <message>
        <source>ヘルプの操作</source>
        <translation>Help navigation</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>リンク %1</source>
        <translation>Link %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>回</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>ターン数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>クリア時間</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>回記録</source>
        <translation>Fewest</translation>
    </message>
    <message>
        <source>秒記録</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>プレイ履歴</source>
        <translation>Play history</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>アイコンが %1個 足りません<byte value="xd"/>
アイコンを補充してからプレイしてください。</source>
        <translation>Missing icons: %1.<byte value="xd"/>
Add icons to the game folder before you play.</translation>
    </message>
    <message>
        <source>アイコン不足</source>
        <translation>Too few icons</translation>
    </message>
    <message>
        <source>アイコンが %1個 余分です<byte value="xd"/>
不要なアイコンを削除してからプレイしてください。</source>
        <translation>Extra icons: %1.<byte value="xd"/>
Remove the icons you do not need before you play.</translation>
    </message>
    <message>
        <source>アイコン余分</source>
        <translation>Too many icons</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>絵を取り込む</source>
        <translation>Import a picture</translation>
    </message>
    <message>
        <source>「%1」の白い枠の中がコマの絵になります。</source>
        <translation>What lies inside the white frame of “%1” becomes the piece’s picture.</translation>
    </message>
    <message>
        <source>絵の名前</source>
        <translation>Picture name</translation>
    </message>
    <message>
        <source>名前(&amp;N):</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>名前について</source>
        <translation>About the name</translation>
    </message>
    <message>
        <source>取り込む(&amp;I)</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>この絵は飛ばす(&amp;S)</source>
        <translation>&amp;Skip this picture</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>絵から使う正方形</source>
        <translation>Square taken from the picture</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 MB まで）。</source>
        <translation>The file is too large (up to %1 MB).</translation>
    </message>
    <message>
        <source>ファイルを読めません（%1）。</source>
        <translation>The file cannot be read (%1).</translation>
    </message>
    <message>
        <source>PNG、JPEG、GIF、BMP、WebP の絵ではありません。</source>
        <translation>It is not a PNG, JPEG, GIF, BMP or WebP picture.</translation>
    </message>
    <message>
        <source>この %1 の絵は読めません（壊れているか、読む部品がありません）。</source>
        <translation>This %1 picture cannot be read (it is damaged, or its reader is not installed).</translation>
    </message>
    <message>
        <source>絵が壊れていて読めません（%1）。</source>
        <translation>The picture is damaged and cannot be read (%1).</translation>
    </message>
    <message>
        <source>正方形は左から %1%、上から %2% のところです。ドラッグするか矢印キーで動かします。Shift で大きく動きます。</source>
        <translation>The square is %1% from the left and %2% from the top. Drag it or move it with the arrow keys; hold Shift for bigger steps.</translation>
    </message>
    <message>
        <source>絵が壊れていて読めません。</source>
        <translation>The picture is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>絵が大きすぎます（%1 × %1 画素、%2 万画素まで）。</source>
        <translation>The picture is too large (up to %1 × %1 pixels, and %2 × 10,000 pixels in all).</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>
プログラムを終了します。</source>
        <translation>
The game will now close.</translation>
    </message>
    <message>
        <source>ゲームフォルダの場所が分かりません：ホームフォルダが分かりません。</source>
        <translation>Cannot tell where the game folder belongs: the home folder is unknown.</translation>
    </message>
    <message>
        <source>ゲームフォルダ%1を用意できません。
%2</source>
        <translation>Cannot prepare the game folder %1.
%2</translation>
    </message>
    <message>
        <source>ゲームフォルダ%1にヘルプファイルを置けません。
%2
ヘルプなしでゲームを始めます。</source>
        <translation>Cannot put the help file in the game folder %1.
%2
The game starts without help.</translation>
    </message>
    <message>
        <source>ゲームフォルダ%1に移れません：%2。</source>
        <translation>Cannot open the game folder %1: %2.</translation>
    </message>
    <message>
        <source>ゲーム本体%1を起動できません：%2。</source>
        <translation>Cannot start the game program %1: %2.</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>イージー</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>  ターン数&#x3000;&#x3000;コマ残り&#x3000;イージー最短記録        時間記録 </source>
        <translation>   Turns   Pieces left    Easy best           Best time </translation>
    </message>
    <message>
        <source>イージーモードのターン記録を更新しました！</source>
        <translation>New turn record on Easy!</translation>
    </message>
    <message>
        <source>イージーモードのタイム記録を更新しました！</source>
        <translation>New time record on Easy!</translation>
    </message>
    <message>
        <source>ノーマル</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>  ターン数&#x3000;&#x3000;コマ残り&#x3000;ノーマル最短記録        時間記録 </source>
        <translation>   Turns   Pieces left   Normal best          Best time </translation>
    </message>
    <message>
        <source>ノーマルモードのターン記録を更新しました！</source>
        <translation>New turn record on Normal!</translation>
    </message>
    <message>
        <source>ノーマルモードのタイム記録を更新しました！</source>
        <translation>New time record on Normal!</translation>
    </message>
    <message>
        <source>ハード</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>  ターン数&#x3000;&#x3000;コマ残り&#x3000; ハード最短記録         時間記録 </source>
        <translation>   Turns   Pieces left    Hard best           Best time </translation>
    </message>
    <message>
        <source>ハードモードのターン記録を更新しました！</source>
        <translation>New turn record on Hard!</translation>
    </message>
    <message>
        <source>ハードモードのタイム記録を更新しました！</source>
        <translation>New time record on Hard!</translation>
    </message>
    <message>
        <source>パニック</source>
        <translation>Panic</translation>
    </message>
    <message>
        <source>  ターン数&#x3000;&#x3000;コマ残り&#x3000;パニック最短記録        時間記録 </source>
        <translation>   Turns   Pieces left   Panic best           Best time </translation>
    </message>
    <message>
        <source>パニックモードのターン記録を更新しました！</source>
        <translation>New turn record on Panic!</translation>
    </message>
    <message>
        <source>パニックモードのタイム記録を更新しました！</source>
        <translation>New time record on Panic!</translation>
    </message>
    <message>
        <source>%1回</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ポルカミナ</source>
        <translation>Polkamina</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>プログラムを終了します</source>
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプファイルを開きます</source>
        <translation>Open the help</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>コマの消去時間などを設定します</source>
        <translation>Set how long pieces stay face up, and more</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>履歴データをクリアします</source>
        <translation>Clear the play history</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>データを保存します</source>
        <translation>Save this game to the history</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ゲームを中止します</source>
        <translation>Stop the game</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ゲームをスタートします</source>
        <translation>Start a game</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>名前表示</source>
        <translation>Names</translation>
    </message>
    <message>
        <source>アイコンの名前表示を制御します</source>
        <translation>Show the icons’ names on the pieces</translation>
    </message>
    <message>
        <source>履歴保存</source>
        <translation>Save all</translation>
    </message>
    <message>
        <source>履歴の自動保存を制御します</source>
        <translation>Save every game to the history</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>No match</translation>
    </message>
    <message>
        <source>そろいました。ゲーム終了。ターン数 %1、時間 %2</source>
        <translation>A match. Game over: %1 turns, time %2</translation>
    </message>
    <message>
        <source>そろいました。残り %1</source>
        <translation>A match. %1 left</translation>
    </message>
    <message>
        <source>表示倍率</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>表示倍率を %1% にしました。今すぐ起動し直して、この大きさにしますか？</source>
        <translation>Window size set to %1%. Start again now at this size?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
遊んでいる途中のゲームは記録されずに終わります。</source>
        <translation><byte value="xd"/>
The game in progress ends without a record.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
「キャンセル」のときは、次に起動したときからこの大きさになります。</source>
        <translation><byte value="xd"/>
With Cancel, the windows take this size from the next start.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>最小化したら一時停止</source>
        <translation>Pause when minimised</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>成績...</source>
        <translation>Progress...</translation>
    </message>
    <message>
        <source>表示倍率</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>絵の管理...</source>
        <translation>Pictures...</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>一時停止中</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>クリックするか P キーを押すと再開します</source>
        <translation>Click or press P to go on</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>絵のセットの切り替え</source>
        <translation>Switching picture sets</translation>
    </message>
    <message>
        <source>使用中の絵</source>
        <translation>Pictures in use</translation>
    </message>
    <message>
        <source>使用中の絵（%1）</source>
        <translation>Pictures in use (%1)</translation>
    </message>
    <message>
        <source>%1 ― %2 枚、遊べます</source>
        <translation>%1 — %2 pictures, ready to play</translation>
    </message>
    <message>
        <source>%1 ― %2 枚、あと %3 枚で遊べます</source>
        <translation>%1 — %2 pictures, %3 more to play</translation>
    </message>
    <message>
        <source>%1 ― %2 枚、%3 枚多すぎます</source>
        <translation>%1 — %2 pictures, %3 too many</translation>
    </message>
    <message>
        <source>そのセットはもうありません。</source>
        <translation>That set no longer exists.</translation>
    </message>
    <message>
        <source>同じ名前のセットがもうあります（大文字と小文字は区別しません）。</source>
        <translation>There is already a set of that name (capitals do not count).</translation>
    </message>
    <message>
        <source>このセットには同じ名前の絵がもうあります（大文字と小文字は区別しません）。</source>
        <translation>This set already has a picture of that name (capitals do not count).</translation>
    </message>
    <message>
        <source>このセットには同じ名前のファイルがもうあります。</source>
        <translation>This set already has a file of that name.</translation>
    </message>
    <message>
        <source>セットのフォルダを作れませんでした。</source>
        <translation>The set’s folder could not be made.</translation>
    </message>
    <message>
        <source>同じ名前のファイルがもうあります。</source>
        <translation>There is already a file of that name.</translation>
    </message>
    <message>
        <source>セットの名前を変えられませんでした。</source>
        <translation>The set could not be renamed.</translation>
    </message>
    <message>
        <source>絵を消せませんでした。</source>
        <translation>The picture could not be deleted.</translation>
    </message>
    <message>
        <source>絵は消しましたが、フォルダにはほかのファイルがあるので残しました。</source>
        <translation>The pictures are deleted, but the folder holds other files, so it was kept.</translation>
    </message>
    <message>
        <source>セットのフォルダを消せませんでした。</source>
        <translation>The set’s folder could not be deleted.</translation>
    </message>
    <message>
        <source>絵の名前を変えられませんでした。</source>
        <translation>The picture could not be renamed.</translation>
    </message>
    <message>
        <source>絵を移せませんでした。</source>
        <translation>The picture could not be moved.</translation>
    </message>
    <message>
        <source>名前がありません。</source>
        <translation>The name is empty.</translation>
    </message>
    <message>
        <source>名前に読めない文字があります。</source>
        <translation>The name has characters that cannot be read.</translation>
    </message>
    <message>
        <source>名前に制御文字があります。Windows のファイル名には使えません。</source>
        <translation>The name has control characters, which Windows file names cannot hold.</translation>
    </message>
    <message>
        <source>名前に「%1」があります。\ / : * ? &quot; &lt; &gt; | は Windows のファイル名には使えません。</source>
        <translation>The name has “%1” in it. Windows file names cannot hold \ / : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>「.」で始まる名前は隠しファイルになり、ゲームに数えられません。</source>
        <translation>A name starting with “.” makes a hidden file, which the game does not count.</translation>
    </message>
    <message>
        <source>名前の終わりに空白や「.」があります。Windows のファイル名には使えません。</source>
        <translation>The name ends in a space or “.”, which Windows file names cannot.</translation>
    </message>
    <message>
        <source>「%1」は Windows が装置に使う名前なので、ファイル名には使えません。</source>
        <translation>“%1” is a name Windows keeps for devices, so it cannot name a file.</translation>
    </message>
    <message>
        <source>名前が長すぎます。</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>移す先に同じ名前のファイルがあります。</source>
        <translation>A file of the same name is already where it should go.</translation>
    </message>
    <message>
        <source>フォルダを開けませんでした。</source>
        <translation>A folder could not be opened.</translation>
    </message>
    <message>
        <source>フォルダを書き込めませんでした。</source>
        <translation>A folder could not be written.</translation>
    </message>
    <message>
        <source>作業用のフォルダを作れませんでした。</source>
        <translation>The working folder could not be made.</translation>
    </message>
    <message>
        <source>元の絵をセットにできませんでした。</source>
        <translation>The old pictures could not be made a set.</translation>
    </message>
    <message>
        <source>切り替えの記録を消せませんでした。</source>
        <translation>The record of the switch could not be deleted.</translation>
    </message>
    <message>
        <source>使えるのは絵がちょうど %1 枚のセットだけです。</source>
        <translation>Only a set of exactly %1 pictures can be used.</translation>
    </message>
    <message>
        <source>作業用のフォルダ %1 にファイルが残っています。</source>
        <translation>The working folder %1 still holds files.</translation>
    </message>
    <message>
        <source>
絵は次の起動のときにそろえます。</source>
        <translation>
The pictures will be put in order at the next start.</translation>
    </message>
    <message>
        <source>
絵は元のままです。</source>
        <translation>
The pictures are as they were.</translation>
    </message>
    <message>
        <source>途中で止まった絵のセットの切り替えを終えられませんでした。</source>
        <translation>A picture set switch that stopped halfway could not be finished.</translation>
    </message>
    <message>
        <source>絵を書き込めませんでした（ディスクがいっぱいか、書き込めないフォルダです）。</source>
        <translation>The picture could not be written (the disk is full, or the folder cannot be written to).</translation>
    </message>
    <message>
        <source>切り替えの記録を書けませんでした（ディスクがいっぱいか、書き込めないフォルダです）。</source>
        <translation>The record of the switch could not be written (the disk is full, or the folder cannot be written to).</translation>
    </message>
    <message>
        <source>
記録 %1 を消すと、切り替えをやめて今のフォルダのまま起動します。</source>
        <translation>
Delete the record %1 to give up the switch and start with the game folder as it is.</translation>
    </message>
    <message>
        <source>途中で止まった絵のセットの切り替えの記録が読めません。</source>
        <translation>The record of a picture set switch that stopped halfway cannot be read.</translation>
    </message>
    <message>
        <source>絵のセットのフォルダを開けませんでした。</source>
        <translation>The folder of the picture sets could not be opened.</translation>
    </message>
    <message>
        <source>絵のセットのフォルダを開けないので、途中で止まった切り替えを終えられません。</source>
        <translation>The folder of the picture sets cannot be opened, so a switch that stopped halfway cannot be finished.</translation>
    </message>
</context>
<context>
    <name>PicturesWindow</name>
    <message>
        <source>セットの絵</source>
        <translation>Pictures of the set</translation>
    </message>
    <message>
        <source>絵のセット</source>
        <translation>Picture sets</translation>
    </message>
    <message>
        <source>絵の管理</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>絵 (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;すべてのファイル (*)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;All files (*)</translation>
    </message>
    <message>
        <source>絵のセット(&amp;T)</source>
        <translation>Picture se&amp;ts</translation>
    </message>
    <message>
        <source>新しいセット(&amp;N)…</source>
        <translation>&amp;New set…</translation>
    </message>
    <message>
        <source>このセットを使う(&amp;U)</source>
        <translation>&amp;Use this set</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>セットの状態</source>
        <translation>State of the set</translation>
    </message>
    <message>
        <source>セットの絵(&amp;P) ― %1</source>
        <translation>&amp;Pictures — %1</translation>
    </message>
    <message>
        <source>ゲームが使っている絵です。変えるには、ほかのセットを選んで「このセットを使う」を押します。</source>
        <translation>These are the pictures the game uses. To change them, choose another set and press “Use this set”.</translation>
    </message>
    <message>
        <source>使えるのは絵がちょうど %1 枚のセットです。</source>
        <translation>Only a set of exactly %1 pictures can be used.</translation>
    </message>
    <message>
        <source>ゲームの途中では切り替えられません。</source>
        <translation>Sets cannot be switched during a game.</translation>
    </message>
    <message>
        <source>このセットを使うと、ゲームは始め直します。今の絵はセットとして残ります。</source>
        <translation>Using this set starts the game again. The current pictures are kept as a set.</translation>
    </message>
    <message>
        <source>新しいセット</source>
        <translation>New set</translation>
    </message>
    <message>
        <source>セットの名前:</source>
        <translation>Name of the set:</translation>
    </message>
    <message>
        <source>セットの名前</source>
        <translation>Rename set</translation>
    </message>
    <message>
        <source>新しい名前:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>セット「%1」と、その %2 枚の絵を消します。よろしいですか？</source>
        <translation>This deletes the set “%1” and its %2 pictures. Are you sure?</translation>
    </message>
    <message>
        <source>取り込む絵</source>
        <translation>Pictures to import</translation>
    </message>
    <message>
        <source>取り込む先のセットを選んでください。使用中の絵は切り替えでだけ変わります。</source>
        <translation>Choose the set to import into. The pictures in use only change by switching sets.</translation>
    </message>
    <message>
        <source>「%1」は取り込めません。
%2</source>
        <translation>“%1” cannot be imported.
%2</translation>
    </message>
    <message>
        <source>「%1」をアイコンにできませんでした。</source>
        <translation>“%1” could not be made into an icon.</translation>
    </message>
    <message>
        <source>絵の名前</source>
        <translation>Rename picture</translation>
    </message>
    <message>
        <source>移す先のセットがありません。先に「新しいセット」で作ってください。</source>
        <translation>There is no set to move it to. Make one with “New set” first.</translation>
    </message>
    <message>
        <source>別のセットへ移す</source>
        <translation>Move to another set</translation>
    </message>
    <message>
        <source>移す先のセット:</source>
        <translation>Set to move it to:</translation>
    </message>
    <message>
        <source>絵「%1」を消します。よろしいですか？</source>
        <translation>This deletes the picture “%1”. Are you sure?</translation>
    </message>
    <message>
        <source>セット「%1」の絵でゲームを始め直します。今の絵はセットとして残ります。よろしいですか？</source>
        <translation>The game starts again with the pictures of the set “%1”. The current pictures are kept as a set. Are you sure?</translation>
    </message>
    <message>
        <source>新しいセットを作る</source>
        <translation>Make a new set</translation>
    </message>
    <message>
        <source>名前(&amp;R)…</source>
        <translation>&amp;Rename…</translation>
    </message>
    <message>
        <source>セットの名前を変える</source>
        <translation>Rename the set</translation>
    </message>
    <message>
        <source>消す(&amp;D)…</source>
        <translation>&amp;Delete…</translation>
    </message>
    <message>
        <source>セットを消す</source>
        <translation>Delete the set</translation>
    </message>
    <message>
        <source>取り込む(&amp;I)…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>絵を取り込む</source>
        <translation>Import pictures</translation>
    </message>
    <message>
        <source>名前(&amp;A)…</source>
        <translation>Ren&amp;ame…</translation>
    </message>
    <message>
        <source>絵の名前を変える</source>
        <translation>Rename the picture</translation>
    </message>
    <message>
        <source>移す(&amp;M)…</source>
        <translation>&amp;Move…</translation>
    </message>
    <message>
        <source>絵を別のセットへ移す</source>
        <translation>Move the picture to another set</translation>
    </message>
    <message>
        <source>消す(&amp;E)…</source>
        <translation>D&amp;elete…</translation>
    </message>
    <message>
        <source>絵を消す</source>
        <translation>Delete the picture</translation>
    </message>
    <message>
        <source>このセットを使う</source>
        <translation>Use this set</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>まだゲームがありません</source>
        <translation>No games yet</translation>
    </message>
    <message>
        <source>%1 回目</source>
        <translation>game %1</translation>
    </message>
    <message>
        <source>ベスト %1</source>
        <translation>best %1</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>最近%1回の平均</source>
        <translation>Average of the last %1</translation>
    </message>
    <message>
        <source>まだゲームがありません。</source>
        <translation>No games yet.</translation>
    </message>
    <message>
        <source>全 %1 回。ベスト %2（%3 回目）。中央値 %4。%5 %6。</source>
        <translation>%1 games. Best %2 (game %3). Median %4. %5: %6.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ゲーム数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>ベスト</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>中央値</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>ターン数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>クリア時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>ターン数の推移</source>
        <translation>Turns, game by game</translation>
    </message>
    <message>
        <source>クリア時間の推移</source>
        <translation>Times, game by game</translation>
    </message>
    <message>
        <source>履歴のうち %1 行は読めないか、どのレベルでもないため、数に入れていません。</source>
        <translation>%1 lines of the history are left out: they cannot be read, or name no level.</translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 ターン</source>
        <translation>%1 turns</translation>
    </message>
</context>
<context>
    <name>RecordPanel</name>
    <message>
        <source>ターン数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>コマ残り</source>
        <translation>Pieces left</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>%1最短記録</source>
        <translation>Fewest turns on %1</translation>
    </message>
</context>
<context>
    <name>RecordWindow</name>
    <message>
        <source>新記録達成！</source>
        <translation>New record!</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>コマが隠れるまでの時間を%1秒に設定しました</source>
        <translation>Wrong pairs now turn back after %1 seconds.</translation>
    </message>
    <message>
        <source>コマが消えるまでの時間を%1秒に設定しました</source>
        <translation>Matching pairs are now removed after %1 seconds.</translation>
    </message>
    <message>
        <source>設定更新</source>
        <translation>Settings changed</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>＜イージー＞</source>
        <translation>&lt; Easy &gt;</translation>
    </message>
    <message>
        <source>＜ノーマル＞</source>
        <translation>&lt; Normal &gt;</translation>
    </message>
    <message>
        <source>＜ハード＞</source>
        <translation>&lt; Hard &gt;</translation>
    </message>
    <message>
        <source>＜パニック＞</source>
        <translation>&lt; Panic &gt;</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>メイン画面に戻ります</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>コマが隠れる時間</source>
        <translation>Hide misses after</translation>
    </message>
    <message>
        <source>間違った時にコマを隠すまでの時間です</source>
        <translation>How long a wrong pair stays face up before it turns back</translation>
    </message>
    <message>
        <source>コマが消える時間</source>
        <translation>Remove pairs after</translation>
    </message>
    <message>
        <source>正解したときにコマを消すまでの時間です</source>
        <translation>How long a matching pair stays face up before it is removed</translation>
    </message>
    <message>
        <source>コマ一覧&#x3000;（ コマをクリックすると名前を表示します）</source>
        <translation>Pieces (click a piece to see its name)</translation>
    </message>
    <message>
        <source>見せる</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>コマの名前を全部表示します</source>
        <translation>Show the names of all pieces</translation>
    </message>
    <message>
        <source>隠す</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>コマの名前を全部隠します</source>
        <translation>Hide the names of all pieces</translation>
    </message>
    <message>
        <source>最高記録</source>
        <translation>Best records</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>タイム</source>
        <translation>Time</translation>
    </message>
</context>
</TS>
