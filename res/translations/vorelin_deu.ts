<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Strings</name>
    <message id="102">
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message id="104">
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message id="109">
        <source>Frame</source>
        <translation>Frame-Format</translation>
    </message>
    <message id="119">
        <source>Please restart %1</source>
        <translation>Bitte starten Sie %1 neu, damit die neue Sprache wirksam wird.</translation>
    </message>
    <message id="128">
        <source>Vorelin</source>
        <translation>Vorelin</translation>
    </message>
    <message id="130">
        <source>


Vorelin Files (*.orx)
.orx

</source>
        <translatorcomment>Document-type fields; only the fourth field (the file-dialog filter) is translated.</translatorcomment>
        <translation>


Vorelin-Dateien (*.orx)
.orx

</translation>
    </message>
    <message id="2001">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="2002">
        <source>Time(m-s-ms-us)</source>
        <translation>Zeit(m-s-ms-µs)</translation>
    </message>
    <message id="2003">
        <source>Loading(%)</source>
        <translation>Buslast(%)</translation>
    </message>
    <message id="2004">
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message id="2005">
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message id="2006">
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message id="2007">
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message id="2008">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="2009">
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message id="2010">
        <source>Source ID</source>
        <translation>Quell-ID</translation>
    </message>
    <message id="2011">
        <source>Destination ID</source>
        <translation>Ziel-ID</translation>
    </message>
    <message id="2012">
        <source>Message ID</source>
        <translation>Nachrichten-ID</translation>
    </message>
    <message id="2013">
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message id="2014">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="2015">
        <source>COB-ID</source>
        <translation>COB-ID</translation>
    </message>
    <message id="2016">
        <source>FCode</source>
        <translation>Fkt.-Code</translation>
    </message>
    <message id="2017">
        <source>Node-ID</source>
        <translation>Knoten-ID</translation>
    </message>
    <message id="2018">
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message id="2019">
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message id="2020">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="5000">
        <source>Device error,

Please check:
1-The connection of the device.
2-The configuration of the device.</source>
        <translation>Gerätefehler.

Bitte prüfen Sie:
1. Die Verbindung zum Gerät.
2. Die Konfiguration des Geräts.</translation>
    </message>
    <message id="5001">
        <source>Can't run device,
Please try it again.</source>
        <translation>Das Gerät kann nicht gestartet werden.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message id="5002">
        <source>Send MultiCAN Data \&quot;Stop\&quot; command error.</source>
        <translation>Fehler beim Senden des Befehls „Stopp“ für die Automatiknachrichten.</translation>
    </message>
    <message id="5003">
        <source>There is no data to transmit.

Plese download the data to the device at first.</source>
        <translation>Es sind keine Daten zum Senden vorhanden.

Bitte übertragen Sie die Daten zuerst in das Gerät.</translation>
    </message>
    <message id="5004">
        <source>Sent multidata failed.,

Please check:
1-The connection of the device.
2-The configuration of the device.</source>
        <translation>Senden der Automatiknachrichten fehlgeschlagen.

Bitte prüfen Sie:
1. Die Verbindung zum Gerät.
2. Die Konfiguration des Geräts.</translation>
    </message>
    <message id="5005">
        <source>The value must between 0 to 0XFF.</source>
        <translation>Der Wert muss zwischen 0 und 0xFF liegen.</translation>
    </message>
    <message id="5006">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5007">
        <source>The value must between 0 to 255.</source>
        <translation>Der Wert muss zwischen 0 und 255 liegen.</translation>
    </message>
    <message id="5008">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5009">
        <source>Maximun number of data is 8.</source>
        <translation>Es sind höchstens 8 Einträge möglich.</translation>
    </message>
    <message id="5010">
        <source>Download data failed.

Please check:
1 The connection of device;
2 The configuration of the device;</source>
        <translation>Übertragen der Daten fehlgeschlagen.

Bitte prüfen Sie:
1. Die Verbindung zum Gerät.
2. Die Konfiguration des Geräts.</translation>
    </message>
    <message id="5011">
        <source>There is none valid data to download.</source>
        <translation>Es sind keine gültigen Daten zum Übertragen vorhanden.</translation>
    </message>
    <message id="5016">
        <source>Identifier must between 0 to 0X7FF.&quot;</source>
        <translation>Die Kennung muss zwischen 0 und 0x7FF liegen.</translation>
    </message>
    <message id="5017">
        <source>Identifier must between 0 to 0X1FFFFFFF.</source>
        <translation>Die Kennung muss zwischen 0 und 0x1FFFFFFF liegen.</translation>
    </message>
    <message id="5018">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5019">
        <source>Identifier must less than 8 characters.</source>
        <translation>Die Kennung darf höchstens 8 Zeichen lang sein.</translation>
    </message>
    <message id="5020">
        <source>Identifier must between 0 to 2047.</source>
        <translation>Die Kennung muss zwischen 0 und 2047 liegen.</translation>
    </message>
    <message id="5021">
        <source>Identifier must between 0 to 536870911.</source>
        <translation>Die Kennung muss zwischen 0 und 536870911 liegen.</translation>
    </message>
    <message id="5022">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5023">
        <source>Identifier must less than 9 characters.</source>
        <translation>Die Kennung darf höchstens 9 Zeichen lang sein.</translation>
    </message>
    <message id="5024">
        <source>The value must between 0 to 255.</source>
        <translation>Der Wert muss zwischen 0 und 255 liegen.</translation>
    </message>
    <message id="5025">
        <source>KTR2740 communication error.</source>
        <translation>Kommunikationsfehler mit dem KTR2740.</translation>
    </message>
    <message id="5026">
        <source>Fail to setup the Device.

Please check:
1.The connection of KTR2740.</source>
        <translation>Das Gerät konnte nicht eingerichtet werden.

Bitte prüfen Sie:
1. Die Verbindung zum KTR2740.</translation>
    </message>
    <message id="5027">
        <source>You should close the old document.
Are you sure to close the document?</source>
        <translation>Das bisherige Dokument muss geschlossen werden.
Möchten Sie das Dokument wirklich schließen?</translation>
    </message>
    <message id="5028">
        <source>If your selected Data List,
you must select protocol.</source>
        <translation>Wenn Sie „Datenliste“ wählen,
müssen Sie ein Protokoll auswählen.</translation>
    </message>
    <message id="5029">
        <source>There is a same item in the condition.</source>
        <translation>Diese Bedingung ist bereits vorhanden.</translation>
    </message>
    <message id="5030">
        <source>The value must between 0 to 0XFF!</source>
        <translation>Der Wert muss zwischen 0 und 0xFF liegen!</translation>
    </message>
    <message id="5031">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5032">
        <source>The value must between 0 to 255.</source>
        <translation>Der Wert muss zwischen 0 und 255 liegen.</translation>
    </message>
    <message id="5033">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5034">
        <source>The COB-ID must between 0 to 0X7FF.</source>
        <translation>Die COB-ID muss zwischen 0 und 0x7FF liegen.</translation>
    </message>
    <message id="5036">
        <source>The COB-ID must between 0 to 2047.</source>
        <translation>Die COB-ID muss zwischen 0 und 2047 liegen.</translation>
    </message>
    <message id="5038">
        <source>The ID data must between 0 to 0X%02x</source>
        <translation>Der ID-Wert muss zwischen 0 und 0x%02x liegen.</translation>
    </message>
    <message id="5039">
        <source>The char must between 0 to F.</source>
        <translation>Das Zeichen muss zwischen 0 und F liegen.</translation>
    </message>
    <message id="5040">
        <source>The ID data must between 0 to %d</source>
        <translation>Der ID-Wert muss zwischen 0 und %d liegen.</translation>
    </message>
    <message id="5041">
        <source>The char must between 0 to 9.</source>
        <translation>Das Zeichen muss zwischen 0 und 9 liegen.</translation>
    </message>
    <message id="5042">
        <source>There is a same item in the condition.</source>
        <translation>Diese Bedingung ist bereits vorhanden.</translation>
    </message>
    <message id="5043">
        <source>The value must between 0 to 0XFF.</source>
        <translation>Der Wert muss zwischen 0 und 0xFF liegen.</translation>
    </message>
    <message id="5044">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5045">
        <source>The value must between 0 to 255.</source>
        <translation>Der Wert muss zwischen 0 und 255 liegen.</translation>
    </message>
    <message id="5046">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5047">
        <source>There is a same item in the condition.</source>
        <translation>Diese Bedingung ist bereits vorhanden.</translation>
    </message>
    <message id="5048">
        <source>There is a same item in the condition.</source>
        <translation>Diese Bedingung ist bereits vorhanden.</translation>
    </message>
    <message id="5053">
        <source>Identifier must between 0 to 0X7FF.</source>
        <translation>Die Kennung muss zwischen 0 und 0x7FF liegen.</translation>
    </message>
    <message id="5054">
        <source>Identifier must between 0 to 0X1FFFFFFF.</source>
        <translation>Die Kennung muss zwischen 0 und 0x1FFFFFFF liegen.</translation>
    </message>
    <message id="5055">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5056">
        <source>Identifier must less than 8 characters.</source>
        <translation>Die Kennung darf höchstens 8 Zeichen lang sein.</translation>
    </message>
    <message id="5057">
        <source>Identifier must between 0 to 2047.</source>
        <translation>Die Kennung muss zwischen 0 und 2047 liegen.</translation>
    </message>
    <message id="5058">
        <source>Identifier must between 0 to 536870911.</source>
        <translation>Die Kennung muss zwischen 0 und 536870911 liegen.</translation>
    </message>
    <message id="5059">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5060">
        <source>Identifier must less than 9 characters.</source>
        <translation>Die Kennung darf höchstens 9 Zeichen lang sein.</translation>
    </message>
    <message id="5068">
        <source>There is a same item in the condition.</source>
        <translation>Diese Bedingung ist bereits vorhanden.</translation>
    </message>
    <message id="5069">
        <source>There is a same item in the condition.</source>
        <translation>Diese Bedingung ist bereits vorhanden.</translation>
    </message>
    <message id="5070">
        <source>The ID data must between 0 to 0X3F</source>
        <translation>Der ID-Wert muss zwischen 0 und 0x3F liegen.</translation>
    </message>
    <message id="5071">
        <source>The char must between 0 to F.</source>
        <translation>Das Zeichen muss zwischen 0 und F liegen.</translation>
    </message>
    <message id="5072">
        <source>The ID data must between 0 to 63</source>
        <translation>Der ID-Wert muss zwischen 0 und 63 liegen.</translation>
    </message>
    <message id="5073">
        <source>The char must between 0 to 9.</source>
        <translation>Das Zeichen muss zwischen 0 und 9 liegen.</translation>
    </message>
    <message id="5074">
        <source>The value must between 0 to 0XFF.</source>
        <translation>Der Wert muss zwischen 0 und 0xFF liegen.</translation>
    </message>
    <message id="5075">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5076">
        <source>The value must between 0 to 255.</source>
        <translation>Der Wert muss zwischen 0 und 255 liegen.</translation>
    </message>
    <message id="5077">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5078">
        <source>Sending the first message failed.

Please check:
1.The connection of KTR2740.
2.The configuration of KTR2740.</source>
        <translation>Senden der ersten Nachricht fehlgeschlagen.

Bitte prüfen Sie:
1. Die Verbindung zum KTR2740.
2. Die Konfiguration des KTR2740.</translation>
    </message>
    <message id="5079">
        <source>Sending the second message failed.

Please check:
1.The connection of KTR2740.
2.The configuration of KTR2740.</source>
        <translation>Senden der zweiten Nachricht fehlgeschlagen.

Bitte prüfen Sie:
1. Die Verbindung zum KTR2740.
2. Die Konfiguration des KTR2740.</translation>
    </message>
    <message id="5080">
        <source>Identifier must between 0 to 0X7FF.</source>
        <translation>Die Kennung muss zwischen 0 und 0x7FF liegen.</translation>
    </message>
    <message id="5081">
        <source>Identifier must between 0 to 0X1FFFFFFF.</source>
        <translation>Die Kennung muss zwischen 0 und 0x1FFFFFFF liegen.</translation>
    </message>
    <message id="5082">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5083">
        <source>Identifier must less than 8 characters.</source>
        <translation>Die Kennung darf höchstens 8 Zeichen lang sein.</translation>
    </message>
    <message id="5084">
        <source>Identifier must between 0 to 2047.</source>
        <translation>Die Kennung muss zwischen 0 und 2047 liegen.</translation>
    </message>
    <message id="5085">
        <source>Identifier must between 0 to 536870911.</source>
        <translation>Die Kennung muss zwischen 0 und 536870911 liegen.</translation>
    </message>
    <message id="5086">
        <source>Invalid character.</source>
        <translation>Ungültiges Zeichen.</translation>
    </message>
    <message id="5087">
        <source>Identifier must less than 9 characters.</source>
        <translation>Die Kennung darf höchstens 9 Zeichen lang sein.</translation>
    </message>
    <message id="5088">
        <source>Could not create printer DC</source>
        <translation>Der Gerätekontext des Druckers konnte nicht erstellt werden.</translation>
    </message>
    <message id="5089">
        <source>Open file error.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message id="6000">
        <source>Invalid data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message id="6001">
        <source>Remote Frame</source>
        <translation>Remote-Frame</translation>
    </message>
    <message id="6002">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="6003">
        <source>Extend</source>
        <translation>Erweitert</translation>
    </message>
    <message id="6004">
        <source>CANIndex Time(m-s-ms-us) Loading(%) IDN    Type  Len   Data
</source>
        <translatorcomment>Fixed-width column headings: the rows below them are written in fixed columns of numbers, so the heading stays as it is to keep its alignment.</translatorcomment>
        <translation>CANIndex Time(m-s-ms-us) Loading(%) IDN    Type  Len   Data
</translation>
    </message>
    <message id="6005">
        <source>DNIndex Time(m-s-ms-us) Ld(%) IDN Type Grp Src Des Msg Description                       Len   Data
</source>
        <translatorcomment>Fixed-width column headings: the rows below them are written in fixed columns of numbers, so the heading stays as it is to keep its alignment.</translatorcomment>
        <translation>DNIndex Time(m-s-ms-us) Ld(%) IDN Type Grp Src Des Msg Description                       Len   Data
</translation>
    </message>
    <message id="6006">
        <source>CopIndex Time(m-s-ms-us) Loading(%) IDN    Type   FC   NID   Description         Len   Data
</source>
        <translatorcomment>Fixed-width column headings: the rows below them are written in fixed columns of numbers, so the heading stays as it is to keep its alignment.</translatorcomment>
        <translation>CopIndex Time(m-s-ms-us) Loading(%) IDN    Type   FC   NID   Description         Len   Data
</translation>
    </message>
    <message id="6100">
        <source>Invalid data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message id="6101">
        <source>--------</source>
        <translation>--------</translation>
    </message>
    <message id="6102">
        <source>Slave's IO COS/CC Msg</source>
        <translation>Slave-E/A-COS/CC-Nachr.</translation>
    </message>
    <message id="6103">
        <source>Slave's IO Bit-Strobe Res Msg</source>
        <translation>Slave-E/A-Bit-Strobe-Antwort</translation>
    </message>
    <message id="6104">
        <source>Slave's IO Poll Res or COS/CC Ack</source>
        <translation>Slave-E/A-Poll-Antw. o. COS/CC-Quitt.</translation>
    </message>
    <message id="6105">
        <source>Master's I/O Bit-Strobe Cmd Msg</source>
        <translation>Master-E/A-Bit-Strobe-Befehl</translation>
    </message>
    <message id="6106">
        <source>Reserved for Master's TBD</source>
        <translation>Für Master reserviert (offen)</translation>
    </message>
    <message id="6107">
        <source>Master's COS/CC Ack Msg</source>
        <translation>Master-COS/CC-Quittung</translation>
    </message>
    <message id="6108">
        <source>Slave's Exp Res Msg</source>
        <translation>Slave-Expl.-Antwort</translation>
    </message>
    <message id="6109">
        <source>Master's Exp Req Msg</source>
        <translation>Master-Expl.-Anforderung</translation>
    </message>
    <message id="6110">
        <source>Master's IO Poll/COS/CC Msg</source>
        <translation>Master-E/A-Poll/COS/CC-Nachr.</translation>
    </message>
    <message id="6111">
        <source>Group 2 Only Unconn Exp Req Msg (reserved)</source>
        <translation>Unverb. Expl.-Anf. nur Gruppe 2 (reserviert)</translation>
    </message>
    <message id="6112">
        <source>Duplicate MAC ID Check Msg</source>
        <translation>MAC-ID-Duplikatprüfung</translation>
    </message>
    <message id="6113">
        <source>Unconn Exp Res Msg</source>
        <translation>Unverb. Expl.-Antwort</translation>
    </message>
    <message id="6114">
        <source>Unconn Exp Req Msg</source>
        <translation>Unverb. Expl.-Anforderung</translation>
    </message>
    <message id="6115">
        <source>------</source>
        <translation>------</translation>
    </message>
    <message id="6116">
        <source>Reserved Group 4 Msg</source>
        <translation>Reservierte Gruppe-4-Nachr.</translation>
    </message>
    <message id="6117">
        <source>Comm Faulted Res Msg</source>
        <translation>Komm.-Fehler-Antwort</translation>
    </message>
    <message id="6118">
        <source>Comm Faulted Req Msg</source>
        <translation>Komm.-Fehler-Anforderung</translation>
    </message>
    <message id="6119">
        <source>Offline Owership Res Msg</source>
        <translation>Offline-Ownership-Antwort</translation>
    </message>
    <message id="6120">
        <source>Offline Ownership Req Msg</source>
        <translation>Offline-Ownership-Anforderung</translation>
    </message>
    <message id="6121">
        <source>Invalid CAN Identifiers</source>
        <translation>Ungültige CAN-Kennungen</translation>
    </message>
    <message id="6122">
        <source>Slave's I/O Change of State or Cyclic Message</source>
        <translation>Slave: E/A-Nachricht bei Zustandsänderung oder zyklisch</translation>
    </message>
    <message id="6123">
        <source>Slave's I/O Bit-Strobe Response Message</source>
        <translation>Slave: E/A-Bit-Strobe-Antwortnachricht</translation>
    </message>
    <message id="6124">
        <source>Slave's I/O Poll Response or Change of State/Cyclic Acknowledge Message</source>
        <translation>Slave: E/A-Poll-Antwort oder Quittung für Zustandsänderung/zyklisch</translation>
    </message>
    <message id="6125">
        <source>Master's I/O Bit-Strobe Command Message</source>
        <translation>Master: E/A-Bit-Strobe-Befehlsnachricht</translation>
    </message>
    <message id="6126">
        <source>Reserved for Master's Use-Use is TBD</source>
        <translation>Für den Master reserviert, Verwendung noch offen</translation>
    </message>
    <message id="6127">
        <source>Master's Change of State or Cyclic Acknowledge Message</source>
        <translation>Master: Quittung für Zustandsänderung oder zyklisch</translation>
    </message>
    <message id="6128">
        <source>Slave's Explicit / Unconnected Response Message</source>
        <translation>Slave: explizite / unverbundene Antwortnachricht</translation>
    </message>
    <message id="6129">
        <source>Master's Explicit Request Message</source>
        <translation>Master: explizite Anforderungsnachricht</translation>
    </message>
    <message id="6130">
        <source>Master's I/O Poll Command/Change of State/Cyclic Message</source>
        <translation>Master: E/A-Poll-Befehl / Zustandsänderung / zyklische Nachricht</translation>
    </message>
    <message id="6131">
        <source>Group 2 Only Unconnected Explicit Request Messages (Reserved)</source>
        <translation>Unverbundene explizite Anforderungsnachrichten nur Gruppe 2 (reserviert)</translation>
    </message>
    <message id="6132">
        <source>Duplicate MAC ID Check Messages</source>
        <translation>Nachrichten zur MAC-ID-Duplikatprüfung</translation>
    </message>
    <message id="6133">
        <source>Unconnected Explicit Response Messages</source>
        <translation>Unverbundene explizite Antwortnachrichten</translation>
    </message>
    <message id="6134">
        <source>Unconnected Explicit Request Messages</source>
        <translation>Unverbundene explizite Anforderungsnachrichten</translation>
    </message>
    <message id="6135">
        <source>Communication Faulted Response Message</source>
        <translation>Antwortnachricht bei Kommunikationsfehler</translation>
    </message>
    <message id="6136">
        <source>Communication Faulted Request Message</source>
        <translation>Anforderungsnachricht bei Kommunikationsfehler</translation>
    </message>
    <message id="6137">
        <source>Offline Owership Response Message</source>
        <translation>Offline-Ownership-Antwortnachricht</translation>
    </message>
    <message id="6138">
        <source>Offline Ownership Request Message</source>
        <translation>Offline-Ownership-Anforderungsnachricht</translation>
    </message>
    <message id="6200">
        <source>Invalid data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message id="6201">
        <source>NMT</source>
        <translation>NMT</translation>
    </message>
    <message id="6202">
        <source>SYNC</source>
        <translation>SYNC</translation>
    </message>
    <message id="6203">
        <source>Emergency</source>
        <translation>Emergency-Nachricht</translation>
    </message>
    <message id="6204">
        <source>Time Stamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message id="6205">
        <source>PDO1 (tx)</source>
        <translation>PDO1 (tx)</translation>
    </message>
    <message id="6206">
        <source>PDO1 (rx)</source>
        <translation>PDO1 (rx)</translation>
    </message>
    <message id="6207">
        <source>PDO2 (tx)</source>
        <translation>PDO2 (tx)</translation>
    </message>
    <message id="6208">
        <source>PDO2 (rx)</source>
        <translation>PDO2 (rx)</translation>
    </message>
    <message id="6209">
        <source>PDO3 (tx)</source>
        <translation>PDO3 (tx)</translation>
    </message>
    <message id="6210">
        <source>PDO3 (rx)</source>
        <translation>PDO3 (rx)</translation>
    </message>
    <message id="6211">
        <source>PDO4 (tx)</source>
        <translation>PDO4 (tx)</translation>
    </message>
    <message id="6212">
        <source>PDO4 (rx)</source>
        <translation>PDO4 (rx)</translation>
    </message>
    <message id="6213">
        <source>SDO (tx)</source>
        <translation>SDO (tx)</translation>
    </message>
    <message id="6214">
        <source>SDO (rx)</source>
        <translation>SDO (rx)</translation>
    </message>
    <message id="6215">
        <source>NMT Error Control</source>
        <translation>NMT-Fehlerkontrolle</translation>
    </message>
    <message id="6216">
        <source>reserved</source>
        <translation>reserviert</translation>
    </message>
    <message id="6217">
        <source>--------</source>
        <translation>--------</translation>
    </message>
    <message id="7000">
        <source>Saving data</source>
        <translation>Daten werden gespeichert</translation>
    </message>
    <message id="7001">
        <source>Loading data</source>
        <translation>Daten werden geladen</translation>
    </message>
    <message id="7002">
        <source>Exporting data</source>
        <translation>Daten werden exportiert</translation>
    </message>
    <message id="7003">
        <source>Message logs from Vorelin software.
</source>
        <translation>Nachrichtenprotokoll der Software Vorelin.
</translation>
    </message>
    <message id="7005">
        <source>Date/time: </source>
        <translation>Datum/Uhrzeit: </translation>
    </message>
    <message id="7006">
        <source>Message amount: %d

</source>
        <translation>Anzahl Nachrichten: %d

</translation>
    </message>
    <message id="7007">
        <source>CANIndex   Time(m-s-ms-us) Loading(%) IDN Type Len    Data</source>
        <translatorcomment>Fixed-width column headings: the rows below them are written in fixed columns of numbers, so the heading stays as it is to keep its alignment.</translatorcomment>
        <translation>CANIndex   Time(m-s-ms-us) Loading(%) IDN Type Len    Data</translation>
    </message>
    <message id="7008">
        <source>DVIndex Time(m-s-ms-us) Loading(%) IDN Type Grp Src Des Msg Description                                                   Len   Data</source>
        <translatorcomment>Fixed-width column headings: the rows below them are written in fixed columns of numbers, so the heading stays as it is to keep its alignment.</translatorcomment>
        <translation>DVIndex Time(m-s-ms-us) Loading(%) IDN Type Grp Src Des Msg Description                                                   Len   Data</translation>
    </message>
    <message id="7009">
        <source>CopIndex Time(m-s-ms-us) Loading(%) IDN Type FC NID    Description      Len Data</source>
        <translatorcomment>Fixed-width column headings: the rows below them are written in fixed columns of numbers, so the heading stays as it is to keep its alignment.</translatorcomment>
        <translation>CopIndex Time(m-s-ms-us) Loading(%) IDN Type FC NID    Description      Len Data</translation>
    </message>
    <message id="7010">
        <source>Data captured by Vorelin</source>
        <translation>Mit Vorelin aufgezeichnete Daten</translation>
    </message>
    <message id="7011">
        <source>End of message logs.</source>
        <translation>Ende des Nachrichtenprotokolls.</translation>
    </message>
    <message id="8000">
        <source>Vorelin-sc.html</source>
        <translatorcomment>File name of the manual beside the executable; only one manual exists, so the name stays.</translatorcomment>
        <translation>Vorelin-sc.html</translation>
    </message>
    <message id="8001">
        <source>Loading help file error.</source>
        <translation>Fehler beim Laden der Hilfedatei.</translation>
    </message>
    <message id="9100">
        <source>&amp;Copy&#x9;Ctrl+Ins</source>
        <translation>&amp;Kopieren&#x9;Ctrl+Ins</translation>
    </message>
    <message id="9101">
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message id="9102">
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message id="9103">
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message id="9104">
        <source>Text &amp;colour:</source>
        <translation>&amp;Textfarbe:</translation>
    </message>
    <message id="9200">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="9201">
        <source>&amp;New...&#x9;Ctrl+N</source>
        <translation>&amp;Neu...&#x9;Ctrl+N</translation>
    </message>
    <message id="9202">
        <source>&amp;Open...&#x9;Ctrl+O</source>
        <translation>Ö&amp;ffnen...&#x9;Ctrl+O</translation>
    </message>
    <message id="9203">
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message id="9204">
        <source>&amp;Save&#x9;Ctrl+S</source>
        <translation>&amp;Speichern&#x9;Ctrl+S</translation>
    </message>
    <message id="9205">
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message id="9206">
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message id="9207">
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message id="9208">
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message id="9209">
        <source>P&amp;rint Setup...</source>
        <translation>Druckerein&amp;richtung...</translation>
    </message>
    <message id="9210">
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message id="9211">
        <source>E&amp;xit&#x9;Ctrl+X</source>
        <translation>&amp;Beenden&#x9;Ctrl+X</translation>
    </message>
    <message id="9212">
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="9213">
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message id="9214">
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message id="9215">
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message id="9216">
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message id="9217">
        <source>S&amp;etup...&#x9;Ctrl+E</source>
        <translation>&amp;Einrichten...&#x9;Ctrl+E</translation>
    </message>
    <message id="9218">
        <source>&amp;Device Information...</source>
        <translation>&amp;Geräteinformation...</translation>
    </message>
    <message id="9219">
        <source>Data &amp;List</source>
        <translation>&amp;Datenliste</translation>
    </message>
    <message id="9220">
        <source>&amp;CAN&#x9;Ctrl+C</source>
        <translation>&amp;CAN&#x9;Ctrl+C</translation>
    </message>
    <message id="9221">
        <source>&amp;DeviceNet&#x9;Ctrl+D</source>
        <translation>&amp;DeviceNet&#x9;Ctrl+D</translation>
    </message>
    <message id="9222">
        <source>CAN&amp;open&#x9;Ctrl+P</source>
        <translation>CAN&amp;open&#x9;Ctrl+P</translation>
    </message>
    <message id="9223">
        <source>&amp;Font...</source>
        <translation>&amp;Schriftart...</translation>
    </message>
    <message id="9224">
        <source>&amp;GridLines</source>
        <translation>&amp;Gitternetzlinien</translation>
    </message>
    <message id="9225">
        <source>C&amp;hart</source>
        <translation>D&amp;iagramm</translation>
    </message>
    <message id="9226">
        <source>X-&amp;T</source>
        <translation>X-&amp;T</translation>
    </message>
    <message id="9227">
        <source>&amp;Y-T</source>
        <translation>&amp;Y-T</translation>
    </message>
    <message id="9228">
        <source>X-&amp;Y</source>
        <translation>&amp;X-Y</translation>
    </message>
    <message id="9229">
        <source>&amp;Filter... &#x9;Ctrl+F</source>
        <translation>&amp;Filter... &#x9;Ctrl+F</translation>
    </message>
    <message id="9230">
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message id="9231">
        <source>F&amp;unctions</source>
        <translation>&amp;Funktionen</translation>
    </message>
    <message id="9232">
        <source>&amp;Capture&#x9;Ctrl+F2</source>
        <translation>&amp;Aufzeichnen&#x9;Ctrl+F2</translation>
    </message>
    <message id="9233">
        <source>S&amp;top&#x9;Ctrl+F3</source>
        <translation>&amp;Stopp&#x9;Ctrl+F3</translation>
    </message>
    <message id="9234">
        <source>Clear &amp;All&#x9;Ctrl+Del</source>
        <translation>Alles &amp;löschen&#x9;Ctrl+Del</translation>
    </message>
    <message id="9235">
        <source>&amp;Manual Message...&#x9;Ctrl+M</source>
        <translation>&amp;Manuelle Nachricht...&#x9;Ctrl+M</translation>
    </message>
    <message id="9236">
        <source>&amp;Auto Message</source>
        <translation>Automatik&amp;nachrichten</translation>
    </message>
    <message id="9237">
        <source>&amp;Configure...&#x9;Ctrl+Alt+C</source>
        <translation>&amp;Konfigurieren...&#x9;Ctrl+Alt+C</translation>
    </message>
    <message id="9238">
        <source>&amp;Start&#x9;Ctrl+Alt+S</source>
        <translation>&amp;Starten&#x9;Ctrl+Alt+S</translation>
    </message>
    <message id="9239">
        <source>Sto&amp;p&#x9;Ctrl+Alt+T</source>
        <translation>S&amp;toppen&#x9;Ctrl+Alt+T</translation>
    </message>
    <message id="9240">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="9241">
        <source>&amp;Help Topics&#x9;F1</source>
        <translation>&amp;Hilfethemen&#x9;F1</translation>
    </message>
    <message id="9242">
        <source>&amp;About Vorelin...</source>
        <translation>&amp;Info über Vorelin...</translation>
    </message>
    <message id="9250">
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message id="9251">
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message id="9252">
        <source>NULL</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message id="9253">
        <source>%1kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message id="9254">
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message id="9255">
        <source>DeviceNet</source>
        <translation>DeviceNet</translation>
    </message>
    <message id="9256">
        <source>CANopen</source>
        <translation>CANopen</translation>
    </message>
    <message id="9257">
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message id="9258">
        <source>HelloWorld!</source>
        <translation>Hallo Welt!</translation>
    </message>
    <message id="9259">
        <source>%1 frames lost</source>
        <translation>%1 Frames verloren</translation>
    </message>
    <message id="9260">
        <source>%1 frame lost</source>
        <translation>%1 Frame verloren</translation>
    </message>
    <message id="9300">
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message id="9301">
        <source>Display Mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message id="9302">
        <source>Data List</source>
        <translation>Datenliste</translation>
    </message>
    <message id="9303">
        <source> Curve (Only for CANopen)</source>
        <translation> Kurve (nur für CANopen)</translation>
    </message>
    <message id="9304">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="9305">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="9310">
        <source>About Vorelin</source>
        <translation>Über Vorelin</translation>
    </message>
    <message id="9311">
        <source>Vorelin Version %1</source>
        <translation>Vorelin, Version %1</translation>
    </message>
    <message id="9312">
        <source>A monitor and analyser for CAN, DeviceNet and CANopen networks.</source>
        <translation>Ein Monitor und Analysator für CAN-, DeviceNet- und CANopen-Netzwerke.</translation>
    </message>
    <message id="9313">
        <source>Adapter: %1</source>
        <translation>Adapter: %1</translation>
    </message>
    <message id="9314">
        <source>This program comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Dieses Programm wird OHNE JEGLICHE GEWÄHRLEISTUNG bereitgestellt.</translation>
    </message>
    <message id="9350">
        <source>Device Setup</source>
        <translation>Geräteeinrichtung</translation>
    </message>
    <message id="9351">
        <source>Configure Parameters</source>
        <translation>Parameter konfigurieren</translation>
    </message>
    <message id="9352">
        <source>USB Device:</source>
        <translation>USB-Gerät:</translation>
    </message>
    <message id="9353">
        <source>Work Mode:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message id="9354">
        <source>Baud Rate(Kbps):</source>
        <translation>Baudrate (kbit/s):</translation>
    </message>
    <message id="9355">
        <source>Frame Type:</source>
        <translation>Frame-Format:</translation>
    </message>
    <message id="9356">
        <source>Monitor ACK mode</source>
        <translation>Monitor mit ACK</translation>
    </message>
    <message id="9357">
        <source>Monitor Non-ACK mode</source>
        <translation>Monitor ohne ACK</translation>
    </message>
    <message id="9358">
        <source>KTR2740</source>
        <translation>KTR2740</translation>
    </message>
    <message id="9359">
        <source>Setup Information</source>
        <translation>Geräteeinrichtung</translation>
    </message>
    <message id="9360">
        <source>The settings could not be saved in
%1

%2</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden in:
%1

%2</translation>
    </message>
    <message id="9361">
        <source>The settings were saved in
%1

because this file cannot be written:
%2</source>
        <translation>Die Einstellungen wurden gespeichert in:
%1

Diese Datei kann nicht geschrieben werden:
%2</translation>
    </message>
    <message id="9362">
        <source>Fail to setup the Device.

%1</source>
        <translation>Das Gerät konnte nicht eingerichtet werden.

%1</translation>
    </message>
    <message id="9410">
        <source>%1

is not a capture file of Vorelin, or a newer version of Vorelin wrote it.</source>
        <translation>%1

ist keine Vorelin-Aufzeichnungsdatei oder wurde von einer neueren Vorelin-Version geschrieben.</translation>
    </message>
    <message id="9411">
        <source>%1

is damaged: %2</source>
        <translation>%1

ist beschädigt: %2</translation>
    </message>
    <message id="9412">
        <source>%1

could not be read:
%2</source>
        <translation>%1

konnte nicht gelesen werden:
%2</translation>
    </message>
    <message id="9413">
        <source>%1

could not be saved:
%2</source>
        <translation>%1

konnte nicht gespeichert werden:
%2</translation>
    </message>
    <message id="9414">
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message id="9420">
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message id="9421">
        <source>Please waiting......</source>
        <translation>Bitte warten...</translation>
    </message>
    <message id="9422">
        <source>Vorelin Text Files (*.txt)</source>
        <translation>Vorelin-Textdateien (*.txt)</translation>
    </message>
    <message id="9423">
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message id="9424">
        <source>candump Log Files (*.log)</source>
        <translation>candump-Protokolldateien (*.log)</translation>
    </message>
    <message id="9425">
        <source>Capture Files (*.orx *.log)</source>
        <translation>Aufzeichnungsdateien (*.orx *.log)</translation>
    </message>
    <message id="9426">
        <source>CANData</source>
        <translation>CAN-Daten</translation>
    </message>
    <message id="9427">
        <source>DeviceNetData</source>
        <translation>DeviceNet-Daten</translation>
    </message>
    <message id="9428">
        <source>CANopenData</source>
        <translation>CANopen-Daten</translation>
    </message>
    <message id="9500">
        <source>Send Failed</source>
        <translation>Senden fehlgeschlagen</translation>
    </message>
    <message id="9501">
        <source>Send failed</source>
        <translation>Senden fehlgeschlagen</translation>
    </message>
    <message id="9502">
        <source>Manual Message</source>
        <translation>Manuelle Nachricht</translation>
    </message>
    <message id="9503">
        <source>Buffer 1</source>
        <translation>Puffer 1</translation>
    </message>
    <message id="9504">
        <source>Buffer 2</source>
        <translation>Puffer 2</translation>
    </message>
    <message id="9505">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="9506">
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message id="9507">
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message id="9508">
        <source>Identifier:</source>
        <translation>Kennung:</translation>
    </message>
    <message id="9509">
        <source>Frame:</source>
        <translation>Frame-Art:</translation>
    </message>
    <message id="9510">
        <source>Data Frame</source>
        <translation>Datenrahmen</translation>
    </message>
    <message id="9511">
        <source>Remote Frame</source>
        <translation>Remote-Frame</translation>
    </message>
    <message id="9512">
        <source>Size:</source>
        <translation>Länge:</translation>
    </message>
    <message id="9513">
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message id="9514">
        <source>Send Buffer 1</source>
        <translation>Puffer 1 senden</translation>
    </message>
    <message id="9515">
        <source>Send Buffer 2</source>
        <translation>Puffer 2 senden</translation>
    </message>
    <message id="9550">
        <source>Configure Automation Message</source>
        <translation>Automatiknachrichten konfigurieren</translation>
    </message>
    <message id="9551">
        <source>CAN Data</source>
        <translation>CAN-Daten</translation>
    </message>
    <message id="9552">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="9553">
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message id="9554">
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message id="9555">
        <source>Identifier:</source>
        <translation>Kennung:</translation>
    </message>
    <message id="9556">
        <source>Frame:</source>
        <translation>Frame-Art:</translation>
    </message>
    <message id="9557">
        <source>Data Frame</source>
        <translation>Datenrahmen</translation>
    </message>
    <message id="9558">
        <source>Remote Frame</source>
        <translation>Remote-Frame</translation>
    </message>
    <message id="9559">
        <source>Size:</source>
        <translation>Länge:</translation>
    </message>
    <message id="9560">
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message id="9561">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="9562">
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message id="9563">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="9564">
        <source>Note: Maximun number of items is 8</source>
        <translation>Hinweis: maximal 8 Einträge</translation>
    </message>
    <message id="9565">
        <source>Parameters:</source>
        <translation>Parameter:</translation>
    </message>
    <message id="9566">
        <source>Interval (ms):</source>
        <translation>Intervall (ms):</translation>
    </message>
    <message id="9567">
        <source>Cycle (ms):</source>
        <translation>Zyklus (ms):</translation>
    </message>
    <message id="9568">
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message id="9600">
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message id="9601">
        <source>DeviceNet</source>
        <translation>DeviceNet</translation>
    </message>
    <message id="9602">
        <source>CANopen</source>
        <translation>CANopen</translation>
    </message>
    <message id="9603">
        <source>Conditions:</source>
        <translation>Bedingungen:</translation>
    </message>
    <message id="9610">
        <source>Filter for CAN Protocol</source>
        <translation>Filter für CAN-Protokoll</translation>
    </message>
    <message id="9611">
        <source>Set filter condition</source>
        <translation>Filterbedingung festlegen</translation>
    </message>
    <message id="9612">
        <source>Identifier:</source>
        <translation>Kennung:</translation>
    </message>
    <message id="9613">
        <source>ALL</source>
        <translatorcomment>Upper case on purpose: the MAC ID and ID boxes turn typed letters to upper case and compare the typed text with this word.</translatorcomment>
        <translation>ALLE</translation>
    </message>
    <message id="9614">
        <source>Advanced</source>
        <translation>Bitmuster</translation>
    </message>
    <message id="9615">
        <source>Custom</source>
        <translation>Einzelwert</translation>
    </message>
    <message id="9616">
        <source>Advanced...</source>
        <translation>Bitmuster...</translation>
    </message>
    <message id="9617">
        <source>Frame:</source>
        <translation>Frame-Art:</translation>
    </message>
    <message id="9618">
        <source>Data Frame</source>
        <translation>Datenrahmen</translation>
    </message>
    <message id="9619">
        <source>Remote Frame</source>
        <translation>Remote-Frame</translation>
    </message>
    <message id="9620">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="9621">
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message id="9622">
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message id="9623">
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message id="9624">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="9625">
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message id="9626">
        <source>Size:</source>
        <translation>Länge:</translation>
    </message>
    <message id="9627">
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message id="9628">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="9629">
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message id="9630">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="9650">
        <source>Advanced Identifier</source>
        <translation>Bitmuster der Kennung</translation>
    </message>
    <message id="9651">
        <source>Bit</source>
        <translation>Bit</translation>
    </message>
    <message id="9652">
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message id="9700">
        <source>Filter for DeviceNet Protocol</source>
        <translation>Filter für DeviceNet-Protokoll</translation>
    </message>
    <message id="9701">
        <source>Set filter condition</source>
        <translation>Filterbedingung festlegen</translation>
    </message>
    <message id="9702">
        <source>MAC ID:</source>
        <translation>MAC-ID:</translation>
    </message>
    <message id="9703">
        <source>Source ID:</source>
        <translation>Quell-ID:</translation>
    </message>
    <message id="9704">
        <source>Destination ID:</source>
        <translation>Ziel-ID:</translation>
    </message>
    <message id="9705">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="9706">
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message id="9707">
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message id="9708">
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message id="9709">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="9710">
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message id="9711">
        <source>Method 1:</source>
        <translation>Methode 1:</translation>
    </message>
    <message id="9712">
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message id="9713">
        <source>Message ID:</source>
        <translation>Nachrichten-ID:</translation>
    </message>
    <message id="9714">
        <source>Method 2:</source>
        <translation>Methode 2:</translation>
    </message>
    <message id="9715">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="9716">
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message id="9717">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="9718">
        <source>ALL</source>
        <translatorcomment>Upper case on purpose: the MAC ID boxes turn typed letters to upper case and compare the typed text with this word.</translatorcomment>
        <translation>ALLE</translation>
    </message>
    <message id="9719">
        <source>Group 1: Slave's IO COS/CC Msg</source>
        <translation>Gruppe 1: Slave-E/A-COS/CC-Nachr.</translation>
    </message>
    <message id="9720">
        <source>Group 1: Slave's IO Bit-Strobe Res Msg</source>
        <translation>Gruppe 1: Slave-E/A-Bit-Strobe-Antwort</translation>
    </message>
    <message id="9721">
        <source>Group 1: Slave's IO Poll Res or COS/CC Ack</source>
        <translation>Gruppe 1: Slave-E/A-Poll-Antw. o. COS/CC-Quitt.</translation>
    </message>
    <message id="9722">
        <source>Group 2: Master's I/O Bit-Strobe Cmd Msg</source>
        <translation>Gruppe 2: Master-E/A-Bit-Strobe-Befehl</translation>
    </message>
    <message id="9723">
        <source>Group 2: Reserved for Master</source>
        <translation>Gruppe 2: Für Master reserviert</translation>
    </message>
    <message id="9724">
        <source>Group 2: Master's COS or CC Ack Msg</source>
        <translation>Gruppe 2: Master-COS- oder CC-Quittung</translation>
    </message>
    <message id="9725">
        <source>Group 2: Slave's Exp Res Msg</source>
        <translation>Gruppe 2: Slave-Expl.-Antwort</translation>
    </message>
    <message id="9726">
        <source>Group 2: Master's Exp Req Msg</source>
        <translation>Gruppe 2: Master-Expl.-Anforderung</translation>
    </message>
    <message id="9727">
        <source>Group 2: Master's IO Poll/COS/CC Msg</source>
        <translation>Gruppe 2: Master-E/A-Poll/COS/CC-Nachr.</translation>
    </message>
    <message id="9728">
        <source>Group 2: Group 2 Only Unconn Exp Req Msg (Reserved)</source>
        <translation>Gruppe 2: Unverb. Expl.-Anf. nur Gruppe 2 (reserviert)</translation>
    </message>
    <message id="9729">
        <source>Group 2: Duplicate MAC ID Check Messages</source>
        <translation>Gruppe 2: MAC-ID-Duplikatprüfung</translation>
    </message>
    <message id="9730">
        <source>Group 3: Unconn Exp Res Msg</source>
        <translation>Gruppe 3: Unverb. Expl.-Antwort</translation>
    </message>
    <message id="9731">
        <source>Group 3: Unconn Exp Req Msg</source>
        <translation>Gruppe 3: Unverb. Expl.-Anforderung</translation>
    </message>
    <message id="9732">
        <source>Group 4: Comm Faulted Res Msg</source>
        <translation>Gruppe 4: Komm.-Fehler-Antwort</translation>
    </message>
    <message id="9733">
        <source>Group 4: Comm Faulted Req Msg</source>
        <translation>Gruppe 4: Komm.-Fehler-Anforderung</translation>
    </message>
    <message id="9734">
        <source>Group 4: Offline Owership Response Message</source>
        <translation>Gruppe 4: Offline-Ownership-Antwort</translation>
    </message>
    <message id="9735">
        <source>Group 4: Offline Ownership Request Message</source>
        <translation>Gruppe 4: Offline-Ownership-Anforderung</translation>
    </message>
    <message id="9736">
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message id="9737">
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
    <message id="9738">
        <source>Invalid CAN Identifiers</source>
        <translation>Ungültige CAN-Kennungen</translation>
    </message>
    <message id="9739">
        <source>Invalid CANopen Identifiers</source>
        <translation>Ungültige CANopen-Kennungen</translation>
    </message>
    <message id="9750">
        <source>Filter for CANopen Protocol</source>
        <translation>Filter für CANopen-Protokoll</translation>
    </message>
    <message id="9751">
        <source>Set filter condition</source>
        <translation>Filterbedingung festlegen</translation>
    </message>
    <message id="9752">
        <source>Method 1:</source>
        <translation>Methode 1:</translation>
    </message>
    <message id="9753">
        <source>COB-ID:</source>
        <translation>COB-ID:</translation>
    </message>
    <message id="9754">
        <source>Method 2:</source>
        <translation>Methode 2:</translation>
    </message>
    <message id="9755">
        <source>FunCode:</source>
        <translation>Fkt.-Code:</translation>
    </message>
    <message id="9756">
        <source>Node-ID:</source>
        <translation>Knoten-ID:</translation>
    </message>
    <message id="9757">
        <source>Frame:</source>
        <translation>Frame-Art:</translation>
    </message>
    <message id="9758">
        <source>Data Frame</source>
        <translation>Datenrahmen</translation>
    </message>
    <message id="9759">
        <source>Remote Frame</source>
        <translation>Remote-Frame</translation>
    </message>
    <message id="9760">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="9761">
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message id="9762">
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message id="9763">
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message id="9764">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="9765">
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message id="9766">
        <source>Size:</source>
        <translation>Länge:</translation>
    </message>
    <message id="9767">
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message id="9768">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="9769">
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message id="9770">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="9771">
        <source>ALL</source>
        <translatorcomment>Upper case on purpose: the ID boxes turn typed letters to upper case and compare the typed text with this word.</translatorcomment>
        <translation>ALLE</translation>
    </message>
    <message id="9800">
        <source>Device Information</source>
        <translation>Geräteinformation</translation>
    </message>
    <message id="9801">
        <source>Device Information</source>
        <translation>Geräteinformation</translation>
    </message>
    <message id="9802">
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message id="9803">
        <source>Baud Rate(Kbps):</source>
        <translation>Baudrate (kbit/s):</translation>
    </message>
    <message id="9804">
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message id="9805">
        <source>Run</source>
        <translation>Läuft</translation>
    </message>
    <message id="9806">
        <source>Stop</source>
        <translation>Gestoppt</translation>
    </message>
    <message id="9840">
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message id="9841">
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message id="9842">
        <source>&amp;First</source>
        <translation>&amp;Erste</translation>
    </message>
    <message id="9843">
        <source>P&amp;revious</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message id="9844">
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message id="9845">
        <source>&amp;Last</source>
        <translation>&amp;Letzte</translation>
    </message>
    <message id="9846">
        <source>P&amp;age</source>
        <translation>&amp;Seite</translation>
    </message>
    <message id="9847">
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message id="9848">
        <source>Fit &amp;Width</source>
        <translation>Seiten&amp;breite</translation>
    </message>
    <message id="9849">
        <source>Fit Pa&amp;ge</source>
        <translation>Ganze Sei&amp;te</translation>
    </message>
    <message id="9850">
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message id="9851">
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message id="9852">
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message id="9853">
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message id="9860">
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message id="9861">
        <source>Printing data</source>
        <translation>Daten werden gedruckt</translation>
    </message>
    <message id="32788">
        <source>Output the data in .txt format
Export</source>
        <translation>Daten im .txt-Format ausgeben
Exportieren</translation>
    </message>
    <message id="32789">
        <source>Start capturing the frames on the bus
Capture</source>
        <translation>Aufzeichnung der Frames auf dem Bus starten
Aufzeichnen</translation>
    </message>
    <message id="32790">
        <source>Stop capturing frames
Stop</source>
        <translation>Aufzeichnung der Frames beenden
Stopp</translation>
    </message>
    <message id="32791">
        <source>Send message manually
Manual</source>
        <translation>Nachricht manuell senden
Manuell</translation>
    </message>
    <message id="32793">
        <source>Remove every captured frame
Clear All</source>
        <translation>Alle aufgezeichneten Frames entfernen
Alles löschen</translation>
    </message>
    <message id="32794">
        <source>Configure the data which to transmit automatically
Configure</source>
        <translation>Daten für das automatische Senden konfigurieren
Konfigurieren</translation>
    </message>
    <message id="32795">
        <source>Transmit automation message data
Start</source>
        <translation>Automatiknachrichten senden
Starten</translation>
    </message>
    <message id="32796">
        <source>Stop automation message data
Stop </source>
        <translation>Senden der Automatiknachrichten stoppen
Stoppen </translation>
    </message>
    <message id="32797">
        <source>Setup the device to the appropriate status</source>
        <translation>Das Gerät passend einrichten</translation>
    </message>
    <message id="32799">
        <source>Show the frames as plain CAN frames
CAN</source>
        <translation>Frames als reine CAN-Frames anzeigen
CAN</translation>
    </message>
    <message id="32800">
        <source>Show the frames as DeviceNet messages
DeviceNet</source>
        <translation>Frames als DeviceNet-Nachrichten anzeigen
DeviceNet</translation>
    </message>
    <message id="32801">
        <source>Show the frames as CANopen messages
CANopen</source>
        <translation>Frames als CANopen-Nachrichten anzeigen
CANopen</translation>
    </message>
    <message id="32802">
        <source>Filter the data according to the conditions</source>
        <translation>Daten nach den Bedingungen filtern</translation>
    </message>
    <message id="32803">
        <source>Show information of the working device</source>
        <translation>Informationen zum verwendeten Gerät anzeigen</translation>
    </message>
    <message id="32804">
        <source>Zoom the chart
Zoom</source>
        <translation>Diagramm zoomen
Zoom</translation>
    </message>
    <message id="32806">
        <source>Draw the chart against time
X-T</source>
        <translation>Diagramm über der Zeit zeichnen
X-T</translation>
    </message>
    <message id="32807">
        <source>Draw the chart as Y against time
Y-T</source>
        <translation>Diagramm als Y über der Zeit zeichnen
Y-T</translation>
    </message>
    <message id="32808">
        <source>Draw the chart as X against Y
X-Y</source>
        <translation>Diagramm als X über Y zeichnen
X-Y</translation>
    </message>
    <message id="32810">
        <source>Change the font and text colour of the data list
Font</source>
        <translation>Schriftart und Textfarbe der Datenliste ändern
Schriftart</translation>
    </message>
    <message id="32811">
        <source>Show or hide the grid lines of the data list
GridLines</source>
        <translation>Gitternetzlinien der Datenliste ein- oder ausblenden
Gitternetzlinien</translation>
    </message>
    <message id="32828">
        <source>Choose the language of the program
Language</source>
        <translation>Sprache des Programms wählen
Sprache</translation>
    </message>
    <message id="32830">
        <source>Open the manual
Help Topics</source>
        <translation>Handbuch öffnen
Hilfethemen</translation>
    </message>
    <message id="57600">
        <source>Create a new capture document
New</source>
        <translation>Neues Aufzeichnungsdokument anlegen
Neu</translation>
    </message>
    <message id="57601">
        <source>Open a saved capture
Open</source>
        <translation>Gespeicherte Aufzeichnung öffnen
Öffnen</translation>
    </message>
    <message id="57602">
        <source>Close the capture document
Close</source>
        <translation>Aufzeichnungsdokument schließen
Schließen</translation>
    </message>
    <message id="57603">
        <source>Save the capture
Save</source>
        <translation>Aufzeichnung speichern
Speichern</translation>
    </message>
    <message id="57604">
        <source>Save the capture under a new name
Save As</source>
        <translation>Aufzeichnung unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message id="57606">
        <source>Choose the printer and its settings
Print Setup</source>
        <translation>Drucker und Druckeinstellungen wählen
Druckereinrichtung</translation>
    </message>
    <message id="57607">
        <source>Print the shown rows
Print</source>
        <translation>Angezeigte Zeilen drucken
Drucken</translation>
    </message>
    <message id="57609">
        <source>Show the printed pages on screen
Print Preview</source>
        <translation>Druckseiten auf dem Bildschirm anzeigen
Druckvorschau</translation>
    </message>
    <message id="57616">
        <source>Open this capture
Recent File</source>
        <translation>Diese Aufzeichnung öffnen
Zuletzt geöffnete Datei</translation>
    </message>
    <message id="57617">
        <source>Open this capture
Recent File</source>
        <translation>Diese Aufzeichnung öffnen
Zuletzt geöffnete Datei</translation>
    </message>
    <message id="57618">
        <source>Open this capture
Recent File</source>
        <translation>Diese Aufzeichnung öffnen
Zuletzt geöffnete Datei</translation>
    </message>
    <message id="57619">
        <source>Open this capture
Recent File</source>
        <translation>Diese Aufzeichnung öffnen
Zuletzt geöffnete Datei</translation>
    </message>
    <message id="57664">
        <source>Show the version of the program and the adapter in use
About</source>
        <translation>Version des Programms und des verwendeten Adapters anzeigen
Info</translation>
    </message>
    <message id="57665">
        <source>Quit the program
Exit</source>
        <translation>Programm beenden
Beenden</translation>
    </message>
    <message id="59392">
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste</translation>
    </message>
    <message id="59393">
        <source>Show or hide the status bar
Status Bar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
</context>
</TS>
