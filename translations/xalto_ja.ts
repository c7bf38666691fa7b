<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CallArea</name>
    <message>
        <source>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</source>
        <translation>中西部（CO, IA, KS, MN, MO, ND, NE, SD）</translation>
    </message>
    <message>
        <source>New England (CT, MA, ME, NH, RI, VT)</source>
        <translation>ニューイングランド（CT, MA, ME, NH, RI, VT）</translation>
    </message>
    <message>
        <source>New York and New Jersey</source>
        <translation>ニューヨーク・ニュージャージー</translation>
    </message>
    <message>
        <source>Mid-Atlantic (DC, DE, MD, PA)</source>
        <translation>中部大西洋岸（DC, DE, MD, PA）</translation>
    </message>
    <message>
        <source>Southeast (AL, FL, GA, KY, NC, SC, TN, VA)</source>
        <translation>南東部（AL, FL, GA, KY, NC, SC, TN, VA）</translation>
    </message>
    <message>
        <source>South (AR, LA, MS, NM, OK, TX)</source>
        <translation>南部（AR, LA, MS, NM, OK, TX）</translation>
    </message>
    <message>
        <source>California</source>
        <translation>カリフォルニア</translation>
    </message>
    <message>
        <source>Northwest (AZ, ID, MT, NV, OR, UT, WA, WY)</source>
        <translation>北西部（AZ, ID, MT, NV, OR, UT, WA, WY）</translation>
    </message>
    <message>
        <source>Great Lakes (MI, OH, WV)</source>
        <translation>五大湖（MI, OH, WV）</translation>
    </message>
    <message>
        <source>Central (IL, IN, WI)</source>
        <translation>中部（IL, IN, WI）</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>ニューファンドランド</translation>
    </message>
    <message>
        <source>Labrador</source>
        <translation>ラブラドール</translation>
    </message>
    <message>
        <source>Nunavut</source>
        <translation>ヌナブト</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>ユーコン</translation>
    </message>
    <message>
        <source>Prince Edward Island</source>
        <translation>プリンスエドワードアイランド</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>ノバスコシア</translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation>ケベック</translation>
    </message>
    <message>
        <source>Ontario</source>
        <translation>オンタリオ</translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation>マニトバ</translation>
    </message>
    <message>
        <source>Saskatchewan</source>
        <translation>サスカチュワン</translation>
    </message>
    <message>
        <source>Alberta</source>
        <translation>アルバータ</translation>
    </message>
    <message>
        <source>British Columbia</source>
        <translation>ブリティッシュコロンビア</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>ノースウェスト準州</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>ニューブランズウィック</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>オーストラリア首都特別地域</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>ニューサウスウェールズ</translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation>ビクトリア</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>クイーンズランド</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>南オーストラリア</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>西オーストラリア</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>タスマニア</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>北部準州</translation>
    </message>
    <message>
        <source>Kanto</source>
        <translation>関東</translation>
    </message>
    <message>
        <source>Tokai</source>
        <translation>東海</translation>
    </message>
    <message>
        <source>Kansai</source>
        <translation>関西</translation>
    </message>
    <message>
        <source>Chugoku</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Shikoku</source>
        <translation>四国</translation>
    </message>
    <message>
        <source>Kyushu and Okinawa</source>
        <translation>九州・沖縄</translation>
    </message>
    <message>
        <source>Tohoku</source>
        <translation>東北</translation>
    </message>
    <message>
        <source>Hokkaido</source>
        <translation>北海道</translation>
    </message>
    <message>
        <source>Hokuriku</source>
        <translation>北陸</translation>
    </message>
    <message>
        <source>Shin&apos;etsu</source>
        <translation>信越</translation>
    </message>
    <message>
        <source>Western Siberia, north (call area 8)</source>
        <translation>西シベリア北部（8エリア）</translation>
    </message>
    <message>
        <source>Urals and Western Siberia (call area 9)</source>
        <translation>ウラル・西シベリア（9エリア）</translation>
    </message>
    <message>
        <source>Eastern Siberia and the Far East (call area 0)</source>
        <translation>東シベリア・極東（0エリア）</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>北京</translation>
    </message>
    <message>
        <source>Heilongjiang, Jilin, Liaoning</source>
        <translation>黒竜江・吉林・遼寧</translation>
    </message>
    <message>
        <source>Tianjin, Inner Mongolia, Hebei, Shanxi</source>
        <translation>天津・内モンゴル・河北・山西</translation>
    </message>
    <message>
        <source>Shanghai, Shandong, Jiangsu</source>
        <translation>上海・山東・江蘇</translation>
    </message>
    <message>
        <source>Zhejiang, Jiangxi, Fujian</source>
        <translation>浙江・江西・福建</translation>
    </message>
    <message>
        <source>Anhui, Henan, Hubei</source>
        <translation>安徽・河南・湖北</translation>
    </message>
    <message>
        <source>Hunan, Guangdong, Guangxi, Hainan</source>
        <translation>湖南・広東・広西・海南</translation>
    </message>
    <message>
        <source>Sichuan, Chongqing, Guizhou, Yunnan</source>
        <translation>四川・重慶・貴州・雲南</translation>
    </message>
    <message>
        <source>Shaanxi, Gansu, Ningxia, Qinghai</source>
        <translation>陝西・甘粛・寧夏・青海</translation>
    </message>
    <message>
        <source>Xinjiang and Tibet</source>
        <translation>新疆・チベット</translation>
    </message>
    <message>
        <source>Rio de Janeiro and Espirito Santo</source>
        <translation>リオデジャネイロ・エスピリトサント</translation>
    </message>
    <message>
        <source>Sao Paulo, Goias, Federal District</source>
        <translation>サンパウロ・ゴイアス・連邦直轄区</translation>
    </message>
    <message>
        <source>Rio Grande do Sul</source>
        <translation>リオグランデ・ド・スル</translation>
    </message>
    <message>
        <source>Minas Gerais</source>
        <translation>ミナスジェライス</translation>
    </message>
    <message>
        <source>Parana and Santa Catarina</source>
        <translation>パラナ・サンタカタリーナ</translation>
    </message>
    <message>
        <source>Bahia and Sergipe</source>
        <translation>バイア・セルジッペ</translation>
    </message>
    <message>
        <source>Northeast (PE, AL, PB, RN, CE, PI)</source>
        <translation>北東部（PE, AL, PB, RN, CE, PI）</translation>
    </message>
    <message>
        <source>North (PA, AM, AP, MA, RR)</source>
        <translation>北部（PA, AM, AP, MA, RR）</translation>
    </message>
    <message>
        <source>Centre-West (MT, MS, RO, AC, TO)</source>
        <translation>中西部（MT, MS, RO, AC, TO）</translation>
    </message>
    <message>
        <source>Buenos Aires City</source>
        <translation>ブエノスアイレス市</translation>
    </message>
    <message>
        <source>Buenos Aires Province</source>
        <translation>ブエノスアイレス州</translation>
    </message>
    <message>
        <source>Santa Fe</source>
        <translation>サンタフェ</translation>
    </message>
    <message>
        <source>Chaco and Formosa</source>
        <translation>チャコ・フォルモサ</translation>
    </message>
    <message>
        <source>Cordoba</source>
        <translation>コルドバ</translation>
    </message>
    <message>
        <source>Misiones</source>
        <translation>ミシオネス</translation>
    </message>
    <message>
        <source>Entre Rios</source>
        <translation>エントレリオス</translation>
    </message>
    <message>
        <source>Tucuman</source>
        <translation>トゥクマン</translation>
    </message>
    <message>
        <source>Corrientes</source>
        <translation>コリエンテス</translation>
    </message>
    <message>
        <source>Mendoza</source>
        <translation>メンドーサ</translation>
    </message>
    <message>
        <source>Santiago del Estero</source>
        <translation>サンティアゴ・デル・エステロ</translation>
    </message>
    <message>
        <source>Salta</source>
        <translation>サルタ</translation>
    </message>
    <message>
        <source>San Juan</source>
        <translation>サンフアン</translation>
    </message>
    <message>
        <source>San Luis</source>
        <translation>サンルイス</translation>
    </message>
    <message>
        <source>Catamarca</source>
        <translation>カタマルカ</translation>
    </message>
    <message>
        <source>La Rioja</source>
        <translation>ラ・リオハ</translation>
    </message>
    <message>
        <source>Jujuy</source>
        <translation>フフイ</translation>
    </message>
    <message>
        <source>La Pampa</source>
        <translation>ラ・パンパ</translation>
    </message>
    <message>
        <source>Rio Negro</source>
        <translation>リオネグロ</translation>
    </message>
    <message>
        <source>Chubut</source>
        <translation>チュブト</translation>
    </message>
    <message>
        <source>Santa Cruz and Tierra del Fuego</source>
        <translation>サンタクルス・ティエラ・デル・フエゴ</translation>
    </message>
    <message>
        <source>Neuquen</source>
        <translation>ネウケン</translation>
    </message>
</context>
<context>
    <name>CallList</name>
    <message>
        <source>The call list is larger than %1 MiB.</source>
        <translation>コールリストが %1 MiB を超えています。</translation>
    </message>
    <message>
        <source>The call list holds more than %1 calls.</source>
        <translation>コールリストのコール数が %1 を超えています。</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <extracomment>North on the heading dial</extracomment>
        <translation>北</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East on the heading dial</extracomment>
        <translation>東</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South on the heading dial</extracomment>
        <translation>南</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West on the heading dial</extracomment>
        <translation>西</translation>
    </message>
</context>
<context>
    <name>Confirmation</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ConnectionKind</name>
    <message>
        <source>OV Varnex</source>
        <translation>OV Varnex</translation>
    </message>
    <message>
        <source>KT-90 TCP terminal</source>
        <translation>KT-90 TCP 端末</translation>
    </message>
    <message>
        <source>KT-90 UDP terminal</source>
        <translation>KT-90 UDP 端末</translation>
    </message>
    <message>
        <source>KT-90 local serial</source>
        <translation>KT-90 ローカルシリアル</translation>
    </message>
    <message>
        <source>Hamlib rotctld</source>
        <translation>Hamlib rotctld</translation>
    </message>
</context>
<context>
    <name>CountryData</name>
    <message>
        <source>No country file is installed; load one, or install Debian&apos;s hamradio-files.</source>
        <translation>カントリーファイルがインストールされていません。読み込むか、Debian の hamradio-files をインストールしてください。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>ファイルを読み込めません: %1。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>ファイルが %1 MiB を超えています。</translation>
    </message>
    <message>
        <source>The program&apos;s data folder cannot be created.</source>
        <translation>プログラムのデータフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>The copy cannot be kept: %1.</source>
        <translation>コピーを保存できません: %1。</translation>
    </message>
    <message>
        <source>No version given</source>
        <translation>バージョン情報なし</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation>
            <numerusform>バージョン %1（%n 日経過）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a piece of the country file.</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it has %2 fields where 10 are expected.</source>
        <translation>カントリーファイルの %1 行目が壊れています: フィールド数が %2 です（10 が必要）。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its prefix list does not end with “;”.</source>
        <translation>カントリーファイルの %1 行目が壊れています: プリフィックスリストが「;」で終わっていません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.</source>
        <translation>カントリーファイルの %1 行目が壊れています: DXCC 番号 %2 が 0～9999 の数値ではありません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the entity before it does not end its prefix list with “;”.</source>
        <translation>カントリーファイルの %1 行目が壊れています: 直前のエンティティのプリフィックスリストが「;」で終わっていません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.</source>
        <translation>カントリーファイルの %1 行目が壊れています: エンティティ行が「:」で終わる 8 フィールドになっていません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it lists prefixes without an entity line before them.</source>
        <translation>カントリーファイルの %1 行目が壊れています: エンティティ行の前にプリフィックスが記載されています。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: text follows the “;” that ends the prefix list.</source>
        <translation>カントリーファイルの %1 行目が壊れています: プリフィックスリストを終える「;」の後に文字があります。</translation>
    </message>
    <message>
        <source>The country file ends inside the prefix list of %1.</source>
        <translation>カントリーファイルが %1 のプリフィックスリストの途中で終わっています。</translation>
    </message>
    <message>
        <source>The country file lists no countries.</source>
        <translation>カントリーファイルに国が記載されていません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 countries.</source>
        <translation>カントリーファイルの %1 行目が壊れています: 記載された国が %2 を超えています。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the country name %2 is empty, too long or holds control characters.</source>
        <translation>カントリーファイルの %1 行目が壊れています: 国名 %2 が空、長すぎる、または制御文字を含んでいます。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.</source>
        <translation>カントリーファイルの %1 行目が壊れています: %3 のメインプリフィックス %2 がプリフィックスではありません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the continent %2 of %3 is not one of AF, AN, AS, EU, NA, OC, SA.</source>
        <translation>カントリーファイルの %1 行目が壊れています: %3 の大陸 %2 が AF, AN, AS, EU, NA, OC, SA のいずれでもありません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the zones of %2 are not a CQ zone from 1 to 40 and an ITU zone from 1 to 90.</source>
        <translation>カントリーファイルの %1 行目が壊れています: %2 のゾーンが CQ ゾーン 1～40 と ITU ゾーン 1～90 になっていません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the latitude, longitude or UTC offset of %2 is not a number within range.</source>
        <translation>カントリーファイルの %1 行目が壊れています: %2 の緯度、経度または UTC オフセットが範囲内の数値ではありません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 prefixes and calls.</source>
        <translation>カントリーファイルの %1 行目が壊れています: 記載されたプリフィックスとコールが %2 を超えています。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: %2 is not a prefix or call.</source>
        <translation>カントリーファイルの %1 行目が壊れています: %2 はプリフィックスでもコールでもありません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not closed.</source>
        <translation>カントリーファイルの %1 行目が壊れています: %2 のオーバーライドが閉じられていません。</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not valid.</source>
        <translation>カントリーファイルの %1 行目が壊れています: %2 のオーバーライドが無効です。</translation>
    </message>
    <message>
        <source>The country file is larger than %1 MiB.</source>
        <translation>カントリーファイルが %1 MiB を超えています。</translation>
    </message>
    <message>
        <source>The country file is empty.</source>
        <translation>カントリーファイルが空です。</translation>
    </message>
    <message>
        <source>The file is neither a cty.csv nor a cty.dat country file.</source>
        <translation>このファイルは cty.csv 形式でも cty.dat 形式でもありません。</translation>
    </message>
</context>
<context>
    <name>CountryFileLoader</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 が %2 MiB を超えています。</translation>
    </message>
</context>
<context>
    <name>CountryFileSheet</name>
    <message>
        <source>Country File</source>
        <translation>カントリーファイル</translation>
    </message>
    <message>
        <source>Country file version</source>
        <translation>カントリーファイルのバージョン</translation>
    </message>
    <message>
        <source>Country file in use</source>
        <translation>使用中のカントリーファイル</translation>
    </message>
    <message>
        <source>Country file load result</source>
        <translation>カントリーファイルの読み込み結果</translation>
    </message>
    <message>
        <source>Load country file…</source>
        <translation>カントリーファイルを読み込む…</translation>
    </message>
    <message>
        <source>Read a newer cty.csv or cty.dat; a file that does not read changes nothing.</source>
        <translation>新しい cty.csv または cty.dat を読み込みます。読み込めないファイルでは何も変わりません。</translation>
    </message>
    <message>
        <source>Country file</source>
        <translation>カントリーファイル</translation>
    </message>
    <message>
        <source>Call signs and prefixes are placed with this file. Newer files are published monthly; a loaded file is kept in the program&apos;s data folder and used from then on.</source>
        <translation>コールサインとプリフィックスはこのファイルで地域を判定します。新しいファイルは毎月公開されます。読み込んだファイルはプログラムのデータフォルダーに保存され、以後使用されます。</translation>
    </message>
    <message>
        <source>Loaded; the copy is kept for later starts.</source>
        <translation>読み込みました。コピーは次回以降の起動用に保存されます。</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>変更なし: %1</translation>
    </message>
    <message>
        <source>Load Country File</source>
        <translation>カントリーファイルの読み込み</translation>
    </message>
    <message>
        <source>Country files (*.csv *.dat *.CSV *.DAT);;All files (*)</source>
        <translation>カントリーファイル (*.csv *.dat *.CSV *.DAT);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>No country file</source>
        <translation>カントリーファイルなし</translation>
    </message>
    <message>
        <source>A loaded copy: %1</source>
        <translation>読み込んだコピー: %1</translation>
    </message>
    <message>
        <source>Installed file: %1</source>
        <translation>インストール済みファイル: %1</translation>
    </message>
    <message>
        <source>%1 countries, %2 prefixes and calls</source>
        <translation>%1 か国、プリフィックスとコール %2 件</translation>
    </message>
</context>
<context>
    <name>EncoderWorker</name>
    <message>
        <source>Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.</source>
        <translation>Phidget %1 を待っています。旧式の HID デバイスにはメーカーの USB ドライバーが必要な場合があります。</translation>
    </message>
    <message>
        <source>Phidget22 library could not be loaded.</source>
        <translation>Phidget22 ライブラリを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Phidget encoder channel could not be opened.</source>
        <translation>Phidget エンコーダーチャンネルを開けませんでした。</translation>
    </message>
    <message>
        <source>Phidget button channel could not be opened.</source>
        <translation>Phidget ボタンチャンネルを開けませんでした。</translation>
    </message>
    <message>
        <source>Phidget disconnected</source>
        <translation>Phidget 未接続</translation>
    </message>
    <message>
        <source>Phidget connected</source>
        <translation>Phidget 接続済み</translation>
    </message>
</context>
<context>
    <name>HeadingPreset</name>
    <message>
        <source>Give the preset a name and a heading from 0 to 360 degrees.</source>
        <translation>プリセットに名前と 0～360 度の方位を指定してください。</translation>
    </message>
</context>
<context>
    <name>IntegrationDevicesSection</name>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation>無線機 A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>無線機 B</translation>
    </message>
    <message>
        <source>Focused radio</source>
        <translation>フォーカス中の無線機</translation>
    </message>
    <message>
        <source>Frequency-driven devices</source>
        <translation>周波数連動デバイス</translation>
    </message>
    <message>
        <source>A selected OFF remains off. Existing in-range selections are retained; locked outputs are skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared switch.</source>
        <translation>選択済みの OFF はオフのままです。範囲内の既存の選択は保持され、ロックされた出力はスキップされます。「フォーカス中の無線機」はロガーのフォーカスに従い、共有切替器で A/B の更新が競合するのを防ぎます。</translation>
    </message>
    <message>
        <source>Radio for %1</source>
        <translation>%1 の無線機</translation>
    </message>
    <message>
        <source>Which radio’s frequency selects the band position of %1.</source>
        <translation>%1 のバンドポジションを選ぶ周波数をどの無線機から取るか。</translation>
    </message>
    <message>
        <source>Switch: %1</source>
        <extracomment>%1 is the antenna switch&apos;s name from the station.</extracomment>
        <translation>切替器: %1</translation>
    </message>
    <message>
        <source>Tuner: %1</source>
        <extracomment>%1 is the tuner&apos;s name from the station.</extracomment>
        <translation>チューナー: %1</translation>
    </message>
    <message>
        <source>The station has reported no switches or tuners yet.</source>
        <translation>局からまだ切替器もチューナーも報告されていません。</translation>
    </message>
</context>
<context>
    <name>IntegrationEditor</name>
    <message>
        <source>Stop this input.</source>
        <translation>この入力を停止します。</translation>
    </message>
</context>
<context>
    <name>IntegrationEncoderSection</name>
    <message>
        <source>Phidget encoder / eKnob</source>
        <translation>Phidget エンコーダー / eKnob</translation>
    </message>
    <message>
        <source>Device serial number</source>
        <translation>デバイスのシリアル番号</translation>
    </message>
    <message>
        <source>The serial number printed on the encoder device.</source>
        <translation>エンコーダーデバイスに印字されたシリアル番号。</translation>
    </message>
    <message>
        <source>Encoder channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>エンコーダーチャンネル </translation>
    </message>
    <message>
        <source>Encoder channel</source>
        <translation>エンコーダーチャンネル</translation>
    </message>
    <message>
        <source>The device channel of the encoder.</source>
        <translation>エンコーダーのデバイスチャンネル。</translation>
    </message>
    <message>
        <source>Button channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>ボタンチャンネル </translation>
    </message>
    <message>
        <source>Button channel</source>
        <translation>ボタンチャンネル</translation>
    </message>
    <message>
        <source>The digital input of the encoder’s button; −1 for none.</source>
        <translation>エンコーダーのボタンのデジタル入力。なしは −1。</translation>
    </message>
    <message>
        <source>Degrees/count</source>
        <translation>度/カウント</translation>
    </message>
    <message>
        <source>Degrees per encoder count when turning a rotor; negative reverses the direction.</source>
        <translation>ローテーター回転時のエンコーダー 1 カウントあたりの度数。負の値で方向が逆になります。</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack output, T: tuner positions).</source>
        <translation>エンコーダーで回すもの（R: ローテーター）または選ぶもの（P: ローテーターのプリセット、S: 切替器のポジション、K: スタック出力、T: チューナーのポジション）。</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Start encoder</source>
        <translation>エンコーダー開始</translation>
    </message>
    <message>
        <source>Stop encoder</source>
        <translation>エンコーダー停止</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>エンコーダーの状態</translation>
    </message>
    <message>
        <source>Store these settings and start reading the encoder.</source>
        <translation>この設定を保存してエンコーダーの読み取りを開始します。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Encoder preview</source>
        <translation>エンコーダーのプレビュー</translation>
    </message>
    <message>
        <source>Phidget USB driver and setup</source>
        <translation>Phidget USB ドライバーとセットアップ</translation>
    </message>
    <message>
        <source>Turning previews a heading or selection. Press the encoder button or Apply to send it. A button channel of −1 disables button input; use a negative step to reverse direction. Enable controls still applies.</source>
        <translation>回すと方位または選択をプレビューします。エンコーダーのボタンか「適用」で送信します。ボタンチャンネルを −1 にするとボタン入力は無効になります。方向を逆にするには負のステップを使います。「操作を有効化」の設定は引き続き適用されます。</translation>
    </message>
    <message>
        <source>The encoder is not running.</source>
        <translation>エンコーダーは動作していません。</translation>
    </message>
    <message>
        <source>Send the previewed heading or selection now.</source>
        <translation>プレビュー中の方位または選択を今すぐ送信します。</translation>
    </message>
    <message>
        <source>Turn on “Enable logger commands and automatic band selection” to send.</source>
        <translation>送信するには「ロガーコマンドと自動バンド選択を有効化」をオンにしてください。</translation>
    </message>
    <message>
        <source>Connect to the server to send.</source>
        <translation>送信するにはサーバーに接続してください。</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>プレビュー: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>IntegrationEventsSection</name>
    <message>
        <source>Received integration events</source>
        <translation>受信した連携イベント</translation>
    </message>
    <message>
        <source>No events received</source>
        <translation>受信したイベントなし</translation>
    </message>
    <message>
        <source>The logger events and key tokens this server’s inputs received, oldest first (the last %1).</source>
        <translation>このサーバーの入力が受信したロガーイベントとキートークン（古い順、最新 %1 件）。</translation>
    </message>
</context>
<context>
    <name>IntegrationKeysSection</name>
    <message>
        <source>Keyboard shortcuts and UDP keys</source>
        <translation>キーボードショートカットと UDP キー</translation>
    </message>
    <message>
        <source>Key tokens also work while the main app window is focused, outside text fields. Examples: CTRL R, SHIFT S, Escape.</source>
        <translation>キートークンはメインウィンドウにフォーカスがあるときも、テキスト欄以外で機能します。例: CTRL R、SHIFT S、Escape。</translation>
    </message>
    <message>
        <source>Global keyboard shortcuts</source>
        <translation>グローバルキーボードショートカット</translation>
    </message>
    <message>
        <source>Also take key tokens typed in other programs.</source>
        <translation>他のプログラムで入力されたキートークンも受け付けます。</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session.</source>
        <translation>このセッションではグローバルショートカットを使用できません。</translation>
    </message>
    <message>
        <source>Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard listening after changing this switch.</source>
        <translation>このデスクトップではグローバルショートカットに追加の権限は不要ですが、Control、Alt、Super のいずれかの修飾キー（トークンでは CTRL、ALT、CMD）が必要です。選択中のサーバータブに適用されます。この設定を変更したらキーボード受信を再起動してください。</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session: this desktop does not let programs watch keys typed elsewhere. Keys in the main window and UDP key tokens still work.</source>
        <translation>このセッションではグローバルショートカットを使用できません: このデスクトップでは他の場所で入力されたキーをプログラムが監視できません。メインウィンドウでのキー入力と UDP キートークンは引き続き機能します。</translation>
    </message>
    <message>
        <source>Local keyboard UDP port</source>
        <translation>ローカルキーボード UDP ポート</translation>
    </message>
    <message>
        <source>Key tokens sent to 127.0.0.1 on this port fire the bindings below.</source>
        <translation>このポートで 127.0.0.1 に送られたキートークンで下のキー割り当てが実行されます。</translation>
    </message>
    <message>
        <source>Start keyboard</source>
        <translation>キーボード開始</translation>
    </message>
    <message>
        <source>Stop keyboard</source>
        <translation>キーボード停止</translation>
    </message>
    <message>
        <source>Keyboard status</source>
        <translation>キーボードの状態</translation>
    </message>
    <message>
        <source>Store these settings and start listening for keys and UDP key tokens.</source>
        <translation>この設定を保存して、キーと UDP キートークンの受信を開始します。</translation>
    </message>
    <message>
        <source>Add key binding</source>
        <translation>キー割り当てを追加</translation>
    </message>
    <message>
        <source>Add a key token and what it does.</source>
        <translation>キートークンとその動作を追加します。</translation>
    </message>
    <message>
        <source>No key bindings</source>
        <translation>キー割り当てなし</translation>
    </message>
    <message>
        <source>Key token</source>
        <translation>キートークン</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>方位</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>ポジション</translation>
    </message>
    <message>
        <source>Key token %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>キートークン %1</translation>
    </message>
    <message>
        <source>The key token that fires this binding, such as CTRL R.</source>
        <translation>この割り当てを実行するキートークン（例: CTRL R）。</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>デバイス %1</translation>
    </message>
    <message>
        <source>R: rotor, S: antenna switch, K: stack output, T: tuner.</source>
        <translation>R: ローテーター、S: アンテナ切替器、K: スタック出力、T: チューナー。</translation>
    </message>
    <message>
        <source>Action %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>動作 %1</translation>
    </message>
    <message>
        <source>What the binding does with its device.</source>
        <translation>この割り当てがデバイスに対して行う動作。</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>方位 %1</translation>
    </message>
    <message>
        <source>The heading a Rotate binding turns its rotor to.</source>
        <translation>「回転」割り当てでローテーターを回す方位。</translation>
    </message>
    <message>
        <source>Position %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>ポジション %1</translation>
    </message>
    <message>
        <source>The switch or tuner position to select; Next and Previous step instead.</source>
        <translation>選択する切替器またはチューナーのポジション。「次へ」「前へ」では順に切り替えます。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove this key binding.</source>
        <translation>このキー割り当てを削除します。</translation>
    </message>
    <message>
        <source>Remove binding %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>割り当て %1 を削除</translation>
    </message>
    <message>
        <source>The keyboard input is not running.</source>
        <translation>キーボード入力は動作していません。</translation>
    </message>
</context>
<context>
    <name>IntegrationLoggerSection</name>
    <message>
        <source>Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111.</source>
        <translation>ローカルのソフトウェアには 127.0.0.1、リモートのロガーにはこのコンピューターの LAN アドレスで待ち受けます。N1MM ローテーター: 12050、無線機データ: 12060、Win-Test: 9871、キーボード UDP: 61111。</translation>
    </message>
    <message>
        <source>Connect to the N3FJP API (normally port 1100).</source>
        <translation>N3FJP API に接続します（通常はポート 1100）。</translation>
    </message>
    <message>
        <source>Logger and automatic controls</source>
        <translation>ロガーと自動制御</translation>
    </message>
    <message>
        <source>Enable logger commands and automatic band selection</source>
        <translation>ロガーコマンドと自動バンド選択を有効化</translation>
    </message>
    <message>
        <source>Send the rotor turns, band selections and key bindings of this server’s inputs. Events are listed either way.</source>
        <translation>このサーバーの入力によるローテーター回転、バンド選択、キー割り当てを送信します。イベントはどちらの場合も一覧に表示されます。</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>ロガー</translation>
    </message>
    <message>
        <source>The logger program, or key tokens over UDP.</source>
        <translation>ロガープログラム、または UDP によるキートークン。</translation>
    </message>
    <message>
        <source>Logger host</source>
        <translation>ロガーホスト</translation>
    </message>
    <message>
        <source>The address to listen on, or the N3FJP computer.</source>
        <translation>待ち受けるアドレス、または N3FJP のコンピューター。</translation>
    </message>
    <message>
        <source>Logger port</source>
        <translation>ロガーポート</translation>
    </message>
    <message>
        <source>The UDP port to listen on, or the N3FJP API port.</source>
        <translation>待ち受ける UDP ポート、または N3FJP API のポート。</translation>
    </message>
    <message>
        <source>Station name filter (optional)</source>
        <translation>局名フィルター（任意）</translation>
    </message>
    <message>
        <source>Only messages from this N1MM or Win-Test station; blank for every station.</source>
        <translation>この N1MM または Win-Test 局からのメッセージのみ。空欄ならすべての局。</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Start logger</source>
        <translation>ロガー開始</translation>
    </message>
    <message>
        <source>Stop logger</source>
        <translation>ロガー停止</translation>
    </message>
    <message>
        <source>Logger status</source>
        <translation>ロガーの状態</translation>
    </message>
    <message>
        <source>Store these settings and start the logger input.</source>
        <translation>この設定を保存してロガー入力を開始します。</translation>
    </message>
    <message>
        <source>Radio A rotor</source>
        <translation>無線機 A のローテーター</translation>
    </message>
    <message>
        <source>The rotor that radio A’s rotor commands turn.</source>
        <translation>無線機 A のローテーターコマンドで回すローテーター。</translation>
    </message>
    <message>
        <source>Radio B rotor</source>
        <translation>無線機 B のローテーター</translation>
    </message>
    <message>
        <source>The rotor that radio B’s rotor commands turn.</source>
        <translation>無線機 B のローテーターコマンドで回すローテーター。</translation>
    </message>
    <message>
        <source>Rotor and antenna Enable controls also apply. No commands are replayed after reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s port.</source>
        <translation>ローテーターとアンテナの「操作を有効化」も適用されます。再接続後にコマンドは再送されません。N1MM の無線機とローテーターのブロードキャスト先をこの受信ポートに設定してください。</translation>
    </message>
    <message>
        <source>The logger input is not running.</source>
        <translation>ロガー入力は動作していません。</translation>
    </message>
</context>
<context>
    <name>IntegrationRotctldSection</name>
    <message>
        <source>rotctld server</source>
        <translation>rotctld サーバー</translation>
    </message>
    <message>
        <source>rotctld host</source>
        <translation>rotctld ホスト</translation>
    </message>
    <message>
        <source>The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN address for programs elsewhere.</source>
        <translation>待ち受けるアドレス: このコンピューター上のプログラムには 127.0.0.1、他の場所のプログラムにはこのコンピューターの LAN アドレス。</translation>
    </message>
    <message>
        <source>rotctld port</source>
        <translation>rotctld ポート</translation>
    </message>
    <message>
        <source>The TCP port rotctld clients connect to; rotctld’s own is 4533.</source>
        <translation>rotctld クライアントが接続する TCP ポート。rotctld 本来のポートは 4533 です。</translation>
    </message>
    <message>
        <source>rotctld rotor</source>
        <translation>rotctld ローテーター</translation>
    </message>
    <message>
        <source>The rotor that rotctld clients read, turn and stop.</source>
        <translation>rotctld クライアントが読み取り、回転、停止するローテーター。</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>パーク方位</translation>
    </message>
    <message>
        <source>Where a rotctld client’s park command turns the rotor.</source>
        <translation>rotctld クライアントのパークコマンドでローテーターを回す方位。</translation>
    </message>
    <message>
        <source>Re-aim tolerance</source>
        <translation>再追尾の許容差</translation>
    </message>
    <message>
        <source>A tracker’s target this close to the turn under way, or to the heading of an idle rotor, turns nothing; farther targets turn the rotor at most once a second.</source>
        <translation>トラッカーの目標が実行中の回転、または停止中のローテーターの方位にこれより近い場合は回転しません。これより離れた目標ではローテーターを最大で毎秒 1 回回します。</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>ローテーター</translation>
    </message>
    <message>
        <source>Start rotctld server</source>
        <translation>rotctld サーバー開始</translation>
    </message>
    <message>
        <source>Stop rotctld server</source>
        <translation>rotctld サーバー停止</translation>
    </message>
    <message>
        <source>Rotctld server status</source>
        <translation>rotctld サーバーの状態</translation>
    </message>
    <message>
        <source>Store these settings and serve rotctld clients from this tab.</source>
        <translation>この設定を保存し、このタブから rotctld クライアントに応答します。</translation>
    </message>
    <message>
        <source>Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the same Enable control and heading checks as this window and are logged with the client’s address. A LAN address lets any computer on the network turn the rotor.</source>
        <translation>rotctld プロトコルに対応した衛星トラッカー、ロガー、ダッシュボードは、このタブを通じて選択したローテーターを操作します（例: rotctl -m 2 -r 127.0.0.1:4533）。それらのコマンドはこのウィンドウと同じ「操作を有効化」と方位のチェックを受け、クライアントのアドレスとともにログに記録されます。LAN アドレスにすると、ネットワーク上のどのコンピューターからでもローテーターを回せます。</translation>
    </message>
    <message>
        <source>no clients</source>
        <translation>クライアントなし</translation>
    </message>
    <message>
        <source>1 client</source>
        <translation>クライアント 1 台</translation>
    </message>
    <message numerus="yes">
        <source>%n clients</source>
        <translation>
            <numerusform>クライアント %n 台</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>%1 is the server&apos;s own status, %2 how many clients are connected.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>The rotctld server is not running.</source>
        <translation>rotctld サーバーは動作していません。</translation>
    </message>
</context>
<context>
    <name>IntegrationSettingsView</name>
    <message>
        <source>Integrations</source>
        <translation>連携</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Store these settings for this server and close.</source>
        <translation>このサーバーの設定を保存して閉じます。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>IntegrationWsjtxSection</name>
    <message>
        <source>WSJT-X</source>
        <translation>WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X host</source>
        <translation>WSJT-X ホスト</translation>
    </message>
    <message>
        <source>The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1.</source>
        <translation>WSJT-X が UDP メッセージを送るアドレス: 127.0.0.1、または 224.0.0.1 などのマルチキャストグループ。</translation>
    </message>
    <message>
        <source>WSJT-X port</source>
        <translation>WSJT-X ポート</translation>
    </message>
    <message>
        <source>WSJT-X&apos;s UDP server port; its own default is 2237.</source>
        <translation>WSJT-X の UDP サーバーポート。WSJT-X の既定値は 2237 です。</translation>
    </message>
    <message>
        <source>WSJT-X rotor</source>
        <translation>WSJT-X ローテーター</translation>
    </message>
    <message>
        <source>The rotor whose Point at field follows WSJT-X&apos;s DX call and grid.</source>
        <translation>「向け先」欄が WSJT-X の DX コールとグリッドに追従するローテーター。</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>ローテーター</translation>
    </message>
    <message>
        <source>Start WSJT-X</source>
        <translation>WSJT-X 開始</translation>
    </message>
    <message>
        <source>Stop WSJT-X</source>
        <translation>WSJT-X 停止</translation>
    </message>
    <message>
        <source>WSJT-X status</source>
        <translation>WSJT-X の状態</translation>
    </message>
    <message>
        <source>Store these settings and listen for WSJT-X&apos;s messages.</source>
        <translation>この設定を保存して WSJT-X のメッセージを待ち受けます。</translation>
    </message>
    <message>
        <source>The chosen rotor&apos;s Point at field follows the DX call and grid of WSJT-X&apos;s status (a grid beats a prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A&apos;s frequency from a logger does. JTDX and similar programs send the same messages.</source>
        <translation>選択したローテーターの「向け先」欄が WSJT-X のステータスの DX コールとグリッドに追従します（グリッドはプリフィックスより優先）。「回転」を押すまで何も回りません。ダイヤル周波数は、ロガーからの無線機 A の周波数と同様にバンド自動切替に使われます。JTDX などのプログラムも同じメッセージを送ります。</translation>
    </message>
    <message>
        <source>WSJT-X is not listened to.</source>
        <translation>WSJT-X を待ち受けていません。</translation>
    </message>
</context>
<context>
    <name>KeltoClient</name>
    <message>
        <source>Disconnected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Connected · live station data</source>
        <translation>接続済み · 局のライブデータ</translation>
    </message>
    <message>
        <source>Enter a hostname and a port from 1 to 65535.</source>
        <translation>ホスト名と 1～65535 のポートを入力してください。</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>%1:%2 に接続中…</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>接続失敗: %1</translation>
    </message>
    <message>
        <source>Checking rotctld…</source>
        <translation>rotctld を確認中…</translation>
    </message>
    <message>
        <source>Checking KT-90 terminal…</source>
        <translation>KT-90 端末を確認中…</translation>
    </message>
    <message>
        <source>Checking OV Varnex server…</source>
        <translation>OV Varnex サーバーを確認中…</translation>
    </message>
    <message>
        <source>UDP ready to %1:%2</source>
        <translation>UDP で %1:%2 へ送信可能</translation>
    </message>
    <message>
        <source>TCP connected to %1:%2</source>
        <translation>TCP で %1:%2 に接続しました</translation>
    </message>
    <message>
        <source>Connection unavailable: %1</source>
        <translation>接続できません: %1</translation>
    </message>
    <message>
        <source>rotctld closed the connection.</source>
        <translation>rotctld が接続を閉じました。</translation>
    </message>
    <message>
        <source>Server closed the connection.</source>
        <translation>サーバーが接続を閉じました。</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>接続が切れました: %1</translation>
    </message>
    <message>
        <source>UDP connection lost: %1</source>
        <translation>UDP 接続が切れました: %1</translation>
    </message>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation>
            <numerusform>rotctld が応答しません: %n 件のコマンドが応答待ちです。</numerusform>
        </translation>
    </message>
    <message>
        <source>rotctld reported an error: %1 (RPRT %2).</source>
        <translation>rotctld がエラーを報告しました: %1（RPRT %2）。</translation>
    </message>
    <message>
        <source>Checking KT-90 serial port…</source>
        <translation>KT-90 シリアルポートを確認中…</translation>
    </message>
    <message>
        <source>Opened serial port %1 at %2 baud</source>
        <translation>シリアルポート %1 を %2 baud で開きました</translation>
    </message>
    <message>
        <source>No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN.</source>
        <translation>10 秒以内に対応するサーバーまたはデバイスから応答がありません。サーバーのアドレス、ポート、LAN または VPN を確認してください。</translation>
    </message>
    <message>
        <source>No server data for 20 seconds. Reconnect to refresh the station.</source>
        <translation>20 秒間サーバーからデータがありません。局の情報を更新するには再接続してください。</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>送信失敗: %1</translation>
    </message>
    <message>
        <source>Send failed: the server stopped reading; more than %1 KiB of commands are waiting.</source>
        <translation>送信失敗: サーバーが読み取りを停止しました。%1 KiB を超えるコマンドが待機しています。</translation>
    </message>
    <message>
        <source>Discovered %1</source>
        <translation>検出: %1</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>削除: %1</translation>
    </message>
    <message>
        <source>Server connection limit reached.</source>
        <translation>サーバーの接続数が上限に達しました。</translation>
    </message>
    <message>
        <source>Server requested disconnection.</source>
        <translation>サーバーが切断を要求しました。</translation>
    </message>
    <message>
        <source>The station reports more than %1 devices; the connection was ended.</source>
        <translation>局から報告されたデバイスが %1 を超えたため、接続を終了しました。</translation>
    </message>
    <message>
        <source>The station&apos;s data exceeds %1 MiB; the connection was ended.</source>
        <translation>局のデータが %1 MiB を超えたため、接続を終了しました。</translation>
    </message>
    <message>
        <source>Reading the saved login…</source>
        <translation>保存済みのログイン情報を読み込み中…</translation>
    </message>
    <message>
        <source>Saved login could not be read from the system keychain. Enter your server credentials.</source>
        <translation>保存済みのログイン情報をシステムのキーチェーンから読み込めませんでした。サーバーの認証情報を入力してください。</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>認証中…</translation>
    </message>
    <message>
        <source>This server requires a username and password.</source>
        <translation>このサーバーにはユーザー名とパスワードが必要です。</translation>
    </message>
    <message>
        <source>Server rejected the username or password. Please try again.</source>
        <translation>サーバーがユーザー名またはパスワードを拒否しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Connected, but the login could not be saved in the system keychain. You may be asked again next time.</source>
        <translation>接続しましたが、ログイン情報をシステムのキーチェーンに保存できませんでした。次回また尋ねられる場合があります。</translation>
    </message>
    <message>
        <source>not connected to the station</source>
        <translation>局に接続されていません</translation>
    </message>
    <message>
        <source>control is off</source>
        <translation>操作がオフです</translation>
    </message>
    <message>
        <source>rotor not on the station</source>
        <translation>ローテーターが局にありません</translation>
    </message>
    <message>
        <source>heading is stale</source>
        <translation>方位が古い情報です</translation>
    </message>
    <message>
        <source>heading is changing</source>
        <translation>方位が変化中です</translation>
    </message>
    <message>
        <source>rotor does not accept a turn</source>
        <translation>ローテーターが回転を受け付けません</translation>
    </message>
    <message>
        <source>controller has no jog command</source>
        <translation>コントローラーにジョグコマンドがありません</translation>
    </message>
    <message>
        <source>heading is outside the rotor&apos;s limits</source>
        <translation>方位がローテーターの範囲外です</translation>
    </message>
    <message>
        <source>Turn blocked: control is disabled or heading is stale.</source>
        <translation>回転できません: 操作が無効か、方位が古い情報です。</translation>
    </message>
    <message>
        <source>Turn blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>回転できません: %1。</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2°</source>
        <translation>回転要求: %1 → %2°</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2° (for %3°)</source>
        <translation>回転要求: %1 → %2°（%3° 向け）</translation>
    </message>
    <message>
        <source>Stop requested: %1</source>
        <translation>停止要求: %1</translation>
    </message>
    <message>
        <source>Jog blocked: control disabled, stale or moving.</source>
        <translation>ジョグできません: 操作が無効、情報が古い、または回転中です。</translation>
    </message>
    <message>
        <source>Jog blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>ジョグできません: %1。</translation>
    </message>
    <message>
        <source>Jog requested: %1 CW</source>
        <translation>ジョグ要求: %1 CW</translation>
    </message>
    <message>
        <source>Jog requested: %1 CCW</source>
        <translation>ジョグ要求: %1 CCW</translation>
    </message>
    <message>
        <source>Preset turn blocked: controls disabled, stale heading, or unknown preset.</source>
        <translation>プリセット回転できません: 操作が無効、方位が古い、または不明なプリセットです。</translation>
    </message>
    <message>
        <source>Preset turn blocked: %1 has limits and the server does not say where “%2” points.</source>
        <translation>プリセット回転できません: %1 には制限があり、サーバーが「%2」の方位を示していません。</translation>
    </message>
    <message>
        <source>Preset turn requested: %1 → %2</source>
        <translation>プリセット回転要求: %1 → %2</translation>
    </message>
    <message>
        <source>Requested server presets</source>
        <translation>サーバーのプリセットを要求しました</translation>
    </message>
    <message>
        <source>Rotor lock request blocked: control is disabled or rotor is unavailable.</source>
        <translation>ローテーターのロック要求不可: 操作が無効か、ローテーターが使用できません。</translation>
    </message>
    <message>
        <source>Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>ロック要求: %1。サーバーは所有権を確認しません。同じ IP の他のクライアントとロックを共有します。</translation>
    </message>
    <message>
        <source>Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>ロック解除要求: %1。サーバーは所有権を確認しません。同じ IP の他のクライアントとロックを共有します。</translation>
    </message>
    <message>
        <source>Stack command blocked: controls disabled or unavailable status.</source>
        <translation>スタックコマンド不可: 操作が無効か、状態が不明です。</translation>
    </message>
    <message>
        <source>Stack requested: %1 on</source>
        <translation>スタック要求: %1 オン</translation>
    </message>
    <message>
        <source>Stack requested: %1 off</source>
        <translation>スタック要求: %1 オフ</translation>
    </message>
    <message>
        <source>Switch blocked: controls disabled, stale status, locked position, or incompatible command.</source>
        <translation>切替不可: 操作が無効、状態が古い、ポジションがロック中、またはコマンドが非対応です。</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2</source>
        <translation>切替要求: %1 → %2</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 on</source>
        <translation>切替要求: %1 → %2 オン</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 off</source>
        <translation>切替要求: %1 → %2 オフ</translation>
    </message>
    <message>
        <source>Tuner position requested: %1 → %2</source>
        <translation>チューナーポジション要求: %1 → %2</translation>
    </message>
    <message>
        <source>Tuner adjustment requested: %1 / %2</source>
        <translation>チューナー調整要求: %1 / %2</translation>
    </message>
    <message>
        <source>Tuner calibration requested: %1 / %2</source>
        <translation>チューナー校正要求: %1 / %2</translation>
    </message>
    <message>
        <source>Disconnected · last known station</source>
        <translation>未接続 · 最後に確認した局の状態</translation>
    </message>
</context>
<context>
    <name>KeyBinding</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Rotate</source>
        <extracomment>Key action: turn the rotor to the binding&apos;s heading.</extracomment>
        <translation>回転</translation>
    </message>
    <message>
        <source>CW</source>
        <extracomment>Key action: jog the rotor clockwise.</extracomment>
        <translation>CW</translation>
    </message>
    <message>
        <source>CCW</source>
        <extracomment>Key action: jog the rotor counterclockwise.</extracomment>
        <translation>CCW</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Key action, a verb: turn the rotor to its park heading.</extracomment>
        <translation>パーク</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>ショートパスへ回転</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>ロングパスへ回転</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Key action: select the binding&apos;s switch or tuner position.</extracomment>
        <translation>選択</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Key action: step to the next switch position.</extracomment>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Key action: step to the previous switch position.</extracomment>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Key action: turn a stack output on or off.</extracomment>
        <translation>オン/オフ</translation>
    </message>
</context>
<context>
    <name>KeychainError</name>
    <message>
        <source>Keychain error (%1).</source>
        <translation>キーチェーンエラー（%1）。</translation>
    </message>
</context>
<context>
    <name>LandData</name>
    <message>
        <source>The land outline file is damaged: it is not a land outline file.</source>
        <translation>陸地輪郭ファイルが壊れています: 陸地輪郭ファイルではありません。</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its version %1 is not known.</source>
        <translation>陸地輪郭ファイルが壊れています: バージョン %1 は不明です。</translation>
    </message>
    <message>
        <source>The land outline file is damaged: it claims more outlines than any map holds.</source>
        <translation>陸地輪郭ファイルが壊れています: 地図が持ちうる数を超える輪郭が記載されています。</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its length does not match its header.</source>
        <translation>陸地輪郭ファイルが壊れています: 長さがヘッダーと一致しません。</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 has a wrong number of points.</source>
        <translation>陸地輪郭ファイルが壊れています: 輪郭 %1 の点の数が正しくありません。</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 leaves the globe.</source>
        <translation>陸地輪郭ファイルが壊れています: 輪郭 %1 が地球の範囲外にあります。</translation>
    </message>
</context>
<context>
    <name>LayoutEditorDialog</name>
    <message>
        <source>%1 pt</source>
        <extracomment>A width in typographic points.</extracomment>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Device layout and band filters</source>
        <translation>デバイスのレイアウトとバンドフィルター</translation>
    </message>
    <message>
        <source>Show devices for the current logger band</source>
        <translation>現在のロガーバンドのデバイスを表示</translation>
    </message>
    <message>
        <source>Show only the devices listed for the band the logger’s radio is on.</source>
        <translation>ロガーの無線機が運用中のバンドに登録されたデバイスのみを表示します。</translation>
    </message>
    <message>
        <source>Band source</source>
        <translation>バンドの取得元</translation>
    </message>
    <message>
        <source>The radio whose frequency names the current band.</source>
        <translation>現在のバンドを決める周波数の無線機。</translation>
    </message>
    <message>
        <source>Rotor card width</source>
        <translation>ローテーターカードの幅</translation>
    </message>
    <message>
        <source>Width of the rotor cards, from %1 to %2 points.</source>
        <translation>ローテーターカードの幅（%1～%2 ポイント）。</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>アクセント</translation>
    </message>
    <message>
        <source>The colour along the top of every card.</source>
        <translation>各カード上端の色。</translation>
    </message>
    <message>
        <source>Leave bands blank to show a device on all bands. Use comma-separated names such as 20m, 40m. Lower order numbers appear first. Devices remain visible when no logger band is known.</source>
        <translation>バンドを空欄にするとすべてのバンドで表示されます。20m, 40m のようにカンマ区切りで入力します。順序の番号が小さいものが先に表示されます。ロガーのバンドが不明なときはデバイスは表示されたままです。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the layout editor.</source>
        <translation>レイアウトエディターを閉じます。</translation>
    </message>
    <message>
        <source>Save layout</source>
        <translation>レイアウトを保存</translation>
    </message>
    <message>
        <source>Discard layout changes?</source>
        <translation>レイアウトの変更を破棄しますか？</translation>
    </message>
    <message>
        <source>The changes to this layout have not been saved.</source>
        <translation>このレイアウトの変更は保存されていません。</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>変更を破棄</translation>
    </message>
    <message>
        <source>The station has reported no devices yet.</source>
        <translation>局からまだデバイスが報告されていません。</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>Column heading: where the device&apos;s card comes among the others.</extracomment>
        <translation>順序</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 を表示</translation>
    </message>
    <message>
        <source>Show the card of %1.</source>
        <translation>%1 のカードを表示します。</translation>
    </message>
    <message>
        <source>Bands for %1</source>
        <translation>%1 のバンド</translation>
    </message>
    <message>
        <source>All bands</source>
        <translation>全バンド</translation>
    </message>
    <message>
        <source>Comma-separated band names such as 20m, 40m; blank for all bands.</source>
        <translation>20m, 40m のようなカンマ区切りのバンド名。空欄なら全バンド。</translation>
    </message>
    <message>
        <source>Order of %1</source>
        <translation>%1 の順序</translation>
    </message>
    <message>
        <source>Lower order numbers appear first.</source>
        <translation>番号が小さいものが先に表示されます。</translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation>無線機 A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>無線機 B</translation>
    </message>
    <message>
        <source>Either radio</source>
        <translation>どちらの無線機でも</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>ティール</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Use this layout now and keep it for this server.</source>
        <translation>このレイアウトを今すぐ使用し、このサーバー用に保存します。</translation>
    </message>
    <message>
        <source>Nothing has changed since the layout was saved.</source>
        <translation>レイアウトの保存後、変更はありません。</translation>
    </message>
</context>
<context>
    <name>LineDecoder</name>
    <message>
        <source>Invalid server text encoding.</source>
        <translation>サーバーのテキストエンコーディングが無効です。</translation>
    </message>
    <message>
        <source>Server message exceeds the size limit.</source>
        <translation>サーバーのメッセージがサイズ上限を超えています。</translation>
    </message>
</context>
<context>
    <name>LiveLogView</name>
    <message>
        <source>No connection activity yet.</source>
        <translation>接続のアクティビティはまだありません。</translation>
    </message>
    <message>
        <source>Connection and command log</source>
        <translation>接続とコマンドのログ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the log window (Escape).</source>
        <translation>ログウィンドウを閉じます（Escape）。</translation>
    </message>
</context>
<context>
    <name>LocaleText</name>
    <message>
        <source>%1 mi</source>
        <translation>%1 mi</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>The log file reached %1 MiB; later lines are not written to it.</source>
        <translation>ログファイルが %1 MiB に達しました。以降の行は書き込まれません。</translation>
    </message>
</context>
<context>
    <name>LoggerKind</name>
    <message>
        <source>Keyboard UDP</source>
        <translation>キーボード UDP</translation>
    </message>
</context>
<context>
    <name>LoggerTransport</name>
    <message>
        <source>Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>開始中…</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>有効なホストとポートを入力してください。</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>%1:%2 で待ち受け中</translation>
    </message>
    <message>
        <source>Connected to N3FJP</source>
        <translation>N3FJP に接続しました</translation>
    </message>
    <message>
        <source>Logger connection timed out.</source>
        <translation>ロガー接続がタイムアウトしました。</translation>
    </message>
    <message>
        <source>Logger frame too large.</source>
        <translation>ロガーのフレームが大きすぎます。</translation>
    </message>
    <message>
        <source>Logger disconnected.</source>
        <translation>ロガーが切断されました。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Xalto Station Control</source>
        <translation>Xalto Station Control</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>設定(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>接続ログ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;World map</source>
        <translation>世界地図(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Remote access…</source>
        <translation>リモートアクセス(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Country file…</source>
        <translation>カントリーファイル(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Xalto Station Control</source>
        <translation>Xalto Station Control について(&amp;A)</translation>
    </message>
    <message>
        <source>About Xalto Station Control</source>
        <translation>Xalto Station Control について</translation>
    </message>
    <message>
        <source>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</source>
        <translation>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;バージョン %1</translation>
    </message>
    <message>
        <source>Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners.&lt;br&gt;&lt;br&gt;Free software under the GNU General Public License, version 3 or later.&lt;br&gt;Map data and place search © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;.&lt;br&gt;World map land: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Built with Qt %1, running on Qt %2.</source>
        <translation>アマチュア無線家のための局制御ソフトウェア: ローテーター、アンテナ切替器、スタック出力、チューナー。&lt;br&gt;&lt;br&gt;GNU General Public License バージョン 3 以降に基づくフリーソフトウェアです。&lt;br&gt;地図データと地名検索 © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;。&lt;br&gt;世界地図の陸地: &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt; を使用。&lt;br&gt;Qt %1 でビルド、Qt %2 で動作中。</translation>
    </message>
</context>
<context>
    <name>NominatimPlaceSearch</name>
    <message>
        <source>The address lookup service “%1” is not a web address.</source>
        <translation>住所検索サービス「%1」は Web アドレスではありません。</translation>
    </message>
    <message>
        <source>The address lookup service answered %1 %2.</source>
        <translation>住所検索サービスの応答: %1 %2。</translation>
    </message>
    <message>
        <source>The address lookup failed: %1.</source>
        <translation>住所検索に失敗しました: %1。</translation>
    </message>
    <message>
        <source>The address lookup service sent an answer that could not be read.</source>
        <translation>住所検索サービスから読み取れない応答が届きました。</translation>
    </message>
</context>
<context>
    <name>OVVProtocol</name>
    <message>
        <source>This server uses Windows text encoding; a character cannot be represented.</source>
        <translation>このサーバーは Windows のテキストエンコーディングを使用しているため、表現できない文字があります。</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>Control</source>
        <extracomment>Role of a paired phone: it may turn rotors and switch antennas</extracomment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>Role of a paired phone: it may only look</extracomment>
        <translation>監視</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>スマートフォン</translation>
    </message>
</context>
<context>
    <name>PhidgetEncoder</name>
    <message>
        <source>Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Enter a device serial number and valid channel.</source>
        <translation>デバイスのシリアル番号と有効なチャンネルを入力してください。</translation>
    </message>
</context>
<context>
    <name>PhidgetFunctions</name>
    <message>
        <source>Missing Phidget22 function: %1</source>
        <translation>Phidget22 の関数がありません: %1</translation>
    </message>
</context>
<context>
    <name>PointAtPanel</name>
    <message>
        <source>Point at</source>
        <translation>向け先</translation>
    </message>
    <message>
        <source>Point %1 at</source>
        <translation>%1 の向け先</translation>
    </message>
    <message>
        <source>Call, prefix or locator</source>
        <translation>コール、プリフィックスまたはロケーター</translation>
    </message>
    <message>
        <source>Point-at place for %1</source>
        <translation>%1 の向け先の場所</translation>
    </message>
    <message>
        <source>Point-at source for %1</source>
        <translation>%1 の向け先の取得元</translation>
    </message>
    <message>
        <source>Short path for %1</source>
        <translation>%1 のショートパス</translation>
    </message>
    <message>
        <source>Long path for %1</source>
        <translation>%1 のロングパス</translation>
    </message>
    <message>
        <source>Point-at note for %1</source>
        <translation>%1 の向け先の備考</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>ショートパスへ回転</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>ロングパスへ回転</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>ショート</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>ロング</translation>
    </message>
    <message>
        <source>Turn when the DX call changes</source>
        <translation>DX コールが変わったら回転</translation>
    </message>
    <message>
        <source>Turn %1 when the DX call changes</source>
        <translation>DX コールが変わったら %1 を回転</translation>
    </message>
    <message>
        <source>When WSJT-X reports a new DX call for %1, turn the short path at once, through the same guards as the buttons.</source>
        <translation>WSJT-X が %1 の新しい DX コールを報告したら、ボタンと同じ安全チェックを経てすぐにショートパスへ回転します。</translation>
    </message>
</context>
<context>
    <name>PointAtState</name>
    <message>
        <source>Call sign, prefix or locator; Return turns the short path.</source>
        <translation>コールサイン、プリフィックスまたはロケーター。Return でショートパスへ回転します。</translation>
    </message>
    <message>
        <source>This rotor has no position: set its tower location, or give the server profile a site.</source>
        <translation>このローテーターには位置がありません: タワー位置を設定するか、サーバープロファイルに設置場所を指定してください。</translation>
    </message>
    <message>
        <source>Turn %1 to the short path of the target.</source>
        <translation>%1 を目標のショートパスへ回転します。</translation>
    </message>
    <message>
        <source>Turn %1 to the long path of the target.</source>
        <translation>%1 を目標のロングパスへ回転します。</translation>
    </message>
    <message>
        <source>Near the antipode of the tower: every heading is about as short, so the bearing means little.</source>
        <translation>タワーの対蹠点付近です: どの方位でもほぼ同じ距離になるため、方位にはあまり意味がありません。</translation>
    </message>
    <message>
        <source>No heading can be worked out for this place.</source>
        <translation>この場所の方位を算出できません。</translation>
    </message>
    <message>
        <source>No position for %1: place its tower with “Set tower location…” to point at stations.</source>
        <translation>%1 の位置がありません: 局に向けるには「タワー位置を設定…」でタワーを配置してください。</translation>
    </message>
    <message>
        <source>This rotor has no position.</source>
        <translation>このローテーターには位置がありません。</translation>
    </message>
    <message>
        <source>Type a call sign, prefix or locator that resolves.</source>
        <translation>解決できるコールサイン、プリフィックスまたはロケーターを入力してください。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 · CQ %2</source>
        <extracomment>CQ zone, a division of the world used in amateur radio contests</extracomment>
        <translation>%1 · CQ %2</translation>
    </message>
    <message>
        <source>%1 · ITU %2</source>
        <extracomment>ITU zone, a division of the world used in amateur radio</extracomment>
        <translation>%1 · ITU %2</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A path&apos;s heading and distance, &quot;52.3° · 8,953 km&quot;</extracomment>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>PointAtTargets</name>
    <message>
        <source>long path to %1</source>
        <translation>%1 へのロングパス</translation>
    </message>
    <message>
        <source>short path to %1</source>
        <translation>%1 へのショートパス</translation>
    </message>
</context>
<context>
    <name>PositionButton</name>
    <message>
        <source>Encoder preview</source>
        <translation>エンコーダーのプレビュー</translation>
    </message>
</context>
<context>
    <name>PositionState</name>
    <message>
        <source>Encoder preview: press the encoder button or Apply to send it.</source>
        <translation>エンコーダーのプレビュー: エンコーダーのボタンか「適用」で送信します。</translation>
    </message>
</context>
<context>
    <name>PresetEditorDialog</name>
    <message>
        <source>Presets for %1 · Enter a name and heading for this rotor.</source>
        <translation>%1 のプリセット · このローテーターの名前と方位を入力してください。</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>プリセット名</translation>
    </message>
    <message>
        <source>The name shown on the preset’s button.</source>
        <translation>プリセットのボタンに表示される名前。</translation>
    </message>
    <message>
        <source>Target heading (°)</source>
        <translation>目標方位（°）</translation>
    </message>
    <message>
        <source>Preset target heading</source>
        <translation>プリセットの目標方位</translation>
    </message>
    <message>
        <source>Heading in degrees, from 0 to 360.</source>
        <translation>方位（度）、0～360。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add this preset to %1.</source>
        <translation>このプリセットを %1 に追加します。</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>プリセット未設定</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Close the preset editor.</source>
        <translation>プリセットエディターを閉じます。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Remove the preset %1.</source>
        <translation>プリセット %1 を削除します。</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Edit Server</source>
        <translation>サーバーの編集</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>サーバーの追加</translation>
    </message>
    <message>
        <source>Enter a profile name.</source>
        <translation>プロファイル名を入力してください。</translation>
    </message>
    <message>
        <source>Enter the serial device without spaces.</source>
        <translation>シリアルデバイスを空白なしで入力してください。</translation>
    </message>
    <message>
        <source>Enter a hostname or IP address without spaces.</source>
        <translation>ホスト名または IP アドレスを空白なしで入力してください。</translation>
    </message>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>/dev/ のシリアルポートと対応するボーレートを選んでください。</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>1～65535 のポートを入力してください。</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>両方の座標を表示された範囲内で入力してください。</translation>
    </message>
    <message>
        <source>The site address did not identify one location. Enter a fuller address or latitude and longitude.</source>
        <translation>設置場所の住所から 1 か所を特定できませんでした。より詳しい住所か緯度・経度を入力してください。</translation>
    </message>
    <message>
        <source>Site coordinates are outside the supported map range.</source>
        <translation>設置場所の座標が地図の対応範囲外です。</translation>
    </message>
    <message>
        <source>“%1” is saved. This tab stays connected to its server: choose “%1” in the server menu once it is disconnected, or use “Additional Server” to open it in a tab of its own.</source>
        <extracomment>“Additional Server” is the header button of that name</extracomment>
        <translation>「%1」を保存しました。このタブはサーバーに接続したままです。切断後にサーバーメニューで「%1」を選ぶか、「追加サーバー」で専用のタブに開いてください。</translation>
    </message>
    <message>
        <source>The server could not be verified.</source>
        <translation>サーバーを確認できませんでした。</translation>
    </message>
    <message>
        <source>Settings exported.</source>
        <translation>設定をエクスポートしました。</translation>
    </message>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation>
            <numerusform>保存済みの設定を、このファイルの %n 件のサーバープロファイルで置き換えますか？保存済みの構成が置き換えられ、開いている接続は切断されます。パスワードはインポートされません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings imported. Connections remain disconnected.</source>
        <translation>設定をインポートしました。接続は切断されたままです。</translation>
    </message>
</context>
<context>
    <name>ProfileManagerDialog</name>
    <message>
        <source>Hostname or IP address</source>
        <translation>ホスト名または IP アドレス</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 serial device</source>
        <translation>/dev/ttyUSB0 シリアルデバイス</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the server editor.</source>
        <translation>サーバーエディターを閉じます。</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>設定のエクスポート</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>設定のインポート</translation>
    </message>
    <message>
        <source>Connect to any compatible OV Varnex server. Rotators are discovered automatically.</source>
        <translation>互換性のある OV Varnex サーバーに接続します。ローテーターは自動で検出されます。</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Saved servers, in the order they were added. Choose one to edit it.</source>
        <translation>保存済みのサーバー（追加順）。選ぶと編集できます。</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>新規サーバー</translation>
    </message>
    <message>
        <source>Start a new server profile.</source>
        <translation>新しいサーバープロファイルを作成します。</translation>
    </message>
    <message>
        <source>Remove saved server</source>
        <translation>保存済みサーバーを削除</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>The name shown in the server menu and on the tab.</source>
        <translation>サーバーメニューとタブに表示される名前。</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>接続方式</translation>
    </message>
    <message>
        <source>How this computer reaches the station: an OV Varnex server, a KT-90 controller over TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld.</source>
        <translation>このコンピューターから局への接続方法: OV Varnex サーバー、TCP・UDP・シリアルポート経由の KT-90 コントローラー、または Hamlib rotctld の先にあるローテーター。</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Street address</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved.</source>
        <translation>設置場所の住所。座標がない場合は、保存時に OpenStreetMap で検索します。</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>緯度（−85…85）</translation>
    </message>
    <message>
        <source>Site latitude in degrees, from −85 to 85.</source>
        <translation>設置場所の緯度（度）、−85～85。</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>経度（−180…180）</translation>
    </message>
    <message>
        <source>Site longitude in degrees, from −180 to 180.</source>
        <translation>設置場所の経度（度）、−180～180。</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>両方の座標を表示された範囲内で入力してください。</translation>
    </message>
    <message>
        <source>Addresses are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>住所は OpenStreetMap のデータで検索します。著作権ページを開きます。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Site Location (optional)</source>
        <translation>設置場所（任意）</translation>
    </message>
    <message>
        <source>Coordinates provide the starting map location for this server’s rotors. Adjust each tower on the main screen; existing tower positions are preserved. Address-only entries are looked up with OpenStreetMap when saved.</source>
        <translation>座標はこのサーバーのローテーターの地図上の初期位置になります。各タワーはメイン画面で調整してください。既存のタワー位置は保持されます。住所のみの入力は保存時に OpenStreetMap で検索します。</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Save all saved server settings to a settings file.</source>
        <translation>保存済みのすべてのサーバー設定を設定ファイルに保存します。</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>インポート…</translation>
    </message>
    <message>
        <source>Replace the saved settings with those of a settings file, after asking.</source>
        <translation>確認のうえ、保存済みの設定を設定ファイルの内容で置き換えます。</translation>
    </message>
    <message>
        <source>Export includes all saved server settings, locations, presets, layouts and integrations. Passwords remain in the system keychain.</source>
        <translation>エクスポートには保存済みのすべてのサーバー設定、位置、プリセット、レイアウト、連携が含まれます。パスワードはシステムのキーチェーンに残ります。</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>確認中</translation>
    </message>
    <message>
        <source>Checking server and site location…</source>
        <translation>サーバーと設置場所を確認中…</translation>
    </message>
    <message>
        <source>Cancel check</source>
        <translation>確認を中止</translation>
    </message>
    <message>
        <source>Stop checking. Nothing is saved and your edits stay.</source>
        <translation>確認を中止します。何も保存されず、編集内容はそのまま残ります。</translation>
    </message>
    <message>
        <source>Path of the controller’s serial device, such as /dev/ttyUSB0.</source>
        <translation>コントローラーのシリアルデバイスのパス（例: /dev/ttyUSB0）。</translation>
    </message>
    <message>
        <source>Host name or IP address of the station server, KT-90 controller or rotctld.</source>
        <translation>局サーバー、KT-90 コントローラーまたは rotctld のホスト名か IP アドレス。</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.</source>
        <translation>シリアルポートのボーレート: 4800、9600、19200、38400、57600、115200。</translation>
    </message>
    <message>
        <source>TCP or UDP port of the server, from 1 to 65535.</source>
        <translation>サーバーの TCP または UDP ポート、1～65535。</translation>
    </message>
    <message>
        <source>4533, rotctld’s usual port</source>
        <translation>4533（rotctld の標準ポート）</translation>
    </message>
    <message>
        <source>Check that the server answers, then save this profile.</source>
        <translation>サーバーの応答を確認してから、このプロファイルを保存します。</translation>
    </message>
    <message>
        <source>Choose a saved server to remove it.</source>
        <translation>削除する保存済みサーバーを選んでください。</translation>
    </message>
    <message>
        <source>Unsaved details</source>
        <translation>未保存の内容</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Keep editing to save them, or discard them to continue.</source>
        <translation>変更は保存されていません。保存するには編集を続けるか、続行するには変更を破棄してください。</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>編集を続ける</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>変更を破棄</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>このまま保存</translation>
    </message>
    <message>
        <source>Could not save server</source>
        <translation>サーバーを保存できませんでした</translation>
    </message>
    <message>
        <source>Import saved settings?</source>
        <translation>保存済みの設定をインポートしますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Settings transfer</source>
        <translation>設定の移行</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSheet</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>このコンピューターのみ（127.0.0.1）</translation>
    </message>
    <message>
        <source>The network, at %1</source>
        <translation>ネットワーク（%1）</translation>
    </message>
    <message>
        <source>Serve the remote page</source>
        <translation>リモートページを公開</translation>
    </message>
    <message>
        <source>Phones and tablets that are paired watch the station and, in the Control role, turn rotors and select antennas.</source>
        <translation>ペアリングしたスマートフォンやタブレットで局を監視でき、「操作」ロールではローテーターの回転やアンテナの選択もできます。</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>名前を変更…</translation>
    </message>
    <message>
        <source>Give the selected device another name.</source>
        <translation>選択したデバイスの名前を変更します。</translation>
    </message>
    <message>
        <source>Change role</source>
        <translation>ロールを変更</translation>
    </message>
    <message>
        <source>Switch the selected device between Watch and Control.</source>
        <translation>選択したデバイスを「監視」と「操作」で切り替えます。</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>Unpair the selected device and close its page at once.</source>
        <translation>選択したデバイスのペアリングを解除し、そのページをすぐに閉じます。</translation>
    </message>
    <message>
        <source>Remote access</source>
        <translation>リモートアクセス</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>待ち受け先</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>ロール</translation>
    </message>
    <message>
        <source>Page open</source>
        <translation>ページ表示中</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>ペアリング</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>最終確認</translation>
    </message>
    <message>
        <source>None: plain HTTP</source>
        <translation>なし: 平文 HTTP</translation>
    </message>
    <message>
        <source>TLS certificate (PEM)</source>
        <translation>TLS 証明書（PEM）</translation>
    </message>
    <message>
        <source>TLS certificate</source>
        <translation>TLS 証明書</translation>
    </message>
    <message>
        <source>Choose the TLS certificate file.</source>
        <translation>TLS 証明書ファイルを選択します。</translation>
    </message>
    <message>
        <source>TLS private key (PEM)</source>
        <translation>TLS 秘密鍵（PEM）</translation>
    </message>
    <message>
        <source>TLS private key</source>
        <translation>TLS 秘密鍵</translation>
    </message>
    <message>
        <source>Choose the TLS private key file.</source>
        <translation>TLS 秘密鍵ファイルを選択します。</translation>
    </message>
    <message>
        <source>Open on the phone</source>
        <translation>スマートフォンで開く</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>ペアリングコード</translation>
    </message>
    <message>
        <source>Type it on the page within five minutes, or scan the QR code: it carries the code too. A new code comes after five wrong tries.</source>
        <translation>5 分以内にページで入力するか、QR コードを読み取ってください（QR コードにもコードが含まれています）。5 回間違えると新しいコードになります。</translation>
    </message>
    <message>
        <source>Without TLS anyone on the network can read the traffic between the page and this computer, the pairing code and the device tokens included. Open it to the network only on one you trust, or choose a certificate and key: the page is then served over HTTPS only.</source>
        <translation>TLS なしでは、ページとこのコンピューター間の通信（ペアリングコードとデバイストークンを含む）をネットワーク上の誰でも読み取れます。ネットワークに公開するのは信頼できるネットワークだけにするか、証明書と鍵を選んでください。その場合ページは HTTPS のみで提供されます。</translation>
    </message>
    <message>
        <source>Paired devices</source>
        <translation>ペアリング済みデバイス</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM ファイル (*.pem *.crt *.key);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Pairing code %1</source>
        <translation>ペアリングコード %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>%1 の QR コード</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Rename device</source>
        <translation>デバイス名の変更</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>全停止</translation>
    </message>
    <message>
        <source>Pair this device</source>
        <translation>このデバイスをペアリング</translation>
    </message>
    <message>
        <source>Open Remote access in the Window menu on the desktop and type the six-digit code it shows.</source>
        <translation>デスクトップのウィンドウメニューで「リモートアクセス」を開き、表示される 6 桁のコードを入力してください。</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>ペアリングコード</translation>
    </message>
    <message>
        <source>Name of this device</source>
        <translation>このデバイスの名前</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>ペアリング</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>スマートフォン</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Compass letters on the phone&apos;s dial</extracomment>
        <translation>北</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>Target °</source>
        <translation>目標 °</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>%1 の目標方位</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>方位 %1</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>ローカルプリセット</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>サーバープリセット</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>スタック: %1</translation>
    </message>
    <message>
        <source>Live · %1</source>
        <extracomment>The page&apos;s link state: &quot;Live · Control&quot; or &quot;Live · Watch&quot;, %1 the device&apos;s role</extracomment>
        <translation>ライブ · %1</translation>
    </message>
    <message>
        <source>Control</source>
        <extracomment>A paired device&apos;s role: it may command</extracomment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A paired device&apos;s role: it may only watch</extracomment>
        <translation>監視</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>このデバイスは監視のみ可能です: デスクトップでオペレーターが「操作」ロールを付与できます。</translation>
    </message>
    <message>
        <source>Pairing failed.</source>
        <translation>ペアリングに失敗しました。</translation>
    </message>
    <message>
        <source>The desktop cannot be reached.</source>
        <translation>デスクトップに接続できません。</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>No PEM certificate in %1</source>
        <translation>%1 に PEM 証明書がありません</translation>
    </message>
    <message>
        <source>Cannot read the private key %1</source>
        <translation>秘密鍵 %1 を読み込めません</translation>
    </message>
    <message>
        <source>No unencrypted PEM private key in %1</source>
        <translation>%1 に暗号化されていない PEM 秘密鍵がありません</translation>
    </message>
    <message>
        <source>Not an address of this computer: %1</source>
        <translation>このコンピューターのアドレスではありません: %1</translation>
    </message>
    <message>
        <source>Port %1 is in use.</source>
        <translation>ポート %1 は使用中です。</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>待ち受けできません: %1</translation>
    </message>
    <message>
        <source>Listening on %1 (TLS)</source>
        <translation>%1 で待ち受け中（TLS）</translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation>%1 で待ち受け中</translation>
    </message>
    <message>
        <source>remote: %1</source>
        <extracomment>Who sent a command, shown in the log after it: &quot;(remote: Shack tablet)&quot;</extracomment>
        <translation>リモート: %1</translation>
    </message>
    <message>
        <source>Too many tries. Wait a minute, then type the code shown on the desktop.</source>
        <translation>試行回数が多すぎます。1 分待ってから、デスクトップに表示されているコードを入力してください。</translation>
    </message>
    <message>
        <source>That code has expired. Type the new code shown on the desktop.</source>
        <translation>このコードは有効期限が切れています。デスクトップに表示されている新しいコードを入力してください。</translation>
    </message>
    <message>
        <source>Wrong code. Type the code shown in Remote access on the desktop.</source>
        <translation>コードが違います。デスクトップの「リモートアクセス」に表示されているコードを入力してください。</translation>
    </message>
    <message>
        <source>Too many commands: this one was dropped.</source>
        <translation>コマンドが多すぎるため、このコマンドは破棄されました。</translation>
    </message>
    <message>
        <source>The page sent a message the desktop does not understand.</source>
        <translation>ページからデスクトップが理解できないメッセージが送られました。</translation>
    </message>
    <message>
        <source>That tab is no longer open on the desktop.</source>
        <translation>そのタブはデスクトップでもう開かれていません。</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>0～360 の目標方位を入力してください。</translation>
    </message>
    <message>
        <source>The desktop refused to turn %1.</source>
        <translation>デスクトップが %1 の回転を拒否しました。</translation>
    </message>
    <message>
        <source>The desktop refused to stop %1.</source>
        <translation>デスクトップが %1 の停止を拒否しました。</translation>
    </message>
</context>
<context>
    <name>RemoteState</name>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>このデバイスは監視のみ可能です: デスクトップでオペレーターが「操作」ロールを付与できます。</translation>
    </message>
    <message>
        <source>Control is off on the desktop for this tab.</source>
        <translation>デスクトップでこのタブの操作がオフになっています。</translation>
    </message>
</context>
<context>
    <name>ResolvedPlace</name>
    <message>
        <source>exact call</source>
        <extracomment>How the place was found: from the call itself, its prefix, its call area or a grid locator.</extracomment>
        <translation>コール一致</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>プリフィックス</translation>
    </message>
    <message>
        <source>call area</source>
        <translation>コールエリア</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>グリッド</translation>
    </message>
</context>
<context>
    <name>RotctldFramer</name>
    <message>
        <source>rotctld line exceeds %1 bytes.</source>
        <translation>rotctld の行が %1 バイトを超えています。</translation>
    </message>
</context>
<context>
    <name>RotctldProtocol</name>
    <message>
        <source>Enter a heading from -180 to 540.</source>
        <translation>-180～540 の方位を入力してください。</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>無効なパラメーター</translation>
    </message>
    <message>
        <source>invalid configuration</source>
        <translation>無効な設定</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>未実装</translation>
    </message>
    <message>
        <source>the rotator did not answer in time</source>
        <translation>ローテーターが時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>input or output error</source>
        <translation>入出力エラー</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation>プロトコルエラー</translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation>コマンドが拒否されました</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>使用できません</translation>
    </message>
    <message>
        <source>communication bus error</source>
        <translation>通信バスエラー</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>値が範囲外です</translation>
    </message>
    <message>
        <source>the rotator is not powered on</source>
        <translation>ローテーターの電源が入っていません</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>RotctldReplyReader</name>
    <message>
        <source>rotctld sent an answer this program cannot read.</source>
        <translation>rotctld からこのプログラムで読み取れない応答が届きました。</translation>
    </message>
    <message>
        <source>rotctld sent an answer to no command.</source>
        <translation>rotctld からコマンドに対応しない応答が届きました。</translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>有効なホストとポートを入力してください。</translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation>ポート使用中</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>%1:%2 で待ち受け中</translation>
    </message>
    <message>
        <source>rotctld client %1</source>
        <extracomment>Who sent a command, shown after it in the connection log; %1 is the client&apos;s address and port.</extracomment>
        <translation>rotctld クライアント %1</translation>
    </message>
</context>
<context>
    <name>Rotor</name>
    <message>
        <source>Awaiting heading</source>
        <translation>方位待ち</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Turning clockwise</source>
        <translation>右回転中</translation>
    </message>
    <message>
        <source>Turning counterclockwise</source>
        <translation>左回転中</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Fixed antenna</source>
        <translation>固定アンテナ</translation>
    </message>
    <message>
        <source>Cloned antenna</source>
        <translation>複製アンテナ</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>ステータス %1</translation>
    </message>
    <message>
        <source>Heading changing</source>
        <translation>方位変化中</translation>
    </message>
</context>
<context>
    <name>RotorCard</name>
    <message>
        <source>N</source>
        <extracomment>North, on the quick heading button &quot;N 0°&quot;</extracomment>
        <translation>北</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, on the quick heading button &quot;E 90°&quot;</extracomment>
        <translation>東</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, on the quick heading button &quot;S 180°&quot;</extracomment>
        <translation>南</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, on the quick heading button &quot;W 270°&quot;</extracomment>
        <translation>西</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>ローテーター %1</translation>
    </message>
    <message>
        <source>Rotor settings…</source>
        <translation>ローテーター設定…</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>%1 のローテーター設定</translation>
    </message>
    <message>
        <source>Heading of %1</source>
        <translation>%1 の方位</translation>
    </message>
    <message>
        <source>Heading dial for %1</source>
        <translation>%1 の方位ダイヤル</translation>
    </message>
    <message>
        <source>Set tower location…</source>
        <translation>タワー位置を設定…</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>%1 の目標方位</translation>
    </message>
    <message>
        <source>Fill the target heading; press Rotate or Return to move.</source>
        <translation>目標方位を入力し、「回転」または Return で動かします。</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0～360°</translation>
    </message>
    <message>
        <source>Encoder preview for %1</source>
        <translation>%1 のエンコーダープレビュー</translation>
    </message>
    <message>
        <source>Heading previewed with the rotary encoder; press the encoder button or Apply to turn.</source>
        <translation>ロータリーエンコーダーでプレビュー中の方位。エンコーダーのボタンか「適用」で回転します。</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>CCW</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Verb: turn the rotor to its park heading</extracomment>
        <translation>パーク</translation>
    </message>
    <message>
        <source>Park %1</source>
        <translation>%1 をパーク</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A compass point and its heading on a quick heading button, &quot;N 0°&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Put %1 in the target heading.</source>
        <translation>%1 を目標方位に入れます。</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>管理…</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>%1 のプリセットを管理</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>ローカルプリセット</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>プリセット未設定</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>サーバープリセット</translation>
    </message>
    <message>
        <source>Request lock</source>
        <translation>ロックを要求</translation>
    </message>
    <message>
        <source>Release lock</source>
        <translation>ロックを解除</translation>
    </message>
    <message>
        <source>Server does not report ownership or rejected commands. Locks share the client IP and do not protect server presets. Disconnect releases locks for that IP.</source>
        <translation>サーバーは所有権や拒否されたコマンドを報告しません。ロックはクライアント IP で共有され、サーバープリセットは保護されません。切断するとその IP のロックは解除されます。</translation>
    </message>
    <message>
        <source>Encoder preview: %1</source>
        <translation>エンコーダーのプレビュー: %1</translation>
    </message>
    <message>
        <source>%1 heading %2</source>
        <translation>%1 の方位 %2</translation>
    </message>
    <message>
        <source>%1 heading %2, %3</source>
        <translation>%1 の方位 %2、%3</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A local preset&apos;s button: its name and heading</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Place %1 on the map and set its true-north offset.</source>
        <translation>%1 を地図上に配置し、真北オフセットを設定します。</translation>
    </message>
    <message>
        <source>Choose a server first: tower locations are kept per server.</source>
        <translation>先にサーバーを選んでください: タワー位置はサーバーごとに保存されます。</translation>
    </message>
    <message>
        <source>Maps are not available in this window.</source>
        <translation>このウィンドウでは地図を使用できません。</translation>
    </message>
    <message>
        <source>Range %1</source>
        <translation>範囲 %1</translation>
    </message>
    <message>
        <source>limits %1</source>
        <translation>制限 %1</translation>
    </message>
    <message>
        <source>forbidden %1</source>
        <translation>禁止 %1</translation>
    </message>
    <message>
        <source>two-way antenna</source>
        <translation>双方向アンテナ</translation>
    </message>
    <message>
        <source>park %1</source>
        <translation>パーク %1</translation>
    </message>
    <message>
        <source>Turn %1 to its park heading, %2.</source>
        <translation>%1 をパーク方位 %2 へ回転します。</translation>
    </message>
</context>
<context>
    <name>RotorCardState</name>
    <message>
        <source>Not connected.</source>
        <translation>未接続です。</translation>
    </message>
    <message>
        <source>The rotor reports “%1”.</source>
        <translation>ローテーターの報告: 「%1」。</translation>
    </message>
    <message>
        <source>Enable control to rotate.</source>
        <translation>回転するには操作を有効化してください。</translation>
    </message>
    <message>
        <source>No fresh heading from the server.</source>
        <translation>サーバーから最新の方位が届いていません。</translation>
    </message>
    <message>
        <source>Wait until the heading settles.</source>
        <translation>方位が落ち着くまでお待ちください。</translation>
    </message>
    <message>
        <source>Enable control to stop.</source>
        <translation>停止するには操作を有効化してください。</translation>
    </message>
    <message>
        <source>Locks need an OV Varnex server.</source>
        <translation>ロックには OV Varnex サーバーが必要です。</translation>
    </message>
    <message>
        <source>Enable control to lock.</source>
        <translation>ロックするには操作を有効化してください。</translation>
    </message>
    <message>
        <source>Awaiting heading</source>
        <translation>方位待ち</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>古い情報</translation>
    </message>
    <message>
        <source>LAST KNOWN HEADING</source>
        <translation>最終確認方位</translation>
    </message>
    <message>
        <source>CONTROLLER HEADING</source>
        <translation>コントローラー方位</translation>
    </message>
    <message>
        <source>CURRENT HEADING</source>
        <translation>現在の方位</translation>
    </message>
    <message>
        <source>Lock requested · unconfirmed</source>
        <translation>ロック要求済み · 未確認</translation>
    </message>
    <message>
        <source>Release requested · unconfirmed</source>
        <translation>解除要求済み · 未確認</translation>
    </message>
    <message>
        <source>No preset list received from server</source>
        <translation>サーバーからプリセット一覧を受信していません</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>0～360 の目標方位を入力してください。</translation>
    </message>
    <message>
        <source>Turn %1 to the target heading.</source>
        <translation>%1 を目標方位へ回転します。</translation>
    </message>
    <message>
        <source>Stop %1 now.</source>
        <translation>%1 を今すぐ停止します。</translation>
    </message>
    <message>
        <source>Jog needs an OV Varnex server.</source>
        <translation>ジョグには OV Varnex サーバーが必要です。</translation>
    </message>
    <message>
        <source>Move %1 one step counterclockwise.</source>
        <translation>%1 を左回り（CCW）に 1 ステップ動かします。</translation>
    </message>
    <message>
        <source>Move %1 one step clockwise.</source>
        <translation>%1 を右回り（CW）に 1 ステップ動かします。</translation>
    </message>
    <message>
        <source>Request lock for %1</source>
        <translation>%1 のロックを要求</translation>
    </message>
    <message>
        <source>Release lock for %1</source>
        <translation>%1 のロックを解除</translation>
    </message>
    <message>
        <source>Rotate immediately to this heading when control is enabled.</source>
        <translation>操作が有効なとき、この方位へすぐに回転します。</translation>
    </message>
    <message>
        <source>Rotate immediately to this server preset when control is enabled.</source>
        <translation>操作が有効なとき、このサーバープリセットへすぐに回転します。</translation>
    </message>
    <message>
        <source>Refresh server presets for %1</source>
        <translation>%1 のサーバープリセットを更新</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>%1 のプリセットを管理</translation>
    </message>
    <message>
        <source>Choose a server first: presets are kept per server.</source>
        <translation>先にサーバーを選んでください: プリセットはサーバーごとに保存されます。</translation>
    </message>
</context>
<context>
    <name>RotorLocationEditor</name>
    <message>
        <source>Position the tower under the crosshair. Save location keeps that position.</source>
        <translation>タワーを十字線の下に合わせてください。「位置を保存」でその位置を保存します。</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates to position the tower pin.</source>
        <translation>住所を検索するか座標をプレビューして、タワーのピンを配置してください。</translation>
    </message>
    <message>
        <source>Enter valid coordinates and an offset between −180° and 180°.</source>
        <translation>有効な座標と −180°～180° のオフセットを入力してください。</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates first.</source>
        <translation>先に住所を検索するか座標をプレビューしてください。</translation>
    </message>
    <message>
        <source>Location for %1</source>
        <translation>%1 の位置</translation>
    </message>
    <message>
        <source>Tower latitude</source>
        <translation>タワーの緯度</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>緯度（−85…85）</translation>
    </message>
    <message>
        <source>Degrees north, with a point as decimal separator; south is negative.</source>
        <translation>北緯（度）。小数点はピリオド、南緯は負の値。</translation>
    </message>
    <message>
        <source>Degrees north, with a point or a comma as decimal separator; south is negative.</source>
        <translation>北緯（度）。小数点はピリオドまたはカンマ、南緯は負の値。</translation>
    </message>
    <message>
        <source>Tower longitude</source>
        <translation>タワーの経度</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>経度（−180…180）</translation>
    </message>
    <message>
        <source>Degrees east, with a point as decimal separator; west is negative.</source>
        <translation>東経（度）。小数点はピリオド、西経は負の値。</translation>
    </message>
    <message>
        <source>Degrees east, with a point or a comma as decimal separator; west is negative.</source>
        <translation>東経（度）。小数点はピリオドまたはカンマ、西経は負の値。</translation>
    </message>
    <message>
        <source>True-north offset (°)</source>
        <translation>真北オフセット（°）</translation>
    </message>
    <message>
        <source>True north display offset</source>
        <translation>真北表示オフセット</translation>
    </message>
    <message>
        <source>Degrees added to the controller heading, from −180 to 180.</source>
        <translation>コントローラーの方位に加える度数、−180～180。</translation>
    </message>
    <message>
        <source>True bearing = controller heading + offset. Positive is clockwise. This changes only the map overlay; Rotate and presets continue to use controller degrees.</source>
        <translation>真方位 = コントローラー方位 + オフセット。正の値は時計回り。変わるのは地図の表示だけで、「回転」とプリセットは引き続きコントローラーの度数を使います。</translation>
    </message>
    <message>
        <source>Preview coordinates</source>
        <translation>座標をプレビュー</translation>
    </message>
    <message>
        <source>Move the map to the coordinates typed above.</source>
        <translation>上で入力した座標に地図を移動します。</translation>
    </message>
    <message>
        <source>Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly.</source>
        <translation>住所検索と地図画像には OpenStreetMap を使用します。座標を直接入力することもできます。</translation>
    </message>
    <message>
        <source>Remove location</source>
        <translation>位置を削除</translation>
    </message>
    <message>
        <source>Forget the tower placed for %1; the map then uses the server’s site, if any.</source>
        <translation>%1 に配置したタワーを削除します。以後、地図はサーバーの設置場所（あれば）を使います。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close without changing the tower location.</source>
        <translation>タワー位置を変更せずに閉じます。</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>位置を保存</translation>
    </message>
    <message>
        <source>Rotator address</source>
        <translation>ローテーターの住所</translation>
    </message>
    <message>
        <source>Street address, city, country</source>
        <translation>住所、市区町村、国</translation>
    </message>
    <message>
        <source>An address or place to look up, or a Maidenhead grid locator such as JO62qm.</source>
        <translation>検索する住所や地名、または JO62qm のようなメイデンヘッドのグリッドロケーター。</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>検索中…</translation>
    </message>
    <message>
        <source>Search credits</source>
        <translation>検索のクレジット</translation>
    </message>
    <message>
        <source>Places are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>地名は OpenStreetMap のデータで検索します。著作権ページを開きます。</translation>
    </message>
    <message>
        <source>Map around the tower</source>
        <translation>タワー周辺の地図</translation>
    </message>
    <message>
        <source>Move map center west</source>
        <translation>地図の中心を西へ移動</translation>
    </message>
    <message>
        <source>Move map center north</source>
        <translation>地図の中心を北へ移動</translation>
    </message>
    <message>
        <source>Move map center south</source>
        <translation>地図の中心を南へ移動</translation>
    </message>
    <message>
        <source>Move map center east</source>
        <translation>地図の中心を東へ移動</translation>
    </message>
    <message>
        <source>Change map style in location editor</source>
        <translation>位置エディターの地図スタイルを変更</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Map style button: shows satellite imagery.</extracomment>
        <translation>衛星写真</translation>
    </message>
    <message>
        <source>Map</source>
        <extracomment>Map style button: shows the standard map.</extracomment>
        <translation>地図</translation>
    </message>
    <message>
        <source>Zoom out in location editor</source>
        <translation>位置エディターで縮小</translation>
    </message>
    <message>
        <source>Zoom in in location editor</source>
        <translation>位置エディターで拡大</translation>
    </message>
    <message>
        <source>No matching location. Try a fuller address or enter coordinates.</source>
        <translation>一致する場所がありません。より詳しい住所を試すか座標を入力してください。</translation>
    </message>
    <message>
        <source>Address search unavailable. Try again or enter coordinates.</source>
        <translation>住所検索を利用できません。再試行するか座標を入力してください。</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>検索結果</translation>
    </message>
    <message>
        <source>Put the tower at %1.</source>
        <translation>タワーを %1 に置きます。</translation>
    </message>
    <message>
        <source>Look the address up in OpenStreetMap; a grid locator is placed without a search.</source>
        <translation>OpenStreetMap で住所を検索します。グリッドロケーターは検索せずに配置します。</translation>
    </message>
    <message>
        <source>Type an address or a grid locator first.</source>
        <translation>先に住所かグリッドロケーターを入力してください。</translation>
    </message>
    <message>
        <source>Keep this position and offset for %1.</source>
        <translation>この位置とオフセットを %1 に保存します。</translation>
    </message>
    <message>
        <source>%1 by an eighth of the view.</source>
        <translation>%1（表示範囲の 8 分の 1）。</translation>
    </message>
    <message>
        <source>Show the standard map.</source>
        <translation>標準の地図を表示します。</translation>
    </message>
    <message>
        <source>Show satellite imagery.</source>
        <translation>衛星写真を表示します。</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>タワー周辺をより広く表示します。</translation>
    </message>
    <message>
        <source>The map already shows 10 km, the widest view.</source>
        <translation>地図はすでに最も広い 10 km を表示しています。</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>タワー周辺をより狭く表示します。</translation>
    </message>
    <message>
        <source>The map already shows 100 m, the closest view.</source>
        <translation>地図はすでに最も詳細な 100 m を表示しています。</translation>
    </message>
</context>
<context>
    <name>RotorMapCompass</name>
    <message>
        <source>Tower map for %1</source>
        <translation>%1 のタワー地図</translation>
    </message>
    <message>
        <source>Map credits</source>
        <translation>地図のクレジット</translation>
    </message>
    <message>
        <source>True bearing of %1</source>
        <translation>%1 の真方位</translation>
    </message>
    <message>
        <source>Change map style for %1</source>
        <translation>%1 の地図スタイルを変更</translation>
    </message>
    <message>
        <source>Zoom out for %1</source>
        <translation>%1 を縮小</translation>
    </message>
    <message>
        <source>Zoom in for %1</source>
        <translation>%1 を拡大</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>Button showing the world map instead of the tower&apos;s map</extracomment>
        <translation>世界</translation>
    </message>
    <message>
        <source>World map for %1</source>
        <translation>%1 の世界地図</translation>
    </message>
    <message>
        <source>Show the whole world round the tower, with the beam across it.</source>
        <translation>タワーを中心に世界全体を表示し、ビームの向きを重ねます。</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>衛星写真</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地図</translation>
    </message>
    <message>
        <source>Last reported %1 true</source>
        <translation>最終報告 真方位 %1</translation>
    </message>
    <message>
        <source>Bearing %1 true</source>
        <translation>真方位 %1</translation>
    </message>
    <message>
        <source>%1 · target in orange</source>
        <translation>%1 · 目標はオレンジ</translation>
    </message>
    <message>
        <source>Show the standard map under %1.</source>
        <translation>%1 の下に標準の地図を表示します。</translation>
    </message>
    <message>
        <source>Show satellite imagery under %1.</source>
        <translation>%1 の下に衛星写真を表示します。</translation>
    </message>
    <message>
        <source>The map already shows %1 around the tower, the widest view.</source>
        <translation>地図はすでにタワー周辺の最も広い %1 を表示しています。</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>タワー周辺をより広く表示します。</translation>
    </message>
    <message>
        <source>The map already shows 100 m around the tower, the closest view.</source>
        <translation>地図はすでにタワー周辺の最も詳細な 100 m を表示しています。</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>タワー周辺をより狭く表示します。</translation>
    </message>
    <message>
        <source>Map data and imagery credits. Open the copyright page.</source>
        <translation>地図データと画像のクレジット。著作権ページを開きます。</translation>
    </message>
    <message>
        <source>The world map always shows the whole world; zoom is for the tower&apos;s map.</source>
        <translation>世界地図は常に世界全体を表示します。拡大・縮小はタワー地図用です。</translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation>Natural Earth を使用</translation>
    </message>
</context>
<context>
    <name>RotorMechanics</name>
    <message>
        <source>-180…+180° (south stop)</source>
        <translation>-180…+180°（南ストップ）</translation>
    </message>
    <message>
        <source>0–%1° (overlap)</source>
        <translation>0～%1°（オーバーラップ）</translation>
    </message>
    <message>
        <source>Turn blocked: the heading is not a number.</source>
        <translation>回転できません: 方位が数値ではありません。</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is inside %2&apos;s forbidden sector %3.</source>
        <translation>回転できません: %1 は %2 の禁止範囲 %3 の内側です。</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s limits %3.</source>
        <translation>回転できません: %1 は %2 の制限 %3 の外側です。</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s range %3.</source>
        <translation>回転できません: %1 は %2 の範囲 %3 の外側です。</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>ジョグできません: %1 から CW に 1 ステップ動かすと %2 の禁止範囲 %3 に入ります。</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>ジョグできません: %1 から CCW に 1 ステップ動かすと %2 の禁止範囲 %3 に入ります。</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>ジョグできません: %1 から CW に 1 ステップ動かすと %2 の制限 %3 を外れます。</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>ジョグできません: %1 から CCW に 1 ステップ動かすと %2 の制限 %3 を外れます。</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would cross %2&apos;s stop.</source>
        <translation>ジョグできません: %1 から CW に 1 ステップ動かすと %2 のストッパーを越えます。</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would cross %2&apos;s stop.</source>
        <translation>ジョグできません: %1 から CCW に 1 ステップ動かすと %2 のストッパーを越えます。</translation>
    </message>
</context>
<context>
    <name>RotorSettingsSheet</name>
    <message>
        <source>Rotor settings</source>
        <translation>ローテーター設定</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>%1 のローテーター設定</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Soft limits</source>
        <translation>ソフトリミット</translation>
    </message>
    <message>
        <source>Forbidden sector</source>
        <translation>禁止範囲</translation>
    </message>
    <message>
        <source>Limits of %1</source>
        <translation>%1 の制限</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>制限</translation>
    </message>
    <message>
        <source>Lowest heading</source>
        <translation>最小方位</translation>
    </message>
    <message>
        <source>Highest heading</source>
        <translation>最大方位</translation>
    </message>
    <message>
        <source>Forbidden from</source>
        <translation>禁止範囲の開始</translation>
    </message>
    <message>
        <source>Forbidden to</source>
        <translation>禁止範囲の終了</translation>
    </message>
    <message>
        <source>Forbidden to (clockwise)</source>
        <translation>禁止範囲の終了（時計回り）</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0～360°</translation>
    </message>
    <message>
        <source>South stop (-180…+180°)</source>
        <translation>南ストップ（-180…+180°）</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>オーバーラップ</translation>
    </message>
    <message>
        <source>Range of %1</source>
        <translation>%1 の範囲</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Overlap ends at</source>
        <translation>オーバーラップの終端</translation>
    </message>
    <message>
        <source>Two-way antenna</source>
        <translation>双方向アンテナ</translation>
    </message>
    <message>
        <source>The beam points both ways: turns go to whichever lobe is nearer.</source>
        <translation>ビームが両方向を向きます: 近い方のローブへ回転します。</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>パーク方位</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分</translation>
    </message>
    <message>
        <source>Park after minutes without a command</source>
        <translation>コマンドがない状態が続いたらパークするまでの分数</translation>
    </message>
    <message>
        <source>Park when idle for</source>
        <translation>アイドル時のパーク</translation>
    </message>
    <message>
        <source>Stall watchdog</source>
        <translation>ストール監視</translation>
    </message>
    <message>
        <source>Stop a turn whose heading does not change, or that takes too long.</source>
        <translation>方位が変わらない回転や、時間がかかりすぎる回転を停止します。</translation>
    </message>
    <message>
        <source>Least movement</source>
        <translation>最小移動量</translation>
    </message>
    <message>
        <source>Within</source>
        <translation>時間内</translation>
    </message>
    <message>
        <source>Longest turn</source>
        <translation>最長回転時間</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save rotor settings</source>
        <translation>ローテーター設定を保存</translation>
    </message>
    <message>
        <source>Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an overlap rotor. Every turn, from any source, is checked against them.</source>
        <translation>制限はコントローラーが数える数値で指定します: 南ストップのローテーターでは -90～90、オーバーラップのローテーターでは最大 450。すべての回転は、どこからの指示でもこの制限でチェックされます。</translation>
    </message>
    <message>
        <source>The limits must lie inside the range %1, the lowest below the highest.</source>
        <translation>制限は範囲 %1 の内側で、最小値が最大値より小さくなければなりません。</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Unit after a number of seconds.</extracomment>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>RotorWatchdog</name>
    <message>
        <source>%1 did not move for %2 s: stopped at %3°.</source>
        <translation>%1 が %2 s 動きませんでした: %3° で停止しました。</translation>
    </message>
    <message>
        <source>%1 turned for %2 s without arriving: stopped at %3°.</source>
        <translation>%1 が %2 s 回転しても到達しませんでした: %3° で停止しました。</translation>
    </message>
    <message>
        <source>%1 had no command for %2 min: parking at %3°.</source>
        <translation>%1 に %2 分間コマンドがありませんでした: %3° にパークします。</translation>
    </message>
</context>
<context>
    <name>RoutingContext</name>
    <message>
        <source>Not connected to the server.</source>
        <translation>サーバーに接続されていません。</translation>
    </message>
    <message>
        <source>Enable antenna controls first.</source>
        <translation>先にアンテナの操作を有効化してください。</translation>
    </message>
    <message>
        <source>No fresh report from the server.</source>
        <translation>サーバーから最新の報告がありません。</translation>
    </message>
    <message>
        <source>The server reports status %1.</source>
        <translation>サーバーの報告ステータス: %1。</translation>
    </message>
    <message>
        <source>Not available right now.</source>
        <translation>現在は使用できません。</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>/dev/ のシリアルポートと対応するボーレートを選んでください。</translation>
    </message>
    <message>
        <source>Cannot open serial port: %1</source>
        <translation>シリアルポートを開けません: %1</translation>
    </message>
    <message>
        <source>Serial port is unavailable or already in use.</source>
        <translation>シリアルポートが使用できないか、すでに使用中です。</translation>
    </message>
    <message>
        <source>Cannot configure serial port.</source>
        <translation>シリアルポートを設定できません。</translation>
    </message>
</context>
<context>
    <name>SerialPortWorker</name>
    <message>
        <source>Serial port disconnected.</source>
        <translation>シリアルポートが切断されました。</translation>
    </message>
    <message>
        <source>Serial output queue exceeded its limit.</source>
        <translation>シリアル出力キューが上限を超えました。</translation>
    </message>
    <message>
        <source>Serial write failed or timed out.</source>
        <translation>シリアル書き込みに失敗したか、タイムアウトしました。</translation>
    </message>
</context>
<context>
    <name>ServerLoginView</name>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Sign in to server</source>
        <translation>サーバーにサインイン</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>After the server accepts your login, it is saved securely in the system keychain for this server address and port.</source>
        <translation>サーバーがログインを受け付けると、このサーバーのアドレスとポート用にシステムのキーチェーンへ安全に保存されます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Do not sign in; the connection ends.</source>
        <translation>サインインしません。接続は終了します。</translation>
    </message>
    <message>
        <source>Send this login to the server (Return).</source>
        <translation>このログイン情報をサーバーに送信します（Return）。</translation>
    </message>
    <message>
        <source>Enter a user name to sign in.</source>
        <translation>サインインするにはユーザー名を入力してください。</translation>
    </message>
</context>
<context>
    <name>ServerVerification</name>
    <message>
        <source>No compatible server or device response within 3 seconds. Check the address, port, and network connection.</source>
        <translation>3 秒以内に対応するサーバーまたはデバイスから応答がありません。アドレス、ポート、ネットワーク接続を確認してください。</translation>
    </message>
</context>
<context>
    <name>ServerVerificationError</name>
    <message>
        <source>Server could not be verified. %1</source>
        <extracomment>%1 is the reason, a whole sentence of its own.</extracomment>
        <translation>サーバーを確認できませんでした。%1</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>The settings file could not be read: %1 is missing or not in the expected form.</source>
        <extracomment>%1 names a part of the file: &quot;the settings record&quot;, &quot;item 2 of “servers”&quot;, &quot;“version”&quot;</extracomment>
        <translation>設定ファイルを読み込めませんでした: %1 がないか、想定された形式ではありません。</translation>
    </message>
    <message>
        <source>Settings file exceeds the 10 MB limit.</source>
        <translation>設定ファイルが上限の 10 MB を超えています。</translation>
    </message>
    <message>
        <source>The saved %1 could not be read.</source>
        <extracomment>%1 is &quot;tower locations&quot;, &quot;heading presets&quot; or &quot;rotor settings&quot;</extracomment>
        <translation>保存された%1を読み込めませんでした。</translation>
    </message>
    <message>
        <source>tower locations</source>
        <translation>タワー位置</translation>
    </message>
    <message>
        <source>heading presets</source>
        <translation>方位プリセット</translation>
    </message>
    <message>
        <source>rotor settings</source>
        <translation>ローテーター設定</translation>
    </message>
    <message>
        <source>The saved layout of %1 could not be read.</source>
        <translation>%1 の保存されたレイアウトを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The saved integration settings of %1 could not be read.</source>
        <translation>%1 の保存された連携設定を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The settings hold a number that cannot be written.</source>
        <translation>設定に書き込めない数値が含まれています。</translation>
    </message>
    <message>
        <source>The settings file is not valid JSON: %1 at character %2.</source>
        <translation>設定ファイルが有効な JSON ではありません: %2 文字目で %1。</translation>
    </message>
    <message>
        <source>the settings record</source>
        <translation>設定レコード</translation>
    </message>
    <message>
        <source>The settings file could not be opened: %1.</source>
        <translation>設定ファイルを開けませんでした: %1。</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1.</source>
        <translation>設定ファイルを読み込めませんでした: %1。</translation>
    </message>
    <message>
        <source>The settings file could not be written: %1.</source>
        <translation>設定ファイルを書き込めませんでした: %1。</translation>
    </message>
    <message>
        <source>This is not a supported station settings file.</source>
        <translation>対応する局設定ファイルではありません。</translation>
    </message>
    <message>
        <source>Duplicate server identifiers in settings file.</source>
        <translation>設定ファイル内でサーバー識別子が重複しています。</translation>
    </message>
    <message>
        <source>Invalid server name or address.</source>
        <translation>サーバー名またはアドレスが無効です。</translation>
    </message>
    <message>
        <source>Invalid server port or baud rate.</source>
        <translation>サーバーのポートまたはボーレートが無効です。</translation>
    </message>
    <message>
        <source>Both site coordinates are required.</source>
        <translation>設置場所の座標は両方必要です。</translation>
    </message>
    <message>
        <source>Invalid site coordinates.</source>
        <translation>設置場所の座標が無効です。</translation>
    </message>
    <message>
        <source>Invalid tower location or preset.</source>
        <translation>タワー位置またはプリセットが無効です。</translation>
    </message>
    <message>
        <source>Duplicate preset identifiers.</source>
        <translation>プリセット識別子が重複しています。</translation>
    </message>
    <message>
        <source>Invalid or duplicate rotor settings.</source>
        <translation>ローテーター設定が無効か重複しています。</translation>
    </message>
    <message>
        <source>Duplicate tower locations.</source>
        <translation>タワー位置が重複しています。</translation>
    </message>
    <message>
        <source>Invalid layout settings.</source>
        <translation>レイアウト設定が無効です。</translation>
    </message>
    <message>
        <source>Invalid integration settings.</source>
        <translation>連携設定が無効です。</translation>
    </message>
    <message>
        <source>item %1 of “%2”</source>
        <extracomment>%2 is a key of the settings file, which stays in English</extracomment>
        <translation>「%2」の項目 %1</translation>
    </message>
    <message>
        <source>the layout of “%1”</source>
        <translation>「%1」のレイアウト</translation>
    </message>
    <message>
        <source>the integration settings of “%1”</source>
        <translation>「%1」の連携設定</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts. &quot;System&quot; follows the desktop&apos;s language.</source>
        <translation>プログラムの表示言語。「システム」はデスクトップの言語に従います。</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>キロメートル</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>マイル</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>距離の単位</translation>
    </message>
    <message>
        <source>Used for every distance the program shows.</source>
        <translation>プログラムが表示するすべての距離に使用します。</translation>
    </message>
    <message>
        <source>Language note</source>
        <translation>言語に関する注意</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Distance unit</source>
        <translation>距離の単位(&amp;D)</translation>
    </message>
    <message>
        <source>The new language is used from the next start.</source>
        <translation>新しい言語は次回の起動から使用されます。</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>言語は次回の起動時に切り替わります。</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>StackCardState</name>
    <message>
        <source>Stack: %1</source>
        <translation>スタック: %1</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>古い情報</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>ステータス %1</translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation>オフにする</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>オンにする</translation>
    </message>
    <message>
        <source>Turn off %1</source>
        <translation>%1 をオフにする</translation>
    </message>
    <message>
        <source>Turn on %1</source>
        <translation>%1 をオンにする</translation>
    </message>
    <message>
        <source>Switch %1 out of the stack.</source>
        <translation>%1 をスタックから外します。</translation>
    </message>
    <message>
        <source>Switch %1 into the stack.</source>
        <translation>%1 をスタックに入れます。</translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message>
        <source>No logger data yet</source>
        <translation>ロガーデータはまだありません</translation>
    </message>
    <message>
        <source>Enter an IP address and a port from 1 to 65535.</source>
        <translation>IP アドレスと 1～65535 のポートを入力してください。</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>待ち受けできません: %1</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>%1:%2 で待ち受け中</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>待ち受けていません</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n datagrams dropped</source>
        <extracomment>%1 is the listener&apos;s state, such as &quot;Listening on 127.0.0.1:2237&quot;.</extracomment>
        <translation>
            <numerusform>%1 · %n 件のデータグラムを破棄</numerusform>
        </translation>
    </message>
    <message>
        <source>Focused radio: %1</source>
        <translation>フォーカス中の無線機: %1</translation>
    </message>
    <message>
        <source>Radio %1 · %2 MHz</source>
        <translation>無線機 %1 · %2 MHz</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio %2</source>
        <translation>ローテーター方位: %1° · 無線機 %2</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio focused</source>
        <translation>ローテーター方位: %1° · フォーカス中の無線機</translation>
    </message>
    <message>
        <source>Rotor stop · radio %1</source>
        <translation>ローテーター停止 · 無線機 %1</translation>
    </message>
    <message>
        <source>Rotor stop · radio focused</source>
        <translation>ローテーター停止 · フォーカス中の無線機</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>キー: %1</translation>
    </message>
</context>
<context>
    <name>StationLookup</name>
    <message>
        <source>Type a call sign, prefix or grid locator.</source>
        <translation>コールサイン、プリフィックスまたはグリッドロケーターを入力してください。</translation>
    </message>
    <message>
        <source>That is too long for a call sign, prefix or grid locator.</source>
        <translation>コールサイン、プリフィックス、グリッドロケーターとしては長すぎます。</translation>
    </message>
    <message>
        <source>%1 is not a call sign, prefix or grid locator.</source>
        <translation>%1 はコールサイン、プリフィックス、グリッドロケーターのいずれでもありません。</translation>
    </message>
    <message>
        <source>No country file is loaded, so only grid locators can be placed.</source>
        <translation>カントリーファイルが読み込まれていないため、配置できるのはグリッドロケーターだけです。</translation>
    </message>
    <message>
        <source>%1 is maritime mobile: it has no country.</source>
        <translation>%1 は海上移動（/MM）のため、国がありません。</translation>
    </message>
    <message>
        <source>%1 is aeronautical mobile: it has no country.</source>
        <translation>%1 は航空移動（/AM）のため、国がありません。</translation>
    </message>
    <message>
        <source>%1 matches no country prefix.</source>
        <translation>%1 はどの国のプリフィックスにも一致しません。</translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message>
        <source>Rotors and antenna routing</source>
        <translation>ローテーターとアンテナ切替</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>開発</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Choose the saved server this tab shows.</source>
        <translation>このタブに表示する保存済みサーバーを選びます。</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Integrations</source>
        <translation>連携</translation>
    </message>
    <message>
        <source>Loggers, keys and the rotary encoder for this server.</source>
        <translation>このサーバーのロガー、キー、ロータリーエンコーダー。</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>Which cards show, in what order, on which bands.</source>
        <translation>表示するカード、順序、バンド。</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Open the connection and command log of every tab.</source>
        <translation>全タブの接続とコマンドのログを開きます。</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>世界地図</translation>
    </message>
    <message>
        <source>The world round this tab&apos;s towers, with every located rotor&apos;s beam.</source>
        <translation>このタブのタワーを中心とした世界と、位置が設定されたすべてのローテーターのビーム。</translation>
    </message>
    <message>
        <source>Additional Server</source>
        <translation>追加サーバー</translation>
    </message>
    <message>
        <source>Controls reset on disconnect. Turn commands are never replayed. Closing the app does not stop a moving antenna.</source>
        <translation>切断すると操作はリセットされます。回転コマンドが再送されることはありません。アプリを閉じても回転中のアンテナは停止しません。</translation>
    </message>
    <message>
        <source>Enable control</source>
        <translation>操作を有効化</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>全停止</translation>
    </message>
    <message>
        <source>Rotors</source>
        <translation>ローテーター</translation>
    </message>
    <message>
        <source>Enable antenna controls</source>
        <translation>アンテナ操作を有効化</translation>
    </message>
    <message>
        <source>Antenna routing</source>
        <translation>アンテナ切替</translation>
    </message>
    <message>
        <source>Manage servers…</source>
        <translation>サーバーの管理…</translation>
    </message>
    <message>
        <source>Configure Server</source>
        <translation>サーバーの設定</translation>
    </message>
    <message>
        <source>SERVER: %1</source>
        <translation>サーバー: %1</translation>
    </message>
    <message>
        <source>Select server</source>
        <translation>サーバーを選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close the connection to this server.</source>
        <translation>このサーバーとの接続を閉じます。</translation>
    </message>
    <message>
        <source>Stop connecting to this server.</source>
        <translation>このサーバーへの接続を中止します。</translation>
    </message>
    <message>
        <source>Connect to the selected server.</source>
        <translation>選択したサーバーに接続します。</translation>
    </message>
    <message>
        <source>Connect to another server in a separate tab (up to 10).</source>
        <translation>別のタブで別のサーバーに接続します（最大 10）。</translation>
    </message>
    <message>
        <source>Ten server tabs are open: close one to add another.</source>
        <translation>サーバータブが 10 個開いています: 追加するには 1 つ閉じてください。</translation>
    </message>
    <message>
        <source>Allow the rotor controls of this tab to send commands.</source>
        <translation>このタブのローテーター操作からのコマンド送信を許可します。</translation>
    </message>
    <message>
        <source>Allow the switch, stack and tuner controls of this tab to send commands.</source>
        <translation>このタブの切替器、スタック、チューナー操作からのコマンド送信を許可します。</translation>
    </message>
    <message>
        <source>Stop every rotor of this server. (%1)</source>
        <translation>このサーバーのすべてのローテーターを停止します。（%1）</translation>
    </message>
    <message>
        <source>No rotor can be stopped: connect and switch on Enable control.</source>
        <translation>停止できるローテーターがありません: 接続して「操作を有効化」をオンにしてください。</translation>
    </message>
    <message numerus="yes">
        <source>%n visible</source>
        <extracomment>Rotor cards shown on this tab</extracomment>
        <translation>
            <numerusform>%n 台表示</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n discovered · live headings from the server</source>
        <extracomment>Rotors the server reported</extracomment>
        <translation>
            <numerusform>%n 台検出 · サーバーからのライブ方位</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for rotors…</source>
        <translation>ローテーターを待っています…</translation>
    </message>
    <message>
        <source>Connect once to load this server’s rotors</source>
        <translation>一度接続すると、このサーバーのローテーターを読み込みます</translation>
    </message>
    <message>
        <source>Connect once to load this server’s antenna routing</source>
        <translation>一度接続すると、このサーバーのアンテナ切替を読み込みます</translation>
    </message>
    <message>
        <source>No switches, stack outputs or tuners reported</source>
        <translation>切替器、スタック出力、チューナーの報告なし</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <extracomment>Antenna switch card, named for assistive tools</extracomment>
        <translation>切替器 %1</translation>
    </message>
    <message>
        <source>Stack %1</source>
        <extracomment>Antenna stack card, named for assistive tools</extracomment>
        <translation>スタック %1</translation>
    </message>
    <message>
        <source>Tuner %1</source>
        <translation>チューナー %1</translation>
    </message>
    <message>
        <source>No server yet</source>
        <translation>サーバーなし</translation>
    </message>
    <message>
        <source>No server chosen</source>
        <translation>サーバー未選択</translation>
    </message>
    <message>
        <source>There is no server to connect to yet. Add one in the server editor.</source>
        <translation>接続できるサーバーがまだありません。サーバーエディターで追加してください。</translation>
    </message>
    <message>
        <source>This tab has no server. Choose one in the server menu, or add one in the server editor.</source>
        <translation>このタブにはサーバーがありません。サーバーメニューで選ぶか、サーバーエディターで追加してください。</translation>
    </message>
    <message>
        <source>Add server…</source>
        <translation>サーバーを追加…</translation>
    </message>
</context>
<context>
    <name>StationWorkspace</name>
    <message>
        <source>Server %1</source>
        <translation>サーバー %1</translation>
    </message>
    <message>
        <source>This server is already open in %1. Its existing tab has been selected.</source>
        <translation>このサーバーはすでに %1 で開いています。既存のタブを選択しました。</translation>
    </message>
</context>
<context>
    <name>StationWorkspaceView</name>
    <message>
        <source>Close server tab</source>
        <translation>サーバータブを閉じる</translation>
    </message>
    <message>
        <source>Server tabs</source>
        <translation>サーバータブ</translation>
    </message>
    <message>
        <source>Disconnect and close the selected server tab.</source>
        <translation>選択したサーバータブを切断して閉じます。</translation>
    </message>
    <message>
        <source>%1 · connecting</source>
        <translation>%1 · 接続中</translation>
    </message>
    <message>
        <source>%1 · disconnected</source>
        <translation>%1 · 未接続</translation>
    </message>
    <message>
        <source>Server already open</source>
        <translation>サーバーはすでに開いています</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SwitchCardState</name>
    <message>
        <source>Reported: %1</source>
        <translation>報告: %1</translation>
    </message>
    <message>
        <source>Server status %1</source>
        <translation>サーバーステータス %1</translation>
    </message>
    <message>
        <source>Unsupported switch type %1</source>
        <translation>未対応の切替器タイプ %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>%1 を選択</translation>
    </message>
    <message>
        <source>Deselect %1</source>
        <translation>%1 の選択を解除</translation>
    </message>
    <message>
        <source>Also select %1</source>
        <translation>%1 も選択</translation>
    </message>
    <message>
        <source>Select %1 at %2 degrees</source>
        <translation>%2 度の %1 を選択</translation>
    </message>
    <message>
        <source>Position is locked.</source>
        <translation>ポジションはロックされています。</translation>
    </message>
</context>
<context>
    <name>SystemFileDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <extracomment>File type filter of the settings file dialogs; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON ファイル (*.json)</translation>
    </message>
</context>
<context>
    <name>TerminalProtocol</name>
    <message>
        <source>Enter a heading from 0 to 360.</source>
        <translation>0～360 の方位を入力してください。</translation>
    </message>
    <message>
        <source>Terminal frame exceeds size limit.</source>
        <translation>端末フレームがサイズ上限を超えています。</translation>
    </message>
</context>
<context>
    <name>TileLoader</name>
    <message>
        <source>The tile server sent more than %1 MiB for one tile.</source>
        <translation>タイルサーバーから 1 タイルで %1 MiB を超えるデータが届きました。</translation>
    </message>
    <message>
        <source>The tile server answered %1 %2.</source>
        <translation>タイルサーバーの応答: %1 %2。</translation>
    </message>
    <message>
        <source>The tile server did not answer in time.</source>
        <translation>タイルサーバーが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The tile could not be loaded: %1.</source>
        <translation>タイルを読み込めませんでした: %1。</translation>
    </message>
    <message>
        <source>The tile address “%1” is not a web address.</source>
        <translation>タイルアドレス「%1」は Web アドレスではありません。</translation>
    </message>
    <message>
        <source>The tile server %1 asked for fewer requests; tiles are paused for now.</source>
        <translation>タイルサーバー %1 からリクエストを減らすよう求められました。タイルの取得をしばらく停止します。</translation>
    </message>
    <message>
        <source>The tile server sent an image that could not be read.</source>
        <translation>タイルサーバーから読み取れない画像が届きました。</translation>
    </message>
</context>
<context>
    <name>TowerMap</name>
    <message>
        <source>Map</source>
        <translation>地図</translation>
    </message>
    <message>
        <source>Map imagery unavailable. Heading display still works.</source>
        <translation>地図画像を利用できません。方位表示は引き続き機能します。</translation>
    </message>
</context>
<context>
    <name>TunerCard</name>
    <message>
        <source>CCW</source>
        <translation>CCW</translation>
    </message>
    <message>
        <source>CCW %1</source>
        <translation>CCW %1</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>CW %1</source>
        <translation>CW %1</translation>
    </message>
    <message>
        <source>Calibrate…</source>
        <translation>校正…</translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation>%1 を校正</translation>
    </message>
    <message>
        <source>Calibrate tuner rotor?</source>
        <translation>チューナーのローテーターを校正しますか？</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1 on %2.</source>
        <translation>%2 の %1 に対してサーバーの校正を実行します。</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>校正</translation>
    </message>
</context>
<context>
    <name>TunerCardState</name>
    <message>
        <source>Turvix · %1</source>
        <translation>Turvix · %1</translation>
    </message>
    <message>
        <source>Reported: %1 · Status %2 · RSSI %3</source>
        <translation>報告: %1 · ステータス %2 · RSSI %3</translation>
    </message>
    <message>
        <source>Awaiting position</source>
        <translation>ポジション待ち</translation>
    </message>
    <message>
        <source>Tune %1 to %2</source>
        <translation>%1 を %2 に同調</translation>
    </message>
    <message>
        <source>Turn %1 counterclockwise</source>
        <translation>%1 を左回り（CCW）に回す</translation>
    </message>
    <message>
        <source>Turn %1 clockwise</source>
        <translation>%1 を右回り（CW）に回す</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1</source>
        <translation>%1 に対してサーバーの校正を実行</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation>世界地図</translation>
    </message>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>The tower has no position yet, so the world cannot be drawn around it.</source>
        <translation>タワーにまだ位置がないため、タワーを中心に世界を描画できません。</translation>
    </message>
    <message>
        <source>Centred on %1</source>
        <translation>%1 を中心</translation>
    </message>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation>このビルドには陸地輪郭がありません。</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>方位 %1、%2、%3</translation>
    </message>
    <message>
        <source>%1 beam %2, last reported</source>
        <translation>%1 のビーム %2（最終報告）</translation>
    </message>
    <message>
        <source>%1 beam %2</source>
        <translation>%1 のビーム %2</translation>
    </message>
</context>
<context>
    <name>WorldMapWindow</name>
    <message>
        <source>World map</source>
        <translation>世界地図</translation>
    </message>
    <message>
        <source>Whole world</source>
        <translation>世界全体</translation>
    </message>
    <message>
        <source>World map reach</source>
        <translation>世界地図の表示範囲</translation>
    </message>
    <message>
        <source>How far from the tower the edge of the map reaches.</source>
        <translation>地図の端がタワーからどこまで届くか。</translation>
    </message>
    <message>
        <source>Place under the pointer</source>
        <translation>ポインター位置の場所</translation>
    </message>
    <message>
        <source>No rotor of this tab has a tower position yet. Place a tower with Set Location on its card, or give the server a site in its profile.</source>
        <translation>このタブのローテーターにはまだタワー位置がありません。カードの「タワー位置を設定…」でタワーを配置するか、サーバーのプロファイルで設置場所を指定してください。</translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation>表示範囲:</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>方位 %1、%2、%3</translation>
    </message>
</context>
<context>
    <name>WsjtxMessage</name>
    <message>
        <source>The WSJT-X datagram is damaged: it ends before its %1.</source>
        <translation>WSJT-X のデータグラムが壊れています: %1 の前で終わっています。</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is %2 bytes long.</source>
        <translation>WSJT-X のデータグラムが壊れています: %1 が %2 バイトあります。</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it ends inside its %1.</source>
        <translation>WSJT-X のデータグラムが壊れています: %1 の途中で終わっています。</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is not UTF-8 text.</source>
        <translation>WSJT-X のデータグラムが壊れています: %1 が UTF-8 テキストではありません。</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it is %1 bytes long.</source>
        <translation>WSJT-X のデータグラムが壊れています: 長さが %1 バイトです。</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it does not start with the magic number.</source>
        <translation>WSJT-X のデータグラムが壊れています: マジックナンバーで始まっていません。</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.</source>
        <translation>WSJT-X のデータグラムが壊れています: スキーマ %1 が 2 でも 3 でもありません。</translation>
    </message>
</context>
</TS>
