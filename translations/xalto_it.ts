<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CallArea</name>
    <message>
        <source>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</source>
        <translation>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</translation>
    </message>
    <message>
        <source>New England (CT, MA, ME, NH, RI, VT)</source>
        <translation>Nuova Inghilterra (CT, MA, ME, NH, RI, VT)</translation>
    </message>
    <message>
        <source>New York and New Jersey</source>
        <translation>New York e New Jersey</translation>
    </message>
    <message>
        <source>Mid-Atlantic (DC, DE, MD, PA)</source>
        <translation>Atlantico centrale (DC, DE, MD, PA)</translation>
    </message>
    <message>
        <source>Southeast (AL, FL, GA, KY, NC, SC, TN, VA)</source>
        <translation>Sud-est (AL, FL, GA, KY, NC, SC, TN, VA)</translation>
    </message>
    <message>
        <source>South (AR, LA, MS, NM, OK, TX)</source>
        <translation>Sud (AR, LA, MS, NM, OK, TX)</translation>
    </message>
    <message>
        <source>California</source>
        <translation>California</translation>
    </message>
    <message>
        <source>Northwest (AZ, ID, MT, NV, OR, UT, WA, WY)</source>
        <translation>Nord-ovest (AZ, ID, MT, NV, OR, UT, WA, WY)</translation>
    </message>
    <message>
        <source>Great Lakes (MI, OH, WV)</source>
        <translation>Grandi Laghi (MI, OH, WV)</translation>
    </message>
    <message>
        <source>Central (IL, IN, WI)</source>
        <translation>Centro (IL, IN, WI)</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Terranova</translation>
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
        <translation>Isola del Principe Edoardo</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nuova Scozia</translation>
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
        <translation>Columbia Britannica</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territori del Nord-Ovest</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nuovo Brunswick</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Territorio della Capitale Australiana</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nuovo Galles del Sud</translation>
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
        <translation>Australia Meridionale</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Australia Occidentale</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmania</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Territorio del Nord</translation>
    </message>
    <message>
        <source>Kanto</source>
        <translation>Kanto</translation>
    </message>
    <message>
        <source>Tokai</source>
        <translation>Tokai</translation>
    </message>
    <message>
        <source>Kansai</source>
        <translation>Kansai</translation>
    </message>
    <message>
        <source>Chugoku</source>
        <translation>Chugoku</translation>
    </message>
    <message>
        <source>Shikoku</source>
        <translation>Shikoku</translation>
    </message>
    <message>
        <source>Kyushu and Okinawa</source>
        <translation>Kyushu e Okinawa</translation>
    </message>
    <message>
        <source>Tohoku</source>
        <translation>Tohoku</translation>
    </message>
    <message>
        <source>Hokkaido</source>
        <translation>Hokkaido</translation>
    </message>
    <message>
        <source>Hokuriku</source>
        <translation>Hokuriku</translation>
    </message>
    <message>
        <source>Shin&apos;etsu</source>
        <translation>Shin&apos;etsu</translation>
    </message>
    <message>
        <source>Western Siberia, north (call area 8)</source>
        <translation>Siberia occidentale, nord (area 8)</translation>
    </message>
    <message>
        <source>Urals and Western Siberia (call area 9)</source>
        <translation>Urali e Siberia occidentale (area 9)</translation>
    </message>
    <message>
        <source>Eastern Siberia and the Far East (call area 0)</source>
        <translation>Siberia orientale ed Estremo Oriente (area 0)</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Pechino</translation>
    </message>
    <message>
        <source>Heilongjiang, Jilin, Liaoning</source>
        <translation>Heilongjiang, Jilin, Liaoning</translation>
    </message>
    <message>
        <source>Tianjin, Inner Mongolia, Hebei, Shanxi</source>
        <translation>Tientsin, Mongolia Interna, Hebei, Shanxi</translation>
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
        <translation>Xinjiang e Tibet</translation>
    </message>
    <message>
        <source>Rio de Janeiro and Espirito Santo</source>
        <translation>Rio de Janeiro ed Espírito Santo</translation>
    </message>
    <message>
        <source>Sao Paulo, Goias, Federal District</source>
        <translation>San Paolo, Goiás, Distretto Federale</translation>
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
        <translation>Paraná e Santa Catarina</translation>
    </message>
    <message>
        <source>Bahia and Sergipe</source>
        <translation>Bahia e Sergipe</translation>
    </message>
    <message>
        <source>Northeast (PE, AL, PB, RN, CE, PI)</source>
        <translation>Nord-est (PE, AL, PB, RN, CE, PI)</translation>
    </message>
    <message>
        <source>North (PA, AM, AP, MA, RR)</source>
        <translation>Nord (PA, AM, AP, MA, RR)</translation>
    </message>
    <message>
        <source>Centre-West (MT, MS, RO, AC, TO)</source>
        <translation>Centro-ovest (MT, MS, RO, AC, TO)</translation>
    </message>
    <message>
        <source>Buenos Aires City</source>
        <translation>Città di Buenos Aires</translation>
    </message>
    <message>
        <source>Buenos Aires Province</source>
        <translation>Provincia di Buenos Aires</translation>
    </message>
    <message>
        <source>Santa Fe</source>
        <translation>Santa Fe</translation>
    </message>
    <message>
        <source>Chaco and Formosa</source>
        <translation>Chaco e Formosa</translation>
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
        <translation>Santa Cruz e Terra del Fuoco</translation>
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
        <translation>L’elenco dei nominativi supera %1 MiB.</translation>
    </message>
    <message>
        <source>The call list holds more than %1 calls.</source>
        <translation>L’elenco dei nominativi contiene più di %1 nominativi.</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South on the heading dial</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West on the heading dial</extracomment>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>Confirmation</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Terminale TCP KT-90</translation>
    </message>
    <message>
        <source>KT-90 UDP terminal</source>
        <translation>Terminale UDP KT-90</translation>
    </message>
    <message>
        <source>KT-90 local serial</source>
        <translation>KT-90 seriale locale</translation>
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
        <translation>Nessun file dei paesi installato; caricane uno o installa il pacchetto Debian hamradio-files.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Il file supera %1 MiB.</translation>
    </message>
    <message>
        <source>The program&apos;s data folder cannot be created.</source>
        <translation>Impossibile creare la cartella dati del programma.</translation>
    </message>
    <message>
        <source>The copy cannot be kept: %1.</source>
        <translation>Impossibile conservare la copia: %1.</translation>
    </message>
    <message>
        <source>No version given</source>
        <translation>Nessuna versione indicata</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation>
            <numerusform>Versione %1, vecchia di %n giorno</numerusform>
            <numerusform>Versione %1, vecchia di %n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a piece of the country file.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it has %2 fields where 10 are expected.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: ha %2 campi anziché i 10 previsti.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its prefix list does not end with “;”.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: l’elenco dei prefissi non termina con “;”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: il numero DXCC %2 non è un numero da 0 a 9999.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the entity before it does not end its prefix list with “;”.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: l’entità precedente non chiude l’elenco dei prefissi con “;”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: la riga dell’entità non ha 8 campi terminati da “:”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it lists prefixes without an entity line before them.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: elenca prefissi senza una riga di entità che li preceda.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: text follows the “;” that ends the prefix list.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: c’è del testo dopo il “;” che chiude l’elenco dei prefissi.</translation>
    </message>
    <message>
        <source>The country file ends inside the prefix list of %1.</source>
        <translation>Il file dei paesi termina all’interno dell’elenco dei prefissi di %1.</translation>
    </message>
    <message>
        <source>The country file lists no countries.</source>
        <translation>Il file dei paesi non elenca alcun paese.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 countries.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: il file elenca più di %2 paesi.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the country name %2 is empty, too long or holds control characters.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: il nome del paese %2 è vuoto, troppo lungo o contiene caratteri di controllo.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: il prefisso principale %2 di %3 non è un prefisso.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the continent %2 of %3 is not one of AF, AN, AS, EU, NA, OC, SA.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: il continente %2 di %3 non è uno tra AF, AN, AS, EU, NA, OC, SA.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the zones of %2 are not a CQ zone from 1 to 40 and an ITU zone from 1 to 90.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: le zone di %2 non sono una zona CQ da 1 a 40 e una zona ITU da 1 a 90.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the latitude, longitude or UTC offset of %2 is not a number within range.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: latitudine, longitudine o scostamento UTC di %2 non sono un numero nell’intervallo valido.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 prefixes and calls.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: il file elenca più di %2 prefissi e nominativi.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: %2 is not a prefix or call.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: %2 non è un prefisso né un nominativo.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not closed.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: l’eccezione in %2 non è chiusa.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not valid.</source>
        <translation>Il file dei paesi è danneggiato alla riga %1: l’eccezione in %2 non è valida.</translation>
    </message>
    <message>
        <source>The country file is larger than %1 MiB.</source>
        <translation>Il file dei paesi supera %1 MiB.</translation>
    </message>
    <message>
        <source>The country file is empty.</source>
        <translation>Il file dei paesi è vuoto.</translation>
    </message>
    <message>
        <source>The file is neither a cty.csv nor a cty.dat country file.</source>
        <translation>Il file non è un file dei paesi cty.csv né cty.dat.</translation>
    </message>
</context>
<context>
    <name>CountryFileLoader</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 supera %2 MiB.</translation>
    </message>
</context>
<context>
    <name>CountryFileSheet</name>
    <message>
        <source>Country File</source>
        <translation>File dei paesi</translation>
    </message>
    <message>
        <source>Country file version</source>
        <translation>Versione del file dei paesi</translation>
    </message>
    <message>
        <source>Country file in use</source>
        <translation>File dei paesi in uso</translation>
    </message>
    <message>
        <source>Country file load result</source>
        <translation>Esito del caricamento del file dei paesi</translation>
    </message>
    <message>
        <source>Load country file…</source>
        <translation>Carica file dei paesi…</translation>
    </message>
    <message>
        <source>Read a newer cty.csv or cty.dat; a file that does not read changes nothing.</source>
        <translation>Legge un cty.csv o cty.dat più recente; un file illeggibile non cambia nulla.</translation>
    </message>
    <message>
        <source>Country file</source>
        <translation>File dei paesi</translation>
    </message>
    <message>
        <source>Call signs and prefixes are placed with this file. Newer files are published monthly; a loaded file is kept in the program&apos;s data folder and used from then on.</source>
        <translation>Nominativi e prefissi vengono localizzati con questo file. Ogni mese escono file più recenti; un file caricato viene conservato nella cartella dati del programma e usato da quel momento in poi.</translation>
    </message>
    <message>
        <source>Loaded; the copy is kept for later starts.</source>
        <translation>Caricato; la copia è conservata per gli avvii successivi.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nessuna modifica: %1</translation>
    </message>
    <message>
        <source>Load Country File</source>
        <translation>Carica file dei paesi</translation>
    </message>
    <message>
        <source>Country files (*.csv *.dat *.CSV *.DAT);;All files (*)</source>
        <translation>File dei paesi (*.csv *.dat *.CSV *.DAT);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>No country file</source>
        <translation>Nessun file dei paesi</translation>
    </message>
    <message>
        <source>A loaded copy: %1</source>
        <translation>Copia caricata: %1</translation>
    </message>
    <message>
        <source>Installed file: %1</source>
        <translation>File installato: %1</translation>
    </message>
    <message>
        <source>%1 countries, %2 prefixes and calls</source>
        <translation>%1 paesi, %2 prefissi e nominativi</translation>
    </message>
</context>
<context>
    <name>EncoderWorker</name>
    <message>
        <source>Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.</source>
        <translation>In attesa del Phidget %1. I dispositivi HID legacy possono richiedere il driver USB del produttore.</translation>
    </message>
    <message>
        <source>Phidget22 library could not be loaded.</source>
        <translation>Impossibile caricare la libreria Phidget22.</translation>
    </message>
    <message>
        <source>Phidget encoder channel could not be opened.</source>
        <translation>Impossibile aprire il canale encoder del Phidget.</translation>
    </message>
    <message>
        <source>Phidget button channel could not be opened.</source>
        <translation>Impossibile aprire il canale pulsante del Phidget.</translation>
    </message>
    <message>
        <source>Phidget disconnected</source>
        <translation>Phidget disconnesso</translation>
    </message>
    <message>
        <source>Phidget connected</source>
        <translation>Phidget connesso</translation>
    </message>
</context>
<context>
    <name>HeadingPreset</name>
    <message>
        <source>Give the preset a name and a heading from 0 to 360 degrees.</source>
        <translation>Assegna al preset un nome e un azimut da 0 a 360 gradi.</translation>
    </message>
</context>
<context>
    <name>IntegrationDevicesSection</name>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation>Radio A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>Radio B</translation>
    </message>
    <message>
        <source>Focused radio</source>
        <translation>Radio attiva</translation>
    </message>
    <message>
        <source>Frequency-driven devices</source>
        <translation>Dispositivi guidati dalla frequenza</translation>
    </message>
    <message>
        <source>A selected OFF remains off. Existing in-range selections are retained; locked outputs are skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared switch.</source>
        <translation>Un OFF selezionato resta spento. Le selezioni esistenti compatibili con la banda restano; le uscite bloccate vengono saltate. “Radio attiva” segue il focus del logger ed evita aggiornamenti A/B in conflitto su un commutatore condiviso.</translation>
    </message>
    <message>
        <source>Radio for %1</source>
        <translation>Radio per %1</translation>
    </message>
    <message>
        <source>Which radio’s frequency selects the band position of %1.</source>
        <translation>La frequenza di quale radio sceglie la posizione di banda di %1.</translation>
    </message>
    <message>
        <source>Switch: %1</source>
        <extracomment>%1 is the antenna switch&apos;s name from the station.</extracomment>
        <translation>Commutatore: %1</translation>
    </message>
    <message>
        <source>Tuner: %1</source>
        <extracomment>%1 is the tuner&apos;s name from the station.</extracomment>
        <translation>Accordatore: %1</translation>
    </message>
    <message>
        <source>The station has reported no switches or tuners yet.</source>
        <translation>La stazione non ha ancora segnalato commutatori né accordatori.</translation>
    </message>
</context>
<context>
    <name>IntegrationEditor</name>
    <message>
        <source>Stop this input.</source>
        <translation>Ferma questo ingresso.</translation>
    </message>
</context>
<context>
    <name>IntegrationEncoderSection</name>
    <message>
        <source>Phidget encoder / eKnob</source>
        <translation>Encoder Phidget / eKnob</translation>
    </message>
    <message>
        <source>Device serial number</source>
        <translation>Numero di serie del dispositivo</translation>
    </message>
    <message>
        <source>The serial number printed on the encoder device.</source>
        <translation>Il numero di serie stampato sul dispositivo encoder.</translation>
    </message>
    <message>
        <source>Encoder channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canale encoder </translation>
    </message>
    <message>
        <source>Encoder channel</source>
        <translation>Canale encoder</translation>
    </message>
    <message>
        <source>The device channel of the encoder.</source>
        <translation>Il canale del dispositivo usato dall’encoder.</translation>
    </message>
    <message>
        <source>Button channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canale pulsante </translation>
    </message>
    <message>
        <source>Button channel</source>
        <translation>Canale pulsante</translation>
    </message>
    <message>
        <source>The digital input of the encoder’s button; −1 for none.</source>
        <translation>L’ingresso digitale del pulsante dell’encoder; −1 per nessuno.</translation>
    </message>
    <message>
        <source>Degrees/count</source>
        <translation>Gradi/scatto</translation>
    </message>
    <message>
        <source>Degrees per encoder count when turning a rotor; negative reverses the direction.</source>
        <translation>Gradi per scatto dell’encoder quando si gira un rotore; un valore negativo inverte la direzione.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack output, T: tuner positions).</source>
        <translation>Cosa gira l’encoder (R: rotore) o tra cosa sceglie (P: preset di un rotore, S: posizioni del commutatore, K: uscita stack, T: posizioni dell’accordatore).</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Start encoder</source>
        <translation>Avvia encoder</translation>
    </message>
    <message>
        <source>Stop encoder</source>
        <translation>Ferma encoder</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Stato dell’encoder</translation>
    </message>
    <message>
        <source>Store these settings and start reading the encoder.</source>
        <translation>Salva queste impostazioni e inizia a leggere l’encoder.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Encoder preview</source>
        <translation>Anteprima encoder</translation>
    </message>
    <message>
        <source>Phidget USB driver and setup</source>
        <translation>Driver USB e configurazione Phidget</translation>
    </message>
    <message>
        <source>Turning previews a heading or selection. Press the encoder button or Apply to send it. A button channel of −1 disables button input; use a negative step to reverse direction. Enable controls still applies.</source>
        <translation>Girando si ottiene un’anteprima di azimut o selezione. Premi il pulsante dell’encoder o Applica per inviarla. Un canale pulsante −1 disattiva il pulsante; usa un valore negativo per invertire la direzione. “Abilita controllo” resta valido.</translation>
    </message>
    <message>
        <source>The encoder is not running.</source>
        <translation>L’encoder non è in funzione.</translation>
    </message>
    <message>
        <source>Send the previewed heading or selection now.</source>
        <translation>Invia ora l’azimut o la selezione in anteprima.</translation>
    </message>
    <message>
        <source>Turn on “Enable logger commands and automatic band selection” to send.</source>
        <translation>Attiva “Abilita comandi del logger e selezione automatica della banda” per inviare.</translation>
    </message>
    <message>
        <source>Connect to the server to send.</source>
        <translation>Connettiti al server per inviare.</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Anteprima: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
</context>
<context>
    <name>IntegrationEventsSection</name>
    <message>
        <source>Received integration events</source>
        <translation>Eventi di integrazione ricevuti</translation>
    </message>
    <message>
        <source>No events received</source>
        <translation>Nessun evento ricevuto</translation>
    </message>
    <message>
        <source>The logger events and key tokens this server’s inputs received, oldest first (the last %1).</source>
        <translation>Gli eventi del logger e i codici tasto ricevuti dagli ingressi di questo server, dal più vecchio (gli ultimi %1).</translation>
    </message>
</context>
<context>
    <name>IntegrationKeysSection</name>
    <message>
        <source>Keyboard shortcuts and UDP keys</source>
        <translation>Scorciatoie da tastiera e tasti UDP</translation>
    </message>
    <message>
        <source>Key tokens also work while the main app window is focused, outside text fields. Examples: CTRL R, SHIFT S, Escape.</source>
        <translation>I codici tasto funzionano anche quando la finestra principale ha il focus, fuori dai campi di testo. Esempi: CTRL R, SHIFT S, Escape.</translation>
    </message>
    <message>
        <source>Global keyboard shortcuts</source>
        <translation>Scorciatoie globali da tastiera</translation>
    </message>
    <message>
        <source>Also take key tokens typed in other programs.</source>
        <translation>Accetta anche codici tasto digitati in altri programmi.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session.</source>
        <translation>Le scorciatoie globali non sono disponibili in questa sessione.</translation>
    </message>
    <message>
        <source>Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard listening after changing this switch.</source>
        <translation>Su questo desktop le scorciatoie globali non richiedono permessi aggiuntivi, solo un modificatore Control, Alt o Super (CTRL, ALT, CMD nei codici). Valgono per la scheda del server selezionata. Dopo aver cambiato questa opzione riavvia l’ascolto della tastiera.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session: this desktop does not let programs watch keys typed elsewhere. Keys in the main window and UDP key tokens still work.</source>
        <translation>Le scorciatoie globali non sono disponibili in questa sessione: questo desktop non consente ai programmi di osservare i tasti digitati altrove. I tasti nella finestra principale e i codici tasto UDP funzionano comunque.</translation>
    </message>
    <message>
        <source>Local keyboard UDP port</source>
        <translation>Porta UDP della tastiera locale</translation>
    </message>
    <message>
        <source>Key tokens sent to 127.0.0.1 on this port fire the bindings below.</source>
        <translation>I codici tasto inviati a 127.0.0.1 su questa porta attivano le associazioni tasto qui sotto.</translation>
    </message>
    <message>
        <source>Start keyboard</source>
        <translation>Avvia tastiera</translation>
    </message>
    <message>
        <source>Stop keyboard</source>
        <translation>Ferma tastiera</translation>
    </message>
    <message>
        <source>Keyboard status</source>
        <translation>Stato della tastiera</translation>
    </message>
    <message>
        <source>Store these settings and start listening for keys and UDP key tokens.</source>
        <translation>Salva queste impostazioni e inizia ad ascoltare tasti e codici tasto UDP.</translation>
    </message>
    <message>
        <source>Add key binding</source>
        <translation>Aggiungi associazione tasto</translation>
    </message>
    <message>
        <source>Add a key token and what it does.</source>
        <translation>Aggiungi un codice tasto e la sua azione.</translation>
    </message>
    <message>
        <source>No key bindings</source>
        <translation>Nessuna associazione tasto</translation>
    </message>
    <message>
        <source>Key token</source>
        <translation>Codice tasto</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Key token %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Codice tasto %1</translation>
    </message>
    <message>
        <source>The key token that fires this binding, such as CTRL R.</source>
        <translation>Il codice tasto che attiva questa associazione, ad esempio CTRL R.</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Dispositivo %1</translation>
    </message>
    <message>
        <source>R: rotor, S: antenna switch, K: stack output, T: tuner.</source>
        <translation>R: rotore, S: commutatore d’antenna, K: uscita stack, T: accordatore.</translation>
    </message>
    <message>
        <source>Action %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Azione %1</translation>
    </message>
    <message>
        <source>What the binding does with its device.</source>
        <translation>Cosa fa l’associazione con il suo dispositivo.</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Azimut %1</translation>
    </message>
    <message>
        <source>The heading a Rotate binding turns its rotor to.</source>
        <translation>L’azimut verso cui un’associazione Ruota gira il suo rotore.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Posizione %1</translation>
    </message>
    <message>
        <source>The switch or tuner position to select; Next and Previous step instead.</source>
        <translation>La posizione del commutatore o dell’accordatore da selezionare; Successiva e Precedente invece avanzano di un passo.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove this key binding.</source>
        <translation>Rimuovi questa associazione tasto.</translation>
    </message>
    <message>
        <source>Remove binding %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Rimuovi associazione %1</translation>
    </message>
    <message>
        <source>The keyboard input is not running.</source>
        <translation>L’ingresso da tastiera non è in funzione.</translation>
    </message>
</context>
<context>
    <name>IntegrationLoggerSection</name>
    <message>
        <source>Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111.</source>
        <translation>Ascolta su 127.0.0.1 per software locale, o sull’indirizzo LAN di questo computer per un logger remoto. Rotore N1MM: 12050; dati radio: 12060; Win-Test: 9871; tastiera UDP: 61111.</translation>
    </message>
    <message>
        <source>Connect to the N3FJP API (normally port 1100).</source>
        <translation>Connettiti all’API N3FJP (di solito porta 1100).</translation>
    </message>
    <message>
        <source>Logger and automatic controls</source>
        <translation>Logger e controlli automatici</translation>
    </message>
    <message>
        <source>Enable logger commands and automatic band selection</source>
        <translation>Abilita comandi del logger e selezione automatica della banda</translation>
    </message>
    <message>
        <source>Send the rotor turns, band selections and key bindings of this server’s inputs. Events are listed either way.</source>
        <translation>Invia le rotazioni del rotore, le selezioni di banda e le associazioni tasto degli ingressi di questo server. Gli eventi vengono elencati in ogni caso.</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>The logger program, or key tokens over UDP.</source>
        <translation>Il programma di log, o codici tasto via UDP.</translation>
    </message>
    <message>
        <source>Logger host</source>
        <translation>Host del logger</translation>
    </message>
    <message>
        <source>The address to listen on, or the N3FJP computer.</source>
        <translation>L’indirizzo su cui ascoltare, o il computer N3FJP.</translation>
    </message>
    <message>
        <source>Logger port</source>
        <translation>Porta del logger</translation>
    </message>
    <message>
        <source>The UDP port to listen on, or the N3FJP API port.</source>
        <translation>La porta UDP su cui ascoltare, o la porta API N3FJP.</translation>
    </message>
    <message>
        <source>Station name filter (optional)</source>
        <translation>Filtro nome stazione (facoltativo)</translation>
    </message>
    <message>
        <source>Only messages from this N1MM or Win-Test station; blank for every station.</source>
        <translation>Solo messaggi da questa stazione N1MM o Win-Test; vuoto per tutte le stazioni.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Start logger</source>
        <translation>Avvia logger</translation>
    </message>
    <message>
        <source>Stop logger</source>
        <translation>Ferma logger</translation>
    </message>
    <message>
        <source>Logger status</source>
        <translation>Stato del logger</translation>
    </message>
    <message>
        <source>Store these settings and start the logger input.</source>
        <translation>Salva queste impostazioni e avvia l’ingresso del logger.</translation>
    </message>
    <message>
        <source>Radio A rotor</source>
        <translation>Rotore radio A</translation>
    </message>
    <message>
        <source>The rotor that radio A’s rotor commands turn.</source>
        <translation>Il rotore girato dai comandi rotore della radio A.</translation>
    </message>
    <message>
        <source>Radio B rotor</source>
        <translation>Rotore radio B</translation>
    </message>
    <message>
        <source>The rotor that radio B’s rotor commands turn.</source>
        <translation>Il rotore girato dai comandi rotore della radio B.</translation>
    </message>
    <message>
        <source>Rotor and antenna Enable controls also apply. No commands are replayed after reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s port.</source>
        <translation>Valgono anche i controlli “Abilita” di rotore e antenna. Dopo una riconnessione nessun comando viene ripetuto. Configura le trasmissioni radio e rotore di N1MM verso la porta di questo ascolto.</translation>
    </message>
    <message>
        <source>The logger input is not running.</source>
        <translation>L’ingresso del logger non è in funzione.</translation>
    </message>
</context>
<context>
    <name>IntegrationRotctldSection</name>
    <message>
        <source>rotctld server</source>
        <translation>Server rotctld</translation>
    </message>
    <message>
        <source>rotctld host</source>
        <translation>Host rotctld</translation>
    </message>
    <message>
        <source>The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN address for programs elsewhere.</source>
        <translation>L’indirizzo su cui ascoltare: 127.0.0.1 per i programmi su questo computer, o l’indirizzo LAN di questo computer per programmi altrove.</translation>
    </message>
    <message>
        <source>rotctld port</source>
        <translation>Porta rotctld</translation>
    </message>
    <message>
        <source>The TCP port rotctld clients connect to; rotctld’s own is 4533.</source>
        <translation>La porta TCP a cui si connettono i client rotctld; quella di rotctld è 4533.</translation>
    </message>
    <message>
        <source>rotctld rotor</source>
        <translation>Rotore rotctld</translation>
    </message>
    <message>
        <source>The rotor that rotctld clients read, turn and stop.</source>
        <translation>Il rotore che i client rotctld leggono, girano e fermano.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Azimut di parcheggio</translation>
    </message>
    <message>
        <source>Where a rotctld client’s park command turns the rotor.</source>
        <translation>Dove il comando di parcheggio di un client rotctld gira il rotore.</translation>
    </message>
    <message>
        <source>Re-aim tolerance</source>
        <translation>Tolleranza di ripuntamento</translation>
    </message>
    <message>
        <source>A tracker’s target this close to the turn under way, or to the heading of an idle rotor, turns nothing; farther targets turn the rotor at most once a second.</source>
        <translation>Una destinazione del tracker così vicina alla rotazione in corso, o all’azimut di un rotore fermo, non gira nulla; destinazioni più lontane girano il rotore al massimo una volta al secondo.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotore</translation>
    </message>
    <message>
        <source>Start rotctld server</source>
        <translation>Avvia server rotctld</translation>
    </message>
    <message>
        <source>Stop rotctld server</source>
        <translation>Ferma server rotctld</translation>
    </message>
    <message>
        <source>Rotctld server status</source>
        <translation>Stato del server rotctld</translation>
    </message>
    <message>
        <source>Store these settings and serve rotctld clients from this tab.</source>
        <translation>Salva queste impostazioni e servi i client rotctld da questa scheda.</translation>
    </message>
    <message>
        <source>Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the same Enable control and heading checks as this window and are logged with the client’s address. A LAN address lets any computer on the network turn the rotor.</source>
        <translation>Tracker satellitari, logger e dashboard che parlano il protocollo rotctld guidano il rotore scelto tramite questa scheda, ad esempio rotctl -m 2 -r 127.0.0.1:4533. I loro comandi passano gli stessi controlli di “Abilita controllo” e di azimut di questa finestra e vengono registrati con l’indirizzo del client. Un indirizzo LAN permette a qualsiasi computer della rete di girare il rotore.</translation>
    </message>
    <message>
        <source>no clients</source>
        <translation>nessun client</translation>
    </message>
    <message>
        <source>1 client</source>
        <translation>1 client</translation>
    </message>
    <message numerus="yes">
        <source>%n clients</source>
        <translation>
            <numerusform>%n client</numerusform>
            <numerusform>%n client</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>%1 is the server&apos;s own status, %2 how many clients are connected.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>The rotctld server is not running.</source>
        <translation>Il server rotctld non è in funzione.</translation>
    </message>
</context>
<context>
    <name>IntegrationSettingsView</name>
    <message>
        <source>Integrations</source>
        <translation>Integrazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Store these settings for this server and close.</source>
        <translation>Salva queste impostazioni per questo server e chiudi.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
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
        <translation>Host WSJT-X</translation>
    </message>
    <message>
        <source>The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1.</source>
        <translation>L’indirizzo a cui WSJT-X invia i messaggi UDP: 127.0.0.1, o un gruppo multicast come 224.0.0.1.</translation>
    </message>
    <message>
        <source>WSJT-X port</source>
        <translation>Porta WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X&apos;s UDP server port; its own default is 2237.</source>
        <translation>La porta del server UDP di WSJT-X; quella predefinita è 2237.</translation>
    </message>
    <message>
        <source>WSJT-X rotor</source>
        <translation>Rotore WSJT-X</translation>
    </message>
    <message>
        <source>The rotor whose Point at field follows WSJT-X&apos;s DX call and grid.</source>
        <translation>Il rotore il cui campo “Punta verso” segue il nominativo DX e il locatore di WSJT-X.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotore</translation>
    </message>
    <message>
        <source>Start WSJT-X</source>
        <translation>Avvia WSJT-X</translation>
    </message>
    <message>
        <source>Stop WSJT-X</source>
        <translation>Ferma WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X status</source>
        <translation>Stato WSJT-X</translation>
    </message>
    <message>
        <source>Store these settings and listen for WSJT-X&apos;s messages.</source>
        <translation>Salva queste impostazioni e ascolta i messaggi di WSJT-X.</translation>
    </message>
    <message>
        <source>The chosen rotor&apos;s Point at field follows the DX call and grid of WSJT-X&apos;s status (a grid beats a prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A&apos;s frequency from a logger does. JTDX and similar programs send the same messages.</source>
        <translation>Il campo “Punta verso” del rotore scelto segue il nominativo DX e il locatore dello stato di WSJT-X (un locatore prevale su un prefisso); nulla si muove finché non premi Ruota. La frequenza di sintonia guida l’automazione di banda come la frequenza della radio A da un logger. JTDX e programmi simili inviano gli stessi messaggi.</translation>
    </message>
    <message>
        <source>WSJT-X is not listened to.</source>
        <translation>WSJT-X non è in ascolto.</translation>
    </message>
</context>
<context>
    <name>KeltoClient</name>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Connected · live station data</source>
        <translation>Connesso · dati stazione in tempo reale</translation>
    </message>
    <message>
        <source>Enter a hostname and a port from 1 to 65535.</source>
        <translation>Inserisci un nome host e una porta da 1 a 65535.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Connessione a %1:%2…</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>Connessione non riuscita: %1</translation>
    </message>
    <message>
        <source>Checking rotctld…</source>
        <translation>Verifica di rotctld…</translation>
    </message>
    <message>
        <source>Checking KT-90 terminal…</source>
        <translation>Verifica del terminale KT-90…</translation>
    </message>
    <message>
        <source>Checking OV Varnex server…</source>
        <translation>Verifica del server OV Varnex…</translation>
    </message>
    <message>
        <source>UDP ready to %1:%2</source>
        <translation>UDP pronto verso %1:%2</translation>
    </message>
    <message>
        <source>TCP connected to %1:%2</source>
        <translation>TCP connesso a %1:%2</translation>
    </message>
    <message>
        <source>Connection unavailable: %1</source>
        <translation>Connessione non disponibile: %1</translation>
    </message>
    <message>
        <source>rotctld closed the connection.</source>
        <translation>rotctld ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>Server closed the connection.</source>
        <translation>Il server ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Connessione persa: %1</translation>
    </message>
    <message>
        <source>UDP connection lost: %1</source>
        <translation>Connessione UDP persa: %1</translation>
    </message>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation>
            <numerusform>rotctld non risponde più: %n comando attende una risposta.</numerusform>
            <numerusform>rotctld non risponde più: %n comandi attendono una risposta.</numerusform>
        </translation>
    </message>
    <message>
        <source>rotctld reported an error: %1 (RPRT %2).</source>
        <translation>rotctld ha segnalato un errore: %1 (RPRT %2).</translation>
    </message>
    <message>
        <source>Checking KT-90 serial port…</source>
        <translation>Verifica della porta seriale KT-90…</translation>
    </message>
    <message>
        <source>Opened serial port %1 at %2 baud</source>
        <translation>Porta seriale %1 aperta a %2 baud</translation>
    </message>
    <message>
        <source>No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN.</source>
        <translation>Nessuna risposta compatibile da server o dispositivo entro 10 secondi. Controlla indirizzo del server, porta, LAN o VPN.</translation>
    </message>
    <message>
        <source>No server data for 20 seconds. Reconnect to refresh the station.</source>
        <translation>Nessun dato dal server da 20 secondi. Riconnettiti per aggiornare la stazione.</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Invio non riuscito: %1</translation>
    </message>
    <message>
        <source>Send failed: the server stopped reading; more than %1 KiB of commands are waiting.</source>
        <translation>Invio non riuscito: il server ha smesso di leggere; più di %1 KiB di comandi sono in attesa.</translation>
    </message>
    <message>
        <source>Discovered %1</source>
        <translation>Rilevato %1</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>Rimosso %1</translation>
    </message>
    <message>
        <source>Server connection limit reached.</source>
        <translation>Raggiunto il limite di connessioni del server.</translation>
    </message>
    <message>
        <source>Server requested disconnection.</source>
        <translation>Il server ha richiesto la disconnessione.</translation>
    </message>
    <message>
        <source>The station reports more than %1 devices; the connection was ended.</source>
        <translation>La stazione segnala più di %1 dispositivi; la connessione è stata chiusa.</translation>
    </message>
    <message>
        <source>The station&apos;s data exceeds %1 MiB; the connection was ended.</source>
        <translation>I dati della stazione superano %1 MiB; la connessione è stata chiusa.</translation>
    </message>
    <message>
        <source>Reading the saved login…</source>
        <translation>Lettura dell’accesso salvato…</translation>
    </message>
    <message>
        <source>Saved login could not be read from the system keychain. Enter your server credentials.</source>
        <translation>Impossibile leggere l’accesso salvato dal portachiavi di sistema. Inserisci le credenziali del server.</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Autenticazione…</translation>
    </message>
    <message>
        <source>This server requires a username and password.</source>
        <translation>Questo server richiede nome utente e password.</translation>
    </message>
    <message>
        <source>Server rejected the username or password. Please try again.</source>
        <translation>Il server ha rifiutato nome utente o password. Riprova.</translation>
    </message>
    <message>
        <source>Connected, but the login could not be saved in the system keychain. You may be asked again next time.</source>
        <translation>Connesso, ma non è stato possibile salvare l’accesso nel portachiavi di sistema. La prossima volta potrebbero essere richiesti di nuovo.</translation>
    </message>
    <message>
        <source>not connected to the station</source>
        <translation>non connesso alla stazione</translation>
    </message>
    <message>
        <source>control is off</source>
        <translation>il controllo è disattivato</translation>
    </message>
    <message>
        <source>rotor not on the station</source>
        <translation>rotore non presente nella stazione</translation>
    </message>
    <message>
        <source>heading is stale</source>
        <translation>azimut non aggiornato</translation>
    </message>
    <message>
        <source>heading is changing</source>
        <translation>azimut in variazione</translation>
    </message>
    <message>
        <source>rotor does not accept a turn</source>
        <translation>il rotore non accetta rotazioni</translation>
    </message>
    <message>
        <source>controller has no jog command</source>
        <translation>il controller non ha un comando di passo</translation>
    </message>
    <message>
        <source>heading is outside the rotor&apos;s limits</source>
        <translation>azimut fuori dai limiti del rotore</translation>
    </message>
    <message>
        <source>Turn blocked: control is disabled or heading is stale.</source>
        <translation>Rotazione bloccata: controllo disabilitato o azimut non aggiornato.</translation>
    </message>
    <message>
        <source>Turn blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Rotazione bloccata: %1.</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2°</source>
        <translation>Rotazione richiesta: %1 → %2°</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2° (for %3°)</source>
        <translation>Rotazione richiesta: %1 → %2° (per %3°)</translation>
    </message>
    <message>
        <source>Stop requested: %1</source>
        <translation>Stop richiesto: %1</translation>
    </message>
    <message>
        <source>Jog blocked: control disabled, stale or moving.</source>
        <translation>Passo bloccato: controllo disabilitato, dato non aggiornato o in movimento.</translation>
    </message>
    <message>
        <source>Jog blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Passo bloccato: %1.</translation>
    </message>
    <message>
        <source>Jog requested: %1 CW</source>
        <translation>Passo richiesto: %1 orario</translation>
    </message>
    <message>
        <source>Jog requested: %1 CCW</source>
        <translation>Passo richiesto: %1 antiorario</translation>
    </message>
    <message>
        <source>Preset turn blocked: controls disabled, stale heading, or unknown preset.</source>
        <translation>Rotazione a preset bloccata: controlli disabilitati, azimut non aggiornato o preset sconosciuto.</translation>
    </message>
    <message>
        <source>Preset turn blocked: %1 has limits and the server does not say where “%2” points.</source>
        <translation>Rotazione a preset bloccata: %1 ha dei limiti e il server non dice dove punta “%2”.</translation>
    </message>
    <message>
        <source>Preset turn requested: %1 → %2</source>
        <translation>Rotazione a preset richiesta: %1 → %2</translation>
    </message>
    <message>
        <source>Requested server presets</source>
        <translation>Preset del server richiesti</translation>
    </message>
    <message>
        <source>Rotor lock request blocked: control is disabled or rotor is unavailable.</source>
        <translation>Richiesta di blocco del rotore respinta: controllo disabilitato o rotore non disponibile.</translation>
    </message>
    <message>
        <source>Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Blocco richiesto: %1. Il server non conferma la titolarità; altri client con lo stesso IP condividono il blocco.</translation>
    </message>
    <message>
        <source>Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Sblocco richiesto: %1. Il server non conferma la titolarità; altri client con lo stesso IP condividono il blocco.</translation>
    </message>
    <message>
        <source>Stack command blocked: controls disabled or unavailable status.</source>
        <translation>Comando stack bloccato: controlli disabilitati o stato non disponibile.</translation>
    </message>
    <message>
        <source>Stack requested: %1 on</source>
        <translation>Stack richiesto: %1 attivo</translation>
    </message>
    <message>
        <source>Stack requested: %1 off</source>
        <translation>Stack richiesto: %1 disattivo</translation>
    </message>
    <message>
        <source>Switch blocked: controls disabled, stale status, locked position, or incompatible command.</source>
        <translation>Commutazione bloccata: controlli disabilitati, stato non aggiornato, posizione bloccata o comando incompatibile.</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2</source>
        <translation>Commutazione richiesta: %1 → %2</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 on</source>
        <translation>Commutazione richiesta: %1 → %2 attivo</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 off</source>
        <translation>Commutazione richiesta: %1 → %2 disattivo</translation>
    </message>
    <message>
        <source>Tuner position requested: %1 → %2</source>
        <translation>Posizione accordatore richiesta: %1 → %2</translation>
    </message>
    <message>
        <source>Tuner adjustment requested: %1 / %2</source>
        <translation>Regolazione accordatore richiesta: %1 / %2</translation>
    </message>
    <message>
        <source>Tuner calibration requested: %1 / %2</source>
        <translation>Calibrazione accordatore richiesta: %1 / %2</translation>
    </message>
    <message>
        <source>Disconnected · last known station</source>
        <translation>Disconnesso · ultima stazione nota</translation>
    </message>
</context>
<context>
    <name>KeyBinding</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Rotate</source>
        <extracomment>Key action: turn the rotor to the binding&apos;s heading.</extracomment>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>CW</source>
        <extracomment>Key action: jog the rotor clockwise.</extracomment>
        <translation>Orario</translation>
    </message>
    <message>
        <source>CCW</source>
        <extracomment>Key action: jog the rotor counterclockwise.</extracomment>
        <translation>Antiorario</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Key action, a verb: turn the rotor to its park heading.</extracomment>
        <translation>Parcheggia</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Ruota percorso corto</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Ruota percorso lungo</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Key action: select the binding&apos;s switch or tuner position.</extracomment>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Key action: step to the next switch position.</extracomment>
        <translation>Successiva</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Key action: step to the previous switch position.</extracomment>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Key action: turn a stack output on or off.</extracomment>
        <translation>Commuta</translation>
    </message>
</context>
<context>
    <name>KeychainError</name>
    <message>
        <source>Keychain error (%1).</source>
        <translation>Errore del portachiavi (%1).</translation>
    </message>
</context>
<context>
    <name>LandData</name>
    <message>
        <source>The land outline file is damaged: it is not a land outline file.</source>
        <translation>Il file dei contorni delle terre emerse è danneggiato: non è un file di contorni.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its version %1 is not known.</source>
        <translation>Il file dei contorni delle terre emerse è danneggiato: la versione %1 non è nota.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: it claims more outlines than any map holds.</source>
        <translation>Il file dei contorni delle terre emerse è danneggiato: dichiara più contorni di quanti ne contenga qualsiasi mappa.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its length does not match its header.</source>
        <translation>Il file dei contorni delle terre emerse è danneggiato: la lunghezza non corrisponde all’intestazione.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 has a wrong number of points.</source>
        <translation>Il file dei contorni delle terre emerse è danneggiato: il contorno %1 ha un numero di punti errato.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 leaves the globe.</source>
        <translation>Il file dei contorni delle terre emerse è danneggiato: il contorno %1 esce dal globo.</translation>
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
        <translation>Disposizione dispositivi e filtri di banda</translation>
    </message>
    <message>
        <source>Show devices for the current logger band</source>
        <translation>Mostra dispositivi per la banda attuale del logger</translation>
    </message>
    <message>
        <source>Show only the devices listed for the band the logger’s radio is on.</source>
        <translation>Mostra solo i dispositivi elencati per la banda su cui si trova la radio del logger.</translation>
    </message>
    <message>
        <source>Band source</source>
        <translation>Origine banda</translation>
    </message>
    <message>
        <source>The radio whose frequency names the current band.</source>
        <translation>La radio la cui frequenza determina la banda attuale.</translation>
    </message>
    <message>
        <source>Rotor card width</source>
        <translation>Larghezza schede rotore</translation>
    </message>
    <message>
        <source>Width of the rotor cards, from %1 to %2 points.</source>
        <translation>Larghezza delle schede rotore, da %1 a %2 punti.</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Colore d’accento</translation>
    </message>
    <message>
        <source>The colour along the top of every card.</source>
        <translation>Il colore lungo il bordo superiore di ogni scheda.</translation>
    </message>
    <message>
        <source>Leave bands blank to show a device on all bands. Use comma-separated names such as 20m, 40m. Lower order numbers appear first. Devices remain visible when no logger band is known.</source>
        <translation>Lascia vuote le bande per mostrare un dispositivo su tutte le bande. Usa nomi separati da virgole come 20m, 40m. I numeri d’ordine più bassi compaiono per primi. I dispositivi restano visibili quando la banda del logger non è nota.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the layout editor.</source>
        <translation>Chiudi l’editor della disposizione.</translation>
    </message>
    <message>
        <source>Save layout</source>
        <translation>Salva disposizione</translation>
    </message>
    <message>
        <source>Discard layout changes?</source>
        <translation>Scartare le modifiche alla disposizione?</translation>
    </message>
    <message>
        <source>The changes to this layout have not been saved.</source>
        <translation>Le modifiche a questa disposizione non sono state salvate.</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Scarta modifiche</translation>
    </message>
    <message>
        <source>The station has reported no devices yet.</source>
        <translation>La stazione non ha ancora segnalato dispositivi.</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>Column heading: where the device&apos;s card comes among the others.</extracomment>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostra %1</translation>
    </message>
    <message>
        <source>Show the card of %1.</source>
        <translation>Mostra la scheda di %1.</translation>
    </message>
    <message>
        <source>Bands for %1</source>
        <translation>Bande per %1</translation>
    </message>
    <message>
        <source>All bands</source>
        <translation>Tutte le bande</translation>
    </message>
    <message>
        <source>Comma-separated band names such as 20m, 40m; blank for all bands.</source>
        <translation>Nomi di banda separati da virgole come 20m, 40m; vuoto per tutte le bande.</translation>
    </message>
    <message>
        <source>Order of %1</source>
        <translation>Ordine di %1</translation>
    </message>
    <message>
        <source>Lower order numbers appear first.</source>
        <translation>I numeri d’ordine più bassi compaiono per primi.</translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation>Radio A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>Radio B</translation>
    </message>
    <message>
        <source>Either radio</source>
        <translation>Una delle due radio</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Use this layout now and keep it for this server.</source>
        <translation>Usa subito questa disposizione e conservala per questo server.</translation>
    </message>
    <message>
        <source>Nothing has changed since the layout was saved.</source>
        <translation>Nulla è cambiato da quando la disposizione è stata salvata.</translation>
    </message>
</context>
<context>
    <name>LineDecoder</name>
    <message>
        <source>Invalid server text encoding.</source>
        <translation>Codifica del testo del server non valida.</translation>
    </message>
    <message>
        <source>Server message exceeds the size limit.</source>
        <translation>Il messaggio del server supera il limite di dimensione.</translation>
    </message>
</context>
<context>
    <name>LiveLogView</name>
    <message>
        <source>No connection activity yet.</source>
        <translation>Ancora nessuna attività di connessione.</translation>
    </message>
    <message>
        <source>Connection and command log</source>
        <translation>Log di connessioni e comandi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the log window (Escape).</source>
        <translation>Chiudi la finestra del log (Escape).</translation>
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
        <translation>Il file di log ha raggiunto %1 MiB; le righe successive non vengono scritte.</translation>
    </message>
</context>
<context>
    <name>LoggerKind</name>
    <message>
        <source>Keyboard UDP</source>
        <translation>Tastiera UDP</translation>
    </message>
</context>
<context>
    <name>LoggerTransport</name>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Avvio…</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Inserisci un host e una porta validi.</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>In ascolto su %1:%2</translation>
    </message>
    <message>
        <source>Connected to N3FJP</source>
        <translation>Connesso a N3FJP</translation>
    </message>
    <message>
        <source>Logger connection timed out.</source>
        <translation>Tempo scaduto per la connessione al logger.</translation>
    </message>
    <message>
        <source>Logger frame too large.</source>
        <translation>Frame del logger troppo grande.</translation>
    </message>
    <message>
        <source>Logger disconnected.</source>
        <translation>Logger disconnesso.</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>&amp;Impostazioni…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;inestra</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>&amp;Log connessioni</translation>
    </message>
    <message>
        <source>&amp;World map</source>
        <translation>&amp;Mappa del mondo</translation>
    </message>
    <message>
        <source>&amp;Remote access…</source>
        <translation>&amp;Accesso remoto…</translation>
    </message>
    <message>
        <source>&amp;Country file…</source>
        <translation>File dei &amp;paesi…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Xalto Station Control</source>
        <translation>&amp;Informazioni su Xalto Station Control</translation>
    </message>
    <message>
        <source>About Xalto Station Control</source>
        <translation>Informazioni su Xalto Station Control</translation>
    </message>
    <message>
        <source>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</source>
        <translation>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Versione %1</translation>
    </message>
    <message>
        <source>Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners.&lt;br&gt;&lt;br&gt;Free software under the GNU General Public License, version 3 or later.&lt;br&gt;Map data and place search © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;.&lt;br&gt;World map land: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Built with Qt %1, running on Qt %2.</source>
        <translation>Controllo di stazione per radioamatori: rotori, commutatori d’antenna, uscite stack e accordatori.&lt;br&gt;&lt;br&gt;Software libero rilasciato sotto la GNU General Public License, versione 3 o successiva.&lt;br&gt;Dati cartografici e ricerca luoghi © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;contributori di OpenStreetMap&lt;/a&gt;.&lt;br&gt;Terre emerse della mappa del mondo: realizzato con &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Compilato con Qt %1, in esecuzione su Qt %2.</translation>
    </message>
</context>
<context>
    <name>NominatimPlaceSearch</name>
    <message>
        <source>The address lookup service “%1” is not a web address.</source>
        <translation>Il servizio di ricerca indirizzi “%1” non è un indirizzo web.</translation>
    </message>
    <message>
        <source>The address lookup service answered %1 %2.</source>
        <translation>Il servizio di ricerca indirizzi ha risposto %1 %2.</translation>
    </message>
    <message>
        <source>The address lookup failed: %1.</source>
        <translation>Ricerca indirizzo non riuscita: %1.</translation>
    </message>
    <message>
        <source>The address lookup service sent an answer that could not be read.</source>
        <translation>Il servizio di ricerca indirizzi ha inviato una risposta illeggibile.</translation>
    </message>
</context>
<context>
    <name>OVVProtocol</name>
    <message>
        <source>This server uses Windows text encoding; a character cannot be represented.</source>
        <translation>Questo server usa la codifica di testo Windows; un carattere non è rappresentabile.</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>Control</source>
        <extracomment>Role of a paired phone: it may turn rotors and switch antennas</extracomment>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>Role of a paired phone: it may only look</extracomment>
        <translation>Osserva</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
</context>
<context>
    <name>PhidgetEncoder</name>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Enter a device serial number and valid channel.</source>
        <translation>Inserisci un numero di serie del dispositivo e un canale valido.</translation>
    </message>
</context>
<context>
    <name>PhidgetFunctions</name>
    <message>
        <source>Missing Phidget22 function: %1</source>
        <translation>Funzione Phidget22 mancante: %1</translation>
    </message>
</context>
<context>
    <name>PointAtPanel</name>
    <message>
        <source>Point at</source>
        <translation>Punta verso</translation>
    </message>
    <message>
        <source>Point %1 at</source>
        <translation>Punta %1 verso</translation>
    </message>
    <message>
        <source>Call, prefix or locator</source>
        <translation>Nominativo, prefisso o locatore</translation>
    </message>
    <message>
        <source>Point-at place for %1</source>
        <translation>Luogo di puntamento per %1</translation>
    </message>
    <message>
        <source>Point-at source for %1</source>
        <translation>Origine del puntamento per %1</translation>
    </message>
    <message>
        <source>Short path for %1</source>
        <translation>Percorso corto per %1</translation>
    </message>
    <message>
        <source>Long path for %1</source>
        <translation>Percorso lungo per %1</translation>
    </message>
    <message>
        <source>Point-at note for %1</source>
        <translation>Nota di puntamento per %1</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Ruota percorso corto</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Ruota percorso lungo</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Corto</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lungo</translation>
    </message>
    <message>
        <source>Turn when the DX call changes</source>
        <translation>Ruota quando cambia il nominativo DX</translation>
    </message>
    <message>
        <source>Turn %1 when the DX call changes</source>
        <translation>Ruota %1 quando cambia il nominativo DX</translation>
    </message>
    <message>
        <source>When WSJT-X reports a new DX call for %1, turn the short path at once, through the same guards as the buttons.</source>
        <translation>Quando WSJT-X segnala un nuovo nominativo DX per %1, ruota subito sul percorso corto, con gli stessi controlli dei pulsanti.</translation>
    </message>
</context>
<context>
    <name>PointAtState</name>
    <message>
        <source>Call sign, prefix or locator; Return turns the short path.</source>
        <translation>Nominativo, prefisso o locatore; Return ruota sul percorso corto.</translation>
    </message>
    <message>
        <source>This rotor has no position: set its tower location, or give the server profile a site.</source>
        <translation>Questo rotore non ha una posizione: imposta la posizione del traliccio o assegna un sito al profilo del server.</translation>
    </message>
    <message>
        <source>Turn %1 to the short path of the target.</source>
        <translation>Ruota %1 sul percorso corto verso la destinazione.</translation>
    </message>
    <message>
        <source>Turn %1 to the long path of the target.</source>
        <translation>Ruota %1 sul percorso lungo verso la destinazione.</translation>
    </message>
    <message>
        <source>Near the antipode of the tower: every heading is about as short, so the bearing means little.</source>
        <translation>Vicino all’antipodo del traliccio: ogni azimut è più o meno ugualmente breve, quindi la direzione conta poco.</translation>
    </message>
    <message>
        <source>No heading can be worked out for this place.</source>
        <translation>Impossibile calcolare un azimut per questo luogo.</translation>
    </message>
    <message>
        <source>No position for %1: place its tower with “Set tower location…” to point at stations.</source>
        <translation>Nessuna posizione per %1: colloca il suo traliccio con “Imposta posizione traliccio…” per puntare le stazioni.</translation>
    </message>
    <message>
        <source>This rotor has no position.</source>
        <translation>Questo rotore non ha una posizione.</translation>
    </message>
    <message>
        <source>Type a call sign, prefix or locator that resolves.</source>
        <translation>Digita un nominativo, prefisso o locatore riconoscibile.</translation>
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
        <translation>percorso lungo verso %1</translation>
    </message>
    <message>
        <source>short path to %1</source>
        <translation>percorso corto verso %1</translation>
    </message>
</context>
<context>
    <name>PositionButton</name>
    <message>
        <source>Encoder preview</source>
        <translation>Anteprima encoder</translation>
    </message>
</context>
<context>
    <name>PositionState</name>
    <message>
        <source>Encoder preview: press the encoder button or Apply to send it.</source>
        <translation>Anteprima encoder: premi il pulsante dell’encoder o Applica per inviarla.</translation>
    </message>
</context>
<context>
    <name>PresetEditorDialog</name>
    <message>
        <source>Presets for %1 · Enter a name and heading for this rotor.</source>
        <translation>Preset per %1 · Inserisci un nome e un azimut per questo rotore.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nome del preset</translation>
    </message>
    <message>
        <source>The name shown on the preset’s button.</source>
        <translation>Il nome mostrato sul pulsante del preset.</translation>
    </message>
    <message>
        <source>Target heading (°)</source>
        <translation>Azimut di destinazione (°)</translation>
    </message>
    <message>
        <source>Preset target heading</source>
        <translation>Azimut di destinazione del preset</translation>
    </message>
    <message>
        <source>Heading in degrees, from 0 to 360.</source>
        <translation>Azimut in gradi, da 0 a 360.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Add this preset to %1.</source>
        <translation>Aggiungi questo preset a %1.</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Nessun preset configurato</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Close the preset editor.</source>
        <translation>Chiudi l’editor dei preset.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Remove the preset %1.</source>
        <translation>Rimuovi il preset %1.</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Edit Server</source>
        <translation>Modifica server</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Aggiungi server</translation>
    </message>
    <message>
        <source>Enter a profile name.</source>
        <translation>Inserisci un nome di profilo.</translation>
    </message>
    <message>
        <source>Enter the serial device without spaces.</source>
        <translation>Inserisci il dispositivo seriale senza spazi.</translation>
    </message>
    <message>
        <source>Enter a hostname or IP address without spaces.</source>
        <translation>Inserisci un nome host o un indirizzo IP senza spazi.</translation>
    </message>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Scegli una porta seriale /dev/ e una velocità in baud supportata.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>Inserisci una porta da 1 a 65535.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Inserisci entrambe le coordinate negli intervalli indicati.</translation>
    </message>
    <message>
        <source>The site address did not identify one location. Enter a fuller address or latitude and longitude.</source>
        <translation>L’indirizzo del sito non individua un’unica località. Inserisci un indirizzo più completo oppure latitudine e longitudine.</translation>
    </message>
    <message>
        <source>Site coordinates are outside the supported map range.</source>
        <translation>Le coordinate del sito sono fuori dall’area della mappa supportata.</translation>
    </message>
    <message>
        <source>“%1” is saved. This tab stays connected to its server: choose “%1” in the server menu once it is disconnected, or use “Additional Server” to open it in a tab of its own.</source>
        <extracomment>“Additional Server” is the header button of that name</extracomment>
        <translation>“%1” è salvato. Questa scheda resta connessa al suo server: scegli “%1” nel menu dei server quando è disconnessa, oppure usa “Server aggiuntivo” per aprirlo in una scheda a parte.</translation>
    </message>
    <message>
        <source>The server could not be verified.</source>
        <translation>Impossibile verificare il server.</translation>
    </message>
    <message>
        <source>Settings exported.</source>
        <translation>Impostazioni esportate.</translation>
    </message>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation>
            <numerusform>Sostituire le impostazioni salvate con %n profilo server di questo file? La configurazione salvata viene sostituita e le connessioni aperte vengono chiuse. Le password non vengono importate.</numerusform>
            <numerusform>Sostituire le impostazioni salvate con i %n profili server di questo file? La configurazione salvata viene sostituita e le connessioni aperte vengono chiuse. Le password non vengono importate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings imported. Connections remain disconnected.</source>
        <translation>Impostazioni importate. Le connessioni restano chiuse.</translation>
    </message>
</context>
<context>
    <name>ProfileManagerDialog</name>
    <message>
        <source>Hostname or IP address</source>
        <translation>Nome host o indirizzo IP</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 serial device</source>
        <translation>Dispositivo seriale /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the server editor.</source>
        <translation>Chiudi l’editor dei server.</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Esporta impostazioni</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importa impostazioni</translation>
    </message>
    <message>
        <source>Connect to any compatible OV Varnex server. Rotators are discovered automatically.</source>
        <translation>Connettiti a qualsiasi server OV Varnex compatibile. I rotori vengono rilevati automaticamente.</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Saved servers, in the order they were added. Choose one to edit it.</source>
        <translation>Server salvati, nell’ordine in cui sono stati aggiunti. Scegline uno per modificarlo.</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>Nuovo server</translation>
    </message>
    <message>
        <source>Start a new server profile.</source>
        <translation>Crea un nuovo profilo server.</translation>
    </message>
    <message>
        <source>Remove saved server</source>
        <translation>Rimuovi server salvato</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome profilo</translation>
    </message>
    <message>
        <source>The name shown in the server menu and on the tab.</source>
        <translation>Il nome mostrato nel menu dei server e sulla scheda.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tipo di connessione</translation>
    </message>
    <message>
        <source>How this computer reaches the station: an OV Varnex server, a KT-90 controller over TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld.</source>
        <translation>Come questo computer raggiunge la stazione: un server OV Varnex, un controller KT-90 via TCP, UDP o porta seriale, oppure un rotore dietro un rotctld di Hamlib.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Street address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved.</source>
        <translation>L’indirizzo stradale del sito. Senza coordinate viene cercato su OpenStreetMap al salvataggio.</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitudine (−85…85)</translation>
    </message>
    <message>
        <source>Site latitude in degrees, from −85 to 85.</source>
        <translation>Latitudine del sito in gradi, da −85 a 85.</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitudine (−180…180)</translation>
    </message>
    <message>
        <source>Site longitude in degrees, from −180 to 180.</source>
        <translation>Longitudine del sito in gradi, da −180 a 180.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Inserisci entrambe le coordinate negli intervalli indicati.</translation>
    </message>
    <message>
        <source>Addresses are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Gli indirizzi vengono cercati nei dati di OpenStreetMap. Apri la pagina del copyright.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Site Location (optional)</source>
        <translation>Posizione del sito (facoltativa)</translation>
    </message>
    <message>
        <source>Coordinates provide the starting map location for this server’s rotors. Adjust each tower on the main screen; existing tower positions are preserved. Address-only entries are looked up with OpenStreetMap when saved.</source>
        <translation>Le coordinate danno la posizione iniziale sulla mappa per i rotori di questo server. Regola ogni traliccio nella schermata principale; le posizioni dei tralicci esistenti vengono mantenute. Le voci con solo l’indirizzo vengono cercate su OpenStreetMap al salvataggio.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Save all saved server settings to a settings file.</source>
        <translation>Salva tutte le impostazioni dei server salvati in un file di impostazioni.</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importa…</translation>
    </message>
    <message>
        <source>Replace the saved settings with those of a settings file, after asking.</source>
        <translation>Sostituisci, dopo conferma, le impostazioni salvate con quelle di un file di impostazioni.</translation>
    </message>
    <message>
        <source>Export includes all saved server settings, locations, presets, layouts and integrations. Passwords remain in the system keychain.</source>
        <translation>L’esportazione comprende tutte le impostazioni dei server salvati, posizioni, preset, disposizioni e integrazioni. Le password restano nel portachiavi di sistema.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Checking server and site location…</source>
        <translation>Verifica di server e posizione del sito…</translation>
    </message>
    <message>
        <source>Cancel check</source>
        <translation>Annulla verifica</translation>
    </message>
    <message>
        <source>Stop checking. Nothing is saved and your edits stay.</source>
        <translation>Interrompi la verifica. Nulla viene salvato e le tue modifiche restano.</translation>
    </message>
    <message>
        <source>Path of the controller’s serial device, such as /dev/ttyUSB0.</source>
        <translation>Percorso del dispositivo seriale del controller, ad esempio /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Host name or IP address of the station server, KT-90 controller or rotctld.</source>
        <translation>Nome host o indirizzo IP del server di stazione, del controller KT-90 o di rotctld.</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.</source>
        <translation>Velocità in baud della porta seriale: 4800, 9600, 19200, 38400, 57600 o 115200.</translation>
    </message>
    <message>
        <source>TCP or UDP port of the server, from 1 to 65535.</source>
        <translation>Porta TCP o UDP del server, da 1 a 65535.</translation>
    </message>
    <message>
        <source>4533, rotctld’s usual port</source>
        <translation>4533, la porta abituale di rotctld</translation>
    </message>
    <message>
        <source>Check that the server answers, then save this profile.</source>
        <translation>Verifica che il server risponda, poi salva questo profilo.</translation>
    </message>
    <message>
        <source>Choose a saved server to remove it.</source>
        <translation>Scegli un server salvato per rimuoverlo.</translation>
    </message>
    <message>
        <source>Unsaved details</source>
        <translation>Dati non salvati</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Keep editing to save them, or discard them to continue.</source>
        <translation>Le modifiche non sono state salvate. Continua a modificare per salvarle, oppure scartale per proseguire.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Continua a modificare</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Scarta modifiche</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Salva comunque</translation>
    </message>
    <message>
        <source>Could not save server</source>
        <translation>Impossibile salvare il server</translation>
    </message>
    <message>
        <source>Import saved settings?</source>
        <translation>Importare le impostazioni salvate?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Settings transfer</source>
        <translation>Trasferimento impostazioni</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSheet</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Solo questo computer (127.0.0.1)</translation>
    </message>
    <message>
        <source>The network, at %1</source>
        <translation>La rete, su %1</translation>
    </message>
    <message>
        <source>Serve the remote page</source>
        <translation>Pubblica la pagina remota</translation>
    </message>
    <message>
        <source>Phones and tablets that are paired watch the station and, in the Control role, turn rotors and select antennas.</source>
        <translation>Telefoni e tablet abbinati osservano la stazione e, nel ruolo Controllo, girano i rotori e selezionano le antenne.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Rinomina…</translation>
    </message>
    <message>
        <source>Give the selected device another name.</source>
        <translation>Assegna un altro nome al dispositivo selezionato.</translation>
    </message>
    <message>
        <source>Change role</source>
        <translation>Cambia ruolo</translation>
    </message>
    <message>
        <source>Switch the selected device between Watch and Control.</source>
        <translation>Passa il dispositivo selezionato tra Osserva e Controllo.</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revoca</translation>
    </message>
    <message>
        <source>Unpair the selected device and close its page at once.</source>
        <translation>Annulla l’abbinamento del dispositivo selezionato e chiudi subito la sua pagina.</translation>
    </message>
    <message>
        <source>Remote access</source>
        <translation>Accesso remoto</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>In ascolto su</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Page open</source>
        <translation>Pagina aperta</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Abbinato</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Ultimo accesso</translation>
    </message>
    <message>
        <source>None: plain HTTP</source>
        <translation>Nessuno: HTTP semplice</translation>
    </message>
    <message>
        <source>TLS certificate (PEM)</source>
        <translation>Certificato TLS (PEM)</translation>
    </message>
    <message>
        <source>TLS certificate</source>
        <translation>Certificato TLS</translation>
    </message>
    <message>
        <source>Choose the TLS certificate file.</source>
        <translation>Scegli il file del certificato TLS.</translation>
    </message>
    <message>
        <source>TLS private key (PEM)</source>
        <translation>Chiave privata TLS (PEM)</translation>
    </message>
    <message>
        <source>TLS private key</source>
        <translation>Chiave privata TLS</translation>
    </message>
    <message>
        <source>Choose the TLS private key file.</source>
        <translation>Scegli il file della chiave privata TLS.</translation>
    </message>
    <message>
        <source>Open on the phone</source>
        <translation>Apri sul telefono</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Codice di abbinamento</translation>
    </message>
    <message>
        <source>Type it on the page within five minutes, or scan the QR code: it carries the code too. A new code comes after five wrong tries.</source>
        <translation>Digitalo nella pagina entro cinque minuti, oppure scansiona il codice QR: contiene anch’esso il codice. Dopo cinque tentativi errati viene generato un nuovo codice.</translation>
    </message>
    <message>
        <source>Without TLS anyone on the network can read the traffic between the page and this computer, the pairing code and the device tokens included. Open it to the network only on one you trust, or choose a certificate and key: the page is then served over HTTPS only.</source>
        <translation>Senza TLS chiunque sulla rete può leggere il traffico tra la pagina e questo computer, compresi il codice di abbinamento e i token dei dispositivi. Apri l’accesso alla rete solo se è una rete di cui ti fidi, oppure scegli un certificato e una chiave: la pagina viene allora servita solo via HTTPS.</translation>
    </message>
    <message>
        <source>Paired devices</source>
        <translation>Dispositivi abbinati</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>File PEM (*.pem *.crt *.key);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Pairing code %1</source>
        <translation>Codice di abbinamento %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Codice QR di %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Rename device</source>
        <translation>Rinomina dispositivo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Offline</source>
        <translation>Non in linea</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>FERMA TUTTO</translation>
    </message>
    <message>
        <source>Pair this device</source>
        <translation>Abbina questo dispositivo</translation>
    </message>
    <message>
        <source>Open Remote access in the Window menu on the desktop and type the six-digit code it shows.</source>
        <translation>Apri Accesso remoto nel menu Finestra sul desktop e digita il codice a sei cifre che mostra.</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Codice di abbinamento</translation>
    </message>
    <message>
        <source>Name of this device</source>
        <translation>Nome di questo dispositivo</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Abbina</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Compass letters on the phone&apos;s dial</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Target °</source>
        <translation>Destinazione °</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Azimut di destinazione per %1</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Azimut %1</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Preset locali</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Preset del server</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Live · %1</source>
        <extracomment>The page&apos;s link state: &quot;Live · Control&quot; or &quot;Live · Watch&quot;, %1 the device&apos;s role</extracomment>
        <translation>In linea · %1</translation>
    </message>
    <message>
        <source>Control</source>
        <extracomment>A paired device&apos;s role: it may command</extracomment>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A paired device&apos;s role: it may only watch</extracomment>
        <translation>Osserva</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Questo dispositivo può solo osservare: l’operatore può assegnargli il ruolo Controllo sul desktop.</translation>
    </message>
    <message>
        <source>Pairing failed.</source>
        <translation>Abbinamento non riuscito.</translation>
    </message>
    <message>
        <source>The desktop cannot be reached.</source>
        <translation>Il desktop non è raggiungibile.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>No PEM certificate in %1</source>
        <translation>Nessun certificato PEM in %1</translation>
    </message>
    <message>
        <source>Cannot read the private key %1</source>
        <translation>Impossibile leggere la chiave privata %1</translation>
    </message>
    <message>
        <source>No unencrypted PEM private key in %1</source>
        <translation>Nessuna chiave privata PEM non cifrata in %1</translation>
    </message>
    <message>
        <source>Not an address of this computer: %1</source>
        <translation>Non è un indirizzo di questo computer: %1</translation>
    </message>
    <message>
        <source>Port %1 is in use.</source>
        <translation>La porta %1 è in uso.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Impossibile mettersi in ascolto: %1</translation>
    </message>
    <message>
        <source>Listening on %1 (TLS)</source>
        <translation>In ascolto su %1 (TLS)</translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation>In ascolto su %1</translation>
    </message>
    <message>
        <source>remote: %1</source>
        <extracomment>Who sent a command, shown in the log after it: &quot;(remote: Shack tablet)&quot;</extracomment>
        <translation>remoto: %1</translation>
    </message>
    <message>
        <source>Too many tries. Wait a minute, then type the code shown on the desktop.</source>
        <translation>Troppi tentativi. Attendi un minuto, poi digita il codice mostrato sul desktop.</translation>
    </message>
    <message>
        <source>That code has expired. Type the new code shown on the desktop.</source>
        <translation>Il codice è scaduto. Digita il nuovo codice mostrato sul desktop.</translation>
    </message>
    <message>
        <source>Wrong code. Type the code shown in Remote access on the desktop.</source>
        <translation>Codice errato. Digita il codice mostrato in Accesso remoto sul desktop.</translation>
    </message>
    <message>
        <source>Too many commands: this one was dropped.</source>
        <translation>Troppi comandi: questo è stato scartato.</translation>
    </message>
    <message>
        <source>The page sent a message the desktop does not understand.</source>
        <translation>La pagina ha inviato un messaggio che il desktop non comprende.</translation>
    </message>
    <message>
        <source>That tab is no longer open on the desktop.</source>
        <translation>Quella scheda non è più aperta sul desktop.</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Inserisci un azimut di destinazione da 0 a 360.</translation>
    </message>
    <message>
        <source>The desktop refused to turn %1.</source>
        <translation>Il desktop ha rifiutato di ruotare %1.</translation>
    </message>
    <message>
        <source>The desktop refused to stop %1.</source>
        <translation>Il desktop ha rifiutato di fermare %1.</translation>
    </message>
</context>
<context>
    <name>RemoteState</name>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connessione in corso</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Questo dispositivo può solo osservare: l’operatore può assegnargli il ruolo Controllo sul desktop.</translation>
    </message>
    <message>
        <source>Control is off on the desktop for this tab.</source>
        <translation>Il controllo è disattivato sul desktop per questa scheda.</translation>
    </message>
</context>
<context>
    <name>ResolvedPlace</name>
    <message>
        <source>exact call</source>
        <extracomment>How the place was found: from the call itself, its prefix, its call area or a grid locator.</extracomment>
        <translation>nominativo esatto</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>prefisso</translation>
    </message>
    <message>
        <source>call area</source>
        <translation>area del nominativo</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>locatore</translation>
    </message>
</context>
<context>
    <name>RotctldFramer</name>
    <message>
        <source>rotctld line exceeds %1 bytes.</source>
        <translation>La riga rotctld supera %1 byte.</translation>
    </message>
</context>
<context>
    <name>RotctldProtocol</name>
    <message>
        <source>Enter a heading from -180 to 540.</source>
        <translation>Inserisci un azimut da -180 a 540.</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parametro non valido</translation>
    </message>
    <message>
        <source>invalid configuration</source>
        <translation>configurazione non valida</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>non implementato</translation>
    </message>
    <message>
        <source>the rotator did not answer in time</source>
        <translation>il rotore non ha risposto in tempo</translation>
    </message>
    <message>
        <source>input or output error</source>
        <translation>errore di ingresso o uscita</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>errore interno</translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation>errore di protocollo</translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation>comando rifiutato</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>non disponibile</translation>
    </message>
    <message>
        <source>communication bus error</source>
        <translation>errore del bus di comunicazione</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valore fuori intervallo</translation>
    </message>
    <message>
        <source>the rotator is not powered on</source>
        <translation>il rotore non è acceso</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
</context>
<context>
    <name>RotctldReplyReader</name>
    <message>
        <source>rotctld sent an answer this program cannot read.</source>
        <translation>rotctld ha inviato una risposta che questo programma non sa leggere.</translation>
    </message>
    <message>
        <source>rotctld sent an answer to no command.</source>
        <translation>rotctld ha inviato una risposta senza alcun comando.</translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Inserisci un host e una porta validi.</translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation>Porta in uso</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>In ascolto su %1:%2</translation>
    </message>
    <message>
        <source>rotctld client %1</source>
        <extracomment>Who sent a command, shown after it in the connection log; %1 is the client&apos;s address and port.</extracomment>
        <translation>client rotctld %1</translation>
    </message>
</context>
<context>
    <name>Rotor</name>
    <message>
        <source>Awaiting heading</source>
        <translation>In attesa dell’azimut</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Non in linea</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Turning clockwise</source>
        <translation>Rotazione oraria</translation>
    </message>
    <message>
        <source>Turning counterclockwise</source>
        <translation>Rotazione antioraria</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>Non risponde</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Fixed antenna</source>
        <translation>Antenna fissa</translation>
    </message>
    <message>
        <source>Cloned antenna</source>
        <translation>Antenna clonata</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>Stato %1</translation>
    </message>
    <message>
        <source>Heading changing</source>
        <translation>Azimut in variazione</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, on the quick heading button &quot;S 180°&quot;</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, on the quick heading button &quot;W 270°&quot;</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>Rotore %1</translation>
    </message>
    <message>
        <source>Rotor settings…</source>
        <translation>Impostazioni rotore…</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Impostazioni del rotore %1</translation>
    </message>
    <message>
        <source>Heading of %1</source>
        <translation>Azimut di %1</translation>
    </message>
    <message>
        <source>Heading dial for %1</source>
        <translation>Quadrante azimut di %1</translation>
    </message>
    <message>
        <source>Set tower location…</source>
        <translation>Imposta posizione traliccio…</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Azimut di destinazione per %1</translation>
    </message>
    <message>
        <source>Fill the target heading; press Rotate or Return to move.</source>
        <translation>Inserisci l’azimut di destinazione; premi Ruota o Return per muovere.</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>Encoder preview for %1</source>
        <translation>Anteprima encoder per %1</translation>
    </message>
    <message>
        <source>Heading previewed with the rotary encoder; press the encoder button or Apply to turn.</source>
        <translation>Azimut in anteprima con l’encoder rotativo; premi il pulsante dell’encoder o Applica per ruotare.</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>Antiorario</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Orario</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Verb: turn the rotor to its park heading</extracomment>
        <translation>Parcheggia</translation>
    </message>
    <message>
        <source>Park %1</source>
        <translation>Parcheggia %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A compass point and its heading on a quick heading button, &quot;N 0°&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Put %1 in the target heading.</source>
        <translation>Metti %1 nell’azimut di destinazione.</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Gestisci…</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gestisci i preset di %1</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Preset locali</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Nessun preset configurato</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Preset del server</translation>
    </message>
    <message>
        <source>Request lock</source>
        <translation>Richiedi blocco</translation>
    </message>
    <message>
        <source>Release lock</source>
        <translation>Rilascia blocco</translation>
    </message>
    <message>
        <source>Server does not report ownership or rejected commands. Locks share the client IP and do not protect server presets. Disconnect releases locks for that IP.</source>
        <translation>Il server non segnala la titolarità né i comandi rifiutati. I blocchi sono condivisi per IP del client e non proteggono i preset del server. La disconnessione rilascia i blocchi di quell’IP.</translation>
    </message>
    <message>
        <source>Encoder preview: %1</source>
        <translation>Anteprima encoder: %1</translation>
    </message>
    <message>
        <source>%1 heading %2</source>
        <translation>%1 azimut %2</translation>
    </message>
    <message>
        <source>%1 heading %2, %3</source>
        <translation>%1 azimut %2, %3</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A local preset&apos;s button: its name and heading</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Place %1 on the map and set its true-north offset.</source>
        <translation>Colloca %1 sulla mappa e imposta la sua correzione del nord geografico.</translation>
    </message>
    <message>
        <source>Choose a server first: tower locations are kept per server.</source>
        <translation>Scegli prima un server: le posizioni dei tralicci sono salvate per server.</translation>
    </message>
    <message>
        <source>Maps are not available in this window.</source>
        <translation>Le mappe non sono disponibili in questa finestra.</translation>
    </message>
    <message>
        <source>Range %1</source>
        <translation>Escursione %1</translation>
    </message>
    <message>
        <source>limits %1</source>
        <translation>limiti %1</translation>
    </message>
    <message>
        <source>forbidden %1</source>
        <translation>vietato %1</translation>
    </message>
    <message>
        <source>two-way antenna</source>
        <translation>antenna bidirezionale</translation>
    </message>
    <message>
        <source>park %1</source>
        <translation>parcheggio %1</translation>
    </message>
    <message>
        <source>Turn %1 to its park heading, %2.</source>
        <translation>Ruota %1 al suo azimut di parcheggio, %2.</translation>
    </message>
</context>
<context>
    <name>RotorCardState</name>
    <message>
        <source>Not connected.</source>
        <translation>Non connesso.</translation>
    </message>
    <message>
        <source>The rotor reports “%1”.</source>
        <translation>Il rotore segnala “%1”.</translation>
    </message>
    <message>
        <source>Enable control to rotate.</source>
        <translation>Abilita il controllo per ruotare.</translation>
    </message>
    <message>
        <source>No fresh heading from the server.</source>
        <translation>Nessun azimut aggiornato dal server.</translation>
    </message>
    <message>
        <source>Wait until the heading settles.</source>
        <translation>Attendi che l’azimut si stabilizzi.</translation>
    </message>
    <message>
        <source>Enable control to stop.</source>
        <translation>Abilita il controllo per fermare.</translation>
    </message>
    <message>
        <source>Locks need an OV Varnex server.</source>
        <translation>I blocchi richiedono un server OV Varnex.</translation>
    </message>
    <message>
        <source>Enable control to lock.</source>
        <translation>Abilita il controllo per bloccare.</translation>
    </message>
    <message>
        <source>Awaiting heading</source>
        <translation>In attesa dell’azimut</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Non aggiornato</translation>
    </message>
    <message>
        <source>LAST KNOWN HEADING</source>
        <translation>ULTIMO AZIMUT NOTO</translation>
    </message>
    <message>
        <source>CONTROLLER HEADING</source>
        <translation>AZIMUT DEL CONTROLLER</translation>
    </message>
    <message>
        <source>CURRENT HEADING</source>
        <translation>AZIMUT ATTUALE</translation>
    </message>
    <message>
        <source>Lock requested · unconfirmed</source>
        <translation>Blocco richiesto · non confermato</translation>
    </message>
    <message>
        <source>Release requested · unconfirmed</source>
        <translation>Rilascio richiesto · non confermato</translation>
    </message>
    <message>
        <source>No preset list received from server</source>
        <translation>Nessun elenco di preset ricevuto dal server</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Inserisci un azimut di destinazione da 0 a 360.</translation>
    </message>
    <message>
        <source>Turn %1 to the target heading.</source>
        <translation>Ruota %1 all’azimut di destinazione.</translation>
    </message>
    <message>
        <source>Stop %1 now.</source>
        <translation>Ferma %1 ora.</translation>
    </message>
    <message>
        <source>Jog needs an OV Varnex server.</source>
        <translation>Il passo richiede un server OV Varnex.</translation>
    </message>
    <message>
        <source>Move %1 one step counterclockwise.</source>
        <translation>Muovi %1 di un passo in senso antiorario.</translation>
    </message>
    <message>
        <source>Move %1 one step clockwise.</source>
        <translation>Muovi %1 di un passo in senso orario.</translation>
    </message>
    <message>
        <source>Request lock for %1</source>
        <translation>Richiedi blocco per %1</translation>
    </message>
    <message>
        <source>Release lock for %1</source>
        <translation>Rilascia blocco per %1</translation>
    </message>
    <message>
        <source>Rotate immediately to this heading when control is enabled.</source>
        <translation>Ruota subito a questo azimut quando il controllo è abilitato.</translation>
    </message>
    <message>
        <source>Rotate immediately to this server preset when control is enabled.</source>
        <translation>Ruota subito a questo preset del server quando il controllo è abilitato.</translation>
    </message>
    <message>
        <source>Refresh server presets for %1</source>
        <translation>Aggiorna i preset del server per %1</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gestisci i preset di %1</translation>
    </message>
    <message>
        <source>Choose a server first: presets are kept per server.</source>
        <translation>Scegli prima un server: i preset sono salvati per server.</translation>
    </message>
</context>
<context>
    <name>RotorLocationEditor</name>
    <message>
        <source>Position the tower under the crosshair. Save location keeps that position.</source>
        <translation>Posiziona il traliccio sotto il mirino. “Salva posizione” conserva quella posizione.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates to position the tower pin.</source>
        <translation>Cerca un indirizzo o visualizza in anteprima delle coordinate per collocare il segnaposto del traliccio.</translation>
    </message>
    <message>
        <source>Enter valid coordinates and an offset between −180° and 180°.</source>
        <translation>Inserisci coordinate valide e una correzione tra −180° e 180°.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates first.</source>
        <translation>Prima cerca un indirizzo o visualizza in anteprima delle coordinate.</translation>
    </message>
    <message>
        <source>Location for %1</source>
        <translation>Posizione di %1</translation>
    </message>
    <message>
        <source>Tower latitude</source>
        <translation>Latitudine del traliccio</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitudine (−85…85)</translation>
    </message>
    <message>
        <source>Degrees north, with a point as decimal separator; south is negative.</source>
        <translation>Gradi nord, con il punto come separatore decimale; sud è negativo.</translation>
    </message>
    <message>
        <source>Degrees north, with a point or a comma as decimal separator; south is negative.</source>
        <translation>Gradi nord, con il punto o la virgola come separatore decimale; sud è negativo.</translation>
    </message>
    <message>
        <source>Tower longitude</source>
        <translation>Longitudine del traliccio</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitudine (−180…180)</translation>
    </message>
    <message>
        <source>Degrees east, with a point as decimal separator; west is negative.</source>
        <translation>Gradi est, con il punto come separatore decimale; ovest è negativo.</translation>
    </message>
    <message>
        <source>Degrees east, with a point or a comma as decimal separator; west is negative.</source>
        <translation>Gradi est, con il punto o la virgola come separatore decimale; ovest è negativo.</translation>
    </message>
    <message>
        <source>True-north offset (°)</source>
        <translation>Correzione nord geografico (°)</translation>
    </message>
    <message>
        <source>True north display offset</source>
        <translation>Correzione di visualizzazione del nord geografico</translation>
    </message>
    <message>
        <source>Degrees added to the controller heading, from −180 to 180.</source>
        <translation>Gradi aggiunti all’azimut del controller, da −180 a 180.</translation>
    </message>
    <message>
        <source>True bearing = controller heading + offset. Positive is clockwise. This changes only the map overlay; Rotate and presets continue to use controller degrees.</source>
        <translation>Azimut geografico = azimut del controller + correzione. Positivo è in senso orario. Cambia solo la sovrapposizione sulla mappa; Ruota e i preset continuano a usare i gradi del controller.</translation>
    </message>
    <message>
        <source>Preview coordinates</source>
        <translation>Anteprima coordinate</translation>
    </message>
    <message>
        <source>Move the map to the coordinates typed above.</source>
        <translation>Sposta la mappa alle coordinate digitate sopra.</translation>
    </message>
    <message>
        <source>Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly.</source>
        <translation>La ricerca degli indirizzi e le immagini della mappa usano OpenStreetMap. Puoi anche inserire direttamente le coordinate.</translation>
    </message>
    <message>
        <source>Remove location</source>
        <translation>Rimuovi posizione</translation>
    </message>
    <message>
        <source>Forget the tower placed for %1; the map then uses the server’s site, if any.</source>
        <translation>Dimentica il traliccio collocato per %1; la mappa userà quindi il sito del server, se presente.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close without changing the tower location.</source>
        <translation>Chiudi senza cambiare la posizione del traliccio.</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>Salva posizione</translation>
    </message>
    <message>
        <source>Rotator address</source>
        <translation>Indirizzo del rotore</translation>
    </message>
    <message>
        <source>Street address, city, country</source>
        <translation>Via, città, paese</translation>
    </message>
    <message>
        <source>An address or place to look up, or a Maidenhead grid locator such as JO62qm.</source>
        <translation>Un indirizzo o luogo da cercare, oppure un locatore Maidenhead come JO62qm.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Ricerca…</translation>
    </message>
    <message>
        <source>Search credits</source>
        <translation>Crediti della ricerca</translation>
    </message>
    <message>
        <source>Places are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>I luoghi vengono cercati nei dati di OpenStreetMap. Apri la pagina del copyright.</translation>
    </message>
    <message>
        <source>Map around the tower</source>
        <translation>Mappa intorno al traliccio</translation>
    </message>
    <message>
        <source>Move map center west</source>
        <translation>Sposta il centro della mappa a ovest</translation>
    </message>
    <message>
        <source>Move map center north</source>
        <translation>Sposta il centro della mappa a nord</translation>
    </message>
    <message>
        <source>Move map center south</source>
        <translation>Sposta il centro della mappa a sud</translation>
    </message>
    <message>
        <source>Move map center east</source>
        <translation>Sposta il centro della mappa a est</translation>
    </message>
    <message>
        <source>Change map style in location editor</source>
        <translation>Cambia stile della mappa nell’editor della posizione</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Map style button: shows satellite imagery.</extracomment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Map</source>
        <extracomment>Map style button: shows the standard map.</extracomment>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Zoom out in location editor</source>
        <translation>Riduci lo zoom nell’editor della posizione</translation>
    </message>
    <message>
        <source>Zoom in in location editor</source>
        <translation>Aumenta lo zoom nell’editor della posizione</translation>
    </message>
    <message>
        <source>No matching location. Try a fuller address or enter coordinates.</source>
        <translation>Nessuna località corrispondente. Prova un indirizzo più completo o inserisci le coordinate.</translation>
    </message>
    <message>
        <source>Address search unavailable. Try again or enter coordinates.</source>
        <translation>Ricerca indirizzi non disponibile. Riprova o inserisci le coordinate.</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Risultato della ricerca</translation>
    </message>
    <message>
        <source>Put the tower at %1.</source>
        <translation>Metti il traliccio in %1.</translation>
    </message>
    <message>
        <source>Look the address up in OpenStreetMap; a grid locator is placed without a search.</source>
        <translation>Cerca l’indirizzo su OpenStreetMap; un locatore viene collocato senza ricerca.</translation>
    </message>
    <message>
        <source>Type an address or a grid locator first.</source>
        <translation>Prima digita un indirizzo o un locatore.</translation>
    </message>
    <message>
        <source>Keep this position and offset for %1.</source>
        <translation>Conserva questa posizione e questa correzione per %1.</translation>
    </message>
    <message>
        <source>%1 by an eighth of the view.</source>
        <translation>%1 di un ottavo della vista.</translation>
    </message>
    <message>
        <source>Show the standard map.</source>
        <translation>Mostra la mappa standard.</translation>
    </message>
    <message>
        <source>Show satellite imagery.</source>
        <translation>Mostra le immagini satellitari.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Mostra più terreno intorno al traliccio.</translation>
    </message>
    <message>
        <source>The map already shows 10 km, the widest view.</source>
        <translation>La mappa mostra già 10 km, la vista più ampia.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Mostra meno terreno intorno al traliccio.</translation>
    </message>
    <message>
        <source>The map already shows 100 m, the closest view.</source>
        <translation>La mappa mostra già 100 m, la vista più ravvicinata.</translation>
    </message>
</context>
<context>
    <name>RotorMapCompass</name>
    <message>
        <source>Tower map for %1</source>
        <translation>Mappa del traliccio di %1</translation>
    </message>
    <message>
        <source>Map credits</source>
        <translation>Crediti della mappa</translation>
    </message>
    <message>
        <source>True bearing of %1</source>
        <translation>Azimut geografico di %1</translation>
    </message>
    <message>
        <source>Change map style for %1</source>
        <translation>Cambia stile della mappa per %1</translation>
    </message>
    <message>
        <source>Zoom out for %1</source>
        <translation>Riduci lo zoom per %1</translation>
    </message>
    <message>
        <source>Zoom in for %1</source>
        <translation>Aumenta lo zoom per %1</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>Button showing the world map instead of the tower&apos;s map</extracomment>
        <translation>Mondo</translation>
    </message>
    <message>
        <source>World map for %1</source>
        <translation>Mappa del mondo per %1</translation>
    </message>
    <message>
        <source>Show the whole world round the tower, with the beam across it.</source>
        <translation>Mostra il mondo intero attorno al traliccio, con il fascio dell’antenna sovrapposto.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Last reported %1 true</source>
        <translation>Ultimo azimut segnalato %1 (geografico)</translation>
    </message>
    <message>
        <source>Bearing %1 true</source>
        <translation>Azimut %1 (geografico)</translation>
    </message>
    <message>
        <source>%1 · target in orange</source>
        <translation>%1 · destinazione in arancione</translation>
    </message>
    <message>
        <source>Show the standard map under %1.</source>
        <translation>Mostra la mappa standard sotto %1.</translation>
    </message>
    <message>
        <source>Show satellite imagery under %1.</source>
        <translation>Mostra le immagini satellitari sotto %1.</translation>
    </message>
    <message>
        <source>The map already shows %1 around the tower, the widest view.</source>
        <translation>La mappa mostra già %1 intorno al traliccio, la vista più ampia.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Mostra più terreno intorno al traliccio.</translation>
    </message>
    <message>
        <source>The map already shows 100 m around the tower, the closest view.</source>
        <translation>La mappa mostra già 100 m intorno al traliccio, la vista più ravvicinata.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Mostra meno terreno intorno al traliccio.</translation>
    </message>
    <message>
        <source>Map data and imagery credits. Open the copyright page.</source>
        <translation>Crediti dei dati e delle immagini della mappa. Apri la pagina del copyright.</translation>
    </message>
    <message>
        <source>The world map always shows the whole world; zoom is for the tower&apos;s map.</source>
        <translation>La mappa del mondo mostra sempre il mondo intero; lo zoom vale per la mappa del traliccio.</translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation>Realizzato con Natural Earth</translation>
    </message>
</context>
<context>
    <name>RotorMechanics</name>
    <message>
        <source>-180…+180° (south stop)</source>
        <translation>-180…+180° (fine corsa a sud)</translation>
    </message>
    <message>
        <source>0–%1° (overlap)</source>
        <translation>0–%1° (sovrapposizione)</translation>
    </message>
    <message>
        <source>Turn blocked: the heading is not a number.</source>
        <translation>Rotazione bloccata: l’azimut non è un numero.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is inside %2&apos;s forbidden sector %3.</source>
        <translation>Rotazione bloccata: %1 è nel settore vietato %3 di %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s limits %3.</source>
        <translation>Rotazione bloccata: %1 è fuori dai limiti %3 di %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s range %3.</source>
        <translation>Rotazione bloccata: %1 è fuori dall’escursione %3 di %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Passo bloccato: un passo orario da %1 finirebbe nel settore vietato %3 di %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Passo bloccato: un passo antiorario da %1 finirebbe nel settore vietato %3 di %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Passo bloccato: un passo orario da %1 uscirebbe dai limiti %3 di %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Passo bloccato: un passo antiorario da %1 uscirebbe dai limiti %3 di %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would cross %2&apos;s stop.</source>
        <translation>Passo bloccato: un passo orario da %1 supererebbe il fine corsa di %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would cross %2&apos;s stop.</source>
        <translation>Passo bloccato: un passo antiorario da %1 supererebbe il fine corsa di %2.</translation>
    </message>
</context>
<context>
    <name>RotorSettingsSheet</name>
    <message>
        <source>Rotor settings</source>
        <translation>Impostazioni rotore</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Impostazioni del rotore %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Soft limits</source>
        <translation>Limiti software</translation>
    </message>
    <message>
        <source>Forbidden sector</source>
        <translation>Settore vietato</translation>
    </message>
    <message>
        <source>Limits of %1</source>
        <translation>Limiti di %1</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limiti</translation>
    </message>
    <message>
        <source>Lowest heading</source>
        <translation>Azimut minimo</translation>
    </message>
    <message>
        <source>Highest heading</source>
        <translation>Azimut massimo</translation>
    </message>
    <message>
        <source>Forbidden from</source>
        <translation>Vietato da</translation>
    </message>
    <message>
        <source>Forbidden to</source>
        <translation>Vietato fino a</translation>
    </message>
    <message>
        <source>Forbidden to (clockwise)</source>
        <translation>Vietato fino a (senso orario)</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>South stop (-180…+180°)</source>
        <translation>Fine corsa a sud (-180…+180°)</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Sovrapposizione</translation>
    </message>
    <message>
        <source>Range of %1</source>
        <translation>Escursione di %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Escursione</translation>
    </message>
    <message>
        <source>Overlap ends at</source>
        <translation>La sovrapposizione termina a</translation>
    </message>
    <message>
        <source>Two-way antenna</source>
        <translation>Antenna bidirezionale</translation>
    </message>
    <message>
        <source>The beam points both ways: turns go to whichever lobe is nearer.</source>
        <translation>Il fascio punta in entrambe le direzioni: le rotazioni vanno verso il lobo più vicino.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Azimut di parcheggio</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Park after minutes without a command</source>
        <translation>Minuti senza comandi prima del parcheggio</translation>
    </message>
    <message>
        <source>Park when idle for</source>
        <translation>Parcheggia se inattivo per</translation>
    </message>
    <message>
        <source>Stall watchdog</source>
        <translation>Controllo di stallo</translation>
    </message>
    <message>
        <source>Stop a turn whose heading does not change, or that takes too long.</source>
        <translation>Ferma una rotazione il cui azimut non cambia o che dura troppo.</translation>
    </message>
    <message>
        <source>Least movement</source>
        <translation>Movimento minimo</translation>
    </message>
    <message>
        <source>Within</source>
        <translation>Entro</translation>
    </message>
    <message>
        <source>Longest turn</source>
        <translation>Rotazione massima</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save rotor settings</source>
        <translation>Salva impostazioni rotore</translation>
    </message>
    <message>
        <source>Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an overlap rotor. Every turn, from any source, is checked against them.</source>
        <translation>I limiti sono espressi nei valori contati dal controller: da -90 a 90 su un rotore con fine corsa a sud, fino a 450 su un rotore con sovrapposizione. Ogni rotazione, da qualsiasi origine, viene verificata rispetto a essi.</translation>
    </message>
    <message>
        <source>The limits must lie inside the range %1, the lowest below the highest.</source>
        <translation>I limiti devono stare nell’escursione %1, con il minimo inferiore al massimo.</translation>
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
        <translation>%1 non si è mosso per %2 s: fermato a %3°.</translation>
    </message>
    <message>
        <source>%1 turned for %2 s without arriving: stopped at %3°.</source>
        <translation>%1 ha ruotato per %2 s senza arrivare: fermato a %3°.</translation>
    </message>
    <message>
        <source>%1 had no command for %2 min: parking at %3°.</source>
        <translation>%1 senza comandi per %2 min: parcheggio a %3°.</translation>
    </message>
</context>
<context>
    <name>RoutingContext</name>
    <message>
        <source>Not connected to the server.</source>
        <translation>Non connesso al server.</translation>
    </message>
    <message>
        <source>Enable antenna controls first.</source>
        <translation>Prima abilita i controlli d’antenna.</translation>
    </message>
    <message>
        <source>No fresh report from the server.</source>
        <translation>Nessun dato aggiornato dal server.</translation>
    </message>
    <message>
        <source>The server reports status %1.</source>
        <translation>Il server segnala lo stato %1.</translation>
    </message>
    <message>
        <source>Not available right now.</source>
        <translation>Non disponibile al momento.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Scegli una porta seriale /dev/ e una velocità in baud supportata.</translation>
    </message>
    <message>
        <source>Cannot open serial port: %1</source>
        <translation>Impossibile aprire la porta seriale: %1</translation>
    </message>
    <message>
        <source>Serial port is unavailable or already in use.</source>
        <translation>Porta seriale non disponibile o già in uso.</translation>
    </message>
    <message>
        <source>Cannot configure serial port.</source>
        <translation>Impossibile configurare la porta seriale.</translation>
    </message>
</context>
<context>
    <name>SerialPortWorker</name>
    <message>
        <source>Serial port disconnected.</source>
        <translation>Porta seriale disconnessa.</translation>
    </message>
    <message>
        <source>Serial output queue exceeded its limit.</source>
        <translation>La coda di uscita seriale ha superato il limite.</translation>
    </message>
    <message>
        <source>Serial write failed or timed out.</source>
        <translation>Scrittura seriale non riuscita o scaduta.</translation>
    </message>
</context>
<context>
    <name>ServerLoginView</name>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Sign in to server</source>
        <translation>Accedi al server</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>After the server accepts your login, it is saved securely in the system keychain for this server address and port.</source>
        <translation>Dopo che il server ha accettato l’accesso, questo viene salvato in modo sicuro nel portachiavi di sistema per questo indirizzo e porta del server.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Do not sign in; the connection ends.</source>
        <translation>Non accedere; la connessione termina.</translation>
    </message>
    <message>
        <source>Send this login to the server (Return).</source>
        <translation>Invia queste credenziali al server (Return).</translation>
    </message>
    <message>
        <source>Enter a user name to sign in.</source>
        <translation>Inserisci un nome utente per accedere.</translation>
    </message>
</context>
<context>
    <name>ServerVerification</name>
    <message>
        <source>No compatible server or device response within 3 seconds. Check the address, port, and network connection.</source>
        <translation>Nessuna risposta compatibile da server o dispositivo entro 3 secondi. Controlla indirizzo, porta e connessione di rete.</translation>
    </message>
</context>
<context>
    <name>ServerVerificationError</name>
    <message>
        <source>Server could not be verified. %1</source>
        <extracomment>%1 is the reason, a whole sentence of its own.</extracomment>
        <translation>Impossibile verificare il server. %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>The settings file could not be read: %1 is missing or not in the expected form.</source>
        <extracomment>%1 names a part of the file: &quot;the settings record&quot;, &quot;item 2 of “servers”&quot;, &quot;“version”&quot;</extracomment>
        <translation>Impossibile leggere il file di impostazioni: %1 — mancante o in forma non prevista.</translation>
    </message>
    <message>
        <source>Settings file exceeds the 10 MB limit.</source>
        <translation>Il file di impostazioni supera il limite di 10 MB.</translation>
    </message>
    <message>
        <source>The saved %1 could not be read.</source>
        <extracomment>%1 is &quot;tower locations&quot;, &quot;heading presets&quot; or &quot;rotor settings&quot;</extracomment>
        <translation>Impossibile leggere i dati salvati: %1.</translation>
    </message>
    <message>
        <source>tower locations</source>
        <translation>posizioni dei tralicci</translation>
    </message>
    <message>
        <source>heading presets</source>
        <translation>preset di azimut</translation>
    </message>
    <message>
        <source>rotor settings</source>
        <translation>impostazioni dei rotori</translation>
    </message>
    <message>
        <source>The saved layout of %1 could not be read.</source>
        <translation>Impossibile leggere la disposizione salvata di %1.</translation>
    </message>
    <message>
        <source>The saved integration settings of %1 could not be read.</source>
        <translation>Impossibile leggere le impostazioni di integrazione salvate di %1.</translation>
    </message>
    <message>
        <source>The settings hold a number that cannot be written.</source>
        <translation>Le impostazioni contengono un numero che non può essere scritto.</translation>
    </message>
    <message>
        <source>The settings file is not valid JSON: %1 at character %2.</source>
        <translation>Il file di impostazioni non è un JSON valido: %1 al carattere %2.</translation>
    </message>
    <message>
        <source>the settings record</source>
        <translation>il record delle impostazioni</translation>
    </message>
    <message>
        <source>The settings file could not be opened: %1.</source>
        <translation>Impossibile aprire il file di impostazioni: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1.</source>
        <translation>Impossibile leggere il file di impostazioni: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be written: %1.</source>
        <translation>Impossibile scrivere il file di impostazioni: %1.</translation>
    </message>
    <message>
        <source>This is not a supported station settings file.</source>
        <translation>Questo non è un file di impostazioni di stazione supportato.</translation>
    </message>
    <message>
        <source>Duplicate server identifiers in settings file.</source>
        <translation>Identificatori di server duplicati nel file di impostazioni.</translation>
    </message>
    <message>
        <source>Invalid server name or address.</source>
        <translation>Nome o indirizzo del server non valido.</translation>
    </message>
    <message>
        <source>Invalid server port or baud rate.</source>
        <translation>Porta del server o velocità in baud non valida.</translation>
    </message>
    <message>
        <source>Both site coordinates are required.</source>
        <translation>Servono entrambe le coordinate del sito.</translation>
    </message>
    <message>
        <source>Invalid site coordinates.</source>
        <translation>Coordinate del sito non valide.</translation>
    </message>
    <message>
        <source>Invalid tower location or preset.</source>
        <translation>Posizione del traliccio o preset non valido.</translation>
    </message>
    <message>
        <source>Duplicate preset identifiers.</source>
        <translation>Identificatori di preset duplicati.</translation>
    </message>
    <message>
        <source>Invalid or duplicate rotor settings.</source>
        <translation>Impostazioni del rotore non valide o duplicate.</translation>
    </message>
    <message>
        <source>Duplicate tower locations.</source>
        <translation>Posizioni dei tralicci duplicate.</translation>
    </message>
    <message>
        <source>Invalid layout settings.</source>
        <translation>Impostazioni di disposizione non valide.</translation>
    </message>
    <message>
        <source>Invalid integration settings.</source>
        <translation>Impostazioni di integrazione non valide.</translation>
    </message>
    <message>
        <source>item %1 of “%2”</source>
        <extracomment>%2 is a key of the settings file, which stays in English</extracomment>
        <translation>elemento %1 di “%2”</translation>
    </message>
    <message>
        <source>the layout of “%1”</source>
        <translation>la disposizione di “%1”</translation>
    </message>
    <message>
        <source>the integration settings of “%1”</source>
        <translation>le impostazioni di integrazione di “%1”</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts. &quot;System&quot; follows the desktop&apos;s language.</source>
        <translation>La lingua dei testi del programma. &quot;Sistema&quot; segue la lingua del desktop.</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Chilometri</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Miglia</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>Unità di distanza</translation>
    </message>
    <message>
        <source>Used for every distance the program shows.</source>
        <translation>Usata per ogni distanza mostrata dal programma.</translation>
    </message>
    <message>
        <source>Language note</source>
        <translation>Nota sulla lingua</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;Distance unit</source>
        <translation>&amp;Unità di distanza</translation>
    </message>
    <message>
        <source>The new language is used from the next start.</source>
        <translation>La nuova lingua viene usata dal prossimo avvio.</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La lingua cambia al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
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
        <translation>Non aggiornato</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>Stato %1</translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Turn off %1</source>
        <translation>Disattiva %1</translation>
    </message>
    <message>
        <source>Turn on %1</source>
        <translation>Attiva %1</translation>
    </message>
    <message>
        <source>Switch %1 out of the stack.</source>
        <translation>Escludi %1 dallo stack.</translation>
    </message>
    <message>
        <source>Switch %1 into the stack.</source>
        <translation>Includi %1 nello stack.</translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message>
        <source>No logger data yet</source>
        <translation>Ancora nessun dato dal logger</translation>
    </message>
    <message>
        <source>Enter an IP address and a port from 1 to 65535.</source>
        <translation>Inserisci un indirizzo IP e una porta da 1 a 65535.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Impossibile mettersi in ascolto: %1</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>In ascolto su %1:%2</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Non in ascolto</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n datagrams dropped</source>
        <extracomment>%1 is the listener&apos;s state, such as &quot;Listening on 127.0.0.1:2237&quot;.</extracomment>
        <translation>
            <numerusform>%1 · %n datagramma scartato</numerusform>
            <numerusform>%1 · %n datagrammi scartati</numerusform>
        </translation>
    </message>
    <message>
        <source>Focused radio: %1</source>
        <translation>Radio attiva: %1</translation>
    </message>
    <message>
        <source>Radio %1 · %2 MHz</source>
        <translation>Radio %1 · %2 MHz</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio %2</source>
        <translation>Azimut rotore: %1° · radio %2</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio focused</source>
        <translation>Azimut rotore: %1° · radio attiva</translation>
    </message>
    <message>
        <source>Rotor stop · radio %1</source>
        <translation>Stop rotore · radio %1</translation>
    </message>
    <message>
        <source>Rotor stop · radio focused</source>
        <translation>Stop rotore · radio attiva</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tasto: %1</translation>
    </message>
</context>
<context>
    <name>StationLookup</name>
    <message>
        <source>Type a call sign, prefix or grid locator.</source>
        <translation>Digita un nominativo, prefisso o locatore.</translation>
    </message>
    <message>
        <source>That is too long for a call sign, prefix or grid locator.</source>
        <translation>Troppo lungo per un nominativo, prefisso o locatore.</translation>
    </message>
    <message>
        <source>%1 is not a call sign, prefix or grid locator.</source>
        <translation>%1 non è un nominativo, prefisso o locatore.</translation>
    </message>
    <message>
        <source>No country file is loaded, so only grid locators can be placed.</source>
        <translation>Nessun file dei paesi caricato, quindi si possono collocare solo locatori.</translation>
    </message>
    <message>
        <source>%1 is maritime mobile: it has no country.</source>
        <translation>%1 è marittimo mobile: non ha un paese.</translation>
    </message>
    <message>
        <source>%1 is aeronautical mobile: it has no country.</source>
        <translation>%1 è aeronautico mobile: non ha un paese.</translation>
    </message>
    <message>
        <source>%1 matches no country prefix.</source>
        <translation>%1 non corrisponde a nessun prefisso di paese.</translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message>
        <source>Rotors and antenna routing</source>
        <translation>Rotori e instradamento antenne</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Sviluppo</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the saved server this tab shows.</source>
        <translation>Scegli il server salvato mostrato da questa scheda.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Integrations</source>
        <translation>Integrazioni</translation>
    </message>
    <message>
        <source>Loggers, keys and the rotary encoder for this server.</source>
        <translation>Logger, tasti ed encoder rotativo per questo server.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposizione</translation>
    </message>
    <message>
        <source>Which cards show, in what order, on which bands.</source>
        <translation>Quali schede mostrare, in che ordine, su quali bande.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Open the connection and command log of every tab.</source>
        <translation>Apri il log di connessioni e comandi di ogni scheda.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mappa del mondo</translation>
    </message>
    <message>
        <source>The world round this tab&apos;s towers, with every located rotor&apos;s beam.</source>
        <translation>Il mondo attorno ai tralicci di questa scheda, con il fascio di ogni rotore localizzato.</translation>
    </message>
    <message>
        <source>Additional Server</source>
        <translation>Server aggiuntivo</translation>
    </message>
    <message>
        <source>Controls reset on disconnect. Turn commands are never replayed. Closing the app does not stop a moving antenna.</source>
        <translation>I controlli si azzerano alla disconnessione. I comandi di rotazione non vengono mai ripetuti. Chiudere l’app non ferma un’antenna in movimento.</translation>
    </message>
    <message>
        <source>Enable control</source>
        <translation>Abilita controllo</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>FERMA TUTTO</translation>
    </message>
    <message>
        <source>Rotors</source>
        <translation>Rotori</translation>
    </message>
    <message>
        <source>Enable antenna controls</source>
        <translation>Abilita controlli d’antenna</translation>
    </message>
    <message>
        <source>Antenna routing</source>
        <translation>Instradamento antenne</translation>
    </message>
    <message>
        <source>Manage servers…</source>
        <translation>Gestisci server…</translation>
    </message>
    <message>
        <source>Configure Server</source>
        <translation>Configura server</translation>
    </message>
    <message>
        <source>SERVER: %1</source>
        <translation>SERVER: %1</translation>
    </message>
    <message>
        <source>Select server</source>
        <translation>Seleziona server</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close the connection to this server.</source>
        <translation>Chiudi la connessione a questo server.</translation>
    </message>
    <message>
        <source>Stop connecting to this server.</source>
        <translation>Interrompi la connessione a questo server.</translation>
    </message>
    <message>
        <source>Connect to the selected server.</source>
        <translation>Connettiti al server selezionato.</translation>
    </message>
    <message>
        <source>Connect to another server in a separate tab (up to 10).</source>
        <translation>Connettiti a un altro server in una scheda separata (fino a 10).</translation>
    </message>
    <message>
        <source>Ten server tabs are open: close one to add another.</source>
        <translation>Sono aperte dieci schede server: chiudine una per aggiungerne un’altra.</translation>
    </message>
    <message>
        <source>Allow the rotor controls of this tab to send commands.</source>
        <translation>Consenti ai controlli rotore di questa scheda di inviare comandi.</translation>
    </message>
    <message>
        <source>Allow the switch, stack and tuner controls of this tab to send commands.</source>
        <translation>Consenti ai controlli di commutatore, stack e accordatore di questa scheda di inviare comandi.</translation>
    </message>
    <message>
        <source>Stop every rotor of this server. (%1)</source>
        <translation>Ferma tutti i rotori di questo server. (%1)</translation>
    </message>
    <message>
        <source>No rotor can be stopped: connect and switch on Enable control.</source>
        <translation>Nessun rotore da fermare: connettiti e attiva “Abilita controllo”.</translation>
    </message>
    <message numerus="yes">
        <source>%n visible</source>
        <extracomment>Rotor cards shown on this tab</extracomment>
        <translation>
            <numerusform>%n visibile</numerusform>
            <numerusform>%n visibili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n discovered · live headings from the server</source>
        <extracomment>Rotors the server reported</extracomment>
        <translation>
            <numerusform>%n rilevato · azimut in tempo reale dal server</numerusform>
            <numerusform>%n rilevati · azimut in tempo reale dal server</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for rotors…</source>
        <translation>In attesa dei rotori…</translation>
    </message>
    <message>
        <source>Connect once to load this server’s rotors</source>
        <translation>Connettiti una volta per caricare i rotori di questo server</translation>
    </message>
    <message>
        <source>Connect once to load this server’s antenna routing</source>
        <translation>Connettiti una volta per caricare l’instradamento antenne di questo server</translation>
    </message>
    <message>
        <source>No switches, stack outputs or tuners reported</source>
        <translation>Nessun commutatore, uscita stack o accordatore segnalato</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <extracomment>Antenna switch card, named for assistive tools</extracomment>
        <translation>Commutatore %1</translation>
    </message>
    <message>
        <source>Stack %1</source>
        <extracomment>Antenna stack card, named for assistive tools</extracomment>
        <translation>Stack %1</translation>
    </message>
    <message>
        <source>Tuner %1</source>
        <translation>Accordatore %1</translation>
    </message>
    <message>
        <source>No server yet</source>
        <translation>Ancora nessun server</translation>
    </message>
    <message>
        <source>No server chosen</source>
        <translation>Nessun server scelto</translation>
    </message>
    <message>
        <source>There is no server to connect to yet. Add one in the server editor.</source>
        <translation>Non c’è ancora un server a cui connettersi. Aggiungine uno nell’editor dei server.</translation>
    </message>
    <message>
        <source>This tab has no server. Choose one in the server menu, or add one in the server editor.</source>
        <translation>Questa scheda non ha un server. Scegline uno nel menu dei server o aggiungine uno nell’editor dei server.</translation>
    </message>
    <message>
        <source>Add server…</source>
        <translation>Aggiungi server…</translation>
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
        <translation>Questo server è già aperto in %1. È stata selezionata la sua scheda esistente.</translation>
    </message>
</context>
<context>
    <name>StationWorkspaceView</name>
    <message>
        <source>Close server tab</source>
        <translation>Chiudi scheda server</translation>
    </message>
    <message>
        <source>Server tabs</source>
        <translation>Schede server</translation>
    </message>
    <message>
        <source>Disconnect and close the selected server tab.</source>
        <translation>Disconnetti e chiudi la scheda server selezionata.</translation>
    </message>
    <message>
        <source>%1 · connecting</source>
        <translation>%1 · connessione in corso</translation>
    </message>
    <message>
        <source>%1 · disconnected</source>
        <translation>%1 · disconnesso</translation>
    </message>
    <message>
        <source>Server already open</source>
        <translation>Server già aperto</translation>
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
        <translation>Segnalato: %1</translation>
    </message>
    <message>
        <source>Server status %1</source>
        <translation>Stato del server %1</translation>
    </message>
    <message>
        <source>Unsupported switch type %1</source>
        <translation>Tipo di commutatore non supportato %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Seleziona %1</translation>
    </message>
    <message>
        <source>Deselect %1</source>
        <translation>Deseleziona %1</translation>
    </message>
    <message>
        <source>Also select %1</source>
        <translation>Seleziona anche %1</translation>
    </message>
    <message>
        <source>Select %1 at %2 degrees</source>
        <translation>Seleziona %1 a %2 gradi</translation>
    </message>
    <message>
        <source>Position is locked.</source>
        <translation>La posizione è bloccata.</translation>
    </message>
</context>
<context>
    <name>SystemFileDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <extracomment>File type filter of the settings file dialogs; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>File JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>TerminalProtocol</name>
    <message>
        <source>Enter a heading from 0 to 360.</source>
        <translation>Inserisci un azimut da 0 a 360.</translation>
    </message>
    <message>
        <source>Terminal frame exceeds size limit.</source>
        <translation>Il frame del terminale supera il limite di dimensione.</translation>
    </message>
</context>
<context>
    <name>TileLoader</name>
    <message>
        <source>The tile server sent more than %1 MiB for one tile.</source>
        <translation>Il server delle tessere ha inviato più di %1 MiB per una tessera.</translation>
    </message>
    <message>
        <source>The tile server answered %1 %2.</source>
        <translation>Il server delle tessere ha risposto %1 %2.</translation>
    </message>
    <message>
        <source>The tile server did not answer in time.</source>
        <translation>Il server delle tessere non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The tile could not be loaded: %1.</source>
        <translation>Impossibile caricare la tessera: %1.</translation>
    </message>
    <message>
        <source>The tile address “%1” is not a web address.</source>
        <translation>L’indirizzo delle tessere “%1” non è un indirizzo web.</translation>
    </message>
    <message>
        <source>The tile server %1 asked for fewer requests; tiles are paused for now.</source>
        <translation>Il server delle tessere %1 ha chiesto di ridurre le richieste; le tessere sono sospese per ora.</translation>
    </message>
    <message>
        <source>The tile server sent an image that could not be read.</source>
        <translation>Il server delle tessere ha inviato un’immagine illeggibile.</translation>
    </message>
</context>
<context>
    <name>TowerMap</name>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Map imagery unavailable. Heading display still works.</source>
        <translation>Immagini della mappa non disponibili. L’indicazione dell’azimut funziona comunque.</translation>
    </message>
</context>
<context>
    <name>TunerCard</name>
    <message>
        <source>CCW</source>
        <translation>Antiorario</translation>
    </message>
    <message>
        <source>CCW %1</source>
        <translation>Antiorario %1</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Orario</translation>
    </message>
    <message>
        <source>CW %1</source>
        <translation>Orario %1</translation>
    </message>
    <message>
        <source>Calibrate…</source>
        <translation>Calibra…</translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation>Calibra %1</translation>
    </message>
    <message>
        <source>Calibrate tuner rotor?</source>
        <translation>Calibrare il rotore dell’accordatore?</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1 on %2.</source>
        <translation>Esegui la calibrazione del server per %1 su %2.</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibra</translation>
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
        <translation>Segnalato: %1 · Stato %2 · RSSI %3</translation>
    </message>
    <message>
        <source>Awaiting position</source>
        <translation>In attesa della posizione</translation>
    </message>
    <message>
        <source>Tune %1 to %2</source>
        <translation>Accorda %1 su %2</translation>
    </message>
    <message>
        <source>Turn %1 counterclockwise</source>
        <translation>Ruota %1 in senso antiorario</translation>
    </message>
    <message>
        <source>Turn %1 clockwise</source>
        <translation>Ruota %1 in senso orario</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1</source>
        <translation>Esegui la calibrazione del server per %1</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation>Mappa del mondo</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>The tower has no position yet, so the world cannot be drawn around it.</source>
        <translation>Il traliccio non ha ancora una posizione, quindi non si può disegnare il mondo attorno a esso.</translation>
    </message>
    <message>
        <source>Centred on %1</source>
        <translation>Centrata su %1</translation>
    </message>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation>I contorni delle terre emerse mancano in questa build.</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Azimut %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 beam %2, last reported</source>
        <translation>%1 fascio %2, ultimo segnalato</translation>
    </message>
    <message>
        <source>%1 beam %2</source>
        <translation>%1 fascio %2</translation>
    </message>
</context>
<context>
    <name>WorldMapWindow</name>
    <message>
        <source>World map</source>
        <translation>Mappa del mondo</translation>
    </message>
    <message>
        <source>Whole world</source>
        <translation>Mondo intero</translation>
    </message>
    <message>
        <source>World map reach</source>
        <translation>Raggio della mappa del mondo</translation>
    </message>
    <message>
        <source>How far from the tower the edge of the map reaches.</source>
        <translation>Quanto lontano dal traliccio arriva il bordo della mappa.</translation>
    </message>
    <message>
        <source>Place under the pointer</source>
        <translation>Luogo sotto il puntatore</translation>
    </message>
    <message>
        <source>No rotor of this tab has a tower position yet. Place a tower with Set Location on its card, or give the server a site in its profile.</source>
        <translation>Nessun rotore di questa scheda ha ancora una posizione del traliccio. Colloca un traliccio con “Imposta posizione traliccio…” sulla sua scheda, oppure assegna al server un sito nel suo profilo.</translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation>Raggio:</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Azimut %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>WsjtxMessage</name>
    <message>
        <source>The WSJT-X datagram is damaged: it ends before its %1.</source>
        <translation>Il datagramma WSJT-X è danneggiato: termina prima del campo %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is %2 bytes long.</source>
        <translation>Il datagramma WSJT-X è danneggiato: il campo %1 è lungo %2 byte.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it ends inside its %1.</source>
        <translation>Il datagramma WSJT-X è danneggiato: termina all’interno del campo %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is not UTF-8 text.</source>
        <translation>Il datagramma WSJT-X è danneggiato: il campo %1 non è testo UTF-8.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it is %1 bytes long.</source>
        <translation>Il datagramma WSJT-X è danneggiato: è lungo %1 byte.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it does not start with the magic number.</source>
        <translation>Il datagramma WSJT-X è danneggiato: non inizia con il numero magico.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.</source>
        <translation>Il datagramma WSJT-X è danneggiato: lo schema %1 non è 2 né 3.</translation>
    </message>
</context>
</TS>
