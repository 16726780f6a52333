<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CounterPanel</name>
    <message>
        <source>得点</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>総数</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>４段抜</source>
        <translation>4 rows</translation>
    </message>
</context>
<context>
    <name>GameStateWords</name>
    <message>
        <source>待機中</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>プレイ中</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>一時停止中</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>%1、得点 %2、総数 %3、４段抜 %4</source>
        <translation>%1, score %2, pieces %3, four rows %4</translation>
    </message>
</context>
<context>
    <name>HighScoreDialog</name>
    <message>
        <source>順位</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>総数</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>４段抜</source>
        <translation>4 rows</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>ハイスコア</source>
        <translation>High scores</translation>
    </message>
    <message>
        <source>名前(&amp;N):</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>第%1位に入りました。名前を入力してください。</source>
        <translation>You made place %1. Please enter your name.</translation>
    </message>
    <message>
        <source>得点 %1&#x3000;総数 %2&#x3000;４段抜 %3</source>
        <translation>Score %1   Pieces %2   4 rows %3</translation>
    </message>
    <message>
        <source>このゲームは保存できませんでした。</source>
        <translation>This game could not be saved.</translation>
    </message>
    <message>
        <source>ハイスコアを保存できませんでした。
</source>
        <translation>The high scores could not be saved.
</translation>
    </message>
</context>
<context>
    <name>HighScoreReplays</name>
    <message>
        <source>この行のリプレイはありません。</source>
        <translation>This row has no replay.</translation>
    </message>
    <message>
        <source>プレイ時間 %1:%2&#x3000;ピース/分 %3&#x3000;段/分 %4&#x3000;キー/ピース %5</source>
        <translation>Time %1:%2   Pieces/min %3   Rows/min %4   Keys/piece %5</translation>
    </message>
    <message>
        <source>CSVで保存</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSVファイルを保存できませんでした。
</source>
        <translation>The CSV file could not be saved.
</translation>
    </message>
    <message>
        <source>リプレイ(&amp;P)</source>
        <translation>Re&amp;play</translation>
    </message>
    <message>
        <source>前回のゲーム(&amp;L)</source>
        <translation>&amp;Last game</translation>
    </message>
    <message>
        <source>CSVで保存(&amp;C)...</source>
        <translation>Save as &amp;CSV...</translation>
    </message>
    <message>
        <source>行を選ぶと、そのゲームの統計を示します。</source>
        <translation>Choose a row to see its game&apos;s figures.</translation>
    </message>
</context>
<context>
    <name>PMsgDlg</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>PieceKindWords</name>
    <message>
        <source>%1型</source>
        <translation>%1 piece</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>次の駒</source>
        <translation>Next piece</translation>
    </message>
</context>
<context>
    <name>ReplayFiles</name>
    <message>
        <source>Brimalのリプレイファイルではありません。</source>
        <translation>This is not a Brimal replay file.</translation>
    </message>
    <message>
        <source>新しい版のBrimalで作られた形式（%1）で、この版では読めません。</source>
        <translation>It was made by a newer Brimal in a format (%1) that this version cannot read.</translation>
    </message>
    <message>
        <source>別の版のBrimal（%1）で作られ、この版では同じゲームになりません（規則 %2、この版は %3）。</source>
        <translation>It was made by another Brimal (%1) and would not play the same game in this version (rules %2, this version %3).</translation>
    </message>
    <message>
        <source>%1行目が壊れています。</source>
        <translation>Line %1 is damaged.</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています。</source>
        <translation>The file is cut short.</translation>
    </message>
    <message>
        <source>リプレイを再生できません。
%1
%2</source>
        <translation>The replay cannot be played.
%1
%2</translation>
    </message>
    <message>
        <source>ファイルがありません。</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>ファイルではありません。</source>
        <translation>It is not a file.</translation>
    </message>
    <message>
        <source>リプレイファイルとしては大きすぎます。</source>
        <translation>It is too large for a replay file.</translation>
    </message>
    <message>
        <source>ファイルを読めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
</context>
<context>
    <name>ReplayMode</name>
    <message>
        <source>--replay の後にリプレイファイルを指定してください。</source>
        <translation>Name a replay file after --replay.</translation>
    </message>
    <message>
        <source>再生の速さ（--speed）は1から%1で指定してください。</source>
        <translation>Give the replay speed (--speed) as 1 to %1.</translation>
    </message>
    <message>
        <source>リプレイが記録と合わなくなったため、途中で止めました。</source>
        <translation>The replay stopped part-way: it no longer matched the recording.</translation>
    </message>
</context>
<context>
    <name>RuleSet</name>
    <message>
        <source>次のブロック表示あり</source>
        <translation>next piece shown</translation>
    </message>
    <message>
        <source>次のブロック表示なし</source>
        <translation>next piece hidden</translation>
    </message>
    <message>
        <source>自動落下あり（%1ピース）</source>
        <translation>opening drop (%1 pieces)</translation>
    </message>
    <message>
        <source>自動落下なし</source>
        <translation>no opening drop</translation>
    </message>
    <message>
        <source>・</source>
        <translation>/</translation>
    </message>
    <message>
        <source>出現率指定あり（%1）</source>
        <translation>piece ratios (%1)</translation>
    </message>
    <message>
        <source>出現率指定なし</source>
        <translation>no piece ratios</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ScoreCsv</name>
    <message>
        <source>順位,名前,得点,総数,４段抜,日時,プレイ時間（秒）,ピース/分,段/分,キー/ピース</source>
        <translation>Rank,Name,Score,Pieces,4 rows,Date,Play time (s),Pieces/min,Rows/min,Keys/piece</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>timeSetEvent関数の戻り値が０です。タイマ・イベントＩＤを取得できません</source>
        <translation>timeSetEvent returned 0. No timer event ID could be had</translation>
    </message>
    <message>
        <source>Intervalの値がタイマ・デバイスの能力を超えています&#x3000;（%d ～ %d）</source>
        <translation>The Interval is beyond what the timer device can do (%d to %d)</translation>
    </message>
    <message>
        <source>Resolutionの値がタイマ・デバイスの能力を超えています&#x3000;（%d ～ %d）</source>
        <translation>The Resolution is beyond what the timer device can do (%d to %d)</translation>
    </message>
    <message>
        <source>Resolutionの値がIntervalの値を超えています&#x3000;（%d）</source>
        <translation>The Resolution is above the Interval (%d)</translation>
    </message>
    <message>
        <source>  ご意見、ご感想をお聞かせください。</source>
        <translation>  Tell us what you think of it.</translation>
    </message>
</context>
<context>
    <name>TBrimalM</name>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>開始(&amp;G)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>中止(&amp;S)</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>一時停止(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>設定等(&amp;S)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>設定(&amp;S)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>ハイスコア(&amp;R)...</source>
        <translation>&amp;High scores...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>言語 (Language)(&amp;L)</source>
        <translation>Language (言語)(&amp;L)</translation>
    </message>
    <message>
        <source>模様付きブロック(&amp;B)</source>
        <translation>&amp;Patterned blocks</translation>
    </message>
</context>
<context>
    <name>TSetform</name>
    <message>
        <source>Waveファイル (*.wav)</source>
        <translation>Wave files (*.wav)</translation>
    </message>
    <message>
        <source>速く落とす</source>
        <translation>Soft drop</translation>
    </message>
    <message>
        <source>一気に落とす</source>
        <translation>Hard drop</translation>
    </message>
    <message>
        <source>左回転</source>
        <translation>Turn left</translation>
    </message>
    <message>
        <source>右回転</source>
        <translation>Turn right</translation>
    </message>
    <message>
        <source>使わない</source>
        <translation>Not used</translation>
    </message>
    <message>
        <source>各種設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>拡張</source>
        <translation>More</translation>
    </message>
    <message>
        <source>発生割合</source>
        <translation>Ratios</translation>
    </message>
    <message>
        <source>サウンド</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>キー1</source>
        <translation>Keys 1</translation>
    </message>
    <message>
        <source>キー2</source>
        <translation>Keys 2</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>存在しないファイルです</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source><byte value="xd"/>
発生割合の合計が100%になるように設定してください。</source>
        <translation><byte value="xd"/>
Set the ratios so that they add up to 100%.</translation>
    </message>
    <message>
        <source>次の駒を表示する</source>
        <translation>Show next piece</translation>
    </message>
    <message>
        <source>色を固定する</source>
        <translation>Fixed colours</translation>
    </message>
    <message>
        <source>最初にブロックを降らせる</source>
        <translation>Opening drop</translation>
    </message>
    <message>
        <source>ピース</source>
        <translation>pieces</translation>
    </message>
    <message>
        <source>ゲーム領域の大きさ</source>
        <translation>Well size</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>H</translation>
    </message>
    <message>
        <source>横</source>
        <translation>W</translation>
    </message>
    <message>
        <source>並んだときの待ち時間</source>
        <translation>Row wait</translation>
    </message>
    <message>
        <source>ブロックの発生割合を設定する</source>
        <translation>Set the piece ratios</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>サウンドを鳴らす</source>
        <translation>Play sounds</translation>
    </message>
    <message>
        <source>消し</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>４段抜</source>
        <translation>Four rows</translation>
    </message>
    <message>
        <source>接地</source>
        <translation>Landing</translation>
    </message>
    <message>
        <source>標準のサウンドに戻す</source>
        <translation>Standard sounds</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>左移動</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>右移動</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>スペース</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>テンキー ８</source>
        <translation>Keypad 8</translation>
    </message>
    <message>
        <source>テンキー ５</source>
        <translation>Keypad 5</translation>
    </message>
    <message>
        <source>テンキー ２</source>
        <translation>Keypad 2</translation>
    </message>
    <message>
        <source>テンキー ０</source>
        <translation>Keypad 0</translation>
    </message>
    <message>
        <source>テンキー ４</source>
        <translation>Keypad 4</translation>
    </message>
    <message>
        <source>テンキー ６</source>
        <translation>Keypad 6</translation>
    </message>
</context>
<context>
    <name>WellView</name>
    <message>
        <source>井戸</source>
        <translation>Well</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>画面中央へ移動(&amp;D)</source>
        <translation>Move to the &amp;centre of the screen</translation>
    </message>
</context>
</TS>
