#include "input_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/cp1252.h"
#include "core/markets.h"
#include "driver/inkvop.h"
#include "flow_layout.h"
#include "messages.h"

namespace kvop::editor {
namespace {

QString from_text(std::string_view cp1252) {
  return QString::fromStdString(cp1252::to_utf8(cp1252));
}
std::string to_text(const QString& s) { return cp1252::from_utf8(s.toStdString()); }

// A check box shows a stored flag of value 1; unticking gives 0, and a box
// left alone keeps any other stored value.
int flag_value(bool checked, int stored) {
  if (checked) return 1;
  return stored == 1 ? 0 : stored;
}

// The zone values of the Swedish snow frame, "1.0" to "4.0", ids 1 to 7;
// id 8 is "Valfri".
float snow_zone(int id) { return 1.0f + 0.5f * static_cast<float>(id - 1); }

QLabel* caption(const QString& text) { return new QLabel(text); }

}  // namespace

OptionFrame::OptionFrame(const QString& caption,
                         const std::vector<std::pair<int, QString>>& options, QWidget* parent,
                         bool vertical)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  QBoxLayout* l = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                           : static_cast<QBoxLayout*>(new QHBoxLayout(this));
  l->setContentsMargins(6, 4, 6, 4);
  l->setSpacing(2);
  for (const auto& [id, text] : options) {
    auto* b = new QRadioButton(text, this);
    group_->addButton(b, id);
    l->addWidget(b);
  }
  l->addStretch();
}

void OptionFrame::setStored(int stored, int shown) {
  stored_ = stored;
  shown_ = shown;
  if (QAbstractButton* b = group_->button(shown)) {
    b->setChecked(true);
  } else if (QAbstractButton* c = group_->checkedButton()) {
    group_->setExclusive(false);
    c->setChecked(false);
    group_->setExclusive(true);
  }
}

int OptionFrame::value() const {
  const int id = group_->checkedId();
  if (id == -1) return stored_ == -1 ? 0 : stored_;
  return id == shown_ && stored_ != -1 ? stored_ : id;
}

InputForm::InputForm(QWidget* parent) : QWidget(parent) {
  confirm = [this](const QString& text) {
    QMessageBox box(QMessageBox::Question, "KVOP", text, QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("Ja"), QMessageBox::YesRole);
    box.addButton(tr("Nej"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
  };
  warn = [this](const QString& text) { QMessageBox::warning(this, "KVOP", text); };
  loading_ = true;
  build();
  CaseFile cf;
  blkdat(cf.in);
  setCase(cf);
}

NumberEdit* InputForm::number(const QString& name, int decimals, double lo, double hi) {
  auto* e = new NumberEdit(decimals, lo, hi, this);
  e->setObjectName(name);
  e->setCaption(control_caption(name));
  connect(e, &QLineEdit::textEdited, this, &InputForm::edited);
  return e;
}

void InputForm::edited() {
  if (loading_) return;
  updateVisibility();
  emit changed();
}

void InputForm::dataEdited() {
  updateVisibility();
  emit changed();
}

QGroupBox* InputForm::buildProfile() {
  auto* box = new QGroupBox(tr("Profil"), this);
  auto* g = new QGridLayout(box);
  pnamn_ = new QComboBox(box);
  pnamn_->setObjectName("pnamn");
  pnamn_->setEditable(true);
  pnamn_->setInsertPolicy(QComboBox::NoInsert);
  pnamn_->lineEdit()->setMaxLength(8);
  pnamn_->setMinimumWidth(110);
  connect(pnamn_, &QComboBox::currentTextChanged, this, [this] {
    updateThicknessChoices();
    edited();
  });
  // A designation the database does not hold is refused where it is typed.
  connect(pnamn_->lineEdit(), &QLineEdit::editingFinished, this, &InputForm::profileEntered);
  g->addWidget(pnamn_, 0, 0, 1, 2);
  ptjl_ = new OptionFrame(tr("Tjocklek (mm)"), {}, box);
  ptjl_->setObjectName("ptjl");
  auto* pl = new QGridLayout;
  for (int k = 0; k < 10; ++k) {
    auto* b = new QRadioButton(ptjl_);
    b->setObjectName(QString("ptjl%1").arg(k + 1));
    ptjl_->group()->addButton(b, k + 1);
    pl->addWidget(b, k % 5, k / 5);
    ptjlButtons_[static_cast<std::size_t>(k)] = b;
  }
  delete ptjl_->layout();
  ptjl_->setLayout(pl);
  // Choosing a thickness locks every span to it.
  connect(ptjl_->group(), &QButtonGroup::idClicked, this, [this](int id) {
    const auto i = static_cast<std::size_t>(id - 1);
    const QString t = pnamn_->currentText().trimmed();
    for (const auto& p : profiles_)
      if (p.designation.compare(t, Qt::CaseInsensitive) == 0 && i < p.thicknesses.size()) {
        for (auto* e : tjl_) e->setValue(p.thicknesses[i]);
        locked_->setChecked(true);
      }
    edited();
  });
  g->addWidget(ptjl_, 1, 0, 1, 2);
  locked_ = new QCheckBox(tr("Låst tjocklek"), box);
  locked_->setObjectName("last_tjocklek");
  mikro_ = new QCheckBox(tr("Mikroband"), box);
  mikro_->setObjectName("mikroband");
  for (auto* c : {locked_, mikro_}) connect(c, &QCheckBox::toggled, this, &InputForm::edited);
  g->addWidget(locked_, 2, 0);
  g->addWidget(mikro_, 2, 1);
  return box;
}

QGroupBox* InputForm::buildGeometry() {
  auto* box = new QGroupBox(tr("Geometri"), this);
  auto* v = new QVBoxLayout(box);
  auto* top = new QHBoxLayout;
  top->addWidget(caption(tr("Antal Fack:")));
  nfack_ = new QSpinBox(box);
  nfack_->setObjectName("nfack");
  nfack_->setRange(1, kMaxSpans);
  // The count is taken when it is complete (Enter, the arrows, leaving the
  // field), not at every key: typing "12" passes no case of one span.
  nfack_->setKeyboardTracking(false);
  nfack_->setToolTip(tr("Antal fack 1 till %1. Ändringen gäller när du trycker Enter eller lämnar "
                        "fältet.")
                         .arg(kMaxSpans));
  connect(nfack_, &QSpinBox::valueChanged, this, &InputForm::spansChanged);
  top->addWidget(nfack_);
  top->addSpacing(20);
  top->addWidget(caption(tr("Konsol vänster (m)")));
  konsv_ = number("konsv", 2, 0, 3);
  top->addWidget(konsv_);
  mbv_ = new QCheckBox(tr("Mikroband"), box);
  mbv_->setObjectName("mbkonsv");
  top->addWidget(mbv_);
  top->addSpacing(20);
  top->addWidget(caption(tr("Konsol höger (m)")));
  konsh_ = number("konsh", 2, 0, 3);
  top->addWidget(konsh_);
  mbh_ = new QCheckBox(tr("Mikroband"), box);
  mbh_->setObjectName("mbkonsh");
  top->addWidget(mbh_);
  for (auto* c : {mbv_, mbh_}) connect(c, &QCheckBox::toggled, this, &InputForm::edited);
  top->addStretch();
  v->addLayout(top);

  // Spans and supports alternate: support j stands between spans j and j+1,
  // so every field takes two grid columns and the rows are offset by one.
  auto* table = new QWidget;
  auto* g = new QGridLayout(table);
  g->setHorizontalSpacing(2);
  g->setVerticalSpacing(2);
  g->addWidget(caption(tr("Fack nr")), 0, 0);
  g->addWidget(caption(tr("Spännvidd (m)")), 1, 0);
  tjlLabel_ = caption(tr("Tjocklek (mm)"));
  g->addWidget(tjlLabel_, 2, 0);
  g->addWidget(caption(tr("Upplag (m)")), 3, 0);
  for (int i = 0; i < kMaxSpans; ++i) {
    const auto k = static_cast<std::size_t>(i);
    spanNo_[k] = new QLabel(QString::number(i + 1));
    spanNo_[k]->setAlignment(Qt::AlignCenter);
    g->addWidget(spanNo_[k], 0, 2 + 2 * i, 1, 2);
    spv_[k] = number(QString("spv%1").arg(i + 1), 3, 0.1, 30);
    g->addWidget(spv_[k], 1, 2 + 2 * i, 1, 2);
    tjl_[k] = number(QString("tjl%1").arg(i + 1), 2, 0, 9.99);
    connect(tjl_[k], &QLineEdit::editingFinished, this,
            [this, e = tjl_[k]] { thicknessFinished(e); });
    g->addWidget(tjl_[k], 2, 2 + 2 * i, 1, 2);
  }
  for (int j = 0; j <= kMaxSpans; ++j) {
    const auto k = static_cast<std::size_t>(j);
    upl_[k] = number(QString("upl%1").arg(j), 2, 0, 0.2);
    connect(upl_[k], &QLineEdit::editingFinished, this,
            [this, e = upl_[k]] { supportWidthFinished(e); });
    g->addWidget(upl_[k], 3, 1 + 2 * j, 1, 2);
  }
  // Every field shows its longest value; twenty spans scroll sideways
  // rather than squeezing the values out of sight.
  const int shown = fontMetrics().horizontalAdvance("99.999") + 14;
  for (auto* e : spv_) e->setFixedWidth(std::max(shown, 56));
  for (auto* e : tjl_) e->setFixedWidth(std::max(shown, 56));
  for (auto* e : upl_) e->setFixedWidth(std::max(shown, 56));
  g->setColumnStretch(2 * kMaxSpans + 3, 1);
  auto* scroll = new QScrollArea;
  scroll->setWidget(table);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  scroll->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  scroll->setFixedHeight(table->sizeHint().height() + 18);
  v->addWidget(scroll);
  return box;
}

void InputForm::supportWidthFinished(NumberEdit* e) {
  const auto w = e->value();
  if (w && *w > 0.2f && isVisible()) {
    QMessageBox::warning(this, "KVOP", tr("Max tillåten upplagsbredd är 200 mm"));
    e->setFocus();
    e->selectAll();
  }
}

std::vector<float> InputForm::profileThicknesses() const {
  const QString t = pnamn_->currentText().trimmed();
  for (const auto& p : profiles_)
    if (p.designation.compare(t, Qt::CaseInsensitive) == 0) return p.thicknesses;
  return {};
}

// The engine would compute a thickness the profile lacks with a column of
// its own choosing; a locked thickness must be one the database holds.
QString InputForm::lockedThicknessFault(int* span) const {
  if (!locked_->isChecked()) return {};
  const std::vector<float> offered = profileThicknesses();
  if (offered.empty()) return {};
  QStringList list;
  for (float t : offered) list << format_number(t, 2);
  for (int i = 0; i < nfack_->value(); ++i) {
    const auto v = tjl_[static_cast<std::size_t>(i)]->value();
    if (!v) continue;
    const bool known = std::any_of(offered.begin(), offered.end(),
                                   [&](float t) { return std::fabs(t - *v) < 0.0005f; });
    if (known) continue;
    if (span) *span = i + 1;
    return tr("Tjocklek (mm) i fack %1: %2 mm finns inte för profilen %3.\n"
              "Profilens tjocklekar: %4 mm.")
        .arg(i + 1)
        .arg(format_number(*v, 2), pnamn_->currentText().trimmed(), list.join("  "));
  }
  return {};
}

void InputForm::thicknessFinished(NumberEdit* e) {
  int span = 0;
  const QString why = lockedThicknessFault(&span);
  if (why.isEmpty() || span < 1 || tjl_[static_cast<std::size_t>(span - 1)] != e || !isVisible())
    return;
  QMessageBox::warning(this, "KVOP", why);
  e->setFocus();
  e->selectAll();
}

void InputForm::build() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 6, 6, 6);

  rubrik_ = new QLineEdit(this);
  rubrik_->setObjectName("Rubrik");
  rubrik_->setMaxLength(80);
  connect(rubrik_, &QLineEdit::textEdited, this, &InputForm::edited);
  grid->addWidget(rubrik_, 0, 0, 1, 4);

  grid->addWidget(buildProfile(), 1, 0);
  grid->addWidget(buildGeometry(), 1, 1, 1, 3);

  // The option frames of the sheet and its use.
  // They wrap onto a second row when the window is narrower than all of them.
  auto* options = new FlowLayout;
  options->setContentsMargins(0, 0, 0, 0);
  options->setSpacing(6);
  anvo_ = new OptionFrame(tr("Användningsområde"), {{0, tr("Tak")}, {1, tr("Vägg")}}, this);
  anvo_->setObjectName("anvo");
  typt_ = new OptionFrame(tr("Typ av tak"),
                          {{0, tr("Oisolerat")}, {1, tr("Isolerat")}, {2, tr("VEX-tak")}}, this);
  typt_->setObjectName("typt");
  oflans_ = new OptionFrame(
      tr("Överfläns"), {{0, tr("Ej låst")}, {1, tr("Låst om nödvändigt")}, {2, tr("Låst")}}, this);
  oflans_->setObjectName("oflans");
  perfo_ = new OptionFrame(tr("Perforering"), {{0, tr("Nej")}, {1, tr("Ja")}}, this);
  perfo_->setObjectName("perfo");
  vandr_ =
      new OptionFrame(tr("Vändningsriktning"),
                      {{1, tr("Smal fläns mot regel")}, {2, tr("Bred fläns mot regel")}}, this);
  vandr_->setObjectName("vandr");
  sido_ = new OptionFrame(tr("Extra sidöverlapp"),
                          {{0, tr("saknas")}, {1, tr("1 extra")}, {2, tr("Dubbel plåt")}}, this);
  sido_->setObjectName("sido");
  uts_ = new OptionFrame(tr("Utskrift"), {{0, tr("Kort")}, {1, tr("Lång")}}, this);
  uts_->setObjectName("uts");
  // The class frame of each market, as the market table names it; the
  // captions are translated as the table's texts.
  static const char* const kClassCaptions[] = {QT_TR_NOOP("Säkerhetsklass"),
                                               QT_TR_NOOP("Pålitlighetsklass"),
                                               QT_TR_NOOP("Konstruktionsklasse")};
  (void)kClassCaptions;
  for (const MarketRules& m : markets()) {
    std::vector<std::pair<int, QString>> labels;
    for (int k = 1; k <= m.classes; ++k)
      labels.emplace_back(k, QString::fromUtf8(m.class_labels[static_cast<std::size_t>(k - 1)]));
    OptionFrame* f = new OptionFrame(tr(m.class_caption.data()), labels, this);
    f->setObjectName(QString::fromUtf8(m.class_control));
    classes_[static_cast<std::size_t>(m.code - 1)] = f;
  }
  lasbalk_ = new OptionFrame(tr("Låsbalk"), {{1, tr("Låsbalk")}, {2, tr("Låsning i nock")}}, this);
  lasbalk_->setObjectName("lasbalk");
  kvot_ = number("kvot", 2, 0, 9999);
  // The diaphragm step of insulated and VEX roofs: its values D1-D13 and
  // texts T1-T5 belong to the diaphragm program and are kept as read.
  iskiv_ = new OptionFrame(tr("Skivverkan"), {{2, tr("Nej")}, {1, tr("Ja")}}, this);
  iskiv_->setObjectName("iskiv");
  iskiv_->setToolTip(tr("Ja: beräkningen skriver SKIVA.INS för skivverkansprogrammet."));
  static_cast<QVBoxLayout*>(lasbalk_->layout())->insertWidget(2, caption(tr("Kvot takfall")));
  static_cast<QVBoxLayout*>(lasbalk_->layout())->insertWidget(3, kvot_);
  for (auto* f : {anvo_, typt_, oflans_, perfo_, vandr_, sido_, uts_, classes_[0], classes_[1],
                  classes_[2], classes_[3], classes_[4], lasbalk_, iskiv_}) {
    options->addWidget(f);
    connect(f->group(), &QButtonGroup::idToggled, this, [this](int, bool on) {
      if (on) edited();
    });
  }
  grid->addLayout(options, 2, 0, 1, 4);

  // Loads and serviceability.
  auto* loads = new QHBoxLayout;
  takBox_ = new QGroupBox(tr("Tak"), this);
  {
    auto* g = new QGridLayout(takBox_);
    egt_ = number("egt", 2, 0, 5);
    taklu_ = number("Taklu", 1, 0, 60);
    last_ = number("Last", 2, 0, 8);
    g->addWidget(caption(tr("Egentyngd (kN/m2)")), 0, 0);
    g->addWidget(egt_, 0, 1);
    g->addWidget(caption(tr("Taklutning (gr)")), 1, 0);
    g->addWidget(taklu_, 1, 1);
    g->addWidget(caption(tr("Formfaktor (snö)")), 2, 0);
    g->addWidget(last_, 2, 1);
    g->setRowStretch(3, 1);
  }
  loads->addWidget(takBox_);

  snoBox_ = new QGroupBox(tr("Snölast"), this);
  {
    auto* g = new QGridLayout(snoBox_);
    sno_ = new OptionFrame("",
                           {{1, "1.0"},
                            {2, "1.5"},
                            {3, "2.0"},
                            {4, "2.5"},
                            {5, "3.0"},
                            {6, "3.5"},
                            {7, "4.0"},
                            {8, tr("Valfri")}},
                           snoBox_);
    sno_->setObjectName("sno");
    sno_->setFlat(true);
    // Two columns of zone values.
    auto* sl = new QGridLayout;
    const auto buttons = sno_->group()->buttons();
    for (int k = 0; k < buttons.size(); ++k) sl->addWidget(buttons[k], k % 4, k / 4);
    delete sno_->layout();
    sno_->setLayout(sl);
    connect(sno_->group(), &QButtonGroup::idToggled, this, [this](int, bool on) {
      if (on) edited();
    });
    g->addWidget(sno_, 0, 0, 1, 2);
    qkar_ = number("qkar", 2, 0.002, 15);
    qvan_ = number("qvan", 2, 0, 1);
    g->addWidget(caption(tr("Qkar (kN/m2)")), 1, 0);
    g->addWidget(qkar_, 1, 1);
    g->addWidget(caption(tr("Reduktionsfaktor")), 2, 0);
    g->addWidget(qvan_, 2, 1);
  }
  loads->addWidget(snoBox_);

  snoMarkBox_ = new QGroupBox(tr("Snö på mark"), this);
  {
    auto* g = new QGridLayout(snoMarkBox_);
    qnorg_ = number("qnorg", 2, 0, 20);
    g->addWidget(caption(tr("Qsnö (kN/m2)")), 0, 0);
    g->addWidget(qnorg_, 0, 1);
    g->setRowStretch(1, 1);
  }
  loads->addWidget(snoMarkBox_);

  vindTakBox_ = new QGroupBox(tr("Vindlast tak"), this);
  {
    auto* g = new QGridLayout(vindTakBox_);
    qvind_ = number("qvind", 2, 0, 5);
    qvformf_ = number("qvformf", 2, -5, 5);
    qvformft_ = number("qvformft", 2, -5, 5);
    randz_ = number("randz", 2, -5, 5);
    lrandz_ = number("lrandz", 2, 0, 50);
    g->addWidget(caption(tr("Grundvärde")), 0, 0);
    g->addWidget(qvind_, 0, 1);
    g->addWidget(caption(tr("Formfaktor sug")), 1, 0);
    g->addWidget(qvformf_, 1, 1);
    g->addWidget(caption(tr("Formfaktor tryck")), 2, 0);
    g->addWidget(qvformft_, 2, 1);
    g->addWidget(caption(tr("Formfaktor")), 3, 0);
    g->addWidget(caption(tr("i randzon sug")), 4, 0);
    g->addWidget(randz_, 4, 1);
    g->addWidget(caption(tr("längd (m)")), 5, 0);
    g->addWidget(lrandz_, 5, 1);
    auto* calc = new QPushButton(tr("Beräkna vindlast"), vindTakBox_);
    calc->setObjectName("vind_tak_berakna");
    connect(calc, &QPushButton::clicked, this, &InputForm::windCalculatorWanted);
    g->addWidget(calc, 6, 0, 1, 2);
  }
  loads->addWidget(vindTakBox_);

  vindVaggBox_ = new QGroupBox(tr("Vindlast vägg"), this);
  {
    auto* g = new QGridLayout(vindVaggBox_);
    qvvind_ = number("qvvind", 2, 0, 5);
    formm_ = number("formm", 2, -5, 5);
    formfr_ = number("formfr", 2, -5, 5);
    mym_ = number("mym", 2, -5, 5);
    myfr_ = number("myfr", 2, -5, 5);
    lm_ = number("lm", 2, 0, 50);
    lfr_ = number("lfr", 2, 0, 50);
    g->addWidget(caption(tr("Grundvärde (kN/m2)")), 0, 0);
    g->addWidget(qvvind_, 0, 1, 1, 2);
    g->addWidget(caption(""), 1, 0);
    g->addWidget(caption(tr("MOT vägg")), 1, 1);
    g->addWidget(caption(tr("FRÅN vägg")), 1, 2);
    g->addWidget(caption(tr("Formfaktor")), 2, 0);
    g->addWidget(formm_, 2, 1);
    g->addWidget(formfr_, 2, 2);
    g->addWidget(caption(tr("Formfaktor hörn")), 3, 0);
    g->addWidget(mym_, 3, 1);
    g->addWidget(myfr_, 3, 2);
    g->addWidget(caption(tr("längd (m)")), 4, 0);
    g->addWidget(lm_, 4, 1);
    g->addWidget(lfr_, 4, 2);
    visaMot_ = new QPushButton(tr("Visa mot"), vindVaggBox_);
    visaMot_->setObjectName("visa_mot");
    visaFran_ = new QPushButton(tr("Visa från"), vindVaggBox_);
    visaFran_->setObjectName("visa_fran");
    g->addWidget(visaMot_, 5, 1);
    g->addWidget(visaFran_, 5, 2);
    auto* calc = new QPushButton(tr("Beräkna vindlast"), vindVaggBox_);
    calc->setObjectName("vind_vagg_berakna");
    connect(calc, &QPushButton::clicked, this, &InputForm::windCalculatorWanted);
    g->addWidget(calc, 6, 0, 1, 3);
    // The load picture of one direction: its basic value, shape factors and
    // corner zone as the engine gets them.
    auto show = [this](bool towards) {
      const float q = qvvind_->valueOr(0);
      const float f = (towards ? formm_ : formfr_)->valueOr(0);
      const float c = (towards ? mym_ : myfr_)->valueOr(0);
      const float l = (towards ? lm_ : lfr_)->valueOr(0);
      QMessageBox::information(
          this, towards ? tr("Vindlast MOT vägg") : tr("Vindlast FRÅN vägg"),
          tr("Grundvärde %1 kN/m2\nFormfaktor %2: %3 kN/m2\nFormfaktor hörn %4 över %5 m: %6 "
             "kN/m2")
              .arg(format_number(q, 2), format_number(f, 2), QString::number(q * f, 'f', 3),
                   format_number(c, 2), format_number(l, 2), QString::number(q * c, 'f', 3)));
    };
    connect(visaMot_, &QPushButton::clicked, this, [show] { show(true); });
    connect(visaFran_, &QPushButton::clicked, this, [show] { show(false); });
  }
  loads->addWidget(vindVaggBox_);

  auto* bruk = new QGroupBox(tr("Bruksgränstillstånd"), this);
  {
    auto* g = new QGridLayout(bruk);
    ec3_ = new QCheckBox(tr("Nedböjningsbegränsning enl. EC 3"), bruk);
    ec3_->setObjectName("ec3");
    connect(ec3_, &QCheckBox::toggled, this, &InputForm::edited);
    bnedb_ = number("bnedb", 0, 0, 2000);
    lastf_ = number("Lastf", 2, 0, 1);
    g->addWidget(ec3_, 0, 0, 1, 2);
    g->addWidget(caption(tr("Nedböjningsbegränsning     L/")), 1, 0);
    g->addWidget(bnedb_, 1, 1);
    lastfLabel_ = caption(tr("Lastreduktionsfaktor"));
    g->addWidget(lastfLabel_, 2, 0);
    g->addWidget(lastf_, 2, 1);
    g->setRowStretch(3, 1);
  }
  loads->addWidget(bruk);
  loads->addStretch();
  grid->addLayout(loads, 3, 0, 1, 4);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(3, 1);
}

void InputForm::setProfiles(std::vector<ProfileChoice> profiles) {
  profiles_ = std::move(profiles);
  const QString current = pnamn_->currentText();
  const bool was = loading_;
  loading_ = true;
  pnamn_->clear();
  for (const auto& p : profiles_) pnamn_->addItem(p.designation);
  pnamn_->setEditText(current);
  loading_ = was;
  updateThicknessChoices();
}

void InputForm::updateThicknessChoices() {
  const QString t = pnamn_->currentText().trimmed();
  const ProfileChoice* found = nullptr;
  for (const auto& p : profiles_)
    if (p.designation.compare(t, Qt::CaseInsensitive) == 0) found = &p;
  QStringList offered;
  if (found)
    for (float t : found->thicknesses) offered << format_number(t, 2);
  for (auto* e : tjl_)
    e->setToolTip(found ? tr("Låst tjocklek, en av profilens: %1 mm").arg(offered.join("  "))
                        : tr("Låst tjocklek (mm)"));
  for (std::size_t k = 0; k < ptjlButtons_.size(); ++k) {
    const bool has = found && k < found->thicknesses.size();
    ptjlButtons_[k]->setVisible(has);
    if (has) ptjlButtons_[k]->setText(QString::number(found->thicknesses[k], 'f', 2));
  }
  ptjl_->setVisible(found != nullptr);
}

int InputForm::spans() const { return nfack_->value(); }
bool InputForm::isWall() const { return anvo_->checked() == 1; }

void InputForm::setMarket(int code) {
  market_ = std::clamp(code, 1, 5);
  updateVisibility();
  if (!loading_) emit changed();
}

void InputForm::updateVisibility() {
  const bool roof = !isWall();
  const int taktyp = typt_->checked();
  const int n = nfack_->value();
  for (int i = 0; i < kMaxSpans; ++i) {
    const auto k = static_cast<std::size_t>(i);
    spv_[k]->setVisible(i < n);
    tjl_[k]->setVisible(i < n);
    spanNo_[k]->setVisible(i < n);
    tjl_[k]->setEnabled(locked_->isChecked());
  }
  for (int j = 0; j <= kMaxSpans; ++j) upl_[static_cast<std::size_t>(j)]->setVisible(j <= n);
  tjlLabel_->setEnabled(locked_->isChecked());

  typt_->setVisible(roof);
  oflans_->setVisible(roof);
  perfo_->setVisible(roof && taktyp > 0);
  lasbalk_->setVisible(roof && taktyp == 2);
  iskiv_->setVisible(roof && taktyp > 0);
  kvot_->setEnabled(lasbalk_->checked() != 2);
  takBox_->setVisible(roof);
  // Snow by zone where the market gives it in two steps, else the ground snow.
  const bool zones = market_rules(market_).snow_in_two_steps;
  snoBox_->setVisible(roof && zones);
  snoMarkBox_->setVisible(roof && !zones);
  qkar_->setEnabled(sno_->checked() == 8);
  vindTakBox_->setVisible(roof);
  randz_->setEnabled(taktyp == 0);
  lrandz_->setEnabled(taktyp == 0);
  vindVaggBox_->setVisible(!roof);
  bnedb_->setEnabled(!ec3_->isChecked());
  // The load reduction of the serviceability check applies to the snow of roofs.
  lastf_->setVisible(roof);
  lastfLabel_->setVisible(roof);
  for (const MarketRules& m : markets())
    classes_[static_cast<std::size_t>(m.code - 1)]->setVisible(m.code == market_);
}

void InputForm::setCase(const CaseFile& cf) {
  loading_ = true;
  cf_ = cf;
  const InputCase& in = cf.in;
  rubrik_->setText(from_text(in.rubrik.trimmed()));
  market_ = std::clamp(in.marknadskod, 1, 5);
  for (OptionFrame* f : classes_) f->setStored(in.sakkl, in.sakkl);
  anvo_->setValue(in.vagg);
  nfack_->setValue(std::clamp(in.nfack, 1, kMaxSpans));
  spans_ = nfack_->value();
  iskiv_->setStored(in.iskiv, in.iskiv < 2 ? 1 : 2);
  for (int i = 1; i <= kMaxSpans; ++i) {
    spv_[static_cast<std::size_t>(i - 1)]->setValue(in.spv(i));
    tjl_[static_cast<std::size_t>(i - 1)]->setValue(in.tjlk(i));
  }
  for (int j = 1; j <= kMaxSpans + 1; ++j)
    upl_[static_cast<std::size_t>(j - 1)]->setValue(in.upplbredd(j));
  locked_->setChecked(cf.locked == 1);
  konsv_->setValue(in.konsv);
  konsh_->setValue(in.konsh);
  mbv_->setChecked(in.mbkonsv == 1);
  mbh_->setChecked(in.mbkonsh == 1);

  egt_->setValue(in.egentyngd);
  taklu_->setValue(in.taklutn);
  last_->setValue(in.snoform);
  int zone = 8;
  for (int id = 1; id <= 7; ++id)
    if (!cf.snow_on_next && in.snolast == snow_zone(id)) zone = id;
  sno_->setValue(zone);
  qkar_->setValue(in.snolast);
  qnorg_->setValue(in.snolast);
  qvan_->setValue(in.psi0sno);

  typt_->setValue(std::clamp(in.taktyp, 0, 2));
  const bool ridge = in.kvottak > 9999.0f;
  lasbalk_->setValue(ridge ? 2 : 1);
  kvot_->setValue(ridge ? 1.0f : in.kvottak);
  oflans_->setValue(in.oflans);
  perfo_->setStored(in.perfo(1), in.perfo(1) != 0 ? 1 : 0);
  vandr_->setValue(in.vandr(1));
  const float s = in.sidoverl(1);
  const int sshown = s == 0.0f ? 0 : s == 1.0f ? 1 : s == 2.0f ? 2 : (s < 1.5f ? 1 : 2);
  sido_->setValue(sshown);  // the stored real is kept in cf_
  uts_->setStored(in.utskr, in.utskr == 0 ? 0 : 1);

  // The wind frame of the other use gets the defaults of a case without wind data.
  InputCase d;
  blkdat(d);
  const InputCase& roofw = in.vagg == 0 ? in : d;
  const InputCase& wallw = in.vagg != 0 ? in : d;
  qvind_->setValue(roofw.vind(1));
  qvformf_->setValue(roofw.vind(2));
  qvformft_->setValue(roofw.vind(3));
  randz_->setValue(roofw.vind(4));
  lrandz_->setValue(roofw.vind(5));
  qvvind_->setValue(wallw.vind(1));
  formfr_->setValue(wallw.vind(2));
  formm_->setValue(wallw.vind(3));
  myfr_->setValue(wallw.vind(4));
  lfr_->setValue(wallw.vind(5));
  mym_->setValue(wallw.vind(6));
  lm_->setValue(wallw.vind(7));

  ec3_->setChecked(in.nedbkrav == 1);
  bnedb_->setValue(in.nedbkvot);
  lastf_->setValue(in.psi1sno);

  pnamn_->setEditText(from_text(in.pnamn(1).trimmed()));
  profile_ = pnamn_->currentText();
  mikro_->setChecked(in.mikroband == 1);
  updateThicknessChoices();
  updateVisibility();
  loading_ = false;
}

CaseFile InputForm::currentCase() const {
  CaseFile cf = cf_;
  InputCase& in = cf.in;
  in.rubrik.set(to_text(rubrik_->text()));
  in.marknadskod = market_;
  in.sakkl = classes_[static_cast<std::size_t>(market_ - 1)]->value();
  in.vagg = anvo_->checked() == 1 ? 1 : 0;
  in.nfack = nfack_->value();
  for (int i = 1; i <= kMaxSpans; ++i) {
    in.spv(i) = spv_[static_cast<std::size_t>(i - 1)]->valueOr(in.spv(i));
    in.tjlk(i) = tjl_[static_cast<std::size_t>(i - 1)]->valueOr(in.tjlk(i));
  }
  for (int j = 1; j <= kMaxSpans + 1; ++j)
    in.upplbredd(j) = upl_[static_cast<std::size_t>(j - 1)]->valueOr(in.upplbredd(j));
  cf.locked = flag_value(locked_->isChecked(), cf_.locked);
  in.konsv = konsv_->valueOr(in.konsv);
  in.konsh = konsh_->valueOr(in.konsh);
  in.mbkonsv = flag_value(mbv_->isChecked(), cf_.in.mbkonsv);
  in.mbkonsh = flag_value(mbh_->isChecked(), cf_.in.mbkonsh);

  in.egentyngd = egt_->valueOr(in.egentyngd);
  in.taklutn = taklu_->valueOr(in.taklutn);
  in.snoform = last_->valueOr(in.snoform);
  if (market_rules(market_).snow_in_two_steps) {
    const int zone = sno_->checked();
    if (zone >= 1 && zone <= 7) {
      in.snolast = snow_zone(zone);
      cf.snow_on_next = false;
    } else {
      in.snolast = qkar_->valueOr(in.snolast);
      // A free value is written as 0 and the value on the next line, unless
      // the case held it directly and it is unchanged.
      cf.snow_on_next = !(in.snolast == cf_.in.snolast && !cf_.snow_on_next &&
                          market_rules(cf_.in.marknadskod).snow_in_two_steps);
    }
    in.psi0sno = qvan_->valueOr(in.psi0sno);
  } else {
    in.snolast = qnorg_->valueOr(in.snolast);
  }

  in.taktyp = typt_->checked() < 0 ? in.taktyp : typt_->checked();
  in.vextak = in.taktyp == 2 ? 1 : 0;
  if (in.vagg == 0 && in.taktyp == 2) {
    const int lb = lasbalk_->checked() == 2 ? 2 : 1;
    cf.vex_code = lb;
    if (lb == 2) {
      if (!(cf_.in.kvottak > 9999.0f)) in.kvottak = 10000.0f;
    } else {
      in.kvottak = kvot_->valueOr(in.kvottak);
    }
  }
  in.oflans = oflans_->value();
  in.perfo(1) = perfo_->value();
  in.vandr(1) = vandr_->value();
  const int sido = sido_->checked();
  const float s = cf_.in.sidoverl(1);
  const int sshown = s == 0.0f ? 0 : s == 1.0f ? 1 : s == 2.0f ? 2 : (s < 1.5f ? 1 : 2);
  in.sidoverl(1) = sido == sshown ? s : static_cast<float>(std::max(sido, 0));
  in.utskr = uts_->value();
  in.iskiv = iskiv_->value();

  if (in.vagg == 0) {
    in.vind(1) = qvind_->valueOr(in.vind(1));
    in.vind(2) = qvformf_->valueOr(in.vind(2));
    in.vind(3) = qvformft_->valueOr(in.vind(3));
    in.vind(4) = randz_->valueOr(in.vind(4));
    in.vind(5) = lrandz_->valueOr(in.vind(5));
  } else {
    in.vind(1) = qvvind_->valueOr(in.vind(1));
    in.vind(2) = formfr_->valueOr(in.vind(2));
    in.vind(3) = formm_->valueOr(in.vind(3));
    in.vind(4) = myfr_->valueOr(in.vind(4));
    in.vind(5) = lfr_->valueOr(in.vind(5));
    in.vind(6) = mym_->valueOr(in.vind(6));
    in.vind(7) = lm_->valueOr(in.vind(7));
  }
  in.nedbkrav = ec3_->isChecked() ? 1 : (cf_.in.nedbkrav == 1 ? 2 : cf_.in.nedbkrav);
  in.nedbkvot = bnedb_->valueOr(in.nedbkvot);
  in.psi1sno = lastf_->valueOr(in.psi1sno);
  in.pnamn(1).set(to_text(pnamn_->currentText().trimmed()));
  in.mikroband = flag_value(mikro_->isChecked(), cf_.in.mikroband);
  return cf;
}

void InputForm::setSnowShape(float mu) {
  last_->setValue(mu);
  edited();
}

void InputForm::setWindBasic(float q) {
  (isWall() ? qvvind_ : qvind_)->setValue(q);
  edited();
}

float InputForm::snowLoad() const { return currentCase().in.snolast; }

QString InputForm::validate() const {
  faultControl_.clear();
  const int n = nfack_->value();
  for (int j = 0; j <= n; ++j) {
    const NumberEdit* e = upl_[static_cast<std::size_t>(j)];
    const auto w = e->value();
    if (w && *w > 0.2f) {
      faultControl_ = e->objectName();
      return e->caption() + ": " + tr("Max tillåten upplagsbredd är 200 mm");
    }
  }
  const QString profile = pnamn_->currentText().trimmed();
  if (profile.isEmpty()) {
    faultControl_ = "pnamn";
    return tr("Ange profil.");
  }
  if (!knownProfile(profile)) {
    faultControl_ = "pnamn";
    return unknownProfileText(profile);
  }
  // Every shown number field must hold a number within its range.
  const QList<NumberEdit*> fields = findChildren<NumberEdit*>();
  for (const NumberEdit* e : fields) {
    if (!e->isVisibleTo(this) || !e->isEnabled()) continue;
    if (!e->acceptable()) {
      faultControl_ = e->objectName();
      const QString shown = e->text().trimmed();
      return (shown.isEmpty()
                  ? tr("Värde saknas i fältet %1.").arg(e->caption())
                  : tr("Felaktigt värde i fältet %1: \"%2\".").arg(e->caption(), shown)) +
             "\n" + e->rangeText() + ".";
    }
  }
  // The case as a whole by the rules of the case file layout.
  CaseFile cf = currentCase();
  cf.in.indatafil.set("KVOP");
  std::string bytes, fault;
  if (!write_case_file(cf, bytes, fault)) return write_fault_message(fault, cf.in, &faultControl_);
  return {};
}

void InputForm::focusFault() {
  if (faultControl_.isEmpty()) return;
  auto* w = findChild<QWidget*>(faultControl_);
  if (!w || !w->isVisibleTo(this)) return;
  // Every scroll area on the way shows the field.
  for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (auto* s = qobject_cast<QScrollArea*>(p)) s->ensureWidgetVisible(w);
  w->setFocus(Qt::OtherFocusReason);
  if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
  if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->selectAll();
}

bool InputForm::knownProfile(const QString& designation) const {
  // Without a database nothing can be checked; the run will say so.
  if (profiles_.empty()) return true;
  return std::any_of(profiles_.begin(), profiles_.end(), [&](const ProfileChoice& p) {
    return p.designation.compare(designation, Qt::CaseInsensitive) == 0;
  });
}

QString InputForm::unknownProfileText(const QString& designation) const {
  return tr("Profilen \"%1\" finns inte i profildatabasen. Välj en av profilerna i listan.")
      .arg(designation);
}

void InputForm::chooseProfile(const QString& designation) {
  pnamn_->setEditText(designation);
  profileEntered();
}

void InputForm::profileEntered() {
  const QString t = pnamn_->currentText().trimmed();
  if (t.isEmpty() || knownProfile(t)) {
    // The database's own spelling.
    for (const auto& p : profiles_)
      if (p.designation.compare(t, Qt::CaseInsensitive) == 0 && p.designation != t) {
        pnamn_->setEditText(p.designation);
        edited();
      }
    profile_ = pnamn_->currentText();
    return;
  }
  warn(unknownProfileText(t));
  pnamn_->setEditText(profile_);
  pnamn_->lineEdit()->selectAll();
  pnamn_->setFocus(Qt::OtherFocusReason);
  edited();
}

// The line loads and the snow pocket that stand on spans above `n`, as the
// question before removing those spans names them; empty when none.
QString InputForm::loadsBeyond(int n) const {
  const InputCase& in = cf_.in;
  QStringList what;
  if (in.linjfack(1) != 0)
    for (int k = 1; k <= std::min(in.nlinj, kMaxLoads); ++k)
      if (in.linjfack(k) > n) what << tr("linjelast %1 i fack %2").arg(k).arg(in.linjfack(k));
  if (in.fickfack > n) what << tr("snöfickan i fack %1").arg(in.fickfack);
  return what.join(", ");
}

void InputForm::removeLoadsBeyond(int n) {
  InputCase& in = cf_.in;
  int kept = 0;
  if (in.linjfack(1) != 0)
    for (int k = 1; k <= std::min(in.nlinj, kMaxLoads); ++k)
      if (in.linjfack(k) <= n) {
        ++kept;
        in.linjfack(kept) = in.linjfack(k);
        in.linjlast(kept) = in.linjlast(k);
      }
  for (int k = kept + 1; k <= kMaxLoads; ++k) {
    in.linjfack(k) = 0;
    in.linjlast(k) = Linjlast{};
  }
  in.nlinj = kept;
  if (in.fickfack > n) in.fickfack = 0;
}

void InputForm::spansChanged(int n) {
  if (loading_) return;
  if (n < spans_) {
    const QString lost = loadsBeyond(n);
    if (!lost.isEmpty()) {
      const QString text = tr("Antal fack minskas från %1 till %2. Då tas också bort: %3.\n\n"
                              "Vill du minska antal fack?")
                               .arg(spans_)
                               .arg(n)
                               .arg(lost);
      if (!confirm(text)) {
        const QSignalBlocker block(nfack_);
        nfack_->setValue(spans_);
        return;
      }
      removeLoadsBeyond(n);
    }
  }
  spans_ = n;
  edited();
}

}  // namespace kvop::editor
