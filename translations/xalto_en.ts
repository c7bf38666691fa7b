<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CountryData</name>
    <message numerus="yes">
        <source>Version %1, %n days old</source>
        <extracomment>%1 is the country file&apos;s version, %n the age of that version in days</extracomment>
        <translation>
            <numerusform>Version %1, %n day old</numerusform>
            <numerusform>Version %1, %n days old</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IntegrationRotctldSection</name>
    <message numerus="yes">
        <source>%n clients</source>
        <translation>
            <numerusform>%n client</numerusform>
            <numerusform>%n clients</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeltoClient</name>
    <message numerus="yes">
        <source>rotctld stopped answering: %n commands are waiting for an answer.</source>
        <translation>
            <numerusform>rotctld stopped answering: %n command is waiting for an answer.</numerusform>
            <numerusform>rotctld stopped answering: %n commands are waiting for an answer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message numerus="yes">
        <source>Replace saved settings with the %n server profile(s) in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</source>
        <translation>
            <numerusform>Replace saved settings with the %n server profile in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</numerusform>
            <numerusform>Replace saved settings with the %n server profiles in this file? This replaces your saved configuration and disconnects open connections. Passwords are not imported.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StationIntegrations</name>
    <message numerus="yes">
        <source>%1 · %n datagrams dropped</source>
        <extracomment>%1 is the listener&apos;s state, such as &quot;Listening on 127.0.0.1:2237&quot;.</extracomment>
        <translation>
            <numerusform>%1 · %n datagram dropped</numerusform>
            <numerusform>%1 · %n datagrams dropped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StationView</name>
    <message numerus="yes">
        <source>%n visible</source>
        <extracomment>Rotor cards shown on this tab</extracomment>
        <translation>
            <numerusform>%n visible</numerusform>
            <numerusform>%n visible</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n discovered · live headings from the server</source>
        <extracomment>Rotors the server reported</extracomment>
        <translation>
            <numerusform>%n discovered · live headings from the server</numerusform>
            <numerusform>%n discovered · live headings from the server</numerusform>
        </translation>
    </message>
</context>
</TS>
