<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
    <message>
        <source>1 day old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days old</source>
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
    <name>QObject</name>
    <message>
        <source>The land outlines are missing from this build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
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
    <name>WorldMap</name>
    <message>
        <source>World map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing %1°, %2, %3</source>
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
        <source>%1 beam %2°%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, last reported</source>
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
        <source>5,000 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10,000 km</source>
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
        <source>Bearing %1°, %2 km, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
