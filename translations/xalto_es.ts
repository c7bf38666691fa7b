<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CallArea</name>
    <message>
        <source>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</source>
        <translation>Medio Oeste (CO, IA, KS, MN, MO, ND, NE, SD)</translation>
    </message>
    <message>
        <source>New England (CT, MA, ME, NH, RI, VT)</source>
        <translation>Nueva Inglaterra (CT, MA, ME, NH, RI, VT)</translation>
    </message>
    <message>
        <source>New York and New Jersey</source>
        <translation>Nueva York y Nueva Jersey</translation>
    </message>
    <message>
        <source>Mid-Atlantic (DC, DE, MD, PA)</source>
        <translation>Atlántico Medio (DC, DE, MD, PA)</translation>
    </message>
    <message>
        <source>Southeast (AL, FL, GA, KY, NC, SC, TN, VA)</source>
        <translation>Sudeste (AL, FL, GA, KY, NC, SC, TN, VA)</translation>
    </message>
    <message>
        <source>South (AR, LA, MS, NM, OK, TX)</source>
        <translation>Sur (AR, LA, MS, NM, OK, TX)</translation>
    </message>
    <message>
        <source>California</source>
        <translation>California</translation>
    </message>
    <message>
        <source>Northwest (AZ, ID, MT, NV, OR, UT, WA, WY)</source>
        <translation>Noroeste (AZ, ID, MT, NV, OR, UT, WA, WY)</translation>
    </message>
    <message>
        <source>Great Lakes (MI, OH, WV)</source>
        <translation>Grandes Lagos (MI, OH, WV)</translation>
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
        <translation>Yukón</translation>
    </message>
    <message>
        <source>Prince Edward Island</source>
        <translation>Isla del Príncipe Eduardo</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nueva Escocia</translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation>Quebec</translation>
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
        <translation>Columbia Británica</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territorios del Noroeste</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nuevo Brunswick</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Territorio de la Capital Australiana</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nueva Gales del Sur</translation>
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
        <translation>Australia Meridional</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Australia Occidental</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmania</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Territorio del Norte</translation>
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
        <translation>Kyushu y Okinawa</translation>
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
        <translation>Siberia Occidental, norte (área 8)</translation>
    </message>
    <message>
        <source>Urals and Western Siberia (call area 9)</source>
        <translation>Urales y Siberia Occidental (área 9)</translation>
    </message>
    <message>
        <source>Eastern Siberia and the Far East (call area 0)</source>
        <translation>Siberia Oriental y Lejano Oriente (área 0)</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Pekín</translation>
    </message>
    <message>
        <source>Heilongjiang, Jilin, Liaoning</source>
        <translation>Heilongjiang, Jilin, Liaoning</translation>
    </message>
    <message>
        <source>Tianjin, Inner Mongolia, Hebei, Shanxi</source>
        <translation>Tianjin, Mongolia Interior, Hebei, Shanxi</translation>
    </message>
    <message>
        <source>Shanghai, Shandong, Jiangsu</source>
        <translation>Shanghái, Shandong, Jiangsu</translation>
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
        <translation>Xinjiang y Tíbet</translation>
    </message>
    <message>
        <source>Rio de Janeiro and Espirito Santo</source>
        <translation>Río de Janeiro y Espírito Santo</translation>
    </message>
    <message>
        <source>Sao Paulo, Goias, Federal District</source>
        <translation>São Paulo, Goiás, Distrito Federal</translation>
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
        <translation>Paraná y Santa Catarina</translation>
    </message>
    <message>
        <source>Bahia and Sergipe</source>
        <translation>Bahía y Sergipe</translation>
    </message>
    <message>
        <source>Northeast (PE, AL, PB, RN, CE, PI)</source>
        <translation>Nordeste (PE, AL, PB, RN, CE, PI)</translation>
    </message>
    <message>
        <source>North (PA, AM, AP, MA, RR)</source>
        <translation>Norte (PA, AM, AP, MA, RR)</translation>
    </message>
    <message>
        <source>Centre-West (MT, MS, RO, AC, TO)</source>
        <translation>Centro-Oeste (MT, MS, RO, AC, TO)</translation>
    </message>
    <message>
        <source>Buenos Aires City</source>
        <translation>Ciudad de Buenos Aires</translation>
    </message>
    <message>
        <source>Buenos Aires Province</source>
        <translation>Provincia de Buenos Aires</translation>
    </message>
    <message>
        <source>Santa Fe</source>
        <translation>Santa Fe</translation>
    </message>
    <message>
        <source>Chaco and Formosa</source>
        <translation>Chaco y Formosa</translation>
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
        <translation>Santa Cruz y Tierra del Fuego</translation>
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
        <translation>La lista de indicativos supera %1 MiB.</translation>
    </message>
    <message>
        <source>The call list holds more than %1 calls.</source>
        <translation>La lista de indicativos contiene más de %1 indicativos.</translation>
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
        <translation>Cancelar</translation>
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
        <translation>Terminal TCP KT-90</translation>
    </message>
    <message>
        <source>KT-90 UDP terminal</source>
        <translation>Terminal UDP KT-90</translation>
    </message>
    <message>
        <source>KT-90 local serial</source>
        <translation>Puerto serie local KT-90</translation>
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
        <translation>No hay ningún archivo de países instalado; cargue uno o instale el paquete hamradio-files de Debian.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>El archivo supera %1 MiB.</translation>
    </message>
    <message>
        <source>The program&apos;s data folder cannot be created.</source>
        <translation>No se puede crear la carpeta de datos del programa.</translation>
    </message>
    <message>
        <source>The copy cannot be kept: %1.</source>
        <translation>No se puede guardar la copia: %1.</translation>
    </message>
    <message>
        <source>No version given</source>
        <translation>Sin versión</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation>
            <numerusform>Versión %1, %n día de antigüedad</numerusform>
            <numerusform>Versión %1, %n días de antigüedad</numerusform>
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
        <translation>El archivo de países está dañado en la línea %1: tiene %2 campos y se esperan 10.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its prefix list does not end with “;”.</source>
        <translation>El archivo de países está dañado en la línea %1: su lista de prefijos no termina en “;”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.</source>
        <translation>El archivo de países está dañado en la línea %1: su número DXCC %2 no es un número de 0 a 9999.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the entity before it does not end its prefix list with “;”.</source>
        <translation>El archivo de países está dañado en la línea %1: la entidad anterior no termina su lista de prefijos con “;”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.</source>
        <translation>El archivo de países está dañado en la línea %1: su línea de entidad no tiene 8 campos terminados en “:”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it lists prefixes without an entity line before them.</source>
        <translation>El archivo de países está dañado en la línea %1: enumera prefijos sin una línea de entidad antes.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: text follows the “;” that ends the prefix list.</source>
        <translation>El archivo de países está dañado en la línea %1: hay texto después del “;” que termina la lista de prefijos.</translation>
    </message>
    <message>
        <source>The country file ends inside the prefix list of %1.</source>
        <translation>El archivo de países termina dentro de la lista de prefijos de %1.</translation>
    </message>
    <message>
        <source>The country file lists no countries.</source>
        <translation>El archivo de países no contiene ningún país.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 countries.</source>
        <translation>El archivo de países está dañado en la línea %1: el archivo enumera más de %2 países.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the country name %2 is empty, too long or holds control characters.</source>
        <translation>El archivo de países está dañado en la línea %1: el nombre de país %2 está vacío, es demasiado largo o contiene caracteres de control.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.</source>
        <translation>El archivo de países está dañado en la línea %1: el prefijo principal %2 de %3 no es un prefijo.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the continent %2 of %3 is not one of AF, AN, AS, EU, NA, OC, SA.</source>
        <translation>El archivo de países está dañado en la línea %1: el continente %2 de %3 no es AF, AN, AS, EU, NA, OC ni SA.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the zones of %2 are not a CQ zone from 1 to 40 and an ITU zone from 1 to 90.</source>
        <translation>El archivo de países está dañado en la línea %1: las zonas de %2 no son una zona CQ de 1 a 40 y una zona ITU de 1 a 90.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the latitude, longitude or UTC offset of %2 is not a number within range.</source>
        <translation>El archivo de países está dañado en la línea %1: la latitud, la longitud o la diferencia con UTC de %2 no es un número dentro del rango.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 prefixes and calls.</source>
        <translation>El archivo de países está dañado en la línea %1: el archivo enumera más de %2 prefijos e indicativos.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: %2 is not a prefix or call.</source>
        <translation>El archivo de países está dañado en la línea %1: %2 no es un prefijo ni un indicativo.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not closed.</source>
        <translation>El archivo de países está dañado en la línea %1: la excepción en %2 no está cerrada.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not valid.</source>
        <translation>El archivo de países está dañado en la línea %1: la excepción en %2 no es válida.</translation>
    </message>
    <message>
        <source>The country file is larger than %1 MiB.</source>
        <translation>El archivo de países supera %1 MiB.</translation>
    </message>
    <message>
        <source>The country file is empty.</source>
        <translation>El archivo de países está vacío.</translation>
    </message>
    <message>
        <source>The file is neither a cty.csv nor a cty.dat country file.</source>
        <translation>El archivo no es un archivo de países cty.csv ni cty.dat.</translation>
    </message>
</context>
<context>
    <name>CountryFileLoader</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
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
        <translation>Archivo de países</translation>
    </message>
    <message>
        <source>Country file version</source>
        <translation>Versión del archivo de países</translation>
    </message>
    <message>
        <source>Country file in use</source>
        <translation>Archivo de países en uso</translation>
    </message>
    <message>
        <source>Country file load result</source>
        <translation>Resultado de la carga del archivo de países</translation>
    </message>
    <message>
        <source>Load country file…</source>
        <translation>Cargar archivo de países…</translation>
    </message>
    <message>
        <source>Read a newer cty.csv or cty.dat; a file that does not read changes nothing.</source>
        <translation>Lee un cty.csv o cty.dat más reciente; un archivo que no se puede leer no cambia nada.</translation>
    </message>
    <message>
        <source>Country file</source>
        <translation>Archivo de países</translation>
    </message>
    <message>
        <source>Call signs and prefixes are placed with this file. Newer files are published monthly; a loaded file is kept in the program&apos;s data folder and used from then on.</source>
        <translation>Los indicativos y prefijos se ubican con este archivo. Cada mes se publican archivos nuevos; el archivo cargado se guarda en la carpeta de datos del programa y se usa desde entonces.</translation>
    </message>
    <message>
        <source>Loaded; the copy is kept for later starts.</source>
        <translation>Cargado; la copia se conserva para los próximos inicios.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Sin cambios: %1</translation>
    </message>
    <message>
        <source>Load Country File</source>
        <translation>Cargar archivo de países</translation>
    </message>
    <message>
        <source>Country files (*.csv *.dat *.CSV *.DAT);;All files (*)</source>
        <translation>Archivos de países (*.csv *.dat *.CSV *.DAT);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No country file</source>
        <translation>Sin archivo de países</translation>
    </message>
    <message>
        <source>A loaded copy: %1</source>
        <translation>Copia cargada: %1</translation>
    </message>
    <message>
        <source>Installed file: %1</source>
        <translation>Archivo instalado: %1</translation>
    </message>
    <message>
        <source>%1 countries, %2 prefixes and calls</source>
        <translation>%1 países, %2 prefijos e indicativos</translation>
    </message>
</context>
<context>
    <name>EncoderWorker</name>
    <message>
        <source>Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.</source>
        <translation>Esperando al Phidget %1. Los dispositivos HID antiguos pueden necesitar el controlador USB del fabricante.</translation>
    </message>
    <message>
        <source>Phidget22 library could not be loaded.</source>
        <translation>No se pudo cargar la biblioteca Phidget22.</translation>
    </message>
    <message>
        <source>Phidget encoder channel could not be opened.</source>
        <translation>No se pudo abrir el canal del encoder Phidget.</translation>
    </message>
    <message>
        <source>Phidget button channel could not be opened.</source>
        <translation>No se pudo abrir el canal del botón Phidget.</translation>
    </message>
    <message>
        <source>Phidget disconnected</source>
        <translation>Phidget desconectado</translation>
    </message>
    <message>
        <source>Phidget connected</source>
        <translation>Phidget conectado</translation>
    </message>
</context>
<context>
    <name>HeadingPreset</name>
    <message>
        <source>Give the preset a name and a heading from 0 to 360 degrees.</source>
        <translation>Indique un nombre para el preajuste y un rumbo de 0 a 360 grados.</translation>
    </message>
</context>
<context>
    <name>IntegrationDevicesSection</name>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
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
        <translation>Radio activa</translation>
    </message>
    <message>
        <source>Frequency-driven devices</source>
        <translation>Dispositivos según la frecuencia</translation>
    </message>
    <message>
        <source>A selected OFF remains off. Existing in-range selections are retained; locked outputs are skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared switch.</source>
        <translation>Una salida en OFF seleccionada permanece apagada. Las selecciones existentes dentro del rango se mantienen; las salidas bloqueadas se omiten. Radio activa sigue el foco del logger y evita actualizaciones A/B contrapuestas en un conmutador compartido.</translation>
    </message>
    <message>
        <source>Radio for %1</source>
        <translation>Radio para %1</translation>
    </message>
    <message>
        <source>Which radio’s frequency selects the band position of %1.</source>
        <translation>La radio cuya frecuencia elige la posición de banda de %1.</translation>
    </message>
    <message>
        <source>Switch: %1</source>
        <extracomment>%1 is the antenna switch&apos;s name from the station.</extracomment>
        <translation>Conmutador: %1</translation>
    </message>
    <message>
        <source>Tuner: %1</source>
        <extracomment>%1 is the tuner&apos;s name from the station.</extracomment>
        <translation>Acoplador: %1</translation>
    </message>
    <message>
        <source>The station has reported no switches or tuners yet.</source>
        <translation>La estación aún no ha informado de ningún conmutador ni acoplador.</translation>
    </message>
</context>
<context>
    <name>IntegrationEditor</name>
    <message>
        <source>Stop this input.</source>
        <translation>Detener esta entrada.</translation>
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
        <translation>Número de serie del dispositivo</translation>
    </message>
    <message>
        <source>The serial number printed on the encoder device.</source>
        <translation>El número de serie impreso en el encoder.</translation>
    </message>
    <message>
        <source>Encoder channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canal del encoder </translation>
    </message>
    <message>
        <source>Encoder channel</source>
        <translation>Canal del encoder</translation>
    </message>
    <message>
        <source>The device channel of the encoder.</source>
        <translation>El canal del dispositivo del encoder.</translation>
    </message>
    <message>
        <source>Button channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canal del botón </translation>
    </message>
    <message>
        <source>Button channel</source>
        <translation>Canal del botón</translation>
    </message>
    <message>
        <source>The digital input of the encoder’s button; −1 for none.</source>
        <translation>La entrada digital del botón del encoder; −1 si no hay.</translation>
    </message>
    <message>
        <source>Degrees/count</source>
        <translation>Grados/pulso</translation>
    </message>
    <message>
        <source>Degrees per encoder count when turning a rotor; negative reverses the direction.</source>
        <translation>Grados por pulso del encoder al girar un rotor; un valor negativo invierte el sentido.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack output, T: tuner positions).</source>
        <translation>Qué gira el encoder (R: rotor) o entre qué elige (P: preajustes de un rotor, S: posiciones del conmutador, K: salida del stack, T: posiciones del acoplador).</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Start encoder</source>
        <translation>Iniciar encoder</translation>
    </message>
    <message>
        <source>Stop encoder</source>
        <translation>Detener encoder</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Estado del encoder</translation>
    </message>
    <message>
        <source>Store these settings and start reading the encoder.</source>
        <translation>Guarda estos ajustes y empieza a leer el encoder.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Encoder preview</source>
        <translation>Vista previa del encoder</translation>
    </message>
    <message>
        <source>Phidget USB driver and setup</source>
        <translation>Controlador USB y configuración de Phidget</translation>
    </message>
    <message>
        <source>Turning previews a heading or selection. Press the encoder button or Apply to send it. A button channel of −1 disables button input; use a negative step to reverse direction. Enable controls still applies.</source>
        <translation>Al girar se previsualiza un rumbo o una selección. Pulse el botón del encoder o Aplicar para enviarlo. Un canal de botón −1 desactiva el botón; use un valor negativo para invertir el sentido. Habilitar control sigue aplicándose.</translation>
    </message>
    <message>
        <source>The encoder is not running.</source>
        <translation>El encoder no está en marcha.</translation>
    </message>
    <message>
        <source>Send the previewed heading or selection now.</source>
        <translation>Envía ahora el rumbo o la selección previsualizados.</translation>
    </message>
    <message>
        <source>Turn on “Enable logger commands and automatic band selection” to send.</source>
        <translation>Active “Habilitar comandos del logger y selección automática de banda” para enviar.</translation>
    </message>
    <message>
        <source>Connect to the server to send.</source>
        <translation>Conéctese al servidor para enviar.</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Vista previa: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>IntegrationEventsSection</name>
    <message>
        <source>Received integration events</source>
        <translation>Eventos de integración recibidos</translation>
    </message>
    <message>
        <source>No events received</source>
        <translation>No se han recibido eventos</translation>
    </message>
    <message>
        <source>The logger events and key tokens this server’s inputs received, oldest first (the last %1).</source>
        <translation>Los eventos del logger y tokens de tecla que recibieron las entradas de este servidor, del más antiguo al más reciente (los últimos %1).</translation>
    </message>
</context>
<context>
    <name>IntegrationKeysSection</name>
    <message>
        <source>Keyboard shortcuts and UDP keys</source>
        <translation>Atajos de teclado y teclas UDP</translation>
    </message>
    <message>
        <source>Key tokens also work while the main app window is focused, outside text fields. Examples: CTRL R, SHIFT S, Escape.</source>
        <translation>Los tokens de tecla también funcionan con la ventana principal activa, fuera de los campos de texto. Ejemplos: CTRL R, SHIFT S, Escape.</translation>
    </message>
    <message>
        <source>Global keyboard shortcuts</source>
        <translation>Atajos de teclado globales</translation>
    </message>
    <message>
        <source>Also take key tokens typed in other programs.</source>
        <translation>Aceptar también tokens de tecla escritos en otros programas.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session.</source>
        <translation>Los atajos globales no están disponibles en esta sesión.</translation>
    </message>
    <message>
        <source>Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard listening after changing this switch.</source>
        <translation>En este escritorio los atajos globales no necesitan permisos adicionales, solo un modificador Control, Alt o Super (CTRL, ALT, CMD en los tokens). Se aplican a la pestaña de servidor seleccionada. Reinicie la escucha del teclado después de cambiar esta opción.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session: this desktop does not let programs watch keys typed elsewhere. Keys in the main window and UDP key tokens still work.</source>
        <translation>Los atajos globales no están disponibles en esta sesión: este escritorio no permite a los programas vigilar las teclas pulsadas en otras aplicaciones. Las teclas en la ventana principal y los tokens de tecla UDP siguen funcionando.</translation>
    </message>
    <message>
        <source>Local keyboard UDP port</source>
        <translation>Puerto UDP local del teclado</translation>
    </message>
    <message>
        <source>Key tokens sent to 127.0.0.1 on this port fire the bindings below.</source>
        <translation>Los tokens de tecla enviados a 127.0.0.1 en este puerto activan las asignaciones de abajo.</translation>
    </message>
    <message>
        <source>Start keyboard</source>
        <translation>Iniciar teclado</translation>
    </message>
    <message>
        <source>Stop keyboard</source>
        <translation>Detener teclado</translation>
    </message>
    <message>
        <source>Keyboard status</source>
        <translation>Estado del teclado</translation>
    </message>
    <message>
        <source>Store these settings and start listening for keys and UDP key tokens.</source>
        <translation>Guarda estos ajustes y empieza a escuchar teclas y tokens de tecla UDP.</translation>
    </message>
    <message>
        <source>Add key binding</source>
        <translation>Añadir asignación de tecla</translation>
    </message>
    <message>
        <source>Add a key token and what it does.</source>
        <translation>Añade un token de tecla y su acción.</translation>
    </message>
    <message>
        <source>No key bindings</source>
        <translation>Sin asignaciones de tecla</translation>
    </message>
    <message>
        <source>Key token</source>
        <translation>Token de tecla</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Key token %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Token de tecla %1</translation>
    </message>
    <message>
        <source>The key token that fires this binding, such as CTRL R.</source>
        <translation>El token de tecla que activa esta asignación, como CTRL R.</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Dispositivo %1</translation>
    </message>
    <message>
        <source>R: rotor, S: antenna switch, K: stack output, T: tuner.</source>
        <translation>R: rotor, S: conmutador de antenas, K: salida del stack, T: acoplador.</translation>
    </message>
    <message>
        <source>Action %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Acción %1</translation>
    </message>
    <message>
        <source>What the binding does with its device.</source>
        <translation>Lo que hace la asignación con su dispositivo.</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Rumbo %1</translation>
    </message>
    <message>
        <source>The heading a Rotate binding turns its rotor to.</source>
        <translation>El rumbo al que una asignación Girar lleva su rotor.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Posición %1</translation>
    </message>
    <message>
        <source>The switch or tuner position to select; Next and Previous step instead.</source>
        <translation>La posición del conmutador o del acoplador que se selecciona; Siguiente y Anterior avanzan un paso.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove this key binding.</source>
        <translation>Quita esta asignación de tecla.</translation>
    </message>
    <message>
        <source>Remove binding %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Quitar asignación %1</translation>
    </message>
    <message>
        <source>The keyboard input is not running.</source>
        <translation>La entrada de teclado no está en marcha.</translation>
    </message>
</context>
<context>
    <name>IntegrationLoggerSection</name>
    <message>
        <source>Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111.</source>
        <translation>Escuche en 127.0.0.1 para programas locales, o en la dirección LAN de este ordenador para un logger remoto. Rotor N1MM: 12050; datos de radio: 12060; Win-Test: 9871; teclado UDP: 61111.</translation>
    </message>
    <message>
        <source>Connect to the N3FJP API (normally port 1100).</source>
        <translation>Conectar a la API de N3FJP (normalmente el puerto 1100).</translation>
    </message>
    <message>
        <source>Logger and automatic controls</source>
        <translation>Logger y controles automáticos</translation>
    </message>
    <message>
        <source>Enable logger commands and automatic band selection</source>
        <translation>Habilitar comandos del logger y selección automática de banda</translation>
    </message>
    <message>
        <source>Send the rotor turns, band selections and key bindings of this server’s inputs. Events are listed either way.</source>
        <translation>Envía los giros de rotor, las selecciones de banda y las asignaciones de tecla de las entradas de este servidor. Los eventos se listan en cualquier caso.</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>The logger program, or key tokens over UDP.</source>
        <translation>El programa de logger, o tokens de tecla por UDP.</translation>
    </message>
    <message>
        <source>Logger host</source>
        <translation>Host del logger</translation>
    </message>
    <message>
        <source>The address to listen on, or the N3FJP computer.</source>
        <translation>La dirección en la que escuchar, o el ordenador con N3FJP.</translation>
    </message>
    <message>
        <source>Logger port</source>
        <translation>Puerto del logger</translation>
    </message>
    <message>
        <source>The UDP port to listen on, or the N3FJP API port.</source>
        <translation>El puerto UDP en el que escuchar, o el puerto de la API de N3FJP.</translation>
    </message>
    <message>
        <source>Station name filter (optional)</source>
        <translation>Filtro por nombre de estación (opcional)</translation>
    </message>
    <message>
        <source>Only messages from this N1MM or Win-Test station; blank for every station.</source>
        <translation>Solo mensajes de esta estación N1MM o Win-Test; vacío para todas las estaciones.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Start logger</source>
        <translation>Iniciar logger</translation>
    </message>
    <message>
        <source>Stop logger</source>
        <translation>Detener logger</translation>
    </message>
    <message>
        <source>Logger status</source>
        <translation>Estado del logger</translation>
    </message>
    <message>
        <source>Store these settings and start the logger input.</source>
        <translation>Guarda estos ajustes e inicia la entrada del logger.</translation>
    </message>
    <message>
        <source>Radio A rotor</source>
        <translation>Rotor de la radio A</translation>
    </message>
    <message>
        <source>The rotor that radio A’s rotor commands turn.</source>
        <translation>El rotor que giran los comandos de rotor de la radio A.</translation>
    </message>
    <message>
        <source>Radio B rotor</source>
        <translation>Rotor de la radio B</translation>
    </message>
    <message>
        <source>The rotor that radio B’s rotor commands turn.</source>
        <translation>El rotor que giran los comandos de rotor de la radio B.</translation>
    </message>
    <message>
        <source>Rotor and antenna Enable controls also apply. No commands are replayed after reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s port.</source>
        <translation>También se aplican los interruptores Habilitar control y Habilitar controles de antena. No se repiten comandos tras reconectar. Configure las difusiones de radio y rotor de N1MM hacia el puerto de este receptor.</translation>
    </message>
    <message>
        <source>The logger input is not running.</source>
        <translation>La entrada del logger no está en marcha.</translation>
    </message>
</context>
<context>
    <name>IntegrationRotctldSection</name>
    <message>
        <source>rotctld server</source>
        <translation>Servidor rotctld</translation>
    </message>
    <message>
        <source>rotctld host</source>
        <translation>Host de rotctld</translation>
    </message>
    <message>
        <source>The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN address for programs elsewhere.</source>
        <translation>La dirección en la que escuchar: 127.0.0.1 para programas de este ordenador, o la dirección LAN de este ordenador para programas de otros equipos.</translation>
    </message>
    <message>
        <source>rotctld port</source>
        <translation>Puerto de rotctld</translation>
    </message>
    <message>
        <source>The TCP port rotctld clients connect to; rotctld’s own is 4533.</source>
        <translation>El puerto TCP al que se conectan los clientes de rotctld; el propio de rotctld es 4533.</translation>
    </message>
    <message>
        <source>rotctld rotor</source>
        <translation>Rotor de rotctld</translation>
    </message>
    <message>
        <source>The rotor that rotctld clients read, turn and stop.</source>
        <translation>El rotor que los clientes de rotctld leen, giran y detienen.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Rumbo de aparcamiento</translation>
    </message>
    <message>
        <source>Where a rotctld client’s park command turns the rotor.</source>
        <translation>Adónde gira el rotor el comando de aparcar de un cliente de rotctld.</translation>
    </message>
    <message>
        <source>Re-aim tolerance</source>
        <translation>Tolerancia de reorientación</translation>
    </message>
    <message>
        <source>A tracker’s target this close to the turn under way, or to the heading of an idle rotor, turns nothing; farther targets turn the rotor at most once a second.</source>
        <translation>Un objetivo de un programa de seguimiento tan cerca del giro en curso, o del rumbo de un rotor parado, no gira nada; los objetivos más lejanos giran el rotor como máximo una vez por segundo.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Start rotctld server</source>
        <translation>Iniciar servidor rotctld</translation>
    </message>
    <message>
        <source>Stop rotctld server</source>
        <translation>Detener servidor rotctld</translation>
    </message>
    <message>
        <source>Rotctld server status</source>
        <translation>Estado del servidor rotctld</translation>
    </message>
    <message>
        <source>Store these settings and serve rotctld clients from this tab.</source>
        <translation>Guarda estos ajustes y atiende a los clientes de rotctld desde esta pestaña.</translation>
    </message>
    <message>
        <source>Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the same Enable control and heading checks as this window and are logged with the client’s address. A LAN address lets any computer on the network turn the rotor.</source>
        <translation>Los programas de seguimiento de satélites, loggers y paneles que hablan el protocolo rotctld dirigen el rotor elegido a través de esta pestaña, por ejemplo rotctl -m 2 -r 127.0.0.1:4533. Sus comandos pasan las mismas comprobaciones de Habilitar control y de rumbo que esta ventana y se registran con la dirección del cliente. Una dirección LAN permite que cualquier ordenador de la red gire el rotor.</translation>
    </message>
    <message>
        <source>no clients</source>
        <translation>sin clientes</translation>
    </message>
    <message>
        <source>1 client</source>
        <translation>1 cliente</translation>
    </message>
    <message numerus="yes">
        <source>%n clients</source>
        <translation>
            <numerusform>%n cliente</numerusform>
            <numerusform>%n clientes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>%1 is the server&apos;s own status, %2 how many clients are connected.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>The rotctld server is not running.</source>
        <translation>El servidor rotctld no está en marcha.</translation>
    </message>
</context>
<context>
    <name>IntegrationSettingsView</name>
    <message>
        <source>Integrations</source>
        <translation>Integraciones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Store these settings for this server and close.</source>
        <translation>Guarda estos ajustes para este servidor y cierra.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
        <translation>Host de WSJT-X</translation>
    </message>
    <message>
        <source>The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1.</source>
        <translation>La dirección a la que WSJT-X envía sus mensajes UDP: 127.0.0.1, o un grupo multicast como 224.0.0.1.</translation>
    </message>
    <message>
        <source>WSJT-X port</source>
        <translation>Puerto de WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X&apos;s UDP server port; its own default is 2237.</source>
        <translation>El puerto del servidor UDP de WSJT-X; el suyo por defecto es 2237.</translation>
    </message>
    <message>
        <source>WSJT-X rotor</source>
        <translation>Rotor de WSJT-X</translation>
    </message>
    <message>
        <source>The rotor whose Point at field follows WSJT-X&apos;s DX call and grid.</source>
        <translation>El rotor cuyo campo Apuntar a sigue el indicativo DX y el localizador de WSJT-X.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Start WSJT-X</source>
        <translation>Iniciar WSJT-X</translation>
    </message>
    <message>
        <source>Stop WSJT-X</source>
        <translation>Detener WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X status</source>
        <translation>Estado de WSJT-X</translation>
    </message>
    <message>
        <source>Store these settings and listen for WSJT-X&apos;s messages.</source>
        <translation>Guarda estos ajustes y escucha los mensajes de WSJT-X.</translation>
    </message>
    <message>
        <source>The chosen rotor&apos;s Point at field follows the DX call and grid of WSJT-X&apos;s status (a grid beats a prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A&apos;s frequency from a logger does. JTDX and similar programs send the same messages.</source>
        <translation>El campo Apuntar a del rotor elegido sigue el indicativo DX y el localizador del estado de WSJT-X (un localizador prevalece sobre un prefijo); nada gira hasta que pulse Girar. La frecuencia del dial controla la automatización de bandas igual que la frecuencia de la radio A de un logger. JTDX y programas similares envían los mismos mensajes.</translation>
    </message>
    <message>
        <source>WSJT-X is not listened to.</source>
        <translation>No se escucha a WSJT-X.</translation>
    </message>
</context>
<context>
    <name>KeltoClient</name>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connected · live station data</source>
        <translation>Conectado · datos de la estación en vivo</translation>
    </message>
    <message>
        <source>Enter a hostname and a port from 1 to 65535.</source>
        <translation>Introduzca un nombre de host y un puerto de 1 a 65535.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Conectando a %1:%2…</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>Error de conexión: %1</translation>
    </message>
    <message>
        <source>Checking rotctld…</source>
        <translation>Comprobando rotctld…</translation>
    </message>
    <message>
        <source>Checking KT-90 terminal…</source>
        <translation>Comprobando el terminal KT-90…</translation>
    </message>
    <message>
        <source>Checking OV Varnex server…</source>
        <translation>Comprobando el servidor OV Varnex…</translation>
    </message>
    <message>
        <source>UDP ready to %1:%2</source>
        <translation>UDP listo hacia %1:%2</translation>
    </message>
    <message>
        <source>TCP connected to %1:%2</source>
        <translation>TCP conectado a %1:%2</translation>
    </message>
    <message>
        <source>Connection unavailable: %1</source>
        <translation>Conexión no disponible: %1</translation>
    </message>
    <message>
        <source>rotctld closed the connection.</source>
        <translation>rotctld cerró la conexión.</translation>
    </message>
    <message>
        <source>Server closed the connection.</source>
        <translation>El servidor cerró la conexión.</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Conexión perdida: %1</translation>
    </message>
    <message>
        <source>UDP connection lost: %1</source>
        <translation>Conexión UDP perdida: %1</translation>
    </message>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation>
            <numerusform>rotctld dejó de responder: %n comando espera respuesta.</numerusform>
            <numerusform>rotctld dejó de responder: %n comandos esperan respuesta.</numerusform>
        </translation>
    </message>
    <message>
        <source>rotctld reported an error: %1 (RPRT %2).</source>
        <translation>rotctld informó de un error: %1 (RPRT %2).</translation>
    </message>
    <message>
        <source>Checking KT-90 serial port…</source>
        <translation>Comprobando el puerto serie del KT-90…</translation>
    </message>
    <message>
        <source>Opened serial port %1 at %2 baud</source>
        <translation>Puerto serie %1 abierto a %2 baudios</translation>
    </message>
    <message>
        <source>No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN.</source>
        <translation>Ninguna respuesta compatible de servidor o dispositivo en 10 segundos. Compruebe la dirección del servidor, el puerto, la LAN o la VPN.</translation>
    </message>
    <message>
        <source>No server data for 20 seconds. Reconnect to refresh the station.</source>
        <translation>Sin datos del servidor durante 20 segundos. Vuelva a conectar para actualizar la estación.</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Error de envío: %1</translation>
    </message>
    <message>
        <source>Send failed: the server stopped reading; more than %1 KiB of commands are waiting.</source>
        <translation>Error de envío: el servidor dejó de leer; hay más de %1 KiB de comandos en espera.</translation>
    </message>
    <message>
        <source>Discovered %1</source>
        <translation>Detectado: %1</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>Eliminado: %1</translation>
    </message>
    <message>
        <source>Server connection limit reached.</source>
        <translation>Se alcanzó el límite de conexiones del servidor.</translation>
    </message>
    <message>
        <source>Server requested disconnection.</source>
        <translation>El servidor solicitó la desconexión.</translation>
    </message>
    <message>
        <source>The station reports more than %1 devices; the connection was ended.</source>
        <translation>La estación informa de más de %1 dispositivos; se terminó la conexión.</translation>
    </message>
    <message>
        <source>The station&apos;s data exceeds %1 MiB; the connection was ended.</source>
        <translation>Los datos de la estación superan %1 MiB; se terminó la conexión.</translation>
    </message>
    <message>
        <source>Reading the saved login…</source>
        <translation>Leyendo el inicio de sesión guardado…</translation>
    </message>
    <message>
        <source>Saved login could not be read from the system keychain. Enter your server credentials.</source>
        <translation>No se pudo leer el inicio de sesión guardado del llavero del sistema. Introduzca sus credenciales del servidor.</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Autenticando…</translation>
    </message>
    <message>
        <source>This server requires a username and password.</source>
        <translation>Este servidor requiere usuario y contraseña.</translation>
    </message>
    <message>
        <source>Server rejected the username or password. Please try again.</source>
        <translation>El servidor rechazó el usuario o la contraseña. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Connected, but the login could not be saved in the system keychain. You may be asked again next time.</source>
        <translation>Conectado, pero no se pudo guardar el inicio de sesión en el llavero del sistema. Es posible que se le vuelva a pedir la próxima vez.</translation>
    </message>
    <message>
        <source>not connected to the station</source>
        <translation>no conectado a la estación</translation>
    </message>
    <message>
        <source>control is off</source>
        <translation>el control está desactivado</translation>
    </message>
    <message>
        <source>rotor not on the station</source>
        <translation>el rotor no está en la estación</translation>
    </message>
    <message>
        <source>heading is stale</source>
        <translation>el rumbo está desactualizado</translation>
    </message>
    <message>
        <source>heading is changing</source>
        <translation>el rumbo está cambiando</translation>
    </message>
    <message>
        <source>rotor does not accept a turn</source>
        <translation>el rotor no acepta giros</translation>
    </message>
    <message>
        <source>controller has no jog command</source>
        <translation>el controlador no tiene comando de paso</translation>
    </message>
    <message>
        <source>heading is outside the rotor&apos;s limits</source>
        <translation>el rumbo está fuera de los límites del rotor</translation>
    </message>
    <message>
        <source>Turn blocked: control is disabled or heading is stale.</source>
        <translation>Giro denegado: el control está desactivado o el rumbo está desactualizado.</translation>
    </message>
    <message>
        <source>Turn blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Giro denegado: %1.</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2°</source>
        <translation>Giro solicitado: %1 → %2°</translation>
    </message>
    <message>
        <source>Turn requested: %1 → %2° (for %3°)</source>
        <translation>Giro solicitado: %1 → %2° (para %3°)</translation>
    </message>
    <message>
        <source>Stop requested: %1</source>
        <translation>Parada solicitada: %1</translation>
    </message>
    <message>
        <source>Jog blocked: control disabled, stale or moving.</source>
        <translation>Paso denegado: control desactivado, rumbo desactualizado o en movimiento.</translation>
    </message>
    <message>
        <source>Jog blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Paso denegado: %1.</translation>
    </message>
    <message>
        <source>Jog requested: %1 CW</source>
        <translation>Paso solicitado: %1 horario</translation>
    </message>
    <message>
        <source>Jog requested: %1 CCW</source>
        <translation>Paso solicitado: %1 antihorario</translation>
    </message>
    <message>
        <source>Preset turn blocked: controls disabled, stale heading, or unknown preset.</source>
        <translation>Giro a preajuste denegado: controles desactivados, rumbo desactualizado o preajuste desconocido.</translation>
    </message>
    <message>
        <source>Preset turn blocked: %1 has limits and the server does not say where “%2” points.</source>
        <translation>Giro a preajuste denegado: %1 tiene límites y el servidor no indica hacia dónde apunta “%2”.</translation>
    </message>
    <message>
        <source>Preset turn requested: %1 → %2</source>
        <translation>Giro a preajuste solicitado: %1 → %2</translation>
    </message>
    <message>
        <source>Requested server presets</source>
        <translation>Preajustes del servidor solicitados</translation>
    </message>
    <message>
        <source>Rotor lock request blocked: control is disabled or rotor is unavailable.</source>
        <translation>Solicitud de bloqueo del rotor denegada: el control está desactivado o el rotor no está disponible.</translation>
    </message>
    <message>
        <source>Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Bloqueo solicitado: %1. El servidor no confirma la propiedad; otros clientes con la misma IP comparten el bloqueo.</translation>
    </message>
    <message>
        <source>Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Desbloqueo solicitado: %1. El servidor no confirma la propiedad; otros clientes con la misma IP comparten el bloqueo.</translation>
    </message>
    <message>
        <source>Stack command blocked: controls disabled or unavailable status.</source>
        <translation>Comando de stack denegado: controles desactivados o estado no disponible.</translation>
    </message>
    <message>
        <source>Stack requested: %1 on</source>
        <translation>Stack solicitado: %1 activado</translation>
    </message>
    <message>
        <source>Stack requested: %1 off</source>
        <translation>Stack solicitado: %1 desactivado</translation>
    </message>
    <message>
        <source>Switch blocked: controls disabled, stale status, locked position, or incompatible command.</source>
        <translation>Conmutación denegada: controles desactivados, estado desactualizado, posición bloqueada o comando incompatible.</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2</source>
        <translation>Conmutación solicitada: %1 → %2</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 on</source>
        <translation>Conmutación solicitada: %1 → %2 activado</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 off</source>
        <translation>Conmutación solicitada: %1 → %2 desactivado</translation>
    </message>
    <message>
        <source>Tuner position requested: %1 → %2</source>
        <translation>Posición de acoplador solicitada: %1 → %2</translation>
    </message>
    <message>
        <source>Tuner adjustment requested: %1 / %2</source>
        <translation>Ajuste de acoplador solicitado: %1 / %2</translation>
    </message>
    <message>
        <source>Tuner calibration requested: %1 / %2</source>
        <translation>Calibración de acoplador solicitada: %1 / %2</translation>
    </message>
    <message>
        <source>Disconnected · last known station</source>
        <translation>Desconectado · último estado conocido</translation>
    </message>
</context>
<context>
    <name>KeyBinding</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <extracomment>Key action: turn the rotor to the binding&apos;s heading.</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>CW</source>
        <extracomment>Key action: jog the rotor clockwise.</extracomment>
        <translation>Horario</translation>
    </message>
    <message>
        <source>CCW</source>
        <extracomment>Key action: jog the rotor counterclockwise.</extracomment>
        <translation>Antihorario</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Key action, a verb: turn the rotor to its park heading.</extracomment>
        <translation>Aparcar</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Girar camino corto</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Girar camino largo</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Key action: select the binding&apos;s switch or tuner position.</extracomment>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Key action: step to the next switch position.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Key action: step to the previous switch position.</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Key action: turn a stack output on or off.</extracomment>
        <translation>Alternar</translation>
    </message>
</context>
<context>
    <name>KeychainError</name>
    <message>
        <source>Keychain error (%1).</source>
        <translation>Error del llavero (%1).</translation>
    </message>
</context>
<context>
    <name>LandData</name>
    <message>
        <source>The land outline file is damaged: it is not a land outline file.</source>
        <translation>El archivo de contornos terrestres está dañado: no es un archivo de contornos terrestres.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its version %1 is not known.</source>
        <translation>El archivo de contornos terrestres está dañado: su versión %1 no es conocida.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: it claims more outlines than any map holds.</source>
        <translation>El archivo de contornos terrestres está dañado: declara más contornos de los que cabe en un mapa.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its length does not match its header.</source>
        <translation>El archivo de contornos terrestres está dañado: su longitud no coincide con su cabecera.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 has a wrong number of points.</source>
        <translation>El archivo de contornos terrestres está dañado: el contorno %1 tiene un número de puntos incorrecto.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 leaves the globe.</source>
        <translation>El archivo de contornos terrestres está dañado: el contorno %1 se sale del globo.</translation>
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
        <translation>Disposición de dispositivos y filtros de banda</translation>
    </message>
    <message>
        <source>Show devices for the current logger band</source>
        <translation>Mostrar dispositivos de la banda actual del logger</translation>
    </message>
    <message>
        <source>Show only the devices listed for the band the logger’s radio is on.</source>
        <translation>Muestra solo los dispositivos asignados a la banda en la que está la radio del logger.</translation>
    </message>
    <message>
        <source>Band source</source>
        <translation>Origen de la banda</translation>
    </message>
    <message>
        <source>The radio whose frequency names the current band.</source>
        <translation>La radio cuya frecuencia determina la banda actual.</translation>
    </message>
    <message>
        <source>Rotor card width</source>
        <translation>Ancho de la tarjeta de rotor</translation>
    </message>
    <message>
        <source>Width of the rotor cards, from %1 to %2 points.</source>
        <translation>Ancho de las tarjetas de rotor, de %1 a %2 puntos.</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Color de acento</translation>
    </message>
    <message>
        <source>The colour along the top of every card.</source>
        <translation>El color de la parte superior de cada tarjeta.</translation>
    </message>
    <message>
        <source>Leave bands blank to show a device on all bands. Use comma-separated names such as 20m, 40m. Lower order numbers appear first. Devices remain visible when no logger band is known.</source>
        <translation>Deje las bandas en blanco para mostrar un dispositivo en todas las bandas. Use nombres separados por comas, como 20m, 40m. Los números de orden más bajos aparecen primero. Los dispositivos siguen visibles cuando no se conoce la banda del logger.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the layout editor.</source>
        <translation>Cierra el editor de disposición.</translation>
    </message>
    <message>
        <source>Save layout</source>
        <translation>Guardar disposición</translation>
    </message>
    <message>
        <source>Discard layout changes?</source>
        <translation>¿Descartar los cambios de la disposición?</translation>
    </message>
    <message>
        <source>The changes to this layout have not been saved.</source>
        <translation>Los cambios de esta disposición no se han guardado.</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Descartar cambios</translation>
    </message>
    <message>
        <source>The station has reported no devices yet.</source>
        <translation>La estación aún no ha informado de ningún dispositivo.</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>Column heading: where the device&apos;s card comes among the others.</extracomment>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bandas</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
    <message>
        <source>Show the card of %1.</source>
        <translation>Muestra la tarjeta de %1.</translation>
    </message>
    <message>
        <source>Bands for %1</source>
        <translation>Bandas de %1</translation>
    </message>
    <message>
        <source>All bands</source>
        <translation>Todas las bandas</translation>
    </message>
    <message>
        <source>Comma-separated band names such as 20m, 40m; blank for all bands.</source>
        <translation>Nombres de banda separados por comas, como 20m, 40m; vacío para todas las bandas.</translation>
    </message>
    <message>
        <source>Order of %1</source>
        <translation>Orden de %1</translation>
    </message>
    <message>
        <source>Lower order numbers appear first.</source>
        <translation>Los números de orden más bajos aparecen primero.</translation>
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
        <translation>Cualquier radio</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Use this layout now and keep it for this server.</source>
        <translation>Usa esta disposición ahora y la guarda para este servidor.</translation>
    </message>
    <message>
        <source>Nothing has changed since the layout was saved.</source>
        <translation>No ha cambiado nada desde que se guardó la disposición.</translation>
    </message>
</context>
<context>
    <name>LineDecoder</name>
    <message>
        <source>Invalid server text encoding.</source>
        <translation>Codificación de texto del servidor no válida.</translation>
    </message>
    <message>
        <source>Server message exceeds the size limit.</source>
        <translation>El mensaje del servidor supera el límite de tamaño.</translation>
    </message>
</context>
<context>
    <name>LiveLogView</name>
    <message>
        <source>No connection activity yet.</source>
        <translation>Todavía no hay actividad de conexión.</translation>
    </message>
    <message>
        <source>Connection and command log</source>
        <translation>Registro de conexión y comandos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the log window (Escape).</source>
        <translation>Cierra la ventana del registro (Escape).</translation>
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
        <translation>El archivo de registro alcanzó %1 MiB; las líneas posteriores no se escriben en él.</translation>
    </message>
</context>
<context>
    <name>LoggerKind</name>
    <message>
        <source>Keyboard UDP</source>
        <translation>Teclado UDP</translation>
    </message>
</context>
<context>
    <name>LoggerTransport</name>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Introduzca un host y un puerto válidos.</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Escuchando en %1:%2</translation>
    </message>
    <message>
        <source>Connected to N3FJP</source>
        <translation>Conectado a N3FJP</translation>
    </message>
    <message>
        <source>Logger connection timed out.</source>
        <translation>Se agotó el tiempo de conexión del logger.</translation>
    </message>
    <message>
        <source>Logger frame too large.</source>
        <translation>Trama del logger demasiado grande.</translation>
    </message>
    <message>
        <source>Logger disconnected.</source>
        <translation>Logger desconectado.</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>&amp;Ajustes…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>&amp;Registro de conexión</translation>
    </message>
    <message>
        <source>&amp;World map</source>
        <translation>&amp;Mapa mundial</translation>
    </message>
    <message>
        <source>&amp;Remote access…</source>
        <translation>A&amp;cceso remoto…</translation>
    </message>
    <message>
        <source>&amp;Country file…</source>
        <translation>Archivo de &amp;países…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Xalto Station Control</source>
        <translation>Acerca &amp;de Xalto Station Control</translation>
    </message>
    <message>
        <source>About Xalto Station Control</source>
        <translation>Acerca de Xalto Station Control</translation>
    </message>
    <message>
        <source>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</source>
        <translation>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Versión %1</translation>
    </message>
    <message>
        <source>Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners.&lt;br&gt;&lt;br&gt;Free software under the GNU General Public License, version 3 or later.&lt;br&gt;Map data and place search © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;.&lt;br&gt;World map land: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Built with Qt %1, running on Qt %2.</source>
        <translation>Control de estación para radioaficionados: rotores, conmutadores de antenas, salidas de stack y acopladores.&lt;br&gt;&lt;br&gt;Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.&lt;br&gt;Datos de mapa y búsqueda de lugares © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;colaboradores de OpenStreetMap&lt;/a&gt;.&lt;br&gt;Tierras del mapa mundial: hecho con &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Compilado con Qt %1, ejecutándose en Qt %2.</translation>
    </message>
</context>
<context>
    <name>NominatimPlaceSearch</name>
    <message>
        <source>The address lookup service “%1” is not a web address.</source>
        <translation>El servicio de búsqueda de direcciones “%1” no es una dirección web.</translation>
    </message>
    <message>
        <source>The address lookup service answered %1 %2.</source>
        <translation>El servicio de búsqueda de direcciones respondió %1 %2.</translation>
    </message>
    <message>
        <source>The address lookup failed: %1.</source>
        <translation>La búsqueda de la dirección falló: %1.</translation>
    </message>
    <message>
        <source>The address lookup service sent an answer that could not be read.</source>
        <translation>El servicio de búsqueda de direcciones envió una respuesta que no se pudo leer.</translation>
    </message>
</context>
<context>
    <name>OVVProtocol</name>
    <message>
        <source>This server uses Windows text encoding; a character cannot be represented.</source>
        <translation>Este servidor usa la codificación de texto de Windows; un carácter no se puede representar.</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>Control</source>
        <extracomment>Role of a paired phone: it may turn rotors and switch antennas</extracomment>
        <translation>Control</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>Role of a paired phone: it may only look</extracomment>
        <translation>Observar</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
</context>
<context>
    <name>PhidgetEncoder</name>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Enter a device serial number and valid channel.</source>
        <translation>Introduzca un número de serie de dispositivo y un canal válido.</translation>
    </message>
</context>
<context>
    <name>PhidgetFunctions</name>
    <message>
        <source>Missing Phidget22 function: %1</source>
        <translation>Falta la función de Phidget22: %1</translation>
    </message>
</context>
<context>
    <name>PointAtPanel</name>
    <message>
        <source>Point at</source>
        <translation>Apuntar a</translation>
    </message>
    <message>
        <source>Point %1 at</source>
        <translation>Apuntar %1 a</translation>
    </message>
    <message>
        <source>Call, prefix or locator</source>
        <translation>Indicativo, prefijo o localizador</translation>
    </message>
    <message>
        <source>Point-at place for %1</source>
        <translation>Lugar de destino de %1</translation>
    </message>
    <message>
        <source>Point-at source for %1</source>
        <translation>Origen del destino de %1</translation>
    </message>
    <message>
        <source>Short path for %1</source>
        <translation>Camino corto de %1</translation>
    </message>
    <message>
        <source>Long path for %1</source>
        <translation>Camino largo de %1</translation>
    </message>
    <message>
        <source>Point-at note for %1</source>
        <translation>Nota de destino de %1</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Girar camino corto</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Girar camino largo</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Corto</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Turn when the DX call changes</source>
        <translation>Girar cuando cambie el indicativo DX</translation>
    </message>
    <message>
        <source>Turn %1 when the DX call changes</source>
        <translation>Girar %1 cuando cambie el indicativo DX</translation>
    </message>
    <message>
        <source>When WSJT-X reports a new DX call for %1, turn the short path at once, through the same guards as the buttons.</source>
        <translation>Cuando WSJT-X indique un nuevo indicativo DX para %1, gira de inmediato por el camino corto, con las mismas protecciones que los botones.</translation>
    </message>
</context>
<context>
    <name>PointAtState</name>
    <message>
        <source>Call sign, prefix or locator; Return turns the short path.</source>
        <translation>Indicativo, prefijo o localizador; Return gira por el camino corto.</translation>
    </message>
    <message>
        <source>This rotor has no position: set its tower location, or give the server profile a site.</source>
        <translation>Este rotor no tiene posición: defina la ubicación de su torre o asigne un emplazamiento al perfil del servidor.</translation>
    </message>
    <message>
        <source>Turn %1 to the short path of the target.</source>
        <translation>Girar %1 al camino corto del destino.</translation>
    </message>
    <message>
        <source>Turn %1 to the long path of the target.</source>
        <translation>Girar %1 al camino largo del destino.</translation>
    </message>
    <message>
        <source>Near the antipode of the tower: every heading is about as short, so the bearing means little.</source>
        <translation>Cerca de la antípoda de la torre: todos los rumbos son casi igual de cortos, así que el acimut significa poco.</translation>
    </message>
    <message>
        <source>No heading can be worked out for this place.</source>
        <translation>No se puede calcular ningún rumbo para este lugar.</translation>
    </message>
    <message>
        <source>No position for %1: place its tower with “Set tower location…” to point at stations.</source>
        <translation>Sin posición para %1: ubique su torre con “Definir ubicación de la torre…” para apuntar a estaciones.</translation>
    </message>
    <message>
        <source>This rotor has no position.</source>
        <translation>Este rotor no tiene posición.</translation>
    </message>
    <message>
        <source>Type a call sign, prefix or locator that resolves.</source>
        <translation>Escriba un indicativo, prefijo o localizador que se pueda resolver.</translation>
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
        <translation>camino largo a %1</translation>
    </message>
    <message>
        <source>short path to %1</source>
        <translation>camino corto a %1</translation>
    </message>
</context>
<context>
    <name>PositionButton</name>
    <message>
        <source>Encoder preview</source>
        <translation>Vista previa del encoder</translation>
    </message>
</context>
<context>
    <name>PositionState</name>
    <message>
        <source>Encoder preview: press the encoder button or Apply to send it.</source>
        <translation>Vista previa del encoder: pulse el botón del encoder o Aplicar para enviarla.</translation>
    </message>
</context>
<context>
    <name>PresetEditorDialog</name>
    <message>
        <source>Presets for %1 · Enter a name and heading for this rotor.</source>
        <translation>Preajustes de %1 · Introduzca un nombre y un rumbo para este rotor.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nombre del preajuste</translation>
    </message>
    <message>
        <source>The name shown on the preset’s button.</source>
        <translation>El nombre que se muestra en el botón del preajuste.</translation>
    </message>
    <message>
        <source>Target heading (°)</source>
        <translation>Rumbo objetivo (°)</translation>
    </message>
    <message>
        <source>Preset target heading</source>
        <translation>Rumbo objetivo del preajuste</translation>
    </message>
    <message>
        <source>Heading in degrees, from 0 to 360.</source>
        <translation>Rumbo en grados, de 0 a 360.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add this preset to %1.</source>
        <translation>Añade este preajuste a %1.</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>No hay preajustes configurados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Close the preset editor.</source>
        <translation>Cierra el editor de preajustes.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Remove the preset %1.</source>
        <translation>Quita el preajuste %1.</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Edit Server</source>
        <translation>Editar servidor</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Añadir servidor</translation>
    </message>
    <message>
        <source>Enter a profile name.</source>
        <translation>Introduzca un nombre de perfil.</translation>
    </message>
    <message>
        <source>Enter the serial device without spaces.</source>
        <translation>Introduzca el dispositivo serie sin espacios.</translation>
    </message>
    <message>
        <source>Enter a hostname or IP address without spaces.</source>
        <translation>Introduzca un nombre de host o una dirección IP sin espacios.</translation>
    </message>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Elija un puerto serie de /dev/ y una velocidad en baudios admitida.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>Introduzca un puerto de 1 a 65535.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Introduzca ambas coordenadas dentro de los rangos indicados.</translation>
    </message>
    <message>
        <source>The site address did not identify one location. Enter a fuller address or latitude and longitude.</source>
        <translation>La dirección del emplazamiento no identificó un único lugar. Introduzca una dirección más completa o la latitud y la longitud.</translation>
    </message>
    <message>
        <source>Site coordinates are outside the supported map range.</source>
        <translation>Las coordenadas del emplazamiento están fuera del rango de mapa admitido.</translation>
    </message>
    <message>
        <source>“%1” is saved. This tab stays connected to its server: choose “%1” in the server menu once it is disconnected, or use “Additional Server” to open it in a tab of its own.</source>
        <extracomment>“Additional Server” is the header button of that name</extracomment>
        <translation>“%1” se ha guardado. Esta pestaña sigue conectada a su servidor: elija “%1” en el menú de servidores cuando esté desconectada, o use “Servidor adicional” para abrirlo en una pestaña propia.</translation>
    </message>
    <message>
        <source>The server could not be verified.</source>
        <translation>No se pudo verificar el servidor.</translation>
    </message>
    <message>
        <source>Settings exported.</source>
        <translation>Ajustes exportados.</translation>
    </message>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation>
            <numerusform>¿Sustituir los ajustes guardados por el perfil de servidor de este archivo? Esto sustituye su configuración guardada y cierra las conexiones abiertas. Las contraseñas no se importan.</numerusform>
            <numerusform>¿Sustituir los ajustes guardados por los %n perfiles de servidor de este archivo? Esto sustituye su configuración guardada y cierra las conexiones abiertas. Las contraseñas no se importan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings imported. Connections remain disconnected.</source>
        <translation>Ajustes importados. Las conexiones siguen desconectadas.</translation>
    </message>
</context>
<context>
    <name>ProfileManagerDialog</name>
    <message>
        <source>Hostname or IP address</source>
        <translation>Nombre de host o dirección IP</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 serial device</source>
        <translation>Dispositivo serie /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close the server editor.</source>
        <translation>Cierra el editor de servidores.</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exportar ajustes</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar ajustes</translation>
    </message>
    <message>
        <source>Connect to any compatible OV Varnex server. Rotators are discovered automatically.</source>
        <translation>Conéctese a cualquier servidor OV Varnex compatible. Los rotores se detectan automáticamente.</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Saved servers, in the order they were added. Choose one to edit it.</source>
        <translation>Servidores guardados, en el orden en que se añadieron. Elija uno para editarlo.</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>Nuevo servidor</translation>
    </message>
    <message>
        <source>Start a new server profile.</source>
        <translation>Crea un nuevo perfil de servidor.</translation>
    </message>
    <message>
        <source>Remove saved server</source>
        <translation>Quitar servidor guardado</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>The name shown in the server menu and on the tab.</source>
        <translation>El nombre que se muestra en el menú de servidores y en la pestaña.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tipo de conexión</translation>
    </message>
    <message>
        <source>How this computer reaches the station: an OV Varnex server, a KT-90 controller over TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld.</source>
        <translation>Cómo llega este ordenador a la estación: un servidor OV Varnex, un controlador KT-90 por TCP, UDP o puerto serie, o un rotor detrás de un rotctld de Hamlib.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Street address</source>
        <translation>Dirección postal</translation>
    </message>
    <message>
        <source>The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved.</source>
        <translation>La dirección postal del emplazamiento. Sin coordenadas, se busca en OpenStreetMap al guardar.</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitud (−85…85)</translation>
    </message>
    <message>
        <source>Site latitude in degrees, from −85 to 85.</source>
        <translation>Latitud del emplazamiento en grados, de −85 a 85.</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitud (−180…180)</translation>
    </message>
    <message>
        <source>Site longitude in degrees, from −180 to 180.</source>
        <translation>Longitud del emplazamiento en grados, de −180 a 180.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Introduzca ambas coordenadas dentro de los rangos indicados.</translation>
    </message>
    <message>
        <source>Addresses are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Las direcciones se buscan en los datos de OpenStreetMap. Abrir su página de copyright.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Site Location (optional)</source>
        <translation>Ubicación del emplazamiento (opcional)</translation>
    </message>
    <message>
        <source>Coordinates provide the starting map location for this server’s rotors. Adjust each tower on the main screen; existing tower positions are preserved. Address-only entries are looked up with OpenStreetMap when saved.</source>
        <translation>Las coordenadas dan la ubicación inicial en el mapa de los rotores de este servidor. Ajuste cada torre en la pantalla principal; las posiciones de torre existentes se conservan. Las entradas con solo dirección se buscan en OpenStreetMap al guardar.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save all saved server settings to a settings file.</source>
        <translation>Guarda todos los ajustes de servidores guardados en un archivo de ajustes.</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Replace the saved settings with those of a settings file, after asking.</source>
        <translation>Sustituye los ajustes guardados por los de un archivo de ajustes, tras preguntar.</translation>
    </message>
    <message>
        <source>Export includes all saved server settings, locations, presets, layouts and integrations. Passwords remain in the system keychain.</source>
        <translation>La exportación incluye todos los ajustes de servidores guardados, ubicaciones, preajustes, disposiciones e integraciones. Las contraseñas permanecen en el llavero del sistema.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>Checking server and site location…</source>
        <translation>Comprobando el servidor y la ubicación del emplazamiento…</translation>
    </message>
    <message>
        <source>Cancel check</source>
        <translation>Cancelar comprobación</translation>
    </message>
    <message>
        <source>Stop checking. Nothing is saved and your edits stay.</source>
        <translation>Deja de comprobar. No se guarda nada y sus cambios se mantienen.</translation>
    </message>
    <message>
        <source>Path of the controller’s serial device, such as /dev/ttyUSB0.</source>
        <translation>Ruta del dispositivo serie del controlador, como /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Host name or IP address of the station server, KT-90 controller or rotctld.</source>
        <translation>Nombre de host o dirección IP del servidor de la estación, del controlador KT-90 o de rotctld.</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baudios</translation>
    </message>
    <message>
        <source>Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.</source>
        <translation>Velocidad del puerto serie en baudios: 4800, 9600, 19200, 38400, 57600 o 115200.</translation>
    </message>
    <message>
        <source>TCP or UDP port of the server, from 1 to 65535.</source>
        <translation>Puerto TCP o UDP del servidor, de 1 a 65535.</translation>
    </message>
    <message>
        <source>4533, rotctld’s usual port</source>
        <translation>4533, el puerto habitual de rotctld</translation>
    </message>
    <message>
        <source>Check that the server answers, then save this profile.</source>
        <translation>Comprueba que el servidor responde y luego guarda este perfil.</translation>
    </message>
    <message>
        <source>Choose a saved server to remove it.</source>
        <translation>Elija un servidor guardado para quitarlo.</translation>
    </message>
    <message>
        <source>Unsaved details</source>
        <translation>Datos sin guardar</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Keep editing to save them, or discard them to continue.</source>
        <translation>Sus cambios no se han guardado. Siga editando para guardarlos, o descártelos para continuar.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Seguir editando</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Descartar cambios</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Could not save server</source>
        <translation>No se pudo guardar el servidor</translation>
    </message>
    <message>
        <source>Import saved settings?</source>
        <translation>¿Importar ajustes guardados?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Settings transfer</source>
        <translation>Transferencia de ajustes</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSheet</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Solo este ordenador (127.0.0.1)</translation>
    </message>
    <message>
        <source>The network, at %1</source>
        <translation>La red, en %1</translation>
    </message>
    <message>
        <source>Serve the remote page</source>
        <translation>Servir la página remota</translation>
    </message>
    <message>
        <source>Phones and tablets that are paired watch the station and, in the Control role, turn rotors and select antennas.</source>
        <translation>Los teléfonos y tabletas emparejados observan la estación y, con el rol Control, giran rotores y seleccionan antenas.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renombrar…</translation>
    </message>
    <message>
        <source>Give the selected device another name.</source>
        <translation>Da otro nombre al dispositivo seleccionado.</translation>
    </message>
    <message>
        <source>Change role</source>
        <translation>Cambiar rol</translation>
    </message>
    <message>
        <source>Switch the selected device between Watch and Control.</source>
        <translation>Cambia el dispositivo seleccionado entre Observar y Control.</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Unpair the selected device and close its page at once.</source>
        <translation>Desempareja el dispositivo seleccionado y cierra su página de inmediato.</translation>
    </message>
    <message>
        <source>Remote access</source>
        <translation>Acceso remoto</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Escuchar en</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Page open</source>
        <translation>Página abierta</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Emparejado</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Visto por última vez</translation>
    </message>
    <message>
        <source>None: plain HTTP</source>
        <translation>Ninguno: HTTP sin cifrar</translation>
    </message>
    <message>
        <source>TLS certificate (PEM)</source>
        <translation>Certificado TLS (PEM)</translation>
    </message>
    <message>
        <source>TLS certificate</source>
        <translation>Certificado TLS</translation>
    </message>
    <message>
        <source>Choose the TLS certificate file.</source>
        <translation>Elija el archivo del certificado TLS.</translation>
    </message>
    <message>
        <source>TLS private key (PEM)</source>
        <translation>Clave privada TLS (PEM)</translation>
    </message>
    <message>
        <source>TLS private key</source>
        <translation>Clave privada TLS</translation>
    </message>
    <message>
        <source>Choose the TLS private key file.</source>
        <translation>Elija el archivo de la clave privada TLS.</translation>
    </message>
    <message>
        <source>Open on the phone</source>
        <translation>Abrir en el teléfono</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Código de emparejamiento</translation>
    </message>
    <message>
        <source>Type it on the page within five minutes, or scan the QR code: it carries the code too. A new code comes after five wrong tries.</source>
        <translation>Escríbalo en la página antes de cinco minutos, o escanee el código QR: también lleva el código. Tras cinco intentos fallidos se genera un código nuevo.</translation>
    </message>
    <message>
        <source>Without TLS anyone on the network can read the traffic between the page and this computer, the pairing code and the device tokens included. Open it to the network only on one you trust, or choose a certificate and key: the page is then served over HTTPS only.</source>
        <translation>Sin TLS, cualquiera en la red puede leer el tráfico entre la página y este ordenador, incluidos el código de emparejamiento y los tokens de los dispositivos. Ábrala a la red solo si es de confianza, o elija un certificado y una clave: la página se sirve entonces solo por HTTPS.</translation>
    </message>
    <message>
        <source>Paired devices</source>
        <translation>Dispositivos emparejados</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Archivos PEM (*.pem *.crt *.key);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Pairing code %1</source>
        <translation>Código de emparejamiento %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Código QR de %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Rename device</source>
        <translation>Renombrar dispositivo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Offline</source>
        <translation>Fuera de línea</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>PARAR TODO</translation>
    </message>
    <message>
        <source>Pair this device</source>
        <translation>Emparejar este dispositivo</translation>
    </message>
    <message>
        <source>Open Remote access in the Window menu on the desktop and type the six-digit code it shows.</source>
        <translation>Abra Acceso remoto en el menú Ventana del ordenador y escriba el código de seis dígitos que muestra.</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Código de emparejamiento</translation>
    </message>
    <message>
        <source>Name of this device</source>
        <translation>Nombre de este dispositivo</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Emparejar</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
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
        <translation>Objetivo °</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Rumbo objetivo de %1</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Rumbo %1</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Preajustes locales</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Preajustes del servidor</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Live · %1</source>
        <extracomment>The page&apos;s link state: &quot;Live · Control&quot; or &quot;Live · Watch&quot;, %1 the device&apos;s role</extracomment>
        <translation>En vivo · %1</translation>
    </message>
    <message>
        <source>Control</source>
        <extracomment>A paired device&apos;s role: it may command</extracomment>
        <translation>Control</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A paired device&apos;s role: it may only watch</extracomment>
        <translation>Observar</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Este dispositivo solo puede observar: el operador puede asignarle el rol Control en el ordenador.</translation>
    </message>
    <message>
        <source>Pairing failed.</source>
        <translation>El emparejamiento ha fallado.</translation>
    </message>
    <message>
        <source>The desktop cannot be reached.</source>
        <translation>No se puede conectar con el ordenador.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>No PEM certificate in %1</source>
        <translation>No hay ningún certificado PEM en %1</translation>
    </message>
    <message>
        <source>Cannot read the private key %1</source>
        <translation>No se puede leer la clave privada %1</translation>
    </message>
    <message>
        <source>No unencrypted PEM private key in %1</source>
        <translation>No hay ninguna clave privada PEM sin cifrar en %1</translation>
    </message>
    <message>
        <source>Not an address of this computer: %1</source>
        <translation>No es una dirección de este ordenador: %1</translation>
    </message>
    <message>
        <source>Port %1 is in use.</source>
        <translation>El puerto %1 está en uso.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>No se puede escuchar: %1</translation>
    </message>
    <message>
        <source>Listening on %1 (TLS)</source>
        <translation>Escuchando en %1 (TLS)</translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation>Escuchando en %1</translation>
    </message>
    <message>
        <source>remote: %1</source>
        <extracomment>Who sent a command, shown in the log after it: &quot;(remote: Shack tablet)&quot;</extracomment>
        <translation>remoto: %1</translation>
    </message>
    <message>
        <source>Too many tries. Wait a minute, then type the code shown on the desktop.</source>
        <translation>Demasiados intentos. Espere un minuto y escriba el código que muestra el ordenador.</translation>
    </message>
    <message>
        <source>That code has expired. Type the new code shown on the desktop.</source>
        <translation>Ese código ha caducado. Escriba el código nuevo que muestra el ordenador.</translation>
    </message>
    <message>
        <source>Wrong code. Type the code shown in Remote access on the desktop.</source>
        <translation>Código incorrecto. Escriba el código que muestra Acceso remoto en el ordenador.</translation>
    </message>
    <message>
        <source>Too many commands: this one was dropped.</source>
        <translation>Demasiados comandos: este se ha descartado.</translation>
    </message>
    <message>
        <source>The page sent a message the desktop does not understand.</source>
        <translation>La página envió un mensaje que el ordenador no entiende.</translation>
    </message>
    <message>
        <source>That tab is no longer open on the desktop.</source>
        <translation>Esa pestaña ya no está abierta en el ordenador.</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Introduzca un rumbo objetivo de 0 a 360.</translation>
    </message>
    <message>
        <source>The desktop refused to turn %1.</source>
        <translation>El ordenador se negó a girar %1.</translation>
    </message>
    <message>
        <source>The desktop refused to stop %1.</source>
        <translation>El ordenador se negó a parar %1.</translation>
    </message>
</context>
<context>
    <name>RemoteState</name>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Este dispositivo solo puede observar: el operador puede asignarle el rol Control en el ordenador.</translation>
    </message>
    <message>
        <source>Control is off on the desktop for this tab.</source>
        <translation>El control está desactivado en el ordenador para esta pestaña.</translation>
    </message>
</context>
<context>
    <name>ResolvedPlace</name>
    <message>
        <source>exact call</source>
        <extracomment>How the place was found: from the call itself, its prefix, its call area or a grid locator.</extracomment>
        <translation>indicativo exacto</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>prefijo</translation>
    </message>
    <message>
        <source>call area</source>
        <translation>área de indicativo</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>localizador</translation>
    </message>
</context>
<context>
    <name>RotctldFramer</name>
    <message>
        <source>rotctld line exceeds %1 bytes.</source>
        <translation>La línea de rotctld supera %1 bytes.</translation>
    </message>
</context>
<context>
    <name>RotctldProtocol</name>
    <message>
        <source>Enter a heading from -180 to 540.</source>
        <translation>Introduzca un rumbo de -180 a 540.</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parámetro no válido</translation>
    </message>
    <message>
        <source>invalid configuration</source>
        <translation>configuración no válida</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>no implementado</translation>
    </message>
    <message>
        <source>the rotator did not answer in time</source>
        <translation>el rotor no respondió a tiempo</translation>
    </message>
    <message>
        <source>input or output error</source>
        <translation>error de entrada o salida</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>error interno</translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation>error de protocolo</translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation>comando rechazado</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>communication bus error</source>
        <translation>error del bus de comunicación</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valor fuera de rango</translation>
    </message>
    <message>
        <source>the rotator is not powered on</source>
        <translation>el rotor no está encendido</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
</context>
<context>
    <name>RotctldReplyReader</name>
    <message>
        <source>rotctld sent an answer this program cannot read.</source>
        <translation>rotctld envió una respuesta que este programa no puede leer.</translation>
    </message>
    <message>
        <source>rotctld sent an answer to no command.</source>
        <translation>rotctld envió una respuesta sin ningún comando.</translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Introduzca un host y un puerto válidos.</translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation>Puerto en uso</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Escuchando en %1:%2</translation>
    </message>
    <message>
        <source>rotctld client %1</source>
        <extracomment>Who sent a command, shown after it in the connection log; %1 is the client&apos;s address and port.</extracomment>
        <translation>cliente rotctld %1</translation>
    </message>
</context>
<context>
    <name>Rotor</name>
    <message>
        <source>Awaiting heading</source>
        <translation>Esperando rumbo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Fuera de línea</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Turning clockwise</source>
        <translation>Girando en sentido horario</translation>
    </message>
    <message>
        <source>Turning counterclockwise</source>
        <translation>Girando en sentido antihorario</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>No responde</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Fixed antenna</source>
        <translation>Antena fija</translation>
    </message>
    <message>
        <source>Cloned antenna</source>
        <translation>Antena clonada</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>Estado %1</translation>
    </message>
    <message>
        <source>Heading changing</source>
        <translation>Rumbo cambiando</translation>
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
        <translation>Ajustes del rotor…</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Ajustes del rotor de %1</translation>
    </message>
    <message>
        <source>Heading of %1</source>
        <translation>Rumbo de %1</translation>
    </message>
    <message>
        <source>Heading dial for %1</source>
        <translation>Dial de rumbo de %1</translation>
    </message>
    <message>
        <source>Set tower location…</source>
        <translation>Definir ubicación de la torre…</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Rumbo objetivo de %1</translation>
    </message>
    <message>
        <source>Fill the target heading; press Rotate or Return to move.</source>
        <translation>Introduzca el rumbo objetivo; pulse Girar o Return para mover.</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>Encoder preview for %1</source>
        <translation>Vista previa del encoder de %1</translation>
    </message>
    <message>
        <source>Heading previewed with the rotary encoder; press the encoder button or Apply to turn.</source>
        <translation>Rumbo previsualizado con el encoder; pulse el botón del encoder o Aplicar para girar.</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>Antihorario</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Verb: turn the rotor to its park heading</extracomment>
        <translation>Aparcar</translation>
    </message>
    <message>
        <source>Park %1</source>
        <translation>Aparcar %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A compass point and its heading on a quick heading button, &quot;N 0°&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Put %1 in the target heading.</source>
        <translation>Poner %1 en el rumbo objetivo.</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Gestionar…</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gestionar preajustes de %1</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Preajustes locales</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>No hay preajustes configurados</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Preajustes del servidor</translation>
    </message>
    <message>
        <source>Request lock</source>
        <translation>Solicitar bloqueo</translation>
    </message>
    <message>
        <source>Release lock</source>
        <translation>Liberar bloqueo</translation>
    </message>
    <message>
        <source>Server does not report ownership or rejected commands. Locks share the client IP and do not protect server presets. Disconnect releases locks for that IP.</source>
        <translation>El servidor no informa de la propiedad ni de los comandos rechazados. Los bloqueos se comparten por IP de cliente y no protegen los preajustes del servidor. Desconectar libera los bloqueos de esa IP.</translation>
    </message>
    <message>
        <source>Encoder preview: %1</source>
        <translation>Vista previa del encoder: %1</translation>
    </message>
    <message>
        <source>%1 heading %2</source>
        <translation>%1: rumbo %2</translation>
    </message>
    <message>
        <source>%1 heading %2, %3</source>
        <translation>%1: rumbo %2, %3</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A local preset&apos;s button: its name and heading</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Place %1 on the map and set its true-north offset.</source>
        <translation>Ubique %1 en el mapa y defina su desfase del norte verdadero.</translation>
    </message>
    <message>
        <source>Choose a server first: tower locations are kept per server.</source>
        <translation>Elija primero un servidor: las ubicaciones de torre se guardan por servidor.</translation>
    </message>
    <message>
        <source>Maps are not available in this window.</source>
        <translation>Los mapas no están disponibles en esta ventana.</translation>
    </message>
    <message>
        <source>Range %1</source>
        <translation>Rango %1</translation>
    </message>
    <message>
        <source>limits %1</source>
        <translation>límites %1</translation>
    </message>
    <message>
        <source>forbidden %1</source>
        <translation>prohibido %1</translation>
    </message>
    <message>
        <source>two-way antenna</source>
        <translation>antena bidireccional</translation>
    </message>
    <message>
        <source>park %1</source>
        <translation>aparcamiento %1</translation>
    </message>
    <message>
        <source>Turn %1 to its park heading, %2.</source>
        <translation>Girar %1 a su rumbo de aparcamiento, %2.</translation>
    </message>
</context>
<context>
    <name>RotorCardState</name>
    <message>
        <source>Not connected.</source>
        <translation>No conectado.</translation>
    </message>
    <message>
        <source>The rotor reports “%1”.</source>
        <translation>El rotor informa “%1”.</translation>
    </message>
    <message>
        <source>Enable control to rotate.</source>
        <translation>Habilite el control para girar.</translation>
    </message>
    <message>
        <source>No fresh heading from the server.</source>
        <translation>Sin rumbo reciente del servidor.</translation>
    </message>
    <message>
        <source>Wait until the heading settles.</source>
        <translation>Espere a que el rumbo se estabilice.</translation>
    </message>
    <message>
        <source>Enable control to stop.</source>
        <translation>Habilite el control para parar.</translation>
    </message>
    <message>
        <source>Locks need an OV Varnex server.</source>
        <translation>Los bloqueos necesitan un servidor OV Varnex.</translation>
    </message>
    <message>
        <source>Enable control to lock.</source>
        <translation>Habilite el control para bloquear.</translation>
    </message>
    <message>
        <source>Awaiting heading</source>
        <translation>Esperando rumbo</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Desactualizado</translation>
    </message>
    <message>
        <source>LAST KNOWN HEADING</source>
        <translation>ÚLTIMO RUMBO CONOCIDO</translation>
    </message>
    <message>
        <source>CONTROLLER HEADING</source>
        <translation>RUMBO DEL CONTROLADOR</translation>
    </message>
    <message>
        <source>CURRENT HEADING</source>
        <translation>RUMBO ACTUAL</translation>
    </message>
    <message>
        <source>Lock requested · unconfirmed</source>
        <translation>Bloqueo solicitado · sin confirmar</translation>
    </message>
    <message>
        <source>Release requested · unconfirmed</source>
        <translation>Liberación solicitada · sin confirmar</translation>
    </message>
    <message>
        <source>No preset list received from server</source>
        <translation>No se ha recibido la lista de preajustes del servidor</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Introduzca un rumbo objetivo de 0 a 360.</translation>
    </message>
    <message>
        <source>Turn %1 to the target heading.</source>
        <translation>Girar %1 al rumbo objetivo.</translation>
    </message>
    <message>
        <source>Stop %1 now.</source>
        <translation>Parar %1 ahora.</translation>
    </message>
    <message>
        <source>Jog needs an OV Varnex server.</source>
        <translation>El movimiento por pasos necesita un servidor OV Varnex.</translation>
    </message>
    <message>
        <source>Move %1 one step counterclockwise.</source>
        <translation>Mover %1 un paso en sentido antihorario.</translation>
    </message>
    <message>
        <source>Move %1 one step clockwise.</source>
        <translation>Mover %1 un paso en sentido horario.</translation>
    </message>
    <message>
        <source>Request lock for %1</source>
        <translation>Solicitar bloqueo de %1</translation>
    </message>
    <message>
        <source>Release lock for %1</source>
        <translation>Liberar bloqueo de %1</translation>
    </message>
    <message>
        <source>Rotate immediately to this heading when control is enabled.</source>
        <translation>Girar de inmediato a este rumbo cuando el control esté habilitado.</translation>
    </message>
    <message>
        <source>Rotate immediately to this server preset when control is enabled.</source>
        <translation>Girar de inmediato a este preajuste del servidor cuando el control esté habilitado.</translation>
    </message>
    <message>
        <source>Refresh server presets for %1</source>
        <translation>Actualizar preajustes del servidor de %1</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gestionar preajustes de %1</translation>
    </message>
    <message>
        <source>Choose a server first: presets are kept per server.</source>
        <translation>Elija primero un servidor: los preajustes se guardan por servidor.</translation>
    </message>
</context>
<context>
    <name>RotorLocationEditor</name>
    <message>
        <source>Position the tower under the crosshair. Save location keeps that position.</source>
        <translation>Sitúe la torre bajo la cruz. Guardar ubicación conserva esa posición.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates to position the tower pin.</source>
        <translation>Busque una dirección o previsualice coordenadas para situar el marcador de la torre.</translation>
    </message>
    <message>
        <source>Enter valid coordinates and an offset between −180° and 180°.</source>
        <translation>Introduzca coordenadas válidas y un desfase entre −180° y 180°.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates first.</source>
        <translation>Busque primero una dirección o previsualice coordenadas.</translation>
    </message>
    <message>
        <source>Location for %1</source>
        <translation>Ubicación de %1</translation>
    </message>
    <message>
        <source>Tower latitude</source>
        <translation>Latitud de la torre</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitud (−85…85)</translation>
    </message>
    <message>
        <source>Degrees north, with a point as decimal separator; south is negative.</source>
        <translation>Grados norte, con punto como separador decimal; el sur es negativo.</translation>
    </message>
    <message>
        <source>Degrees north, with a point or a comma as decimal separator; south is negative.</source>
        <translation>Grados norte, con punto o coma como separador decimal; el sur es negativo.</translation>
    </message>
    <message>
        <source>Tower longitude</source>
        <translation>Longitud de la torre</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitud (−180…180)</translation>
    </message>
    <message>
        <source>Degrees east, with a point as decimal separator; west is negative.</source>
        <translation>Grados este, con punto como separador decimal; el oeste es negativo.</translation>
    </message>
    <message>
        <source>Degrees east, with a point or a comma as decimal separator; west is negative.</source>
        <translation>Grados este, con punto o coma como separador decimal; el oeste es negativo.</translation>
    </message>
    <message>
        <source>True-north offset (°)</source>
        <translation>Desfase del norte verdadero (°)</translation>
    </message>
    <message>
        <source>True north display offset</source>
        <translation>Desfase de visualización del norte verdadero</translation>
    </message>
    <message>
        <source>Degrees added to the controller heading, from −180 to 180.</source>
        <translation>Grados que se suman al rumbo del controlador, de −180 a 180.</translation>
    </message>
    <message>
        <source>True bearing = controller heading + offset. Positive is clockwise. This changes only the map overlay; Rotate and presets continue to use controller degrees.</source>
        <translation>Acimut verdadero = rumbo del controlador + desfase. Positivo es en sentido horario. Esto solo cambia la superposición del mapa; Girar y los preajustes siguen usando los grados del controlador.</translation>
    </message>
    <message>
        <source>Preview coordinates</source>
        <translation>Previsualizar coordenadas</translation>
    </message>
    <message>
        <source>Move the map to the coordinates typed above.</source>
        <translation>Mueve el mapa a las coordenadas escritas arriba.</translation>
    </message>
    <message>
        <source>Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly.</source>
        <translation>Las búsquedas de direcciones y las imágenes del mapa usan OpenStreetMap. También puede introducir coordenadas directamente.</translation>
    </message>
    <message>
        <source>Remove location</source>
        <translation>Quitar ubicación</translation>
    </message>
    <message>
        <source>Forget the tower placed for %1; the map then uses the server’s site, if any.</source>
        <translation>Olvida la torre ubicada para %1; el mapa usa entonces el emplazamiento del servidor, si lo hay.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close without changing the tower location.</source>
        <translation>Cierra sin cambiar la ubicación de la torre.</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>Guardar ubicación</translation>
    </message>
    <message>
        <source>Rotator address</source>
        <translation>Dirección del rotor</translation>
    </message>
    <message>
        <source>Street address, city, country</source>
        <translation>Calle, ciudad, país</translation>
    </message>
    <message>
        <source>An address or place to look up, or a Maidenhead grid locator such as JO62qm.</source>
        <translation>Una dirección o un lugar que buscar, o un localizador Maidenhead como JO62qm.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Search credits</source>
        <translation>Créditos de búsqueda</translation>
    </message>
    <message>
        <source>Places are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Los lugares se buscan en los datos de OpenStreetMap. Abrir su página de copyright.</translation>
    </message>
    <message>
        <source>Map around the tower</source>
        <translation>Mapa alrededor de la torre</translation>
    </message>
    <message>
        <source>Move map center west</source>
        <translation>Mover el centro del mapa al oeste</translation>
    </message>
    <message>
        <source>Move map center north</source>
        <translation>Mover el centro del mapa al norte</translation>
    </message>
    <message>
        <source>Move map center south</source>
        <translation>Mover el centro del mapa al sur</translation>
    </message>
    <message>
        <source>Move map center east</source>
        <translation>Mover el centro del mapa al este</translation>
    </message>
    <message>
        <source>Change map style in location editor</source>
        <translation>Cambiar el estilo del mapa en el editor de ubicación</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Map style button: shows satellite imagery.</extracomment>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Map</source>
        <extracomment>Map style button: shows the standard map.</extracomment>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Zoom out in location editor</source>
        <translation>Alejar en el editor de ubicación</translation>
    </message>
    <message>
        <source>Zoom in in location editor</source>
        <translation>Acercar en el editor de ubicación</translation>
    </message>
    <message>
        <source>No matching location. Try a fuller address or enter coordinates.</source>
        <translation>No hay ningún lugar coincidente. Pruebe una dirección más completa o introduzca coordenadas.</translation>
    </message>
    <message>
        <source>Address search unavailable. Try again or enter coordinates.</source>
        <translation>Búsqueda de direcciones no disponible. Vuelva a intentarlo o introduzca coordenadas.</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>Put the tower at %1.</source>
        <translation>Poner la torre en %1.</translation>
    </message>
    <message>
        <source>Look the address up in OpenStreetMap; a grid locator is placed without a search.</source>
        <translation>Busca la dirección en OpenStreetMap; un localizador se ubica sin búsqueda.</translation>
    </message>
    <message>
        <source>Type an address or a grid locator first.</source>
        <translation>Escriba primero una dirección o un localizador.</translation>
    </message>
    <message>
        <source>Keep this position and offset for %1.</source>
        <translation>Conservar esta posición y este desfase para %1.</translation>
    </message>
    <message>
        <source>%1 by an eighth of the view.</source>
        <translation>%1 un octavo de la vista.</translation>
    </message>
    <message>
        <source>Show the standard map.</source>
        <translation>Muestra el mapa estándar.</translation>
    </message>
    <message>
        <source>Show satellite imagery.</source>
        <translation>Muestra imágenes de satélite.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Muestra más terreno alrededor de la torre.</translation>
    </message>
    <message>
        <source>The map already shows 10 km, the widest view.</source>
        <translation>El mapa ya muestra 10 km, la vista más amplia.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Muestra menos terreno alrededor de la torre.</translation>
    </message>
    <message>
        <source>The map already shows 100 m, the closest view.</source>
        <translation>El mapa ya muestra 100 m, la vista más cercana.</translation>
    </message>
</context>
<context>
    <name>RotorMapCompass</name>
    <message>
        <source>Tower map for %1</source>
        <translation>Mapa de la torre de %1</translation>
    </message>
    <message>
        <source>Map credits</source>
        <translation>Créditos del mapa</translation>
    </message>
    <message>
        <source>True bearing of %1</source>
        <translation>Acimut verdadero de %1</translation>
    </message>
    <message>
        <source>Change map style for %1</source>
        <translation>Cambiar el estilo del mapa de %1</translation>
    </message>
    <message>
        <source>Zoom out for %1</source>
        <translation>Alejar %1</translation>
    </message>
    <message>
        <source>Zoom in for %1</source>
        <translation>Acercar %1</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>Button showing the world map instead of the tower&apos;s map</extracomment>
        <translation>Mundo</translation>
    </message>
    <message>
        <source>World map for %1</source>
        <translation>Mapa mundial de %1</translation>
    </message>
    <message>
        <source>Show the whole world round the tower, with the beam across it.</source>
        <translation>Muestra todo el mundo alrededor de la torre, con el haz de la antena atravesándolo.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Last reported %1 true</source>
        <translation>Último acimut informado: %1 verdadero</translation>
    </message>
    <message>
        <source>Bearing %1 true</source>
        <translation>Acimut %1 verdadero</translation>
    </message>
    <message>
        <source>%1 · target in orange</source>
        <translation>%1 · objetivo en naranja</translation>
    </message>
    <message>
        <source>Show the standard map under %1.</source>
        <translation>Muestra el mapa estándar bajo %1.</translation>
    </message>
    <message>
        <source>Show satellite imagery under %1.</source>
        <translation>Muestra imágenes de satélite bajo %1.</translation>
    </message>
    <message>
        <source>The map already shows %1 around the tower, the widest view.</source>
        <translation>El mapa ya muestra %1 alrededor de la torre, la vista más amplia.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Muestra más terreno alrededor de la torre.</translation>
    </message>
    <message>
        <source>The map already shows 100 m around the tower, the closest view.</source>
        <translation>El mapa ya muestra 100 m alrededor de la torre, la vista más cercana.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Muestra menos terreno alrededor de la torre.</translation>
    </message>
    <message>
        <source>Map data and imagery credits. Open the copyright page.</source>
        <translation>Créditos de los datos y las imágenes del mapa. Abrir la página de copyright.</translation>
    </message>
    <message>
        <source>The world map always shows the whole world; zoom is for the tower&apos;s map.</source>
        <translation>El mapa mundial siempre muestra todo el mundo; el zoom es para el mapa de la torre.</translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation>Hecho con Natural Earth</translation>
    </message>
</context>
<context>
    <name>RotorMechanics</name>
    <message>
        <source>-180…+180° (south stop)</source>
        <translation>-180…+180° (tope al sur)</translation>
    </message>
    <message>
        <source>0–%1° (overlap)</source>
        <translation>0–%1° (solapamiento)</translation>
    </message>
    <message>
        <source>Turn blocked: the heading is not a number.</source>
        <translation>Giro denegado: el rumbo no es un número.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is inside %2&apos;s forbidden sector %3.</source>
        <translation>Giro denegado: %1 está dentro del sector prohibido %3 de %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s limits %3.</source>
        <translation>Giro denegado: %1 está fuera de los límites %3 de %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s range %3.</source>
        <translation>Giro denegado: %1 está fuera del rango %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Paso denegado: un paso horario desde %1 terminaría dentro del sector prohibido %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Paso denegado: un paso antihorario desde %1 terminaría dentro del sector prohibido %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Paso denegado: un paso horario desde %1 saldría de los límites %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Paso denegado: un paso antihorario desde %1 saldría de los límites %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would cross %2&apos;s stop.</source>
        <translation>Paso denegado: un paso horario desde %1 cruzaría el tope de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would cross %2&apos;s stop.</source>
        <translation>Paso denegado: un paso antihorario desde %1 cruzaría el tope de %2.</translation>
    </message>
</context>
<context>
    <name>RotorSettingsSheet</name>
    <message>
        <source>Rotor settings</source>
        <translation>Ajustes del rotor</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Ajustes del rotor de %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Soft limits</source>
        <translation>Límites por software</translation>
    </message>
    <message>
        <source>Forbidden sector</source>
        <translation>Sector prohibido</translation>
    </message>
    <message>
        <source>Limits of %1</source>
        <translation>Límites de %1</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>Lowest heading</source>
        <translation>Rumbo mínimo</translation>
    </message>
    <message>
        <source>Highest heading</source>
        <translation>Rumbo máximo</translation>
    </message>
    <message>
        <source>Forbidden from</source>
        <translation>Prohibido desde</translation>
    </message>
    <message>
        <source>Forbidden to</source>
        <translation>Prohibido hasta</translation>
    </message>
    <message>
        <source>Forbidden to (clockwise)</source>
        <translation>Prohibido hasta (horario)</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>South stop (-180…+180°)</source>
        <translation>Tope al sur (-180…+180°)</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Solapamiento</translation>
    </message>
    <message>
        <source>Range of %1</source>
        <translation>Rango de %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Overlap ends at</source>
        <translation>El solapamiento termina en</translation>
    </message>
    <message>
        <source>Two-way antenna</source>
        <translation>Antena bidireccional</translation>
    </message>
    <message>
        <source>The beam points both ways: turns go to whichever lobe is nearer.</source>
        <translation>El haz apunta en ambos sentidos: los giros van al lóbulo más cercano.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Rumbo de aparcamiento</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Park after minutes without a command</source>
        <translation>Aparcar tras minutos sin comandos</translation>
    </message>
    <message>
        <source>Park when idle for</source>
        <translation>Aparcar tras inactividad de</translation>
    </message>
    <message>
        <source>Stall watchdog</source>
        <translation>Detección de atasco</translation>
    </message>
    <message>
        <source>Stop a turn whose heading does not change, or that takes too long.</source>
        <translation>Detiene un giro cuyo rumbo no cambia o que tarda demasiado.</translation>
    </message>
    <message>
        <source>Least movement</source>
        <translation>Movimiento mínimo</translation>
    </message>
    <message>
        <source>Within</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Longest turn</source>
        <translation>Giro más largo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save rotor settings</source>
        <translation>Guardar ajustes del rotor</translation>
    </message>
    <message>
        <source>Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an overlap rotor. Every turn, from any source, is checked against them.</source>
        <translation>Los límites están en las cifras con las que cuenta el controlador: de -90 a 90 en un rotor con tope al sur, hasta 450 en un rotor con solapamiento. Todos los giros, vengan de donde vengan, se comprueban con ellos.</translation>
    </message>
    <message>
        <source>The limits must lie inside the range %1, the lowest below the highest.</source>
        <translation>Los límites deben estar dentro del rango %1, el mínimo por debajo del máximo.</translation>
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
        <translation>%1 no se movió durante %2 s: detenido en %3°.</translation>
    </message>
    <message>
        <source>%1 turned for %2 s without arriving: stopped at %3°.</source>
        <translation>%1 giró durante %2 s sin llegar: detenido en %3°.</translation>
    </message>
    <message>
        <source>%1 had no command for %2 min: parking at %3°.</source>
        <translation>%1 no recibió comandos durante %2 min: aparcando en %3°.</translation>
    </message>
</context>
<context>
    <name>RoutingContext</name>
    <message>
        <source>Not connected to the server.</source>
        <translation>No conectado al servidor.</translation>
    </message>
    <message>
        <source>Enable antenna controls first.</source>
        <translation>Habilite primero los controles de antena.</translation>
    </message>
    <message>
        <source>No fresh report from the server.</source>
        <translation>Sin informe reciente del servidor.</translation>
    </message>
    <message>
        <source>The server reports status %1.</source>
        <translation>El servidor informa el estado %1.</translation>
    </message>
    <message>
        <source>Not available right now.</source>
        <translation>No disponible en este momento.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Elija un puerto serie de /dev/ y una velocidad en baudios admitida.</translation>
    </message>
    <message>
        <source>Cannot open serial port: %1</source>
        <translation>No se puede abrir el puerto serie: %1</translation>
    </message>
    <message>
        <source>Serial port is unavailable or already in use.</source>
        <translation>El puerto serie no está disponible o ya está en uso.</translation>
    </message>
    <message>
        <source>Cannot configure serial port.</source>
        <translation>No se puede configurar el puerto serie.</translation>
    </message>
</context>
<context>
    <name>SerialPortWorker</name>
    <message>
        <source>Serial port disconnected.</source>
        <translation>Puerto serie desconectado.</translation>
    </message>
    <message>
        <source>Serial output queue exceeded its limit.</source>
        <translation>La cola de salida serie superó su límite.</translation>
    </message>
    <message>
        <source>Serial write failed or timed out.</source>
        <translation>La escritura serie falló o se agotó el tiempo.</translation>
    </message>
</context>
<context>
    <name>ServerLoginView</name>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Sign in to server</source>
        <translation>Iniciar sesión en el servidor</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>After the server accepts your login, it is saved securely in the system keychain for this server address and port.</source>
        <translation>Cuando el servidor acepta su inicio de sesión, se guarda de forma segura en el llavero del sistema para esta dirección y puerto del servidor.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not sign in; the connection ends.</source>
        <translation>No iniciar sesión; la conexión termina.</translation>
    </message>
    <message>
        <source>Send this login to the server (Return).</source>
        <translation>Envía este inicio de sesión al servidor (Return).</translation>
    </message>
    <message>
        <source>Enter a user name to sign in.</source>
        <translation>Introduzca un nombre de usuario para iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>ServerVerification</name>
    <message>
        <source>No compatible server or device response within 3 seconds. Check the address, port, and network connection.</source>
        <translation>Ninguna respuesta compatible de servidor o dispositivo en 3 segundos. Compruebe la dirección, el puerto y la conexión de red.</translation>
    </message>
</context>
<context>
    <name>ServerVerificationError</name>
    <message>
        <source>Server could not be verified. %1</source>
        <extracomment>%1 is the reason, a whole sentence of its own.</extracomment>
        <translation>No se pudo verificar el servidor. %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>The settings file could not be read: %1 is missing or not in the expected form.</source>
        <extracomment>%1 names a part of the file: &quot;the settings record&quot;, &quot;item 2 of “servers”&quot;, &quot;“version”&quot;</extracomment>
        <translation>No se pudo leer el archivo de ajustes: falta %1 o no tiene la forma esperada.</translation>
    </message>
    <message>
        <source>Settings file exceeds the 10 MB limit.</source>
        <translation>El archivo de ajustes supera el límite de 10 MB.</translation>
    </message>
    <message>
        <source>The saved %1 could not be read.</source>
        <extracomment>%1 is &quot;tower locations&quot;, &quot;heading presets&quot; or &quot;rotor settings&quot;</extracomment>
        <translation>No se pudieron leer los datos guardados: %1.</translation>
    </message>
    <message>
        <source>tower locations</source>
        <translation>ubicaciones de torre</translation>
    </message>
    <message>
        <source>heading presets</source>
        <translation>preajustes de rumbo</translation>
    </message>
    <message>
        <source>rotor settings</source>
        <translation>ajustes del rotor</translation>
    </message>
    <message>
        <source>The saved layout of %1 could not be read.</source>
        <translation>No se pudo leer la disposición guardada de %1.</translation>
    </message>
    <message>
        <source>The saved integration settings of %1 could not be read.</source>
        <translation>No se pudieron leer los ajustes de integración guardados de %1.</translation>
    </message>
    <message>
        <source>The settings hold a number that cannot be written.</source>
        <translation>Los ajustes contienen un número que no se puede escribir.</translation>
    </message>
    <message>
        <source>The settings file is not valid JSON: %1 at character %2.</source>
        <translation>El archivo de ajustes no es JSON válido: %1 en el carácter %2.</translation>
    </message>
    <message>
        <source>the settings record</source>
        <translation>el registro de ajustes</translation>
    </message>
    <message>
        <source>The settings file could not be opened: %1.</source>
        <translation>No se pudo abrir el archivo de ajustes: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1.</source>
        <translation>No se pudo leer el archivo de ajustes: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be written: %1.</source>
        <translation>No se pudo escribir el archivo de ajustes: %1.</translation>
    </message>
    <message>
        <source>This is not a supported station settings file.</source>
        <translation>No es un archivo de ajustes de estación admitido.</translation>
    </message>
    <message>
        <source>Duplicate server identifiers in settings file.</source>
        <translation>Identificadores de servidor duplicados en el archivo de ajustes.</translation>
    </message>
    <message>
        <source>Invalid server name or address.</source>
        <translation>Nombre o dirección de servidor no válidos.</translation>
    </message>
    <message>
        <source>Invalid server port or baud rate.</source>
        <translation>Puerto o velocidad en baudios del servidor no válidos.</translation>
    </message>
    <message>
        <source>Both site coordinates are required.</source>
        <translation>Se necesitan ambas coordenadas del emplazamiento.</translation>
    </message>
    <message>
        <source>Invalid site coordinates.</source>
        <translation>Coordenadas del emplazamiento no válidas.</translation>
    </message>
    <message>
        <source>Invalid tower location or preset.</source>
        <translation>Ubicación de torre o preajuste no válidos.</translation>
    </message>
    <message>
        <source>Duplicate preset identifiers.</source>
        <translation>Identificadores de preajuste duplicados.</translation>
    </message>
    <message>
        <source>Invalid or duplicate rotor settings.</source>
        <translation>Ajustes del rotor no válidos o duplicados.</translation>
    </message>
    <message>
        <source>Duplicate tower locations.</source>
        <translation>Ubicaciones de torre duplicadas.</translation>
    </message>
    <message>
        <source>Invalid layout settings.</source>
        <translation>Ajustes de disposición no válidos.</translation>
    </message>
    <message>
        <source>Invalid integration settings.</source>
        <translation>Ajustes de integración no válidos.</translation>
    </message>
    <message>
        <source>item %1 of “%2”</source>
        <extracomment>%2 is a key of the settings file, which stays in English</extracomment>
        <translation>elemento %1 de “%2”</translation>
    </message>
    <message>
        <source>the layout of “%1”</source>
        <translation>la disposición de “%1”</translation>
    </message>
    <message>
        <source>the integration settings of “%1”</source>
        <translation>los ajustes de integración de “%1”</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts. &quot;System&quot; follows the desktop&apos;s language.</source>
        <translation>El idioma de los textos del programa. &quot;Sistema&quot; sigue el idioma del escritorio.</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilómetros</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Millas</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>Unidad de distancia</translation>
    </message>
    <message>
        <source>Used for every distance the program shows.</source>
        <translation>Se usa para todas las distancias que muestra el programa.</translation>
    </message>
    <message>
        <source>Language note</source>
        <translation>Nota sobre el idioma</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Distance unit</source>
        <translation>&amp;Unidad de distancia</translation>
    </message>
    <message>
        <source>The new language is used from the next start.</source>
        <translation>El nuevo idioma se usará a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>El idioma cambia en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
        <translation>Desactualizado</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>Estado %1</translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Encender</translation>
    </message>
    <message>
        <source>Turn off %1</source>
        <translation>Apagar %1</translation>
    </message>
    <message>
        <source>Turn on %1</source>
        <translation>Encender %1</translation>
    </message>
    <message>
        <source>Switch %1 out of the stack.</source>
        <translation>Sacar %1 del stack.</translation>
    </message>
    <message>
        <source>Switch %1 into the stack.</source>
        <translation>Añadir %1 al stack.</translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message>
        <source>No logger data yet</source>
        <translation>Aún no hay datos del logger</translation>
    </message>
    <message>
        <source>Enter an IP address and a port from 1 to 65535.</source>
        <translation>Introduzca una dirección IP y un puerto de 1 a 65535.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>No se puede escuchar: %1</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Escuchando en %1:%2</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Sin escuchar</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n datagrams dropped</source>
        <extracomment>%1 is the listener&apos;s state, such as &quot;Listening on 127.0.0.1:2237&quot;.</extracomment>
        <translation>
            <numerusform>%1 · %n datagrama descartado</numerusform>
            <numerusform>%1 · %n datagramas descartados</numerusform>
        </translation>
    </message>
    <message>
        <source>Focused radio: %1</source>
        <translation>Radio activa: %1</translation>
    </message>
    <message>
        <source>Radio %1 · %2 MHz</source>
        <translation>Radio %1 · %2 MHz</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio %2</source>
        <translation>Rumbo del rotor: %1° · radio %2</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio focused</source>
        <translation>Rumbo del rotor: %1° · radio activa</translation>
    </message>
    <message>
        <source>Rotor stop · radio %1</source>
        <translation>Parada del rotor · radio %1</translation>
    </message>
    <message>
        <source>Rotor stop · radio focused</source>
        <translation>Parada del rotor · radio activa</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tecla: %1</translation>
    </message>
</context>
<context>
    <name>StationLookup</name>
    <message>
        <source>Type a call sign, prefix or grid locator.</source>
        <translation>Escriba un indicativo, prefijo o localizador.</translation>
    </message>
    <message>
        <source>That is too long for a call sign, prefix or grid locator.</source>
        <translation>Es demasiado largo para un indicativo, prefijo o localizador.</translation>
    </message>
    <message>
        <source>%1 is not a call sign, prefix or grid locator.</source>
        <translation>%1 no es un indicativo, prefijo ni localizador.</translation>
    </message>
    <message>
        <source>No country file is loaded, so only grid locators can be placed.</source>
        <translation>No hay ningún archivo de países cargado, así que solo se pueden ubicar localizadores.</translation>
    </message>
    <message>
        <source>%1 is maritime mobile: it has no country.</source>
        <translation>%1 es móvil marítimo: no tiene país.</translation>
    </message>
    <message>
        <source>%1 is aeronautical mobile: it has no country.</source>
        <translation>%1 es móvil aeronáutico: no tiene país.</translation>
    </message>
    <message>
        <source>%1 matches no country prefix.</source>
        <translation>%1 no coincide con ningún prefijo de país.</translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message>
        <source>Rotors and antenna routing</source>
        <translation>Rotores y enrutamiento de antenas</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Choose the saved server this tab shows.</source>
        <translation>Elija el servidor guardado que muestra esta pestaña.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Integrations</source>
        <translation>Integraciones</translation>
    </message>
    <message>
        <source>Loggers, keys and the rotary encoder for this server.</source>
        <translation>Loggers, teclas y encoder de este servidor.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>Which cards show, in what order, on which bands.</source>
        <translation>Qué tarjetas se muestran, en qué orden y en qué bandas.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Open the connection and command log of every tab.</source>
        <translation>Abre el registro de conexión y comandos de todas las pestañas.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mapa mundial</translation>
    </message>
    <message>
        <source>The world round this tab&apos;s towers, with every located rotor&apos;s beam.</source>
        <translation>El mundo alrededor de las torres de esta pestaña, con el haz de cada rotor ubicado.</translation>
    </message>
    <message>
        <source>Additional Server</source>
        <translation>Servidor adicional</translation>
    </message>
    <message>
        <source>Controls reset on disconnect. Turn commands are never replayed. Closing the app does not stop a moving antenna.</source>
        <translation>Los controles se restablecen al desconectar. Los comandos de giro nunca se repiten. Cerrar la aplicación no detiene una antena en movimiento.</translation>
    </message>
    <message>
        <source>Enable control</source>
        <translation>Habilitar control</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>PARAR TODO</translation>
    </message>
    <message>
        <source>Rotors</source>
        <translation>Rotores</translation>
    </message>
    <message>
        <source>Enable antenna controls</source>
        <translation>Habilitar controles de antena</translation>
    </message>
    <message>
        <source>Antenna routing</source>
        <translation>Enrutamiento de antenas</translation>
    </message>
    <message>
        <source>Manage servers…</source>
        <translation>Gestionar servidores…</translation>
    </message>
    <message>
        <source>Configure Server</source>
        <translation>Configurar servidor</translation>
    </message>
    <message>
        <source>SERVER: %1</source>
        <translation>SERVIDOR: %1</translation>
    </message>
    <message>
        <source>Select server</source>
        <translation>Seleccionar servidor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close the connection to this server.</source>
        <translation>Cierra la conexión con este servidor.</translation>
    </message>
    <message>
        <source>Stop connecting to this server.</source>
        <translation>Deja de conectar con este servidor.</translation>
    </message>
    <message>
        <source>Connect to the selected server.</source>
        <translation>Conecta con el servidor seleccionado.</translation>
    </message>
    <message>
        <source>Connect to another server in a separate tab (up to 10).</source>
        <translation>Conecta con otro servidor en una pestaña aparte (hasta 10).</translation>
    </message>
    <message>
        <source>Ten server tabs are open: close one to add another.</source>
        <translation>Hay diez pestañas de servidor abiertas: cierre una para añadir otra.</translation>
    </message>
    <message>
        <source>Allow the rotor controls of this tab to send commands.</source>
        <translation>Permite que los controles de rotor de esta pestaña envíen comandos.</translation>
    </message>
    <message>
        <source>Allow the switch, stack and tuner controls of this tab to send commands.</source>
        <translation>Permite que los controles de conmutador, stack y acoplador de esta pestaña envíen comandos.</translation>
    </message>
    <message>
        <source>Stop every rotor of this server. (%1)</source>
        <translation>Detiene todos los rotores de este servidor. (%1)</translation>
    </message>
    <message>
        <source>No rotor can be stopped: connect and switch on Enable control.</source>
        <translation>No se puede detener ningún rotor: conéctese y active Habilitar control.</translation>
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
            <numerusform>%n detectado · rumbos en vivo del servidor</numerusform>
            <numerusform>%n detectados · rumbos en vivo del servidor</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for rotors…</source>
        <translation>Esperando rotores…</translation>
    </message>
    <message>
        <source>Connect once to load this server’s rotors</source>
        <translation>Conéctese una vez para cargar los rotores de este servidor</translation>
    </message>
    <message>
        <source>Connect once to load this server’s antenna routing</source>
        <translation>Conéctese una vez para cargar el enrutamiento de antenas de este servidor</translation>
    </message>
    <message>
        <source>No switches, stack outputs or tuners reported</source>
        <translation>No se ha informado de conmutadores, salidas de stack ni acopladores</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <extracomment>Antenna switch card, named for assistive tools</extracomment>
        <translation>Conmutador %1</translation>
    </message>
    <message>
        <source>Stack %1</source>
        <extracomment>Antenna stack card, named for assistive tools</extracomment>
        <translation>Stack %1</translation>
    </message>
    <message>
        <source>Tuner %1</source>
        <translation>Acoplador %1</translation>
    </message>
    <message>
        <source>No server yet</source>
        <translation>Aún no hay servidor</translation>
    </message>
    <message>
        <source>No server chosen</source>
        <translation>Ningún servidor elegido</translation>
    </message>
    <message>
        <source>There is no server to connect to yet. Add one in the server editor.</source>
        <translation>Aún no hay ningún servidor al que conectarse. Añada uno en el editor de servidores.</translation>
    </message>
    <message>
        <source>This tab has no server. Choose one in the server menu, or add one in the server editor.</source>
        <translation>Esta pestaña no tiene servidor. Elija uno en el menú de servidores o añada uno en el editor de servidores.</translation>
    </message>
    <message>
        <source>Add server…</source>
        <translation>Añadir servidor…</translation>
    </message>
</context>
<context>
    <name>StationWorkspace</name>
    <message>
        <source>Server %1</source>
        <translation>Servidor %1</translation>
    </message>
    <message>
        <source>This server is already open in %1. Its existing tab has been selected.</source>
        <translation>Este servidor ya está abierto en %1. Se ha seleccionado su pestaña.</translation>
    </message>
</context>
<context>
    <name>StationWorkspaceView</name>
    <message>
        <source>Close server tab</source>
        <translation>Cerrar pestaña de servidor</translation>
    </message>
    <message>
        <source>Server tabs</source>
        <translation>Pestañas de servidor</translation>
    </message>
    <message>
        <source>Disconnect and close the selected server tab.</source>
        <translation>Desconecta y cierra la pestaña de servidor seleccionada.</translation>
    </message>
    <message>
        <source>%1 · connecting</source>
        <translation>%1 · conectando</translation>
    </message>
    <message>
        <source>%1 · disconnected</source>
        <translation>%1 · desconectado</translation>
    </message>
    <message>
        <source>Server already open</source>
        <translation>Servidor ya abierto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SwitchCardState</name>
    <message>
        <source>Reported: %1</source>
        <translation>Informado: %1</translation>
    </message>
    <message>
        <source>Server status %1</source>
        <translation>Estado del servidor %1</translation>
    </message>
    <message>
        <source>Unsupported switch type %1</source>
        <translation>Tipo de conmutador no admitido %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Seleccionar %1</translation>
    </message>
    <message>
        <source>Deselect %1</source>
        <translation>Deseleccionar %1</translation>
    </message>
    <message>
        <source>Also select %1</source>
        <translation>Seleccionar también %1</translation>
    </message>
    <message>
        <source>Select %1 at %2 degrees</source>
        <translation>Seleccionar %1 a %2 grados</translation>
    </message>
    <message>
        <source>Position is locked.</source>
        <translation>La posición está bloqueada.</translation>
    </message>
</context>
<context>
    <name>SystemFileDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <extracomment>File type filter of the settings file dialogs; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Archivos JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>TerminalProtocol</name>
    <message>
        <source>Enter a heading from 0 to 360.</source>
        <translation>Introduzca un rumbo de 0 a 360.</translation>
    </message>
    <message>
        <source>Terminal frame exceeds size limit.</source>
        <translation>La trama del terminal supera el límite de tamaño.</translation>
    </message>
</context>
<context>
    <name>TileLoader</name>
    <message>
        <source>The tile server sent more than %1 MiB for one tile.</source>
        <translation>El servidor de teselas envió más de %1 MiB para una tesela.</translation>
    </message>
    <message>
        <source>The tile server answered %1 %2.</source>
        <translation>El servidor de teselas respondió %1 %2.</translation>
    </message>
    <message>
        <source>The tile server did not answer in time.</source>
        <translation>El servidor de teselas no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The tile could not be loaded: %1.</source>
        <translation>No se pudo cargar la tesela: %1.</translation>
    </message>
    <message>
        <source>The tile address “%1” is not a web address.</source>
        <translation>La dirección de teselas “%1” no es una dirección web.</translation>
    </message>
    <message>
        <source>The tile server %1 asked for fewer requests; tiles are paused for now.</source>
        <translation>El servidor de teselas %1 pidió menos solicitudes; las teselas quedan en pausa por ahora.</translation>
    </message>
    <message>
        <source>The tile server sent an image that could not be read.</source>
        <translation>El servidor de teselas envió una imagen que no se pudo leer.</translation>
    </message>
</context>
<context>
    <name>TowerMap</name>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Map imagery unavailable. Heading display still works.</source>
        <translation>Imágenes del mapa no disponibles. La indicación de rumbo sigue funcionando.</translation>
    </message>
</context>
<context>
    <name>TunerCard</name>
    <message>
        <source>CCW</source>
        <translation>Antihorario</translation>
    </message>
    <message>
        <source>CCW %1</source>
        <translation>Antihorario %1</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>CW %1</source>
        <translation>Horario %1</translation>
    </message>
    <message>
        <source>Calibrate…</source>
        <translation>Calibrar…</translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation>Calibrar %1</translation>
    </message>
    <message>
        <source>Calibrate tuner rotor?</source>
        <translation>¿Calibrar el rotor del acoplador?</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1 on %2.</source>
        <translation>Ejecuta la calibración del servidor para %1 en %2.</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
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
        <translation>Informado: %1 · Estado %2 · RSSI %3</translation>
    </message>
    <message>
        <source>Awaiting position</source>
        <translation>Esperando posición</translation>
    </message>
    <message>
        <source>Tune %1 to %2</source>
        <translation>Sintonizar %1 a %2</translation>
    </message>
    <message>
        <source>Turn %1 counterclockwise</source>
        <translation>Girar %1 en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn %1 clockwise</source>
        <translation>Girar %1 en sentido horario</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1</source>
        <translation>Ejecutar la calibración del servidor para %1</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation>Mapa mundial</translation>
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
        <translation>La torre aún no tiene posición, así que no se puede dibujar el mundo a su alrededor.</translation>
    </message>
    <message>
        <source>Centred on %1</source>
        <translation>Centrado en %1</translation>
    </message>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation>Faltan los contornos terrestres en esta compilación.</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Acimut %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 beam %2, last reported</source>
        <translation>%1: haz %2, último informado</translation>
    </message>
    <message>
        <source>%1 beam %2</source>
        <translation>%1: haz %2</translation>
    </message>
</context>
<context>
    <name>WorldMapWindow</name>
    <message>
        <source>World map</source>
        <translation>Mapa mundial</translation>
    </message>
    <message>
        <source>Whole world</source>
        <translation>Mundo entero</translation>
    </message>
    <message>
        <source>World map reach</source>
        <translation>Alcance del mapa mundial</translation>
    </message>
    <message>
        <source>How far from the tower the edge of the map reaches.</source>
        <translation>Hasta dónde llega el borde del mapa desde la torre.</translation>
    </message>
    <message>
        <source>Place under the pointer</source>
        <translation>Lugar bajo el puntero</translation>
    </message>
    <message>
        <source>No rotor of this tab has a tower position yet. Place a tower with Set Location on its card, or give the server a site in its profile.</source>
        <translation>Ningún rotor de esta pestaña tiene aún posición de torre. Ubique una torre con Definir ubicación en su tarjeta, o asigne un emplazamiento al servidor en su perfil.</translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation>Alcance:</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Acimut %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>WsjtxMessage</name>
    <message>
        <source>The WSJT-X datagram is damaged: it ends before its %1.</source>
        <translation>El datagrama de WSJT-X está dañado: termina antes de su %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is %2 bytes long.</source>
        <translation>El datagrama de WSJT-X está dañado: su %1 mide %2 bytes.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it ends inside its %1.</source>
        <translation>El datagrama de WSJT-X está dañado: termina dentro de su %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is not UTF-8 text.</source>
        <translation>El datagrama de WSJT-X está dañado: su %1 no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it is %1 bytes long.</source>
        <translation>El datagrama de WSJT-X está dañado: mide %1 bytes.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it does not start with the magic number.</source>
        <translation>El datagrama de WSJT-X está dañado: no empieza con el número mágico.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.</source>
        <translation>El datagrama de WSJT-X está dañado: su esquema %1 no es 2 ni 3.</translation>
    </message>
</context>
</TS>
