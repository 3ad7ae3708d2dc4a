<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AlbumText</name>
    <message>
        <source>前処理開始．．．．</source>
        <translation>Preparing....</translation>
    </message>
    <message>
        <source>前処理終了</source>
        <translation>Preparation done</translation>
    </message>
    <message>
        <source>アルバムＨＴＭＬ作成中．．．．</source>
        <translation>Writing the album pages....</translation>
    </message>
    <message>
        <source>このフォルダは他の処理が使用中です。終わるまで待ちます．．．．</source>
        <translation>Another command is working in this folder. Waiting until it ends....</translation>
    </message>
    <message>
        <source>ディレクトリ内の Albumファイルを削除後処理します。</source>
        <translation>The old album pages of this folder will be deleted first.</translation>
    </message>
    <message>
        <source>画像縮少処理開始．．．</source>
        <translation>Making thumbnails...</translation>
    </message>
    <message>
        <source>画像縮少処理終了</source>
        <translation>Thumbnails done</translation>
    </message>
    <message>
        <source>RdoctJPEG.dllファイルが見つかりません</source>
        <translation>The thumbnail library RdctJPEG.so cannot be loaded</translation>
    </message>
    <message>
        <source>対象ファイルが見つかりません</source>
        <translation>The picture cannot be found</translation>
    </message>
    <message>
        <source>%1 枚の画像で %2 種類のｻﾑﾈｲﾙHTMLを作成しました。</source>
        <translation>Album pages written: %2, with %1 pictures.</translation>
    </message>
    <message>
        <source>%1 個のﾍﾟｰｼﾞを書き込めませんでした: %2</source>
        <translation>Pages not written (%1): %2</translation>
    </message>
    <message>
        <source>ページ書き換えの記録が正しくないため従わず、%1 に移しました。ほかのファイルは変えていません。</source>
        <translation>The page replacement journal is not valid, so it was not followed and was moved to %1. No other file was changed.</translation>
    </message>
    <message>
        <source>%1 個の画像を除きました (名前が UTF-8 ではありません): %2</source>
        <translation>Pictures left out (%1), as their names are not UTF-8: %2</translation>
    </message>
    <message>
        <source>縮小画像</source>
        <translation>thumbnails</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>%1 枚作成、%2 枚は最新</source>
        <translation>%1 made, %2 up to date</translation>
    </message>
    <message>
        <source>、%1 枚は作成できず</source>
        <translation>, %1 not made</translation>
    </message>
    <message>
        <source>中断しました。</source>
        <translation>Interrupted.</translation>
    </message>
    <message>
        <source>%1 枚の写真に撮影場所が入っています。アルバムからその写真へリンクしています。</source>
        <translation>%1 photos carry a location; the album links to them.</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>起動ｱﾌﾟﾘｹｰｼｮﾝ</source>
        <translation>ProgramLocations</translation>
    </message>
    <message>
        <source>ﾌﾞﾗｳｻﾞ</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>ｴﾃﾞｨﾀ</source>
        <translation>Editer</translation>
    </message>
    <message>
        <source>画像縮小</source>
        <translation>JPEG Reduction</translation>
    </message>
    <message>
        <source>ｽｹｰﾙ 1/</source>
        <translation>Scale 1/</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>ReadMe</translation>
    </message>
    <message>
        <source>ﾚｼﾞｽﾄﾘ削除</source>
        <translation>DeleteRegst</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>ﾚｼﾞｽﾄﾘ保存</source>
        <translation>SaveRegst</translation>
    </message>
    <message>
        <source>表示列数</source>
        <translation>Album Line Seting</translation>
    </message>
    <message>
        <source>更&#x3000;新</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>JPG削除時確認ﾎﾞﾀﾝを表示</source>
        <translation>JpgDelete Warning MesBox</translation>
    </message>
    <message>
        <source>ｱﾙﾊﾞﾑ削除時確認ﾎﾞﾀﾝを表示</source>
        <translation>Album###.html Delete MesBox</translation>
    </message>
    <message>
        <source>縮小画像を削除後ｱﾙﾊﾞﾑ作成</source>
        <translation>s_@@@@@.jpg Delete MesBox</translation>
    </message>
    <message>
        <source>ｲﾒｰｼﾞをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ</source>
        <translation>ImageClipBoard</translation>
    </message>
    <message>
        <source>English Mode</source>
        <translation>日本語表示</translation>
    </message>
    <message>
        <source>画像を別ｳｲﾝﾄﾞで表示</source>
        <translation>LinkTarget NewWindow</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ｽﾗｲﾄﾞｼｮｰ</source>
        <translation>SlideShow</translation>
    </message>
    <message>
        <source>終&#x3000;了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>スケール調整</source>
        <translation>OriginalScale</translation>
    </message>
    <message>
        <source>ｺﾒﾝﾄ</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>予備</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>削除(JPG)</source>
        <translation>JpgDelete</translation>
    </message>
    <message>
        <source>ｱﾙﾊﾞﾑ作成</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>日付は撮影日時(Exif)</source>
        <translation>Date: when shot (Exif)</translation>
    </message>
    <message>
        <source>空のｺﾒﾝﾄに写真の説明を入れる</source>
        <translation>Captions from photos</translation>
    </message>
    <message>
        <source>ｺﾒﾝﾄを写真にも書込む</source>
        <translation>Comments into photos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ヴェルモのアルバムページにコメントを書き込みます。ブラウザで開いたアルバムページの画像をウインドウにドロップして下さい。
例: quillet</source>
        <translation>Writes comments into Velmo&apos;s album pages: drop a picture of an album page shown in the browser on the window.
Example: quillet</translation>
    </message>
    <message>
        <source>ファイルもフォルダもありません: %1</source>
        <translation>no such file or folder: %1</translation>
    </message>
    <message>
        <source>フォルダを開けません: %1</source>
        <translation>cannot open folder: %1</translation>
    </message>
    <message>
        <source>JPEG写真のフォルダを閲覧し、HTMLのアルバムを作成します。
例: velmo ~/写真/旅行</source>
        <translation>Browses folders of JPEG photos and makes HTML album pages of them.
Example: velmo ~/Pictures/holiday</translation>
    </message>
    <message>
        <source>前回のフォルダの代わりに開くフォルダ、またはそのフォルダで表示する写真。</source>
        <translation>A folder to open instead of the last one, or a photo to show in its folder.</translation>
    </message>
    <message>
        <source>パスは一つまでです。</source>
        <translation>one path at most.</translation>
    </message>
    <message>
        <source>引数は取りません。</source>
        <translation>no argument expected.</translation>
    </message>
    <message>
        <source>使い方は --help で表示します。</source>
        <translation>Try --help for the usage.</translation>
    </message>
    <message>
        <source>終了コード: 0 正常終了、1 指定のパスを開けない、2 コマンドラインの誤り。</source>
        <translation>Exit codes: 0 ended normally, 1 the given path cannot be opened, 2 bad command line.</translation>
    </message>
</context>
<context>
    <name>DesignSize</name>
    <message>
        <source>幅</source>
        <translation>width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>height</translation>
    </message>
    <message>
        <source>サムネイルの%1は %2 から %3 までの整数で入力して下さい（「%4」は使えません）。</source>
        <translation>Enter the thumbnail %1 as a whole number from %2 to %3 (&quot;%4&quot; cannot be used).</translation>
    </message>
    <message>
        <source>保存されているサムネイルの%1「%2」は %3 から %4 までの整数でないため、%5 を使います。</source>
        <translation>The stored thumbnail %1 &quot;%2&quot; is not a whole number from %3 to %4, so %5 is used.</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>エラー番号を報告下さい。エラー番号&#x3000;</source>
        <translation>Please report this error number. Error number </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>表示中の画像</source>
        <translation>Picture shown</translation>
    </message>
    <message>
        <source>チェックマークを入れると縦横倍率がオリジナルの画像の倍率になります。</source>
        <translation>When checked, the picture keeps its original proportions.</translation>
    </message>
    <message>
        <source>画像の幅と高さ</source>
        <translation>Picture width and height</translation>
    </message>
    <message>
        <source>ファイルの場所</source>
        <translation>File location</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ドライブ</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>選択されたJPG形式のファイルを削除します。</source>
        <translation>Deletes the selected JPEG file.</translation>
    </message>
    <message>
        <source>ＴＸＴ形式のファイルをリストに追加します。</source>
        <translation>Adds the text files to the list.</translation>
    </message>
    <message>
        <source>ＨＴＭＬ形式のファイルをリストに追加します。</source>
        <translation>Adds the HTML files to the list.</translation>
    </message>
    <message>
        <source>アルバムファイルを表示</source>
        <translation>Show the album pages</translation>
    </message>
    <message>
        <source>JPG画像を編集してサムネイル形式のＨＴＭＬファイルを作成します。</source>
        <translation>Makes HTML album pages with thumbnails of the JPEG pictures.</translation>
    </message>
    <message>
        <source>デザイン</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>アルバムのデザインを変更します。</source>
        <translation>Changes the album&apos;s design.</translation>
    </message>
    <message>
        <source>縦横比率設定を設定します。</source>
        <translation>Fits the thumbnails into the box with their proportions kept.</translation>
    </message>
    <message>
        <source>ブラウザが起動します。</source>
        <translation>Opens the file in the browser.</translation>
    </message>
    <message>
        <source>設定用オプション画面を開きます。</source>
        <translation>Opens the options window.</translation>
    </message>
    <message>
        <source>エディタが起動します。</source>
        <translation>Opens the file in the editor.</translation>
    </message>
    <message>
        <source>コメントヴェルモを起動します。</source>
        <translation>Starts the comment tool Quillet.</translation>
    </message>
    <message>
        <source>画像の自動送り機能を開始します。</source>
        <translation>Starts the slide show.</translation>
    </message>
    <message>
        <source>スライドショーを停止します。</source>
        <translation>Stops the slide show.</translation>
    </message>
    <message>
        <source>スライドHTML作成</source>
        <translation>Make slide page</translation>
    </message>
    <message>
        <source>スライド形式のHTMLを作成します（ローカルドライブで使用することを推奨）。</source>
        <translation>Makes the slide page Slide.html (best used on a local drive).</translation>
    </message>
    <message>
        <source>スライドショーの間隔</source>
        <translation>Slide show interval</translation>
    </message>
    <message>
        <source>プログラムを閉じます。</source>
        <translation>Closes the program.</translation>
    </message>
    <message>
        <source>指定ファイルを削除します。</source>
        <translation>The selected file will be deleted.</translation>
    </message>
    <message>
        <source>ブラウザの設定が異常です。設定を見直して下さい。</source>
        <translation>The browser cannot be started. Check its setting in Options.</translation>
    </message>
    <message>
        <source>Editerの設定が異常です。設定を見直して下さい。</source>
        <translation>The editor cannot be started. Check its setting in Options.</translation>
    </message>
    <message>
        <source>ファイルの設定が異常です。設定を見直して下さい。</source>
        <translation>The program cannot be started. Check its setting in Options.</translation>
    </message>
    <message>
        <source>このボタンは、選択できません。</source>
        <translation>This button does not work on pictures.</translation>
    </message>
    <message>
        <source>ゴミ箱に移せません。ファイルを完全に削除します。</source>
        <translation>The file cannot go to the trash. It will be deleted for good.</translation>
    </message>
    <message>
        <source>前回終了時のデレクトリが存在しません。</source>
        <translation>The folder of the last session no longer exists.</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞの準備ができていません。ﾄﾞﾗｲﾌﾞにﾃﾞｨｽｸを挿入してください。</source>
        <translation>The drive is not ready. Insert a disk or mount the drive.</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰです。</source>
        <translation>Application error.</translation>
    </message>
    <message>
        <source>画像ファイルでは、ありません。</source>
        <translation>This is not a picture file.</translation>
    </message>
    <message>
        <source>ファイルサイズが不正です。</source>
        <translation>The file size is not valid.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file cannot be found.</translation>
    </message>
    <message>
        <source>ファイル形式が不正です。</source>
        <translation>The file format is not valid.</translation>
    </message>
    <message>
        <source>File Not Find</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>%1まで、%2</source>
        <translation>To %1: %2</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>ヴェルモ/Velmo</source>
        <translation>Velmo</translation>
    </message>
    <message>
        <source>このソフトウェアは無保証です。使用によって生じたいかなる損害についても作者は責任を負いません。</source>
        <translation>This software comes with no warranty. The authors are not liable for any damage caused by its use.</translation>
    </message>
</context>
<context>
    <name>QuilletText</name>
    <message>
        <source>Quillet - コメントヴェルモ</source>
        <translation>Quillet - Velmo comments</translation>
    </message>
    <message>
        <source>Quillet Ver%1
コメントヴェルモ
アルバムページの画像をドロップして、コメントを書き込みます。
%2</source>
        <translation>Quillet Ver%1
Velmo comments
Drop a picture of an album page to write its comment.
%2</translation>
    </message>
    <message>
        <source>%1を検出しました。</source>
        <translation>Found %1.</translation>
    </message>
    <message>
        <source>%1はアルバムにありません。</source>
        <translation>%1 is in no album page.</translation>
    </message>
    <message>
        <source>最初の画像です。</source>
        <translation>This is the first picture.</translation>
    </message>
    <message>
        <source>最後の画像です。</source>
        <translation>This is the last picture.</translation>
    </message>
    <message>
        <source>アルバムファイルがありません。画像をドロップ下さい。</source>
        <translation>No album pages here. Drop a picture.</translation>
    </message>
    <message>
        <source>「&lt;!」を「&amp;lt;!」で書き込みました。</source>
        <translation>Wrote &quot;&lt;!&quot; as &quot;&amp;lt;!&quot;.</translation>
    </message>
    <message>
        <source>アルバム作成の終了を待っています…</source>
        <translation>Waiting for the album build to end…</translation>
    </message>
    <message>
        <source>コメントが書き込まれていません。書き込みますか？
はい: 書込み&#x3000;いいえ: 破棄&#x3000;キャンセル: 戻る</source>
        <translation>The comment is not written yet. Write it?
Yes: write  No: discard  Cancel: stay</translation>
    </message>
    <message>
        <source>このエリアに画像をドロップ下さい。
PageDown/PageUp, Alt+→/←: 次/前の画像</source>
        <translation>Drop a picture here.
PageDown/PageUp, Alt+→/←: next/previous picture</translation>
    </message>
    <message>
        <source>コメントを入力下さい。
Ctrl+Enter: 書込みして次の画像へ
PageDown/PageUp, Alt+→/←: 次/前の画像</source>
        <translation>Type the comment.
Ctrl+Enter: write it and go to the next picture
PageDown/PageUp, Alt+→/←: next/previous picture</translation>
    </message>
    <message>
        <source>ヴェルモの画像ファイルをドロップ下さい。E=</source>
        <translation>Drop a picture of a Velmo album. E=</translation>
    </message>
    <message>
        <source>旧タイプのアルバムファイルです。E=</source>
        <translation>This album page is of an old kind. E=</translation>
    </message>
    <message>
        <source>未対応の形式です。E=</source>
        <translation>This format is not supported. E=</translation>
    </message>
    <message>
        <source>ドロップした情報が不正です。E=</source>
        <translation>What was dropped is not valid. E=</translation>
    </message>
    <message>
        <source>データ形式が不正です。E=</source>
        <translation>The data format is not valid. E=</translation>
    </message>
    <message>
        <source>対象ファイルが見つかりません。E=</source>
        <translation>The album page cannot be found. E=</translation>
    </message>
    <message>
        <source>コメントの位置が見つかりません。ページが変更されています。E=</source>
        <translation>The comment cannot be found: the page has been changed. E=</translation>
    </message>
    <message>
        <source>コメントが他で変更されています。ドロップし直して下さい。E=</source>
        <translation>The comment was changed elsewhere. Drop the picture again. E=</translation>
    </message>
    <message>
        <source>アルバムファイルに書き込めません（書込み禁止かディスクが一杯です）。E=</source>
        <translation>The album page cannot be written (it is read-only or the disk is full). E=</translation>
    </message>
    <message>
        <source>アルバムファイルがリンクか通常のファイルでないため、書き込みません。アルバムを作成し直して下さい。E=</source>
        <translation>The album page is a link or not a regular file, so it is not written. Build the album again. E=</translation>
    </message>
    <message>
        <source>コメントが大きすぎるため編集できません（%1 MBまで）。ページはそのままです。E=%2</source>
        <translation>The comment is too large to edit (%1 MB at most). The page is left as it is. E=%2</translation>
    </message>
    <message>
        <source>コメントの文字コードがページの宣言と合わないため編集できません。ページはそのままです。アルバムを作成し直して下さい。E=</source>
        <translation>The comment&apos;s encoding does not match the page&apos;s, so it cannot be edited. The page is left as it is. Build the album again. E=</translation>
    </message>
    <message>
        <source>ヴェルモを起動できません。E=</source>
        <translation>Velmo cannot be started. E=</translation>
    </message>
    <message>
        <source>写真にも</source>
        <translation>In photo</translation>
    </message>
    <message>
        <source>コメントを写真の説明 (XMP・EXIF) にも書き込みます。</source>
        <translation>Also writes the comment into the photo&apos;s description (XMP, EXIF).</translation>
    </message>
    <message>
        <source>写真には書き込めませんでした: %1</source>
        <translation>Could not write into the photo: %1</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>設定を保存できません。%1 に書き込めないため、変更は次の起動に残りません。ファイルとフォルダの持ち主と書き込み権を確かめて下さい。</source>
        <translation>The settings cannot be saved: %1 cannot be written, so changes will be lost at the next start. Check the owner and write permission of the file and its folder.</translation>
    </message>
    <message>
        <source>設定を保存できません。書き込むと %1 が %2 MB を超え、どのプログラムも読めなくなるため、書き込みませんでした。ファイルから要らない行を消して下さい。</source>
        <translation>The settings were not saved: %1 would grow beyond %2 MB, which no program would read. Delete lines you do not need from the file.</translation>
    </message>
    <message>
        <source>設定ファイル %1 は %2 MB を超えるか通常のファイルでないため、読みません。既定の設定で動き、設定はこのファイルに保存しません。</source>
        <translation>The settings file %1 is larger than %2 MB or not a regular file, so it is not read. The defaults are used and nothing is saved to this file.</translation>
    </message>
    <message>
        <source>設定ファイル %1 の %2 行目「%3」などを読めませんでした。元のファイルを %4 に残し、読めた設定だけで書き直しました。消えた設定があれば、残したファイルを見て設定し直して下さい。</source>
        <translation>Line %2 (&quot;%3&quot;) of the settings file %1, and maybe others, could not be read. The original file is kept as %4 and the file was written again with the settings that could be read. If a setting is missing, look it up in the kept file and set it again.</translation>
    </message>
</context>
<context>
    <name>TerminalView</name>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>読めません</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>JPEG画像ではないか、壊れています</source>
        <translation>not a JPEG picture, or damaged</translation>
    </message>
    <message>
        <source>大きすぎます</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>スキャンが多すぎます</source>
        <translation>too many scans</translation>
    </message>
    <message>
        <source>縮小画像を書き込めません</source>
        <translation>the thumbnail cannot be written</translation>
    </message>
    <message>
        <source>その前に縮小処理が終わりました</source>
        <translation>the reduction ended before it</translation>
    </message>
    <message>
        <source>縮小処理がコード %1 で失敗しました</source>
        <translation>reduction failed with code %1</translation>
    </message>
    <message>
        <source>古いアルバムページを残しました（確認する端末がありません。--yes か --keep を使って下さい）</source>
        <translation>old album pages kept (no terminal to ask; use --yes or --keep)</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <translation>[y/N]</translation>
    </message>
    <message>
        <source>%1 の縮小画像を作れません: %2</source>
        <translation>no thumbnail for %1: %2</translation>
    </message>
</context>
<context>
    <name>VelmoAlbum</name>
    <message>
        <source>%1 件のコメントを引き継ぎました。</source>
        <translation>Comments carried over: %1.</translation>
    </message>
    <message>
        <source>保存されたオプションとデザインで、FOLDER のアルバムページ Album001.html, ... を作成します。

終了コード: 0 すべて作成、1 作成できないものがあった（ページ、Slide.html、フォルダの問題、JPEG画像がない）、2 コマンドラインの誤り、3 ページは作成したが縮小画像を作れないものがあった、130 中断された（SIGTERM では 143、SIGHUP では 129）。
例: velmo-album --yes ~/写真/旅行</source>
        <translation>Writes the album pages Album001.html, ... of FOLDER with the stored options and design.

Exit codes: 0 everything written, 1 something not written (a page, Slide.html, a folder problem, no JPEG pictures), 2 bad command line, 3 pages written but some thumbnails not made, 130 interrupted (143 by SIGTERM, 129 by SIGHUP).
Example: velmo-album --yes ~/Pictures/holiday</translation>
    </message>
    <message>
        <source>古いアルバムページを確認せずに削除します。</source>
        <translation>Delete the old album pages without asking.</translation>
    </message>
    <message>
        <source>古いアルバムページを残します（同じ番号のページは置き換えます）。</source>
        <translation>Keep the old album pages (pages of the same number are replaced).</translation>
    </message>
    <message>
        <source>縮小画像を枠に合わせず、すべて %1 x %2 で表示します。</source>
        <translation>Show every thumbnail at %1 x %2 instead of fitting it.</translation>
    </message>
    <message>
        <source>アルバムページを作成します（--slide だけのとき以外は常に）。</source>
        <translation>Write the album pages (done unless only --slide is given).</translation>
    </message>
    <message>
        <source>スライドページ Slide.html を作成します（--album があればアルバムの後に）。</source>
        <translation>Write the slide page Slide.html (after the album with --album).</translation>
    </message>
    <message>
        <source>エラーだけを表示します。</source>
        <translation>Print errors only.</translation>
    </message>
    <message>
        <source>最新の縮小画像も含めて、すべて作り直します。</source>
        <translation>Make every thumbnail again, also those that are up to date.</translation>
    </message>
    <message>
        <source>JPEG画像のフォルダ。</source>
        <translation>The folder of JPEG pictures.</translation>
    </message>
    <message>
        <source>FOLDER を一つ指定して下さい。</source>
        <translation>one FOLDER expected.</translation>
    </message>
    <message>
        <source>--yes と --keep は同時に使えません。</source>
        <translation>--yes and --keep exclude each other.</translation>
    </message>
    <message>
        <source>フォルダがありません: %1</source>
        <translation>no such folder: %1</translation>
    </message>
    <message>
        <source>フォルダではありません: %1</source>
        <translation>not a folder: %1</translation>
    </message>
    <message>
        <source>フォルダに書き込めません: %1</source>
        <translation>cannot write into folder: %1</translation>
    </message>
    <message>
        <source>JPEG画像がありません: %1</source>
        <translation>no JPEG pictures in %1</translation>
    </message>
    <message>
        <source>Slide.html を作成できませんでした。</source>
        <translation>Slide.html could not be written.</translation>
    </message>
    <message>
        <source>Slide.html を作成しました: %1 枚の画像</source>
        <translation>Slide.html written: %1 pictures</translation>
    </message>
    <message>
        <source>ページに表示する日付: file (ファイルの日時) か shot (撮影日時。写真に記録があれば)。</source>
        <translation>The date a page shows: &quot;file&quot; (the file&apos;s time) or &quot;shot&quot; (when the photo was taken, where it says so).</translation>
    </message>
    <message>
        <source>空のコメントに写真自身の説明を入れます。</source>
        <translation>Fill empty comments with the photos&apos; own captions.</translation>
    </message>
    <message>
        <source>--date には file か shot を指定して下さい。</source>
        <translation>--date takes file or shot.</translation>
    </message>
    <message>
        <source>保存されているページ形式の代わりに STYLE (classic か modern) でページを書きます。</source>
        <translation>Write the pages in STYLE (classic or modern) instead of the stored page style.</translation>
    </message>
    <message>
        <source>--style には classic か modern を指定して下さい。</source>
        <translation>--style takes classic or modern.</translation>
    </message>
</context>
<context>
    <name>frmDesign</name>
    <message>
        <source>アルバムのタイトル</source>
        <translation>Album title</translation>
    </message>
    <message>
        <source>タイトルを書き変えることが可能です。</source>
        <translation>You can change the title.</translation>
    </message>
    <message>
        <source>アルバムのフッタ</source>
        <translation>Album footer</translation>
    </message>
    <message>
        <source>フッタを書き変えることが可能です。</source>
        <translation>You can change the footer.</translation>
    </message>
    <message>
        <source>サムネイルの幅</source>
        <translation>Thumbnail width</translation>
    </message>
    <message>
        <source>サムネイルの高さ</source>
        <translation>Thumbnail height</translation>
    </message>
    <message>
        <source>従来のページ</source>
        <translation>Classic pages</translation>
    </message>
    <message>
        <source>モダンなページ</source>
        <translation>Modern pages</translation>
    </message>
    <message>
        <source>アルバムとスライドのページの形式です。モダンなページはスマホでも読みやすく、画面の幅に合わせて並びます。</source>
        <translation>The style of the album and slide pages. Modern pages read well on phones too and arrange themselves to the screen&apos;s width.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>ここにドロップ下さい</source>
        <translation>Drop here</translation>
    </message>
    <message>
        <source>書込み</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>ヴェルモの最新ダウンロードエリアへのリンクです。</source>
        <translation>Opens Velmo&apos;s download page.</translation>
    </message>
    <message>
        <source>画像のプレビュー</source>
        <translation>Picture preview</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>コメント欄を広げる</source>
        <translation>Enlarge the comment field</translation>
    </message>
    <message>
        <source>コメントの入力ボックスの幅を広げます。</source>
        <translation>Makes the comment field larger.</translation>
    </message>
    <message>
        <source>作者宛メール</source>
        <translation>Mail to the author</translation>
    </message>
    <message>
        <source>作者宛メールが起動します。</source>
        <translation>Writes a mail to the author.</translation>
    </message>
    <message>
        <source>バージョン情報です。</source>
        <translation>Version information.</translation>
    </message>
    <message>
        <source>コメントヴェルモを閉じてヴェルモを起動します。</source>
        <translation>Closes Quillet and starts Velmo.</translation>
    </message>
    <message>
        <source>コメントをアルバムファイルに書き込みます。</source>
        <translation>Writes the comment into the album page.</translation>
    </message>
    <message>
        <source>コメントヴェルモを終了します。</source>
        <translation>Closes Quillet.</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>ブラウザの実行ファイルの指定</source>
        <translation>Choose the browser program</translation>
    </message>
    <message>
        <source>ＦＴＰの実行ファイルの指定</source>
        <translation>Choose the comment tool program</translation>
    </message>
    <message>
        <source>エディタの実行ファイルの指定</source>
        <translation>Choose the editor program</translation>
    </message>
    <message>
        <source>ブラウザ</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>使用するブラウザの場所をフルパスで記入下さい。</source>
        <translation>Enter the full path of the browser to use.</translation>
    </message>
    <message>
        <source>コメントツール</source>
        <translation>Comment tool</translation>
    </message>
    <message>
        <source>使用するFTPの場所をフルパスで記入下さい。</source>
        <translation>Enter the full path of the comment tool or FTP program to use.</translation>
    </message>
    <message>
        <source>エディタ</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>使用するエディタの場所をフルパスで記入下さい。</source>
        <translation>Enter the full path of the editor to use.</translation>
    </message>
    <message>
        <source>起動するアプリの設定をデフォルトに戻します。</source>
        <translation>Sets the programs back to their defaults.</translation>
    </message>
    <message>
        <source>ボタンで起動できるアプリの場所を指示します。</source>
        <translation>The programs that the buttons start.</translation>
    </message>
    <message>
        <source>「JpgDelete」ボタンを押した時確認ＢＯＸを表示します。</source>
        <translation>Asks before the &quot;JpgDelete&quot; button deletes a file.</translation>
    </message>
    <message>
        <source>ボタンやメニューの表示を切り替えます。</source>
        <translation>Switches the language of the buttons and messages.</translation>
    </message>
    <message>
        <source>ｻﾑﾈｲﾙ画像の表示枚数を設定します。</source>
        <translation>Sets the number of thumbnails on a page.</translation>
    </message>
    <message>
        <source>アルバム1ページの画像数</source>
        <translation>Pictures per album page</translation>
    </message>
    <message>
        <source>「0」に設定すると無制限になります。</source>
        <translation>0 means no limit.</translation>
    </message>
    <message>
        <source>サムネイルアルバムの列数を指定します。</source>
        <translation>Sets the number of thumbnails in a row.</translation>
    </message>
    <message>
        <source>アルバムの画像を縮小します。</source>
        <translation>Reduces the album&apos;s thumbnails.</translation>
    </message>
    <message>
        <source>設定を保存し、オプションウィンドを閉じます。</source>
        <translation>Saves the settings and closes the options window.</translation>
    </message>
    <message>
        <source>作者宛メールは、ここをクリック。</source>
        <translation>Click here to write a mail to the author.</translation>
    </message>
    <message>
        <source>ヴェルモのアイコン</source>
        <translation>Velmo icon</translation>
    </message>
    <message>
        <source>ヴェルモのダウンロードエリアを起動</source>
        <translation>Opens Velmo&apos;s download page</translation>
    </message>
    <message>
        <source>プログラムファイル (*)</source>
        <translation>Programs (*)</translation>
    </message>
    <message>
        <source>Options&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Velmo の設定</source>
        <translation>Options - Velmo settings</translation>
    </message>
</context>
</TS>
