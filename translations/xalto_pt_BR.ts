<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CallArea</name>
    <message>
        <source>Midwest (CO, IA, KS, MN, MO, ND, NE, SD)</source>
        <translation>Meio-Oeste (CO, IA, KS, MN, MO, ND, NE, SD)</translation>
    </message>
    <message>
        <source>New England (CT, MA, ME, NH, RI, VT)</source>
        <translation>Nova Inglaterra (CT, MA, ME, NH, RI, VT)</translation>
    </message>
    <message>
        <source>New York and New Jersey</source>
        <translation>Nova York e Nova Jersey</translation>
    </message>
    <message>
        <source>Mid-Atlantic (DC, DE, MD, PA)</source>
        <translation>Atlântico Médio (DC, DE, MD, PA)</translation>
    </message>
    <message>
        <source>Southeast (AL, FL, GA, KY, NC, SC, TN, VA)</source>
        <translation>Sudeste (AL, FL, GA, KY, NC, SC, TN, VA)</translation>
    </message>
    <message>
        <source>South (AR, LA, MS, NM, OK, TX)</source>
        <translation>Sul (AR, LA, MS, NM, OK, TX)</translation>
    </message>
    <message>
        <source>California</source>
        <translation>Califórnia</translation>
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
        <translation>Terra Nova</translation>
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
        <translation>Ilha do Príncipe Eduardo</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nova Escócia</translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation>Quebec</translation>
    </message>
    <message>
        <source>Ontario</source>
        <translation>Ontário</translation>
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
        <translation>Colúmbia Britânica</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territórios do Noroeste</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nova Brunswick</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Território da Capital Australiana</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nova Gales do Sul</translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation>Vitória</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>Queensland</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>Austrália Meridional</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Austrália Ocidental</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmânia</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Território do Norte</translation>
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
        <translation>Sibéria Ocidental, norte (área 8)</translation>
    </message>
    <message>
        <source>Urals and Western Siberia (call area 9)</source>
        <translation>Urais e Sibéria Ocidental (área 9)</translation>
    </message>
    <message>
        <source>Eastern Siberia and the Far East (call area 0)</source>
        <translation>Sibéria Oriental e Extremo Oriente (área 0)</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Pequim</translation>
    </message>
    <message>
        <source>Heilongjiang, Jilin, Liaoning</source>
        <translation>Heilongjiang, Jilin, Liaoning</translation>
    </message>
    <message>
        <source>Tianjin, Inner Mongolia, Hebei, Shanxi</source>
        <translation>Tianjin, Mongólia Interior, Hebei, Shanxi</translation>
    </message>
    <message>
        <source>Shanghai, Shandong, Jiangsu</source>
        <translation>Xangai, Shandong, Jiangsu</translation>
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
        <translation>Xinjiang e Tibete</translation>
    </message>
    <message>
        <source>Rio de Janeiro and Espirito Santo</source>
        <translation>Rio de Janeiro e Espírito Santo</translation>
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
        <translation>Paraná e Santa Catarina</translation>
    </message>
    <message>
        <source>Bahia and Sergipe</source>
        <translation>Bahia e Sergipe</translation>
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
        <translation>Cidade de Buenos Aires</translation>
    </message>
    <message>
        <source>Buenos Aires Province</source>
        <translation>Província de Buenos Aires</translation>
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
        <translation>Santa Cruz e Terra do Fogo</translation>
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
        <translation>A lista de indicativos tem mais de %1 MiB.</translation>
    </message>
    <message>
        <source>The call list holds more than %1 calls.</source>
        <translation>A lista de indicativos contém mais de %1 indicativos.</translation>
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
        <translation>L</translation>
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
        <translation>Serial local KT-90</translation>
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
        <translation>Nenhum arquivo de países instalado; carregue um ou instale o pacote hamradio-files do Debian.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>O arquivo não pode ser lido: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>O arquivo tem mais de %1 MiB.</translation>
    </message>
    <message>
        <source>The program&apos;s data folder cannot be created.</source>
        <translation>A pasta de dados do programa não pode ser criada.</translation>
    </message>
    <message>
        <source>The copy cannot be kept: %1.</source>
        <translation>A cópia não pode ser mantida: %1.</translation>
    </message>
    <message>
        <source>No version given</source>
        <translation>Sem versão informada</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation>
            <numerusform>Versão %1, com %n dia</numerusform>
            <numerusform>Versão %1, com %n dias</numerusform>
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
        <translation>O arquivo de países está danificado na linha %1: ela tem %2 campos, onde 10 são esperados.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its prefix list does not end with “;”.</source>
        <translation>O arquivo de países está danificado na linha %1: sua lista de prefixos não termina com “;”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its DXCC number %2 is not a number from 0 to 9999.</source>
        <translation>O arquivo de países está danificado na linha %1: seu número DXCC %2 não é um número de 0 a 9999.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the entity before it does not end its prefix list with “;”.</source>
        <translation>O arquivo de países está danificado na linha %1: a entidade anterior não termina sua lista de prefixos com “;”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: its entity line does not have 8 fields ending with “:”.</source>
        <translation>O arquivo de países está danificado na linha %1: sua linha de entidade não tem 8 campos terminados com “:”.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: it lists prefixes without an entity line before them.</source>
        <translation>O arquivo de países está danificado na linha %1: ele lista prefixos sem uma linha de entidade antes deles.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: text follows the “;” that ends the prefix list.</source>
        <translation>O arquivo de países está danificado na linha %1: há texto após o “;” que termina a lista de prefixos.</translation>
    </message>
    <message>
        <source>The country file ends inside the prefix list of %1.</source>
        <translation>O arquivo de países termina dentro da lista de prefixos de %1.</translation>
    </message>
    <message>
        <source>The country file lists no countries.</source>
        <translation>O arquivo de países não lista nenhum país.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 countries.</source>
        <translation>O arquivo de países está danificado na linha %1: o arquivo lista mais de %2 países.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the country name %2 is empty, too long or holds control characters.</source>
        <translation>O arquivo de países está danificado na linha %1: o nome de país %2 está vazio, é longo demais ou contém caracteres de controle.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the main prefix %2 of %3 is not a prefix.</source>
        <translation>O arquivo de países está danificado na linha %1: o prefixo principal %2 de %3 não é um prefixo.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the continent %2 of %3 is not one of AF, AN, AS, EU, NA, OC, SA.</source>
        <translation>O arquivo de países está danificado na linha %1: o continente %2 de %3 não é AF, AN, AS, EU, NA, OC ou SA.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the zones of %2 are not a CQ zone from 1 to 40 and an ITU zone from 1 to 90.</source>
        <translation>O arquivo de países está danificado na linha %1: as zonas de %2 não são uma zona CQ de 1 a 40 e uma zona ITU de 1 a 90.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the latitude, longitude or UTC offset of %2 is not a number within range.</source>
        <translation>O arquivo de países está danificado na linha %1: a latitude, longitude ou fuso UTC de %2 não é um número dentro do intervalo.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the file lists more than %2 prefixes and calls.</source>
        <translation>O arquivo de países está danificado na linha %1: o arquivo lista mais de %2 prefixos e indicativos.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: %2 is not a prefix or call.</source>
        <translation>O arquivo de países está danificado na linha %1: %2 não é um prefixo nem um indicativo.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not closed.</source>
        <translation>O arquivo de países está danificado na linha %1: a exceção em %2 não está fechada.</translation>
    </message>
    <message>
        <source>The country file is damaged at line %1: the override in %2 is not valid.</source>
        <translation>O arquivo de países está danificado na linha %1: a exceção em %2 não é válida.</translation>
    </message>
    <message>
        <source>The country file is larger than %1 MiB.</source>
        <translation>O arquivo de países tem mais de %1 MiB.</translation>
    </message>
    <message>
        <source>The country file is empty.</source>
        <translation>O arquivo de países está vazio.</translation>
    </message>
    <message>
        <source>The file is neither a cty.csv nor a cty.dat country file.</source>
        <translation>O arquivo não é um arquivo de países cty.csv nem cty.dat.</translation>
    </message>
</context>
<context>
    <name>CountryFileLoader</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 tem mais de %2 MiB.</translation>
    </message>
</context>
<context>
    <name>CountryFileSheet</name>
    <message>
        <source>Country File</source>
        <translation>Arquivo de Países</translation>
    </message>
    <message>
        <source>Country file version</source>
        <translation>Versão do arquivo de países</translation>
    </message>
    <message>
        <source>Country file in use</source>
        <translation>Arquivo de países em uso</translation>
    </message>
    <message>
        <source>Country file load result</source>
        <translation>Resultado da carga do arquivo de países</translation>
    </message>
    <message>
        <source>Load country file…</source>
        <translation>Carregar arquivo de países…</translation>
    </message>
    <message>
        <source>Read a newer cty.csv or cty.dat; a file that does not read changes nothing.</source>
        <translation>Lê um cty.csv ou cty.dat mais novo; um arquivo que não puder ser lido não altera nada.</translation>
    </message>
    <message>
        <source>Country file</source>
        <translation>Arquivo de países</translation>
    </message>
    <message>
        <source>Call signs and prefixes are placed with this file. Newer files are published monthly; a loaded file is kept in the program&apos;s data folder and used from then on.</source>
        <translation>Indicativos e prefixos são localizados com este arquivo. Arquivos mais novos são publicados mensalmente; um arquivo carregado é mantido na pasta de dados do programa e usado a partir de então.</translation>
    </message>
    <message>
        <source>Loaded; the copy is kept for later starts.</source>
        <translation>Carregado; a cópia é mantida para as próximas inicializações.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nada foi alterado: %1</translation>
    </message>
    <message>
        <source>Load Country File</source>
        <translation>Carregar Arquivo de Países</translation>
    </message>
    <message>
        <source>Country files (*.csv *.dat *.CSV *.DAT);;All files (*)</source>
        <translation>Arquivos de países (*.csv *.dat *.CSV *.DAT);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>No country file</source>
        <translation>Nenhum arquivo de países</translation>
    </message>
    <message>
        <source>A loaded copy: %1</source>
        <translation>Uma cópia carregada: %1</translation>
    </message>
    <message>
        <source>Installed file: %1</source>
        <translation>Arquivo instalado: %1</translation>
    </message>
    <message>
        <source>%1 countries, %2 prefixes and calls</source>
        <translation>%1 países, %2 prefixos e indicativos</translation>
    </message>
</context>
<context>
    <name>EncoderWorker</name>
    <message>
        <source>Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.</source>
        <translation>Aguardando o Phidget %1. Dispositivos HID antigos podem exigir o driver USB do fabricante.</translation>
    </message>
    <message>
        <source>Phidget22 library could not be loaded.</source>
        <translation>A biblioteca Phidget22 não pôde ser carregada.</translation>
    </message>
    <message>
        <source>Phidget encoder channel could not be opened.</source>
        <translation>O canal de encoder do Phidget não pôde ser aberto.</translation>
    </message>
    <message>
        <source>Phidget button channel could not be opened.</source>
        <translation>O canal de botão do Phidget não pôde ser aberto.</translation>
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
        <translation>Dê à memória um nome e um azimute de 0 a 360 graus.</translation>
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
        <translation>Rádio A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>Rádio B</translation>
    </message>
    <message>
        <source>Focused radio</source>
        <translation>Rádio em foco</translation>
    </message>
    <message>
        <source>Frequency-driven devices</source>
        <translation>Dispositivos guiados pela frequência</translation>
    </message>
    <message>
        <source>A selected OFF remains off. Existing in-range selections are retained; locked outputs are skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared switch.</source>
        <translation>Uma seleção OFF permanece desligada. Seleções existentes dentro da faixa são mantidas; saídas travadas são ignoradas. O rádio em foco segue o foco do logger e evita atualizações concorrentes de A/B numa chave compartilhada.</translation>
    </message>
    <message>
        <source>Radio for %1</source>
        <translation>Rádio para %1</translation>
    </message>
    <message>
        <source>Which radio’s frequency selects the band position of %1.</source>
        <translation>A frequência de qual rádio seleciona a posição de banda de %1.</translation>
    </message>
    <message>
        <source>Switch: %1</source>
        <extracomment>%1 is the antenna switch&apos;s name from the station.</extracomment>
        <translation>Chave: %1</translation>
    </message>
    <message>
        <source>Tuner: %1</source>
        <extracomment>%1 is the tuner&apos;s name from the station.</extracomment>
        <translation>Acoplador: %1</translation>
    </message>
    <message>
        <source>The station has reported no switches or tuners yet.</source>
        <translation>A estação ainda não informou nenhuma chave ou acoplador.</translation>
    </message>
</context>
<context>
    <name>IntegrationEditor</name>
    <message>
        <source>Stop this input.</source>
        <translation>Parar esta entrada.</translation>
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
        <translation>Número de série do dispositivo</translation>
    </message>
    <message>
        <source>The serial number printed on the encoder device.</source>
        <translation>O número de série impresso no encoder.</translation>
    </message>
    <message>
        <source>Encoder channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canal do encoder </translation>
    </message>
    <message>
        <source>Encoder channel</source>
        <translation>Canal do encoder</translation>
    </message>
    <message>
        <source>The device channel of the encoder.</source>
        <translation>O canal do dispositivo usado pelo encoder.</translation>
    </message>
    <message>
        <source>Button channel </source>
        <extracomment>Prefix of the number in the spin box, followed by the channel number.</extracomment>
        <translation>Canal do botão </translation>
    </message>
    <message>
        <source>Button channel</source>
        <translation>Canal do botão</translation>
    </message>
    <message>
        <source>The digital input of the encoder’s button; −1 for none.</source>
        <translation>A entrada digital do botão do encoder; −1 para nenhuma.</translation>
    </message>
    <message>
        <source>Degrees/count</source>
        <translation>Graus/pulso</translation>
    </message>
    <message>
        <source>Degrees per encoder count when turning a rotor; negative reverses the direction.</source>
        <translation>Graus por pulso do encoder ao girar um rotor; valor negativo inverte o sentido.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack output, T: tuner positions).</source>
        <translation>O que o encoder gira (R: rotor) ou escolhe (P: memórias de um rotor, S: posições da chave, K: saída do stack, T: posições do acoplador).</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Start encoder</source>
        <translation>Iniciar encoder</translation>
    </message>
    <message>
        <source>Stop encoder</source>
        <translation>Parar encoder</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Estado do encoder</translation>
    </message>
    <message>
        <source>Store these settings and start reading the encoder.</source>
        <translation>Guardar estas configurações e começar a ler o encoder.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Encoder preview</source>
        <translation>Prévia do encoder</translation>
    </message>
    <message>
        <source>Phidget USB driver and setup</source>
        <translation>Driver USB e configuração do Phidget</translation>
    </message>
    <message>
        <source>Turning previews a heading or selection. Press the encoder button or Apply to send it. A button channel of −1 disables button input; use a negative step to reverse direction. Enable controls still applies.</source>
        <translation>Girar mostra uma prévia do azimute ou seleção. Pressione o botão do encoder ou Aplicar para enviá-la. Um canal de botão −1 desativa o botão; use um valor negativo por pulso para inverter o sentido. Habilitar controle continua valendo.</translation>
    </message>
    <message>
        <source>The encoder is not running.</source>
        <translation>O encoder não está em funcionamento.</translation>
    </message>
    <message>
        <source>Send the previewed heading or selection now.</source>
        <translation>Enviar agora o azimute ou a seleção da prévia.</translation>
    </message>
    <message>
        <source>Turn on “Enable logger commands and automatic band selection” to send.</source>
        <translation>Ative “Habilitar comandos do logger e seleção automática de banda” para enviar.</translation>
    </message>
    <message>
        <source>Connect to the server to send.</source>
        <translation>Conecte-se ao servidor para enviar.</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Prévia: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>IntegrationEventsSection</name>
    <message>
        <source>Received integration events</source>
        <translation>Eventos de integração recebidos</translation>
    </message>
    <message>
        <source>No events received</source>
        <translation>Nenhum evento recebido</translation>
    </message>
    <message>
        <source>The logger events and key tokens this server’s inputs received, oldest first (the last %1).</source>
        <translation>Os eventos de logger e códigos de tecla recebidos pelas entradas deste servidor, mais antigos primeiro (os últimos %1).</translation>
    </message>
</context>
<context>
    <name>IntegrationKeysSection</name>
    <message>
        <source>Keyboard shortcuts and UDP keys</source>
        <translation>Atalhos de teclado e teclas UDP</translation>
    </message>
    <message>
        <source>Key tokens also work while the main app window is focused, outside text fields. Examples: CTRL R, SHIFT S, Escape.</source>
        <translation>Os códigos de tecla também funcionam com a janela principal em foco, fora de campos de texto. Exemplos: CTRL R, SHIFT S, Escape.</translation>
    </message>
    <message>
        <source>Global keyboard shortcuts</source>
        <translation>Atalhos globais de teclado</translation>
    </message>
    <message>
        <source>Also take key tokens typed in other programs.</source>
        <translation>Aceitar também códigos de tecla digitados em outros programas.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session.</source>
        <translation>Atalhos globais não estão disponíveis nesta sessão.</translation>
    </message>
    <message>
        <source>Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard listening after changing this switch.</source>
        <translation>Atalhos globais não precisam de permissão extra nesta área de trabalho, apenas de um modificador Control, Alt ou Super (CTRL, ALT, CMD nos códigos). Eles valem para a aba de servidor selecionada. Reinicie a escuta do teclado após mudar esta opção.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available in this session: this desktop does not let programs watch keys typed elsewhere. Keys in the main window and UDP key tokens still work.</source>
        <translation>Atalhos globais não estão disponíveis nesta sessão: esta área de trabalho não permite que programas observem teclas digitadas em outro lugar. Teclas na janela principal e códigos de tecla UDP continuam funcionando.</translation>
    </message>
    <message>
        <source>Local keyboard UDP port</source>
        <translation>Porta UDP local do teclado</translation>
    </message>
    <message>
        <source>Key tokens sent to 127.0.0.1 on this port fire the bindings below.</source>
        <translation>Códigos de tecla enviados a 127.0.0.1 nesta porta acionam os atalhos abaixo.</translation>
    </message>
    <message>
        <source>Start keyboard</source>
        <translation>Iniciar teclado</translation>
    </message>
    <message>
        <source>Stop keyboard</source>
        <translation>Parar teclado</translation>
    </message>
    <message>
        <source>Keyboard status</source>
        <translation>Estado do teclado</translation>
    </message>
    <message>
        <source>Store these settings and start listening for keys and UDP key tokens.</source>
        <translation>Guardar estas configurações e começar a escutar teclas e códigos de tecla UDP.</translation>
    </message>
    <message>
        <source>Add key binding</source>
        <translation>Adicionar atalho</translation>
    </message>
    <message>
        <source>Add a key token and what it does.</source>
        <translation>Adicionar um código de tecla e sua ação.</translation>
    </message>
    <message>
        <source>No key bindings</source>
        <translation>Nenhum atalho</translation>
    </message>
    <message>
        <source>Key token</source>
        <translation>Código de tecla</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Azimute</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Key token %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Código de tecla %1</translation>
    </message>
    <message>
        <source>The key token that fires this binding, such as CTRL R.</source>
        <translation>O código de tecla que aciona este atalho, como CTRL R.</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Dispositivo %1</translation>
    </message>
    <message>
        <source>R: rotor, S: antenna switch, K: stack output, T: tuner.</source>
        <translation>R: rotor, S: chave de antenas, K: saída do stack, T: acoplador.</translation>
    </message>
    <message>
        <source>Action %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Ação %1</translation>
    </message>
    <message>
        <source>What the binding does with its device.</source>
        <translation>O que o atalho faz com seu dispositivo.</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Azimute %1</translation>
    </message>
    <message>
        <source>The heading a Rotate binding turns its rotor to.</source>
        <translation>O azimute para o qual um atalho Girar leva seu rotor.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Posição %1</translation>
    </message>
    <message>
        <source>The switch or tuner position to select; Next and Previous step instead.</source>
        <translation>A posição da chave ou do acoplador a selecionar; Próxima e Anterior avançam/recuam em vez disso.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove this key binding.</source>
        <translation>Remover este atalho.</translation>
    </message>
    <message>
        <source>Remove binding %1</source>
        <extracomment>%1 is the number of the key binding&apos;s row.</extracomment>
        <translation>Remover atalho %1</translation>
    </message>
    <message>
        <source>The keyboard input is not running.</source>
        <translation>A entrada de teclado não está em funcionamento.</translation>
    </message>
</context>
<context>
    <name>IntegrationLoggerSection</name>
    <message>
        <source>Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111.</source>
        <translation>Escute em 127.0.0.1 para programas locais ou no endereço de rede local deste computador para um logger remoto. Rotor N1MM: 12050; dados de rádio: 12060; Win-Test: 9871; teclado UDP: 61111.</translation>
    </message>
    <message>
        <source>Connect to the N3FJP API (normally port 1100).</source>
        <translation>Conectar à API do N3FJP (normalmente porta 1100).</translation>
    </message>
    <message>
        <source>Logger and automatic controls</source>
        <translation>Logger e controles automáticos</translation>
    </message>
    <message>
        <source>Enable logger commands and automatic band selection</source>
        <translation>Habilitar comandos do logger e seleção automática de banda</translation>
    </message>
    <message>
        <source>Send the rotor turns, band selections and key bindings of this server’s inputs. Events are listed either way.</source>
        <translation>Enviar os giros de rotor, seleções de banda e atalhos das entradas deste servidor. Os eventos são listados de qualquer forma.</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>The logger program, or key tokens over UDP.</source>
        <translation>O programa de logger, ou códigos de tecla via UDP.</translation>
    </message>
    <message>
        <source>Logger host</source>
        <translation>Host do logger</translation>
    </message>
    <message>
        <source>The address to listen on, or the N3FJP computer.</source>
        <translation>O endereço de escuta, ou o computador do N3FJP.</translation>
    </message>
    <message>
        <source>Logger port</source>
        <translation>Porta do logger</translation>
    </message>
    <message>
        <source>The UDP port to listen on, or the N3FJP API port.</source>
        <translation>A porta UDP de escuta, ou a porta da API do N3FJP.</translation>
    </message>
    <message>
        <source>Station name filter (optional)</source>
        <translation>Filtro de nome de estação (opcional)</translation>
    </message>
    <message>
        <source>Only messages from this N1MM or Win-Test station; blank for every station.</source>
        <translation>Somente mensagens desta estação N1MM ou Win-Test; vazio para todas as estações.</translation>
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
        <translation>Iniciar logger</translation>
    </message>
    <message>
        <source>Stop logger</source>
        <translation>Parar logger</translation>
    </message>
    <message>
        <source>Logger status</source>
        <translation>Estado do logger</translation>
    </message>
    <message>
        <source>Store these settings and start the logger input.</source>
        <translation>Guardar estas configurações e iniciar a entrada do logger.</translation>
    </message>
    <message>
        <source>Radio A rotor</source>
        <translation>Rotor do rádio A</translation>
    </message>
    <message>
        <source>The rotor that radio A’s rotor commands turn.</source>
        <translation>O rotor que os comandos de rotor do rádio A giram.</translation>
    </message>
    <message>
        <source>Radio B rotor</source>
        <translation>Rotor do rádio B</translation>
    </message>
    <message>
        <source>The rotor that radio B’s rotor commands turn.</source>
        <translation>O rotor que os comandos de rotor do rádio B giram.</translation>
    </message>
    <message>
        <source>Rotor and antenna Enable controls also apply. No commands are replayed after reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s port.</source>
        <translation>Habilitar controle e Habilitar controles de antena continuam valendo. Nenhum comando é repetido após reconectar. Configure as transmissões de rádio e rotor do N1MM para a porta desta escuta.</translation>
    </message>
    <message>
        <source>The logger input is not running.</source>
        <translation>A entrada do logger não está em funcionamento.</translation>
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
        <translation>Host do rotctld</translation>
    </message>
    <message>
        <source>The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN address for programs elsewhere.</source>
        <translation>O endereço de escuta: 127.0.0.1 para programas neste computador, ou o endereço de rede local deste computador para programas em outras máquinas.</translation>
    </message>
    <message>
        <source>rotctld port</source>
        <translation>Porta do rotctld</translation>
    </message>
    <message>
        <source>The TCP port rotctld clients connect to; rotctld’s own is 4533.</source>
        <translation>A porta TCP à qual os clientes rotctld se conectam; a do próprio rotctld é 4533.</translation>
    </message>
    <message>
        <source>rotctld rotor</source>
        <translation>Rotor do rotctld</translation>
    </message>
    <message>
        <source>The rotor that rotctld clients read, turn and stop.</source>
        <translation>O rotor que os clientes rotctld leem, giram e param.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Azimute de estacionamento</translation>
    </message>
    <message>
        <source>Where a rotctld client’s park command turns the rotor.</source>
        <translation>Para onde o comando de estacionar de um cliente rotctld gira o rotor.</translation>
    </message>
    <message>
        <source>Re-aim tolerance</source>
        <translation>Tolerância de reapontamento</translation>
    </message>
    <message>
        <source>A tracker’s target this close to the turn under way, or to the heading of an idle rotor, turns nothing; farther targets turn the rotor at most once a second.</source>
        <translation>Um alvo do rastreador a esta distância do giro em andamento, ou do azimute de um rotor parado, não gira nada; alvos mais distantes giram o rotor no máximo uma vez por segundo.</translation>
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
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Start rotctld server</source>
        <translation>Iniciar servidor rotctld</translation>
    </message>
    <message>
        <source>Stop rotctld server</source>
        <translation>Parar servidor rotctld</translation>
    </message>
    <message>
        <source>Rotctld server status</source>
        <translation>Estado do servidor rotctld</translation>
    </message>
    <message>
        <source>Store these settings and serve rotctld clients from this tab.</source>
        <translation>Guardar estas configurações e atender clientes rotctld a partir desta aba.</translation>
    </message>
    <message>
        <source>Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the same Enable control and heading checks as this window and are logged with the client’s address. A LAN address lets any computer on the network turn the rotor.</source>
        <translation>Rastreadores de satélite, loggers e painéis que falam o protocolo rotctld comandam o rotor escolhido por esta aba, por exemplo rotctl -m 2 -r 127.0.0.1:4533. Seus comandos passam pelas mesmas verificações de Habilitar controle e de azimute desta janela e são registrados com o endereço do cliente. Um endereço de rede local permite que qualquer computador da rede gire o rotor.</translation>
    </message>
    <message>
        <source>no clients</source>
        <translation>nenhum cliente</translation>
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
        <translation>O servidor rotctld não está em funcionamento.</translation>
    </message>
</context>
<context>
    <name>IntegrationSettingsView</name>
    <message>
        <source>Integrations</source>
        <translation>Integrações</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Store these settings for this server and close.</source>
        <translation>Guardar estas configurações para este servidor e fechar.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
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
        <translation>Host do WSJT-X</translation>
    </message>
    <message>
        <source>The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1.</source>
        <translation>O endereço para o qual o WSJT-X envia suas mensagens UDP: 127.0.0.1, ou um grupo multicast como 224.0.0.1.</translation>
    </message>
    <message>
        <source>WSJT-X port</source>
        <translation>Porta do WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X&apos;s UDP server port; its own default is 2237.</source>
        <translation>A porta do servidor UDP do WSJT-X; o padrão dele é 2237.</translation>
    </message>
    <message>
        <source>WSJT-X rotor</source>
        <translation>Rotor do WSJT-X</translation>
    </message>
    <message>
        <source>The rotor whose Point at field follows WSJT-X&apos;s DX call and grid.</source>
        <translation>O rotor cujo campo Apontar para segue o indicativo DX e o localizador do WSJT-X.</translation>
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
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Start WSJT-X</source>
        <translation>Iniciar WSJT-X</translation>
    </message>
    <message>
        <source>Stop WSJT-X</source>
        <translation>Parar WSJT-X</translation>
    </message>
    <message>
        <source>WSJT-X status</source>
        <translation>Estado do WSJT-X</translation>
    </message>
    <message>
        <source>Store these settings and listen for WSJT-X&apos;s messages.</source>
        <translation>Guardar estas configurações e escutar as mensagens do WSJT-X.</translation>
    </message>
    <message>
        <source>The chosen rotor&apos;s Point at field follows the DX call and grid of WSJT-X&apos;s status (a grid beats a prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A&apos;s frequency from a logger does. JTDX and similar programs send the same messages.</source>
        <translation>O campo Apontar para do rotor escolhido segue o indicativo DX e o localizador do status do WSJT-X (um localizador tem prioridade sobre um prefixo); nada gira até você pressionar Girar. A frequência do dial guia a automação de bandas como a frequência do rádio A vinda de um logger. O JTDX e programas semelhantes enviam as mesmas mensagens.</translation>
    </message>
    <message>
        <source>WSJT-X is not listened to.</source>
        <translation>O WSJT-X não está sendo escutado.</translation>
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
        <translation>Conectado · dados da estação ao vivo</translation>
    </message>
    <message>
        <source>Enter a hostname and a port from 1 to 65535.</source>
        <translation>Informe um nome de host e uma porta de 1 a 65535.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Conectando a %1:%2…</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>Falha na conexão: %1</translation>
    </message>
    <message>
        <source>Checking rotctld…</source>
        <translation>Verificando o rotctld…</translation>
    </message>
    <message>
        <source>Checking KT-90 terminal…</source>
        <translation>Verificando o terminal KT-90…</translation>
    </message>
    <message>
        <source>Checking OV Varnex server…</source>
        <translation>Verificando o servidor OV Varnex…</translation>
    </message>
    <message>
        <source>UDP ready to %1:%2</source>
        <translation>UDP pronto para %1:%2</translation>
    </message>
    <message>
        <source>TCP connected to %1:%2</source>
        <translation>TCP conectado a %1:%2</translation>
    </message>
    <message>
        <source>Connection unavailable: %1</source>
        <translation>Conexão indisponível: %1</translation>
    </message>
    <message>
        <source>rotctld closed the connection.</source>
        <translation>O rotctld encerrou a conexão.</translation>
    </message>
    <message>
        <source>Server closed the connection.</source>
        <translation>O servidor encerrou a conexão.</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Conexão perdida: %1</translation>
    </message>
    <message>
        <source>UDP connection lost: %1</source>
        <translation>Conexão UDP perdida: %1</translation>
    </message>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation>
            <numerusform>O rotctld parou de responder: %n comando aguarda resposta.</numerusform>
            <numerusform>O rotctld parou de responder: %n comandos aguardam resposta.</numerusform>
        </translation>
    </message>
    <message>
        <source>rotctld reported an error: %1 (RPRT %2).</source>
        <translation>O rotctld informou um erro: %1 (RPRT %2).</translation>
    </message>
    <message>
        <source>Checking KT-90 serial port…</source>
        <translation>Verificando a porta serial do KT-90…</translation>
    </message>
    <message>
        <source>Opened serial port %1 at %2 baud</source>
        <translation>Porta serial %1 aberta a %2 baud</translation>
    </message>
    <message>
        <source>No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN.</source>
        <translation>Nenhuma resposta de servidor ou dispositivo compatível em 10 segundos. Verifique o endereço do servidor, a porta, a rede local ou a VPN.</translation>
    </message>
    <message>
        <source>No server data for 20 seconds. Reconnect to refresh the station.</source>
        <translation>Nenhum dado do servidor há 20 segundos. Reconecte para atualizar a estação.</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Falha no envio: %1</translation>
    </message>
    <message>
        <source>Send failed: the server stopped reading; more than %1 KiB of commands are waiting.</source>
        <translation>Falha no envio: o servidor parou de ler; mais de %1 KiB de comandos estão aguardando.</translation>
    </message>
    <message>
        <source>Discovered %1</source>
        <translation>Descoberto: %1</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>Removido: %1</translation>
    </message>
    <message>
        <source>Server connection limit reached.</source>
        <translation>Limite de conexões do servidor atingido.</translation>
    </message>
    <message>
        <source>Server requested disconnection.</source>
        <translation>O servidor solicitou a desconexão.</translation>
    </message>
    <message>
        <source>The station reports more than %1 devices; the connection was ended.</source>
        <translation>A estação informa mais de %1 dispositivos; a conexão foi encerrada.</translation>
    </message>
    <message>
        <source>The station&apos;s data exceeds %1 MiB; the connection was ended.</source>
        <translation>Os dados da estação excedem %1 MiB; a conexão foi encerrada.</translation>
    </message>
    <message>
        <source>Reading the saved login…</source>
        <translation>Lendo o login salvo…</translation>
    </message>
    <message>
        <source>Saved login could not be read from the system keychain. Enter your server credentials.</source>
        <translation>O login salvo não pôde ser lido do chaveiro do sistema. Informe suas credenciais do servidor.</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Autenticando…</translation>
    </message>
    <message>
        <source>This server requires a username and password.</source>
        <translation>Este servidor exige usuário e senha.</translation>
    </message>
    <message>
        <source>Server rejected the username or password. Please try again.</source>
        <translation>O servidor recusou o usuário ou a senha. Tente novamente.</translation>
    </message>
    <message>
        <source>Connected, but the login could not be saved in the system keychain. You may be asked again next time.</source>
        <translation>Conectado, mas o login não pôde ser salvo no chaveiro do sistema. Ele poderá ser pedido novamente na próxima vez.</translation>
    </message>
    <message>
        <source>not connected to the station</source>
        <translation>sem conexão com a estação</translation>
    </message>
    <message>
        <source>control is off</source>
        <translation>o controle está desligado</translation>
    </message>
    <message>
        <source>rotor not on the station</source>
        <translation>rotor ausente na estação</translation>
    </message>
    <message>
        <source>heading is stale</source>
        <translation>o azimute está desatualizado</translation>
    </message>
    <message>
        <source>heading is changing</source>
        <translation>o azimute está mudando</translation>
    </message>
    <message>
        <source>rotor does not accept a turn</source>
        <translation>o rotor não aceita giro</translation>
    </message>
    <message>
        <source>controller has no jog command</source>
        <translation>o controlador não tem comando de passo</translation>
    </message>
    <message>
        <source>heading is outside the rotor&apos;s limits</source>
        <translation>o azimute está fora dos limites do rotor</translation>
    </message>
    <message>
        <source>Turn blocked: control is disabled or heading is stale.</source>
        <translation>Giro bloqueado: controle desabilitado ou azimute desatualizado.</translation>
    </message>
    <message>
        <source>Turn blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Giro bloqueado: %1.</translation>
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
        <translation>Passo bloqueado: controle desabilitado, desatualizado ou em movimento.</translation>
    </message>
    <message>
        <source>Jog blocked: %1.</source>
        <extracomment>%1 is one of the reasons a command is refused, such as &quot;control is off&quot;.</extracomment>
        <translation>Passo bloqueado: %1.</translation>
    </message>
    <message>
        <source>Jog requested: %1 CW</source>
        <translation>Passo solicitado: %1 sentido horário</translation>
    </message>
    <message>
        <source>Jog requested: %1 CCW</source>
        <translation>Passo solicitado: %1 sentido anti-horário</translation>
    </message>
    <message>
        <source>Preset turn blocked: controls disabled, stale heading, or unknown preset.</source>
        <translation>Giro para memória bloqueado: controles desabilitados, azimute desatualizado ou memória desconhecida.</translation>
    </message>
    <message>
        <source>Preset turn blocked: %1 has limits and the server does not say where “%2” points.</source>
        <translation>Giro para memória bloqueado: %1 tem limites e o servidor não informa para onde “%2” aponta.</translation>
    </message>
    <message>
        <source>Preset turn requested: %1 → %2</source>
        <translation>Giro para memória solicitado: %1 → %2</translation>
    </message>
    <message>
        <source>Requested server presets</source>
        <translation>Memórias do servidor solicitadas</translation>
    </message>
    <message>
        <source>Rotor lock request blocked: control is disabled or rotor is unavailable.</source>
        <translation>Pedido de travamento do rotor bloqueado: controle desabilitado ou rotor indisponível.</translation>
    </message>
    <message>
        <source>Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Travamento solicitado: %1. O servidor não confirma a posse; outros clientes no mesmo IP compartilham a trava.</translation>
    </message>
    <message>
        <source>Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share the lock.</source>
        <translation>Destravamento solicitado: %1. O servidor não confirma a posse; outros clientes no mesmo IP compartilham a trava.</translation>
    </message>
    <message>
        <source>Stack command blocked: controls disabled or unavailable status.</source>
        <translation>Comando de stack bloqueado: controles desabilitados ou estado indisponível.</translation>
    </message>
    <message>
        <source>Stack requested: %1 on</source>
        <translation>Stack solicitado: %1 ligado</translation>
    </message>
    <message>
        <source>Stack requested: %1 off</source>
        <translation>Stack solicitado: %1 desligado</translation>
    </message>
    <message>
        <source>Switch blocked: controls disabled, stale status, locked position, or incompatible command.</source>
        <translation>Chaveamento bloqueado: controles desabilitados, estado desatualizado, posição travada ou comando incompatível.</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2</source>
        <translation>Chaveamento solicitado: %1 → %2</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 on</source>
        <translation>Chaveamento solicitado: %1 → %2 ligado</translation>
    </message>
    <message>
        <source>Switch requested: %1 → %2 off</source>
        <translation>Chaveamento solicitado: %1 → %2 desligado</translation>
    </message>
    <message>
        <source>Tuner position requested: %1 → %2</source>
        <translation>Posição do acoplador solicitada: %1 → %2</translation>
    </message>
    <message>
        <source>Tuner adjustment requested: %1 / %2</source>
        <translation>Ajuste do acoplador solicitado: %1 / %2</translation>
    </message>
    <message>
        <source>Tuner calibration requested: %1 / %2</source>
        <translation>Calibração do acoplador solicitada: %1 / %2</translation>
    </message>
    <message>
        <source>Disconnected · last known station</source>
        <translation>Desconectado · última estação conhecida</translation>
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
        <translation>Horário</translation>
    </message>
    <message>
        <source>CCW</source>
        <extracomment>Key action: jog the rotor counterclockwise.</extracomment>
        <translation>Anti-horário</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Key action, a verb: turn the rotor to its park heading.</extracomment>
        <translation>Estacionar</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Girar pelo caminho curto</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Girar pelo caminho longo</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Key action: select the binding&apos;s switch or tuner position.</extracomment>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Key action: step to the next switch position.</extracomment>
        <translation>Próxima</translation>
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
        <translation>Erro do chaveiro (%1).</translation>
    </message>
</context>
<context>
    <name>LandData</name>
    <message>
        <source>The land outline file is damaged: it is not a land outline file.</source>
        <translation>O arquivo de contornos terrestres está danificado: não é um arquivo de contornos terrestres.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its version %1 is not known.</source>
        <translation>O arquivo de contornos terrestres está danificado: sua versão %1 é desconhecida.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: it claims more outlines than any map holds.</source>
        <translation>O arquivo de contornos terrestres está danificado: declara mais contornos do que qualquer mapa contém.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: its length does not match its header.</source>
        <translation>O arquivo de contornos terrestres está danificado: seu tamanho não corresponde ao cabeçalho.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 has a wrong number of points.</source>
        <translation>O arquivo de contornos terrestres está danificado: o contorno %1 tem um número errado de pontos.</translation>
    </message>
    <message>
        <source>The land outline file is damaged: outline %1 leaves the globe.</source>
        <translation>O arquivo de contornos terrestres está danificado: o contorno %1 sai do globo.</translation>
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
        <translation>Layout de dispositivos e filtros de banda</translation>
    </message>
    <message>
        <source>Show devices for the current logger band</source>
        <translation>Mostrar dispositivos da banda atual do logger</translation>
    </message>
    <message>
        <source>Show only the devices listed for the band the logger’s radio is on.</source>
        <translation>Mostrar apenas os dispositivos listados para a banda em que está o rádio do logger.</translation>
    </message>
    <message>
        <source>Band source</source>
        <translation>Origem da banda</translation>
    </message>
    <message>
        <source>The radio whose frequency names the current band.</source>
        <translation>O rádio cuja frequência define a banda atual.</translation>
    </message>
    <message>
        <source>Rotor card width</source>
        <translation>Largura do cartão de rotor</translation>
    </message>
    <message>
        <source>Width of the rotor cards, from %1 to %2 points.</source>
        <translation>Largura dos cartões de rotor, de %1 a %2 pontos.</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Cor de destaque</translation>
    </message>
    <message>
        <source>The colour along the top of every card.</source>
        <translation>A cor no topo de cada cartão.</translation>
    </message>
    <message>
        <source>Leave bands blank to show a device on all bands. Use comma-separated names such as 20m, 40m. Lower order numbers appear first. Devices remain visible when no logger band is known.</source>
        <translation>Deixe as bandas em branco para mostrar um dispositivo em todas as bandas. Use nomes separados por vírgula, como 20m, 40m. Números de ordem menores aparecem primeiro. Os dispositivos continuam visíveis quando a banda do logger é desconhecida.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the layout editor.</source>
        <translation>Fechar o editor de layout.</translation>
    </message>
    <message>
        <source>Save layout</source>
        <translation>Salvar layout</translation>
    </message>
    <message>
        <source>Discard layout changes?</source>
        <translation>Descartar as alterações do layout?</translation>
    </message>
    <message>
        <source>The changes to this layout have not been saved.</source>
        <translation>As alterações deste layout não foram salvas.</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Descartar alterações</translation>
    </message>
    <message>
        <source>The station has reported no devices yet.</source>
        <translation>A estação ainda não informou nenhum dispositivo.</translation>
    </message>
    <message>
        <source>Order</source>
        <extracomment>Column heading: where the device&apos;s card comes among the others.</extracomment>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visível</translation>
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
        <translation>Mostrar o cartão de %1.</translation>
    </message>
    <message>
        <source>Bands for %1</source>
        <translation>Bandas de %1</translation>
    </message>
    <message>
        <source>All bands</source>
        <translation>Todas as bandas</translation>
    </message>
    <message>
        <source>Comma-separated band names such as 20m, 40m; blank for all bands.</source>
        <translation>Nomes de banda separados por vírgula, como 20m, 40m; em branco para todas as bandas.</translation>
    </message>
    <message>
        <source>Order of %1</source>
        <translation>Ordem de %1</translation>
    </message>
    <message>
        <source>Lower order numbers appear first.</source>
        <translation>Números de ordem menores aparecem primeiro.</translation>
    </message>
    <message>
        <source>Radio A</source>
        <translation>Rádio A</translation>
    </message>
    <message>
        <source>Radio B</source>
        <translation>Rádio B</translation>
    </message>
    <message>
        <source>Either radio</source>
        <translation>Qualquer rádio</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde-azulado</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Use this layout now and keep it for this server.</source>
        <translation>Usar este layout agora e mantê-lo para este servidor.</translation>
    </message>
    <message>
        <source>Nothing has changed since the layout was saved.</source>
        <translation>Nada mudou desde que o layout foi salvo.</translation>
    </message>
</context>
<context>
    <name>LineDecoder</name>
    <message>
        <source>Invalid server text encoding.</source>
        <translation>Codificação de texto do servidor inválida.</translation>
    </message>
    <message>
        <source>Server message exceeds the size limit.</source>
        <translation>A mensagem do servidor excede o limite de tamanho.</translation>
    </message>
</context>
<context>
    <name>LiveLogView</name>
    <message>
        <source>No connection activity yet.</source>
        <translation>Ainda não há atividade de conexão.</translation>
    </message>
    <message>
        <source>Connection and command log</source>
        <translation>Log de conexões e comandos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the log window (Escape).</source>
        <translation>Fechar a janela de log (Escape).</translation>
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
        <translation>O arquivo de log atingiu %1 MiB; as linhas seguintes não são gravadas nele.</translation>
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
        <translation>Parado</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Informe um host e uma porta válidos.</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Escutando em %1:%2</translation>
    </message>
    <message>
        <source>Connected to N3FJP</source>
        <translation>Conectado ao N3FJP</translation>
    </message>
    <message>
        <source>Logger connection timed out.</source>
        <translation>A conexão com o logger expirou.</translation>
    </message>
    <message>
        <source>Logger frame too large.</source>
        <translation>Quadro do logger grande demais.</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>&amp;Configurações…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>&amp;Log de conexões</translation>
    </message>
    <message>
        <source>&amp;World map</source>
        <translation>&amp;Mapa-múndi</translation>
    </message>
    <message>
        <source>&amp;Remote access…</source>
        <translation>Acesso &amp;remoto…</translation>
    </message>
    <message>
        <source>&amp;Country file…</source>
        <translation>Arquivo de &amp;países…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Xalto Station Control</source>
        <translation>&amp;Sobre o Xalto Station Control</translation>
    </message>
    <message>
        <source>About Xalto Station Control</source>
        <translation>Sobre o Xalto Station Control</translation>
    </message>
    <message>
        <source>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Version %1</source>
        <translation>&lt;b&gt;Xalto Station Control&lt;/b&gt;&lt;br&gt;Versão %1</translation>
    </message>
    <message>
        <source>Station control for amateur-radio operators: rotators, antenna switches, stack outputs and tuners.&lt;br&gt;&lt;br&gt;Free software under the GNU General Public License, version 3 or later.&lt;br&gt;Map data and place search © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;OpenStreetMap contributors&lt;/a&gt;.&lt;br&gt;World map land: Made with &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Built with Qt %1, running on Qt %2.</source>
        <translation>Controle de estação para radioamadores: rotores, chaves de antenas, saídas de stack e acopladores.&lt;br&gt;&lt;br&gt;Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior.&lt;br&gt;Dados de mapa e busca de lugares © &lt;a href=&quot;https://www.openstreetmap.org/copyright&quot;&gt;colaboradores do OpenStreetMap&lt;/a&gt;.&lt;br&gt;Terras do mapa-múndi: feito com &lt;a href=&quot;https://www.naturalearthdata.com/&quot;&gt;Natural Earth&lt;/a&gt;.&lt;br&gt;Compilado com Qt %1, executando em Qt %2.</translation>
    </message>
</context>
<context>
    <name>NominatimPlaceSearch</name>
    <message>
        <source>The address lookup service “%1” is not a web address.</source>
        <translation>O serviço de busca de endereços “%1” não é um endereço web.</translation>
    </message>
    <message>
        <source>The address lookup service answered %1 %2.</source>
        <translation>O serviço de busca de endereços respondeu %1 %2.</translation>
    </message>
    <message>
        <source>The address lookup failed: %1.</source>
        <translation>A busca de endereço falhou: %1.</translation>
    </message>
    <message>
        <source>The address lookup service sent an answer that could not be read.</source>
        <translation>O serviço de busca de endereços enviou uma resposta que não pôde ser lida.</translation>
    </message>
</context>
<context>
    <name>OVVProtocol</name>
    <message>
        <source>This server uses Windows text encoding; a character cannot be represented.</source>
        <translation>Este servidor usa a codificação de texto do Windows; um caractere não pode ser representado.</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>Control</source>
        <extracomment>Role of a paired phone: it may turn rotors and switch antennas</extracomment>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>Role of a paired phone: it may only look</extracomment>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
</context>
<context>
    <name>PhidgetEncoder</name>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Enter a device serial number and valid channel.</source>
        <translation>Informe o número de série do dispositivo e um canal válido.</translation>
    </message>
</context>
<context>
    <name>PhidgetFunctions</name>
    <message>
        <source>Missing Phidget22 function: %1</source>
        <translation>Função do Phidget22 ausente: %1</translation>
    </message>
</context>
<context>
    <name>PointAtPanel</name>
    <message>
        <source>Point at</source>
        <translation>Apontar para</translation>
    </message>
    <message>
        <source>Point %1 at</source>
        <translation>Apontar %1 para</translation>
    </message>
    <message>
        <source>Call, prefix or locator</source>
        <translation>Indicativo, prefixo ou localizador</translation>
    </message>
    <message>
        <source>Point-at place for %1</source>
        <translation>Local de apontamento de %1</translation>
    </message>
    <message>
        <source>Point-at source for %1</source>
        <translation>Origem do apontamento de %1</translation>
    </message>
    <message>
        <source>Short path for %1</source>
        <translation>Caminho curto de %1</translation>
    </message>
    <message>
        <source>Long path for %1</source>
        <translation>Caminho longo de %1</translation>
    </message>
    <message>
        <source>Point-at note for %1</source>
        <translation>Nota de apontamento de %1</translation>
    </message>
    <message>
        <source>Turn short path</source>
        <translation>Girar pelo caminho curto</translation>
    </message>
    <message>
        <source>Turn long path</source>
        <translation>Girar pelo caminho longo</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Curto</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longo</translation>
    </message>
    <message>
        <source>Turn when the DX call changes</source>
        <translation>Girar quando o indicativo DX mudar</translation>
    </message>
    <message>
        <source>Turn %1 when the DX call changes</source>
        <translation>Girar %1 quando o indicativo DX mudar</translation>
    </message>
    <message>
        <source>When WSJT-X reports a new DX call for %1, turn the short path at once, through the same guards as the buttons.</source>
        <translation>Quando o WSJT-X informar um novo indicativo DX para %1, girar pelo caminho curto imediatamente, com as mesmas proteções dos botões.</translation>
    </message>
</context>
<context>
    <name>PointAtState</name>
    <message>
        <source>Call sign, prefix or locator; Return turns the short path.</source>
        <translation>Indicativo, prefixo ou localizador; Return gira pelo caminho curto.</translation>
    </message>
    <message>
        <source>This rotor has no position: set its tower location, or give the server profile a site.</source>
        <translation>Este rotor não tem posição: defina o local da torre ou informe o local da estação no perfil do servidor.</translation>
    </message>
    <message>
        <source>Turn %1 to the short path of the target.</source>
        <translation>Girar %1 para o caminho curto do alvo.</translation>
    </message>
    <message>
        <source>Turn %1 to the long path of the target.</source>
        <translation>Girar %1 para o caminho longo do alvo.</translation>
    </message>
    <message>
        <source>Near the antipode of the tower: every heading is about as short, so the bearing means little.</source>
        <translation>Perto do antípoda da torre: todos os azimutes são quase igualmente curtos, então o rumo pouco significa.</translation>
    </message>
    <message>
        <source>No heading can be worked out for this place.</source>
        <translation>Nenhum azimute pode ser calculado para este lugar.</translation>
    </message>
    <message>
        <source>No position for %1: place its tower with “Set tower location…” to point at stations.</source>
        <translation>Sem posição para %1: posicione a torre com “Definir local da torre…” para apontar para estações.</translation>
    </message>
    <message>
        <source>This rotor has no position.</source>
        <translation>Este rotor não tem posição.</translation>
    </message>
    <message>
        <source>Type a call sign, prefix or locator that resolves.</source>
        <translation>Digite um indicativo, prefixo ou localizador que possa ser resolvido.</translation>
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
        <translation>caminho longo para %1</translation>
    </message>
    <message>
        <source>short path to %1</source>
        <translation>caminho curto para %1</translation>
    </message>
</context>
<context>
    <name>PositionButton</name>
    <message>
        <source>Encoder preview</source>
        <translation>Prévia do encoder</translation>
    </message>
</context>
<context>
    <name>PositionState</name>
    <message>
        <source>Encoder preview: press the encoder button or Apply to send it.</source>
        <translation>Prévia do encoder: pressione o botão do encoder ou Aplicar para enviá-la.</translation>
    </message>
</context>
<context>
    <name>PresetEditorDialog</name>
    <message>
        <source>Presets for %1 · Enter a name and heading for this rotor.</source>
        <translation>Memórias de %1 · Informe um nome e um azimute para este rotor.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nome da memória</translation>
    </message>
    <message>
        <source>The name shown on the preset’s button.</source>
        <translation>O nome mostrado no botão da memória.</translation>
    </message>
    <message>
        <source>Target heading (°)</source>
        <translation>Azimute-alvo (°)</translation>
    </message>
    <message>
        <source>Preset target heading</source>
        <translation>Azimute-alvo da memória</translation>
    </message>
    <message>
        <source>Heading in degrees, from 0 to 360.</source>
        <translation>Azimute em graus, de 0 a 360.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Add this preset to %1.</source>
        <translation>Adicionar esta memória a %1.</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Nenhuma memória configurada</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Close the preset editor.</source>
        <translation>Fechar o editor de memórias.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Remove the preset %1.</source>
        <translation>Remover a memória %1.</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Edit Server</source>
        <translation>Editar Servidor</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Adicionar Servidor</translation>
    </message>
    <message>
        <source>Enter a profile name.</source>
        <translation>Informe um nome de perfil.</translation>
    </message>
    <message>
        <source>Enter the serial device without spaces.</source>
        <translation>Informe o dispositivo serial sem espaços.</translation>
    </message>
    <message>
        <source>Enter a hostname or IP address without spaces.</source>
        <translation>Informe um nome de host ou endereço IP sem espaços.</translation>
    </message>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Escolha uma porta serial /dev/ e uma taxa de baud suportada.</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>Informe uma porta de 1 a 65535.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Informe as duas coordenadas dentro dos intervalos mostrados.</translation>
    </message>
    <message>
        <source>The site address did not identify one location. Enter a fuller address or latitude and longitude.</source>
        <translation>O endereço da estação não identificou uma única localização. Informe um endereço mais completo ou a latitude e a longitude.</translation>
    </message>
    <message>
        <source>Site coordinates are outside the supported map range.</source>
        <translation>As coordenadas da estação estão fora da área de mapa suportada.</translation>
    </message>
    <message>
        <source>“%1” is saved. This tab stays connected to its server: choose “%1” in the server menu once it is disconnected, or use “Additional Server” to open it in a tab of its own.</source>
        <extracomment>“Additional Server” is the header button of that name</extracomment>
        <translation>“%1” foi salvo. Esta aba continua conectada ao seu servidor: escolha “%1” no menu de servidores quando ela estiver desconectada, ou use “Servidor Adicional” para abri-lo numa aba própria.</translation>
    </message>
    <message>
        <source>The server could not be verified.</source>
        <translation>O servidor não pôde ser verificado.</translation>
    </message>
    <message>
        <source>Settings exported.</source>
        <translation>Configurações exportadas.</translation>
    </message>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation>
            <numerusform>Substituir as configurações salvas pelo %n perfil de servidor deste arquivo? Isso substitui sua configuração salva e desconecta as conexões abertas. Senhas não são importadas.</numerusform>
            <numerusform>Substituir as configurações salvas pelos %n perfis de servidor deste arquivo? Isso substitui sua configuração salva e desconecta as conexões abertas. Senhas não são importadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings imported. Connections remain disconnected.</source>
        <translation>Configurações importadas. As conexões continuam desconectadas.</translation>
    </message>
</context>
<context>
    <name>ProfileManagerDialog</name>
    <message>
        <source>Hostname or IP address</source>
        <translation>Nome de host ou endereço IP</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 serial device</source>
        <translation>Dispositivo serial /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the server editor.</source>
        <translation>Fechar o editor de servidores.</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exportar Configurações</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar Configurações</translation>
    </message>
    <message>
        <source>Connect to any compatible OV Varnex server. Rotators are discovered automatically.</source>
        <translation>Conecte-se a qualquer servidor OV Varnex compatível. Os rotores são descobertos automaticamente.</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Saved servers, in the order they were added. Choose one to edit it.</source>
        <translation>Servidores salvos, na ordem em que foram adicionados. Escolha um para editá-lo.</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>Novo servidor</translation>
    </message>
    <message>
        <source>Start a new server profile.</source>
        <translation>Criar um novo perfil de servidor.</translation>
    </message>
    <message>
        <source>Remove saved server</source>
        <translation>Remover servidor salvo</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>The name shown in the server menu and on the tab.</source>
        <translation>O nome mostrado no menu de servidores e na aba.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tipo de conexão</translation>
    </message>
    <message>
        <source>How this computer reaches the station: an OV Varnex server, a KT-90 controller over TCP, UDP or a serial port, or a rotator behind a Hamlib rotctld.</source>
        <translation>Como este computador alcança a estação: um servidor OV Varnex, um controlador KT-90 via TCP, UDP ou porta serial, ou um rotor atrás de um rotctld do Hamlib.</translation>
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
        <translation>Endereço</translation>
    </message>
    <message>
        <source>The site’s street address. Without coordinates it is looked up on OpenStreetMap when saved.</source>
        <translation>O endereço da estação. Sem coordenadas, ele é buscado no OpenStreetMap ao salvar.</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitude (−85…85)</translation>
    </message>
    <message>
        <source>Site latitude in degrees, from −85 to 85.</source>
        <translation>Latitude da estação em graus, de −85 a 85.</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitude (−180…180)</translation>
    </message>
    <message>
        <source>Site longitude in degrees, from −180 to 180.</source>
        <translation>Longitude da estação em graus, de −180 a 180.</translation>
    </message>
    <message>
        <source>Enter both coordinates within the shown ranges.</source>
        <translation>Informe as duas coordenadas dentro dos intervalos mostrados.</translation>
    </message>
    <message>
        <source>Addresses are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Os endereços são buscados nos dados do OpenStreetMap. Abrir a página de direitos autorais.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Site Location (optional)</source>
        <translation>Local da Estação (opcional)</translation>
    </message>
    <message>
        <source>Coordinates provide the starting map location for this server’s rotors. Adjust each tower on the main screen; existing tower positions are preserved. Address-only entries are looked up with OpenStreetMap when saved.</source>
        <translation>As coordenadas definem a posição inicial no mapa para os rotores deste servidor. Ajuste cada torre na tela principal; as posições de torre existentes são preservadas. Entradas só com endereço são buscadas no OpenStreetMap ao salvar.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save all saved server settings to a settings file.</source>
        <translation>Salvar todas as configurações de servidores salvas num arquivo de configurações.</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Replace the saved settings with those of a settings file, after asking.</source>
        <translation>Substituir as configurações salvas pelas de um arquivo de configurações, após confirmação.</translation>
    </message>
    <message>
        <source>Export includes all saved server settings, locations, presets, layouts and integrations. Passwords remain in the system keychain.</source>
        <translation>A exportação inclui todas as configurações de servidores salvas, localizações, memórias, layouts e integrações. As senhas permanecem no chaveiro do sistema.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Checking server and site location…</source>
        <translation>Verificando o servidor e o local da estação…</translation>
    </message>
    <message>
        <source>Cancel check</source>
        <translation>Cancelar verificação</translation>
    </message>
    <message>
        <source>Stop checking. Nothing is saved and your edits stay.</source>
        <translation>Parar a verificação. Nada é salvo e suas edições são mantidas.</translation>
    </message>
    <message>
        <source>Path of the controller’s serial device, such as /dev/ttyUSB0.</source>
        <translation>Caminho do dispositivo serial do controlador, como /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Host name or IP address of the station server, KT-90 controller or rotctld.</source>
        <translation>Nome de host ou endereço IP do servidor da estação, do controlador KT-90 ou do rotctld.</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>Baud rate of the serial port: 4800, 9600, 19200, 38400, 57600 or 115200.</source>
        <translation>Taxa de baud da porta serial: 4800, 9600, 19200, 38400, 57600 ou 115200.</translation>
    </message>
    <message>
        <source>TCP or UDP port of the server, from 1 to 65535.</source>
        <translation>Porta TCP ou UDP do servidor, de 1 a 65535.</translation>
    </message>
    <message>
        <source>4533, rotctld’s usual port</source>
        <translation>4533, a porta usual do rotctld</translation>
    </message>
    <message>
        <source>Check that the server answers, then save this profile.</source>
        <translation>Verificar se o servidor responde e então salvar este perfil.</translation>
    </message>
    <message>
        <source>Choose a saved server to remove it.</source>
        <translation>Escolha um servidor salvo para removê-lo.</translation>
    </message>
    <message>
        <source>Unsaved details</source>
        <translation>Dados não salvos</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Keep editing to save them, or discard them to continue.</source>
        <translation>Suas alterações não foram salvas. Continue editando para salvá-las ou descarte-as para prosseguir.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Continuar editando</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Descartar alterações</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Salvar mesmo assim</translation>
    </message>
    <message>
        <source>Could not save server</source>
        <translation>Não foi possível salvar o servidor</translation>
    </message>
    <message>
        <source>Import saved settings?</source>
        <translation>Importar configurações salvas?</translation>
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
        <translation>Transferência de configurações</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSheet</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Somente este computador (127.0.0.1)</translation>
    </message>
    <message>
        <source>The network, at %1</source>
        <translation>A rede, em %1</translation>
    </message>
    <message>
        <source>Serve the remote page</source>
        <translation>Servir a página remota</translation>
    </message>
    <message>
        <source>Phones and tablets that are paired watch the station and, in the Control role, turn rotors and select antennas.</source>
        <translation>Celulares e tablets pareados acompanham a estação e, na função Controle, giram rotores e selecionam antenas.</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renomear…</translation>
    </message>
    <message>
        <source>Give the selected device another name.</source>
        <translation>Dar outro nome ao dispositivo selecionado.</translation>
    </message>
    <message>
        <source>Change role</source>
        <translation>Mudar função</translation>
    </message>
    <message>
        <source>Switch the selected device between Watch and Control.</source>
        <translation>Alternar o dispositivo selecionado entre Visualização e Controle.</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revogar</translation>
    </message>
    <message>
        <source>Unpair the selected device and close its page at once.</source>
        <translation>Desfazer o pareamento do dispositivo selecionado e fechar sua página imediatamente.</translation>
    </message>
    <message>
        <source>Remote access</source>
        <translation>Acesso remoto</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Escutar em</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Page open</source>
        <translation>Página aberta</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Pareado</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Visto por último</translation>
    </message>
    <message>
        <source>None: plain HTTP</source>
        <translation>Nenhum: HTTP simples</translation>
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
        <translation>Escolher o arquivo do certificado TLS.</translation>
    </message>
    <message>
        <source>TLS private key (PEM)</source>
        <translation>Chave privada TLS (PEM)</translation>
    </message>
    <message>
        <source>TLS private key</source>
        <translation>Chave privada TLS</translation>
    </message>
    <message>
        <source>Choose the TLS private key file.</source>
        <translation>Escolher o arquivo da chave privada TLS.</translation>
    </message>
    <message>
        <source>Open on the phone</source>
        <translation>Abrir no celular</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Código de pareamento</translation>
    </message>
    <message>
        <source>Type it on the page within five minutes, or scan the QR code: it carries the code too. A new code comes after five wrong tries.</source>
        <translation>Digite-o na página em até cinco minutos ou leia o código QR: ele também contém o código. Um novo código é gerado após cinco tentativas erradas.</translation>
    </message>
    <message>
        <source>Without TLS anyone on the network can read the traffic between the page and this computer, the pairing code and the device tokens included. Open it to the network only on one you trust, or choose a certificate and key: the page is then served over HTTPS only.</source>
        <translation>Sem TLS, qualquer pessoa na rede pode ler o tráfego entre a página e este computador, incluindo o código de pareamento e os tokens dos dispositivos. Abra-o para a rede somente se ela for confiável, ou escolha um certificado e uma chave: a página passa então a ser servida somente por HTTPS.</translation>
    </message>
    <message>
        <source>Paired devices</source>
        <translation>Dispositivos pareados</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Arquivos PEM (*.pem *.crt *.key);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Pairing code %1</source>
        <translation>Código de pareamento %1</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Código QR de %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Rename device</source>
        <translation>Renomear dispositivo</translation>
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
        <translation>Offline</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>PARAR TUDO</translation>
    </message>
    <message>
        <source>Pair this device</source>
        <translation>Parear este dispositivo</translation>
    </message>
    <message>
        <source>Open Remote access in the Window menu on the desktop and type the six-digit code it shows.</source>
        <translation>Abra Acesso remoto no menu Janela do computador e digite o código de seis dígitos exibido.</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Código de pareamento</translation>
    </message>
    <message>
        <source>Name of this device</source>
        <translation>Nome deste dispositivo</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Parear</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Compass letters on the phone&apos;s dial</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>L</translation>
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
        <translation>Alvo °</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Azimute-alvo de %1</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Azimute %1</translation>
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
        <translation>Memórias locais</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Memórias do servidor</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Live · %1</source>
        <extracomment>The page&apos;s link state: &quot;Live · Control&quot; or &quot;Live · Watch&quot;, %1 the device&apos;s role</extracomment>
        <translation>Ao vivo · %1</translation>
    </message>
    <message>
        <source>Control</source>
        <extracomment>A paired device&apos;s role: it may command</extracomment>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A paired device&apos;s role: it may only watch</extracomment>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>This device may only watch: the operator can give it the Control role on the desktop.</source>
        <translation>Este dispositivo pode apenas visualizar: o operador pode lhe dar a função Controle no computador.</translation>
    </message>
    <message>
        <source>Pairing failed.</source>
        <translation>Falha no pareamento.</translation>
    </message>
    <message>
        <source>The desktop cannot be reached.</source>
        <translation>Não é possível acessar o computador.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>No PEM certificate in %1</source>
        <translation>Nenhum certificado PEM em %1</translation>
    </message>
    <message>
        <source>Cannot read the private key %1</source>
        <translation>Não é possível ler a chave privada %1</translation>
    </message>
    <message>
        <source>No unencrypted PEM private key in %1</source>
        <translation>Nenhuma chave privada PEM não criptografada em %1</translation>
    </message>
    <message>
        <source>Not an address of this computer: %1</source>
        <translation>Não é um endereço deste computador: %1</translation>
    </message>
    <message>
        <source>Port %1 is in use.</source>
        <translation>A porta %1 está em uso.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Não é possível escutar: %1</translation>
    </message>
    <message>
        <source>Listening on %1 (TLS)</source>
        <translation>Escutando em %1 (TLS)</translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation>Escutando em %1</translation>
    </message>
    <message>
        <source>remote: %1</source>
        <extracomment>Who sent a command, shown in the log after it: &quot;(remote: Shack tablet)&quot;</extracomment>
        <translation>remoto: %1</translation>
    </message>
    <message>
        <source>Too many tries. Wait a minute, then type the code shown on the desktop.</source>
        <translation>Tentativas demais. Aguarde um minuto e digite o código mostrado no computador.</translation>
    </message>
    <message>
        <source>That code has expired. Type the new code shown on the desktop.</source>
        <translation>Esse código expirou. Digite o novo código mostrado no computador.</translation>
    </message>
    <message>
        <source>Wrong code. Type the code shown in Remote access on the desktop.</source>
        <translation>Código errado. Digite o código mostrado em Acesso remoto no computador.</translation>
    </message>
    <message>
        <source>Too many commands: this one was dropped.</source>
        <translation>Comandos demais: este foi descartado.</translation>
    </message>
    <message>
        <source>The page sent a message the desktop does not understand.</source>
        <translation>A página enviou uma mensagem que o computador não entende.</translation>
    </message>
    <message>
        <source>That tab is no longer open on the desktop.</source>
        <translation>Essa aba não está mais aberta no computador.</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Informe um azimute-alvo de 0 a 360.</translation>
    </message>
    <message>
        <source>The desktop refused to turn %1.</source>
        <translation>O computador se recusou a girar %1.</translation>
    </message>
    <message>
        <source>The desktop refused to stop %1.</source>
        <translation>O computador se recusou a parar %1.</translation>
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
        <translation>Este dispositivo pode apenas visualizar: o operador pode lhe dar a função Controle no computador.</translation>
    </message>
    <message>
        <source>Control is off on the desktop for this tab.</source>
        <translation>O controle está desligado no computador para esta aba.</translation>
    </message>
</context>
<context>
    <name>ResolvedPlace</name>
    <message>
        <source>exact call</source>
        <extracomment>How the place was found: from the call itself, its prefix, its call area or a grid locator.</extracomment>
        <translation>indicativo exato</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>prefixo</translation>
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
        <translation>Linha do rotctld excede %1 bytes.</translation>
    </message>
</context>
<context>
    <name>RotctldProtocol</name>
    <message>
        <source>Enter a heading from -180 to 540.</source>
        <translation>Informe um azimute de -180 a 540.</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parâmetro inválido</translation>
    </message>
    <message>
        <source>invalid configuration</source>
        <translation>configuração inválida</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>não implementado</translation>
    </message>
    <message>
        <source>the rotator did not answer in time</source>
        <translation>o rotor não respondeu a tempo</translation>
    </message>
    <message>
        <source>input or output error</source>
        <translation>erro de entrada ou saída</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>erro interno</translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation>erro de protocolo</translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation>comando recusado</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>não disponível</translation>
    </message>
    <message>
        <source>communication bus error</source>
        <translation>erro no barramento de comunicação</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valor fora do intervalo</translation>
    </message>
    <message>
        <source>the rotator is not powered on</source>
        <translation>o rotor não está ligado</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
</context>
<context>
    <name>RotctldReplyReader</name>
    <message>
        <source>rotctld sent an answer this program cannot read.</source>
        <translation>O rotctld enviou uma resposta que este programa não consegue ler.</translation>
    </message>
    <message>
        <source>rotctld sent an answer to no command.</source>
        <translation>O rotctld enviou uma resposta sem comando correspondente.</translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Enter a valid host and port.</source>
        <translation>Informe um host e uma porta válidos.</translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation>Porta em uso</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Escutando em %1:%2</translation>
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
        <translation>Aguardando azimute</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Turning clockwise</source>
        <translation>Girando no sentido horário</translation>
    </message>
    <message>
        <source>Turning counterclockwise</source>
        <translation>Girando no sentido anti-horário</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>Sem resposta</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>Fixed antenna</source>
        <translation>Antena fixa</translation>
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
        <translation>Azimute mudando</translation>
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
        <translation>L</translation>
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
        <translation>Configurações do rotor…</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Configurações do rotor %1</translation>
    </message>
    <message>
        <source>Heading of %1</source>
        <translation>Azimute de %1</translation>
    </message>
    <message>
        <source>Heading dial for %1</source>
        <translation>Mostrador de azimute de %1</translation>
    </message>
    <message>
        <source>Set tower location…</source>
        <translation>Definir local da torre…</translation>
    </message>
    <message>
        <source>Target heading for %1</source>
        <translation>Azimute-alvo de %1</translation>
    </message>
    <message>
        <source>Fill the target heading; press Rotate or Return to move.</source>
        <translation>Preencha o azimute-alvo; pressione Girar ou Return para mover.</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>Encoder preview for %1</source>
        <translation>Prévia do encoder de %1</translation>
    </message>
    <message>
        <source>Heading previewed with the rotary encoder; press the encoder button or Apply to turn.</source>
        <translation>Azimute em prévia pelo encoder rotativo; pressione o botão do encoder ou Aplicar para girar.</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>Anti-horário</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Park</source>
        <extracomment>Verb: turn the rotor to its park heading</extracomment>
        <translation>Estacionar</translation>
    </message>
    <message>
        <source>Park %1</source>
        <translation>Estacionar %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A compass point and its heading on a quick heading button, &quot;N 0°&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Put %1 in the target heading.</source>
        <translation>Colocar %1 no azimute-alvo.</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Gerenciar…</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gerenciar memórias de %1</translation>
    </message>
    <message>
        <source>Local presets</source>
        <translation>Memórias locais</translation>
    </message>
    <message>
        <source>No presets configured</source>
        <translation>Nenhuma memória configurada</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Server presets</source>
        <translation>Memórias do servidor</translation>
    </message>
    <message>
        <source>Request lock</source>
        <translation>Pedir trava</translation>
    </message>
    <message>
        <source>Release lock</source>
        <translation>Liberar trava</translation>
    </message>
    <message>
        <source>Server does not report ownership or rejected commands. Locks share the client IP and do not protect server presets. Disconnect releases locks for that IP.</source>
        <translation>O servidor não informa a posse nem os comandos recusados. As travas são compartilhadas pelo IP do cliente e não protegem as memórias do servidor. Desconectar libera as travas desse IP.</translation>
    </message>
    <message>
        <source>Encoder preview: %1</source>
        <translation>Prévia do encoder: %1</translation>
    </message>
    <message>
        <source>%1 heading %2</source>
        <translation>%1, azimute %2</translation>
    </message>
    <message>
        <source>%1 heading %2, %3</source>
        <translation>%1, azimute %2, %3</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A local preset&apos;s button: its name and heading</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Place %1 on the map and set its true-north offset.</source>
        <translation>Posicionar %1 no mapa e definir seu desvio do norte verdadeiro.</translation>
    </message>
    <message>
        <source>Choose a server first: tower locations are kept per server.</source>
        <translation>Escolha um servidor primeiro: os locais de torre são mantidos por servidor.</translation>
    </message>
    <message>
        <source>Maps are not available in this window.</source>
        <translation>Mapas não estão disponíveis nesta janela.</translation>
    </message>
    <message>
        <source>Range %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>limits %1</source>
        <translation>limites %1</translation>
    </message>
    <message>
        <source>forbidden %1</source>
        <translation>proibido %1</translation>
    </message>
    <message>
        <source>two-way antenna</source>
        <translation>antena bidirecional</translation>
    </message>
    <message>
        <source>park %1</source>
        <translation>estacionar %1</translation>
    </message>
    <message>
        <source>Turn %1 to its park heading, %2.</source>
        <translation>Girar %1 para seu azimute de estacionamento, %2.</translation>
    </message>
</context>
<context>
    <name>RotorCardState</name>
    <message>
        <source>Not connected.</source>
        <translation>Não conectado.</translation>
    </message>
    <message>
        <source>The rotor reports “%1”.</source>
        <translation>O rotor informa “%1”.</translation>
    </message>
    <message>
        <source>Enable control to rotate.</source>
        <translation>Habilite o controle para girar.</translation>
    </message>
    <message>
        <source>No fresh heading from the server.</source>
        <translation>Nenhum azimute recente do servidor.</translation>
    </message>
    <message>
        <source>Wait until the heading settles.</source>
        <translation>Aguarde o azimute se estabilizar.</translation>
    </message>
    <message>
        <source>Enable control to stop.</source>
        <translation>Habilite o controle para parar.</translation>
    </message>
    <message>
        <source>Locks need an OV Varnex server.</source>
        <translation>Travas exigem um servidor OV Varnex.</translation>
    </message>
    <message>
        <source>Enable control to lock.</source>
        <translation>Habilite o controle para travar.</translation>
    </message>
    <message>
        <source>Awaiting heading</source>
        <translation>Aguardando azimute</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Desatualizado</translation>
    </message>
    <message>
        <source>LAST KNOWN HEADING</source>
        <translation>ÚLTIMO AZIMUTE CONHECIDO</translation>
    </message>
    <message>
        <source>CONTROLLER HEADING</source>
        <translation>AZIMUTE DO CONTROLADOR</translation>
    </message>
    <message>
        <source>CURRENT HEADING</source>
        <translation>AZIMUTE ATUAL</translation>
    </message>
    <message>
        <source>Lock requested · unconfirmed</source>
        <translation>Trava solicitada · não confirmada</translation>
    </message>
    <message>
        <source>Release requested · unconfirmed</source>
        <translation>Liberação solicitada · não confirmada</translation>
    </message>
    <message>
        <source>No preset list received from server</source>
        <translation>Nenhuma lista de memórias recebida do servidor</translation>
    </message>
    <message>
        <source>Enter a target heading from 0 to 360.</source>
        <translation>Informe um azimute-alvo de 0 a 360.</translation>
    </message>
    <message>
        <source>Turn %1 to the target heading.</source>
        <translation>Girar %1 para o azimute-alvo.</translation>
    </message>
    <message>
        <source>Stop %1 now.</source>
        <translation>Parar %1 agora.</translation>
    </message>
    <message>
        <source>Jog needs an OV Varnex server.</source>
        <translation>O passo exige um servidor OV Varnex.</translation>
    </message>
    <message>
        <source>Move %1 one step counterclockwise.</source>
        <translation>Mover %1 um passo no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Move %1 one step clockwise.</source>
        <translation>Mover %1 um passo no sentido horário.</translation>
    </message>
    <message>
        <source>Request lock for %1</source>
        <translation>Pedir trava de %1</translation>
    </message>
    <message>
        <source>Release lock for %1</source>
        <translation>Liberar trava de %1</translation>
    </message>
    <message>
        <source>Rotate immediately to this heading when control is enabled.</source>
        <translation>Girar imediatamente para este azimute quando o controle estiver habilitado.</translation>
    </message>
    <message>
        <source>Rotate immediately to this server preset when control is enabled.</source>
        <translation>Girar imediatamente para esta memória do servidor quando o controle estiver habilitado.</translation>
    </message>
    <message>
        <source>Refresh server presets for %1</source>
        <translation>Atualizar memórias do servidor de %1</translation>
    </message>
    <message>
        <source>Manage presets for %1</source>
        <translation>Gerenciar memórias de %1</translation>
    </message>
    <message>
        <source>Choose a server first: presets are kept per server.</source>
        <translation>Escolha um servidor primeiro: as memórias são mantidas por servidor.</translation>
    </message>
</context>
<context>
    <name>RotorLocationEditor</name>
    <message>
        <source>Position the tower under the crosshair. Save location keeps that position.</source>
        <translation>Posicione a torre sob a mira. Salvar local mantém essa posição.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates to position the tower pin.</source>
        <translation>Busque um endereço ou visualize coordenadas para posicionar o marcador da torre.</translation>
    </message>
    <message>
        <source>Enter valid coordinates and an offset between −180° and 180°.</source>
        <translation>Informe coordenadas válidas e um desvio entre −180° e 180°.</translation>
    </message>
    <message>
        <source>Search for an address or preview coordinates first.</source>
        <translation>Busque um endereço ou visualize coordenadas primeiro.</translation>
    </message>
    <message>
        <source>Location for %1</source>
        <translation>Local de %1</translation>
    </message>
    <message>
        <source>Tower latitude</source>
        <translation>Latitude da torre</translation>
    </message>
    <message>
        <source>Latitude (−85…85)</source>
        <translation>Latitude (−85…85)</translation>
    </message>
    <message>
        <source>Degrees north, with a point as decimal separator; south is negative.</source>
        <translation>Graus norte, com ponto como separador decimal; sul é negativo.</translation>
    </message>
    <message>
        <source>Degrees north, with a point or a comma as decimal separator; south is negative.</source>
        <translation>Graus norte, com ponto ou vírgula como separador decimal; sul é negativo.</translation>
    </message>
    <message>
        <source>Tower longitude</source>
        <translation>Longitude da torre</translation>
    </message>
    <message>
        <source>Longitude (−180…180)</source>
        <translation>Longitude (−180…180)</translation>
    </message>
    <message>
        <source>Degrees east, with a point as decimal separator; west is negative.</source>
        <translation>Graus leste, com ponto como separador decimal; oeste é negativo.</translation>
    </message>
    <message>
        <source>Degrees east, with a point or a comma as decimal separator; west is negative.</source>
        <translation>Graus leste, com ponto ou vírgula como separador decimal; oeste é negativo.</translation>
    </message>
    <message>
        <source>True-north offset (°)</source>
        <translation>Desvio do norte verdadeiro (°)</translation>
    </message>
    <message>
        <source>True north display offset</source>
        <translation>Desvio de exibição do norte verdadeiro</translation>
    </message>
    <message>
        <source>Degrees added to the controller heading, from −180 to 180.</source>
        <translation>Graus somados ao azimute do controlador, de −180 a 180.</translation>
    </message>
    <message>
        <source>True bearing = controller heading + offset. Positive is clockwise. This changes only the map overlay; Rotate and presets continue to use controller degrees.</source>
        <translation>Rumo verdadeiro = azimute do controlador + desvio. Positivo é horário. Isso muda apenas a sobreposição do mapa; Girar e as memórias continuam usando os graus do controlador.</translation>
    </message>
    <message>
        <source>Preview coordinates</source>
        <translation>Visualizar coordenadas</translation>
    </message>
    <message>
        <source>Move the map to the coordinates typed above.</source>
        <translation>Mover o mapa para as coordenadas digitadas acima.</translation>
    </message>
    <message>
        <source>Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly.</source>
        <translation>A busca de endereços e as imagens de mapa usam o OpenStreetMap. Você também pode informar coordenadas diretamente.</translation>
    </message>
    <message>
        <source>Remove location</source>
        <translation>Remover local</translation>
    </message>
    <message>
        <source>Forget the tower placed for %1; the map then uses the server’s site, if any.</source>
        <translation>Esquecer a torre posicionada para %1; o mapa passa a usar o local da estação do servidor, se houver.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close without changing the tower location.</source>
        <translation>Fechar sem alterar o local da torre.</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>Salvar local</translation>
    </message>
    <message>
        <source>Rotator address</source>
        <translation>Endereço do rotor</translation>
    </message>
    <message>
        <source>Street address, city, country</source>
        <translation>Endereço, cidade, país</translation>
    </message>
    <message>
        <source>An address or place to look up, or a Maidenhead grid locator such as JO62qm.</source>
        <translation>Um endereço ou lugar a buscar, ou um localizador Maidenhead como JO62qm.</translation>
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
        <translation>Créditos da busca</translation>
    </message>
    <message>
        <source>Places are looked up in OpenStreetMap data. Open its copyright page.</source>
        <translation>Os lugares são buscados nos dados do OpenStreetMap. Abrir a página de direitos autorais.</translation>
    </message>
    <message>
        <source>Map around the tower</source>
        <translation>Mapa ao redor da torre</translation>
    </message>
    <message>
        <source>Move map center west</source>
        <translation>Mover o centro do mapa para oeste</translation>
    </message>
    <message>
        <source>Move map center north</source>
        <translation>Mover o centro do mapa para o norte</translation>
    </message>
    <message>
        <source>Move map center south</source>
        <translation>Mover o centro do mapa para o sul</translation>
    </message>
    <message>
        <source>Move map center east</source>
        <translation>Mover o centro do mapa para leste</translation>
    </message>
    <message>
        <source>Change map style in location editor</source>
        <translation>Mudar o estilo do mapa no editor de local</translation>
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
        <translation>Diminuir o zoom no editor de local</translation>
    </message>
    <message>
        <source>Zoom in in location editor</source>
        <translation>Aumentar o zoom no editor de local</translation>
    </message>
    <message>
        <source>No matching location. Try a fuller address or enter coordinates.</source>
        <translation>Nenhum local correspondente. Tente um endereço mais completo ou informe coordenadas.</translation>
    </message>
    <message>
        <source>Address search unavailable. Try again or enter coordinates.</source>
        <translation>Busca de endereço indisponível. Tente novamente ou informe coordenadas.</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Resultado da busca</translation>
    </message>
    <message>
        <source>Put the tower at %1.</source>
        <translation>Colocar a torre em %1.</translation>
    </message>
    <message>
        <source>Look the address up in OpenStreetMap; a grid locator is placed without a search.</source>
        <translation>Buscar o endereço no OpenStreetMap; um localizador é posicionado sem busca.</translation>
    </message>
    <message>
        <source>Type an address or a grid locator first.</source>
        <translation>Digite um endereço ou localizador primeiro.</translation>
    </message>
    <message>
        <source>Keep this position and offset for %1.</source>
        <translation>Manter esta posição e desvio para %1.</translation>
    </message>
    <message>
        <source>%1 by an eighth of the view.</source>
        <translation>%1 em um oitavo da vista.</translation>
    </message>
    <message>
        <source>Show the standard map.</source>
        <translation>Mostrar o mapa padrão.</translation>
    </message>
    <message>
        <source>Show satellite imagery.</source>
        <translation>Mostrar imagens de satélite.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Mostrar mais terreno ao redor da torre.</translation>
    </message>
    <message>
        <source>The map already shows 10 km, the widest view.</source>
        <translation>O mapa já mostra 10 km, a vista mais ampla.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Mostrar menos terreno ao redor da torre.</translation>
    </message>
    <message>
        <source>The map already shows 100 m, the closest view.</source>
        <translation>O mapa já mostra 100 m, a vista mais próxima.</translation>
    </message>
</context>
<context>
    <name>RotorMapCompass</name>
    <message>
        <source>Tower map for %1</source>
        <translation>Mapa da torre de %1</translation>
    </message>
    <message>
        <source>Map credits</source>
        <translation>Créditos do mapa</translation>
    </message>
    <message>
        <source>True bearing of %1</source>
        <translation>Rumo verdadeiro de %1</translation>
    </message>
    <message>
        <source>Change map style for %1</source>
        <translation>Mudar o estilo do mapa de %1</translation>
    </message>
    <message>
        <source>Zoom out for %1</source>
        <translation>Diminuir o zoom de %1</translation>
    </message>
    <message>
        <source>Zoom in for %1</source>
        <translation>Aumentar o zoom de %1</translation>
    </message>
    <message>
        <source>World</source>
        <extracomment>Button showing the world map instead of the tower&apos;s map</extracomment>
        <translation>Mundo</translation>
    </message>
    <message>
        <source>World map for %1</source>
        <translation>Mapa-múndi de %1</translation>
    </message>
    <message>
        <source>Show the whole world round the tower, with the beam across it.</source>
        <translation>Mostrar o mundo inteiro ao redor da torre, com o feixe atravessando-o.</translation>
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
        <translation>Último informado: %1 verdadeiro</translation>
    </message>
    <message>
        <source>Bearing %1 true</source>
        <translation>Rumo %1 verdadeiro</translation>
    </message>
    <message>
        <source>%1 · target in orange</source>
        <translation>%1 · alvo em laranja</translation>
    </message>
    <message>
        <source>Show the standard map under %1.</source>
        <translation>Mostrar o mapa padrão sob %1.</translation>
    </message>
    <message>
        <source>Show satellite imagery under %1.</source>
        <translation>Mostrar imagens de satélite sob %1.</translation>
    </message>
    <message>
        <source>The map already shows %1 around the tower, the widest view.</source>
        <translation>O mapa já mostra %1 ao redor da torre, a vista mais ampla.</translation>
    </message>
    <message>
        <source>Show more ground around the tower.</source>
        <translation>Mostrar mais terreno ao redor da torre.</translation>
    </message>
    <message>
        <source>The map already shows 100 m around the tower, the closest view.</source>
        <translation>O mapa já mostra 100 m ao redor da torre, a vista mais próxima.</translation>
    </message>
    <message>
        <source>Show less ground around the tower.</source>
        <translation>Mostrar menos terreno ao redor da torre.</translation>
    </message>
    <message>
        <source>Map data and imagery credits. Open the copyright page.</source>
        <translation>Créditos dos dados e imagens do mapa. Abrir a página de direitos autorais.</translation>
    </message>
    <message>
        <source>The world map always shows the whole world; zoom is for the tower&apos;s map.</source>
        <translation>O mapa-múndi sempre mostra o mundo inteiro; o zoom é para o mapa da torre.</translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation>Feito com Natural Earth</translation>
    </message>
</context>
<context>
    <name>RotorMechanics</name>
    <message>
        <source>-180…+180° (south stop)</source>
        <translation>-180…+180° (batente sul)</translation>
    </message>
    <message>
        <source>0–%1° (overlap)</source>
        <translation>0–%1° (sobreposição)</translation>
    </message>
    <message>
        <source>Turn blocked: the heading is not a number.</source>
        <translation>Giro bloqueado: o azimute não é um número.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is inside %2&apos;s forbidden sector %3.</source>
        <translation>Giro bloqueado: %1 está dentro do setor proibido %3 de %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s limits %3.</source>
        <translation>Giro bloqueado: %1 está fora dos limites %3 de %2.</translation>
    </message>
    <message>
        <source>Turn blocked: %1 is outside %2&apos;s range %3.</source>
        <translation>Giro bloqueado: %1 está fora da faixa %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Passo bloqueado: um passo horário a partir de %1 terminaria dentro do setor proibido %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would end inside %2&apos;s forbidden sector %3.</source>
        <translation>Passo bloqueado: um passo anti-horário a partir de %1 terminaria dentro do setor proibido %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Passo bloqueado: um passo horário a partir de %1 sairia dos limites %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would leave %2&apos;s limits %3.</source>
        <translation>Passo bloqueado: um passo anti-horário a partir de %1 sairia dos limites %3 de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CW step from %1 would cross %2&apos;s stop.</source>
        <translation>Passo bloqueado: um passo horário a partir de %1 cruzaria o batente de %2.</translation>
    </message>
    <message>
        <source>Jog blocked: a CCW step from %1 would cross %2&apos;s stop.</source>
        <translation>Passo bloqueado: um passo anti-horário a partir de %1 cruzaria o batente de %2.</translation>
    </message>
</context>
<context>
    <name>RotorSettingsSheet</name>
    <message>
        <source>Rotor settings</source>
        <translation>Configurações do rotor</translation>
    </message>
    <message>
        <source>Rotor settings for %1</source>
        <translation>Configurações do rotor %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Soft limits</source>
        <translation>Limites por software</translation>
    </message>
    <message>
        <source>Forbidden sector</source>
        <translation>Setor proibido</translation>
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
        <translation>Azimute mínimo</translation>
    </message>
    <message>
        <source>Highest heading</source>
        <translation>Azimute máximo</translation>
    </message>
    <message>
        <source>Forbidden from</source>
        <translation>Proibido de</translation>
    </message>
    <message>
        <source>Forbidden to</source>
        <translation>Proibido até</translation>
    </message>
    <message>
        <source>Forbidden to (clockwise)</source>
        <translation>Proibido até (horário)</translation>
    </message>
    <message>
        <source>0–360°</source>
        <translation>0–360°</translation>
    </message>
    <message>
        <source>South stop (-180…+180°)</source>
        <translation>Batente sul (-180…+180°)</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Sobreposição</translation>
    </message>
    <message>
        <source>Range of %1</source>
        <translation>Faixa de %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Overlap ends at</source>
        <translation>Sobreposição termina em</translation>
    </message>
    <message>
        <source>Two-way antenna</source>
        <translation>Antena bidirecional</translation>
    </message>
    <message>
        <source>The beam points both ways: turns go to whichever lobe is nearer.</source>
        <translation>O feixe aponta para os dois lados: os giros vão para o lóbulo mais próximo.</translation>
    </message>
    <message>
        <source>Park heading</source>
        <translation>Azimute de estacionamento</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Park after minutes without a command</source>
        <translation>Estacionar após minutos sem comando</translation>
    </message>
    <message>
        <source>Park when idle for</source>
        <translation>Estacionar se ocioso por</translation>
    </message>
    <message>
        <source>Stall watchdog</source>
        <translation>Vigia de emperramento</translation>
    </message>
    <message>
        <source>Stop a turn whose heading does not change, or that takes too long.</source>
        <translation>Parar um giro cujo azimute não muda ou que demora demais.</translation>
    </message>
    <message>
        <source>Least movement</source>
        <translation>Movimento mínimo</translation>
    </message>
    <message>
        <source>Within</source>
        <translation>Em até</translation>
    </message>
    <message>
        <source>Longest turn</source>
        <translation>Giro mais longo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save rotor settings</source>
        <translation>Salvar configurações do rotor</translation>
    </message>
    <message>
        <source>Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an overlap rotor. Every turn, from any source, is checked against them.</source>
        <translation>Os limites estão nos números em que o controlador conta: -90 a 90 num rotor com batente sul, até 450 num rotor com sobreposição. Todo giro, de qualquer origem, é verificado contra eles.</translation>
    </message>
    <message>
        <source>The limits must lie inside the range %1, the lowest below the highest.</source>
        <translation>Os limites devem ficar dentro da faixa %1, o mínimo abaixo do máximo.</translation>
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
        <translation>%1 não se moveu por %2 s: parado em %3°.</translation>
    </message>
    <message>
        <source>%1 turned for %2 s without arriving: stopped at %3°.</source>
        <translation>%1 girou por %2 s sem chegar: parado em %3°.</translation>
    </message>
    <message>
        <source>%1 had no command for %2 min: parking at %3°.</source>
        <translation>%1 ficou sem comando por %2 min: estacionando em %3°.</translation>
    </message>
</context>
<context>
    <name>RoutingContext</name>
    <message>
        <source>Not connected to the server.</source>
        <translation>Não conectado ao servidor.</translation>
    </message>
    <message>
        <source>Enable antenna controls first.</source>
        <translation>Habilite os controles de antena primeiro.</translation>
    </message>
    <message>
        <source>No fresh report from the server.</source>
        <translation>Nenhum relatório recente do servidor.</translation>
    </message>
    <message>
        <source>The server reports status %1.</source>
        <translation>O servidor informa o estado %1.</translation>
    </message>
    <message>
        <source>Not available right now.</source>
        <translation>Não disponível no momento.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Choose a /dev/ serial port and a supported baud rate.</source>
        <translation>Escolha uma porta serial /dev/ e uma taxa de baud suportada.</translation>
    </message>
    <message>
        <source>Cannot open serial port: %1</source>
        <translation>Não é possível abrir a porta serial: %1</translation>
    </message>
    <message>
        <source>Serial port is unavailable or already in use.</source>
        <translation>A porta serial está indisponível ou já em uso.</translation>
    </message>
    <message>
        <source>Cannot configure serial port.</source>
        <translation>Não é possível configurar a porta serial.</translation>
    </message>
</context>
<context>
    <name>SerialPortWorker</name>
    <message>
        <source>Serial port disconnected.</source>
        <translation>Porta serial desconectada.</translation>
    </message>
    <message>
        <source>Serial output queue exceeded its limit.</source>
        <translation>A fila de saída serial excedeu seu limite.</translation>
    </message>
    <message>
        <source>Serial write failed or timed out.</source>
        <translation>A escrita serial falhou ou expirou.</translation>
    </message>
</context>
<context>
    <name>ServerLoginView</name>
    <message>
        <source>Sign in</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Sign in to server</source>
        <translation>Entrar no servidor</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>After the server accepts your login, it is saved securely in the system keychain for this server address and port.</source>
        <translation>Depois que o servidor aceitar seu login, ele é salvo com segurança no chaveiro do sistema para este endereço e porta de servidor.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not sign in; the connection ends.</source>
        <translation>Não entrar; a conexão é encerrada.</translation>
    </message>
    <message>
        <source>Send this login to the server (Return).</source>
        <translation>Enviar este login ao servidor (Return).</translation>
    </message>
    <message>
        <source>Enter a user name to sign in.</source>
        <translation>Informe um nome de usuário para entrar.</translation>
    </message>
</context>
<context>
    <name>ServerVerification</name>
    <message>
        <source>No compatible server or device response within 3 seconds. Check the address, port, and network connection.</source>
        <translation>Nenhuma resposta de servidor ou dispositivo compatível em 3 segundos. Verifique o endereço, a porta e a conexão de rede.</translation>
    </message>
</context>
<context>
    <name>ServerVerificationError</name>
    <message>
        <source>Server could not be verified. %1</source>
        <extracomment>%1 is the reason, a whole sentence of its own.</extracomment>
        <translation>O servidor não pôde ser verificado. %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>The settings file could not be read: %1 is missing or not in the expected form.</source>
        <extracomment>%1 names a part of the file: &quot;the settings record&quot;, &quot;item 2 of “servers”&quot;, &quot;“version”&quot;</extracomment>
        <translation>O arquivo de configurações não pôde ser lido: %1 está ausente ou não tem a forma esperada.</translation>
    </message>
    <message>
        <source>Settings file exceeds the 10 MB limit.</source>
        <translation>O arquivo de configurações excede o limite de 10 MB.</translation>
    </message>
    <message>
        <source>The saved %1 could not be read.</source>
        <extracomment>%1 is &quot;tower locations&quot;, &quot;heading presets&quot; or &quot;rotor settings&quot;</extracomment>
        <translation>Não foi possível ler %1 salvas.</translation>
    </message>
    <message>
        <source>tower locations</source>
        <translation>as localizações de torre</translation>
    </message>
    <message>
        <source>heading presets</source>
        <translation>as memórias de azimute</translation>
    </message>
    <message>
        <source>rotor settings</source>
        <translation>as configurações de rotor</translation>
    </message>
    <message>
        <source>The saved layout of %1 could not be read.</source>
        <translation>O layout salvo de %1 não pôde ser lido.</translation>
    </message>
    <message>
        <source>The saved integration settings of %1 could not be read.</source>
        <translation>As configurações de integração salvas de %1 não puderam ser lidas.</translation>
    </message>
    <message>
        <source>The settings hold a number that cannot be written.</source>
        <translation>As configurações contêm um número que não pode ser gravado.</translation>
    </message>
    <message>
        <source>The settings file is not valid JSON: %1 at character %2.</source>
        <translation>O arquivo de configurações não é um JSON válido: %1 no caractere %2.</translation>
    </message>
    <message>
        <source>the settings record</source>
        <translation>o registro de configurações</translation>
    </message>
    <message>
        <source>The settings file could not be opened: %1.</source>
        <translation>O arquivo de configurações não pôde ser aberto: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1.</source>
        <translation>O arquivo de configurações não pôde ser lido: %1.</translation>
    </message>
    <message>
        <source>The settings file could not be written: %1.</source>
        <translation>O arquivo de configurações não pôde ser gravado: %1.</translation>
    </message>
    <message>
        <source>This is not a supported station settings file.</source>
        <translation>Este não é um arquivo de configurações de estação suportado.</translation>
    </message>
    <message>
        <source>Duplicate server identifiers in settings file.</source>
        <translation>Identificadores de servidor duplicados no arquivo de configurações.</translation>
    </message>
    <message>
        <source>Invalid server name or address.</source>
        <translation>Nome ou endereço de servidor inválido.</translation>
    </message>
    <message>
        <source>Invalid server port or baud rate.</source>
        <translation>Porta ou taxa de baud do servidor inválida.</translation>
    </message>
    <message>
        <source>Both site coordinates are required.</source>
        <translation>As duas coordenadas da estação são obrigatórias.</translation>
    </message>
    <message>
        <source>Invalid site coordinates.</source>
        <translation>Coordenadas da estação inválidas.</translation>
    </message>
    <message>
        <source>Invalid tower location or preset.</source>
        <translation>Local de torre ou memória inválido.</translation>
    </message>
    <message>
        <source>Duplicate preset identifiers.</source>
        <translation>Identificadores de memória duplicados.</translation>
    </message>
    <message>
        <source>Invalid or duplicate rotor settings.</source>
        <translation>Configurações de rotor inválidas ou duplicadas.</translation>
    </message>
    <message>
        <source>Duplicate tower locations.</source>
        <translation>Locais de torre duplicados.</translation>
    </message>
    <message>
        <source>Invalid layout settings.</source>
        <translation>Configurações de layout inválidas.</translation>
    </message>
    <message>
        <source>Invalid integration settings.</source>
        <translation>Configurações de integração inválidas.</translation>
    </message>
    <message>
        <source>item %1 of “%2”</source>
        <extracomment>%2 is a key of the settings file, which stays in English</extracomment>
        <translation>item %1 de “%2”</translation>
    </message>
    <message>
        <source>the layout of “%1”</source>
        <translation>o layout de “%1”</translation>
    </message>
    <message>
        <source>the integration settings of “%1”</source>
        <translation>as configurações de integração de “%1”</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
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
        <translation>O idioma dos textos do programa. &quot;Sistema&quot; segue o idioma da área de trabalho.</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Quilômetros</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Milhas</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <translation>Unidade de distância</translation>
    </message>
    <message>
        <source>Used for every distance the program shows.</source>
        <translation>Usada para todas as distâncias que o programa mostra.</translation>
    </message>
    <message>
        <source>Language note</source>
        <translation>Nota sobre o idioma</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Distance unit</source>
        <translation>Unidade de &amp;distância</translation>
    </message>
    <message>
        <source>The new language is used from the next start.</source>
        <translation>O novo idioma é usado a partir da próxima inicialização.</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>O idioma muda na próxima inicialização.</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
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
        <translation>Desatualizado</translation>
    </message>
    <message>
        <source>Status %1</source>
        <translation>Estado %1</translation>
    </message>
    <message>
        <source>Turn off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Turn off %1</source>
        <translation>Desligar %1</translation>
    </message>
    <message>
        <source>Turn on %1</source>
        <translation>Ligar %1</translation>
    </message>
    <message>
        <source>Switch %1 out of the stack.</source>
        <translation>Tirar %1 do stack.</translation>
    </message>
    <message>
        <source>Switch %1 into the stack.</source>
        <translation>Colocar %1 no stack.</translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message>
        <source>No logger data yet</source>
        <translation>Ainda sem dados do logger</translation>
    </message>
    <message>
        <source>Enter an IP address and a port from 1 to 65535.</source>
        <translation>Informe um endereço IP e uma porta de 1 a 65535.</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Não é possível escutar: %1</translation>
    </message>
    <message>
        <source>Listening on %1:%2</source>
        <translation>Escutando em %1:%2</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Sem escuta</translation>
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
        <translation>Rádio em foco: %1</translation>
    </message>
    <message>
        <source>Radio %1 · %2 MHz</source>
        <translation>Rádio %1 · %2 MHz</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio %2</source>
        <translation>Azimute do rotor: %1° · rádio %2</translation>
    </message>
    <message>
        <source>Rotor heading: %1° · radio focused</source>
        <translation>Azimute do rotor: %1° · rádio em foco</translation>
    </message>
    <message>
        <source>Rotor stop · radio %1</source>
        <translation>Parar rotor · rádio %1</translation>
    </message>
    <message>
        <source>Rotor stop · radio focused</source>
        <translation>Parar rotor · rádio em foco</translation>
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
        <translation>Digite um indicativo, prefixo ou localizador.</translation>
    </message>
    <message>
        <source>That is too long for a call sign, prefix or grid locator.</source>
        <translation>Longo demais para um indicativo, prefixo ou localizador.</translation>
    </message>
    <message>
        <source>%1 is not a call sign, prefix or grid locator.</source>
        <translation>%1 não é um indicativo, prefixo nem localizador.</translation>
    </message>
    <message>
        <source>No country file is loaded, so only grid locators can be placed.</source>
        <translation>Nenhum arquivo de países carregado; só localizadores podem ser posicionados.</translation>
    </message>
    <message>
        <source>%1 is maritime mobile: it has no country.</source>
        <translation>%1 é marítimo móvel: não tem país.</translation>
    </message>
    <message>
        <source>%1 is aeronautical mobile: it has no country.</source>
        <translation>%1 é aeronáutico móvel: não tem país.</translation>
    </message>
    <message>
        <source>%1 matches no country prefix.</source>
        <translation>%1 não corresponde a nenhum prefixo de país.</translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message>
        <source>Rotors and antenna routing</source>
        <translation>Rotores e roteamento de antenas</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Desenvolvimento</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Choose the saved server this tab shows.</source>
        <translation>Escolha o servidor salvo que esta aba mostra.</translation>
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
        <translation>Integrações</translation>
    </message>
    <message>
        <source>Loggers, keys and the rotary encoder for this server.</source>
        <translation>Loggers, teclas e o encoder rotativo deste servidor.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Which cards show, in what order, on which bands.</source>
        <translation>Quais cartões aparecem, em que ordem e em quais bandas.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Open the connection and command log of every tab.</source>
        <translation>Abrir o log de conexões e comandos de todas as abas.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mapa-múndi</translation>
    </message>
    <message>
        <source>The world round this tab&apos;s towers, with every located rotor&apos;s beam.</source>
        <translation>O mundo ao redor das torres desta aba, com o feixe de cada rotor localizado.</translation>
    </message>
    <message>
        <source>Additional Server</source>
        <translation>Servidor Adicional</translation>
    </message>
    <message>
        <source>Controls reset on disconnect. Turn commands are never replayed. Closing the app does not stop a moving antenna.</source>
        <translation>Os controles são redefinidos ao desconectar. Comandos de giro nunca são repetidos. Fechar o programa não para uma antena em movimento.</translation>
    </message>
    <message>
        <source>Enable control</source>
        <translation>Habilitar controle</translation>
    </message>
    <message>
        <source>STOP ALL</source>
        <translation>PARAR TUDO</translation>
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
        <translation>Roteamento de antenas</translation>
    </message>
    <message>
        <source>Manage servers…</source>
        <translation>Gerenciar servidores…</translation>
    </message>
    <message>
        <source>Configure Server</source>
        <translation>Configurar Servidor</translation>
    </message>
    <message>
        <source>SERVER: %1</source>
        <translation>SERVIDOR: %1</translation>
    </message>
    <message>
        <source>Select server</source>
        <translation>Selecionar servidor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close the connection to this server.</source>
        <translation>Encerrar a conexão com este servidor.</translation>
    </message>
    <message>
        <source>Stop connecting to this server.</source>
        <translation>Parar de conectar a este servidor.</translation>
    </message>
    <message>
        <source>Connect to the selected server.</source>
        <translation>Conectar ao servidor selecionado.</translation>
    </message>
    <message>
        <source>Connect to another server in a separate tab (up to 10).</source>
        <translation>Conectar a outro servidor numa aba separada (até 10).</translation>
    </message>
    <message>
        <source>Ten server tabs are open: close one to add another.</source>
        <translation>Dez abas de servidor estão abertas: feche uma para adicionar outra.</translation>
    </message>
    <message>
        <source>Allow the rotor controls of this tab to send commands.</source>
        <translation>Permitir que os controles de rotor desta aba enviem comandos.</translation>
    </message>
    <message>
        <source>Allow the switch, stack and tuner controls of this tab to send commands.</source>
        <translation>Permitir que os controles de chave, stack e acoplador desta aba enviem comandos.</translation>
    </message>
    <message>
        <source>Stop every rotor of this server. (%1)</source>
        <translation>Parar todos os rotores deste servidor. (%1)</translation>
    </message>
    <message>
        <source>No rotor can be stopped: connect and switch on Enable control.</source>
        <translation>Nenhum rotor pode ser parado: conecte e ative Habilitar controle.</translation>
    </message>
    <message numerus="yes">
        <source>%n visible</source>
        <extracomment>Rotor cards shown on this tab</extracomment>
        <translation>
            <numerusform>%n visível</numerusform>
            <numerusform>%n visíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n discovered · live headings from the server</source>
        <extracomment>Rotors the server reported</extracomment>
        <translation>
            <numerusform>%n descoberto · azimutes ao vivo do servidor</numerusform>
            <numerusform>%n descobertos · azimutes ao vivo do servidor</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for rotors…</source>
        <translation>Aguardando rotores…</translation>
    </message>
    <message>
        <source>Connect once to load this server’s rotors</source>
        <translation>Conecte uma vez para carregar os rotores deste servidor</translation>
    </message>
    <message>
        <source>Connect once to load this server’s antenna routing</source>
        <translation>Conecte uma vez para carregar o roteamento de antenas deste servidor</translation>
    </message>
    <message>
        <source>No switches, stack outputs or tuners reported</source>
        <translation>Nenhuma chave, saída de stack ou acoplador informado</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <extracomment>Antenna switch card, named for assistive tools</extracomment>
        <translation>Chave %1</translation>
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
        <translation>Ainda sem servidor</translation>
    </message>
    <message>
        <source>No server chosen</source>
        <translation>Nenhum servidor escolhido</translation>
    </message>
    <message>
        <source>There is no server to connect to yet. Add one in the server editor.</source>
        <translation>Ainda não há servidor para conectar. Adicione um no editor de servidores.</translation>
    </message>
    <message>
        <source>This tab has no server. Choose one in the server menu, or add one in the server editor.</source>
        <translation>Esta aba não tem servidor. Escolha um no menu de servidores ou adicione um no editor de servidores.</translation>
    </message>
    <message>
        <source>Add server…</source>
        <translation>Adicionar servidor…</translation>
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
        <translation>Este servidor já está aberto em %1. A aba existente foi selecionada.</translation>
    </message>
</context>
<context>
    <name>StationWorkspaceView</name>
    <message>
        <source>Close server tab</source>
        <translation>Fechar aba do servidor</translation>
    </message>
    <message>
        <source>Server tabs</source>
        <translation>Abas de servidor</translation>
    </message>
    <message>
        <source>Disconnect and close the selected server tab.</source>
        <translation>Desconectar e fechar a aba de servidor selecionada.</translation>
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
        <translation>Servidor já aberto</translation>
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
        <translation>Informado: %1</translation>
    </message>
    <message>
        <source>Server status %1</source>
        <translation>Estado do servidor %1</translation>
    </message>
    <message>
        <source>Unsupported switch type %1</source>
        <translation>Tipo de chave não suportado %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Selecionar %1</translation>
    </message>
    <message>
        <source>Deselect %1</source>
        <translation>Desmarcar %1</translation>
    </message>
    <message>
        <source>Also select %1</source>
        <translation>Selecionar também %1</translation>
    </message>
    <message>
        <source>Select %1 at %2 degrees</source>
        <translation>Selecionar %1 em %2 graus</translation>
    </message>
    <message>
        <source>Position is locked.</source>
        <translation>A posição está travada.</translation>
    </message>
</context>
<context>
    <name>SystemFileDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <extracomment>File type filter of the settings file dialogs; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Arquivos JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>TerminalProtocol</name>
    <message>
        <source>Enter a heading from 0 to 360.</source>
        <translation>Informe um azimute de 0 a 360.</translation>
    </message>
    <message>
        <source>Terminal frame exceeds size limit.</source>
        <translation>O quadro do terminal excede o limite de tamanho.</translation>
    </message>
</context>
<context>
    <name>TileLoader</name>
    <message>
        <source>The tile server sent more than %1 MiB for one tile.</source>
        <translation>O servidor de blocos enviou mais de %1 MiB para um bloco.</translation>
    </message>
    <message>
        <source>The tile server answered %1 %2.</source>
        <translation>O servidor de blocos respondeu %1 %2.</translation>
    </message>
    <message>
        <source>The tile server did not answer in time.</source>
        <translation>O servidor de blocos não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The tile could not be loaded: %1.</source>
        <translation>O bloco não pôde ser carregado: %1.</translation>
    </message>
    <message>
        <source>The tile address “%1” is not a web address.</source>
        <translation>O endereço de bloco “%1” não é um endereço web.</translation>
    </message>
    <message>
        <source>The tile server %1 asked for fewer requests; tiles are paused for now.</source>
        <translation>O servidor de blocos %1 pediu menos requisições; os blocos estão pausados por enquanto.</translation>
    </message>
    <message>
        <source>The tile server sent an image that could not be read.</source>
        <translation>O servidor de blocos enviou uma imagem que não pôde ser lida.</translation>
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
        <translation>Imagens do mapa indisponíveis. A exibição do azimute continua funcionando.</translation>
    </message>
</context>
<context>
    <name>TunerCard</name>
    <message>
        <source>CCW</source>
        <translation>Anti-horário</translation>
    </message>
    <message>
        <source>CCW %1</source>
        <translation>Anti-horário %1</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>CW %1</source>
        <translation>Horário %1</translation>
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
        <translation>Calibrar o rotor do acoplador?</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1 on %2.</source>
        <translation>Executar a calibração do servidor para %1 em %2.</translation>
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
        <translation>Aguardando posição</translation>
    </message>
    <message>
        <source>Tune %1 to %2</source>
        <translation>Sintonizar %1 em %2</translation>
    </message>
    <message>
        <source>Turn %1 counterclockwise</source>
        <translation>Girar %1 no sentido anti-horário</translation>
    </message>
    <message>
        <source>Turn %1 clockwise</source>
        <translation>Girar %1 no sentido horário</translation>
    </message>
    <message>
        <source>Run the server’s calibration for %1</source>
        <translation>Executar a calibração do servidor para %1</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation>Mapa-múndi</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>L</translation>
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
        <translation>A torre ainda não tem posição, então o mundo não pode ser desenhado ao redor dela.</translation>
    </message>
    <message>
        <source>Centred on %1</source>
        <translation>Centrado em %1</translation>
    </message>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation>Os contornos terrestres estão ausentes nesta compilação.</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Rumo %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 beam %2, last reported</source>
        <translation>Feixe de %1 %2, último informado</translation>
    </message>
    <message>
        <source>%1 beam %2</source>
        <translation>Feixe de %1 %2</translation>
    </message>
</context>
<context>
    <name>WorldMapWindow</name>
    <message>
        <source>World map</source>
        <translation>Mapa-múndi</translation>
    </message>
    <message>
        <source>Whole world</source>
        <translation>Mundo inteiro</translation>
    </message>
    <message>
        <source>World map reach</source>
        <translation>Alcance do mapa-múndi</translation>
    </message>
    <message>
        <source>How far from the tower the edge of the map reaches.</source>
        <translation>Até que distância da torre vai a borda do mapa.</translation>
    </message>
    <message>
        <source>Place under the pointer</source>
        <translation>Lugar sob o ponteiro</translation>
    </message>
    <message>
        <source>No rotor of this tab has a tower position yet. Place a tower with Set Location on its card, or give the server a site in its profile.</source>
        <translation>Nenhum rotor desta aba tem posição de torre ainda. Posicione uma torre com Definir local no seu cartão ou informe o local da estação no perfil do servidor.</translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation>Alcance:</translation>
    </message>
    <message>
        <source>Bearing %1, %2, %3</source>
        <translation>Rumo %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>WsjtxMessage</name>
    <message>
        <source>The WSJT-X datagram is damaged: it ends before its %1.</source>
        <translation>O datagrama do WSJT-X está danificado: termina antes do campo %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is %2 bytes long.</source>
        <translation>O datagrama do WSJT-X está danificado: o campo %1 tem %2 bytes.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it ends inside its %1.</source>
        <translation>O datagrama do WSJT-X está danificado: termina dentro do campo %1.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its %1 is not UTF-8 text.</source>
        <translation>O datagrama do WSJT-X está danificado: o campo %1 não é texto UTF-8.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it is %1 bytes long.</source>
        <translation>O datagrama do WSJT-X está danificado: tem %1 bytes.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: it does not start with the magic number.</source>
        <translation>O datagrama do WSJT-X está danificado: não começa com o número mágico.</translation>
    </message>
    <message>
        <source>The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.</source>
        <translation>O datagrama do WSJT-X está danificado: seu esquema %1 não é 2 nem 3.</translation>
    </message>
</context>
</TS>
