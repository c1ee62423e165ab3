#include "records/ui/frm_statis_overall_change_data.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "records/ui/score_grid.h"

namespace tablerun {
namespace {

QLabel* fnValueLabel(QWidget* parent, const char* name, std::int64_t value) {
  auto* label = new QLabel(QString::number(value), parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

TfrmStatisOverallChangeData::TfrmStatisOverallChangeData(const std::string& player, const TOverallScore& stored,
                                                         const TOverallScore& sum, QWidget* parent)
    : C_TAdvancedForm(parent) {
  setObjectName("frmStatisOverallChangeData");
  setWindowTitle("Overall Score ");
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(
      "A difference has been found between your Overall Score (Total value) and the sum of all the values of each "
      "single game.",
      this);
  text->setObjectName("lblDifference");
  text->setWordWrap(true);
  layout->addWidget(text);

  auto* values = new QGroupBox(QString::fromStdString(" Player: " + player + " "), this);
  values->setObjectName("grpPlayer");
  auto* form = new QFormLayout(values);
  form->addRow("Previous Overall Score:", fnValueLabel(values, "lblPrevious", stored.score));
  form->addRow("Sum of all the values of each single game:", fnValueLabel(values, "lblSum", sum.score));
  form->addRow("Your Overall Score will be changed to:", fnValueLabel(values, "lblChangedTo", sum.score));
  layout->addWidget(values);

  const TChoicePair proceed =
      fnNewChoicePair(this, "rgProceed", " Proceed with the change? ", {"rbYes", "Yes"}, {"rbNo", "No"});
  layout->addWidget(proceed.group);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  // The values shown are the sums either way: the choice only keeps the notice open.
  connect(proceed.first, &QRadioButton::toggled, ok, &QPushButton::setEnabled);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace tablerun
