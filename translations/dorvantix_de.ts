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
    <message>
        <source>&amp;Cash Flows...</source>
        <translation>&amp;Zahlungsströme...</translation>
    </message>
    <message>
        <source>&amp;Loan Planner...</source>
        <translation>&amp;Kreditplaner...</translation>
    </message>
    <message>
        <source>Co&amp;mparison...</source>
        <translation>&amp;Vergleich...</translation>
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
    <name>app::Document</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>app::ErrorGuard</name>
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
    <name>app::TablePrint</name>
    <message>
        <source>Computed on %1 at %2</source>
        <translation>Berechnet am %1 um %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Das Dokument konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Als PD&amp;F exportieren...</translation>
    </message>
</context>
<context>
    <name>app::UnsavedChanges</name>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing?</source>
        <translation>Änderungen an „%1“ vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>cash_flows::CashFlowWindow</name>
    <message>
        <source>the flows never change sign</source>
        <translation>die Zahlungen wechseln nie das Vorzeichen</translation>
    </message>
    <message>
        <source>the flows change sign once</source>
        <translation>die Zahlungen wechseln einmal das Vorzeichen</translation>
    </message>
    <message>
        <source>the flows change sign twice</source>
        <translation>die Zahlungen wechseln zweimal das Vorzeichen</translation>
    </message>
    <message>
        <source>the flows change sign %1 times</source>
        <translation>die Zahlungen wechseln %1-mal das Vorzeichen</translation>
    </message>
    <message>
        <source>One rate</source>
        <translation>Ein Zinssatz</translation>
    </message>
    <message>
        <source>Two rates</source>
        <translation>Zwei Zinssätze</translation>
    </message>
    <message>
        <source>%1 rates</source>
        <translation>%1 Zinssätze</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>it has %1 fields, not the three of Date,Amount,Count</source>
        <translation>sie hat %1 Felder statt der drei von Date,Amount,Count</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date written as 2027-01-31</source>
        <translation>„%1“ ist kein Datum in der Form 2027-01-31</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount written with &quot;.&quot; for decimals</source>
        <translation>„%1“ ist kein Betrag mit „.“ als Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>the count &quot;%1&quot; is not a whole number from 1 to %2</source>
        <translation>die Anzahl „%1“ ist keine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>a dated line is one flow: its count must be 1</source>
        <translation>eine Zeile mit Datum ist eine Zahlung: ihre Anzahl muss 1 sein</translation>
    </message>
    <message>
        <source>F&amp;lows</source>
        <translation>&amp;Zahlungen</translation>
    </message>
    <message>
        <source>Flows</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>Zeile &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Zeilen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Rate (%)</source>
        <translation>Zins&amp;satz (%)</translation>
    </message>
    <message>
        <source>Fi&amp;nance rate (%)</source>
        <translation>&amp;Finanzierungszins (%)</translation>
    </message>
    <message>
        <source>Rein&amp;vestment rate (%)</source>
        <translation>&amp;Wiederanlagezins (%)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>NPV C&amp;hart</source>
        <translation>Kapitalwert-Dia&amp;gramm</translation>
    </message>
    <message>
        <source>NPV</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>IRR</source>
        <translation>Interner Zinsfuß</translation>
    </message>
    <message>
        <source>MIRR</source>
        <translation>Modifizierter interner Zinsfuß</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Amortisationsdauer</translation>
    </message>
    <message>
        <source>Discounted payback</source>
        <translation>Dynamische Amortisationsdauer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cash Flows</source>
        <translation>Zahlungsströme</translation>
    </message>
    <message>
        <source>Type a rate in &quot;%1&quot;.</source>
        <translation>Geben Sie einen Zinssatz in „%1“ ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is not a number.</source>
        <translation>„%1“ in „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Exactly one rate: %1.</source>
        <translation>Genau ein Zinssatz: %1.</translation>
    </message>
    <message>
        <source>No rate makes the NPV zero: %1.</source>
        <translation>Kein Zinssatz macht den Kapitalwert null: %1.</translation>
    </message>
    <message>
        <source>No rate found: %1, and the one rate lies beyond the rates searched.</source>
        <translation>Kein Zinssatz gefunden: %1, und der eine Zinssatz liegt außerhalb der durchsuchten Zinssätze.</translation>
    </message>
    <message>
        <source>No rate makes the NPV zero.</source>
        <translation>Kein Zinssatz macht den Kapitalwert null.</translation>
    </message>
    <message>
        <source>One rate: NPV is zero there alone; %1.</source>
        <translation>Ein Zinssatz: nur dort ist der Kapitalwert null; %1.</translation>
    </message>
    <message>
        <source>Two rates: NPV is zero at both; %1.</source>
        <translation>Zwei Zinssätze: an beiden ist der Kapitalwert null; %1.</translation>
    </message>
    <message>
        <source>%1: NPV is zero at each; %2.</source>
        <translation>%1: an jedem ist der Kapitalwert null; %2.</translation>
    </message>
    <message>
        <source>No rate found, but the count could not be settled: rates may lie between %1 and %2; %3.</source>
        <translation>Kein Zinssatz gefunden, doch ihre Anzahl ließ sich nicht klären: zwischen %1 und %2 können Zinssätze liegen; %3.</translation>
    </message>
    <message>
        <source>%1 found, but the count could not be settled: more may lie between %2 and %3; %4.</source>
        <translation>%1 gefunden, doch ihre Anzahl ließ sich nicht klären: zwischen %2 und %3 können weitere liegen; %4.</translation>
    </message>
    <message>
        <source>every rate</source>
        <translation>jeder Zinssatz</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Every rate makes the NPV zero: every flow is 0.</source>
        <translation>Jeder Zinssatz macht den Kapitalwert null: jede Zahlung ist 0.</translation>
    </message>
    <message>
        <source>periodic flows only</source>
        <translation>nur für periodische Zahlungen</translation>
    </message>
    <message>
        <source>Open Cash Flows</source>
        <translation>Zahlungsströme öffnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: line %2: %3.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden: Zeile %2: %3.</translation>
    </message>
    <message>
        <source>it is not the header Date,Amount,Count</source>
        <translation>sie ist nicht die Kopfzeile Date,Amount,Count</translation>
    </message>
    <message>
        <source>it has a date and the lines before it have none</source>
        <translation>sie hat ein Datum, die Zeilen davor haben keines</translation>
    </message>
    <message>
        <source>it has no date and the lines before it have one</source>
        <translation>sie hat kein Datum, die Zeilen davor haben eines</translation>
    </message>
    <message>
        <source>the flows come to more than %1, counts included</source>
        <translation>die Zahlungen ergeben mit ihren Anzahlen mehr als %1</translation>
    </message>
    <message>
        <source>Save Cash Flows</source>
        <translation>Zahlungsströme speichern</translation>
    </message>
</context>
<context>
    <name>cash_flows::FlowTableModel</name>
    <message>
        <source>The amount is missing.</source>
        <translation>Der Betrag fehlt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation>„%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 1 to %2.</source>
        <translation>„%1“ ist keine ganze Zahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as 2027-01-31 or %2.</source>
        <translation>„%1“ ist kein Datum: geben Sie es als 2027-01-31 oder %2 ein.</translation>
    </message>
    <message>
        <source>Row %1 has a date and row %2 has none: either every row has a date or none has.</source>
        <translation>Zeile %1 hat ein Datum und Zeile %2 keines: entweder hat jede Zeile ein Datum oder keine.</translation>
    </message>
    <message>
        <source>Row %1 has no date and row %2 has one: either every row has a date or none has.</source>
        <translation>Zeile %1 hat kein Datum und Zeile %2 eines: entweder hat jede Zeile ein Datum oder keine.</translation>
    </message>
    <message>
        <source>A dated row is one flow: its count must be 1.</source>
        <translation>Eine Zeile mit Datum ist eine Zahlung: ihre Anzahl muss 1 sein.</translation>
    </message>
    <message>
        <source>The list holds more than %1 flows, counts included; it takes at most %1.</source>
        <translation>Die Liste enthält mit den Anzahlen mehr als %1 Zahlungen; sie fasst höchstens %1.</translation>
    </message>
    <message>
        <source>The list has no flows: type an amount in a row.</source>
        <translation>Die Liste hat keine Zahlungen: geben Sie in einer Zeile einen Betrag ein.</translation>
    </message>
    <message>
        <source>Line %1 of the pasted text has %2 cells; a row takes an amount; an amount and a count; a date and an amount; or a date, an amount and a count.</source>
        <translation>Zeile %1 des eingefügten Textes hat %2 Zellen; eine Zeile nimmt einen Betrag; einen Betrag und eine Anzahl; ein Datum und einen Betrag; oder ein Datum, einen Betrag und eine Anzahl.</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>row %1 of the list</source>
        <translation>Zeile %1 der Liste</translation>
    </message>
    <message>
        <source>Line %1 of the pasted text has no date and %2 has one: either every row has a date or none has.</source>
        <translation>Zeile %1 des eingefügten Textes hat kein Datum und %2 eines: entweder hat jede Zeile ein Datum oder keine.</translation>
    </message>
    <message>
        <source>Line %1 of the pasted text has a date and %2 has none: either every row has a date or none has.</source>
        <translation>Zeile %1 des eingefügten Textes hat ein Datum und %2 keines: entweder hat jede Zeile ein Datum oder keine.</translation>
    </message>
    <message>
        <source>The list would hold %1 rows; it takes at most %2 flows.</source>
        <translation>Die Liste hätte %1 Zeilen; sie fasst höchstens %2 Zahlungen.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>cash_flows::NpvCurve</name>
    <message>
        <source>Rate (%)</source>
        <translation>Zinssatz (%)</translation>
    </message>
    <message>
        <source>NPV</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>NPV Chart</source>
        <translation>Kapitalwert-Diagramm</translation>
    </message>
    <message>
        <source>Rate %1, NPV %2</source>
        <translation>Zinssatz %1, Kapitalwert %2</translation>
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
    <message>
        <source>No lines to chart.</source>
        <translation>Keine Zeilen für das Diagramm.</translation>
    </message>
    <message>
        <source>%1 over %2. Lines: %3. First: %4. Last: %5. Lowest: %6. Highest: %7.</source>
        <translation>%1 über %2. Zeilen: %3. Erste: %4. Letzte: %5. Niedrigste: %6. Höchste: %7.</translation>
    </message>
    <message>
        <source>No line marked</source>
        <translation>Keine Zeile markiert</translation>
    </message>
    <message>
        <source>Marked line: %1</source>
        <translation>Markierte Zeile: %1</translation>
    </message>
</context>
<context>
    <name>comparison::ComparisonModel</name>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>Jahreszins</translation>
    </message>
    <message>
        <source>Payments per year</source>
        <translation>Zahlungen pro Jahr</translation>
    </message>
    <message>
        <source>Regular payment</source>
        <translation>Regelmäßige Zahlung</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Anzahl der Zahlungen</translation>
    </message>
    <message>
        <source>Last payment date</source>
        <translation>Datum der letzten Zahlung</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Gezahlt insgesamt</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>APR (actual/365)</source>
        <translation>Effektiver Jahreszins (taggenau/365)</translation>
    </message>
    <message>
        <source>Interest saved</source>
        <translation>Gesparte Zinsen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 marks the best value in a row: the lowest cost, the earliest last payment, the most interest saved.</source>
        <translation>%1 markiert den besten Wert einer Zeile: die niedrigsten Kosten, die früheste letzte Zahlung, die meisten gesparten Zinsen.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1, best</source>
        <translation>%1, am besten</translation>
    </message>
</context>
<context>
    <name>comparison::ComparisonWindow</name>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Loans compared</source>
        <translation>Verglichene Kredite</translation>
    </message>
    <message>
        <source>&amp;Remove from Comparison</source>
        <translation>Aus dem Vergleich &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Remove Loan</source>
        <translation>Kredit &amp;entfernen</translation>
    </message>
    <message>
        <source>Removes the loan of the current column from the comparison.</source>
        <translation>Entfernt den Kredit der aktuellen Spalte aus dem Vergleich.</translation>
    </message>
    <message>
        <source>Balance over time</source>
        <translation>Restschuld im Zeitverlauf</translation>
    </message>
    <message>
        <source>No loans are kept yet. The Loan Planner keeps the loan it shows for comparison.</source>
        <translation>Noch keine Kredite zum Vergleich behalten. Der Kreditplaner behält den angezeigten Kredit zum Vergleich.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>Kreditvergleich</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
</context>
<context>
    <name>comparison::Pins</name>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>At most %1 loans can be kept for comparison. Remove one in the Comparison window first.</source>
        <translation>Höchstens %1 Kredite können zum Vergleich behalten werden. Entfernen Sie zuerst einen im Fenster Vergleich.</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Angebot %1</translation>
    </message>
</context>
<context>
    <name>finance</name>
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
</context>
<context>
    <name>loan_planner::LoanFile</name>
    <message>
        <source>&quot;%1&quot; is missing or not a number</source>
        <translation>„%1“ fehlt oder ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from %2 to %3</source>
        <translation>„%1“ ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count the planner offers</source>
        <translation>„%1“ ist keine Anzahl, die der Kreditplaner anbietet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not one of its names</source>
        <translation>„%1“ fehlt oder ist keiner seiner Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a date (YYYY-MM-DD)</source>
        <translation>„%1“ fehlt oder ist kein Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a list</source>
        <translation>„%1“ fehlt oder ist keine Liste</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>sie ist kein JSON (%1 bei Zeichen %2)</translation>
    </message>
    <message>
        <source>it holds no loan</source>
        <translation>sie enthält keinen Kredit</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program (format %1; this one reads up to %2)</source>
        <translation>sie wurde von einer neueren Version des Programms geschrieben (Format %1; diese liest bis %2)</translation>
    </message>
    <message>
        <source>more than one of amount, annual rate, number of payments and payment is null</source>
        <translation>mehr als eines von Betrag, Jahreszins, Anzahl der Zahlungen und Zahlung ist null</translation>
    </message>
    <message>
        <source>the first payment falls before the loan date</source>
        <translation>die erste Zahlung liegt vor dem Kreditdatum</translation>
    </message>
</context>
<context>
    <name>loan_planner::PlanModel</name>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Sondertilgung</translation>
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
    <name>loan_planner::PlannerWindow</name>
    <message>
        <source>Loan Planner</source>
        <translation>Kreditplaner</translation>
    </message>
    <message>
        <source>Payments of the loan</source>
        <translation>Zahlungen des Kredits</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Konditionen</translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation>Be&amp;trag</translation>
    </message>
    <message>
        <source>Annual &amp;rate (%)</source>
        <translation>Jahres&amp;zins (%)</translation>
    </message>
    <message>
        <source>&amp;Payments per year</source>
        <translation>Zahlungen pro &amp;Jahr</translation>
    </message>
    <message>
        <source>C&amp;ompounding per year</source>
        <translation>Zins&amp;perioden pro Jahr</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Stetig</translation>
    </message>
    <message>
        <source>&amp;Number of payments</source>
        <translation>&amp;Anzahl der Zahlungen</translation>
    </message>
    <message>
        <source>Y&amp;ears</source>
        <translation>Jahr&amp;e</translation>
    </message>
    <message>
        <source>Pa&amp;yment</source>
        <translation>Zahl&amp;ung</translation>
    </message>
    <message>
        <source>&amp;Balloon</source>
        <translation>S&amp;chlusszahlung</translation>
    </message>
    <message>
        <source>&amp;Loan date</source>
        <translation>Auszahlung&amp;sdatum</translation>
    </message>
    <message>
        <source>First pay&amp;ment</source>
        <translation>Erste Zah&amp;lung</translation>
    </message>
    <message>
        <source>Fee&amp;s</source>
        <translation>&amp;Gebühren</translation>
    </message>
    <message>
        <source>&amp;Interest</source>
        <translation>Z&amp;insen</translation>
    </message>
    <message>
        <source>Per period</source>
        <translation>Je Periode</translation>
    </message>
    <message>
        <source>Actual/365</source>
        <translation>Taggenau/365</translation>
    </message>
    <message>
        <source>Actual/360</source>
        <translation>Taggenau/360</translation>
    </message>
    <message>
        <source>Payment ro&amp;unding</source>
        <translation>&amp;Rundung der Zahlung</translation>
    </message>
    <message>
        <source>to the nearest cent</source>
        <translation>auf den nächsten Cent</translation>
    </message>
    <message>
        <source>up to the cent</source>
        <translation>auf den Cent aufrunden</translation>
    </message>
    <message>
        <source>up to the whole unit</source>
        <translation>auf die ganze Einheit aufrunden</translation>
    </message>
    <message>
        <source>Interest roun&amp;ding</source>
        <translation>Rundu&amp;ng der Zinsen</translation>
    </message>
    <message>
        <source>halves away from zero</source>
        <translation>Hälften von null weg</translation>
    </message>
    <message>
        <source>halves to even</source>
        <translation>Hälften zur geraden Zahl</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abrunden</translation>
    </message>
    <message>
        <source>Extra payments</source>
        <translation>Sondertilgungen</translation>
    </message>
    <message>
        <source>E&amp;xtra per payment</source>
        <translation>S&amp;ondertilgung je Zahlung</translation>
    </message>
    <message>
        <source>from payment</source>
        <translation>ab Zahlung</translation>
    </message>
    <message>
        <source>to payment</source>
        <translation>bis Zahlung</translation>
    </message>
    <message>
        <source>the last</source>
        <translation>die letzte</translation>
    </message>
    <message>
        <source>One-off ex&amp;tras</source>
        <translation>Ein&amp;malige Sondertilgungen</translation>
    </message>
    <message>
        <source>Payment number</source>
        <translation>Zahlungsnummer</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Add extra</source>
        <translation>Sondertilgung hinzufügen</translation>
    </message>
    <message>
        <source>Remove extra</source>
        <translation>Sondertilgung entfernen</translation>
    </message>
    <message>
        <source>&amp;Keep the payment</source>
        <translation>Rate &amp;konstant halten</translation>
    </message>
    <message>
        <source>Keep t&amp;he term</source>
        <translation>Lau&amp;fzeit konstant halten</translation>
    </message>
    <message>
        <source>Rate changes</source>
        <translation>Zinsänderungen</translation>
    </message>
    <message>
        <source>Rate chan&amp;ges</source>
        <translation>Zins&amp;änderungen</translation>
    </message>
    <message>
        <source>New annual rate (%)</source>
        <translation>Neuer Jahreszins (%)</translation>
    </message>
    <message>
        <source>Add rate change</source>
        <translation>Zinsänderung hinzufügen</translation>
    </message>
    <message>
        <source>Remove rate change</source>
        <translation>Zinsänderung entfernen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Regular payment</source>
        <translation>Regelmäßige Zahlung</translation>
    </message>
    <message>
        <source>Payments made</source>
        <translation>Geleistete Zahlungen</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Datum der ersten Zahlung</translation>
    </message>
    <message>
        <source>Last payment date</source>
        <translation>Datum der letzten Zahlung</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Gezahlt insgesamt</translation>
    </message>
    <message>
        <source>Total cost of credit</source>
        <translation>Kreditkosten insgesamt</translation>
    </message>
    <message>
        <source>Interest saved</source>
        <translation>Gesparte Zinsen</translation>
    </message>
    <message>
        <source>Payments saved</source>
        <translation>Gesparte Zahlungen</translation>
    </message>
    <message>
        <source>Effective annual rate</source>
        <translation>Effektivzins p. a. der Periodenrate</translation>
    </message>
    <message>
        <source>APR (actual/365)</source>
        <translation>Effektiver Jahreszins (taggenau/365)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Leave at most one of Amount, Annual rate, Number of payments and Payment empty.</source>
        <translation>Lassen Sie höchstens eines der Felder Betrag, Jahreszins, Anzahl der Zahlungen und Zahlung leer.</translation>
    </message>
    <message>
        <source>%1: at least one payment is needed.</source>
        <translation>%1: Mindestens eine Zahlung ist nötig.</translation>
    </message>
    <message>
        <source>The first payment cannot fall before the loan date.</source>
        <translation>Die erste Zahlung kann nicht vor dem Auszahlungsdatum liegen.</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>%1: the payment number must be a whole number from 1 on.</source>
        <translation>%1: Die Zahlungsnummer muss eine ganze Zahl ab 1 sein.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>being found...</source>
        <translation>wird ermittelt ...</translation>
    </message>
    <message>
        <source>Loan Planner: the rule</source>
        <translation>Kreditplaner: die Regel</translation>
    </message>
    <message>
        <source>All amounts are whole cents.</source>
        <translation>Alle Beträge sind ganze Cent.</translation>
    </message>
    <message>
        <source>Rate per period: i = (1 + j/c)^(c/p) - 1 for nominal annual rate j, c compoundings and p payments a year; continuous: i = e^(j/p) - 1.</source>
        <translation>Zinssatz je Periode: i = (1 + j/c)^(c/p) - 1 für den nominalen Jahreszins j, c Zinsperioden und p Zahlungen im Jahr; stetig: i = e^(j/p) - 1.</translation>
    </message>
    <message>
        <source>Regular payment: the level payment for the amount, i, n payments and the balloon (at the start of each period when payments fall at the start), computed exactly and then rounded by the payment rule (default: to the nearest cent, halves away from zero; also &quot;up to the cent&quot; and &quot;up to the whole unit&quot;).</source>
        <translation>Regelmäßige Zahlung: die gleichbleibende Zahlung für den Betrag, i, n Zahlungen und die Schlusszahlung (zu Beginn jeder Periode, wenn die Zahlungen zu Beginn fallen), exakt berechnet und dann nach der Rundung der Zahlung gerundet (Vorgabe: auf den nächsten Cent, Hälften von null weg; außerdem „auf den Cent aufrunden“ und „auf die ganze Einheit aufrunden“).</translation>
    </message>
    <message>
        <source>Each row&apos;s interest: balance x i (per period; with payments at the start, payment 1 carries none and payment k the interest of the period before it), or balance x j x days / 365 (or 360), the days counted from the previous payment (from the loan date for the first); rounded by the interest rule (default: halves away from zero; also &quot;halves to even&quot; and &quot;down&quot;). Under the daily rules the regular payment is the level payment at j/p with payments at the end.</source>
        <translation>Zinsen jeder Zeile: Restschuld x i (je Periode; mit Zahlungen zu Beginn trägt Zahlung 1 keine und Zahlung k die Zinsen der Periode davor) oder Restschuld x j x Tage / 365 (oder 360), die Tage gezählt ab der vorigen Zahlung (ab dem Auszahlungsdatum für die erste); gerundet nach der Rundung der Zinsen (Vorgabe: Hälften von null weg; außerdem „Hälften zur geraden Zahl“ und „abrunden“). Bei den taggenauen Regeln ist die regelmäßige Zahlung die gleichbleibende Zahlung zu j/p mit Zahlungen am Ende.</translation>
    </message>
    <message>
        <source>Dates: with 1, 2, 4 or 12 payments a year, payment k falls 12/p x (k-1) months after the first, counted from the first payment each time and held to the month&apos;s last day (31 January, 28 February, 31 March ...); 24: the first payment&apos;s day and 15 days after it, each month (held to the month&apos;s last day); 26: every 14 days; 52: every 7 days.</source>
        <translation>Daten: Bei 1, 2, 4 oder 12 Zahlungen im Jahr fällt Zahlung k 12/p x (k-1) Monate nach der ersten, jedes Mal ab der ersten Zahlung gezählt und auf den letzten Tag des Monats begrenzt (31. Januar, 28. Februar, 31. März ...); 24: der Tag der ersten Zahlung und 15 Tage danach, in jedem Monat (auf den letzten Tag des Monats begrenzt); 26: alle 14 Tage; 52: alle 7 Tage.</translation>
    </message>
    <message>
        <source>Extra payments: a recurring &quot;Extra per payment&quot; from payment number a (default 1) to b (default the last), and a list of one-off extras (payment number and amount). A row pays its regular payment plus its extras. Rule after an extra: &quot;Keep the payment&quot; (default: the loan ends sooner) or &quot;Keep the term&quot; (the regular payment is recomputed for the new balance over the payments left, and rounded again).</source>
        <translation>Sondertilgungen: eine wiederkehrende „Sondertilgung je Zahlung“ von Zahlung Nummer a (Vorgabe 1) bis b (Vorgabe die letzte) und eine Liste einmaliger Sondertilgungen (Zahlungsnummer und Betrag). Eine Zeile zahlt ihre regelmäßige Zahlung und ihre Sondertilgungen. Regel nach einer Sondertilgung: „Rate konstant halten“ (Vorgabe: Der Kredit endet früher) oder „Laufzeit konstant halten“ (die regelmäßige Zahlung wird für die neue Restschuld über die verbleibenden Zahlungen neu berechnet und wieder gerundet).</translation>
    </message>
    <message>
        <source>Rate changes: a list of (payment number, new annual rate): from that payment on, i is the new rate&apos;s, and the regular payment is recomputed for the balance over the payments left of the term, rounded again.</source>
        <translation>Zinsänderungen: eine Liste von (Zahlungsnummer, neuer Jahreszins): Ab dieser Zahlung gilt i des neuen Zinssatzes, und die regelmäßige Zahlung wird für die Restschuld über die verbleibenden Zahlungen der Laufzeit neu berechnet und wieder gerundet.</translation>
    </message>
    <message>
        <source>The loan ends on the first row whose regular payment plus extras reaches the balance plus interest, or on payment n: that row pays exactly the balance plus its interest; its &quot;Payment&quot; shows max(min(regular, due), due - extras) and &quot;Extra&quot; the rest, so the balance ends at 0.00 and principal paid equals the amount.</source>
        <translation>Der Kredit endet mit der ersten Zeile, deren regelmäßige Zahlung samt Sondertilgungen die Restschuld plus Zinsen erreicht, oder mit Zahlung n: Diese Zeile zahlt genau die Restschuld plus ihre Zinsen; ihre „Zahlung“ zeigt max(min(regelmäßig, fällig), fällig - Sondertilgungen) und „Sondertilgung“ den Rest, sodass die Restschuld bei 0,00 endet und die gezahlte Tilgung dem Betrag entspricht.</translation>
    </message>
    <message>
        <source>Limits: at most 1,000,000 payments; amounts below 10^13; a payment that does not cover the first interest is refused with a clear message; nothing else is refused.</source>
        <translation>Grenzen: höchstens 1.000.000 Zahlungen; Beträge unter 10^13; eine Zahlung, die die ersten Zinsen nicht deckt, wird mit einer klaren Meldung abgelehnt; sonst wird nichts abgelehnt.</translation>
    </message>
    <message>
        <source>No plan: it would have more than %1 payments.</source>
        <translation>Kein Plan: Er hätte mehr als %1 Zahlungen.</translation>
    </message>
    <message>
        <source>No plan: amounts of %1 or more cannot be shown exactly.</source>
        <translation>Kein Plan: Beträge ab %1 können nicht genau dargestellt werden.</translation>
    </message>
    <message>
        <source>No plan: the payment does not cover the first interest.</source>
        <translation>Kein Plan: Die Zahlung deckt die ersten Zinsen nicht.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Keep for Comparison</source>
        <translation>Zum Vergleich behalten</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>Kredit öffnen</translation>
    </message>
    <message>
        <source>Loan files (*%1)</source>
        <translation>Kreditdateien (*%1)</translation>
    </message>
    <message>
        <source>%1 is outside the dates the planner shows</source>
        <translation>%1 liegt außerhalb der Daten, die der Kreditplaner zeigt</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>Kredit speichern</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
</context>
<context>
    <name>program::CommandLine</name>
    <message>
        <source>Quandrel Calculator, for time-value-of-money problems. Without options it opens its main window.</source>
        <translation>Quandrel Calculator, für Aufgaben zum Zeitwert des Geldes. Ohne Optionen öffnet er sein Hauptfenster.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>A loan file (.loan.json) to open in the loan planner, or cash flows (.csv) to open in the cash-flow window.</source>
        <translation>Eine Kreditdatei (.loan.json), die im Kreditplaner geöffnet wird, oder Zahlungsströme (.csv), die im Fenster für Zahlungsströme geöffnet werden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>sensitivity::PaymentListModel</name>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Payment (payments at the start of each period)</source>
        <translation>Zahlung (Zahlungen zu Beginn jeder Periode)</translation>
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
        <source>Loan %1 at %2 per period, payments at the start of each period, %3, total interest %4</source>
        <translation>Kredit %1 zu %2 je Periode, Zahlungen jeweils zu Beginn der Periode, %3, Zinsen insgesamt %4</translation>
    </message>
    <message>
        <source>Loan %1 at %2 per period, %3, total interest %4</source>
        <translation>Kredit %1 zu %2 je Periode, %3, Zinsen insgesamt %4</translation>
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
        <source>%1: %2 payments of %3</source>
        <translation>%1: %2 Zahlungen von %3</translation>
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
        <source>No schedule: amounts of %1 or more cannot be shown exactly.</source>
        <translation>Kein Tilgungsplan: Beträge von %1 oder mehr lassen sich nicht genau darstellen.</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Rate per period</source>
        <translation>Zinssatz je Periode</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Perioden</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Zahlungen fällig</translation>
    </message>
    <message>
        <source>at the start of each period</source>
        <translation>jeweils zu Beginn der Periode</translation>
    </message>
    <message>
        <source>at the end of each period</source>
        <translation>jeweils am Ende der Periode</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
</context>
</TS>
