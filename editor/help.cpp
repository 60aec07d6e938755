#include "help.h"

#include <QDialog>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kvop::editor {

QString help_html() {
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
<p>Beräkning &rarr; Kör... kräver att fallet är sparat. Indata skrivs till ~indata~.tmp i fallets katalog
(och BRASKO.INI med programkatalogen om den saknas), beräkningsprogrammet körs där och resultatfilen
NAMN.RED hamnar bredvid fallet. Misslyckas beräkningen visas programmets eget meddelande.</p>

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

void show_help(QWidget* parent, const QString& anchor) {
  auto* d = new QDialog(parent);
  d->setAttribute(Qt::WA_DeleteOnClose);
  d->setWindowTitle("Hjälp");
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
