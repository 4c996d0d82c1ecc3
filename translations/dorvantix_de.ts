<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Quandrel Calculator</source>
        <translation>Quandrel-Rechner</translation>
    </message>
    <message>
        <source>Present Value (PVOA)</source>
        <translation>Barwert (PVOA)</translation>
    </message>
    <message>
        <source>Future Value (FVOA)</source>
        <translation>Endwert (FVOA)</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Periods (Nper)</source>
        <translation>Perioden (Nper)</translation>
    </message>
    <message>
        <source>Payment (pmt)</source>
        <translation>Zahlung (pmt)</translation>
    </message>
    <message>
        <source>Present Value (PV)</source>
        <translation>Barwert (PV)</translation>
    </message>
    <message>
        <source>Future Value (FV)</source>
        <translation>Endwert (FV)</translation>
    </message>
    <message>
        <source>Interest (Ipmt)</source>
        <translation>Zinsanteil (Ipmt)</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Anzahl der Perioden</translation>
    </message>
    <message>
        <source>Present Value</source>
        <translation>Barwert</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsanteil</translation>
    </message>
    <message>
        <source>INFO</source>
        <extracomment>Drawn upright, one letter to a line.</extracomment>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Felder leeren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Sensitivity Analysis</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Welcome to Quandrel Calculator!<byte value="xd"/>
Press INFO for more information</source>
        <translation>Willkommen beim Quandrel-Rechner!<byte value="xd"/>
Weitere Informationen unter INFO</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Program designed by mirelon in Qt 6!<byte value="xd"/>
-C++17 programming and reversing skills-<byte value="xd"/>
Thanks for using it! Enjoy!<byte value="xd"/>
Contact: mirelon@example.com</source>
        <translation>Programm von mirelon, entwickelt mit Qt 6!<byte value="xd"/>
-C++17-Programmierung und Reverse Engineering-<byte value="xd"/>
Danke für die Nutzung! Viel Spaß!<byte value="xd"/>
Kontakt: mirelon@example.com</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Fill in the fields!</source>
        <translation>Bitte füllen Sie die Felder aus!</translation>
    </message>
    <message>
        <source>No numeric values! Check again</source>
        <translation>Keine Zahlenwerte! Bitte noch einmal prüfen</translation>
    </message>
    <message>
        <source>Rate&lt;0. Are you sure? Check again.</source>
        <translation>Zinssatz&lt;0. Sind Sie sicher? Bitte noch einmal prüfen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Time of interest payment &gt;number of period! Check again</source>
        <translation>Zeitpunkt der Zinszahlung &gt;Anzahl der Perioden! Bitte noch einmal prüfen</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Periods(N)&lt;0!! Check again!</source>
        <translation>Perioden(N)&lt;0!! Bitte noch einmal prüfen!</translation>
    </message>
    <message>
        <source>Periods(N)&lt;0!! Check again!<byte value="xd"/>
You may need to use minus(-) in payment</source>
        <translation>Perioden(N)&lt;0!! Bitte noch einmal prüfen!<byte value="xd"/>
Geben Sie die Zahlung eventuell mit Minus(-) ein</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Future Value</source>
        <translation>Endwert</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlagebetrag</translation>
    </message>
    <message>
        <source>Simple Present Value</source>
        <translation>Barwert einer Einmalzahlung</translation>
    </message>
    <message>
        <source>Simple Future Value</source>
        <translation>Endwert einer Einmalzahlung</translation>
    </message>
    <message>
        <source>Period of interest payment</source>
        <translation>Periode der Zinszahlung</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Amortization Schedule...</source>
        <translation>&amp;Tilgungsplan...</translation>
    </message>
    <message>
        <source>Payments at Period &amp;Start</source>
        <translation>Zahlungen zu Perioden&amp;beginn</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Loan (PV)</source>
        <translation>Kredit (PV)</translation>
    </message>
    <message>
        <source>Lower Bound</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>Upper Bound</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>PAYMENT     //</source>
        <translation>ZAHLUNG     //</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>ZINS</translation>
    </message>
    <message>
        <source>PERIODS</source>
        <translation>PERIODEN</translation>
    </message>
    <message>
        <source>Sensitivity Analysis</source>
        <translation>Sensitivitätsanalyse</translation>
    </message>
    <message>
        <source>RATE</source>
        <comment>downwards</comment>
        <extracomment>Written downwards, one letter to a label: exactly four letters.</extracomment>
        <translation>ZINS</translation>
    </message>
    <message>
        <source>PERIODS</source>
        <comment>downwards</comment>
        <extracomment>Written downwards, one letter to a label: exactly seven letters.</extracomment>
        <translation>PERIODE</translation>
    </message>
    <message>
        <source>Fill in!</source>
        <translation>Ausfüllen!</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Lists the payment for each rate</source>
        <translation>Listet die Zahlung für jeden Zinssatz auf</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Felder leeren</translation>
    </message>
    <message>
        <source>Empties the loan and all six fields</source>
        <translation>Leert den Kredit und alle sechs Felder</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Empties the list of payments by rate</source>
        <translation>Leert die Liste der Zahlungen nach Zinssatz</translation>
    </message>
    <message>
        <source>Payments by rate</source>
        <translation>Zahlungen nach Zinssatz</translation>
    </message>
    <message>
        <source>Payments by periods</source>
        <translation>Zahlungen nach Laufzeit</translation>
    </message>
    <message>
        <source>Empties the list of payments by periods</source>
        <translation>Leert die Liste der Zahlungen nach Laufzeit</translation>
    </message>
    <message>
        <source>Lists the payment for each number of periods</source>
        <translation>Listet die Zahlung für jede Laufzeit auf</translation>
    </message>
    <message>
        <source>Fill in &apos;Loan&apos; in the pop un window!</source>
        <translation>Füllen Sie im Fenster das Feld „Kredit“ aus!</translation>
    </message>
    <message>
        <source>Welcome to Sensitivity Analysis</source>
        <translation>Willkommen bei der Sensitivitätsanalyse</translation>
    </message>
    <message>
        <source>L. Bound</source>
        <translation>Untergr.</translation>
    </message>
    <message>
        <source>U. Bound</source>
        <translation>Obergr.</translation>
    </message>
    <message>
        <source>Check Again! Lower Bound&gt;= Upper Bound</source>
        <translation>Bitte prüfen! Untergrenze&gt;= Obergrenze</translation>
    </message>
    <message>
        <source>Check Again! Lower Bound&gt;= Upper Bound or Periods&lt;0</source>
        <translation>Bitte prüfen! Untergrenze&gt;= Obergrenze oder Laufzeit&lt;0</translation>
    </message>
    <message>
        <source>Fill in Loan!</source>
        <translation>Kredit eingeben!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Attention! Clear list and then press &apos;Run&apos;!</source>
        <translation>Achtung! Liste leeren und dann „Berechnen“ drücken!</translation>
    </message>
    <message>
        <source>Fill in ALL fields!</source>
        <translation>Füllen Sie ALLE Felder aus!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Check Again! A &apos;Run&apos; lists at most %1 lines</source>
        <translation>Bitte prüfen! Eine Berechnung listet höchstens %1 Zeilen</translation>
    </message>
    <message>
        <source>Check Again! Bounds too large: the step no longer changes them</source>
        <translation>Bitte prüfen! Grenzen zu groß: Der Schritt ändert sie nicht mehr</translation>
    </message>
    <message>
        <source>Show C&amp;hart</source>
        <translation>&amp;Diagramm zeigen</translation>
    </message>
    <message>
        <source>&amp;Amortization Schedule...</source>
        <translation>&amp;Tilgungsplan...</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>--Mirelon presents: Quandrel Equation Calculator!--</source>
        <translation>--Mirelon präsentiert: Quandrel-Gleichungsrechner!--</translation>
    </message>
    <message>
        <source>This program is a basic financial calculator.</source>
        <translation>Dieses Programm ist ein einfacher Finanzrechner.</translation>
    </message>
    <message>
        <source>You can find PV, FV, Rate, Periodic Payment, Number of periods etc. Select a tab and fill in the fields.</source>
        <translation>Sie können Barwert (PV), Endwert (FV), Zinssatz, regelmäßige Zahlung, Anzahl der Perioden usw. berechnen. Wählen Sie eine Registerkarte und füllen Sie die Felder aus.</translation>
    </message>
    <message>
        <source>Sensitivity Analysis toolkit:</source>
        <translation>Sensitivitätsanalyse:</translation>
    </message>
    <message>
        <source>Using this option you can see how payment is affected when rate or periods change.</source>
        <translation>Hier sehen Sie, wie sich die Zahlung ändert, wenn sich Zinssatz oder Laufzeit ändern.</translation>
    </message>
    <message>
        <source>----IMPORTANT NOTE---- .</source>
        <translation>----WICHTIGER HINWEIS---- .</translation>
    </message>
    <message>
        <source>For RATE use a decimal point NOT percentage% (e.g rate= 0.11 which is 11%)</source>
        <translation>Den ZINSSATZ als Dezimalzahl eingeben, NICHT in Prozent% (z. B. Zinssatz= 0,11 für 11%)</translation>
    </message>
    <message>
        <source>For Payment,Presenet Value,Future Value type minus(-) if is needed (e.g. payment= -200$)</source>
        <translation>Bei Zahlung, Barwert und Endwert wenn nötig ein Minus(-) eingeben (z. B. Zahlung= -200$)</translation>
    </message>
    <message>
        <source>See Readme.nfo for more details.</source>
        <translation>Weitere Einzelheiten finden Sie in Readme.nfo.</translation>
    </message>
    <message>
        <source>My Blog (Click)</source>
        <translation>Mein Blog (anklicken)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>app::ErrorGuard</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>app::PaymentTimingSetting</name>
    <message>
        <source>BEGIN</source>
        <extracomment>Marks that payments fall at the start of each period; capitals, one word.</extracomment>
        <translation>VORSCHÜSSIG</translation>
    </message>
</context>
<context>
    <name>app::SafeSave</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file, and only a regular file is replaced</source>
        <translation>es ist keine gewöhnliche Datei, und nur eine gewöhnliche Datei wird ersetzt</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>app::TableExport</name>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy A&amp;ll</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Als CSV &amp;speichern...</translation>
    </message>
</context>
<context>
    <name>chart::ChartWindow</name>
    <message>
        <source>Payment Chart</source>
        <translation>Zahlungsdiagramm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>program::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>sensitivity::PaymentListModel</name>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <translation>Zinssatz (%)</translation>
    </message>
    <message>
        <source>Rate %1, payment %2</source>
        <translation>Zinssatz %1, Zahlung %2</translation>
    </message>
    <message>
        <source>Periods %1, payment %2</source>
        <translation>Laufzeit %1, Zahlung %2</translation>
    </message>
</context>
<context>
    <name>schedule::ScheduleModel</name>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>schedule::ScheduleWindow</name>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Payments of the loan</source>
        <translation>Zahlungen des Kredits</translation>
    </message>
    <message>
        <source>Loan %1 at %2 per period, %3: payment %4, total interest %5</source>
        <translation>Kredit %1 zu %2 je Periode, %3: Zahlung %4, Zinsen insgesamt %5</translation>
    </message>
    <message>
        <source>1 period</source>
        <translation>1 Periode</translation>
    </message>
    <message>
        <source>%1 periods</source>
        <translation>%1 Perioden</translation>
    </message>
    <message>
        <source>%1: one payment of %2</source>
        <translation>%1: eine Zahlung von %2</translation>
    </message>
    <message>
        <source>%1: 1 payment of %2 and a last payment of %3</source>
        <translation>%1: 1 Zahlung von %2 und eine letzte Zahlung von %3</translation>
    </message>
    <message>
        <source>%1: %2 payments of %3 and a last payment of %4</source>
        <translation>%1: %2 Zahlungen von %3 und eine letzte Zahlung von %4</translation>
    </message>
    <message>
        <source>No schedule: it would have more than %1 payments.</source>
        <translation>Kein Tilgungsplan: Er hätte mehr als %1 Zahlungen.</translation>
    </message>
    <message>
        <source>No schedule: the payment does not cover the first period&apos;s interest.</source>
        <translation>Kein Tilgungsplan: Die Zahlung deckt die Zinsen der ersten Periode nicht.</translation>
    </message>
    <message>
        <source>No schedule: its amounts would reach %1.</source>
        <translation>Kein Tilgungsplan: Seine Beträge würden %1 erreichen.</translation>
    </message>
</context>
</TS>
