#include "joint_form.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <cmath>

#include "help.h"

namespace kvop::editor {

float pack_joint_extent(int right, int left) { return static_cast<float>(right + left / 100.0); }

std::pair<int, int> unpack_joint_extent(float packed) {
  const double v = packed;
  const int right = static_cast<int>(std::floor(v + 1e-6));
  int left = static_cast<int>(std::lround((v - right) * 100.0));
  return {right, std::clamp(left, 0, 99)};
}

JointForm::JointForm(InputCase& in, int support, QWidget* parent)
    : QDialog(parent), in_(in), support_(support), type_(new QButtonGroup(this)) {
  setWindowTitle(tr("Skarvtyp"));
  new QShortcut(QKeySequence::HelpContents, this, [this] { show_help(this, "skarvtyp"); });
  auto* g = new QGridLayout(this);
  auto* head = new QLabel(tr("Skarvtyp stöd nr %1").arg(support));
  QFont f = head->font();
  f.setBold(true);
  head->setFont(f);
  g->addWidget(head, 0, 0, 1, 4);
  g->addWidget(new QLabel(tr("Omlott")), 1, 1, 1, 2, Qt::AlignCenter);
  g->addWidget(new QLabel(tr("% Vänster")), 2, 1);
  g->addWidget(new QLabel(tr("%Höger")), 2, 2);
  const QString names[6] = {tr("Kontinuerlig"),       tr("Led"),    tr("Enkel omlott"),
                            tr("Enkel omlott + nit"), tr("Gerber"), tr("Dubbel omlott")};
  const auto [right, left] = unpack_joint_extent(in.skarvprc(support));
  for (int t = 0; t < 6; ++t) {
    auto* b = new QRadioButton(names[t]);
    b->setObjectName(QString("skarvtyp%1").arg(t));
    type_->addButton(b, t);
    g->addWidget(b, 3 + t, 0);
    if (t >= 2) {
      auto* v = new QSpinBox;
      auto* h = new QSpinBox;
      v->setObjectName(QString("prcv%1").arg(t));
      h->setObjectName(QString("prch%1").arg(t));
      for (auto* s : {v, h}) {
        s->setRange(0, 99);
        s->setSuffix(" %");
      }
      const bool mine = in.skarvtyp(support) == t;
      v->setValue(mine ? left : 10);
      h->setValue(mine ? right : 10);
      prcv_[static_cast<std::size_t>(t)] = v;
      prch_[static_cast<std::size_t>(t)] = h;
      g->addWidget(v, 3 + t, 1);
      g->addWidget(h, 3 + t, 2);
    }
    if (t == 4) g->addWidget(new QLabel(tr("Ledavstånd")), 3 + t, 3);
  }
  if (auto* b = type_->button(std::clamp(in.skarvtyp(support), 0, 5))) b->setChecked(true);
  connect(type_, &QButtonGroup::idToggled, this, [this](int, bool) { update(); });
  auto* ok = new QDialogButtonBox;
  ok->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
  g->addWidget(ok, 9, 0, 1, 4);
  update();
}

void JointForm::update() {
  for (int t = 2; t < 6; ++t) {
    const bool on = type_->checkedId() == t;
    prcv_[static_cast<std::size_t>(t)]->setEnabled(on);
    prch_[static_cast<std::size_t>(t)]->setEnabled(on);
  }
}

void JointForm::accept() {
  const int t = type_->checkedId();
  const int before = in_.skarvtyp(support_);
  in_.skarvtyp(support_) = t;
  if (t >= 2) {
    const auto k = static_cast<std::size_t>(t);
    const float packed = pack_joint_extent(prch_[k]->value(), prcv_[k]->value());
    // An unchanged extent keeps the stored number as it stands.
    if (!(before == t && unpack_joint_extent(in_.skarvprc(support_)) ==
                             std::pair{prch_[k]->value(), prcv_[k]->value()}))
      in_.skarvprc(support_) = packed;
  }
  QDialog::accept();
}

}  // namespace kvop::editor
