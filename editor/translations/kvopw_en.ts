<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="sv_SE">
<context>
    <name>EngineRun</name>
    <message>
        <source>Programkatalogen %1 kan inte anges i BRASKO.INI (högst 67 tecken, inga mellanslag).</source>
        <translation>The program folder %1 cannot be named in BRASKO.INI (at most 67 characters, no blanks).</translation>
    </message>
    <message>
        <source>Beräkningsprogrammet avbröts.</source>
        <translation>The calculation program was cancelled.</translation>
    </message>
    <message>
        <source>Beräkningsprogrammet kvopwb är inte installerat i %1.</source>
        <translation>The calculation program kvopwb is not installed in %1.</translation>
    </message>
    <message>
        <source>Beräkning pågår..</source>
        <translation>Calculation in progress..</translation>
    </message>
    <message>
        <source>Beräkningsprogrammet kunde inte startas: %1</source>
        <translation>The calculation program could not be started: %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>svenska</source>
        <translation>english</translation>
    </message>
    <message>
        <source>Hjälp</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Rubrik</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Antal Fack</source>
        <translation>Number of spans</translation>
    </message>
    <message>
        <source>Konsol vänster (m)</source>
        <translation>Cantilever left (m)</translation>
    </message>
    <message>
        <source>Konsol höger (m)</source>
        <translation>Cantilever right (m)</translation>
    </message>
    <message>
        <source>Kvot takfall</source>
        <translation>Roof pitch ratio</translation>
    </message>
    <message>
        <source>Egentyngd (kN/m2)</source>
        <translation>Self weight (kN/m2)</translation>
    </message>
    <message>
        <source>Taklutning (gr)</source>
        <translation>Roof slope (deg)</translation>
    </message>
    <message>
        <source>Formfaktor (snö)</source>
        <translation>Shape factor (snow)</translation>
    </message>
    <message>
        <source>Qkar (kN/m2)</source>
        <translation>Qk (kN/m2)</translation>
    </message>
    <message>
        <source>Reduktionsfaktor</source>
        <translation>Reduction factor</translation>
    </message>
    <message>
        <source>Qsnö (kN/m2)</source>
        <translation>Qsnow (kN/m2)</translation>
    </message>
    <message>
        <source>Vindlast tak, Grundvärde</source>
        <translation>Roof wind load, basic value</translation>
    </message>
    <message>
        <source>Vindlast tak, Formfaktor sug</source>
        <translation>Roof wind load, shape factor suction</translation>
    </message>
    <message>
        <source>Vindlast tak, Formfaktor tryck</source>
        <translation>Roof wind load, shape factor pressure</translation>
    </message>
    <message>
        <source>Vindlast tak, Formfaktor i randzon sug</source>
        <translation>Roof wind load, shape factor edge zone suction</translation>
    </message>
    <message>
        <source>Vindlast tak, randzonens längd (m)</source>
        <translation>Roof wind load, edge zone length (m)</translation>
    </message>
    <message>
        <source>Vindlast vägg, Grundvärde (kN/m2)</source>
        <translation>Wall wind load, basic value (kN/m2)</translation>
    </message>
    <message>
        <source>Vindlast vägg, Formfaktor MOT vägg</source>
        <translation>Wall wind load, shape factor TOWARDS wall</translation>
    </message>
    <message>
        <source>Vindlast vägg, Formfaktor FRÅN vägg</source>
        <translation>Wall wind load, shape factor AWAY from wall</translation>
    </message>
    <message>
        <source>Vindlast vägg, Formfaktor hörn MOT vägg</source>
        <translation>Wall wind load, corner shape factor TOWARDS wall</translation>
    </message>
    <message>
        <source>Vindlast vägg, Formfaktor hörn FRÅN vägg</source>
        <translation>Wall wind load, corner shape factor AWAY from wall</translation>
    </message>
    <message>
        <source>Vindlast vägg, hörnets längd MOT vägg (m)</source>
        <translation>Wall wind load, corner length TOWARDS wall (m)</translation>
    </message>
    <message>
        <source>Vindlast vägg, hörnets längd FRÅN vägg (m)</source>
        <translation>Wall wind load, corner length AWAY from wall (m)</translation>
    </message>
    <message>
        <source>Nedböjningsbegränsning L/</source>
        <translation>Deflection limit L/</translation>
    </message>
    <message>
        <source>Lastreduktionsfaktor</source>
        <translation>Load reduction factor</translation>
    </message>
    <message>
        <source>Skivverkan</source>
        <translation>Diaphragm action</translation>
    </message>
    <message>
        <source>Filnamn</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Marknad</source>
        <translation>Market</translation>
    </message>
    <message>
        <source>Säkerhetsklass</source>
        <translation>Safety class</translation>
    </message>
    <message>
        <source>Användningsområde</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Låst tjocklek</source>
        <translation>Locked thickness</translation>
    </message>
    <message>
        <source>Mikroband vid konsol vänster</source>
        <translation>Micro-rib at left cantilever</translation>
    </message>
    <message>
        <source>Mikroband vid konsol höger</source>
        <translation>Micro-rib at right cantilever</translation>
    </message>
    <message>
        <source>Snödrift vänster, Formfaktor</source>
        <translation>Snow drift left, shape factor</translation>
    </message>
    <message>
        <source>Snödrift vänster, Längd (m)</source>
        <translation>Snow drift left, length (m)</translation>
    </message>
    <message>
        <source>Snödrift höger, Formfaktor</source>
        <translation>Snow drift right, shape factor</translation>
    </message>
    <message>
        <source>Snödrift höger, Längd (m)</source>
        <translation>Snow drift right, length (m)</translation>
    </message>
    <message>
        <source>Extra snöficka, Fack nr</source>
        <translation>Extra snow pocket, span no.</translation>
    </message>
    <message>
        <source>Extra snöficka, Formfaktor</source>
        <translation>Extra snow pocket, shape factor</translation>
    </message>
    <message>
        <source>Extra snöficka, Längd max snö (m)</source>
        <translation>Extra snow pocket, length of maximum snow (m)</translation>
    </message>
    <message>
        <source>Extra snöficka, Längd (m)</source>
        <translation>Extra snow pocket, length (m)</translation>
    </message>
    <message>
        <source>Extra snöficka, Avstånd från vänster stöd (m)</source>
        <translation>Extra snow pocket, distance from left support (m)</translation>
    </message>
    <message>
        <source>Antal linjelaster</source>
        <translation>Number of line loads</translation>
    </message>
    <message>
        <source>Linjelast</source>
        <translation>Line load</translation>
    </message>
    <message>
        <source>Typ av tak</source>
        <translation>Roof type</translation>
    </message>
    <message>
        <source>Överfläns</source>
        <translation>Top flange</translation>
    </message>
    <message>
        <source>Nedböjningsbegränsning enl. EC 3</source>
        <translation>Deflection limit to EC 3</translation>
    </message>
    <message>
        <source>Kombinationsfaktor vind</source>
        <translation>Combination factor wind</translation>
    </message>
    <message>
        <source>Mikroband</source>
        <translation>Micro-rib</translation>
    </message>
    <message>
        <source>Extra sidöverlapp</source>
        <translation>Extra side lap</translation>
    </message>
    <message>
        <source>Vändningsriktning</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Perforering</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>Utskrift</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Skivverkan, värde D5</source>
        <translation>Diaphragm action, value D5</translation>
    </message>
    <message>
        <source>värdet måste vara större än 0</source>
        <translation>the value must be greater than 0</translation>
    </message>
    <message>
        <source>värdet är för stort för sitt fält i filen</source>
        <translation>the value is too large for its field in the file</translation>
    </message>
    <message>
        <source>värdet får inte plats med sina decimaler i filen</source>
        <translation>the value does not fit its field with its decimals</translation>
    </message>
    <message>
        <source>värdet kan inte skrivas exakt</source>
        <translation>the value cannot be written exactly</translation>
    </message>
    <message>
        <source>värdet måste vara ett heltal</source>
        <translation>the value must be a whole number</translation>
    </message>
    <message>
        <source>värdet är inget tal</source>
        <translation>the value is not a number</translation>
    </message>
    <message>
        <source>texten innehåller en radbrytning</source>
        <translation>the text holds a line break</translation>
    </message>
    <message>
        <source>värdet saknas</source>
        <translation>the value is missing</translation>
    </message>
    <message>
        <source>värdet saknas (fältet är tomt)</source>
        <translation>the value is missing (the field is blank)</translation>
    </message>
    <message>
        <source>filen tar slut före denna post</source>
        <translation>the file ends before this record</translation>
    </message>
    <message>
        <source>filen kan inte läsas</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>filen är UTF-16-text; spara den som Windows-1252 (ANSI)</source>
        <translation>the file is UTF-16 text; save it as Windows-1252 (ANSI)</translation>
    </message>
    <message>
        <source>filen är UTF-8-text; spara den som Windows-1252 (ANSI)</source>
        <translation>the file is UTF-8 text; save it as Windows-1252 (ANSI)</translation>
    </message>
    <message>
        <source>raden är för lång</source>
        <translation>the line is too long</translation>
    </message>
    <message>
        <source>filnamnet kan inte användas som namn på fallet</source>
        <translation>the file name cannot name the case</translation>
    </message>
    <message>
        <source>Spännvidd fack %1</source>
        <translation>Span %1</translation>
    </message>
    <message>
        <source>Tjocklek fack %1</source>
        <translation>Thickness span %1</translation>
    </message>
    <message>
        <source>Upplag stöd nr %1</source>
        <translation>Support width support %1</translation>
    </message>
    <message>
        <source>Skarvtyp stöd nr %1</source>
        <translation>Joint type support %1</translation>
    </message>
    <message>
        <source>Omlott vid stöd nr %1</source>
        <translation>Overlap at support %1</translation>
    </message>
    <message>
        <source>Linjelast %1, Fack nr</source>
        <translation>Line load %1, span no.</translation>
    </message>
    <message>
        <source>Linjelast %1, Avstånd från vänster stöd</source>
        <translation>Line load %1, distance from left support</translation>
    </message>
    <message>
        <source>Linjelast %1, Brottgräns ned</source>
        <translation>Line load %1, ultimate downwards</translation>
    </message>
    <message>
        <source>Linjelast %1, Brottgräns upp</source>
        <translation>Line load %1, ultimate upwards</translation>
    </message>
    <message>
        <source>Linjelast %1, Bruksgräns ned</source>
        <translation>Line load %1, serviceability downwards</translation>
    </message>
    <message>
        <source>Skivverkan, värde D%1</source>
        <translation>Diaphragm action, value D%1</translation>
    </message>
    <message>
        <source>Skivverkan, text T%1</source>
        <translation>Diaphragm action, text T%1</translation>
    </message>
    <message>
        <source>fack %1 finns inte (fack %2 till %3)</source>
        <translation>span %1 does not exist (spans %2 to %3)</translation>
    </message>
    <message>
        <source>stöd %1 finns inte (stöd %2 till %3)</source>
        <translation>support %1 does not exist (supports %2 to %3)</translation>
    </message>
    <message>
        <source>värdet %1 ligger utanför %2 till %3</source>
        <translation>the value %1 lies outside %2 to %3</translation>
    </message>
    <message>
        <source>snöfickans avstånd %1 m ligger bortom fack %2 med spännvidden %3 m; ange fickan i det fack där den ligger</source>
        <translation>the snow pocket&apos;s distance %1 m lies beyond span %2 of length %3 m; give the pocket in the span where it lies</translation>
    </message>
    <message>
        <source>kan inte läsas</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>är inget heltal</source>
        <translation>is not a whole number</translation>
    </message>
    <message>
        <source>är inget tal</source>
        <translation>is not a number</translation>
    </message>
    <message>
        <source>är för stort</source>
        <translation>is too large</translation>
    </message>
    <message>
        <source>är skrivet med decimalkomma; filen ska ha decimalpunkt</source>
        <translation>is written with a decimal comma; the file needs a decimal point</translation>
    </message>
    <message>
        <source>värdet kan inte användas</source>
        <translation>the value cannot be used</translation>
    </message>
    <message>
        <source>Fallet kan inte sparas: %1.</source>
        <translation>The case cannot be saved: %1.</translation>
    </message>
    <message>
        <source>Felaktigt värde i fältet %1: %2.</source>
        <translation>Wrong value in the field %1: %2.</translation>
    </message>
    <message>
        <source>rad %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>Filen %1 kan inte läsas</source>
        <translation>The file %1 cannot be read</translation>
    </message>
    <message>
        <source>Profildatabasen PROFILKV.BIN saknas eller kan inte läsas i programkatalogen %1.

Profilerna kan inte väljas ur listan och beräkningar kan inte göras förrän databasen finns där.</source>
        <translation>The profile database PROFILKV.BIN is missing or cannot be read in the program directory %1.

Profiles cannot be chosen from the list and no calculation can be made until the database is there.</translation>
    </message>
    <message>
        <source>Profildatabasen PROFILKV.BIN finns varken i programkatalogen %1 eller i %2.

Profilerna kan inte väljas ur listan och beräkningar kan inte göras förrän databasen finns där.</source>
        <translation>The profile database PROFILKV.BIN is neither in the program directory %1 nor in %2.

Profiles cannot be chosen from the list and no calculation can be made until the database is there.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Vissa begränsningar finns inbyggda i programmet genom att det inte acceptera storheter utanför vissa gränser. Det har dock inte varit möjligt att begränsa de kombinationer av indata som är olämpliga men ändå kan ge ett svar av datorn. Användaren av programmet måste därför själv ansvara för att använda programmen med ett ingenjörsmässigt omdöme och komma ihåg att de är skrivna för normal användning av profilerad plåt.</source>
        <translation>Some limits are built into the program in that it does not accept quantities outside certain bounds. It has not been possible, however, to limit the combinations of input that are unsuitable but can still give an answer from the computer. The user of the program must therefore take the responsibility of using the programs with engineering judgement and remember that they are written for the normal use of profiled sheeting.</translation>
    </message>
    <message>
        <source>Brasko för Windows ver %1</source>
        <translation>Brasko for Windows ver %1</translation>
    </message>
    <message>
        <source>FÖRÄNDRINGAR i denna version:</source>
        <translation>CHANGES in this version:</translation>
    </message>
    <message>
        <source>Visa inte detta nästa gång</source>
        <translation>Do not show this next time</translation>
    </message>
    <message>
        <source>Viktigt</source>
        <translation>Important</translation>
    </message>
</context>
<context>
    <name>NumberEdit</name>
    <message>
        <source>Tillåtet: %1 till %2</source>
        <translation>Allowed: %1 to %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kan inte stå i ett tal. Skriv siffror med decimalpunkt eller decimalkomma.</source>
        <translation>&quot;%1&quot; cannot stand in a number. Type digits with a decimal point or decimal comma.</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>Beräknad %1</source>
        <translation>Computed %1</translation>
    </message>
    <message>
        <source>Sida %1 av %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Sida %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>RunResult</name>
    <message>
        <source>stöd</source>
        <translation>support</translation>
    </message>
    <message>
        <source>fack</source>
        <translation>span</translation>
    </message>
    <message>
        <source> (nedböjning)</source>
        <translation> (deflection)</translation>
    </message>
    <message>
        <source>fack %1</source>
        <translation>span %1</translation>
    </message>
    <message>
        <source>fack %1–%2</source>
        <translation>spans %1–%2</translation>
    </message>
    <message>
        <source>Plåt %1, %2: %3 mm</source>
        <translation>Sheet %1, %2: %3 mm</translation>
    </message>
    <message>
        <source>OBS!! Gåbarheten överskriden i fack nr %1</source>
        <translation>NOTE!! Walkability exceeded in span no. %1</translation>
    </message>
    <message>
        <source>OBS!! Max plåtlängd överskriden</source>
        <translation>NOTE!! Maximum sheet length exceeded</translation>
    </message>
    <message>
        <source>Gåbarheten för helperforerad profil är ej kontrollerad</source>
        <translation>Walkability of a fully perforated profile is not checked</translation>
    </message>
    <message>
        <source>Ingen redovisning av körningen finns: utfallet kan inte visas.</source>
        <translation>There is no account of the run: the outcome cannot be shown.</translation>
    </message>
    <message>
        <source>Beräkningen misslyckades (slutstatus %1); rapporten är ofullständig.</source>
        <translation>The calculation failed (exit status %1); the report is incomplete.</translation>
    </message>
    <message>
        <source>Inga kontroller gjordes.</source>
        <translation>No checks were made.</translation>
    </message>
    <message>
        <source>största utnyttjandegrad %1 % i %2, lastfall %3</source>
        <translation>largest utilisation %1 % at %2, load case %3</translation>
    </message>
    <message>
        <source>Profilen %1 klarar sig: %2.</source>
        <translation>Profile %1 passes: %2.</translation>
    </message>
    <message>
        <source>OBS!! Profilen %1 klarar sig ej: %2.</source>
        <translation>NOTE!! Profile %1 does not pass: %2.</translation>
    </message>
    <message>
        <source>Beräkningen avslutades med slutstatus %1; rapporten kan vara ofullständig.</source>
        <translation>The calculation ended with exit status %1; the report may be incomplete.</translation>
    </message>
    <message>
        <source>Vald tjocklek: %1</source>
        <translation>Chosen thickness: %1</translation>
    </message>
    <message>
        <source>OKÄNT URSPRUNG: denna rapport har inte beräknats från fallet på skärmen med detta program. Kör Beräkning för ett resultat som hör till indata.</source>
        <translation>UNKNOWN ORIGIN: this report was not computed from the case on screen by this program. Run Calculation for a result that belongs to the input.</translation>
    </message>
    <message>
        <source>Rapportfilen skrevs %1.</source>
        <translation>The report file was written %1.</translation>
    </message>
    <message>
        <source>Resultatet hör till indata på skärmen.</source>
        <translation>The result belongs to the input on screen.</translation>
    </message>
    <message>
        <source>INAKTUELLT: indata har ändrats sedan beräkningen. Resultatet hör inte till fallet på skärmen; kör Beräkning igen.</source>
        <translation>OUT OF DATE: the input has changed since the calculation. The result does not belong to the case on screen; run Calculation again.</translation>
    </message>
    <message>
        <source>Beräknad %1.</source>
        <translation>Computed %1.</translation>
    </message>
    <message>
        <source>Beräknad %1 med profildatabasen %2.</source>
        <translation>Computed %1 with the profile database %2.</translation>
    </message>
    <message>
        <source>OBS! Detta program använder databasen %1.</source>
        <translation>NOTE! This program uses the database %1.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>&amp;Inställningar</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Språk</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>kvop::editor::CompareDialog</name>
    <message>
        <source>stöd %1</source>
        <translation>support %1</translation>
    </message>
    <message>
        <source>fack %1</source>
        <translation>span %1</translation>
    </message>
    <message>
        <source>fack %1 (nedböjning)</source>
        <translation>span %1 (deflection)</translation>
    </message>
    <message>
        <source>%1, lastfall %2</source>
        <translation>%1, load case %2</translation>
    </message>
    <message>
        <source>ej kontrollerad</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>överskriden i fack %1</source>
        <translation>exceeded in span %1</translation>
    </message>
    <message>
        <source>; max plåtlängd överskriden</source>
        <translation>; maximum sheet length exceeded</translation>
    </message>
    <message>
        <source>Jämför profiler - %1</source>
        <translation>Compare profiles - %1</translation>
    </message>
    <message>
        <source>Beräkning pågår..</source>
        <translation>Calculating..</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Vikt
kg/m²</source>
        <translation>Weight
kg/m²</translation>
    </message>
    <message>
        <source>Största
utnyttjande %</source>
        <translation>Largest
utilisation %</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>Gångbarhet</source>
        <translation>Walkability</translation>
    </message>
    <message>
        <source>Klarar
sig</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>Tjocklek per fack
mm</source>
        <translation>Thickness per span
mm</translation>
    </message>
    <message>
        <source>Välj profil</source>
        <translation>Choose profile</translation>
    </message>
    <message>
        <source>Stäng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Jämförelsen misslyckades (slutstatus %1).

%2</source>
        <translation>The comparison failed (exit status %1).

%2</translation>
    </message>
    <message>
        <source>%1 dimensionerat med var och en av profildatabasens %2 profiler, lättaste profil som klarar sig först. Vikten är plåtens egentyngd per m², medelvärde över fack och konsoler. Välj en rad för att ta profilen till fallet.</source>
        <translation>%1 dimensioned with each of the %2 profiles of the profile database, the lightest passing profile first. The weight is the self weight of the sheeting per m², averaged over the spans and cantilevers. Choose a row to take the profile into the case.</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>kvop::editor::DeleteForm</name>
    <message>
        <source>Bekräfta</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Är Du säker på att Du vill ta bort:</source>
        <translation>Are you sure you want to delete:</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ångra</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ta bort</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ta bort Resultatfiler</source>
        <translation>Delete result files</translation>
    </message>
    <message>
        <source>Ta bort Indatafiler</source>
        <translation>Delete input files</translation>
    </message>
    <message>
        <source>Ta bort Resultat+Indatafiler</source>
        <translation>Delete result+input files</translation>
    </message>
    <message>
        <source>Clicka med musen på de Filer Du vill ta bort</source>
        <translation>Click the files you want to delete</translation>
    </message>
    <message>
        <source>Clicka sedan på &apos;Ta bort&apos;</source>
        <translation>Then click &apos;Delete&apos;</translation>
    </message>
    <message>
        <source>Enhet</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Katalog</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Filer (%1)</source>
        <translation>Files (%1)</translation>
    </message>
    <message>
        <source>Avsluta</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Hjälp</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1 är det fall som är öppet, med ändringar som inte är sparade.
Filen tas inte bort. Spara fallet eller stäng det först.</source>
        <translation>%1 is the open case, with unsaved changes.
The file is not deleted. Save the case or close it first.</translation>
    </message>
    <message>
        <source>OBS! %1 är det fall som är öppet i KVOP.

Tas filen bort finns fallet bara kvar på skärmen tills Du sparar det igen.

Vill Du ändå ta bort den?</source>
        <translation>NOTE! %1 is the case open in KVOP.

If the file is deleted, the case remains only on the screen until you save it again.

Do you still want to delete it?</translation>
    </message>
</context>
<context>
    <name>kvop::editor::FontForm</name>
    <message>
        <source>TYPSNITT</source>
        <translation>FONT</translation>
    </message>
    <message>
        <source>Installerade skrivarfonter</source>
        <translation>Installed printer fonts</translation>
    </message>
    <message>
        <source>Storlek</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Lagrat fontval</source>
        <translation>Stored font choice</translation>
    </message>
    <message>
        <source>(inget)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Visas just nu</source>
        <translation>Shown now</translation>
    </message>
    <message>
        <source>OK / Stäng</source>
        <translation>OK / Close</translation>
    </message>
    <message>
        <source>Avbryt / Stäng</source>
        <translation>Cancel / Close</translation>
    </message>
</context>
<context>
    <name>kvop::editor::InputForm</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Antal fack 1 till %1. Ändringen gäller när du trycker Enter eller lämnar fältet.</source>
        <translation>Number of spans 1 to %1. The change takes effect when you press Enter or leave the field.</translation>
    </message>
    <message>
        <source>Skivverkan</source>
        <translation>Diaphragm action</translation>
    </message>
    <message>
        <source>Ja: beräkningen skriver SKIVA.INS för skivverkansprogrammet.</source>
        <translation>Yes: the calculation writes SKIVA.INS for the diaphragm program.</translation>
    </message>
    <message>
        <source>Max tillåten upplagsbredd är 200 mm</source>
        <translation>The largest allowed support width is 200 mm</translation>
    </message>
    <message>
        <source>Ange profil.</source>
        <translation>Give a profile.</translation>
    </message>
    <message>
        <source>Värde saknas i fältet %1.</source>
        <translation>Value missing in the field %1.</translation>
    </message>
    <message>
        <source>Felaktigt värde i fältet %1: &quot;%2&quot;.</source>
        <translation>Wrong value in the field %1: &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Profilen &quot;%1&quot; finns inte i profildatabasen. Välj en av profilerna i listan.</source>
        <translation>The profile &quot;%1&quot; is not in the profile database. Choose one of the profiles in the list.</translation>
    </message>
    <message>
        <source>linjelast %1 i fack %2</source>
        <translation>line load %1 in span %2</translation>
    </message>
    <message>
        <source>snöfickan i fack %1</source>
        <translation>the snow pocket in span %1</translation>
    </message>
    <message>
        <source>Antal fack minskas från %1 till %2. Då tas också bort: %3.

Vill du minska antal fack?</source>
        <translation>The number of spans goes down from %1 to %2. This also removes: %3.

Do you want to reduce the number of spans?</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Tjocklek (mm)</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>Låst tjocklek</source>
        <translation>Locked thickness</translation>
    </message>
    <message>
        <source>Mikroband</source>
        <translation>Micro-rib</translation>
    </message>
    <message>
        <source>Geometri</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Antal Fack:</source>
        <translation>Number of spans:</translation>
    </message>
    <message>
        <source>Konsol vänster (m)</source>
        <translation>Cantilever left (m)</translation>
    </message>
    <message>
        <source>Konsol höger (m)</source>
        <translation>Cantilever right (m)</translation>
    </message>
    <message>
        <source>Fack nr</source>
        <translation>Span no.</translation>
    </message>
    <message>
        <source>Spännvidd (m)</source>
        <translation>Span (m)</translation>
    </message>
    <message>
        <source>Upplag (m)</source>
        <translation>Support (m)</translation>
    </message>
    <message>
        <source>Användningsområde</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Roof</translation>
    </message>
    <message>
        <source>Vägg</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>Typ av tak</source>
        <translation>Roof type</translation>
    </message>
    <message>
        <source>Oisolerat</source>
        <translation>Non-insulated</translation>
    </message>
    <message>
        <source>Isolerat</source>
        <translation>Insulated</translation>
    </message>
    <message>
        <source>VEX-tak</source>
        <translation>VEX roof</translation>
    </message>
    <message>
        <source>Överfläns</source>
        <translation>Top flange</translation>
    </message>
    <message>
        <source>Ej låst</source>
        <translation>Not held</translation>
    </message>
    <message>
        <source>Låst om nödvändigt</source>
        <translation>Held if necessary</translation>
    </message>
    <message>
        <source>Låst</source>
        <translation>Held</translation>
    </message>
    <message>
        <source>Perforering</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>Vändningsriktning</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Smal fläns mot regel</source>
        <translation>Narrow flange on purlin</translation>
    </message>
    <message>
        <source>Bred fläns mot regel</source>
        <translation>Broad flange on purlin</translation>
    </message>
    <message>
        <source>Extra sidöverlapp</source>
        <translation>Extra side lap</translation>
    </message>
    <message>
        <source>saknas</source>
        <translation>none</translation>
    </message>
    <message>
        <source>1 extra</source>
        <translation>1 extra</translation>
    </message>
    <message>
        <source>Dubbel plåt</source>
        <translation>Double sheet</translation>
    </message>
    <message>
        <source>Utskrift</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Kort</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>Lång</source>
        <translation>Long</translation>
    </message>
    <message>
        <source>Säkerhetsklass</source>
        <translation>Safety class</translation>
    </message>
    <message>
        <source>Pålitlighetsklass</source>
        <translation>Reliability class</translation>
    </message>
    <message>
        <source>Konstruktionsklasse</source>
        <translation>Consequence class</translation>
    </message>
    <message>
        <source>Låsbalk</source>
        <translation>Lock beam</translation>
    </message>
    <message>
        <source>Låsning i nock</source>
        <translation>Locked at ridge</translation>
    </message>
    <message>
        <source>Kvot takfall</source>
        <translation>Roof pitch ratio</translation>
    </message>
    <message>
        <source>Egentyngd (kN/m2)</source>
        <translation>Self weight (kN/m2)</translation>
    </message>
    <message>
        <source>Taklutning (gr)</source>
        <translation>Roof slope (deg)</translation>
    </message>
    <message>
        <source>Formfaktor (snö)</source>
        <translation>Shape factor (snow)</translation>
    </message>
    <message>
        <source>Snölast</source>
        <translation>Snow load</translation>
    </message>
    <message>
        <source>Valfri</source>
        <translation>Free value</translation>
    </message>
    <message>
        <source>Qkar (kN/m2)</source>
        <translation>Qk (kN/m2)</translation>
    </message>
    <message>
        <source>Reduktionsfaktor</source>
        <translation>Reduction factor</translation>
    </message>
    <message>
        <source>Snö på mark</source>
        <translation>Ground snow</translation>
    </message>
    <message>
        <source>Qsnö (kN/m2)</source>
        <translation>Qsnow (kN/m2)</translation>
    </message>
    <message>
        <source>Vindlast tak</source>
        <translation>Roof wind load</translation>
    </message>
    <message>
        <source>Grundvärde</source>
        <translation>Basic value</translation>
    </message>
    <message>
        <source>Formfaktor sug</source>
        <translation>Shape factor suction</translation>
    </message>
    <message>
        <source>Formfaktor tryck</source>
        <translation>Shape factor pressure</translation>
    </message>
    <message>
        <source>Formfaktor</source>
        <translation>Shape factor</translation>
    </message>
    <message>
        <source>i randzon sug</source>
        <translation>edge zone suction</translation>
    </message>
    <message>
        <source>längd (m)</source>
        <translation>length (m)</translation>
    </message>
    <message>
        <source>Beräkna vindlast</source>
        <translation>Calculate wind load</translation>
    </message>
    <message>
        <source>Vindlast vägg</source>
        <translation>Wall wind load</translation>
    </message>
    <message>
        <source>Grundvärde (kN/m2)</source>
        <translation>Basic value (kN/m2)</translation>
    </message>
    <message>
        <source>MOT vägg</source>
        <translation>TOWARDS wall</translation>
    </message>
    <message>
        <source>FRÅN vägg</source>
        <translation>AWAY from wall</translation>
    </message>
    <message>
        <source>Formfaktor hörn</source>
        <translation>Corner shape factor</translation>
    </message>
    <message>
        <source>Visa mot</source>
        <translation>Show towards</translation>
    </message>
    <message>
        <source>Visa från</source>
        <translation>Show away</translation>
    </message>
    <message>
        <source>Vindlast MOT vägg</source>
        <translation>Wind load TOWARDS wall</translation>
    </message>
    <message>
        <source>Vindlast FRÅN vägg</source>
        <translation>Wind load AWAY from wall</translation>
    </message>
    <message>
        <source>Grundvärde %1 kN/m2
Formfaktor %2: %3 kN/m2
Formfaktor hörn %4 över %5 m: %6 kN/m2</source>
        <translation>Basic value %1 kN/m2
Shape factor %2: %3 kN/m2
Corner shape factor %4 over %5 m: %6 kN/m2</translation>
    </message>
    <message>
        <source>Bruksgränstillstånd</source>
        <translation>Serviceability limit state</translation>
    </message>
    <message>
        <source>Nedböjningsbegränsning enl. EC 3</source>
        <translation>Deflection limit to EC 3</translation>
    </message>
    <message>
        <source>Nedböjningsbegränsning     L/</source>
        <translation>Deflection limit     L/</translation>
    </message>
    <message>
        <source>Lastreduktionsfaktor</source>
        <translation>Load reduction factor</translation>
    </message>
    <message>
        <source>Tjocklek (mm) i fack %1: %2 mm finns inte för profilen %3.
Profilens tjocklekar: %4 mm.</source>
        <translation>Thickness (mm) in span %1: %2 mm does not exist for the profile %3.
The profile&apos;s thicknesses: %4 mm.</translation>
    </message>
    <message>
        <source>Låst tjocklek, en av profilens: %1 mm</source>
        <translation>Locked thickness, one of the profile&apos;s: %1 mm</translation>
    </message>
    <message>
        <source>Låst tjocklek (mm)</source>
        <translation>Locked thickness (mm)</translation>
    </message>
</context>
<context>
    <name>kvop::editor::JointForm</name>
    <message>
        <source>Skarvtyp</source>
        <translation>Joint type</translation>
    </message>
    <message>
        <source>Skarvtyp stöd nr %1</source>
        <translation>Joint type support %1</translation>
    </message>
    <message>
        <source>Omlott</source>
        <translation>Overlap</translation>
    </message>
    <message>
        <source>% Vänster</source>
        <translation>% Left</translation>
    </message>
    <message>
        <source>%Höger</source>
        <translation>%Right</translation>
    </message>
    <message>
        <source>Kontinuerlig</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Led</source>
        <translation>Hinge</translation>
    </message>
    <message>
        <source>Enkel omlott</source>
        <translation>Single overlap</translation>
    </message>
    <message>
        <source>Enkel omlott + nit</source>
        <translation>Single overlap + rivets</translation>
    </message>
    <message>
        <source>Gerber</source>
        <translation>Gerber</translation>
    </message>
    <message>
        <source>Dubbel omlott</source>
        <translation>Double overlap</translation>
    </message>
    <message>
        <source>Ledavstånd</source>
        <translation>Hinge distance</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kvop::editor::LineLoadForm</name>
    <message>
        <source>Linjelast</source>
        <translation>Line load</translation>
    </message>
    <message>
        <source>Antal linjelaster:</source>
        <translation>Number of line loads:</translation>
    </message>
    <message>
        <source>Fack nr</source>
        <translation>Span no.</translation>
    </message>
    <message>
        <source>Avstånd från vänster stöd</source>
        <translation>Distance from left support</translation>
    </message>
    <message>
        <source>Brottgräns ned</source>
        <translation>Ultimate downwards</translation>
    </message>
    <message>
        <source>Brottgräns upp</source>
        <translation>Ultimate upwards</translation>
    </message>
    <message>
        <source>Bruksgräns ned</source>
        <translation>Serviceability downwards</translation>
    </message>
    <message>
        <source>(m)</source>
        <translation>(m)</translation>
    </message>
    <message>
        <source>(kN/m)</source>
        <translation>(kN/m)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Linjelast %1: fack nr saknas.</source>
        <translation>Line load %1: span no. missing.</translation>
    </message>
    <message>
        <source>Linjelast %1: felaktigt värde &quot;%2&quot;.</source>
        <translation>Line load %1: wrong value &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Linjelast %1: avståndet %2 m är större än spännvidden %3 m i fack nr %4.</source>
        <translation>Line load %1: the distance %2 m is greater than the span %3 m of span no. %4.</translation>
    </message>
</context>
<context>
    <name>kvop::editor::MainWindow</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Välj Resultatfil</source>
        <translation>Choose result file</translation>
    </message>
    <message>
        <source>Resultatfiler (*.RED *.red)</source>
        <translation>Result files (*.RED *.red)</translation>
    </message>
    <message>
        <source>FILNAMN:</source>
        <translation>FILE NAME:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sök i:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Filtyp:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Klicka på ett inre stöd för att välja skarvtyp</source>
        <translation>Click an inner support to choose its joint type</translation>
    </message>
    <message>
        <source>Indata</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>&amp;Arkiv</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ppna...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Spara</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Spara so&amp;m...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Skriv &amp;ut...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Skrivar&amp;inställning...</source>
        <translation>Page set&amp;up...</translation>
    </message>
    <message>
        <source>&amp;Avsluta</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Redigera</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Snöficka</source>
        <translation>&amp;Snow pocket</translation>
    </message>
    <message>
        <source>&amp;Linjelast</source>
        <translation>&amp;Line loads</translation>
    </message>
    <message>
        <source>&amp;Beräkning</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>&amp;Kör...</source>
        <translation>&amp;Run...</translation>
    </message>
    <message>
        <source>Res&amp;ultat</source>
        <translation>Res&amp;ults</translation>
    </message>
    <message>
        <source>på &amp;skärm</source>
        <translation>on &amp;screen</translation>
    </message>
    <message>
        <source>på s&amp;krivare</source>
        <translation>on &amp;printer</translation>
    </message>
    <message>
        <source>S&amp;pecifikation</source>
        <translation>Parts &amp;list</translation>
    </message>
    <message>
        <source>&amp;Välj Resultatfil...</source>
        <translation>Choose &amp;result file...</translation>
    </message>
    <message>
        <source>&amp;DXF-fil (Bra2DXF)...</source>
        <translation>D&amp;XF file (Bra2DXF)...</translation>
    </message>
    <message>
        <source>&amp;Filhantering</source>
        <translation>File &amp;management</translation>
    </message>
    <message>
        <source>&amp;Ta bort</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Resultatfiler</source>
        <translation>&amp;Result files</translation>
    </message>
    <message>
        <source>&amp;Indatafiler</source>
        <translation>&amp;Input files</translation>
    </message>
    <message>
        <source>Resultat+Indata&amp;filer</source>
        <translation>Result+input &amp;files</translation>
    </message>
    <message>
        <source>&amp;Viktigt</source>
        <translation>&amp;Important</translation>
    </message>
    <message>
        <source>&amp;Hjälp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Innehåll</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>NAMNLÖS</source>
        <translation>UNTITLED</translation>
    </message>
    <message>
        <source>Spara som..</source>
        <translation>Save as..</translation>
    </message>
    <message>
        <source>Välj Indatafil</source>
        <translation>Choose input file</translation>
    </message>
    <message>
        <source>Indatafiler (*.IND *.ind)</source>
        <translation>Input files (*.IND *.ind)</translation>
    </message>
    <message>
        <source>Vill Du spara ändringarna i %1.IND ?</source>
        <translation>Do you want to save the changes in %1.IND ?</translation>
    </message>
    <message>
        <source>Beräkning pågår.

Vill Du avbryta beräkningen och avsluta?</source>
        <translation>A calculation is running.

Do you want to cancel the calculation and exit?</translation>
    </message>
    <message>
        <source>Du måste spara Filen först !</source>
        <translation>You must save the file first !</translation>
    </message>
    <message>
        <source>Beräkning pågår..</source>
        <translation>Calculation running..</translation>
    </message>
    <message>
        <source>Skapar indata-filer.</source>
        <translation>Writing the input files.</translation>
    </message>
    <message>
        <source>KVOP</source>
        <translation>KVOP</translation>
    </message>
    <message>
        <source>Mappen %1 är skrivskyddad: resultatet av beräkningen kan inte sparas där.

Vill Du spara fallet i en annan mapp och beräkna det där?</source>
        <translation>The folder %1 is read-only: the result of the calculation cannot be saved there.

Do you want to save the case in another folder and compute it there?</translation>
    </message>
    <message>
        <source>Mappen %1 är också skrivskyddad.</source>
        <translation>The folder %1 is read-only too.</translation>
    </message>
    <message>
        <source>Beräkningen avbröts. Fallet och resultatfilerna i %1 är oförändrade.</source>
        <translation>The calculation was cancelled. The case and the result files in %1 are unchanged.</translation>
    </message>
    <message>
        <source>Resultatet kunde inte sparas i %1.</source>
        <translation>The result could not be saved in %1.</translation>
    </message>
    <message>
        <source>Beräkningen avbröts (slutstatus %1).

%2</source>
        <translation>The calculation stopped (exit status %1).

%2</translation>
    </message>
    <message>
        <source>Resultatfil till %1.IND saknas !</source>
        <translation>Result file of %1.IND missing !</translation>
    </message>
    <message>
        <source>Specifikationsfil till %1.IND saknas !</source>
        <translation>Parts list file of %1.IND missing !</translation>
    </message>
    <message>
        <source>Resultatet som visas hör inte till indata på skärmen.

Vill Du skriva ut det ändå?</source>
        <translation>The result shown does not belong to the input on screen.

Do you want to print it anyway?</translation>
    </message>
    <message>
        <source>Skriv ut</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Programmet %1 är inte installerat i %2.</source>
        <translation>The program %1 is not installed in %2.</translation>
    </message>
    <message>
        <source>Du måste spara filen först och göra ny beräkning!</source>
        <translation>You must save the file first and compute it again!</translation>
    </message>
    <message>
        <source>Programmet %1 kunde inte startas.</source>
        <translation>The program %1 could not be started.</translation>
    </message>
    <message>
        <source>Kan ej starta vexlor eftersom beräkning med skivverkan ej är genomförd.</source>
        <translation>Cannot start vexlor as no calculation with diaphragm action has been made.</translation>
    </message>
    <message>
        <source>Kan ej skapa DXF-fil eftersom beräkning med skivverkan ej är genomförd.</source>
        <translation>Cannot make a DXF file as no calculation with diaphragm action has been made.</translation>
    </message>
    <message>
        <source>Ändstödets skarvtyp följer konsolen: en konsol på minst 0,11 m ger kontinuerligt stöd, en kortare led.</source>
        <translation>The joint type of an end support follows the cantilever: a cantilever of at least 0.11 m makes the support continuous, a shorter one a hinge.</translation>
    </message>
    <message>
        <source>S&amp;kivverkan (vexlor)...</source>
        <translation>&amp;Diaphragm action (vexlor)...</translation>
    </message>
    <message>
        <source>Utdata - %1 (INAKTUELL)</source>
        <translation>Output - %1 (OUT OF DATE)</translation>
    </message>
    <message>
        <source>Utdata - %1 (okänt ursprung)</source>
        <translation>Output - %1 (unknown origin)</translation>
    </message>
    <message>
        <source>Utdata - %1</source>
        <translation>Output - %1</translation>
    </message>
    <message>
        <source>&amp;Jämför profiler...</source>
        <translation>&amp;Compare profiles...</translation>
    </message>
</context>
<context>
    <name>kvop::editor::ReportView</name>
    <message>
        <source>Utdata - %1</source>
        <translation>Output - %1</translation>
    </message>
    <message>
        <source>Återgå</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Typsnitt</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Redigera</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Kopiera</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Markera allt</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Öppna i textvisare</source>
        <translation>Open in text viewer</translation>
    </message>
    <message>
        <source>Hjälp</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>TYPSNITT</source>
        <translation>FONT</translation>
    </message>
    <message>
        <source>Utdata</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Ingen textvisare hittades för %1</source>
        <translation>No text viewer was found for %1</translation>
    </message>
    <message>
        <source>Diagrammen visas för en rapport som beräknats med detta program och inte ändrats sedan. Beräkna fallet för att se dem.</source>
        <translation>The diagrams are shown for a report computed by this program and not changed since. Compute the case to see them.</translation>
    </message>
    <message>
        <source>Spara som PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Spara som PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>kvop::editor::SnowPocketForm</name>
    <message>
        <source>Snöficka</source>
        <translation>Snow pocket</translation>
    </message>
    <message>
        <source>Snödrift vid plåtens ändar</source>
        <translation>Snow drift at the ends of the sheet</translation>
    </message>
    <message>
        <source>Formfaktor vä</source>
        <translation>Shape factor left</translation>
    </message>
    <message>
        <source>Längd (m)</source>
        <translation>Length (m)</translation>
    </message>
    <message>
        <source>Formfaktor hö</source>
        <translation>Shape factor right</translation>
    </message>
    <message>
        <source>Extra snöficka</source>
        <translation>Extra snow pocket</translation>
    </message>
    <message>
        <source>Fack nr (0 = ingen)</source>
        <translation>Span no. (0 = none)</translation>
    </message>
    <message>
        <source>Formfaktor</source>
        <translation>Shape factor</translation>
    </message>
    <message>
        <source>Avstånd från vänster stöd (m)</source>
        <translation>Distance from left support (m)</translation>
    </message>
    <message>
        <source>Längd max snö (m)</source>
        <translation>Length of maximum snow (m)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Snödrift vid högre byggnad (EN 1991-1-3)</source>
        <translation>Snow drift at a taller building (EN 1991-1-3)</translation>
    </message>
    <message>
        <source>Plåtriktning</source>
        <translation>Sheet direction</translation>
    </message>
    <message>
        <source>Längs plåt</source>
        <translation>Along the sheet</translation>
    </message>
    <message>
        <source>Tvärs plåt</source>
        <translation>Across the sheet</translation>
    </message>
    <message>
        <source>Plåt nr från steget</source>
        <translation>Sheet no. from the step</translation>
    </message>
    <message>
        <source>Antal plåtar över driftlängden</source>
        <translation>Number of sheets over the drift length</translation>
    </message>
    <message>
        <source>b1, bredd högre byggnad (m)</source>
        <translation>b1, width of taller building (m)</translation>
    </message>
    <message>
        <source>b2, bredd lägre byggnad (m)</source>
        <translation>b2, width of lower building (m)</translation>
    </message>
    <message>
        <source>h, höjdskillnad (m)</source>
        <translation>h, difference in height (m)</translation>
    </message>
    <message>
        <source>Minsta driftlängd ls (m)</source>
        <translation>Least drift length ls (m)</translation>
    </message>
    <message>
        <source>µ1, formfaktor lägre tak</source>
        <translation>µ1, shape factor of lower roof</translation>
    </message>
    <message>
        <source>Taklutning högre tak (gr)</source>
        <translation>Slope of taller roof (deg)</translation>
    </message>
    <message>
        <source>Beräkna &gt;&gt;</source>
        <translation>Calculate &gt;&gt;</translation>
    </message>
    <message>
        <source>RESULTAT:</source>
        <translation>RESULT:</translation>
    </message>
    <message>
        <source>Skicka vänster</source>
        <translation>Send left</translation>
    </message>
    <message>
        <source>Skicka höger</source>
        <translation>Send right</translation>
    </message>
    <message>
        <source>&lt;&lt;Skicka </source>
        <translation>&lt;&lt;Send </translation>
    </message>
    <message>
        <source>Formfaktorn för plåten tvärs driften till takets formfaktor (snö)</source>
        <translation>The shape factor of the sheet across the drift to the roof&apos;s shape factor (snow)</translation>
    </message>
    <message>
        <source>sk = %1 kN/m2
µw = %2
µs = %3
µ2 = µs + µw = %4
ls = %5 m</source>
        <translation>sk = %1 kN/m2
µw = %2
µs = %3
µ2 = µs + µw = %4
ls = %5 m</translation>
    </message>
    <message>
        <source>
Plåt nr %1 tvärs driften: µ = %2</source>
        <translation>
Sheet no. %1 across the drift: µ = %2</translation>
    </message>
    <message>
        <source>Formfaktor (snö) %1 förs in i fallet med OK.</source>
        <translation>Shape factor (snow) %1 goes into the case with OK.</translation>
    </message>
    <message>
        <source>Felaktigt värde &quot;%1&quot;.</source>
        <translation>Wrong value &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Snöfickans avstånd %1 m ligger utanför fack nr %2 (spännvidd %3 m).</source>
        <translation>The snow pocket&apos;s distance %1 m lies outside span no. %2 (span %3 m).</translation>
    </message>
    <message>
        <source>Snöfickan räknas inte: dess formfaktor är inte större än takets formfaktor (snö).</source>
        <translation>The snow pocket does not count: its shape factor is not greater than the roof&apos;s shape factor (snow).</translation>
    </message>
</context>
<context>
    <name>kvop::editor::WindForm</name>
    <message>
        <source>Beräkna vindlast</source>
        <translation>Calculate wind load</translation>
    </message>
    <message>
        <source>Referensvindhastighet (m/s) :</source>
        <translation>Reference wind speed (m/s) :</translation>
    </message>
    <message>
        <source>Byggnadens höjd:</source>
        <translation>Building height:</translation>
    </message>
    <message>
        <source>Terrängtyp</source>
        <translation>Terrain category</translation>
    </message>
    <message>
        <source>Beräkna &gt;&gt;</source>
        <translation>Calculate &gt;&gt;</translation>
    </message>
    <message>
        <source>Resultat:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Skicka värde &gt;&gt;</source>
        <translation>Send value &gt;&gt;</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
