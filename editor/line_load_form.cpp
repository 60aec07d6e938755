#include "line_load_form.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "help.h"
#include "number_edit.h"

namespace kvop::editor {

LineLoadForm::LineLoadForm(InputCase& in, QWidget* parent) : QDialog(parent), in_(in) {
  setWindowTitle(tr("Linjelast"));
  new QShortcut(QKeySequence::HelpContents, this, [this] { show_help(this, "linjelast"); });
  auto* g = new QGridLayout(this);
  g->addWidget(new QLabel(tr("Antal linjelaster:")), 0, 0, 1, 2);
  nllast_ = new QSpinBox;
  nllast_->setObjectName("nllast");
  nllast_->setRange(0, 5);
  // A case whose first load has no span holds no line loads.
  nllast_->setValue(in.linjfack(1) == 0 ? 0 : std::clamp(in.nlinj, 0, 5));
  g->addWidget(nllast_, 0, 2);
  const QString heads[5] = {tr("Fack nr"), tr("Avstånd från vänster stöd"), tr("Brottgräns ned"),
                            tr("Brottgräns upp"), tr("Bruksgräns ned")};
  for (int c = 0; c < 5; ++c) g->addWidget(new QLabel(heads[c]), 1, 1 + c);
  g->addWidget(new QLabel(tr("(m)")), 2, 2);
  for (int c = 3; c <= 5; ++c) g->addWidget(new QLabel(tr("(kN/m)")), 2, c);
  for (int k = 1; k <= 5; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const int row = 2 + k;
    g->addWidget(new QLabel(QString::number(k)), row, 0);
    llfnr_[i] = new QSpinBox;
    llfnr_[i]->setObjectName(QString("llfnr%1").arg(k));
    llfnr_[i]->setRange(0, in.nfack);
    llfnr_[i]->setValue(std::clamp(in.linjfack(k), 0, in.nfack));
    avst_[i] = new NumberEdit(3, 0, 99.999);
    brollast_[i] = new NumberEdit(3, -999.999, 999.999);
    lllast_[i] = new NumberEdit(3, -999.999, 999.999);
    brullast_[i] = new NumberEdit(3, -999.999, 999.999);
    avst_[i]->setObjectName(QString("avst%1").arg(k));
    brollast_[i]->setObjectName(QString("brollast%1").arg(k));
    lllast_[i]->setObjectName(QString("lllast%1").arg(k));
    brullast_[i]->setObjectName(QString("brullast%1").arg(k));
    const Linjlast& l = in.linjlast(k);
    avst_[i]->setValue(l.linjavst);
    brollast_[i]->setValue(l.brottned);
    lllast_[i]->setValue(l.brottupp);
    brullast_[i]->setValue(l.bruksned);
    g->addWidget(llfnr_[i], row, 1);
    g->addWidget(avst_[i], row, 2);
    g->addWidget(brollast_[i], row, 3);
    g->addWidget(lllast_[i], row, 4);
    g->addWidget(brullast_[i], row, 5);
  }
  connect(nllast_, &QSpinBox::valueChanged, this, [this] { update(); });
  auto* box = new QDialogButtonBox;
  box->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  box->addButton(tr("Avbryt"), QDialogButtonBox::RejectRole);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  g->addWidget(box, 8, 0, 1, 6);
  update();
}

void LineLoadForm::update() {
  for (int k = 1; k <= 5; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const bool on = k <= nllast_->value();
    for (QWidget* w : std::initializer_list<QWidget*>{llfnr_[i], avst_[i], brollast_[i], lllast_[i],
                                                      brullast_[i]})
      w->setEnabled(on);
    if (on && llfnr_[i]->value() == 0) llfnr_[i]->setValue(1);
  }
}

QString LineLoadForm::validate() const {
  for (int k = 1; k <= nllast_->value(); ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const int span = llfnr_[i]->value();
    if (span < 1 || span > in_.nfack) return tr("Linjelast %1: fack nr saknas.").arg(k);
    for (const NumberEdit* e : {avst_[i], brollast_[i], lllast_[i], brullast_[i]})
      if (!e->acceptable())
        return tr("Linjelast %1: felaktigt värde \"%2\".").arg(k).arg(e->text());
    if (*avst_[i]->value() > in_.spv(span))
      return tr("Linjelast %1: avståndet %2 m är större än spännvidden %3 m i fack nr %4.")
          .arg(k)
          .arg(avst_[i]->text())
          .arg(format_number(in_.spv(span), 3))
          .arg(span);
  }
  return {};
}

void LineLoadForm::accept() {
  const QString why = validate();
  if (!why.isEmpty()) {
    QMessageBox::warning(this, tr("Linjelast"), why);
    return;
  }
  in_.nlinj = nllast_->value();
  for (int k = 1; k <= in_.nlinj; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    in_.linjfack(k) = llfnr_[i]->value();
    Linjlast& l = in_.linjlast(k);
    l.linjavst = *avst_[i]->value();
    l.brottned = *brollast_[i]->value();
    l.brottupp = *lllast_[i]->value();
    l.bruksned = *brullast_[i]->value();
  }
  // Without loads the first line names no span, as the engine expects.
  if (in_.nlinj == 0) in_.linjfack(1) = 0;
  QDialog::accept();
}

}  // namespace kvop::editor
