<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CallArea</name>
    <message>
        <source>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New England (CT, MA, ME, NH, RI, VT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New York and New Jersey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid-Atlantic (DC, DE, MD, PA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Southeast (AL, FL, GA, KY, NC, SC, TN, VA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South (AR, LA, MS, NM, OK, TX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>California</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northwest (AZ, ID, MT, NV, OR, UT, WA, WY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great Lakes (MI, OH, WV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central (IL, IN, WI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labrador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nunavut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prince Edward Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ontario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saskatchewan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alberta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Columbia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kanto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tokai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kansai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chugoku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shikoku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kyushu and Okinawa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tohoku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hokkaido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hokuriku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shin&apos;etsu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western Siberia, north (call area 8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urals and Western Siberia (call area 9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Siberia and the Far East (call area 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heilongjiang, Jilin, Liaoning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tianjin, Inner Mongolia, Hebei, Shanxi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shanghai, Shandong, Jiangsu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zhejiang, Jiangxi, Fujian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anhui, Henan, Hubei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunan, Guangdong, Guangxi, Hainan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sichuan, Chongqing, Guizhou, Yunnan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaanxi, Gansu, Ningxia, Qinghai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xinjiang and Tibet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rio de Janeiro and Espirito Santo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sao Paulo, Goias, Federal District</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rio Grande do Sul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minas Gerais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parana and Santa Catarina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahia and Sergipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northeast (PE, AL, PB, RN, CE, PI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North (PA, AM, AP, MA, RR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre-West (MT, MS, RO, AC, TO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buenos Aires City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buenos Aires Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Santa Fe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaco and Formosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cordoba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misiones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entre Rios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tucuman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mendoza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Santiago del Estero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>San Juan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>San Luis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catamarca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La Rioja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jujuy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La Pampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rio Negro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chubut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Santa Cruz and Tierra del Fuego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuquen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CallList</name>
    <message>
        <source>The call list is larger than %1 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The call list holds more than %1 calls.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <extracomment>North on the heading dial</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East on the heading dial</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South on the heading dial</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West on the heading dial</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Confirmation</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionKind</name>
    <message>
        <source>OV Varnex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KT-90 TCP terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KT-90 UDP terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KT-90 local serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hamlib rotctld</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountryData</name>
    <message>
        <source>No country file is installed; load one, or install Debian&apos;s hamradio-files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s data folder cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy cannot be kept: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No version given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a piece of the country file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it has %2 fields where 10 are expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its prefix list does not end with “;”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the entity before it does not end its prefix list with “;”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it lists prefixes without an entity line before them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: text follows the “;” that ends the prefix list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file ends inside the prefix list of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file lists no countries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 countries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the country name %2 is empty, too long or holds control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the continent %2 of %3 is not one of AF, AN, AS, EU, NA, OC, SA.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the zones of %2 are not a CQ zone from 1 to 40 and an ITU zone from 1 to 90.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the latitude, longitude or UTC offset of %2 is not a number within range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 prefixes and calls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: %2 is not a prefix or call.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is larger than %1 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is neither a cty.csv nor a cty.dat country file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountryFileLoader</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountryFileSheet</name>
    <message>
        <source>Country File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country file version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country file in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country file load result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load country file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read a newer cty.csv or cty.dat; a file that does not read changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call signs and prefixes are placed with this file. Newer files are published monthly; a loaded file is kept in the program&apos;s data folder and used from then on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded; the copy is kept for later starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Country File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country files (*.csv *.dat *.CSV *.DAT);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No country file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A loaded copy: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 countries, %2 prefixes and calls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EncoderWorker</name>
    <message>
        <source>Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phidget22 library could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phidget encoder channel could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phidget button channel could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phidget disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phidget connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeadingPreset</name>
    <message>
        <source>Give the preset a name and a heading from 0 to 360 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationDevicesSection</name>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focused radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency-driven devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A selected OFF remains off. Existing in-range selections are retained; locked outputs are skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared switch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which radio’s frequency selects the band position of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch: %1</source>
        <extracomment>%1 is the antenna switch&apos;s name from the station.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner: %1</source>
        <extracomment>%1 is the tuner&apos;s name from the station.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station has reported no switches or tuners yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationEditor</name>
    <message>
        <source>Stop this input.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationEncoderSection</name>
    <message>
        <source>Phidget encoder / eKnob</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial number printed on the encoder device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device channel of the encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The digital input of the encoder’s button; −1 for none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees/count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees per encoder count when turning a rotor; negative reverses the direction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack output, T: tuner positions).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store these settings and start reading the encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phidget USB driver and setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning previews a heading or selection. Press the encoder button or Apply to send it. A button channel of −1 disables button input; use a negative step to reverse direction. Enable controls still applies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the previewed heading or selection now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on “Enable logger commands and automatic band selection” to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the server to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationEventsSection</name>
    <message>
        <source>Received integration events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No events received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger events and key tokens this server’s inputs received, oldest first (the last %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationKeysSection</name>
    <message>
        <source>Keyboard shortcuts and UDP keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key tokens also work while the main app window is focused, outside text fields. Examples: CTRL R, SHIFT S, Escape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also take key tokens typed in other programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard listening after changing this switch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session: this desktop does not let programs watch keys typed elsewhere. Keys in the main window and UDP key tokens still work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local keyboard UDP port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key tokens sent to 127.0.0.1 on this port fire the bindings below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store these settings and start listening for keys and UDP key tokens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add key binding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a key token and what it does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No key bindings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key token %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key token that fires this binding, such as CTRL R.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R: rotor, S: antenna switch, K: stack output, T: tuner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the binding does with its device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading a Rotate binding turns its rotor to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The switch or tuner position to select; Next and Previous step instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this key binding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove binding %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard input is not running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationLoggerSection</name>
    <message>
        <source>Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the N3FJP API (normally port 1100).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger and automatic controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable logger commands and automatic band selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the rotor turns, band selections and key bindings of this server’s inputs. Events are listed either way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger program, or key tokens over UDP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address to listen on, or the N3FJP computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The UDP port to listen on, or the N3FJP API port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station name filter (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only messages from this N1MM or Win-Test station; blank for every station.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store these settings and start the logger input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio A rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rotor that radio A’s rotor commands turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio B rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rotor that radio B’s rotor commands turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor and antenna Enable controls also apply. No commands are replayed after reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger input is not running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationRotctldSection</name>
    <message>
        <source>rotctld server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotctld host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN address for programs elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotctld port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The TCP port rotctld clients connect to; rotctld’s own is 4533.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotctld rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rotor that rotctld clients read, turn and stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where a rotctld client’s park command turns the rotor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-aim tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tracker’s target this close to the turn under way, or to the heading of an idle rotor, turns nothing; farther targets turn the rotor at most once a second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start rotctld server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop rotctld server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotctld server status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store these settings and serve rotctld clients from this tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the same Enable control and heading checks as this window and are logged with the client’s address. A LAN address lets any computer on the network turn the rotor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no clients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 client</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n clients</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>%1 is the server&apos;s own status, %2 how many clients are connected.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rotctld server is not running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationSettingsView</name>
    <message>
        <source>Integrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store these settings for this server and close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegrationWsjtxSection</name>
    <message>
        <source>WSJT-X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WSJT-X host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WSJT-X port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WSJT-X&apos;s UDP server port; its own default is 2237.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WSJT-X rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rotor whose Point at field follows WSJT-X&apos;s DX call and grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start WSJT-X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop WSJT-X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WSJT-X status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store these settings and listen for WSJT-X&apos;s messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen rotor&apos;s Point at field follows the DX call and grid of WSJT-X&apos;s status (a grid beats a prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A&apos;s frequency from a logger does. JTDX and similar programs send the same messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WSJT-X is not listened to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeltoClient</name>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected · live station data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a hostname and a port from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking rotctld…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking KT-90 terminal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking OV Varnex server…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP ready to %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP connected to %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection unavailable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotctld closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP connection lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>rotctld reported an error: %1 (RPRT %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking KT-90 serial port…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened serial port %1 at %2 baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server data for 20 seconds. Reconnect to refresh the station.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: the server stopped reading; more than %1 KiB of commands are waiting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discovered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server connection limit reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server requested disconnection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station reports more than %1 devices; the connection was ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station&apos;s data exceeds %1 MiB; the connection was ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the saved login…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved login could not be read from the system keychain. Enter your server credentials.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This server requires a username and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server rejected the username or password. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected, but the login could not be saved in the system keychain. You may be asked again next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected to the station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotor not on the station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heading is stale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heading is changing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotor does not accept a turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>controller has no jog command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heading is outside the rotor&apos;s limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn blocked: control is disabled or heading is stale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2° (for %3°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop requested: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: control disabled, stale or moving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog requested: %1 CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog requested: %1 CCW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset turn blocked: controls disabled, stale heading, or unknown preset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset turn blocked: %1 has limits and the server does not say where “%2” points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset turn requested: %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requested server presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor lock request blocked: control is disabled or rotor is unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack command blocked: controls disabled or unavailable status.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack requested: %1 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack requested: %1 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch blocked: controls disabled, stale status, locked position, or incompatible command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner position requested: %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner adjustment requested: %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner calibration requested: %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected · last known station</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyBinding</name>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <extracomment>Key action: turn the rotor to the binding&apos;s heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW</source>
        <extracomment>Key action: jog the rotor clockwise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCW</source>
        <extracomment>Key action: jog the rotor counterclockwise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Key action, a verb: turn the rotor to its park heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Key action: select the binding&apos;s switch or tuner position.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Key action: step to the next switch position.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Key action: step to the previous switch position.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Key action: turn a stack output on or off.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeychainError</name>
    <message>
        <source>Keychain error (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandData</name>
    <message>
        <source>The land outline file is damaged: it is not a land outline file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The land outline file is damaged: its version %1 is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The land outline file is damaged: it claims more outlines than any map holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The land outline file is damaged: its length does not match its header.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 has a wrong number of points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 leaves the globe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutEditorDialog</name>
    <message>
        <source>%1 pt</source>
        <extracomment>A width in typographic points.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device layout and band filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show devices for the current logger band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the devices listed for the band the logger’s radio is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio whose frequency names the current band.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor card width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of the rotor cards, from %1 to %2 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour along the top of every card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave bands blank to show a device on all bands. Use comma-separated names such as 20m, 40m. Lower order numbers appear first. Devices remain visible when no logger band is known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the layout editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard layout changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes to this layout have not been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station has reported no devices yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>Column heading: where the device&apos;s card comes among the others.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the card of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bands for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated band names such as 20m, 40m; blank for all bands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower order numbers appear first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this layout now and keep it for this server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has changed since the layout was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineDecoder</name>
    <message>
        <source>Invalid server text encoding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server message exceeds the size limit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LiveLogView</name>
    <message>
        <source>No connection activity yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection and command log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the log window (Escape).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocaleText</name>
    <message>
        <source>%1 mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>The log file reached %1 MiB; later lines are not written to it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoggerKind</name>
    <message>
        <source>Keyboard UDP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoggerTransport</name>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to N3FJP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger connection timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger frame too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Xalto Station Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;World map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remote access…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Country file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Xalto Station Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Xalto Station Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners.&lt;br&gt;&lt;br&gt;Free software under the GNU General Public License, version 3 or later.&lt;br&gt;Map data and place search © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;.&lt;br&gt;World map land: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Built with Qt %1, running on Qt %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NominatimPlaceSearch</name>
    <message>
        <source>The address lookup service “%1” is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address lookup service answered %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address lookup failed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address lookup service sent an answer that could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OVVProtocol</name>
    <message>
        <source>This server uses Windows text encoding; a character cannot be represented.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>Control</source>
        <extracomment>Role of a paired phone: it may turn rotors and switch antennas</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>Role of a paired phone: it may only look</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhidgetEncoder</name>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a device serial number and valid channel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhidgetFunctions</name>
    <message>
        <source>Missing Phidget22 function: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointAtPanel</name>
    <message>
        <source>Point at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point %1 at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call, prefix or locator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point-at place for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point-at source for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short path for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long path for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point-at note for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn when the DX call changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1 when the DX call changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When WSJT-X reports a new DX call for %1, turn the short path at once, through the same guards as the buttons.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointAtState</name>
    <message>
        <source>Call sign, prefix or locator; Return turns the short path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rotor has no position: set its tower location, or give the server profile a site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1 to the short path of the target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1 to the long path of the target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near the antipode of the tower: every heading is about as short, so the bearing means little.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No heading can be worked out for this place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No position for %1: place its tower with “Set tower location…” to point at stations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rotor has no position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a call sign, prefix or locator that resolves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · CQ %2</source>
        <extracomment>CQ zone, a division of the world used in amateur radio contests</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · ITU %2</source>
        <extracomment>ITU zone, a division of the world used in amateur radio</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A path&apos;s heading and distance, &quot;52.3° · 8,953 km&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointAtTargets</name>
    <message>
        <source>long path to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short path to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositionButton</name>
    <message>
        <source>Encoder preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositionState</name>
    <message>
        <source>Encoder preview: press the encoder button or Apply to send it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetEditorDialog</name>
    <message>
        <source>Presets for %1 · Enter a name and heading for this rotor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name shown on the preset’s button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target heading (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset target heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading in degrees, from 0 to 360.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add this preset to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the preset editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the preset %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Edit Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a profile name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the serial device without spaces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a hostname or IP address without spaces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site address did not identify one location. Enter a fuller address or latitude and longitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site coordinates are outside the supported map range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is saved. This tab stays connected to its server: choose “%1” in the server menu once it is disconnected, or use “Additional Server” to open it in a tab of its own.</source>
        <extracomment>“Additional Server” is the header button of that name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server could not be verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Settings imported. Connections remain disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileManagerDialog</name>
    <message>
        <source>Hostname or IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the server editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to any compatible OV Varnex server. Rotators are discovered automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved servers, in the order they were added. Choose one to edit it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new server profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove saved server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name shown in the server menu and on the tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How this computer reaches the station: an OV Varnex server, a KT-90 controller over TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site latitude in degrees, from −85 to 85.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site longitude in degrees, from −180 to 180.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Location (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates provide the starting map location for this server’s rotors. Adjust each tower on the main screen; existing tower positions are preserved. Address-only entries are looked up with OpenStreetMap when saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all saved server settings to a settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the saved settings with those of a settings file, after asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export includes all saved server settings, locations, presets, layouts and integrations. Passwords remain in the system keychain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking server and site location…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop checking. Nothing is saved and your edits stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of the controller’s serial device, such as /dev/ttyUSB0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host name or IP address of the station server, KT-90 controller or rotctld.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP or UDP port of the server, from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4533, rotctld’s usual port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that the server answers, then save this profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a saved server to remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes have not been saved. Keep editing to save them, or discard them to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import saved settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings transfer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteAccessSheet</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network, at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serve the remote page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phones and tablets that are paired watch the station and, in the Control role, turn rotors and select antennas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the selected device another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the selected device between Watch and Control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unpair the selected device and close its page at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: plain HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLS certificate (PEM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLS certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the TLS certificate file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLS private key (PEM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLS private key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the TLS private key file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open on the phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type it on the page within five minutes, or scan the QR code: it carries the code too. A new code comes after five wrong tries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without TLS anyone on the network can read the traffic between the page and this computer, the pairing code and the device tokens included. Open it to the network only on one you trust, or choose a certificate and key: the page is then served over HTTPS only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paired devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairing code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PEM certificate in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the private key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unencrypted PEM private key in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an address of this computer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 is in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening on %1 (TLS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remote: %1</source>
        <extracomment>Who sent a command, shown in the log after it: &quot;(remote: Shack tablet)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResolvedPlace</name>
    <message>
        <source>exact call</source>
        <extracomment>How the place was found: from the call itself, its prefix, its call area or a grid locator.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>call area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotctldFramer</name>
    <message>
        <source>rotctld line exceeds %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotctldProtocol</name>
    <message>
        <source>Enter a heading from -180 to 540.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rotator did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input or output error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>communication bus error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rotator is not powered on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotctldReplyReader</name>
    <message>
        <source>rotctld sent an answer this program cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotctld sent an answer to no command.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotctld client %1</source>
        <extracomment>Who sent a command, shown after it in the connection log; %1 is the client&apos;s address and port.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rotor</name>
    <message>
        <source>Awaiting heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning counterclockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloned antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading changing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotorCard</name>
    <message>
        <source>N</source>
        <extracomment>North, on the quick heading button &quot;N 0°&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, on the quick heading button &quot;E 90°&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, on the quick heading button &quot;S 180°&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, on the quick heading button &quot;W 270°&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading dial for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set tower location…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the target heading; press Rotate or Return to move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder preview for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading previewed with the rotary encoder; press the encoder button or Apply to turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Verb: turn the rotor to its park heading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A compass point and its heading on a quick heading button, &quot;N 0°&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put %1 in the target heading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server does not report ownership or rejected commands. Locks share the client IP and do not protect server presets. Disconnect releases locks for that IP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder preview: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 heading %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 heading %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A local preset&apos;s button: its name and heading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1 on the map and set its true-north offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a server first: tower locations are kept per server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maps are not available in this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limits %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forbidden %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two-way antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>park %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1 to its park heading, %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotorCardState</name>
    <message>
        <source>Not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rotor reports “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable control to rotate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fresh heading from the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait until the heading settles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable control to stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locks need an OV Varnex server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable control to lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awaiting heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST KNOWN HEADING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROLLER HEADING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CURRENT HEADING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock requested · unconfirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release requested · unconfirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No preset list received from server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1 to the target heading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop %1 now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog needs an OV Varnex server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 one step counterclockwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 one step clockwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request lock for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release lock for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate immediately to this heading when control is enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate immediately to this server preset when control is enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh server presets for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a server first: presets are kept per server.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotorLocationEditor</name>
    <message>
        <source>Position the tower under the crosshair. Save location keeps that position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates to position the tower pin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter valid coordinates and an offset between −180° and 180°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tower latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees north, with a point as decimal separator; south is negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees north, with a point or a comma as decimal separator; south is negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tower longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees east, with a point as decimal separator; west is negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees east, with a point or a comma as decimal separator; west is negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True-north offset (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True north display offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees added to the controller heading, from −180 to 180.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True bearing = controller heading + offset. Positive is clockwise. This changes only the map overlay; Rotate and presets continue to use controller degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the map to the coordinates typed above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the tower placed for %1; the map then uses the server’s site, if any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without changing the tower location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotator address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street address, city, country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An address or place to look up, or a Maidenhead grid locator such as JO62qm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map around the tower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move map center west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move map center north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move map center south</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move map center east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change map style in location editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Map style button: shows satellite imagery.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <extracomment>Map style button: shows the standard map.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out in location editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in in location editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matching location. Try a fuller address or enter coordinates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address search unavailable. Try again or enter coordinates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the tower at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look the address up in OpenStreetMap; a grid locator is placed without a search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type an address or a grid locator first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep this position and offset for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by an eighth of the view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the standard map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show satellite imagery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map already shows 10 km, the widest view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map already shows 100 m, the closest view.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotorMapCompass</name>
    <message>
        <source>Tower map for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True bearing of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change map style for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>Button showing the world map instead of the tower&apos;s map</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World map for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the whole world round the tower, with the beam across it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last reported %1 true</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing %1 true</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · target in orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the standard map under %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show satellite imagery under %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map already shows %1 around the tower, the widest view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map already shows 100 m around the tower, the closest view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map data and imagery credits. Open the copyright page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The world map always shows the whole world; zoom is for the tower&apos;s map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotorMechanics</name>
    <message>
        <source>-180…+180° (south stop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0–%1° (overlap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn blocked: the heading is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn blocked: %1 is inside %2&apos;s forbidden sector %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s limits %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s range %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would leave %2&apos;s limits %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would leave %2&apos;s limits %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would cross %2&apos;s stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would cross %2&apos;s stop.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotorSettingsSheet</name>
    <message>
        <source>Rotor settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden sector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden to (clockwise)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South stop (-180…+180°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlap ends at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-way antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The beam points both ways: turns go to whichever lobe is nearer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park after minutes without a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park when idle for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stall watchdog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop a turn whose heading does not change, or that takes too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save rotor settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an overlap rotor. Every turn, from any source, is checked against them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The limits must lie inside the range %1, the lowest below the highest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Unit after a number of seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RotorWatchdog</name>
    <message>
        <source>%1 did not move for %2 s: stopped at %3°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turned for %2 s without arriving: stopped at %3°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 had no command for %2 min: parking at %3°.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoutingContext</name>
    <message>
        <source>Not connected to the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable antenna controls first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fresh report from the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server reports status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available right now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open serial port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port is unavailable or already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot configure serial port.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialPortWorker</name>
    <message>
        <source>Serial port disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial output queue exceeded its limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial write failed or timed out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerLoginView</name>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the server accepts your login, it is saved securely in the system keychain for this server address and port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not sign in; the connection ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send this login to the server (Return).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a user name to sign in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerVerification</name>
    <message>
        <source>No compatible server or device response within 3 seconds. Check the address, port, and network connection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerVerificationError</name>
    <message>
        <source>Server could not be verified. %1</source>
        <extracomment>%1 is the reason, a whole sentence of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>The settings file could not be read: %1 is missing or not in the expected form.</source>
        <extracomment>%1 names a part of the file: &quot;the settings record&quot;, &quot;item 2 of “servers”&quot;, &quot;“version”&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file exceeds the 10 MB limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved %1 could not be read.</source>
        <extracomment>%1 is &quot;tower locations&quot;, &quot;heading presets&quot; or &quot;rotor settings&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tower locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heading presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotor settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved layout of %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved integration settings of %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings hold a number that cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file is not valid JSON: %1 at character %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be opened: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a supported station settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate server identifiers in settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid server name or address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid server port or baud rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both site coordinates are required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid site coordinates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid tower location or preset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate preset identifiers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid or duplicate rotor settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate tower locations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid layout settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid integration settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item %1 of “%2”</source>
        <extracomment>%2 is a key of the settings file, which stays in English</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout of “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the integration settings of “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts. &quot;System&quot; follows the desktop&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used for every distance the program shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Distance unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language is used from the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StackCardState</name>
    <message>
        <source>Stack: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch %1 out of the stack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch %1 into the stack.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message>
        <source>No logger data yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an IP address and a port from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n datagrams dropped</source>
        <extracomment>%1 is the listener&apos;s state, such as &quot;Listening on 127.0.0.1:2237&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Focused radio: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio %1 · %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio focused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor stop · radio %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor stop · radio focused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationLookup</name>
    <message>
        <source>Type a call sign, prefix or grid locator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is too long for a call sign, prefix or grid locator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a call sign, prefix or grid locator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No country file is loaded, so only grid locators can be placed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is maritime mobile: it has no country.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is aeronautical mobile: it has no country.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches no country prefix.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message>
        <source>Rotors and antenna routing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Development</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the saved server this tab shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loggers, keys and the rotary encoder for this server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which cards show, in what order, on which bands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the connection and command log of every tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The world round this tab&apos;s towers, with every located rotor&apos;s beam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls reset on disconnect. Turn commands are never replayed. Closing the app does not stop a moving antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable antenna controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna routing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage servers…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SERVER: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the connection to this server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop connecting to this server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the selected server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to another server in a separate tab (up to 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten server tabs are open: close one to add another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow the rotor controls of this tab to send commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow the switch, stack and tuner controls of this tab to send commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop every rotor of this server. (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rotor can be stopped: connect and switch on Enable control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n visible</source>
        <extracomment>Rotor cards shown on this tab</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n discovered · live headings from the server</source>
        <extracomment>Rotors the server reported</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for rotors…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect once to load this server’s rotors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect once to load this server’s antenna routing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No switches, stack outputs or tuners reported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch %1</source>
        <extracomment>Antenna switch card, named for assistive tools</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack %1</source>
        <extracomment>Antenna stack card, named for assistive tools</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no server to connect to yet. Add one in the server editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This tab has no server. Choose one in the server menu, or add one in the server editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add server…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationWorkspace</name>
    <message>
        <source>Server %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This server is already open in %1. Its existing tab has been selected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationWorkspaceView</name>
    <message>
        <source>Close server tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect and close the selected server tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server already open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SwitchCardState</name>
    <message>
        <source>Reported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported switch type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deselect %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also select %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select %1 at %2 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position is locked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemFileDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <extracomment>File type filter of the settings file dialogs; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminalProtocol</name>
    <message>
        <source>Enter a heading from 0 to 360.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal frame exceeds size limit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileLoader</name>
    <message>
        <source>The tile server sent more than %1 MiB for one tile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile server answered %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile server did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile could not be loaded: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile address “%1” is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile server %1 asked for fewer requests; tiles are paused for now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile server sent an image that could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TowerMap</name>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map imagery unavailable. Heading display still works.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TunerCard</name>
    <message>
        <source>CCW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCW %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate tuner rotor?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1 on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TunerCardState</name>
    <message>
        <source>Turvix · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported: %1 · Status %2 · RSSI %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awaiting position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1 counterclockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1 clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tower has no position yet, so the world cannot be drawn around it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centred on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 beam %2, last reported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 beam %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorldMapWindow</name>
    <message>
        <source>World map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole world</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World map reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far from the tower the edge of the map reaches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place under the pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rotor of this tab has a tower position yet. Place a tower with Set Location on its card, or give the server a site in its profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WsjtxMessage</name>
    <message>
        <source>The WSJT-X datagram is damaged: it ends before its %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is %2 bytes long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it ends inside its %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it is %1 bytes long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it does not start with the magic number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
