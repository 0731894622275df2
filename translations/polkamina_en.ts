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
        <source>ヘルプの本文</source>
        <translation>Help text</translation>
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
