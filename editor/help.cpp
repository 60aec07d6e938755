#include "help.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kvop::editor {
namespace {

QString help_html_sv() {
  return R"(<html><body>
<h2><a name="indata">Indata</a></h2>
<p>Ett fall beskriver en plåt: profil, fack, upplag, skarvar, laster och krav. Fallet sparas som
indatafil (*.IND). Marknaden väljs med flaggorna överst i fönstret; den styr säkerhetsklassens ram
och hur snölasten anges.</p>
<ul>
<li><b>Profil</b>: profilbeteckning ur profildatabasen. <i>Låst tjocklek</i> låser tjockleken per fack
(raden Tjocklek) i stället för att programmet väljer den tunnaste som klarar sig; ett klick på en
tjocklek låser alla fack till den.</li>
<li><b>Geometri</b>: Antal Fack 1&ndash;20, spännvidd per fack, upplagsbredd per stöd (högst 200 mm),
konsol vänster och höger. En konsol under 0,11 m ger ett ledat ändstöd, annars är ändstödet kontinuerligt.
Skarvtyp vid ett inre stöd väljs genom att klicka på stödet i bilden.</li>
<li><b>Tak</b>/<b>Vägg</b>: för tak visas takets ramar (typ av tak, överfläns, snö, vind på tak),
för vägg ramen Vindlast vägg. Perforering visas för isolerade tak och VEX-tak, Låsbalk för VEX-tak,
randzonen för vindsug för oisolerade tak.</li>
<li><b>Snölast</b> (Sverige): snözonens värde eller Valfri med Qkar; Reduktionsfaktor är
kombinationsfaktorn &psi;0 för snö. <b>Snö på mark</b> (övriga marknader): snölastens grundvärde.</li>
<li><b>Bruksgränstillstånd</b>: nedböjningsbegränsning enligt EC 3 eller L/värde (0 = programmet väljer:
L/150 isolerat tak och VEX-tak, L/90 oisolerat tak, L/75 vägg); Lastreduktionsfaktor är &psi;1 för snö,
som ger snölasten i bruksgränstillståndet.</li>
</ul>
<p>Decimaltal kan skrivas med punkt eller komma.</p>

<h2><a name="filnamn">Filnamn</a></h2>
<p>OBS! Filnamnet får innehålla max åtta tecken och inga mellanslag, komma, punkt eller å, ä, ö.
Beräkningen namnger resultatfilen efter fallets namn (NAMN.RED).</p>

<h2><a name="skarvtyp">Skarvtyp</a></h2>
<p>Skarvtyp stöd nr N: Kontinuerlig, Led, Enkel omlott, Enkel omlott + nit, Gerber eller Dubbel omlott.
Omlottens (eller ledens) utbredning anges i procent av facket till vänster och till höger om stödet.
En omlott som når mindre än 6 % in i högra facket räknas som led.</p>

<h2><a name="linjelast">Linjelast</a></h2>
<p>Högst fem linjelaster, var och en i ett fack på ett avstånd från fackets vänstra stöd, med
brottgränslast nedåt och uppåt och brukslast nedåt (kN/m).</p>

<h2><a name="snoficka">Snöficka</a></h2>
<p>Snödrift vid plåtens ändar (formfaktor och längd, triangulär last) och en extra snöficka i ett fack.
Snöfickan räknas bara när dess formfaktor är större än takets formfaktor (snö).</p>
<p>Beräkningen följer EN 1991-1-3, 5.3.6 och 6.2 (tak intill högre byggnad):</p>
<ul>
<li>&mu;w = (b1 + b2) / (2h), högst &gamma;h/sk, och 0,8 (&mu;1) &le; &mu;w &le; 4,0; &gamma; = 2 kN/m3 (ekv. 5.8)</li>
<li>ls = 2h, med 5 m (ls min) &le; ls &le; 15 m (ekv. 5.9)</li>
<li>&mu;s = 0 när det högre takets lutning &alpha; &le; 15&deg;; annars hälften av det högre takets snö
(&mu;1(&alpha;) enligt tabell 5.2) fördelad som en triangel över ls: &mu;s = &mu;1(&alpha;)&middot;b1/ls</li>
<li>&mu;2 = &mu;s + &mu;w vid steget, avtagande linjärt till &mu;1 vid ls.</li>
</ul>
<p>Längs plåt: drivan ligger vid plåtens ände; Skicka vänster/Skicka höger för över &mu;2 och ls till
snödriften vid vänster eller höger ände. Tvärs plåt: plåt nr n av m plåtar över driftlängden bär
drivans ordinata vid sin kant närmast steget, &mu;(x) med x = (n&minus;1)&middot;ls/m; &lt;&lt;Skicka för över
den till takets formfaktor (snö). sk är fallets snölast.</p>

<h2><a name="vindlast">Beräkna vindlast</a></h2>
<p>Karakteristiskt hastighetstryck enligt EN 1991-1-4 med c0 = 1 och kI = 1:</p>
<ul>
<li>qb = &frac12;&middot;&rho;&middot;vb&sup2;, &rho; = 1,25 kg/m3 (ekv. 4.10)</li>
<li>kr = 0,19&middot;(z0/z0,II)<sup>0,07</sup>, z0,II = 0,05 m (ekv. 4.5)</li>
<li>cr(z) = kr&middot;ln(z/z0) för z &ge; zmin, cr(zmin) under zmin (ekv. 4.4)</li>
<li>Iv(z) = 1 / ln(z/z0) (ekv. 4.7)</li>
<li>qp(z) = (1 + 7&middot;Iv(z))&middot;cr(z)&sup2;&middot;qb (ekv. 4.8)</li>
</ul>
<p>Terrängtyp (tabell 4.1): 0 z0 = 0,003 m, zmin = 1 m; I 0,01 / 1; II 0,05 / 2; III 0,3 / 5; IV 1,0 / 10.
Skicka värde för över qp som grundvärde för vindlasten på tak eller vägg.</p>

<h2><a name="berakning">Beräkning</a></h2>
<p>Beräkning &rarr; Kör... kräver att fallet är sparat. Beräkningsprogrammet körs i en egen arbetskatalog
med denna installations profildatabas; bara resultatfilen NAMN.RED (och SKIVA.INS när fallet begär
skivverkan) förs tillbaka till fallets katalog. En pågående beräkning kan avbrytas. Misslyckas beräkningen
visas programmets eget meddelande. Resultatfönstret säger när och med vilken profildatabas rapporten
beräknades, om profilen klarar sig, och markeras INAKTUELLT så snart indata ändras.</p>

<h2><a name="utdata">Utdata</a></h2>
<p>Resultatfilen visas med fast teckenbredd. Återgå stänger fönstret, Typsnitt väljer teckensnitt,
Redigera kopierar eller öppnar filen i skrivbordets textvisare. Vid utskrift börjar en ny sida vid varje
rad med enbart &quot;^&quot;.</p>

<h2><a name="typsnitt">TYPSNITT</a></h2>
<p>Välj ett teckensnitt med fast teckenbredd och storlek för visning och utskrift; valet sparas i Brafnt.ini.</p>

<h2><a name="tabort">Ta bort</a></h2>
<p>Välj enhet (de monterade filsystemen) och katalog: dubbelklicka på en katalog för att öppna den. Klicka sedan på de filer som ska tas bort och på Ta bort; bekräfta med Ja eller Ångra.</p>
</body></html>)";
}

QString help_html_en() {
  return R"(<html><body>
<h2><a name="indata">Input</a></h2>
<p>A case describes one sheeting: profile, spans, supports, joints, loads and requirements. The case is
saved as an input file (*.IND). The market is chosen with the flags at the top of the window; it sets
the frame of the safety class and how the snow load is given.</p>
<ul>
<li><b>Profile</b>: a designation from the profile database. <i>Locked thickness</i> locks the thickness
per span (the Thickness row) instead of letting the program choose the thinnest that passes; a click
on a thickness locks every span to it.</li>
<li><b>Geometry</b>: number of spans 1&ndash;20, span length per span, support width per support (at
most 200 mm), left and right cantilever. A cantilever under 0.11 m gives a hinged end support,
otherwise the end support is continuous. The joint type at an inner support is chosen by clicking the
support in the picture.</li>
<li><b>Roof</b>/<b>Wall</b>: a roof shows the roof frames (type of roof, top flange, snow, wind on the
roof), a wall the frame Wind load on wall. Perforation is shown for insulated and VEX roofs, the
locking beam for VEX roofs, the edge zone of wind suction for non-insulated roofs.</li>
<li><b>Snow load</b> (Sweden): the value of the snow zone, or Optional with Qkar; the reduction factor is
the combination factor &psi;0 of snow. <b>Snow on the ground</b> (other markets): the characteristic
snow load.</li>
<li><b>Serviceability</b>: the deflection limit by EC 3 or an L/ value (0 = the program chooses:
L/150 insulated and VEX roof, L/90 non-insulated roof, L/75 wall); the load reduction factor is &psi;1
of snow, which gives the snow load in the serviceability limit state.</li>
</ul>
<p>Decimal numbers may be written with a point or a comma.</p>

<h2><a name="filnamn">File name</a></h2>
<p>NOTE! The file name may hold at most eight characters and no blanks, commas, points or å, ä, ö.
The calculation names the report after the case (NAME.RED).</p>

<h2><a name="skarvtyp">Joint type</a></h2>
<p>Joint type at support no. N: continuous, hinge, single overlap, single overlap with rivets, Gerber
or double overlap. The extent of the overlap (or hinge) is given in per cent of the span to the left
and to the right of the support. An overlap reaching less than 6 % into the right span counts as a
hinge.</p>

<h2><a name="linjelast">Line load</a></h2>
<p>At most five line loads, each in a span at a distance from the span's left support, with the
ultimate load downwards and upwards and the serviceability load downwards (kN/m).</p>

<h2><a name="snoficka">Snow pocket</a></h2>
<p>Snow drifts at the ends of the sheeting (shape factor and length, triangular load) and an extra
snow pocket in one span. The snow pocket counts only when its shape factor is larger than the roof's
shape factor (snow).</p>
<p>The calculation follows EN 1991-1-3, 5.3.6 and 6.2 (roof abutting a taller building):</p>
<ul>
<li>&mu;w = (b1 + b2) / (2h), at most &gamma;h/sk, and 0.8 (&mu;1) &le; &mu;w &le; 4.0; &gamma; = 2 kN/m3 (eq. 5.8)</li>
<li>ls = 2h, with 5 m (ls min) &le; ls &le; 15 m (eq. 5.9)</li>
<li>&mu;s = 0 when the taller roof's slope &alpha; &le; 15&deg;; otherwise half the snow of the taller roof
(&mu;1(&alpha;) by table 5.2) spread as a triangle over ls: &mu;s = &mu;1(&alpha;)&middot;b1/ls</li>
<li>&mu;2 = &mu;s + &mu;w at the step, falling linearly to &mu;1 at ls.</li>
</ul>
<p>Along the sheeting: the drift lies at the end of the sheeting; Send left/Send right carry &mu;2 and
ls to the snow drift at the left or right end. Across the sheeting: sheet no. n of m sheets over the
drift length carries the drift's ordinate at its edge nearest the step, &mu;(x) with
x = (n&minus;1)&middot;ls/m; &lt;&lt;Send carries it to the roof's shape factor (snow). sk is the case's snow
load. The values reach the case only when the form is accepted with OK.</p>

<h2><a name="vindlast">Compute wind load</a></h2>
<p>Peak velocity pressure by EN 1991-1-4 with c0 = 1 and kI = 1:</p>
<ul>
<li>qb = &frac12;&middot;&rho;&middot;vb&sup2;, &rho; = 1.25 kg/m3 (eq. 4.10)</li>
<li>kr = 0.19&middot;(z0/z0,II)<sup>0.07</sup>, z0,II = 0.05 m (eq. 4.5)</li>
<li>cr(z) = kr&middot;ln(z/z0) for z &ge; zmin, cr(zmin) below zmin (eq. 4.4)</li>
<li>Iv(z) = 1 / ln(z/z0) (eq. 4.7)</li>
<li>qp(z) = (1 + 7&middot;Iv(z))&middot;cr(z)&sup2;&middot;qb (eq. 4.8)</li>
</ul>
<p>Terrain category (table 4.1): 0 z0 = 0.003 m, zmin = 1 m; I 0.01 / 1; II 0.05 / 2; III 0.3 / 5; IV 1.0 / 10.
Send value carries qp as the characteristic wind load on the roof or the wall.</p>

<h2><a name="berakning">Calculation</a></h2>
<p>Calculation &rarr; Run... needs the case to be saved. The calculation program runs in a working folder
of its own with this installation's profile database; only the report NAME.RED (and SKIVA.INS when the
case asks for diaphragm action) is brought back to the case's folder. A running calculation can be
cancelled. When the calculation fails, the program's own message is shown. The result window tells when
and with which profile database the report was computed and whether the profile passes, and is marked
OUT OF DATE as soon as the input changes. The report itself is always in Swedish.</p>

<h2><a name="utdata">Output</a></h2>
<p>The report is shown in a fixed-pitch font. Back closes the window, Font chooses the font, Edit copies
the file or opens it in the desktop's text viewer. Each report page is printed on one sheet, under a
header with the case title, the file, the computation time and the page number.</p>

<h2><a name="typsnitt">FONT</a></h2>
<p>Choose a fixed-pitch font and size for viewing and printing; the choice is kept in Brafnt.ini.</p>

<h2><a name="tabort">Delete</a></h2>
<p>Choose the drive (the mounted file systems) and the folder: double-click a folder to open it. Then
click the files to delete and Delete; confirm with Yes or Cancel.</p>
</body></html>)";
}

}  // namespace

QString help_html() {
  // The page of the language whose texts the editor has installed: the
  // English translation turns this marker into "english".
  return QCoreApplication::translate("Help", "svenska") == QLatin1String("english") ? help_html_en()
                                                                                    : help_html_sv();
}

void show_help(QWidget* parent, const QString& anchor) {
  auto* d = new QDialog(parent);
  d->setAttribute(Qt::WA_DeleteOnClose);
  d->setWindowTitle(QCoreApplication::translate("Help", "Hjälp"));
  auto* v = new QVBoxLayout(d);
  auto* b = new QTextBrowser(d);
  b->setObjectName("hjalp");
  b->setHtml(help_html());
  b->scrollToAnchor(anchor);
  v->addWidget(b);
  d->resize(640, 520);
  d->show();
}

}  // namespace kvop::editor
