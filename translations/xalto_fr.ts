<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CallArea</name>
    <message>
        <source>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</source>
        <translation>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</translation>
    </message>
    <message>
        <source>New England (CT, MA, ME, NH, RI, VT)</source>
        <translation>Nouvelle-Angleterre (CT, MA, ME, NH, RI, VT)</translation>
    </message>
    <message>
        <source>New York and New Jersey</source>
        <translation>New York et New Jersey</translation>
    </message>
    <message>
        <source>Mid-Atlantic (DC, DE, MD, PA)</source>
        <translation>Centre-Atlantique (DC, DE, MD, PA)</translation>
    </message>
    <message>
        <source>Southeast (AL, FL, GA, KY, NC, SC, TN, VA)</source>
        <translation>Sud-Est (AL, FL, GA, KY, NC, SC, TN, VA)</translation>
    </message>
    <message>
        <source>South (AR, LA, MS, NM, OK, TX)</source>
        <translation>Sud (AR, LA, MS, NM, OK, TX)</translation>
    </message>
    <message>
        <source>California</source>
        <translation>Californie</translation>
    </message>
    <message>
        <source>Northwest (AZ, ID, MT, NV, OR, UT, WA, WY)</source>
        <translation>Nord-Ouest (AZ, ID, MT, NV, OR, UT, WA, WY)</translation>
    </message>
    <message>
        <source>Great Lakes (MI, OH, WV)</source>
        <translation>Grands Lacs (MI, OH, WV)</translation>
    </message>
    <message>
        <source>Central (IL, IN, WI)</source>
        <translation>Centre (IL, IN, WI)</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Terre-Neuve</translation>
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
        <translation>Île-du-Prince-Édouard</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nouvelle-Écosse</translation>
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
        <translation>Colombie-Britannique</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territoires du Nord-Ouest</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nouveau-Brunswick</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Territoire de la capitale australienne</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nouvelle-Galles du Sud</translation>
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
        <translation>Australie-Méridionale</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Australie-Occidentale</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmanie</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Territoire du Nord</translation>
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
        <translation>Kyūshū et Okinawa</translation>
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
        <translation>Shin&apos;etsu</translation>
    </message>
    <message>
        <source>Western Siberia, north (call area 8)</source>
        <translation>Sibérie occidentale, nord (zone d&apos;indicatif 8)</translation>
    </message>
    <message>
        <source>Urals and Western Siberia (call area 9)</source>
        <translation>Oural et Sibérie occidentale (zone d&apos;indicatif 9)</translation>
    </message>
    <message>
        <source>Eastern Siberia and the Far East (call area 0)</source>
        <translation>Sibérie orientale et Extrême-Orient (zone d&apos;indicatif 0)</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Pékin</translation>
    </message>
    <message>
        <source>Heilongjiang, Jilin, Liaoning</source>
        <translation>Heilongjiang, Jilin, Liaoning</translation>
    </message>
    <message>
        <source>Tianjin, Inner Mongolia, Hebei, Shanxi</source>
        <translation>Tianjin, Mongolie-Intérieure, Hebei, Shanxi</translation>
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
        <translation>Xinjiang et Tibet</translation>
    </message>
    <message>
        <source>Rio de Janeiro and Espirito Santo</source>
        <translation>Rio de Janeiro et Espírito Santo</translation>
    </message>
    <message>
        <source>Sao Paulo, Goias, Federal District</source>
        <translation>São Paulo, Goiás, District fédéral</translation>
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
        <translation>Paraná et Santa Catarina</translation>
    </message>
    <message>
        <source>Bahia and Sergipe</source>
        <translation>Bahia et Sergipe</translation>
    </message>
    <message>
        <source>Northeast (PE, AL, PB, RN, CE, PI)</source>
        <translation>Nordeste (PE, AL, PB, RN, CE, PI)</translation>
    </message>
    <message>
        <source>North (PA, AM, AP, MA, RR)</source>
        <translation>Nord (PA, AM, AP, MA, RR)</translation>
    </message>
    <message>
        <source>Centre-West (MT, MS, RO, AC, TO)</source>
        <translation>Centre-Ouest (MT, MS, RO, AC, TO)</translation>
    </message>
    <message>
        <source>Buenos Aires City</source>
        <translation>Ville de Buenos Aires</translation>
    </message>
    <message>
        <source>Buenos Aires Province</source>
        <translation>Province de Buenos Aires</translation>
    </message>
    <message>
        <source>Santa Fe</source>
        <translation>Santa Fe</translation>
    </message>
    <message>
        <source>Chaco and Formosa</source>
        <translation>Chaco et Formosa</translation>
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
        <translation>Santa Cruz et Terre de Feu</translation>
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
        <translation>La liste d&apos;indicatifs dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>The call list holds more than %1 calls.</source>
        <translation>La liste contient plus de %1 indicatifs.</translation>
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
        <translation>Annuler</translation>
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
        <translation>Terminal KT-90 TCP</translation>
    </message>
    <message>
        <source>KT-90 UDP terminal</source>
        <translation>Terminal KT-90 UDP</translation>
    </message>
    <message>
        <source>KT-90 local serial</source>
        <translation>KT-90 port série local</translation>
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
        <translation>Aucun fichier de pays n&apos;est installé&#xa0;; chargez-en un ou installez le paquet Debian hamradio-files.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Le fichier dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>The program&apos;s data folder cannot be created.</source>
        <translation>Impossible de créer le dossier de données du programme.</translation>
    </message>
    <message>
        <source>The copy cannot be kept: %1.</source>
        <translation>Impossible de conserver la copie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No version given</source>
        <translation>Aucune version indiquée</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation>
            <numerusform>Version %1, âgée de %n jour</numerusform>
            <numerusform>Version %1, âgée de %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a piece of the country file.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it has %2 fields where 10 are expected.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: elle a %2 champs au lieu de 10.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its prefix list does not end with “;”.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: sa liste de préfixes ne se termine pas par «&#xa0;;&#xa0;».</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: son numéro DXCC %2 n&apos;est pas un nombre de 0 à 9999.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the entity before it does not end its prefix list with “;”.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: l&apos;entité précédente ne termine pas sa liste de préfixes par «&#xa0;;&#xa0;».</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: sa ligne d&apos;entité n&apos;a pas 8 champs terminés par «&#xa0;:&#xa0;».</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it lists prefixes without an entity line before them.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: il liste des préfixes sans ligne d&apos;entité avant eux.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: text follows the “;” that ends the prefix list.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: du texte suit le «&#xa0;;&#xa0;» qui termine la liste de préfixes.</translation>
    </message>
    <message>
        <source>The country file ends inside the prefix list of %1.</source>
        <translation>Le fichier de pays se termine au milieu de la liste de préfixes de %1.</translation>
    </message>
    <message>
        <source>The country file lists no countries.</source>
        <translation>Le fichier de pays ne liste aucun pays.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 countries.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: le fichier liste plus de %2 pays.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the country name %2 is empty, too long or holds control characters.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: le nom de pays %2 est vide, trop long ou contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: le préfixe principal %2 de %3 n&apos;est pas un préfixe.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the continent %2 of %3 is not one of AF, AN, AS, EU, NA, OC, SA.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: le continent %2 de %3 n&apos;est pas l&apos;un de AF, AN, AS, EU, NA, OC, SA.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the zones of %2 are not a CQ zone from 1 to 40 and an ITU zone from 1 to 90.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: les zones de %2 ne sont pas une zone CQ de 1 à 40 et une zone UIT de 1 à 90.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the latitude, longitude or UTC offset of %2 is not a number within range.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: la latitude, la longitude ou le décalage UTC de %2 n&apos;est pas un nombre dans les limites.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 prefixes and calls.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: le fichier liste plus de %2 préfixes et indicatifs.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: %2 is not a prefix or call.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: %2 n&apos;est ni un préfixe ni un indicatif.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not closed.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: l&apos;exception dans %2 n&apos;est pas fermée.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not valid.</source>
        <translation>Le fichier de pays est endommagé à la ligne %1&#xa0;: l&apos;exception dans %2 n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The country file is larger than %1 MiB.</source>
        <translation>Le fichier de pays dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>The country file is empty.</source>
        <translation>Le fichier de pays est vide.</translation>
    </message>
    <message>
        <source>The file is neither a cty.csv nor a cty.dat country file.</source>
        <translation>Le fichier n&apos;est ni un fichier de pays cty.csv ni cty.dat.</translation>
    </message>
</context>
<context>
    <name>CountryFileLoader</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 est illisible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 dépasse %2 Mio.</translation>
    </message>
</context>
<context>
    <name>CountryFileSheet</name>
    <message>
        <source>Country File</source>
        <translation>Fichier de pays</translation>
    </message>
    <message>
        <source>Country file version</source>
        <translation>Version du fichier de pays</translation>
    </message>
    <message>
        <source>Country file in use</source>
        <translation>Fichier de pays utilisé</translation>
    </message>
    <message>
        <source>Country file load result</source>
        <translation>Résultat du chargement du fichier de pays</translation>
    </message>
    <message>
        <source>Load country file…</source>
        <translation>Charger un fichier de pays…</translation>
    </message>
    <message>
        <source>Read a newer cty.csv or cty.dat; a file that does not read changes nothing.</source>
        <translation>Lire un cty.csv ou cty.dat plus récent&#xa0;; un fichier illisible ne change rien.</translation>
    </message>
    <message>
        <source>Country file</source>
        <translation>Fichier de pays</translation>
    </message>
    <message>
        <source>Call signs and prefixes are placed with this file. Newer files are published monthly; a loaded file is kept in the program&apos;s data folder and used from then on.</source>
        <translation>Les indicatifs et préfixes sont localisés avec ce fichier. De nouvelles versions paraissent chaque mois&#xa0;; un fichier chargé est conservé dans le dossier de données du programme et utilisé par la suite.</translation>
    </message>
    <message>
        <source>Loaded; the copy is kept for later starts.</source>
        <translation>Chargé&#xa0;; la copie est conservée pour les prochains démarrages.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Rien n&apos;a changé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Load Country File</source>
        <translation>Charger un fichier de pays</translation>
    </message>
    <message>
        <source>Country files (*.csv *.dat *.CSV *.DAT);;All files (*)</source>
        <translation>Fichiers de pays (*.csv *.dat *.CSV *.DAT);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No country file</source>
        <translation>Aucun fichier de pays</translation>
    </message>
    <message>
        <source>A loaded copy: %1</source>
        <translation>Copie chargée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Installed file: %1</source>
        <translation>Fichier installé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 countries, %2 prefixes and calls</source>
        <translation>%1 pays, %2 préfixes et indicatifs</translation>
    </message>
</context>
<context>
    <name>EncoderWorker</name>
    <message>
        <source>Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.</source>
        <translation>En attente du Phidget %1. Les anciens périphériques HID peuvent nécessiter le pilote USB du fabricant.</translation>
    </message>
    <message>
        <source>Phidget22 library could not be loaded.</source>
        <translation>Impossible de charger la bibliothèque Phidget22.</translation>
    </message>
    <message>
        <source>Phidget encoder channel could not be opened.</source>
        <translation>Impossible d&apos;ouvrir le canal encodeur du Phidget.</translation>
    </message>
    <message>
        <source>Phidget button channel could not be opened.</source>
        <translation>Impossible d&apos;ouvrir le canal bouton du Phidget.</translation>
    </message>
    <message>
        <source>Phidget disconnected</source>
        <translation>Phidget déconnecté</translation>
    </message>
    <message>
        <source>Phidget connected</source>
        <translation>Phidget connecté</translation>
    </message>
</context>
<context>
    <name>HeadingPreset</name>
    <message>
        <source>Give the preset a name and a heading from 0 to 360 degrees.</source>
        <translation>Donnez au préréglage un nom et un cap de 0 à 360 degrés.</translation>
    </message>
</context>
<context>
    <name>IntegrationDevicesSection</name>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
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
        <translation>Radio active</translation>
    </message>
    <message>
        <source>Frequency-driven devices</source>
        <translation>Appareils pilotés par la fréquence</translation>
    </message>
    <message>
        <source>A selected OFF remains off. Existing in-range selections are retained; locked outputs are skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared switch.</source>
        <translation>Un OFF sélectionné reste éteint. Les sélections existantes dans la bande sont conservées&#xa0;; les sorties verrouillées sont ignorées. «&#xa0;Radio active&#xa0;» suit la radio active du logiciel de log et évite que A et B se concurrencent sur un commutateur partagé.</translation>
    </message>
    <message>
        <source>Radio for %1</source>
        <translation>Radio pour %1</translation>
    </message>
    <message>
        <source>Which radio’s frequency selects the band position of %1.</source>
        <translation>La radio dont la fréquence choisit la position de bande de %1.</translation>
    </message>
    <message>
        <source>Switch: %1</source>
        <extracomment>%1 is the antenna switch&apos;s name from the station.</extracomment>
        <translation>Commutateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tuner: %1</source>
        <extracomment>%1 is the tuner&apos;s name from the station.</extracomment>
        <translation>Boîte d&apos;accord&#xa0;: %1</translation>
    </message>
    <message>
        <source>The station has reported no switches or tuners yet.</source>
        <translation>La station n&apos;a encore signalé aucun commutateur ni boîte d&apos;accord.</translation>
    </message>
</context>
<context>
    <name>IntegrationEditor</name>
    <message>
        <source>Stop this input.</source>
        <translation>Arrêter cette entrée.</translation>
    </message>
</context>
<context>
    <name>IntegrationEncoderSection</name>
    <message>
        <source>Phidget encoder / eKnob</source>
        <translation>Encodeur Phidget / eKnob</translation>
    </message>
    <message>
        <source>Device serial number</source>
        <translation>Numéro de série de l&apos;appareil</translation>
    </message>
    <message>
        <source>The serial number printed on the encoder device.</source>
        <translation>Le numéro de série imprimé sur l&apos;encodeur.</translation>
    </message>
    <message>
        <source>Encoder channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canal encodeur </translation>
    </message>
    <message>
        <source>Encoder channel</source>
        <translation>Canal encodeur</translation>
    </message>
    <message>
        <source>The device channel of the encoder.</source>
        <translation>Le canal de l&apos;appareil pour l&apos;encodeur.</translation>
    </message>
    <message>
        <source>Button channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canal bouton </translation>
    </message>
    <message>
        <source>Button channel</source>
        <translation>Canal bouton</translation>
    </message>
    <message>
        <source>The digital input of the encoder’s button; −1 for none.</source>
        <translation>L&apos;entrée numérique du bouton de l&apos;encodeur&#xa0;; −1 pour aucune.</translation>
    </message>
    <message>
        <source>Degrees/count</source>
        <translation>Degrés/pas</translation>
    </message>
    <message>
        <source>Degrees per encoder count when turning a rotor; negative reverses the direction.</source>
        <translation>Degrés par pas d&apos;encodeur pour tourner un rotor&#xa0;; une valeur négative inverse le sens.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack output, T: tuner positions).</source>
        <translation>Ce que l&apos;encodeur tourne (R&#xa0;: rotor) ou sélectionne (P&#xa0;: préréglages d&apos;un rotor, S&#xa0;: positions de commutateur, K&#xa0;: sortie de stack, T&#xa0;: positions de boîte d&apos;accord).</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Start encoder</source>
        <translation>Démarrer l&apos;encodeur</translation>
    </message>
    <message>
        <source>Stop encoder</source>
        <translation>Arrêter l&apos;encodeur</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>État de l&apos;encodeur</translation>
    </message>
    <message>
        <source>Store these settings and start reading the encoder.</source>
        <translation>Enregistrer ces réglages et commencer à lire l&apos;encodeur.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Encoder preview</source>
        <translation>Aperçu de l&apos;encodeur</translation>
    </message>
    <message>
        <source>Phidget USB driver and setup</source>
        <translation>Pilote USB Phidget et installation</translation>
    </message>
    <message>
        <source>Turning previews a heading or selection. Press the encoder button or Apply to send it. A button channel of −1 disables button input; use a negative step to reverse direction. Enable controls still applies.</source>
        <translation>Tourner prévisualise un cap ou une sélection. Appuyez sur le bouton de l&apos;encodeur ou sur Appliquer pour l&apos;envoyer. Un canal bouton de −1 désactive le bouton&#xa0;; un pas négatif inverse le sens. «&#xa0;Activer les commandes&#xa0;» s&apos;applique toujours.</translation>
    </message>
    <message>
        <source>The encoder is not running.</source>
        <translation>L&apos;encodeur n&apos;est pas démarré.</translation>
    </message>
    <message>
        <source>Send the previewed heading or selection now.</source>
        <translation>Envoyer maintenant le cap ou la sélection prévisualisé.</translation>
    </message>
    <message>
        <source>Turn on “Enable logger commands and automatic band selection” to send.</source>
        <translation>Activez «&#xa0;Activer les commandes du logiciel de log et la sélection de bande automatique&#xa0;» pour envoyer.</translation>
    </message>
    <message>
        <source>Connect to the server to send.</source>
        <translation>Connectez-vous au serveur pour envoyer.</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Aperçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>IntegrationEventsSection</name>
    <message>
        <source>Received integration events</source>
        <translation>Événements d&apos;intégration reçus</translation>
    </message>
    <message>
        <source>No events received</source>
        <translation>Aucun événement reçu</translation>
    </message>
    <message>
        <source>The logger events and key tokens this server’s inputs received, oldest first (the last %1).</source>
        <translation>Les événements de logiciel de log et codes de touche reçus par les entrées de ce serveur, du plus ancien au plus récent (les %1 derniers).</translation>
    </message>
</context>
<context>
    <name>IntegrationKeysSection</name>
    <message>
        <source>Keyboard shortcuts and UDP keys</source>
        <translation>Raccourcis clavier et touches UDP</translation>
    </message>
    <message>
        <source>Key tokens also work while the main app window is focused, outside text fields. Examples: CTRL R, SHIFT S, Escape.</source>
        <translation>Les codes de touche fonctionnent aussi quand la fenêtre principale a le focus, hors des champs de texte. Exemples&#xa0;: CTRL R, SHIFT S, Escape.</translation>
    </message>
    <message>
        <source>Global keyboard shortcuts</source>
        <translation>Raccourcis clavier globaux</translation>
    </message>
    <message>
        <source>Also take key tokens typed in other programs.</source>
        <translation>Accepter aussi les codes de touche tapés dans d&apos;autres programmes.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session.</source>
        <translation>Les raccourcis globaux ne sont pas disponibles dans cette session.</translation>
    </message>
    <message>
        <source>Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard listening after changing this switch.</source>
        <translation>Les raccourcis globaux ne demandent aucune permission supplémentaire sur ce bureau, seulement un modificateur Control, Alt ou Super (CTRL, ALT, CMD dans les codes). Ils s&apos;appliquent à l&apos;onglet serveur sélectionné. Redémarrez l&apos;écoute du clavier après avoir changé ce réglage.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session: this desktop does not let programs watch keys typed elsewhere. Keys in the main window and UDP key tokens still work.</source>
        <translation>Les raccourcis globaux ne sont pas disponibles dans cette session&#xa0;: ce bureau ne permet pas aux programmes de surveiller les touches tapées ailleurs. Les touches dans la fenêtre principale et les codes de touche UDP fonctionnent toujours.</translation>
    </message>
    <message>
        <source>Local keyboard UDP port</source>
        <translation>Port UDP du clavier local</translation>
    </message>
    <message>
        <source>Key tokens sent to 127.0.0.1 on this port fire the bindings below.</source>
        <translation>Les codes de touche envoyés à 127.0.0.1 sur ce port déclenchent les affectations ci-dessous.</translation>
    </message>
    <message>
        <source>Start keyboard</source>
        <translation>Démarrer le clavier</translation>
    </message>
    <message>
        <source>Stop keyboard</source>
        <translation>Arrêter le clavier</translation>
    </message>
    <message>
        <source>Keyboard status</source>
        <translation>État du clavier</translation>
    </message>
    <message>
        <source>Store these settings and start listening for keys and UDP key tokens.</source>
        <translation>Enregistrer ces réglages et commencer à écouter les touches et les codes de touche UDP.</translation>
    </message>
    <message>
        <source>Add key binding</source>
        <translation>Ajouter une affectation</translation>
    </message>
    <message>
        <source>Add a key token and what it does.</source>
        <translation>Ajouter un code de touche et son action.</translation>
    </message>
    <message>
        <source>No key bindings</source>
        <translation>Aucune affectation de touche</translation>
    </message>
    <message>
        <source>Key token</source>
        <translation>Code de touche</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Key token %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Code de touche %1</translation>
    </message>
    <message>
        <source>The key token that fires this binding, such as CTRL R.</source>
        <translation>Le code de touche qui déclenche cette affectation, par exemple CTRL R.</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Appareil %1</translation>
    </message>
    <message>
        <source>R: rotor, S: antenna switch, K: stack output, T: tuner.</source>
        <translation>R&#xa0;: rotor, S&#xa0;: commutateur d&apos;antennes, K&#xa0;: sortie de stack, T&#xa0;: boîte d&apos;accord.</translation>
    </message>
    <message>
        <source>Action %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Action %1</translation>
    </message>
    <message>
        <source>What the binding does with its device.</source>
        <translation>Ce que l&apos;affectation fait avec son appareil.</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Cap %1</translation>
    </message>
    <message>
        <source>The heading a Rotate binding turns its rotor to.</source>
        <translation>Le cap vers lequel une affectation «&#xa0;Tourner&#xa0;» oriente son rotor.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>The switch or tuner position to select; Next and Previous step instead.</source>
        <translation>La position de commutateur ou de boîte d&apos;accord à sélectionner&#xa0;; Suivant et Précédent avancent pas à pas.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove this key binding.</source>
        <translation>Supprimer cette affectation de touche.</translation>
    </message>
    <message>
        <source>Remove binding %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Supprimer l&apos;affectation %1</translation>
    </message>
    <message>
        <source>The keyboard input is not running.</source>
        <translation>L&apos;entrée clavier n&apos;est pas démarrée.</translation>
    </message>
</context>
<context>
    <name>IntegrationLoggerSection</name>
    <message>
        <source>Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111.</source>
        <translation>Écoutez sur 127.0.0.1 pour un logiciel local, ou sur l&apos;adresse LAN de cet ordinateur pour un logiciel de log distant. Rotor N1MM&#xa0;: 12050&#xa0;; données radio&#xa0;: 12060&#xa0;; Win-Test&#xa0;: 9871&#xa0;; clavier UDP&#xa0;: 61111.</translation>
    </message>
    <message>
        <source>Connect to the N3FJP API (normally port 1100).</source>
        <translation>Se connecter à l&apos;API N3FJP (normalement port 1100).</translation>
    </message>
    <message>
        <source>Logger and automatic controls</source>
        <translation>Logiciel de log et commandes automatiques</translation>
    </message>
    <message>
        <source>Enable logger commands and automatic band selection</source>
        <translation>Activer les commandes du logiciel de log et la sélection de bande automatique</translation>
    </message>
    <message>
        <source>Send the rotor turns, band selections and key bindings of this server’s inputs. Events are listed either way.</source>
        <translation>Envoyer les rotations de rotor, sélections de bande et affectations de touche des entrées de ce serveur. Les événements sont listés dans tous les cas.</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logiciel de log</translation>
    </message>
    <message>
        <source>The logger program, or key tokens over UDP.</source>
        <translation>Le logiciel de log, ou des codes de touche par UDP.</translation>
    </message>
    <message>
        <source>Logger host</source>
        <translation>Hôte du logiciel de log</translation>
    </message>
    <message>
        <source>The address to listen on, or the N3FJP computer.</source>
        <translation>L&apos;adresse d&apos;écoute, ou l&apos;ordinateur N3FJP.</translation>
    </message>
    <message>
        <source>Logger port</source>
        <translation>Port du logiciel de log</translation>
    </message>
    <message>
        <source>The UDP port to listen on, or the N3FJP API port.</source>
        <translation>Le port UDP d&apos;écoute, ou le port de l&apos;API N3FJP.</translation>
    </message>
    <message>
        <source>Station name filter (optional)</source>
        <translation>Filtre de nom de station (facultatif)</translation>
    </message>
    <message>
        <source>Only messages from this N1MM or Win-Test station; blank for every station.</source>
        <translation>Seulement les messages de cette station N1MM ou Win-Test&#xa0;; vide pour toutes les stations.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Start logger</source>
        <translation>Démarrer l&apos;entrée log</translation>
    </message>
    <message>
        <source>Stop logger</source>
        <translation>Arrêter l&apos;entrée log</translation>
    </message>
    <message>
        <source>Logger status</source>
        <translation>État du logiciel de log</translation>
    </message>
    <message>
        <source>Store these settings and start the logger input.</source>
        <translation>Enregistrer ces réglages et démarrer l&apos;entrée du logiciel de log.</translation>
    </message>
    <message>
        <source>Radio A rotor</source>
        <translation>Rotor radio A</translation>
    </message>
    <message>
        <source>The rotor that radio A’s rotor commands turn.</source>
        <translation>Le rotor que tournent les commandes rotor de la radio A.</translation>
    </message>
    <message>
        <source>Radio B rotor</source>
        <translation>Rotor radio B</translation>
    </message>
    <message>
        <source>The rotor that radio B’s rotor commands turn.</source>
        <translation>Le rotor que tournent les commandes rotor de la radio B.</translation>
    </message>
    <message>
        <source>Rotor and antenna Enable controls also apply. No commands are replayed after reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s port.</source>
        <translation>«&#xa0;Activer les commandes&#xa0;» du rotor et des antennes s&apos;applique aussi. Aucune commande n&apos;est rejouée après reconnexion. Configurez les diffusions radio et rotor de N1MM vers le port de cette écoute.</translation>
    </message>
    <message>
        <source>The logger input is not running.</source>
        <translation>L&apos;entrée du logiciel de log n&apos;est pas démarrée.</translation>
    </message>
</context>
<context>
    <name>IntegrationRotctldSection</name>
    <message>
        <source>rotctld server</source>
        <translation>Serveur rotctld</translation>
    </message>
    <message>
        <source>rotctld host</source>
        <translation>Hôte rotctld</translation>
    </message>
    <message>
        <source>The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN address for programs elsewhere.</source>
        <translation>L&apos;adresse d&apos;écoute&#xa0;: 127.0.0.1 pour les programmes de cet ordinateur, ou l&apos;adresse LAN de cet ordinateur pour les programmes ailleurs.</translation>
    </message>
    <message>
        <source>rotctld port</source>
        <translation>Port rotctld</translation>
    </message>
    <message>
        <source>The TCP port rotctld clients connect to; rotctld’s own is 4533.</source>
        <translation>Le port TCP auquel se connectent les clients rotctld&#xa0;; celui de rotctld est 4533.</translation>
    </message>
    <message>
        <source>rotctld rotor</source>
        <translation>Rotor rotctld</translation>
    </message>
    <message>
        <source>The rotor that rotctld clients read, turn and stop.</source>
        <translation>Le rotor que les clients rotctld lisent, tournent et arrêtent.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Cap de parking</translation>
    </message>
    <message>
        <source>Where a rotctld client’s park command turns the rotor.</source>
        <translation>Où la commande de parking d&apos;un client rotctld tourne le rotor.</translation>
    </message>
    <message>
        <source>Re-aim tolerance</source>
        <translation>Tolérance de repointage</translation>
    </message>
    <message>
        <source>A tracker’s target this close to the turn under way, or to the heading of an idle rotor, turns nothing; farther targets turn the rotor at most once a second.</source>
        <translation>Une cible de suivi aussi proche de la rotation en cours, ou du cap d&apos;un rotor à l&apos;arrêt, ne tourne rien&#xa0;; les cibles plus lointaines tournent le rotor au plus une fois par seconde.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
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
        <translation>Démarrer le serveur rotctld</translation>
    </message>
    <message>
        <source>Stop rotctld server</source>
        <translation>Arrêter le serveur rotctld</translation>
    </message>
    <message>
        <source>Rotctld server status</source>
        <translation>État du serveur rotctld</translation>
    </message>
    <message>
        <source>Store these settings and serve rotctld clients from this tab.</source>
        <translation>Enregistrer ces réglages et servir les clients rotctld depuis cet onglet.</translation>
    </message>
    <message>
        <source>Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the same Enable control and heading checks as this window and are logged with the client’s address. A LAN address lets any computer on the network turn the rotor.</source>
        <translation>Les logiciels de poursuite satellite, logiciels de log et tableaux de bord qui parlent le protocole rotctld pilotent le rotor choisi via cet onglet, par exemple rotctl -m 2 -r 127.0.0.1:4533. Leurs commandes passent les mêmes contrôles «&#xa0;Activer les commandes&#xa0;» et de cap que cette fenêtre et sont journalisées avec l&apos;adresse du client. Une adresse LAN permet à tout ordinateur du réseau de tourner le rotor.</translation>
    </message>
    <message>
        <source>no clients</source>
        <translation>aucun client</translation>
    </message>
    <message>
        <source>1 client</source>
        <translation>1 client</translation>
    </message>
    <message numerus="yes">
        <source>%n clients</source>
        <translation>
            <numerusform>%n client</numerusform>
            <numerusform>%n clients</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>%1 is the server&apos;s own status, %2 how many clients are connected.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>The rotctld server is not running.</source>
        <translation>Le serveur rotctld n&apos;est pas démarré.</translation>
    </message>
</context>
<context>
    <name>IntegrationSettingsView</name>
    <message>
        <source>Integrations</source>
        <translation>Intégrations</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Store these settings for this server and close.</source>
        <translation>Enregistrer ces réglages pour ce serveur et fermer.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>Hôte WSJT-X</translation>
    </message>
    <message>
        <source>The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1.</source>
        <translation>L&apos;adresse à laquelle WSJT-X envoie ses messages UDP&#xa0;: 127.0.0.1, ou un groupe multicast comme 224.0.0.1.</translation>
    </message>
    <message>
        <source>WSJT-X port</source>
        <translation>Port WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X&apos;s UDP server port; its own default is 2237.</source>
        <translation>Port du serveur UDP de WSJT-X&#xa0;; sa valeur par défaut est 2237.</translation>
    </message>
    <message>
        <source>WSJT-X rotor</source>
        <translation>Rotor WSJT-X</translation>
    </message>
    <message>
        <source>The rotor whose Point at field follows WSJT-X&apos;s DX call and grid.</source>
        <translation>Le rotor dont le champ «&#xa0;Pointer vers&#xa0;» suit l&apos;indicatif DX et le locator de WSJT-X.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
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
        <translation>Démarrer WSJT-X</translation>
    </message>
    <message>
        <source>Stop WSJT-X</source>
        <translation>Arrêter WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X status</source>
        <translation>État WSJT-X</translation>
    </message>
    <message>
        <source>Store these settings and listen for WSJT-X&apos;s messages.</source>
        <translation>Enregistrer ces réglages et écouter les messages de WSJT-X.</translation>
    </message>
    <message>
        <source>The chosen rotor&apos;s Point at field follows the DX call and grid of WSJT-X&apos;s status (a grid beats a prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A&apos;s frequency from a logger does. JTDX and similar programs send the same messages.</source>
        <translation>Le champ «&#xa0;Pointer vers&#xa0;» du rotor choisi suit l&apos;indicatif DX et le locator de l&apos;état de WSJT-X (un locator l&apos;emporte sur un préfixe)&#xa0;; rien ne tourne avant d&apos;appuyer sur Tourner. La fréquence affichée pilote l&apos;automatisme de bande comme la fréquence de la radio A d&apos;un logiciel de log. JTDX et les programmes similaires envoient les mêmes messages.</translation>
    </message>
    <message>
        <source>WSJT-X is not listened to.</source>
        <translation>WSJT-X n&apos;est pas écouté.</translation>
    </message>
</context>
<context>
    <name>KeltoClient</name>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connected · live station data</source>
        <translation>Connecté · données de station en direct</translation>
    </message>
    <message>
        <source>Enter a hostname and a port from 1 to 65535.</source>
        <translation>Saisissez un nom d&apos;hôte et un port de 1 à 65535.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Connexion à %1:%2…</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>Échec de la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checking rotctld…</source>
        <translation>Vérification de rotctld…</translation>
    </message>
    <message>
        <source>Checking KT-90 terminal…</source>
        <translation>Vérification du terminal KT-90…</translation>
    </message>
    <message>
        <source>Checking OV Varnex server…</source>
        <translation>Vérification du serveur OV Varnex…</translation>
    </message>
    <message>
        <source>UDP ready to %1:%2</source>
        <translation>UDP prêt vers %1:%2</translation>
    </message>
    <message>
        <source>TCP connected to %1:%2</source>
        <translation>TCP connecté à %1:%2</translation>
    </message>
    <message>
        <source>Connection unavailable: %1</source>
        <translation>Connexion indisponible&#xa0;: %1</translation>
    </message>
    <message>
        <source>rotctld closed the connection.</source>
        <translation>rotctld a fermé la connexion.</translation>
    </message>
    <message>
        <source>Server closed the connection.</source>
        <translation>Le serveur a fermé la connexion.</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Connexion perdue&#xa0;: %1</translation>
    </message>
    <message>
        <source>UDP connection lost: %1</source>
        <translation>Connexion UDP perdue&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation>
            <numerusform>rotctld ne répond plus&#xa0;: %n commande attend une réponse.</numerusform>
            <numerusform>rotctld ne répond plus&#xa0;: %n commandes attendent une réponse.</numerusform>
        </translation>
    </message>
    <message>
        <source>rotctld reported an error: %1 (RPRT %2).</source>
        <translation>rotctld a signalé une erreur&#xa0;: %1 (RPRT %2).</translation>
    </message>
    <message>
        <source>Checking KT-90 serial port…</source>
        <translation>Vérification du port série KT-90…</translation>
    </message>
    <message>
        <source>Opened serial port %1 at %2 baud</source>
        <translation>Port série %1 ouvert à %2 bauds</translation>
    </message>
    <message>
        <source>No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN.</source>
        <translation>Aucune réponse de serveur ou d&apos;appareil compatible en 10 secondes. Vérifiez l&apos;adresse du serveur, le port, le LAN ou le VPN.</translation>
    </message>
    <message>
        <source>No server data for 20 seconds. Reconnect to refresh the station.</source>
        <translation>Aucune donnée du serveur depuis 20 secondes. Reconnectez-vous pour actualiser la station.</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Échec de l&apos;envoi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Send failed: the server stopped reading; more than %1 KiB of commands are waiting.</source>
        <translation>Échec de l&apos;envoi&#xa0;: le serveur ne lit plus&#xa0;; plus de %1 Kio de commandes sont en attente.</translation>
    </message>
    <message>
        <source>Discovered %1</source>
        <translation>%1 découvert</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 retiré</translation>
    </message>
    <message>
        <source>Server connection limit reached.</source>
        <translation>Limite de connexions du serveur atteinte.</translation>
    </message>
    <message>
        <source>Server requested disconnection.</source>
        <translation>Le serveur a demandé la déconnexion.</translation>
    </message>
    <message>
        <source>The station reports more than %1 devices; the connection was ended.</source>
        <translation>La station signale plus de %1 appareils&#xa0;; la connexion a été fermée.</translation>
    </message>
    <message>
        <source>The station&apos;s data exceeds %1 MiB; the connection was ended.</source>
        <translation>Les données de la station dépassent %1 Mio&#xa0;; la connexion a été fermée.</translation>
    </message>
    <message>
        <source>Reading the saved login…</source>
        <translation>Lecture de l&apos;identifiant enregistré…</translation>
    </message>
    <message>
        <source>Saved login could not be read from the system keychain. Enter your server credentials.</source>
        <translation>Impossible de lire l&apos;identifiant enregistré dans le trousseau du système. Saisissez vos identifiants du serveur.</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Authentification…</translation>
    </message>
    <message>
        <source>This server requires a username and password.</source>
        <translation>Ce serveur demande un nom d&apos;utilisateur et un mot de passe.</translation>
    </message>
    <message>
        <source>Server rejected the username or password. Please try again.</source>
        <translation>Le serveur a refusé le nom d&apos;utilisateur ou le mot de passe. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Connected, but the login could not be saved in the system keychain. You may be asked again next time.</source>
        <translation>Connecté, mais l&apos;identifiant n&apos;a pas pu être enregistré dans le trousseau du système. Il pourra vous être redemandé la prochaine fois.</translation>
    </message>
    <message>
        <source>not connected to the station</source>
        <translation>pas connecté à la station</translation>
    </message>
    <message>
        <source>control is off</source>
        <translation>les commandes sont désactivées</translation>
    </message>
    <message>
        <source>rotor not on the station</source>
        <translation>rotor absent de la station</translation>
    </message>
    <message>
        <source>heading is stale</source>
        <translation>cap périmé</translation>
    </message>
    <message>
        <source>heading is changing</source>
        <translation>cap en cours de changement</translation>
    </message>
    <message>
        <source>rotor does not accept a turn</source>
        <translation>le rotor n&apos;accepte pas de rotation</translation>
    </message>
    <message>
        <source>controller has no jog command</source>
        <translation>le contrôleur n&apos;a pas de commande pas à pas</translation>
    </message>
    <message>
        <source>heading is outside the rotor&apos;s limits</source>
        <translation>cap hors des limites du rotor</translation>
    </message>
    <message>
        <source>Turn blocked: control is disabled or heading is stale.</source>
        <translation>Rotation bloquée&#xa0;: commandes désactivées ou cap périmé.</translation>
    </message>
    <message>
        <source>Turn blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Rotation bloquée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2°</source>
        <translation>Rotation demandée&#xa0;: %1 → %2°</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2° (for %3°)</source>
        <translation>Rotation demandée&#xa0;: %1 → %2° (pour %3°)</translation>
    </message>
    <message>
        <source>Stop requested: %1</source>
        <translation>Arrêt demandé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Jog blocked: control disabled, stale or moving.</source>
        <translation>Pas à pas bloqué&#xa0;: commandes désactivées, cap périmé ou en mouvement.</translation>
    </message>
    <message>
        <source>Jog blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Pas à pas bloqué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Jog requested: %1 CW</source>
        <translation>Pas à pas demandé&#xa0;: %1 horaire</translation>
    </message>
    <message>
        <source>Jog requested: %1 CCW</source>
        <translation>Pas à pas demandé&#xa0;: %1 antihoraire</translation>
    </message>
    <message>
        <source>Preset turn blocked: controls disabled, stale heading, or unknown preset.</source>
        <translation>Rotation vers préréglage bloquée&#xa0;: commandes désactivées, cap périmé ou préréglage inconnu.</translation>
    </message>
    <message>
        <source>Preset turn blocked: %1 has limits and the server does not say where “%2” points.</source>
        <translation>Rotation vers préréglage bloquée&#xa0;: %1 a des limites et le serveur n&apos;indique pas où pointe «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Preset turn requested: %1 → %2</source>
        <translation>Rotation vers préréglage demandée&#xa0;: %1 → %2</translation>
    </message>
    <message>
        <source>Requested server presets</source>
        <translation>Préréglages du serveur demandés</translation>
    </message>
    <message>
        <source>Rotor lock request blocked: control is disabled or rotor is unavailable.</source>
        <translation>Verrouillage du rotor bloqué&#xa0;: commandes désactivées ou rotor indisponible.</translation>
    </message>
    <message>
        <source>Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Verrouillage demandé&#xa0;: %1. Le serveur ne confirme pas le propriétaire&#xa0;; les autres clients de la même IP partagent le verrou.</translation>
    </message>
    <message>
        <source>Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Déverrouillage demandé&#xa0;: %1. Le serveur ne confirme pas le propriétaire&#xa0;; les autres clients de la même IP partagent le verrou.</translation>
    </message>
    <message>
        <source>Stack command blocked: controls disabled or unavailable status.</source>
        <translation>Commande de stack bloquée&#xa0;: commandes désactivées ou état indisponible.</translation>
    </message>
    <message>
        <source>Stack requested: %1 on</source>
        <translation>Stack demandé&#xa0;: %1 activé</translation>
    </message>
    <message>
        <source>Stack requested: %1 off</source>
        <translation>Stack demandé&#xa0;: %1 désactivé</translation>
    </message>
    <message>
        <source>Switch blocked: controls disabled, stale status, locked position, or incompatible command.</source>
        <translation>Commutation bloquée&#xa0;: commandes désactivées, état périmé, position verrouillée ou commande incompatible.</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2</source>
        <translation>Commutation demandée&#xa0;: %1 → %2</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 on</source>
        <translation>Commutation demandée&#xa0;: %1 → %2 activé</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 off</source>
        <translation>Commutation demandée&#xa0;: %1 → %2 désactivé</translation>
    </message>
    <message>
        <source>Tuner position requested: %1 → %2</source>
        <translation>Position de boîte d&apos;accord demandée&#xa0;: %1 → %2</translation>
    </message>
    <message>
        <source>Tuner adjustment requested: %1 / %2</source>
        <translation>Réglage de boîte d&apos;accord demandé&#xa0;: %1 / %2</translation>
    </message>
    <message>
        <source>Tuner calibration requested: %1 / %2</source>
        <translation>Calibrage de boîte d&apos;accord demandé&#xa0;: %1 / %2</translation>
    </message>
    <message>
        <source>Disconnected · last known station</source>
        <translation>Déconnecté · dernier état connu de la station</translation>
    </message>
</context>
<context>
    <name>KeyBinding</name>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Rotate</source>
        <extracomment>Key action: turn the rotor to the binding&apos;s heading.</extracomment>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>CW</source>
        <extracomment>Key action: jog the rotor clockwise.</extracomment>
        <translation>Horaire</translation>
    </message>
    <message>
        <source>CCW</source>
        <extracomment>Key action: jog the rotor counterclockwise.</extracomment>
        <translation>Antihoraire</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Key action, a verb: turn the rotor to its park heading.</extracomment>
        <translation>Parquer</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Tourner chemin court</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Tourner chemin long</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Key action: select the binding&apos;s switch or tuner position.</extracomment>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Key action: step to the next switch position.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Key action: step to the previous switch position.</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Key action: turn a stack output on or off.</extracomment>
        <translation>Basculer</translation>
    </message>
</context>
<context>
    <name>KeychainError</name>
    <message>
        <source>Keychain error (%1).</source>
        <translation>Erreur du trousseau (%1).</translation>
    </message>
</context>
<context>
    <name>LandData</name>
    <message>
        <source>The land outline file is damaged: it is not a land outline file.</source>
        <translation>Le fichier des contours terrestres est endommagé&#xa0;: ce n&apos;est pas un fichier de contours terrestres.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its version %1 is not known.</source>
        <translation>Le fichier des contours terrestres est endommagé&#xa0;: sa version %1 est inconnue.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: it claims more outlines than any map holds.</source>
        <translation>Le fichier des contours terrestres est endommagé&#xa0;: il annonce plus de contours qu&apos;aucune carte n&apos;en contient.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its length does not match its header.</source>
        <translation>Le fichier des contours terrestres est endommagé&#xa0;: sa longueur ne correspond pas à son en-tête.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 has a wrong number of points.</source>
        <translation>Le fichier des contours terrestres est endommagé&#xa0;: le contour %1 a un nombre de points incorrect.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 leaves the globe.</source>
        <translation>Le fichier des contours terrestres est endommagé&#xa0;: le contour %1 sort du globe.</translation>
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
        <translation>Disposition des appareils et filtres de bande</translation>
    </message>
    <message>
        <source>Show devices for the current logger band</source>
        <translation>Afficher les appareils de la bande actuelle du logiciel de log</translation>
    </message>
    <message>
        <source>Show only the devices listed for the band the logger’s radio is on.</source>
        <translation>N&apos;afficher que les appareils listés pour la bande de la radio du logiciel de log.</translation>
    </message>
    <message>
        <source>Band source</source>
        <translation>Source de bande</translation>
    </message>
    <message>
        <source>The radio whose frequency names the current band.</source>
        <translation>La radio dont la fréquence donne la bande actuelle.</translation>
    </message>
    <message>
        <source>Rotor card width</source>
        <translation>Largeur des cartes rotor</translation>
    </message>
    <message>
        <source>Width of the rotor cards, from %1 to %2 points.</source>
        <translation>Largeur des cartes rotor, de %1 à %2 points.</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Couleur d&apos;accent</translation>
    </message>
    <message>
        <source>The colour along the top of every card.</source>
        <translation>La couleur en haut de chaque carte.</translation>
    </message>
    <message>
        <source>Leave bands blank to show a device on all bands. Use comma-separated names such as 20m, 40m. Lower order numbers appear first. Devices remain visible when no logger band is known.</source>
        <translation>Laissez les bandes vides pour afficher un appareil sur toutes les bandes. Séparez les noms par des virgules, par exemple 20m, 40m. Les numéros d&apos;ordre les plus bas apparaissent en premier. Les appareils restent visibles quand aucune bande du logiciel de log n&apos;est connue.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the layout editor.</source>
        <translation>Fermer l&apos;éditeur de disposition.</translation>
    </message>
    <message>
        <source>Save layout</source>
        <translation>Enregistrer la disposition</translation>
    </message>
    <message>
        <source>Discard layout changes?</source>
        <translation>Abandonner les modifications de la disposition&#xa0;?</translation>
    </message>
    <message>
        <source>The changes to this layout have not been saved.</source>
        <translation>Les modifications de cette disposition n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Abandonner les modifications</translation>
    </message>
    <message>
        <source>The station has reported no devices yet.</source>
        <translation>La station n&apos;a encore signalé aucun appareil.</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>Column heading: where the device&apos;s card comes among the others.</extracomment>
        <translation>Ordre</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affiché</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bandes</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
    <message>
        <source>Show the card of %1.</source>
        <translation>Afficher la carte de %1.</translation>
    </message>
    <message>
        <source>Bands for %1</source>
        <translation>Bandes pour %1</translation>
    </message>
    <message>
        <source>All bands</source>
        <translation>Toutes les bandes</translation>
    </message>
    <message>
        <source>Comma-separated band names such as 20m, 40m; blank for all bands.</source>
        <translation>Noms de bande séparés par des virgules, par exemple 20m, 40m&#xa0;; vide pour toutes les bandes.</translation>
    </message>
    <message>
        <source>Order of %1</source>
        <translation>Ordre de %1</translation>
    </message>
    <message>
        <source>Lower order numbers appear first.</source>
        <translation>Les numéros d&apos;ordre les plus bas apparaissent en premier.</translation>
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
        <translation>Radio A ou B</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Use this layout now and keep it for this server.</source>
        <translation>Utiliser cette disposition maintenant et la conserver pour ce serveur.</translation>
    </message>
    <message>
        <source>Nothing has changed since the layout was saved.</source>
        <translation>Rien n&apos;a changé depuis l&apos;enregistrement de la disposition.</translation>
    </message>
</context>
<context>
    <name>LineDecoder</name>
    <message>
        <source>Invalid server text encoding.</source>
        <translation>Encodage de texte du serveur non valide.</translation>
    </message>
    <message>
        <source>Server message exceeds the size limit.</source>
        <translation>Le message du serveur dépasse la taille limite.</translation>
    </message>
</context>
<context>
    <name>LiveLogView</name>
    <message>
        <source>No connection activity yet.</source>
        <translation>Aucune activité de connexion pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Connection and command log</source>
        <translation>Journal des connexions et commandes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the log window (Escape).</source>
        <translation>Fermer la fenêtre du journal (Escape).</translation>
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
        <translation>Le fichier journal a atteint %1 Mio&#xa0;; les lignes suivantes n&apos;y sont pas écrites.</translation>
    </message>
</context>
<context>
    <name>LoggerKind</name>
    <message>
        <source>Keyboard UDP</source>
        <translation>Clavier UDP</translation>
    </message>
</context>
<context>
    <name>LoggerTransport</name>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Saisissez un hôte et un port valides.</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Écoute sur %1:%2</translation>
    </message>
    <message>
        <source>Connected to N3FJP</source>
        <translation>Connecté à N3FJP</translation>
    </message>
    <message>
        <source>Logger connection timed out.</source>
        <translation>Délai de connexion au logiciel de log dépassé.</translation>
    </message>
    <message>
        <source>Logger frame too large.</source>
        <translation>Trame du logiciel de log trop grande.</translation>
    </message>
    <message>
        <source>Logger disconnected.</source>
        <translation>Logiciel de log déconnecté.</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>&amp;Paramètres…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>&amp;Journal des connexions</translation>
    </message>
    <message>
        <source>&amp;World map</source>
        <translation>&amp;Carte du monde</translation>
    </message>
    <message>
        <source>&amp;Remote access…</source>
        <translation>&amp;Accès distant…</translation>
    </message>
    <message>
        <source>&amp;Country file…</source>
        <translation>Fichier de &amp;pays…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Xalto Station Control</source>
        <translation>À &amp;propos de Xalto Station Control</translation>
    </message>
    <message>
        <source>About Xalto Station Control</source>
        <translation>À propos de Xalto Station Control</translation>
    </message>
    <message>
        <source>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</source>
        <translation>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</translation>
    </message>
    <message>
        <source>Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners.&lt;br&gt;&lt;br&gt;Free software under the GNU General Public License, version 3 or later.&lt;br&gt;Map data and place search © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;.&lt;br&gt;World map land: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Built with Qt %1, running on Qt %2.</source>
        <translation>Contrôle de station pour radioamateurs&#xa0;: rotors, commutateurs d&apos;antennes, sorties de stack et boîtes d&apos;accord.&lt;br&gt;&lt;br&gt;Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure.&lt;br&gt;Données cartographiques et recherche de lieux © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;contributeurs d&apos;OpenStreetMap&lt;/a&gt;.&lt;br&gt;Terres de la carte du monde&#xa0;: réalisé avec &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Compilé avec Qt %1, exécuté sous Qt %2.</translation>
    </message>
</context>
<context>
    <name>NominatimPlaceSearch</name>
    <message>
        <source>The address lookup service “%1” is not a web address.</source>
        <translation>Le service de recherche d&apos;adresse «&#xa0;%1&#xa0;» n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>The address lookup service answered %1 %2.</source>
        <translation>Le service de recherche d&apos;adresse a répondu %1 %2.</translation>
    </message>
    <message>
        <source>The address lookup failed: %1.</source>
        <translation>La recherche d&apos;adresse a échoué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The address lookup service sent an answer that could not be read.</source>
        <translation>Le service de recherche d&apos;adresse a envoyé une réponse illisible.</translation>
    </message>
</context>
<context>
    <name>OVVProtocol</name>
    <message>
        <source>This server uses Windows text encoding; a character cannot be represented.</source>
        <translation>Ce serveur utilise l&apos;encodage de texte Windows&#xa0;; un caractère ne peut pas être représenté.</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>Control</source>
        <extracomment>Role of a paired phone: it may turn rotors and switch antennas</extracomment>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>Role of a paired phone: it may only look</extracomment>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
</context>
<context>
    <name>PhidgetEncoder</name>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Enter a device serial number and valid channel.</source>
        <translation>Saisissez un numéro de série d&apos;appareil et un canal valide.</translation>
    </message>
</context>
<context>
    <name>PhidgetFunctions</name>
    <message>
        <source>Missing Phidget22 function: %1</source>
        <translation>Fonction Phidget22 manquante&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PointAtPanel</name>
    <message>
        <source>Point at</source>
        <translation>Pointer vers</translation>
    </message>
    <message>
        <source>Point %1 at</source>
        <translation>Pointer %1 vers</translation>
    </message>
    <message>
        <source>Call, prefix or locator</source>
        <translation>Indicatif, préfixe ou locator</translation>
    </message>
    <message>
        <source>Point-at place for %1</source>
        <translation>Lieu visé pour %1</translation>
    </message>
    <message>
        <source>Point-at source for %1</source>
        <translation>Source du pointage pour %1</translation>
    </message>
    <message>
        <source>Short path for %1</source>
        <translation>Chemin court pour %1</translation>
    </message>
    <message>
        <source>Long path for %1</source>
        <translation>Chemin long pour %1</translation>
    </message>
    <message>
        <source>Point-at note for %1</source>
        <translation>Note de pointage pour %1</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Tourner chemin court</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Tourner chemin long</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Court</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Long</translation>
    </message>
    <message>
        <source>Turn when the DX call changes</source>
        <translation>Tourner quand l&apos;indicatif DX change</translation>
    </message>
    <message>
        <source>Turn %1 when the DX call changes</source>
        <translation>Tourner %1 quand l&apos;indicatif DX change</translation>
    </message>
    <message>
        <source>When WSJT-X reports a new DX call for %1, turn the short path at once, through the same guards as the buttons.</source>
        <translation>Quand WSJT-X annonce un nouvel indicatif DX pour %1, tourner aussitôt en chemin court, avec les mêmes protections que les boutons.</translation>
    </message>
</context>
<context>
    <name>PointAtState</name>
    <message>
        <source>Call sign, prefix or locator; Return turns the short path.</source>
        <translation>Indicatif, préfixe ou locator&#xa0;; Return tourne en chemin court.</translation>
    </message>
    <message>
        <source>This rotor has no position: set its tower location, or give the server profile a site.</source>
        <translation>Ce rotor n&apos;a pas de position&#xa0;: définissez l&apos;emplacement de son pylône ou donnez un site au profil du serveur.</translation>
    </message>
    <message>
        <source>Turn %1 to the short path of the target.</source>
        <translation>Tourner %1 en chemin court vers la cible.</translation>
    </message>
    <message>
        <source>Turn %1 to the long path of the target.</source>
        <translation>Tourner %1 en chemin long vers la cible.</translation>
    </message>
    <message>
        <source>Near the antipode of the tower: every heading is about as short, so the bearing means little.</source>
        <translation>Près de l&apos;antipode du pylône&#xa0;: tous les caps sont à peu près aussi courts, l&apos;azimut a donc peu de sens.</translation>
    </message>
    <message>
        <source>No heading can be worked out for this place.</source>
        <translation>Aucun cap ne peut être calculé pour ce lieu.</translation>
    </message>
    <message>
        <source>No position for %1: place its tower with “Set tower location…” to point at stations.</source>
        <translation>Aucune position pour %1&#xa0;: placez son pylône avec «&#xa0;Définir l&apos;emplacement du pylône…&#xa0;» pour pointer vers des stations.</translation>
    </message>
    <message>
        <source>This rotor has no position.</source>
        <translation>Ce rotor n&apos;a pas de position.</translation>
    </message>
    <message>
        <source>Type a call sign, prefix or locator that resolves.</source>
        <translation>Saisissez un indicatif, un préfixe ou un locator reconnu.</translation>
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
        <translation>%1 · UIT %2</translation>
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
        <translation>chemin long vers %1</translation>
    </message>
    <message>
        <source>short path to %1</source>
        <translation>chemin court vers %1</translation>
    </message>
</context>
<context>
    <name>PositionButton</name>
    <message>
        <source>Encoder preview</source>
        <translation>Aperçu de l&apos;encodeur</translation>
    </message>
</context>
<context>
    <name>PositionState</name>
    <message>
        <source>Encoder preview: press the encoder button or Apply to send it.</source>
        <translation>Aperçu de l&apos;encodeur&#xa0;: appuyez sur le bouton de l&apos;encodeur ou sur Appliquer pour l&apos;envoyer.</translation>
    </message>
</context>
<context>
    <name>PresetEditorDialog</name>
    <message>
        <source>Presets for %1 · Enter a name and heading for this rotor.</source>
        <translation>Préréglages de %1 · Saisissez un nom et un cap pour ce rotor.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nom du préréglage</translation>
    </message>
    <message>
        <source>The name shown on the preset’s button.</source>
        <translation>Le nom affiché sur le bouton du préréglage.</translation>
    </message>
    <message>
        <source>Target heading (°)</source>
        <translation>Cap cible (°)</translation>
    </message>
    <message>
        <source>Preset target heading</source>
        <translation>Cap cible du préréglage</translation>
    </message>
    <message>
        <source>Heading in degrees, from 0 to 360.</source>
        <translation>Cap en degrés, de 0 à 360.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Add this preset to %1.</source>
        <translation>Ajouter ce préréglage à %1.</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Aucun préréglage configuré</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Close the preset editor.</source>
        <translation>Fermer l&apos;éditeur de préréglages.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Remove the preset %1.</source>
        <translation>Supprimer le préréglage %1.</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Edit Server</source>
        <translation>Modifier le serveur</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Ajouter un serveur</translation>
    </message>
    <message>
        <source>Enter a profile name.</source>
        <translation>Saisissez un nom de profil.</translation>
    </message>
    <message>
        <source>Enter the serial device without spaces.</source>
        <translation>Saisissez le périphérique série sans espaces.</translation>
    </message>
    <message>
        <source>Enter a hostname or IP address without spaces.</source>
        <translation>Saisissez un nom d&apos;hôte ou une adresse IP sans espaces.</translation>
    </message>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Choisissez un port série /dev/ et un débit en bauds pris en charge.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>Saisissez un port de 1 à 65535.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Saisissez les deux coordonnées dans les plages indiquées.</translation>
    </message>
    <message>
        <source>The site address did not identify one location. Enter a fuller address or latitude and longitude.</source>
        <translation>L&apos;adresse du site ne désigne pas un lieu unique. Saisissez une adresse plus complète ou la latitude et la longitude.</translation>
    </message>
    <message>
        <source>Site coordinates are outside the supported map range.</source>
        <translation>Les coordonnées du site sont hors de la zone couverte par la carte.</translation>
    </message>
    <message>
        <source>“%1” is saved. This tab stays connected to its server: choose “%1” in the server menu once it is disconnected, or use “Additional Server” to open it in a tab of its own.</source>
        <extracomment>“Additional Server” is the header button of that name</extracomment>
        <translation>«&#xa0;%1&#xa0;» est enregistré. Cet onglet reste connecté à son serveur&#xa0;: choisissez «&#xa0;%1&#xa0;» dans le menu des serveurs une fois déconnecté, ou utilisez «&#xa0;Serveur supplémentaire&#xa0;» pour l&apos;ouvrir dans son propre onglet.</translation>
    </message>
    <message>
        <source>The server could not be verified.</source>
        <translation>Le serveur n&apos;a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Settings exported.</source>
        <translation>Paramètres exportés.</translation>
    </message>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation>
            <numerusform>Remplacer les paramètres enregistrés par %n profil de serveur de ce fichier&#xa0;? Cela remplace votre configuration enregistrée et ferme les connexions ouvertes. Les mots de passe ne sont pas importés.</numerusform>
            <numerusform>Remplacer les paramètres enregistrés par les %n profils de serveur de ce fichier&#xa0;? Cela remplace votre configuration enregistrée et ferme les connexions ouvertes. Les mots de passe ne sont pas importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings imported. Connections remain disconnected.</source>
        <translation>Paramètres importés. Les connexions restent fermées.</translation>
    </message>
</context>
<context>
    <name>ProfileManagerDialog</name>
    <message>
        <source>Hostname or IP address</source>
        <translation>Nom d&apos;hôte ou adresse IP</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 serial device</source>
        <translation>Périphérique série /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the server editor.</source>
        <translation>Fermer l&apos;éditeur de serveur.</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importer les paramètres</translation>
    </message>
    <message>
        <source>Connect to any compatible OV Varnex server. Rotators are discovered automatically.</source>
        <translation>Connexion à tout serveur OV Varnex compatible. Les rotors sont découverts automatiquement.</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>Saved servers, in the order they were added. Choose one to edit it.</source>
        <translation>Serveurs enregistrés, dans l&apos;ordre d&apos;ajout. Choisissez-en un pour le modifier.</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>Nouveau serveur</translation>
    </message>
    <message>
        <source>Start a new server profile.</source>
        <translation>Commencer un nouveau profil de serveur.</translation>
    </message>
    <message>
        <source>Remove saved server</source>
        <translation>Supprimer le serveur enregistré</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>The name shown in the server menu and on the tab.</source>
        <translation>Le nom affiché dans le menu des serveurs et sur l&apos;onglet.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Type de connexion</translation>
    </message>
    <message>
        <source>How this computer reaches the station: an OV Varnex server, a KT-90 controller over TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld.</source>
        <translation>Comment cet ordinateur atteint la station&#xa0;: un serveur OV Varnex, un contrôleur KT-90 par TCP, UDP ou port série, ou un rotor derrière un rotctld Hamlib.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Street address</source>
        <translation>Adresse postale</translation>
    </message>
    <message>
        <source>The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved.</source>
        <translation>L&apos;adresse postale du site. Sans coordonnées, elle est recherchée dans OpenStreetMap à l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitude (−85…85)</translation>
    </message>
    <message>
        <source>Site latitude in degrees, from −85 to 85.</source>
        <translation>Latitude du site en degrés, de −85 à 85.</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitude (−180…180)</translation>
    </message>
    <message>
        <source>Site longitude in degrees, from −180 to 180.</source>
        <translation>Longitude du site en degrés, de −180 à 180.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Saisissez les deux coordonnées dans les plages indiquées.</translation>
    </message>
    <message>
        <source>Addresses are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Les adresses sont recherchées dans les données OpenStreetMap. Ouvrir sa page de droits d&apos;auteur.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Site Location (optional)</source>
        <translation>Emplacement du site (facultatif)</translation>
    </message>
    <message>
        <source>Coordinates provide the starting map location for this server’s rotors. Adjust each tower on the main screen; existing tower positions are preserved. Address-only entries are looked up with OpenStreetMap when saved.</source>
        <translation>Les coordonnées donnent la position de départ sur la carte pour les rotors de ce serveur. Ajustez chaque pylône sur l&apos;écran principal&#xa0;; les positions de pylône existantes sont conservées. Les adresses sans coordonnées sont recherchées dans OpenStreetMap à l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Save all saved server settings to a settings file.</source>
        <translation>Enregistrer tous les paramètres de serveur dans un fichier de paramètres.</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Replace the saved settings with those of a settings file, after asking.</source>
        <translation>Remplacer les paramètres enregistrés par ceux d&apos;un fichier de paramètres, après confirmation.</translation>
    </message>
    <message>
        <source>Export includes all saved server settings, locations, presets, layouts and integrations. Passwords remain in the system keychain.</source>
        <translation>L&apos;export comprend tous les paramètres de serveur enregistrés, emplacements, préréglages, dispositions et intégrations. Les mots de passe restent dans le trousseau du système.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Checking server and site location…</source>
        <translation>Vérification du serveur et de l&apos;emplacement du site…</translation>
    </message>
    <message>
        <source>Cancel check</source>
        <translation>Annuler la vérification</translation>
    </message>
    <message>
        <source>Stop checking. Nothing is saved and your edits stay.</source>
        <translation>Arrêter la vérification. Rien n&apos;est enregistré et vos modifications restent.</translation>
    </message>
    <message>
        <source>Path of the controller’s serial device, such as /dev/ttyUSB0.</source>
        <translation>Chemin du périphérique série du contrôleur, par exemple /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Host name or IP address of the station server, KT-90 controller or rotctld.</source>
        <translation>Nom d&apos;hôte ou adresse IP du serveur de station, du contrôleur KT-90 ou de rotctld.</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Bauds</translation>
    </message>
    <message>
        <source>Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.</source>
        <translation>Débit du port série en bauds&#xa0;: 4800, 9600, 19200, 38400, 57600 ou 115200.</translation>
    </message>
    <message>
        <source>TCP or UDP port of the server, from 1 to 65535.</source>
        <translation>Port TCP ou UDP du serveur, de 1 à 65535.</translation>
    </message>
    <message>
        <source>4533, rotctld’s usual port</source>
        <translation>4533, le port habituel de rotctld</translation>
    </message>
    <message>
        <source>Check that the server answers, then save this profile.</source>
        <translation>Vérifier que le serveur répond, puis enregistrer ce profil.</translation>
    </message>
    <message>
        <source>Choose a saved server to remove it.</source>
        <translation>Choisissez un serveur enregistré pour le supprimer.</translation>
    </message>
    <message>
        <source>Unsaved details</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Keep editing to save them, or discard them to continue.</source>
        <translation>Vos modifications n&apos;ont pas été enregistrées. Continuez la modification pour les enregistrer, ou abandonnez-les pour continuer.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Continuer la modification</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Abandonner les modifications</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Could not save server</source>
        <translation>Impossible d&apos;enregistrer le serveur</translation>
    </message>
    <message>
        <source>Import saved settings?</source>
        <translation>Importer les paramètres enregistrés&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Settings transfer</source>
        <translation>Transfert des paramètres</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSheet</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Cet ordinateur seulement (127.0.0.1)</translation>
    </message>
    <message>
        <source>The network, at %1</source>
        <translation>Le réseau, à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>Serve the remote page</source>
        <translation>Servir la page distante</translation>
    </message>
    <message>
        <source>Phones and tablets that are paired watch the station and, in the Control role, turn rotors and select antennas.</source>
        <translation>Les téléphones et tablettes appairés suivent la station et, avec le rôle Contrôle, tournent les rotors et sélectionnent les antennes.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Give the selected device another name.</source>
        <translation>Donner un autre nom à l&apos;appareil sélectionné.</translation>
    </message>
    <message>
        <source>Change role</source>
        <translation>Changer de rôle</translation>
    </message>
    <message>
        <source>Switch the selected device between Watch and Control.</source>
        <translation>Faire passer l&apos;appareil sélectionné d&apos;Observation à Contrôle ou inversement.</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Unpair the selected device and close its page at once.</source>
        <translation>Désappairer l&apos;appareil sélectionné et fermer sa page immédiatement.</translation>
    </message>
    <message>
        <source>Remote access</source>
        <translation>Accès distant</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Écouter sur</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Page open</source>
        <translation>Page ouverte</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Appairé</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Dernière activité</translation>
    </message>
    <message>
        <source>None: plain HTTP</source>
        <translation>Aucun&#xa0;: HTTP simple</translation>
    </message>
    <message>
        <source>TLS certificate (PEM)</source>
        <translation>Certificat TLS (PEM)</translation>
    </message>
    <message>
        <source>TLS certificate</source>
        <translation>Certificat TLS</translation>
    </message>
    <message>
        <source>Choose the TLS certificate file.</source>
        <translation>Choisir le fichier du certificat TLS.</translation>
    </message>
    <message>
        <source>TLS private key (PEM)</source>
        <translation>Clé privée TLS (PEM)</translation>
    </message>
    <message>
        <source>TLS private key</source>
        <translation>Clé privée TLS</translation>
    </message>
    <message>
        <source>Choose the TLS private key file.</source>
        <translation>Choisir le fichier de la clé privée TLS.</translation>
    </message>
    <message>
        <source>Open on the phone</source>
        <translation>Ouvrir sur le téléphone</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Code d&apos;appairage</translation>
    </message>
    <message>
        <source>Type it on the page within five minutes, or scan the QR code: it carries the code too. A new code comes after five wrong tries.</source>
        <translation>Saisissez-le sur la page dans les cinq minutes, ou scannez le QR code&#xa0;: il contient aussi le code. Un nouveau code est généré après cinq essais erronés.</translation>
    </message>
    <message>
        <source>Without TLS anyone on the network can read the traffic between the page and this computer, the pairing code and the device tokens included. Open it to the network only on one you trust, or choose a certificate and key: the page is then served over HTTPS only.</source>
        <translation>Sans TLS, toute personne sur le réseau peut lire le trafic entre la page et cet ordinateur, y compris le code d&apos;appairage et les jetons des appareils. N&apos;ouvrez l&apos;accès qu&apos;à un réseau de confiance, ou choisissez un certificat et une clé&#xa0;: la page est alors servie uniquement en HTTPS.</translation>
    </message>
    <message>
        <source>Paired devices</source>
        <translation>Appareils appairés</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Fichiers PEM (*.pem *.crt *.key);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Pairing code %1</source>
        <translation>Code d&apos;appairage %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>QR code de %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Rename device</source>
        <translation>Renommer l&apos;appareil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>TOUT ARRÊTER</translation>
    </message>
    <message>
        <source>Pair this device</source>
        <translation>Appairer cet appareil</translation>
    </message>
    <message>
        <source>Open Remote access in the Window menu on the desktop and type the six-digit code it shows.</source>
        <translation>Ouvrez «&#xa0;Accès distant&#xa0;» dans le menu Fenêtre de l&apos;ordinateur et saisissez le code à six chiffres affiché.</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Code d&apos;appairage</translation>
    </message>
    <message>
        <source>Name of this device</source>
        <translation>Nom de cet appareil</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Appairer</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
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
        <translation>Cible °</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Cap cible pour %1</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Cap %1</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Préréglages locaux</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Préréglages du serveur</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack&#xa0;: %1</translation>
    </message>
    <message>
        <source>Live · %1</source>
        <extracomment>The page&apos;s link state: &quot;Live · Control&quot; or &quot;Live · Watch&quot;, %1 the device&apos;s role</extracomment>
        <translation>En direct · %1</translation>
    </message>
    <message>
        <source>Control</source>
        <extracomment>A paired device&apos;s role: it may command</extracomment>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A paired device&apos;s role: it may only watch</extracomment>
        <translation>Observation</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Cet appareil peut seulement observer&#xa0;: l&apos;opérateur peut lui donner le rôle Contrôle sur l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Pairing failed.</source>
        <translation>Échec de l&apos;appairage.</translation>
    </message>
    <message>
        <source>The desktop cannot be reached.</source>
        <translation>Impossible de joindre l&apos;ordinateur.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>No PEM certificate in %1</source>
        <translation>Aucun certificat PEM dans %1</translation>
    </message>
    <message>
        <source>Cannot read the private key %1</source>
        <translation>Impossible de lire la clé privée %1</translation>
    </message>
    <message>
        <source>No unencrypted PEM private key in %1</source>
        <translation>Aucune clé privée PEM non chiffrée dans %1</translation>
    </message>
    <message>
        <source>Not an address of this computer: %1</source>
        <translation>Pas une adresse de cet ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Port %1 is in use.</source>
        <translation>Le port %1 est déjà utilisé.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Écoute impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Listening on %1 (TLS)</source>
        <translation>Écoute sur %1 (TLS)</translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation>Écoute sur %1</translation>
    </message>
    <message>
        <source>remote: %1</source>
        <extracomment>Who sent a command, shown in the log after it: &quot;(remote: Shack tablet)&quot;</extracomment>
        <translation>distant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Too many tries. Wait a minute, then type the code shown on the desktop.</source>
        <translation>Trop d&apos;essais. Attendez une minute, puis saisissez le code affiché sur l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>That code has expired. Type the new code shown on the desktop.</source>
        <translation>Ce code a expiré. Saisissez le nouveau code affiché sur l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Wrong code. Type the code shown in Remote access on the desktop.</source>
        <translation>Code erroné. Saisissez le code affiché dans «&#xa0;Accès distant&#xa0;» sur l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Too many commands: this one was dropped.</source>
        <translation>Trop de commandes&#xa0;: celle-ci a été ignorée.</translation>
    </message>
    <message>
        <source>The page sent a message the desktop does not understand.</source>
        <translation>La page a envoyé un message que l&apos;ordinateur ne comprend pas.</translation>
    </message>
    <message>
        <source>That tab is no longer open on the desktop.</source>
        <translation>Cet onglet n&apos;est plus ouvert sur l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Saisissez un cap cible de 0 à 360.</translation>
    </message>
    <message>
        <source>The desktop refused to turn %1.</source>
        <translation>L&apos;ordinateur a refusé de tourner %1.</translation>
    </message>
    <message>
        <source>The desktop refused to stop %1.</source>
        <translation>L&apos;ordinateur a refusé d&apos;arrêter %1.</translation>
    </message>
</context>
<context>
    <name>RemoteState</name>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion en cours</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Cet appareil peut seulement observer&#xa0;: l&apos;opérateur peut lui donner le rôle Contrôle sur l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Control is off on the desktop for this tab.</source>
        <translation>Les commandes sont désactivées sur l&apos;ordinateur pour cet onglet.</translation>
    </message>
</context>
<context>
    <name>ResolvedPlace</name>
    <message>
        <source>exact call</source>
        <extracomment>How the place was found: from the call itself, its prefix, its call area or a grid locator.</extracomment>
        <translation>indicatif exact</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>préfixe</translation>
    </message>
    <message>
        <source>call area</source>
        <translation>zone d&apos;indicatif</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>locator</translation>
    </message>
</context>
<context>
    <name>RotctldFramer</name>
    <message>
        <source>rotctld line exceeds %1 bytes.</source>
        <translation>La ligne rotctld dépasse %1 octets.</translation>
    </message>
</context>
<context>
    <name>RotctldProtocol</name>
    <message>
        <source>Enter a heading from -180 to 540.</source>
        <translation>Saisissez un cap de -180 à 540.</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>paramètre non valide</translation>
    </message>
    <message>
        <source>invalid configuration</source>
        <translation>configuration non valide</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>non implémenté</translation>
    </message>
    <message>
        <source>the rotator did not answer in time</source>
        <translation>le rotor n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>input or output error</source>
        <translation>erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>erreur interne</translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation>erreur de protocole</translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation>commande refusée</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>communication bus error</source>
        <translation>erreur de bus de communication</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valeur hors limites</translation>
    </message>
    <message>
        <source>the rotator is not powered on</source>
        <translation>le rotor n&apos;est pas sous tension</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
</context>
<context>
    <name>RotctldReplyReader</name>
    <message>
        <source>rotctld sent an answer this program cannot read.</source>
        <translation>rotctld a envoyé une réponse que ce programme ne peut pas lire.</translation>
    </message>
    <message>
        <source>rotctld sent an answer to no command.</source>
        <translation>rotctld a envoyé une réponse sans commande correspondante.</translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Saisissez un hôte et un port valides.</translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation>Port déjà utilisé</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Écoute sur %1:%2</translation>
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
        <translation>En attente du cap</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Turning clockwise</source>
        <translation>Rotation horaire</translation>
    </message>
    <message>
        <source>Turning counterclockwise</source>
        <translation>Rotation antihoraire</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>Ne répond pas</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Fixed antenna</source>
        <translation>Antenne fixe</translation>
    </message>
    <message>
        <source>Cloned antenna</source>
        <translation>Antenne clonée</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>État %1</translation>
    </message>
    <message>
        <source>Heading changing</source>
        <translation>Cap en cours de changement</translation>
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
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>Rotor settings…</source>
        <translation>Réglages du rotor…</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Réglages du rotor pour %1</translation>
    </message>
    <message>
        <source>Heading of %1</source>
        <translation>Cap de %1</translation>
    </message>
    <message>
        <source>Heading dial for %1</source>
        <translation>Cadran de cap de %1</translation>
    </message>
    <message>
        <source>Set tower location…</source>
        <translation>Définir l&apos;emplacement du pylône…</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Cap cible pour %1</translation>
    </message>
    <message>
        <source>Fill the target heading; press Rotate or Return to move.</source>
        <translation>Saisissez le cap cible&#xa0;; appuyez sur Tourner ou Return pour lancer la rotation.</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>Encoder preview for %1</source>
        <translation>Aperçu de l&apos;encodeur pour %1</translation>
    </message>
    <message>
        <source>Heading previewed with the rotary encoder; press the encoder button or Apply to turn.</source>
        <translation>Cap prévisualisé avec l&apos;encodeur rotatif&#xa0;; appuyez sur le bouton de l&apos;encodeur ou sur Appliquer pour tourner.</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>Antihoraire</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Horaire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Verb: turn the rotor to its park heading</extracomment>
        <translation>Parquer</translation>
    </message>
    <message>
        <source>Park %1</source>
        <translation>Parquer %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A compass point and its heading on a quick heading button, &quot;N 0°&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Put %1 in the target heading.</source>
        <translation>Mettre %1 dans le cap cible.</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Gérer…</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gérer les préréglages de %1</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Préréglages locaux</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Aucun préréglage configuré</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Préréglages du serveur</translation>
    </message>
    <message>
        <source>Request lock</source>
        <translation>Demander le verrou</translation>
    </message>
    <message>
        <source>Release lock</source>
        <translation>Libérer le verrou</translation>
    </message>
    <message>
        <source>Server does not report ownership or rejected commands. Locks share the client IP and do not protect server presets. Disconnect releases locks for that IP.</source>
        <translation>Le serveur n&apos;indique ni le propriétaire ni les commandes refusées. Les verrous sont partagés par l&apos;IP du client et ne protègent pas les préréglages du serveur. La déconnexion libère les verrous de cette IP.</translation>
    </message>
    <message>
        <source>Encoder preview: %1</source>
        <translation>Aperçu de l&apos;encodeur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 heading %2</source>
        <translation>%1 cap %2</translation>
    </message>
    <message>
        <source>%1 heading %2, %3</source>
        <translation>%1 cap %2, %3</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A local preset&apos;s button: its name and heading</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Place %1 on the map and set its true-north offset.</source>
        <translation>Placer %1 sur la carte et définir son décalage par rapport au nord vrai.</translation>
    </message>
    <message>
        <source>Choose a server first: tower locations are kept per server.</source>
        <translation>Choisissez d&apos;abord un serveur&#xa0;: les emplacements de pylône sont enregistrés par serveur.</translation>
    </message>
    <message>
        <source>Maps are not available in this window.</source>
        <translation>Les cartes ne sont pas disponibles dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Range %1</source>
        <translation>Plage %1</translation>
    </message>
    <message>
        <source>limits %1</source>
        <translation>limites %1</translation>
    </message>
    <message>
        <source>forbidden %1</source>
        <translation>interdit %1</translation>
    </message>
    <message>
        <source>two-way antenna</source>
        <translation>antenne bidirectionnelle</translation>
    </message>
    <message>
        <source>park %1</source>
        <translation>parking %1</translation>
    </message>
    <message>
        <source>Turn %1 to its park heading, %2.</source>
        <translation>Tourner %1 vers son cap de parking, %2.</translation>
    </message>
</context>
<context>
    <name>RotorCardState</name>
    <message>
        <source>Not connected.</source>
        <translation>Non connecté.</translation>
    </message>
    <message>
        <source>The rotor reports “%1”.</source>
        <translation>Le rotor signale «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Enable control to rotate.</source>
        <translation>Activez les commandes pour tourner.</translation>
    </message>
    <message>
        <source>No fresh heading from the server.</source>
        <translation>Aucun cap récent du serveur.</translation>
    </message>
    <message>
        <source>Wait until the heading settles.</source>
        <translation>Attendez que le cap se stabilise.</translation>
    </message>
    <message>
        <source>Enable control to stop.</source>
        <translation>Activez les commandes pour arrêter.</translation>
    </message>
    <message>
        <source>Locks need an OV Varnex server.</source>
        <translation>Les verrous nécessitent un serveur OV Varnex.</translation>
    </message>
    <message>
        <source>Enable control to lock.</source>
        <translation>Activez les commandes pour verrouiller.</translation>
    </message>
    <message>
        <source>Awaiting heading</source>
        <translation>En attente du cap</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Périmé</translation>
    </message>
    <message>
        <source>LAST KNOWN HEADING</source>
        <translation>DERNIER CAP CONNU</translation>
    </message>
    <message>
        <source>CONTROLLER HEADING</source>
        <translation>CAP DU CONTRÔLEUR</translation>
    </message>
    <message>
        <source>CURRENT HEADING</source>
        <translation>CAP ACTUEL</translation>
    </message>
    <message>
        <source>Lock requested · unconfirmed</source>
        <translation>Verrou demandé · non confirmé</translation>
    </message>
    <message>
        <source>Release requested · unconfirmed</source>
        <translation>Libération demandée · non confirmée</translation>
    </message>
    <message>
        <source>No preset list received from server</source>
        <translation>Aucune liste de préréglages reçue du serveur</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Saisissez un cap cible de 0 à 360.</translation>
    </message>
    <message>
        <source>Turn %1 to the target heading.</source>
        <translation>Tourner %1 vers le cap cible.</translation>
    </message>
    <message>
        <source>Stop %1 now.</source>
        <translation>Arrêter %1 maintenant.</translation>
    </message>
    <message>
        <source>Jog needs an OV Varnex server.</source>
        <translation>Le pas à pas nécessite un serveur OV Varnex.</translation>
    </message>
    <message>
        <source>Move %1 one step counterclockwise.</source>
        <translation>Déplacer %1 d&apos;un pas dans le sens antihoraire.</translation>
    </message>
    <message>
        <source>Move %1 one step clockwise.</source>
        <translation>Déplacer %1 d&apos;un pas dans le sens horaire.</translation>
    </message>
    <message>
        <source>Request lock for %1</source>
        <translation>Demander le verrou pour %1</translation>
    </message>
    <message>
        <source>Release lock for %1</source>
        <translation>Libérer le verrou pour %1</translation>
    </message>
    <message>
        <source>Rotate immediately to this heading when control is enabled.</source>
        <translation>Tourner immédiatement vers ce cap quand les commandes sont activées.</translation>
    </message>
    <message>
        <source>Rotate immediately to this server preset when control is enabled.</source>
        <translation>Tourner immédiatement vers ce préréglage du serveur quand les commandes sont activées.</translation>
    </message>
    <message>
        <source>Refresh server presets for %1</source>
        <translation>Actualiser les préréglages du serveur pour %1</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gérer les préréglages de %1</translation>
    </message>
    <message>
        <source>Choose a server first: presets are kept per server.</source>
        <translation>Choisissez d&apos;abord un serveur&#xa0;: les préréglages sont enregistrés par serveur.</translation>
    </message>
</context>
<context>
    <name>RotorLocationEditor</name>
    <message>
        <source>Position the tower under the crosshair. Save location keeps that position.</source>
        <translation>Placez le pylône sous le réticule. «&#xa0;Enregistrer l&apos;emplacement&#xa0;» conserve cette position.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates to position the tower pin.</source>
        <translation>Recherchez une adresse ou prévisualisez des coordonnées pour placer le repère du pylône.</translation>
    </message>
    <message>
        <source>Enter valid coordinates and an offset between −180° and 180°.</source>
        <translation>Saisissez des coordonnées valides et un décalage entre −180° et 180°.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates first.</source>
        <translation>Recherchez d&apos;abord une adresse ou prévisualisez des coordonnées.</translation>
    </message>
    <message>
        <source>Location for %1</source>
        <translation>Emplacement de %1</translation>
    </message>
    <message>
        <source>Tower latitude</source>
        <translation>Latitude du pylône</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitude (−85…85)</translation>
    </message>
    <message>
        <source>Degrees north, with a point as decimal separator; south is negative.</source>
        <translation>Degrés nord, avec un point comme séparateur décimal&#xa0;; le sud est négatif.</translation>
    </message>
    <message>
        <source>Degrees north, with a point or a comma as decimal separator; south is negative.</source>
        <translation>Degrés nord, avec un point ou une virgule comme séparateur décimal&#xa0;; le sud est négatif.</translation>
    </message>
    <message>
        <source>Tower longitude</source>
        <translation>Longitude du pylône</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitude (−180…180)</translation>
    </message>
    <message>
        <source>Degrees east, with a point as decimal separator; west is negative.</source>
        <translation>Degrés est, avec un point comme séparateur décimal&#xa0;; l&apos;ouest est négatif.</translation>
    </message>
    <message>
        <source>Degrees east, with a point or a comma as decimal separator; west is negative.</source>
        <translation>Degrés est, avec un point ou une virgule comme séparateur décimal&#xa0;; l&apos;ouest est négatif.</translation>
    </message>
    <message>
        <source>True-north offset (°)</source>
        <translation>Décalage nord vrai (°)</translation>
    </message>
    <message>
        <source>True north display offset</source>
        <translation>Décalage d&apos;affichage par rapport au nord vrai</translation>
    </message>
    <message>
        <source>Degrees added to the controller heading, from −180 to 180.</source>
        <translation>Degrés ajoutés au cap du contrôleur, de −180 à 180.</translation>
    </message>
    <message>
        <source>True bearing = controller heading + offset. Positive is clockwise. This changes only the map overlay; Rotate and presets continue to use controller degrees.</source>
        <translation>Azimut vrai = cap du contrôleur + décalage. Positif dans le sens horaire. Cela ne change que l&apos;affichage sur la carte&#xa0;; Tourner et les préréglages utilisent toujours les degrés du contrôleur.</translation>
    </message>
    <message>
        <source>Preview coordinates</source>
        <translation>Prévisualiser les coordonnées</translation>
    </message>
    <message>
        <source>Move the map to the coordinates typed above.</source>
        <translation>Déplacer la carte vers les coordonnées saisies ci-dessus.</translation>
    </message>
    <message>
        <source>Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly.</source>
        <translation>La recherche d&apos;adresse et l&apos;imagerie de carte utilisent OpenStreetMap. Vous pouvez aussi saisir directement des coordonnées.</translation>
    </message>
    <message>
        <source>Remove location</source>
        <translation>Supprimer l&apos;emplacement</translation>
    </message>
    <message>
        <source>Forget the tower placed for %1; the map then uses the server’s site, if any.</source>
        <translation>Oublier le pylône placé pour %1&#xa0;; la carte utilise alors le site du serveur, s&apos;il y en a un.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close without changing the tower location.</source>
        <translation>Fermer sans modifier l&apos;emplacement du pylône.</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>Enregistrer l&apos;emplacement</translation>
    </message>
    <message>
        <source>Rotator address</source>
        <translation>Adresse du rotor</translation>
    </message>
    <message>
        <source>Street address, city, country</source>
        <translation>Adresse, ville, pays</translation>
    </message>
    <message>
        <source>An address or place to look up, or a Maidenhead grid locator such as JO62qm.</source>
        <translation>Une adresse ou un lieu à rechercher, ou un locator Maidenhead comme JO62qm.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>Search credits</source>
        <translation>Crédits de recherche</translation>
    </message>
    <message>
        <source>Places are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Les lieux sont recherchés dans les données OpenStreetMap. Ouvrir sa page de droits d&apos;auteur.</translation>
    </message>
    <message>
        <source>Map around the tower</source>
        <translation>Carte autour du pylône</translation>
    </message>
    <message>
        <source>Move map center west</source>
        <translation>Déplacer le centre de la carte vers l&apos;ouest</translation>
    </message>
    <message>
        <source>Move map center north</source>
        <translation>Déplacer le centre de la carte vers le nord</translation>
    </message>
    <message>
        <source>Move map center south</source>
        <translation>Déplacer le centre de la carte vers le sud</translation>
    </message>
    <message>
        <source>Move map center east</source>
        <translation>Déplacer le centre de la carte vers l&apos;est</translation>
    </message>
    <message>
        <source>Change map style in location editor</source>
        <translation>Changer le style de carte dans l&apos;éditeur d&apos;emplacement</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Map style button: shows satellite imagery.</extracomment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Map</source>
        <extracomment>Map style button: shows the standard map.</extracomment>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Zoom out in location editor</source>
        <translation>Zoom arrière dans l&apos;éditeur d&apos;emplacement</translation>
    </message>
    <message>
        <source>Zoom in in location editor</source>
        <translation>Zoom avant dans l&apos;éditeur d&apos;emplacement</translation>
    </message>
    <message>
        <source>No matching location. Try a fuller address or enter coordinates.</source>
        <translation>Aucun lieu correspondant. Essayez une adresse plus complète ou saisissez des coordonnées.</translation>
    </message>
    <message>
        <source>Address search unavailable. Try again or enter coordinates.</source>
        <translation>Recherche d&apos;adresse indisponible. Réessayez ou saisissez des coordonnées.</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>Put the tower at %1.</source>
        <translation>Placer le pylône à %1.</translation>
    </message>
    <message>
        <source>Look the address up in OpenStreetMap; a grid locator is placed without a search.</source>
        <translation>Rechercher l&apos;adresse dans OpenStreetMap&#xa0;; un locator est placé sans recherche.</translation>
    </message>
    <message>
        <source>Type an address or a grid locator first.</source>
        <translation>Saisissez d&apos;abord une adresse ou un locator.</translation>
    </message>
    <message>
        <source>Keep this position and offset for %1.</source>
        <translation>Conserver cette position et ce décalage pour %1.</translation>
    </message>
    <message>
        <source>%1 by an eighth of the view.</source>
        <translation>%1 d&apos;un huitième de la vue.</translation>
    </message>
    <message>
        <source>Show the standard map.</source>
        <translation>Afficher la carte standard.</translation>
    </message>
    <message>
        <source>Show satellite imagery.</source>
        <translation>Afficher l&apos;imagerie satellite.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Afficher plus de terrain autour du pylône.</translation>
    </message>
    <message>
        <source>The map already shows 10 km, the widest view.</source>
        <translation>La carte montre déjà 10 km, la vue la plus large.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Afficher moins de terrain autour du pylône.</translation>
    </message>
    <message>
        <source>The map already shows 100 m, the closest view.</source>
        <translation>La carte montre déjà 100 m, la vue la plus proche.</translation>
    </message>
</context>
<context>
    <name>RotorMapCompass</name>
    <message>
        <source>Tower map for %1</source>
        <translation>Carte du pylône de %1</translation>
    </message>
    <message>
        <source>Map credits</source>
        <translation>Crédits de la carte</translation>
    </message>
    <message>
        <source>True bearing of %1</source>
        <translation>Azimut vrai de %1</translation>
    </message>
    <message>
        <source>Change map style for %1</source>
        <translation>Changer le style de carte pour %1</translation>
    </message>
    <message>
        <source>Zoom out for %1</source>
        <translation>Zoom arrière pour %1</translation>
    </message>
    <message>
        <source>Zoom in for %1</source>
        <translation>Zoom avant pour %1</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>Button showing the world map instead of the tower&apos;s map</extracomment>
        <translation>Monde</translation>
    </message>
    <message>
        <source>World map for %1</source>
        <translation>Carte du monde pour %1</translation>
    </message>
    <message>
        <source>Show the whole world round the tower, with the beam across it.</source>
        <translation>Afficher le monde entier autour du pylône, avec le faisceau qui le traverse.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Last reported %1 true</source>
        <translation>Dernier relevé %1 vrai</translation>
    </message>
    <message>
        <source>Bearing %1 true</source>
        <translation>Azimut %1 vrai</translation>
    </message>
    <message>
        <source>%1 · target in orange</source>
        <translation>%1 · cible en orange</translation>
    </message>
    <message>
        <source>Show the standard map under %1.</source>
        <translation>Afficher la carte standard sous %1.</translation>
    </message>
    <message>
        <source>Show satellite imagery under %1.</source>
        <translation>Afficher l&apos;imagerie satellite sous %1.</translation>
    </message>
    <message>
        <source>The map already shows %1 around the tower, the widest view.</source>
        <translation>La carte montre déjà %1 autour du pylône, la vue la plus large.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Afficher plus de terrain autour du pylône.</translation>
    </message>
    <message>
        <source>The map already shows 100 m around the tower, the closest view.</source>
        <translation>La carte montre déjà 100 m autour du pylône, la vue la plus proche.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Afficher moins de terrain autour du pylône.</translation>
    </message>
    <message>
        <source>Map data and imagery credits. Open the copyright page.</source>
        <translation>Crédits des données et de l&apos;imagerie de la carte. Ouvrir la page des droits d&apos;auteur.</translation>
    </message>
    <message>
        <source>The world map always shows the whole world; zoom is for the tower&apos;s map.</source>
        <translation>La carte du monde montre toujours le monde entier&#xa0;; le zoom sert à la carte du pylône.</translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation>Réalisé avec Natural Earth</translation>
    </message>
</context>
<context>
    <name>RotorMechanics</name>
    <message>
        <source>-180…+180° (south stop)</source>
        <translation>-180…+180° (butée sud)</translation>
    </message>
    <message>
        <source>0–%1° (overlap)</source>
        <translation>0–%1° (recouvrement)</translation>
    </message>
    <message>
        <source>Turn blocked: the heading is not a number.</source>
        <translation>Rotation bloquée&#xa0;: le cap n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is inside %2&apos;s forbidden sector %3.</source>
        <translation>Rotation bloquée&#xa0;: %1 est dans le secteur interdit %3 de %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s limits %3.</source>
        <translation>Rotation bloquée&#xa0;: %1 est hors des limites %3 de %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s range %3.</source>
        <translation>Rotation bloquée&#xa0;: %1 est hors de la plage %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Pas à pas bloqué&#xa0;: un pas horaire depuis %1 finirait dans le secteur interdit %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Pas à pas bloqué&#xa0;: un pas antihoraire depuis %1 finirait dans le secteur interdit %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Pas à pas bloqué&#xa0;: un pas horaire depuis %1 sortirait des limites %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Pas à pas bloqué&#xa0;: un pas antihoraire depuis %1 sortirait des limites %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would cross %2&apos;s stop.</source>
        <translation>Pas à pas bloqué&#xa0;: un pas horaire depuis %1 franchirait la butée de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would cross %2&apos;s stop.</source>
        <translation>Pas à pas bloqué&#xa0;: un pas antihoraire depuis %1 franchirait la butée de %2.</translation>
    </message>
</context>
<context>
    <name>RotorSettingsSheet</name>
    <message>
        <source>Rotor settings</source>
        <translation>Réglages du rotor</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Réglages du rotor pour %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Soft limits</source>
        <translation>Limites logicielles</translation>
    </message>
    <message>
        <source>Forbidden sector</source>
        <translation>Secteur interdit</translation>
    </message>
    <message>
        <source>Limits of %1</source>
        <translation>Limites de %1</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Lowest heading</source>
        <translation>Cap le plus bas</translation>
    </message>
    <message>
        <source>Highest heading</source>
        <translation>Cap le plus haut</translation>
    </message>
    <message>
        <source>Forbidden from</source>
        <translation>Interdit depuis</translation>
    </message>
    <message>
        <source>Forbidden to</source>
        <translation>Interdit jusqu&apos;à</translation>
    </message>
    <message>
        <source>Forbidden to (clockwise)</source>
        <translation>Interdit jusqu&apos;à (sens horaire)</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>South stop (-180…+180°)</source>
        <translation>Butée sud (-180…+180°)</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Recouvrement</translation>
    </message>
    <message>
        <source>Range of %1</source>
        <translation>Plage de %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Overlap ends at</source>
        <translation>Fin du recouvrement à</translation>
    </message>
    <message>
        <source>Two-way antenna</source>
        <translation>Antenne bidirectionnelle</translation>
    </message>
    <message>
        <source>The beam points both ways: turns go to whichever lobe is nearer.</source>
        <translation>L&apos;antenne rayonne dans les deux sens&#xa0;: les rotations vont vers le lobe le plus proche.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Cap de parking</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Park after minutes without a command</source>
        <translation>Parquer après ce nombre de minutes sans commande</translation>
    </message>
    <message>
        <source>Park when idle for</source>
        <translation>Parquer après inactivité de</translation>
    </message>
    <message>
        <source>Stall watchdog</source>
        <translation>Surveillance de blocage</translation>
    </message>
    <message>
        <source>Stop a turn whose heading does not change, or that takes too long.</source>
        <translation>Arrêter une rotation dont le cap ne change pas ou qui dure trop longtemps.</translation>
    </message>
    <message>
        <source>Least movement</source>
        <translation>Mouvement minimal</translation>
    </message>
    <message>
        <source>Within</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Longest turn</source>
        <translation>Rotation la plus longue</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save rotor settings</source>
        <translation>Enregistrer les réglages du rotor</translation>
    </message>
    <message>
        <source>Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an overlap rotor. Every turn, from any source, is checked against them.</source>
        <translation>Les limites sont exprimées dans les valeurs du contrôleur&#xa0;: -90 à 90 pour un rotor à butée sud, jusqu&apos;à 450 pour un rotor à recouvrement. Chaque rotation, quelle que soit sa source, est vérifiée par rapport à elles.</translation>
    </message>
    <message>
        <source>The limits must lie inside the range %1, the lowest below the highest.</source>
        <translation>Les limites doivent se trouver dans la plage %1, la plus basse sous la plus haute.</translation>
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
        <translation>%1 n&apos;a pas bougé pendant %2 s&#xa0;: arrêté à %3°.</translation>
    </message>
    <message>
        <source>%1 turned for %2 s without arriving: stopped at %3°.</source>
        <translation>%1 a tourné pendant %2 s sans arriver&#xa0;: arrêté à %3°.</translation>
    </message>
    <message>
        <source>%1 had no command for %2 min: parking at %3°.</source>
        <translation>%1 sans commande depuis %2 min&#xa0;: mise en parking à %3°.</translation>
    </message>
</context>
<context>
    <name>RoutingContext</name>
    <message>
        <source>Not connected to the server.</source>
        <translation>Non connecté au serveur.</translation>
    </message>
    <message>
        <source>Enable antenna controls first.</source>
        <translation>Activez d&apos;abord les commandes d&apos;antenne.</translation>
    </message>
    <message>
        <source>No fresh report from the server.</source>
        <translation>Aucun état récent du serveur.</translation>
    </message>
    <message>
        <source>The server reports status %1.</source>
        <translation>Le serveur signale l&apos;état %1.</translation>
    </message>
    <message>
        <source>Not available right now.</source>
        <translation>Non disponible pour le moment.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Choisissez un port série /dev/ et un débit en bauds pris en charge.</translation>
    </message>
    <message>
        <source>Cannot open serial port: %1</source>
        <translation>Impossible d&apos;ouvrir le port série&#xa0;: %1</translation>
    </message>
    <message>
        <source>Serial port is unavailable or already in use.</source>
        <translation>Le port série est indisponible ou déjà utilisé.</translation>
    </message>
    <message>
        <source>Cannot configure serial port.</source>
        <translation>Impossible de configurer le port série.</translation>
    </message>
</context>
<context>
    <name>SerialPortWorker</name>
    <message>
        <source>Serial port disconnected.</source>
        <translation>Port série déconnecté.</translation>
    </message>
    <message>
        <source>Serial output queue exceeded its limit.</source>
        <translation>La file de sortie série a dépassé sa limite.</translation>
    </message>
    <message>
        <source>Serial write failed or timed out.</source>
        <translation>L&apos;écriture série a échoué ou a expiré.</translation>
    </message>
</context>
<context>
    <name>ServerLoginView</name>
    <message>
        <source>Sign in</source>
        <translation>S&apos;identifier</translation>
    </message>
    <message>
        <source>Sign in to server</source>
        <translation>Identification sur le serveur</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>After the server accepts your login, it is saved securely in the system keychain for this server address and port.</source>
        <translation>Une fois acceptés par le serveur, vos identifiants sont enregistrés en sécurité dans le trousseau du système pour cette adresse et ce port de serveur.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not sign in; the connection ends.</source>
        <translation>Ne pas s&apos;identifier&#xa0;; la connexion est fermée.</translation>
    </message>
    <message>
        <source>Send this login to the server (Return).</source>
        <translation>Envoyer ces identifiants au serveur (Return).</translation>
    </message>
    <message>
        <source>Enter a user name to sign in.</source>
        <translation>Saisissez un nom d&apos;utilisateur pour vous identifier.</translation>
    </message>
</context>
<context>
    <name>ServerVerification</name>
    <message>
        <source>No compatible server or device response within 3 seconds. Check the address, port, and network connection.</source>
        <translation>Aucune réponse de serveur ou d&apos;appareil compatible en 3 secondes. Vérifiez l&apos;adresse, le port et la connexion réseau.</translation>
    </message>
</context>
<context>
    <name>ServerVerificationError</name>
    <message>
        <source>Server could not be verified. %1</source>
        <extracomment>%1 is the reason, a whole sentence of its own.</extracomment>
        <translation>Le serveur n&apos;a pas pu être vérifié. %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>The settings file could not be read: %1 is missing or not in the expected form.</source>
        <extracomment>%1 names a part of the file: &quot;the settings record&quot;, &quot;item 2 of “servers”&quot;, &quot;“version”&quot;</extracomment>
        <translation>Le fichier de paramètres est illisible&#xa0;: %1 manque ou n&apos;a pas la forme attendue.</translation>
    </message>
    <message>
        <source>Settings file exceeds the 10 MB limit.</source>
        <translation>Le fichier de paramètres dépasse la limite de 10 Mo.</translation>
    </message>
    <message>
        <source>The saved %1 could not be read.</source>
        <extracomment>%1 is &quot;tower locations&quot;, &quot;heading presets&quot; or &quot;rotor settings&quot;</extracomment>
        <translation>Les %1 enregistrés n&apos;ont pas pu être lus.</translation>
    </message>
    <message>
        <source>tower locations</source>
        <translation>emplacements de pylône</translation>
    </message>
    <message>
        <source>heading presets</source>
        <translation>préréglages de cap</translation>
    </message>
    <message>
        <source>rotor settings</source>
        <translation>réglages du rotor</translation>
    </message>
    <message>
        <source>The saved layout of %1 could not be read.</source>
        <translation>La disposition enregistrée de %1 n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>The saved integration settings of %1 could not be read.</source>
        <translation>Les réglages d&apos;intégration enregistrés de %1 n&apos;ont pas pu être lus.</translation>
    </message>
    <message>
        <source>The settings hold a number that cannot be written.</source>
        <translation>Les paramètres contiennent un nombre qui ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The settings file is not valid JSON: %1 at character %2.</source>
        <translation>Le fichier de paramètres n&apos;est pas un JSON valide&#xa0;: %1 au caractère %2.</translation>
    </message>
    <message>
        <source>the settings record</source>
        <translation>l&apos;enregistrement des paramètres</translation>
    </message>
    <message>
        <source>The settings file could not be opened: %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier de paramètres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1.</source>
        <translation>Impossible de lire le fichier de paramètres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be written: %1.</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This is not a supported station settings file.</source>
        <translation>Ce n&apos;est pas un fichier de paramètres de station pris en charge.</translation>
    </message>
    <message>
        <source>Duplicate server identifiers in settings file.</source>
        <translation>Identifiants de serveur en double dans le fichier de paramètres.</translation>
    </message>
    <message>
        <source>Invalid server name or address.</source>
        <translation>Nom ou adresse de serveur non valide.</translation>
    </message>
    <message>
        <source>Invalid server port or baud rate.</source>
        <translation>Port de serveur ou débit en bauds non valide.</translation>
    </message>
    <message>
        <source>Both site coordinates are required.</source>
        <translation>Les deux coordonnées du site sont requises.</translation>
    </message>
    <message>
        <source>Invalid site coordinates.</source>
        <translation>Coordonnées du site non valides.</translation>
    </message>
    <message>
        <source>Invalid tower location or preset.</source>
        <translation>Emplacement de pylône ou préréglage non valide.</translation>
    </message>
    <message>
        <source>Duplicate preset identifiers.</source>
        <translation>Identifiants de préréglage en double.</translation>
    </message>
    <message>
        <source>Invalid or duplicate rotor settings.</source>
        <translation>Réglages de rotor non valides ou en double.</translation>
    </message>
    <message>
        <source>Duplicate tower locations.</source>
        <translation>Emplacements de pylône en double.</translation>
    </message>
    <message>
        <source>Invalid layout settings.</source>
        <translation>Réglages de disposition non valides.</translation>
    </message>
    <message>
        <source>Invalid integration settings.</source>
        <translation>Réglages d&apos;intégration non valides.</translation>
    </message>
    <message>
        <source>item %1 of “%2”</source>
        <extracomment>%2 is a key of the settings file, which stays in English</extracomment>
        <translation>l&apos;élément %1 de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the layout of “%1”</source>
        <translation>la disposition de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the integration settings of “%1”</source>
        <translation>les réglages d&apos;intégration de «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts. &quot;System&quot; follows the desktop&apos;s language.</source>
        <translation>La langue des textes du programme. «&#xa0;Système&#xa0;» suit la langue du bureau.</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilomètres</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Miles</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>Unité de distance</translation>
    </message>
    <message>
        <source>Used for every distance the program shows.</source>
        <translation>Utilisée pour toutes les distances affichées par le programme.</translation>
    </message>
    <message>
        <source>Language note</source>
        <translation>Remarque sur la langue</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Distance unit</source>
        <translation>&amp;Unité de distance</translation>
    </message>
    <message>
        <source>The new language is used from the next start.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage.</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La langue changera au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>StackCardState</name>
    <message>
        <source>Stack: %1</source>
        <translation>Stack&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Périmé</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>État %1</translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Turn off %1</source>
        <translation>Désactiver %1</translation>
    </message>
    <message>
        <source>Turn on %1</source>
        <translation>Activer %1</translation>
    </message>
    <message>
        <source>Switch %1 out of the stack.</source>
        <translation>Retirer %1 du stack.</translation>
    </message>
    <message>
        <source>Switch %1 into the stack.</source>
        <translation>Ajouter %1 au stack.</translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message>
        <source>No logger data yet</source>
        <translation>Pas encore de données du logiciel de log</translation>
    </message>
    <message>
        <source>Enter an IP address and a port from 1 to 65535.</source>
        <translation>Saisissez une adresse IP et un port de 1 à 65535.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Écoute impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Écoute sur %1:%2</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Pas d&apos;écoute</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n datagrams dropped</source>
        <extracomment>%1 is the listener&apos;s state, such as &quot;Listening on 127.0.0.1:2237&quot;.</extracomment>
        <translation>
            <numerusform>%1 · %n datagramme perdu</numerusform>
            <numerusform>%1 · %n datagrammes perdus</numerusform>
        </translation>
    </message>
    <message>
        <source>Focused radio: %1</source>
        <translation>Radio active&#xa0;: %1</translation>
    </message>
    <message>
        <source>Radio %1 · %2 MHz</source>
        <translation>Radio %1 · %2 MHz</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio %2</source>
        <translation>Cap du rotor&#xa0;: %1° · radio %2</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio focused</source>
        <translation>Cap du rotor&#xa0;: %1° · radio active</translation>
    </message>
    <message>
        <source>Rotor stop · radio %1</source>
        <translation>Arrêt rotor · radio %1</translation>
    </message>
    <message>
        <source>Rotor stop · radio focused</source>
        <translation>Arrêt rotor · radio active</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Touche&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StationLookup</name>
    <message>
        <source>Type a call sign, prefix or grid locator.</source>
        <translation>Saisissez un indicatif, un préfixe ou un locator.</translation>
    </message>
    <message>
        <source>That is too long for a call sign, prefix or grid locator.</source>
        <translation>C&apos;est trop long pour un indicatif, un préfixe ou un locator.</translation>
    </message>
    <message>
        <source>%1 is not a call sign, prefix or grid locator.</source>
        <translation>%1 n&apos;est ni un indicatif, ni un préfixe, ni un locator.</translation>
    </message>
    <message>
        <source>No country file is loaded, so only grid locators can be placed.</source>
        <translation>Aucun fichier de pays n&apos;est chargé&#xa0;; seuls les locators peuvent être placés.</translation>
    </message>
    <message>
        <source>%1 is maritime mobile: it has no country.</source>
        <translation>%1 est maritime mobile&#xa0;: il n&apos;a pas de pays.</translation>
    </message>
    <message>
        <source>%1 is aeronautical mobile: it has no country.</source>
        <translation>%1 est aéronautique mobile&#xa0;: il n&apos;a pas de pays.</translation>
    </message>
    <message>
        <source>%1 matches no country prefix.</source>
        <translation>%1 ne correspond à aucun préfixe de pays.</translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message>
        <source>Rotors and antenna routing</source>
        <translation>Rotors et routage des antennes</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Développement</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>Choose the saved server this tab shows.</source>
        <translation>Choisir le serveur enregistré affiché dans cet onglet.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Integrations</source>
        <translation>Intégrations</translation>
    </message>
    <message>
        <source>Loggers, keys and the rotary encoder for this server.</source>
        <translation>Logiciels de log, touches et encodeur rotatif pour ce serveur.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Which cards show, in what order, on which bands.</source>
        <translation>Quelles cartes s&apos;affichent, dans quel ordre, sur quelles bandes.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Open the connection and command log of every tab.</source>
        <translation>Ouvrir le journal des connexions et commandes de tous les onglets.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>The world round this tab&apos;s towers, with every located rotor&apos;s beam.</source>
        <translation>Le monde autour des pylônes de cet onglet, avec le faisceau de chaque rotor localisé.</translation>
    </message>
    <message>
        <source>Additional Server</source>
        <translation>Serveur supplémentaire</translation>
    </message>
    <message>
        <source>Controls reset on disconnect. Turn commands are never replayed. Closing the app does not stop a moving antenna.</source>
        <translation>Les commandes sont désactivées à la déconnexion. Les rotations ne sont jamais rejouées. Fermer l&apos;application n&apos;arrête pas une antenne en mouvement.</translation>
    </message>
    <message>
        <source>Enable control</source>
        <translation>Activer les commandes</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>TOUT ARRÊTER</translation>
    </message>
    <message>
        <source>Rotors</source>
        <translation>Rotors</translation>
    </message>
    <message>
        <source>Enable antenna controls</source>
        <translation>Activer les commandes d&apos;antenne</translation>
    </message>
    <message>
        <source>Antenna routing</source>
        <translation>Routage des antennes</translation>
    </message>
    <message>
        <source>Manage servers…</source>
        <translation>Gérer les serveurs…</translation>
    </message>
    <message>
        <source>Configure Server</source>
        <translation>Configurer le serveur</translation>
    </message>
    <message>
        <source>SERVER: %1</source>
        <translation>SERVEUR&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select server</source>
        <translation>Choisir le serveur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close the connection to this server.</source>
        <translation>Fermer la connexion à ce serveur.</translation>
    </message>
    <message>
        <source>Stop connecting to this server.</source>
        <translation>Arrêter la connexion en cours à ce serveur.</translation>
    </message>
    <message>
        <source>Connect to the selected server.</source>
        <translation>Se connecter au serveur sélectionné.</translation>
    </message>
    <message>
        <source>Connect to another server in a separate tab (up to 10).</source>
        <translation>Se connecter à un autre serveur dans un onglet séparé (10 au maximum).</translation>
    </message>
    <message>
        <source>Ten server tabs are open: close one to add another.</source>
        <translation>Dix onglets de serveur sont ouverts&#xa0;: fermez-en un pour en ajouter un autre.</translation>
    </message>
    <message>
        <source>Allow the rotor controls of this tab to send commands.</source>
        <translation>Autoriser les commandes rotor de cet onglet à envoyer des ordres.</translation>
    </message>
    <message>
        <source>Allow the switch, stack and tuner controls of this tab to send commands.</source>
        <translation>Autoriser les commandes de commutateur, de stack et de boîte d&apos;accord de cet onglet à envoyer des ordres.</translation>
    </message>
    <message>
        <source>Stop every rotor of this server. (%1)</source>
        <translation>Arrêter tous les rotors de ce serveur. (%1)</translation>
    </message>
    <message>
        <source>No rotor can be stopped: connect and switch on Enable control.</source>
        <translation>Aucun rotor ne peut être arrêté&#xa0;: connectez-vous et cochez «&#xa0;Activer les commandes&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%n visible</source>
        <extracomment>Rotor cards shown on this tab</extracomment>
        <translation>
            <numerusform>%n visible</numerusform>
            <numerusform>%n visibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n discovered · live headings from the server</source>
        <extracomment>Rotors the server reported</extracomment>
        <translation>
            <numerusform>%n découvert · caps en direct du serveur</numerusform>
            <numerusform>%n découverts · caps en direct du serveur</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for rotors…</source>
        <translation>En attente des rotors…</translation>
    </message>
    <message>
        <source>Connect once to load this server’s rotors</source>
        <translation>Connectez-vous une fois pour charger les rotors de ce serveur</translation>
    </message>
    <message>
        <source>Connect once to load this server’s antenna routing</source>
        <translation>Connectez-vous une fois pour charger le routage des antennes de ce serveur</translation>
    </message>
    <message>
        <source>No switches, stack outputs or tuners reported</source>
        <translation>Aucun commutateur, sortie de stack ou boîte d&apos;accord signalé</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <extracomment>Antenna switch card, named for assistive tools</extracomment>
        <translation>Commutateur %1</translation>
    </message>
    <message>
        <source>Stack %1</source>
        <extracomment>Antenna stack card, named for assistive tools</extracomment>
        <translation>Stack %1</translation>
    </message>
    <message>
        <source>Tuner %1</source>
        <translation>Boîte d&apos;accord %1</translation>
    </message>
    <message>
        <source>No server yet</source>
        <translation>Pas encore de serveur</translation>
    </message>
    <message>
        <source>No server chosen</source>
        <translation>Aucun serveur choisi</translation>
    </message>
    <message>
        <source>There is no server to connect to yet. Add one in the server editor.</source>
        <translation>Il n&apos;y a encore aucun serveur auquel se connecter. Ajoutez-en un dans l&apos;éditeur de serveurs.</translation>
    </message>
    <message>
        <source>This tab has no server. Choose one in the server menu, or add one in the server editor.</source>
        <translation>Cet onglet n&apos;a pas de serveur. Choisissez-en un dans le menu des serveurs, ou ajoutez-en un dans l&apos;éditeur de serveurs.</translation>
    </message>
    <message>
        <source>Add server…</source>
        <translation>Ajouter un serveur…</translation>
    </message>
</context>
<context>
    <name>StationWorkspace</name>
    <message>
        <source>Server %1</source>
        <translation>Serveur %1</translation>
    </message>
    <message>
        <source>This server is already open in %1. Its existing tab has been selected.</source>
        <translation>Ce serveur est déjà ouvert dans %1. Son onglet existant a été sélectionné.</translation>
    </message>
</context>
<context>
    <name>StationWorkspaceView</name>
    <message>
        <source>Close server tab</source>
        <translation>Fermer l&apos;onglet du serveur</translation>
    </message>
    <message>
        <source>Server tabs</source>
        <translation>Onglets de serveur</translation>
    </message>
    <message>
        <source>Disconnect and close the selected server tab.</source>
        <translation>Déconnecter et fermer l&apos;onglet de serveur sélectionné.</translation>
    </message>
    <message>
        <source>%1 · connecting</source>
        <translation>%1 · connexion</translation>
    </message>
    <message>
        <source>%1 · disconnected</source>
        <translation>%1 · déconnecté</translation>
    </message>
    <message>
        <source>Server already open</source>
        <translation>Serveur déjà ouvert</translation>
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
        <translation>Signalé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Server status %1</source>
        <translation>État du serveur %1</translation>
    </message>
    <message>
        <source>Unsupported switch type %1</source>
        <translation>Type de commutateur non pris en charge %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Sélectionner %1</translation>
    </message>
    <message>
        <source>Deselect %1</source>
        <translation>Désélectionner %1</translation>
    </message>
    <message>
        <source>Also select %1</source>
        <translation>Sélectionner aussi %1</translation>
    </message>
    <message>
        <source>Select %1 at %2 degrees</source>
        <translation>Sélectionner %1 à %2 degrés</translation>
    </message>
    <message>
        <source>Position is locked.</source>
        <translation>La position est verrouillée.</translation>
    </message>
</context>
<context>
    <name>SystemFileDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <extracomment>File type filter of the settings file dialogs; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>TerminalProtocol</name>
    <message>
        <source>Enter a heading from 0 to 360.</source>
        <translation>Saisissez un cap de 0 à 360.</translation>
    </message>
    <message>
        <source>Terminal frame exceeds size limit.</source>
        <translation>La trame du terminal dépasse la taille limite.</translation>
    </message>
</context>
<context>
    <name>TileLoader</name>
    <message>
        <source>The tile server sent more than %1 MiB for one tile.</source>
        <translation>Le serveur de tuiles a envoyé plus de %1 Mio pour une tuile.</translation>
    </message>
    <message>
        <source>The tile server answered %1 %2.</source>
        <translation>Le serveur de tuiles a répondu %1 %2.</translation>
    </message>
    <message>
        <source>The tile server did not answer in time.</source>
        <translation>Le serveur de tuiles n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The tile could not be loaded: %1.</source>
        <translation>La tuile n&apos;a pas pu être chargée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The tile address “%1” is not a web address.</source>
        <translation>L&apos;adresse de tuile «&#xa0;%1&#xa0;» n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>The tile server %1 asked for fewer requests; tiles are paused for now.</source>
        <translation>Le serveur de tuiles %1 a demandé moins de requêtes&#xa0;; les tuiles sont suspendues pour l&apos;instant.</translation>
    </message>
    <message>
        <source>The tile server sent an image that could not be read.</source>
        <translation>Le serveur de tuiles a envoyé une image illisible.</translation>
    </message>
</context>
<context>
    <name>TowerMap</name>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Map imagery unavailable. Heading display still works.</source>
        <translation>Imagerie de carte indisponible. L&apos;affichage du cap fonctionne toujours.</translation>
    </message>
</context>
<context>
    <name>TunerCard</name>
    <message>
        <source>CCW</source>
        <translation>Antihoraire</translation>
    </message>
    <message>
        <source>CCW %1</source>
        <translation>Antihoraire %1</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Horaire</translation>
    </message>
    <message>
        <source>CW %1</source>
        <translation>Horaire %1</translation>
    </message>
    <message>
        <source>Calibrate…</source>
        <translation>Calibrer…</translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation>Calibrer %1</translation>
    </message>
    <message>
        <source>Calibrate tuner rotor?</source>
        <translation>Calibrer le rotor de la boîte d&apos;accord&#xa0;?</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1 on %2.</source>
        <translation>Lancer le calibrage du serveur pour %1 sur %2.</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrer</translation>
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
        <translation>Signalé&#xa0;: %1 · État %2 · RSSI %3</translation>
    </message>
    <message>
        <source>Awaiting position</source>
        <translation>En attente de la position</translation>
    </message>
    <message>
        <source>Tune %1 to %2</source>
        <translation>Accorder %1 sur %2</translation>
    </message>
    <message>
        <source>Turn %1 counterclockwise</source>
        <translation>Tourner %1 dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn %1 clockwise</source>
        <translation>Tourner %1 dans le sens horaire</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1</source>
        <translation>Lancer le calibrage du serveur pour %1</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
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
        <translation>Le pylône n&apos;a pas encore de position&#xa0;; le monde ne peut donc pas être dessiné autour de lui.</translation>
    </message>
    <message>
        <source>Centred on %1</source>
        <translation>Centré sur %1</translation>
    </message>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation>Les contours terrestres manquent dans cette version.</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Azimut %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 beam %2, last reported</source>
        <translation>Faisceau de %1 %2, dernier relevé</translation>
    </message>
    <message>
        <source>%1 beam %2</source>
        <translation>Faisceau de %1 %2</translation>
    </message>
</context>
<context>
    <name>WorldMapWindow</name>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>Whole world</source>
        <translation>Monde entier</translation>
    </message>
    <message>
        <source>World map reach</source>
        <translation>Portée de la carte du monde</translation>
    </message>
    <message>
        <source>How far from the tower the edge of the map reaches.</source>
        <translation>Jusqu&apos;où s&apos;étend le bord de la carte depuis le pylône.</translation>
    </message>
    <message>
        <source>Place under the pointer</source>
        <translation>Lieu sous le pointeur</translation>
    </message>
    <message>
        <source>No rotor of this tab has a tower position yet. Place a tower with Set Location on its card, or give the server a site in its profile.</source>
        <translation>Aucun rotor de cet onglet n&apos;a encore de position de pylône. Placez un pylône avec «&#xa0;Définir l&apos;emplacement du pylône…&#xa0;» sur sa carte, ou donnez un site au serveur dans son profil.</translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation>Portée&#xa0;:</translation>
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
        <translation>Le datagramme WSJT-X est endommagé&#xa0;: il se termine avant son champ %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is %2 bytes long.</source>
        <translation>Le datagramme WSJT-X est endommagé&#xa0;: son champ %1 fait %2 octets.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it ends inside its %1.</source>
        <translation>Le datagramme WSJT-X est endommagé&#xa0;: il se termine au milieu de son champ %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is not UTF-8 text.</source>
        <translation>Le datagramme WSJT-X est endommagé&#xa0;: son champ %1 n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it is %1 bytes long.</source>
        <translation>Le datagramme WSJT-X est endommagé&#xa0;: il fait %1 octets.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it does not start with the magic number.</source>
        <translation>Le datagramme WSJT-X est endommagé&#xa0;: il ne commence pas par le nombre magique.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.</source>
        <translation>Le datagramme WSJT-X est endommagé&#xa0;: son schéma %1 n&apos;est ni 2 ni 3.</translation>
    </message>
</context>
</TS>
