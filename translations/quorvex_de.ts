<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Owned By:</source>
        <translation>Inhaber:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
</context>
<context>
    <name>BrandArtwork</name>
    <message>
        <source>Link popularity tracker</source>
        <translation>Linkpopularität im Blick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>PNG Image (*.png);;SVG Image (*.svg);;PDF Document (*.pdf)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg);;PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>the chart could not be drawn.</source>
        <translation>Das Diagramm konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>ChartPanel</name>
    <message>
        <source>3D Bar Chart</source>
        <translation>3D-Balkendiagramm</translation>
    </message>
    <message>
        <source>2D Bar Chart</source>
        <translation>2D-Balkendiagramm</translation>
    </message>
    <message>
        <source>3d Line Graph</source>
        <translation>3D-Liniendiagramm</translation>
    </message>
    <message>
        <source>2D Line Graph</source>
        <translation>2D-Liniendiagramm</translation>
    </message>
    <message>
        <source>3D Area Chart</source>
        <translation>3D-Flächendiagramm</translation>
    </message>
    <message>
        <source>2D Area Chart</source>
        <translation>2D-Flächendiagramm</translation>
    </message>
    <message>
        <source>3D Step Chart</source>
        <translation>3D-Stufendiagramm</translation>
    </message>
    <message>
        <source>2D Step Chart</source>
        <translation>2D-Stufendiagramm</translation>
    </message>
    <message>
        <source>Control Key + Drag to rotate. Or click the chart and use Control Key + Arrow Keys; Home sets it straight.</source>
        <translation>Strg + Ziehen dreht das Diagramm. Oder ins Diagramm klicken und Strg + Pfeiltasten drücken; Pos1 richtet es wieder gerade aus.</translation>
    </message>
    <message>
        <source>Results - Chart View</source>
        <translation>Ergebnisse – Diagrammansicht</translation>
    </message>
    <message>
        <source>&amp;Load Data</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Chart the history of a saved search</source>
        <translation>Den Verlauf einer gespeicherten Suche als Diagramm zeigen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Print the chart (%1)</source>
        <translation>Das Diagramm drucken (%1)</translation>
    </message>
    <message>
        <source>Export Chart...</source>
        <translation>Diagramm exportieren …</translation>
    </message>
    <message>
        <source>Export History as CSV...</source>
        <translation>Verlauf als CSV exportieren …</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Save the chart as a picture, or the history as CSV</source>
        <translation>Das Diagramm als Bild oder den Verlauf als CSV speichern</translation>
    </message>
    <message>
        <source>Search En&amp;gine:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>&amp;Chart Type:</source>
        <translation>Dia&amp;gramm:</translation>
    </message>
    <message>
        <source>Search engine</source>
        <translation>Suchmaschine</translation>
    </message>
    <message>
        <source>Chart type</source>
        <translation>Diagrammtyp</translation>
    </message>
    <message>
        <source>Space dates &amp;by time</source>
        <translation>Datumsachse &amp;zeitgetreu</translation>
    </message>
    <message>
        <source>Place the saved dates of a flat chart by the time between them</source>
        <translation>Die gespeicherten Daten eines flachen Diagramms nach ihrem zeitlichen Abstand anordnen</translation>
    </message>
    <message>
        <source>none, an example chart</source>
        <translation>keine, ein Beispieldiagramm</translation>
    </message>
    <message>
        <source>Chart type: %1. Engine: %2.</source>
        <translation>Diagrammtyp: %1. Suchmaschine: %2.</translation>
    </message>
    <message>
        <source>all engines, current results</source>
        <translation>alle Suchmaschinen, aktuelle Ergebnisse</translation>
    </message>
    <message>
        <source>The saved search &quot;%1&quot; could not be read: %2</source>
        <translation>Die gespeicherte Suche „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1, saved search %2</source>
        <translation>%1, gespeicherte Suche %2</translation>
    </message>
    <message>
        <source>You need atleast 2 saved searches to get any data displayed</source>
        <translation>Es werden mindestens 2 gespeicherte Suchen benötigt, damit Daten angezeigt werden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>The chart could not be saved as &quot;%1&quot;: %2</source>
        <translation>Das Diagramm konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Export History as CSV</source>
        <translation>Verlauf als CSV exportieren</translation>
    </message>
</context>
<context>
    <name>ChartPrinter</name>
    <message>
        <source>the folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>no printer is set up.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; is not available.</source>
        <translation>Der Drucker „%1“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; reported an error.</source>
        <translation>Der Drucker „%1“ hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The chart could not be printed: %1</source>
        <translation>Das Diagramm konnte nicht gedruckt werden: %1</translation>
    </message>
</context>
<context>
    <name>ChartScale</name>
    <message>
        <source>Linking Sites x1000</source>
        <translation>Verweisende Seiten x1000</translation>
    </message>
    <message>
        <source>Linking Sites x100</source>
        <translation>Verweisende Seiten x100</translation>
    </message>
    <message>
        <source>Linking Sites x10</source>
        <translation>Verweisende Seiten x10</translation>
    </message>
    <message>
        <source>Linking Sites</source>
        <translation>Verweisende Seiten</translation>
    </message>
</context>
<context>
    <name>ChartWidget</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>CountExtraction</name>
    <message>
        <source>not JSON</source>
        <translation>kein JSON</translation>
    </message>
    <message>
        <source>path %1 missing</source>
        <translation>Pfad %1 fehlt</translation>
    </message>
    <message>
        <source>not a whole number of at most 10 digits</source>
        <translation>keine ganze Zahl mit höchstens 10 Ziffern</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; could not be written: %2</source>
        <translation>Die CSV-Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CurrentResultsChart</name>
    <message>
        <source>Temporary Search Results</source>
        <translation>Vorläufige Suchergebnisse</translation>
    </message>
    <message>
        <source>Search Engine</source>
        <translation>Suchmaschine</translation>
    </message>
</context>
<context>
    <name>EngineFileCheck</name>
    <message>
        <source>Do you want to write the default addresses to it?</source>
        <translation>Sollen die Standardadressen hineingeschrieben werden?</translation>
    </message>
    <message>
        <source>Do you want to add the default addresses to it?</source>
        <translation>Sollen die Standardadressen ergänzt werden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The search engine addresses could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Adressen der Suchmaschinen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>EngineSettingsFile</name>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is missing, so a scan has no search engine addresses.</source>
        <translation>Die Einstellungsdatei „%1“ fehlt, daher hat ein Suchlauf keine Adressen der Suchmaschinen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; has no [Engines] section, so a scan has no search engine addresses.</source>
        <translation>Die Einstellungsdatei „%1“ hat keinen Abschnitt [Engines], daher hat ein Suchlauf keine Adressen der Suchmaschinen.</translation>
    </message>
    <message>
        <source>The [Engines] section of the settings file &quot;%1&quot; holds no search engine address.</source>
        <translation>Der Abschnitt [Engines] der Einstellungsdatei „%1“ enthält keine Adresse einer Suchmaschine.</translation>
    </message>
</context>
<context>
    <name>ExampleChart</name>
    <message>
        <source>Example Popularity Over Time Chart</source>
        <translation>Beispiel: Popularität im Zeitverlauf</translation>
    </message>
    <message>
        <source>Search Date</source>
        <translation>Suchdatum</translation>
    </message>
    <message>
        <source>Linking Sites</source>
        <translation>Verweisende Seiten</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>[The rest of the help file is not shown: it is too long.]</source>
        <translation>[Der Rest der Hilfedatei wird nicht angezeigt: Sie ist zu lang.]</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Readme/Help</source>
        <translation>Liesmich/Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Show at &amp;Startup</source>
        <translation>Beim &amp;Start anzeigen</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used in an INI file.</source>
        <translation>Der Name „%1“ kann in einer INI-Datei nicht verwendet werden.</translation>
    </message>
    <message>
        <source>A value cannot hold a line break.</source>
        <translation>Ein Wert darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>There is no section [%1].</source>
        <translation>Es gibt keinen Abschnitt [%1].</translation>
    </message>
    <message>
        <source>There is a section [%1] already.</source>
        <translation>Es gibt bereits einen Abschnitt [%1].</translation>
    </message>
</context>
<context>
    <name>KeptSession</name>
    <message>
        <source>The URL list kept from the last session in &quot;%1&quot; could not be read: %2</source>
        <translation>Die aus der letzten Sitzung aufbewahrte URL-Liste in „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>It holds no results.</source>
        <translation>Sie enthält keine Ergebnisse.</translation>
    </message>
    <message>
        <source>The results kept from the last session in &quot;%1&quot; could not be read: %2</source>
        <translation>Die aus der letzten Sitzung aufbewahrten Ergebnisse in „%1“ konnten nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The results kept from the last session in &quot;%1&quot; were read in part: %2 rows (beyond the first %3, or with a site longer than %4 characters) and %5 cells that hold no count were left out.</source>
        <translation>Die aus der letzten Sitzung aufbewahrten Ergebnisse in „%1“ wurden nur zum Teil gelesen: %2 Zeilen (über die ersten %3 hinaus oder mit einer Site von mehr als %4 Zeichen) und %5 Zellen ohne Zahl wurden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>LoadSearchDialog</name>
    <message>
        <source>Load Saved Search</source>
        <translation>Gespeicherte Suche laden</translation>
    </message>
    <message>
        <source>Select saved search to load</source>
        <translation>Zu ladende gespeicherte Suche wählen</translation>
    </message>
    <message>
        <source>Saved search</source>
        <translation>Gespeicherte Suche</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Chart the chosen saved search</source>
        <translation>Die gewählte gespeicherte Suche als Diagramm zeigen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Close without loading</source>
        <translation>Schließen, ohne zu laden</translation>
    </message>
</context>
<context>
    <name>LocalFile</name>
    <message>
        <source>the system&apos;s code page</source>
        <translation>die Codepage des Systems</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds characters that cannot be written in the file&apos;s encoding (%2).</source>
        <translation>„%1“ enthält Zeichen, die in der Kodierung der Datei (%2) nicht geschrieben werden können.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>URL hinzufügen</translation>
    </message>
    <message>
        <source>Save URL List to File</source>
        <translation>URL-Liste in Datei speichern</translation>
    </message>
    <message>
        <source>Load URL List from File</source>
        <translation>URL-Liste aus Datei laden</translation>
    </message>
    <message>
        <source>Load URL List from Clipboard</source>
        <translation>URL-Liste aus der Zwischenablage laden</translation>
    </message>
    <message>
        <source>Export Results as CSV...</source>
        <translation>Ergebnisse als CSV exportieren …</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Suchlauf</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Suchlauf starten</translation>
    </message>
    <message>
        <source>Stop Scan</source>
        <translation>Suchlauf anhalten</translation>
    </message>
    <message>
        <source>Scan Log</source>
        <translation>Suchlauf-Protokoll</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>View Options</source>
        <translation>Optionen anzeigen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>View Graph...</source>
        <translation>Diagramm anzeigen …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>About this software</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>New URL</source>
        <translation>Neue URL</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>C&amp;lear list</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>ListView</source>
        <translation>Listenansicht</translation>
    </message>
    <message>
        <source>Save Results</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>Web Results</source>
        <translation>Web-Ergebnisse</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Ergebnisse löschen</translation>
    </message>
</context>
<context>
    <name>MainStatusBar</name>
    <message>
        <source>Click to open the scan log</source>
        <translation>Klicken, um das Suchlauf-Protokoll zu öffnen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> by </source>
        <translation> von </translation>
    </message>
    <message>
        <source>Result views</source>
        <translation>Ergebnisansichten</translation>
    </message>
    <message>
        <source>Data View</source>
        <translation>Datenansicht</translation>
    </message>
    <message>
        <source>Chart View</source>
        <translation>Diagrammansicht</translation>
    </message>
    <message>
        <source>Website View</source>
        <translation>Website-Ansicht</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Ergebnisse als CSV exportieren</translation>
    </message>
    <message>
        <source>A scan is running. Stop it and quit?</source>
        <translation>Ein Suchlauf läuft. Anhalten und beenden?</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Use the s&amp;ystem&apos;s proxy settings</source>
        <translation>Proxy-Einstellungen des S&amp;ystems verwenden</translation>
    </message>
    <message>
        <source>&amp;No proxy</source>
        <translation>&amp;Kein Proxy</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ma&amp;nuell</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>The desktop&apos;s proxy, or the one named by http_proxy, https_proxy and no_proxy; a direct connection where none is set</source>
        <translation>Der Proxy der Arbeitsumgebung oder der aus http_proxy, https_proxy und no_proxy; eine direkte Verbindung, wo keiner eingestellt ist</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>Ben&amp;utzer:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Passwor&amp;t:</translation>
    </message>
    <message>
        <source>Queries</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>The User-Agent the sources are asked with, unless a source sets its own</source>
        <translation>Der User-Agent, mit dem die Quellen abgefragt werden, sofern eine Quelle keinen eigenen festlegt</translation>
    </message>
    <message>
        <source>User a&amp;gent:</source>
        <translation>Us&amp;er-Agent:</translation>
    </message>
    <message>
        <source>A source&apos;s least interval between two queries is set on the Sources page. A source that answers 429 or 503 is asked again up to three times after the wait it asks for.</source>
        <translation>Den kleinsten Abstand zwischen zwei Abfragen einer Quelle legt die Seite „Quellen“ fest. Eine Quelle, die mit 429 oder 503 antwortet, wird nach der erbetenen Wartezeit bis zu dreimal erneut gefragt.</translation>
    </message>
    <message>
        <source>A manual proxy needs a host and a port.</source>
        <translation>Ein manueller Proxy braucht einen Host und einen Port.</translation>
    </message>
    <message>
        <source>The user agent cannot hold control characters.</source>
        <translation>Der User-Agent darf keine Steuerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>High Profile if total is greater than: </source>
        <translation>Hohes Profil, wenn die Summe größer ist als: </translation>
    </message>
    <message>
        <source>Medium Profile if total is less than: </source>
        <translation>Mittleres Profil, wenn die Summe kleiner ist als: </translation>
    </message>
    <message>
        <source>Low Profile if total is less than:</source>
        <translation>Niedriges Profil, wenn die Summe kleiner ist als:</translation>
    </message>
    <message>
        <source>Before:</source>
        <translation>Davor:</translation>
    </message>
    <message>
        <source>text just before the count</source>
        <translation>Text direkt vor der Zahl</translation>
    </message>
    <message>
        <source>After:</source>
        <translation>Danach:</translation>
    </message>
    <message>
        <source>text just after the count</source>
        <translation>Text direkt nach der Zahl</translation>
    </message>
    <message>
        <source>No results:</source>
        <translation>Keine Treffer:</translation>
    </message>
    <message>
        <source>text of the page that says nothing was found</source>
        <translation>Text der Seite, der besagt, dass nichts gefunden wurde</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Search &amp;Engines</source>
        <translation>Such&amp;maschinen</translation>
    </message>
    <message>
        <source>So&amp;urces</source>
        <translation>&amp;Quellen</translation>
    </message>
    <message>
        <source>Net&amp;work</source>
        <translation>Netz&amp;werk</translation>
    </message>
    <message>
        <source>Define Popularity Ranks</source>
        <translation>Popularitätsränge festlegen</translation>
    </message>
    <message>
        <source>Data Options</source>
        <translation>Datenoptionen</translation>
    </message>
    <message>
        <source>&amp;Auto-sort data by popularity</source>
        <translation>Daten automatisch nach Popularität &amp;sortieren</translation>
    </message>
    <message>
        <source>C&amp;lear results after each search</source>
        <translation>Ergebnisse nach jeder Suche &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Keep the URL list between sessions</source>
        <translation>URL-Liste zwischen Sitzungen &amp;behalten</translation>
    </message>
    <message>
        <source>Ask the six engines at the same &amp;time</source>
        <translation>Die sechs Suchmaschinen &amp;gleichzeitig fragen</translation>
    </message>
    <message>
        <source>Send a site&apos;s six queries together instead of one after another; sites are still asked one at a time</source>
        <translation>Die sechs Abfragen einer Website gemeinsam statt nacheinander senden; die Websites werden weiterhin einzeln gefragt</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Put back the default engine addresses and ranks</source>
        <translation>Die Standardadressen der Suchmaschinen und die Standardränge wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Keep the changes and close</source>
        <translation>Die Änderungen übernehmen und schließen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Close without keeping the changes</source>
        <translation>Schließen, ohne die Änderungen zu übernehmen</translation>
    </message>
    <message>
        <source>Edit Search Engine URLs</source>
        <translation>URLs der Suchmaschinen bearbeiten</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>%1 testen</translation>
    </message>
    <message>
        <source>Ask %1 about the first site of the URL list with these settings and show what a scan would record</source>
        <translation>%1 mit diesen Einstellungen zur ersten Website der URL-Liste befragen und zeigen, was ein Suchlauf festhalten würde</translation>
    </message>
    <message>
        <source>%1 count marker: %2</source>
        <translation>Zahlmarkierung für %1: %2</translation>
    </message>
    <message>
        <source>The %1 on %2&apos;s page; leave the three boxes empty for the built-in rule</source>
        <translation>Der %1 auf der Seite von %2; die drei Felder leer lassen für die eingebaute Regel</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>Engine Test</source>
        <translation>Suchmaschinentest</translation>
    </message>
    <message>
        <source>Engine test result</source>
        <translation>Ergebnis des Suchmaschinentests</translation>
    </message>
    <message>
        <source>Press an engine&apos;s Test button to see what a scan would record.</source>
        <translation>Die Schaltfläche „Testen“ einer Suchmaschine drücken, um zu sehen, was ein Suchlauf festhalten würde.</translation>
    </message>
    <message>
        <source>&amp;Stop Test</source>
        <translation>Test &amp;anhalten</translation>
    </message>
    <message>
        <source>Abandon the running engine test</source>
        <translation>Den laufenden Suchmaschinentest abbrechen</translation>
    </message>
    <message>
        <source>Testing %1 with %2...</source>
        <translation>%1 wird mit %2 getestet …</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Der Test wurde angehalten.</translation>
    </message>
    <message>
        <source>This will reset all engines, Continue?</source>
        <translation>Damit werden alle Suchmaschinen zurückgesetzt. Fortfahren?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>PageFetcher</name>
    <message>
        <source>the certificate is self-signed</source>
        <translation>das Zertifikat ist selbst signiert</translation>
    </message>
    <message>
        <source>the certificate has expired</source>
        <translation>das Zertifikat ist abgelaufen</translation>
    </message>
    <message>
        <source>the certificate is not valid yet</source>
        <translation>das Zertifikat ist noch nicht gültig</translation>
    </message>
    <message>
        <source>the certificate is for another host name</source>
        <translation>das Zertifikat gilt für einen anderen Hostnamen</translation>
    </message>
    <message>
        <source>the certificate has been revoked</source>
        <translation>das Zertifikat wurde widerrufen</translation>
    </message>
    <message>
        <source>the certificate is not from a trusted authority</source>
        <translation>das Zertifikat stammt nicht von einer vertrauenswürdigen Stelle</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Print Chart</source>
        <translation>Diagramm drucken</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>QueryOutcome</name>
    <message>
        <source>not an http or https address</source>
        <translation>keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>the site names no host</source>
        <translation>die Website nennt keinen Host</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>connection closed by the server</source>
        <translation>Verbindung vom Server geschlossen</translation>
    </message>
    <message>
        <source>secure connection (TLS) failed</source>
        <translation>sichere Verbindung (TLS) fehlgeschlagen</translation>
    </message>
    <message>
        <source>secure connection (TLS) failed: %1</source>
        <translation>sichere Verbindung (TLS) fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>proxy failed</source>
        <translation>Proxy fehlgeschlagen</translation>
    </message>
    <message>
        <source>timed out waiting for data</source>
        <translation>Zeitüberschreitung beim Warten auf Daten</translation>
    </message>
    <message>
        <source>timed out: the page took too long</source>
        <translation>Zeitüberschreitung: die Seite brauchte zu lange</translation>
    </message>
    <message>
        <source>too many redirections</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>page larger than the size limit</source>
        <translation>Seite größer als die Größengrenze</translation>
    </message>
    <message>
        <source>rate limited (HTTP %1)</source>
        <translation>Abfragen begrenzt (HTTP %1)</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-Status %1</translation>
    </message>
    <message>
        <source>network error</source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>Netzwerkfehler: %1</translation>
    </message>
    <message>
        <source>the web-graph index cannot be used</source>
        <translation>der Web-Graph-Index ist nicht verwendbar</translation>
    </message>
    <message>
        <source>counted</source>
        <translation>gezählt</translation>
    </message>
    <message>
        <source>no results</source>
        <translation>keine Treffer</translation>
    </message>
    <message>
        <source>no count on the page</source>
        <translation>keine Zahl auf der Seite</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>not in the web graph</source>
        <translation>nicht im Web-Graph</translation>
    </message>
</context>
<context>
    <name>ResultsColumns</name>
    <message>
        <source>Domain Name</source>
        <translation>Domainname</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>Results - Data View</source>
        <translation>Ergebnisse – Datenansicht</translation>
    </message>
    <message>
        <source>Save Sele&amp;cted</source>
        <translation>Auswahl spei&amp;chern</translation>
    </message>
    <message>
        <source>Add the selected site&apos;s counts to a saved search</source>
        <translation>Die Zahlen der gewählten Website einer gespeicherten Suche hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Web Results</source>
        <translation>&amp;Web-Ergebnisse</translation>
    </message>
    <message>
        <source>Open the selected site&apos;s pages in the website view</source>
        <translation>Die Seiten der gewählten Website in der Website-Ansicht öffnen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <source>Remove every row of the results</source>
        <translation>Alle Zeilen der Ergebnisse entfernen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>You must first select the item in the results list that you would like to save.</source>
        <translation>Bitte zuerst den Eintrag in der Ergebnisliste auswählen, der gespeichert werden soll.</translation>
    </message>
    <message>
        <source>Saved the counts of %1 in the saved search &quot;%2&quot;.</source>
        <translation>Die Zahlen von %1 wurden in der gespeicherten Suche „%2“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>SavePathChoice</name>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>„%1“ existiert bereits. Soll die Datei ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>SaveSearchDialog</name>
    <message>
        <source>Save Search Results</source>
        <translation>Suchergebnisse speichern</translation>
    </message>
    <message>
        <source>Save Into An Old Search Result</source>
        <translation>In ein früheres Suchergebnis speichern</translation>
    </message>
    <message>
        <source>&amp;Append new results to this previous search:</source>
        <translation>Neue Ergebnisse &amp;an diese frühere Suche anhängen:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Add the counts to the chosen saved search</source>
        <translation>Die Zahlen an die gewählte gespeicherte Suche anhängen</translation>
    </message>
    <message>
        <source>Create New Save File</source>
        <translation>Neue Speicherdatei anlegen</translation>
    </message>
    <message>
        <source>Please choose a &amp;name for this search:</source>
        <translation>Bitte einen &amp;Namen für diese Suche wählen:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Start a new saved search with the counts</source>
        <translation>Eine neue gespeicherte Suche mit den Zahlen beginnen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Schließen, ohne zu speichern</translation>
    </message>
    <message>
        <source>Please type a name for this search.</source>
        <translation>Bitte einen Namen für diese Suche eingeben.</translation>
    </message>
    <message>
        <source>A saved search cannot be named &quot;%1&quot;. A name must not begin with &quot;.&quot; and must not contain any of these characters: %2</source>
        <translation>Eine gespeicherte Suche kann nicht „%1“ heißen. Ein Name darf nicht mit „.“ beginnen und keines dieser Zeichen enthalten: %2</translation>
    </message>
    <message>
        <source>The search results could not be saved into &quot;%1&quot;.

%2</source>
        <translation>Die Suchergebnisse konnten nicht in „%1“ gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>SavedSearchChart</name>
    <message>
        <source>All Engines</source>
        <translation>Alle Suchmaschinen</translation>
    </message>
    <message>
        <source>Search Date</source>
        <translation>Suchdatum</translation>
    </message>
</context>
<context>
    <name>SavedSearchChoice</name>
    <message>
        <source>You currently do not have any saved searches</source>
        <translation>Es sind noch keine gespeicherten Suchen vorhanden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please choose a saved file in the dropdown box above</source>
        <translation>Bitte oben in der Auswahlliste eine gespeicherte Datei wählen</translation>
    </message>
    <message>
        <source>Select A Saved Search</source>
        <translation>Gespeicherte Suche wählen</translation>
    </message>
</context>
<context>
    <name>SavedSearches</name>
    <message>
        <source>The name cannot be used for a saved search.</source>
        <translation>Der Name kann für eine gespeicherte Suche nicht verwendet werden.</translation>
    </message>
    <message>
        <source>It is a link to a file outside the folder of the saved searches, so nothing is written to it.</source>
        <translation>Sie ist eine Verknüpfung auf eine Datei außerhalb des Ordners der gespeicherten Suchen, daher wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Add sites to the URL list first.</source>
        <translation>Zuerst Websites zur URL-Liste hinzufügen.</translation>
    </message>
    <message>
        <source>There is no source to ask.</source>
        <translation>Es gibt keine Quelle zum Abfragen.</translation>
    </message>
    <message>
        <source>There is no source to ask: every search engine is hidden and no source of your own can be asked.

Show an engine or add a source in Options &gt; Sources.</source>
        <translation>Es gibt keine Quelle zum Abfragen: Alle Suchmaschinen sind ausgeblendet, und keine eigene Quelle kann abgefragt werden.

Unter Optionen &gt; Quellen eine Suchmaschine einblenden oder eine Quelle hinzufügen.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Stopping after %1... press Stop again to stop now</source>
        <translation>Anhalten nach %1 … Stoppen erneut drücken, um sofort anzuhalten</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft …</translation>
    </message>
    <message>
        <source>Waiting %1 s: %2 asked to slow down</source>
        <translation>%1 s warten: %2 bittet um langsamere Abfragen</translation>
    </message>
    <message>
        <source>Scanning %1 on %2</source>
        <translation>%1 wird bei %2 abgefragt</translation>
    </message>
    <message>
        <source>Search Complete.  Found %1 links.</source>
        <translation>Suche abgeschlossen.  %1 Links gefunden.</translation>
    </message>
    <message>
        <source>Scan stopped.</source>
        <translation>Suchlauf angehalten.</translation>
    </message>
    <message>
        <source>These sources of settings.ini cannot be asked, so scans skip them:

%1

Options &gt; Sources shows them.</source>
        <translation>Diese Quellen aus settings.ini können nicht abgefragt werden, daher überspringen Suchläufe sie:

%1

Optionen &gt; Quellen zeigt sie.</translation>
    </message>
    <message>
        <source>%1 of %2 queries failed</source>
        <translation>%1 von %2 Abfragen fehlgeschlagen</translation>
    </message>
    <message>
        <source>No source answered: all %1 queries of the scan failed, most often with &quot;%2&quot;.

Check the sources in Options; Scan &gt; Scan Log lists every query.</source>
        <translation>Keine Quelle hat geantwortet: Alle %1 Abfragen des Suchlaufs sind fehlgeschlagen, meist mit „%2“.

Die Quellen unter Optionen prüfen; Suchlauf &gt; Suchlauf-Protokoll listet jede Abfrage.</translation>
    </message>
</context>
<context>
    <name>ScanDriver</name>
    <message>
        <source>asked again in %1 s</source>
        <translation>wird in %1 s erneut gefragt</translation>
    </message>
</context>
<context>
    <name>ScanEndNotifier</name>
    <message>
        <source>Scan complete: %1 %2, %3 %4 failed</source>
        <translation>Suchlauf abgeschlossen: %1 %2, %3 %4 fehlgeschlagen</translation>
    </message>
    <message>
        <source>site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>sites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>query</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>queries</source>
        <translation>Abfragen</translation>
    </message>
</context>
<context>
    <name>ScanLog</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Suchmaschine</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>HTTP status</source>
        <translation>HTTP-Status</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>ScanLogWindow</name>
    <message>
        <source>Scan Log</source>
        <translation>Suchlauf-Protokoll</translation>
    </message>
    <message>
        <source>Every query of the last scan (Ctrl+C copies the selected rows):</source>
        <translation>Jede Abfrage des letzten Suchlaufs (Strg+C kopiert die gewählten Zeilen):</translation>
    </message>
    <message>
        <source>Queries of the last scan</source>
        <translation>Abfragen des letzten Suchlaufs</translation>
    </message>
</context>
<context>
    <name>SessionKeeper</name>
    <message>
        <source>The file is left as it is, and the URL list is not kept during this session.</source>
        <translation>Die Datei bleibt, wie sie ist, und die URL-Liste wird in dieser Sitzung nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>Results of %1</source>
        <translation>Ergebnisse vom %1</translation>
    </message>
    <message>
        <source>The URL list could not be kept for the next session in &quot;%1&quot;: %2</source>
        <translation>Die URL-Liste konnte nicht für die nächste Sitzung in „%1“ aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>The results could not be kept for the next session in &quot;%1&quot;: %2</source>
        <translation>Die Ergebnisse konnten nicht für die nächste Sitzung in „%1“ aufbewahrt werden: %2</translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message>
        <source>web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>web graph</source>
        <translation>Web-Graph</translation>
    </message>
</context>
<context>
    <name>SourceEditDialog</name>
    <message>
        <source>Least interval between queries, in milliseconds</source>
        <translation>Kleinster Abstand zwischen Abfragen, in Millisekunden</translation>
    </message>
    <message>
        <source>The least time between two queries of this source; a service that allows one query a second wants 1000</source>
        <translation>Die kürzeste Zeit zwischen zwei Abfragen dieser Quelle; ein Dienst, der eine Abfrage pro Sekunde erlaubt, braucht 1000</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>New Source</source>
        <translation>Neue Quelle</translation>
    </message>
    <message>
        <source>Edit Source</source>
        <translation>Quelle bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The column&apos;s caption, the saved searches&apos; section and the chart&apos;s series</source>
        <translation>Die Spaltenüberschrift, der Abschnitt der gespeicherten Suchen und die Reihe im Diagramm</translation>
    </message>
    <message>
        <source>Query address</source>
        <translation>Abfrageadresse</translation>
    </message>
    <message>
        <source>Site form</source>
        <translation>Form der Website</translation>
    </message>
    <message>
        <source>listed: the text as the URL list holds it</source>
        <translation>listed: der Text, wie er in der URL-Liste steht</translation>
    </message>
    <message>
        <source>host: the host without www.</source>
        <translation>host: der Host ohne www.</translation>
    </message>
    <message>
        <source>domain: the registered domain</source>
        <translation>domain: die registrierte Domain</translation>
    </message>
    <message>
        <source>JSON path</source>
        <translation>JSON-Pfad</translation>
    </message>
    <message>
        <source>Where a JSON reply holds the count; leave it empty to read a page by markers</source>
        <translation>Wo eine JSON-Antwort die Zahl enthält; leer lassen, um eine Seite anhand von Markierungen zu lesen</translation>
    </message>
    <message>
        <source>Text just before the count</source>
        <translation>Text direkt vor der Zahl</translation>
    </message>
    <message>
        <source>Text just after the count</source>
        <translation>Text direkt nach der Zahl</translation>
    </message>
    <message>
        <source>Text of the page that says nothing was found</source>
        <translation>Text der Seite, der besagt, dass nichts gefunden wurde</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>One header a line, Name: value, such as an API key; saved values show as dots and are kept unless retyped</source>
        <translation>Ein Header pro Zeile, Name: Wert, etwa ein API-Schlüssel; gespeicherte Werte erscheinen als Punkte und bleiben, solange sie nicht neu eingegeben werden</translation>
    </message>
    <message>
        <source>Counts toward the &amp;total and the rank</source>
        <translation>Zählt zur &amp;Summe und zum Rang</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>User-Agent</translation>
    </message>
    <message>
        <source>as in the Network options</source>
        <translation>wie in den Netzwerk-Optionen</translation>
    </message>
    <message>
        <source>The User-Agent this source is asked with; empty for the one of the Network options</source>
        <translation>Der User-Agent, mit dem diese Quelle abgefragt wird; leer für den aus den Netzwerk-Optionen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Website:</translation>
    </message>
    <message>
        <source>&amp;JSON path:</source>
        <translation>&amp;JSON-Pfad:</translation>
    </message>
    <message>
        <source>&amp;Before:</source>
        <translation>&amp;Davor:</translation>
    </message>
    <message>
        <source>A&amp;fter:</source>
        <translation>Dana&amp;ch:</translation>
    </message>
    <message>
        <source>No &amp;results:</source>
        <translation>&amp;Keine Treffer:</translation>
    </message>
    <message>
        <source>&amp;Headers:</source>
        <translation>&amp;Header:</translation>
    </message>
    <message>
        <source>&amp;Interval:</source>
        <translation>&amp;Intervall:</translation>
    </message>
    <message>
        <source>&amp;User agent:</source>
        <translation>&amp;User-Agent:</translation>
    </message>
    <message>
        <source>Save the source into settings.ini</source>
        <translation>Die Quelle in settings.ini speichern</translation>
    </message>
    <message>
        <source>Close without saving the source</source>
        <translation>Schließen, ohne die Quelle zu speichern</translation>
    </message>
    <message>
        <source>This source cannot be saved: %1.</source>
        <translation>Diese Quelle kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>{site} stands for the site, percent-encoded; without it the site is appended. webgraph: and a file asks a web-graph index</source>
        <translation>{site} steht für die Website, prozentkodiert; ohne {site} wird die Website angehängt. webgraph: mit einer Datei fragt einen Web-Graph-Index</translation>
    </message>
    <message>
        <source>Web-graph value</source>
        <translation>Wert aus dem Web-Graph</translation>
    </message>
    <message>
        <source>What a web-graph index gives for the site; it is asked about the registered domain (a domain graph) or the host (a host graph)</source>
        <translation>Was ein Web-Graph-Index für die Website liefert; gefragt wird nach der registrierten Domain (Domain-Graph) oder dem Host (Host-Graph)</translation>
    </message>
    <message>
        <source>in-degree: the referring domains (or hosts)</source>
        <translation>in-degree: die verweisenden Domains (oder Hosts)</translation>
    </message>
    <message>
        <source>rank: the harmonic-centrality position</source>
        <translation>rank: der Platz nach harmonischer Zentralität</translation>
    </message>
    <message>
        <source>Build In&amp;dex...</source>
        <translation>Index &amp;erstellen …</translation>
    </message>
    <message>
        <source>Index the published web-graph files and make this source ask the index</source>
        <translation>Die veröffentlichten Web-Graph-Dateien indexieren und diese Quelle den Index fragen lassen</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>We&amp;rt:</translation>
    </message>
</context>
<context>
    <name>SourceTest</name>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Headers: %1</source>
        <translation>Header: %1</translation>
    </message>
    <message>
        <source>Looked up in %1 ms</source>
        <translation>Nachgeschlagen in %1 ms</translation>
    </message>
    <message>
        <source>HTTP status: %1, %2 bytes, %3 ms</source>
        <translation>HTTP-Status: %1, %2 Byte, %3 ms</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Count recorded: %1</source>
        <translation>Festgehaltene Zahl: %1</translation>
    </message>
    <message>
        <source>(none, the cell stays empty)</source>
        <translation>(keine, die Zelle bleibt leer)</translation>
    </message>
    <message>
        <source>The page around the markers:</source>
        <translation>Die Seite um die Markierungen:</translation>
    </message>
    <message>
        <source>The page begins:</source>
        <translation>Die Seite beginnt:</translation>
    </message>
</context>
<context>
    <name>SourcesPage</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>abgefragt</translation>
    </message>
    <message>
        <source>, headers %1</source>
        <translation>, Header %1</translation>
    </message>
    <message>
        <source>, the harmonic-centrality rank</source>
        <translation>, der Rang nach harmonischer Zentralität</translation>
    </message>
    <message>
        <source>, the in-degree</source>
        <translation>, der In-Degree</translation>
    </message>
    <message>
        <source>; counts toward the total</source>
        <translation>; zählt zur Summe</translation>
    </message>
    <message>
        <source>; not in the total</source>
        <translation>; nicht in der Summe</translation>
    </message>
    <message>
        <source>; at least %1 ms between two queries</source>
        <translation>; mindestens %1 ms zwischen zwei Abfragen</translation>
    </message>
    <message>
        <source>; asked as &quot;%1&quot;</source>
        <translation>; abgefragt als „%1“</translation>
    </message>
    <message>
        <source> Scans skip it: </source>
        <translation> Suchläufe überspringen sie: </translation>
    </message>
    <message>
        <source> Hidden: scans do not ask it.</source>
        <translation> Ausgeblendet: Suchläufe fragen sie nicht ab.</translation>
    </message>
    <message>
        <source> Scans ask it.</source>
        <translation> Suchläufe fragen sie ab.</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>In total</source>
        <translation>In Summe</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>&amp;New Source...</source>
        <translation>&amp;Neue Quelle …</translation>
    </message>
    <message>
        <source>Add a source of your own: a web page, a JSON API or a web-graph index</source>
        <translation>Eine eigene Quelle hinzufügen: eine Webseite, eine JSON-API oder einen Web-Graph-Index</translation>
    </message>
    <message>
        <source>Ed&amp;it...</source>
        <translation>Bearbe&amp;iten …</translation>
    </message>
    <message>
        <source>Change the selected source of your own</source>
        <translation>Die gewählte eigene Quelle ändern</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>En&amp;tfernen</translation>
    </message>
    <message>
        <source>Remove the selected source of your own; its saved history stays</source>
        <translation>Die gewählte eigene Quelle entfernen; ihr gespeicherter Verlauf bleibt</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Nach ob&amp;en</translation>
    </message>
    <message>
        <source>Ask the selected source, and show its column, before the one above it</source>
        <translation>Die gewählte Quelle vor der darüberstehenden abfragen und ihre Spalte davor zeigen</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Ask the selected source, and show its column, after the one below it</source>
        <translation>Die gewählte Quelle nach der darunterstehenden abfragen und ihre Spalte danach zeigen</translation>
    </message>
    <message>
        <source>Inter&amp;val...</source>
        <translation>Inter&amp;vall …</translation>
    </message>
    <message>
        <source>Set the least time between two queries of the selected source</source>
        <translation>Die kürzeste Zeit zwischen zwei Abfragen der gewählten Quelle festlegen</translation>
    </message>
    <message>
        <source>Test Selecte&amp;d</source>
        <translation>Auswahl &amp;prüfen</translation>
    </message>
    <message>
        <source>Ask the selected source about the first site of the URL list and show what a scan would record</source>
        <translation>Die gewählte Quelle zur ersten Website der URL-Liste befragen und zeigen, was ein Suchlauf festhalten würde</translation>
    </message>
    <message>
        <source>Untick an engine to hide it. Changes to sources are saved at once.</source>
        <translation>Eine Suchmaschine abwählen, um sie auszublenden. Änderungen an Quellen werden sofort gespeichert.</translation>
    </message>
    <message>
        <source>There are %1 sources of your own, as many as there can be</source>
        <translation>Es gibt bereits %1 eigene Quellen, so viele wie möglich</translation>
    </message>
    <message>
        <source>Remove the source &quot;%1&quot;? Its column goes; its saved history stays.</source>
        <translation>Die Quelle „%1“ entfernen? Ihre Spalte verschwindet; ihr gespeicherter Verlauf bleibt.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Least time between two queries of %1, in milliseconds (0 for none):</source>
        <translation>Kürzeste Zeit zwischen zwei Abfragen von %1, in Millisekunden (0 für keine):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number of milliseconds from 0 to 86400000.</source>
        <translation>„%1“ ist keine ganze Zahl von Millisekunden zwischen 0 und 86400000.</translation>
    </message>
    <message>
        <source>The sources could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Quellen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ToolStrip</name>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tarten</translation>
    </message>
    <message>
        <source>Ask the search engines about every site of the URL list</source>
        <translation>Die Suchmaschinen zu jeder Website der URL-Liste befragen</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>Stop the scan after the current site</source>
        <translation>Den Suchlauf nach der aktuellen Website anhalten</translation>
    </message>
    <message>
        <source>Optio&amp;ns</source>
        <translation>Opt&amp;ionen</translation>
    </message>
    <message>
        <source>Change the search engine addresses, ranks and scan options</source>
        <translation>Adressen der Suchmaschinen, Ränge und Suchlauf-Optionen ändern</translation>
    </message>
    <message>
        <source>Open the publisher&apos;s web site in your web browser</source>
        <translation>Die Website des Herausgebers im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>V&amp;isit %1</source>
        <translation>%1 auf&amp;rufen</translation>
    </message>
</context>
<context>
    <name>UrlListCommands</name>
    <message>
        <source>1 URL</source>
        <translation>1 URL</translation>
    </message>
    <message>
        <source>%1 URLs</source>
        <translation>%1 URLs</translation>
    </message>
    <message>
        <source> of &quot;%1&quot;</source>
        <translation> aus „%1“</translation>
    </message>
    <message>
        <source>The URL list is full: it holds at most %1 URLs. %2%3 %4 not added.</source>
        <translation>Die URL-Liste ist voll: Sie fasst höchstens %1 URLs. %2%3 %4 nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>was</source>
        <translation>wurde</translation>
    </message>
    <message>
        <source>were</source>
        <translation>wurden</translation>
    </message>
    <message>
        <source>Please enter a URL</source>
        <translation>Bitte eine URL eingeben</translation>
    </message>
    <message>
        <source>New URL</source>
        <translation>Neue URL</translation>
    </message>
    <message>
        <source>This will delete all the URLs, Continue?</source>
        <translation>Damit werden alle URLs gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save URL List</source>
        <translation>URL-Liste speichern</translation>
    </message>
    <message>
        <source>The URL list could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die URL-Liste konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>UrlListFile</name>
    <message>
        <source>It holds null bytes, so it is not 8-bit text: it may be UTF-16 text, or not text at all.</source>
        <translation>Sie enthält Null-Bytes und ist daher kein 8-Bit-Text: Vielleicht ist sie UTF-16-Text oder gar kein Text.</translation>
    </message>
    <message>
        <source>The URL list file &quot;%1&quot; could not be read: %2</source>
        <translation>Die URL-Listendatei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>UrlPanel</name>
    <message>
        <source>URLs</source>
        <translation>URLs</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Type a URL to add to the list</source>
        <translation>Eine URL eingeben, die der Liste hinzugefügt wird</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>Remove the selected URL from the list</source>
        <translation>Die ausgewählte URL aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load a URL list from a file</source>
        <translation>Eine URL-Liste aus einer Datei laden</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sich&amp;ern</translation>
    </message>
    <message>
        <source>Save the URL list to a file</source>
        <translation>Die URL-Liste in einer Datei speichern</translation>
    </message>
    <message>
        <source>URL list</source>
        <translation>URL-Liste</translation>
    </message>
</context>
<context>
    <name>WebAddresses</name>
    <message>
        <source>Not opened: %1: address</source>
        <translation>Nicht geöffnet: %1:-Adresse</translation>
    </message>
</context>
<context>
    <name>WebEngineBrowser</name>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>WebGraphBuildDialog</name>
    <message>
        <source>Build Index</source>
        <translation>Index erstellen</translation>
    </message>
    <message>
        <source>Web-graph files (*.gz *.txt *.tsv);;All Files (*)</source>
        <translation>Web-Graph-Dateien (*.gz *.txt *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Build Index: the Vertices File</source>
        <translation>Index erstellen: die Knotendatei</translation>
    </message>
    <message>
        <source>Build Index: the Edges File</source>
        <translation>Index erstellen: die Kantendatei</translation>
    </message>
    <message>
        <source>Build Index: the Ranks File (Cancel to build without ranks)</source>
        <translation>Index erstellen: die Rangdatei (Abbrechen, um ohne Ränge zu erstellen)</translation>
    </message>
    <message>
        <source>Build Index: Save the Index As</source>
        <translation>Index erstellen: Index speichern unter</translation>
    </message>
    <message>
        <source>Web-graph index (*.qvg);;All Files (*)</source>
        <translation>Web-Graph-Index (*.qvg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading the vertices</source>
        <translation>Die Knoten werden gelesen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Building the Web-Graph Index</source>
        <translation>Der Web-Graph-Index wird erstellt</translation>
    </message>
    <message>
        <source>Web-graph index build</source>
        <translation>Erstellung des Web-Graph-Index</translation>
    </message>
    <message>
        <source>Stop the build; an earlier index stays as it was</source>
        <translation>Die Erstellung anhalten; ein früherer Index bleibt, wie er war</translation>
    </message>
    <message>
        <source>The build was cancelled: no index was written, and %1 is as it was.</source>
        <translation>Die Erstellung wurde abgebrochen: Es wurde kein Index geschrieben, und %1 bleibt, wie es war.</translation>
    </message>
    <message>
        <source>The build was cancelled: no index was written.</source>
        <translation>Die Erstellung wurde abgebrochen: Es wurde kein Index geschrieben.</translation>
    </message>
    <message>
        <source>The index %1 was not built.

%2</source>
        <translation>Der Index %1 wurde nicht erstellt.

%2</translation>
    </message>
</context>
<context>
    <name>WebGraphBuildText</name>
    <message>
        <source>Reading the vertices</source>
        <translation>Knoten werden gelesen</translation>
    </message>
    <message>
        <source>Sorting the names</source>
        <translation>Namen werden sortiert</translation>
    </message>
    <message>
        <source>Counting the edges</source>
        <translation>Kanten werden gezählt</translation>
    </message>
    <message>
        <source>Reading the ranks</source>
        <translation>Ränge werden gelesen</translation>
    </message>
    <message>
        <source>Reading the counts</source>
        <translation>Zahlen werden gelesen</translation>
    </message>
    <message>
        <source>Writing the index</source>
        <translation>Index wird geschrieben</translation>
    </message>
    <message>
        <source>vertices</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>sorting</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>edges</source>
        <translation>Kanten</translation>
    </message>
    <message>
        <source>ranks</source>
        <translation>Ränge</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>: %1% of %2 read</source>
        <translation>: %1 % von %2 gelesen</translation>
    </message>
    <message>
        <source>, %1 MB/s, about %2 left</source>
        <translation>, %1 MB/s, noch etwa %2</translation>
    </message>
    <message>
        <source>Indexed %1 domains and %2 links</source>
        <translation>Indiziert: %1 Domains und %2 Links</translation>
    </message>
    <message>
        <source>Indexed %1 hosts and %2 links</source>
        <translation>Indiziert: %1 Hosts und %2 Links</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> aus %1</translation>
    </message>
    <message>
        <source>, with ranks</source>
        <translation>, mit Rängen</translation>
    </message>
    <message>
        <source>, in %1 (%2): %3</source>
        <translation>, in %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>WebGraphIndex</name>
    <message>
        <source>no web-graph index at %1</source>
        <translation>kein Webgraph-Index unter %1</translation>
    </message>
    <message>
        <source>cannot read the web-graph index %1: %2</source>
        <translation>der Webgraph-Index %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a web-graph index</source>
        <translation>%1 ist kein Webgraph-Index</translation>
    </message>
    <message>
        <source>the web-graph index %1 is of an older format: build it again with quorvex --index-webgraph</source>
        <translation>der Webgraph-Index %1 hat ein älteres Format: mit quorvex --index-webgraph neu erstellen</translation>
    </message>
    <message>
        <source>the web-graph index %1 is of a newer format than this version of Quorvex reads</source>
        <translation>der Webgraph-Index %1 hat ein neueres Format, als diese Version von Quorvex liest</translation>
    </message>
    <message>
        <source>the web-graph index %1 is damaged</source>
        <translation>der Webgraph-Index %1 ist beschädigt</translation>
    </message>
    <message>
        <source>the web-graph index %1 is damaged (%2 bytes where %3 were written)</source>
        <translation>der Webgraph-Index %1 ist beschädigt (%2 Bytes, wo %3 geschrieben wurden)</translation>
    </message>
    <message>
        <source>cannot map the web-graph index %1 into memory: %2</source>
        <translation>der Webgraph-Index %1 kann nicht in den Speicher abgebildet werden: %2</translation>
    </message>
</context>
<context>
    <name>WebGraphLookup</name>
    <message>
        <source>the web-graph index %1 holds no ranks: build it with the ranks file, or ask for Value=indegree</source>
        <translation>der Webgraph-Index %1 enthält keine Ränge: mit der Rangdatei erstellen oder Value=indegree verwenden</translation>
    </message>
    <message>
        <source>%1 is in the graph but not in its ranks</source>
        <translation>%1 ist im Graphen, aber nicht in seinen Rängen</translation>
    </message>
</context>
<context>
    <name>WebResultsCommands</name>
    <message>
        <source>You must first select the item in the results list you wish to view web results for.</source>
        <translation>Bitte zuerst den Eintrag in der Ergebnisliste auswählen, dessen Web-Ergebnisse angezeigt werden sollen.</translation>
    </message>
</context>
<context>
    <name>WebResultsList</name>
    <message>
        <source>Web results</source>
        <translation>Web-Ergebnisse</translation>
    </message>
    <message>
        <source>Webpage Type</source>
        <translation>Art der Webseite</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Startseite</translation>
    </message>
</context>
<context>
    <name>WebViewPanel</name>
    <message>
        <source>Results - Website View</source>
        <translation>Ergebnisse – Website-Ansicht</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open the address you typed</source>
        <translation>Die eingegebene Adresse öffnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück zur vorigen Seite</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Vorwärts zur nächsten Seite</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop loading the page</source>
        <translation>Das Laden der Seite abbrechen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Reload the page</source>
        <translation>Die Seite neu laden</translation>
    </message>
    <message>
        <source>Opening %1</source>
        <translation>%1 wird geöffnet</translation>
    </message>
</context>
</TS>
