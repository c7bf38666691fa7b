<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CallArea</name>
    <message>
        <source>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</source>
        <translation>Mittlerer Westen (CO, IA, KS, MN, MO, ND, NE, SD)</translation>
    </message>
    <message>
        <source>New England (CT, MA, ME, NH, RI, VT)</source>
        <translation>Neuengland (CT, MA, ME, NH, RI, VT)</translation>
    </message>
    <message>
        <source>New York and New Jersey</source>
        <translation>New York und New Jersey</translation>
    </message>
    <message>
        <source>Mid-Atlantic (DC, DE, MD, PA)</source>
        <translation>Mittelatlantik (DC, DE, MD, PA)</translation>
    </message>
    <message>
        <source>Southeast (AL, FL, GA, KY, NC, SC, TN, VA)</source>
        <translation>Südosten (AL, FL, GA, KY, NC, SC, TN, VA)</translation>
    </message>
    <message>
        <source>South (AR, LA, MS, NM, OK, TX)</source>
        <translation>Süden (AR, LA, MS, NM, OK, TX)</translation>
    </message>
    <message>
        <source>California</source>
        <translation>Kalifornien</translation>
    </message>
    <message>
        <source>Northwest (AZ, ID, MT, NV, OR, UT, WA, WY)</source>
        <translation>Nordwesten (AZ, ID, MT, NV, OR, UT, WA, WY)</translation>
    </message>
    <message>
        <source>Great Lakes (MI, OH, WV)</source>
        <translation>Große Seen (MI, OH, WV)</translation>
    </message>
    <message>
        <source>Central (IL, IN, WI)</source>
        <translation>Zentral (IL, IN, WI)</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Neufundland</translation>
    </message>
    <message>
        <source>Labrador</source>
        <translation>Labrador</translation>
    </message>
    <message>
        <source>Nunavut</source>
        <translation>Nunavut</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>Yukon</translation>
    </message>
    <message>
        <source>Prince Edward Island</source>
        <translation>Prince Edward Island</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nova Scotia</translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation>Québec</translation>
    </message>
    <message>
        <source>Ontario</source>
        <translation>Ontario</translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation>Manitoba</translation>
    </message>
    <message>
        <source>Saskatchewan</source>
        <translation>Saskatchewan</translation>
    </message>
    <message>
        <source>Alberta</source>
        <translation>Alberta</translation>
    </message>
    <message>
        <source>British Columbia</source>
        <translation>British Columbia</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Nordwest-Territorien</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>New Brunswick</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Australian Capital Territory</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>New South Wales</translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>Queensland</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>South Australia</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Western Australia</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmanien</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Northern Territory</translation>
    </message>
    <message>
        <source>Kanto</source>
        <translation>Kantō</translation>
    </message>
    <message>
        <source>Tokai</source>
        <translation>Tōkai</translation>
    </message>
    <message>
        <source>Kansai</source>
        <translation>Kansai</translation>
    </message>
    <message>
        <source>Chugoku</source>
        <translation>Chūgoku</translation>
    </message>
    <message>
        <source>Shikoku</source>
        <translation>Shikoku</translation>
    </message>
    <message>
        <source>Kyushu and Okinawa</source>
        <translation>Kyūshū und Okinawa</translation>
    </message>
    <message>
        <source>Tohoku</source>
        <translation>Tōhoku</translation>
    </message>
    <message>
        <source>Hokkaido</source>
        <translation>Hokkaidō</translation>
    </message>
    <message>
        <source>Hokuriku</source>
        <translation>Hokuriku</translation>
    </message>
    <message>
        <source>Shin&apos;etsu</source>
        <translation>Shin’etsu</translation>
    </message>
    <message>
        <source>Western Siberia, north (call area 8)</source>
        <translation>Westsibirien, Norden (Rufzeichengebiet 8)</translation>
    </message>
    <message>
        <source>Urals and Western Siberia (call area 9)</source>
        <translation>Ural und Westsibirien (Rufzeichengebiet 9)</translation>
    </message>
    <message>
        <source>Eastern Siberia and the Far East (call area 0)</source>
        <translation>Ostsibirien und Ferner Osten (Rufzeichengebiet 0)</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Peking</translation>
    </message>
    <message>
        <source>Heilongjiang, Jilin, Liaoning</source>
        <translation>Heilongjiang, Jilin, Liaoning</translation>
    </message>
    <message>
        <source>Tianjin, Inner Mongolia, Hebei, Shanxi</source>
        <translation>Tianjin, Innere Mongolei, Hebei, Shanxi</translation>
    </message>
    <message>
        <source>Shanghai, Shandong, Jiangsu</source>
        <translation>Shanghai, Shandong, Jiangsu</translation>
    </message>
    <message>
        <source>Zhejiang, Jiangxi, Fujian</source>
        <translation>Zhejiang, Jiangxi, Fujian</translation>
    </message>
    <message>
        <source>Anhui, Henan, Hubei</source>
        <translation>Anhui, Henan, Hubei</translation>
    </message>
    <message>
        <source>Hunan, Guangdong, Guangxi, Hainan</source>
        <translation>Hunan, Guangdong, Guangxi, Hainan</translation>
    </message>
    <message>
        <source>Sichuan, Chongqing, Guizhou, Yunnan</source>
        <translation>Sichuan, Chongqing, Guizhou, Yunnan</translation>
    </message>
    <message>
        <source>Shaanxi, Gansu, Ningxia, Qinghai</source>
        <translation>Shaanxi, Gansu, Ningxia, Qinghai</translation>
    </message>
    <message>
        <source>Xinjiang and Tibet</source>
        <translation>Xinjiang und Tibet</translation>
    </message>
    <message>
        <source>Rio de Janeiro and Espirito Santo</source>
        <translation>Rio de Janeiro und Espírito Santo</translation>
    </message>
    <message>
        <source>Sao Paulo, Goias, Federal District</source>
        <translation>São Paulo, Goiás, Bundesdistrikt</translation>
    </message>
    <message>
        <source>Rio Grande do Sul</source>
        <translation>Rio Grande do Sul</translation>
    </message>
    <message>
        <source>Minas Gerais</source>
        <translation>Minas Gerais</translation>
    </message>
    <message>
        <source>Parana and Santa Catarina</source>
        <translation>Paraná und Santa Catarina</translation>
    </message>
    <message>
        <source>Bahia and Sergipe</source>
        <translation>Bahia und Sergipe</translation>
    </message>
    <message>
        <source>Northeast (PE, AL, PB, RN, CE, PI)</source>
        <translation>Nordosten (PE, AL, PB, RN, CE, PI)</translation>
    </message>
    <message>
        <source>North (PA, AM, AP, MA, RR)</source>
        <translation>Norden (PA, AM, AP, MA, RR)</translation>
    </message>
    <message>
        <source>Centre-West (MT, MS, RO, AC, TO)</source>
        <translation>Mittelwesten (MT, MS, RO, AC, TO)</translation>
    </message>
    <message>
        <source>Buenos Aires City</source>
        <translation>Stadt Buenos Aires</translation>
    </message>
    <message>
        <source>Buenos Aires Province</source>
        <translation>Provinz Buenos Aires</translation>
    </message>
    <message>
        <source>Santa Fe</source>
        <translation>Santa Fe</translation>
    </message>
    <message>
        <source>Chaco and Formosa</source>
        <translation>Chaco und Formosa</translation>
    </message>
    <message>
        <source>Cordoba</source>
        <translation>Córdoba</translation>
    </message>
    <message>
        <source>Misiones</source>
        <translation>Misiones</translation>
    </message>
    <message>
        <source>Entre Rios</source>
        <translation>Entre Ríos</translation>
    </message>
    <message>
        <source>Tucuman</source>
        <translation>Tucumán</translation>
    </message>
    <message>
        <source>Corrientes</source>
        <translation>Corrientes</translation>
    </message>
    <message>
        <source>Mendoza</source>
        <translation>Mendoza</translation>
    </message>
    <message>
        <source>Santiago del Estero</source>
        <translation>Santiago del Estero</translation>
    </message>
    <message>
        <source>Salta</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>San Juan</source>
        <translation>San Juan</translation>
    </message>
    <message>
        <source>San Luis</source>
        <translation>San Luis</translation>
    </message>
    <message>
        <source>Catamarca</source>
        <translation>Catamarca</translation>
    </message>
    <message>
        <source>La Rioja</source>
        <translation>La Rioja</translation>
    </message>
    <message>
        <source>Jujuy</source>
        <translation>Jujuy</translation>
    </message>
    <message>
        <source>La Pampa</source>
        <translation>La Pampa</translation>
    </message>
    <message>
        <source>Rio Negro</source>
        <translation>Río Negro</translation>
    </message>
    <message>
        <source>Chubut</source>
        <translation>Chubut</translation>
    </message>
    <message>
        <source>Santa Cruz and Tierra del Fuego</source>
        <translation>Santa Cruz und Feuerland</translation>
    </message>
    <message>
        <source>Neuquen</source>
        <translation>Neuquén</translation>
    </message>
</context>
<context>
    <name>CallList</name>
    <message>
        <source>The call list is larger than %1 MiB.</source>
        <translation>Die Rufzeichenliste ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>The call list holds more than %1 calls.</source>
        <translation>Die Rufzeichenliste enthält mehr als %1 Rufzeichen.</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <extracomment>North on the heading dial</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East on the heading dial</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South on the heading dial</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West on the heading dial</extracomment>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>Confirmation</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>KT-90 TCP-Terminal</translation>
    </message>
    <message>
        <source>KT-90 UDP terminal</source>
        <translation>KT-90 UDP-Terminal</translation>
    </message>
    <message>
        <source>KT-90 local serial</source>
        <translation>KT-90 lokal seriell</translation>
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
        <translation>Keine Länderdatei installiert; laden Sie eine oder installieren Sie das Debian-Paket hamradio-files.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Die Datei ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>The program&apos;s data folder cannot be created.</source>
        <translation>Der Datenordner des Programms kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The copy cannot be kept: %1.</source>
        <translation>Die Kopie kann nicht behalten werden: %1.</translation>
    </message>
    <message>
        <source>No version given</source>
        <translation>Keine Version angegeben</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation>
            <numerusform>Version %1, %n Tag alt</numerusform>
            <numerusform>Version %1, %n Tage alt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a piece of the country file.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it has %2 fields where 10 are expected.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Zeile hat %2 Felder, erwartet werden 10.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its prefix list does not end with “;”.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Präfixliste endet nicht mit „;“.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die DXCC-Nummer %2 ist keine Zahl von 0 bis 9999.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the entity before it does not end its prefix list with “;”.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Das DXCC-Gebiet davor beendet seine Präfixliste nicht mit „;“.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Gebietszeile hat keine 8 Felder, die mit „:“ enden.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it lists prefixes without an entity line before them.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Zeile führt Präfixe ohne vorangehende Gebietszeile auf.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: text follows the “;” that ends the prefix list.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Nach dem „;“ am Ende der Präfixliste folgt Text.</translation>
    </message>
    <message>
        <source>The country file ends inside the prefix list of %1.</source>
        <translation>Die Länderdatei endet innerhalb der Präfixliste von %1.</translation>
    </message>
    <message>
        <source>The country file lists no countries.</source>
        <translation>Die Länderdatei enthält keine Länder.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 countries.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Datei enthält mehr als %2 Länder.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the country name %2 is empty, too long or holds control characters.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Der Ländername %2 ist leer, zu lang oder enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Das Hauptpräfix %2 von %3 ist kein Präfix.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the continent %2 of %3 is not one of AF, AN, AS, EU, NA, OC, SA.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Der Kontinent %2 von %3 ist keiner von AF, AN, AS, EU, NA, OC, SA.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the zones of %2 are not a CQ zone from 1 to 40 and an ITU zone from 1 to 90.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Zonen von %2 sind keine CQ-Zone von 1 bis 40 und ITU-Zone von 1 bis 90.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the latitude, longitude or UTC offset of %2 is not a number within range.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Breite, Länge oder UTC-Versatz von %2 ist keine Zahl im gültigen Bereich.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 prefixes and calls.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Datei enthält mehr als %2 Präfixe und Rufzeichen.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: %2 is not a prefix or call.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: %2 ist weder Präfix noch Rufzeichen.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not closed.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Überschreibung in %2 ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not valid.</source>
        <translation>Die Länderdatei ist in Zeile %1 beschädigt: Die Überschreibung in %2 ist ungültig.</translation>
    </message>
    <message>
        <source>The country file is larger than %1 MiB.</source>
        <translation>Die Länderdatei ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>The country file is empty.</source>
        <translation>Die Länderdatei ist leer.</translation>
    </message>
    <message>
        <source>The file is neither a cty.csv nor a cty.dat country file.</source>
        <translation>Die Datei ist weder eine cty.csv- noch eine cty.dat-Länderdatei.</translation>
    </message>
</context>
<context>
    <name>CountryFileLoader</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 ist größer als %2 MiB.</translation>
    </message>
</context>
<context>
    <name>CountryFileSheet</name>
    <message>
        <source>Country File</source>
        <translation>Länderdatei</translation>
    </message>
    <message>
        <source>Country file version</source>
        <translation>Version der Länderdatei</translation>
    </message>
    <message>
        <source>Country file in use</source>
        <translation>Verwendete Länderdatei</translation>
    </message>
    <message>
        <source>Country file load result</source>
        <translation>Ladeergebnis der Länderdatei</translation>
    </message>
    <message>
        <source>Load country file…</source>
        <translation>Länderdatei laden…</translation>
    </message>
    <message>
        <source>Read a newer cty.csv or cty.dat; a file that does not read changes nothing.</source>
        <translation>Eine neuere cty.csv oder cty.dat einlesen; eine nicht lesbare Datei ändert nichts.</translation>
    </message>
    <message>
        <source>Country file</source>
        <translation>Länderdatei</translation>
    </message>
    <message>
        <source>Call signs and prefixes are placed with this file. Newer files are published monthly; a loaded file is kept in the program&apos;s data folder and used from then on.</source>
        <translation>Rufzeichen und Präfixe werden mit dieser Datei zugeordnet. Neuere Dateien erscheinen monatlich; eine geladene Datei wird im Datenordner des Programms abgelegt und ab dann verwendet.</translation>
    </message>
    <message>
        <source>Loaded; the copy is kept for later starts.</source>
        <translation>Geladen; die Kopie bleibt für spätere Starts erhalten.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nichts geändert: %1</translation>
    </message>
    <message>
        <source>Load Country File</source>
        <translation>Länderdatei laden</translation>
    </message>
    <message>
        <source>Country files (*.csv *.dat *.CSV *.DAT);;All files (*)</source>
        <translation>Länderdateien (*.csv *.dat *.CSV *.DAT);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No country file</source>
        <translation>Keine Länderdatei</translation>
    </message>
    <message>
        <source>A loaded copy: %1</source>
        <translation>Geladene Kopie: %1</translation>
    </message>
    <message>
        <source>Installed file: %1</source>
        <translation>Installierte Datei: %1</translation>
    </message>
    <message>
        <source>%1 countries, %2 prefixes and calls</source>
        <translation>%1 Länder, %2 Präfixe und Rufzeichen</translation>
    </message>
</context>
<context>
    <name>EncoderWorker</name>
    <message>
        <source>Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.</source>
        <translation>Warten auf Phidget %1. Ältere HID-Geräte benötigen ggf. den USB-Treiber des Herstellers.</translation>
    </message>
    <message>
        <source>Phidget22 library could not be loaded.</source>
        <translation>Die Phidget22-Bibliothek konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Phidget encoder channel could not be opened.</source>
        <translation>Der Phidget-Drehgeberkanal konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Phidget button channel could not be opened.</source>
        <translation>Der Phidget-Tasterkanal konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Phidget disconnected</source>
        <translation>Phidget getrennt</translation>
    </message>
    <message>
        <source>Phidget connected</source>
        <translation>Phidget verbunden</translation>
    </message>
</context>
<context>
    <name>HeadingPreset</name>
    <message>
        <source>Give the preset a name and a heading from 0 to 360 degrees.</source>
        <translation>Geben Sie dem Preset einen Namen und eine Richtung von 0 bis 360 Grad.</translation>
    </message>
</context>
<context>
    <name>IntegrationDevicesSection</name>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation>Funkgerät A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>Funkgerät B</translation>
    </message>
    <message>
        <source>Focused radio</source>
        <translation>Funkgerät im Fokus</translation>
    </message>
    <message>
        <source>Frequency-driven devices</source>
        <translation>Frequenzgesteuerte Geräte</translation>
    </message>
    <message>
        <source>A selected OFF remains off. Existing in-range selections are retained; locked outputs are skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared switch.</source>
        <translation>Ein gewähltes OFF bleibt aus. Bestehende Auswahlen im Bereich bleiben erhalten; gesperrte Ausgänge werden übersprungen. „Funkgerät im Fokus“ folgt dem Fokus des Loggers und verhindert konkurrierende A/B-Umschaltungen an einem gemeinsamen Umschalter.</translation>
    </message>
    <message>
        <source>Radio for %1</source>
        <translation>Funkgerät für %1</translation>
    </message>
    <message>
        <source>Which radio’s frequency selects the band position of %1.</source>
        <translation>Welches Funkgerät mit seiner Frequenz die Bandstellung von %1 wählt.</translation>
    </message>
    <message>
        <source>Switch: %1</source>
        <extracomment>%1 is the antenna switch&apos;s name from the station.</extracomment>
        <translation>Umschalter: %1</translation>
    </message>
    <message>
        <source>Tuner: %1</source>
        <extracomment>%1 is the tuner&apos;s name from the station.</extracomment>
        <translation>Tuner: %1</translation>
    </message>
    <message>
        <source>The station has reported no switches or tuners yet.</source>
        <translation>Die Station hat noch keine Umschalter oder Tuner gemeldet.</translation>
    </message>
</context>
<context>
    <name>IntegrationEditor</name>
    <message>
        <source>Stop this input.</source>
        <translation>Diesen Eingang stoppen.</translation>
    </message>
</context>
<context>
    <name>IntegrationEncoderSection</name>
    <message>
        <source>Phidget encoder / eKnob</source>
        <translation>Phidget-Drehgeber / eKnob</translation>
    </message>
    <message>
        <source>Device serial number</source>
        <translation>Seriennummer des Geräts</translation>
    </message>
    <message>
        <source>The serial number printed on the encoder device.</source>
        <translation>Die auf dem Drehgeber aufgedruckte Seriennummer.</translation>
    </message>
    <message>
        <source>Encoder channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Drehgeberkanal </translation>
    </message>
    <message>
        <source>Encoder channel</source>
        <translation>Drehgeberkanal</translation>
    </message>
    <message>
        <source>The device channel of the encoder.</source>
        <translation>Der Gerätekanal des Drehgebers.</translation>
    </message>
    <message>
        <source>Button channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Tasterkanal </translation>
    </message>
    <message>
        <source>Button channel</source>
        <translation>Tasterkanal</translation>
    </message>
    <message>
        <source>The digital input of the encoder’s button; −1 for none.</source>
        <translation>Der Digitaleingang des Drehgeber-Tasters; −1 für keinen.</translation>
    </message>
    <message>
        <source>Degrees/count</source>
        <translation>Grad/Impuls</translation>
    </message>
    <message>
        <source>Degrees per encoder count when turning a rotor; negative reverses the direction.</source>
        <translation>Grad pro Drehgeberimpuls beim Drehen eines Rotors; negativ kehrt die Richtung um.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack output, T: tuner positions).</source>
        <translation>Was der Drehgeber dreht (R: Rotor) oder auswählt (P: Presets eines Rotors, S: Umschalterstellungen, K: Stack-Ausgang, T: Tunerstellungen).</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Start encoder</source>
        <translation>Drehgeber starten</translation>
    </message>
    <message>
        <source>Stop encoder</source>
        <translation>Drehgeber stoppen</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Drehgeber-Status</translation>
    </message>
    <message>
        <source>Store these settings and start reading the encoder.</source>
        <translation>Diese Einstellungen speichern und den Drehgeber lesen.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Encoder preview</source>
        <translation>Drehgeber-Vorschau</translation>
    </message>
    <message>
        <source>Phidget USB driver and setup</source>
        <translation>Phidget-USB-Treiber und Einrichtung</translation>
    </message>
    <message>
        <source>Turning previews a heading or selection. Press the encoder button or Apply to send it. A button channel of −1 disables button input; use a negative step to reverse direction. Enable controls still applies.</source>
        <translation>Drehen zeigt eine Richtung oder Auswahl als Vorschau. Drehgeber-Taster oder „Anwenden“ sendet sie. Ein Tasterkanal von −1 schaltet den Taster ab; ein negativer Schritt kehrt die Richtung um. „Steuerung freigeben“ gilt weiterhin.</translation>
    </message>
    <message>
        <source>The encoder is not running.</source>
        <translation>Der Drehgeber läuft nicht.</translation>
    </message>
    <message>
        <source>Send the previewed heading or selection now.</source>
        <translation>Die Vorschau-Richtung oder -Auswahl jetzt senden.</translation>
    </message>
    <message>
        <source>Turn on “Enable logger commands and automatic band selection” to send.</source>
        <translation>Zum Senden „Logger-Befehle und automatische Bandwahl freigeben“ einschalten.</translation>
    </message>
    <message>
        <source>Connect to the server to send.</source>
        <translation>Zum Senden mit dem Server verbinden.</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Vorschau: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>IntegrationEventsSection</name>
    <message>
        <source>Received integration events</source>
        <translation>Empfangene Integrationsereignisse</translation>
    </message>
    <message>
        <source>No events received</source>
        <translation>Keine Ereignisse empfangen</translation>
    </message>
    <message>
        <source>The logger events and key tokens this server’s inputs received, oldest first (the last %1).</source>
        <translation>Die Logger-Ereignisse und Tastencodes, die die Eingänge dieses Servers empfangen haben, älteste zuerst (die letzten %1).</translation>
    </message>
</context>
<context>
    <name>IntegrationKeysSection</name>
    <message>
        <source>Keyboard shortcuts and UDP keys</source>
        <translation>Tastenkürzel und UDP-Tasten</translation>
    </message>
    <message>
        <source>Key tokens also work while the main app window is focused, outside text fields. Examples: CTRL R, SHIFT S, Escape.</source>
        <translation>Tastencodes wirken auch, wenn das Hauptfenster den Fokus hat, außerhalb von Textfeldern. Beispiele: CTRL R, SHIFT S, Escape.</translation>
    </message>
    <message>
        <source>Global keyboard shortcuts</source>
        <translation>Globale Tastenkürzel</translation>
    </message>
    <message>
        <source>Also take key tokens typed in other programs.</source>
        <translation>Auch Tastencodes annehmen, die in anderen Programmen getippt werden.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session.</source>
        <translation>Globale Tastenkürzel sind in dieser Sitzung nicht verfügbar.</translation>
    </message>
    <message>
        <source>Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard listening after changing this switch.</source>
        <translation>Globale Tastenkürzel brauchen auf diesem Desktop keine zusätzliche Berechtigung, nur eine Control-, Alt- oder Super-Taste (CTRL, ALT, CMD in Tastencodes). Sie gelten für den gewählten Server-Tab. Nach Ändern dieses Schalters die Tastaturabfrage neu starten.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session: this desktop does not let programs watch keys typed elsewhere. Keys in the main window and UDP key tokens still work.</source>
        <translation>Globale Tastenkürzel sind in dieser Sitzung nicht verfügbar: Dieser Desktop lässt Programme keine anderswo getippten Tasten beobachten. Tasten im Hauptfenster und UDP-Tastencodes funktionieren weiterhin.</translation>
    </message>
    <message>
        <source>Local keyboard UDP port</source>
        <translation>Lokaler UDP-Port für Tastatur</translation>
    </message>
    <message>
        <source>Key tokens sent to 127.0.0.1 on this port fire the bindings below.</source>
        <translation>An 127.0.0.1 auf diesen Port gesendete Tastencodes lösen die Belegungen unten aus.</translation>
    </message>
    <message>
        <source>Start keyboard</source>
        <translation>Tastatur starten</translation>
    </message>
    <message>
        <source>Stop keyboard</source>
        <translation>Tastatur stoppen</translation>
    </message>
    <message>
        <source>Keyboard status</source>
        <translation>Tastatur-Status</translation>
    </message>
    <message>
        <source>Store these settings and start listening for keys and UDP key tokens.</source>
        <translation>Diese Einstellungen speichern und auf Tasten und UDP-Tastencodes warten.</translation>
    </message>
    <message>
        <source>Add key binding</source>
        <translation>Tastenbelegung hinzufügen</translation>
    </message>
    <message>
        <source>Add a key token and what it does.</source>
        <translation>Einen Tastencode und seine Aktion hinzufügen.</translation>
    </message>
    <message>
        <source>No key bindings</source>
        <translation>Keine Tastenbelegungen</translation>
    </message>
    <message>
        <source>Key token</source>
        <translation>Tastencode</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Stellung</translation>
    </message>
    <message>
        <source>Key token %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Tastencode %1</translation>
    </message>
    <message>
        <source>The key token that fires this binding, such as CTRL R.</source>
        <translation>Der Tastencode, der diese Belegung auslöst, z. B. CTRL R.</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Gerät %1</translation>
    </message>
    <message>
        <source>R: rotor, S: antenna switch, K: stack output, T: tuner.</source>
        <translation>R: Rotor, S: Antennenumschalter, K: Stack-Ausgang, T: Tuner.</translation>
    </message>
    <message>
        <source>Action %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Aktion %1</translation>
    </message>
    <message>
        <source>What the binding does with its device.</source>
        <translation>Was die Belegung mit ihrem Gerät tut.</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Richtung %1</translation>
    </message>
    <message>
        <source>The heading a Rotate binding turns its rotor to.</source>
        <translation>Die Richtung, auf die eine „Drehen“-Belegung ihren Rotor dreht.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Stellung %1</translation>
    </message>
    <message>
        <source>The switch or tuner position to select; Next and Previous step instead.</source>
        <translation>Die zu wählende Umschalter- oder Tunerstellung; „Nächste“ und „Vorherige“ schalten stattdessen weiter.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove this key binding.</source>
        <translation>Diese Tastenbelegung entfernen.</translation>
    </message>
    <message>
        <source>Remove binding %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Belegung %1 entfernen</translation>
    </message>
    <message>
        <source>The keyboard input is not running.</source>
        <translation>Die Tastatureingabe läuft nicht.</translation>
    </message>
</context>
<context>
    <name>IntegrationLoggerSection</name>
    <message>
        <source>Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111.</source>
        <translation>Auf 127.0.0.1 für lokale Software lauschen, oder auf der LAN-Adresse dieses Computers für einen entfernten Logger. N1MM-Rotor: 12050; Funkgerätedaten: 12060; Win-Test: 9871; Tastatur-UDP: 61111.</translation>
    </message>
    <message>
        <source>Connect to the N3FJP API (normally port 1100).</source>
        <translation>Mit der N3FJP-API verbinden (normalerweise Port 1100).</translation>
    </message>
    <message>
        <source>Logger and automatic controls</source>
        <translation>Logger und automatische Steuerung</translation>
    </message>
    <message>
        <source>Enable logger commands and automatic band selection</source>
        <translation>Logger-Befehle und automatische Bandwahl freigeben</translation>
    </message>
    <message>
        <source>Send the rotor turns, band selections and key bindings of this server’s inputs. Events are listed either way.</source>
        <translation>Rotordrehungen, Bandwahl und Tastenbelegungen der Eingänge dieses Servers senden. Ereignisse werden in jedem Fall aufgelistet.</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>The logger program, or key tokens over UDP.</source>
        <translation>Das Logprogramm oder Tastencodes über UDP.</translation>
    </message>
    <message>
        <source>Logger host</source>
        <translation>Logger-Host</translation>
    </message>
    <message>
        <source>The address to listen on, or the N3FJP computer.</source>
        <translation>Die Adresse zum Lauschen oder der N3FJP-Computer.</translation>
    </message>
    <message>
        <source>Logger port</source>
        <translation>Logger-Port</translation>
    </message>
    <message>
        <source>The UDP port to listen on, or the N3FJP API port.</source>
        <translation>Der UDP-Port zum Lauschen oder der N3FJP-API-Port.</translation>
    </message>
    <message>
        <source>Station name filter (optional)</source>
        <translation>Stationsnamen-Filter (optional)</translation>
    </message>
    <message>
        <source>Only messages from this N1MM or Win-Test station; blank for every station.</source>
        <translation>Nur Meldungen dieser N1MM- oder Win-Test-Station; leer für alle Stationen.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Start logger</source>
        <translation>Logger starten</translation>
    </message>
    <message>
        <source>Stop logger</source>
        <translation>Logger stoppen</translation>
    </message>
    <message>
        <source>Logger status</source>
        <translation>Logger-Status</translation>
    </message>
    <message>
        <source>Store these settings and start the logger input.</source>
        <translation>Diese Einstellungen speichern und den Logger-Eingang starten.</translation>
    </message>
    <message>
        <source>Radio A rotor</source>
        <translation>Rotor Funkgerät A</translation>
    </message>
    <message>
        <source>The rotor that radio A’s rotor commands turn.</source>
        <translation>Der Rotor, den die Rotorbefehle von Funkgerät A drehen.</translation>
    </message>
    <message>
        <source>Radio B rotor</source>
        <translation>Rotor Funkgerät B</translation>
    </message>
    <message>
        <source>The rotor that radio B’s rotor commands turn.</source>
        <translation>Der Rotor, den die Rotorbefehle von Funkgerät B drehen.</translation>
    </message>
    <message>
        <source>Rotor and antenna Enable controls also apply. No commands are replayed after reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s port.</source>
        <translation>„Steuerung freigeben“ für Rotoren und Antennen gilt ebenfalls. Nach erneutem Verbinden werden keine Befehle wiederholt. In N1MM die Funkgeräte- und Rotor-Broadcasts auf den Port dieses Empfängers einstellen.</translation>
    </message>
    <message>
        <source>The logger input is not running.</source>
        <translation>Der Logger-Eingang läuft nicht.</translation>
    </message>
</context>
<context>
    <name>IntegrationRotctldSection</name>
    <message>
        <source>rotctld server</source>
        <translation>rotctld-Server</translation>
    </message>
    <message>
        <source>rotctld host</source>
        <translation>rotctld-Host</translation>
    </message>
    <message>
        <source>The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN address for programs elsewhere.</source>
        <translation>Die Adresse zum Lauschen: 127.0.0.1 für Programme auf diesem Computer, oder die LAN-Adresse dieses Computers für Programme anderswo.</translation>
    </message>
    <message>
        <source>rotctld port</source>
        <translation>rotctld-Port</translation>
    </message>
    <message>
        <source>The TCP port rotctld clients connect to; rotctld’s own is 4533.</source>
        <translation>Der TCP-Port, mit dem sich rotctld-Clients verbinden; der von rotctld selbst ist 4533.</translation>
    </message>
    <message>
        <source>rotctld rotor</source>
        <translation>rotctld-Rotor</translation>
    </message>
    <message>
        <source>The rotor that rotctld clients read, turn and stop.</source>
        <translation>Der Rotor, den rotctld-Clients lesen, drehen und stoppen.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Parkrichtung</translation>
    </message>
    <message>
        <source>Where a rotctld client’s park command turns the rotor.</source>
        <translation>Wohin der Park-Befehl eines rotctld-Clients den Rotor dreht.</translation>
    </message>
    <message>
        <source>Re-aim tolerance</source>
        <translation>Nachführtoleranz</translation>
    </message>
    <message>
        <source>A tracker’s target this close to the turn under way, or to the heading of an idle rotor, turns nothing; farther targets turn the rotor at most once a second.</source>
        <translation>Ein Tracker-Ziel so nah an der laufenden Drehung oder an der Richtung eines ruhenden Rotors dreht nichts; weiter entfernte Ziele drehen den Rotor höchstens einmal pro Sekunde.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Start rotctld server</source>
        <translation>rotctld-Server starten</translation>
    </message>
    <message>
        <source>Stop rotctld server</source>
        <translation>rotctld-Server stoppen</translation>
    </message>
    <message>
        <source>Rotctld server status</source>
        <translation>rotctld-Server-Status</translation>
    </message>
    <message>
        <source>Store these settings and serve rotctld clients from this tab.</source>
        <translation>Diese Einstellungen speichern und rotctld-Clients aus diesem Tab bedienen.</translation>
    </message>
    <message>
        <source>Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the same Enable control and heading checks as this window and are logged with the client’s address. A LAN address lets any computer on the network turn the rotor.</source>
        <translation>Satelliten-Tracker, Logger und Dashboards, die das rotctld-Protokoll sprechen, steuern über diesen Tab den gewählten Rotor, z. B. rotctl -m 2 -r 127.0.0.1:4533. Ihre Befehle durchlaufen dieselbe Freigabe und dieselben Richtungsprüfungen wie dieses Fenster und werden mit der Adresse des Clients protokolliert. Mit einer LAN-Adresse kann jeder Computer im Netz den Rotor drehen.</translation>
    </message>
    <message>
        <source>no clients</source>
        <translation>keine Clients</translation>
    </message>
    <message>
        <source>1 client</source>
        <translation>1 Client</translation>
    </message>
    <message numerus="yes">
        <source>%n clients</source>
        <translation>
            <numerusform>%n Client</numerusform>
            <numerusform>%n Clients</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>%1 is the server&apos;s own status, %2 how many clients are connected.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>The rotctld server is not running.</source>
        <translation>Der rotctld-Server läuft nicht.</translation>
    </message>
</context>
<context>
    <name>IntegrationSettingsView</name>
    <message>
        <source>Integrations</source>
        <translation>Integrationen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Store these settings for this server and close.</source>
        <translation>Diese Einstellungen für diesen Server speichern und schließen.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
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
        <translation>WSJT-X-Host</translation>
    </message>
    <message>
        <source>The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1.</source>
        <translation>Die Adresse, an die WSJT-X seine UDP-Meldungen sendet: 127.0.0.1 oder eine Multicast-Gruppe wie 224.0.0.1.</translation>
    </message>
    <message>
        <source>WSJT-X port</source>
        <translation>WSJT-X-Port</translation>
    </message>
    <message>
        <source>WSJT-X&apos;s UDP server port; its own default is 2237.</source>
        <translation>UDP-Server-Port von WSJT-X; dessen Standard ist 2237.</translation>
    </message>
    <message>
        <source>WSJT-X rotor</source>
        <translation>WSJT-X-Rotor</translation>
    </message>
    <message>
        <source>The rotor whose Point at field follows WSJT-X&apos;s DX call and grid.</source>
        <translation>Der Rotor, dessen Feld „Ausrichten auf“ dem DX-Rufzeichen und Locator von WSJT-X folgt.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Start WSJT-X</source>
        <translation>WSJT-X starten</translation>
    </message>
    <message>
        <source>Stop WSJT-X</source>
        <translation>WSJT-X stoppen</translation>
    </message>
    <message>
        <source>WSJT-X status</source>
        <translation>WSJT-X-Status</translation>
    </message>
    <message>
        <source>Store these settings and listen for WSJT-X&apos;s messages.</source>
        <translation>Diese Einstellungen speichern und auf Meldungen von WSJT-X warten.</translation>
    </message>
    <message>
        <source>The chosen rotor&apos;s Point at field follows the DX call and grid of WSJT-X&apos;s status (a grid beats a prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A&apos;s frequency from a logger does. JTDX and similar programs send the same messages.</source>
        <translation>Das Feld „Ausrichten auf“ des gewählten Rotors folgt DX-Rufzeichen und Locator aus dem WSJT-X-Status (ein Locator hat Vorrang vor einem Präfix); gedreht wird erst auf Knopfdruck. Die Dial-Frequenz steuert die Bandautomatik wie die Frequenz von Funkgerät A aus einem Logger. JTDX und ähnliche Programme senden dieselben Meldungen.</translation>
    </message>
    <message>
        <source>WSJT-X is not listened to.</source>
        <translation>WSJT-X wird nicht abgehört.</translation>
    </message>
</context>
<context>
    <name>KeltoClient</name>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connected · live station data</source>
        <translation>Verbunden · Live-Stationsdaten</translation>
    </message>
    <message>
        <source>Enter a hostname and a port from 1 to 65535.</source>
        <translation>Geben Sie einen Hostnamen und einen Port von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Verbinde mit %1:%2…</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>Verbindung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Checking rotctld…</source>
        <translation>Prüfe rotctld…</translation>
    </message>
    <message>
        <source>Checking KT-90 terminal…</source>
        <translation>Prüfe KT-90-Terminal…</translation>
    </message>
    <message>
        <source>Checking OV Varnex server…</source>
        <translation>Prüfe OV-Varnex-Server…</translation>
    </message>
    <message>
        <source>UDP ready to %1:%2</source>
        <translation>UDP bereit für %1:%2</translation>
    </message>
    <message>
        <source>TCP connected to %1:%2</source>
        <translation>TCP verbunden mit %1:%2</translation>
    </message>
    <message>
        <source>Connection unavailable: %1</source>
        <translation>Verbindung nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>rotctld closed the connection.</source>
        <translation>rotctld hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>Server closed the connection.</source>
        <translation>Der Server hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Verbindung verloren: %1</translation>
    </message>
    <message>
        <source>UDP connection lost: %1</source>
        <translation>UDP-Verbindung verloren: %1</translation>
    </message>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation>
            <numerusform>rotctld antwortet nicht mehr: %n Befehl wartet auf Antwort.</numerusform>
            <numerusform>rotctld antwortet nicht mehr: %n Befehle warten auf Antwort.</numerusform>
        </translation>
    </message>
    <message>
        <source>rotctld reported an error: %1 (RPRT %2).</source>
        <translation>rotctld meldet einen Fehler: %1 (RPRT %2).</translation>
    </message>
    <message>
        <source>Checking KT-90 serial port…</source>
        <translation>Prüfe seriellen KT-90-Port…</translation>
    </message>
    <message>
        <source>Opened serial port %1 at %2 baud</source>
        <translation>Serieller Port %1 mit %2 Baud geöffnet</translation>
    </message>
    <message>
        <source>No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN.</source>
        <translation>Keine passende Antwort von Server oder Gerät innerhalb von 10 Sekunden. Serveradresse, Port, LAN oder VPN prüfen.</translation>
    </message>
    <message>
        <source>No server data for 20 seconds. Reconnect to refresh the station.</source>
        <translation>Seit 20 Sekunden keine Serverdaten. Neu verbinden, um die Station zu aktualisieren.</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Senden fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Send failed: the server stopped reading; more than %1 KiB of commands are waiting.</source>
        <translation>Senden fehlgeschlagen: Der Server liest nicht mehr; mehr als %1 KiB Befehle warten.</translation>
    </message>
    <message>
        <source>Discovered %1</source>
        <translation>Gefunden: %1</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message>
        <source>Server connection limit reached.</source>
        <translation>Verbindungslimit des Servers erreicht.</translation>
    </message>
    <message>
        <source>Server requested disconnection.</source>
        <translation>Der Server hat die Trennung angefordert.</translation>
    </message>
    <message>
        <source>The station reports more than %1 devices; the connection was ended.</source>
        <translation>Die Station meldet mehr als %1 Geräte; die Verbindung wurde beendet.</translation>
    </message>
    <message>
        <source>The station&apos;s data exceeds %1 MiB; the connection was ended.</source>
        <translation>Die Daten der Station überschreiten %1 MiB; die Verbindung wurde beendet.</translation>
    </message>
    <message>
        <source>Reading the saved login…</source>
        <translation>Gespeicherte Anmeldung wird gelesen…</translation>
    </message>
    <message>
        <source>Saved login could not be read from the system keychain. Enter your server credentials.</source>
        <translation>Die gespeicherte Anmeldung konnte nicht aus dem Schlüsselbund des Systems gelesen werden. Geben Sie Ihre Serverzugangsdaten ein.</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Authentifizierung…</translation>
    </message>
    <message>
        <source>This server requires a username and password.</source>
        <translation>Dieser Server verlangt Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>Server rejected the username or password. Please try again.</source>
        <translation>Der Server hat Benutzername oder Passwort abgelehnt. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Connected, but the login could not be saved in the system keychain. You may be asked again next time.</source>
        <translation>Verbunden, aber die Anmeldung konnte nicht im Schlüsselbund des Systems gespeichert werden. Beim nächsten Mal werden Sie eventuell erneut gefragt.</translation>
    </message>
    <message>
        <source>not connected to the station</source>
        <translation>nicht mit der Station verbunden</translation>
    </message>
    <message>
        <source>control is off</source>
        <translation>Steuerung nicht freigegeben</translation>
    </message>
    <message>
        <source>rotor not on the station</source>
        <translation>Rotor nicht an der Station</translation>
    </message>
    <message>
        <source>heading is stale</source>
        <translation>Richtung ist veraltet</translation>
    </message>
    <message>
        <source>heading is changing</source>
        <translation>Richtung ändert sich</translation>
    </message>
    <message>
        <source>rotor does not accept a turn</source>
        <translation>Rotor nimmt keine Drehung an</translation>
    </message>
    <message>
        <source>controller has no jog command</source>
        <translation>Steuergerät hat keinen Schrittbefehl</translation>
    </message>
    <message>
        <source>heading is outside the rotor&apos;s limits</source>
        <translation>Richtung liegt außerhalb der Grenzen des Rotors</translation>
    </message>
    <message>
        <source>Turn blocked: control is disabled or heading is stale.</source>
        <translation>Drehung gesperrt: Steuerung nicht freigegeben oder Richtung veraltet.</translation>
    </message>
    <message>
        <source>Turn blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Drehung gesperrt: %1.</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2°</source>
        <translation>Drehung angefordert: %1 → %2°</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2° (for %3°)</source>
        <translation>Drehung angefordert: %1 → %2° (für %3°)</translation>
    </message>
    <message>
        <source>Stop requested: %1</source>
        <translation>Stopp angefordert: %1</translation>
    </message>
    <message>
        <source>Jog blocked: control disabled, stale or moving.</source>
        <translation>Schritt gesperrt: Steuerung nicht freigegeben, veraltet oder in Bewegung.</translation>
    </message>
    <message>
        <source>Jog blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Schritt gesperrt: %1.</translation>
    </message>
    <message>
        <source>Jog requested: %1 CW</source>
        <translation>Schritt angefordert: %1 rechts</translation>
    </message>
    <message>
        <source>Jog requested: %1 CCW</source>
        <translation>Schritt angefordert: %1 links</translation>
    </message>
    <message>
        <source>Preset turn blocked: controls disabled, stale heading, or unknown preset.</source>
        <translation>Preset-Drehung gesperrt: Steuerung nicht freigegeben, Richtung veraltet oder Preset unbekannt.</translation>
    </message>
    <message>
        <source>Preset turn blocked: %1 has limits and the server does not say where “%2” points.</source>
        <translation>Preset-Drehung gesperrt: %1 hat Grenzen, und der Server meldet nicht, wohin „%2“ zeigt.</translation>
    </message>
    <message>
        <source>Preset turn requested: %1 → %2</source>
        <translation>Preset-Drehung angefordert: %1 → %2</translation>
    </message>
    <message>
        <source>Requested server presets</source>
        <translation>Server-Presets angefordert</translation>
    </message>
    <message>
        <source>Rotor lock request blocked: control is disabled or rotor is unavailable.</source>
        <translation>Rotorsperre nicht möglich: Steuerung nicht freigegeben oder Rotor nicht verfügbar.</translation>
    </message>
    <message>
        <source>Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Sperre angefordert: %1. Der Server bestätigt die Inhaberschaft nicht; andere Clients mit derselben IP teilen die Sperre.</translation>
    </message>
    <message>
        <source>Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Entsperren angefordert: %1. Der Server bestätigt die Inhaberschaft nicht; andere Clients mit derselben IP teilen die Sperre.</translation>
    </message>
    <message>
        <source>Stack command blocked: controls disabled or unavailable status.</source>
        <translation>Stack-Befehl gesperrt: Steuerung nicht freigegeben oder Status nicht verfügbar.</translation>
    </message>
    <message>
        <source>Stack requested: %1 on</source>
        <translation>Stack angefordert: %1 ein</translation>
    </message>
    <message>
        <source>Stack requested: %1 off</source>
        <translation>Stack angefordert: %1 aus</translation>
    </message>
    <message>
        <source>Switch blocked: controls disabled, stale status, locked position, or incompatible command.</source>
        <translation>Umschalten gesperrt: Steuerung nicht freigegeben, Status veraltet, Stellung gesperrt oder Befehl nicht passend.</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2</source>
        <translation>Umschalten angefordert: %1 → %2</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 on</source>
        <translation>Umschalten angefordert: %1 → %2 ein</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 off</source>
        <translation>Umschalten angefordert: %1 → %2 aus</translation>
    </message>
    <message>
        <source>Tuner position requested: %1 → %2</source>
        <translation>Tunerstellung angefordert: %1 → %2</translation>
    </message>
    <message>
        <source>Tuner adjustment requested: %1 / %2</source>
        <translation>Tuner-Abstimmung angefordert: %1 / %2</translation>
    </message>
    <message>
        <source>Tuner calibration requested: %1 / %2</source>
        <translation>Tuner-Kalibrierung angefordert: %1 / %2</translation>
    </message>
    <message>
        <source>Disconnected · last known station</source>
        <translation>Getrennt · zuletzt bekannte Station</translation>
    </message>
</context>
<context>
    <name>KeyBinding</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Rotate</source>
        <extracomment>Key action: turn the rotor to the binding&apos;s heading.</extracomment>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>CW</source>
        <extracomment>Key action: jog the rotor clockwise.</extracomment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>CCW</source>
        <extracomment>Key action: jog the rotor counterclockwise.</extracomment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Key action, a verb: turn the rotor to its park heading.</extracomment>
        <translation>Parken</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Short Path drehen</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Long Path drehen</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Key action: select the binding&apos;s switch or tuner position.</extracomment>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Key action: step to the next switch position.</extracomment>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Key action: step to the previous switch position.</extracomment>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Key action: turn a stack output on or off.</extracomment>
        <translation>Ein/Aus</translation>
    </message>
</context>
<context>
    <name>KeychainError</name>
    <message>
        <source>Keychain error (%1).</source>
        <translation>Schlüsselbund-Fehler (%1).</translation>
    </message>
</context>
<context>
    <name>LandData</name>
    <message>
        <source>The land outline file is damaged: it is not a land outline file.</source>
        <translation>Die Landumriss-Datei ist beschädigt: Es ist keine Landumriss-Datei.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its version %1 is not known.</source>
        <translation>Die Landumriss-Datei ist beschädigt: Die Version %1 ist unbekannt.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: it claims more outlines than any map holds.</source>
        <translation>Die Landumriss-Datei ist beschädigt: Die Datei gibt mehr Umrisse an, als eine Karte enthält.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its length does not match its header.</source>
        <translation>Die Landumriss-Datei ist beschädigt: Die Länge passt nicht zum Header.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 has a wrong number of points.</source>
        <translation>Die Landumriss-Datei ist beschädigt: Umriss %1 hat eine falsche Punktzahl.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 leaves the globe.</source>
        <translation>Die Landumriss-Datei ist beschädigt: Umriss %1 verlässt den Globus.</translation>
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
        <translation>Geräte-Layout und Bandfilter</translation>
    </message>
    <message>
        <source>Show devices for the current logger band</source>
        <translation>Geräte für aktuelles Logger-Band zeigen</translation>
    </message>
    <message>
        <source>Show only the devices listed for the band the logger’s radio is on.</source>
        <translation>Nur die Geräte zeigen, die für das Band des Logger-Funkgeräts eingetragen sind.</translation>
    </message>
    <message>
        <source>Band source</source>
        <translation>Bandquelle</translation>
    </message>
    <message>
        <source>The radio whose frequency names the current band.</source>
        <translation>Das Funkgerät, dessen Frequenz das aktuelle Band bestimmt.</translation>
    </message>
    <message>
        <source>Rotor card width</source>
        <translation>Breite Rotor-Bedienfeld</translation>
    </message>
    <message>
        <source>Width of the rotor cards, from %1 to %2 points.</source>
        <translation>Breite der Rotor-Bedienfelder, von %1 bis %2 Punkt.</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message>
        <source>The colour along the top of every card.</source>
        <translation>Die Farbe am oberen Rand jedes Bedienfelds.</translation>
    </message>
    <message>
        <source>Leave bands blank to show a device on all bands. Use comma-separated names such as 20m, 40m. Lower order numbers appear first. Devices remain visible when no logger band is known.</source>
        <translation>Bänder leer lassen, um ein Gerät auf allen Bändern zu zeigen. Kommagetrennte Namen wie 20m, 40m verwenden. Niedrigere Nummern erscheinen zuerst. Geräte bleiben sichtbar, solange kein Logger-Band bekannt ist.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the layout editor.</source>
        <translation>Den Layout-Editor schließen.</translation>
    </message>
    <message>
        <source>Save layout</source>
        <translation>Layout speichern</translation>
    </message>
    <message>
        <source>Discard layout changes?</source>
        <translation>Layout-Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>The changes to this layout have not been saved.</source>
        <translation>Die Änderungen an diesem Layout wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>The station has reported no devices yet.</source>
        <translation>Die Station hat noch keine Geräte gemeldet.</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>Column heading: where the device&apos;s card comes among the others.</extracomment>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bänder</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 zeigen</translation>
    </message>
    <message>
        <source>Show the card of %1.</source>
        <translation>Das Bedienfeld von %1 zeigen.</translation>
    </message>
    <message>
        <source>Bands for %1</source>
        <translation>Bänder für %1</translation>
    </message>
    <message>
        <source>All bands</source>
        <translation>Alle Bänder</translation>
    </message>
    <message>
        <source>Comma-separated band names such as 20m, 40m; blank for all bands.</source>
        <translation>Kommagetrennte Bandnamen wie 20m, 40m; leer für alle Bänder.</translation>
    </message>
    <message>
        <source>Order of %1</source>
        <translation>Reihenfolge von %1</translation>
    </message>
    <message>
        <source>Lower order numbers appear first.</source>
        <translation>Niedrigere Nummern erscheinen zuerst.</translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation>Funkgerät A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>Funkgerät B</translation>
    </message>
    <message>
        <source>Either radio</source>
        <translation>Beide Funkgeräte</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Use this layout now and keep it for this server.</source>
        <translation>Dieses Layout jetzt verwenden und für diesen Server behalten.</translation>
    </message>
    <message>
        <source>Nothing has changed since the layout was saved.</source>
        <translation>Seit dem Speichern des Layouts hat sich nichts geändert.</translation>
    </message>
</context>
<context>
    <name>LineDecoder</name>
    <message>
        <source>Invalid server text encoding.</source>
        <translation>Ungültige Textkodierung vom Server.</translation>
    </message>
    <message>
        <source>Server message exceeds the size limit.</source>
        <translation>Servermeldung überschreitet die Größengrenze.</translation>
    </message>
</context>
<context>
    <name>LiveLogView</name>
    <message>
        <source>No connection activity yet.</source>
        <translation>Noch keine Verbindungsaktivität.</translation>
    </message>
    <message>
        <source>Connection and command log</source>
        <translation>Verbindungs- und Befehlsprotokoll</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the log window (Escape).</source>
        <translation>Das Protokollfenster schließen (Escape).</translation>
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
        <translation>Die Protokolldatei hat %1 MiB erreicht; weitere Zeilen werden nicht hineingeschrieben.</translation>
    </message>
</context>
<context>
    <name>LoggerKind</name>
    <message>
        <source>Keyboard UDP</source>
        <translation>Tastatur-UDP</translation>
    </message>
</context>
<context>
    <name>LoggerTransport</name>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Starte…</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Geben Sie einen gültigen Host und Port ein.</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Empfangsbereit auf %1:%2</translation>
    </message>
    <message>
        <source>Connected to N3FJP</source>
        <translation>Mit N3FJP verbunden</translation>
    </message>
    <message>
        <source>Logger connection timed out.</source>
        <translation>Zeitüberschreitung der Logger-Verbindung.</translation>
    </message>
    <message>
        <source>Logger frame too large.</source>
        <translation>Logger-Frame zu groß.</translation>
    </message>
    <message>
        <source>Logger disconnected.</source>
        <translation>Logger getrennt.</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>Verbindungs&amp;protokoll</translation>
    </message>
    <message>
        <source>&amp;World map</source>
        <translation>&amp;Weltkarte</translation>
    </message>
    <message>
        <source>&amp;Remote access…</source>
        <translation>&amp;Fernzugriff…</translation>
    </message>
    <message>
        <source>&amp;Country file…</source>
        <translation>&amp;Länderdatei…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Xalto Station Control</source>
        <translation>Ü&amp;ber Xalto Station Control</translation>
    </message>
    <message>
        <source>About Xalto Station Control</source>
        <translation>Über Xalto Station Control</translation>
    </message>
    <message>
        <source>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</source>
        <translation>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</translation>
    </message>
    <message>
        <source>Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners.&lt;br&gt;&lt;br&gt;Free software under the GNU General Public License, version 3 or later.&lt;br&gt;Map data and place search © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;.&lt;br&gt;World map land: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Built with Qt %1, running on Qt %2.</source>
        <translation>Stationssteuerung für Funkamateure: Rotoren, Antennenumschalter, Stack-Ausgänge und Tuner.&lt;br&gt;&lt;br&gt;Freie Software unter der GNU General Public License, Version 3 oder neuer.&lt;br&gt;Kartendaten und Ortssuche © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap-Mitwirkende&lt;/a&gt;.&lt;br&gt;Landflächen der Weltkarte: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Erstellt mit Qt %1, läuft unter Qt %2.</translation>
    </message>
</context>
<context>
    <name>NominatimPlaceSearch</name>
    <message>
        <source>The address lookup service “%1” is not a web address.</source>
        <translation>Der Adresssuchdienst „%1“ ist keine Webadresse.</translation>
    </message>
    <message>
        <source>The address lookup service answered %1 %2.</source>
        <translation>Der Adresssuchdienst antwortete %1 %2.</translation>
    </message>
    <message>
        <source>The address lookup failed: %1.</source>
        <translation>Die Adresssuche ist fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>The address lookup service sent an answer that could not be read.</source>
        <translation>Der Adresssuchdienst hat eine unlesbare Antwort gesendet.</translation>
    </message>
</context>
<context>
    <name>OVVProtocol</name>
    <message>
        <source>This server uses Windows text encoding; a character cannot be represented.</source>
        <translation>Dieser Server verwendet Windows-Textkodierung; ein Zeichen kann nicht dargestellt werden.</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>Control</source>
        <extracomment>Role of a paired phone: it may turn rotors and switch antennas</extracomment>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>Role of a paired phone: it may only look</extracomment>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Smartphone</translation>
    </message>
</context>
<context>
    <name>PhidgetEncoder</name>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Enter a device serial number and valid channel.</source>
        <translation>Geben Sie eine Seriennummer und einen gültigen Kanal ein.</translation>
    </message>
</context>
<context>
    <name>PhidgetFunctions</name>
    <message>
        <source>Missing Phidget22 function: %1</source>
        <translation>Phidget22-Funktion fehlt: %1</translation>
    </message>
</context>
<context>
    <name>PointAtPanel</name>
    <message>
        <source>Point at</source>
        <translation>Ausrichten auf</translation>
    </message>
    <message>
        <source>Point %1 at</source>
        <translation>%1 ausrichten auf</translation>
    </message>
    <message>
        <source>Call, prefix or locator</source>
        <translation>Rufzeichen, Präfix oder Locator</translation>
    </message>
    <message>
        <source>Point-at place for %1</source>
        <translation>Zielort für %1</translation>
    </message>
    <message>
        <source>Point-at source for %1</source>
        <translation>Zielquelle für %1</translation>
    </message>
    <message>
        <source>Short path for %1</source>
        <translation>Short Path für %1</translation>
    </message>
    <message>
        <source>Long path for %1</source>
        <translation>Long Path für %1</translation>
    </message>
    <message>
        <source>Point-at note for %1</source>
        <translation>Hinweis zum Ziel für %1</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Short Path drehen</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Long Path drehen</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Long</translation>
    </message>
    <message>
        <source>Turn when the DX call changes</source>
        <translation>Bei neuem DX-Rufzeichen drehen</translation>
    </message>
    <message>
        <source>Turn %1 when the DX call changes</source>
        <translation>%1 bei neuem DX-Rufzeichen drehen</translation>
    </message>
    <message>
        <source>When WSJT-X reports a new DX call for %1, turn the short path at once, through the same guards as the buttons.</source>
        <translation>Meldet WSJT-X ein neues DX-Rufzeichen für %1, sofort auf Short Path drehen, mit denselben Prüfungen wie die Schaltflächen.</translation>
    </message>
</context>
<context>
    <name>PointAtState</name>
    <message>
        <source>Call sign, prefix or locator; Return turns the short path.</source>
        <translation>Rufzeichen, Präfix oder Locator; Return dreht auf Short Path.</translation>
    </message>
    <message>
        <source>This rotor has no position: set its tower location, or give the server profile a site.</source>
        <translation>Dieser Rotor hat keine Position: Maststandort festlegen oder dem Serverprofil einen Standort geben.</translation>
    </message>
    <message>
        <source>Turn %1 to the short path of the target.</source>
        <translation>%1 auf Short Path zum Ziel drehen.</translation>
    </message>
    <message>
        <source>Turn %1 to the long path of the target.</source>
        <translation>%1 auf Long Path zum Ziel drehen.</translation>
    </message>
    <message>
        <source>Near the antipode of the tower: every heading is about as short, so the bearing means little.</source>
        <translation>Nahe dem Antipoden des Masts: Jede Richtung ist etwa gleich kurz, die Peilung sagt wenig aus.</translation>
    </message>
    <message>
        <source>No heading can be worked out for this place.</source>
        <translation>Für diesen Ort lässt sich keine Richtung berechnen.</translation>
    </message>
    <message>
        <source>No position for %1: place its tower with “Set tower location…” to point at stations.</source>
        <translation>Keine Position für %1: Mast mit „Maststandort festlegen…“ platzieren, um Stationen anzupeilen.</translation>
    </message>
    <message>
        <source>This rotor has no position.</source>
        <translation>Dieser Rotor hat keine Position.</translation>
    </message>
    <message>
        <source>Type a call sign, prefix or locator that resolves.</source>
        <translation>Geben Sie ein auflösbares Rufzeichen, Präfix oder einen Locator ein.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
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
        <translation>Long Path zu %1</translation>
    </message>
    <message>
        <source>short path to %1</source>
        <translation>Short Path zu %1</translation>
    </message>
</context>
<context>
    <name>PositionButton</name>
    <message>
        <source>Encoder preview</source>
        <translation>Drehgeber-Vorschau</translation>
    </message>
</context>
<context>
    <name>PositionState</name>
    <message>
        <source>Encoder preview: press the encoder button or Apply to send it.</source>
        <translation>Drehgeber-Vorschau: Drehgeber-Taster oder „Anwenden“ drücken, um sie zu senden.</translation>
    </message>
</context>
<context>
    <name>PresetEditorDialog</name>
    <message>
        <source>Presets for %1 · Enter a name and heading for this rotor.</source>
        <translation>Presets für %1 · Namen und Richtung für diesen Rotor eingeben.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Preset-Name</translation>
    </message>
    <message>
        <source>The name shown on the preset’s button.</source>
        <translation>Der Name auf der Schaltfläche des Presets.</translation>
    </message>
    <message>
        <source>Target heading (°)</source>
        <translation>Zielrichtung (°)</translation>
    </message>
    <message>
        <source>Preset target heading</source>
        <translation>Zielrichtung des Presets</translation>
    </message>
    <message>
        <source>Heading in degrees, from 0 to 360.</source>
        <translation>Richtung in Grad, von 0 bis 360.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add this preset to %1.</source>
        <translation>Dieses Preset zu %1 hinzufügen.</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Keine Presets eingerichtet</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Close the preset editor.</source>
        <translation>Den Preset-Editor schließen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove the preset %1.</source>
        <translation>Das Preset %1 entfernen.</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Edit Server</source>
        <translation>Server bearbeiten</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Server hinzufügen</translation>
    </message>
    <message>
        <source>Enter a profile name.</source>
        <translation>Geben Sie einen Profilnamen ein.</translation>
    </message>
    <message>
        <source>Enter the serial device without spaces.</source>
        <translation>Geben Sie das serielle Gerät ohne Leerzeichen ein.</translation>
    </message>
    <message>
        <source>Enter a hostname or IP address without spaces.</source>
        <translation>Geben Sie einen Hostnamen oder eine IP-Adresse ohne Leerzeichen ein.</translation>
    </message>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Wählen Sie einen seriellen Port unter /dev/ und eine unterstützte Baudrate.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>Geben Sie einen Port von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Geben Sie beide Koordinaten innerhalb der angezeigten Bereiche ein.</translation>
    </message>
    <message>
        <source>The site address did not identify one location. Enter a fuller address or latitude and longitude.</source>
        <translation>Die Standortadresse ergab keinen eindeutigen Ort. Geben Sie eine vollständigere Adresse oder Breite und Länge ein.</translation>
    </message>
    <message>
        <source>Site coordinates are outside the supported map range.</source>
        <translation>Die Standortkoordinaten liegen außerhalb des unterstützten Kartenbereichs.</translation>
    </message>
    <message>
        <source>“%1” is saved. This tab stays connected to its server: choose “%1” in the server menu once it is disconnected, or use “Additional Server” to open it in a tab of its own.</source>
        <extracomment>“Additional Server” is the header button of that name</extracomment>
        <translation>„%1“ ist gespeichert. Dieser Tab bleibt mit seinem Server verbunden: Wählen Sie „%1“ im Servermenü, sobald er getrennt ist, oder öffnen Sie es mit „Weiterer Server“ in einem eigenen Tab.</translation>
    </message>
    <message>
        <source>The server could not be verified.</source>
        <translation>Der Server konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Settings exported.</source>
        <translation>Einstellungen exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation>
            <numerusform>Gespeicherte Einstellungen durch %n Serverprofil aus dieser Datei ersetzen? Dies ersetzt Ihre gespeicherte Konfiguration und trennt offene Verbindungen. Passwörter werden nicht importiert.</numerusform>
            <numerusform>Gespeicherte Einstellungen durch %n Serverprofile aus dieser Datei ersetzen? Dies ersetzt Ihre gespeicherte Konfiguration und trennt offene Verbindungen. Passwörter werden nicht importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings imported. Connections remain disconnected.</source>
        <translation>Einstellungen importiert. Verbindungen bleiben getrennt.</translation>
    </message>
</context>
<context>
    <name>ProfileManagerDialog</name>
    <message>
        <source>Hostname or IP address</source>
        <translation>Hostname oder IP-Adresse</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 serial device</source>
        <translation>Serielles Gerät /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the server editor.</source>
        <translation>Den Server-Editor schließen.</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>Connect to any compatible OV Varnex server. Rotators are discovered automatically.</source>
        <translation>Mit einem kompatiblen OV-Varnex-Server verbinden. Rotoren werden automatisch erkannt.</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Saved servers, in the order they were added. Choose one to edit it.</source>
        <translation>Gespeicherte Server in der Reihenfolge ihres Hinzufügens. Zum Bearbeiten einen auswählen.</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>Neuer Server</translation>
    </message>
    <message>
        <source>Start a new server profile.</source>
        <translation>Ein neues Serverprofil beginnen.</translation>
    </message>
    <message>
        <source>Remove saved server</source>
        <translation>Gespeicherten Server entfernen</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>The name shown in the server menu and on the tab.</source>
        <translation>Der Name im Servermenü und auf dem Tab.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Verbindungsart</translation>
    </message>
    <message>
        <source>How this computer reaches the station: an OV Varnex server, a KT-90 controller over TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld.</source>
        <translation>Wie dieser Computer die Station erreicht: ein OV-Varnex-Server, ein KT-90-Steuergerät über TCP, UDP oder seriellen Port, oder ein Rotor hinter einem Hamlib-rotctld.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Street address</source>
        <translation>Straßenadresse</translation>
    </message>
    <message>
        <source>The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved.</source>
        <translation>Die Straßenadresse des Standorts. Ohne Koordinaten wird sie beim Speichern in OpenStreetMap nachgeschlagen.</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Breite (−85…85)</translation>
    </message>
    <message>
        <source>Site latitude in degrees, from −85 to 85.</source>
        <translation>Breitengrad des Standorts in Grad, von −85 bis 85.</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Länge (−180…180)</translation>
    </message>
    <message>
        <source>Site longitude in degrees, from −180 to 180.</source>
        <translation>Längengrad des Standorts in Grad, von −180 bis 180.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Geben Sie beide Koordinaten innerhalb der angezeigten Bereiche ein.</translation>
    </message>
    <message>
        <source>Addresses are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Adressen werden in OpenStreetMap-Daten nachgeschlagen. Deren Copyright-Seite öffnen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Site Location (optional)</source>
        <translation>Standort (optional)</translation>
    </message>
    <message>
        <source>Coordinates provide the starting map location for this server’s rotors. Adjust each tower on the main screen; existing tower positions are preserved. Address-only entries are looked up with OpenStreetMap when saved.</source>
        <translation>Koordinaten geben den Start-Kartenort für die Rotoren dieses Servers vor. Jeden Mast im Hauptfenster anpassen; vorhandene Mastpositionen bleiben erhalten. Einträge nur mit Adresse werden beim Speichern in OpenStreetMap nachgeschlagen.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Save all saved server settings to a settings file.</source>
        <translation>Alle gespeicherten Servereinstellungen in eine Einstellungsdatei speichern.</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Replace the saved settings with those of a settings file, after asking.</source>
        <translation>Die gespeicherten Einstellungen nach Rückfrage durch die einer Einstellungsdatei ersetzen.</translation>
    </message>
    <message>
        <source>Export includes all saved server settings, locations, presets, layouts and integrations. Passwords remain in the system keychain.</source>
        <translation>Der Export umfasst alle gespeicherten Servereinstellungen, Standorte, Presets, Layouts und Integrationen. Passwörter bleiben im Schlüsselbund des Systems.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Prüfung läuft</translation>
    </message>
    <message>
        <source>Checking server and site location…</source>
        <translation>Prüfe Server und Standort…</translation>
    </message>
    <message>
        <source>Cancel check</source>
        <translation>Prüfung abbrechen</translation>
    </message>
    <message>
        <source>Stop checking. Nothing is saved and your edits stay.</source>
        <translation>Prüfung beenden. Nichts wird gespeichert, Ihre Änderungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Path of the controller’s serial device, such as /dev/ttyUSB0.</source>
        <translation>Pfad des seriellen Geräts des Steuergeräts, z. B. /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Host name or IP address of the station server, KT-90 controller or rotctld.</source>
        <translation>Hostname oder IP-Adresse des Stationsservers, KT-90-Steuergeräts oder rotctld.</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.</source>
        <translation>Baudrate des seriellen Ports: 4800, 9600, 19200, 38400, 57600 oder 115200.</translation>
    </message>
    <message>
        <source>TCP or UDP port of the server, from 1 to 65535.</source>
        <translation>TCP- oder UDP-Port des Servers, von 1 bis 65535.</translation>
    </message>
    <message>
        <source>4533, rotctld’s usual port</source>
        <translation>4533, der übliche Port von rotctld</translation>
    </message>
    <message>
        <source>Check that the server answers, then save this profile.</source>
        <translation>Prüfen, ob der Server antwortet, dann dieses Profil speichern.</translation>
    </message>
    <message>
        <source>Choose a saved server to remove it.</source>
        <translation>Einen gespeicherten Server wählen, um ihn zu entfernen.</translation>
    </message>
    <message>
        <source>Unsaved details</source>
        <translation>Ungespeicherte Angaben</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Keep editing to save them, or discard them to continue.</source>
        <translation>Ihre Änderungen wurden nicht gespeichert. Weiter bearbeiten, um sie zu speichern, oder verwerfen, um fortzufahren.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Could not save server</source>
        <translation>Server konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Import saved settings?</source>
        <translation>Gespeicherte Einstellungen importieren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Settings transfer</source>
        <translation>Einstellungsübertragung</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSheet</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Nur dieser Computer (127.0.0.1)</translation>
    </message>
    <message>
        <source>The network, at %1</source>
        <translation>Das Netzwerk, unter %1</translation>
    </message>
    <message>
        <source>Serve the remote page</source>
        <translation>Fernzugriffsseite bereitstellen</translation>
    </message>
    <message>
        <source>Phones and tablets that are paired watch the station and, in the Control role, turn rotors and select antennas.</source>
        <translation>Gekoppelte Smartphones und Tablets beobachten die Station und können in der Rolle „Steuern“ Rotoren drehen und Antennen wählen.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Give the selected device another name.</source>
        <translation>Dem gewählten Gerät einen anderen Namen geben.</translation>
    </message>
    <message>
        <source>Change role</source>
        <translation>Rolle ändern</translation>
    </message>
    <message>
        <source>Switch the selected device between Watch and Control.</source>
        <translation>Das gewählte Gerät zwischen „Beobachten“ und „Steuern“ umschalten.</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Unpair the selected device and close its page at once.</source>
        <translation>Das gewählte Gerät entkoppeln und seine Seite sofort schließen.</translation>
    </message>
    <message>
        <source>Remote access</source>
        <translation>Fernzugriff</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Lauschen auf</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Page open</source>
        <translation>Seite offen</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Gekoppelt</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>None: plain HTTP</source>
        <translation>Keines: einfaches HTTP</translation>
    </message>
    <message>
        <source>TLS certificate (PEM)</source>
        <translation>TLS-Zertifikat (PEM)</translation>
    </message>
    <message>
        <source>TLS certificate</source>
        <translation>TLS-Zertifikat</translation>
    </message>
    <message>
        <source>Choose the TLS certificate file.</source>
        <translation>Die TLS-Zertifikatsdatei wählen.</translation>
    </message>
    <message>
        <source>TLS private key (PEM)</source>
        <translation>Privater TLS-Schlüssel (PEM)</translation>
    </message>
    <message>
        <source>TLS private key</source>
        <translation>Privater TLS-Schlüssel</translation>
    </message>
    <message>
        <source>Choose the TLS private key file.</source>
        <translation>Die Datei mit dem privaten TLS-Schlüssel wählen.</translation>
    </message>
    <message>
        <source>Open on the phone</source>
        <translation>Auf dem Smartphone öffnen</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Kopplungscode</translation>
    </message>
    <message>
        <source>Type it on the page within five minutes, or scan the QR code: it carries the code too. A new code comes after five wrong tries.</source>
        <translation>Innerhalb von fünf Minuten auf der Seite eingeben oder den QR-Code scannen: Er enthält den Code ebenfalls. Nach fünf Fehlversuchen kommt ein neuer Code.</translation>
    </message>
    <message>
        <source>Without TLS anyone on the network can read the traffic between the page and this computer, the pairing code and the device tokens included. Open it to the network only on one you trust, or choose a certificate and key: the page is then served over HTTPS only.</source>
        <translation>Ohne TLS kann jeder im Netzwerk den Verkehr zwischen der Seite und diesem Computer mitlesen, einschließlich Kopplungscode und Geräte-Token. Nur für ein vertrauenswürdiges Netzwerk öffnen, oder Zertifikat und Schlüssel wählen: Die Seite wird dann nur über HTTPS ausgeliefert.</translation>
    </message>
    <message>
        <source>Paired devices</source>
        <translation>Gekoppelte Geräte</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM-Dateien (*.pem *.crt *.key);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Pairing code %1</source>
        <translation>Kopplungscode %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>QR-Code von %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Rename device</source>
        <translation>Gerät umbenennen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>ALLES STOPP</translation>
    </message>
    <message>
        <source>Pair this device</source>
        <translation>Dieses Gerät koppeln</translation>
    </message>
    <message>
        <source>Open Remote access in the Window menu on the desktop and type the six-digit code it shows.</source>
        <translation>Auf dem Desktop im Menü „Fenster“ „Fernzugriff“ öffnen und den dort angezeigten sechsstelligen Code eingeben.</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Kopplungscode</translation>
    </message>
    <message>
        <source>Name of this device</source>
        <translation>Name dieses Geräts</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Koppeln</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Compass letters on the phone&apos;s dial</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Target °</source>
        <translation>Ziel °</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Zielrichtung für %1</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Richtung %1</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Lokale Presets</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Server-Presets</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Live · %1</source>
        <extracomment>The page&apos;s link state: &quot;Live · Control&quot; or &quot;Live · Watch&quot;, %1 the device&apos;s role</extracomment>
        <translation>Live · %1</translation>
    </message>
    <message>
        <source>Control</source>
        <extracomment>A paired device&apos;s role: it may command</extracomment>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A paired device&apos;s role: it may only watch</extracomment>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Dieses Gerät darf nur beobachten: Der Operator kann ihm auf dem Desktop die Rolle „Steuern“ geben.</translation>
    </message>
    <message>
        <source>Pairing failed.</source>
        <translation>Kopplung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The desktop cannot be reached.</source>
        <translation>Der Desktop ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>No PEM certificate in %1</source>
        <translation>Kein PEM-Zertifikat in %1</translation>
    </message>
    <message>
        <source>Cannot read the private key %1</source>
        <translation>Privater Schlüssel %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>No unencrypted PEM private key in %1</source>
        <translation>Kein unverschlüsselter privater PEM-Schlüssel in %1</translation>
    </message>
    <message>
        <source>Not an address of this computer: %1</source>
        <translation>Keine Adresse dieses Computers: %1</translation>
    </message>
    <message>
        <source>Port %1 is in use.</source>
        <translation>Port %1 ist belegt.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Lauschen nicht möglich: %1</translation>
    </message>
    <message>
        <source>Listening on %1 (TLS)</source>
        <translation>Empfangsbereit auf %1 (TLS)</translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation>Empfangsbereit auf %1</translation>
    </message>
    <message>
        <source>remote: %1</source>
        <extracomment>Who sent a command, shown in the log after it: &quot;(remote: Shack tablet)&quot;</extracomment>
        <translation>Fernzugriff: %1</translation>
    </message>
    <message>
        <source>Too many tries. Wait a minute, then type the code shown on the desktop.</source>
        <translation>Zu viele Versuche. Eine Minute warten, dann den auf dem Desktop angezeigten Code eingeben.</translation>
    </message>
    <message>
        <source>That code has expired. Type the new code shown on the desktop.</source>
        <translation>Dieser Code ist abgelaufen. Den neuen, auf dem Desktop angezeigten Code eingeben.</translation>
    </message>
    <message>
        <source>Wrong code. Type the code shown in Remote access on the desktop.</source>
        <translation>Falscher Code. Den unter „Fernzugriff“ auf dem Desktop angezeigten Code eingeben.</translation>
    </message>
    <message>
        <source>Too many commands: this one was dropped.</source>
        <translation>Zu viele Befehle: Dieser wurde verworfen.</translation>
    </message>
    <message>
        <source>The page sent a message the desktop does not understand.</source>
        <translation>Die Seite hat eine Nachricht gesendet, die der Desktop nicht versteht.</translation>
    </message>
    <message>
        <source>That tab is no longer open on the desktop.</source>
        <translation>Dieser Tab ist auf dem Desktop nicht mehr geöffnet.</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Geben Sie eine Zielrichtung von 0 bis 360 ein.</translation>
    </message>
    <message>
        <source>The desktop refused to turn %1.</source>
        <translation>Der Desktop hat das Drehen von %1 abgelehnt.</translation>
    </message>
    <message>
        <source>The desktop refused to stop %1.</source>
        <translation>Der Desktop hat das Stoppen von %1 abgelehnt.</translation>
    </message>
</context>
<context>
    <name>RemoteState</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinde</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Dieses Gerät darf nur beobachten: Der Operator kann ihm auf dem Desktop die Rolle „Steuern“ geben.</translation>
    </message>
    <message>
        <source>Control is off on the desktop for this tab.</source>
        <translation>Die Steuerung ist für diesen Tab auf dem Desktop nicht freigegeben.</translation>
    </message>
</context>
<context>
    <name>ResolvedPlace</name>
    <message>
        <source>exact call</source>
        <extracomment>How the place was found: from the call itself, its prefix, its call area or a grid locator.</extracomment>
        <translation>genaues Rufzeichen</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>call area</source>
        <translation>Rufzeichengebiet</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>Locator</translation>
    </message>
</context>
<context>
    <name>RotctldFramer</name>
    <message>
        <source>rotctld line exceeds %1 bytes.</source>
        <translation>rotctld-Zeile überschreitet %1 Byte.</translation>
    </message>
</context>
<context>
    <name>RotctldProtocol</name>
    <message>
        <source>Enter a heading from -180 to 540.</source>
        <translation>Geben Sie eine Richtung von -180 bis 540 ein.</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>ungültiger Parameter</translation>
    </message>
    <message>
        <source>invalid configuration</source>
        <translation>ungültige Konfiguration</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>nicht implementiert</translation>
    </message>
    <message>
        <source>the rotator did not answer in time</source>
        <translation>der Rotor hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>input or output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>interner Fehler</translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation>Protokollfehler</translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation>Befehl abgelehnt</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>communication bus error</source>
        <translation>Fehler am Kommunikationsbus</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>Wert außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>the rotator is not powered on</source>
        <translation>der Rotor ist nicht eingeschaltet</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>RotctldReplyReader</name>
    <message>
        <source>rotctld sent an answer this program cannot read.</source>
        <translation>rotctld hat eine Antwort gesendet, die dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>rotctld sent an answer to no command.</source>
        <translation>rotctld hat eine Antwort ohne Befehl gesendet.</translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Geben Sie einen gültigen Host und Port ein.</translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation>Port belegt</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Empfangsbereit auf %1:%2</translation>
    </message>
    <message>
        <source>rotctld client %1</source>
        <extracomment>Who sent a command, shown after it in the connection log; %1 is the client&apos;s address and port.</extracomment>
        <translation>rotctld-Client %1</translation>
    </message>
</context>
<context>
    <name>Rotor</name>
    <message>
        <source>Awaiting heading</source>
        <translation>Warten auf Richtung</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Turning clockwise</source>
        <translation>Dreht im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Turning counterclockwise</source>
        <translation>Dreht gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>Reagiert nicht</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Nur lesend</translation>
    </message>
    <message>
        <source>Fixed antenna</source>
        <translation>Feste Antenne</translation>
    </message>
    <message>
        <source>Cloned antenna</source>
        <translation>Geklonte Antenne</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>Status %1</translation>
    </message>
    <message>
        <source>Heading changing</source>
        <translation>Richtung ändert sich</translation>
    </message>
</context>
<context>
    <name>RotorCard</name>
    <message>
        <source>N</source>
        <extracomment>North, on the quick heading button &quot;N 0°&quot;</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, on the quick heading button &quot;E 90°&quot;</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, on the quick heading button &quot;S 180°&quot;</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, on the quick heading button &quot;W 270°&quot;</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>Rotor settings…</source>
        <translation>Rotoreinstellungen…</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Rotoreinstellungen für %1</translation>
    </message>
    <message>
        <source>Heading of %1</source>
        <translation>Richtung von %1</translation>
    </message>
    <message>
        <source>Heading dial for %1</source>
        <translation>Richtungsanzeige für %1</translation>
    </message>
    <message>
        <source>Set tower location…</source>
        <translation>Maststandort festlegen…</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Zielrichtung für %1</translation>
    </message>
    <message>
        <source>Fill the target heading; press Rotate or Return to move.</source>
        <translation>Zielrichtung eintragen; „Drehen“ oder Return startet die Drehung.</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>Encoder preview for %1</source>
        <translation>Drehgeber-Vorschau für %1</translation>
    </message>
    <message>
        <source>Heading previewed with the rotary encoder; press the encoder button or Apply to turn.</source>
        <translation>Mit dem Drehgeber vorgewählte Richtung; Drehgeber-Taster oder „Anwenden“ drücken, um zu drehen.</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Verb: turn the rotor to its park heading</extracomment>
        <translation>Parken</translation>
    </message>
    <message>
        <source>Park %1</source>
        <translation>%1 parken</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A compass point and its heading on a quick heading button, &quot;N 0°&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Put %1 in the target heading.</source>
        <translation>%1 als Zielrichtung eintragen.</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Verwalten…</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Presets für %1 verwalten</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Lokale Presets</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Keine Presets eingerichtet</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Server-Presets</translation>
    </message>
    <message>
        <source>Request lock</source>
        <translation>Sperre anfordern</translation>
    </message>
    <message>
        <source>Release lock</source>
        <translation>Sperre freigeben</translation>
    </message>
    <message>
        <source>Server does not report ownership or rejected commands. Locks share the client IP and do not protect server presets. Disconnect releases locks for that IP.</source>
        <translation>Der Server meldet weder Inhaberschaft noch abgelehnte Befehle. Sperren gelten für die Client-IP und schützen keine Server-Presets. Trennen gibt die Sperren dieser IP frei.</translation>
    </message>
    <message>
        <source>Encoder preview: %1</source>
        <translation>Drehgeber-Vorschau: %1</translation>
    </message>
    <message>
        <source>%1 heading %2</source>
        <translation>%1 Richtung %2</translation>
    </message>
    <message>
        <source>%1 heading %2, %3</source>
        <translation>%1 Richtung %2, %3</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A local preset&apos;s button: its name and heading</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Place %1 on the map and set its true-north offset.</source>
        <translation>%1 auf der Karte platzieren und seinen Nordversatz einstellen.</translation>
    </message>
    <message>
        <source>Choose a server first: tower locations are kept per server.</source>
        <translation>Zuerst einen Server wählen: Maststandorte werden je Server gespeichert.</translation>
    </message>
    <message>
        <source>Maps are not available in this window.</source>
        <translation>Karten sind in diesem Fenster nicht verfügbar.</translation>
    </message>
    <message>
        <source>Range %1</source>
        <translation>Bereich %1</translation>
    </message>
    <message>
        <source>limits %1</source>
        <translation>Grenzen %1</translation>
    </message>
    <message>
        <source>forbidden %1</source>
        <translation>gesperrt %1</translation>
    </message>
    <message>
        <source>two-way antenna</source>
        <translation>bidirektionale Antenne</translation>
    </message>
    <message>
        <source>park %1</source>
        <translation>Parkposition %1</translation>
    </message>
    <message>
        <source>Turn %1 to its park heading, %2.</source>
        <translation>%1 auf seine Parkrichtung drehen, %2.</translation>
    </message>
</context>
<context>
    <name>RotorCardState</name>
    <message>
        <source>Not connected.</source>
        <translation>Nicht verbunden.</translation>
    </message>
    <message>
        <source>The rotor reports “%1”.</source>
        <translation>Der Rotor meldet „%1“.</translation>
    </message>
    <message>
        <source>Enable control to rotate.</source>
        <translation>Steuerung freigeben, um zu drehen.</translation>
    </message>
    <message>
        <source>No fresh heading from the server.</source>
        <translation>Keine aktuelle Richtung vom Server.</translation>
    </message>
    <message>
        <source>Wait until the heading settles.</source>
        <translation>Warten, bis die Richtung stabil ist.</translation>
    </message>
    <message>
        <source>Enable control to stop.</source>
        <translation>Steuerung freigeben, um zu stoppen.</translation>
    </message>
    <message>
        <source>Locks need an OV Varnex server.</source>
        <translation>Sperren erfordern einen OV-Varnex-Server.</translation>
    </message>
    <message>
        <source>Enable control to lock.</source>
        <translation>Steuerung freigeben, um zu sperren.</translation>
    </message>
    <message>
        <source>Awaiting heading</source>
        <translation>Warten auf Richtung</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Veraltet</translation>
    </message>
    <message>
        <source>LAST KNOWN HEADING</source>
        <translation>LETZTE BEKANNTE RICHTUNG</translation>
    </message>
    <message>
        <source>CONTROLLER HEADING</source>
        <translation>RICHTUNG STEUERGERÄT</translation>
    </message>
    <message>
        <source>CURRENT HEADING</source>
        <translation>AKTUELLE RICHTUNG</translation>
    </message>
    <message>
        <source>Lock requested · unconfirmed</source>
        <translation>Sperre angefordert · unbestätigt</translation>
    </message>
    <message>
        <source>Release requested · unconfirmed</source>
        <translation>Freigabe angefordert · unbestätigt</translation>
    </message>
    <message>
        <source>No preset list received from server</source>
        <translation>Keine Preset-Liste vom Server erhalten</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Geben Sie eine Zielrichtung von 0 bis 360 ein.</translation>
    </message>
    <message>
        <source>Turn %1 to the target heading.</source>
        <translation>%1 auf die Zielrichtung drehen.</translation>
    </message>
    <message>
        <source>Stop %1 now.</source>
        <translation>%1 jetzt stoppen.</translation>
    </message>
    <message>
        <source>Jog needs an OV Varnex server.</source>
        <translation>Schrittbetrieb erfordert einen OV-Varnex-Server.</translation>
    </message>
    <message>
        <source>Move %1 one step counterclockwise.</source>
        <translation>%1 einen Schritt gegen den Uhrzeigersinn drehen.</translation>
    </message>
    <message>
        <source>Move %1 one step clockwise.</source>
        <translation>%1 einen Schritt im Uhrzeigersinn drehen.</translation>
    </message>
    <message>
        <source>Request lock for %1</source>
        <translation>Sperre für %1 anfordern</translation>
    </message>
    <message>
        <source>Release lock for %1</source>
        <translation>Sperre für %1 freigeben</translation>
    </message>
    <message>
        <source>Rotate immediately to this heading when control is enabled.</source>
        <translation>Bei freigegebener Steuerung sofort auf diese Richtung drehen.</translation>
    </message>
    <message>
        <source>Rotate immediately to this server preset when control is enabled.</source>
        <translation>Bei freigegebener Steuerung sofort auf dieses Server-Preset drehen.</translation>
    </message>
    <message>
        <source>Refresh server presets for %1</source>
        <translation>Server-Presets für %1 aktualisieren</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Presets für %1 verwalten</translation>
    </message>
    <message>
        <source>Choose a server first: presets are kept per server.</source>
        <translation>Zuerst einen Server wählen: Presets werden je Server gespeichert.</translation>
    </message>
</context>
<context>
    <name>RotorLocationEditor</name>
    <message>
        <source>Position the tower under the crosshair. Save location keeps that position.</source>
        <translation>Den Mast unter das Fadenkreuz bringen. „Standort speichern“ behält diese Position.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates to position the tower pin.</source>
        <translation>Eine Adresse suchen oder Koordinaten in der Vorschau zeigen, um die Mastmarkierung zu setzen.</translation>
    </message>
    <message>
        <source>Enter valid coordinates and an offset between −180° and 180°.</source>
        <translation>Geben Sie gültige Koordinaten und einen Versatz zwischen −180° und 180° ein.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates first.</source>
        <translation>Zuerst eine Adresse suchen oder Koordinaten in der Vorschau zeigen.</translation>
    </message>
    <message>
        <source>Location for %1</source>
        <translation>Standort für %1</translation>
    </message>
    <message>
        <source>Tower latitude</source>
        <translation>Breitengrad des Masts</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Breite (−85…85)</translation>
    </message>
    <message>
        <source>Degrees north, with a point as decimal separator; south is negative.</source>
        <translation>Grad Nord, mit Punkt als Dezimaltrennzeichen; Süd ist negativ.</translation>
    </message>
    <message>
        <source>Degrees north, with a point or a comma as decimal separator; south is negative.</source>
        <translation>Grad Nord, mit Punkt oder Komma als Dezimaltrennzeichen; Süd ist negativ.</translation>
    </message>
    <message>
        <source>Tower longitude</source>
        <translation>Längengrad des Masts</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Länge (−180…180)</translation>
    </message>
    <message>
        <source>Degrees east, with a point as decimal separator; west is negative.</source>
        <translation>Grad Ost, mit Punkt als Dezimaltrennzeichen; West ist negativ.</translation>
    </message>
    <message>
        <source>Degrees east, with a point or a comma as decimal separator; west is negative.</source>
        <translation>Grad Ost, mit Punkt oder Komma als Dezimaltrennzeichen; West ist negativ.</translation>
    </message>
    <message>
        <source>True-north offset (°)</source>
        <translation>Nordversatz (°)</translation>
    </message>
    <message>
        <source>True north display offset</source>
        <translation>Nordversatz (Anzeige)</translation>
    </message>
    <message>
        <source>Degrees added to the controller heading, from −180 to 180.</source>
        <translation>Zur Richtung des Steuergeräts addierte Grad, von −180 bis 180.</translation>
    </message>
    <message>
        <source>True bearing = controller heading + offset. Positive is clockwise. This changes only the map overlay; Rotate and presets continue to use controller degrees.</source>
        <translation>Rechtweisende Peilung = Richtung des Steuergeräts + Versatz. Positiv ist im Uhrzeigersinn. Dies ändert nur die Kartenanzeige; „Drehen“ und Presets verwenden weiterhin die Grad des Steuergeräts.</translation>
    </message>
    <message>
        <source>Preview coordinates</source>
        <translation>Koordinaten-Vorschau</translation>
    </message>
    <message>
        <source>Move the map to the coordinates typed above.</source>
        <translation>Die Karte zu den oben eingegebenen Koordinaten bewegen.</translation>
    </message>
    <message>
        <source>Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly.</source>
        <translation>Adresssuche und Kartenbilder nutzen OpenStreetMap. Sie können Koordinaten auch direkt eingeben.</translation>
    </message>
    <message>
        <source>Remove location</source>
        <translation>Standort entfernen</translation>
    </message>
    <message>
        <source>Forget the tower placed for %1; the map then uses the server’s site, if any.</source>
        <translation>Den Mast von %1 vergessen; die Karte verwendet dann den Standort des Servers, falls vorhanden.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without changing the tower location.</source>
        <translation>Schließen, ohne den Maststandort zu ändern.</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>Standort speichern</translation>
    </message>
    <message>
        <source>Rotator address</source>
        <translation>Adresse des Rotors</translation>
    </message>
    <message>
        <source>Street address, city, country</source>
        <translation>Straße, Ort, Land</translation>
    </message>
    <message>
        <source>An address or place to look up, or a Maidenhead grid locator such as JO62qm.</source>
        <translation>Eine zu suchende Adresse oder ein Ort, oder ein Maidenhead-Locator wie JO62qm.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche…</translation>
    </message>
    <message>
        <source>Search credits</source>
        <translation>Nachweise zur Suche</translation>
    </message>
    <message>
        <source>Places are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Orte werden in OpenStreetMap-Daten nachgeschlagen. Deren Copyright-Seite öffnen.</translation>
    </message>
    <message>
        <source>Map around the tower</source>
        <translation>Karte um den Mast</translation>
    </message>
    <message>
        <source>Move map center west</source>
        <translation>Kartenmitte nach Westen verschieben</translation>
    </message>
    <message>
        <source>Move map center north</source>
        <translation>Kartenmitte nach Norden verschieben</translation>
    </message>
    <message>
        <source>Move map center south</source>
        <translation>Kartenmitte nach Süden verschieben</translation>
    </message>
    <message>
        <source>Move map center east</source>
        <translation>Kartenmitte nach Osten verschieben</translation>
    </message>
    <message>
        <source>Change map style in location editor</source>
        <translation>Kartenstil im Standort-Editor ändern</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Map style button: shows satellite imagery.</extracomment>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Map</source>
        <extracomment>Map style button: shows the standard map.</extracomment>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Zoom out in location editor</source>
        <translation>Im Standort-Editor verkleinern</translation>
    </message>
    <message>
        <source>Zoom in in location editor</source>
        <translation>Im Standort-Editor vergrößern</translation>
    </message>
    <message>
        <source>No matching location. Try a fuller address or enter coordinates.</source>
        <translation>Kein passender Ort. Eine vollständigere Adresse versuchen oder Koordinaten eingeben.</translation>
    </message>
    <message>
        <source>Address search unavailable. Try again or enter coordinates.</source>
        <translation>Adresssuche nicht verfügbar. Erneut versuchen oder Koordinaten eingeben.</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Put the tower at %1.</source>
        <translation>Den Mast auf %1 setzen.</translation>
    </message>
    <message>
        <source>Look the address up in OpenStreetMap; a grid locator is placed without a search.</source>
        <translation>Die Adresse in OpenStreetMap nachschlagen; ein Locator wird ohne Suche platziert.</translation>
    </message>
    <message>
        <source>Type an address or a grid locator first.</source>
        <translation>Zuerst eine Adresse oder einen Locator eingeben.</translation>
    </message>
    <message>
        <source>Keep this position and offset for %1.</source>
        <translation>Diese Position und diesen Versatz für %1 behalten.</translation>
    </message>
    <message>
        <source>%1 by an eighth of the view.</source>
        <translation>%1 (um ein Achtel der Ansicht).</translation>
    </message>
    <message>
        <source>Show the standard map.</source>
        <translation>Die Standardkarte zeigen.</translation>
    </message>
    <message>
        <source>Show satellite imagery.</source>
        <translation>Satellitenbilder zeigen.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Mehr Umgebung um den Mast zeigen.</translation>
    </message>
    <message>
        <source>The map already shows 10 km, the widest view.</source>
        <translation>Die Karte zeigt bereits 10 km, die weiteste Ansicht.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Weniger Umgebung um den Mast zeigen.</translation>
    </message>
    <message>
        <source>The map already shows 100 m, the closest view.</source>
        <translation>Die Karte zeigt bereits 100 m, die engste Ansicht.</translation>
    </message>
</context>
<context>
    <name>RotorMapCompass</name>
    <message>
        <source>Tower map for %1</source>
        <translation>Mastkarte für %1</translation>
    </message>
    <message>
        <source>Map credits</source>
        <translation>Kartennachweise</translation>
    </message>
    <message>
        <source>True bearing of %1</source>
        <translation>Rechtweisende Peilung von %1</translation>
    </message>
    <message>
        <source>Change map style for %1</source>
        <translation>Kartenstil für %1 ändern</translation>
    </message>
    <message>
        <source>Zoom out for %1</source>
        <translation>Verkleinern für %1</translation>
    </message>
    <message>
        <source>Zoom in for %1</source>
        <translation>Vergrößern für %1</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>Button showing the world map instead of the tower&apos;s map</extracomment>
        <translation>Welt</translation>
    </message>
    <message>
        <source>World map for %1</source>
        <translation>Weltkarte für %1</translation>
    </message>
    <message>
        <source>Show the whole world round the tower, with the beam across it.</source>
        <translation>Die ganze Welt um den Mast zeigen, mit der Strahlrichtung darüber.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Last reported %1 true</source>
        <translation>Zuletzt gemeldet %1 rechtweisend</translation>
    </message>
    <message>
        <source>Bearing %1 true</source>
        <translation>Peilung %1 rechtweisend</translation>
    </message>
    <message>
        <source>%1 · target in orange</source>
        <translation>%1 · Ziel in Orange</translation>
    </message>
    <message>
        <source>Show the standard map under %1.</source>
        <translation>Die Standardkarte unter %1 zeigen.</translation>
    </message>
    <message>
        <source>Show satellite imagery under %1.</source>
        <translation>Satellitenbilder unter %1 zeigen.</translation>
    </message>
    <message>
        <source>The map already shows %1 around the tower, the widest view.</source>
        <translation>Die Karte zeigt bereits %1 um den Mast, die weiteste Ansicht.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Mehr Umgebung um den Mast zeigen.</translation>
    </message>
    <message>
        <source>The map already shows 100 m around the tower, the closest view.</source>
        <translation>Die Karte zeigt bereits 100 m um den Mast, die engste Ansicht.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Weniger Umgebung um den Mast zeigen.</translation>
    </message>
    <message>
        <source>Map data and imagery credits. Open the copyright page.</source>
        <translation>Nachweise für Kartendaten und -bilder. Die Copyright-Seite öffnen.</translation>
    </message>
    <message>
        <source>The world map always shows the whole world; zoom is for the tower&apos;s map.</source>
        <translation>Die Weltkarte zeigt immer die ganze Welt; Zoom gilt für die Mastkarte.</translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation>Made with Natural Earth</translation>
    </message>
</context>
<context>
    <name>RotorMechanics</name>
    <message>
        <source>-180…+180° (south stop)</source>
        <translation>-180…+180° (Südanschlag)</translation>
    </message>
    <message>
        <source>0–%1° (overlap)</source>
        <translation>0–%1° (Überlappung)</translation>
    </message>
    <message>
        <source>Turn blocked: the heading is not a number.</source>
        <translation>Drehung gesperrt: Die Richtung ist keine Zahl.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is inside %2&apos;s forbidden sector %3.</source>
        <translation>Drehung gesperrt: %1 liegt im Sperrsektor %3 von %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s limits %3.</source>
        <translation>Drehung gesperrt: %1 liegt außerhalb der Grenzen %3 von %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s range %3.</source>
        <translation>Drehung gesperrt: %1 liegt außerhalb des Bereichs %3 von %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Schritt gesperrt: Ein Schritt rechts von %1 aus würde im Sperrsektor %3 von %2 enden.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Schritt gesperrt: Ein Schritt links von %1 aus würde im Sperrsektor %3 von %2 enden.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Schritt gesperrt: Ein Schritt rechts von %1 aus würde die Grenzen %3 von %2 verlassen.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Schritt gesperrt: Ein Schritt links von %1 aus würde die Grenzen %3 von %2 verlassen.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would cross %2&apos;s stop.</source>
        <translation>Schritt gesperrt: Ein Schritt rechts von %1 aus würde den Anschlag von %2 überschreiten.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would cross %2&apos;s stop.</source>
        <translation>Schritt gesperrt: Ein Schritt links von %1 aus würde den Anschlag von %2 überschreiten.</translation>
    </message>
</context>
<context>
    <name>RotorSettingsSheet</name>
    <message>
        <source>Rotor settings</source>
        <translation>Rotoreinstellungen</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Rotoreinstellungen für %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Soft limits</source>
        <translation>Software-Grenzen</translation>
    </message>
    <message>
        <source>Forbidden sector</source>
        <translation>Sperrsektor</translation>
    </message>
    <message>
        <source>Limits of %1</source>
        <translation>Grenzen von %1</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Lowest heading</source>
        <translation>Niedrigste Richtung</translation>
    </message>
    <message>
        <source>Highest heading</source>
        <translation>Höchste Richtung</translation>
    </message>
    <message>
        <source>Forbidden from</source>
        <translation>Gesperrt von</translation>
    </message>
    <message>
        <source>Forbidden to</source>
        <translation>Gesperrt bis</translation>
    </message>
    <message>
        <source>Forbidden to (clockwise)</source>
        <translation>Gesperrt bis (im Uhrzeigersinn)</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>South stop (-180…+180°)</source>
        <translation>Südanschlag (-180…+180°)</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Überlappung</translation>
    </message>
    <message>
        <source>Range of %1</source>
        <translation>Bereich von %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Overlap ends at</source>
        <translation>Überlappung endet bei</translation>
    </message>
    <message>
        <source>Two-way antenna</source>
        <translation>Bidirektionale Antenne</translation>
    </message>
    <message>
        <source>The beam points both ways: turns go to whichever lobe is nearer.</source>
        <translation>Die Antenne strahlt in beide Richtungen: Drehungen gehen zur näheren Keule.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Parkrichtung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Park after minutes without a command</source>
        <translation>Nach Minuten ohne Befehl parken</translation>
    </message>
    <message>
        <source>Park when idle for</source>
        <translation>Parken nach Leerlauf von</translation>
    </message>
    <message>
        <source>Stall watchdog</source>
        <translation>Blockierwächter</translation>
    </message>
    <message>
        <source>Stop a turn whose heading does not change, or that takes too long.</source>
        <translation>Eine Drehung stoppen, deren Richtung sich nicht ändert oder die zu lange dauert.</translation>
    </message>
    <message>
        <source>Least movement</source>
        <translation>Mindestbewegung</translation>
    </message>
    <message>
        <source>Within</source>
        <translation>Innerhalb von</translation>
    </message>
    <message>
        <source>Longest turn</source>
        <translation>Längste Drehung</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save rotor settings</source>
        <translation>Rotoreinstellungen speichern</translation>
    </message>
    <message>
        <source>Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an overlap rotor. Every turn, from any source, is checked against them.</source>
        <translation>Grenzen gelten in den Zahlen, in denen das Steuergerät zählt: -90 bis 90 bei einem Rotor mit Südanschlag, bis 450 bei einem Rotor mit Überlappung. Jede Drehung, aus jeder Quelle, wird gegen sie geprüft.</translation>
    </message>
    <message>
        <source>The limits must lie inside the range %1, the lowest below the highest.</source>
        <translation>Die Grenzen müssen im Bereich %1 liegen, die niedrigste unter der höchsten.</translation>
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
        <translation>%1 hat sich %2 s nicht bewegt: bei %3° gestoppt.</translation>
    </message>
    <message>
        <source>%1 turned for %2 s without arriving: stopped at %3°.</source>
        <translation>%1 hat sich %2 s gedreht, ohne anzukommen: bei %3° gestoppt.</translation>
    </message>
    <message>
        <source>%1 had no command for %2 min: parking at %3°.</source>
        <translation>%1 hatte %2 min keinen Befehl: wird bei %3° geparkt.</translation>
    </message>
</context>
<context>
    <name>RoutingContext</name>
    <message>
        <source>Not connected to the server.</source>
        <translation>Nicht mit dem Server verbunden.</translation>
    </message>
    <message>
        <source>Enable antenna controls first.</source>
        <translation>Zuerst die Antennensteuerung freigeben.</translation>
    </message>
    <message>
        <source>No fresh report from the server.</source>
        <translation>Keine aktuelle Meldung vom Server.</translation>
    </message>
    <message>
        <source>The server reports status %1.</source>
        <translation>Der Server meldet Status %1.</translation>
    </message>
    <message>
        <source>Not available right now.</source>
        <translation>Im Moment nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Wählen Sie einen seriellen Port unter /dev/ und eine unterstützte Baudrate.</translation>
    </message>
    <message>
        <source>Cannot open serial port: %1</source>
        <translation>Serieller Port kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Serial port is unavailable or already in use.</source>
        <translation>Serieller Port ist nicht verfügbar oder bereits belegt.</translation>
    </message>
    <message>
        <source>Cannot configure serial port.</source>
        <translation>Serieller Port kann nicht konfiguriert werden.</translation>
    </message>
</context>
<context>
    <name>SerialPortWorker</name>
    <message>
        <source>Serial port disconnected.</source>
        <translation>Serieller Port getrennt.</translation>
    </message>
    <message>
        <source>Serial output queue exceeded its limit.</source>
        <translation>Serielle Ausgabewarteschlange hat ihre Grenze überschritten.</translation>
    </message>
    <message>
        <source>Serial write failed or timed out.</source>
        <translation>Serielles Schreiben fehlgeschlagen oder Zeitüberschreitung.</translation>
    </message>
</context>
<context>
    <name>ServerLoginView</name>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Sign in to server</source>
        <translation>Am Server anmelden</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>After the server accepts your login, it is saved securely in the system keychain for this server address and port.</source>
        <translation>Nachdem der Server Ihre Anmeldung akzeptiert hat, wird sie für diese Serveradresse und diesen Port sicher im Schlüsselbund des Systems gespeichert.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not sign in; the connection ends.</source>
        <translation>Nicht anmelden; die Verbindung wird beendet.</translation>
    </message>
    <message>
        <source>Send this login to the server (Return).</source>
        <translation>Diese Anmeldung an den Server senden (Return).</translation>
    </message>
    <message>
        <source>Enter a user name to sign in.</source>
        <translation>Geben Sie zum Anmelden einen Benutzernamen ein.</translation>
    </message>
</context>
<context>
    <name>ServerVerification</name>
    <message>
        <source>No compatible server or device response within 3 seconds. Check the address, port, and network connection.</source>
        <translation>Keine passende Antwort von Server oder Gerät innerhalb von 3 Sekunden. Adresse, Port und Netzwerkverbindung prüfen.</translation>
    </message>
</context>
<context>
    <name>ServerVerificationError</name>
    <message>
        <source>Server could not be verified. %1</source>
        <extracomment>%1 is the reason, a whole sentence of its own.</extracomment>
        <translation>Der Server konnte nicht überprüft werden. %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>The settings file could not be read: %1 is missing or not in the expected form.</source>
        <extracomment>%1 names a part of the file: &quot;the settings record&quot;, &quot;item 2 of “servers”&quot;, &quot;“version”&quot;</extracomment>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden: %1 fehlt oder hat nicht die erwartete Form.</translation>
    </message>
    <message>
        <source>Settings file exceeds the 10 MB limit.</source>
        <translation>Die Einstellungsdatei überschreitet die Grenze von 10 MB.</translation>
    </message>
    <message>
        <source>The saved %1 could not be read.</source>
        <extracomment>%1 is &quot;tower locations&quot;, &quot;heading presets&quot; or &quot;rotor settings&quot;</extracomment>
        <translation>Die gespeicherten %1 konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>tower locations</source>
        <translation>Maststandorte</translation>
    </message>
    <message>
        <source>heading presets</source>
        <translation>Richtungs-Presets</translation>
    </message>
    <message>
        <source>rotor settings</source>
        <translation>Rotoreinstellungen</translation>
    </message>
    <message>
        <source>The saved layout of %1 could not be read.</source>
        <translation>Das gespeicherte Layout von %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The saved integration settings of %1 could not be read.</source>
        <translation>Die gespeicherten Integrationseinstellungen von %1 konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The settings hold a number that cannot be written.</source>
        <translation>Die Einstellungen enthalten eine Zahl, die nicht geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The settings file is not valid JSON: %1 at character %2.</source>
        <translation>Die Einstellungsdatei ist kein gültiges JSON: %1 bei Zeichen %2.</translation>
    </message>
    <message>
        <source>the settings record</source>
        <translation>der Einstellungsdatensatz</translation>
    </message>
    <message>
        <source>The settings file could not be opened: %1.</source>
        <translation>Die Einstellungsdatei konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be written: %1.</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>This is not a supported station settings file.</source>
        <translation>Dies ist keine unterstützte Stations-Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Duplicate server identifiers in settings file.</source>
        <translation>Doppelte Server-Kennungen in der Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Invalid server name or address.</source>
        <translation>Ungültiger Servername oder ungültige Adresse.</translation>
    </message>
    <message>
        <source>Invalid server port or baud rate.</source>
        <translation>Ungültiger Server-Port oder ungültige Baudrate.</translation>
    </message>
    <message>
        <source>Both site coordinates are required.</source>
        <translation>Beide Standortkoordinaten sind erforderlich.</translation>
    </message>
    <message>
        <source>Invalid site coordinates.</source>
        <translation>Ungültige Standortkoordinaten.</translation>
    </message>
    <message>
        <source>Invalid tower location or preset.</source>
        <translation>Ungültiger Maststandort oder ungültiges Preset.</translation>
    </message>
    <message>
        <source>Duplicate preset identifiers.</source>
        <translation>Doppelte Preset-Kennungen.</translation>
    </message>
    <message>
        <source>Invalid or duplicate rotor settings.</source>
        <translation>Ungültige oder doppelte Rotoreinstellungen.</translation>
    </message>
    <message>
        <source>Duplicate tower locations.</source>
        <translation>Doppelte Maststandorte.</translation>
    </message>
    <message>
        <source>Invalid layout settings.</source>
        <translation>Ungültige Layout-Einstellungen.</translation>
    </message>
    <message>
        <source>Invalid integration settings.</source>
        <translation>Ungültige Integrationseinstellungen.</translation>
    </message>
    <message>
        <source>item %1 of “%2”</source>
        <extracomment>%2 is a key of the settings file, which stays in English</extracomment>
        <translation>Eintrag %1 von „%2“</translation>
    </message>
    <message>
        <source>the layout of “%1”</source>
        <translation>das Layout von „%1“</translation>
    </message>
    <message>
        <source>the integration settings of “%1”</source>
        <translation>die Integrationseinstellungen von „%1“</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts. &quot;System&quot; follows the desktop&apos;s language.</source>
        <translation>Die Sprache der Programmtexte. „System“ folgt der Sprache des Desktops.</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>Entfernungseinheit</translation>
    </message>
    <message>
        <source>Used for every distance the program shows.</source>
        <translation>Gilt für jede Entfernung, die das Programm anzeigt.</translation>
    </message>
    <message>
        <source>Language note</source>
        <translation>Hinweis zur Sprache</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Distance unit</source>
        <translation>&amp;Entfernungseinheit</translation>
    </message>
    <message>
        <source>The new language is used from the next start.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>StackCardState</name>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Veraltet</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>Status %1</translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Turn off %1</source>
        <translation>%1 ausschalten</translation>
    </message>
    <message>
        <source>Turn on %1</source>
        <translation>%1 einschalten</translation>
    </message>
    <message>
        <source>Switch %1 out of the stack.</source>
        <translation>%1 aus dem Stack nehmen.</translation>
    </message>
    <message>
        <source>Switch %1 into the stack.</source>
        <translation>%1 in den Stack aufnehmen.</translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message>
        <source>No logger data yet</source>
        <translation>Noch keine Logger-Daten</translation>
    </message>
    <message>
        <source>Enter an IP address and a port from 1 to 65535.</source>
        <translation>Geben Sie eine IP-Adresse und einen Port von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Lauschen nicht möglich: %1</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Empfangsbereit auf %1:%2</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Nicht empfangsbereit</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n datagrams dropped</source>
        <extracomment>%1 is the listener&apos;s state, such as &quot;Listening on 127.0.0.1:2237&quot;.</extracomment>
        <translation>
            <numerusform>%1 · %n Datagramm verworfen</numerusform>
            <numerusform>%1 · %n Datagramme verworfen</numerusform>
        </translation>
    </message>
    <message>
        <source>Focused radio: %1</source>
        <translation>Funkgerät im Fokus: %1</translation>
    </message>
    <message>
        <source>Radio %1 · %2 MHz</source>
        <translation>Funkgerät %1 · %2 MHz</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio %2</source>
        <translation>Rotorrichtung: %1° · Funkgerät %2</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio focused</source>
        <translation>Rotorrichtung: %1° · Funkgerät im Fokus</translation>
    </message>
    <message>
        <source>Rotor stop · radio %1</source>
        <translation>Rotor-Stopp · Funkgerät %1</translation>
    </message>
    <message>
        <source>Rotor stop · radio focused</source>
        <translation>Rotor-Stopp · Funkgerät im Fokus</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Taste: %1</translation>
    </message>
</context>
<context>
    <name>StationLookup</name>
    <message>
        <source>Type a call sign, prefix or grid locator.</source>
        <translation>Geben Sie ein Rufzeichen, Präfix oder einen Locator ein.</translation>
    </message>
    <message>
        <source>That is too long for a call sign, prefix or grid locator.</source>
        <translation>Das ist zu lang für ein Rufzeichen, Präfix oder einen Locator.</translation>
    </message>
    <message>
        <source>%1 is not a call sign, prefix or grid locator.</source>
        <translation>%1 ist kein Rufzeichen, Präfix oder Locator.</translation>
    </message>
    <message>
        <source>No country file is loaded, so only grid locators can be placed.</source>
        <translation>Keine Länderdatei geladen, daher können nur Locatoren platziert werden.</translation>
    </message>
    <message>
        <source>%1 is maritime mobile: it has no country.</source>
        <translation>%1 ist maritim mobil: kein Land zugeordnet.</translation>
    </message>
    <message>
        <source>%1 is aeronautical mobile: it has no country.</source>
        <translation>%1 ist aeronautisch mobil: kein Land zugeordnet.</translation>
    </message>
    <message>
        <source>%1 matches no country prefix.</source>
        <translation>%1 passt zu keinem Länderpräfix.</translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message>
        <source>Rotors and antenna routing</source>
        <translation>Rotoren und Antennenwahl</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Entwicklung</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the saved server this tab shows.</source>
        <translation>Den gespeicherten Server wählen, den dieser Tab zeigt.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Integrations</source>
        <translation>Integrationen</translation>
    </message>
    <message>
        <source>Loggers, keys and the rotary encoder for this server.</source>
        <translation>Logger, Tasten und Drehgeber für diesen Server.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Which cards show, in what order, on which bands.</source>
        <translation>Welche Bedienfelder in welcher Reihenfolge auf welchen Bändern erscheinen.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Open the connection and command log of every tab.</source>
        <translation>Das Verbindungs- und Befehlsprotokoll aller Tabs öffnen.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>The world round this tab&apos;s towers, with every located rotor&apos;s beam.</source>
        <translation>Die Welt um die Masten dieses Tabs, mit der Strahlrichtung jedes platzierten Rotors.</translation>
    </message>
    <message>
        <source>Additional Server</source>
        <translation>Weiterer Server</translation>
    </message>
    <message>
        <source>Controls reset on disconnect. Turn commands are never replayed. Closing the app does not stop a moving antenna.</source>
        <translation>Die Freigaben werden beim Trennen zurückgesetzt. Drehbefehle werden nie wiederholt. Das Schließen des Programms stoppt keine drehende Antenne.</translation>
    </message>
    <message>
        <source>Enable control</source>
        <translation>Steuerung freigeben</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>ALLES STOPP</translation>
    </message>
    <message>
        <source>Rotors</source>
        <translation>Rotoren</translation>
    </message>
    <message>
        <source>Enable antenna controls</source>
        <translation>Antennensteuerung freigeben</translation>
    </message>
    <message>
        <source>Antenna routing</source>
        <translation>Antennenwahl</translation>
    </message>
    <message>
        <source>Manage servers…</source>
        <translation>Server verwalten…</translation>
    </message>
    <message>
        <source>Configure Server</source>
        <translation>Server konfigurieren</translation>
    </message>
    <message>
        <source>SERVER: %1</source>
        <translation>SERVER: %1</translation>
    </message>
    <message>
        <source>Select server</source>
        <translation>Server wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close the connection to this server.</source>
        <translation>Die Verbindung zu diesem Server trennen.</translation>
    </message>
    <message>
        <source>Stop connecting to this server.</source>
        <translation>Den Verbindungsaufbau zu diesem Server abbrechen.</translation>
    </message>
    <message>
        <source>Connect to the selected server.</source>
        <translation>Mit dem gewählten Server verbinden.</translation>
    </message>
    <message>
        <source>Connect to another server in a separate tab (up to 10).</source>
        <translation>In einem eigenen Tab mit einem weiteren Server verbinden (bis zu 10).</translation>
    </message>
    <message>
        <source>Ten server tabs are open: close one to add another.</source>
        <translation>Zehn Server-Tabs sind offen: Einen schließen, um einen weiteren hinzuzufügen.</translation>
    </message>
    <message>
        <source>Allow the rotor controls of this tab to send commands.</source>
        <translation>Den Rotor-Bedienelementen dieses Tabs das Senden von Befehlen erlauben.</translation>
    </message>
    <message>
        <source>Allow the switch, stack and tuner controls of this tab to send commands.</source>
        <translation>Den Umschalter-, Stack- und Tuner-Bedienelementen dieses Tabs das Senden von Befehlen erlauben.</translation>
    </message>
    <message>
        <source>Stop every rotor of this server. (%1)</source>
        <translation>Alle Rotoren dieses Servers stoppen. (%1)</translation>
    </message>
    <message>
        <source>No rotor can be stopped: connect and switch on Enable control.</source>
        <translation>Kein Rotor kann gestoppt werden: Verbinden und „Steuerung freigeben“ einschalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n visible</source>
        <extracomment>Rotor cards shown on this tab</extracomment>
        <translation>
            <numerusform>%n sichtbar</numerusform>
            <numerusform>%n sichtbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n discovered · live headings from the server</source>
        <extracomment>Rotors the server reported</extracomment>
        <translation>
            <numerusform>%n gefunden · Live-Richtungen vom Server</numerusform>
            <numerusform>%n gefunden · Live-Richtungen vom Server</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for rotors…</source>
        <translation>Warte auf Rotoren…</translation>
    </message>
    <message>
        <source>Connect once to load this server’s rotors</source>
        <translation>Einmal verbinden, um die Rotoren dieses Servers zu laden</translation>
    </message>
    <message>
        <source>Connect once to load this server’s antenna routing</source>
        <translation>Einmal verbinden, um die Antennenwahl dieses Servers zu laden</translation>
    </message>
    <message>
        <source>No switches, stack outputs or tuners reported</source>
        <translation>Keine Umschalter, Stack-Ausgänge oder Tuner gemeldet</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <extracomment>Antenna switch card, named for assistive tools</extracomment>
        <translation>Umschalter %1</translation>
    </message>
    <message>
        <source>Stack %1</source>
        <extracomment>Antenna stack card, named for assistive tools</extracomment>
        <translation>Stack %1</translation>
    </message>
    <message>
        <source>Tuner %1</source>
        <translation>Tuner %1</translation>
    </message>
    <message>
        <source>No server yet</source>
        <translation>Noch kein Server</translation>
    </message>
    <message>
        <source>No server chosen</source>
        <translation>Kein Server gewählt</translation>
    </message>
    <message>
        <source>There is no server to connect to yet. Add one in the server editor.</source>
        <translation>Es gibt noch keinen Server zum Verbinden. Fügen Sie im Server-Editor einen hinzu.</translation>
    </message>
    <message>
        <source>This tab has no server. Choose one in the server menu, or add one in the server editor.</source>
        <translation>Dieser Tab hat keinen Server. Wählen Sie einen im Servermenü oder fügen Sie einen im Server-Editor hinzu.</translation>
    </message>
    <message>
        <source>Add server…</source>
        <translation>Server hinzufügen…</translation>
    </message>
</context>
<context>
    <name>StationWorkspace</name>
    <message>
        <source>Server %1</source>
        <translation>Server %1</translation>
    </message>
    <message>
        <source>This server is already open in %1. Its existing tab has been selected.</source>
        <translation>Dieser Server ist bereits in %1 geöffnet. Sein vorhandener Tab wurde ausgewählt.</translation>
    </message>
</context>
<context>
    <name>StationWorkspaceView</name>
    <message>
        <source>Close server tab</source>
        <translation>Server-Tab schließen</translation>
    </message>
    <message>
        <source>Server tabs</source>
        <translation>Server-Tabs</translation>
    </message>
    <message>
        <source>Disconnect and close the selected server tab.</source>
        <translation>Den gewählten Server-Tab trennen und schließen.</translation>
    </message>
    <message>
        <source>%1 · connecting</source>
        <translation>%1 · verbindet</translation>
    </message>
    <message>
        <source>%1 · disconnected</source>
        <translation>%1 · getrennt</translation>
    </message>
    <message>
        <source>Server already open</source>
        <translation>Server bereits geöffnet</translation>
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
        <translation>Gemeldet: %1</translation>
    </message>
    <message>
        <source>Server status %1</source>
        <translation>Serverstatus %1</translation>
    </message>
    <message>
        <source>Unsupported switch type %1</source>
        <translation>Nicht unterstützter Umschaltertyp %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>%1 wählen</translation>
    </message>
    <message>
        <source>Deselect %1</source>
        <translation>%1 abwählen</translation>
    </message>
    <message>
        <source>Also select %1</source>
        <translation>%1 zusätzlich wählen</translation>
    </message>
    <message>
        <source>Select %1 at %2 degrees</source>
        <translation>%1 bei %2 Grad wählen</translation>
    </message>
    <message>
        <source>Position is locked.</source>
        <translation>Stellung ist gesperrt.</translation>
    </message>
</context>
<context>
    <name>SystemFileDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <extracomment>File type filter of the settings file dialogs; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
</context>
<context>
    <name>TerminalProtocol</name>
    <message>
        <source>Enter a heading from 0 to 360.</source>
        <translation>Geben Sie eine Richtung von 0 bis 360 ein.</translation>
    </message>
    <message>
        <source>Terminal frame exceeds size limit.</source>
        <translation>Terminal-Frame überschreitet die Größengrenze.</translation>
    </message>
</context>
<context>
    <name>TileLoader</name>
    <message>
        <source>The tile server sent more than %1 MiB for one tile.</source>
        <translation>Der Kachelserver hat mehr als %1 MiB für eine Kachel gesendet.</translation>
    </message>
    <message>
        <source>The tile server answered %1 %2.</source>
        <translation>Der Kachelserver antwortete %1 %2.</translation>
    </message>
    <message>
        <source>The tile server did not answer in time.</source>
        <translation>Der Kachelserver hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The tile could not be loaded: %1.</source>
        <translation>Die Kachel konnte nicht geladen werden: %1.</translation>
    </message>
    <message>
        <source>The tile address “%1” is not a web address.</source>
        <translation>Die Kacheladresse „%1“ ist keine Webadresse.</translation>
    </message>
    <message>
        <source>The tile server %1 asked for fewer requests; tiles are paused for now.</source>
        <translation>Der Kachelserver %1 bittet um weniger Anfragen; Kacheln sind vorerst pausiert.</translation>
    </message>
    <message>
        <source>The tile server sent an image that could not be read.</source>
        <translation>Der Kachelserver hat ein unlesbares Bild gesendet.</translation>
    </message>
</context>
<context>
    <name>TowerMap</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Map imagery unavailable. Heading display still works.</source>
        <translation>Kartenbilder nicht verfügbar. Die Richtungsanzeige funktioniert weiterhin.</translation>
    </message>
</context>
<context>
    <name>TunerCard</name>
    <message>
        <source>CCW</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>CCW %1</source>
        <translation>Links %1</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>CW %1</source>
        <translation>Rechts %1</translation>
    </message>
    <message>
        <source>Calibrate…</source>
        <translation>Kalibrieren…</translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation>%1 kalibrieren</translation>
    </message>
    <message>
        <source>Calibrate tuner rotor?</source>
        <translation>Tuner-Rotor kalibrieren?</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1 on %2.</source>
        <translation>Die Kalibrierung des Servers für %1 auf %2 ausführen.</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
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
        <translation>Gemeldet: %1 · Status %2 · RSSI %3</translation>
    </message>
    <message>
        <source>Awaiting position</source>
        <translation>Warten auf Stellung</translation>
    </message>
    <message>
        <source>Tune %1 to %2</source>
        <translation>%1 auf %2 abstimmen</translation>
    </message>
    <message>
        <source>Turn %1 counterclockwise</source>
        <translation>%1 gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn %1 clockwise</source>
        <translation>%1 im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1</source>
        <translation>Die Kalibrierung des Servers für %1 ausführen</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>The tower has no position yet, so the world cannot be drawn around it.</source>
        <translation>Der Mast hat noch keine Position, daher kann die Welt nicht um ihn gezeichnet werden.</translation>
    </message>
    <message>
        <source>Centred on %1</source>
        <translation>Zentriert auf %1</translation>
    </message>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation>Die Landumrisse fehlen in diesem Build.</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Peilung %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 beam %2, last reported</source>
        <translation>%1 Strahlrichtung %2, zuletzt gemeldet</translation>
    </message>
    <message>
        <source>%1 beam %2</source>
        <translation>%1 Strahlrichtung %2</translation>
    </message>
</context>
<context>
    <name>WorldMapWindow</name>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>Whole world</source>
        <translation>Ganze Welt</translation>
    </message>
    <message>
        <source>World map reach</source>
        <translation>Reichweite der Weltkarte</translation>
    </message>
    <message>
        <source>How far from the tower the edge of the map reaches.</source>
        <translation>Wie weit vom Mast der Kartenrand reicht.</translation>
    </message>
    <message>
        <source>Place under the pointer</source>
        <translation>Ort unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>No rotor of this tab has a tower position yet. Place a tower with Set Location on its card, or give the server a site in its profile.</source>
        <translation>Noch kein Rotor dieses Tabs hat eine Mastposition. Einen Mast mit „Maststandort festlegen…“ auf seinem Bedienfeld platzieren oder dem Server im Profil einen Standort geben.</translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation>Reichweite:</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Peilung %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>WsjtxMessage</name>
    <message>
        <source>The WSJT-X datagram is damaged: it ends before its %1.</source>
        <translation>Das WSJT-X-Datagramm ist beschädigt: Es endet vor seinem Feld %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is %2 bytes long.</source>
        <translation>Das WSJT-X-Datagramm ist beschädigt: Sein Feld %1 ist %2 Byte lang.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it ends inside its %1.</source>
        <translation>Das WSJT-X-Datagramm ist beschädigt: Es endet innerhalb seines Felds %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is not UTF-8 text.</source>
        <translation>Das WSJT-X-Datagramm ist beschädigt: Sein Feld %1 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it is %1 bytes long.</source>
        <translation>Das WSJT-X-Datagramm ist beschädigt: Es ist %1 Byte lang.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it does not start with the magic number.</source>
        <translation>Das WSJT-X-Datagramm ist beschädigt: Es beginnt nicht mit der Magic Number.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.</source>
        <translation>Das WSJT-X-Datagramm ist beschädigt: Sein Schema %1 ist nicht 2 oder 3.</translation>
    </message>
</context>
</TS>
